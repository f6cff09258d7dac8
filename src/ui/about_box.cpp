// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/caption.h"

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + kProgramName);
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(kProgramName + QStringLiteral(" Rev.") + ProgramVersion(), this);
    name->setObjectName(QStringLiteral("lblAbout_Name"));
    QFont f = name->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    name->setFont(f);
    auto* text = new QLabel(
        QStringLiteral("Cloning software for the %1 wide-band receiver.").arg(kReceiverModel),
        this);
    text->setObjectName(QStringLiteral("lblAbout_Text"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdAbout_Ok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(name);
    layout->addWidget(text);
    layout->addWidget(buttons);
    setModal(true);
}
