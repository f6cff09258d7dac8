// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_receiver.h"

#include <gtest/gtest.h>

#include "image/info_checks.h"
#include "sim/sim_image.h"

namespace {

// What the computer would hand on from the receiver's output: the content
// of every frame (destination to last body byte), and whether the line was
// hung up after them.
struct Heard {
    std::vector<ByteStr> frames;
    bool hangup = false;
};

Heard Split(const std::vector<ReceiverOutput>& outs) {
    Heard h;
    for (const auto& o : outs) {
        if (!o.bytes.empty()) {
            EXPECT_GE(o.bytes.size(), 5u);
            EXPECT_EQ(o.bytes[0], 0xFE);
            EXPECT_EQ(o.bytes[1], 0xFE);
            EXPECT_EQ(o.bytes.back(), 0xFD);
            h.frames.emplace_back(o.bytes.begin() + 2, o.bytes.end() - 1);
        }
        if (o.hangup) h.hangup = true;
    }
    return h;
}

RxFrame Request(std::uint8_t cmd, ByteStr body, std::uint8_t dest = kAdrReceiver,
                std::uint8_t src = kAdrComputer) {
    return RxFrame{dest, src, cmd, std::move(body)};
}

const ByteStr kModelSub{0x23, 0x04, 0x00, 0x01};

Heard Send(SimReceiver& rx, const RxFrame& f) {
    std::vector<ReceiverOutput> out;
    rx.HandleFrame(f, out);
    return Split(out);
}

SimReceiver MakeReceiver(ReceiverSetup setup = {}) {
    SimReceiver rx(setup);
    MakeStartImage(setup, rx.Image());
    return rx;
}

// An image with a different byte at every address.
void FillPattern(clsCmcEeprom& image) {
    for (std::int32_t a = 0; a < image.eeSize(); ++a) image.WriteByte(a, (a * 7 + (a >> 8)) & 0xFF);
}

// The data frames and the end of a clone read, checked as the computer
// checks them; returns the addresses of the frames that passed, and fills
// image with their data.
struct ReadResult {
    int dataFrames = 0;
    int badFrames = 0;
    bool endFrame = false;
    std::vector<int> addresses;
};
ReadResult TakeRead(const Heard& h, clsCmcEeprom& image) {
    ReadResult r;
    for (const auto& f : h.frames) {
        EXPECT_EQ(f[0], kAdrComputer);
        EXPECT_EQ(f[1], kAdrReceiver);
        if (f[2] == kCmdEnd) {
            EXPECT_EQ(ByteStrToStr(ByteStr(f.begin() + 3, f.end())), "Ardo Inc.");
            r.endFrame = true;
            continue;
        }
        EXPECT_EQ(f[2], kCmdData);
        EXPECT_FALSE(r.endFrame) << "data after the end frame";
        ++r.dataFrames;
        const DataBlock b = DecodeDataBlock(ByteStr(f.begin() + 3, f.end()));
        if (b.result != DataBlock::Result::Ok) {
            ++r.badFrames;
            continue;
        }
        EXPECT_EQ(image.WriteBlock(b.address, b.data), 0);
        r.addresses.push_back(b.address);
    }
    return r;
}

}  // namespace

TEST(SimReceiver, IdentificationAnswerCarriesVersionBitsAndComment) {
    struct Case {
        ReceiverSetup setup;
        std::uint8_t version, caps, options;
    };
    auto setup = [](int ver, bool am, bool celler, bool fmtv, bool exp, int tvow) {
        ReceiverSetup s;
        s.version = ver, s.amOk = am, s.cellerNg = celler, s.fmTvOk = fmtv, s.expOn = exp,
        s.tvOwNo = tvow;
        return s;
    };
    const std::vector<Case> cases = {
        {setup(0, true, false, false, false, 0), 0, 0x00, 0x00},
        {setup(5, false, false, false, false, 0), 5, 0x08, 0x00},
        {setup(11, true, true, false, false, 0), 11, 0x20, 0x00},
        {setup(7, true, false, true, false, 0), 7, 0x40, 0x00},
        {setup(3, true, false, false, true, 0), 3, 0x00, 0x01},
        {setup(9, false, true, true, true, 3), 9, 0x68, 0x07},
        {setup(2, true, false, false, false, 2), 2, 0x00, 0x04},
    };
    for (const auto& c : cases) {
        SimReceiver rx = MakeReceiver(c.setup);
        rx.Image().WriteBlock(0x1F60, StrToByteStr("my scan setup   "));
        const Heard h = Send(rx, Request(kCmdInfoReq, {0x23, 0x04, 0x00, 0x00}));
        ASSERT_EQ(h.frames.size(), 1u);
        const ByteStr& a = h.frames[0];
        ASSERT_EQ(a.size(), 26u);
        EXPECT_EQ(RigOpFunc_CheckInfoGeneral(a), kInfoOk);
        EXPECT_EQ(ByteStr(a.begin(), a.begin() + 7),
                  (ByteStr{0xEF, 0xEE, 0xE1, 0x23, 0x04, 0x00, 0x01}));
        EXPECT_EQ(ByteStrToStr(ByteStr(a.begin() + 7, a.begin() + 23)), "my scan setup   ");
        EXPECT_EQ(a[23], c.version);
        EXPECT_EQ(a[24], c.caps);
        EXPECT_EQ(a[25], c.options);
    }
}

TEST(SimReceiver, IdentificationFaultsFailTheComputersChecks) {
    struct Case {
        SimFault fault;
        int version;
        int expectedCheck;
        int expectedVersion;
    };
    const std::vector<Case> cases = {
        {SimFault::WrongModel, 4, kInfoWrongModel, 4},
        {SimFault::IllegalSub, 4, kInfoIllegalSub, 4},
        {SimFault::OtherVersion, 4, kInfoOk, 5},
        {SimFault::OtherVersion, 11, kInfoOk, 0},
        {SimFault::None, 12, kInfoMalformed, 12},
    };
    for (const auto& c : cases) {
        ReceiverSetup s;
        s.fault = c.fault;
        s.version = c.version;
        SimReceiver rx = MakeReceiver(s);
        const Heard h = Send(rx, Request(kCmdInfoReq, {0x23, 0x04, 0x00, 0x00}));
        ASSERT_EQ(h.frames.size(), 1u);
        EXPECT_EQ(RigOpFunc_CheckInfoGeneral(h.frames[0]), c.expectedCheck)
            << static_cast<int>(c.fault);
        EXPECT_EQ(h.frames[0][23], c.expectedVersion);
    }
}

TEST(SimReceiver, RequestsNotMeantForItAreNotAnswered) {
    SimReceiver rx = MakeReceiver();
    const std::vector<std::pair<const char*, RxFrame>> cases = {
        {"to the computer", Request(kCmdInfoReq, {0x23, 0x04, 0, 0}, kAdrComputer, kAdrReceiver)},
        {"to another set", Request(kCmdInfoReq, {0x23, 0x04, 0, 0}, 0x80, kAdrComputer)},
        {"from another set", Request(kCmdInfoReq, {0x23, 0x04, 0, 0}, kAdrReceiver, 0x80)},
        {"another model", Request(kCmdInfoReq, {0x23, 0x05, 0, 0})},
        {"no model", Request(kCmdInfoReq, {})},
        {"read, other sub code", Request(kCmdReadReq, {0x23, 0x04, 0x00, 0x02})},
        {"read, short", Request(kCmdReadReq, {0x23, 0x04})},
        {"write, other model", Request(kCmdWriteReq, {0x12, 0x34, 0x00, 0x01})},
        {"data outside a write", Request(kCmdData, StrToByteStr("012002123497"))},
        {"end outside a write", Request(kCmdEnd, StrToByteStr("Ardo Inc."))},
        {"extended without command byte", Request(kCmdExtended, kModelSub)},
        {"unknown command", Request(0xE7, kModelSub)},
        {"an identification answer", Request(kCmdInfoAns, kModelSub)},
    };
    for (const auto& [name, frame] : cases) {
        const Heard h = Send(rx, frame);
        EXPECT_TRUE(h.frames.empty()) << name;
        EXPECT_FALSE(h.hangup) << name;
    }
    EXPECT_FALSE(rx.Writing());
}

TEST(SimReceiver, CloneReadSendsTheWholeImageThenTheEndFrame) {
    for (int block : {32, 16, 112, 1}) {
        ReceiverSetup s;
        s.readBlockSize = block;
        SimReceiver rx = MakeReceiver(s);
        FillPattern(rx.Image());
        clsCmcEeprom got;
        got.FillBlock(0, 0xFF, got.eeSize());
        const ReadResult r = TakeRead(Send(rx, Request(kCmdReadReq, kModelSub)), got);
        EXPECT_EQ(r.dataFrames, (8064 + block - 1) / block) << block;
        EXPECT_EQ(r.badFrames, 0);
        EXPECT_TRUE(r.endFrame);
        EXPECT_TRUE(got.IsSameAs(rx.Image())) << block;
        if (block == 32) {
            EXPECT_EQ(r.addresses.back(), 0x1F60);
        }
    }
}

TEST(SimReceiver, ReadFaultsSpoilTheNamedDataFrame) {
    // K counts data frames from 1.
    for (int k : {1, 100, 252}) {
        ReceiverSetup s;
        s.fault = SimFault::BadChecksum;
        s.faultFrame = k;
        SimReceiver rx = MakeReceiver(s);
        FillPattern(rx.Image());
        clsCmcEeprom got;
        const Heard h = Send(rx, Request(kCmdReadReq, kModelSub));
        const ReadResult r = TakeRead(h, got);
        EXPECT_EQ(r.dataFrames, 252);
        EXPECT_EQ(r.badFrames, 1);
        EXPECT_TRUE(r.endFrame);
        const ByteStr& bad = h.frames[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(DecodeDataBlock(ByteStr(bad.begin() + 3, bad.end())).result,
                  DataBlock::Result::BadChecksum);

        s.fault = SimFault::DropFrame;
        SimReceiver dropper = MakeReceiver(s);
        const ReadResult d = TakeRead(Send(dropper, Request(kCmdReadReq, kModelSub)), got);
        EXPECT_EQ(d.dataFrames, 251);
        EXPECT_TRUE(d.endFrame);
        EXPECT_EQ(std::count(d.addresses.begin(), d.addresses.end(), (k - 1) * 32), 0) << k;
    }
}

TEST(SimReceiver, StallAndHangupStopTheReadAfterFrameK) {
    for (SimFault fault : {SimFault::Stall, SimFault::Hangup}) {
        for (int k : {0, 1, 10}) {
            ReceiverSetup s;
            s.fault = fault;
            s.faultFrame = k;
            SimReceiver rx = MakeReceiver(s);
            clsCmcEeprom got;
            const Heard h = Send(rx, Request(kCmdReadReq, kModelSub));
            const ReadResult r = TakeRead(h, got);
            EXPECT_EQ(r.dataFrames, k);
            EXPECT_FALSE(r.endFrame);
            EXPECT_EQ(h.hangup, fault == SimFault::Hangup);
            // A stalled receiver answers nothing more.
            EXPECT_EQ(rx.Frozen(), fault == SimFault::Stall);
            if (fault == SimFault::Stall) {
                EXPECT_TRUE(Send(rx, Request(kCmdInfoReq, {0x23, 0x04, 0, 0})).frames.empty());
            }
        }
    }
}

namespace {

// The frames a computer sends for a clone write of image, 32 bytes each.
std::vector<RxFrame> WriteFrames(const clsCmcEeprom& image) {
    std::vector<RxFrame> frames;
    for (std::int32_t a = 0; a < image.eeSize(); a += 32)
        frames.push_back(Request(kCmdData, EncodeDataBlock(a, image.ReadBlock(a, 32))));
    return frames;
}

struct WriteOutcome {
    std::vector<ByteStr> answers;
    bool hangup = false;
    int hangupAfterFrame = -1;
};

WriteOutcome RunWrite(SimReceiver& rx, const std::vector<RxFrame>& data,
                      const ByteStr& endText = StrToByteStr("Ardo Inc.")) {
    WriteOutcome w;
    auto take = [&](const RxFrame& f, int n) {
        const Heard h = Send(rx, f);
        w.answers.insert(w.answers.end(), h.frames.begin(), h.frames.end());
        if (h.hangup && !w.hangup) {
            w.hangup = true;
            w.hangupAfterFrame = n;
        }
    };
    take(Request(kCmdWriteReq, kModelSub), 0);
    for (std::size_t i = 0; i < data.size(); ++i) take(data[i], static_cast<int>(i) + 1);
    take(Request(kCmdEnd, endText), -2);
    return w;
}

}  // namespace

TEST(SimReceiver, CloneWriteStoresTheImageAndAnswersResultZero) {
    SimReceiver rx = MakeReceiver();
    int saved = 0;
    rx.onWritten = [&](const clsCmcEeprom&) { ++saved; };
    clsCmcEeprom wanted;
    FillPattern(wanted);
    const WriteOutcome w = RunWrite(rx, WriteFrames(wanted));
    ASSERT_EQ(w.answers.size(), 1u);
    EXPECT_EQ(w.answers[0], (ByteStr{0xEF, 0xEE, 0xE6, 0x00}));
    EXPECT_TRUE(rx.Image().IsSameAs(wanted));
    EXPECT_EQ(saved, 1);
    EXPECT_FALSE(rx.Writing());
}

TEST(SimReceiver, CloneWriteWithABadFrameOrTheFaultAnswersFailure) {
    clsCmcEeprom wanted;
    FillPattern(wanted);
    struct Case {
        const char* name;
        SimFault fault;
        int spoil;  // data frame index whose body is spoiled, -1 none
        ByteStr body;
    };
    const std::vector<Case> cases = {
        {"write-failed fault", SimFault::WriteFailed, -1, {}},
        {"bad checksum", SimFault::None, 5, StrToByteStr("012002123498")},
        {"not hex", SimFault::None, 0, StrToByteStr("0120021234XX")},
        {"outside the memory", SimFault::None, 251, EncodeDataBlock(0x1F70, ByteStr(32, 0))},
    };
    for (const auto& c : cases) {
        ReceiverSetup s;
        s.fault = c.fault;
        SimReceiver rx = MakeReceiver(s);
        int saved = 0;
        rx.onWritten = [&](const clsCmcEeprom&) { ++saved; };
        auto frames = WriteFrames(wanted);
        if (c.spoil >= 0) frames[static_cast<std::size_t>(c.spoil)].body = c.body;
        const WriteOutcome w = RunWrite(rx, frames);
        ASSERT_EQ(w.answers.size(), 1u) << c.name;
        EXPECT_EQ(w.answers[0][2], kCmdWriteResult) << c.name;
        EXPECT_NE(w.answers[0][3], 0) << c.name;
        EXPECT_EQ(saved, 0) << c.name;
    }
}

TEST(SimReceiver, CorruptStoreKeepsOneByteWrongAndStillReportsSuccess) {
    clsCmcEeprom wanted;
    FillPattern(wanted);
    ReceiverSetup s;
    s.fault = SimFault::CorruptStore;
    s.faultAddress = 0x0123;
    SimReceiver rx = MakeReceiver(s);
    const WriteOutcome w = RunWrite(rx, WriteFrames(wanted));
    ASSERT_EQ(w.answers.size(), 1u);
    EXPECT_EQ(w.answers[0], (ByteStr{0xEF, 0xEE, 0xE6, 0x00}));
    for (std::int32_t a = 0; a < wanted.eeSize(); ++a) {
        const int expected = wanted.ReadByte(a) ^ (a == 0x0123 ? 0x01 : 0x00);
        ASSERT_EQ(rx.Image().ReadByte(a), expected) << a;
    }
}

TEST(SimReceiver, CloneWriteEndFrameMustCarryTheText) {
    SimReceiver rx = MakeReceiver();
    clsCmcEeprom wanted;
    const WriteOutcome w = RunWrite(rx, WriteFrames(wanted), StrToByteStr("Ardo Inc"));
    EXPECT_TRUE(w.answers.empty());
    EXPECT_TRUE(rx.Writing());
    // The proper end frame still finishes it.
    EXPECT_EQ(Send(rx, Request(kCmdEnd, StrToByteStr("Ardo Inc."))).frames.size(), 1u);
}

TEST(SimReceiver, StallAndHangupDuringAWrite) {
    clsCmcEeprom wanted;
    for (int k : {0, 3}) {
        ReceiverSetup s;
        s.fault = SimFault::Hangup;
        s.faultFrame = k;
        SimReceiver rx = MakeReceiver(s);
        const WriteOutcome w = RunWrite(rx, WriteFrames(wanted));
        EXPECT_TRUE(w.hangup);
        EXPECT_EQ(w.hangupAfterFrame, k);

        s.fault = SimFault::Stall;
        SimReceiver staller = MakeReceiver(s);
        const WriteOutcome st = RunWrite(staller, WriteFrames(wanted));
        EXPECT_TRUE(st.answers.empty()) << "a stalled receiver gives no result";
        EXPECT_TRUE(staller.Frozen());
    }
}

TEST(SimReceiver, ExtendedCommandIsAnsweredWithItsFirstCommandByte) {
    SimReceiver rx = MakeReceiver();
    const Heard h = Send(rx, Request(kCmdExtended, {0x23, 0x04, 0x00, 0x01, 0x1A, 0x05}));
    ASSERT_EQ(h.frames.size(), 1u);
    EXPECT_EQ(h.frames[0], (ByteStr{0xEF, 0xEE, 0xE8, 0x23, 0x04, 0x00, 0x01, 0x1A}));
}

TEST(SimReceiver, ReceiverSwitchedOffAnswersNothing) {
    ReceiverSetup s;
    s.fault = SimFault::NoAnswer;
    SimReceiver rx = MakeReceiver(s);
    for (const auto& f : {Request(kCmdInfoReq, {0x23, 0x04, 0, 0}), Request(kCmdReadReq, kModelSub),
                          Request(kCmdExtended, {0x23, 0x04, 0x00, 0x01, 0x1A})})
        EXPECT_TRUE(Send(rx, f).frames.empty());
}
