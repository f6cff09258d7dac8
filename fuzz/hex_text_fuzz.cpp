// SPDX-License-Identifier: GPL-3.0-or-later
// Hexadecimal text comes from the receiver (data frames, identification) and
// from data files. Any text converts without reading past it; the hex text of
// any bytes converts back to the same bytes.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/common.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ByteStr bytes = HexStrToByteStr(text);
    FUZZ_REQUIRE(bytes.size() <= text.size() / 2);
    std::size_t spaces = 0;
    while (spaces < text.size() && text[spaces] == ' ') ++spaces;
    if (spaces == 0 && text.find(' ') == std::string_view::npos)
        FUZZ_REQUIRE(bytes.size() == text.size() / 2);
    if (IsHexText(text) && text.size() % 2 == 0) {
        // Pure hex text of whole pairs converts both ways unchanged (letter case aside).
        std::string upper(text);
        for (char& c : upper)
            if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
        FUZZ_REQUIRE(ByteStrToHexStr(bytes) == upper);
    }

    // Bytes to hex text and back.
    const ByteStr raw(data, data + size);
    const std::string hex = ByteStrToHexStr(raw);
    FUZZ_REQUIRE(hex.size() == 2 * size && IsHexText(hex) == (size > 0));
    FUZZ_REQUIRE(HexStrToByteStr(hex) == raw);

    // The other readers of hex text see the same leading digits.
    (void)HexByteStrToInt(raw);
    (void)HexPrefixValue(text);
    if (size >= 4) {
        const std::uint32_t v = HexPrefixValue(hex.substr(0, 4));
        FUZZ_REQUIRE(v == static_cast<std::uint32_t>(raw[0] * 256 + raw[1]));
        FUZZ_REQUIRE(HexByteStrToInt(StrToByteStr(hex.substr(0, 4))) ==
                     static_cast<std::int16_t>(v));
    }
    (void)ByteStrToStr(raw);
    return 0;
}
