// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_frame.h"

#include <algorithm>
#include <string>

std::optional<RxFrame> FrameReader::Feed(std::uint8_t byte) {
    if (byte == kPreamble) {
        // Any 0xFE ends what came before: one opens a preamble, a second
        // one (and any further) leaves us at the start of a frame.
        state_ = (state_ == State::OnePreamble || state_ == State::Inside) && content_.empty()
                     ? State::Inside
                     : State::OnePreamble;
        content_.clear();
        return std::nullopt;
    }
    switch (state_) {
        case State::Outside:
            return std::nullopt;
        case State::OnePreamble:
            // A lone 0xFE followed by something else is noise.
            state_ = State::Outside;
            return std::nullopt;
        case State::Overlong:
            if (byte == kTerminator) state_ = State::Outside;
            return std::nullopt;
        case State::Inside:
            break;
    }
    if (byte != kTerminator) {
        if (content_.size() >= kMaxContent) {
            content_.clear();
            state_ = State::Overlong;
        } else {
            content_.push_back(byte);
        }
        return std::nullopt;
    }
    state_ = State::Outside;
    ByteStr content;
    content.swap(content_);
    // Destination, source and command are the least a frame can carry.
    if (content.size() < 3) return std::nullopt;
    RxFrame frame;
    frame.dest = content[0];
    frame.src = content[1];
    frame.cmd = content[2];
    frame.body.assign(content.begin() + 3, content.end());
    return frame;
}

void FrameReader::Clear() {
    state_ = State::Outside;
    content_.clear();
}

ByteStr JoinBytes(std::initializer_list<std::uint8_t> head, const ByteStr& tail) {
    ByteStr out(head.size() + tail.size());
    std::copy(head.begin(), head.end(), out.begin());
    std::copy(tail.begin(), tail.end(), out.begin() + static_cast<std::ptrdiff_t>(head.size()));
    return out;
}

ByteStr BuildFrame(std::uint8_t dest, std::uint8_t src, const ByteStr& payload) {
    ByteStr frame(payload.size() + 5);
    frame[0] = frame[1] = kPreamble;
    frame[2] = dest;
    frame[3] = src;
    std::copy(payload.begin(), payload.end(), frame.begin() + 4);
    frame.back() = kTerminator;
    return frame;
}

std::uint8_t BlockChecksum(int address, const ByteStr& data) {
    unsigned sum = static_cast<unsigned>((address >> 8) & 0xFF) +
                   static_cast<unsigned>(address & 0xFF) +
                   static_cast<unsigned>(data.size() & 0xFF);
    for (std::uint8_t b : data) sum += b;
    return static_cast<std::uint8_t>((256 - sum % 256) % 256);
}

ByteStr EncodeDataBlock(int address, const ByteStr& data) {
    const ByteStr payload(
        data.begin(),
        data.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(data.size(), 255)));
    ByteStr block;
    block.reserve(payload.size() + 4);
    block.push_back(static_cast<std::uint8_t>((address >> 8) & 0xFF));
    block.push_back(static_cast<std::uint8_t>(address & 0xFF));
    block.push_back(static_cast<std::uint8_t>(payload.size()));
    block.insert(block.end(), payload.begin(), payload.end());
    block.push_back(BlockChecksum(address & 0xFFFF, payload));
    return StrToByteStr(ByteStrToHexStr(block));
}

DataBlock DecodeDataBlock(const ByteStr& body) {
    DataBlock out;
    // Address (4 digits), count (2), at least one data byte (2), checksum (2).
    if (body.size() < 10 || body.size() % 2 != 0) {
        out.result = DataBlock::Result::BadLength;
        return out;
    }
    const std::string text(body.begin(), body.end());
    if (!IsHexText(text)) {
        out.result = DataBlock::Result::NotHex;
        return out;
    }
    const ByteStr bytes = HexStrToByteStr(text);
    const std::size_t count = bytes[2];
    if (count + 4 != bytes.size()) {
        out.result = DataBlock::Result::BadCount;
        return out;
    }
    unsigned sum = 0;
    for (std::uint8_t b : bytes) sum += b;
    if (sum % 256 != 0) {
        out.result = DataBlock::Result::BadChecksum;
        return out;
    }
    out.result = DataBlock::Result::Ok;
    out.address = (bytes[0] << 8) | bytes[1];
    out.data.assign(bytes.begin() + 3, bytes.end() - 1);
    return out;
}
