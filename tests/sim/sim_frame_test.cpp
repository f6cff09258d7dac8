// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_frame.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

TEST(SimFrame, ReaderPicksFramesOutOfNoise) {
    // The bytes heard, and every frame found from destination to body.
    const std::string overlong(2 * (FrameReader::kMaxContent + 10), '3');
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"FEFE EEEFE0 23040000 FD", {"EEEFE023040000"}},
        {"0041FD FEFEEEEFE0FD 13 FEFEEEEFE2FD", {"EEEFE0", "EEEFE2"}},  // noise around frames
        {"FE EEEFE0 FD", {}},                                           // a lone preamble byte
        {"FEFEFEFE EEEFE0 FD", {"EEEFE0"}},
        {"FEFE EEEFE4 30 FEFE EEEFE5 FD", {"EEEFE5"}},  // a new preamble abandons a half frame
        {"FEFE EEEF FD FEFE FD", {}},                   // under three bytes: no frame
        // An overlong frame is dropped whole, and the next one is read.
        {"FEFE EEEFE4" + overlong + "FD FEFE EEEFE0 FD", {"EEEFE0"}},
    };
    for (const auto& [heard, frames] : cases) {
        FrameReader reader;
        std::vector<std::string> found;
        for (const std::uint8_t b : HexStrToByteStr(heard))
            if (auto f = reader.Feed(b))
                found.push_back(ByteStrToHexStr(JoinBytes({f->dest, f->src, f->cmd}, f->body)));
        EXPECT_EQ(found, frames) << heard;
    }
}

TEST(SimFrame, DataBlocksAreHexTextWithACountAndAChecksum) {
    // Address, count, at least one data byte and a sum to 0 modulo 256, as
    // hex text in either case.
    using R = DataBlock::Result;
    const std::vector<std::pair<R, std::vector<std::string>>> cases = {
        {R::Ok, {"012002123497", "1f6002abcd07"}},
        {R::BadCount, {"0120021234"}},
        {R::BadLength, {"01200212349", "01200134", ""}},
        {R::BadChecksum, {"012002123498", "0120031234AB00"}},
        {R::NotHex, {"01200212349G"}},
    };
    for (const auto& [result, texts] : cases)
        for (const std::string& text : texts)
            EXPECT_EQ(DecodeDataBlock(StrToByteStr(text)).result, result) << text;
}

TEST(SimFrame, EncodeThenDecodeRoundTrips) {
    std::mt19937 rng(5);
    for (int i = 0; i < 500; ++i) {
        const int address = static_cast<int>(rng() % 0x10000);
        ByteStr data(1 + rng() % 120);
        for (auto& b : data) b = static_cast<std::uint8_t>(rng());
        const DataBlock b = DecodeDataBlock(EncodeDataBlock(address, data));
        ASSERT_EQ(std::tie(b.result, b.address, b.data),
                  std::make_tuple(DataBlock::Result::Ok, address, data));
    }
}
