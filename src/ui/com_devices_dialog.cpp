// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/com_devices_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

#include "clone/com_ports.h"
#include "ui/caption.h"
#include "ui/drop_down.h"

namespace {
// An item shows the path, then the description in brackets; its data is
// the path alone.
QString ItemText(const QString& path, const QString& description) {
    return description.isEmpty() ? path : path + QStringLiteral("  [") + description + ']';
}
}  // namespace

QString SerialPortDetails(const QString& description, bool hasIds, quint16 vendorId,
                          quint16 productId, const QString& serialNumber) {
    QStringList parts;
    if (!description.trimmed().isEmpty()) parts << description.trimmed();
    if (hasIds)
        parts << QStringLiteral("USB %1:%2")
                     .arg(vendorId, 4, 16, QLatin1Char('0'))
                     .arg(productId, 4, 16, QLatin1Char('0'));
    if (!serialNumber.trimmed().isEmpty())
        parts << QStringLiteral("serial ") + serialNumber.trimmed();
    return parts.join(QStringLiteral(", "));
}

std::vector<std::pair<QString, QString>> FoundSerialPorts() {
    std::map<std::string, QString> described;
    std::vector<std::string> paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::string path = info.systemLocation().toStdString();
        described[path] = SerialPortDetails(
            info.description(), info.hasVendorIdentifier() && info.hasProductIdentifier(),
            info.vendorIdentifier(), info.productIdentifier(), info.serialNumber());
        paths.push_back(path);
    }
    std::vector<std::pair<QString, QString>> ports;
    for (const std::string& path : OrderSerialPorts(paths))
        ports.emplace_back(QString::fromStdString(path), described[path]);
    return ports;
}

frmComDevices::frmComDevices(const std::vector<std::pair<QString, QString>>& ports, QWidget* parent)
    : QDialog(parent), ports_(ports) {
    setObjectName(QStringLiteral("frmComDevices"));
    setWindowTitle(kProgramName + QStringLiteral(" COM Port Devices"));
    auto* form = new QFormLayout;
    for (int slot = 1; slot <= kNumSlots; ++slot) {
        auto* cbo = new QComboBox(this);
        cbo->setObjectName(QStringLiteral("cboComDevice_%1").arg(slot));
        cbo->setEditable(true);
        cbo->setInsertPolicy(QComboBox::NoInsert);
        cbo->setMinimumContentsLength(28);
        LimitDropDown(*cbo);
        cbo->addItem(QString(), QString());
        for (const auto& [path, description] : ports)
            cbo->addItem(ItemText(path, description), path);
        auto* label = new QLabel(QStringLiteral("COM&%1").arg(slot), this);
        label->setBuddy(cbo);
        // The typed device is the box's own text: it carries the slot's name.
        cbo->lineEdit()->setAccessibleName(tr("COM%1 device").arg(slot));
        form->addRow(label, cbo);
        cbo_[slot - 1] = cbo;
        // Which device the slot opens now, under its choice.
        auto* inUse = new QLabel(this);
        inUse->setObjectName(QStringLiteral("lblComDevice_%1").arg(slot));
        inUse->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(QString(), inUse);
        lbl_[slot - 1] = inUse;
    }
    auto* note = new QLabel(
        QStringLiteral("Empty: the slot takes the next serial port found (USB adapters first)."),
        this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdComDevices_Ok"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setObjectName(QStringLiteral("cmdComDevices_Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

QLabel* frmComDevices::InUseLabel(int slot) const {
    return slot >= 1 && slot <= kNumSlots ? lbl_[slot - 1] : nullptr;
}

void frmComDevices::InUse(const std::map<int, std::pair<QString, QString>>& inUse) {
    for (int slot = 1; slot <= kNumSlots; ++slot) {
        const auto it = inUse.find(slot);
        if (it == inUse.end() || it->second.first.isEmpty()) {
            lbl_[slot - 1]->setText(QStringLiteral("In use: none (no serial port found)"));
            continue;
        }
        const QString& path = it->second.first;
        QString note = it->second.second;
        if (note.isEmpty()) {
            for (const auto& [found, description] : ports_)
                if (found == path) note = description;
        }
        lbl_[slot - 1]->setText(QStringLiteral("In use: ") + ItemText(path, note));
    }
}

QComboBox* frmComDevices::Slot(int slot) const {
    return slot >= 1 && slot <= kNumSlots ? cbo_[slot - 1] : nullptr;
}

void frmComDevices::Devices(const std::map<int, std::string>& devices) {
    for (int slot = 1; slot <= kNumSlots; ++slot) {
        QComboBox* cbo = cbo_[slot - 1];
        const auto it = devices.find(slot);
        const QString path = it == devices.end() ? QString() : QString::fromStdString(it->second);
        const int found = cbo->findData(path);
        if (found >= 0)
            cbo->setCurrentIndex(found);
        else
            cbo->setEditText(path);
    }
}

std::map<int, std::string> frmComDevices::Devices() const {
    std::map<int, std::string> devices;
    for (int slot = 1; slot <= kNumSlots; ++slot) {
        const QComboBox* cbo = cbo_[slot - 1];
        // A listed port stands for its path; anything else is a typed path.
        const QString text = cbo->currentText();
        const int listed = cbo->findText(text);
        const QString path = (listed >= 0 ? cbo->itemData(listed).toString() : text).trimmed();
        if (!path.isEmpty()) devices[slot] = path.toStdString();
    }
    return devices;
}
