#pragma once
// A library object that also keeps every single write it makes as its own hex text
// piece, so tests can see how a command is split into writes.

#include "printer/HexText.h"
#include "printer/VrnxLib.h"

#include <string>
#include <vector>

class RecordingLib : public CVRNX_LIB {
public:
    // Every non-empty write, in order, as hex text.
    std::vector<std::string> writes;

protected:
    void AppendSentText(const void* data, uint32_t length) override {
        if (length != 0) writes.push_back(ToHexText(data, length));
        CVRNX_LIB::AppendSentText(data, length);
    }
};
