#include "console/PortSetup.h"

#include "serial/PortMap.h"

#include <QFileInfo>
#include <iterator>

namespace {

constexpr char XON_CHAR = 0x11;
constexpr char XOFF_CHAR = 0x13;

// Indexed by handshake item.
constexpr FlowRow FLOW_ROWS[] = {
    {0, 0, 0, 0, RTS_CONTROL_DISABLE, DTR_CONTROL_DISABLE, false, 0x00}, // "None"
    {0, 0, 1, 0, RTS_CONTROL_DISABLE, DTR_CONTROL_DISABLE, false, 0x30}, // "RTS/CTS"
    {1, 0, 0, 0, RTS_CONTROL_DISABLE, DTR_CONTROL_DISABLE, true, 0x31},  // "Xon/Xoff"
};
constexpr int FLOW_ROW_COUNT = static_cast<int>(std::size(FLOW_ROWS));

} // namespace

const FlowRow& RowOf(int item) {
    return FLOW_ROWS[item >= 0 && item < FLOW_ROW_COUNT ? item : HANDSHAKE_NONE];
}

void ApplyFlowRow(DCB& dcb, const FlowRow& row) {
    dcb.fOutX = row.outX;
    dcb.fInX = row.inX;
    dcb.fOutxCtsFlow = row.ctsFlow;
    dcb.fOutxDsrFlow = row.dsrFlow;
    dcb.fRtsControl = row.rtsControl;
    dcb.fDtrControl = row.dtrControl;
    if (row.setChars) {
        dcb.XonChar = XON_CHAR;
        dcb.XoffChar = XOFF_CHAR;
    }
}

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
