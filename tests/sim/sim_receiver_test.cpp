// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_receiver.h"

#include <gtest/gtest.h>

#include "image/info_checks.h"

namespace {

using F = SimFault;

// What the receiver does on hearing a frame (command and body in hex):
// every frame it sends, as hex from destination to last body byte, and
// "hangup" where it closes the line.
std::vector<std::string> Send(SimReceiver& rx, const std::string& hex,
                              std::uint8_t dest = kAdrReceiver, std::uint8_t src = kAdrComputer) {
    const ByteStr payload = HexStrToByteStr(hex);
    std::vector<ReceiverOutput> outs;
    rx.HandleFrame({dest, src, payload.at(0), ByteStr(payload.begin() + 1, payload.end())}, outs);
    std::vector<std::string> heard;
    for (const auto& o : outs) {
        const std::string frame = ByteStrToHexStr(o.bytes);
        EXPECT_TRUE(frame.empty() || (frame.starts_with("FEFEEFEE") && frame.ends_with("FD")));
        if (!frame.empty()) heard.push_back(frame.substr(4, frame.size() - 6));
        if (o.hangup) heard.push_back("hangup");
    }
    return heard;
}

std::string Hex(const std::string& text) {
    return ByteStrToHexStr(StrToByteStr(text));
}

}  // namespace

TEST(SimReceiver, IdentificationCarriesVersionBitsAndCommentOrTheFault) {
    struct Case {
        ReceiverSetup setup;
        int check;
        const char* tail;  // version, capability bits, option bits
    };
    const std::vector<Case> cases = {
        {{.version = 11, .cellerNg = true}, kInfoOk, "0B2000"},
        {{.version = 7, .amOk = false, .fmTvOk = true, .expOn = true}, kInfoOk, "074801"},
        {{.version = 9, .tvOwNo = 3}, kInfoOk, "090006"},
        {{.version = 4, .fault = F::WrongModel}, kInfoWrongModel, "040000"},
        {{.version = 11, .fault = F::OtherVersion}, kInfoOk, "000000"},
        {{.version = 12}, kInfoMalformed, "0C0000"},
    };
    for (const Case& c : cases) {
        SimReceiver rx(c.setup);
        rx.Image().WriteBlock(SimReceiver::kCommentAdr, StrToByteStr("my scan setup   "));
        const auto heard = Send(rx, "E023040000");
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(RigOpFunc_CheckInfoGeneral(HexStrToByteStr(heard[0])), c.check) << heard[0];
        EXPECT_EQ(heard[0].substr(14), Hex("my scan setup   ") + c.tail);
    }
}

TEST(SimReceiver, CloneWriteStoresTheImageOrAnswersWhatWentWrong) {
    clsCmcEeprom wanted;  // a different byte at every address
    for (std::int32_t a = 0; a < wanted.eeSize(); ++a)
        wanted.WriteByte(a, (a * 13 + (a >> 8)) & 0xFF);
    struct Case {
        ReceiverSetup setup;
        std::vector<std::string> heard;
        int spoil = -1;  // the data frame (from 0) whose body is replaced by `body`
        std::string body = "", end = kEndFrameText;
    };
    const std::string ok = "EFEEE600", failed = "EFEEE601";
    const std::vector<Case> cases = {
        {{}, {ok}},
        {{.fault = F::WriteFailed}, {failed}},
        {{}, {failed}, 5, "012002123498"},  // bad checksum
        {{}, {failed}, 0, "0120021234XX"},
        {{}, {failed}, 251, ByteStrToStr(EncodeDataBlock(0x1F70, ByteStr(32, 0)))},  // too far
        {{}, {}, -1, "", "Ardo Inc"},  // the end frame must carry the text
        // A weak cell keeps the lowest bit of its byte inverted.
        {{.fault = F::CorruptStore, .faultAddress = 0x0123}, {ok}},
        {{.fault = F::Stall, .faultFrame = 3}, {}},
        // The line closes after frame K; what the receiver would still say
        // is lost with it.
        {{.fault = F::Hangup, .faultFrame = 3}, {"3:hangup", ok}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SimReceiver rx(c.setup);
        int saved = 0;
        rx.onWritten = [&](const clsCmcEeprom&) { ++saved; };
        std::vector<std::string> heard;
        for (int n = 0; n <= 253; ++n) {
            const std::int32_t a = (n - 1) * 32;
            const std::string request =
                n == 0     ? "E323040001"
                : n == 253 ? "E5" + Hex(c.end)
                : n - 1 == c.spoil
                    ? "E4" + Hex(c.body)
                    : "E4" + ByteStrToHexStr(EncodeDataBlock(a, wanted.ReadBlock(a, 32)));
            for (const auto& h : Send(rx, request))
                heard.push_back(h == "hangup" ? std::to_string(n) + ":" + h : h);
        }
        EXPECT_EQ(heard, c.heard) << i;
        EXPECT_EQ(saved, !heard.empty() && heard.back() == ok ? 1 : 0) << i;
        EXPECT_EQ(rx.Writing(), heard.empty()) << i;
        for (std::int32_t a = 0; saved && a < wanted.eeSize(); ++a)
            ASSERT_EQ(rx.Image().ReadByte(a) ^ wanted.ReadByte(a),
                      a == c.setup.faultAddress && c.setup.fault == F::CorruptStore)
                << i << " " << a;
    }
}
