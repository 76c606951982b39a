#pragma once
// How the console opens a printer port, shared by the dialog's port group and the
// command-line tool, so both drive a printer the same way. The handshake items are in
// host/FlowControl.h.

#include "host/FlowControl.h"
#include "serial/SerialLine.h"

#include <QString>
#include <cstdint>

class PortMap;

// Options of an open console port: synchronous transfers, both buffers, read and write
// threads, no watch thread.
inline constexpr uint32_t OPEN_REMOVE_OPTIONS = EN_WATCH_THREAD | EN_OVERLAPPED_IO;
inline constexpr uint32_t OPEN_ADD_OPTIONS = EN_CONSOLE_OPTIONS;
// Every received byte may raise the receive notification.
inline constexpr uint32_t NOTIFY_EVERY_BYTE = 1;
inline constexpr uint8_t BYTE_SIZE_8 = 8;

inline constexpr COMMTIMEOUTS OPEN_TIMEOUTS = {
    10,    // ReadIntervalTimeout
    0,     // ReadTotalTimeoutMultiplier
    100,   // ReadTotalTimeoutConstant
    0,     // WriteTotalTimeoutMultiplier
    65535, // WriteTotalTimeoutConstant
};

// Why a port did not open, as far as the file system tells, with what to do about it.
QString OpenFailureReason(const PortMap& ports, uint32_t port);

// Why a network printer did not open: "Cannot connect to NET1 (127.0.0.1:9100):
// Connection refused", the entry named with its address and the connect's reason.
QString NetworkConnectFailure(const PortMap& ports, uint32_t port, int error);

// The symbolic name of a system error number ("EIO", "ENXIO"), or "error <n>" when the
// system has none.
QString SystemErrorName(int error);
// How the port list and the messages name a port: "COM901", "USB1", "NET1".
QString PortLabel(const PortMap& ports, uint32_t port);
// "The printer on COM901 is gone (EIO)", and when bytes were waiting to be sent, how
// many were dropped.
QString DeviceGoneMessage(const QString& label, int error, uint64_t droppedBytes);
