// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/csv_channels.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "file_text.h"
#include "temp_dir.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

// A memory map of one receiver version on its initial image.
struct Map : VersionDocument {
    explicit Map(int version, int amOk = 0) : VersionDocument(version, amOk) {
        PrepareRxQ5Document(radio);
    }
    clsRigQ5_Ch& Ch(int i) { return *master.ListCh(M::kListMemory, i); }
    // The factory image has a few channels in use in each bank.
    void ClearMemory() {
        for (int i = 0; i < M::kNumMemory; ++i) Ch(i).AppearCh(false);
    }
    void Use(int i, std::int32_t freq, int dupDir, std::int32_t offset, const std::string& name,
             int tsql, int tone, int mode, int step, int skip) {
        clsRigQ5_Ch& c = Ch(i);
        c.AppearCh(true);
        c.FreqOp_Pure(freq);
        c.DupDir_Pure(dupDir);
        c.FreqDup_Pure(offset);
        c.Name(name);
        c.TSqlOn_Pure(tsql);
        c.ToneNo_Pure(tone);
        c.ModeNo_Pure(mode);
        c.TsNo_Pure(step);
        c.SkipM_Pure(skip);
    }
    // Every value a memory channel keeps, as one comparable text.
    std::string Values(int i) {
        const clsRigQ5_Ch& c = Ch(i);
        std::string s = c.Name();
        for (const int v :
             {int{c.AppearCh()}, c.FreqOp_Pure(), c.DupDir_Pure(), c.FreqDup_Pure(),
              c.TSqlOn_Pure(), c.ToneNo_Pure(), c.ModeNo_Pure(), c.TsNo_Pure(), c.SkipM_Pure()})
            s += "," + std::to_string(v);
        return s;
    }
    std::vector<std::string> AllValues() {
        std::vector<std::string> v;
        for (int i = 0; i < M::kNumMemory; ++i) v.push_back(Values(i));
        return v;
    }
    // The exported row of a channel: every value the table carries.
    std::string Row(int i) {
        const std::string table = ExportMemoryCsv(master);
        const std::size_t at = table.find("\r\n" + std::to_string(i) + ",");
        if (at == std::string::npos) return "(none)";
        return table.substr(at + 2, table.find("\r\n", at + 2) - at - 2);
    }
    // Expects exactly these refused rows: line and reason.
    static void ExpectProblems(const CsvImportResult& r,
                               const std::vector<std::pair<int, std::string>>& expected) {
        ASSERT_EQ(r.problems.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(CsvProblemText(r.problems[i]),
                      CsvProblemText({expected[i].first, expected[i].second}));
    }
};

// Fills the memory channels with random content as edits would leave it:
// about a third blank, frequencies over the whole tuning range (the AM
// broadcast area included), names with the separator and quote characters.
void FillRandom(Map& m, std::uint32_t seed) {
    std::mt19937 gen(seed);
    auto pick = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    const std::string nameChars = "ABCXYZ az09 ,;\"'&-/.";
    for (int i = 0; i < M::kNumMemory; ++i) {
        if (pick(0, 2) == 0) {
            m.Ch(i).AppearCh(false);
        } else {
            const std::int32_t freq = pick(0, 3) == 0 ? pick(40000, 200000) : pick(0, 300000000);
            const int dupDir = pick(0, 2), offset = pick(0, 16000000);
            std::string name;
            for (int k = pick(0, 8); k > 0; --k)
                name += nameChars[static_cast<std::size_t>(pick(0, 19))];
            const int tsql = pick(0, 1), tone = pick(0, 49), mode = pick(0, 3);
            m.Use(i, freq, dupDir, offset, name, tsql, tone, mode, pick(0, 10), pick(0, 2));
        }
        m.master.Set1Ch(m.Ch(i), M::kListMemory, i, M::kProgramForm);
        m.master.Get1Ch(m.Ch(i), M::kListMemory, i, M::kProgramForm);
    }
}

}  // namespace

TEST(MemoryCsv, ExportThenImportRestoresEveryMemoryChannel) {
    // Version 0 has the "Auto" mode and step; versions with the AM grid
    // store medium-wave channels in their own form.
    const struct { int version, amOk; } versions[] = {{0, 0}, {1, 0}, {1, 1}, {5, 1}};
    std::uint32_t seed = 11;
    for (const auto& v : versions) {
        SCOPED_TRACE("version " + std::to_string(v.version));
        Map from(v.version, v.amOk), to(v.version, v.amOk);
        FillRandom(from, seed++);
        FillRandom(to, seed++);
        const std::vector<std::string> before = to.AllValues();

        const CsvImportResult r = ImportMemoryCsv(to.master, ExportMemoryCsv(from.master));
        EXPECT_TRUE(r.headerOk);
        int inUse = 0, outside = 0;
        for (int i = 0; i < M::kNumMemory; ++i) {
            // A channel without a row is left as it was, and so is one whose
            // frequency the version cannot hold: its row is refused.
            const bool used = from.Ch(i).AppearCh();
            const bool kept = used && from.Ch(i).IsLegalFreqOp();
            inUse += used;
            outside += used && !kept;
            EXPECT_EQ(to.Values(i), kept ? from.Values(i) : before[static_cast<std::size_t>(i)])
                << "channel " << i;
        }
        EXPECT_EQ(r.rows, inUse);
        EXPECT_EQ(r.applied, inUse - outside);
        EXPECT_EQ(static_cast<int>(r.problems.size()), outside);
        EXPECT_GT(inUse - outside, 150);
        // The working image holds what the records hold.
        Map decoded(v.version, v.amOk);
        decoded.radio.eepImage.CopyFrom(to.radio.eepImage);
        decoded.master.ReadFromEep(M::kProgramForm);
        EXPECT_EQ(decoded.AllValues(), to.AllValues());
    }
}

TEST(MemoryCsv, ExportWritesTheChannelsInUseInTheExchangeLayout) {
    Map m(0);
    m.ClearMemory();
    m.Use(0, 14550000, 1, 60000, "Rep,\"1", 1, 12, 0, 3, 2);
    m.Use(399, 243612500, 2, 500, "", 0, 8, 3, 10, 1);
    EXPECT_EQ(ExportMemoryCsv(m.master),
              std::string(kMemoryCsvHeader) +
                  "\r\n"
                  // The stored name reads with the quote as a blank.
                  "0,\"Rep, 1\",145.500000,-,0.600000,TSQL,100.0,100.0,023,NN,FM,12.50,P,\r\n"
                  "399,,2436.125000,+,0.005000,,88.5,88.5,023,NN,Auto,Auto,S,\r\n");
}

TEST(MemoryCsv, ImportReadsOtherLayoutsOfTheSameTable) {
    const std::string cases[] = {
        // Reordered and extra columns, LF only.
        "Comment,Skip,Frequency,Extra,Location,Mode,Name,TStep,Duplex,Offset,Tone,cToneFreq\n"
        "hello,S,145.500000,x,7,AM,Local,12.50,+,0.600000,TSQL,100.0\n",
        // Semicolons, decimal commas, quotes, a byte order mark, CR LF.
        "\xEF\xBB\xBFLocation;Name;Frequency;Duplex;Offset;Tone;rToneFreq;Mode;TStep;Skip\r\n"
        "\"7\";\"Lo\"\"cal\";145,5;+;\"0,6\";TSQL;100,0;AM;12,5;S\r\n",
        // Tabs, names in other letter case, blank lines, blanks around values;
        // of two columns with one name the first counts.
        "\r\n\r\nLOCATION\t "
        "frequency\tDUPLEX\toffset\tTONE\tRTONEFREQ\tmode\ttstep\tSKIP\tname\tlocation"
        "\r\n\r\n 7 \t 145.5 \t + \t0.6\t tsql \t 100 \tam\t 12.5 \ts\tLocal\t9\r\n\t\t\t\r\n",
    };
    const std::string names[] = {"Local", "Lo cal", "Local"};  // a stored quote reads as a blank
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(cases[i]);
        Map m(1);
        const CsvImportResult r = ImportMemoryCsv(m.master, cases[i]);
        EXPECT_TRUE(r.headerOk);
        Map::ExpectProblems(r, {});
        EXPECT_EQ(r.rows, 1);
        EXPECT_EQ(r.applied, 1);
        EXPECT_EQ(m.Row(7),
                  "7," + names[i] + ",145.500000,+,0.600000,TSQL,100.0,100.0,023,NN,AM,12.50,S,");
    }
}

TEST(MemoryCsv, RowsThatCannotBePlacedAreReportedWithTheirLineAndSkippedWhole) {
    Map m(1);
    m.Ch(3).AppearCh(true);
    m.Ch(3).FreqOp_Pure(43000000);
    m.master.WriteToEep();
    const std::vector<std::string> before = m.AllValues();
    // Each row and the reason it is refused ("" for a row that is placed).
    const std::pair<std::string, std::string> rows[] = {
        {"1,\"two\nlines\",145.0,FM,,,,,", ""},
        {"400,x,145.0", "location 400 is not a memory channel (0 to 399)"},
        {"-1,x,145.0", "location \"-1\" is not a channel number"},
        {"abc,x,145.0", "location \"abc\" is not a channel number"},
        {"1234567,x,145.0", "location \"1234567\" is not a channel number"},
        {"3,x,", "no frequency"},
        {"3,x,14x.5", "frequency \"14x.5\" is not a number in MHz"},
        {"3,x", "no Frequency field"},
        {"3,x,146.0,USB", "mode \"USB\" cannot be received (FM, AM, WFM, Auto)"},
        {"3,x,146.0,FM,TSQL,150.0", "tone 150.0 Hz is not one of the receiver's CTCSS tones"},
        {"3,x,146.0,FM,DCS", "tone mode \"DCS\" is not \"\" or \"TSQL\""},
        {"3,x,146.0,FM,,,X", "skip \"X\" is not \"\", \"S\" or \"P\""},
        {"3,x,146.0,FM,,,,split", "split duplex without the other frequency"},
        {"3,x,146.0,FM,,,,*", "duplex \"*\" is not \"\", \"-\", \"+\" or \"split\""},
        {"3,x,146.0,FM,,,,,fast", "tuning step \"fast\" is not a number in kHz"},
        {"3,x,146.0,FM,,abc", "tone \"abc\" is not a number in Hz"},
        // Kept, the receiver would get them blank: refused as well.
        {"3,x,2999.99",
         "frequency 2999.99 MHz is outside the frequency coverage of the receiver "
         "(version 1)"},
        {"4,x,0", "frequency 0 MHz is outside the frequency coverage of the receiver (version 1)"},
        {"1,again,146.0", "channel 1 was already given on line 2"},
        {"2,ok,146.0", ""},
        {",", ""},  // no row
        {"5,\"open,147.0", "a quoted field is not closed"},
    };
    std::string text = "Location,Name,Frequency,Mode,Tone,cToneFreq,Skip,Duplex,TStep\n";
    std::vector<std::pair<int, std::string>> problems;
    for (const auto& [row, reason] : rows) {
        const int line = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        if (!reason.empty()) problems.emplace_back(line, reason);
        text += row + "\n";
    }
    const CsvImportResult r = ImportMemoryCsv(m.master, text);
    EXPECT_TRUE(r.headerOk);
    Map::ExpectProblems(r, problems);
    EXPECT_EQ(CsvProblemText(r.problems[0]),
              "line 4: location 400 is not a memory channel (0 to 399)");
    EXPECT_EQ(r.rows, 21);
    EXPECT_EQ(r.applied, 2);
    EXPECT_EQ(m.Ch(1).Name(), "two li");  // the line break reads as a blank
    EXPECT_EQ(m.Ch(2).FreqOp_Pure(), 14600000);
    // Every refused row left its channel as it was.
    for (const int i : {0, 3, 4, 5, 399})
        EXPECT_EQ(m.Values(i), before[static_cast<std::size_t>(i)]) << "channel " << i;
}

TEST(MemoryCsv, ImportHealsValuesAsTheChannelDialogWould) {
    const struct {
        int version, amOk;
        std::string row;       // Location,Frequency,Duplex,Offset,Tone,cToneFreq,Mode,TStep,Name
        std::string exported;  // the channel's row as exported, without "0,"
    } cases[] = {
        // Snapped to the tuning grid; the highest frequency; the largest offset.
        {1, 0, "145.003,,,,,,,", ",145.005000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,"},
        {12, 0, "3000.000000,,,,,,,", ",3000.000000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,"},
        {1, 0, "430,+,159.995,,,,,", ",430.000000,+,159.995000,,88.5,88.5,023,NN,FM,5.00,,"},
        // Split duplex becomes a direction and an offset.
        {1, 0, "439.5,split,430,,,,,", ",439.500000,-,9.500000,,88.5,88.5,023,NN,FM,5.00,,"},
        // A tone not in the table takes the nearest; within 0.05 Hz is that tone.
        {1, 0, "145,,,,91.4,,,", ",145.000000,,0.000000,,91.5,91.5,023,NN,FM,5.00,,"},
        {1, 0, "145,,,TSQL,0088.549,,,", ",145.000000,,0.000000,TSQL,88.5,88.5,023,NN,FM,5.00,,"},
        // A step the receiver lacks takes the nearest.
        {1, 0, "145,,,,,,8.33,", ",145.000000,,0.000000,,88.5,88.5,023,NN,FM,10.00,,"},
        // Auto mode and step read as FM and 5k on a version without them.
        {1, 0, "145,,,,,Auto,Auto,", ",145.000000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,"},
        {0, 0, "145,,,,,Auto,Auto,", ",145.000000,,0.000000,,88.5,88.5,023,NN,Auto,Auto,,"},
        // Medium wave on the AM grid: AM, no duplex, no tone squelch.
        {1, 1, "1.000,+,1,TSQL,100,FM,,", ",0.999000,,0.000000,,88.5,88.5,023,NN,AM,5.00,,"},
        // NFM is FM, a long name keeps 6 characters, odd characters are blanks.
        {1, 0, "145,,,,,NFM,,Abc{defgh", "Abc de,145.000000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        Map m(c.version, c.amOk);
        const CsvImportResult r = ImportMemoryCsv(
            m.master,
            "Location,Frequency,Duplex,Offset,Tone,cToneFreq,Mode,TStep,Name\n0," + c.row);
        Map::ExpectProblems(r, {});
        EXPECT_EQ(m.Row(0), "0," + c.exported);
    }
}

// The layout a common multi-radio tool writes for its own radios: a split
// row names the other frequency, "off" means no duplex, and what the
// receiver cannot hold is refused with the row's line, never clamped.
TEST(MemoryCsv, SplitAndOffRowsAsOtherProgramsWriteThem) {
    std::string text =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    // Frequency, duplex and offset as given; the row as exported or refused.
    const struct {
        const char *given, *stored;
    } rows[] = {
        {"145.000000,split,145.600000", "145.000000,+,0.600000"},  // the other above: +Dup
        {"439.500000,split,430.100000", "439.500000,-,9.400000"},  // below: -Dup
        {"145.000000,split,435.000000", "(none)"},
        {"145.500000,off,0.600000", "145.500000,,0.600000"},      // no duplex, the offset kept
        {"145.500000,split,145.500000", "145.500000,,0.000000"},  // the same twice: simplex
        {"430.000000,+,200.000000", "(none)"},
        {"5760.000000,,0.000000", "(none)"},
        {"145.000000,split,10368.000000", "(none)"},
        {"1.000000,split,160.999000", "(none)"},
    };
    for (int i = 0; i < 9; ++i)
        text += std::to_string(i) + ",X," + rows[i].given +
                ",,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\r\n";
    Map m(1);
    m.ClearMemory();
    m.master.WriteToEep();
    const CsvImportResult r = ImportMemoryCsv(m.master, text);
    EXPECT_TRUE(r.headerOk);
    EXPECT_EQ(r.rows, 9);
    EXPECT_EQ(r.applied, 4);
    Map::ExpectProblems(
        r, {{4,
             "split 145.000000 and 435.000000 MHz are 290.000000 MHz apart; the largest offset is "
             "159.995000 MHz"},
            {7, "offset 200.000000 MHz is above 159.995000 MHz, the largest offset"},
            {8, "frequency 5760.000000 MHz is above 3000 MHz"},
            {9, "split frequency 10368.000000 MHz is above 3000 MHz"},
            // Both as the receiver holds them: 160.999 on its tuning grid.
            {10,
             "split 1.000000 and 161.000000 MHz are 160.000000 MHz apart; the largest offset is "
             "159.995000 MHz"}});
    for (int i = 0; i < 9; ++i) {
        const std::string row = m.Row(i), stored = rows[i].stored;
        EXPECT_EQ(row == "(none)" ? row : row.substr(row.find(",X,") + 3, stored.size()), stored)
            << i;
    }
}

TEST(MemoryCsv, UnusableHeaderAppliesNothing) {
    const struct {
        std::string text;
        std::vector<std::pair<int, std::string>> problems;
    } cases[] = {
        {"", {{1, "no header line"}}},
        {"\r\n,,,\r\n", {{1, "no header line"}}},
        {"\nName,Frequency\n0,x,145.0\n", {{2, "the header has no Location column"}}},
        {"Location;Name\n0;x\n", {{1, "the header has no Frequency column"}}},
        // A tie with commas goes to the comma, one of semicolons and tabs to the semicolon.
        {"Location\tFrequency,Name\n0\t145,x\n",
         {{1, "the header has no Location column"}, {1, "the header has no Frequency column"}}},
        {"Location;Frequency,Name\n0;145,x\n",
         {{1, "the header has no Location column"}, {1, "the header has no Frequency column"}}},
        {"\r\nLocation;Frequency\tName\n", {{2, "the header has no Frequency column"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Map m(1);
        const std::vector<std::string> before = m.AllValues();
        const CsvImportResult r = ImportMemoryCsv(m.master, c.text);
        EXPECT_FALSE(r.headerOk);
        EXPECT_EQ(r.applied, 0);
        Map::ExpectProblems(r, c.problems);
        EXPECT_EQ(m.AllValues(), before);
        EXPECT_FALSE(m.radio.EditOn());
    }
}

TEST(MemoryCsv, ImportMarksTheDocumentEditedOnlyWhenSomethingChanged) {
    Map m(1);
    m.master.WriteToEep();
    m.radio.EditOn(false);
    EXPECT_GT(ImportMemoryCsv(m.master, ExportMemoryCsv(m.master)).applied, 0);
    EXPECT_FALSE(m.radio.EditOn());
    ImportMemoryCsv(m.master, "Location,Frequency\n12,145.0\n");
    EXPECT_TRUE(m.radio.EditOn());
}

TEST(MemoryCsv, FileFormsReportFilesTheyCannotUse) {
    TempDir dir;
    Map m(1);
    const std::string path = dir.file("mem.csv"), pipe = dir.file("pipe.csv");
    EXPECT_EQ(ExportMemoryCsvFile(m.master, path), kCsvOk);
    EXPECT_EQ(ReadFile(path), ExportMemoryCsv(m.master));
    EXPECT_EQ(ExportMemoryCsvFile(m.master, dir.file("no/such/folder.csv")), kCsvCannotCreate);
    // A named pipe where the table should go is refused and stays a pipe.
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ExportMemoryCsvFile(m.master, pipe), kCsvCannotCreate);
    EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status(pipe)));

    Map to(1);
    to.ClearMemory();
    CsvImportResult r;
    EXPECT_EQ(ImportMemoryCsvFile(to.master, path, r), kCsvOk);
    EXPECT_EQ(to.AllValues(), m.AllValues());
    for (const std::string& unusable : {dir.file("missing.csv"), dir.path().string(), pipe})
        EXPECT_EQ(ImportMemoryCsvFile(to.master, unusable, r), kCsvCannotOpen) << unusable;
    WriteFile(dir.file("big.csv"), ExportMemoryCsv(m.master) + std::string(kCsvMaxFileBytes, ','));
    EXPECT_EQ(ImportMemoryCsvFile(to.master, dir.file("big.csv"), r), kCsvReadError);
    EXPECT_EQ(CsvFileErrorMessage(kCsvCannotOpen, "/x/a.csv"), "Cannot open file.\r\n\r\n/x/a.csv");
    EXPECT_EQ(CsvFileErrorMessage(kCsvOk, "/x/a.csv"), "");
}

// The scanner database's download, as a listener saves it: descriptions
// with commas and quotes, every kind of tone, analog and digital rows.
constexpr const char* kScannerList =
    "Frequency Output,Frequency Input,FCC Callsign,Agency/Category,Description,Alpha Tag,"
    "PL Tone,Mode,Class Station Code,Tag\r\n"
    "154.43000,,KQA123,Fire,\"Dispatch, County North\",FIRE DISP,127.3 PL,FMN,BM,Fire\r\n"
    "155.47500,,,Police,\"Car-to-car, \"\"tac\"\"\",R\xC3\xA9 2,CSQ,FM,,Law Tac\r\n"
    "460.02500,465.02500,,Police,Repeater,PD RPT,023 DPL,FMN,RM,Law Dispatch\r\n"
    "453.10000,,,Public Works,\"P25, trunked\",PW P25,NAC 293,P25,BM,Public Works\r\n"
    "119.10000,,,Airport,Tower,TWR,,AM,,Aircraft\r\n"
    "2999.99000,,,,Far,FAR,,FM,,\r\n"
    "162.55000,,,Weather,NOAA,WX1,,FM,,Weather\r\n";

TEST(ScannerCsv, RowsFillTheBankFromTheStartAndWhatCannotBeHeardIsNamed) {
    Map m(1);
    const CsvStart start{3, 46};  // Bank D 46: four rows fit
    const CsvImportResult r = ImportMemoryCsv(m.master, kScannerList, &start);
    EXPECT_EQ(r.applied, 4);
    // name,in use,frequency,duplex,offset,tsql,tone,mode,step,skip
    EXPECT_EQ(m.Values(196), "FIRE D,1,15443000,0,0,1,19,0,0,0");
    EXPECT_EQ(m.Values(197), "R  2,1,15547500,0,0,0,8,0,0,0");    // one blank per character
    EXPECT_EQ(m.Values(198), "PD RPT,1,46002500,0,0,0,8,0,0,0");  // the output, no DCS
    EXPECT_EQ(m.Values(199), "TWR,1,11910000,0,0,0,8,1,0,0");
    Map::ExpectProblems(
        r, {{5, "mode \"P25\" is digital voice, which the receiver cannot receive"},
            {7,
             "frequency 2999.99000 MHz is outside the frequency coverage of the receiver "
             "(version 1)"},
            {8, "does not fit: Bank D has no row 50"}});
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_EQ(CsvProblemText(r.notes[0]),
              "line 4: tone squelch \"023 DPL\" is a DCS code, which the receiver cannot decode: "
              "imported without tone squelch");
}

TEST(ScannerCsv, ToneAndModeCellsBecomeTheReceiversSquelchAndMode) {
    const struct {
        const char* tone;
        const char* mode;
        const char* values;  // tsql,tone,mode; or the start of the refusal
        const char* note;    // the start of the note, "" for none
    } cases[] = {
        {"127.3PL", "FMN", "1,19,0", ""},
        {"88.5", "NFM", "1,8,0", ""},
        {"CSQ", "FM", "0,8,0", ""},
        {"", "WFM", "0,8,2", ""},
        {"D023N", "FM", "0,8,0", "tone squelch \"D023N\" is a DCS code"},
        {"D023", "FM", "0,8,0", "tone squelch \"D023\" is a DCS code"},
        {"100.1 PL", "FM", "0,8,0", "tone 100.1 Hz is not one of the receiver's CTCSS tones"},
        {"NAC 293", "FM", "0,8,0", "tone squelch \"NAC 293\" is not understood"},
        {"", "DMR", "mode \"DMR\" is digital voice", ""},
        {"", "D-STAR", "mode \"D-STAR\" is digital voice", ""},
        {"", "USB", "mode \"USB\" cannot be received", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tone) + " / " + c.mode);
        Map m(1);
        const std::string table =
            std::string("Frequency Output,PL Tone,Mode\n145.5,") + c.tone + "," + c.mode + "\n";
        const CsvStart start{0, 5};
        const CsvImportResult r = ImportMemoryCsv(m.master, table, &start);
        const clsRigQ5_Ch& ch = m.Ch(5);
        if (r.applied == 1) {
            EXPECT_EQ(std::to_string(ch.TSqlOn_Pure()) + "," + std::to_string(ch.ToneNo_Pure()) +
                          "," + std::to_string(ch.ModeNo_Pure()),
                      c.values);
        } else {
            ASSERT_EQ(r.problems.size(), 1u);
            EXPECT_EQ(r.problems[0].reason.rfind(c.values, 0), 0u) << r.problems[0].reason;
        }
        EXPECT_EQ(r.notes.empty() ? std::string() : r.notes[0].reason.substr(0, strlen(c.note)),
                  c.note);
    }
}

TEST(ScannerCsv, AListNeedsAStartAndATableWithLocationsMovesToOne) {
    Map m(1);
    CsvImportResult r = ImportMemoryCsv(m.master, kScannerList);
    EXPECT_TRUE(!r.headerOk && r.applied == 0);

    // The variant with two tone columns: the station's output tone counts.
    const CsvStart start{2, 48};
    r = ImportMemoryCsv(m.master,
                        "Frequency Output,Frequency Input,Alpha Tag,PL Output Tone,PL Input "
                        "Tone,Mode\n145.5,145.0,RPT,,127.3 PL,FM\n",
                        &start);
    EXPECT_EQ(m.Values(148), "RPT,1,14550000,0,0,0,8,0,0,0");

    m.ClearMemory();
    r = ImportMemoryCsv(m.master, "Location,Frequency\n12,145.1\n10,145.0\n14,145.2\n", &start);
    EXPECT_EQ(m.Ch(148).FreqOp_Pure(), 14500000);  // the lowest location lands on the start
    Map::ExpectProblems(
        r, {{2, "does not fit: Bank C has no row 50"}, {4, "does not fit: Bank C has no row 52"}});
}
