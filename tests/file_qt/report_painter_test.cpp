// SPDX-License-Identifier: GPL-3.0-or-later
// The channel report on PDF pages: the orientation follows the widest table,
// every page carries the header and its number, a table that goes on over
// a page break says so, and every channel of a full image is on paper.
// The text is read back with pdftotext where poppler is installed.

#include "file/qt/report_painter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/master.h"
#include "run_process.h"
#include "temp_dir.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

const char* const kPdfToText = "/usr/bin/pdftotext";

// The pages of a PDF as pdftotext lays them out ("" without poppler).
std::vector<std::string> Pages(const TempDir& dir, const QByteArray& pdf) {
    std::vector<std::string> pages;
    if (!std::filesystem::exists(kPdfToText)) return pages;
    const std::string path = dir.file("r.pdf");
    std::ofstream(path, std::ios::binary).write(pdf.constData(), pdf.size());
    const ProcessResult r = RunProcess(kPdfToText, {"-layout", path, "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    for (std::size_t at = 0, ff; (ff = r.out.find('\f', at)) != std::string::npos; at = ff + 1)
        pages.push_back(r.out.substr(at, ff - at));
    return pages;
}

ReportTable Table(int columns, int rows, const std::string& cell) {
    ReportTable t;
    t.title = "List";
    for (int c = 0; c < columns; ++c) t.columns.push_back("Column" + std::to_string(c));
    for (int r = 0; r < rows; ++r) t.rows.emplace_back(static_cast<std::size_t>(columns), cell);
    return t;
}

// The orientation a report gets on an A4 PDF writer that starts portrait.
QPageLayout::Orientation OrientationOf(const ChannelReport& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    EXPECT_GT(PaintChannelReport(report, writer), 0);
    return writer.pageLayout().orientation();
}

}  // namespace

TEST(ReportPainter, PortraitUnlessTheWidestTableNeedsLandscape) {
    const struct {
        const char* what;
        int columns;
        QPageLayout::Orientation expected;
    } cases[] = {
        {"narrow enough", 6, QPageLayout::Portrait},
        {"too wide across", 10, QPageLayout::Landscape},
        {"too wide even across a landscape page: smaller type", 40, QPageLayout::Landscape},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelReport report;
        report.tables.push_back(Table(3, 5, "1"));
        report.tables.push_back(Table(c.columns, 5, " 1234.567890"));
        EXPECT_EQ(OrientationOf(report), c.expected);
    }
    // The real widest list, the VFO with its FM TV columns, fits portrait.
    VersionDocument doc(0);
    EXPECT_EQ(OrientationOf(BuildChannelReport(doc.master, "x.acf", "2026-05-01")),
              QPageLayout::Portrait);
}

TEST(ReportPainter, EveryChannelIsOnPaperWithAHeaderAndNumberOnEveryPage) {
    VersionDocument doc(0);
    for (int i = 0; i < M::kNumMemory; ++i) {
        clsRigQ5_Ch& ch = *doc.master.ListCh(M::kListMemory, i);
        ch.AppearCh(true);
        ch.FreqOp_Pure(14000000 + i * 12500);
    }
    doc.master.CommonObj().Comment("Field day");
    ChannelReport empty;
    empty.fileTitle = "empty.acf";
    empty.date = "2026-05-01";
    const struct {
        ChannelReport report;
        std::size_t minPages;
        std::string comment, body;
    } cases[] = {
        // 400 channels cannot go on fewer than 9 pages.
        {BuildChannelReport(doc.master, "full.acf", "2026-05-01"), 9, "Comment: Field day",
         "Bank A (continued)"},
        {empty, 1, "", kReportNoChannels},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report.fileTitle);
        const QByteArray pdf = ChannelReportPdf(c.report);
        ASSERT_TRUE(pdf.startsWith("%PDF-"));
        ASSERT_TRUE(pdf.trimmed().endsWith("%%EOF"));
        const std::vector<std::string> pages = Pages(dir, pdf);
        if (pages.empty()) GTEST_SKIP() << "poppler-utils are not installed";
        ASSERT_GE(pages.size(), c.minPages);
        std::string text;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            text += pages[p];
            for (const std::string& s :
                 {c.report.fileTitle, std::string("2026-05-01"), c.comment,
                  ReportPageText(static_cast<int>(p + 1), static_cast<int>(pages.size()))})
                EXPECT_NE(pages[p].find(s), std::string::npos) << "page " << p + 1 << ": " << s;
        }
        EXPECT_NE(text.find(c.body), std::string::npos);
        for (const ReportTable& t : c.report.tables)
            for (const auto& row : t.rows)
                EXPECT_NE(text.find(row[1]), std::string::npos) << t.title << " " << row[1];
    }
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
