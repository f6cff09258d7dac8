// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cloning cable for tests: what a receiver puts on it (answer frames,
// the identification of an RX-Q5, the whole answer to a clone read), and the
// serial port service on a fake line and a fake clock, where bytes arrive
// and time passes only when the test says.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "app/common.h"
#include "clone/acf3_driver.h"
#include "clone/com_service.h"
#include "fake_clock.h"
#include "fake_serial_line.h"
#include "image/eeprom.h"

// Requests of an RX-Q5's computer: identification, clone read and write,
// the end of the written data, an extended command with the byte 42.
inline const ByteStr kInfoRequest{0xE0, 0x23, 0x04, 0x00, 0x00};
inline const ByteStr kReadRequest{0xE2, 0x23, 0x04, 0x00, 0x01};
inline const ByteStr kWriteRequest{0xE3, 0x23, 0x04, 0x00, 0x01};
inline const ByteStr kEndRequest{0xE5, 'A', 'r', 'd', 'o', ' ', 'I', 'n', 'c', '.'};
inline const ByteStr kExtendedRequest{0xE8, 0x23, 0x04, 0x00, 0x01, 0x42};

inline ByteStr Cat(std::initializer_list<ByteStr> parts) {
    ByteStr out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// FE FE EF EE <command> <body> FD: from the receiver to the computer.
inline ByteStr AnswerFrame(std::uint8_t command, const ByteStr& body) {
    return Cat({{0xFE, 0xFE, 0xEF, 0xEE, command}, body, {0xFD}});
}

inline ByteStr DataFrame(std::int32_t address, const ByteStr& data) {
    return AnswerFrame(0xE4, StrToByteStr(CloneDataBlockText(address, data)));
}

// Model 2304, sub code 0001, then the rest of a 26-byte answer as zeros.
inline ByteStr InfoBody() {
    ByteStr body{0x23, 0x04, 0x00, 0x01};
    body.resize(23, 0);
    return body;
}

// An image whose every byte differs from its neighbours: a block stored at
// the wrong address shows.
inline clsCmcEeprom PatternImage() {
    clsCmcEeprom image;
    for (std::int32_t a = 0; a < image.eeSize(); ++a) image.WriteByte(a, (a * 7 + 3) & 0xFF);
    return image;
}

// The receiver's answer to a clone read; the data frame at `skip` is lost.
inline ByteStr ReadStream(const clsCmcEeprom& image, std::int32_t skip = -1) {
    ByteStr stream;
    for (std::int32_t a = 0; a < image.eeSize(); a += 32)
        if (a != skip) stream = Cat({stream, DataFrame(a, image.ReadBlock(a, 32))});
    return Cat({stream, AnswerFrame(0xE5, StrToByteStr("Ardo Inc."))});
}

// The serial port service on the fake line; COM n is /dev/ttyUSB(n-1). The
// line echoes nothing unless the test turns the echo on.
struct CloneLine {
    CloneLine() : com(line, clock) {
        line.echo = false;
        com.comResolver([](int n) { return "/dev/ttyUSB" + std::to_string(n - 1); });
    }
    // Hands every waiting byte to the driver, as the serial tick does.
    void Receive(const ByteStr& bytes = {}) {
        line.Feed(bytes);
        while (!line.input.empty()) drv.read(line.ReadAll());
    }
    // Time passes; the driver looks at its time-outs.
    void Tick(std::int32_t ms) {
        clock.Advance(ms);
        drv.task();
    }
    // Opens the port if need be and starts a piece of work in the mode;
    // with `echoed`, the request's echo arrives.
    void Start(int mode, const ByteStr& request, bool echoed = true) {
        if (!com.comOpen()) com.comOpen(true);
        drv.lastError(0);
        drv.workMode(mode);
        if (mode == kWorkExtended) drv.waitAnswer(true);
        ASSERT_EQ(drv.Send(request), 0);
        if (echoed) Receive(line.writes.back());
    }

    FakeClock clock;
    FakeSerialLine line;
    frmCom com;
    clsCmcAcf3Drv& drv = com.drv();
};

class CloneLineTest : public ::testing::Test, public CloneLine {};
