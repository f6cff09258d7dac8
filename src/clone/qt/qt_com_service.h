// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial port service as the Qt programs run it: the core service on a
// QSerialPort line, ticked by a 50 ms QTimer and at once whenever bytes
// arrive. Everything runs on the thread that owns it (the GUI thread).
// The timer runs only while the heartbeat has work (the port open, an error
// to report, a command in progress): an idle program does not wake up 20
// times a second for nothing, which a laptop's battery notices.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "clone/com_service.h"
#include "clone/qt/qt_serial_line.h"

class QTimer;

class QtComService {
  public:
    explicit QtComService(const MsClock& clock = SystemMsClock());
    ~QtComService();
    QtComService(const QtComService&) = delete;
    QtComService& operator=(const QtComService&) = delete;

    frmCom& com() { return *com_; }
    QtSerialLine& line() { return line_; }

    // COM slots resolve through the profile's "ComDevice(n)" entries, then
    // the serial ports found when a port is opened.
    void comDevices(std::map<int, std::string> configured);
    const std::map<int, std::string>& comDevices() const { return configured_; }
    // A device that stands in for a slot's device for this run only (the
    // demo receiver's pseudo-terminal on COM1); the configured devices, and
    // so the profile, are left as they are. An empty path removes it.
    void comOverride(int slot, const std::string& path);
    // The device slot n opens now.
    std::string comDeviceOf(int slot) const;
    // Where the serial ports found on this computer come from
    // (ListSerialPorts; a test gives its own list).
    void portLister(std::function<std::vector<std::string>()> lister);

    // Starts the heartbeat; from now until Stop it ticks whenever it has
    // work and sleeps otherwise.
    void Start();
    // Stops the heartbeat and closes the port (program end).
    void Stop();
    // Whether the 50 ms timer is running now.
    bool Ticking() const;

  private:
    void InstallResolver();
    void Tick();
    void Wake();

    QtSerialLine line_;
    std::map<int, std::string> configured_;
    std::map<int, std::string> overrides_;
    std::function<std::vector<std::string>()> portLister_ = ListSerialPorts;
    std::unique_ptr<frmCom> com_;
    std::unique_ptr<QTimer> timer_;
    bool started_ = false;
};
