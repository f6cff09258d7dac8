// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built csq5-sim, quiet (-q), on a pseudo-terminal of its own: the first
// line it prints is the terminal's path, the device the program under test
// opens. Stopped by its process id when the object goes. Needs CSQ5_SIM_PATH.

#include "run_process.h"

class SimProcess {
  public:
    explicit SimProcess(std::vector<std::string> args) {
        args.insert(args.begin(), "-q");
        if (!child_.Start(CSQ5_SIM_PATH, args)) return;
        if (auto line = child_.ReadLine(std::chrono::seconds(10))) tty_ = *line;
    }
    // Empty when the simulator did not start.
    const std::string& tty() const { return tty_; }
    pid_t pid() const { return child_.pid(); }
    // Ends the simulator as a signal would (SIGTERM); how it ended.
    ProcessResult Stop() { return child_.Stop(); }

  private:
    ChildProcess child_;
    std::string tty_;
};
