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

#include <chrono>
#include <cstring>
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
        int outPipe[2], errPipe[2];
        if (pipe2(outPipe, O_CLOEXEC) != 0) return false;
        if (pipe2(errPipe, O_CLOEXEC) != 0) return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
        posix_spawn_file_actions_adddup2(&actions, stderrFd >= 0 ? stderrFd : errPipe[1], 2);
        std::vector<std::string> all = {program};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        const int rc = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(outPipe[1]);
        close(errPipe[1]);
        outFd_ = outPipe[0];
        errFd_ = errPipe[0];
        if (rc != 0) {
            pid_ = -1;
            return false;
        }
        return true;
    }

    // Reads stdout until a whole line is there (without its line feed).
    std::optional<std::string> ReadLine(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            const auto nl = result_.out.find('\n');
            if (nl != std::string::npos) {
                std::string line = result_.out.substr(0, nl);
                result_.out.erase(0, nl + 1);
                return line;
            }
            if (!Pump(deadline)) return std::nullopt;
        }
    }

    // Waits for the end, collecting the output; kills the child at the deadline.
    ProcessResult Wait(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (outFd_ >= 0 || errFd_ >= 0) {
            if (!Pump(deadline)) {
                result_.timedOut = true;
                break;
            }
        }
        if (pid_ > 0) {
            if (result_.timedOut) kill(pid_, SIGKILL);
            int status = 0;
            waitpid(pid_, &status, 0);
            result_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            pid_ = -1;
        }
        CloseFds();
        return result_;
    }

    // Ends a background child by its process id (SIGTERM, then SIGKILL).
    void Stop() {
        if (pid_ <= 0) {
            CloseFds();
            return;
        }
        kill(pid_, SIGTERM);
        Wait(std::chrono::milliseconds(5000));
    }

    pid_t pid() const { return pid_; }

  private:
    // One poll round; False when the deadline passed or nothing is open.
    bool Pump(std::chrono::steady_clock::time_point deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0 || (outFd_ < 0 && errFd_ < 0)) return false;
        pollfd fds[2] = {{outFd_, POLLIN, 0}, {errFd_, POLLIN, 0}};
        const int n = poll(fds, 2, static_cast<int>(left));
        if (n < 0) return errno == EINTR;
        if (n == 0) return false;
        ReadInto(outFd_, fds[0].revents, result_.out);
        ReadInto(errFd_, fds[1].revents, result_.err);
        return true;
    }
    static void ReadInto(int& fd, short revents, std::string& into) {
        if (fd < 0 || !(revents & (POLLIN | POLLHUP | POLLERR))) return;
        char buf[4096];
        const ssize_t r = read(fd, buf, sizeof buf);
        if (r > 0) {
            into.append(buf, static_cast<std::size_t>(r));
        } else if (r == 0 || errno != EINTR) {
            close(fd);
            fd = -1;
        }
    }
    void CloseFds() {
        if (outFd_ >= 0) close(outFd_);
        if (errFd_ >= 0) close(errFd_);
        outFd_ = errFd_ = -1;
    }

    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
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
