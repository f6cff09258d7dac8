// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a program as a child process for the tests of the built programs:
// its output streams captured, its exit awaited with a deadline (a child
// that overstays it is killed), or left running in the background until
// the test stops it by its process id.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

struct ProcessResult {
    int exitCode = -1;  // -1: killed or not started
    bool timedOut = false;
    std::string out;
    std::string err;
};

class ChildProcess {
  public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { Stop(); }

    // Starts the program with its arguments; stdin is /dev/null. With
    // stderrFd, the child's stderr is that descriptor (a terminal, say)
    // instead of a captured pipe.
    bool Start(const std::string& program, const std::vector<std::string>& args,
               int stderrFd = -1) {
        int out[2], err[2];
        if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, stderrFd >= 0 ? stderrFd : err[1], 2);
        std::vector<char*> argv = {const_cast<char*>(program.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        const int rc = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        close(err[1]);
        fds_[0] = out[0], fds_[1] = err[0];
        if (rc != 0) pid_ = -1;
        return rc == 0;
    }

    // Reads stdout until a whole line is there (without its line feed).
    std::optional<std::string> ReadLine(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        std::size_t nl;
        while ((nl = result_.out.find('\n')) == std::string::npos)
            if (!Pump(deadline)) return std::nullopt;
        std::string line = result_.out.substr(0, nl);
        result_.out.erase(0, nl + 1);
        return line;
    }

    // Waits for the end, collecting the output; kills the child at the deadline.
    ProcessResult Wait(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while ((fds_[0] >= 0 || fds_[1] >= 0) && !result_.timedOut)
            result_.timedOut = !Pump(deadline);
        if (pid_ > 0) {
            if (result_.timedOut) kill(pid_, SIGKILL);
            int status = 0;
            waitpid(pid_, &status, 0);
            result_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            pid_ = -1;
        }
        for (int& fd : fds_) Close(fd);
        return result_;
    }

    // Ends a background child by its process id (SIGTERM, then SIGKILL
    // after 5 s); what it wrote and how it ended.
    ProcessResult Stop() {
        if (pid_ > 0) kill(pid_, SIGTERM);
        return Wait(std::chrono::milliseconds(5000));
    }

    pid_t pid() const { return pid_; }

  private:
    // One poll round over stdout and stderr; False when the deadline passed
    // or both are closed.
    bool Pump(std::chrono::steady_clock::time_point deadline) {
        using namespace std::chrono;
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        if (left <= 0 || (fds_[0] < 0 && fds_[1] < 0)) return false;
        pollfd fds[2] = {{fds_[0], POLLIN, 0}, {fds_[1], POLLIN, 0}};
        const int n = poll(fds, 2, static_cast<int>(left));
        if (n <= 0) return n < 0 && errno == EINTR;
        std::string* into[2] = {&result_.out, &result_.err};
        for (int i = 0; i < 2; ++i) {
            if (fds_[i] < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buf[4096];
            const ssize_t r = read(fds_[i], buf, sizeof buf);
            if (r > 0) into[i]->append(buf, static_cast<std::size_t>(r));
            if (r == 0 || (r < 0 && errno != EINTR)) Close(fds_[i]);
        }
        return true;
    }
    static void Close(int& fd) {
        if (fd >= 0) close(fd);
        fd = -1;
    }

    pid_t pid_ = -1;
    int fds_[2] = {-1, -1};  // the child's stdout and stderr
    ProcessResult result_;
};

// Runs a program to its end (at most `limit`).
inline ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                                std::chrono::milliseconds limit = std::chrono::seconds(30),
                                int stderrFd = -1) {
    ChildProcess child;
    if (!child.Start(program, args, stderrFd)) return {};
    return child.Wait(limit);
}
