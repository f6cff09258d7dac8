#pragma once
// The serial port service as the Qt programs run it: the core service on a
// QSerialPort line, ticked by a 50 ms QTimer and at once whenever bytes
// arrive. Everything runs on the thread that owns it (the GUI thread).

#include <map>
#include <memory>
#include <string>

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

    // Starts the heartbeat; it runs until Stop.
    void Start();
    // Stops the heartbeat and closes the port (program end).
    void Stop();

  private:
    QtSerialLine line_;
    std::unique_ptr<frmCom> com_;
    std::unique_ptr<QTimer> timer_;
};
