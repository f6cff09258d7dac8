// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_pty.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

bool SimPty::Open(std::string& error) {
    Close();
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    const char* name = ptsname(master_);
    if (!name) {
        error = "cannot name the pseudo-terminal";
        Close();
        return false;
    }
    slaveName_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        error = "cannot open " + slaveName_ + ": " + std::strerror(errno);
        Close();
        return false;
    }
    // Raw bytes both ways: no echo by the terminal itself (the cable's echo
    // is the simulator's to make), no line editing, no character mapping.
    termios tio{};
    if (tcgetattr(slave_, &tio) == 0) {
        cfmakeraw(&tio);
        cfsetispeed(&tio, B9600);
        cfsetospeed(&tio, B9600);
        tcsetattr(slave_, TCSANOW, &tio);
    }
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    const int fl = fcntl(master_, F_GETFL);
    if (fl < 0 || fcntl(master_, F_SETFL, fl | O_NONBLOCK) < 0 ||
        fcntl(master_, F_SETFD, FD_CLOEXEC) != 0) {
        error = std::string("cannot set up the pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    return true;
}

void SimPty::Close() {
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
    master_ = slave_ = -1;
    slaveName_.clear();
}
