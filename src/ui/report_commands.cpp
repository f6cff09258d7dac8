// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/report_commands.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <ctime>

#include "file/acf_file.h"
#include "file/channel_report.h"
#include "file/qt/report_painter.h"
#include "ui/dialogs.h"
#include "ui/msgbox.h"

namespace {

ChannelReport Report(const clsRigQ5_Master& master, const std::string& fileTitle) {
    return BuildChannelReport(master, fileTitle, ReportDateText(std::time(nullptr)));
}

}  // namespace

bool ReportExportPdfCommand(QWidget* parent, const clsRigQ5_Master& master,
                            const std::string& fileTitle, const QString& folder) {
    const QString suggested = QString::fromStdString(ReportPdfName(fileTitle));
    const QString name = Dialogs().SaveFileName(
        parent, folder.isEmpty() ? suggested : QDir(folder).filePath(suggested),
        QString::fromLatin1(kPdfFilter), QCoreApplication::translate("frmMain", "Export PDF"));
    if (name.isEmpty()) return false;
    const std::string path = name.toStdString();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int code = WriteChannelReportPdf(Report(master, fileTitle), path);
    QApplication::restoreOverrideCursor();
    if (code != kAcfOk) {
        MsgBoxOk(AcfFileErrorMessage(code, path), parent);
        return false;
    }
    return true;
}

bool ReportPrintCommand(QWidget* parent, const clsRigQ5_Master& master,
                        const std::string& fileTitle) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(fileTitle));
    printer.setPageMargins(
        QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm),
        QPageLayout::Millimeter);
    if (!Dialogs().PrintDialog(parent, printer)) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int pages = PaintChannelReport(Report(master, fileTitle), printer);
    QApplication::restoreOverrideCursor();
    if (pages == 0) {
        const QString where =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        MsgBoxOk(std::string(kReportCannotPrint) + "\r\n\r\n" + where.toStdString(), parent);
        return false;
    }
    return true;
}
