// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's drop-down lists open as a list of at most 20 entries that
// scrolls, even in desktop styles whose own pop-up would show every entry
// (a 127-entry list would cover the screen).

class QComboBox;

inline constexpr int kDropDownRows = 20;

void LimitDropDown(QComboBox& box);
