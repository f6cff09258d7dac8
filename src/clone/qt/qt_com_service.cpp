#include "clone/qt/qt_com_service.h"

#include <QTimer>

#include "clone/com_ports.h"

QtComService::QtComService(const MsClock& clock)
    : com_(std::make_unique<frmCom>(line_, clock)), timer_(std::make_unique<QTimer>()) {
    line_.onReceive = [this] { com_->OnReceive(); };
    line_.onOverflow = [this] { com_->OnOverflow(); };
    line_.onLineError = [this] { com_->OnLineError(); };
    comDevices({});
    timer_->setInterval(frmCom::kTickMs);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(),
                     [this] { com_->timSolid_Timer(); });
}

QtComService::~QtComService() {
    Stop();
}

void QtComService::comDevices(std::map<int, std::string> configured) {
    com_->comResolver([configured = std::move(configured)](int slot) {
        return ResolveComDevice(slot, configured, ListSerialPorts());
    });
}

void QtComService::Start() {
    timer_->start();
}

void QtComService::Stop() {
    timer_->stop();
    com_->comOpen(false);
}
