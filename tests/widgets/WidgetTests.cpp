#include "HelpTip.h"
#include "Icons.h"
#include "LampButton.h"
#include "Prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
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

TEST(LampButton, AFaultLampLightsRedAndSaysOnOrOff) {
    CLampButton fault(QStringLiteral("Paper-end"));
    fault.SetLampColour(Icons::LampColour::Red);
    fault.resize(120, 28);
    fault.show();
    const QColor red = CentreColour(Icons::Lamp(true, Icons::LampColour::Red));
    EXPECT_GT(red.red(), 200);
    EXPECT_LT(red.green(), 110);
    // Off is the same dark lamp for every colour.
    EXPECT_EQ(Icons::Lamp(false, Icons::LampColour::Red).toImage(), Icons::Lamp(false).toImage());
    EXPECT_EQ(fault.accessibleDescription(), QStringLiteral("off"));
    const QImage offLook = fault.grab().toImage();
    fault.SetLamp(true);
    EXPECT_EQ(fault.accessibleDescription(), QStringLiteral("on"));
    EXPECT_EQ(fault.icon().pixmap(16).toImage().pixelColor(8, 8), red);
    EXPECT_NE(fault.grab().toImage(), offLook);
    fault.SetLamp(false);
    EXPECT_EQ(fault.accessibleDescription(), QStringLiteral("off"));
    EXPECT_EQ(fault.grab().toImage(), offLook);

    CLampButton com(QStringLiteral("COM Open"));
    com.setAccessibleName(com.text());
    com.SetCaption(QStringLiteral("Close COM"));
    EXPECT_EQ(com.text(), QStringLiteral("Close COM"));
    EXPECT_EQ(com.accessibleName(), QStringLiteral("Close COM"));
    EXPECT_FALSE(com.autoDefault());
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
              QStringLiteral("TXT files(*.txt) (*.txt *.TXT)"));
    EXPECT_EQ(Prompts::ToToolkitFilter(QStringLiteral("Pictures|*.bmp;*.jpg|All files|*.*||")),
              QStringLiteral("Pictures (*.bmp *.jpg *.BMP *.JPG);;All files (*.*)"));
    EXPECT_EQ(Prompts::ToToolkitFilter(QString()), QString());
}

// The file dialog the operator sees: each filter shows its name as written and lists
// the files its name promises (a name holding "(*.jpg,*.jpeg)" is no pattern).
TEST(Prompts, EachFilterOfAFileDialogShowsTheFilesItNames) {
    QTemporaryDir dir;
    for (const char* name : {"a.bmp", "b.jpg", "c.jpeg", "D.JPG", "e.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFileDialog dialog(nullptr, QStringLiteral("Open"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    Prompts::ApplyFilter(dialog, QStringLiteral("BMP file(*.bmp)|*.bmp|JPEG/JPG files(*.jpg,*.jpeg)|"
                                                "*.jpg;*.jpeg|Others(*.*)|*.*||"));
    dialog.show();
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    QStringList names;
    for (int i = 0; i < types->count(); ++i) names << types->itemText(i);
    EXPECT_EQ(names, (QStringList{"BMP file(*.bmp)", "JPEG/JPG files(*.jpg,*.jpeg)", "Others(*.*)"}));

    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(view, nullptr);
    auto shown = [&] {
        QStringList files;
        const QModelIndex root = view->rootIndex();
        for (int r = 0; r < view->model()->rowCount(root); ++r)
            files << view->model()->index(r, 0, root).data().toString();
        files.sort();
        return files;
    };
    const struct {
        int filter;
        QStringList files;
    } expected[] = {{0, {"a.bmp"}},
                    {1, {"D.JPG", "b.jpg", "c.jpeg"}},
                    {2, {"D.JPG", "a.bmp", "b.jpg", "c.jpeg", "e.txt"}}};
    for (const auto& e : expected) {
        dialog.selectNameFilter(dialog.nameFilters().at(e.filter));
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == e.files; }, 5000))
            << names[e.filter].toStdString() << ": " << shown().join(' ').toStdString();
    }
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
