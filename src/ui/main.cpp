// SPDX-License-Identifier: GPL-3.0-or-later
// CS-Q5: cloning software for the RX-Q5 receiver.

#include <QApplication>

#include "ui/app_identity.h"
#include "ui/caption.h"
#include "ui/language.h"
#include "ui/msgbox.h"
#include "ui/program.h"
#include "ui/single_instance.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpApplication();

    // "--lang CODE" speaks that language for this run instead of the
    // desktop's; the rest of the command line is judged without it.
    const QStringList all = QApplication::arguments().mid(1);
    InstallTranslations(LanguageArgument(all));
    const QStringList arguments = WithoutLanguageArgument(all);

    SingleInstance instance;
    if (!instance.TryLock()) {
        // A data file opened from the file manager goes to the copy that
        // runs; anything else is refused as always.
        const QString file = DataFileArgument(arguments);
        if (!file.isEmpty() && instance.HandOver(file)) return 0;
        MsgBoxOk("Cannot execute CS-Q5 repeatedly.\r\nCS-Q5 is already executing.");
        return 1;
    }

    Csq5Program program;
    QObject::connect(&instance, &SingleInstance::fileRequested,
                     [&program](const QString& path) { program.OpenRequested(path); });
    instance.Listen();
    program.Start(arguments);
    return QApplication::exec();
}
