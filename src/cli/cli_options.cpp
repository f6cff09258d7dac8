// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "app/common.h"

namespace {

struct CommandSpelling {
    CliCommand command;
    const char* name;
    int files;  // positional arguments: 0, 1 (the data file) or 2 (and a second one)
    bool needsOutput;
    bool needsPort;
    const char* second = nullptr;  // what the second positional argument is
};

constexpr CommandSpelling kCommands[] = {
    {CliCommand::New, "new", 0, true, false},
    {CliCommand::Initial, "initial", 0, true, false},
    {CliCommand::Check, "check", 1, false, false},
    {CliCommand::Show, "show", 1, false, false},
    {CliCommand::Settings, "settings", 1, false, false},
    {CliCommand::Setup, "setup", 0, false, true},
    {CliCommand::Info, "info", 0, false, true},
    {CliCommand::Read, "read", 0, true, true},
    {CliCommand::Write, "write", 1, false, true},
    {CliCommand::ExportCsv, "export-csv", 1, true, false},
    {CliCommand::ImportCsv, "import-csv", 2, true, false, "a CSV file"},
    {CliCommand::Find, "find", 2, false, false, "a frequency or name to find"},
    {CliCommand::Sort, "sort", 1, true, false},
    {CliCommand::ExportPdf, "export-pdf", 1, true, false},
    {CliCommand::Backups, "backups", 0, false, false},
    {CliCommand::Diff, "diff", 2, false, false, "a second data file"},
    {CliCommand::Ports, "ports", 0, false, false},
    {CliCommand::Set, "set", 1, true, false},
    {CliCommand::Fill, "fill", 1, true, false},
};

// The value options of set and fill, and which of the two takes each.
struct FieldOption {
    const char* name;
    bool set;
    bool fill;
};
constexpr FieldOption kFieldOptions[] = {
    {"rows", true, false},   {"mode", true, true},     {"step", true, true},
    {"skip", true, false},   {"duplex", true, false},  {"offset", true, false},
    {"tsql", true, false},   {"tone", true, false},    {"name", true, true},
    {"prefix", true, false}, {"number", true, false},  {"first", true, true},
    {"start", false, true},  {"spacing", false, true}, {"count", false, true},
};

// "A".."H" or "BankA".."BankH", letter case ignored: the bank 0..7; -1 otherwise.
int BankIndex(const std::string& text) {
    std::string t = Upper(text);
    if (t.size() == 5 && t.rfind("BANK", 0) == 0) t.erase(0, 4);
    return t.size() == 1 && t[0] >= 'A' && t[0] <= 'H' ? t[0] - 'A' : -1;
}

bool ParseInt(const std::string& text, int lower, int upper, int& value) {
    int v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || ptr != end || v < lower || v > upper) return false;
    value = v;
    return true;
}

}  // namespace

int CliPortSlot(const std::string& port) {
    const std::string upper = Upper(port);
    if (upper.size() == 4 && upper.rfind("COM", 0) == 0 && upper[3] >= '1' && upper[3] <= '4')
        return upper[3] - '0';
    // "COM5" and the like name a slot the program does not have; any other
    // name is a device, a bare one ("ttyUSB0") in /dev.
    const bool otherSlot =
        upper.size() > 3 && upper.rfind("COM", 0) == 0 &&
        std::all_of(upper.begin() + 3, upper.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (otherSlot || port.find_first_not_of(" \t") == std::string::npos) return -1;
    return 0;
}

bool ParseCliOptions(const std::vector<std::string>& args, CliOptions& out, std::string& error) {
    std::vector<std::string> positional;
    const CommandSpelling* spelling = nullptr;
    bool outputGiven = false, portGiven = false, bankGiven = false, byGiven = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // After "--" every argument is a name or a text, even one that
        // starts with "-" (find my.acf -- -5).
        if (optionsEnded) {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg, value;
        bool inlineValue = false;
        if (arg.rfind("--", 0) == 0) {
            const auto eq = arg.find('=');
            if (eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                inlineValue = true;
            }
        }
        const auto takeValue = [&](std::string& v) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    error = name + " needs a value";
                    return false;
                }
                value = args[++i];
            }
            v = value;
            return true;
        };
        const auto takeInt = [&](int lower, int upper, std::optional<int>& v) {
            std::string text;
            if (!takeValue(text)) return false;
            int n = 0;
            if (!ParseInt(text, lower, upper, n)) {
                error = name + ": " + text + " is not a number from " + std::to_string(lower) +
                        " to " + std::to_string(upper);
                return false;
            }
            v = n;
            return true;
        };
        bool ok = true;
        if (name == "-h" || name == "--help") {
            out.help = true;
        } else if (name == "--version") {
            out.version = true;
        } else if (name == "--profile") {
            ok = takeValue(out.profile);
            if (ok && out.profile.empty()) {
                error = "--profile needs a file name";
                ok = false;
            }
        } else if (name == "--ver") {
            ok = takeInt(0, 12, out.ver);
        } else if (name == "--am") {
            ok = takeInt(0, 1, out.am);
        } else if (name == "--exp") {
            ok = takeInt(0, 1, out.exp);
        } else if (name == "--celler") {
            ok = takeInt(0, 1, out.celler);
        } else if (name == "--fmtv") {
            ok = takeInt(0, 1, out.fmtv);
        } else if (name == "--tvow") {
            ok = takeInt(0, 3, out.tvow);
        } else if (name == "-o" || name == "--output") {
            ok = takeValue(out.output);
            outputGiven = true;
        } else if (name == "--port") {
            ok = takeValue(out.port);
            portGiven = true;
        } else if (name == "--list") {
            ok = takeValue(out.list);
            out.listGiven = true;
        } else if (name == "--from") {  // import-csv and fill: a bank's row
            ok = takeInt(0, 49, out.from);
        } else if (name == "--bank") {
            std::string bank;
            ok = takeValue(bank);
            bankGiven = true;
            out.bank = BankIndex(bank);
            if (ok && out.bank < 0) {
                error = "--bank: " + bank + " is not a memory bank A to H";
                ok = false;
            }
        } else if (const auto* field =
                       std::find_if(std::begin(kFieldOptions), std::end(kFieldOptions),
                                    [&name](const FieldOption& f) {
                                        return name == std::string("--") + f.name;
                                    });
                   field != std::end(kFieldOptions)) {
            ok = takeValue(out.fields[field->name]);
        } else if (name == "--overwrite") {
            out.overwrite = true;
        } else if (name == "--verify") {
            out.verify = true;
        } else if (name == "--show") {
            out.show = true;
        } else if (name == "--allow-blanking") {
            out.allowBlanking = true;
        } else if (name == "--by") {
            std::string by;
            ok = takeValue(by);
            byGiven = true;
            out.byName = by == "name";
            if (ok && by != "name" && by != "frequency") {
                error = "--by: " + by + " is neither frequency nor name";
                ok = false;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            ok = false;
        } else {
            positional.push_back(arg);
        }
        if (!ok) return false;
    }
    if (out.help || out.version) return true;

    if (positional.empty()) {
        error = "no command given";
        return false;
    }
    for (const auto& c : kCommands)
        if (positional[0] == c.name) spelling = &c;
    if (!spelling) {
        error = "unknown command " + positional[0];
        return false;
    }
    out.command = spelling->command;
    const std::string cmd = spelling->name;
    const auto files = static_cast<std::size_t>(spelling->files);
    if (positional.size() - 1 < files) {
        if (positional.size() == 2) {
            error = cmd + " needs " + spelling->second;
            return false;
        }
        error = cmd + " needs a data file";
        return false;
    }
    if (positional.size() - 1 > files) {
        error = cmd + ": unexpected argument " + positional[files + 1];
        return false;
    }
    if (files >= 1) out.file = positional[1];
    if (files >= 2) {
        std::string& second = out.command == CliCommand::Find   ? out.text
                              : out.command == CliCommand::Diff ? out.other
                                                                : out.csv;
        second = positional[2];
    }
    if (spelling->needsOutput && (!outputGiven || out.output.empty())) {
        error = cmd + " needs -o FILE";
        return false;
    }
    if (!spelling->needsOutput && outputGiven) {
        error = cmd + " takes no -o";
        return false;
    }
    // The setup's --show only reads the profile: no receiver, no port.
    const bool showSetup = out.show && out.command == CliCommand::Setup;
    if (spelling->needsPort && !showSetup) {
        if (!portGiven || out.port.empty()) {
            error = cmd + " needs --port PORT";
            return false;
        }
        if (CliPortSlot(out.port) < 0) {
            error = "--port: " + out.port + " is neither COM1 to COM4 nor a device path";
            return false;
        }
    } else if (portGiven) {
        error = cmd + (showSetup ? " --show" : "") + " takes no --port";
        return false;
    }
    // Options that belong to one command only.
    const struct {
        bool given;
        const char* option;
        CliCommand owner;
        CliCommand owner2 = CliCommand::None;
        CliCommand owner3 = CliCommand::None;
        CliCommand owner4 = CliCommand::None;
    } owned[] = {{out.listGiven, "--list", CliCommand::Show, CliCommand::ImportCsv, CliCommand::Set,
                  CliCommand::Fill},
                 {out.from.has_value(), "--from", CliCommand::ImportCsv, CliCommand::Fill},
                 {out.verify, "--verify", CliCommand::Write},
                 {out.show, "--show", CliCommand::Setup},
                 {out.allowBlanking, "--allow-blanking", CliCommand::Write},
                 {bankGiven, "--bank", CliCommand::Sort},
                 {byGiven, "--by", CliCommand::Sort},
                 {out.overwrite, "--overwrite", CliCommand::Fill}};
    for (const auto& o : owned) {
        if (o.given && out.command != o.owner && out.command != o.owner2 &&
            out.command != o.owner3 && out.command != o.owner4) {
            error = cmd + " takes no " + o.option;
            return false;
        }
    }
    // A table is placed from a start in one memory bank.
    if (out.command == CliCommand::ImportCsv && out.listGiven) {
        out.bank = BankIndex(out.list);
        if (out.bank < 0) {
            error = "--list: " + out.list + " is not a memory bank BankA to BankH";
            return false;
        }
    }
    for (const FieldOption& f : kFieldOptions) {
        if (out.fields.count(f.name) == 0) continue;
        if (!(f.set && out.command == CliCommand::Set) &&
            !(f.fill && out.command == CliCommand::Fill)) {
            error = cmd + " takes no --" + std::string(f.name);
            return false;
        }
    }
    if (out.command == CliCommand::Set && out.fields.count("rows") == 0) {
        error = "set needs --rows FIRST-LAST";
        return false;
    }
    if (out.command == CliCommand::Set && out.fields.size() == 1) {
        error = "set needs a value to set (--mode, --step, --skip, ...)";
        return false;
    }
    for (const char* needed : {"start", "spacing", "count"}) {
        if (out.command == CliCommand::Fill && out.fields.count(needed) == 0) {
            error = "fill needs --start MHZ --spacing KHZ --count N";
            return false;
        }
    }
    if (out.command == CliCommand::Sort && !bankGiven) {
        error = "sort needs --bank A to H";
        return false;
    }
    return true;
}

std::string CliUsage() {
    return R"USAGE(Usage: csq5-cli [OPTIONS] COMMAND ...
Clones the memory of an RX-Q5 receiver and works with its .acf data files.

Commands:
  new -o FILE               a new document (File > New) saved as FILE
  initial -o FILE           the factory image of the receiver version as FILE
  check FILE                load FILE as File > Open does; silent when it loads
  show FILE [--list KEY]    the channel grid of one list, tab-separated; KEY is
                            VFO, BankA to BankH, Pch, MnTV, AmTV or FmTV
                            (default BankA)
  settings FILE             the common settings and the comment of FILE
  setup --port PORT         initial setup: learn the receiver's version and
                            store it in the profile
  setup --show              the version stored in the profile (by this
                            command or by the window's initial setup) as
                            the options --ver, --am, ... for csq5-sim
  info --port PORT          the receiver's model and comment
  read --port PORT -o FILE  clone read, saved as FILE; a backup of it is also
                            kept in $XDG_DATA_HOME/CS-Q5/backups (default
                            ~/.local/share/CS-Q5/backups)
  write --port PORT FILE [--verify] [--allow-blanking]
                            clone write of FILE; with --verify the memory
                            is read back at once and compared with what
                            was written (exit status 1 when it differs);
                            channels in use outside the receiver's
                            frequency coverage would be written blank: they
                            are named and nothing is written (exit status
                            1) unless --allow-blanking is given
  export-csv FILE -o OUT    the memory channels in use of FILE as a CSV
                            table (Location,Name,Frequency,...)
  import-csv FILE CSV [--list BANK] [--from ROW] -o OUT
                            the rows of the CSV table written into the
                            memory channels of FILE, saved as OUT; channels
                            without a row stay as they are; each refused
                            row is named on stderr with its line number,
                            each row changed on the way (a tone squelch
                            the receiver cannot do) with "note:"
                            A scanner frequency list (the database's CSV
                            download: Frequency Output, ..., Alpha Tag, PL
                            Tone, Mode, ...) has no locations: give --list
                            or --from or both, and its rows go into
                            consecutive channels of memory bank BANK
                            (BankA to BankH, default BankA) from row ROW
                            (0 to 49, default 0); rows past the bank's end
                            are refused. A table with locations is moved
                            so that its lowest location lands there.
  find FILE TEXT            every channel in use whose frequency is TEXT
                            (typed as in the channel dialog: 145.5) or
                            whose name holds TEXT: its list and grid row
  sort FILE --bank B [--by frequency|name] -o OUT
                            the channels in use of memory bank B (A to H)
                            sorted by frequency (default) or name, blank
                            channels last, saved as OUT
  export-pdf FILE -o OUT    the channel lists in use of FILE as a PDF
                            document to print (one table per list)
  backups                   the backups of clone reads, newest first: path,
                            date and time, comment (tab-separated)
  diff A B                  one tab-separated line per difference between
                            two data files: list, channel, field, A's value,
                            B's value (the common settings as list Setting)
  set FILE [--list KEY] --rows FIRST-LAST [VALUES] -o OUT
                            the values written into every channel in use of
                            rows FIRST to LAST (the grid's CH numbers) of
                            list KEY, healed as the channel dialog heals
                            them; one line per channel that was adjusted or
                            left alone, then the counts. VALUES:
                            --mode FM|AM|WFM|Auto, --step KHZ (tuning step:
                            5, 6.25, ... 100, Auto), --skip off|on|program,
                            --duplex off|-|+, --offset MHZ, --tsql on|off,
                            --tone HZ (CTCSS: 88.5), and one of --name TEXT,
                            --prefix TEXT, --number PATTERN [--first N]
  fill FILE [--list KEY] [--from ROW] --start MHZ --spacing KHZ --count N
       [--name PATTERN [--first N]] [--mode M] [--step KHZ] [--overwrite] -o OUT
                            N new channels of a memory bank from row ROW
                            (default 0), the i-th on START + i * SPACING;
                            PATTERN numbers the names ("AIR %02d": AIR 01,
                            AIR 02 ...; from --first, default 1); channels
                            in use are only written over with --overwrite;
                            a frequency the receiver version cannot hold
                            is refused on stderr and its channel kept
  ports                     the serial devices: the COM slots that open
                            each (or -), its path and description (USB
                            IDs, the /dev/serial/by-id name), tab-separated

PORT is COM1 to COM4 (the profile's "ComDevice(n)" in section OPTION, else
the n-th serial port found) or a device such as /dev/ttyUSB0 (a bare name
such as ttyUSB0 means the same).

Options:
  --profile FILE   the profile holding the receiver version (section
                   M_Property); default: the program's own CSQ5.rs
  --ver N          receiver version 0..11 (12 = none) for this run
  --am 0|1, --exp 0|1, --celler 0|1, --fmtv 0|1, --tvow 0..3
                   the other version values for this run; the profile is
                   not changed
  --               ends the options: what follows is a file or a text
                   even when it starts with "-" (find FILE -- -5)
  -h, --help       this text
  --version        the program's version

Exit status: 0 success, 1 failure (the program's message on stderr; for
import-csv also when a row was refused: OUT then holds the other rows; for
find when no channel matches; for write --verify when the memory read back
differs; for write when channels would be written blank; for fill when a
frequency was refused: OUT then holds the others), 2 usage error. diff: 0
the memories are the same, 1 they differ, 2 a file cannot be used or a
usage error. An error's first line starts with "csq5-cli: ".
)USAGE";
}
