// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/move_bank_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmMoveToBank::frmMoveToBank(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMoveToBank"));
    setWindowTitle(tr("Move to Bank"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Bank (the channel goes to its first blank channel):"), this);
    lstMoveToBank_ = new QListWidget(this);
    lstMoveToBank_->setObjectName(QStringLiteral("lstMoveToBank"));
    label->setBuddy(lstMoveToBank_);
    lstMoveToBank_->setAccessibleName(tr("Bank"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdMoveToBank_Ok"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setObjectName(QStringLiteral("cmdMoveToBank_Cancel"));
    auto choose = [this] {
        chosen_ = lstMoveToBank_->currentRow();
        if (chosen_ >= 0) accept();
    };
    connect(buttons, &QDialogButtonBox::accepted, this, choose);
    connect(lstMoveToBank_, &QListWidget::itemActivated, this, choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(lstMoveToBank_);
    layout->addWidget(buttons);
    setModal(true);
}

void frmMoveToBank::Prepare(const QStringList& banks) {
    chosen_ = -1;
    lstMoveToBank_->clear();
    lstMoveToBank_->addItems(banks);
    if (!banks.isEmpty()) lstMoveToBank_->setCurrentRow(0);
    lstMoveToBank_->setFocus(Qt::OtherFocusReason);
}
