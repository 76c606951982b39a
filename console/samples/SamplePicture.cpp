#include "console/samples/SamplePicture.h"

#include <array>
#include <cstring>

namespace {

// A 5 x 7 dot font for the few characters the pattern writes: one byte per row,
// the leftmost dot in bit 4.
constexpr int GLYPH_WIDTH = 5;
constexpr int GLYPH_HEIGHT = 7;
constexpr int GLYPH_ADVANCE = GLYPH_WIDTH + 1;

struct Glyph {
    char ch;
    uint8_t rows[GLYPH_HEIGHT];
};

constexpr Glyph GLYPHS[] = {
    {' ', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'N', {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
};

// 4 x 4 ordered-dither thresholds: level L (0..16) blackens the cells below L.
constexpr uint8_t BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
constexpr int BAYER_LEVELS = 16;

// Where each part of the pattern goes (dots).
constexpr int TITLE_SCALE = 2;
constexpr int TITLE_TOP = 4;
constexpr int RULE_ROW = 21;
constexpr int EDGE_INSET = 4;
constexpr int WEDGE_TOP = 25;
constexpr int WEDGE_ROWS = 24;
constexpr int WEDGE_LEFT = 12;
constexpr int WEDGE_STEP_WIDTH = 40;
constexpr int WEDGE_STEPS = 9;
constexpr int DETAIL_TOP = 52;
constexpr int DETAIL_ROWS = 20;
constexpr int LADDER_LEFT = 12;
constexpr int LADDER_BARS = 4;
constexpr int LADDER_WIDEST = 4;
constexpr int LADDER_GAP = 8;
constexpr int CHECKER_LEFT = 136;
constexpr int CHECKER_WIDTH = 48;
constexpr int DIAGONAL_LEFT = 196;
constexpr int DIAGONAL_WIDTH = 48;
constexpr int DIAGONAL_PERIOD = 8;
constexpr int CAPTION_LEFT = 258;
constexpr int CAPTION_TOP = 58;
constexpr int SOLID_LEFT = 320;
constexpr int SOLID_RIGHT = 372;
constexpr int RULER_BASE = 87;
constexpr int RULER_STEP = 8;
constexpr int RULER_SHORT = 3;
constexpr int RULER_MEDIUM_EVERY = 32;
constexpr int RULER_MEDIUM = 6;
constexpr int RULER_LONG_EVERY = 64;
constexpr int RULER_LONG = 10;

constexpr const char* TITLE = "TALVANE PRINTER TEST";
constexpr const char* CAPTION = "384 DOTS";

using Canvas = std::array<uint8_t, SAMPLE_PICTURE_BYTES>;

void Dot(Canvas& c, int x, int y) {
    if (x < 0 || y < 0 || x >= SAMPLE_PICTURE_WIDTH || y >= SAMPLE_PICTURE_HEIGHT) return;
    c[static_cast<size_t>(y * SAMPLE_PICTURE_ROW_BYTES + x / 8)] |=
        static_cast<uint8_t>(0x80 >> (x % 8));
}

void Fill(Canvas& c, int left, int top, int right, int bottom) { // right, bottom exclusive
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) Dot(c, x, y);
}

const Glyph& FindGlyph(char ch) {
    for (const Glyph& g : GLYPHS)
        if (g.ch == ch) return g;
    return GLYPHS[0];
}

int TextWidth(const char* text, int scale) {
    return (static_cast<int>(std::strlen(text)) * GLYPH_ADVANCE - 1) * scale;
}

void Text(Canvas& c, int left, int top, const char* text, int scale) {
    for (int i = 0; text[i] != '\0'; ++i) {
        const Glyph& g = FindGlyph(text[i]);
        const int x0 = left + i * GLYPH_ADVANCE * scale;
        for (int row = 0; row < GLYPH_HEIGHT; ++row)
            for (int col = 0; col < GLYPH_WIDTH; ++col)
                if (g.rows[row] & (0x10 >> col))
                    Fill(c, x0 + col * scale, top + row * scale, x0 + (col + 1) * scale,
                         top + (row + 1) * scale);
    }
}

Canvas Draw() {
    Canvas c{};
    const int right = SAMPLE_PICTURE_WIDTH - 1;
    const int bottom = SAMPLE_PICTURE_HEIGHT - 1;
    // Frame: shows that the head prints its first and last dot and the whole height.
    Fill(c, 0, 0, SAMPLE_PICTURE_WIDTH, 1);
    Fill(c, 0, bottom, SAMPLE_PICTURE_WIDTH, bottom + 1);
    Fill(c, 0, 0, 1, SAMPLE_PICTURE_HEIGHT);
    Fill(c, right, 0, right + 1, SAMPLE_PICTURE_HEIGHT);

    Text(c, (SAMPLE_PICTURE_WIDTH - TextWidth(TITLE, TITLE_SCALE)) / 2, TITLE_TOP, TITLE,
         TITLE_SCALE);
    Fill(c, EDGE_INSET, RULE_ROW, SAMPLE_PICTURE_WIDTH - EDGE_INSET, RULE_ROW + 1);

    // Grey wedge, white to black in nine steps: shows density and dot gain.
    for (int step = 0; step < WEDGE_STEPS; ++step) {
        const int level = step * BAYER_LEVELS / (WEDGE_STEPS - 1);
        const int x0 = WEDGE_LEFT + step * WEDGE_STEP_WIDTH;
        for (int y = WEDGE_TOP; y < WEDGE_TOP + WEDGE_ROWS; ++y)
            for (int x = x0; x < x0 + WEDGE_STEP_WIDTH; ++x)
                if (BAYER[y % 4][x % 4] < level) Dot(c, x, y);
    }

    // Line-width ladder: four bars each of 1, 2, 3 and 4 dots with equal gaps.
    int x = LADDER_LEFT;
    for (int w = 1; w <= LADDER_WIDEST; ++w) {
        for (int bar = 0; bar < LADDER_BARS; ++bar, x += 2 * w)
            Fill(c, x, DETAIL_TOP, x + w, DETAIL_TOP + DETAIL_ROWS);
        x += LADDER_GAP;
    }
    // One-dot checkerboard: the hardest pattern for a thermal head.
    for (int y = DETAIL_TOP; y < DETAIL_TOP + DETAIL_ROWS; ++y)
        for (int cx = CHECKER_LEFT; cx < CHECKER_LEFT + CHECKER_WIDTH; ++cx)
            if ((cx + y) % 2 == 0) Dot(c, cx, y);
    // Diagonals: show paper skew and uneven feed.
    for (int y = DETAIL_TOP; y < DETAIL_TOP + DETAIL_ROWS; ++y)
        for (int dx = 0; dx < DIAGONAL_WIDTH; ++dx)
            if ((dx + y) % DIAGONAL_PERIOD == 0) Dot(c, DIAGONAL_LEFT + dx, y);
    Text(c, CAPTION_LEFT, CAPTION_TOP, CAPTION, 1);
    // Solid black block: shows voids and the head's heat at full coverage.
    Fill(c, SOLID_LEFT, DETAIL_TOP, SOLID_RIGHT, DETAIL_TOP + DETAIL_ROWS);

    // Dot ruler along the bottom: ticks every 8 dots, longer at 32 and 64.
    Fill(c, EDGE_INSET, RULER_BASE, SAMPLE_PICTURE_WIDTH - EDGE_INSET, RULER_BASE + 1);
    for (int tick = RULER_STEP; tick < SAMPLE_PICTURE_WIDTH; tick += RULER_STEP) {
        const int length = tick % RULER_LONG_EVERY == 0     ? RULER_LONG
                           : tick % RULER_MEDIUM_EVERY == 0 ? RULER_MEDIUM
                                                            : RULER_SHORT;
        Fill(c, tick, RULER_BASE - length, tick + 1, RULER_BASE);
    }
    return c;
}

} // namespace

const uint8_t* SamplePicture() {
    static const Canvas picture = Draw();
    return picture.data();
}
