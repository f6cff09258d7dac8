// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/qt/qt_serial_line.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QEvent>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <limits>

#include "clone/com_ports.h"

// A device that goes away (a USB adapter pulled out, the far end of a
// pseudo-terminal closed) is hung up: it stays readable for ever while every
// read returns end of file. QSerialPort reports no error for that and would
// read it again and again, busy, until a write happened to fail. This filter
// sits on the port's own read notifier and takes such a wake-up for what it
// is: the notifier is stopped and the device given up.
class QtSerialLine::HangupWatch : public QObject {
  public:
    explicit HangupWatch(QtSerialLine& line) : line_(line) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::SockAct || !line_.HungUp()) return false;
        if (auto* notifier = qobject_cast<QSocketNotifier*>(watched)) notifier->setEnabled(false);
        line_.LoseDevice();
        return true;
    }

  private:
    QtSerialLine& line_;
};

QtSerialLine::QtSerialLine()
    : port_(std::make_unique<QSerialPort>()), hangupWatch_(std::make_unique<HangupWatch>(*this)) {
    QObject::connect(port_.get(), &QSerialPort::readyRead, port_.get(), [this] {
        // The port's buffer has no bound of its own: a backlog is data to
        // process, however it arrived. Only a device that sends without end
        // is given up.
        if (port_->bytesAvailable() > kSerialRunawayBytes) {
            if (onOverflow) onOverflow();
            return;
        }
        if (onReceive) onReceive();
    });
    QObject::connect(
        port_.get(), &QSerialPort::errorOccurred, port_.get(),
        [this](QSerialPort::SerialPortError error) { HandleError(static_cast<int>(error)); });
}

QtSerialLine::~QtSerialLine() {
    if (port_->isOpen()) port_->close();
}

bool QtSerialLine::Open(const std::string& device, std::int32_t baud) {
    if (port_->isOpen()) port_->close();
    // A relative path ("cables/rx") means the current folder, as every
    // path on the command line does; the port library would look for a
    // name without "./" in front under /dev.
    std::string path = device;
    if (path.find('/') != std::string::npos && path[0] != '/') {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
        if (!ec) path = absolute.string();
    }
    port_->setPortName(QString::fromStdString(path));
    port_->setBaudRate(baud);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    opening_ = true;
    ++openSerial_;
    openFault_ = SerialOpenFault::None;
    openGroup_.clear();
    openDetail_.clear();
    bool ok = port_->open(QIODevice::ReadWrite);
    if (!ok) {
        openFault_ = OpenFaultOf(static_cast<int>(port_->error()), device);
        if (openFault_ == SerialOpenFault::PermissionDenied) openGroup_ = PermissionGroupOf(device);
        if (openFault_ == SerialOpenFault::InUse)
            openDetail_ = DeviceHolder(device, "/proc", static_cast<long>(::getpid()));
        if (openFault_ == SerialOpenFault::None) {
            // The system's own words, as a clause after the device's name.
            QString text = port_->errorString();
            if (!text.isEmpty()) text[0] = text[0].toLower();
            while (text.endsWith(QLatin1Char('.'))) text.chop(1);
            openDetail_ = text.toStdString();
        }
    }
    // A pseudo-terminal has no modem lines: setting them fails with an
    // unsupported operation, which is no reason to refuse the port.
    const auto modemLineSet = [this](bool set) {
        if (set) return true;
        if (port_->error() != QSerialPort::UnsupportedOperationError) return false;
        port_->clearError();
        return true;
    };
    if (ok)
        ok = modemLineSet(port_->setDataTerminalReady(true)) &&
             modemLineSet(port_->setRequestToSend(true));
    opening_ = false;
    if (!ok && port_->isOpen()) port_->close();
    if (ok) WatchForHangup();
    return ok;
}

void QtSerialLine::WatchForHangup() {
    const auto fd = port_->handle();
    for (QSocketNotifier* notifier : port_->findChildren<QSocketNotifier*>()) {
        if (notifier->type() == QSocketNotifier::Read && notifier->socket() == fd)
            notifier->installEventFilter(hangupWatch_.get());
    }
}

bool QtSerialLine::HungUp() const {
    const int fd = static_cast<int>(port_->handle());
    if (fd < 0) return false;
    pollfd watch{fd, POLLIN, 0};
    if (::poll(&watch, 1, 0) <= 0 || (watch.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0)
        return false;
    // Bytes that arrived before the hang-up are still read first.
    int waiting = 0;
    return ::ioctl(fd, FIONREAD, &waiting) != 0 || waiting <= 0;
}

void QtSerialLine::LoseDevice() {
    if (lossQueuedFor_ == openSerial_) return;
    lossQueuedFor_ = openSerial_;
    const unsigned serial = openSerial_;
    QMetaObject::invokeMethod(
        port_.get(),
        [this, serial] {
            // Closed or opened anew since: that is no longer the lost device.
            if (serial != openSerial_ || !port_->isOpen()) return;
            port_->close();
            if (onDeviceLost) onDeviceLost();
        },
        Qt::QueuedConnection);
}

void QtSerialLine::Close() {
    if (port_->isOpen()) port_->close();
}

bool QtSerialLine::IsOpen() const {
    return port_->isOpen();
}

void QtSerialLine::DiscardOutput() {
    if (port_->isOpen()) port_->clear(QSerialPort::Output);
}

void QtSerialLine::Write(const ByteStr& bytes) {
    if (!port_->isOpen() || bytes.empty()) return;
    port_->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

int QtSerialLine::BytesWaiting() const {
    if (!port_->isOpen()) return 0;
    return static_cast<int>(
        std::min<qint64>(port_->bytesAvailable(), std::numeric_limits<int>::max()));
}

ByteStr QtSerialLine::ReadAll() {
    if (!port_->isOpen()) return {};
    const QByteArray data = port_->readAll();
    return ByteStr(reinterpret_cast<const std::uint8_t*>(data.constData()),
                   reinterpret_cast<const std::uint8_t*>(data.constData()) + data.size());
}

int QtSerialLine::BytesToWrite() const {
    if (!port_->isOpen()) return 0;
    return static_cast<int>(
        std::min<qint64>(port_->bytesToWrite(), std::numeric_limits<int>::max()));
}

std::string QtSerialLine::errorText() const {
    return port_->errorString().toStdString();
}

void QtSerialLine::HandleError(int error) {
    if (opening_) return;  // Open judges its own errors
    switch (static_cast<QSerialPort::SerialPortError>(error)) {
        case QSerialPort::NoError:
        case QSerialPort::NotOpenError:
            return;
        case QSerialPort::UnsupportedOperationError:
            // Modem-line control on a pseudo-terminal: harmless.
            port_->clearError();
            return;
        case QSerialPort::DeviceNotFoundError:
        case QSerialPort::PermissionError:
        case QSerialPort::OpenError:
            // Reported by Open's result.
            return;
        case QSerialPort::ResourceError:
            // The device went away (an adapter unplugged): nothing more will
            // pass, so the port is given up at once rather than waiting for
            // the exchange's time-out.
            LoseDevice();
            return;
        default:  // read, write, time-out and unknown faults of the line
            if (onLineError) onLineError();
            return;
    }
}

namespace {

// Whether the path is a terminal device, as a serial port is. Opened
// without becoming the controlling terminal and without waiting for a
// modem's carrier; a path that cannot be opened is not judged.
bool IsNoTerminal(const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0) return false;
    if (!S_ISCHR(st.st_mode)) return true;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const bool terminal = ::isatty(fd) != 0;
    ::close(fd);
    return !terminal;
}

}  // namespace

SerialOpenFault OpenFaultOf(int portError, const std::string& device) {
    if (::access(device.c_str(), F_OK) != 0) return SerialOpenFault::NotFound;
    switch (static_cast<QSerialPort::SerialPortError>(portError)) {
        case QSerialPort::DeviceNotFoundError:
            return SerialOpenFault::NotFound;
        case QSerialPort::PermissionError:
            if (::access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES)
                return SerialOpenFault::PermissionDenied;
            if (IsNoTerminal(device)) return SerialOpenFault::NotSerial;
            return SerialOpenFault::InUse;
        default:
            return IsNoTerminal(device) ? SerialOpenFault::NotSerial : SerialOpenFault::None;
    }
}

std::string PermissionGroupOf(const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0) return {};
    const group* entry = ::getgrgid(st.st_gid);
    DeviceAccess access;
    access.mode = st.st_mode;
    access.owner = st.st_uid;
    access.group = st.st_gid;
    access.groupName = entry != nullptr && entry->gr_name != nullptr ? entry->gr_name : "";
    return JoinableGroup(access, ::geteuid());
}

std::vector<std::string> ListSerialPorts() {
    std::vector<std::string> found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        found.push_back(info.systemLocation().toStdString());
    return found;
}
