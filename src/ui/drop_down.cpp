// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drop_down.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>

void LimitDropDown(QComboBox& box) {
    box.setMaxVisibleItems(kDropDownRows);
    // The open list is read by a screen reader as a list of its own.
    box.view()->setAccessibleName(QCoreApplication::translate("DropDown", "Choices"));
    // Styles with a menu-like pop-up ignore the row limit; the plain list
    // pop-up keeps it.
    box.setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}
