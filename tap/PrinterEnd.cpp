// The printer's side: any port the console opens, through the serial engine's device
// layer (no termios here). The tap does its own XON/XOFF, so the printer's XOFF
// reaches the program too; RTS/CTS is the driver's.
#include "serial/SerialPlatform.h"
#include "tap/TapEnd.h"

#include <cstring>

namespace tap {

namespace {

class PrinterEnd : public TapEnd {
public:
    PrinterEnd(std::unique_ptr<SerialDevice> device, std::string path)
        : device_(std::move(device)), path_(std::move(path)) {}

    long Read(uint8_t* buffer, size_t length) override {
        const int n = device_->ReadSome(buffer, static_cast<uint32_t>(length));
        return n == SerialDevice::IO_FAILED ? FAILED : n;
    }
    long Write(const uint8_t* data, size_t length) override {
        const int n = device_->WriteSome(data, static_cast<uint32_t>(length));
        return n == SerialDevice::IO_FAILED ? FAILED : n;
    }
    uint32_t Wait(uint32_t want, int timeoutMs) override {
        uint32_t asked = 0;
        if ((want & READABLE) != 0) asked |= SerialDevice::IO_READABLE;
        if ((want & WRITABLE) != 0) asked |= SerialDevice::IO_WRITABLE;
        const uint32_t got = device_->Wait(asked, timeoutMs);
        uint32_t bits = 0;
        if ((got & SerialDevice::IO_READABLE) != 0) bits |= READABLE;
        if ((got & SerialDevice::IO_WRITABLE) != 0) bits |= WRITABLE;
        if ((got & SerialDevice::IO_HANGUP) != 0 || device_->Vanished()) bits |= GONE;
        return bits;
    }
    bool ApplySettings(const LineSettings& s) override {
        if (!device_->HasLineSettings()) return false;
        DCB dcb{};
        if (!device_->GetState(&dcb)) return false;
        dcb.BaudRate = s.baud;
        dcb.ByteSize = s.dataBits;
        dcb.fParity = s.parity != 'N' ? 1 : 0;
        dcb.Parity = s.parity == 'E' ? EVENPARITY : (s.parity == 'O' ? ODDPARITY : NOPARITY);
        dcb.StopBits = s.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
        dcb.fOutxCtsFlow = s.rtsCts ? 1 : 0;
        dcb.fRtsControl = s.rtsCts ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
        // XOFF is passed on to the program and honoured by the tap itself.
        dcb.fOutX = 0;
        dcb.fInX = 0;
        return device_->SetState(dcb);
    }
    std::string Describe() const override { return path_; }

private:
    std::unique_ptr<SerialDevice> device_;
    std::string path_;
};

} // namespace

std::unique_ptr<TapEnd> OpenPrinterEnd(const std::string& path, std::string& error) {
    int code = 0;
    std::unique_ptr<SerialDevice> device = OpenSerialDevice(path, false, &code);
    if (!device) {
        error = "cannot open " + path + ": " + std::strerror(code);
        return nullptr;
    }
    return std::make_unique<PrinterEnd>(std::move(device), path);
}

} // namespace tap
