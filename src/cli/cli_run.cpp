// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_run.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <map>

#include "app/command_ui.h"
#include "app/common.h"
#include "app/profile.h"
#include "clone/acf3_sequence.h"
#include "clone/clone_commands.h"
#include "clone/com_ports.h"
#include "clone/qt/qt_com_service.h"
#include "clone/qt/serial_ports.h"
#include "file/acf_file.h"
#include "file/channel_report.h"
#include "file/csv_channels.h"
#include "file/document_commands.h"
#include "file/qt/report_painter.h"
#include "file/read_backups.h"
#include "model/channel_find.h"
#include "model/channel_sort.h"
#include "model/channel_texts.h"
#include "model/channel_tools.h"
#include "model/common_settings.h"
#include "model/document_copy.h"
#include "model/grid_texts.h"
#include "model/image_diff.h"
#include "model/master.h"
#include "model/master_profile.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kNumComSlots = 4;
constexpr const char* kRunSetupFirst =
    "No receiver version is stored: run csq5-cli setup --port PORT first.";

// A failure on stderr: the program's name, then the message as the window
// program's box shows it.
void Error(const std::string& text) {
    std::cerr << "csq5-cli: " << TerminalText(text) << "\n";
}

// The commands' questions and messages on a terminal: the command line is
// the user's confirmation, failures go to stderr, results to stdout, and the
// clone progress shows as a percentage when stderr is a terminal.
class CliUi : public CommandUi {
  public:
    bool AskOkCancel(const std::string&) override { return true; }
    // Channels are written blank only when the command line says so.
    bool AllowBlanking(const std::string&, const std::vector<std::string>& places) override {
        if (allowBlanking) return true;
        Error(CloneCommands::BlankedByWriteText(places));
        std::cerr << "Nothing was written; with --allow-blanking they are written blank.\n";
        return false;
    }
    void ShowError(const std::string& text) override {
        ClearProgressLine();
        Error(text);
    }
    void ShowNotice(const std::string& text) override {
        ClearProgressLine();
        std::cout << TerminalText(text) << "\n";
    }
    void ShowInformation(const std::string&, const std::string& text) override {
        ClearProgressLine();
        std::cout << TerminalText(text) << "\n";
    }
    bool allowBlanking = false;
    void ProgressShow() override {
        shown_ = isatty(STDERR_FILENO) != 0;
        last_ = -1;
        ProgressValue(0);
    }
    void ProgressValue(int value) override {
        if (!shown_ || value == last_) return;
        last_ = value;
        std::cerr << "\rCloning " << value << "%" << std::flush;
        drawn_ = true;
    }
    void ProgressClose() override {
        ClearProgressLine();
        shown_ = false;
    }

  private:
    void ClearProgressLine() {
        if (!drawn_) return;
        std::cerr << "\r" << std::string(16, ' ') << "\r" << std::flush;
        drawn_ = false;
    }
    bool shown_ = false;
    bool drawn_ = false;
    int last_ = -1;
};

// The program's long-lived objects, set up as the start-up does: the
// document with the receiver's model names and the one clone-write range,
// the memory map with the version from the profile (and the command line's
// overrides), the initial image of that version as the working image.
struct Program {
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    clsCmcProfileIO profile;
    CliUi ui;
    DocumentCommands doc{master, ui};

    explicit Program(const CliOptions& o) {
        PrepareRxQ5Document(radio);
        doc.ExplainOpenFailures(true);
        ui.allowBlanking = o.allowBlanking;
        if (o.profile.empty()) {
            profile.SetDefaultProfile();
        } else {
            const std::filesystem::path file(o.profile);
            const std::string folder = file.parent_path().string();
            profile.Path(folder.empty() ? std::string() : folder + "/");
            profile.Name(file.filename().string());
        }
        clsRigQ5_Matrix& m = master.MatrixObj();
        MasterLoadData(master, profile);
        if (profile.Unreadable()) Error(ProfileUnreadableText(profile.GetMyProfile()));
        if (o.ver) m.MtxVerNo(*o.ver);
        if (o.am) m.MtxAmOk(*o.am);
        if (o.exp) m.MtxExpOn(*o.exp);
        if (o.celler) m.MtxCellerNg(*o.celler);
        if (o.fmtv) m.MtxFmTvOk(*o.fmtv);
        if (o.tvow) m.MtxTvOwNo(*o.tvow);
        master.Init_MakeInitial();
        master.Reset();
    }

    // The profile's devices for the COM slots.
    std::map<int, std::string> ComDevices() {
        std::map<int, std::string> devices;
        profile.Section("OPTION");
        for (int slot = 1; slot <= kNumComSlots; ++slot) {
            std::string device;
            profile.loadData(ComDeviceProfileKey(slot), device, std::string());
            if (!device.empty()) devices[slot] = device;
        }
        return devices;
    }
};

// The tree key whose node key is `key`; -1 when there is none or it is a
// group node without a channel list.
int FindListKey(const clsRigQ5_Master& master, const std::string& key) {
    for (int i = 0; i < master.NumTreeKey(); ++i) {
        if (ParseTreeKeyStr(master.TreeKeyStr(i)).key == key &&
            master.TreeKeyChListType(i) < clsRigQ5_Master::kListFolder)
            return i;
    }
    return -1;
}

std::string JoinTabs(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += '\t';
        line += cells[i];
    }
    return line;
}

int Show(Program& p, const CliOptions& o) {
    const int key = FindListKey(p.master, o.list);
    if (key < 0) {
        Error("--list: no channel list " + o.list +
              " (VFO, BankA to BankH, Pch, MnTV, AmTV, FmTV with FM TV)");
        return kExitUsage;
    }
    if (p.doc.Load(o.file) != kAcfOk) return kExitFailure;
    std::vector<std::string> titles = ChannelColumnTitles(p.master, key);
    for (auto& t : titles) t = TrimRight(t);
    std::cout << JoinTabs(titles) << "\n";
    const int rows = p.master.NumChOfChListType(p.master.TreeKeyChListType(key));
    for (int r = 0; r < rows; ++r) std::cout << JoinTabs(ChannelRowTexts(p.master, key, r)) << "\n";
    return kExitOk;
}

int Settings(Program& p, const CliOptions& o) {
    if (p.doc.Load(o.file) != kAcfOk) return kExitFailure;
    const clsRigQ5_Common& common = p.master.CommonObj();
    for (const CommonSettingDef& def : CommonSettingDefs())
        std::cout << def.label << "\t" << CommonSettingText(common, def) << "\n";
    std::cout << kCommentLabel << "\t" << common.Comment() << "\n";
    return kExitOk;
}

int SaveFileResult(int code) {
    return code == kAcfOk ? kExitOk : kExitFailure;
}

int ExportCsv(Program& p, const CliOptions& o) {
    if (p.doc.Load(o.file) != kAcfOk) return kExitFailure;
    const int code = ExportMemoryCsvFile(p.master, o.output);
    if (code == kCsvOk) return kExitOk;
    Error(CsvFileErrorMessage(code, o.output));
    return kExitFailure;
}

// The accepted rows go into the document and it is saved even when some
// rows were refused, so one bad line does not cost the others; the exit
// status still tells a script that not everything went in. A table whose
// header is unusable writes nothing. --list and --from give the start of a
// table without locations (and move one with them).
int ImportCsv(Program& p, const CliOptions& o) {
    if (p.doc.Load(o.file) != kAcfOk) return kExitFailure;
    std::string text;
    const int code = ReadCsvFile(o.csv, text);
    if (code != kCsvOk) {
        Error(CsvFileErrorMessage(code, o.csv) + "\r\n" +
              OpenFailureReason(o.csv, kCsvMaxFileBytes, false));
        return kExitFailure;
    }
    const bool started = o.listGiven || o.from;
    if (!started && CsvLayoutOf(text) == CsvLayout::Scanner) {
        Error(o.csv +
              " is a scanner frequency list without locations: give --list BANK or --from ROW "
              "for its first channel; " +
              o.output + " was not written");
        return kExitFailure;
    }
    const CsvStart start{o.listGiven ? o.bank : 0, o.from.value_or(0)};
    const CsvImportResult result = ImportMemoryCsv(p.master, text, started ? &start : nullptr);
    // Refused rows and notes together, in the order of the table.
    std::vector<std::pair<int, std::string>> lines;
    for (const CsvRowProblem& problem : result.problems)
        lines.emplace_back(problem.line, problem.reason);
    for (const CsvRowProblem& note : result.notes)
        lines.emplace_back(note.line, "note: " + note.reason);
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [line, text] : lines) Error(o.csv + ":" + std::to_string(line) + ": " + text);
    if (!result.headerOk) {
        Error(o.csv + " is not a table of memory channels; " + o.output + " was not written");
        return kExitFailure;
    }
    if (p.doc.Save(o.output) != kAcfOk) return kExitFailure;
    if (result.problems.empty()) return kExitOk;
    Error(std::to_string(result.problems.size()) + " of " + std::to_string(result.rows) +
          " rows refused; the other " + std::to_string(result.applied) + " were written to " +
          o.output);
    return kExitFailure;
}

// A choice typed on the command line: its index among the words, or -1.
int WordIndex(const std::string& text, std::initializer_list<const char*> words) {
    int i = 0;
    for (const char* w : words) {
        if (Upper(text) == Upper(w)) return i;
        ++i;
    }
    return -1;
}

bool ParseWhole(const std::string& text, int lower, int upper, int& value) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return value >= lower && value <= upper;
}

// The values of set and fill for the receiver version in force: the
// changes of a bulk edit and the request of a fill. False with a message.
bool ReadFieldOptions(const clsRigQ5_Matrix& matrix, const CliOptions& o, BulkChanges& c,
                      FillRequest& fill, std::string& error) {
    const auto bad = [&error](const std::string& option, const std::string& text,
                              const std::string& what) {
        error = "--" + option + ": " + text + " is not " + what;
        return false;
    };
    for (const auto& [name, text] : o.fields) {
        int n = 0;
        if (name == "mode") {
            const auto mode = ModeIndex(matrix, text);
            if (!mode) return bad(name, text, "a mode of this receiver version");
            c.mode = fill.mode = mode;
        } else if (name == "step") {
            const auto step = StepIndex(matrix, text);
            if (!step) return bad(name, text, "a tuning step of this receiver version");
            c.step = fill.step = step;
        } else if (name == "skip") {
            if ((n = WordIndex(text, {"off", "on", "program"})) < 0)
                return bad(name, text, "off, on or program");
            c.skip = n;
        } else if (name == "duplex") {
            if ((n = WordIndex(text, {"off", "-", "+"})) < 0) return bad(name, text, "off, - or +");
            c.dupDir = n;
        } else if (name == "offset") {
            const auto f = ParseMegahertz(text);
            if (!f) return bad(name, text, "a frequency in MHz");
            c.offset = f;
        } else if (name == "tsql") {
            if ((n = WordIndex(text, {"off", "on"})) < 0) return bad(name, text, "on or off");
            c.tsql = n;
        } else if (name == "tone") {
            for (n = 0; n < ChTextCount(ChTextList::Tone); ++n)
                if (ChTextAt(ChTextList::Tone, n) == Trim(text)) break;
            if (n == ChTextCount(ChTextList::Tone)) return bad(name, text, "a CTCSS tone (88.5)");
            c.tone = n;
        } else if (name == "name" || name == "prefix" || name == "number") {
            if (c.nameRule != BulkChanges::NameRule::Keep) {
                error = "--name, --prefix and --number exclude each other";
                return false;
            }
            c.nameRule = name == "name"     ? BulkChanges::NameRule::Set
                         : name == "prefix" ? BulkChanges::NameRule::Prefix
                                            : BulkChanges::NameRule::Number;
            c.name = fill.namePattern = text;
        } else if (name == "first") {
            if (!ParseWhole(text, 0, 99999, n)) return bad(name, text, "a number from 0");
            c.firstNumber = fill.firstNumber = n;
        } else if (name == "start") {
            const auto f = ParseMegahertz(text);
            if (!f) return bad(name, text, "a frequency in MHz");
            fill.start = *f;
        } else if (name == "spacing") {
            const auto f = ParseKilohertz(text);
            if (!f || *f == 0) return bad(name, text, "a spacing in kHz");
            fill.spacing = *f;
        } else if (name == "count") {
            if (!ParseWhole(text, 1, clsRigQ5_Master::kNumMemory, n))
                return bad(name, text, "a number of channels from 1");
            fill.count = n;
        }
    }
    return true;
}

// FIRST-LAST or one row; false when the text is neither.
bool ParseRows(const std::string& text, int& first, int& last) {
    const auto dash = text.find('-');
    if (!ParseWhole(text.substr(0, dash), 0, 999, first)) return false;
    if (dash == std::string::npos) {
        last = first;
        return true;
    }
    return ParseWhole(text.substr(dash + 1), first, 999, last);
}

// The list of set and fill; -1 after the message.
int ToolListKey(const clsRigQ5_Master& master, const CliOptions& o) {
    const int key = FindListKey(master, o.list);
    if (key < 0)
        std::cerr << "csq5-cli: --list: no channel list " << o.list
                  << " (VFO, BankA to BankH, Pch, MnTV, AmTV, FmTV with FM TV)\n";
    return key;
}

int SetCommand(Program& p, const CliOptions& o) {
    BulkChanges changes;
    FillRequest unused;
    std::string error;
    int first = 0, last = 0;
    const int key = ToolListKey(p.master, o);
    if (key < 0) return kExitUsage;
    if (!ParseRows(o.fields.at("rows"), first, last) || !BulkEditable(p.master, key, first, last)) {
        std::cerr << "csq5-cli: --rows: " << o.fields.at("rows") << " are not rows of " << o.list
                  << "\n";
        return kExitUsage;
    }
    if (!ReadFieldOptions(p.master.MatrixObj(), o, changes, unused, error)) {
        std::cerr << "csq5-cli: " << error << "\n";
        return kExitUsage;
    }
    if (p.doc.Load(o.file) != kAcfOk) return kExitFailure;
    const ChannelToolResult result = BulkEdit(p.master, key, first, last, changes);
    for (const std::string& line : result.lines) std::cout << line << "\n";
    std::cout << BulkSummaryText(result) << "\n";
    return SaveFileResult(p.doc.Save(o.output));
}

int FillCommand(Program& p, const CliOptions& o) {
    BulkChanges unused;
    FillRequest request;
    std::string error;
    const int from = o.from.value_or(0);
    const int key = ToolListKey(p.master, o);
    if (key < 0) return kExitUsage;
    if (!FillEnabled(p.master, key)) {
        std::cerr << "csq5-cli: --list: fill works on a memory bank (BankA to BankH)\n";
        return kExitUsage;
    }
    if (!ReadFieldOptions(p.master.MatrixObj(), o, unused, request, error)) {
        std::cerr << "csq5-cli: " << error << "\n";
        return kExitUsage;
    }
    if (p.doc.Load(o.file) != kAcfOk) return kExitFailure;
    if (FillCheck(p.master, key, from, request) == kFillDoesNotFit) {
        std::cerr << "csq5-cli: " << FillDoesNotFitText(p.master, key, from, request.count) << "\n";
        return kExitFailure;
    }
    if (!o.overwrite && FillNeedsQuestion(p.master, key, from, request)) {
        std::cerr << "csq5-cli: channels of " << o.list
                  << " that the fill would write are in use; --overwrite writes over them\n";
        return kExitFailure;
    }
    ChannelToolResult result;
    if (FillChannels(p.master, key, from, request, result) != kFillDone) return kExitUsage;
    // The refused channels on stderr as import-csv tells its refused rows.
    for (const std::string& line : result.lines) std::cout << line << "\n";
    for (const std::string& line : result.refusedLines) std::cerr << line << "\n";
    std::cout << FillSummaryText(result) << "\n";
    if (p.doc.Save(o.output) != kAcfOk) return kExitFailure;
    return result.refused > 0 ? kExitFailure : kExitOk;
}

// Every match, one line each: the list's key (as show --list takes it) and
// the channel's grid row.
int Find(Program& p, const CliOptions& o) {
    if (p.doc.Load(o.file) != kAcfOk) return kExitFailure;
    const FindQuery query = MakeFindQuery(p.master, o.text);
    const std::vector<ChannelPlace> found = FindAllChannels(p.master, query);
    if (found.empty()) {
        Error(FindNotFoundText(query.text));
        return kExitFailure;
    }
    for (const ChannelPlace& place : found) {
        std::cout << ParseTreeKeyStr(p.master.TreeKeyStr(place.key)).key << "\t"
                  << JoinTabs(ChannelRowTexts(p.master, place.key, place.row)) << "\n";
    }
    return kExitOk;
}

int Sort(Program& p, const CliOptions& o) {
    if (p.doc.Load(o.file) != kAcfOk) return kExitFailure;
    const int key = FindListKey(p.master, std::string("Bank") + static_cast<char>('A' + o.bank));
    if (key < 0) return kExitFailure;
    SortBank(p.master, key, o.byName ? SortBy::Name : SortBy::Frequency);
    return SaveFileResult(p.doc.Save(o.output));
}

// The backups of clone reads, newest first.
int Backups() {
    const ReadBackups backups(DefaultReadBackupFolder());
    for (const BackupEntry& entry : backups.List()) std::cout << BackupListLine(entry) << "\n";
    return kExitOk;
}

// Which device is the cable, and which COM slot opens it.
int Ports(Program& p) {
    std::vector<FoundPort> found;
    for (const auto& [path, description] : FoundSerialPorts())
        found.push_back({path.toStdString(), description.toStdString()});
    for (const std::string& line : SerialPortLines(found, p.ComDevices()))
        std::cout << line << "\n";
    return kExitOk;
}

// As diff(1) does: 0 the same, 1 different, 2 trouble. Both files are read
// as the receiver version in force, so their cells are the grid's.
int Diff(Program& p, const CliOptions& o) {
    DocumentCopy a(p.master), b(p.master);
    for (const auto& [copy, path] : {std::pair{&a, o.file}, std::pair{&b, o.other}}) {
        const int code = LoadDocumentCopy(*copy, path);
        if (code != kAcfOk) {
            Error(AcfFileErrorExplained(code, path));
            return kExitUsage;
        }
    }
    const std::vector<ImageDifference> differences = ImageDifferences(a.master, b.master);
    for (const ImageDifference& d : differences) std::cout << DifferenceLine(d) << "\n";
    return differences.empty() ? kExitOk : kExitFailure;
}

// Qt paints the pages and needs its GUI layer for the fonts, but no display:
// the offscreen platform serves unless the caller chose one.
int ExportPdf(Program& p, const CliOptions& o, int& argc, char** argv) {
    if (p.doc.Load(o.file) != kAcfOk) return kExitFailure;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the desktop around it (no runtime folder on a server,
    // say) are no business of a script; its failures show in the result.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) Error(text.toLocal8Bit().toStdString());
    });
    QGuiApplication app(argc, argv);
    const ChannelReport report =
        BuildChannelReport(p.master, p.doc.FileTitle(), ReportDateText(std::time(nullptr)));
    const int code = WriteChannelReportPdf(report, o.output);
    if (code == kAcfOk) return kExitOk;
    Error(AcfFileErrorMessage(code, o.output));
    return kExitFailure;
}

// setup --show: the version the profile holds, in the setup's own words, so
// that a setup done in the window gives the options for the simulator too.
int ShowSetup(Program& p) {
    if (p.master.MatrixObj().MtxVerNo() == clsRigQ5_Matrix::kNoVersion) {
        std::cerr << kRunSetupFirst << "\n";
        return kExitFailure;
    }
    std::cout << CloneCommands::SetupDoneText(p.master.MatrixObj(), p.profile.GetMyProfile())
              << "\n";
    return kExitOk;
}

// The clone commands run on the serial tick inside an event loop until the
// command has ended.
int Clone(Program& p, const CliOptions& o, int& argc, char** argv) {
    QCoreApplication app(argc, argv);
    QtComService service;
    service.comDevices(p.ComDevices());
    clsCmcAcf3Sequence sequence(service.com(), p.radio, p.master);
    CloneCommands clone(sequence, p.master, p.doc, p.ui);
    ReadBackups backups(DefaultReadBackupFolder());
    clone.Backups(&backups);
    clone.VerifyAfterWrite(o.verify);
    service.com().mainTask([&clone] { clone.task(); });
    service.com().errorReport([&clone] { clone.MsgBoxCloneErr(); });
    service.com().mainBusy([&clone] { return clone.Busy(); });

    const int slot = CliPortSlot(o.port);
    if (slot > 0) {
        clone.ComPortNo(slot);
    } else {
        clone.ComDevice(DevicePathOf(o.port));
    }

    if (o.command == CliCommand::Write && p.doc.Load(o.file) != kAcfOk) return kExitFailure;

    bool ok = false;
    clone.onFinished([&ok, &app](CloneCommand, bool succeeded) {
        ok = succeeded;
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    service.Start();
    bool started = false;
    switch (o.command) {
        case CliCommand::Setup:
            started = clone.InitialSetup();
            break;
        case CliCommand::Info:
            started = clone.Information();
            break;
        case CliCommand::Read:
            started = clone.Read();
            break;
        case CliCommand::Write:
            started = clone.Write();
            break;
        default:
            break;
    }
    if (started && clone.Busy()) app.exec();
    service.Stop();
    if (!ok) {
        // Without the receiver's version no identification can match.
        if (o.command != CliCommand::Setup &&
            p.master.MatrixObj().MtxVerNo() == clsRigQ5_Matrix::kNoVersion)
            std::cerr << kRunSetupFirst << "\n";
        return kExitFailure;
    }

    switch (o.command) {
        case CliCommand::Setup:
            p.profile.BeginUpdate();
            MasterSaveData(p.master, p.profile);
            if (!p.profile.EndUpdate()) {
                Error("Cannot save the profile " + p.profile.GetMyProfile() + ".");
                return kExitFailure;
            }
            // The one sign of success: what was learned and where it is kept.
            std::cout << CloneCommands::SetupDoneText(p.master.MatrixObj(),
                                                      p.profile.GetMyProfile())
                      << "\n";
            return kExitOk;
        case CliCommand::Read:
            // The copy is a safety net only: the read itself succeeded.
            if (clone.LastBackupFile().empty())
                Error("Cannot save the backup of the read in " + backups.Folder() + ".");
            // As File > Save right after the read: the document has no file
            // name yet, so it is saved under the name given. Should that
            // fail, the image read is not lost: say where its copy is.
            if (p.doc.Save(o.output) == kAcfOk) {
                std::cout << TerminalText(
                                 CloneCommands::ReadSavedText(o.output, clone.LastBackupFile()))
                          << "\n";
                return kExitOk;
            }
            if (!clone.LastBackupFile().empty())
                std::cerr << TerminalText("The image read is kept in " + clone.LastBackupFile() +
                                          ".")
                          << "\n";
            return kExitFailure;
        default:
            return kExitOk;
    }
}

}  // namespace

std::string TerminalText(const std::string& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += '\n';
            ++i;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int RunCli(const CliOptions& o, int& argc, char** argv) {
    Program p(o);
    switch (o.command) {
        case CliCommand::New:
            p.doc.New();
            return SaveFileResult(p.doc.Save(o.output));
        case CliCommand::Initial: {
            const int code = AcfImageSave(p.radio, p.radio.eepInitial, o.output);
            if (code != kAcfOk) Error(AcfFileErrorMessage(code, o.output));
            return SaveFileResult(code);
        }
        case CliCommand::Check:
            return SaveFileResult(p.doc.Load(o.file));
        case CliCommand::Show:
            return Show(p, o);
        case CliCommand::Settings:
            return Settings(p, o);
        case CliCommand::ExportCsv:
            return ExportCsv(p, o);
        case CliCommand::ImportCsv:
            return ImportCsv(p, o);
        case CliCommand::Find:
            return Find(p, o);
        case CliCommand::Sort:
            return Sort(p, o);
        case CliCommand::ExportPdf:
            return ExportPdf(p, o, argc, argv);
        case CliCommand::Backups:
            return Backups();
        case CliCommand::Diff:
            return Diff(p, o);
        case CliCommand::Set:
            return SetCommand(p, o);
        case CliCommand::Fill:
            return FillCommand(p, o);
        case CliCommand::Ports:
            return Ports(p);
        case CliCommand::Setup:
            if (o.show) return ShowSetup(p);
            return Clone(p, o, argc, argv);
        case CliCommand::Info:
        case CliCommand::Read:
        case CliCommand::Write:
            return Clone(p, o, argc, argv);
        case CliCommand::None:
            break;
    }
    return kExitUsage;
}
