// CS-Q5: cloning software for the RX-Q5 receiver.

#include <QApplication>

#include "app/profile.h"
#include "app/recent_file.h"
#include "image/radio.h"
#include "model/master.h"
#include "model/master_profile.h"
#include "ui/caption.h"
#include "ui/main_settings.h"
#include "ui/main_window.h"
#include "ui/master_model.h"
#include "ui/msgbox.h"
#include "ui/single_instance.h"

namespace {
// The receiver's model and sub code as its identification answer and the
// data files carry them, and the part of the image a clone write sends.
constexpr const char* kModelName = "2304";
constexpr const char* kSubName = "0001";
constexpr std::int32_t kImageLast = 0x1F7F;
constexpr int kRecentFiles = 4;
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("csq5"));
    // Ties the windows to the installed desktop entry (icon, Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.csq5.CSQ5"));

    SingleInstance instance;
    if (!instance.TryLock()) {
        MsgBoxOk("Cannot execute CS-Q5 repeatedly.\r\nCS-Q5 is already executing.");
        return 1;
    }

    clsCmcRadio radio;
    radio.radioNameM(kModelName);
    radio.radionameS(kSubName);
    radio.cloneWriteAdrList_Clear();
    radio.cloneWriteAdrList_Add(0, kImageLast);
    clsRigQ5_Master master(radio);
    clsCmcRecentFile recent;
    clsCmcProfileIO profile;
    profile.SetDefaultProfile();

    MasterWindowModel model(master);
    model.recentFiles(&recent);
    frmMain window(&model, &radio);
    model.dialogParent(&window);

    // Settings: the window's, then the receiver version, the initial image of
    // that version, the recent files, and the views rebuilt for the version.
    MainSettings settings;
    LoadMainSettings(settings, profile);
    MasterLoadData(master, profile);
    master.Init_MakeInitial();
    recent.MaxIndex(kRecentFiles);
    recent.loadData(profile);
    window.ResetRig();
    window.LoadSettings(settings);
    window.AdjustRecentFile();
    // A data file named on the command line (a file manager's "Open with")
    // is opened as File > Open does; a failure gives the file message.
    if (const QString file = DataFileArgument(QApplication::arguments().mid(1)); !file.isEmpty())
        window.FileLoad(file, QFileInfo(file).fileName());

    QObject::connect(&window, &frmMain::Closing, [&] {
        // The port is closed by the serial service once it is wired here.
        profile.BeginUpdate();
        SaveMainSettings(window.SaveSettings(), profile);
        MasterSaveData(master, profile);
        recent.saveData(profile);
        profile.EndUpdate();
    });

    // "/S" asks for the initial setup; it opens before the main window once
    // that dialog exists. Until then the main window opens either way.
    const bool setupRequested = IsSetupCommandLine(QApplication::arguments().mid(1));
    (void)setupRequested;
    window.ShowPlaced();
    return QApplication::exec();
}
