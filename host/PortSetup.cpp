#include "host/PortSetup.h"

#include "serial/PortMap.h"

#include <QFileInfo>

QString OpenFailureReason(const PortMap& ports, uint32_t port) {
    const auto path = ports.PathFor(port);
    if (!path) return QStringLiteral("No device has this port number.");
    const QString device = QString::fromStdString(*path);
    const QFileInfo info(device);
    if (!info.exists())
        return QStringLiteral("%1 does not exist (is the adapter plugged in?).").arg(device);
    if (!info.isReadable() || !info.isWritable()) {
        return QStringLiteral("No permission to use %1: add your user to the group \"%2\" "
                              "(sudo usermod -aG %2 $USER), then log in again.")
            .arg(device, info.group());
    }
    return QStringLiteral("%1 is in use by another program, or is not a serial port.").arg(device);
}
