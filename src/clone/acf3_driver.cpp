// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/acf3_driver.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kPreamble = 0xFE;
constexpr std::uint8_t kEnd = 0xFD;
constexpr std::uint8_t kToReceiver = 0xEE;
constexpr std::uint8_t kToComputer = 0xEF;

// The end frame's body: the 9 bytes of the text "Ardo Inc.".
constexpr const char* kEndMarkHex = "4172646F20496E632E";

// The longest answer that can pass the form check: a data frame of 255
// bytes (3 + 4 + 2 + 510 + 2). A longer run without a terminator is noise.
constexpr std::size_t kMaxAnswerBytes = 521;
// While no echo has been found, only this much of the received tail is kept.
constexpr std::size_t kEchoSearchTail = 256;

// The receiver's model and sub codes travel as BCD-like bytes whose hex
// text reads as a decimal number: all decimal digits, or decimal digits with
// one D or E between them (a number with an exponent).
bool ReadsAsDecimal(const std::string& text) {
    int letters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') continue;
        if ((c == 'D' || c == 'E') && i > 0 && i + 1 < text.size()) {
            ++letters;
            continue;
        }
        return false;
    }
    return !text.empty() && letters <= 1;
}

ByteStr Slice(const ByteStr& bytes, std::size_t from, std::size_t count) {
    if (from >= bytes.size()) return {};
    count = std::min(count, bytes.size() - from);
    return ByteStr(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                   bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

int HexPairValue(const ByteStr& answer, std::size_t at) {
    return static_cast<int>(HexPrefixValue(ByteStrToStr(Slice(answer, at, 2))));
}

}  // namespace

std::string CloneDataBlockText(std::int32_t address, const ByteStr& data) {
    ByteStr block;
    block.reserve(data.size() + 4);
    block.push_back(static_cast<std::uint8_t>((address >> 8) & 0xFF));
    block.push_back(static_cast<std::uint8_t>(address & 0xFF));
    block.push_back(static_cast<std::uint8_t>(data.size() & 0xFF));
    block.insert(block.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (std::uint8_t b : block) sum += b;
    block.push_back(static_cast<std::uint8_t>((256 - sum % 256) % 256));
    return ByteStrToHexStr(block);
}

clsCmcAcf3Drv::clsCmcAcf3Drv(const MsClock& clock) : waitTimer_(clock) {
    Reset();
}

void clsCmcAcf3Drv::workMode(int mode) {
    workMode_ = mode;
    varLastE8Answer_.clear();
    lastEeAdr_ = 0;
    waitAnswer_ = (mode == kWorkInfo || mode == kWorkRead || mode == kWorkWriteEnd);
}

void clsCmcAcf3Drv::cloneWriteAdrList(const std::string& list) {
    adrList_ = list;
    // A list without one whole entry has nothing to write: go straight to
    // the end frame instead of inventing a range.
    nextWriteAdr_ = adrList_.size() >= 10
                        ? static_cast<std::int32_t>(HexPrefixValue(adrList_.substr(0, 4)))
                        : -1;
}

void clsCmcAcf3Drv::ChkBlock_Clear() {
    received_.assign(static_cast<std::size_t>(eep_ ? eep_->eeSize() : clsCmcEeprom::kReceiverSize),
                     false);
}

void clsCmcAcf3Drv::nowError(int value) {
    nowError_ = value;
    if (value != 0) lastError_ = value;
    endWork();
}

bool clsCmcAcf3Drv::SendEnable() const {
    return sendEnable_ && line_ != nullptr && line_->IsOpen() &&
           kSerialOutBufferSize - line_->BytesToWrite() > 256;
}

int clsCmcAcf3Drv::Send(const ByteStr& payload) {
    const int result = RealSend(payload);
    retriesLeft_ = retryCount_;
    return result;
}

int clsCmcAcf3Drv::RetrySend() {
    if (retriesLeft_ < 1) return 1;
    endWork();
    const int result = RealSend(lastPayload_);
    --retriesLeft_;
    return result;
}

int clsCmcAcf3Drv::RealSend(const ByteStr& payload) {
    if (!txFrame_.empty() || !SendEnable()) return 1;
    lastPayload_ = payload;
    txFrame_ = {kPreamble, kPreamble, kToReceiver, kToComputer};
    txFrame_.insert(txFrame_.end(), payload.begin(), payload.end());
    txFrame_.push_back(kEnd);
    if (workMode_ == kWorkExtended) expectedCommand_ = payload.size() >= 6 ? payload[5] : -1;
    // Whatever was received before this frame cannot be its echo or answer;
    // an old echo left in the buffer would otherwise match a resend at once.
    ClearRxBuffer();
    // A new piece of work starts without error; the error of an earlier one
    // stays in lastError only. Left in place it would keep this work from
    // ending when its answer arrives.
    nowError_ = 0;
    line_->Write(txFrame_);
    sendEnable_ = false;
    answerTime_ = workMode_ == kWorkWriteEnd ? kWriteResultTimeMs : kAnswerTimeMs;
    if (waitEcho()) {
        setWaitMode(1);
        running_ = true;
    } else if (waitAnswer_) {
        setWaitMode(2);
        running_ = true;
    } else {
        endWork();
    }
    return 0;
}

void clsCmcAcf3Drv::read(const ByteStr& chunk) {
    // k is worked through from pos on; only a found echo replaces it (by the
    // bytes after the echo), so a large chunk is handled in one pass.
    ByteStr k = chunk;
    std::size_t pos = 0;
    while (pos < k.size()) {
        if (waitMode_ == 1) {
            readEcho(k, pos);
        } else if (waitMode_ == 2) {
            readAnswer(k, pos);
        } else {
            pos = k.size();
        }
    }
}

void clsCmcAcf3Drv::readEcho(ByteStr& k, std::size_t& pos) {
    // One read returns everything waiting, so the echo may be followed in the
    // same chunk by a long answer: search all of it, not only a tail.
    rxBuf_.insert(rxBuf_.end(), k.begin() + static_cast<std::ptrdiff_t>(pos), k.end());
    pos = k.size();
    const auto found = std::search(rxBuf_.begin(), rxBuf_.end(), txFrame_.begin(), txFrame_.end());
    if (txFrame_.empty() || found == rxBuf_.end()) {
        // Keep enough of the tail for an echo split across chunks.
        const std::size_t keep = std::max(kEchoSearchTail, txFrame_.size());
        if (rxBuf_.size() > keep)
            rxBuf_.erase(rxBuf_.begin(), rxBuf_.end() - static_cast<std::ptrdiff_t>(keep));
        return;
    }
    ByteStr rest(found + static_cast<std::ptrdiff_t>(txFrame_.size()), rxBuf_.end());
    ClearRxBuffer();
    frameReceived({});
    outsideFrame_ = true;
    k = std::move(rest);
    pos = 0;
}

void clsCmcAcf3Drv::appendBounded(ByteStr::const_iterator first, ByteStr::const_iterator last) {
    rxBuf_.insert(rxBuf_.end(), first, last);
    if (rxBuf_.size() > kMaxAnswerBytes)
        rxBuf_.erase(rxBuf_.begin(), rxBuf_.end() - static_cast<std::ptrdiff_t>(kMaxAnswerBytes));
}

void clsCmcAcf3Drv::readAnswer(const ByteStr& k, std::size_t& pos) {
    const auto from = k.begin() + static_cast<std::ptrdiff_t>(pos);
    const auto fe = std::find(from, k.end(), kPreamble);
    const auto fd = std::find(from, k.end(), kEnd);
    const auto after = [&](ByteStr::const_iterator it) {
        return static_cast<std::size_t>(it - k.begin()) + 1;
    };
    bool complete = false;
    if (fe != k.end() && (fd == k.end() || fe < fd)) {
        // A frame starts (again): any number of preamble bytes restart it.
        pos = after(fe);
        outsideFrame_ = false;
        rxBuf_.clear();
    } else if (fd == k.end()) {
        // Neither preamble nor terminator: the middle of a frame, or noise.
        if (!outsideFrame_) appendBounded(from, k.end());
        pos = k.size();
    } else if (outsideFrame_) {
        // A stray terminator outside a frame: drop up to it and go on, a
        // whole answer may follow in the same chunk.
        pos = after(fd);
    } else {
        appendBounded(from, fd);
        complete = true;
        pos = after(fd);
    }
    if (complete) {
        const ByteStr frame = rxBuf_;
        frameReceived(frame);
        rxBuf_.clear();
        outsideFrame_ = true;
    }
}

void clsCmcAcf3Drv::frameReceived(const ByteStr& frame) {
    if (waitMode_ == 1) {
        if (waitAnswer_) {
            setWaitMode(2);
        } else if (workMode_ == kWorkWriteData) {
            endWork();
            int sent;
            if (nextWriteAdr_ == -1) {
                workMode(kWorkWriteEnd);
                ByteStr end{0xE5};
                const ByteStr mark = HexStrToByteStr(kEndMarkHex);
                end.insert(end.end(), mark.begin(), mark.end());
                sent = Send(end);
            } else {
                sent = Send(makeWriteFrame());
            }
            if (sent == 1) nowError(kDrvCannotSend);
        } else if (workMode_ == kWorkWriteEnd || workMode_ == kWorkExtended) {
            endWork();
        }
    } else if (waitMode_ == 2) {
        varLastE8Answer_ = frame;
        if (parseAnswer(frame) && nowError_ == 0) endWork();
    }
}

bool clsCmcAcf3Drv::parseAnswer(const ByteStr& a) {
    if (a.size() < 3 || a[0] != kToComputer || a[1] != kToReceiver) return false;
    const std::uint8_t command = a[2];
    const auto accepted = [&]() {
        if (checkAnswer(a)) return true;
        nowError(kDrvBadAnswer);
        return false;
    };
    if (command == 0xE1 && workMode_ == kWorkInfo) {
        if (!accepted()) return false;
        ansInfo_ = a;
        return true;
    }
    if (command == 0xE4 && workMode_ == kWorkRead) {
        if (!accepted()) return false;
        // Every data frame gives the receiver a fresh answer time.
        setWaitMode(2);
        if (!storeReadData(a)) nowError(kDrvDataOverflow);
        return false;
    }
    if (command == 0xE5 && workMode_ == kWorkRead) {
        if (!accepted()) return false;
        const std::size_t size = static_cast<std::size_t>(eep_ ? eep_->eeSize() : 0);
        bool all = eep_ != nullptr && received_.size() >= size;
        for (std::size_t i = 0; all && i < size; ++i) all = received_[i];
        if (!all) {
            nowError(kDrvMissingData);
            return false;
        }
        return true;
    }
    if (command == 0xE6 && workMode_ == kWorkWriteEnd) {
        if (!accepted()) return false;
        if (a.size() < 4) {  // a result frame without its result byte
            nowError(kDrvBadAnswer);
            return false;
        }
        if (a[3] == 0x00) return true;
        nowError(kDrvWriteRefused);
        return false;
    }
    if (command == 0xE8 && workMode_ == kWorkExtended) {
        if (!accepted()) return false;
        varLastE8Answer_ = Slice(a, 3, a.size());
        return true;
    }
    return false;
}

bool clsCmcAcf3Drv::checkAnswer(const ByteStr& a) const {
    const std::size_t len = a.size();
    if (len < 3 || a[0] != kToComputer || a[1] != kToReceiver) return false;
    switch (a[2]) {
        case 0xE1:
            return len >= 7 && ReadsAsDecimal(ByteStrToHexStr(Slice(a, 3, 4)));
        case 0xE4: {
            if (len % 2 == 0 || len < 13) return false;
            unsigned sum = 0;
            for (std::size_t i = 3; i + 1 < len; i += 2) {
                const std::string pair = ByteStrToStr(Slice(a, i, 2));
                if (!IsHexText(pair)) return false;
                sum += HexPrefixValue(pair);
            }
            if (sum % 256 != 0) return false;
            return HexByteStrToInt(Slice(a, 7, 2)) == static_cast<int>((len - 11) / 2);
        }
        case 0xE5:
            return ByteStrToHexStr(Slice(a, 3, len)) == kEndMarkHex;
        case 0xE8:
            return len >= 8 && ReadsAsDecimal(ByteStrToHexStr(Slice(a, 3, 4))) &&
                   static_cast<int>(a[7]) == expectedCommand_;
        default:
            return true;
    }
}

bool clsCmcAcf3Drv::storeReadData(const ByteStr& a) {
    if (eep_ == nullptr) return false;
    // Four hex digits above 7FFF read as negative and never fit the image.
    const std::int32_t address = HexByteStrToInt(Slice(a, 3, 4));
    const int count = HexByteStrToInt(Slice(a, 7, 2));
    if (count < 0) return false;
    ByteStr data;
    data.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        data.push_back(static_cast<std::uint8_t>(HexPairValue(a, 9 + 2 * i)));
    if (eep_->WriteBlock(address, data) != 0) return false;
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(address + i);
        if (at < received_.size()) received_[at] = true;
    }
    lastEeAdr_ = address + count - 1;
    return true;
}

ByteStr clsCmcAcf3Drv::makeWriteFrame() {
    const std::int32_t start = nextWriteAdr_;
    const auto end = static_cast<std::int32_t>(
        HexPrefixValue(adrList_.size() >= 9 ? adrList_.substr(5, 4) : ""));
    // The count travels in one byte.
    std::int32_t size = std::clamp(sizDataOfPacket_, 1, 255);
    if (start + size - 1 > end) size = std::max<std::int32_t>(end - start + 1, 1);
    const ByteStr data =
        eep_ ? eep_->ReadBlock(start, size) : ByteStr(static_cast<std::size_t>(size), 0);
    ByteStr payload{0xE4};
    const ByteStr text = StrToByteStr(CloneDataBlockText(start, data));
    payload.insert(payload.end(), text.begin(), text.end());
    lastEeAdr_ = start + size - 1;
    if (start + size - 1 < end) {
        nextWriteAdr_ = start + size;
    } else {
        adrList_.erase(0, std::min<std::size_t>(10, adrList_.size()));
        nextWriteAdr_ = adrList_.size() >= 10
                            ? static_cast<std::int32_t>(HexPrefixValue(adrList_.substr(0, 4)))
                            : -1;
    }
    return payload;
}

void clsCmcAcf3Drv::task() {
    if (waitMode_ == 1) {
        if (waitTimer_.counter() < 1) nowError(kDrvNoEcho);
    } else if (waitMode_ == 2) {
        if (waitTimer_.counter() <= 0 && RetrySend() == 1) nowError(kDrvNoAnswer);
    }
}

void clsCmcAcf3Drv::Reset() {
    endWork();
    ClearRxBuffer();
    nextWriteAdr_ = 0;
    nowError(0);
}

void clsCmcAcf3Drv::ClearRxBuffer() {
    rxBuf_.clear();
    outsideFrame_ = true;
}

void clsCmcAcf3Drv::setWaitMode(int mode) {
    waitMode_ = mode;
    if (mode == 1) waitTimer_.counter(echoTime_);
    if (mode == 2) waitTimer_.counter(answerTime_);
}

void clsCmcAcf3Drv::endWork() {
    setWaitMode(0);
    txFrame_.clear();
    sendEnable_ = true;
    running_ = false;
    retryCount_ = 0;
}
