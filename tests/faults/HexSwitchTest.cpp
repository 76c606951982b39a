// The hex/text switch of the three data edits (send panel, barcode page, two-dimensional
// code page) on the real console: every byte value goes out exactly as the hex form
// named it after a trip to text and back, and a byte the barcode refuses stays refused.
// Also the picture dialog's filters, each of which must list the files it names.
#include "FaultDialog.h"
#include "FaultPty.h"
#include "HexText.h"
#include "PicturePrinter.h"
#include "RecordsModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace ids;

namespace {

constexpr int BARCODE_CODE = 1084;
constexpr int BARCODE_DATA = 1086;
constexpr int BARCODE_PRINT = 1087;
constexpr int BARCODE_HEX = 1121;
constexpr int BARCODE_CODA128 = 8;
constexpr int TWO_D_DATA = 1089;
constexpr int TWO_D_HEX = 1090;
constexpr int TWO_D_SEND = 1110;
constexpr auto QUIET = std::chrono::milliseconds(300);

std::string AllBytes() {
    std::string all;
    for (int b = 0; b <= 0xFF; ++b) all.push_back(static_cast<char>(b));
    return all;
}

std::string Hex(const std::string& bytes) {
    return ToHexText(std::string_view(bytes));
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    return ToHexText(bytes.data(), bytes.size());
}

class HexSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        ASSERT_TRUE(f.OpenPort());
    }
    // A control of the page shown on tab `tab`.
    template <typename T> T* OnPage(int tab, int id) {
        auto* tabs = f.As<QTabWidget>(IDC_PAGE_TABS);
        tabs->setCurrentIndex(tab);
        FaultDialog::ProcessEvents();
        return tabs->widget(tab)->findChild<T*>(QStringLiteral("ctl%1").arg(id));
    }
    // Types `text` over the whole of a data edit.
    static void Retype(QPlainTextEdit* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    static void ClickBox(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
        FaultDialog::ProcessEvents();
    }
    static void Press(QPushButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        FaultDialog::ProcessEvents();
    }
    std::string Wire() { return Hex(pty.BytesAfterQuiet(QUIET)); }

    FaultPty pty;
    FaultDialog f{pty.SlavePath()};
};

TEST_F(HexSwitch, SendPanelSendsEveryByteAsTheHexFormNamedIt) {
    for (const std::string& bytes : {std::string("\n"), std::string("\r"), std::string("\xA0"),
                                     std::string("\n\r\r\n\n"), AllBytes()}) {
        f.Click(IDC_SEND_CLEAR);
        auto* edit = f.As<QPlainTextEdit>(IDC_SEND_EDIT);
        if (!f.As<QCheckBox>(IDC_SEND_HEX)->isChecked()) f.Click(IDC_SEND_HEX);
        Retype(edit, QString::fromLatin1(Hex(bytes)));
        f.Click(IDC_SEND_HEX); // to text
        pty.Forget();
        f.Click(IDC_SEND);
        EXPECT_EQ(Wire(), Hex(bytes));
        EXPECT_EQ(f.LastRow(), Hex(bytes));
        f.Click(IDC_SEND_HEX); // and back
        EXPECT_EQ(edit->toPlainText().toStdString(), Hex(bytes));
    }
}

TEST_F(HexSwitch, BarcodePageKeepsEveryByteAndRefusesA0AsText) {
    auto* code = OnPage<QComboBox>(0, BARCODE_CODE);
    auto* data = OnPage<QPlainTextEdit>(0, BARCODE_DATA);
    auto* hex = OnPage<QCheckBox>(0, BARCODE_HEX);
    auto* print = OnPage<QPushButton>(0, BARCODE_PRINT);
    ASSERT_TRUE(code && data && hex && print);
    code->setCurrentIndex(BARCODE_CODA128);
    ClickBox(hex);
    ASSERT_TRUE(hex->isChecked());
    const std::string all = AllBytes();
    Retype(data, QString::fromLatin1(Hex(all)));
    ClickBox(hex);
    ClickBox(hex);
    EXPECT_EQ(data->toPlainText().toStdString(), Hex(all));

    Retype(data, QStringLiteral("41 0D 42 0A 43"));
    ClickBox(hex);
    pty.Forget();
    Press(print);
    EXPECT_EQ(Wire(), "1D 6B 49 05 41 0D 42 0A 43 ");

    ClickBox(hex);
    Retype(data, QStringLiteral("41 A0 42"));
    const int rows = f.RowCount();
    pty.Forget();
    Press(print);
    ClickBox(hex); // to text: A0 stays A0, and stays refused
    Press(print);
    EXPECT_EQ(f.RowCount(), rows);
    EXPECT_EQ(f.TipText(), QStringLiteral("Entered incorrectly, make sure"));
    EXPECT_EQ(Wire(), "");
}

TEST_F(HexSwitch, TwoDimensionalCodePageStoresEveryByte) {
    auto* data = OnPage<QPlainTextEdit>(1, TWO_D_DATA);
    auto* hex = OnPage<QCheckBox>(1, TWO_D_HEX);
    auto* send = OnPage<QPushButton>(1, TWO_D_SEND);
    ASSERT_TRUE(data && hex && send);
    ClickBox(hex);
    const std::string all = AllBytes();
    for (const std::string& bytes : {std::string("\r\xA0\n"), all}) {
        Retype(data, QString::fromLatin1(Hex(bytes)));
        ClickBox(hex);
        pty.Forget();
        Press(send);
        const std::string wire = Wire();
        ASSERT_GE(wire.size(), bytes.size() * 3);
        EXPECT_EQ(wire.substr(wire.size() - bytes.size() * 3), Hex(bytes));
        EXPECT_EQ(f.LastRow(), wire);
        ClickBox(hex);
        EXPECT_EQ(data->toPlainText().toStdString(), Hex(bytes));
    }
}

// The real file dialog with the picture group's filter: each name as written, each
// listing the pictures its name promises, PNG and GIF included.
TEST(PictureOpenDialog, EachFilterListsTheFilesItNames) {
    QTemporaryDir dir;
    for (const char* name : {"a.bmp", "b.jpg", "c.jpeg", "d.png", "e.gif", "f.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFileDialog dialog(nullptr, QStringLiteral("Open"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    Prompts::ApplyFilter(dialog, QString::fromLatin1(PicturePrinter::OPEN_FILTER));
    dialog.show();
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_TRUE(types && view);
    const struct {
        const char* name;
        QStringList files;
    } filters[] = {
        {"BMP file(*.bmp)", {"a.bmp"}},
        {"JPEG/JPG files(*.jpg,*.jpeg)", {"b.jpg", "c.jpeg"}},
        {"PNG files(*.png)", {"d.png"}},
        {"GIF files(*.gif)", {"e.gif"}},
        {"Others(*.*)", {"a.bmp", "b.jpg", "c.jpeg", "d.png", "e.gif", "f.txt"}},
    };
    ASSERT_EQ(types->count(), static_cast<int>(std::size(filters)));
    auto shown = [&] {
        QStringList files;
        for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
            files << view->model()->index(r, 0, view->rootIndex()).data().toString();
        files.sort();
        return files;
    };
    for (int i = 0; i < types->count(); ++i) {
        EXPECT_EQ(types->itemText(i), QString::fromLatin1(filters[i].name));
        dialog.selectNameFilter(dialog.nameFilters().at(i));
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == filters[i].files; }, 5000))
            << filters[i].name << ": " << shown().join(' ').toStdString();
    }
}

} // namespace
