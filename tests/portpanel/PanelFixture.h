// The real main dialog, headless, with a pseudo-terminal printer as its only port.
#pragma once

#include "printer/HexText.h"
#include "tests/support/ConsoleDialog.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

using PanelFixture = PeerDialog;

inline std::string Hex(const std::vector<uint8_t>& bytes) {
    return ToHexText(bytes.data(), bytes.size());
}

inline std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values) out.push_back(static_cast<uint8_t>(v));
    return out;
}
