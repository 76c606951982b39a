#pragma once
// The console's quick test samples as scripts of command operations, each command
// recorded on its own, as the console's buttons send them.
#include "tests/emulator/ConsoleHost.h"
#include "emulator/PaperBitmap.h"

#include <string>
#include <vector>

enum class Sample {
    PrinterInit,
    Font,
    Print,
    Margins,
    Coordinate,
    Density,
    HorizonTab,
    VertiTab,
    Picture,
    Alignment,
    Barcode,
    QRCode,
    Cutting,
};

struct SampleInfo {
    Sample sample;
    const char* name;
};

extern const std::vector<SampleInfo> ALL_SAMPLES;

// The built-in picture of the "Picture" sample: 384 x 91 dots.
const vprinter::PaperBitmap& SamplePicture();
extern const char* const QR_SAMPLE_TEXT;

void RunSample(ConsoleHost& host, Sample sample);
