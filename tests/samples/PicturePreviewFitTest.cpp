// The preview's "Fit to box": a picture larger than the box shows whole, reduced,
// and the one-to-one view (one dot per pixel, from the scroll position) comes back.
#include "tests/samples/PictureGroup.h"

#include "console/samples/PicturePreview.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A white picture with a black square in its bottom-right corner.
QImage CornerPicture(int w, int h, int corner) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = h - corner; y < h; ++y)
        for (int x = w - corner; x < w; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

int DarkPixels(const QImage& shown) {
    int dark = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) dark += qGray(shown.pixel(x, y)) < 64;
    return dark;
}

} // namespace

TEST(PicturePreviewFit, TheWholePictureFitsTheBoxAndOneToOneComesBack) {
    PictureGroup g;
    g.dialog.show();
    g.Open(g.Save(CornerPicture(1200, 600, 120), QStringLiteral("wide.png")));
    auto* preview = g.frame->findChild<PicturePreview*>();
    ASSERT_TRUE(preview);
    ASSERT_FALSE(preview->Fitted());
    // One to one: only the top-left corner of the picture, all white.
    EXPECT_EQ(DarkPixels(preview->grab().toImage()), 0);

    QAction* fit = nullptr;
    for (QAction* a : preview->actions())
        if (a->text() == QLatin1String(PicturePreview::FIT_TEXT)) fit = a;
    ASSERT_TRUE(fit);
    fit->trigger();
    ASSERT_TRUE(preview->Fitted());
    const QImage whole = preview->grab().toImage();
    // The corner square shows, reduced as much as the picture: about (120 * scale)^2.
    const double scale = std::min(double(preview->width()) / 1200, double(preview->height()) / 600);
    const double expected = (120 * scale) * (120 * scale);
    EXPECT_GT(DarkPixels(whole), expected * 0.6);
    EXPECT_LT(DarkPixels(whole), expected * 1.6);

    // A double click brings the one-to-one view back, where it was.
    QTest::mouseDClick(preview, Qt::LeftButton);
    EXPECT_FALSE(preview->Fitted());
    EXPECT_FALSE(fit->isChecked());
    EXPECT_EQ(DarkPixels(preview->grab().toImage()), 0);
}
