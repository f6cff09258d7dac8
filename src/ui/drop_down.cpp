// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drop_down.h"

#include <QComboBox>

void LimitDropDown(QComboBox& box) {
    box.setMaxVisibleItems(kDropDownRows);
    // Styles with a menu-like pop-up ignore the row limit; the plain list
    // pop-up keeps it.
    box.setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}
