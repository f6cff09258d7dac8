// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_identity.h"

#include <QApplication>
#include <QGuiApplication>

#include "ui/resources.h"

QIcon ProgramIcon() {
    InitUiResources();
    return QIcon(QStringLiteral(":/icons/csq5.svg"));
}

void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("csq5"));
    QGuiApplication::setDesktopFileName(kDesktopEntryId);
    QApplication::setWindowIcon(ProgramIcon());
}
