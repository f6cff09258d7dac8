// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/csv_commands.h"

#include <QCoreApplication>

#include "model/master.h"
#include "model/undo_history.h"
#include "ui/dialogs.h"
#include "ui/msgbox.h"

std::string CsvImportProblemsText(const CsvImportResult& result, std::size_t maxListed) {
    const std::size_t n = result.problems.size();
    std::string text =
        std::to_string(n) + (n == 1 ? " row was" : " rows were") + " not imported:\r\n";
    for (std::size_t i = 0; i < n && i < maxListed; ++i)
        text += "\r\n" + CsvProblemText(result.problems[i]);
    if (n > maxListed) text += "\r\n... and " + std::to_string(n - maxListed) + " more.";
    return text;
}

std::string CsvNoTableText(const std::string& path) {
    return "No channel table: the first line must name the columns, Location and Frequency "
           "among them.\r\n\r\n" +
           path;
}

bool CsvExportCommand(QWidget* parent, const clsRigQ5_Master& master, const QString& folder) {
    const QString name = Dialogs().SaveFileName(
        parent, folder.isEmpty() ? QStringLiteral("channels.csv") : folder + "/channels.csv",
        QString::fromLatin1(kCsvFilter), QCoreApplication::translate("frmMain", "Export CSV"));
    if (name.isEmpty()) return false;
    const std::string path = name.toStdString();
    const int code = ExportMemoryCsvFile(master, path);
    if (code != kCsvOk) {
        MsgBoxOk(CsvFileErrorMessage(code, path), parent);
        return false;
    }
    return true;
}

bool CsvImportCommand(QWidget* parent, clsRigQ5_Master& master, UndoHistory* history,
                      const QString& folder) {
    const QString name =
        Dialogs().OpenFileName(parent, folder, QString::fromLatin1(kCsvFilter),
                               QCoreApplication::translate("frmMain", "Import CSV"));
    if (name.isEmpty()) return false;
    const std::string path = name.toStdString();
    CsvImportResult result;
    int code = kCsvOk;
    {
        UndoStep step(history);
        code = ImportMemoryCsvFile(master, path, result);
    }
    if (code != kCsvOk) {
        MsgBoxOk(CsvFileErrorMessage(code, path), parent);
        return false;
    }
    if (!result.headerOk) {
        MsgBoxOk(CsvNoTableText(path), parent);
        return false;
    }
    if (!result.problems.empty()) MsgBoxOk(CsvImportProblemsText(result), parent);
    return result.applied > 0;
}
