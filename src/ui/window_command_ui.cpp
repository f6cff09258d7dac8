// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_command_ui.h"

#include <QApplication>

#include "ui/clone_progress.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/msgbox.h"

namespace {
// Message boxes belong to the window the user works in: the initial setup
// dialog before the main window is shown, else the main window.
QWidget* Owner(frmMain* window) {
    QWidget* active = QApplication::activeModalWidget();
    if (!active) active = QApplication::activeWindow();
    return active ? active : window;
}
}  // namespace

bool WindowCommandUi::AskOkCancel(const std::string& text) {
    return MsgBoxOkCancel(text, Owner(window_)) == kMsgOk;
}

void WindowCommandUi::ShowError(const std::string& text) {
    MsgBoxOk(text, Owner(window_));
}

void WindowCommandUi::ShowNotice(const std::string& text) {
    MsgBoxOk(text, Owner(window_));
}

void WindowCommandUi::ShowInformation(const std::string& title, const std::string& text) {
    MsgBoxPlain(text, QString::fromStdString(title), Owner(window_));
}

void WindowCommandUi::ProgressCancelable(bool value) {
    if (window_) window_->CloneProgress().Cancelable(value);
}

void WindowCommandUi::ProgressShow() {
    if (!window_) return;
    frmCloneProgress& progress = window_->CloneProgress();
    // The caller has centred it over its window; keep it on the screen.
    progress.FormAdjust();
    Dialogs().ShowModal(progress);
}

void WindowCommandUi::ProgressValue(int value) {
    if (!window_) return;
    frmCloneProgress& progress = window_->CloneProgress();
    if (progress.Value() != value) progress.Value(value);
}

void WindowCommandUi::ProgressClose() {
    if (window_) window_->CloneProgress().Terminate();
}

void WindowCommandUi::WaitCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void WindowCommandUi::DispChList() {
    if (window_) window_->DispChList();
}

void WindowCommandUi::ResetViews() {
    if (window_) window_->ResetRig();
}
