// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/channel_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/grid_texts.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;
using Rows = std::vector<std::vector<std::string>>;

// Every memory, scan edge and TV channel blank; then a few in use.
struct Doc : VersionDocument {
    explicit Doc(int fmTv = 1) : VersionDocument(1, 0, fmTv) {
        for (const int type :
             {M::kListMemory, M::kListPScan, M::kListTv, M::kListAmTv, M::kListFmTv})
            for (int i = 0; i < M::NumRecordsOfListType(type); ++i)
                master.ListCh(type, i)->AppearCh(false);
    }
    clsRigQ5_Ch& Use(int type, int index, std::int32_t freq) {
        clsRigQ5_Ch& ch = *master.ListCh(type, index);
        ch.AppearCh(true);
        ch.FreqOp_Pure(freq);
        return ch;
    }
};

}  // namespace

TEST(ChannelReport, OneTableForEachListInUseWithTheGridsTextsAndNoBlankChannels) {
    Doc d;
    d.Use(M::kListMemory, 57, 14550000).Name("Local");  // bank B row 7
    d.Use(M::kListMemory, 52, 43300000);                // bank B row 2
    d.Use(M::kListPScan, 3, 14400000);
    d.Use(M::kListFmTv, 1, 128000000);
    d.master.CommonObj().Comment("My RX-Q5");
    const ChannelReport r = BuildChannelReport(d.master, "my.acf", "2026-05-01");

    EXPECT_EQ(r.fileTitle, "my.acf");
    EXPECT_EQ(r.comment, "My RX-Q5");  // without the blanks that fill 16 characters
    EXPECT_EQ(r.date, "2026-05-01");
    EXPECT_EQ(ReportCommentLine(r), "Comment: My RX-Q5");

    std::vector<std::string> titles;
    for (const ReportTable& t : r.tables) titles.push_back(t.title);
    // The VFO list is always in use; the scan edges 0 and 1 cannot be blank.
    EXPECT_EQ(titles, (std::vector<std::string>{"VFO", "Bank B", "Program scan edge", "FM TV"}));

    const ReportTable& bank = r.tables[1];
    EXPECT_EQ(bank.columns,
              (std::vector<std::string>{"CH", "Frequency", "Duplex", "Offset Freq.", "Name", "TSQL",
                                        "CTCSS Freq.", "Skip", "Mode", "TS"}));
    ASSERT_EQ(bank.rows.size(), 2U);
    EXPECT_EQ(bank.rows[0][0], "02");
    EXPECT_EQ(bank.rows[0][1], "433.000000");
    EXPECT_EQ(bank.rows[1][0], "07");
    EXPECT_EQ(bank.rows[1][4], "Local");
    // The grid's own texts, trimmed, without the empty last column.
    const std::vector<std::string> grid = ChannelRowTexts(d.master, 4, 7);
    ASSERT_EQ(grid.size(), bank.rows[1].size() + 1);
    EXPECT_EQ(grid.back(), "");
    EXPECT_EQ(" " + bank.rows[1][1], grid[1]);

    const ReportTable& fmTv = r.tables[3];
    ASSERT_EQ(fmTv.rows.size(), 1U);
    EXPECT_EQ(fmTv.rows[0][0], "01");
    EXPECT_EQ(fmTv.rows[0][1].substr(0, 8), "1280.000");
}

TEST(ChannelReport, BandsAndListsTheVersionLacksAreLeftOut) {
    Doc d(0);  // no FM TV
    d.Use(M::kListFmTv, 1, 128000000);
    const ChannelReport r = BuildChannelReport(d.master, "Untitled", "2026-05-01");
    for (const ReportTable& t : r.tables) {
        EXPECT_NE(t.title, "FM TV");
        for (const auto& row : t.rows)
            for (const std::string& cell : row) EXPECT_NE(cell, "---") << t.title;
    }
}

TEST(ChannelReport, SmallTexts) {
    EXPECT_EQ(ReportPageText(2, 5), "Page 2 of 5");
    const struct {
        const char* title;
        const char* pdf;
    } names[] = {{"my.acf", "my.pdf"},
                 {"Untitled", "Untitled.pdf"},
                 {"", "Untitled.pdf"},
                 {"a.b.ACF", "a.b.pdf"},
                 {".acf", ".acf.pdf"}};
    for (const auto& n : names) EXPECT_EQ(ReportPdfName(n.title), n.pdf) << n.title;
    const std::string date = ReportDateText(1777000000);
    ASSERT_EQ(date.size(), 10U);
    EXPECT_EQ(date.substr(0, 5), "2026-");
    EXPECT_EQ(date[7], '-');
    EXPECT_EQ(ReportFileErrorMessage(kReportCannotCreate, "/x/a.pdf"),
              "Cannot save file.\r\n\r\n/x/a.pdf");
    EXPECT_EQ(ReportFileErrorMessage(kReportOk, "/x/a.pdf"), "");
}
