// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window program's long-lived objects and their wiring, created once at
// start and kept until the process ends: the radio document and its memory
// map, the profile and the recent file list, the serial port service with
// its 50 ms heartbeat, the clone sequence, the document, edit and clone
// commands, the main window, and the initial setup dialog when it is due.
// main() only adds the single-instance rule and the event loop; the tests
// build this object the same way.

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "app/profile.h"
#include "app/recent_file.h"
#include "clone/acf3_sequence.h"
#include "clone/clone_commands.h"
#include "clone/qt/qt_com_service.h"
#include "file/document_commands.h"
#include "file/read_backups.h"
#include "image/radio.h"
#include "model/master.h"
#include "model/undo_history.h"
#include "ui/edit_commands.h"
#include "ui/main_window.h"
#include "ui/master_model.h"
#include "ui/setup_dialog.h"
#include "ui/window_command_ui.h"

class DemoReceiver;

class Csq5Program {
  public:
    // profileFile: the profile to use (a test's own); empty for the
    // program's default CSQ5.rs.
    explicit Csq5Program(const std::string& profileFile = std::string());
    ~Csq5Program();
    Csq5Program(const Csq5Program&) = delete;
    Csq5Program& operator=(const Csq5Program&) = delete;

    // Loads the settings, starts the heartbeat and shows the initial setup
    // (no receiver version known, or the arguments are exactly "/S") or the
    // main window; a data file named as the only argument is opened (after
    // the initial setup, when that runs). "--demo" runs the demo receiver on
    // COM1 for this run (its reads are copied to the demo folder, and the
    // COM port chosen during the run is not stored). arguments: the command
    // line after the program name.
    void Start(const QStringList& arguments);

    // A data file that a later start of the program handed over (opened
    // from the file manager while this copy runs): the main window comes to
    // the front and opens it as File > Open does, once no dialog is up.
    // Requests wait meanwhile, in order.
    void OpenRequested(const QString& path);

    // The in-process demo receiver of "--demo"; null when not running.
    DemoReceiver* Demo() const { return demo_.get(); }

    // The COM slots' devices ("OPTION" "ComDevice(n)"), as the service
    // resolves them; setting them stores them in the profile at once.
    const std::map<int, std::string>& ComDevices() const { return comDevices_; }
    void ComDevices(const std::map<int, std::string>& devices);
    // The device a slot opens now (its own, else the n-th port found).
    std::string ComDeviceOf(int slot) const;

    // Everything the settings store keeps, written at close.
    bool SaveSettings();

    frmMain& Window() { return window_; }
    // The initial setup dialog while it is open; null otherwise.
    frmSetup* Setup() const { return setup_.data(); }
    CloneCommands& Clone() { return clone_; }
    DocumentCommands& Document() { return doc_; }
    EditCommands& Edit() { return edit_; }
    UndoHistory& History() { return history_; }
    ReadBackups& Backups() { return backups_; }
    QtComService& Service() { return service_; }
    clsRigQ5_Master& Master() { return master_; }
    clsCmcRadio& Radio() { return radio_; }
    clsCmcProfileIO& Profile() { return profile_; }

  private:
    void AssignComDevices();
    void ShowSetup();
    void StartDemo();
    void OpenAtStart(const std::string& path);
    void ServeOpenRequests();
    // Whether a dialog, a message box, a menu or a File or Cloning command
    // is up, or the main window is not shown yet.
    bool UserBusy() const;

    clsCmcRadio radio_;
    clsRigQ5_Master master_{radio_};
    // The document's undo steps and the copies of clone reads.
    UndoHistory history_{master_};
    ReadBackups backups_{DefaultReadBackupFolder()};
    clsCmcRecentFile recent_;
    clsCmcProfileIO profile_;
    QtComService service_;
    clsCmcAcf3Sequence sequence_;
    // The commands speak through the main window, which is built after them
    // (it asks the model at once).
    WindowCommandUi ui_;
    DocumentCommands doc_;
    EditCommands edit_;
    CloneCommands clone_;
    MasterWindowModel model_;
    frmMain window_;
    QPointer<frmSetup> setup_;
    std::map<int, std::string> comDevices_;
    std::unique_ptr<DemoReceiver> demo_;
    // The COM port the profile had at start, kept by a demo run.
    int storedComPort_ = 1;
    std::deque<QString> openRequests_;
    QTimer openRetry_;
    bool closed_ = false;
};
