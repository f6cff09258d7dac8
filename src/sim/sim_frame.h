// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The receiver's end of the clone frame format: recognising request frames
// in the bytes arriving on the cable, building answer frames, and the hex
// text data blocks (0xE4) that carry the memory image in both directions.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "app/common.h"

// Addresses and command codes on the cloning line.
inline constexpr std::uint8_t kPreamble = 0xFE;
inline constexpr std::uint8_t kTerminator = 0xFD;
inline constexpr std::uint8_t kAdrReceiver = 0xEE;
inline constexpr std::uint8_t kAdrComputer = 0xEF;
inline constexpr std::uint8_t kCmdInfoReq = 0xE0;
inline constexpr std::uint8_t kCmdInfoAns = 0xE1;
inline constexpr std::uint8_t kCmdReadReq = 0xE2;
inline constexpr std::uint8_t kCmdWriteReq = 0xE3;
inline constexpr std::uint8_t kCmdData = 0xE4;
inline constexpr std::uint8_t kCmdEnd = 0xE5;
inline constexpr std::uint8_t kCmdWriteResult = 0xE6;
inline constexpr std::uint8_t kCmdExtended = 0xE8;
// Body of the end frame: the text "Ardo Inc.".
inline constexpr const char* kEndFrameText = "Ardo Inc.";

// One frame as the receiver sees it: everything between the preamble and
// the terminator.
struct RxFrame {
    std::uint8_t dest = 0;
    std::uint8_t src = 0;
    std::uint8_t cmd = 0;
    ByteStr body;
};

// Picks frames out of the byte stream the receiver hears. A frame starts
// with at least two 0xFE and ends with 0xFD; bytes outside a frame (line
// noise, a half frame cut off by the computer) are dropped, a new preamble
// inside a frame abandons the frame so far, and a frame longer than any the
// protocol uses is dropped whole rather than buffered without end.
class FrameReader {
  public:
    // The longest frame content kept (destination to last body byte).
    static constexpr std::size_t kMaxContent = 512;

    // Feeds one byte; returns a frame when this byte completed one.
    std::optional<RxFrame> Feed(std::uint8_t byte);
    void Clear();

  private:
    enum class State { Outside, OnePreamble, Inside, Overlong };
    State state_ = State::Outside;
    ByteStr content_;
};

// head followed by tail, in one allocation.
ByteStr JoinBytes(std::initializer_list<std::uint8_t> head, const ByteStr& tail);

// FE FE dest src payload FD, where payload is the command code and body.
ByteStr BuildFrame(std::uint8_t dest, std::uint8_t src, const ByteStr& payload);
// An answer from the receiver to the computer.
inline ByteStr BuildAnswer(const ByteStr& payload) {
    return BuildFrame(kAdrComputer, kAdrReceiver, payload);
}

// The checksum byte that makes address, count, data and checksum add up to
// 0 modulo 256.
std::uint8_t BlockChecksum(int address, const ByteStr& data);
// Body of a data frame: upper-case hex text of address (2 bytes), count,
// data and checksum. The address is taken modulo 0x10000 and at most 255
// data bytes are encoded.
ByteStr EncodeDataBlock(int address, const ByteStr& data);

// A data block taken apart, or why it was refused.
struct DataBlock {
    enum class Result { Ok, NotHex, BadLength, BadCount, BadChecksum };
    Result result = Result::BadLength;
    int address = 0;
    ByteStr data;
};
// Checks and decodes the body of a data frame: hex text in pairs (upper or
// lower case), at least one data byte, a count that matches the length and
// a checksum that brings the sum of all pairs to 0 modulo 256.
DataBlock DecodeDataBlock(const ByteStr& body);
