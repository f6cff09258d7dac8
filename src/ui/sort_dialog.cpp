// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sort_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/core_texts.h"

frmSortBank::frmSortBank(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSortBank"));
    setWindowTitle(tr("Sort Bank"));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(tr("Order"), this);
    frame->setObjectName(QStringLiteral("fraSort_Order"));
    auto* inner = new QVBoxLayout(frame);
    optSort_Frequency_ = new QRadioButton(tr("By &frequency"), frame);
    optSort_Frequency_->setObjectName(QStringLiteral("optSort_Frequency"));
    optSort_Frequency_->setChecked(true);
    optSort_Name_ = new QRadioButton(tr("By &name"), frame);
    optSort_Name_->setObjectName(QStringLiteral("optSort_Name"));
    inner->addWidget(optSort_Frequency_);
    inner->addWidget(optSort_Name_);
    auto* note = new QLabel(tr("Ascending; blank channels go last."), this);
    note->setObjectName(QStringLiteral("lblSort_Note"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdSort_Ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdSort_Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        chosen_ = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(frame);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setModal(true);
}

void frmSortBank::Prepare(const QString& bankCaption) {
    chosen_ = false;
    setWindowTitle(tr("Sort %1").arg(CoreText(bankCaption)));
}

bool frmSortBank::ByName() const {
    return optSort_Name_->isChecked();
}
