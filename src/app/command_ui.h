// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the document and clone commands need from whoever runs them: the
// user's answer to a question, a place to show a message, the progress of a
// clone operation, and a redraw of the channel views. The window program
// answers with message boxes and a modal progress dialog; the command-line
// tool with its arguments, its output streams and a percentage on the
// terminal. Every text is built by the commands; texts may hold CR LF line
// breaks.

#include <string>
#include <vector>

class CommandUi {
  public:
    virtual ~CommandUi() = default;

    // An OK/Cancel question (exclamation icon, title "CS-Q5"); True = OK.
    virtual bool AskOkCancel(const std::string& text) = 0;
    // A clone write would blank the channels named (places, each as
    // "Bank A 03: 2999.990000"); question asks whether to write anyway.
    // True = write them blank. Nothing is written unless asked and allowed.
    virtual bool AllowBlanking(const std::string& /*question*/,
                               const std::vector<std::string>& /*places*/) {
        return false;
    }
    // A failure the user must read (exclamation icon, OK, title "CS-Q5").
    virtual void ShowError(const std::string& text) = 0;
    // A success notice in the same kind of box as ShowError.
    virtual void ShowNotice(const std::string& text) = 0;
    // A plain box without icon, with its own title.
    virtual void ShowInformation(const std::string& title, const std::string& text) = 0;
    // A one-line note that a command succeeded without a message box of its
    // own (the window program's status bar); nothing where there is no such
    // place.
    virtual void ShowStatus(const std::string& /*text*/) {}

    // The clone progress display: shown when an operation starts (the
    // window program shows it modally), its bar 0..100, and closed by the
    // serial tick when the operation ends or fails.
    virtual void ProgressShow() {}
    // Told before ProgressShow: whether the operation may be stopped by the
    // user (CloneCommands::Cancel); a write may not.
    virtual void ProgressCancelable(bool /*value*/) {}
    virtual void ProgressValue(int /*value*/) {}
    // What the bar shows when one display covers two operations (a write
    // and the read that verifies it); empty for none.
    virtual void ProgressLabel(const std::string& /*text*/) {}
    virtual void ProgressClose() {}

    // A file is being read or written: the window program shows the wait
    // cursor meanwhile. It is off again before any message about the file.
    virtual void WaitCursor(bool /*on*/) {}

    // The channel data changed: show the current channel list again.
    virtual void DispChList() {}
    // The receiver version changed: lists, tree and grid are built anew
    // (the memory map itself has been reset already).
    virtual void ResetViews() {}
};
