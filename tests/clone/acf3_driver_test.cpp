// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/acf3_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clone_line.h"

namespace {

const ByteStr kEndMark = StrToByteStr("Ardo Inc.");

class DriverTest : public CloneLineTest {
  protected:
    DriverTest() {
        com.comOpen(true);
        drv.myEep(&eep);
        drv.ChkBlock_Clear();
    }
    clsCmcEeprom eep;
};

}  // namespace

// Each echo of a data frame lets the next one go; the end frame follows the
// last range, and the receiver has 20 s to store the image and answer.
TEST_F(DriverTest, CloneWriteSendsTheListsRangesInFramesOfAtMost32Bytes) {
    eep.CopyFrom(PatternImage());
    eep.WriteBlock(0x0120, {0x12, 0x34});
    line.echo = true;
    drv.cloneWriteAdrList("0120-0121,0000-0004,0100-0140,0000-1F7F,");
    Start(kWorkWriteData, kWriteRequest, false);
    Receive();
    line.echo = false;
    clsCmcEeprom copy;
    std::vector<std::pair<int, int>> blocks;
    for (const auto& w : line.writes) {
        if (w[4] != 0xE4) continue;
        const ByteStr b = HexStrToByteStr(ByteStrToStr(ByteStr(w.begin() + 5, w.end() - 1)));
        blocks.emplace_back(b[0] * 256 + b[1], b[2]);
        copy.WriteBlock(blocks.back().first, ByteStr(b.begin() + 3, b.end() - 1));
    }
    // Address 0120 with the data 12 34 is this 18-byte frame on the wire.
    EXPECT_EQ(line.writes.at(1), HexStrToByteStr("FEFEEEEFE4303132303032313233343937FD"));
    ASSERT_EQ(blocks.size(), 5u + 252u);
    EXPECT_EQ(std::vector(blocks.begin(), blocks.begin() + 6),
              (std::vector<std::pair<int, int>>{
                  {0x0120, 2}, {0x0000, 5}, {0x0100, 32}, {0x0120, 32}, {0x0140, 1}, {0, 32}}));
    EXPECT_EQ(blocks.back(), std::make_pair(0x1F60, 32));
    EXPECT_TRUE(copy.IsSameAs(eep));
    const ByteStr endFrame = Cat({{0xFE, 0xFE, 0xEE, 0xEF}, kEndRequest, {0xFD}});
    EXPECT_EQ(line.writes.back(), endFrame);
    Tick(19999);
    EXPECT_TRUE(drv.Running());
    Receive(AnswerFrame(0xE6, {0x00}));
    EXPECT_FALSE(drv.Running());
    EXPECT_EQ(drv.lastError(), 0);
    // A list without one whole entry has nothing to write: the end frame follows at once.
    drv.cloneWriteAdrList("0000-00");
    line.echo = true;
    Start(kWorkWriteData, kWriteRequest, false);
    Receive();
    EXPECT_EQ(line.writes.end()[-2], Cat({{0xFE, 0xFE, 0xEE, 0xEF}, kWriteRequest, {0xFD}}));
    EXPECT_EQ(line.writes.back(), endFrame);
}

TEST_F(DriverTest, SendIsRefusedWhileAFrameIsOutstandingOrTheLineIsFull) {
    drv.cloneWriteAdrList("0000-001F,");
    Start(kWorkWriteData, kWriteRequest, false);
    EXPECT_EQ(drv.Send(kInfoRequest), 1);  // the request still awaits its echo
    line.queued = 768;                     // only 256 bytes free in the transmit buffer
    Receive(line.writes.back());
    EXPECT_EQ(drv.lastError(), kDrvCannotSend);  // the first data frame could not follow
    EXPECT_FALSE(drv.Running());
    line.queued = 767;
    EXPECT_EQ(drv.Send(kInfoRequest), 0);
    drv.Reset();
    line.Close();
    EXPECT_EQ(drv.Send(kInfoRequest), 1);
    EXPECT_EQ(line.writes.size(), 2u);
}

// However the bytes are split into reads, and whatever noise comes before
// the echo and between it and the answer, the answer is found whole.
TEST_F(DriverTest, EchoAndAnswerAreFoundInAnySplitAndAroundNoise) {
    const ByteStr answer = AnswerFrame(0xE1, InfoBody());
    const ByteStr noises[] = {
        {},
        {0x11, 0xFD, 0x22},        // a stray terminator outside a frame
        {0xFE, 0xFE, 0xFE},        // extra preambles restart the frame
        {0xFE, 0xFE, 0xEF, 0x01},  // a cut frame is replaced by a new one
        // Frames that are not the answer: the computer's own direction, the
        // receiver's to another address, a command the work does not wait
        // for, a frame too short to have one.
        HexStrToByteStr("FEFEEEEFE12304FDFEFE00EEE12304FDFEFEEFEEE600FDFEFEEFFD"),
        Cat({{0xFE, 0xFE}, ByteStr(600, 0x41)}),  // longer than any answer, never ended
    };
    for (const ByteStr& noise : noises) {
        for (std::size_t split = 1; split < 100; ++split) {
            Start(kWorkInfo, kInfoRequest, false);
            const ByteStr s = Cat({{0x00, 0xFE, 0x13, 0xFD}, line.writes.back(), noise, answer});
            const auto cut = s.begin() + std::min(split, s.size());
            Receive(ByteStr(s.begin(), cut));
            EXPECT_EQ(drv.Running(), split < s.size()) << split;
            Receive(ByteStr(cut, s.end()));
            EXPECT_FALSE(drv.Running()) << split;
            EXPECT_EQ(drv.nowError(), 0) << split;
            EXPECT_EQ(drv.ansInfo(), ByteStr(answer.begin() + 2, answer.end() - 1)) << split;
        }
    }
}

TEST_F(DriverTest, EachAnswerIsCheckedByItsCommand) {
    const std::string block = CloneDataBlockText(0x0010, {0x01, 0x02});
    std::string badSum = block, badCount = block;
    badSum.back() = badSum.back() == '0' ? '1' : '0';
    badCount.replace(4, 2, "03");
    // An identification answer with these model and sub code bytes.
    const auto info = [](const std::string& codes) {
        return Cat({HexStrToByteStr(codes), ByteStr(19, 0)});
    };
    const auto text = [](const std::string& s) { return StrToByteStr(s); };
    struct Case {
        int mode;
        const ByteStr& request;
        std::uint8_t command;
        ByteStr body;
        int error;
    };
    const Case cases[] = {
        // Model and sub code read as decimal: digits, or one D or E between digits.
        {kWorkInfo, kInfoRequest, 0xE1, info("23040001"), 0},
        {kWorkInfo, kInfoRequest, 0xE1, info("230D0E01"), 3},
        {kWorkInfo, kInfoRequest, 0xE1, info("23040E01"), 0},
        {kWorkInfo, kInfoRequest, 0xE1, info("230400E1"), 0},
        {kWorkInfo, kInfoRequest, 0xE1, info("230A0001"), 3},
        {kWorkInfo, kInfoRequest, 0xE1, info("D3040001"), 3},
        {kWorkInfo, kInfoRequest, 0xE1, info("2304000E"), 3},
        {kWorkInfo, kInfoRequest, 0xE1, {0x23, 0x04, 0x00}, 3},
        // Data: odd length of at least 13, hex text, sum 0, count fitting the
        // length; then it must fit the image.
        {kWorkRead, kReadRequest, 0xE4, text(block + "0"), 3},
        {kWorkRead, kReadRequest, 0xE4, text("00100101"), 3},
        {kWorkRead, kReadRequest, 0xE4, text(badSum), 3},
        {kWorkRead, kReadRequest, 0xE4, text(badCount), 3},
        {kWorkRead, kReadRequest, 0xE4, text("0010020G0200"), 3},
        {kWorkRead, kReadRequest, 0xE4, text(CloneDataBlockText(0x1F70, ByteStr(32, 1))), 5},
        {kWorkRead, kReadRequest, 0xE4, text(CloneDataBlockText(0x8000, ByteStr(4, 1))), 5},
        {kWorkRead, kReadRequest, 0xE5, text("Ardo Inc!"), 3},
        // An extended answer carries the request's first command byte.
        {kWorkExtended, kExtendedRequest, 0xE8, HexStrToByteStr("2304000142"), 0},
        {kWorkExtended, kExtendedRequest, 0xE8, HexStrToByteStr("2304000143"), 3},
        // The write result: 00 written, anything else refused.
        {kWorkWriteEnd, kEndRequest, 0xE6, {0x00}, 0},
        {kWorkWriteEnd, kEndRequest, 0xE6, {0x01}, kDrvWriteRefused},
        {kWorkWriteEnd, kEndRequest, 0xE6, {}, 3},
    };
    for (const Case& c : cases) {
        Start(c.mode, c.request);
        Receive(AnswerFrame(c.command, c.body));
        EXPECT_FALSE(drv.Running()) << ByteStrToHexStr(c.body);
        EXPECT_EQ(drv.lastError(), c.error) << ByteStrToHexStr(c.body);
        const ByteStr& kept = c.command == 0xE1 ? drv.ansInfo() : drv.varLastE8Answer();
        if (c.error == 0 && c.command != 0xE6) {
            EXPECT_EQ(kept, c.command == 0xE1 ? Cat({{0xEF, 0xEE, 0xE1}, c.body}) : c.body);
        }
    }
}

// 128 data bytes make a 267-byte frame, longer than a 256-byte buffer; it
// comes in pieces, and gives the receiver a fresh answer time.
TEST_F(DriverTest, LongDataFramesInPiecesEachRestartTheWaitAndMissingDataGivesError4) {
    Start(kWorkRead, kReadRequest);
    const clsCmcEeprom source = PatternImage();
    for (std::int32_t a = 0; a < 8064 - 128; a += 128) {  // the last frame never comes
        Tick(1100);
        const ByteStr frame = DataFrame(a, source.ReadBlock(a, 128));
        for (std::size_t at = 0; at < frame.size(); at += 40)
            Receive(ByteStr(frame.begin() + at, frame.begin() + std::min(at + 40, frame.size())));
    }
    Receive(DataFrame(8063, {0x5A}));  // the shortest frame: one byte
    EXPECT_TRUE(drv.Running());
    EXPECT_EQ(eep.ReadBlock(0, 8064 - 128), source.ReadBlock(0, 8064 - 128));
    EXPECT_EQ(eep.ReadByte(8063), 0x5A);
    Receive(AnswerFrame(0xE5, kEndMark));
    EXPECT_EQ(drv.lastError(), kDrvMissingData);
}

// The error of a failed piece of work must not outlive it: a new request
// sent without a Reset in between ends normally when its answer arrives.
TEST_F(DriverTest, NewWorkAfterAMissingEchoEndsOnItsAnswer) {
    Start(kWorkInfo, kInfoRequest, false);
    Tick(999);
    EXPECT_TRUE(drv.Running());
    Tick(1);  // the echo waits one second
    ASSERT_EQ(drv.nowError(), kDrvNoEcho);
    drv.workMode(kWorkInfo);
    ASSERT_EQ(drv.Send(kInfoRequest), 0);
    Receive(Cat({line.writes.back(), AnswerFrame(0xE1, InfoBody())}));
    EXPECT_FALSE(drv.Running());
    EXPECT_EQ(drv.nowError(), 0);
    EXPECT_EQ(drv.lastError(), kDrvNoEcho);  // kept until the caller clears it
}

TEST_F(DriverTest, ExtendedCommandWithTwoRetriesIsSentAtMostThreeTimes) {
    drv.retryCount(2);
    Start(kWorkExtended, kExtendedRequest, false);
    for (std::size_t sent = 1; sent <= 3; ++sent) {
        ASSERT_EQ(line.writes.size(), sent);
        Receive({0x00});  // a resend waits for its own echo again
        EXPECT_EQ(drv.waitState(), 1);
        Receive(line.writes.back());
        Tick(1199);
        EXPECT_TRUE(drv.Running());
        Tick(1);  // and no answer
    }
    EXPECT_EQ(drv.lastError(), kDrvNoAnswer);
}
