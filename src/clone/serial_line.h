// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial line to the cloning cable, as the clone machinery needs it:
// open with the fixed line settings, write, read everything waiting, and
// look at the transmit queue. The Qt program gives it a QSerialPort; tests
// give it a fake that records what was sent and feeds bytes by hand.

#include <cstdint>
#include <string>

#include "app/common.h"

// Bytes the platform's transmit buffer holds; a frame is only sent while
// more than 256 of them are free.
inline constexpr int kSerialOutBufferSize = 1024;
// Received bytes waiting unread are data, not a loss: the serial library's
// buffer grows as needed, and a fast line or a busy computer can bring the
// whole clone read stream (some 18 KB) at once. Only a backlog beyond this,
// far above anything a clone sends, is a device that sends without end; it
// is given up as a receive overflow.
inline constexpr int kSerialRunawayBytes = 1 << 20;

// Why the last open failed, as far as the platform tells.
enum class SerialOpenFault {
    None,              // the last open succeeded, or no reason is known
    NotFound,          // no device at that path (an adapter unplugged)
    PermissionDenied,  // the device exists but this user may not use it
    InUse,             // another program holds the device
    NotSerial,         // the path is no serial device (a file, /dev/null)
    NoDevice,          // nothing to open: the COM slot stands for no device
    Lost,              // the device went away while open
};

class SerialLine {
  public:
    virtual ~SerialLine() = default;

    // Opens the device at the bit rate with 8 data bits, no parity, 1 stop
    // bit, DTR and RTS asserted. False when the device cannot be opened; the
    // line is closed then.
    virtual bool Open(const std::string& device, std::int32_t baud) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Throws away bytes written but not yet sent.
    virtual void DiscardOutput() = 0;
    virtual void Write(const ByteStr& bytes) = 0;
    // Received bytes not yet read.
    virtual int BytesWaiting() const = 0;
    // Every received byte waiting, in one piece.
    virtual ByteStr ReadAll() = 0;
    // Bytes written but still queued for sending.
    virtual int BytesToWrite() const = 0;
    // Why the last Open returned False. On Linux a serial device usually
    // belongs to a group (dialout on Debian), and a user outside it is
    // refused.
    virtual SerialOpenFault LastOpenFault() const { return SerialOpenFault::None; }
    // After a refusal for lack of permission: the group whose membership
    // would let this user open the device; empty when none would.
    virtual std::string LastOpenGroup() const { return {}; }
    // After a failed open: the program holding the device ("csq5-sim,
    // process 4711") when another one does and the system tells which,
    // else the system's own reason when no fault above fits; empty when
    // there is nothing to add.
    virtual std::string LastOpenDetail() const { return {}; }
};
