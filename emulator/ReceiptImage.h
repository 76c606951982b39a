#pragma once
// Receipts as pictures: the printed dots in black on white paper with its blank
// edges, one picture pixel per dot.
#include "emulator/PaperBitmap.h"
#include "emulator/ReceiptLook.h"

#include <QImage>
#include <string>

namespace vprinter {

QImage ReceiptToImage(const PaperBitmap& paper);
// Like paper unless look.plain: a grey desk around the paper, its cut, label
// gaps or marks, dots grey by density.
QImage ReceiptToImage(const PaperBitmap& paper, const ReceiptLook& look);
// The dots of a receipt picture of either look, read back; false when the picture
// is not one of a receipt of this printable width.
bool ReceiptDotsFromImage(const QImage& image, int printableWidth, PaperBitmap* dots);
// The two receipts over each other as plain dots: equal dots black, dots only in
// `made` red, dots only in `golden` blue, and a red mark in the left edge of every
// row that differs.
QImage DifferenceImage(const PaperBitmap& made, const PaperBitmap& golden);
bool SaveReceiptPng(const PaperBitmap& paper, const ReceiptLook& look, const std::string& path,
                    std::string* error);

} // namespace vprinter
