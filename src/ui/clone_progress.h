#pragma once
// The "Cloning" progress dialog. It is shown modally while a clone
// operation runs; the user cannot close it: the serial tick moves its bar
// and closes it (Terminate) when the operation ends or fails.

#include <QDialog>
#include <cstdint>

class QProgressBar;

// Bar value during a clone: full at the end of a write (driver work mode 4),
// else in proportion to the driver's last image address over the 8064
// bytes of the image, limited to 0..maximum.
int CloneProgressValue(int workMode, std::int32_t lastEeAdr, int maximum = 100);

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
