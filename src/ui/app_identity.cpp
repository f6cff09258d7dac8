// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_identity.h"

#include <QApplication>
#include <QGuiApplication>

#include "ui/resources.h"

QIcon ProgramIcon() {
    InitUiResources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/csq5-%1.png").arg(size), QSize(size, size));
    return icon;
}

void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("csq5"));
    QGuiApplication::setDesktopFileName(kDesktopEntryId);
    QApplication::setWindowIcon(ProgramIcon());
}
