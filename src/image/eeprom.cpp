// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/eeprom.h"

#include <algorithm>

clsCmcEeprom::clsCmcEeprom() : bytes_(kReceiverSize, 0) {}

void clsCmcEeprom::eeSize(std::int32_t size) {
    bytes_.assign(static_cast<std::size_t>(std::max<std::int32_t>(size, 0)), 0);
}

int clsCmcEeprom::ReadByte(std::int32_t address) const {
    return ValidAdr(address) ? bytes_[static_cast<std::size_t>(address)] : 0;
}

int clsCmcEeprom::WriteByte(std::int32_t address, int value) {
    if (!ValidAdr(address)) return 1;
    bytes_[static_cast<std::size_t>(address)] = static_cast<std::uint8_t>(value);
    return 0;
}

int clsCmcEeprom::ReadBit(std::int32_t address, int bit) const {
    if (bit < 0 || bit > 7) return 0;
    return (ReadByte(address) >> bit) & 1;
}

int clsCmcEeprom::WriteBit(std::int32_t address, int bit, int value) {
    if (!ValidAdr(address)) return 1;
    if (bit < 0 || bit > 7) return 0;  // selects no bit of the byte
    auto& b = bytes_[static_cast<std::size_t>(address)];
    const bool isSet = (b >> bit) & 1;
    if (isSet != (value != 0)) b = static_cast<std::uint8_t>(b ^ (1u << bit));
    return 0;
}

int clsCmcEeprom::FillBlock(std::int32_t start, int value, std::int32_t count) {
    // Both ends are tested before anything is stored; a zero-length fill
    // tests the start and the address before it.
    const std::int64_t last = static_cast<std::int64_t>(start) + count - 1;
    if (!ValidAdr(start) || !ValidAdr(last)) return 1;
    if (count <= 0) return 0;
    std::fill_n(bytes_.begin() + start, count, static_cast<std::uint8_t>(value));
    return 0;
}

int clsCmcEeprom::WriteBlock(std::int32_t start, const ByteStr& data) {
    const std::int64_t last = static_cast<std::int64_t>(start) + static_cast<std::int64_t>(data.size()) - 1;
    if (!ValidAdr(start) || !ValidAdr(last)) return 1;
    std::copy(data.begin(), data.end(), bytes_.begin() + start);
    return 0;
}

ByteStr clsCmcEeprom::ReadBlock(std::int32_t start, std::int32_t count) const {
    ByteStr out;
    if (count <= 0) return out;
    out.reserve(static_cast<std::size_t>(count));
    for (std::int64_t a = start; a < static_cast<std::int64_t>(start) + count; ++a) {
        out.push_back(ValidAdr(a) ? bytes_[static_cast<std::size_t>(a)] : 0);
    }
    return out;
}

void clsCmcEeprom::CopyFrom(const clsCmcEeprom& other) {
    bytes_ = other.bytes_;
}

bool clsCmcEeprom::IsSameAs(const clsCmcEeprom& other) const {
    return bytes_ == other.bytes_;
}

// The packed text is a run of two-digit hexadecimal tokens:
//   b < F0          the byte b
//   F0 c            the byte (c AND 0F) + F0 (how F0..FF are written)
//   F1 v n          n (two digits) bytes of value v
//   F2 v nnnn       nnnn (four digits) bytes of value v
// The image is not cleared first. A run that does not fit stores nothing but
// still advances the write address. A text cut short ends the unpacking at
// its end: a token missing its arguments is dropped.
void clsCmcEeprom::LetByPressed(std::string_view packed) {
    std::size_t pos = 0;
    std::int32_t address = 0;
    const auto has = [&](std::size_t chars) { return packed.size() - pos >= chars; };
    const auto token = [&](std::size_t offset, std::size_t digits) {
        return static_cast<int>(HexPrefixValue(packed.substr(pos + offset, digits)));
    };
    while (has(2)) {
        const int b = token(0, 2);
        if (b < 0xF0) {
            WriteByte(address++, b);
            pos += 2;
        } else if (b == 0xF0) {
            if (!has(4)) break;
            WriteByte(address++, (token(2, 2) & 0x0F) + 0xF0);
            pos += 4;
        } else if (b == 0xF1) {
            if (!has(6)) break;
            const int n = token(4, 2);
            FillBlock(address, token(2, 2), n);
            address += n;
            pos += 6;
        } else if (b == 0xF2) {
            if (!has(8)) break;
            const int n = token(4, 4);
            FillBlock(address, token(2, 2), n);
            address += n;
            pos += 8;
        } else {
            // F3..FF never occur in a well-formed text; skip the token.
            pos += 2;
        }
    }
}
