// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/channel_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/grid_texts.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

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
    EXPECT_EQ(ReportCommentLine(r), "Comment: My RX-Q5");  // without the blanks that fill 16

    std::vector<std::string> titles;
    for (const ReportTable& t : r.tables) titles.push_back(t.title);
    // The VFO list is always in use; the scan edges 0 and 1 cannot be blank.
    EXPECT_EQ(titles, (std::vector<std::string>{"VFO", "Bank B", "Program scan edge", "FM TV"}));
    // The grid's own texts, trimmed, without its empty last column.
    const ReportTable& bank = r.tables[1];
    EXPECT_EQ(bank.columns.back(), "TS");
    ASSERT_EQ(bank.rows.size(), 2U);
    EXPECT_EQ(bank.rows[0][1], "433.000000");
    const auto trim = [](std::string s) {
        s.erase(0, s.find_first_not_of(' '));
        return s.erase(s.find_last_not_of(' ') + 1);
    };
    const int gridRows[] = {2, 7};  // tree key 4 is bank B
    for (int i : {0, 1}) {
        std::vector<std::string> grid = ChannelRowTexts(d.master, 4, gridRows[i]);
        EXPECT_EQ(grid.back(), "");
        grid.pop_back();
        for (std::string& cell : grid) cell = trim(cell);
        EXPECT_EQ(bank.rows[static_cast<std::size_t>(i)], grid);
    }
}

TEST(ChannelReport, BandsAndListsTheVersionLacksAreLeftOut) {
    Doc d(0);  // no FM TV
    d.Use(M::kListFmTv, 1, 128000000);
    for (const ReportTable& t : BuildChannelReport(d.master, "Untitled", "2026-05-01").tables) {
        EXPECT_NE(t.title, "FM TV");
        for (const auto& row : t.rows)
            for (const std::string& cell : row) EXPECT_NE(cell, "---") << t.title;
    }
    for (const auto& [title, pdf] : {std::pair<const char*, const char*>{"my.acf", "my.pdf"},
                                     {"", "Untitled.pdf"},
                                     {"a.b.ACF", "a.b.pdf"},
                                     {".acf", ".acf.pdf"}})
        EXPECT_EQ(ReportPdfName(title), pdf) << title;
}
