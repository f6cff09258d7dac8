// SPDX-License-Identifier: GPL-3.0-or-later
// The channel report on PDF pages: the orientation follows the widest table,
// every page carries the header and its number, a table that goes on over
// a page break says so, and every channel of a full image is on paper.
// The text is read back with pdftotext and pdfinfo where poppler is installed.

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
const char* const kPdfInfo = "/usr/bin/pdfinfo";

bool Have(const char* tool) {
    return std::filesystem::exists(tool);
}

// The text of a PDF, pages separated by form feeds.
std::string PdfText(const TempDir& dir, const QByteArray& pdf) {
    const std::string path = dir.file("r.pdf");
    std::ofstream(path, std::ios::binary).write(pdf.constData(), pdf.size());
    const ProcessResult r = RunProcess(kPdfToText, {"-layout", path, "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.out;
}

// A text with every run of blanks made one blank.
std::string OneBlank(const std::string& text) {
    std::string out;
    for (const char c : text)
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    return out;
}

std::vector<std::string> Pages(const std::string& text) {
    std::vector<std::string> pages;
    std::size_t at = 0;
    for (std::size_t ff; (ff = text.find('\f', at)) != std::string::npos; at = ff + 1)
        pages.push_back(text.substr(at, ff - at));
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

TEST(ReportPainter, AFullImageIsOnPaperWithAHeaderAndNumberOnEveryPage) {
    VersionDocument doc(0);
    for (int i = 0; i < M::kNumMemory; ++i) {
        clsRigQ5_Ch& ch = *doc.master.ListCh(M::kListMemory, i);
        ch.AppearCh(true);
        ch.FreqOp_Pure(14000000 + i * 12500);
        ch.Name("CH" + std::to_string(i));
    }
    doc.master.CommonObj().Comment("Field day");
    const ChannelReport report = BuildChannelReport(doc.master, "full.acf", "2026-05-01");
    const QByteArray pdf = ChannelReportPdf(report);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    ASSERT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    if (!Have(kPdfToText)) GTEST_SKIP() << "poppler-utils are not installed";

    TempDir dir;
    const std::string text = PdfText(dir, pdf);
    const std::vector<std::string> pages = Pages(text);
    ASSERT_GE(pages.size(), 9U);  // 400 channels cannot go on fewer
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        for (const std::string& s :
             {std::string("full.acf"), std::string("2026-05-01"), std::string("Comment: Field day"),
              ReportPageText(static_cast<int>(p + 1), static_cast<int>(pages.size()))})
            EXPECT_NE(pages[p].find(s), std::string::npos) << s;
    }
    EXPECT_NE(text.find("Bank A (continued)"), std::string::npos);
    for (const ReportTable& t : report.tables)
        for (const auto& row : t.rows)
            EXPECT_NE(text.find(row[1]), std::string::npos) << t.title << " " << row[1];

    if (Have(kPdfInfo)) {
        const std::string path = dir.file("r.pdf");
        const ProcessResult info = RunProcess(kPdfInfo, {path});
        EXPECT_EQ(info.exitCode, 0) << info.err;
        const std::string out = OneBlank(info.out);
        EXPECT_NE(out.find("Pages: " + std::to_string(pages.size()) + "\n"), std::string::npos)
            << out;
        EXPECT_NE(out.find("Title: full.acf\n"), std::string::npos) << out;
        EXPECT_NE(out.find("Page size: 595 x 842 pts (A4)"), std::string::npos) << out;
    }
}

TEST(ReportPainter, AReportWithoutChannelsSaysSo) {
    ChannelReport report;
    report.fileTitle = "empty.acf";
    const QByteArray pdf = ChannelReportPdf(report);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    if (!Have(kPdfToText)) GTEST_SKIP() << "poppler-utils are not installed";
    TempDir dir;
    const std::vector<std::string> pages = Pages(PdfText(dir, pdf));
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_NE(pages[0].find(kReportNoChannels), std::string::npos);
    EXPECT_NE(pages[0].find("Page 1 of 1"), std::string::npos);
}

TEST(ReportPainter, AFileIsReplacedWholeOrNotAtAll) {
    TempDir dir;
    ChannelReport report;
    report.tables.push_back(Table(3, 2, "x"));
    const std::string path = dir.file("out.pdf");
    EXPECT_EQ(WriteChannelReportPdf(report, path), kReportOk);
    std::ifstream in(path, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    EXPECT_EQ(WriteChannelReportPdf(report, dir.file("no/such/folder/out.pdf")),
              kReportCannotCreate);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
