// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of a list window (backups, differences): whole rows chosen one
// at a time, nothing edited, Tab leaves the table; each cell the text as
// the core gives it.

#include <QHeaderView>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <string>

inline void SetUpReadOnlyList(QTableWidget& table) {
    table.verticalHeader()->setVisible(false);
    table.horizontalHeader()->setStretchLastSection(true);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setTabKeyNavigation(false);
}

inline QTableWidgetItem* ReadOnlyCell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}
