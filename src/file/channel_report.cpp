// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/channel_report.h"

#include <array>

#include "app/common.h"
#include "model/grid_texts.h"

ChannelReport BuildChannelReport(const clsRigQ5_Master& master, const std::string& fileTitle,
                                 const std::string& date) {
    ChannelReport report;
    report.fileTitle = fileTitle;
    report.comment = TrimRight(master.CommonObj().Comment());
    report.date = date;

    for (int key = 0; key < master.NumTreeKey(); ++key) {
        const int type = master.TreeKeyChListType(key);
        if (type >= clsRigQ5_Master::kListFolder) continue;
        // The grid's columns without its empty filler column.
        std::vector<int> shown;
        ReportTable table;
        table.title = TreeKeyCaption(master, key);
        const std::vector<std::string> titles = ChannelColumnTitles(master, key);
        for (int c = 0; c < static_cast<int>(titles.size()); ++c) {
            if (master.ItemNoOfChListType(type, c) == clsRigQ5_Ch::kItemLast) continue;
            shown.push_back(c);
            table.columns.push_back(Trim(titles[static_cast<std::size_t>(c)], " "));
        }
        for (int row = 0; row < master.NumChOfChListType(type); ++row) {
            const clsRigQ5_Ch* ch = master.ChUnit(key, row);
            if (ch == nullptr || !ch->Usable() || !ch->AppearCh()) continue;
            const std::vector<std::string> cells = ChannelRowTexts(master, key, row);
            std::vector<std::string> printed;
            for (const int c : shown) {
                printed.push_back(static_cast<std::size_t>(c) < cells.size()
                                      ? Trim(cells[static_cast<std::size_t>(c)], " ")
                                      : std::string());
            }
            table.rows.push_back(std::move(printed));
        }
        if (!table.rows.empty()) report.tables.push_back(std::move(table));
    }
    return report;
}

std::string ReportDateText(std::time_t when) {
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) return {};
    std::array<char, 16> text{};
    const std::size_t n = std::strftime(text.data(), text.size(), "%Y-%m-%d", &local);
    return std::string(text.data(), n);
}

std::string ReportCommentLine(const ChannelReport& report) {
    return "Comment: " + report.comment;
}

std::string ReportPageText(int page, int pages) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}

std::string ReportPdfName(const std::string& fileTitle) {
    std::string base = fileTitle.empty() ? std::string("Untitled") : fileTitle;
    const auto dot = base.rfind('.');
    if (dot != std::string::npos && dot > 0) base.erase(dot);
    return base + ".pdf";
}
