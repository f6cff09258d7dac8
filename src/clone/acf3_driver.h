// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The receiver's cloning protocol, one frame at a time. A request goes out
// as FE FE EE EF <command, body> FD; the cable loops every sent byte back,
// so the driver first waits for that echo, then (by work mode) for the
// receiver's answer frames FE FE EF EE <command, body> FD. It checks and
// interprets the answers, fills the image during a clone read, produces the
// chain of data frames during a clone write, and reports the outcome as an
// error code. It owns its receive buffer, its time-outs and the map of
// image bytes received; the serial line and the image belong to others.

#include <cstdint>
#include <string>
#include <vector>

#include "app/common.h"
#include "clone/serial_line.h"
#include "image/eeprom.h"
#include "image/tick.h"

// Outcome codes of a piece of driver work (nowError / lastError).
enum DrvErrorCode : int {
    kDrvOk = 0,
    kDrvNoEcho = 1,        // the echo of a sent frame did not come back in time
    kDrvNoAnswer = 2,      // no answer in time and no resend left
    kDrvBadAnswer = 3,     // an answer failed the form check
    kDrvMissingData = 4,   // clone read ended with image bytes never received
    kDrvDataOverflow = 5,  // a clone-read data frame does not fit the image
    kDrvWriteRefused = 7,  // the receiver reported a failed clone write
    kDrvCannotSend = 8,    // the next clone-write frame could not be sent
};

// Work modes: what the driver does after the echo of the frame it sends.
enum DrvWorkMode : int {
    kWorkNone = 0,
    kWorkInfo = 1,       // identification: wait for 0xE1
    kWorkRead = 2,       // clone read: 0xE4 data frames until 0xE5
    kWorkWriteData = 3,  // clone write: send data frames, one per echo
    kWorkWriteEnd = 4,   // clone write: end frame sent, wait for 0xE6
    kWorkExtended = 5,   // extended command 0xE8
};

class clsCmcAcf3Drv {
  public:
    static constexpr std::int32_t kEchoTimeMs = 1000;
    static constexpr std::int32_t kAnswerTimeMs = 1200;
    static constexpr std::int32_t kWriteResultTimeMs = 20000;

    explicit clsCmcAcf3Drv(const MsClock& clock = SystemMsClock());

    // The line frames are written to and asked whether sending is possible.
    void form(SerialLine* line) { line_ = line; }

    int workMode() const { return workMode_; }
    void workMode(int mode);
    bool waitAnswer() const { return waitAnswer_; }
    void waitAnswer(bool value) { waitAnswer_ = value; }
    int retryCount() const { return retryCount_; }
    void retryCount(int value) { retryCount_ = value; }
    void myEep(clsCmcEeprom* eep) { eep_ = eep; }
    int sizDataOfPacket() const { return sizDataOfPacket_; }
    void sizDataOfPacket(int value) { sizDataOfPacket_ = value; }
    const std::string& cloneWriteAdrList() const { return adrList_; }
    void cloneWriteAdrList(const std::string& list);
    // Forgets which image bytes a clone read delivered.
    void ChkBlock_Clear();

    bool Running() const { return running_; }
    int lastError() const { return lastError_; }
    void lastError(int value) { lastError_ = value; }
    int nowError() const { return nowError_; }
    // Stores the error (a non-zero one also in lastError) and ends the work.
    void nowError(int value);
    const ByteStr& ansInfo() const { return ansInfo_; }
    const ByteStr& varLastE8Answer() const { return varLastE8Answer_; }
    std::int32_t lastEeAdr() const { return lastEeAdr_; }

    bool SendEnable() const;
    bool waitEcho() const { return workMode_ >= 1 && workMode_ <= 5; }

    // 0 sent, 1 not sent (a frame is outstanding, or the line cannot send).
    int Send(const ByteStr& payload);
    int RetrySend();

    // A chunk of received bytes.
    void read(const ByteStr& chunk);
    // Time-outs and resends; called on every tick.
    void task();

    void Reset();
    // Drops a partly received answer; the next frame start begins a new one.
    void ClearRxBuffer();

    // What is being sent or awaits its echo; empty when nothing is outstanding.
    const ByteStr& transmitFrame() const { return txFrame_; }
    int waitState() const { return waitMode_; }

  private:
    int RealSend(const ByteStr& payload);
    void setWaitMode(int mode);
    void endWork();
    void readEcho(ByteStr& chunk, std::size_t& pos);
    void readAnswer(const ByteStr& chunk, std::size_t& pos);
    void frameReceived(const ByteStr& frame);
    bool parseAnswer(const ByteStr& answer);
    bool checkAnswer(const ByteStr& answer) const;
    bool storeReadData(const ByteStr& answer);
    ByteStr makeWriteFrame();
    void appendBounded(ByteStr::const_iterator first, ByteStr::const_iterator last);

    SerialLine* line_ = nullptr;
    clsCmcEeprom* eep_ = nullptr;
    int workMode_ = kWorkNone;
    bool waitAnswer_ = false;
    int retryCount_ = 0;
    int retriesLeft_ = 0;
    int sizDataOfPacket_ = 32;
    std::string adrList_;
    std::int32_t nextWriteAdr_ = 0;
    int waitMode_ = 0;
    clsCmcTick waitTimer_;
    std::int32_t echoTime_ = kEchoTimeMs;
    std::int32_t answerTime_ = kAnswerTimeMs;
    ByteStr txFrame_;
    ByteStr lastPayload_;
    ByteStr rxBuf_;
    bool outsideFrame_ = true;
    bool sendEnable_ = true;
    bool running_ = false;
    int nowError_ = 0;
    int lastError_ = 0;
    ByteStr ansInfo_;
    ByteStr varLastE8Answer_;
    std::int32_t lastEeAdr_ = 0;
    int expectedCommand_ = -1;  // -1: the extended request carried no command byte
    std::vector<bool> received_;
};

// The hex text body of one data block: address high and low byte, count,
// the data and a checksum that makes all encoded bytes add up to 0 mod 256.
std::string CloneDataBlockText(std::int32_t address, const ByteStr& data);
