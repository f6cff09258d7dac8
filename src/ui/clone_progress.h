// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Cloning" progress dialog. It is shown modally while a clone
// operation runs; the serial tick moves its bar and closes it (Terminate)
// when the operation ends or fails. The bar's value comes from the clone
// commands (CloneProgressValue of the core). A read or an identification
// can be stopped with its Cancel button (cmdCancel); a write cannot, since
// a receiver left with half its memory written is worse than a finished
// write, so the button is hidden for it.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class frmCloneProgress : public QDialog {
    Q_OBJECT
  public:
    explicit frmCloneProgress(QWidget* parent = nullptr);

    // Shows a value limited to the bar's range.
    void Value(int value);
    int Value() const;
    int Maximum() const;
    // Hides the dialog (ending its modal display) and resets it on its next show.
    void Terminate();
    // Moves the dialog so that it lies fully on its screen.
    void FormAdjust();

    // What the bar stands for when it covers two operations (a write and
    // the read that verifies it); empty hides the line.
    void Label(const QString& text);
    QString Label() const;

    QProgressBar* pgbClone() const { return pgbClone_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }
    // Whether the running operation may be stopped (shows cmdCancel).
    void Cancelable(bool value);
    bool Cancelable() const { return cancelable_; }

  signals:
    // The user asked to stop the operation (cmdCancel, or Escape while
    // the button is shown); the owner stops it and terminates the dialog.
    void cancelRequested();

  public slots:
    void reject() override;  // Escape never closes it by itself

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FitSize();

    QLabel* lblClone_;
    QProgressBar* pgbClone_;
    QPushButton* cmdCancel_;
    bool cancelable_ = false;
    bool resetPending_ = true;
    bool terminating_ = false;
};
