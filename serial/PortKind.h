// The three ways a printer is attached, told apart by the form of the device path:
// "tcp://HOST[:PORT]" is a network printer, /dev/usb/lp<n> a USB printer-class
// device, anything else a serial port (a terminal device).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class PortKind { Serial, UsbPrinter, Network };

inline constexpr uint16_t DEFAULT_PRINTER_TCP_PORT = 9100;
inline constexpr std::string_view NETWORK_PATH_PREFIX = "tcp://";
inline constexpr std::string_view USB_PRINTER_PATH_PREFIX = "/dev/usb/lp";

struct NetworkAddress {
    std::string host; // a name, an IPv4 address or an IPv6 address without brackets
    uint16_t port = DEFAULT_PRINTER_TCP_PORT;
};

PortKind KindOfPath(std::string_view path);
// Only serial ports have a baud rate, framing and handshake lines.
inline bool HasLineSettings(PortKind kind) {
    return kind == PortKind::Serial;
}
// "tcp://HOST", "tcp://HOST:PORT", "tcp://[V6]:PORT" (and "tcp://V6" without a
// port); nothing when the host is empty or the port is not 1..65535.
std::optional<NetworkAddress> ParseNetworkAddress(std::string_view path);
// "host:port", with brackets around an IPv6 address: how the port list shows it.
std::string NetworkAddressText(const NetworkAddress& address);
