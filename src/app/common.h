// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared helper procedures: limits for untrusted numbers, and the conversions
// between byte strings, text and hexadecimal text used by the clone driver,
// the identification checks and the data file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Bytes in address or wire order.
using ByteStr = std::vector<std::uint8_t>;

// lower if value < lower, else upper if value > upper, else value.
int LimitInt(int value, int lower, int upper);
std::int32_t LimitLong(std::int32_t value, std::int32_t lower, std::int32_t upper);
// value if lower <= value <= upper, else fallback.
int InRangeOr(int value, int lower, int upper, int fallback);

// Every backslash + "n" pair becomes CR LF; the text keeps its length.
std::string ConvNewLine(std::string text);

// One byte per single-byte character.
ByteStr StrToByteStr(std::string_view text);
// Text of a byte string, one character per byte.
std::string ByteStrToStr(const ByteStr& bytes);

// The bytes read as hexadecimal digit characters; the leading hexadecimal
// digits count, the rest is ignored; the result is a 16-bit two's complement
// value ("8000" is -32768, "FFFF" is -1).
std::int16_t HexByteStrToInt(const ByteStr& bytes);

// Pairs of hexadecimal digits to bytes; a space where a pair would start is
// skipped, a single character left at the end is ignored. Within a pair the
// leading hexadecimal digits count ("1G" is 0x01, "G1" is 0x00).
ByteStr HexStrToByteStr(std::string_view text);

// Every byte as two upper-case hexadecimal digits, no separators.
std::string ByteStrToHexStr(const ByteStr& bytes);

// The 16-bit value in hexadecimal, zero-padded and cut to its last two digits.
std::string Hex2(int value);

// Value of the leading hexadecimal digits of a text (0 when there are none),
// as an unsigned number; used wherever the receiver's texts carry hex numbers.
std::uint32_t HexPrefixValue(std::string_view text);

// The text without the given characters at its ends (blanks and tabs unless
// said otherwise): cells of tables and lines of text files people edit.
std::string Trim(std::string_view text, std::string_view blanks = " \t");
// The text without blanks at its end (grid cells are padded with them).
std::string TrimRight(std::string_view text, std::string_view blanks = " ");

// The text with its ASCII letters in upper or in lower case, other bytes
// as they are: the receiver's names are ASCII, and no locale may change
// what a search or a column name matches.
std::string Upper(std::string text);
std::string Lower(std::string text);

// Digits with at most one point, and at least one digit: a decimal number
// as a user types it into a frequency box or a table cell.
bool IsDecimalNumber(std::string_view text);

// Whether every character is a hexadecimal digit (upper or lower case); an
// empty text is not.
bool IsHexText(std::string_view text);
