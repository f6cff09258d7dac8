// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > "Print..." and "Export PDF...": the channel lists in use on paper
// or in a PDF file, as the core's channel report lays out their content and
// the painter of file/qt puts it on pages. Print goes through the
// platform's print dialog, which also offers printing into a PDF file.

#include <QCoreApplication>
#include <QString>
#include <string>

class QWidget;
class clsRigQ5_Master;

inline constexpr const char* kPdfFilter = QT_TRANSLATE_NOOP("FileDialogs", "PDF Files (*.pdf)");

// Asks for a file name (the data file's title with ".pdf", in folder) and
// writes the PDF; a failure is reported. True when a file was written.
bool ReportExportPdfCommand(QWidget* parent, const clsRigQ5_Master& master,
                            const std::string& fileTitle, const QString& folder);

// The print dialog, then the pages to the printer it chose. True when
// printed; a printer that cannot be painted on is reported.
bool ReportPrintCommand(QWidget* parent, const clsRigQ5_Master& master,
                        const std::string& fileTitle);
