// SPDX-License-Identifier: GPL-3.0-or-later
// CS-Q5: cloning software for the RX-Q5 receiver.

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/app_identity.h"
#include "ui/caption.h"
#include "ui/msgbox.h"
#include "ui/program.h"
#include "ui/single_instance.h"

namespace {

// --help, --version and a usage error answer on the terminal and end the
// start. Returns the exit code, or -1 when the window program is to run.
int AnswerOnTerminal(const StartupRequest& request) {
    switch (request.action) {
        case StartupRequest::Action::Help:
            std::fputs(StartupUsage().c_str(), stdout);
            return 0;
        case StartupRequest::Action::Version:
            std::printf("csq5 %s\n", CSQ5_VERSION);
            return 0;
        case StartupRequest::Action::UsageError:
            std::fprintf(stderr, "csq5: %s\nTry 'csq5 --help'.\n", request.error.c_str());
            return 2;
        case StartupRequest::Action::Run:
            break;
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Help and version need no display: they are answered before Qt starts.
    // A usage error waits until Qt has taken its own options (-platform and
    // the like) from the command line.
    const StartupRequest early =
        ParseStartupCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (early.action == StartupRequest::Action::Help ||
        early.action == StartupRequest::Action::Version)
        return AnswerOnTerminal(early);

    QApplication app(argc, argv);
    SetUpApplication();

    const QStringList arguments = QApplication::arguments().mid(1);
    if (const int code = AnswerOnTerminal(StartupRequestOf(arguments)); code >= 0) return code;

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
