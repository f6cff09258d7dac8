// SPDX-License-Identifier: GPL-3.0-or-later
// csq5-sim: an RX-Q5 receiver and its cloning cable on a pseudo-terminal.
// The computer side opens the pty's slave as its serial port; this program
// sits on the master side, echoes every byte as the cable does, and lets the
// simulated receiver answer (see sim_receiver.h).

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "sim/line_pacer.h"
#include "sim/sim_frame.h"
#include "sim/sim_image.h"
#include "sim/sim_options.h"
#include "sim/sim_pty.h"
#include "sim/sim_receiver.h"

namespace {

int gSignalPipe[2] = {-1, -1};

extern "C" void OnSignal(int sig) {
    const int saved = errno;
    const unsigned char b = static_cast<unsigned char>(sig);
    [[maybe_unused]] const ssize_t n = write(gSignalPipe[1], &b, 1);
    errno = saved;
}

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool SetNonBlockCloExec(int fd) {
    const int fl = fcntl(fd, F_GETFL);
    if (fl < 0 || fcntl(fd, F_SETFL, fl | O_NONBLOCK) < 0) return false;
    return fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

// The symlink of --link, removed at the end only if it is still ours.
struct Link {
    std::string path, target;
    bool made = false;

    bool Make(const std::string& p, const std::string& t, std::string& error) {
        path = p;
        target = t;
        struct stat st {};
        if (lstat(path.c_str(), &st) == 0) {
            // A link left behind by an earlier run is replaced; anything
            // else at that path is not ours to remove.
            if (!S_ISLNK(st.st_mode) || unlink(path.c_str()) != 0) {
                error = path + " exists and is not a symlink";
                return false;
            }
        }
        if (symlink(target.c_str(), path.c_str()) != 0) {
            error = "cannot make the link " + path + ": " + std::strerror(errno);
            return false;
        }
        made = true;
        return true;
    }
    void Remove() {
        if (!made) return;
        char buf[4096];
        const ssize_t n = readlink(path.c_str(), buf, sizeof buf - 1);
        if (n >= 0 && std::string(buf, static_cast<std::size_t>(n)) == target) unlink(path.c_str());
        made = false;
    }
};

// Before a hang-up, lets the computer side take the bytes already on the
// line: a real receiver's last bytes are in the computer's UART by then,
// but closing a pty throws away whatever its slave has not read yet. The
// slave's input queue must read empty three times in a row (bytes pass
// through the kernel's flip buffer before they are counted). Waits at most
// two seconds, and not past a signal.
void WaitUntilTaken(const SimPty& pty) {
    int emptyInARow = 0;
    for (int i = 0; i < 200 && emptyInARow < 3; ++i) {
        int pending = 0;
        if (ioctl(pty.Slave(), TIOCINQ, &pending) != 0) return;
        emptyInARow = pending > 0 ? 0 : emptyInARow + 1;
        pollfd fd{gSignalPipe[0], POLLIN, 0};
        if (poll(&fd, 1, 10) != 0) return;
    }
}

std::string FrameText(const RxFrame& f) {
    return ByteStrToHexStr(JoinBytes({f.dest, f.src, f.cmd}, f.body));
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions opt;
    std::string error;
    if (!ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), opt, error)) {
        std::cerr << "csq5-sim: " << error << "\n";
        return 2;
    }
    if (opt.help) {
        std::cout << SimUsage();
        return 0;
    }
    const auto log = [&](const std::string& text) {
        if (!opt.quiet) std::cerr << "csq5-sim: " << text << std::endl;
    };

    SimReceiver receiver(opt.setup);
    if (!opt.imageFile.empty()) {
        if (!LoadImageFile(opt.imageFile, receiver.Image(), error)) {
            std::cerr << "csq5-sim: " << opt.imageFile << ": " << error << "\n";
            return 1;
        }
    } else {
        MakeStartImage(opt.setup, receiver.Image());
    }
    receiver.onLog = log;
    receiver.onWritten = [&](const clsCmcEeprom& image) {
        if (opt.saveFile.empty()) return;
        if (SaveImageFile(opt.saveFile, image))
            log("written image saved to " + opt.saveFile);
        else
            log("cannot save " + opt.saveFile);
    };

    if (pipe(gSignalPipe) != 0 || !SetNonBlockCloExec(gSignalPipe[0]) ||
        !SetNonBlockCloExec(gSignalPipe[1])) {
        std::cerr << "csq5-sim: cannot set up signal handling\n";
        return 1;
    }
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);

    SimPty pty;
    Link link;
    if (!pty.Open(error) || (!opt.link.empty() && !link.Make(opt.link, pty.SlaveName(), error))) {
        std::cerr << "csq5-sim: " << error << "\n";
        pty.Close();
        return 1;
    }
    std::cout << pty.SlaveName() << std::endl;
    log("receiver version " + std::to_string(opt.setup.version) + " on " + pty.SlaveName() +
        (opt.baud ? ", " + std::to_string(opt.baud) + " bit/s" : ", unpaced") +
        (opt.setup.fault != SimFault::None ? std::string(", fault ") + FaultName(opt.setup.fault)
                                           : std::string()));

    FrameReader reader;
    LinePacer pacer(opt.baud);
    bool hangupPending = false;
    int exitCode = 0;
    std::vector<std::uint8_t> buf(4096);
    for (;;) {
        // Hand the line every byte that is due.
        bool writeBlocked = false;
        if (!pacer.Empty()) {
            const std::size_t due = pacer.Due(NowNs());
            if (due > 0) {
                const ByteStr chunk = pacer.Front(due);
                const ssize_t w = write(pty.Master(), chunk.data(), chunk.size());
                if (w > 0) {
                    pacer.Sent(static_cast<std::size_t>(w));
                } else if (w < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                    writeBlocked = true;
                } else if (w < 0 && errno != EINTR) {
                    log(std::string("write failed: ") + std::strerror(errno));
                    exitCode = 1;
                    break;
                }
            }
        }
        if (hangupPending && pacer.Empty()) {
            WaitUntilTaken(pty);
            log("hanging up");
            break;
        }

        pollfd fds[2] = {{gSignalPipe[0], POLLIN, 0}, {pty.Master(), POLLIN, 0}};
        timespec timeout{};
        timespec* timeoutPtr = nullptr;
        if (writeBlocked) {
            fds[1].events |= POLLOUT;
        } else if (!pacer.Empty()) {
            const std::int64_t wait = std::max<std::int64_t>(pacer.NextDueNs() - NowNs(), 0);
            timeout.tv_sec = static_cast<time_t>(wait / 1'000'000'000);
            timeout.tv_nsec = static_cast<long>(wait % 1'000'000'000);
            timeoutPtr = &timeout;
        }
        if (ppoll(fds, 2, timeoutPtr, nullptr) < 0) {
            if (errno == EINTR) continue;
            log(std::string("poll failed: ") + std::strerror(errno));
            exitCode = 1;
            break;
        }
        if (fds[0].revents & POLLIN) {
            log("signal received, ending");
            break;
        }
        if (!(fds[1].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        const ssize_t n = read(pty.Master(), buf.data(), buf.size());
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n <= 0) {
            log("the pseudo-terminal closed");
            exitCode = 1;
            break;
        }
        if (opt.setup.fault == SimFault::NoEcho) continue;  // nothing on the other end
        const ByteStr chunk(buf.begin(), buf.begin() + n);
        const std::int64_t now = NowNs();
        // The cable carries the computer's bytes straight back; the
        // receiver's answers follow after its turn-around.
        if (!hangupPending) pacer.Push(chunk, now);
        std::vector<ReceiverOutput> outs;
        for (std::uint8_t b : chunk) {
            if (auto frame = reader.Feed(b)) {
                if (opt.verbose) log("<- " + FrameText(*frame));
                receiver.HandleFrame(*frame, outs);
            }
        }
        for (const auto& out : outs) {
            if (hangupPending) break;
            if (opt.verbose && !out.bytes.empty())
                log("-> " + ByteStrToHexStr(ByteStr(out.bytes.begin() + 2, out.bytes.end() - 1)));
            pacer.Push(out.bytes, now);
            hangupPending = out.hangup;
        }
        if (hangupPending && pacer.Empty()) {
            WaitUntilTaken(pty);
            log("hanging up");
            break;
        }
    }
    pty.Close();
    link.Remove();
    return exitCode;
}
