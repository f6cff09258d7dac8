// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/find_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmFind::frmFind(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(tr("Find"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Frequency (MHz) or name:"), this);
    label->setObjectName(QStringLiteral("lblFind_Text"));
    txtFind_Text_ = new QLineEdit(this);
    txtFind_Text_->setObjectName(QStringLiteral("txtFind_Text"));
    // Longer than any name or frequency, short enough not to invite more.
    txtFind_Text_->setMaxLength(32);
    label->setBuddy(txtFind_Text_);
    auto* buttons = new QDialogButtonBox(this);
    cmdFind_Ok_ = buttons->addButton(tr("Find"), QDialogButtonBox::AcceptRole);
    cmdFind_Ok_->setObjectName(QStringLiteral("cmdFind_Ok"));
    cmdFind_Ok_->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdFind_Cancel"));
    connect(txtFind_Text_, &QLineEdit::textChanged, this,
            [this] { cmdFind_Ok_->setEnabled(!Text().isEmpty()); });
    connect(cmdFind_Ok_, &QPushButton::clicked, this, [this] {
        if (Text().isEmpty()) return;
        chosen_ = true;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(txtFind_Text_);
    layout->addWidget(buttons);
    setModal(true);
}

void frmFind::Prepare(const QString& lastText) {
    chosen_ = false;
    txtFind_Text_->setText(lastText);
    txtFind_Text_->selectAll();
    txtFind_Text_->setFocus();
    cmdFind_Ok_->setEnabled(!Text().isEmpty());
}

QString frmFind::Text() const {
    return txtFind_Text_->text().trimmed();
}
