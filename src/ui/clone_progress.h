#pragma once
// The "Cloning" progress dialog. It is shown modally while a clone
// operation runs; the user cannot close it: the serial tick moves its bar
// and closes it (Terminate) when the operation ends or fails. The bar's
// value comes from the clone commands (CloneProgressValue of the core).

#include <QDialog>

class QProgressBar;

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

    QProgressBar* pgbClone() const { return pgbClone_; }

  public slots:
    void reject() override;  // Escape does not close it

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QProgressBar* pgbClone_;
    bool resetPending_ = true;
    bool terminating_ = false;
};
