// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_receiver.h"

#include <algorithm>

#include "image/radio.h"

namespace {

ByteStr EndFramePayload() {
    return JoinBytes({kCmdEnd}, StrToByteStr(kEndFrameText));
}

const char* BlockResultText(DataBlock::Result r) {
    switch (r) {
        case DataBlock::Result::Ok:
            return "ok";
        case DataBlock::Result::NotHex:
            return "not hex text";
        case DataBlock::Result::BadLength:
            return "bad length";
        case DataBlock::Result::BadCount:
            return "count does not match length";
        case DataBlock::Result::BadChecksum:
            return "bad checksum";
    }
    return "?";
}

}  // namespace

SimReceiver::SimReceiver(const ReceiverSetup& setup) : setup_(setup) {}

void SimReceiver::Log(const std::string& text) const {
    if (onLog) onLog(text);
}

bool SimReceiver::IsOwnModel(const ByteStr& body) const {
    return body.size() >= 2 && body[0] == kModelHi && body[1] == kModelLo;
}

bool SimReceiver::IsOwnModelAndSub(const ByteStr& body) const {
    return IsOwnModel(body) && body.size() >= 4 && body[2] == kSubHi && body[3] == kSubLo;
}

bool SimReceiver::FaultStrikesAfter(int n) const {
    return (setup_.fault == SimFault::Stall || setup_.fault == SimFault::Hangup) &&
           n == setup_.faultFrame;
}

ByteStr SimReceiver::IdentPayload() const {
    ByteStr p;
    p.reserve(26);
    p.push_back(kCmdInfoAns);
    p.push_back(kModelHi);
    // Another model of the same family answers with its own code.
    p.push_back(setup_.fault == SimFault::WrongModel ? 0x05 : kModelLo);
    p.push_back(kSubHi);
    p.push_back(setup_.fault == SimFault::IllegalSub ? 0x02 : kSubLo);
    // The receiver reports its comment in the free part of the answer.
    const ByteStr comment = image_.ReadBlock(kCommentAdr, 16);
    p.insert(p.end(), comment.begin(), comment.end());
    int version = setup_.version;
    if (setup_.fault == SimFault::OtherVersion) version = (version + 1) % 12;
    p.push_back(static_cast<std::uint8_t>(version));
    int caps = 0;
    if (!setup_.amOk) caps |= 1 << 3;
    if (setup_.cellerNg) caps |= 1 << 5;
    if (setup_.fmTvOk) caps |= 1 << 6;
    p.push_back(static_cast<std::uint8_t>(caps));
    p.push_back(static_cast<std::uint8_t>((setup_.expOn ? 1 : 0) | ((setup_.tvOwNo & 3) << 1)));
    return p;
}

std::vector<ReceiverOutput> SimReceiver::ReadFrames() {
    std::vector<ReceiverOutput> frames;
    const std::int32_t size = std::clamp(setup_.readBlockSize, 1, 112);
    if (FaultStrikesAfter(0)) {
        frozen_ = setup_.fault == SimFault::Stall;
        if (setup_.fault == SimFault::Hangup) frames.push_back({{}, true});
        return frames;
    }
    int n = 0;
    for (std::int32_t adr = 0; adr < image_.eeSize(); adr += size) {
        ++n;
        const std::int32_t count = std::min(size, image_.eeSize() - adr);
        ByteStr body = EncodeDataBlock(adr, image_.ReadBlock(adr, count));
        if (setup_.fault == SimFault::BadChecksum && n == setup_.faultFrame) {
            // The checksum is the last pair of digits: send it one too high.
            const std::string last(body.end() - 2, body.end());
            const auto wrong = static_cast<std::uint8_t>(HexPrefixValue(last) + 1);
            const std::string digits = ByteStrToHexStr({wrong});
            body[body.size() - 2] = static_cast<std::uint8_t>(digits[0]);
            body[body.size() - 1] = static_cast<std::uint8_t>(digits[1]);
            Log("fault: data frame " + std::to_string(n) + " sent with a wrong checksum");
        }
        if (setup_.fault == SimFault::DropFrame && n == setup_.faultFrame) {
            Log("fault: data frame " + std::to_string(n) + " left out");
        } else {
            frames.push_back({BuildAnswer(JoinBytes({kCmdData}, body)), false});
        }
        if (FaultStrikesAfter(n)) {
            if (setup_.fault == SimFault::Hangup) {
                Log("fault: hanging up after data frame " + std::to_string(n));
                frames.push_back({{}, true});
            } else {
                Log("fault: stalling after data frame " + std::to_string(n));
                frozen_ = true;
            }
            return frames;
        }
    }
    frames.push_back({BuildAnswer(EndFramePayload()), false});
    return frames;
}

void SimReceiver::HandleFrame(const RxFrame& frame, std::vector<ReceiverOutput>& out) {
    if (frozen_ || setup_.fault == SimFault::NoAnswer) return;
    // Only requests from the computer to this receiver are answered; other
    // traffic on the line (another set, our own kind of answer) is not ours.
    if (frame.dest != kAdrReceiver || frame.src != kAdrComputer) return;
    switch (frame.cmd) {
        case kCmdInfoReq:
            if (!IsOwnModel(frame.body)) return;
            writing_ = false;
            Log("identification");
            out.push_back({BuildAnswer(IdentPayload()), false});
            return;
        case kCmdReadReq: {
            if (!IsOwnModelAndSub(frame.body)) return;
            writing_ = false;
            Log("clone read");
            auto frames = ReadFrames();
            out.insert(out.end(), frames.begin(), frames.end());
            return;
        }
        case kCmdWriteReq:
            if (!IsOwnModelAndSub(frame.body)) return;
            Log("clone write");
            writing_ = true;
            writeBad_ = false;
            writeFrames_ = 0;
            writeBytes_ = 0;
            if (FaultStrikesAfter(0)) {
                if (setup_.fault == SimFault::Hangup) out.push_back({{}, true});
                frozen_ = setup_.fault == SimFault::Stall;
            }
            return;
        case kCmdData:
            if (writing_) HandleWriteData(frame, out);
            return;
        case kCmdEnd:
            if (writing_) HandleWriteEnd(frame, out);
            return;
        case kCmdExtended: {
            // Model, sub code, then at least one command byte.
            if (frame.body.size() < 5 || !IsOwnModelAndSub(frame.body)) return;
            Log("extended command " + ByteStrToHexStr({frame.body[4]}));
            ByteStr payload{kCmdExtended, kModelHi, kModelLo, kSubHi, kSubLo, frame.body[4]};
            out.push_back({BuildAnswer(payload), false});
            return;
        }
        default:
            return;
    }
}

void SimReceiver::HandleWriteData(const RxFrame& frame, std::vector<ReceiverOutput>& out) {
    const int n = ++writeFrames_;
    const DataBlock block = DecodeDataBlock(frame.body);
    if (block.result != DataBlock::Result::Ok) {
        writeBad_ = true;
        Log("write data frame " + std::to_string(n) + " refused: " + BlockResultText(block.result));
    } else if (image_.WriteBlock(block.address, block.data) != 0) {
        writeBad_ = true;
        Log("write data frame " + std::to_string(n) + " refused: outside the memory");
    } else {
        writeBytes_ += static_cast<std::int32_t>(block.data.size());
        const std::int32_t at = setup_.faultAddress;
        if (setup_.fault == SimFault::CorruptStore && at >= block.address &&
            at < block.address + static_cast<std::int32_t>(block.data.size())) {
            image_.WriteByte(at, image_.ReadByte(at) ^ 0x01);
            Log("fault: the byte at " + Hex4(at) + " stored wrong");
        }
    }
    if (FaultStrikesAfter(n)) {
        if (setup_.fault == SimFault::Hangup) {
            Log("fault: hanging up after data frame " + std::to_string(n));
            out.push_back({{}, true});
        } else {
            Log("fault: stalling after data frame " + std::to_string(n));
            frozen_ = true;
        }
    }
}

void SimReceiver::HandleWriteEnd(const RxFrame& frame, std::vector<ReceiverOutput>& out) {
    if (frame.body != StrToByteStr(kEndFrameText)) {
        Log("end frame with a wrong text ignored");
        return;
    }
    writing_ = false;
    std::uint8_t result = writeBad_ ? 0x01 : 0x00;
    if (setup_.fault == SimFault::WriteFailed) result = 0x01;
    Log("clone write ended: " + std::to_string(writeFrames_) + " frames, " +
        std::to_string(writeBytes_) + " bytes, result " + std::to_string(result));
    out.push_back({BuildAnswer({kCmdWriteResult, result}), false});
    if (result == 0) {
        ++goodWrites_;
        if (onWritten) onWritten(image_);
    }
}
