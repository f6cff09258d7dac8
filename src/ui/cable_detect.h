// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Detect cable": which device is the cloning cable is the newcomer's
// hardest question. The user presses the button and plugs the cable in (or
// pulls it out and plugs it in again); the program lists the serial devices
// twice a second meanwhile, and the device that appeared is the cable. The
// button and a line telling what happens sit in the Initial Setup and in
// COM Port > Devices...

#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "clone/com_ports.h"

class QLabel;
class QPushButton;

// The serial devices listed now, path and description, in slot order.
using SerialPortList = std::function<std::vector<std::pair<QString, QString>>()>;
// The list the program uses; the system's (FoundSerialPorts) unless a test
// installed its own (nullptr: back to the system's).
std::vector<std::pair<QString, QString>> SerialPortsNow();
void SetSerialPortsNow(SerialPortList list);

class CableDetect : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kPollMs = 500;
    // About a minute: a cable not plugged in by then is not coming.
    static constexpr int kMaxPolls = 120;

    // name: the button's object name.
    CableDetect(const QString& name, QWidget* parent = nullptr);

    // Starts waiting for the cable (or stops, while it waits).
    void Toggle();
    bool Waiting() const { return watch_.has_value(); }
    // One look at the devices (the timer's; tests call it).
    void Look();
    // Tells what became of the device found (shown under the button).
    void Note(const QString& text);

  signals:
    // The cable: a device that appeared while waiting.
    void found(const QString& path, const QString& description);

  private:
    void Stop(const QString& note);

    QPushButton* button_;
    QLabel* note_;
    QTimer timer_;
    std::optional<CableWatch> watch_;
    int looks_ = 0;
};
