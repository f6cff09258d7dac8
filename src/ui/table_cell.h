// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A cell of a list window's table (backups, differences): the text as the
// core gives it, selectable but not editable.

#include <QTableWidgetItem>
#include <string>

inline QTableWidgetItem* ReadOnlyCell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}
