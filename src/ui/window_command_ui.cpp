// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_command_ui.h"

#include <QApplication>
#include <QStatusBar>

#include "ui/clone_progress.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/msgbox.h"

QWidget* WindowCommandUi::Owner() const {
    // Message boxes belong to the window the user works in, which is one in
    // view: a box placed over a window that is hidden (the main window
    // before the initial setup is over, the progress dialog the failure has
    // just closed) would cover whatever is there instead.
    for (QWidget* w : {QApplication::activeModalWidget(), QApplication::activeWindow()})
        if (w && w->isVisible()) return w;
    if (window_ && window_->isVisible()) return window_;
    if (standIn_ && standIn_->isVisible()) return standIn_;
    return window_;
}

bool WindowCommandUi::AskOkCancel(const std::string& text) {
    return MsgBoxOkCancel(text, Owner()) == kMsgOk;
}

bool WindowCommandUi::AllowBlanking(const std::string& question, const std::vector<std::string>&) {
    return MsgBoxYesNo(question, Owner()) == kMsgYes;
}

void WindowCommandUi::ShowError(const std::string& text) {
    MsgBoxOk(text, Owner());
}

void WindowCommandUi::ShowNotice(const std::string& text) {
    MsgBoxOk(text, Owner());
}

void WindowCommandUi::ShowInformation(const std::string& title, const std::string& text) {
    MsgBoxPlain(text, QString::fromStdString(title), Owner());
}

void WindowCommandUi::ShowStatus(const std::string& text) {
    if (window_) window_->statusBar()->showMessage(QString::fromStdString(text));
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

void WindowCommandUi::ProgressLabel(const std::string& text) {
    if (window_) window_->CloneProgress().Label(QString::fromStdString(text));
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
