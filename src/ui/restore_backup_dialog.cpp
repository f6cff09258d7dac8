// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/restore_backup_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/table_cell.h"

frmRestoreBackup::frmRestoreBackup(std::vector<BackupEntry> backups, QWidget* parent)
    : QDialog(parent), backups_(std::move(backups)) {
    setObjectName(QStringLiteral("frmRestoreBackup"));
    setWindowTitle(QStringLiteral("Restore Backup"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("&Backups of clone reads, newest first:"), this);
    grdRestoreBackup_List_ = new QTableWidget(int(backups_.size()), 3, this);
    grdRestoreBackup_List_->setObjectName(QStringLiteral("grdRestoreBackup_List"));
    grdRestoreBackup_List_->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("Comment")});
    SetUpReadOnlyList(*grdRestoreBackup_List_);
    for (int r = 0; r < int(backups_.size()); ++r) {
        const BackupEntry& e = backups_[std::size_t(r)];
        grdRestoreBackup_List_->setItem(r, 0, ReadOnlyCell(BackupDateText(e.stamp)));
        grdRestoreBackup_List_->setItem(r, 1, ReadOnlyCell(BackupTimeText(e.stamp)));
        grdRestoreBackup_List_->setItem(r, 2, ReadOnlyCell(e.comment));
    }
    grdRestoreBackup_List_->resizeColumnsToContents();
    if (!backups_.empty()) grdRestoreBackup_List_->selectRow(0);
    label->setBuddy(grdRestoreBackup_List_);
    grdRestoreBackup_List_->setAccessibleName(tr("Backups of clone reads"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(QStringLiteral("&Open"), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("cmdRestoreBackup_Open"));
    open->setDefault(true);
    QPushButton* compare =
        buttons->addButton(QStringLiteral("&Compare"), QDialogButtonBox::ActionRole);
    compare->setObjectName(QStringLiteral("cmdRestoreBackup_Compare"));
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdRestoreBackup_Cancel"));
    connect(open, &QPushButton::clicked, this, [this] { Choose(Choice::Open); });
    connect(compare, &QPushButton::clicked, this, [this] { Choose(Choice::Compare); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(grdRestoreBackup_List_, &QTableWidget::cellDoubleClicked, this,
            [this] { Choose(Choice::Open); });

    layout->addWidget(label);
    layout->addWidget(grdRestoreBackup_List_);
    layout->addWidget(buttons);
    resize(520, 360);
    setModal(true);
}

void frmRestoreBackup::Choose(Choice choice) {
    const int row = grdRestoreBackup_List_->currentRow();
    if (row < 0 || row >= int(backups_.size())) return;
    chosen_ = choice;
    chosenRow_ = row;
    accept();
}

std::string frmRestoreBackup::ChosenPath() const {
    return chosenRow_ >= 0 && chosenRow_ < int(backups_.size())
               ? backups_[std::size_t(chosenRow_)].path
               : std::string();
}
