// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's message boxes: exclamation icon, title "CS-Q5". Texts may
// hold a backslash + "n" pair or CR LF where a line breaks.

#include <QString>
#include <string>

class QWidget;

// The text as shown: backslash + "n" and CR LF become line breaks.
QString MsgText(const std::string& text);

int MsgBoxOk(const std::string& text, QWidget* parent = nullptr);        // 1
int MsgBoxOkCancel(const std::string& text, QWidget* parent = nullptr);  // 1 OK, 2 Cancel
int MsgBoxYesNo(const std::string& text, QWidget* parent = nullptr);     // 6 Yes, 7 No
// Yes 6, No 7, Cancel (or closing the box) 2; used by the save question.
int MsgBoxYesNoCancel(const std::string& text, QWidget* parent = nullptr);
// A box without icon and with the given title (the receiver information).
int MsgBoxPlain(const std::string& text, const QString& title, QWidget* parent = nullptr);
