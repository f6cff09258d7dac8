// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/com_devices_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "clone/com_ports.h"
#include "ui/cable_detect.h"
#include "ui/caption.h"
#include "ui/drop_down.h"

namespace {
// An item shows the path, then the description in brackets; its data is
// the path alone.
QString ItemText(const QString& path, const QString& description) {
    return description.isEmpty() ? path : path + QStringLiteral("  [") + description + ']';
}
}  // namespace

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
    // COMn takes the n-th port of the list, not the next one left over: the
    // note says so, lest an empty COM2 be expected to open the only port.
    auto* note = new QLabel(
        tr("Empty: COM n takes the n-th serial port found, in the order of the lists."), this);
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
    detect_ = new CableDetect(QStringLiteral("cmdComDevices_Detect"), this);
    connect(detect_, &CableDetect::found, this, &frmComDevices::CableFound);
    layout->addWidget(detect_);
    layout->addWidget(buttons);
}

void frmComDevices::CableFound(const QString& path, const QString& description) {
    const int slot = detectSlot_ >= 1 && detectSlot_ <= kNumSlots ? detectSlot_ : 1;
    for (QComboBox* cbo : cbo_)
        if (cbo->findData(path) < 0) cbo->addItem(ItemText(path, description), path);
    if (std::none_of(ports_.begin(), ports_.end(),
                     [&path](const auto& p) { return p.first == path; }))
        ports_.emplace_back(path, description);
    QComboBox* cbo = cbo_[slot - 1];
    cbo->setCurrentIndex(cbo->findData(path));
    detect_->Note(
        description.isEmpty()
            ? tr("Found %1: COM%2 opens it after OK.").arg(path).arg(slot)
            : tr("Found %1 (%2): COM%3 opens it after OK.").arg(path, description).arg(slot));
}

QLabel* frmComDevices::InUseLabel(int slot) const {
    return slot >= 1 && slot <= kNumSlots ? lbl_[slot - 1] : nullptr;
}

void frmComDevices::InUse(const std::map<int, std::pair<QString, QString>>& inUse) {
    for (int slot = 1; slot <= kNumSlots; ++slot) {
        const auto it = inUse.find(slot);
        if (it == inUse.end() || it->second.first.isEmpty()) {
            // Fewer ports than the slot's number is not "no port found".
            lbl_[slot - 1]->setText(ports_.empty()
                                        ? QStringLiteral("In use: none (no serial port found)")
                                        : tr("In use: none (%n serial port(s) found: choose one)",
                                             "", int(ports_.size())));
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
