#include "widgets/HelpTip.h"
#include "widgets/Icons.h"
#include "widgets/LampButton.h"
#include "widgets/Prompts.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QColor CentreColour(const QPixmap& pm) {
    const QImage img = pm.toImage();
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

TEST(Icons, EachResourceHasItsSizesAndTheLampsDiffer) {
    const QIcon app = Icons::Application();
    for (int size : {16, 32, 48}) EXPECT_TRUE(app.availableSizes().contains(QSize(size, size)));
    EXPECT_EQ(Icons::Lamp(false).size(), QSize(16, 16));
    EXPECT_EQ(Icons::Logo().size(), QSize(128, 128));
    EXPECT_TRUE(Icons::ByNumber(Icons::IDI_LOGO, 128).toImage().pixelColor(64, 4).alpha() > 0);
    EXPECT_TRUE(Icons::ByNumber(999, 16).isNull());
    // Off is a dark green, on a bright one.
    const QColor off = CentreColour(Icons::Lamp(false));
    const QColor on = CentreColour(Icons::Lamp(true));
    EXPECT_GT(on.green(), off.green() + 80);
    EXPECT_GT(on.green(), on.red());
    EXPECT_GT(off.green(), off.red());
}

TEST(LampButton, ShowsItsLampAndClicksLikeAButton) {
    CLampButton button(QStringLiteral("COM Open"));
    button.resize(120, 28);
    button.show();
    EXPECT_FALSE(button.IsLampOn());
    const QImage offLook = button.grab().toImage();
    button.SetLamp(true);
    button.SetShade(CLampButton::SHADE_RAISED_BLUE);
    EXPECT_TRUE(button.IsLampOn());
    EXPECT_EQ(button.Shade(), CLampButton::SHADE_RAISED_BLUE);
    EXPECT_NE(button.grab().toImage(), offLook);
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(button.text(), QStringLiteral("COM Open"));
}

TEST(HelpTip, ShowsTextAtThePointOnlyOnceCreated) {
    CHelpTip tip;
    tip.ShowAt(QPoint(200, 150), QStringLiteral("early"));
    EXPECT_FALSE(tip.HasWindow());
    EXPECT_FALSE(tip.isVisible());
    QWidget owner;
    tip.Create(&owner);
    tip.ShowAt(QPoint(200, 150), QStringLiteral("Please Open the Port"));
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.Text(), QStringLiteral("Please Open the Port"));
    EXPECT_EQ(tip.TipPoint(), QPoint(200, 150));
    // The balloon's pointer starts at the point: the window's top edge is there and the
    // point lies inside it horizontally.
    EXPECT_EQ(tip.y(), 150);
    EXPECT_TRUE(tip.x() <= 200 && tip.x() + tip.width() > 200);
    EXPECT_GT(tip.width(), tip.fontMetrics().horizontalAdvance(tip.Text()));
    QTest::mouseClick(&tip, Qt::LeftButton);
    EXPECT_FALSE(tip.isVisible());
}

TEST(Prompts, FiltersKeepTheirTextsInTheToolkitsForm) {
    EXPECT_EQ(Prompts::ToToolkitFilter(QStringLiteral("TXT files(*.txt)|*.txt||")),
              QStringLiteral("TXT files(*.txt)"));
    EXPECT_EQ(Prompts::ToToolkitFilter(QStringLiteral("Pictures|*.bmp;*.jpg|All files|*.*||")),
              QStringLiteral("Pictures (*.bmp *.jpg);;All files (*.*)"));
    EXPECT_EQ(Prompts::ToToolkitFilter(QString()), QString());
}

TEST(Prompts, AScriptAnswersInOrderAndKeepsTheQuestions) {
    ScriptedPrompts script;
    script.answers = {Prompts::Cancel};
    script.openPaths = {QStringLiteral("/tmp/a.txt")};
    EXPECT_EQ(Prompts::MessageBox(nullptr, "Note", "Are you sure?", Prompts::OkCancel),
              Prompts::Cancel);
    EXPECT_EQ(Prompts::MessageBox(nullptr, "Note", "Again?", Prompts::OkCancel), Prompts::Ok);
    EXPECT_EQ(Prompts::OpenFile(nullptr, "Import", "TXT files(*.txt)|*.txt||"),
              QStringLiteral("/tmp/a.txt"));
    EXPECT_EQ(Prompts::SaveFile(nullptr, "Save", "TXT files(*.txt)|*.txt||"), QString());
    ASSERT_EQ(script.requests.size(), 4u);
    EXPECT_EQ(script.CountMessages(), 2);
    EXPECT_EQ(script.MessageTexts(), (QStringList{"Are you sure?", "Again?"}));
    EXPECT_EQ(script.requests[3].kind, ScriptedPrompts::Request::Save);
}

TEST(Prompts, RemovingTheScriptRestoresTheRealWindows) {
    {
        ScriptedPrompts script;
        EXPECT_EQ(Prompts::CurrentScript(), &script);
    }
    EXPECT_EQ(Prompts::CurrentScript(), nullptr);
}

} // namespace
