// CS-Q5: cloning software for the RX-Q5 receiver.

#include <QApplication>

#include "image/radio.h"
#include "model/master.h"
#include "ui/caption.h"
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
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("csq5"));

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
    // The profile is not read yet: the version stays unknown and the
    // document is the initial image of that state.
    master.Init_MakeInitial();

    MasterWindowModel model(master);
    frmMain window(&model, &radio);
    model.dialogParent(&window);
    window.LoadSettings(MainSettings());
    // "/S" asks for the initial setup; it opens before the main window once
    // that dialog exists. Until then the main window opens either way.
    const bool setupRequested = IsSetupCommandLine(QApplication::arguments().mid(1));
    (void)setupRequested;
    window.ShowPlaced();
    return QApplication::exec();
}
