// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/qt/qt_com_service.h"

#include <QTimer>

#include "clone/com_ports.h"

QtComService::QtComService(const MsClock& clock)
    : com_(std::make_unique<frmCom>(line_, clock)), timer_(std::make_unique<QTimer>()) {
    line_.onReceive = [this] { com_->OnReceive(); };
    line_.onOverflow = [this] { com_->OnOverflow(); };
    line_.onLineError = [this] { com_->OnLineError(); };
    line_.onDeviceLost = [this] { com_->OnDeviceLost(); };
    comDevices({});
    com_->wakeHook([this] { Wake(); });
    timer_->setInterval(frmCom::kTickMs);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { Tick(); });
}

QtComService::~QtComService() {
    Stop();
}

void QtComService::comDevices(std::map<int, std::string> configured) {
    configured_ = std::move(configured);
    InstallResolver();
}

void QtComService::comOverride(int slot, const std::string& path) {
    if (path.empty())
        overrides_.erase(slot);
    else
        overrides_[slot] = path;
    InstallResolver();
}

std::string QtComService::comDeviceOf(int slot) const {
    if (const auto it = overrides_.find(slot); it != overrides_.end()) return it->second;
    return ResolveComDevice(slot, configured_, portLister_());
}

void QtComService::portLister(std::function<std::vector<std::string>()> lister) {
    portLister_ = std::move(lister);
}

void QtComService::InstallResolver() {
    com_->comResolver([this](int slot) { return comDeviceOf(slot); });
    com_->comPortLister([this] { return portLister_(); });
}

void QtComService::Start() {
    started_ = true;
    timer_->start();
}

void QtComService::Stop() {
    started_ = false;
    timer_->stop();
    com_->comOpen(false);
}

bool QtComService::Ticking() const {
    return timer_->isActive();
}

void QtComService::Tick() {
    com_->timSolid_Timer();
    if (!com_->HeartbeatNeeded()) timer_->stop();
}

void QtComService::Wake() {
    // Restarting an active timer would only shift its phase.
    if (started_ && !timer_->isActive()) timer_->start();
}
