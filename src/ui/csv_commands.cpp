// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/csv_commands.h"

#include <QCoreApplication>
#include <optional>

#include "model/master.h"
#include "model/undo_history.h"
#include "ui/csv_start_dialog.h"
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
        QCoreApplication::translate("FileDialogs", kCsvFilter),
        QCoreApplication::translate("frmMain", "Export CSV"));
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
                      const QString& folder, int cursorKey, int cursorRow) {
    const QString name = Dialogs().OpenFileName(
        parent, folder, QCoreApplication::translate("FileDialogs", kCsvFilter),
        QCoreApplication::translate("frmMain", "Import CSV"));
    if (name.isEmpty()) return false;
    const std::string path = name.toStdString();
    std::string text;
    const int code = ReadCsvFile(path, text);
    if (code != kCsvOk) {
        MsgBoxOk(CsvFileErrorMessage(code, path), parent);
        return false;
    }
    std::optional<CsvStart> start;
    if (CsvLayoutOf(text) == CsvLayout::Scanner) {
        CsvStart offered;
        if (master.TreeKeyChListType(cursorKey) == clsRigQ5_Master::kListMemory)
            offered = {master.TreeKeyTopChNo(cursorKey) / clsRigQ5_Master::kChPerBank, cursorRow};
        frmCsvStart dialog(offered, parent);
        Dialogs().ShowModal(dialog);
        if (!dialog.Chosen()) return false;
        start = dialog.Start();
    }
    CsvImportResult result;
    {
        UndoStep step(history);
        result = ImportMemoryCsv(master, text, start ? &*start : nullptr);
    }
    if (!result.headerOk) {
        MsgBoxOk(CsvNoTableText(path), parent);
        return false;
    }
    std::string message;
    if (!result.problems.empty()) message = CsvImportProblemsText(result);
    if (!result.notes.empty()) {
        if (!message.empty()) message += "\r\n\r\n";
        message += QCoreApplication::translate("CsvImport", "Imported with a note:").toStdString();
        // As many as the refused rows list at most: a list of hundreds of
        // code squelch channels would not fit on the screen.
        const std::size_t n = result.notes.size(), listed = 20;
        for (std::size_t i = 0; i < n && i < listed; ++i)
            message += "\r\n" + CsvProblemText(result.notes[i]);
        if (n > listed)
            message += "\r\n" + QCoreApplication::translate("CsvImport", "... and %1 more.")
                                    .arg(n - listed)
                                    .toStdString();
    }
    if (!message.empty()) MsgBoxOk(message, parent);
    return result.applied > 0;
}
