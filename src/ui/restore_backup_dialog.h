// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > Restore Backup...: the backups of clone reads, newest first, with
// the date and time of each read and the receiver's comment in it. Open
// takes the chosen one as an untitled document, ready to be written back;
// Compare lists its differences with the document shown. The dialog only
// asks; the main window does the rest.

#include <QDialog>
#include <string>
#include <vector>

#include "file/read_backups.h"

class QPushButton;
class QTableWidget;

class frmRestoreBackup : public QDialog {
    Q_OBJECT
  public:
    enum class Choice { None, Open, Compare };

    explicit frmRestoreBackup(std::vector<BackupEntry> backups, QWidget* parent = nullptr);

    // After showing: what the user chose, and the backup it was for.
    Choice Chosen() const { return chosen_; }
    std::string ChosenPath() const;

    QTableWidget* List() const { return grdRestoreBackup_List_; }

  private:
    void Choose(Choice choice);

    QTableWidget* grdRestoreBackup_List_;
    std::vector<BackupEntry> backups_;
    Choice chosen_ = Choice::None;
    int chosenRow_ = -1;
};
