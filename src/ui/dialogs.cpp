// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QUrl>

#include "ui/dialog_place.h"

namespace {
// The keyboard focus goes back where it was when a modal dialog closes:
// some window managers give the activation back to the main window without
// its focus, and a keyboard or screen reader user is then lost.
class FocusReturn {
  public:
    FocusReturn() : focus_(QApplication::focusWidget()) {}
    ~FocusReturn() {
        if (!focus_ || !focus_->isVisible() || QApplication::focusWidget() == focus_) return;
        focus_->window()->activateWindow();
        focus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

  private:
    QPointer<QWidget> focus_;
};
}  // namespace

int QtDialogService::MessageBox(QWidget* parent, const QString& text, const QString& title,
                                MsgButtons buttons, MsgIcon icon) {
    QMessageBox box(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title, text, QMessageBox::NoButton, parent);
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    {
        // Laid out at its final size first, then centred over the window it
        // belongs to and kept on the screen: placed before its size is known,
        // a box lands off the middle.
        const FocusReturn focus;
        QWidget* owner = parent ? parent->window() : nullptr;
        if (owner && owner->isVisible()) {
            box.setWindowModality(Qt::ApplicationModal);
            box.show();
            CentreDialogOver(box, *owner);
            KeepDialogOnScreen(box);
        }
        box.exec();
    }
    auto* clicked = box.clickedButton();
    switch (box.standardButton(clicked)) {
        case QMessageBox::Ok:
            return kMsgOk;
        case QMessageBox::Yes:
            return kMsgYes;
        case QMessageBox::No:
            return kMsgNo;
        default:
            return buttons == MsgButtons::Ok ? kMsgOk : kMsgCancel;
    }
}

QString QtDialogService::OpenFileName(QWidget* parent, const QString& folder, const QString& filter,
                                      const QString& title) {
    const FocusReturn focus;
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtDialogService::SaveFileName(QWidget* parent, const QString& suggestedPath,
                                      const QString& filter, const QString& title) {
    QFileDialog dialog(parent, title, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets the one of the filter: ".acf"
    // for data files, ".csv" for tables, ".pdf" for printable documents.
    QString suffix = QStringLiteral("acf");
    auto patterns = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).globalMatch(filter);
    while (patterns.hasNext()) suffix = patterns.next().captured(1);
    dialog.setDefaultSuffix(suffix);
    if (!suggestedPath.isEmpty()) dialog.selectFile(suggestedPath);
    const FocusReturn focus;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().front();
}

int QtDialogService::ShowModal(QDialog& dialog) {
    const FocusReturn focus;
    return dialog.exec();
}

bool QtDialogService::PrintDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    // The report is printed whole; it has no selection or page range to pick.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    const FocusReturn focus;
    return dialog.exec() == QDialog::Accepted;
}

namespace {
QtDialogService& QtService() {
    static QtDialogService service;
    return service;
}
DialogService* current = nullptr;
}  // namespace

DialogService& Dialogs() {
    return current ? *current : QtService();
}

void SetDialogs(DialogService* service) {
    current = service;
}

bool DialogService::OpenLink(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

bool DialogService::OpenFolder(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
