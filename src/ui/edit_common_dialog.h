// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Setting": edits the receiver's set-mode values (fifteen choice lists and
// three switches) and its 16-character comment in one dialog. The values
// are read from and written straight into the working image through the
// common settings object; OK writes every control (each value clamped by
// its setting), Cancel writes nothing. The document notices a change by
// comparing its image, so the dialog sets no edit flag.
//
// Created once and reused: CurCommon hands it the settings object and the
// next show loads the controls.

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class clsRigQ5_Common;

class frmEditCommon : public QDialog {
    Q_OBJECT
  public:
    explicit frmEditCommon(QWidget* parent = nullptr);

    void CurCommon(clsRigQ5_Common& common);
    void FormAdjust();
    void ResetOp();
    bool ResetPending() const { return resetPending_; }

    void cmdEditCommon_Ok_Click();
    void cmdEditCommon_Cancel_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    clsRigQ5_Common* common_ = nullptr;
    bool resetPending_ = false;
    // In the order of CommonSettingDefs(): a list or a check box each.
    std::vector<QComboBox*> lists_;
    std::vector<QCheckBox*> checks_;
    QLineEdit* txtComment_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
};
