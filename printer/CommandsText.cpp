// Text, character style, layout and paper movement.

#include "printer/CodePages.h"
#include "printer/CommandLayouts.h"
#include "printer/VrnxLib.h"

namespace layout {

CommandBytes InitPrinter() {
    return {ESC, '@'};
}
CommandBytes LineFeed() {
    return {LF};
}
CommandBytes HorizontalTab() {
    return {HT};
}
CommandBytes SetPrintMode(uint8_t n) {
    return {ESC, '!', n};
}
CommandBytes SelectFont(uint8_t n) {
    return {ESC, 'M', n};
}
CommandBytes SetAlignment(uint8_t n) {
    return {ESC, 'a', n};
}
CommandBytes SetLineSpacing(uint8_t n) {
    return {ESC, '3', n};
}
CommandBytes SetLeftMargin(uint8_t n) {
    return {ESC, 'l', n};
}
CommandBytes SetRightMargin(uint8_t n) {
    return {ESC, 'Q', n};
}
CommandBytes SetAbsolutePosition(uint16_t position) {
    return {ESC, '$', LowByte(position), HighByte(position)};
}
CommandBytes SetPrintDensity(uint8_t n) {
    return {ESC, 'm', n};
}
CommandBytes SetPrintSpeed(uint8_t n) {
    return {FS, 's', n};
}
CommandBytes PrintAndFeed(uint8_t n) {
    return {ESC, 'J', n};
}
CommandBytes PrintAndFeedLines(uint8_t n) {
    return {ESC, 'd', n};
}
CommandBytes PrintAndBackFeed(uint8_t n) {
    return {ESC, 'K', n};
}
CommandBytes CutPaper(uint8_t n, uint8_t m) {
    return {GS, 'V', m, n};
}
CommandBytes HorizontalTabsHeader() {
    return {ESC, 'D'};
}
CommandBytes HorizontalTabsEnd() {
    return {NUL};
}
CommandBytes VerticalTabHeader(uint8_t n) {
    return {FS, 'V', n};
}
CommandBytes SelectCharacterTable(uint8_t n) {
    return {ESC, 't', n};
}
CommandBytes DoubleByteModeOn() {
    return {FS, '&'};
}

} // namespace layout

int CVRNX_LIB::InitPrinter() {
    return Send(layout::InitPrinter());
}
int CVRNX_LIB::LineFeed() {
    return Send(layout::LineFeed());
}
int CVRNX_LIB::HorizontalTab() {
    return Send(layout::HorizontalTab());
}
int CVRNX_LIB::SendText(const char* text) {
    return Write(text);
}
int CVRNX_LIB::SetPrintMode(uint8_t n) {
    return Send(layout::SetPrintMode(n));
}
int CVRNX_LIB::SelectFont(uint8_t n) {
    return Send(layout::SelectFont(n));
}
int CVRNX_LIB::SetAlignment(uint8_t n) {
    return Send(layout::SetAlignment(n));
}
int CVRNX_LIB::SetLineSpacing(uint8_t n) {
    return Send(layout::SetLineSpacing(n));
}
int CVRNX_LIB::SetLeftMargin(uint8_t n) {
    return Send(layout::SetLeftMargin(n));
}
int CVRNX_LIB::SetRightMargin(uint8_t n) {
    return Send(layout::SetRightMargin(n));
}
int CVRNX_LIB::SetAbsolutePosition(uint16_t position) {
    return Send(layout::SetAbsolutePosition(position));
}
int CVRNX_LIB::SetPrintDensity(uint8_t n) {
    return Send(layout::SetPrintDensity(n));
}
int CVRNX_LIB::SetPrintSpeed(uint8_t n) {
    return Send(layout::SetPrintSpeed(n));
}
int CVRNX_LIB::PrintAndFeed(uint8_t n) {
    return Send(layout::PrintAndFeed(n));
}
int CVRNX_LIB::PrintAndFeedLines(uint8_t n) {
    return Send(layout::PrintAndFeedLines(n));
}
int CVRNX_LIB::PrintAndBackFeed(uint8_t n) {
    return Send(layout::PrintAndBackFeed(n));
}
int CVRNX_LIB::CutPaper(uint8_t n, uint8_t m) {
    return Send(layout::CutPaper(n, m));
}

void CVRNX_LIB::SetHorizontalTabs(const void* stops, uint8_t n) {
    Send(layout::HorizontalTabsHeader());
    Write(stops, n);
    Send(layout::HorizontalTabsEnd());
}

// FS V goes out field by field: header, stops, cell count, every cell's position, then
// every cell's mode, its text byte by byte and its closing NUL.
void CVRNX_LIB::PrintVerticalTabRow(uint8_t n, const void* stops, uint8_t k,
                                    const VerticalTabCell* cells) {
    Send(layout::VerticalTabHeader(n));
    Write(stops, n);
    Write(&k, 1);
    for (uint8_t i = 0; i < k; ++i) Write(&cells[i].position, 1);
    for (uint8_t i = 0; i < k; ++i) {
        Write(&cells[i].mode, 1);
        for (uint8_t j = 0; j < cells[i].length; ++j) Write(&cells[i].text[j], 1);
        Write(&NUL, 1);
    }
}

int CVRNX_LIB::SelectCharacterTable(uint8_t n) {
    return Send(layout::SelectCharacterTable(n));
}
int CVRNX_LIB::DoubleByteModeOn() {
    return Send(layout::DoubleByteModeOn());
}
int CVRNX_LIB::SelectTextCodePage(const TextCodePage& page) {
    switch (page.command) {
    case PageCommand::DoubleByteOn:
        return DoubleByteModeOn();
    case PageCommand::CharacterTable:
        break;
    }
    return SelectCharacterTable(page.table);
}
