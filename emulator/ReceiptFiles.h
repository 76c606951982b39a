#pragma once
// Where the executable puts receipts: numbered files in the output folder, PNG
// when built with Qt, else portable bitmaps.
#include "PaperBitmap.h"
#include "ReceiptLook.h"

#include <string>

namespace vprinter {

class ReceiptFiles {
public:
    explicit ReceiptFiles(std::string folder) : folder_(std::move(folder)) {}
    bool Prepare(std::string* error);
    // Writes the receipt under the next free number; returns its path, or empty.
    // Without Qt the pictures are plain portable bitmaps whatever the look.
    std::string Write(const PaperBitmap& paper, const ReceiptLook& look, std::string* error);

private:
    std::string folder_;
    int next_ = 1;
};

} // namespace vprinter
