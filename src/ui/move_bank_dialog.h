// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Edit > Move to Bank...: the keyboard's way of dropping a channel onto a
// memory bank of the tree. It only asks which bank; the move itself goes
// the same way as a drop (the bank's first blank channel, one undo step).

#include <QDialog>
#include <QStringList>

class QListWidget;

class frmMoveToBank : public QDialog {
    Q_OBJECT
  public:
    explicit frmMoveToBank(QWidget* parent = nullptr);

    // Before showing: the banks offered (their tree captions), the first
    // one chosen.
    void Prepare(const QStringList& banks);
    // After showing: the index of the bank chosen with OK; -1 for Cancel.
    int Chosen() const { return chosen_; }

  private:
    QListWidget* lstMoveToBank_;
    int chosen_ = -1;
};
