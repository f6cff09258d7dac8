// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/com_service.h"

frmCom::frmCom(SerialLine& line, const MsClock& clock) : line_(line), drv_(clock) {
    drv_.form(&line_);
    Reset();
}

void frmCom::Reset() {
    comOpen(false);
    comPortNum_ = 1;
    comBaud_ = 9600;
    comDevice_.clear();
    errCannotOpen_ = false;
    errPermissionDevice_.clear();
    errPermissionGroup_.clear();
    errNoSerialPort_ = false;
    errDevice_.clear();
    errFault_ = SerialOpenFault::None;
    errDetail_.clear();
    errOverflow_ = false;
}

void frmCom::comPortNum(int value) {
    if (value >= imdMinComPortNum() && value <= imdmaxComPortNum()) comPortNum_ = value;
}

std::string frmCom::comDeviceToOpen() const {
    if (!comDevice_.empty()) return comDevice_;
    return resolver_ ? resolver_(comPortNum_) : std::string();
}

std::string frmCom::comSettings() const {
    return std::to_string(comBaud_) + ",N,8,1";
}

void frmCom::comOpen(bool wanted) {
    if (line_.IsOpen()) line_.DiscardOutput();
    if (line_.IsOpen() != wanted) {
        if (wanted) {
            const std::string device = comDeviceToOpen();
            errDevice_ = device;
            errFault_ = SerialOpenFault::None;
            errDetail_.clear();
            if (device.empty() || !line_.Open(device, comBaud_)) {
                errFault_ = device.empty() ? SerialOpenFault::NoDevice : line_.LastOpenFault();
                if (!device.empty()) errDetail_ = line_.LastOpenDetail();
                const std::string group = line_.LastOpenGroup();
                if (!device.empty() && line_.LastOpenFault() == SerialOpenFault::PermissionDenied &&
                    !group.empty()) {
                    errPermissionDevice_ = device;
                    errPermissionGroup_ = group;
                }
                errNoSerialPort_ = lister_ && lister_().empty();
                line_.Close();
                errCannotOpen_ = true;
            }
        } else {
            line_.Close();
        }
    }
    drv_.Reset();
    // Open or refused, the next ticks have work: exchanges or the report.
    if (wanted && wake_) wake_();
}

bool frmCom::totalError() const {
    return drv_.nowError() != 0 || errOverflow_ || errCannotOpen_;
}

bool frmCom::HeartbeatNeeded() const {
    return comOpen() || totalError() || (mainBusy_ && mainBusy_());
}

void frmCom::OnReceive() {
    if (line_.BytesWaiting() >= 1) timSolid_Timer();
}

void frmCom::OnOverflow() {
    errOverflow_ = true;
    comOpen(false);
}

void frmCom::OnLineError() {
    drv_.ClearRxBuffer();
}

void frmCom::OnDeviceLost() {
    errCannotOpen_ = true;
    errFault_ = SerialOpenFault::Lost;
    comOpen(false);
}

void frmCom::timSolid_Timer() {
    if (inTick_) return;
    inTick_ = true;
    if (line_.IsOpen() && line_.BytesWaiting() > 0) drv_.read(line_.ReadAll());
    drv_.task();
    if (mainTask_) mainTask_();
    if (totalError() && errorReport_) errorReport_();
    if (totalError() && comOpen()) comOpen(false);
    inTick_ = false;
}
