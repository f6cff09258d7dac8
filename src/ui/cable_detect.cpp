// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cable_detect.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "clone/qt/serial_ports.h"

namespace {
SerialPortList& InstalledList() {
    static SerialPortList list;
    return list;
}

std::vector<std::string> PathsOf(const std::vector<std::pair<QString, QString>>& ports) {
    std::vector<std::string> paths;
    for (const auto& port : ports) paths.push_back(port.first.toStdString());
    return paths;
}
}  // namespace

std::vector<std::pair<QString, QString>> SerialPortsNow() {
    return InstalledList() ? InstalledList()() : FoundSerialPorts();
}

void SetSerialPortsNow(SerialPortList list) {
    InstalledList() = std::move(list);
}

CableDetect::CableDetect(const QString& name, QWidget* parent) : QWidget(parent) {
    button_ = new QPushButton(tr("&Detect cable"), this);
    button_->setObjectName(name);
    button_->setAutoDefault(false);
    setFocusProxy(button_);
    note_ = new QLabel(this);
    note_->setObjectName(name + QStringLiteral("_Note"));
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(button_, 0, Qt::AlignLeft);
    layout->addWidget(note_);
    note_->hide();
    timer_.setInterval(kPollMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Look(); });
    connect(button_, &QPushButton::clicked, this, [this] { Toggle(); });
}

void CableDetect::Toggle() {
    if (Waiting()) {
        Stop(QString());
        return;
    }
    watch_.emplace(PathsOf(SerialPortsNow()));
    looks_ = 0;
    button_->setText(tr("Stop &detecting"));
    Note(tr("Plug the cable in now (or pull it out and plug it in again)."));
    timer_.start();
}

void CableDetect::Look() {
    if (!Waiting()) return;
    const auto ports = SerialPortsNow();
    const QString cable = QString::fromStdString(watch_->Look(PathsOf(ports)));
    if (cable.isEmpty()) {
        if (++looks_ >= kMaxPolls)
            Stop(tr("No serial device appeared. Is the cable plugged in all the way?"));
        return;
    }
    QString description;
    for (const auto& [path, text] : ports)
        if (path == cable) description = text;
    Stop(description.isEmpty() ? tr("Found %1.").arg(cable)
                               : tr("Found %1 (%2).").arg(cable, description));
    emit found(cable, description);
}

void CableDetect::Note(const QString& text) {
    note_->setText(text);
    note_->setVisible(!text.isEmpty());  // no empty line under the button
}

void CableDetect::Stop(const QString& note) {
    timer_.stop();
    watch_.reset();
    button_->setText(tr("&Detect cable"));
    Note(note);
}
