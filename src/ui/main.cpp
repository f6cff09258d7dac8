// CS-Q5: cloning software for the RX-Q5 receiver.

#include <QApplication>

#include "ui/caption.h"
#include "ui/main_window.h"
#include "ui/msgbox.h"
#include "ui/single_instance.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("csq5"));

    SingleInstance instance;
    if (!instance.TryLock()) {
        MsgBoxOk("Cannot execute CS-Q5 repeatedly.\r\nCS-Q5 is already executing.");
        return 1;
    }

    frmMain window;
    window.LoadSettings(MainSettings());
    // "/S" asks for the initial setup; it opens before the main window once
    // that dialog exists. Until then the main window opens either way.
    const bool setupRequested = IsSetupCommandLine(QApplication::arguments().mid(1));
    (void)setupRequested;
    window.ShowPlaced();
    return QApplication::exec();
}
