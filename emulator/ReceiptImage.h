#pragma once
// Receipts as pictures: the printed dots in black on white paper with its blank
// edges, one picture pixel per dot.
#include "PaperBitmap.h"
#include "ReceiptLook.h"

#include <QImage>
#include <string>

namespace vprinter {

QImage ReceiptToImage(const PaperBitmap& paper);
// Like paper unless look.plain: a grey desk around the paper, its cut, label
// gaps or marks, dots grey by density.
QImage ReceiptToImage(const PaperBitmap& paper, const ReceiptLook& look);
bool SaveReceiptPng(const PaperBitmap& paper, const ReceiptLook& look, const std::string& path,
                    std::string* error);

} // namespace vprinter
