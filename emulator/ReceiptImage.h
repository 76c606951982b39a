#pragma once
// Receipts as pictures: the printed dots in black on white paper with its blank
// edges, one picture pixel per dot.
#include "emulator/PaperBitmap.h"

#include <QImage>
#include <string>

namespace vprinter {

QImage ReceiptToImage(const PaperBitmap& paper);
bool SaveReceiptPng(const PaperBitmap& paper, const std::string& path, std::string* error);

} // namespace vprinter
