// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_frame.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<RxFrame> FeedAll(FrameReader& reader, const ByteStr& bytes) {
    std::vector<RxFrame> frames;
    for (std::uint8_t b : bytes)
        if (auto f = reader.Feed(b)) frames.push_back(*f);
    return frames;
}

ByteStr Content(const RxFrame& f) {
    return JoinBytes({f.dest, f.src, f.cmd}, f.body);
}

}  // namespace

TEST(SimFrame, ReaderPicksFramesOutOfNoise) {
    struct Case {
        const char* name;
        ByteStr in;
        std::vector<ByteStr> frames;  // destination..body of every frame found
    };
    const std::vector<Case> cases = {
        {"plain",
         {0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0x23, 0x04, 0x00, 0x00, 0xFD},
         {{0xEE, 0xEF, 0xE0, 0x23, 0x04, 0x00, 0x00}}},
        {"garbage before and between",
         {0x00, 0x41, 0xFD, 0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0xFD, 0x13, 0xFE, 0xFE, 0xEE, 0xEF, 0xE2,
          0xFD},
         {{0xEE, 0xEF, 0xE0}, {0xEE, 0xEF, 0xE2}}},
        {"a lone preamble byte is noise", {0xFE, 0xEE, 0xEF, 0xE0, 0xFD}, {}},
        {"extra preamble bytes are allowed",
         {0xFE, 0xFE, 0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0xFD},
         {{0xEE, 0xEF, 0xE0}}},
        {"a new preamble abandons a half frame",
         {0xFE, 0xFE, 0xEE, 0xEF, 0xE4, 0x30, 0xFE, 0xFE, 0xEE, 0xEF, 0xE5, 0xFD},
         {{0xEE, 0xEF, 0xE5}}},
        {"fewer than three bytes is no frame", {0xFE, 0xFE, 0xEE, 0xEF, 0xFD}, {}},
        {"empty frame", {0xFE, 0xFE, 0xFD}, {}},
    };
    for (const auto& c : cases) {
        FrameReader reader;
        const auto frames = FeedAll(reader, c.in);
        ASSERT_EQ(frames.size(), c.frames.size()) << c.name;
        for (std::size_t i = 0; i < frames.size(); ++i)
            EXPECT_EQ(Content(frames[i]), c.frames[i]) << c.name;
    }
}

TEST(SimFrame, OverlongFrameIsDroppedAndTheNextOneIsRead) {
    FrameReader reader;
    ByteStr in{0xFE, 0xFE, 0xEE, 0xEF, 0xE4};
    in.insert(in.end(), FrameReader::kMaxContent + 10, 0x30);
    in.push_back(0xFD);
    EXPECT_TRUE(FeedAll(reader, in).empty());
    const auto frames = FeedAll(reader, {0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0xFD});
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].cmd, 0xE0);
}

TEST(SimFrame, DataBlockMatchesTheWorkedExample) {
    // Address 0x0120, data 12 34: sum 0x69, checksum 0x97.
    const ByteStr body = EncodeDataBlock(0x0120, {0x12, 0x34});
    EXPECT_EQ(ByteStrToStr(body), "012002123497");
    const ByteStr frame = BuildFrame(kAdrReceiver, kAdrComputer, JoinBytes({kCmdData}, body));
    const ByteStr wire{0xFE, 0xFE, 0xEE, 0xEF, 0xE4, 0x30, 0x31, 0x32, 0x30,
                       0x30, 0x32, 0x31, 0x32, 0x33, 0x34, 0x39, 0x37, 0xFD};
    EXPECT_EQ(frame, wire);
}

TEST(SimFrame, DecodeRefusesMalformedBlocks) {
    using R = DataBlock::Result;
    const std::vector<std::pair<std::string, R>> cases = {
        {"012002123497", R::Ok},
        {"0120021234", R::BadCount},    // count 2 but one byte left before the sum
        {"01200212349", R::BadLength},  // odd
        {"01200134", R::BadLength},     // no data byte
        {"012002123498", R::BadChecksum},
        {"01200212349G", R::NotHex},
        {"0120031234AB00", R::BadChecksum},  // count fits, sum does not
        {"01200312345600", R::BadChecksum},
        {"", R::BadLength},
    };
    for (const auto& [text, result] : cases)
        EXPECT_EQ(DecodeDataBlock(StrToByteStr(text)).result, result) << text;
    const DataBlock lower = DecodeDataBlock(StrToByteStr("1f6002abcd07"));
    EXPECT_EQ(lower.result, R::Ok);
    EXPECT_EQ(lower.address, 0x1F60);
    EXPECT_EQ(lower.data, (ByteStr{0xAB, 0xCD}));
}

TEST(SimFrame, EncodeThenDecodeRoundTrips) {
    std::mt19937 rng(5);
    for (int i = 0; i < 500; ++i) {
        const int address = static_cast<int>(rng() % 0x10000);
        ByteStr data(1 + rng() % 120);
        for (auto& b : data) b = static_cast<std::uint8_t>(rng());
        const DataBlock block = DecodeDataBlock(EncodeDataBlock(address, data));
        ASSERT_EQ(block.result, DataBlock::Result::Ok);
        EXPECT_EQ(block.address, address);
        EXPECT_EQ(block.data, data);
    }
}
