#include "host/PortSetup.h"

#include "serial/PortMap.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstring>

QString OpenFailureReason(const PortMap& ports, uint32_t port) {
    const auto path = ports.PathFor(port);
    if (!path) return QCoreApplication::translate("PortSetup", "No device has this port number.");
    const QString device = QString::fromStdString(*path);
    const QFileInfo info(device);
    if (!info.exists())
        return QCoreApplication::translate("PortSetup",
                                           "%1 does not exist (is the adapter plugged in?).")
            .arg(device);
    if (!info.isReadable() || !info.isWritable()) {
        return QCoreApplication::translate("PortSetup",
                                           "No permission to use %1: add your user to the group "
                                           "\"%2\" (sudo usermod -aG %2 $USER), then log in again.")
            .arg(device, info.group());
    }
    return QCoreApplication::translate("PortSetup",
                                       "%1 is in use by another program, or is not a serial port.")
        .arg(device);
}

QString NetworkConnectFailure(const PortMap& ports, uint32_t port, int error) {
    const auto entry = ports.EntryFor(port);
    const QString name = entry ? QString::fromStdString(entry->display) : PortLabel(ports, port);
    // No reason known: the address alone rather than "Success".
    if (error == 0)
        return QCoreApplication::translate("PortSetup", "Cannot connect to %1").arg(name);
    return QCoreApplication::translate("PortSetup", "Cannot connect to %1: %2")
        .arg(name, QString::fromLocal8Bit(std::strerror(error)));
}

QString SystemErrorName(int error) {
    if (const char* name = strerrorname_np(error)) return QString::fromLatin1(name);
    return QCoreApplication::translate("PortSetup", "error %1").arg(error);
}

QString PortLabel(const PortMap& ports, uint32_t port) {
    const auto entry = ports.EntryFor(port);
    if (!entry) return QStringLiteral("COM%1").arg(port);
    const QString display = QString::fromStdString(entry->display);
    const qsizetype space = display.indexOf(QLatin1Char(' '));
    return space < 0 ? display : display.left(space);
}

QString DeviceGoneMessage(const QString& label, int error, uint64_t droppedBytes) {
    QString text = QCoreApplication::translate("PortSetup", "The printer on %1 is gone (%2)")
                       .arg(label, SystemErrorName(error));
    if (droppedBytes != 0)
        text += QLatin1Char('\n') +
                QCoreApplication::translate("PortSetup",
                                            "%1 bytes waiting to be sent were dropped, not sent.")
                    .arg(droppedBytes);
    return text;
}
