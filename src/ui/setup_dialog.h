// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The initial setup: the program learns the receiver's version from the
// receiver itself before it clones. The user picks the COM port and presses
// OK; the program asks the receiver for its identification, whose check sets
// the version and rebuilds the initial image. On success the port becomes
// the main window's port and the channel lists are rebuilt for the version;
// on failure (reported by the clone failure message) the dialog stays open
// for another try. "Detect cable" finds the cable's device while the user
// plugs it in and chooses the port that opens it, or gives it to the chosen
// port at OK. Cancel skips the setup and changes nothing: the data can
// be edited, but not cloned. Either way the main window is shown next.

#include <QDialog>
#include <QString>
#include <functional>

class CableDetect;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class frmMain;

// Runs the identification of the initial setup on a COM port (1..4): shows
// the progress while the serial tick drives it, reports a failure through
// the clone failure message, and returns the result code (0 success).
using InitialIdentification = std::function<int(int comPort)>;

class frmSetup : public QDialog {
    Q_OBJECT
  public:
    // The main window must outlive the dialog.
    frmSetup(frmMain& main, InitialIdentification identify, QWidget* parent = nullptr);

    // The instructions, lines ended by CR LF.
    static QString SetupText();

    // "Detect cable": deviceOf tells which device a COM port (1..4) opens;
    // assign gives a port a device of its own (stored in the profile).
    void CableHooks(std::function<QString(int port)> deviceOf,
                    std::function<void(int port, const QString& device)> assign);
    CableDetect& Detect() const { return *detect_; }

    void cmdSetup_Ok_Click();
    void cmdSetup_Cancel_Click();
    // The port list's entries with each slot's device, as the COM Port
    // menu shows them ("COM1 (/dev/ttyUSB0)"); the selection stays.
    void ShowPortDevices();
    // True once the dialog has closed.
    bool Unloaded() const { return unloaded_; }

  protected:
    void done(int result) override;

  private:
    void Form_Unload();
    void CableFound(const QString& path, const QString& description);

    frmMain& main_;
    InitialIdentification identify_;
    QPlainTextEdit* txtSetupText_;
    QComboBox* cboComPort_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
    CableDetect* detect_;
    std::function<QString(int)> deviceOf_;
    std::function<void(int, const QString&)> assign_;
    // A cable found that no port opens yet: the chosen port gets it at OK.
    QString cable_;
    bool unloaded_ = false;
    bool running_ = false;
};
