// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One clone operation as the user sees it (identify the receiver for the
// initial setup, identify it, clone read, clone write, extended command),
// turned into the ordered exchanges of the protocol. It opens the port,
// issues each request through the frame driver, waits while the driver
// works, has the receiver model check each answer, and on failure closes the
// port and hands over to the failure report. It advances one decision round
// per call of its task, which the serial tick makes.

#include <cstdint>
#include <functional>
#include <string>

#include "app/common.h"
#include "clone/com_service.h"
#include "image/radio.h"
#include "image/tick.h"
#include "model/clone_checks.h"

enum CloneOperation : int {
    kOpIdle = 0,
    kOpInitInfo = 1,  // identification for the initial setup
    kOpInfo = 2,
    kOpRead = 3,
    kOpWrite = 4,
    kOpExtended = 5,
};

class clsCmcAcf3Sequence {
  public:
    clsCmcAcf3Sequence(frmCom& com, clsCmcRadio& radio, CloneChecks& checks,
                       const MsClock& clock = SystemMsClock());

    // Called with this sequence when an operation fails; it reports the
    // failure and must reset the sequence (easyReset). Without one, the
    // sequence resets itself.
    void failureReport(std::function<void(clsCmcAcf3Sequence&)> report) {
        report_ = std::move(report);
    }

    frmCom& com() { return com_; }
    const frmCom& com() const { return com_; }
    clsCmcAcf3Drv& drv() { return com_.drv(); }
    const clsCmcAcf3Drv& drv() const { return com_.drv(); }

    // Driver and port reset (port closed), then idle.
    void Reset();
    void Standby();
    void easyReset(int portNo);
    void easyCloneInitInfo();
    void easyCloneInfo();
    void easyCloneRead();
    // A clone read that checks a write just made: every byte it brings is
    // what the receiver holds, to be compared with what was sent, so a
    // wrong format tag is not a failed read but a difference to report.
    void easyCloneReadBack();
    void easyCloneWrite();
    // The extended command bytes as hex text; both return False.
    bool easySendE8NoAnswer(const std::string& hexText);
    bool easySendE8ReqAnswer(const std::string& hexText);

    void comHoldReload(std::int32_t ms);
    int ComPortNo() const { return comPortNo_; }
    void ComPortNo(int value) { comPortNo_ = value; }
    // A device path used instead of the port number's device; empty for none.
    // Kept across resets, like the port number.
    const std::string& ComDevice() const { return comDevice_; }
    void ComDevice(const std::string& path) { comDevice_ = path; }
    int Operation() const { return operation_; }
    void Operation(int value) {
        operation_ = value;
        e8AnsRequired_ = false;
        readBack_ = false;
    }
    const std::string& e8HexStrToSend() const { return e8HexStrToSend_; }
    void e8HexStrToSend(const std::string& text) { e8HexStrToSend_ = text; }
    bool e8AnsRequired() const { return e8AnsRequired_; }
    void e8AnsRequired(bool value) { e8AnsRequired_ = value; }

    void start();
    bool OpRunning() const { return stepCounter_ != 0; }
    int error() const { return error_; }
    const ByteStr& ansInfo() const { return drv().ansInfo(); }
    std::string ansNameM() const;
    std::string ansNameS() const;
    int currentStep() const { return currentStep_; }

    void task();

  private:
    void prepareOp();
    void issueStep();
    int decide();
    void sendText(const std::string& hexText);

    frmCom& com_;
    clsCmcRadio& radio_;
    CloneChecks& checks_;
    std::function<void(clsCmcAcf3Sequence&)> report_;
    int comPortNo_ = 1;
    std::string comDevice_;
    int operation_ = kOpIdle;
    int stepCounter_ = 0;
    int currentStep_ = 0;
    int error_ = 0;
    std::string e8HexStrToSend_;
    bool e8AnsRequired_ = false;
    bool readBack_ = false;
    std::int32_t holdTime_ = 0;
    clsCmcTick holdTimer_;
    bool inTask_ = false;
};
