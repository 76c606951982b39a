// A line whose device is the USB printer-class code running on a descriptor the test
// made (one end of a socket pair or of a pipe standing in for the printer node); the
// test plays the printer on the other end. Only the open call differs from a real
// printer node, and that is tested on its own.
#pragma once

#include "tests/support/SerialTestSupport.h"

// The device's end and the printer's end; -1 where they could not be made.
struct StandInEnds {
    int device = -1;
    int printer = -1;
};
StandInEnds SocketPairEnds(); // a printer that answers
StandInEnds PipeEnds();       // a one-way printer: it refuses reads

class PrinterClassStandIn : public TestLine {
public:
    // Takes both ends; a stand-in whose ends could not be made has printer == -1.
    explicit PrinterClassStandIn(StandInEnds ends);
    ~PrinterClassStandIn() override;

    // The printer pulled out: its end is closed.
    void ClosePrinter();

    int printer = -1;

protected:
    bool OpenPort() override;

private:
    int device_ = -1;
};
