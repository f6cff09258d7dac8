// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cloning cable's serial line on a QSerialPort: 8 data bits, no parity,
// 1 stop bit, DTR and RTS asserted (the cable draws its power from them).
// Received bytes, a runaway receive backlog, line errors and a device that
// went away are passed on through callbacks to the serial port service.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clone/serial_line.h"

class QSerialPort;

class QtSerialLine : public SerialLine {
  public:
    QtSerialLine();
    ~QtSerialLine() override;
    QtSerialLine(const QtSerialLine&) = delete;
    QtSerialLine& operator=(const QtSerialLine&) = delete;

    bool Open(const std::string& device, std::int32_t baud) override;
    void Close() override;
    bool IsOpen() const override;
    void DiscardOutput() override;
    void Write(const ByteStr& bytes) override;
    int BytesWaiting() const override;
    ByteStr ReadAll() override;
    int BytesToWrite() const override;
    SerialOpenFault LastOpenFault() const override { return openFault_; }
    std::string LastOpenGroup() const override { return openGroup_; }
    std::string LastOpenDetail() const override { return openDetail_; }

    // Bytes arrived.
    std::function<void()> onReceive;
    // A runaway backlog (kSerialRunawayBytes) is waiting unread.
    std::function<void()> onOverflow;
    // A read, write or line fault; the partly received frame is worthless.
    std::function<void()> onLineError;
    // The device went away while open (an adapter unplugged, the far end of
    // a pseudo-terminal closed); the line is closed by then.
    std::function<void()> onDeviceLost;

    // The text of the last error the port reported (for diagnostics).
    std::string errorText() const;

  private:
    class HangupWatch;

    void HandleError(int error);
    void WatchForHangup();
    bool HungUp() const;
    // Closes the line and reports the device lost, from the event loop
    // (never inside the port's own notification).
    void LoseDevice();

    std::unique_ptr<QSerialPort> port_;
    std::unique_ptr<HangupWatch> hangupWatch_;
    bool opening_ = false;
    // Counts opens, so a loss reported for an earlier open is not taken
    // for the present one; the open whose loss is being reported.
    unsigned openSerial_ = 0;
    unsigned lossQueuedFor_ = 0;
    SerialOpenFault openFault_ = SerialOpenFault::None;
    std::string openGroup_;
    std::string openDetail_;
};

// The reason for a refused open, from the port's error (a
// QSerialPort::SerialPortError) and the device path. The port reports a
// device locked by another program as a permission error too; only a
// device this user may not read and write counts as refused for lack of
// permission; one it may is in use. A path that is no terminal (a plain
// file, /dev/null) is no serial device, whatever the port reported.
SerialOpenFault OpenFaultOf(int portError, const std::string& device);

// The group whose membership would let this user use the device (see
// JoinableGroup); empty when none would, or the device cannot be looked at.
std::string PermissionGroupOf(const std::string& device);

// System paths of the serial ports found on this computer. A pseudo-
// terminal is never among them; it is opened by its path.
std::vector<std::string> ListSerialPorts();
