// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/acf3_driver.h"

#include <gtest/gtest.h>

#include "fake_clock.h"
#include "fake_serial_line.h"

namespace {

ByteStr Cat(std::initializer_list<ByteStr> parts) {
    ByteStr out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// An answer frame on the wire: FE FE EF EE <command> <body> FD.
ByteStr Answer(std::uint8_t command, const ByteStr& body) {
    return Cat({{0xFE, 0xFE, 0xEF, 0xEE, command}, body, {0xFD}});
}

ByteStr DataFrame(std::int32_t address, const ByteStr& data) {
    return Answer(0xE4, StrToByteStr(CloneDataBlockText(address, data)));
}

ByteStr InfoBody() {
    ByteStr body(23, 0);
    body[0] = 0x23, body[1] = 0x04, body[2] = 0x00, body[3] = 0x01;
    return body;
}

const ByteStr kEndMark = StrToByteStr("Ardo Inc.");

class DriverTest : public ::testing::Test {
  protected:
    DriverTest() : drv(clock) {
        drv.form(&line);
        line.Open("/dev/ttyUSB0", 9600);
        line.echo = false;
        drv.myEep(&eep);
    }

    // Hands every waiting byte to the driver, as the serial tick does.
    void Pump() {
        while (!line.input.empty()) drv.read(line.ReadAll());
    }
    void Receive(const ByteStr& bytes) {
        line.Feed(bytes);
        Pump();
    }
    void Tick(std::int32_t ms) {
        clock.Advance(ms);
        drv.task();
    }
    // Sends a request in the work mode and delivers its echo.
    void SendEchoed(int mode, const ByteStr& payload) {
        drv.workMode(mode);
        ASSERT_EQ(drv.Send(payload), 0);
        Receive(line.writes.back());
    }
    std::size_t FramesWithCommand(std::uint8_t command) const {
        std::size_t n = 0;
        for (const auto& w : line.writes) n += (w.size() > 4 && w[4] == command);
        return n;
    }

    FakeClock clock;
    FakeSerialLine line;
    clsCmcEeprom eep;
    clsCmcAcf3Drv drv;
};

const ByteStr kInfoRequest{0xE0, 0x23, 0x04, 0x00, 0x00};

}  // namespace

TEST(DataBlock, WorkedExampleChecksumMakesTheSumZero) {
    EXPECT_EQ(CloneDataBlockText(0x0120, {0x12, 0x34}), "012002123497");
    EXPECT_EQ(CloneDataBlockText(0x0000, {0x00}), "00000100FF");
    EXPECT_EQ(CloneDataBlockText(0x1F7F, {0x81}), "1F7F0181E0");
}

TEST_F(DriverTest, WriteFrameOfTheWorkedExampleIs18Bytes) {
    eep.WriteBlock(0x0120, {0x12, 0x34});
    drv.cloneWriteAdrList("0120-0121,");
    drv.sizDataOfPacket(32);
    SendEchoed(kWorkWriteData, {0xE3, 0x23, 0x04, 0x00, 0x01});
    const ByteStr expected{0xFE, 0xFE, 0xEE, 0xEF, 0xE4, 0x30, 0x31, 0x32, 0x30,
                           0x30, 0x32, 0x31, 0x32, 0x33, 0x34, 0x39, 0x37, 0xFD};
    ASSERT_EQ(line.writes.size(), 2u);
    EXPECT_EQ(line.writes[1], expected);
}

TEST_F(DriverTest, EchoIsFoundAcrossChunksAndAfterStrayBytes) {
    drv.workMode(kWorkExtended);  // no answer wanted: the echo ends the work
    const ByteStr request{0xE8, 0x23, 0x04, 0x00, 0x01, 0x55};
    for (std::size_t split = 1; split < 11; ++split) {
        ASSERT_EQ(drv.Send(request), 0);
        const ByteStr frame = Cat({{0x00, 0xFE, 0x13, 0xFD}, line.writes.back()});
        Receive(ByteStr(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(split)));
        EXPECT_TRUE(drv.Running()) << split;
        Receive(ByteStr(frame.begin() + static_cast<std::ptrdiff_t>(split), frame.end()));
        EXPECT_FALSE(drv.Running()) << split;
        EXPECT_EQ(drv.nowError(), 0) << split;
    }
}

TEST_F(DriverTest, EchoFollowedByMoreThan256BytesOfAnswerInOneChunk) {
    // A late tick during a clone read: the echo, the whole image and the end
    // frame all arrive in one read.
    clsCmcEeprom source;
    for (std::int32_t a = 0; a < source.eeSize(); ++a) source.WriteByte(a, (a * 7 + 3) & 0xFF);
    drv.workMode(kWorkRead);
    drv.ChkBlock_Clear();
    ASSERT_EQ(drv.Send({0xE2, 0x23, 0x04, 0x00, 0x01}), 0);
    ByteStr all = line.writes.back();
    for (std::int32_t a = 0; a < source.eeSize(); a += 32)
        all = Cat({all, DataFrame(a, source.ReadBlock(a, 32))});
    all = Cat({all, Answer(0xE5, kEndMark)});
    Receive(all);
    EXPECT_FALSE(drv.Running());
    EXPECT_EQ(drv.nowError(), 0);
    EXPECT_TRUE(eep.IsSameAs(source));
    EXPECT_EQ(drv.lastEeAdr(), 0x1F7F);
}

TEST_F(DriverTest, AnswerIsAssembledAroundStrayPreamblesAndTerminators) {
    const ByteStr answer = Answer(0xE1, InfoBody());
    const std::vector<std::vector<ByteStr>> deliveries = {
        {answer},
        {Cat({{0x11, 0x22}, answer})},                // noise before the frame
        {Cat({{0xFD}, answer})},                      // stray terminator, same chunk
        {Cat({{0x33, 0xFD, 0x44}, answer, {0x55}})},  // noise around a terminator
        {Cat({{0xFE, 0xFE, 0xFE}, answer})},          // extra preambles restart the frame
        {Cat({{0xFE, 0xFE, 0xEF, 0x01}}), answer},    // a cut frame is replaced by a new one
        {ByteStr(answer.begin(), answer.begin() + 7), ByteStr(answer.begin() + 7, answer.end())},
        {{0xFD},
         ByteStr(answer.begin(), answer.begin() + 2),
         ByteStr(answer.begin() + 2, answer.end())},
    };
    for (std::size_t i = 0; i < deliveries.size(); ++i) {
        SendEchoed(kWorkInfo, kInfoRequest);
        for (const auto& chunk : deliveries[i]) Receive(chunk);
        EXPECT_FALSE(drv.Running()) << i;
        EXPECT_EQ(drv.nowError(), 0) << i;
        EXPECT_EQ(drv.ansInfo(), ByteStr(answer.begin() + 2, answer.end() - 1)) << i;
    }
}

TEST_F(DriverTest, FramesNotForTheComputerOrUnexpectedAreIgnored) {
    SendEchoed(kWorkInfo, kInfoRequest);
    Receive(Cat({{0xFE, 0xFE, 0xEE, 0xEF, 0xE1}, InfoBody(), {0xFD}}));  // our own direction
    Receive(Answer(0xE6, {0x00}));      // wrong command for the mode
    Receive({0xFE, 0xFE, 0xEF, 0xFD});  // too short
    EXPECT_TRUE(drv.Running());
    Receive(Answer(0xE1, InfoBody()));
    EXPECT_FALSE(drv.Running());
    EXPECT_EQ(drv.nowError(), 0);
}

TEST_F(DriverTest, MissingEchoGivesError1AfterOneSecond) {
    drv.workMode(kWorkInfo);
    drv.Send(kInfoRequest);
    Tick(999);
    EXPECT_TRUE(drv.Running());
    Tick(1);
    EXPECT_FALSE(drv.Running());
    EXPECT_EQ(drv.lastError(), kDrvNoEcho);
}

TEST_F(DriverTest, MissingAnswerGivesError2AfterTheAnswerTime) {
    SendEchoed(kWorkInfo, kInfoRequest);
    Tick(1199);
    EXPECT_TRUE(drv.Running());
    Tick(1);
    EXPECT_EQ(drv.lastError(), kDrvNoAnswer);
    EXPECT_EQ(line.writes.size(), 1u);  // no resend without a retry count
}

// The error of a failed piece of work must not outlive it: a new request
// sent without a Reset in between ends normally when its answer arrives.
TEST_F(DriverTest, NewWorkAfterAFailureEndsOnItsAnswer) {
    drv.workMode(kWorkInfo);
    ASSERT_EQ(drv.Send(kInfoRequest), 0);
    Tick(1000);
    ASSERT_EQ(drv.nowError(), kDrvNoEcho);

    SendEchoed(kWorkInfo, kInfoRequest);
    EXPECT_EQ(drv.nowError(), 0);
    Receive(Answer(0xE1, InfoBody()));
    EXPECT_FALSE(drv.Running());
    EXPECT_EQ(drv.nowError(), 0);
    EXPECT_EQ(drv.lastError(), kDrvNoEcho);  // kept until the caller clears it
    Tick(2000);
    EXPECT_EQ(drv.lastError(), kDrvNoEcho);
}

TEST_F(DriverTest, IdentificationCodesMustReadAsDecimal) {
    struct Case {
        ByteStr codes;
        int error;
    };
    const std::vector<Case> cases = {
        {{0x23, 0x04, 0x00, 0x01}, 0}, {{0x23, 0x04, 0x0E, 0x01}, 0},  // one E between digits
        {{0x23, 0x0D, 0x00, 0x01}, 0}, {{0x23, 0x0A, 0x00, 0x01}, 3},
        {{0x2B, 0x04, 0x00, 0x01}, 3}, {{0x23, 0x04, 0x0C, 0x01}, 3},
        {{0x23, 0x04, 0x00, 0x0F}, 3}, {{0xD3, 0x04, 0x00, 0x01}, 3},  // letter at the start
        {{0x23, 0x04, 0x00, 0x0E}, 3}, {{0x23, 0x0D, 0x0E, 0x01}, 3},  // at the end; two letters
    };
    for (const auto& c : cases) {
        drv.lastError(0);
        SendEchoed(kWorkInfo, kInfoRequest);
        ByteStr body = InfoBody();
        std::copy(c.codes.begin(), c.codes.end(), body.begin());
        Receive(Answer(0xE1, body));
        EXPECT_FALSE(drv.Running());
        EXPECT_EQ(drv.lastError(), c.error) << ByteStrToHexStr(c.codes);
    }
    drv.lastError(0);
    SendEchoed(kWorkInfo, kInfoRequest);
    Receive(Answer(0xE1, {0x23, 0x04, 0x00}));  // too short for the codes
    EXPECT_EQ(drv.lastError(), kDrvBadAnswer);
}

TEST_F(DriverTest, MalformedDataFramesGiveError3) {
    const std::string good = CloneDataBlockText(0x0010, {0x01, 0x02});  // "0010020102" + sum
    std::string badSum = good;
    badSum.back() = badSum.back() == '0' ? '1' : '0';
    std::string badCount = CloneDataBlockText(0x0010, {0x01, 0x02});
    badCount.replace(4, 2, "03");
    const std::vector<ByteStr> bodies = {
        StrToByteStr(good + "0"),      // even frame length
        StrToByteStr("00100101"),      // shorter than 13
        StrToByteStr(badSum),          // checksum does not add up
        StrToByteStr(badCount),        // count does not match the length
        StrToByteStr("0010020G0200"),  // not hexadecimal text
    };
    for (const auto& body : bodies) {
        drv.lastError(0);
        SendEchoed(kWorkRead, {0xE2, 0x23, 0x04, 0x00, 0x01});
        Receive(Answer(0xE4, body));
        EXPECT_EQ(drv.lastError(), kDrvBadAnswer) << ByteStrToStr(body);
        EXPECT_FALSE(drv.Running());
    }
}

TEST_F(DriverTest, ReadEndingWithMissingBytesGivesError4) {
    drv.ChkBlock_Clear();
    SendEchoed(kWorkRead, {0xE2, 0x23, 0x04, 0x00, 0x01});
    for (std::int32_t a = 0; a < 8064 - 32; a += 32) Receive(DataFrame(a, ByteStr(32, 0x5A)));
    EXPECT_TRUE(drv.Running());
    Receive(Answer(0xE5, kEndMark));
    EXPECT_EQ(drv.lastError(), kDrvMissingData);
}

TEST_F(DriverTest, LongDataFrameSplitAcrossChunksIsAssembledWhole) {
    // 128 data bytes make a 267-byte frame: longer than a 256-byte buffer.
    drv.ChkBlock_Clear();
    SendEchoed(kWorkRead, {0xE2, 0x23, 0x04, 0x00, 0x01});
    ByteStr data(128);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 3);
    const ByteStr frame = DataFrame(0x0200, data);
    for (std::size_t at = 0; at < frame.size(); at += 40)
        Receive(
            ByteStr(frame.begin() + static_cast<std::ptrdiff_t>(at),
                    frame.begin() + static_cast<std::ptrdiff_t>(std::min(at + 40, frame.size()))));
    EXPECT_EQ(drv.nowError(), 0);
    EXPECT_EQ(eep.ReadBlock(0x0200, 128), data);
    EXPECT_EQ(drv.lastEeAdr(), 0x027F);
}

TEST_F(DriverTest, DataFrameOutsideTheImageGivesError5) {
    for (const auto& frame :
         {DataFrame(0x1F70, ByteStr(32, 1)), DataFrame(0x8000, ByteStr(4, 1))}) {
        drv.lastError(0);
        drv.ChkBlock_Clear();
        SendEchoed(kWorkRead, {0xE2, 0x23, 0x04, 0x00, 0x01});
        Receive(frame);
        EXPECT_EQ(drv.lastError(), kDrvDataOverflow);
    }
}

TEST_F(DriverTest, EveryDataFrameRestartsTheAnswerWait) {
    drv.ChkBlock_Clear();
    SendEchoed(kWorkRead, {0xE2, 0x23, 0x04, 0x00, 0x01});
    for (std::int32_t a = 0; a < 8064; a += 32) {
        Tick(1100);
        Receive(DataFrame(a, ByteStr(32, static_cast<std::uint8_t>(a >> 5))));
    }
    EXPECT_TRUE(drv.Running());
    EXPECT_EQ(drv.nowError(), 0);
    Receive(Answer(0xE5, kEndMark));
    EXPECT_FALSE(drv.Running());
    EXPECT_EQ(drv.nowError(), 0);
    EXPECT_EQ(eep.ReadByte(0x1F7F), 0x1F7F >> 5);
}

TEST_F(DriverTest, CloneWriteSends252FramesThenTheEndFrame) {
    line.echo = true;
    for (std::int32_t a = 0; a < eep.eeSize(); ++a) eep.WriteByte(a, a & 0xFF);
    drv.cloneWriteAdrList("0000-1F7F,");
    drv.sizDataOfPacket(32);
    drv.workMode(kWorkWriteData);
    ASSERT_EQ(drv.Send({0xE3, 0x23, 0x04, 0x00, 0x01}), 0);
    Pump();
    ASSERT_EQ(FramesWithCommand(0xE4), 252u);
    // The data frames carry the image in order, 32 bytes each.
    clsCmcEeprom copy;
    copy.FillBlock(0, 0xEE, copy.eeSize());
    std::int32_t lastAddress = -1;
    for (const auto& w : line.writes) {
        if (w[4] != 0xE4) continue;
        const ByteStr block = HexStrToByteStr(ByteStrToStr(ByteStr(w.begin() + 5, w.end() - 1)));
        ASSERT_EQ(block.size(), 32u + 4u);
        lastAddress = block[0] * 256 + block[1];
        copy.WriteBlock(lastAddress, ByteStr(block.begin() + 3, block.end() - 1));
    }
    EXPECT_EQ(lastAddress, 0x1F60);
    EXPECT_TRUE(copy.IsSameAs(eep));
    EXPECT_EQ(line.writes.back(), Cat({{0xFE, 0xFE, 0xEE, 0xEF, 0xE5}, kEndMark, {0xFD}}));
    EXPECT_EQ(drv.workMode(), kWorkWriteEnd);
    // The receiver takes its time to store the image: 20 s for the result.
    Tick(19999);
    EXPECT_TRUE(drv.Running());
    Receive(Answer(0xE6, {0x00}));
    EXPECT_FALSE(drv.Running());
    EXPECT_EQ(drv.lastError(), 0);
}

TEST_F(DriverTest, WriteListOfSeveralRangesAndShortRanges) {
    line.echo = true;
    drv.cloneWriteAdrList("0000-0004,0100-0140,");
    drv.sizDataOfPacket(32);
    drv.workMode(kWorkWriteData);
    drv.Send({0xE3, 0x23, 0x04, 0x00, 0x01});
    Pump();
    std::vector<std::pair<int, int>> blocks;  // address, count
    for (const auto& w : line.writes) {
        if (w[4] != 0xE4) continue;
        const ByteStr block = HexStrToByteStr(ByteStrToStr(ByteStr(w.begin() + 5, w.end() - 1)));
        blocks.emplace_back(block[0] * 256 + block[1], block[2]);
    }
    const std::vector<std::pair<int, int>> expected = {
        {0x0000, 5}, {0x0100, 32}, {0x0120, 32}, {0x0140, 1}};
    EXPECT_EQ(blocks, expected);
}

TEST_F(DriverTest, FailedWriteResultGivesError7) {
    line.echo = true;
    drv.cloneWriteAdrList("0000-001F,");
    drv.workMode(kWorkWriteData);
    drv.Send({0xE3, 0x23, 0x04, 0x00, 0x01});
    Pump();
    line.echo = false;
    Receive(Answer(0xE6, {0x01}));
    EXPECT_EQ(drv.lastError(), kDrvWriteRefused);
}

TEST_F(DriverTest, WriteFrameThatCannotBeSentGivesError8) {
    drv.cloneWriteAdrList("0000-001F,");
    drv.workMode(kWorkWriteData);
    drv.Send({0xE3, 0x23, 0x04, 0x00, 0x01});
    line.queued = 768;  // only 256 bytes free in the transmit buffer
    Receive(line.writes.back());
    EXPECT_EQ(drv.lastError(), kDrvCannotSend);
    EXPECT_FALSE(drv.Running());
}

TEST_F(DriverTest, ExtendedCommandWithTwoRetriesIsSentAtMostThreeTimes) {
    drv.workMode(kWorkExtended);
    drv.waitAnswer(true);
    drv.retryCount(2);
    ASSERT_EQ(drv.Send({0xE8, 0x23, 0x04, 0x00, 0x01, 0x42}), 0);
    for (int i = 0; i < 10 && drv.Running(); ++i) {
        Receive(line.writes.back());  // echo of the (re)sent frame
        Tick(1200);
    }
    EXPECT_EQ(line.writes.size(), 3u);
    EXPECT_EQ(drv.lastError(), kDrvNoAnswer);
}

TEST_F(DriverTest, ExtendedAnswerMustCarryTheRequestsCommandByte) {
    drv.workMode(kWorkExtended);
    drv.waitAnswer(true);
    drv.Send({0xE8, 0x23, 0x04, 0x00, 0x01, 0x42, 0x07});
    Receive(line.writes.back());
    Receive(Answer(0xE8, {0x23, 0x04, 0x00, 0x01, 0x42, 0x99}));
    EXPECT_FALSE(drv.Running());
    EXPECT_EQ(drv.nowError(), 0);
    EXPECT_EQ(drv.varLastE8Answer(), (ByteStr{0x23, 0x04, 0x00, 0x01, 0x42, 0x99}));

    drv.workMode(kWorkExtended);
    drv.waitAnswer(true);
    drv.Send({0xE8, 0x23, 0x04, 0x00, 0x01, 0x42});
    Receive(line.writes.back());
    Receive(Answer(0xE8, {0x23, 0x04, 0x00, 0x01, 0x43}));
    EXPECT_EQ(drv.lastError(), kDrvBadAnswer);
}

TEST_F(DriverTest, ResendIsNotMatchedByThePreviousEcho) {
    drv.workMode(kWorkExtended);
    drv.waitAnswer(true);
    drv.retryCount(1);
    drv.Send({0xE8, 0x23, 0x04, 0x00, 0x01, 0x42});
    Receive(line.writes.back());
    Receive({0x00});  // a stray byte while the answer is awaited
    Tick(1200);       // no answer: resend
    ASSERT_EQ(line.writes.size(), 2u);
    Receive({0x00});
    EXPECT_EQ(drv.waitState(), 1);  // still waiting for the new echo
    Tick(1000);
    EXPECT_EQ(drv.lastError(), kDrvNoEcho);
}

TEST_F(DriverTest, SendIsRefusedWhileAFrameIsOutstandingOrTheLineCannotTakeIt) {
    drv.workMode(kWorkInfo);
    ASSERT_EQ(drv.Send(kInfoRequest), 0);
    EXPECT_EQ(drv.Send(kInfoRequest), 1);
    EXPECT_EQ(line.writes.size(), 1u);

    drv.Reset();
    line.queued = 768;
    EXPECT_EQ(drv.Send(kInfoRequest), 1);
    line.queued = 767;
    EXPECT_EQ(drv.Send(kInfoRequest), 0);
    drv.Reset();
    line.queued = 0;
    line.Close();
    EXPECT_EQ(drv.Send(kInfoRequest), 1);
    EXPECT_EQ(line.writes.size(), 2u);
}
