#pragma once
// How a receipt picture shows the paper around the dots: plain (dots on white,
// one pixel each) or like paper (its edges on a grey desk, the cut, label gaps or
// black marks, and the density as a grey level). The dots stay the same.
#include "emulator/PrinterState.h"

#include <algorithm>
#include <vector>

namespace vprinter {

enum class PaperKind { Receipt, Labels, BlackMarks };

struct ReceiptLook {
    bool plain = true;
    int density = 4; // ESC m, 1..8, for rows no band covers
    std::vector<DensityBand> densityBands; // as the interpreter printed them, top down
    bool cut = false;
    PaperKind kind = PaperKind::Receipt;
    int pitchDots = 0; // label or mark pitch

    // The look of a receipt with the printer's settings at its end.
    static ReceiptLook From(const StoredSettings& stored, bool cut, bool plain) {
        // Paper layout mode 1 is label paper with gaps, 2 black-marked paper; the
        // paper is plain receipt paper until the host sets a layout.
        constexpr int LAYOUT_LABELS = 1;
        constexpr int LAYOUT_MARKS = 2;
        ReceiptLook look;
        look.plain = plain;
        look.density = stored.density;
        look.cut = cut;
        look.pitchDots = stored.distancesMm[1] * PRN_DOTS_PER_MM;
        if (stored.layoutSet && stored.layoutMode == LAYOUT_LABELS) look.kind = PaperKind::Labels;
        if (stored.layoutSet && stored.layoutMode == LAYOUT_MARKS) look.kind = PaperKind::BlackMarks;
        return look;
    }
    // The same, with the density each band of rows was printed with.
    static ReceiptLook From(const StoredSettings& stored, const std::vector<DensityBand>& bands,
                            bool cut, bool plain) {
        ReceiptLook look = From(stored, cut, plain);
        look.densityBands = bands;
        return look;
    }

    int DensityAt(int row) const {
        const auto after =
            std::upper_bound(densityBands.begin(), densityBands.end(), row,
                             [](int r, const DensityBand& band) { return r < band.firstRow; });
        return after == densityBands.begin() ? density : std::prev(after)->density;
    }
};

} // namespace vprinter
