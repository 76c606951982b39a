#pragma once
// Byte layouts of the printer commands, one function per command. The operations of
// CVRNX_LIB write these; variable data (text, stops, images) follows as separate writes.

#include "printer/CommandBytes.h"

namespace layout {

// Text, layout and paper handling.
CommandBytes InitPrinter();
CommandBytes LineFeed();
CommandBytes HorizontalTab();
CommandBytes SetPrintMode(uint8_t n);
CommandBytes SelectFont(uint8_t n);
CommandBytes SetAlignment(uint8_t n);
CommandBytes SetLineSpacing(uint8_t n);
CommandBytes SetLeftMargin(uint8_t n);
CommandBytes SetRightMargin(uint8_t n);
CommandBytes SetAbsolutePosition(uint16_t position);
CommandBytes SetPrintDensity(uint8_t n);
CommandBytes SetPrintSpeed(uint8_t n);
CommandBytes PrintAndFeed(uint8_t n);
CommandBytes PrintAndFeedLines(uint8_t n);
CommandBytes PrintAndBackFeed(uint8_t n);
CommandBytes CutPaper(uint8_t n, uint8_t m);
CommandBytes HorizontalTabsHeader();
CommandBytes HorizontalTabsEnd();
CommandBytes VerticalTabHeader(uint8_t n);
CommandBytes SelectCharacterTable(uint8_t n);
CommandBytes DoubleByteModeOn();

// Barcodes and two-dimensional codes.
inline constexpr uint8_t SYMBOL_PDF417 = 0x30;
inline constexpr uint8_t SYMBOL_QR = 0x31;
inline constexpr uint8_t SYMBOL_DATAMATRIX = 0x35;

CommandBytes SetBarcodeHeight(uint8_t n);
CommandBytes SetBarcodeWidth(uint8_t n);
CommandBytes SetBarcodeTextPosition(uint8_t n);
CommandBytes BarcodeHeader(uint8_t t, uint8_t n);
CommandBytes SetPDF417Columns(uint8_t n);
CommandBytes SetPDF417Rows(uint8_t n);
CommandBytes SetPDF417ModuleWidth(uint8_t n);
CommandBytes SetPDF417RowHeight(uint8_t n);
CommandBytes SetPDF417ErrorLevel(uint8_t e);
CommandBytes SetQRCodeVersion(uint8_t v);
CommandBytes SetQRCodeModuleSize(uint8_t n);
CommandBytes SetQRCodeErrorLevel(uint8_t e);
CommandBytes SetDataMatrixVersion(uint8_t v);
CommandBytes SetDataMatrixModuleSize(uint8_t n);
CommandBytes StoreSymbolHeader(uint8_t cn, uint16_t k);
CommandBytes PrintSymbol(uint8_t cn);

// Images.
CommandBytes RasterImageHeader(uint8_t m, uint8_t xL, uint8_t xH, uint8_t yL, uint8_t yH);
CommandBytes BitImageHeader(uint8_t m, uint8_t nL, uint8_t nH);
uint32_t RasterImageLength(uint8_t xL, uint8_t xH, uint8_t yL, uint8_t yH);
uint32_t BitImageLength(uint8_t m, uint8_t nL, uint8_t nH);

// Status.
CommandBytes RequestStatus();
CommandBytes SetAutoStatusBack(uint8_t n);

// Setup.
inline constexpr uint32_t BAUD_RATE_MAX_DIGITS = 8;
CommandBytes BaudRateHeader(uint8_t digits);
CommandBytes SetFlowControl(uint8_t n);
CommandBytes ClearBuffer();
CommandBytes FeedToTearPosition();
CommandBytes FeedToCutPosition();
CommandBytes FeedToPrintPosition();
CommandBytes RequestSensorValue();
CommandBytes PaperLayoutHeader(uint8_t m, uint8_t n);
CommandBytes SensorThresholdsHeader(uint8_t n);
CommandBytes MarkDistancesHeader(uint8_t n);

} // namespace layout
