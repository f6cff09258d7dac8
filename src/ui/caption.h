// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the program's own that several windows share.

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "ui/core_texts.h"

// The program name as shown in captions and message boxes.
inline const QString kProgramName = QStringLiteral("CS-Q5");
// The receiver model as named in messages.
inline const QString kReceiverModel = QStringLiteral("RX-Q5");
// The file title of a document that has no file.
inline const QString kUntitled = QStringLiteral("Untitled");

// Caption of the main window: the file title, " - ", the program name. A
// run with the demo receiver says so, lest a clone be taken for one with
// the real receiver.
inline QString MainCaption(const QString& fileTitle, bool demoReceiver = false) {
    return CoreWord(fileTitle) + QStringLiteral(" - ") + kProgramName +
           (demoReceiver ? QCoreApplication::translate("frmMain", " (demo receiver)") : QString());
}

// The program's version text, given by the build.
inline QString ProgramVersion() {
    return QStringLiteral(CSQ5_VERSION);
}

// The start-up command line (see app/command_line.h): exactly "/S" as the
// only argument (case matters, no blanks around it; "--demo" aside) asks
// for the initial setup at start.
// arguments: the arguments after the program name.
inline StartupRequest StartupRequestOf(const QStringList& arguments) {
    std::vector<std::string> args;
    for (const QString& arg : arguments) args.push_back(arg.toStdString());
    return ParseStartupCommandLine(args);
}

inline bool IsSetupCommandLine(const QStringList& arguments) {
    return StartupRequestOf(arguments).setup;
}

// A single argument other than "/S" names a data file to open at start, as
// the desktop passes it when an .acf file is opened with the program.
// Returns its absolute path, or an empty text when there is none.
// arguments: the arguments after the program name.
inline QString DataFileArgument(const QStringList& arguments) {
    const std::string file = StartupRequestOf(arguments).file;
    if (file.empty()) return {};
    return QFileInfo(QString::fromStdString(file)).absoluteFilePath();
}
