// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A serial line that lives in memory: it records every write, holds the
// bytes a test feeds as "received", and can play the cloning cable's echo
// (every written byte comes back on the receive side) and a receiver that
// answers each written frame.

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "clone/serial_line.h"

class FakeSerialLine : public SerialLine {
  public:
    bool Open(const std::string& device, std::int32_t baud) override {
        ++openCount;
        lastDevice = device;
        lastBaud = baud;
        open_ = !failOpen;
        return open_;
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    void DiscardOutput() override { ++discards; }
    void Write(const ByteStr& bytes) override {
        writes.push_back(bytes);
        if (echo) Feed(bytes);
        if (onWrite) onWrite(bytes);
    }
    int BytesWaiting() const override { return static_cast<int>(input.size()); }
    ByteStr ReadAll() override {
        std::size_t n = input.size();
        if (readChunk > 0) n = std::min(n, static_cast<std::size_t>(readChunk));
        ByteStr out(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n));
        input.erase(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n));
        return out;
    }
    int BytesToWrite() const override { return queued; }
    SerialOpenFault LastOpenFault() const override {
        return open_ ? SerialOpenFault::None : openFault;
    }
    std::string LastOpenGroup() const override { return open_ ? std::string() : openGroup; }
    std::string LastOpenDetail() const override { return open_ ? std::string() : openDetail; }

    void Feed(const ByteStr& bytes) { input.insert(input.end(), bytes.begin(), bytes.end()); }

    bool failOpen = false;
    // The reason a failed open gives, and the group that would grant it.
    SerialOpenFault openFault = SerialOpenFault::None;
    std::string openGroup;
    std::string openDetail;
    bool echo = true;
    // At most this many bytes per read (0: all that is waiting), as a
    // platform that hands received bytes on in small pieces.
    int readChunk = 0;
    int queued = 0;
    int openCount = 0;
    int discards = 0;
    std::string lastDevice;
    std::int32_t lastBaud = 0;
    std::vector<ByteStr> writes;
    ByteStr input;
    // Called after each write (and after its echo was fed).
    std::function<void(const ByteStr&)> onWrite;

  private:
    bool open_ = false;
};
