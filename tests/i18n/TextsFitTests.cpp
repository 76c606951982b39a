// At the design's size every control shows its text whole, in every shipped language:
// a longer translation widens the window, as the grown window makes room, and the
// English window stays exactly as the design has it.
#include "console/ControlIds.h"
#include "console/Language.h"
#include "console/TalvaneApp.h"
#include "console/TalvaneDlg.h"
#include "tests/i18n/Catalogue.h"
#include "tests/i18n/ShownTexts.h"
#include "tests/support/ConsoleDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
const QSize DESIGN(CTalvaneDlg::DESIGN_WIDTH, CTalvaneDlg::DESIGN_HEIGHT);

// The dialog as talvane shows it: the application's font, the design's size; with
// `port` as its port when given.
struct DesignSizeDialog {
    explicit DesignSizeDialog(const std::string& port = {}) {
        PrepareApplication(*qApp);
        f = std::make_unique<ConsoleDialog>(port);
        f->dlg->resize(DESIGN);
        ConsoleDialog::ProcessEvents();
    }
    ~DesignSizeDialog() { f.reset(); }
    std::unique_ptr<ConsoleDialog> f;
};

class TextsFit : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { language::Uninstall(); }
};
} // namespace

TEST_P(TextsFit, EveryControlShowsItsTextWholeAtTheDesignSize) {
    const QString code = QString::fromLatin1(GetParam());
    QString error;
    ASSERT_TRUE(language::Install(code, false, &error)) << error.toStdString();
    DesignSizeDialog d;
    const QSize shown = d.f->dlg->size();
    EXPECT_GE(shown.width(), DESIGN.width());
    EXPECT_GE(shown.height(), DESIGN.height());
    const QStringList cut = i18n::CutOff(d.f->dlg.get());
    EXPECT_TRUE(cut.isEmpty()) << code.toStdString() << " at " << shown.width() << "x"
                               << shown.height() << ", cut off:\n"
                               << cut.join(QLatin1Char('\n')).toStdString();
}

// The stable name of a USB serial adapter, as the README advises to use: the list
// keeps its width, the entry shows its start and tells the whole path on hovering,
// and the window keeps the design's size.
TEST_P(TextsFit, ALongPortPathKeepsTheDesignSizeAndTellsItsPathInATooltip) {
    const QString code = QString::fromLatin1(GetParam());
    QString error;
    ASSERT_TRUE(language::Install(code, false, &error)) << error.toStdString();
    QTemporaryDir folder;
    const QString byId = folder.path() + QStringLiteral("/serial/by-id");
    ASSERT_TRUE(QDir().mkpath(byId));
    const QString path =
        byId + QStringLiteral("/usb-Prolific_Technology_Inc._USB-Serial_Controller_D-if00-port0");
    QFile device(path);
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    device.close();

    QSize plain;
    {
        DesignSizeDialog d;
        plain = d.f->dlg->size();
    }
    DesignSizeDialog d(QFile::encodeName(path).toStdString());
    EXPECT_EQ(d.f->dlg->size(), plain) << code.toStdString();
    const QStringList cut = i18n::CutOff(d.f->dlg.get());
    EXPECT_TRUE(cut.isEmpty()) << code.toStdString() << ", cut off:\n"
                               << cut.join(QLatin1Char('\n')).toStdString();
    auto* list = d.f->As<QComboBox>(ids::IDC_PORT_LIST);
    ASSERT_NE(list, nullptr);
    const int entry = list->count() - 1;
    ASSERT_GE(entry, 0);
    EXPECT_TRUE(list->itemText(entry).contains(path));
    EXPECT_TRUE(list->itemData(entry, Qt::ToolTipRole).toString().contains(path));
    list->setCurrentIndex(entry);
    EXPECT_TRUE(list->lineEdit()->toolTip().contains(path));
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, TextsFit,
                         ::testing::Values("en", "de", "es", "pt_BR", "ru", "zh_CN"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

// Every text twice as long: the window grows to what the texts need, and nothing is
// cut off.
TEST(TextsFitLongLanguage, TheWindowMakesRoomForLongerTexts) {
    language::Uninstall();
    i18n::LongTexts longTexts;
    QCoreApplication::installTranslator(&longTexts);
    {
        DesignSizeDialog d;
        const QStringList cut = i18n::CutOff(d.f->dlg.get());
        EXPECT_GT(d.f->dlg->width(), DESIGN.width());
        EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(d.f->Control(ids::IDC_COM_OPEN)->property("text").toString(),
                  QStringLiteral("COM Open COM Open"));
    }
    QCoreApplication::removeTranslator(&longTexts);
}

// The check itself: a caption wider than a control that cannot grow is named.
TEST(TextsFitCheck, NamesAControlWhoseTextIsCutOff) {
    language::Uninstall();
    DesignSizeDialog d;
    auto* init = qobject_cast<QPushButton*>(d.f->Control(ids::IDC_PRINTER_INIT));
    ASSERT_NE(init, nullptr);
    EXPECT_TRUE(i18n::CutOff(d.f->dlg.get()).isEmpty());
    init->setFixedWidth(init->width());
    init->setText(QStringLiteral("Initialise the printer as it was when it was switched on"));
    ConsoleDialog::ProcessEvents();
    const QStringList cut = i18n::CutOff(d.f->dlg.get());
    ASSERT_EQ(cut.size(), 1) << cut.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(cut[0].startsWith(init->objectName() + QStringLiteral(" \"Initialise")))
        << cut[0].toStdString();
}
