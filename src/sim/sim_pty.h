// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pseudo-terminal a simulated receiver sits behind: the computer side
// opens the slave by its path as its serial port; the simulator reads and
// writes the master. The slave is held open here as well, so the master
// never sees a hang-up while the computer side closes and reopens it.

#include <string>

class SimPty {
  public:
    SimPty() = default;
    ~SimPty() { Close(); }
    SimPty(const SimPty&) = delete;
    SimPty& operator=(const SimPty&) = delete;

    // Creates the pair: raw bytes both ways at 9600 bit/s, the master non-
    // blocking, neither inherited by child processes. False with a reason in
    // error when the system refuses.
    bool Open(std::string& error);
    void Close();

    int Master() const { return master_; }
    int Slave() const { return slave_; }
    const std::string& SlaveName() const { return slaveName_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slaveName_;
};
