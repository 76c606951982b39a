#include "serial/PortKind.h"

#include <charconv>

namespace {

constexpr uint32_t MAX_TCP_PORT = 65535;

std::optional<uint16_t> ParsePort(std::string_view text) {
    uint32_t port = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), port);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        port == 0 || port > MAX_TCP_PORT)
        return std::nullopt;
    return static_cast<uint16_t>(port);
}

} // namespace

PortKind KindOfPath(std::string_view path) {
    if (path.substr(0, NETWORK_PATH_PREFIX.size()) == NETWORK_PATH_PREFIX) return PortKind::Network;
    if (path.size() > USB_PRINTER_PATH_PREFIX.size() &&
        path.substr(0, USB_PRINTER_PATH_PREFIX.size()) == USB_PRINTER_PATH_PREFIX)
        return PortKind::UsbPrinter;
    return PortKind::Serial;
}

std::optional<NetworkAddress> ParseNetworkAddress(std::string_view path) {
    if (path.substr(0, NETWORK_PATH_PREFIX.size()) != NETWORK_PATH_PREFIX) return std::nullopt;
    std::string_view rest = path.substr(NETWORK_PATH_PREFIX.size());
    if (!rest.empty() && rest.back() == '/') rest.remove_suffix(1);
    NetworkAddress address;
    std::string_view portText;
    if (!rest.empty() && rest.front() == '[') {
        const size_t close = rest.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        address.host = std::string(rest.substr(1, close - 1));
        const std::string_view after = rest.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':') return std::nullopt;
            portText = after.substr(1);
            if (portText.empty()) return std::nullopt;
        }
    } else if (rest.find(':') != rest.rfind(':')) {
        address.host = std::string(rest); // a bare IPv6 address: no port
    } else {
        const size_t colon = rest.find(':');
        address.host = std::string(rest.substr(0, colon));
        if (colon != std::string_view::npos) {
            portText = rest.substr(colon + 1);
            if (portText.empty()) return std::nullopt;
        }
    }
    if (address.host.empty()) return std::nullopt;
    if (!portText.empty()) {
        const auto port = ParsePort(portText);
        if (!port) return std::nullopt;
        address.port = *port;
    }
    return address;
}

std::string NetworkAddressText(const NetworkAddress& address) {
    const bool v6 = address.host.find(':') != std::string::npos;
    return (v6 ? "[" + address.host + "]" : address.host) + ":" + std::to_string(address.port);
}
