// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial devices of the system as the window program and csq5-cli show
// them: path and description, in slot order.

#include <QString>
#include <utility>
#include <vector>

// The serial ports of the system with their descriptions, in slot order;
// a description ends with the device's name under /dev/serial/by-id where
// it has one (the name that tells one USB cable from another).
std::vector<std::pair<QString, QString>> FoundSerialPorts();

// How a found port is described: the system's description, the USB vendor
// and product IDs (4 hex digits each, as lsusb shows them) and the serial
// number, each when known; for example
// "FT232R USB UART, USB 0403:6001, serial A10K2Z3B".
QString SerialPortDetails(const QString& description, bool hasIds, quint16 vendorId,
                          quint16 productId, const QString& serialNumber);
