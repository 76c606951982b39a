#include "tests/support/PrinterClassStandIn.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "serial/SerialPlatform.h"

StandInEnds SocketPairEnds() {
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return {};
    return {pair[0], pair[1]};
}

StandInEnds PipeEnds() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return {};
    return {ends[1], ends[0]};
}

PrinterClassStandIn::PrinterClassStandIn(StandInEnds ends)
    : TestLine(EN_CONSOLE_OPTIONS), printer(ends.printer), device_(ends.device) {}

PrinterClassStandIn::~PrinterClassStandIn() {
    Close(CN_DEFAULT_CLOSE_WAIT_MS);
    ClosePrinter();
    if (device_ >= 0) close(device_);
}

void PrinterClassStandIn::ClosePrinter() {
    if (printer >= 0) close(printer);
    printer = -1;
}

bool PrinterClassStandIn::OpenPort() {
    int error = 0;
    auto device = AdoptPrinterClassDescriptor(device_, &error);
    device_ = -1; // the device owns it now
    if (!device) return false;
    AttachDevice(std::move(device));
    return true;
}
