// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/csv_channels.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <optional>
#include <set>

#include "app/atomic_file.h"
#include "app/common.h"
#include "model/channel_texts.h"

namespace {

using M = clsRigQ5_Master;

// The receiver's tuning steps in kHz, index = the record's step number;
// step 10 ("Auto") has no size and travels as the word.
constexpr std::array<std::int64_t, 10> kStepHz = {5000,  6250,  10000, 12500, 15000,
                                                  20000, 25000, 30000, 50000, 100000};
constexpr int kStepAuto = 10;
constexpr int kDefaultTone = 8;  // 88.5 Hz, the tone of a new channel

// ---- Export ----

// MHz with six decimals; the stored unit is 10 Hz.
std::string MhzText(std::int32_t f) {
    const std::int64_t v = f < 0 ? 0 : f;
    std::string frac = std::to_string((v % 100000) * 10);
    frac.insert(0, 6 - frac.size(), '0');
    return std::to_string(v / 100000) + "." + frac;
}

std::string StepText(int tsNo) {
    if (tsNo < 0 || tsNo >= static_cast<int>(kStepHz.size())) return "Auto";
    const std::int64_t hundredths = kStepHz[static_cast<std::size_t>(tsNo)] / 10;
    std::string frac = std::to_string(hundredths % 100);
    frac.insert(0, 2 - frac.size(), '0');
    return std::to_string(hundredths / 100) + "." + frac;
}

// RFC 4180: a field holding the separator, a quote or a line break is quoted.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// ---- Reading the table ----

struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
    bool open = false;  // ended inside a quoted field
};

// Splits the text into records. Line numbers count CR LF, LF and lone CR
// as one line end each, also inside quoted fields, so a record's number is
// the line it starts on as an editor shows it.
std::vector<CsvRecord> SplitRecords(std::string_view text, char sep) {
    std::vector<CsvRecord> records;
    CsvRecord rec;
    std::string field;
    bool quoted = false;     // inside quotes
    bool fieldStart = true;  // nothing of the field read yet
    int line = 1;
    rec.line = 1;

    auto endField = [&] {
        rec.fields.push_back(std::move(field));
        field.clear();
        fieldStart = true;
    };
    // A line of empty cells (",,,," as spreadsheets leave below a table)
    // is no row.
    auto endRecord = [&](int nextLine) {
        endField();
        bool empty = !rec.open;
        for (const std::string& f : rec.fields) empty = empty && Trim(f).empty();
        if (!empty) records.push_back(std::move(rec));
        rec = CsvRecord{};
        rec.line = nextLine;
    };

    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        const bool lineEnd = c == '\n' || c == '\r';
        if (lineEnd && c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
        if (quoted) {
            if (c == '"') {
                if (i + 1 < n && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else if (lineEnd) {
                field += '\n';
                ++line;
            } else {
                field += c;
            }
            continue;
        }
        if (lineEnd) {
            ++line;
            endRecord(line);
        } else if (c == sep) {
            endField();
        } else if (c == '"' && fieldStart) {
            quoted = true;
            fieldStart = false;
        } else {
            // Text after a closing quote is kept as it stands, as most
            // readers do.
            field += c;
            fieldStart = false;
        }
    }
    rec.open = quoted;
    endRecord(line);
    return records;
}

// The separator of the table: the most frequent of ',', ';' and tab outside
// quotes on the first line that holds anything; ',' when none or tied.
char DetectSeparator(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == '\r' || text[start] == '\n')) ++start;
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\r' || c == '\n') break;
        if (c == ',') ++commas;
        if (c == ';') ++semicolons;
        if (c == '\t') ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs) return ';';
    if (tabs > commas && tabs > semicolons) return '\t';
    return ',';
}

// A value in a reason text: cut short and without line breaks.
std::string Shown(const std::string& s) {
    std::string out = s.substr(0, 24);
    for (char& c : out)
        if (c == '\n' || c == '\r') c = ' ';
    if (s.size() > 24) out += "...";
    return "\"" + out + "\"";
}

// A decimal number as typed: digits with at most one point (a decimal
// comma counts as a point). Gives the text with a point, or nothing.
std::optional<std::string> DecimalText(const std::string& cell) {
    std::string s = Trim(cell);
    if (s.find('.') == std::string::npos) {
        const auto comma = s.find(',');
        if (comma != std::string::npos) s[comma] = '.';
    }
    if (!IsDecimalNumber(s)) return std::nullopt;
    return s;
}

// The value of a decimal text (of DecimalText) as a whole number of
// 10^-places, later digits dropped; a huge value saturates far above any
// frequency or tone. Not strtod: a program with a locale set would read the
// point by the locale's rules.
std::int64_t FixedPoint(const std::string& decimal, int places) {
    std::int64_t whole = 0, frac = 0;
    int fracDigits = 0;
    bool point = false;
    for (const char c : decimal) {
        if (c == '.') {
            point = true;
        } else if (!point) {
            whole = std::min<std::int64_t>(whole * 10 + (c - '0'), 1000000000);
        } else if (fracDigits < places) {
            frac = frac * 10 + (c - '0');
            ++fracDigits;
        }
    }
    std::int64_t unit = 1;
    for (int i = 0; i < places; ++i) unit *= 10;
    for (; fracDigits < places; ++fracDigits) frac *= 10;
    return whole * unit + frac;
}

// Thousandths of a decimal text (tones in mHz), further digits dropped.
std::int64_t Thousandths(const std::string& decimal) {
    return FixedPoint(decimal, 3);
}

// The value of a decimal text in MHz in the model's unit of 10 Hz, rounded
// to the nearest.
std::int64_t TenHz(const std::string& decimal) {
    return (FixedPoint(decimal, 6) + 5) / 10;
}

// The index of the CTCSS tone nearest to the text; exact is false when it
// is more than 0.05 Hz away.
std::optional<int> ToneIndex(const std::string& cell, bool& exact) {
    const auto text = DecimalText(cell);
    if (!text) return std::nullopt;
    const std::int64_t hz = Thousandths(*text);
    int best = 0;
    std::int64_t bestError = std::numeric_limits<std::int64_t>::max();
    for (int i = 0; i < ChTextCount(ChTextList::Tone); ++i) {
        const std::int64_t error =
            std::abs(Thousandths(std::string(ChTextAt(ChTextList::Tone, i))) - hz);
        if (error < bestError) {
            bestError = error;
            best = i;
        }
    }
    exact = bestError <= 50;
    return best;
}

std::optional<int> StepIndex(const std::string& cell) {
    if (Lower(Trim(cell)) == "auto") return kStepAuto;
    const auto text = DecimalText(cell);
    if (!text) return std::nullopt;
    const std::int64_t hz = Thousandths(*text);
    int best = 0;
    for (int i = 1; i < static_cast<int>(kStepHz.size()); ++i) {
        if (std::abs(kStepHz[static_cast<std::size_t>(i)] - hz) <
            std::abs(kStepHz[static_cast<std::size_t>(best)] - hz))
            best = i;
    }
    return best;
}

// One data row turned into a channel record, or the reason it cannot be.
class RowReader {
  public:
    explicit RowReader(const std::vector<int>& columns) : columns_(columns) {}

    enum Column {
        kLocation,
        kName,
        kFrequency,
        kDuplex,
        kOffset,
        kTone,
        kRTone,
        kCTone,
        kMode,
        kStep,
        kSkip,
        kNumColumns
    };

    // Fills location and ch; an empty text when the row was accepted.
    std::string Read(const CsvRecord& rec, int& location, clsRigQ5_Ch& ch) const {
        fields_ = &rec.fields;
        if (rec.open) return "a quoted field is not closed";

        const auto loc = Cell(kLocation);
        if (!loc) return "no Location field";
        const std::string locText = Trim(*loc);
        if (locText.empty() || locText.size() > 6 ||
            locText.find_first_not_of("0123456789") != std::string::npos)
            return "location " + Shown(*loc) + " is not a channel number";
        location = std::atoi(locText.c_str());
        if (location >= M::kNumMemory)
            return "location " + locText + " is not a memory channel (0 to 399)";

        const auto freqCell = Cell(kFrequency);
        if (!freqCell) return "no Frequency field";
        const auto freq = DecimalText(*freqCell);
        if (!freq) {
            if (Trim(*freqCell).empty()) return "no frequency";
            return "frequency " + Shown(*freqCell) + " is not a number in MHz";
        }
        // The channel dialog would take 3000 MHz for such a frequency; a
        // table means the frequency it names, which the receiver cannot hold.
        if (TenHz(*freq) > clsRigQ5_Ch::kFreqMax)
            return "frequency " + Trim(*freqCell) + " MHz is above 3000 MHz";

        // Duplex, tone and mode are all checked before the record is touched.
        const std::string duplex = Lower(Trim(Cell(kDuplex).value_or("")));
        int dupDir = 0;
        bool split = false;
        if (duplex == "-") {
            dupDir = 1;
        } else if (duplex == "+") {
            dupDir = 2;
        } else if (duplex == "split") {
            split = true;
        } else if (!duplex.empty() && duplex != "off") {
            return "duplex " + Shown(Trim(*Cell(kDuplex))) +
                   " is not \"\", \"-\", \"+\" or \"split\"";
        }
        const std::string offsetCell = Cell(kOffset).value_or("");
        std::optional<std::string> offset = std::string("0");
        if (!Trim(offsetCell).empty()) offset = DecimalText(offsetCell);
        if (!offset) return "offset " + Shown(offsetCell) + " is not a number in MHz";
        if (split && Trim(offsetCell).empty()) return "split duplex without the other frequency";
        // An offset the receiver cannot store is not clamped: the channel
        // would transmit, or be listened to, on another frequency.
        std::int32_t splitOffset = 0;
        int splitDir = 0;
        if (split) {
            if (TenHz(*offset) > clsRigQ5_Ch::kFreqMax)
                return "split frequency " + Trim(offsetCell) + " MHz is above 3000 MHz";
            // Both frequencies as the receiver will hold them.
            const std::int32_t rx = ch.Conv_Freq_StrToLong(*freq, 0);
            const std::int32_t other = ch.Conv_Freq_StrToLong(*offset, 0);
            splitDir = other == rx ? 0 : other > rx ? 2 : 1;
            splitOffset = other >= rx ? other - rx : rx - other;
            if (splitOffset > clsRigQ5_Ch::kDupMax)
                return "split " + MhzText(rx) + " and " + MhzText(other) + " MHz are " +
                       MhzText(splitOffset) + " MHz apart; the largest offset is " +
                       MhzText(clsRigQ5_Ch::kDupMax) + " MHz";
        } else if (TenHz(*offset) > clsRigQ5_Ch::kDupMax) {
            return "offset " + Trim(offsetCell) + " MHz is above " + MhzText(clsRigQ5_Ch::kDupMax) +
                   " MHz, the largest offset";
        }

        const std::string toneMode = Lower(Trim(Cell(kTone).value_or("")));
        int tsql = 0;
        if (toneMode == "tsql") {
            tsql = 1;
        } else if (!toneMode.empty() && toneMode != "tone" && toneMode != "dtcs" &&
                   toneMode != "tsql-r" && toneMode != "dtcs-r" && toneMode != "cross") {
            return "tone mode " + Shown(Trim(*Cell(kTone))) + " is not \"\" or \"TSQL\"";
        }
        std::string toneCell = Cell(kCTone).value_or("");
        if (Trim(toneCell).empty()) toneCell = Cell(kRTone).value_or("");
        int tone = kDefaultTone;
        if (!Trim(toneCell).empty()) {
            bool exact = false;
            const auto index = ToneIndex(toneCell, exact);
            if (!index) return "tone " + Shown(toneCell) + " is not a number in Hz";
            if (!exact && tsql != 0)
                return "tone " + Trim(toneCell) + " Hz is not one of the receiver's CTCSS tones";
            tone = *index;
        }

        const std::string mode = Lower(Trim(Cell(kMode).value_or("")));
        int modeNo = 0;
        if (mode == "am" || mode == "nam") {
            modeNo = 1;
        } else if (mode == "wfm") {
            modeNo = 2;
        } else if (mode == "auto") {
            modeNo = 3;
        } else if (!mode.empty() && mode != "fm" && mode != "nfm") {
            return "mode " + Shown(Trim(*Cell(kMode))) + " cannot be received (FM, AM, WFM, Auto)";
        }

        const std::string stepCell = Cell(kStep).value_or("");
        int step = 0;
        if (!Trim(stepCell).empty()) {
            const auto index = StepIndex(stepCell);
            if (!index) return "tuning step " + Shown(stepCell) + " is not a number in kHz";
            step = *index;
        }

        const std::string skip = Lower(Trim(Cell(kSkip).value_or("")));
        int skipM = 0;
        if (skip == "s") {
            skipM = 1;
        } else if (skip == "p") {
            skipM = 2;
        } else if (!skip.empty()) {
            return "skip " + Shown(Trim(*Cell(kSkip))) + " is not \"\", \"S\" or \"P\"";
        }

        // The writes of the channel edit dialog's OK, in its order: each
        // heals the record, and the offset's grid depends on the frequency.
        ch.AppearCh(true);
        ch.FreqOp_Pure(ch.Conv_Freq_StrToLong(*freq, 0));
        if (split) {
            ch.DupDir_Pure(splitDir);
            ch.FreqDup_Pure(splitOffset);
        } else {
            ch.DupDir_Pure(dupDir);
            ch.FreqDup_Pure(ch.Conv_Freq_StrToLong(*offset, 1));
        }
        ch.Name(Cell(kName).value_or(""));
        ch.TSqlOn_Pure(tsql);
        ch.ToneNo_Pure(tone);
        ch.ModeNo_Pure(modeNo);
        ch.TsNo_Pure(step);
        ch.SkipM_Pure(skipM);
        // The channel dialog keeps such a frequency with its "?", and a
        // clone write blanks the channel: a table row is refused instead,
        // so that it is never lost without a word.
        const int version = ch.Matrix().MtxVerNo();
        if (version != clsRigQ5_Matrix::kNoVersion && !ch.IsLegalFreqOp())
            return "frequency " + Trim(*freqCell) +
                   " MHz is outside the frequency coverage of the receiver (version " +
                   std::to_string(version) + ")";
        return {};
    }

  private:
    // The cell of a column; nothing when the file has no such column or the
    // row ends before it.
    std::optional<std::string> Cell(Column c) const {
        const int index = columns_[static_cast<std::size_t>(c)];
        if (index < 0 || static_cast<std::size_t>(index) >= fields_->size()) return std::nullopt;
        return (*fields_)[static_cast<std::size_t>(index)];
    }

    const std::vector<int>& columns_;
    mutable const std::vector<std::string>* fields_ = nullptr;
};

}  // namespace

std::string CsvProblemText(const CsvRowProblem& problem) {
    return "line " + std::to_string(problem.line) + ": " + problem.reason;
}

std::string ExportMemoryCsv(const clsRigQ5_Master& master) {
    std::string out(kMemoryCsvHeader);
    out += "\r\n";
    for (int i = 0; i < M::kNumMemory; ++i) {
        const clsRigQ5_Ch* ch = master.ListCh(M::kListMemory, i);
        if (!ch || !ch->AppearCh()) continue;
        const std::string tone = ch->ToneNo_String();
        const int skip = ch->SkipM_Pure();
        const std::vector<std::string> cells = {
            std::to_string(i),
            CsvField(ch->Name()),
            MhzText(ch->FreqOp_Pure()),
            ch->DupDir_Pure() == 1   ? "-"
            : ch->DupDir_Pure() == 2 ? "+"
                                     : "",
            MhzText(ch->FreqDup_Pure()),
            ch->TSqlOn_Pure() != 0 ? "TSQL" : "",
            tone,
            tone,
            "023",
            "NN",
            ch->ModeNo_String(),
            StepText(ch->TsNo_Pure()),
            skip == 1   ? "S"
            : skip == 2 ? "P"
                        : "",
            "",
        };
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) out += ',';
            out += cells[c];
        }
        out += "\r\n";
    }
    return out;
}

CsvImportResult ImportMemoryCsv(clsRigQ5_Master& master, std::string_view text) {
    CsvImportResult result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const std::vector<CsvRecord> records = SplitRecords(text, DetectSeparator(text));
    if (records.empty()) {
        result.problems.push_back({1, "no header line"});
        return result;
    }

    static constexpr std::array<std::string_view, RowReader::kNumColumns> kNames = {
        "location",  "name",      "frequency", "duplex", "offset", "tone",
        "rtonefreq", "ctonefreq", "mode",      "tstep",  "skip"};
    std::vector<int> columns(RowReader::kNumColumns, -1);
    const CsvRecord& header = records.front();
    for (std::size_t f = 0; f < header.fields.size(); ++f) {
        const std::string name = Lower(Trim(header.fields[f]));
        for (std::size_t c = 0; c < kNames.size(); ++c) {
            if (name == kNames[c] && columns[c] < 0) columns[c] = static_cast<int>(f);
        }
    }
    for (const auto c : {RowReader::kLocation, RowReader::kFrequency}) {
        if (columns[static_cast<std::size_t>(c)] < 0) {
            result.problems.push_back(
                {header.line, std::string("the header has no ") +
                                  (c == RowReader::kLocation ? "Location" : "Frequency") +
                                  " column"});
        }
    }
    if (!result.problems.empty()) return result;
    result.headerOk = true;

    // First every row into a scratch record; nothing of the memory map
    // changes until the whole table has been read.
    struct Accepted {
        int location;
        clsRigQ5_Ch ch;
    };
    std::vector<Accepted> accepted;
    std::vector<int> firstLine(M::kNumMemory, 0);
    const RowReader reader(columns);
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& rec = records[r];
        ++result.rows;
        int location = -1;
        clsRigQ5_Ch ch(master.MatrixObj(), clsRigQ5_Ch::kIdentMemory);
        std::string reason = reader.Read(rec, location, ch);
        if (reason.empty() && firstLine[static_cast<std::size_t>(location)] != 0) {
            reason = "channel " + std::to_string(location) + " was already given on line " +
                     std::to_string(firstLine[static_cast<std::size_t>(location)]);
        }
        if (!reason.empty()) {
            result.problems.push_back({rec.line, std::move(reason)});
            continue;
        }
        firstLine[static_cast<std::size_t>(location)] = rec.line;
        accepted.push_back({location, ch});
    }

    // Then into the memory map, each channel stored into the working image
    // and read back as after an edit in the channel dialog, so the records
    // show exactly what the image holds.
    for (const Accepted& a : accepted) {
        clsRigQ5_Ch* target = master.ListCh(M::kListMemory, a.location);
        if (!target) continue;
        target->CopyData(a.ch);
        master.Set1Ch(*target, M::kListMemory, a.location, M::kProgramForm);
        master.Get1Ch(*target, M::kListMemory, a.location, M::kProgramForm);
        ++result.applied;
    }
    return result;
}

int ExportMemoryCsvFile(const clsRigQ5_Master& master, const std::string& path) {
    switch (WriteFileAtomically(path, ExportMemoryCsv(master))) {
        case kAtomicWriteOk:
            return kCsvOk;
        case kAtomicWriteCannotCreate:
            return kCsvCannotCreate;
        default:
            return kCsvWriteError;
    }
}

int ImportMemoryCsvFile(clsRigQ5_Master& master, const std::string& path, CsvImportResult& result) {
    // Only a regular file: a pipe or a device could block or never end.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return kCsvCannotOpen;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return kCsvCannotOpen;
    }
    std::string text;
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return kCsvReadError;
        }
        if (n == 0) break;
        text.append(buffer.data(), static_cast<std::size_t>(n));
        if (text.size() > kCsvMaxFileBytes) {
            ::close(fd);
            return kCsvReadError;
        }
    }
    ::close(fd);
    result = ImportMemoryCsv(master, text);
    return kCsvOk;
}

std::string CsvFileErrorMessage(int code, const std::string& fileName) {
    const char* message = nullptr;
    switch (code) {
        case kCsvCannotCreate:
        case kCsvWriteError:
            message = "Cannot save file.";
            break;
        case kCsvCannotOpen:
        case kCsvReadError:
            message = "Cannot open file.";
            break;
        default:
            return {};
    }
    return std::string(message) + "\r\n\r\n" + fileName;
}
