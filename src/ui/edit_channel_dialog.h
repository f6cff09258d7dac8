// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Edit Memory": edits every field of one channel of the memory map at once
// (a VFO band, a memory channel, a program scan edge or a TV channel). Only
// the controls that apply to the channel's kind are enabled; emptying the
// frequency of a channel that may be blank greys all the others, since the
// channel is about to become blank. OK writes the controls back through the
// record's write accessors, which convert, clamp and heal every value, so
// nothing typed is ever refused. Cancel leaves the record as it was.
//
// The dialog is created once and reused: CurCh hands it the record (the
// memory map's own, not a copy) and the next show loads the controls.

#include <QDialog>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class clsRigQ5_Ch;

class frmEditCh : public QDialog {
    Q_OBJECT
  public:
    explicit frmEditCh(QWidget* parent = nullptr);

    // The record to edit; the controls are loaded when the dialog is shown next.
    void CurCh(clsRigQ5_Ch& ch);
    clsRigQ5_Ch* CurCh() const { return ch_; }
    // Moves the dialog so that it lies on the screen.
    void FormAdjust();
    // Loads the record into the controls.
    void ResetOp();
    // Enables or greys each control by whether its item is available now.
    void ActiveEnabled();
    void PartsEnabled(QWidget* control, bool enabled);
    // Availability of an item with the frequency box as typed: once the box
    // reads as a frequency, the record's rules for that frequency; before,
    // those of the record's own frequency.
    bool ItemExistsNow(int item) const;
    bool ResetPending() const { return resetPending_; }

    void cmdEditCh_Ok_Click();
    void cmdEditCh_Cancel_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FreqChanged();
    bool FreqBoxEmpty() const;
    // Whether the frequency box reads as a frequency (a digit comes before
    // anything else but blanks and one point); its value then.
    bool TypedFreq(std::int32_t& freq) const;
    // The record at the typed frequency, in use: how it will judge itself
    // after OK; nothing while the box does not read as a frequency.
    std::optional<clsRigQ5_Ch> TypedChannel() const;
    // The mode list shows AM while the typed frequency forces it.
    void FollowForcedMode();

    clsRigQ5_Ch* ch_ = nullptr;
    bool resetPending_ = false;
    bool loading_ = false;
    // The mode list shows the AM that the frequency forces; modeChoice_ is
    // what it showed before, given back once the frequency allows a choice.
    bool modeForced_ = false;
    int modeChoice_ = 0;

    QLineEdit* txtFreqOp_;
    QComboBox* cboDupDir_;
    QLineEdit* txtFreqDup_;
    QLineEdit* txtName_;
    QGroupBox* fraTSql_;
    QCheckBox* chkTSqlOn_;
    QComboBox* cboToneNo_;
    QGroupBox* fraMode_;
    QComboBox* cboModeNo_;
    QComboBox* cboTsNo_;
    QGroupBox* fraTv_;
    QComboBox* cboTvIf_;
    QGroupBox* fraFmTv_;
    QCheckBox* chkTvReverse_;
    QComboBox* cboTvSubCarrier_;
    QGroupBox* fraSkip_;
    QComboBox* cboSkipM_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
};
