// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed channel list a user carries with the receiver: what File >
// Print... and Export PDF... and csq5-cli export-pdf put on paper. This is
// the content only; the pages are painted by the Qt layer (file/qt).
//
// One table per channel list that has channels in use, in the order of the
// tree, with the grid's columns and cell texts (the empty last column of the
// grid left out). Blank channels, and VFO bands the receiver version lacks,
// are left out. Every page carries a header with the data file's name, the
// receiver's comment and the date, and a page number.

#include <ctime>
#include <string>
#include <vector>

#include "model/master.h"

struct ReportTable {
    std::string title;                           // the list's name in the tree ("Bank A")
    std::vector<std::string> columns;            // column titles, blanks trimmed
    std::vector<std::vector<std::string>> rows;  // one per channel in use, cells trimmed
};

struct ChannelReport {
    std::string fileTitle;  // the data file's name, "Untitled" for a new document
    std::string comment;    // the receiver's comment, trailing blanks trimmed
    std::string date;       // "YYYY-MM-DD"
    std::vector<ReportTable> tables;
};

// The report of the document as the records hold it.
ChannelReport BuildChannelReport(const clsRigQ5_Master& master, const std::string& fileTitle,
                                 const std::string& date);

// The local date of a time as "YYYY-MM-DD".
std::string ReportDateText(std::time_t when);

// Texts of every page: the comment line and the page number.
std::string ReportCommentLine(const ChannelReport& report);  // "Comment: ..."
std::string ReportPageText(int page, int pages);             // "Page 2 of 5"
// A report without a single channel in use still prints its header and says so.
inline constexpr const char* kReportNoChannels = "No channel is in use.";

// When the printer the print dialog chose cannot be painted on.
inline constexpr const char* kReportCannotPrint = "Cannot print.";

// The PDF file name offered for a data file title: "my.acf" gives "my.pdf".
std::string ReportPdfName(const std::string& fileTitle);
