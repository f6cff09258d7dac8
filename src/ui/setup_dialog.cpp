// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setup_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/common.h"
#include "ui/cable_detect.h"
#include "ui/caption.h"
#include "ui/clone_progress.h"
#include "ui/dialog_place.h"
#include "ui/drop_down.h"
#include "ui/main_window.h"
#include "ui/setup_picture.h"

namespace {
constexpr int kNumPorts = 4;
}  // namespace

QString frmSetup::SetupText() {
    static const char* const lines[] = {
        "Thank you for purchasing this Ardo CS-Q5 cloning software.",
        "",
        "To use this software, the receiver's version must be recognized.",
        "Therefore the following start-up operation is necessary in advance.",
        "",
        "If an RX-Q5 is not on hand, push [Cancel] to skip the initial setup.",
        "This program can be used to edit data although actual cloning operations cannot be "
        "performed in such cases.",
        "",
        "START-UP OPERATION",
        "",
        "(1) Be sure the receiver and PC are connected using the cloning",
        "cable. If they are not yet connected, turn all power OFF, then connect the cable in "
        "advance.",
        "",
        "(2) Turn the receiver power ON and select the RS-232C port.",
        "",
        "(3) Push [OK] to start the initial setup.",
    };
    QString text;
    for (const char* line : lines) text += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return text;
}

frmSetup::frmSetup(frmMain& main, InitialIdentification identify, QWidget* parent)
    : QDialog(parent), main_(main), identify_(std::move(identify)) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(kProgramName + QStringLiteral(" Initial Setup"));

    auto* fraText = new QGroupBox(this);
    fraText->setObjectName(QStringLiteral("fraSetupText"));
    txtSetupText_ = new QPlainTextEdit(fraText);
    txtSetupText_->setObjectName(QStringLiteral("txtSetupText"));
    txtSetupText_->setReadOnly(true);
    txtSetupText_->setAccessibleName(tr("Instructions"));
    txtSetupText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtSetupText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtSetupText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The text box shows line breaks, not the CR of each CR LF pair.
    QString shown = SetupText();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtSetupText_->setPlainText(shown);
    txtSetupText_->setMinimumSize(440, 280);
    (new QVBoxLayout(fraText))->addWidget(txtSetupText_);

    auto* fraMain = new QGroupBox(this);
    fraMain->setObjectName(QStringLiteral("fraSetupMain"));
    auto* label = new QLabel(QStringLiteral("COM Port"), fraMain);
    label->setObjectName(QStringLiteral("lblSetupComPort"));
    cboComPort_ = new QComboBox(fraMain);
    cboComPort_->setObjectName(QStringLiteral("cboSetup_ComPort"));
    label->setBuddy(cboComPort_);
    LimitDropDown(*cboComPort_);
    for (int port = 1; port <= kNumPorts; ++port)
        cboComPort_->addItem(QStringLiteral("COM%1").arg(port));
    ShowPortDevices();
    cboComPort_->setCurrentIndex(LimitInt(main_.ComPortNo(), 1, kNumPorts) - 1);
    auto* picture = new SetupPicture(fraMain);
    picture->setObjectName(QStringLiteral("Image1"));
    auto* mainLayout = new QVBoxLayout(fraMain);
    mainLayout->addWidget(picture, 1);
    mainLayout->addWidget(label);
    mainLayout->addWidget(cboComPort_);

    cmdOk_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdSetup_Ok"));
    cmdOk_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdSetup_Cancel"));
    cmdCancel_->setAutoDefault(false);
    connect(cmdOk_, &QPushButton::clicked, this, [this] { cmdSetup_Ok_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdSetup_Cancel_Click(); });

    // Beside OK and Cancel: the device found, with its long description,
    // needs the width, and the dialog no more height.
    detect_ = new CableDetect(QStringLiteral("cmdSetup_Detect"), this);
    connect(detect_, &CableDetect::found, this, &frmSetup::CableFound);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(detect_, 1);
    buttons->addWidget(cmdOk_, 0, Qt::AlignTop);
    buttons->addWidget(cmdCancel_, 0, Qt::AlignTop);
    QWidget::setTabOrder(cboComPort_, detect_);
    QWidget::setTabOrder(detect_, cmdOk_);
    auto* grid = new QGridLayout(this);
    grid->addWidget(fraText, 0, 0);
    grid->addWidget(fraMain, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
}

void frmSetup::ShowPortDevices() {
    // A user with a USB cable must see which slot it is behind.
    for (int port = 1; port <= kNumPorts; ++port) {
        QString text = QStringLiteral("COM%1").arg(port);
        const QString device = main_.ComDeviceOf(port);
        if (!device.isEmpty()) text += QStringLiteral(" (") + device + QLatin1Char(')');
        if (cboComPort_->itemText(port - 1) != text) cboComPort_->setItemText(port - 1, text);
    }
}

void frmSetup::cmdSetup_Ok_Click() {
    // A second OK while the identification runs (its progress is modal, but
    // a key may still arrive) must not start another one.
    if (running_ || unloaded_) return;
    running_ = true;
    const int port = cboComPort_->currentIndex() + 1;
    if (!cable_.isEmpty() && assign_) assign_(port, cable_);
    cable_.clear();
    main_.LastCloneError(false);
    frmCloneProgress& progress = main_.CloneProgress();
    progress.adjustSize();
    CentreDialogOver(progress, *this);
    const int result = identify_ ? identify_(port) : -1;
    running_ = false;
    if (result == 0 && !main_.LastCloneError()) {
        // The check has set the version and built its initial image; the
        // lists and grid follow it now.
        main_.ComPortNo(port);
        main_.ResetRig();
        accept();
    }
    // Otherwise the failure has been reported: the user may mend the cable,
    // the port or the power and try again, or cancel. A cable plugged in
    // meanwhile shows behind its slot.
    else {
        ShowPortDevices();
    }
}

void frmSetup::CableHooks(std::function<QString(int)> deviceOf,
                          std::function<void(int, const QString&)> assign) {
    deviceOf_ = std::move(deviceOf);
    assign_ = std::move(assign);
}

void frmSetup::CableFound(const QString& path, const QString& description) {
    const QString found =
        description.isEmpty() ? path : path + QStringLiteral(" (") + description + ')';
    for (int port = 1; port <= kNumPorts && deviceOf_; ++port) {
        if (deviceOf_(port) == path) {
            cable_.clear();
            cboComPort_->setCurrentIndex(port - 1);
            detect_->Note(tr("Found %1: COM%2 opens it.").arg(found).arg(port));
            return;
        }
    }
    cable_ = path;
    detect_->Note(tr("Found %1: OK makes it the device of the COM port chosen.").arg(found));
}

void frmSetup::cmdSetup_Cancel_Click() {
    if (running_) return;
    reject();
}

void frmSetup::done(int result) {
    if (running_) return;  // the window system's close while identifying
    QDialog::done(result);
    Form_Unload();
}

void frmSetup::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    if (!main_.isVisible()) main_.ShowPlaced();
}
