// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document and clone commands' questions, messages and progress as the
// window program shows them: the program's message boxes (through the
// dialog seam), the modal "Cloning" progress dialog of the main window, and
// the main window's channel views.

#include <QPointer>
#include <QWidget>

#include "app/command_ui.h"

class frmMain;

class WindowCommandUi : public CommandUi {
  public:
    // The main window is set once it exists (it is built after the
    // commands that speak through this object); until then messages have no
    // owner window and the progress and views are left alone.
    explicit WindowCommandUi(frmMain* window = nullptr) : window_(window) {}
    void Window(frmMain* window) { window_ = window; }
    // The window that stands in for the main window while that is not
    // shown yet (the initial setup dialog); null for none.
    void StandIn(QWidget* window) { standIn_ = window; }

    bool AskOkCancel(const std::string& text) override;
    // A Yes/No box: No writes nothing.
    bool AllowBlanking(const std::string& question,
                       const std::vector<std::string>& places) override;
    void ShowError(const std::string& text) override;
    void ShowNotice(const std::string& text) override;
    void ShowInformation(const std::string& title, const std::string& text) override;
    // In the main window's status bar, until the next note.
    void ShowStatus(const std::string& text) override;

    // Shows the progress dialog modally: returns when the serial tick has
    // closed it (the command has ended by then).
    void ProgressCancelable(bool value) override;
    void ProgressShow() override;
    void ProgressValue(int value) override;
    void ProgressLabel(const std::string& text) override;
    void ProgressClose() override;

    void WaitCursor(bool on) override;

    void DispChList() override;
    void ResetViews() override;

  private:
    // The window a message box belongs to.
    QWidget* Owner() const;

    frmMain* window_;
    QPointer<QWidget> standIn_;
};
