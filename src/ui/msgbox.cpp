// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/msgbox.h"

#include "app/common.h"
#include "ui/caption.h"
#include "ui/core_texts.h"
#include "ui/dialogs.h"

QString MsgText(const std::string& text) {
    QString shown = QString::fromLocal8Bit(ConvNewLine(text));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Every message is built in English, by the core or by the window; it
    // is shown in the user's language.
    return CoreText(shown);
}

namespace {
int Show(const std::string& text, MsgButtons buttons, QWidget* parent) {
    return Dialogs().MessageBox(parent, MsgText(text), kProgramName, buttons, MsgIcon::Exclamation);
}
}  // namespace

int MsgBoxOk(const std::string& text, QWidget* parent) {
    return Show(text, MsgButtons::Ok, parent);
}

int MsgBoxOkCancel(const std::string& text, QWidget* parent) {
    return Show(text, MsgButtons::OkCancel, parent);
}

int MsgBoxYesNo(const std::string& text, QWidget* parent) {
    return Show(text, MsgButtons::YesNo, parent);
}

int MsgBoxYesNoCancel(const std::string& text, QWidget* parent) {
    return Show(text, MsgButtons::YesNoCancel, parent);
}

int MsgBoxPlain(const std::string& text, const QString& title, QWidget* parent) {
    return Dialogs().MessageBox(parent, MsgText(text), CoreText(title), MsgButtons::Ok,
                                MsgIcon::None);
}
