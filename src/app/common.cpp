// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common.h"

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

int LimitInt(int value, int lower, int upper) {
    if (value < lower) return lower;
    if (value > upper) return upper;
    return value;
}

std::int32_t LimitLong(std::int32_t value, std::int32_t lower, std::int32_t upper) {
    if (value < lower) return lower;
    if (value > upper) return upper;
    return value;
}

int InRangeOr(int value, int lower, int upper, int fallback) {
    return (lower <= value && value <= upper) ? value : fallback;
}

std::string ConvNewLine(std::string text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\\' && text[i + 1] == 'n') {
            text[i] = '\r';
            text[i + 1] = '\n';
        }
    }
    return text;
}

ByteStr StrToByteStr(std::string_view text) {
    return ByteStr(text.begin(), text.end());
}

std::string ByteStrToStr(const ByteStr& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::uint32_t HexPrefixValue(std::string_view text) {
    std::uint32_t value = 0;
    for (char c : text) {
        const int d = HexDigitValue(c);
        if (d < 0) break;
        value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    return value;
}

std::string Trim(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

std::string TrimRight(std::string_view text, std::string_view blanks) {
    return std::string(text.substr(0, text.find_last_not_of(blanks) + 1));
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool IsDecimalNumber(std::string_view text) {
    int digits = 0, points = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.') {
            ++points;
        } else {
            return false;
        }
    }
    return digits > 0 && points <= 1;
}

bool IsHexText(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (HexDigitValue(c) < 0) return false;
    }
    return true;
}

std::int16_t HexByteStrToInt(const ByteStr& bytes) {
    const std::string text(bytes.begin(), bytes.end());
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(HexPrefixValue(text) & 0xFFFFu));
}

ByteStr HexStrToByteStr(std::string_view text) {
    ByteStr out;
    out.reserve(text.size() / 2);
    std::size_t pos = 0;
    while (text.size() - pos >= 2) {
        if (text[pos] == ' ') {
            ++pos;
            continue;
        }
        out.push_back(static_cast<std::uint8_t>(HexPrefixValue(text.substr(pos, 2))));
        pos += 2;
    }
    return out;
}

std::string ByteStrToHexStr(const ByteStr& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 0x0F]);
    }
    return out;
}

std::string Hex2(int value) {
    static const char digits[] = "0123456789ABCDEF";
    const auto v = static_cast<std::uint16_t>(value);
    // The last two hexadecimal digits of the 16-bit value.
    return std::string{digits[(v >> 4) & 0x0F], digits[v & 0x0F]};
}
