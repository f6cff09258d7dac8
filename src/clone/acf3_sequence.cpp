// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/acf3_sequence.h"

#include "image/info_checks.h"

namespace {

// Requests the sequence issues, by its current step.
enum Step : int {
    kStepNone = 0,
    kStepInfo = 1,
    kStepRead = 2,
    kStepWrite = 3,
    kStepExtended = 4,
    kStepFail = 5,
    kStepFinish = 6,
};

}  // namespace

clsCmcAcf3Sequence::clsCmcAcf3Sequence(frmCom& com, clsCmcRadio& radio, CloneChecks& checks,
                                       const MsClock& clock)
    : com_(com), radio_(radio), checks_(checks), holdTimer_(clock) {
    Reset();
    comPortNo_ = 1;
    comHoldReload(0);
}

void clsCmcAcf3Sequence::Reset() {
    drv().Reset();
    com_.Reset();
    Standby();
}

void clsCmcAcf3Sequence::Standby() {
    stepCounter_ = 0;
    operation_ = kOpIdle;
    e8HexStrToSend_.clear();
}

void clsCmcAcf3Sequence::easyReset(int portNo) {
    Reset();
    comPortNo_ = portNo;
}

void clsCmcAcf3Sequence::easyCloneInitInfo() {
    Operation(kOpInitInfo);
    start();
}

void clsCmcAcf3Sequence::easyCloneInfo() {
    Operation(kOpInfo);
    start();
}

void clsCmcAcf3Sequence::easyCloneRead() {
    Operation(kOpRead);
    start();
}

void clsCmcAcf3Sequence::easyCloneReadBack() {
    Operation(kOpRead);
    readBack_ = true;
    start();
}

void clsCmcAcf3Sequence::easyCloneWrite() {
    Operation(kOpWrite);
    drv().cloneWriteAdrList(radio_.cloneWriteAdrList());
    start();
}

bool clsCmcAcf3Sequence::easySendE8NoAnswer(const std::string& hexText) {
    Operation(kOpExtended);
    e8HexStrToSend_ = hexText;
    start();
    return false;
}

bool clsCmcAcf3Sequence::easySendE8ReqAnswer(const std::string& hexText) {
    Operation(kOpExtended);
    e8HexStrToSend_ = hexText;
    e8AnsRequired_ = true;
    start();
    return false;
}

void clsCmcAcf3Sequence::comHoldReload(std::int32_t ms) {
    holdTime_ = ms;
    holdTimer_.counter(ms);
}

void clsCmcAcf3Sequence::start() {
    stepCounter_ = 0;
    task();
}

std::string clsCmcAcf3Sequence::ansNameM() const {
    const ByteStr& a = ansInfo();
    return a.size() >= 5 ? ByteStrToHexStr({a[3], a[4]}) : std::string();
}

std::string clsCmcAcf3Sequence::ansNameS() const {
    const ByteStr& a = ansInfo();
    return a.size() >= 7 ? ByteStrToHexStr({a[5], a[6]}) : std::string();
}

void clsCmcAcf3Sequence::prepareOp() {
    drv().lastError(0);
    error_ = 0;
    com_.comPortNum(comPortNo_);
    com_.comDevice(comDevice_);
}

void clsCmcAcf3Sequence::sendText(const std::string& hexText) {
    // A request that cannot be sent is not looked at here: it shows up in the
    // next round as a port error or a failed check.
    (void)drv().Send(HexStrToByteStr(hexText));
}

void clsCmcAcf3Sequence::issueStep() {
    const std::string& m = radio_.radioNameM();
    const std::string& s = radio_.radionameS();
    switch (currentStep_) {
        case kStepInfo:
            prepareOp();
            com_.comOpen(true);
            drv().workMode(kWorkInfo);
            sendText("E0" + m + "0000");
            break;
        case kStepRead:
            prepareOp();
            com_.comOpen(true);
            drv().workMode(kWorkRead);
            drv().myEep(&radio_.eepImage);
            drv().ChkBlock_Clear();
            sendText("E2" + m + s);
            break;
        case kStepWrite:
            prepareOp();
            com_.comOpen(true);
            drv().workMode(kWorkWriteData);
            drv().myEep(&radio_.eepImage);
            drv().sizDataOfPacket(32);
            drv().cloneWriteAdrList(radio_.cloneWriteAdrList());
            sendText("E3" + m + s);
            break;
        case kStepExtended:
            prepareOp();
            com_.comOpen(true);
            drv().workMode(kWorkExtended);
            drv().waitAnswer(e8AnsRequired_);
            drv().retryCount(2);
            sendText("E8" + m + s + e8HexStrToSend_);
            break;
        case kStepFinish:
            stepCounter_ = 0;
            Standby();
            break;
        default:
            break;
    }
}

int clsCmcAcf3Sequence::decide() {
    const bool linkGood = drv().lastError() == 0 && !com_.totalError();
    // The identification answer decides whether the operation goes on.
    const auto afterInfo = [&](auto check, int next) {
        int n = kStepNone;
        if (linkGood) {
            error_ = (checks_.*check)(drv().ansInfo());
            n = next;
        } else {
            error_ = kInfoCommFailed;
        }
        return error_ != 0 ? kStepFail : n;
    };
    switch (operation_) {
        case kOpInitInfo:
            if (stepCounter_ == 0) return kStepInfo;
            if (stepCounter_ == 1)
                return afterInfo(&CloneChecks::RigOpFunc_CheckInfoToInitInfo, kStepFinish);
            return kStepNone;
        case kOpInfo:
            if (stepCounter_ == 0) return kStepInfo;
            if (stepCounter_ == 1)
                return afterInfo(&CloneChecks::RigOpFunc_CheckInfoToReadOrInfo, kStepFinish);
            return kStepNone;
        case kOpRead:
            if (stepCounter_ == 0) return kStepInfo;
            if (stepCounter_ == 1)
                return afterInfo(&CloneChecks::RigOpFunc_CheckInfoToReadOrInfo, kStepRead);
            if (drv().lastError() == 0) {
                error_ = readBack_ ? kInfoOk : checks_.RigOpFunc_CheckReadedData();
                if (error_ == 0) return kStepFinish;
            }
            return kStepFail;
        case kOpWrite:
            if (stepCounter_ == 0) return kStepInfo;
            if (stepCounter_ == 1)
                return afterInfo(&CloneChecks::RigOpFunc_CheckInfoToWrite, kStepWrite);
            return drv().lastError() == 0 ? kStepFinish : kStepFail;
        case kOpExtended:
            if (stepCounter_ == 0) return kStepExtended;
            return linkGood ? kStepFinish : kStepFail;
        default:
            return kStepNone;
    }
}

void clsCmcAcf3Sequence::task() {
    // A message box shown by the failure report runs an event loop that may
    // tick again; the inner call must not take a second decision round.
    if (inTask_) return;
    inTask_ = true;
    const bool active = operation_ != kOpIdle;
    if (active && !drv().Running()) {
        int next = decide();
        if (next == kStepFail) {
            com_.comOpen(false);
            if (report_) {
                report_(*this);
            } else {
                easyReset(comPortNo_);
            }
        }
        ++stepCounter_;
        if (next == kStepFail) next = kStepFinish;
        if (next != kStepNone) {
            currentStep_ = next;
            issueStep();
        }
    }
    if (active) {
        holdTimer_.counter(holdTime_);
    } else if (holdTime_ > 0 && holdTimer_.counter() <= 0 && com_.comOpen()) {
        Reset();
    }
    inTask_ = false;
}
