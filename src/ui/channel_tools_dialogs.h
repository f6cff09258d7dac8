// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Edit > Bulk Edit... and Edit > Fill Channels...: the questions before a
// change to many channels. Bulk Edit offers the channel dialog's fields
// that make sense for many channels at once, each behind a check box that
// unlocks it; Fill asks the start frequency, spacing, count, a name
// pattern, mode and step. The changes themselves and their counts are the
// core's (channel_tools.h); these only gather what the user chose.

#include <QDialog>

#include "model/channel_tools.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class clsRigQ5_Matrix;

class frmBulkEdit : public QDialog {
    Q_OBJECT
  public:
    explicit frmBulkEdit(QWidget* parent = nullptr);

    // Before showing: the lists of the receiver version, the caption with
    // the number of channels; every box unticked.
    void Prepare(const clsRigQ5_Matrix& matrix, const QString& place);
    // After showing: whether OK was pressed, and the ticked fields.
    bool Chosen() const { return chosen_; }
    BulkChanges Changes() const;

    // The check box of a field by its name ("Mode", "Step", ...) for tests
    // and the field it unlocks.
    QCheckBox* Tick(const char* field) const;

  private:
    void Follow();

    QCheckBox *chkMode_, *chkStep_, *chkSkip_, *chkDuplex_, *chkTSql_, *chkName_;
    QComboBox *cboMode_, *cboStep_, *cboSkip_, *cboDupDir_, *cboTone_, *cboNameRule_;
    QComboBox* cboTSql_;
    QLineEdit *txtOffset_, *txtName_;
    QSpinBox* spnFirst_;
    bool chosen_ = false;
};

class frmFillChannels : public QDialog {
    Q_OBJECT
  public:
    explicit frmFillChannels(QWidget* parent = nullptr);

    // Before showing: the version's lists, the first channel ("Bank C 00")
    // and the most channels that fit from there.
    void Prepare(const clsRigQ5_Matrix& matrix, const QString& place, int maxCount);
    // After OK: the request; OK stays with the dialog until the frequency
    // and spacing read as numbers.
    bool Chosen() const { return chosen_; }
    FillRequest Request() const;

  private:
    void Accept();

    QLineEdit *txtStart_, *txtSpacing_, *txtName_;
    QSpinBox *spnCount_, *spnFirst_;
    QCheckBox *chkMode_, *chkStep_;
    QComboBox *cboMode_, *cboStep_;
    bool chosen_ = false;
};
