// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/qt/serial_ports.h"

#include <QSerialPortInfo>
#include <QStringList>
#include <map>
#include <string>

#include "clone/com_ports.h"

QString SerialPortDetails(const QString& description, bool hasIds, quint16 vendorId,
                          quint16 productId, const QString& serialNumber) {
    QStringList parts;
    if (!description.trimmed().isEmpty()) parts << description.trimmed();
    if (hasIds)
        parts << QStringLiteral("USB %1:%2")
                     .arg(vendorId, 4, 16, QLatin1Char('0'))
                     .arg(productId, 4, 16, QLatin1Char('0'));
    if (!serialNumber.trimmed().isEmpty())
        parts << QStringLiteral("serial ") + serialNumber.trimmed();
    return parts.join(QStringLiteral(", "));
}

std::vector<std::pair<QString, QString>> FoundSerialPorts() {
    std::map<std::string, QString> described;
    std::vector<std::string> paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::string path = info.systemLocation().toStdString();
        QString text = SerialPortDetails(
            info.description(), info.hasVendorIdentifier() && info.hasProductIdentifier(),
            info.vendorIdentifier(), info.productIdentifier(), info.serialNumber());
        const QString byId = QString::fromStdString(SerialByIdName(path));
        if (!byId.isEmpty()) text += (text.isEmpty() ? QString() : QStringLiteral("; ")) + byId;
        described[path] = text;
        paths.push_back(path);
    }
    std::vector<std::pair<QString, QString>> ports;
    for (const std::string& path : OrderSerialPorts(paths))
        ports.emplace_back(QString::fromStdString(path), described[path]);
    return ports;
}
