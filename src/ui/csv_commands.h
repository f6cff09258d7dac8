// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > "Export CSV..." and "Import CSV...": the memory channels as a CSV
// table through the file dialogs. An import is one step of the undo
// history, and every row it could not use is named, with its line, in one
// message.

#include <QCoreApplication>
#include <QString>
#include <string>

#include "file/csv_channels.h"

class QWidget;
class UndoHistory;
class clsRigQ5_Master;

inline constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("FileDialogs", "CSV Files (*.csv)");

// The message after an import that refused rows: how many, then one line
// per refused row ("line 7: <reason>"), at most maxListed of them and a
// closing line for the rest.
std::string CsvImportProblemsText(const CsvImportResult& result, std::size_t maxListed = 20);
// The message for a file without a usable header.
std::string CsvNoTableText(const std::string& path);

// Asks for a file name (suggested in folder) and writes the table.
// Returns True when a file was written.
bool CsvExportCommand(QWidget* parent, const clsRigQ5_Master& master, const QString& folder);
// Asks for a file and imports it as one step of history (may be null).
// A table without locations asks first for the bank and row to start at,
// offering the grid's cursor (a memory bank key and row; bank A row 0 for
// any other list). Returns True when the document changed.
bool CsvImportCommand(QWidget* parent, clsRigQ5_Master& master, UndoHistory* history,
                      const QString& folder, int cursorKey = -1, int cursorRow = 0);
