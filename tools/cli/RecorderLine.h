#pragma once
// The command library the pages and samples write to while the tool checks their input:
// an open port whose device takes every byte and sends nothing anywhere. The bytes are
// kept only as the sent-bytes record, so a refused input never reaches the printer;
// the recorded rows go out afterwards on the real port.

#include "printer/VrnxLib.h"

namespace cli {

class RecorderLine : public CVRNX_LIB {
public:
    RecorderLine();
    ~RecorderLine() override;

protected:
    bool OpenPort() override;
};

} // namespace cli
