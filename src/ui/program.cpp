// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

#include "clone/com_ports.h"
#include "clone/qt/qt_serial_line.h"
#include "model/master_profile.h"
#include "sim/qt/demo_receiver.h"
#include "ui/cable_detect.h"
#include "ui/caption.h"
#include "ui/clone_progress.h"
#include "ui/com_devices_dialog.h"
#include "ui/dialogs.h"
#include "ui/main_settings.h"
#include "ui/msgbox.h"

namespace {
// How often a handed-over data file looks again whether the user is free.
constexpr int kOpenRetryMs = 200;
constexpr int kRecentFiles = 4;
constexpr int kNumComSlots = 4;
constexpr double kSetupTopShare = 0.4;
}  // namespace

Csq5Program::Csq5Program(const std::string& profileFile)
    : sequence_(service_.com(), radio_, master_),
      doc_(master_, ui_),
      edit_(master_),
      clone_(sequence_, master_, doc_, ui_),
      model_(master_, doc_, edit_, &clone_),
      window_(&model_, &radio_) {
    PrepareRxQ5Document(radio_);
    if (profileFile.empty()) {
        profile_.SetDefaultProfile();
    } else {
        const std::filesystem::path file(profileFile);
        const std::string folder = file.parent_path().string();
        profile_.Path(folder.empty() ? std::string() : folder + "/");
        profile_.Name(file.filename().string());
    }
    recent_.MaxIndex(kRecentFiles);
    doc_.RecentFiles(&recent_);
    model_.recentFiles(&recent_);
    doc_.History(&history_);
    edit_.History(&history_);
    model_.history(&history_);
    clone_.Backups(&backups_);
    model_.backupFolder(backups_.Folder());
    edit_.Window(&window_);
    ui_.Window(&window_);

    // The serial tick: the window's task (one clone step, the progress, the
    // port marks), then the port-level error check through the clone
    // failure message.
    service_.com().mainTask([this] { window_.task(); });
    service_.com().errorReport([this] { clone_.MsgBoxCloneErr(); });
    service_.com().mainBusy([this] { return clone_.Busy(); });
    window_.ComDeviceHooks([this](int slot) { return QString::fromStdString(ComDeviceOf(slot)); },
                           [this] { AssignComDevices(); });
    // The progress dialog's Cancel stops a read or an identification.
    QObject::connect(&window_.CloneProgress(), &frmCloneProgress::cancelRequested,
                     [this] { clone_.Cancel(); });
    openRetry_.setSingleShot(true);
    openRetry_.setInterval(kOpenRetryMs);
    QObject::connect(&openRetry_, &QTimer::timeout, [this] { ServeOpenRequests(); });
    QObject::connect(&window_, &frmMain::Closing, [this] {
        service_.Stop();  // the port closes before the settings are written
        SaveSettings();
        closed_ = true;
    });
}

Csq5Program::~Csq5Program() {
    service_.Stop();
    edit_.Window(nullptr);
    if (setup_) delete setup_.data();
}

void Csq5Program::Start(const QStringList& arguments) {
    const StartupRequest request = StartupRequestOf(arguments);

    // Settings: the window's, then the receiver version, the initial image of
    // that version, the recent files, and the views rebuilt for the version.
    MainSettings settings;
    LoadMainSettings(settings, profile_);
    MasterLoadData(master_, profile_);
    master_.Init_MakeInitial();
    recent_.loadData(profile_);
    std::map<int, std::string> devices;
    profile_.Section("OPTION");
    for (int slot = 1; slot <= kNumComSlots; ++slot) {
        std::string device;
        profile_.loadData(ComDeviceProfileKey(slot), device, std::string());
        if (!device.empty()) devices[slot] = device;
    }
    comDevices_ = devices;
    service_.comDevices(devices);
    // A profile that could not be read is left alone; the program runs on
    // the defaults, so the user should know why his settings are missing.
    if (profile_.Unreadable()) MsgBoxOk(ProfileUnreadableText(profile_.GetMyProfile()));
    if (request.demo) StartDemo();
    window_.ResetRig();
    window_.LoadSettings(settings);
    storedComPort_ = window_.ComPortNo();
    window_.AdjustRecentFile();

    service_.com().Reset();
    service_.Start();

    const std::string file = DataFileArgument(arguments).toStdString();
    if (master_.MatrixObj().MtxVerNo() == clsRigQ5_Matrix::kNoVersion || request.setup) {
        ShowSetup();
        // A successful setup starts from the new version's factory image, so
        // the file is opened once the setup is over.
        if (!file.empty())
            QObject::connect(setup_.data(), &QDialog::finished, setup_.data(),
                             [this, file] { OpenAtStart(file); });
    } else {
        window_.ShowPlaced();
        if (!file.empty()) OpenAtStart(file);
    }
}

void Csq5Program::OpenAtStart(const std::string& path) {
    // A data file named on the command line (a file manager's "Open with")
    // is opened as File > Open does; a refused file gives the file message
    // and changes nothing.
    doc_.Load(path);
    window_.DispChList();
    window_.AdjustRecentFile();
}

void Csq5Program::OpenRequested(const QString& path) {
    openRequests_.push_back(path);
    ServeOpenRequests();
}

bool Csq5Program::UserBusy() const {
    return QApplication::activeModalWidget() || QApplication::activePopupWidget() ||
           window_.ModalFlag() || (setup_ && setup_->isVisible()) || !window_.isVisible();
}

void Csq5Program::ServeOpenRequests() {
    // Nothing is opened under a dialog the user is answering: the request
    // waits (the timer runs only while one waits) until it is closed.
    if (openRequests_.empty() || closed_) return;
    if (UserBusy()) {
        openRetry_.start();
        return;
    }
    const QString path = openRequests_.front();
    openRequests_.pop_front();
    window_.setWindowState((window_.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_.raise();
    window_.activateWindow();
    window_.OpenDataFile(path);
    if (!openRequests_.empty()) openRetry_.start();
}

void Csq5Program::StartDemo() {
    // The demo receiver is of the version the program knows, so that a clone
    // read or write works at once; its pseudo-terminal stands in for COM1
    // until the program ends, without touching the devices the profile keeps.
    demo_ = std::make_unique<DemoReceiver>(DemoReceiverSetup(master_.MatrixObj()));
    std::string error;
    if (!demo_->Start(error)) {
        demo_.reset();
        MsgBoxOk("Cannot start the demo receiver.\r\n" + error);
        return;
    }
    service_.comOverride(1, demo_->DevicePath());
    window_.DemoReceiver(true);
    // Images of a make-believe receiver are no safety copies of the user's:
    // they go to a folder of their own, which File > Read Backups Folder
    // then shows.
    backups_ = ReadBackups(DemoReadBackupFolder());
    model_.backupFolder(backups_.Folder());
}

void Csq5Program::ShowSetup() {
    // The identification runs while the modal progress dialog is up; when
    // that returns the command has ended one way or the other.
    // (Should the modal display return early, the serial tick is waited for.)
    auto identify = [this](int port) {
        if (!clone_.InitialSetup(port)) return -1;
        while (clone_.Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return clone_.LastCloneError() ? 1 : 0;
    };
    setup_ = new frmSetup(window_, identify);
    setup_->CableHooks([this](int port) { return QString::fromStdString(ComDeviceOf(port)); },
                       [this](int port, const QString& device) {
                           std::map<int, std::string> devices = comDevices_;
                           devices[port] = device.toStdString();
                           ComDevices(devices);
                       });
    // Its failures are reported over it, not over the hidden main window.
    ui_.StandIn(setup_);
    setup_->adjustSize();
    // Centred across the screen, a little above the middle.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect s = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QSize d = setup_->size();
    setup_->move(s.left() + (s.width() - d.width()) / 2,
                 s.top() + int((s.height() - d.height()) * kSetupTopShare));
    setup_->show();
}

void Csq5Program::ComDevices(const std::map<int, std::string>& devices) {
    comDevices_ = devices;
    service_.comDevices(devices);
    profile_.BeginUpdate();
    profile_.Section("OPTION");
    for (int slot = 1; slot <= kNumComSlots; ++slot) {
        const auto it = devices.find(slot);
        profile_.saveData(ComDeviceProfileKey(slot),
                          it == devices.end() ? std::string() : it->second);
    }
    profile_.EndUpdate();
    window_.AdjustComCaptions();
}

std::string Csq5Program::ComDeviceOf(int slot) const {
    return service_.comDeviceOf(slot);
}

void Csq5Program::AssignComDevices() {
    frmComDevices dialog(SerialPortsNow(), &window_);
    dialog.Devices(comDevices_);
    dialog.DetectSlot(window_.ComPortNo());
    std::map<int, std::pair<QString, QString>> inUse;
    for (int slot = 1; slot <= kNumComSlots; ++slot)
        inUse[slot] = {QString::fromStdString(ComDeviceOf(slot)),
                       demo_ && slot == 1 ? QStringLiteral("demo receiver") : QString()};
    dialog.InUse(inUse);
    dialog.adjustSize();
    dialog.setResult(QDialog::Rejected);
    Dialogs().ShowModal(dialog);
    if (dialog.result() == QDialog::Accepted) ComDevices(dialog.Devices());
}

bool Csq5Program::SaveSettings() {
    window_.GetItemWidth();
    profile_.BeginUpdate();
    MainSettings settings = window_.SaveSettings();
    // The demo receiver is COM1 for its run only: choosing COM1 to reach it
    // is no choice of the port the user's own receiver hangs on.
    if (demo_) settings.comPort = storedComPort_;
    SaveMainSettings(settings, profile_);
    MasterSaveData(master_, profile_);
    recent_.saveData(profile_);
    return profile_.EndUpdate();
}
