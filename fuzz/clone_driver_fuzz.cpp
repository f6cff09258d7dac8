// SPDX-License-Identifier: GPL-3.0-or-later
// The serial line carries noise, cut frames, frames of other devices and
// receivers that misbehave. Whatever arrives, in whatever pieces, in every
// work mode and wait state, with the clock moving as it likes, the driver
// must neither crash nor write outside the image, must keep its state
// consistent, store exactly the bytes of every valid data frame it accepts
// during a clone read, and send exactly the image's bytes during a clone write.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "clone/acf3_driver.h"
#include "fake_clock.h"
#include "fake_serial_line.h"
#include "fuzz_common.h"

namespace {

ByteStr Cat(const ByteStr& a, const ByteStr& b) {
    ByteStr out = a;
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

ByteStr Answer(std::uint8_t command, const ByteStr& body) {
    return Cat(Cat({0xFE, 0xFE, 0xEF, 0xEE, command}, body), {0xFD});
}

ByteStr Bytes(FuzzedDataProvider& in, std::size_t max) {
    return in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, max));
}

bool KnownError(int e) {
    return e == kDrvOk || e == kDrvNoEcho || e == kDrvNoAnswer || e == kDrvBadAnswer ||
           e == kDrvMissingData || e == kDrvDataOverflow || e == kDrvWriteRefused ||
           e == kDrvCannotSend;
}

// A request payload of the kind the sequence sends in a work mode, or noise.
ByteStr Request(FuzzedDataProvider& in, int mode) {
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            return Bytes(in, 40);
        case 1: {
            static const std::uint8_t kCommand[] = {0xE0, 0xE0, 0xE2, 0xE3, 0xE3, 0xE8};
            const std::uint8_t command = kCommand[mode >= 0 && mode <= 5 ? mode : 0];
            return Cat({command, 0x23, 0x04, 0x00, 0x01}, Bytes(in, 4));
        }
        default:
            return {static_cast<std::uint8_t>(0xE0 + in.ConsumeIntegralInRange<int>(0, 8)),
                    0x23,
                    0x04,
                    0x00,
                    0x01,
                    in.ConsumeIntegral<std::uint8_t>()};
    }
}

// Checks every data frame the driver sends: a well-formed frame whose bytes
// are those of the image at its address.
void CheckWrittenFrame(const ByteStr& frame, const clsCmcEeprom& eep) {
    FUZZ_REQUIRE(frame.size() >= 6);
    FUZZ_REQUIRE(frame[0] == 0xFE && frame[1] == 0xFE && frame[2] == 0xEE && frame[3] == 0xEF);
    FUZZ_REQUIRE(frame.back() == 0xFD);
    if (frame[4] != 0xE4) return;
    const std::string text(frame.begin() + 5, frame.end() - 1);
    // Data frames of a clone write come from the driver only when it builds them.
    if (text.size() < 10 || text.size() % 2 != 0 || !IsHexText(text)) return;
    const ByteStr block = HexStrToByteStr(text);
    const std::int32_t address = block[0] * 256 + block[1];
    const std::size_t count = block[2];
    if (block.size() != count + 4) return;  // a request of the fuzz input, not of the driver
    unsigned sum = 0;
    for (std::uint8_t b : block) sum += b;
    FUZZ_REQUIRE(sum % 256 == 0);
    const ByteStr data(block.begin() + 3, block.end() - 1);
    FUZZ_REQUIRE(data == eep.ReadBlock(address, static_cast<std::int32_t>(count)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);

    FakeClock clock(in.ConsumeIntegral<std::int32_t>());
    FakeSerialLine line;
    clsCmcEeprom eep;
    for (std::int32_t a = 0; a < eep.eeSize(); ++a) eep.WriteByte(a, (a * 7 + 3) & 0xFF);
    clsCmcAcf3Drv drv(clock);
    drv.form(&line);
    drv.myEep(&eep);
    drv.ChkBlock_Clear();
    line.Open("/dev/ttyUSB0", 9600);
    line.echo = in.ConsumeBool();
    bool checkWrites = true;
    bool selfSent = false;  // the frame being written was built by the driver itself
    line.onWrite = [&](const ByteStr& frame) {
        if (checkWrites && selfSent) CheckWrittenFrame(frame, eep);
    };

    // Hands everything the fake line holds to the driver, as the serial tick
    // does; the echo of a clone-write frame makes the driver send the next one.
    auto pump = [&]() {
        for (int i = 0; i < 400 && !line.input.empty(); ++i) {
            selfSent = true;
            drv.read(line.ReadAll());
            selfSent = false;
        }
    };
    auto feed = [&](const ByteStr& chunk) {
        selfSent = true;
        drv.read(chunk);
        selfSent = false;
    };

    int mode = in.ConsumeIntegralInRange<int>(-1, 6);
    drv.workMode(mode);
    if (in.ConsumeBool()) drv.waitAnswer(in.ConsumeBool());
    drv.retryCount(in.ConsumeIntegralInRange<int>(-1, 3));
    drv.sizDataOfPacket(in.ConsumeBool() ? 32 : in.ConsumeIntegralInRange<int>(-2, 300));
    drv.cloneWriteAdrList(in.ConsumeBool() ? std::string("0000-1F7F,")
                                           : in.ConsumeRandomLengthString(40));
    drv.Send(Request(in, mode));

    for (int step = 0; step < 300 && in.remaining_bytes() > 0; ++step) {
        const int waitBefore = drv.waitState();
        const int modeBefore = drv.workMode();
        const bool runningBefore = drv.Running();
        switch (in.ConsumeIntegralInRange<int>(0, 13)) {
            case 0:  // noise
                feed(Bytes(in, 64));
                break;
            case 1: {  // the echo of the last frame, in two pieces with noise between
                if (line.writes.empty()) break;
                const ByteStr& echo = line.writes.back();
                const std::size_t cut = in.ConsumeIntegralInRange<std::size_t>(0, echo.size());
                const ByteStr first(echo.begin(), echo.begin() + static_cast<std::ptrdiff_t>(cut));
                const ByteStr second(echo.begin() + static_cast<std::ptrdiff_t>(cut), echo.end());
                feed(first);
                if (in.ConsumeBool()) feed(Bytes(in, 8));
                feed(second);
                break;
            }
            case 2: {  // a data frame of a clone read, well formed
                const auto address = in.ConsumeIntegralInRange<std::int32_t>(0, 0x2100);
                const auto count = in.ConsumeIntegralInRange<std::size_t>(1, 255);
                ByteStr bytes = in.ConsumeBytes<std::uint8_t>(count);
                if (bytes.empty()) bytes.push_back(0);
                const ByteStr frame =
                    Answer(0xE4, StrToByteStr(CloneDataBlockText(address, bytes)));
                feed(frame);
                // Accepted during a clone read: exactly these bytes are stored,
                // or the frame is refused as not fitting the image.
                if (modeBefore == kWorkRead && waitBefore == 2 && runningBefore) {
                    const auto n = static_cast<std::int32_t>(bytes.size());
                    if (address + n <= eep.eeSize()) {
                        FUZZ_REQUIRE(drv.nowError() == kDrvOk);
                        FUZZ_REQUIRE(eep.ReadBlock(address, n) == bytes);
                        FUZZ_REQUIRE(drv.lastEeAdr() == address + n - 1);
                        FUZZ_REQUIRE(drv.Running() && drv.waitState() == 2);
                    } else {
                        FUZZ_REQUIRE(drv.nowError() == kDrvDataOverflow);
                        FUZZ_REQUIRE(!drv.Running());
                    }
                }
                break;
            }
            case 3: {  // a frame split anywhere, possibly damaged
                ByteStr frame = Answer(in.ConsumeIntegral<std::uint8_t>(), Bytes(in, 40));
                if (in.ConsumeBool() && !frame.empty())
                    frame[in.ConsumeIntegralInRange<std::size_t>(0, frame.size() - 1)] =
                        in.ConsumeIntegral<std::uint8_t>();
                std::size_t pos = 0;
                while (pos < frame.size()) {
                    const auto n = in.ConsumeIntegralInRange<std::size_t>(1, frame.size() - pos);
                    feed(ByteStr(frame.begin() + static_cast<std::ptrdiff_t>(pos),
                                 frame.begin() + static_cast<std::ptrdiff_t>(pos + n)));
                    pos += n;
                }
                break;
            }
            case 4:  // the end of a clone read
                feed(Answer(0xE5, StrToByteStr("Ardo Inc.")));
                break;
            case 5: {  // the identification, the write result or an extended answer
                static const std::uint8_t kCommand[] = {0xE1, 0xE6, 0xE8};
                const std::uint8_t command = kCommand[in.ConsumeIntegralInRange<int>(0, 2)];
                feed(Answer(command, Cat({0x23, 0x04, 0x00, 0x01}, Bytes(in, 24))));
                break;
            }
            case 6:  // time passes
                clock.Advance(in.ConsumeIntegralInRange<std::int32_t>(0, 25000));
                drv.task();
                break;
            case 7:  // the clock jumps anywhere
                clock.Advance(in.ConsumeIntegral<std::int32_t>());
                drv.task();
                break;
            case 8:
                drv.task();
                break;
            case 9:  // a new piece of work
                mode = in.ConsumeIntegralInRange<int>(-1, 6);
                drv.workMode(mode);
                drv.retryCount(in.ConsumeIntegralInRange<int>(-1, 3));
                if (in.ConsumeBool()) {
                    drv.cloneWriteAdrList(in.ConsumeBool() ? std::string("0000-1F7F,")
                                                           : in.ConsumeRandomLengthString(40));
                    drv.sizDataOfPacket(in.ConsumeIntegralInRange<int>(-2, 300));
                }
                drv.Send(Request(in, mode));
                break;
            case 10:
                switch (in.ConsumeIntegralInRange<int>(0, 3)) {
                    case 0:
                        drv.Reset();
                        break;
                    case 1:
                        drv.ClearRxBuffer();
                        break;
                    case 2:
                        drv.ChkBlock_Clear();
                        break;
                    default:
                        drv.RetrySend();
                        break;
                }
                break;
            case 11:  // the transmit queue fills or drains
                line.queued = in.ConsumeIntegralInRange<int>(0, 1100);
                break;
            case 12:
                line.echo = in.ConsumeBool();
                break;
            default:  // the serial tick reads whatever is waiting
                pump();
                break;
        }

        FUZZ_REQUIRE(eep.eeSize() == clsCmcEeprom::kReceiverSize);
        FUZZ_REQUIRE(KnownError(drv.nowError()));
        FUZZ_REQUIRE(KnownError(drv.lastError()));
        FUZZ_REQUIRE(drv.Running() == (drv.waitState() != 0));
        FUZZ_REQUIRE(drv.Running() == !drv.transmitFrame().empty());
        FUZZ_REQUIRE(drv.waitState() >= 0 && drv.waitState() <= 2);
        if (drv.nowError() != kDrvOk) FUZZ_REQUIRE(drv.lastError() == drv.nowError());
    }
    checkWrites = false;
    return 0;
}
