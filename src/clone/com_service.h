// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial port service: everything below the clone protocol. It owns the
// clone frame driver and the port settings (port number, bit rate, the two
// port-level error flags), opens and closes the line, hands every received
// byte to the driver, and runs the 50 ms heartbeat that drives the whole
// clone machinery: received bytes, driver time-outs, the main window's task,
// then the port-level error check. The platform supplies the serial line,
// the timer and the receive and error events; the main window supplies its
// task and its error report as callbacks.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "clone/acf3_driver.h"
#include "clone/serial_line.h"
#include "image/clock.h"

class frmCom {
  public:
    explicit frmCom(SerialLine& line, const MsClock& clock = SystemMsClock());
    frmCom(const frmCom&) = delete;
    frmCom& operator=(const frmCom&) = delete;

    clsCmcAcf3Drv& drv() { return drv_; }
    const clsCmcAcf3Drv& drv() const { return drv_; }
    SerialLine& line() { return line_; }

    // Port closed, port 1, 9600 bit/s, no explicit device, flags cleared.
    void Reset();

    static int imdMinComPortNum() { return 1; }
    static int imdmaxComPortNum() { return 10; }
    int comPortNum() const { return comPortNum_; }
    // Values outside 1..10 are ignored.
    void comPortNum(int value);
    std::int32_t comBaud() const { return comBaud_; }
    void comBaud(std::int32_t value) { comBaud_ = value; }
    // A device path that replaces the port number's device (a pseudo-
    // terminal, or a port given on the command line); empty for none.
    const std::string& comDevice() const { return comDevice_; }
    void comDevice(const std::string& path) { comDevice_ = path; }
    // Maps a port number to its device; set by the platform layer.
    void comResolver(std::function<std::string(int)> resolver) { resolver_ = std::move(resolver); }
    // The serial ports found on this computer; set by the platform layer.
    // Asked only when an open fails, to tell a computer without any.
    void comPortLister(std::function<std::vector<std::string>()> lister) {
        lister_ = std::move(lister);
    }
    // The device the next open uses.
    std::string comDeviceToOpen() const;
    // The line settings text, "9600,N,8,1" at the default rate.
    std::string comSettings() const;

    bool comOpen() const { return line_.IsOpen(); }
    // Opens or closes; either way pending output is discarded and the driver
    // reset. A failed open sets errCannotOpen and leaves the port closed.
    void comOpen(bool wanted);
    bool comSendEnable() const { return comOpen(); }

    bool errOverflow() const { return errOverflow_; }
    void errOverflow(bool value) { errOverflow_ = value; }
    bool errCannotOpen() const { return errCannotOpen_; }
    void errCannotOpen(bool value) { errCannotOpen_ = value; }
    bool totalError() const;
    // The device a failed open was refused for lack of permission, and the
    // group whose membership would let the user open it; both empty when
    // that was not the cause or no group would help. Cleared with
    // errCannotOpen by Reset.
    const std::string& errPermissionDevice() const { return errPermissionDevice_; }
    const std::string& errPermissionGroup() const { return errPermissionGroup_; }
    // A failed open on a computer where no serial port was found at all.
    // Cleared with errCannotOpen by Reset.
    bool errNoSerialPort() const { return errNoSerialPort_; }
    // The device of the last open (tried or done; empty when the slot had
    // none), why it could not be opened or was lost, and what the system
    // added. Kept until Reset, so that a failure report can name it.
    const std::string& errDevice() const { return errDevice_; }
    SerialOpenFault errFault() const { return errFault_; }
    const std::string& errDetail() const { return errDetail_; }

    // The main window's part of the tick, and its clone error report.
    void mainTask(std::function<void()> task) { mainTask_ = std::move(task); }
    void errorReport(std::function<void()> report) { errorReport_ = std::move(report); }
    // Whether the main window's part still has a command to drive (a clone
    // command that has not ended); unset: never.
    void mainBusy(std::function<bool()> busy) { mainBusy_ = std::move(busy); }

    // The heartbeat has work only while the port is open, a port-level error
    // waits for its report, or the main window's part is busy. A program
    // that sleeps while idle stops its timer after a tick that finds none,
    // and starts it again from the wake hook, which every attempt to open
    // the port calls (the clone sequence opens it in its first step, so a
    // command never waits for a tick that does not come).
    bool HeartbeatNeeded() const;
    void wakeHook(std::function<void()> wake) { wake_ = std::move(wake); }

    // Events of the serial line, called by the platform layer.
    void OnReceive();    // bytes arrived
    void OnOverflow();   // a runaway receive backlog
    void OnLineError();  // framing, parity, overrun, break and the like
    // The device went away while open (a USB adapter unplugged): nothing
    // more can pass, so the port counts as no longer accessible.
    void OnDeviceLost();

    // The heartbeat, every 50 ms and on every receive event. A tick that
    // starts while another runs (a message box's event loop inside the main
    // window's task) returns at once.
    void timSolid_Timer();
    static constexpr int kTickMs = 50;

  private:
    SerialLine& line_;
    clsCmcAcf3Drv drv_;
    int comPortNum_ = 1;
    std::int32_t comBaud_ = 9600;
    std::string comDevice_;
    std::function<std::string(int)> resolver_;
    std::function<std::vector<std::string>()> lister_;
    bool errOverflow_ = false;
    bool errCannotOpen_ = false;
    std::string errPermissionDevice_;
    std::string errPermissionGroup_;
    bool errNoSerialPort_ = false;
    std::string errDevice_;
    SerialOpenFault errFault_ = SerialOpenFault::None;
    std::string errDetail_;
    bool inTick_ = false;
    std::function<void()> mainTask_;
    std::function<void()> errorReport_;
    std::function<bool()> mainBusy_;
    std::function<void()> wake_;
};
