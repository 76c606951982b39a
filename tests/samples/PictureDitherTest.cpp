// The dot rules beside the plain threshold, on small pictures whose dots were worked
// out by hand, and the scaling to the paper's width.
#include "console/samples/PictureDither.h"
#include "console/samples/PictureFit.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace {

GreyPicture Grey(int w, int h, std::vector<float> values) {
    return GreyPicture{w, h, std::move(values)};
}

GreyPicture Uniform(int w, int h, float value) {
    return Grey(w, h, std::vector<float>(static_cast<size_t>(w) * h, value));
}

std::vector<int> Dots(const GreyPicture& g, DotRule rule, int threshold) {
    DotMatrix m;
    DitherToDots(g, rule, threshold, m);
    return std::vector<int>(m.dots.begin(), m.dots.end());
}

double BlackShare(const GreyPicture& g, DotRule rule, int threshold) {
    const std::vector<int> d = Dots(g, rule, threshold);
    return std::accumulate(d.begin(), d.end(), 0.0) / static_cast<double>(d.size());
}

TEST(DotRules, PlainThresholdIsBlackAtOrBelowTheThreshold) {
    EXPECT_EQ(Dots(Grey(4, 1, {127.9f, 128.0f, 128.1f, 255.0f}), DotRule::Threshold, 128),
              (std::vector<int>{1, 1, 0, 0}));
    EXPECT_EQ(Dots(Grey(2, 1, {0.0f, 255.0f}), DotRule::Threshold, 255),
              (std::vector<int>{1, 1}));
}

// 2 x 2 of grey 120 at threshold 128, worked by hand:
// (0,0) 120 black, error 120: right +52.5, down +37.5, down-right +7.5.
// (1,0) 172.5 white, error -82.5: down-left -15.47, down -25.78.
// (0,1) 120 + 37.5 - 15.47 = 142.03 white, error -112.97: right -49.42.
// (1,1) 120 + 7.5 - 25.78 - 49.42 = 52.3 black.
TEST(DotRules, FloydSteinbergSpreadsTheErrorAsWorkedByHand) {
    EXPECT_EQ(Dots(Uniform(2, 2, 120), DotRule::FloydSteinberg, 128),
              (std::vector<int>{1, 0, 0, 1}));
    // The plain rule makes all four black.
    EXPECT_EQ(Dots(Uniform(2, 2, 120), DotRule::Threshold, 128), (std::vector<int>{1, 1, 1, 1}));
}

// (0,0) 120 black, +15 to each of six neighbours; (1,0) 135 white, -15 to its own;
// (0,1) 120 + 15 - 15 = 120 black, +15 right; (1,1) 120 + 15 - 15 + 15 = 135 white.
TEST(DotRules, AtkinsonSpreadsSixEighthsAsWorkedByHand) {
    EXPECT_EQ(Dots(Uniform(2, 2, 120), DotRule::Atkinson, 128), (std::vector<int>{1, 0, 1, 0}));
}

TEST(DotRules, BayerShiftsTheThresholdByItsMatrix) {
    // Cell 0 of the matrix: black only up to 128 + (0.5 / 64 - 0.5) x 255 = 2.49; the next
    // cell of the row holds 32: up to 128 + (32.5 / 64 - 0.5) x 255 = 129.99.
    EXPECT_EQ(Dots(Grey(2, 1, {2.4f, 129.9f}), DotRule::Bayer8, 128), (std::vector<int>{1, 1}));
    EXPECT_EQ(Dots(Grey(2, 1, {2.6f, 130.1f}), DotRule::Bayer8, 128), (std::vector<int>{0, 0}));
    // Mid grey at the mid threshold: exactly half of each 8 x 8 tile is black.
    EXPECT_DOUBLE_EQ(BlackShare(Uniform(16, 16, 128), DotRule::Bayer8, 128), 0.5);
    // The matrix holds every level once.
    std::vector<int> all;
    for (const auto& row : BAYER8) all.insert(all.end(), std::begin(row), std::end(row));
    std::sort(all.begin(), all.end());
    for (int i = 0; i < 64; ++i) EXPECT_EQ(all[static_cast<size_t>(i)], i);
}

// Error diffusion keeps the picture's brightness: the share of black dots follows the
// grey, where the plain threshold gives all or nothing. Atkinson drops a quarter of
// each error, so it keeps mid greys only roughly and turns the darkest and lightest
// areas solid, as it is meant to.
TEST(DotRules, DiffusionKeepsTheMeanGrey) {
    for (float grey : {32.0f, 100.0f, 160.0f, 224.0f}) {
        const GreyPicture g = Uniform(96, 96, grey);
        const double expected = 1.0 - grey / 255.0;
        EXPECT_NEAR(BlackShare(g, DotRule::FloydSteinberg, 128), expected, 0.01) << grey;
        EXPECT_NEAR(BlackShare(g, DotRule::Bayer8, 128), expected, 1.0 / 64 + 0.001) << grey;
        EXPECT_EQ(BlackShare(g, DotRule::Threshold, 128), grey <= 128 ? 1.0 : 0.0) << grey;
    }
    for (float grey : {100.0f, 160.0f})
        EXPECT_NEAR(BlackShare(Uniform(96, 96, grey), DotRule::Atkinson, 128), 1.0 - grey / 255.0,
                    0.12)
            << grey;
    EXPECT_EQ(BlackShare(Uniform(96, 96, 224), DotRule::Atkinson, 128), 0.0);
    // A ramp: black falls off from left to right in every diffusion.
    std::vector<float> ramp;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x) ramp.push_back(static_cast<float>(x));
    DotMatrix m;
    DitherToDots(Grey(256, 64, ramp), DotRule::FloydSteinberg, 128, m);
    int left = 0, right = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            left += m.Row(y)[x];
            right += m.Row(y)[255 - x];
        }
    EXPECT_GT(left, 3 * 64 * 64 / 4);
    EXPECT_LT(right, 64 * 64 / 4);
}

TEST(DotRules, EmptyPictureGivesAnEmptyMatrix) {
    DotMatrix m;
    m.Resize(3, 3);
    DitherToDots(GreyPicture{}, DotRule::FloydSteinberg, 128, m);
    EXPECT_TRUE(m.Empty());
}

// A fine black-and-white checkerboard scaled down keeps its brightness: in linear light
// it is half the light, which is about 188 on the screen's curve, not the 128 that
// averaging the stored values would give.
TEST(FitToPaper, ScalingAveragesTheAreaInLinearLight) {
    QImage board(768, 576, QImage::Format_RGB32);
    for (int y = 0; y < 576; ++y)
        for (int x = 0; x < 768; ++x)
            board.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage scaled = ScaleToWidth(board, 384);
    ASSERT_EQ(scaled.size(), QSize(384, 288));
    const GreyPicture g = GreyOf(scaled, false);
    const double mean = std::accumulate(g.grey.begin(), g.grey.end(), 0.0) / g.grey.size();
    EXPECT_NEAR(mean, 188.0, 1.0);

    // A smooth picture keeps its mean grey within a level or two.
    QImage ramp(1000, 50, QImage::Format_RGB32);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 1000; ++x) ramp.setPixel(x, y, qRgb(x * 255 / 999, 90, 200));
    const GreyPicture before = GreyOf(ramp, false);
    const GreyPicture after = GreyOf(ScaleToWidth(ramp, 384), false);
    const double m0 = std::accumulate(before.grey.begin(), before.grey.end(), 0.0) / before.grey.size();
    const double m1 = std::accumulate(after.grey.begin(), after.grey.end(), 0.0) / after.grey.size();
    EXPECT_NEAR(m1, m0, 2.0);
    EXPECT_EQ(after.height, 19); // 50 * 384 / 1000, rounded

    // Narrow pictures are left as they are.
    EXPECT_EQ(ScaleToWidth(ramp, 1000), ramp);
}

TEST(FitToPaper, RotationInversionAndTheSizeReport) {
    QImage wide(3, 2, QImage::Format_RGB32);
    wide.fill(Qt::white);
    wide.setPixel(0, 0, qRgb(0, 0, 0)); // top left
    const QImage turned = RotateQuarter(wide);
    ASSERT_EQ(turned.size(), QSize(2, 3));
    EXPECT_EQ(turned.pixel(1, 0), qRgb(0, 0, 0)); // a quarter turn clockwise: top right
    const GreyPicture inverted = GreyOf(wide, true);
    EXPECT_FLOAT_EQ(inverted.grey[0], 255.0f);
    EXPECT_FLOAT_EQ(inverted.grey[1], 0.0f);
    EXPECT_EQ(SizeReport(QSize(800, 600), QSize(384, 288), true),
              QStringLiteral("800 x 600 scaled to 384 x 288"));
    EXPECT_EQ(SizeReport(QSize(800, 600), QSize(384, 600), false),
              QStringLiteral("800 x 600 cropped to 384 x 600"));
    EXPECT_EQ(SizeReport(QSize(200, 100), QSize(200, 100), false), QStringLiteral("200 x 100"));
}

} // namespace
