// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/csv_start_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/master.h"

frmCsvStart::frmCsvStart(CsvStart start, QWidget* parent) : QDialog(parent) {
    using M = clsRigQ5_Master;
    setObjectName(QStringLiteral("frmCsvStart"));
    setWindowTitle(tr("Import CSV"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("The table has no channel numbers: its rows go into consecutive "
                               "channels of one bank from the row chosen here, over what those "
                               "channels hold."),
                            this);
    note->setObjectName(QStringLiteral("lblCsvStart_Note"));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* form = new QFormLayout;
    cboCsvStart_Bank_ = new QComboBox(this);
    cboCsvStart_Bank_->setObjectName(QStringLiteral("cboCsvStart_Bank"));
    for (int b = 0; b < M::kNumBanks; ++b)
        cboCsvStart_Bank_->addItem(tr("Bank %1").arg(QChar(u'A' + b)));
    cboCsvStart_Bank_->setCurrentIndex(start.bank >= 0 && start.bank < M::kNumBanks ? start.bank
                                                                                    : 0);
    spnCsvStart_Row_ = new QSpinBox(this);
    spnCsvStart_Row_->setObjectName(QStringLiteral("spnCsvStart_Row"));
    spnCsvStart_Row_->setRange(0, M::kChPerBank - 1);
    spnCsvStart_Row_->setValue(start.row);
    auto* bankLabel = new QLabel(tr("&Bank:"), this);
    bankLabel->setBuddy(cboCsvStart_Bank_);
    auto* rowLabel = new QLabel(tr("First &row:"), this);
    rowLabel->setBuddy(spnCsvStart_Row_);
    form->addRow(bankLabel, cboCsvStart_Bank_);
    form->addRow(rowLabel, spnCsvStart_Row_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdCsvStart_Ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCsvStart_Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        chosen_ = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setModal(true);
}

CsvStart frmCsvStart::Start() const {
    return {cboCsvStart_Bank_->currentIndex(), spnCsvStart_Row_->value()};
}
