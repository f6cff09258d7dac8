// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_box.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/caption.h"
#include "ui/dialogs.h"
#include "ui/resources.h"

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
    // The licence as the GNU General Public License asks an interactive
    // program to show it: the notice, no warranty, and where the terms are.
    auto* licence = new QLabel(
        QStringLiteral("Copyright \u00A9 %1 CS-Q5 developers<br><br>"
                       "%2 is free software: you can redistribute it and/or modify it under "
                       "the terms of the <a href=\"%3\">GNU General Public License</a> as "
                       "published by the Free Software Foundation, either version 3 of the "
                       "License, or (at your option) any later version.<br><br>"
                       "%2 comes with ABSOLUTELY NO WARRANTY.")
            .arg(QStringLiteral(CSQ5_COPYRIGHT_YEAR), kProgramName, kLicenceUrl),
        this);
    licence->setObjectName(QStringLiteral("lblAbout_Licence"));
    licence->setWordWrap(true);
    licence->setTextFormat(Qt::RichText);
    connect(licence, &QLabel::linkActivated, this, [this] { OpenLicence(); });
    licence->setMinimumWidth(licence->fontMetrics().averageCharWidth() * 60);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdAbout_Ok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(name);
    layout->addWidget(text);
    layout->addWidget(licence);
    layout->addWidget(buttons);
    setModal(true);
}

void frmAbout::OpenLicence() {
    if (Dialogs().OpenLink(kLicenceUrl)) return;
    InitUiResources();
    QFile file(QStringLiteral(":/help/LICENSE"));
    const QString text =
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : kLicenceUrl;
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmLicence"));
    dialog.setWindowTitle(tr("GNU General Public License"));
    auto* view = new QPlainTextEdit(text, &dialog);
    view->setObjectName(QStringLiteral("txtLicence"));
    view->setAccessibleName(tr("Licence"));
    view->setReadOnly(true);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setMinimumSize(view->fontMetrics().averageCharWidth() * 82,
                         view->fontMetrics().height() * 30);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(view);
    layout->addWidget(buttons);
    Dialogs().ShowModal(dialog);
}
