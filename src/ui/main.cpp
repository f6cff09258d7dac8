// SPDX-License-Identifier: GPL-3.0-or-later
// CS-Q5: cloning software for the RX-Q5 receiver.

#include <QApplication>

#include "ui/app_identity.h"
#include "ui/msgbox.h"
#include "ui/program.h"
#include "ui/single_instance.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpApplication();

    SingleInstance instance;
    if (!instance.TryLock()) {
        MsgBoxOk("Cannot execute CS-Q5 repeatedly.\r\nCS-Q5 is already executing.");
        return 1;
    }

    Csq5Program program;
    program.Start(QApplication::arguments().mid(1));
    return QApplication::exec();
}
