// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RX-Q5 as the computer meets it on the cloning cable: a memory image,
// an identification (model, sub code, version, capability and option bits),
// and the receiver's half of the clone protocol: it answers identification
// requests, sends its image on a clone read, takes an image on a clone write
// and answers extended commands. It can also misbehave in one chosen way
// (a fault), so the computer's error handling can be exercised.
//
// The cable's echo is not the receiver's doing and is left to the caller;
// the receiver only hears complete frames and says what to send back.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/common.h"
#include "image/eeprom.h"
#include "sim/sim_frame.h"

// The one way the receiver or cable misbehaves in a run.
enum class SimFault {
    None,
    NoEcho,        // cable absent: nothing comes back at all
    NoAnswer,      // receiver off: the cable echoes, the receiver is silent
    WrongModel,    // identification with another model code
    IllegalSub,    // identification with another sub code
    OtherVersion,  // identification with another version number
    BadChecksum,   // data frame K of a read carries a wrong checksum
    DropFrame,     // data frame K of a read is left out
    WriteFailed,   // a clone write ends with a non-zero result
    Stall,         // the receiver freezes after data frame K
    Hangup,        // the line is closed after data frame K
    CorruptStore,  // a clone write stores the byte at one address wrong
};

// Who the receiver is and how it behaves.
struct ReceiverSetup {
    int version = 0;         // 0..11; 12 is sent as it is (an illegal answer)
    bool amOk = true;        // capability bit 3 is set when AM is not allowed
    bool cellerNg = false;   // capability bit 5
    bool fmTvOk = false;     // capability bit 6
    bool expOn = false;      // option bit 0
    int tvOwNo = 0;          // option bits 1-2
    int readBlockSize = 32;  // data bytes per frame of a clone read
    SimFault fault = SimFault::None;
    int faultFrame = 0;  // K of the faults that name a data frame (1 = first)
    // The address whose byte a clone write stores with its lowest bit
    // inverted (CorruptStore): a weak memory cell, which the write's own
    // result does not reveal.
    std::int32_t faultAddress = 0;
};

// What the receiver wants done on the line, in order.
struct ReceiverOutput {
    ByteStr bytes;        // frames to send after everything queued before
    bool hangup = false;  // then close the line (after the bytes are out)
};

class SimReceiver {
  public:
    // The model and sub code this receiver answers to.
    static constexpr std::uint8_t kModelHi = 0x23, kModelLo = 0x04;
    static constexpr std::uint8_t kSubHi = 0x00, kSubLo = 0x01;
    // Where the receiver keeps the 16-character comment.
    static constexpr std::int32_t kCommentAdr = 0x1F60;

    explicit SimReceiver(const ReceiverSetup& setup);

    clsCmcEeprom& Image() { return image_; }
    const clsCmcEeprom& Image() const { return image_; }
    const ReceiverSetup& Setup() const { return setup_; }

    // Handles one complete frame heard on the line; what to send back is
    // appended to out.
    void HandleFrame(const RxFrame& frame, std::vector<ReceiverOutput>& out);

    // The 0xE1 answer payload (command and body) for this receiver.
    ByteStr IdentPayload() const;
    // The frames of a clone read: data frames, then the end frame.
    std::vector<ReceiverOutput> ReadFrames();

    // True once a stall fault has struck: the receiver no longer answers.
    bool Frozen() const { return frozen_; }
    // True while a clone write is taking data frames.
    bool Writing() const { return writing_; }
    // Number of clone writes that ended with the result 0.
    int GoodWrites() const { return goodWrites_; }
    // Called after every clone write that ended with the result 0.
    std::function<void(const clsCmcEeprom&)> onWritten;
    // One line of what the receiver is doing, for the log.
    std::function<void(const std::string&)> onLog;

  private:
    void Log(const std::string& text) const;
    bool IsOwnModel(const ByteStr& body) const;
    bool IsOwnModelAndSub(const ByteStr& body) const;
    void HandleWriteData(const RxFrame& frame, std::vector<ReceiverOutput>& out);
    void HandleWriteEnd(const RxFrame& frame, std::vector<ReceiverOutput>& out);
    // Hangup or stall after data frame number n, if the fault says so.
    bool FaultStrikesAfter(int n) const;

    ReceiverSetup setup_;
    clsCmcEeprom image_;
    bool frozen_ = false;
    bool writing_ = false;
    bool writeBad_ = false;
    int writeFrames_ = 0;
    std::int32_t writeBytes_ = 0;
    int goodWrites_ = 0;
};
