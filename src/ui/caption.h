#pragma once
// Texts of the program's own that several windows share.

#include <QFileInfo>
#include <QString>
#include <QStringList>

// The program name as shown in captions and message boxes.
inline const QString kProgramName = QStringLiteral("CS-Q5");
// The receiver model as named in messages.
inline const QString kReceiverModel = QStringLiteral("RX-Q5");
// The file title of a document that has no file.
inline const QString kUntitled = QStringLiteral("Untitled");

// Caption of the main window: the file title, " - ", the program name.
inline QString MainCaption(const QString& fileTitle) {
    return fileTitle + QStringLiteral(" - ") + kProgramName;
}

// The program's version text, given by the build.
inline QString ProgramVersion() {
    return QStringLiteral(CSQ5_VERSION);
}

// Exactly "/S" as the only argument (case matters, no blanks around it)
// asks for the initial setup at start.
// arguments: the arguments after the program name.
inline bool IsSetupCommandLine(const QStringList& arguments) {
    return arguments.size() == 1 && arguments.front() == QStringLiteral("/S");
}

// A single argument other than "/S" names a data file to open at start, as
// the desktop passes it when an .acf file is opened with the program.
// Returns its absolute path, or an empty text when there is none.
// arguments: the arguments after the program name.
inline QString DataFileArgument(const QStringList& arguments) {
    if (arguments.size() != 1 || arguments.front().isEmpty() || IsSetupCommandLine(arguments))
        return {};
    return QFileInfo(arguments.front()).absoluteFilePath();
}
