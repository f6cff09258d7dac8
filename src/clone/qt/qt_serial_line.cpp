// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/qt/qt_serial_line.h"

#include <unistd.h>

#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>
#include <cerrno>
#include <limits>

QtSerialLine::QtSerialLine() : port_(std::make_unique<QSerialPort>()) {
    QObject::connect(port_.get(), &QSerialPort::readyRead, port_.get(), [this] {
        // The platform's receive buffer is bounded; a backlog beyond it
        // means bytes would have been lost there.
        if (port_->bytesAvailable() > kSerialInBufferSize) {
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
    port_->setPortName(QString::fromStdString(device));
    port_->setBaudRate(baud);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    opening_ = true;
    openFault_ = SerialOpenFault::None;
    bool ok = port_->open(QIODevice::ReadWrite);
    if (!ok) openFault_ = OpenFaultOf(static_cast<int>(port_->error()), device);
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
    return ok;
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
            port_->close();
            if (onDeviceLost) onDeviceLost();
            return;
        default:  // read, write, time-out and unknown faults of the line
            if (onLineError) onLineError();
            return;
    }
}

SerialOpenFault OpenFaultOf(int portError, const std::string& device) {
    switch (static_cast<QSerialPort::SerialPortError>(portError)) {
        case QSerialPort::DeviceNotFoundError:
            return SerialOpenFault::NotFound;
        case QSerialPort::PermissionError:
            if (::access(device.c_str(), F_OK) != 0) return SerialOpenFault::NotFound;
            if (::access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES)
                return SerialOpenFault::PermissionDenied;
            return SerialOpenFault::None;  // in use by another program
        default:
            return SerialOpenFault::None;
    }
}

std::vector<std::string> ListSerialPorts() {
    std::vector<std::string> found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        found.push_back(info.systemLocation().toStdString());
    return found;
}
