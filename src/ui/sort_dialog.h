// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Edit > Sort Bank...: asks whether the bank's channels go in order of
// frequency or of name. The sort itself is the core's.

#include <QDialog>

class QRadioButton;

class frmSortBank : public QDialog {
    Q_OBJECT
  public:
    explicit frmSortBank(QWidget* parent = nullptr);

    // Before showing: the caption names the bank ("Sort Bank A").
    void Prepare(const QString& bankCaption);
    // After showing: whether OK was pressed, and the order chosen.
    bool Chosen() const { return chosen_; }
    bool ByName() const;

  private:
    QRadioButton* optSort_Frequency_;
    QRadioButton* optSort_Name_;
    bool chosen_ = false;
};
