// Receipt pictures and the live paper window (Qt, run offscreen).
#include "emulator/PaperWindow.h"
#include "emulator/ReceiptImage.h"
#include "emulator/VirtualPrinter.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

using namespace vprinter;

namespace {

TEST(ReceiptImage, DotsLandOnWhitePaperBetweenItsEdges) {
    for (int width : {PRN_WIDTH_58MM, PRN_WIDTH_80MM}) {
        PaperBitmap paper(width, 3);
        paper.Set(0, 0);
        paper.Set(width - 1, 2);
        const QImage image = ReceiptToImage(paper);
        const int margin = PaperMargin(width);
        ASSERT_EQ(image.width(), width + 2 * margin);
        ASSERT_EQ(image.height(), 3);
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) black += qGray(image.pixel(x, y)) < 128;
        EXPECT_EQ(black, 2);
        EXPECT_LT(qGray(image.pixel(margin, 0)), 128);
        EXPECT_LT(qGray(image.pixel(margin + width - 1, 2)), 128);
    }
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("receipt-view-" + std::to_string(::getpid()) + ".png"))
                                 .string();
    std::string error;
    PaperBitmap paper(PRN_WIDTH_58MM, 10);
    paper.Set(5, 5);
    ASSERT_TRUE(SaveReceiptPng(paper, path, &error)) << error;
    QImage back(QString::fromStdString(path));
    std::filesystem::remove(path);
    ASSERT_EQ(back.width(), PRN_WIDTH_58MM + 2 * PaperMargin(PRN_WIDTH_58MM));
    EXPECT_LT(qGray(back.pixel(PaperMargin(PRN_WIDTH_58MM) + 5, 5)), 128);
    EXPECT_FALSE(SaveReceiptPng(paper, "/nonexistent-folder/x.png", &error));
}

TEST(PaperWindow, ShowsThePaperAsItGrows) {
    VirtualPrinter printer(VirtualPrinter::Options{});
    PaperWindow window(printer);
    window.show();
    printer.WithInterpreter([](Interpreter& i) { i.Feed("First line\n"); });
    QTest::qWait(300);
    QList<QLabel*> labels = window.findChildren<QLabel*>();
    auto shown = [&labels]() -> QPixmap {
        for (QLabel* label : labels)
            if (!label->pixmap().isNull()) return label->pixmap();
        return {};
    };
    const QPixmap first = shown();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.width(), PRN_WIDTH_58MM + 2 * PaperMargin(PRN_WIDTH_58MM));
    EXPECT_EQ(first.height(), PRN_DEFAULT_LINE_SPACING);
    printer.WithInterpreter([](Interpreter& i) { i.Feed("Second line\n"); });
    QTest::qWait(300);
    EXPECT_EQ(shown().height(), 2 * PRN_DEFAULT_LINE_SPACING);
    // After the cut the last receipt stays in view.
    printer.EndReceipt();
    QTest::qWait(300);
    EXPECT_EQ(shown().height(), 2 * PRN_DEFAULT_LINE_SPACING);
}

} // namespace

int main(int argc, char** argv) {
    // Headless unless a platform is chosen explicitly, so that listing the tests at build
    // time works on a machine without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
