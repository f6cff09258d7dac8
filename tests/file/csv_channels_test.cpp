// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/csv_channels.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "read_values.h"
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
    // Every value a memory channel keeps, as one comparable text.
    std::string Values(int i) {
        const clsRigQ5_Ch& c = Ch(i);
        return ReadValues(c) + "|" + std::to_string(c.FreqOp_Pure()) + "," +
               std::to_string(c.DupDir_Pure()) + "," + std::to_string(c.FreqDup_Pure()) + "," +
               c.Name() + "," + std::to_string(c.TSqlOn_Pure()) + "," +
               std::to_string(c.ToneNo_Pure()) + "," + std::to_string(c.ModeNo_Pure()) + "," +
               std::to_string(c.TsNo_Pure()) + "," + std::to_string(c.SkipM_Pure());
    }
    std::vector<std::string> AllValues() {
        std::vector<std::string> v;
        for (int i = 0; i < M::kNumMemory; ++i) v.push_back(Values(i));
        return v;
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
        clsRigQ5_Ch& c = m.Ch(i);
        if (pick(0, 2) == 0) {
            c.AppearCh(false);
        } else {
            c.AppearCh(true);
            c.FreqOp_Pure(pick(0, 3) == 0 ? pick(40000, 200000) : pick(0, 300000000));
            c.DupDir_Pure(pick(0, 2));
            c.FreqDup_Pure(pick(0, 16000000));
            std::string name;
            for (int k = pick(0, 8); k > 0; --k)
                name += nameChars[static_cast<std::size_t>(
                    pick(0, static_cast<int>(nameChars.size()) - 1))];
            c.Name(name);
            c.TSqlOn_Pure(pick(0, 1));
            c.ToneNo_Pure(pick(0, 49));
            c.ModeNo_Pure(pick(0, 3));
            c.TsNo_Pure(pick(0, 10));
            c.SkipM_Pure(pick(0, 2));
        }
        m.master.Set1Ch(c, M::kListMemory, i, M::kProgramForm);
        m.master.Get1Ch(c, M::kListMemory, i, M::kProgramForm);
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
        Map from(v.version, v.amOk);
        FillRandom(from, seed++);
        Map to(v.version, v.amOk);
        FillRandom(to, seed++);
        const std::vector<std::string> before = to.AllValues();

        const CsvImportResult r = ImportMemoryCsv(to.master, ExportMemoryCsv(from.master));
        EXPECT_TRUE(r.headerOk);
        EXPECT_TRUE(r.problems.empty()) << CsvProblemText(r.problems.front());
        int inUse = 0;
        for (int i = 0; i < M::kNumMemory; ++i) {
            if (from.Ch(i).AppearCh()) {
                ++inUse;
                EXPECT_EQ(to.Values(i), from.Values(i)) << "channel " << i;
            } else {
                // No row: the channel is left as it was.
                EXPECT_EQ(to.Values(i), before[static_cast<std::size_t>(i)]) << "channel " << i;
            }
        }
        EXPECT_EQ(r.rows, inUse);
        EXPECT_EQ(r.applied, inUse);
        EXPECT_GT(inUse, 200);
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
    clsRigQ5_Ch& a = m.Ch(0);
    a.AppearCh(true);
    a.FreqOp_Pure(14550000);
    a.DupDir_Pure(1);
    a.FreqDup_Pure(60000);
    a.Name("Rep,\"1");
    a.TSqlOn_Pure(1);
    a.ToneNo_Pure(12);
    a.TsNo_Pure(3);
    a.SkipM_Pure(2);
    a.ModeNo_Pure(0);
    clsRigQ5_Ch& b = m.Ch(399);
    b.AppearCh(true);
    b.FreqOp_Pure(243612500);
    b.DupDir_Pure(2);
    b.FreqDup_Pure(500);
    b.ModeNo_Pure(3);
    b.TSqlOn_Pure(0);
    b.ToneNo_Pure(8);
    b.Name("");
    b.TsNo_Pure(10);
    b.SkipM_Pure(1);
    EXPECT_EQ(ExportMemoryCsv(m.master),
              std::string(kMemoryCsvHeader) +
                  "\r\n"
                  // The stored name reads with the quote as a blank.
                  "0,\"Rep, 1\",145.500000,-,0.600000,TSQL,100.0,100.0,023,NN,FM,12.50,P,\r\n"
                  "399,,2436.125000,+,0.005000,,88.5,88.5,023,NN,Auto,Auto,S,\r\n");
}

TEST(MemoryCsv, ImportReadsOtherLayoutsOfTheSameTable) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"reordered columns, extra columns, LF only",
         "Comment,Skip,Frequency,Extra,Location,Mode,Name,TStep,Duplex,Offset,Tone,cToneFreq\n"
         "hello,S,145.500000,x,7,AM,Local,12.50,+,0.600000,TSQL,100.0\n"},
        {"semicolons, decimal commas, quotes, a byte order mark, CR LF",
         "\xEF\xBB\xBFLocation;Name;Frequency;Duplex;Offset;Tone;rToneFreq;Mode;TStep;Skip\r\n"
         "\"7\";\"Loc\"\"al\";145,5;+;\"0,6\";TSQL;100,0;AM;12,5;S\r\n"},
        {"header names in other letter case, blank lines, spaces around values",
         "\r\n\r\nLOCATION , frequency,DUPLEX,offset,TONE,RTONEFREQ,mode,tstep,SKIP,name\r\n"
         "\r\n 7 , 145.5 , + ,0.6, tsql , 100 ,am, 12.5 ,s,Local\r\n,,,,\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Map m(1);
        const CsvImportResult r = ImportMemoryCsv(m.master, c.text);
        EXPECT_TRUE(r.headerOk);
        EXPECT_TRUE(r.problems.empty()) << CsvProblemText(r.problems.front());
        EXPECT_EQ(r.rows, 1);
        EXPECT_EQ(r.applied, 1);
        const clsRigQ5_Ch& ch = m.Ch(7);
        EXPECT_TRUE(ch.AppearCh());
        EXPECT_EQ(ch.FreqOp_Pure(), 14550000);
        EXPECT_EQ(ch.DupDir_Pure(), 2);
        EXPECT_EQ(ch.FreqDup_Pure(), 60000);
        EXPECT_EQ(ch.TSqlOn_Pure(), 1);
        EXPECT_EQ(ch.ToneNo_String(), "100.0");
        EXPECT_EQ(ch.ModeNo_Pure(), 1);
        EXPECT_EQ(ch.TsNo_String(), "12.5k");
        EXPECT_EQ(ch.SkipM_Pure(), 1);
        EXPECT_EQ(ch.Name().substr(0, 3), "Loc");
    }
}

TEST(MemoryCsv, RowsThatCannotBePlacedAreReportedWithTheirLineAndSkippedWhole) {
    Map m(1);
    m.Ch(3).AppearCh(true);
    m.Ch(3).FreqOp_Pure(43000000);
    m.master.WriteToEep();
    const std::vector<std::string> before = m.AllValues();
    const std::string text =
        "Location,Name,Frequency,Mode,Tone,cToneFreq,Skip,Duplex,TStep\n"  // 1
        "1,\"two\nlines\",145.0,FM,,,,,\n"                                 // 2-3
        "400,x,145.0\n"                                                    // 4
        "-1,x,145.0\n"                                                     // 5
        "abc,x,145.0\n"                                                    // 6
        "3,x,\n"                                                           // 7
        "3,x,14x.5\n"                                                      // 8
        "3,x\n"                                                            // 9
        "3,x,146.0,USB\n"                                                  // 10
        "3,x,146.0,FM,TSQL,150.0\n"                                        // 11
        "3,x,146.0,FM,DCS\n"                                               // 12
        "3,x,146.0,FM,,,X\n"                                               // 13
        "3,x,146.0,FM,,,,split\n"                                          // 14
        "3,x,146.0,FM,,,,*\n"                                              // 15
        "3,x,146.0,FM,,,,,fast\n"                                          // 16
        "3,x,146.0,FM,,abc\n"                                              // 17
        "1,again,146.0\n"                                                  // 18
        "2,ok,146.0\n"                                                     // 19
        ",\n"                                                              // 20: no row
        "5,\"open,147.0\n";                                                // 21
    const CsvImportResult r = ImportMemoryCsv(m.master, text);
    EXPECT_TRUE(r.headerOk);
    const std::vector<std::pair<int, std::string>> expected = {
        {4, "location 400 is not a memory channel (0 to 399)"},
        {5, "location \"-1\" is not a channel number"},
        {6, "location \"abc\" is not a channel number"},
        {7, "no frequency"},
        {8, "frequency \"14x.5\" is not a number in MHz"},
        {9, "no Frequency field"},
        {10, "mode \"USB\" cannot be received (FM, AM, WFM, Auto)"},
        {11, "tone 150.0 Hz is not one of the receiver's CTCSS tones"},
        {12, "tone mode \"DCS\" is not \"\" or \"TSQL\""},
        {13, "skip \"X\" is not \"\", \"S\" or \"P\""},
        {14, "split duplex without the other frequency"},
        {15, "duplex \"*\" is not \"\", \"-\", \"+\" or \"split\""},
        {16, "tuning step \"fast\" is not a number in kHz"},
        {17, "tone \"abc\" is not a number in Hz"},
        {18, "channel 1 was already given on line 2"},
        {21, "a quoted field is not closed"},
    };
    ASSERT_EQ(r.problems.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.problems[i].line, expected[i].first);
        EXPECT_EQ(r.problems[i].reason, expected[i].second);
    }
    EXPECT_EQ(CsvProblemText(r.problems[0]),
              "line 4: location 400 is not a memory channel (0 to 399)");
    EXPECT_EQ(r.rows, 18);
    EXPECT_EQ(r.applied, 2);
    EXPECT_EQ(m.Ch(1).Name(), "two li");  // the line break reads as a blank
    EXPECT_EQ(m.Ch(2).FreqOp_Pure(), 14600000);
    // Every refused row left its channel as it was.
    for (const int i : {0, 3, 4, 5, 399})
        EXPECT_EQ(m.Values(i), before[static_cast<std::size_t>(i)]) << "channel " << i;
}

TEST(MemoryCsv, ImportHealsValuesAsTheChannelDialogWould) {
    const struct {
        const char* what;
        int version, amOk;
        std::string row;  // Location,Frequency,Duplex,Offset,Tone,cToneFreq,Mode,TStep,Name
        std::int32_t freq, offset;
        int dupDir, tone, mode, step;
        std::string name;
    } cases[] = {
        {"frequency snapped to the tuning grid", 1, 0, "0,145.003,,,,,,,", 14500500, 0, 0, 8, 0, 0,
         ""},
        {"3000 MHz, the highest frequency", 1, 0, "0,3000.000000,,,,,,,", 300000000, 0, 0, 8, 0, 0,
         ""},
        {"159.995 MHz, the largest offset", 1, 0, "0,430,+,159.995,,,,,", 43000000, 15999500, 2, 8,
         0, 0, ""},
        {"split duplex becomes a direction and an offset", 1, 0, "0,439.5,split,430,,,,,", 43950000,
         950000, 1, 8, 0, 0, ""},
        {"tone off: a tone not in the table takes the nearest", 1, 0, "0,145,,,,91.4,,,", 14500000,
         0, 0, 9, 0, 0, ""},
        {"tone within 0.05 Hz is that tone", 1, 0, "0,145,,,TSQL,0088.549,,,", 14500000, 0, 0, 8, 0,
         0, ""},
        {"a step the receiver lacks takes the nearest", 1, 0, "0,145,,,,,,8.33,", 14500000, 0, 0, 8,
         0, 2, ""},
        {"Auto mode and step on a version without them read as FM and 5k", 1, 0,
         "0,145,,,,,Auto,Auto,", 14500000, 0, 0, 8, 0, 0, ""},
        {"Auto mode and step where the version has them", 0, 0, "0,145,,,,,Auto,Auto,", 14500000, 0,
         0, 8, 3, 10, ""},
        {"medium wave on the AM grid becomes AM on 9 kHz steps", 1, 1, "0,1.000,+,1,TSQL,100,FM,,",
         99900, 0, 0, 8, 1, 0, ""},
        {"NFM is FM, a long name keeps 6 characters, odd characters are blanks", 1, 0,
         "0,145,,,,,NFM,,Abc{defgh", 14500000, 0, 0, 8, 0, 0, "Abc de"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Map m(c.version, c.amOk);
        const CsvImportResult r = ImportMemoryCsv(
            m.master, "Location,Frequency,Duplex,Offset,Tone,cToneFreq,Mode,TStep,Name\n" + c.row);
        ASSERT_TRUE(r.problems.empty()) << CsvProblemText(r.problems.front());
        const clsRigQ5_Ch& ch = m.Ch(0);
        EXPECT_EQ(ch.FreqOp_Pure(), c.freq);
        EXPECT_EQ(ch.FreqDup_Pure(), c.offset);
        EXPECT_EQ(ch.DupDir_Pure(), c.dupDir);
        EXPECT_EQ(ch.ToneNo_Pure(), c.tone);
        EXPECT_EQ(ch.ModeNo_Pure(), c.mode);
        EXPECT_EQ(ch.TsNo_Pure(), c.step);
        EXPECT_EQ(ch.Name(), c.name);
    }
}

// The layout a common multi-radio tool writes for its own radios: a split
// row names the other frequency, "off" means no duplex, and what the
// receiver cannot hold is refused with the row's line, never clamped.
TEST(MemoryCsv, SplitAndOffRowsAsOtherProgramsWriteThem) {
    const std::string header =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    const std::string text =
        header +                                                                           // 1
        "0,Split+,145.000000,split,145.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"  // 2
        "50W,,,,,\r\n"
        "1,Split-,439.500000,split,430.100000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,"  // 3
        "50W,,,,,\r\n"
        "2,SplitX,145.000000,split,435.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"  // 4
        "50W,,,,,\r\n"
        "3,Off,145.500000,off,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\r\n"  // 5
        "4,Same,145.500000,split,145.500000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,"        // 6
        "50W,,,,,\r\n"
        "5,Big+,430.000000,+,200.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"  // 7
        "50W,,,,,\r\n"
        "6,TooHi,5760.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"  // 8
        "50W,,,,,\r\n"
        "7,SplHi,145.000000,split,10368.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"  // 9
        "50W,,,,,\r\n"
        "8,Wide,1.000000,split,160.999000,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,"  // 10
        "50W,,,,,\r\n";
    Map m(1);
    m.ClearMemory();
    m.master.WriteToEep();
    const std::vector<std::string> before = m.AllValues();
    const CsvImportResult r = ImportMemoryCsv(m.master, text);
    EXPECT_TRUE(r.headerOk);
    EXPECT_EQ(r.rows, 9);
    const std::vector<std::pair<int, std::string>> refused = {
        {4,
         "split 145.000000 and 435.000000 MHz are 290.000000 MHz apart; the largest offset is "
         "159.995000 MHz"},
        {7, "offset 200.000000 MHz is above 159.995000 MHz, the largest offset"},
        {8, "frequency 5760.000000 MHz is above 3000 MHz"},
        {9, "split frequency 10368.000000 MHz is above 3000 MHz"},
        // Both as the receiver holds them: 160.999 on its tuning grid.
        {10,
         "split 1.000000 and 161.000000 MHz are 160.000000 MHz apart; the largest offset is "
         "159.995000 MHz"},
    };
    ASSERT_EQ(r.problems.size(), refused.size());
    for (std::size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(r.problems[i].line, refused[i].first);
        EXPECT_EQ(r.problems[i].reason, refused[i].second);
    }
    EXPECT_EQ(r.applied, 4);

    const struct {
        int location;
        std::int32_t freq;
        int dupDir;
        std::int32_t offset;
    } applied[] = {
        {0, 14500000, 2, 60000},   // the other frequency above: +Dup
        {1, 43950000, 1, 940000},  // below: -Dup
        {3, 14550000, 0, 60000},   // "off": no duplex, the offset kept as given
        {4, 14550000, 0, 0},       // the same frequency twice: simplex
    };
    for (const auto& a : applied) {
        SCOPED_TRACE(a.location);
        const clsRigQ5_Ch& ch = m.Ch(a.location);
        EXPECT_TRUE(ch.AppearCh());
        EXPECT_EQ(ch.FreqOp_Pure(), a.freq);
        EXPECT_EQ(ch.DupDir_Pure(), a.dupDir);
        EXPECT_EQ(ch.FreqDup_Pure(), a.offset);
    }
    // The refused rows' channels are as they were.
    for (const int i : {2, 5, 6, 7, 8})
        EXPECT_EQ(m.Values(i), before[static_cast<std::size_t>(i)]) << "channel " << i;
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
        {"Loc,Freq\n0,145\n",
         {{1, "the header has no Location column"}, {1, "the header has no Frequency column"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Map m(1);
        const std::vector<std::string> before = m.AllValues();
        const CsvImportResult r = ImportMemoryCsv(m.master, c.text);
        EXPECT_FALSE(r.headerOk);
        EXPECT_EQ(r.applied, 0);
        ASSERT_EQ(r.problems.size(), c.problems.size());
        for (std::size_t i = 0; i < c.problems.size(); ++i) {
            EXPECT_EQ(r.problems[i].line, c.problems[i].first);
            EXPECT_EQ(r.problems[i].reason, c.problems[i].second);
        }
        EXPECT_EQ(m.AllValues(), before);
        EXPECT_FALSE(m.radio.EditOn());
    }
}

TEST(MemoryCsv, ImportMarksTheDocumentEditedOnlyWhenSomethingChanged) {
    Map m(1);
    m.Ch(30).AppearCh(true);
    m.Ch(30).FreqOp_Pure(14500000);
    m.master.WriteToEep();
    m.radio.EditOn(false);
    const std::string same = ExportMemoryCsv(m.master);
    EXPECT_EQ(ImportMemoryCsv(m.master, same).problems.size(), 0U);
    EXPECT_FALSE(m.radio.EditOn());
    ImportMemoryCsv(m.master, "Location,Frequency\n12,145.0\n");
    EXPECT_TRUE(m.radio.EditOn());
}

TEST(MemoryCsv, FileFormsReportFilesTheyCannotUse) {
    TempDir dir;
    Map m(1);
    m.ClearMemory();
    m.Ch(4).AppearCh(true);
    m.Ch(4).FreqOp_Pure(14500000);
    const std::string path = dir.file("mem.csv");
    EXPECT_EQ(ExportMemoryCsvFile(m.master, path), kCsvOk);
    EXPECT_EQ(ExportMemoryCsvFile(m.master, dir.file("no/such/folder.csv")), kCsvCannotCreate);
    // A named pipe where the table should go is refused and stays a pipe.
    const std::string pipe = dir.file("pipe.csv");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ExportMemoryCsvFile(m.master, pipe), kCsvCannotCreate);
    EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status(pipe)));

    Map to(1);
    to.ClearMemory();
    CsvImportResult r;
    EXPECT_EQ(ImportMemoryCsvFile(to.master, path, r), kCsvOk);
    EXPECT_EQ(r.applied, 1);
    EXPECT_EQ(to.Ch(4).FreqOp_Pure(), 14500000);
    EXPECT_EQ(ImportMemoryCsvFile(to.master, dir.file("missing.csv"), r), kCsvCannotOpen);
    EXPECT_EQ(ImportMemoryCsvFile(to.master, dir.path().string(), r), kCsvCannotOpen);
    {
        std::ofstream big(dir.file("big.csv"), std::ios::binary);
        big << kMemoryCsvHeader << "\n" << std::string(kCsvMaxFileBytes, ',');
    }
    EXPECT_EQ(ImportMemoryCsvFile(to.master, dir.file("big.csv"), r), kCsvReadError);
    EXPECT_EQ(CsvFileErrorMessage(kCsvCannotOpen, "/x/a.csv"), "Cannot open file.\r\n\r\n/x/a.csv");
    EXPECT_EQ(CsvFileErrorMessage(kCsvOk, "/x/a.csv"), "");
}
