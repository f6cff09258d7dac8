// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which device each COM slot opens. The program offers four slots, COM1 to
// COM4; on Linux a cloning cable is a device such as /dev/ttyUSB0. For each
// slot the user picks one of the serial ports found (shown with their
// descriptions) or types a path (a pseudo-terminal such as /dev/pts/5); an
// empty entry leaves the slot to the automatic choice among the ports found.
// "Detect cable" finds the cable as the device that appears while the user
// plugs it in, and puts it in the slot of the COM port in use.

#include <QDialog>
#include <QString>
#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "clone/qt/serial_ports.h"

class CableDetect;
class QComboBox;
class QLabel;

class frmComDevices : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kNumSlots = 4;

    // ports: the ports found, path and description.
    explicit frmComDevices(const std::vector<std::pair<QString, QString>>& ports,
                           QWidget* parent = nullptr);

    // The slots' devices: slot 1..4 -> path; slots without an entry are
    // automatic.
    void Devices(const std::map<int, std::string>& devices);
    std::map<int, std::string> Devices() const;

    QComboBox* Slot(int slot) const;

    // Marks the device each slot opens now (its own, or the port found for
    // it): slot 1..4 -> path, with a note such as "demo receiver"; a slot
    // left out opens nothing.
    void InUse(const std::map<int, std::pair<QString, QString>>& inUse);
    QLabel* InUseLabel(int slot) const;

    // The slot a cable found by "Detect cable" goes to (the COM port in use).
    void DetectSlot(int slot) { detectSlot_ = slot; }
    CableDetect& Detect() const { return *detect_; }

  private:
    void CableFound(const QString& path, const QString& description);

    std::array<QComboBox*, kNumSlots> cbo_{};
    std::array<QLabel*, kNumSlots> lbl_{};
    std::vector<std::pair<QString, QString>> ports_;
    CableDetect* detect_;
    int detectSlot_ = 1;
};
