// SPDX-License-Identifier: GPL-3.0-or-later
// csq5-cli: the clone and file commands of CS-Q5 on the command line.

#include <iostream>
#include <string>
#include <vector>

#include "app/atomic_file.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"

int main(int argc, char** argv) {
    // Ctrl+C, a closed terminal or a kill during a save: no temporary file
    // stays beside the data file.
    RemoveUnfinishedSaveOnSignals();
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "csq5-cli: " << TerminalText(error) << "\nTry 'csq5-cli --help'.\n";
        return 2;
    }
    if (options.help) {
        std::cout << CliUsage();
        return 0;
    }
    if (options.version) {
        std::cout << "csq5-cli " << CSQ5_VERSION << "\n";
        return 0;
    }
    return RunCli(options, argc, argv);
}
