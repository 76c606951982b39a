#pragma once
// Reads barcodes back from rendered paper with an independent decoder, and finds
// pictures in it dot for dot.
#include "emulator/PaperBitmap.h"

#include <ZXing/BarcodeFormat.h>

#include <string>
#include <vector>

struct DecodedSymbol {
    ZXing::BarcodeFormat format;
    std::string text;
    std::vector<uint8_t> bytes;
};

// Every symbol of the given formats found on the paper, seen with its blank edges.
std::vector<DecodedSymbol> DecodePaper(const vprinter::PaperBitmap& paper,
                                       ZXing::BarcodeFormats formats);
// Rows [top, top + rows) of the paper only.
std::vector<DecodedSymbol> DecodeRows(const vprinter::PaperBitmap& paper, int top, int rows,
                                      ZXing::BarcodeFormats formats);

// The row where picture (width x rows, packed like paper rows) stands on the paper
// at dot x, or -1 when it is nowhere there dot for dot (other dots of those
// rows, right of the picture, must be white).
int FindPicture(const vprinter::PaperBitmap& paper, int x, const vprinter::PaperBitmap& picture);

// A deterministic test picture with no blank row.
vprinter::PaperBitmap MakePicture(int width, int rows, unsigned seed);
