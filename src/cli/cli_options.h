// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of csq5-cli: the global options (profile, version matrix
// overrides) and one command with its own arguments.

#include <map>
#include <optional>
#include <string>
#include <vector>

enum class CliCommand {
    None,
    New,        // new -o FILE
    Initial,    // initial -o FILE
    Check,      // check FILE
    Show,       // show FILE [--list KEY]
    Settings,   // settings FILE
    Setup,      // setup --port PORT | setup --show
    Info,       // info --port PORT
    Read,       // read --port PORT -o FILE
    Write,      // write --port PORT FILE
    ExportCsv,  // export-csv FILE -o OUT.csv
    ImportCsv,  // import-csv FILE IN.csv [--list BankX] [--from ROW] -o OUT
    Find,       // find FILE TEXT
    Sort,       // sort FILE --bank A [--by frequency|name] -o OUT
    ExportPdf,  // export-pdf FILE -o OUT.pdf
    Backups,    // backups
    Diff,       // diff A B
    Set,        // set FILE --list KEY --rows A-B [field options] -o OUT
    Fill,       // fill FILE --list KEY --start MHZ --spacing KHZ --count N -o OUT
    Ports,      // ports
};

struct CliOptions {
    std::string profile;  // empty: the program's own profile
    // Version matrix values that replace the profile's for this run.
    std::optional<int> ver, am, exp, celler, fmtv, tvow;
    CliCommand command = CliCommand::None;
    std::string file;     // the command's data file argument
    std::string csv;      // import-csv: the table of memory channels to read
    std::string other;    // diff: the second data file
    std::string text;     // find: the frequency or name to find
    int bank = -1;        // sort, import-csv: the memory bank 0..7 (A..H)
    bool byName = false;  // sort: by name instead of frequency
    std::string output;   // -o
    std::string port;     // --port
    std::string list = "BankA";
    bool listGiven = false;
    std::optional<int> from;  // import-csv and fill: the first row 0..49 of the bank
    bool verify = false;      // write: read the memory back and compare
    bool show = false;        // setup: print the stored version instead of learning it
    // write: channels outside the receiver's coverage may go out blank
    bool allowBlanking = false;
    // set and fill: the values of their options by name without the dashes
    // ("rows", "mode", "start" ...), as typed; checked when the version is known.
    std::map<std::string, std::string> fields;
    bool overwrite = false;  // fill: channels in use may be written over
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program name. False with a message in
// error on a usage error.
bool ParseCliOptions(const std::vector<std::string>& args, CliOptions& out, std::string& error);

// The text of --help.
std::string CliUsage();

// A port argument: the COM slot 1..4 for "COM1".."COM4" (letter case
// ignored), -1 for another "COM" number or a blank text, 0 for a device
// (a path, or a bare name that DevicePathOf puts in /dev).
int CliPortSlot(const std::string& port);
