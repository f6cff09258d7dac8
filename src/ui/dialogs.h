// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seam between the program and the modal pieces of the desktop: message
// boxes, file dialogs and the modal display of the program's own dialogs.
// The program asks the current DialogService; the real one opens Qt
// dialogs, a test installs its own and answers without any event loop.

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

// Button sets of the message boxes, and the answers as the program counts
// them (OK 1, Cancel 2, Yes 6, No 7).
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Exclamation };
enum MsgResult : int { kMsgOk = 1, kMsgCancel = 2, kMsgYes = 6, kMsgNo = 7 };

class DialogService {
  public:
    virtual ~DialogService() = default;

    // Shows a message box; text lines are separated by "\n". Returns a
    // MsgResult; closing the box counts as Cancel (as No for Yes/No, as OK
    // for a box with OK only).
    virtual int MessageBox(QWidget* parent, const QString& text, const QString& title,
                           MsgButtons buttons, MsgIcon icon) = 0;

    // Open and save dialogs, titled for the command ("Export PDF"); an
    // empty result means the user cancelled. The save dialog asks before
    // overwriting an existing file.
    virtual QString OpenFileName(QWidget* parent, const QString& folder, const QString& filter,
                                 const QString& title) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& suggestedPath,
                                 const QString& filter, const QString& title) = 0;

    // Shows one of the program's dialogs modally; returns when it is hidden.
    virtual int ShowModal(QDialog& dialog) = 0;

    // The platform's print dialog on a printer (it also offers printing
    // into a PDF file); False when the user cancelled.
    virtual bool PrintDialog(QWidget* parent, QPrinter& printer) = 0;

    // Shows a folder in the desktop's file manager; False when none could.
    virtual bool OpenFolder(const QString& path);
    // Opens a web address in the desktop's browser; False when none could.
    virtual bool OpenLink(const QString& url);
};

// The Qt dialogs.
class QtDialogService : public DialogService {
  public:
    int MessageBox(QWidget* parent, const QString& text, const QString& title, MsgButtons buttons,
                   MsgIcon icon) override;
    QString OpenFileName(QWidget* parent, const QString& folder, const QString& filter,
                         const QString& title) override;
    QString SaveFileName(QWidget* parent, const QString& suggestedPath, const QString& filter,
                         const QString& title) override;
    int ShowModal(QDialog& dialog) override;
    bool PrintDialog(QWidget* parent, QPrinter& printer) override;
};

// The service in use; the Qt one unless another was installed.
DialogService& Dialogs();
// Installs a service (nullptr: back to the Qt one). The caller keeps it alive.
void SetDialogs(DialogService* service);
