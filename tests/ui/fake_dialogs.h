// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A DialogService for tests: records every message box and modal dialog,
// answers from queues filled by the test, never runs an event loop.

#include <QDialog>
#include <QPrinter>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "ui/dialogs.h"

class FakeDialogs : public DialogService {
  public:
    struct Message {
        QString text;
        QString title;
        MsgButtons buttons;
        QWidget* parent;  // the window the box belongs to
    };
    std::vector<Message> messages;
    std::deque<int> answers;        // message box answers; OK/Cancel default: Cancel
    std::deque<QString> openNames;  // empty string: the user cancels
    std::deque<QString> saveNames;
    QStringList shownDialogs;  // objectName of every dialog shown modally
    int saveCalls = 0;
    std::function<void(QDialog&)> onShowModal;
    std::function<void(const QString&)> onMessage;  // runs while the box is "open"

    FakeDialogs() { SetDialogs(this); }
    ~FakeDialogs() override { SetDialogs(nullptr); }

    int MessageBox(QWidget* parent, const QString& text, const QString& title, MsgButtons buttons,
                   MsgIcon) override {
        messages.push_back({text, title, buttons, parent});
        if (onMessage) onMessage(text);
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MsgButtons::Ok ? kMsgOk : kMsgCancel;
    }
    QStringList fileDialogTitles;  // of the open and save dialogs, in order
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString& title) override {
        fileDialogTitles << title;
        return Pop(openNames);
    }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString& title) override {
        fileDialogTitles << title;
        ++saveCalls;
        return Pop(saveNames);
    }
    QStringList openedFolders;
    bool fileManager = true;  // False: no file manager could show a folder
    bool OpenFolder(const QString& path) override {
        openedFolders << path;
        return fileManager;
    }
    QStringList openedLinks;
    bool browser = true;  // False: no browser could open a link
    bool OpenLink(const QString& url) override {
        openedLinks << url;
        return browser;
    }
    int ShowModal(QDialog& dialog) override {
        shownDialogs << dialog.objectName();
        if (onShowModal) onShowModal(dialog);
        return QDialog::Accepted;
    }
    // The print dialog: the test sets the printer up (a PDF file, say) and
    // answers; without an answer the user cancels.
    std::function<bool(QPrinter&)> onPrint;
    bool PrintDialog(QWidget*, QPrinter& printer) override {
        return onPrint ? onPrint(printer) : false;
    }

  private:
    static QString Pop(std::deque<QString>& q) {
        if (q.empty()) return QString();
        QString s = q.front();
        q.pop_front();
        return s;
    }
};
