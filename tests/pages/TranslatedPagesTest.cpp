// The pages, the picture lists and their messages in another language: a translator that
// marks every text it is asked for is installed before the real dialog is built, so a
// text of the pages or the samples that the operator sees unmarked never went through
// translation. With it, what the buttons send stays byte for byte what they send in
// English.

#include "console/ControlIds.h"
#include "console/samples/PicturePrinter.h"
#include "pages/Barcode.h"
#include "pages/LayOut.h"
#include "pages/PageControls.h"
#include "pages/PageWidget.h"
#include "pages/TwoDCode.h"
#include "printer/HexText.h"
#include "tests/support/ConsoleDialog.h"
#include "widgets/LampButton.h"
#include "widgets/SourceText.h"
#include "emulator/SymbolFit.h"

#include <QAbstractButton>
#include <QAction>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTranslator>
#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

constexpr auto ARRIVAL_TIMEOUT = std::chrono::seconds(20);
const QString MARK_OPEN = QStringLiteral("\u00AB");
const QString MARK_CLOSE = QStringLiteral("\u00BB");

// Every text it is asked for comes back marked.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        if (source == nullptr || *source == '\0') return {};
        return MARK_OPEN + QString::fromUtf8(source) + MARK_CLOSE;
    }
};

bool Marked(const QString& text) {
    return text.startsWith(MARK_OPEN) && text.endsWith(MARK_CLOSE);
}

// Names the printer knows them by and numbers read the same in every language.
bool LanguageFree(const QString& text) {
    static const std::set<QString> NAMES = {QStringLiteral("UPCA"),
                                            QStringLiteral("UPCE"),
                                            QStringLiteral("EAN13"),
                                            QStringLiteral("EAN8"),
                                            QStringLiteral("CODE39"),
                                            QStringLiteral("ITF25"),
                                            QStringLiteral("CODABAR"),
                                            QStringLiteral("CODA93"),
                                            QStringLiteral("CODA128"),
                                            QStringLiteral("EAN128"),
                                            QStringLiteral("PDF417"),
                                            QStringLiteral("QRCODE"),
                                            QStringLiteral("DMTX"),
                                            QStringLiteral("KM7730(180degrees)"),
                                            QStringLiteral("KM7730(90degrees)")};
    if (NAMES.count(text) != 0) return true;
    for (const QChar ch : text)
        if (ch.isLetter()) return false;
    return true; // "7%", "10×10", "3"
}

// Every text of `root`'s widgets that a person sees or hears: captions, titles, list
// rows, tooltips, accessible names; the edits' contents are data and left out.
void CollectUnmarked(QWidget* root, QStringList& unmarked) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        const QString where = w->objectName().isEmpty()
                                  ? QString::fromLatin1(w->metaObject()->className())
                                  : w->objectName();
        auto check = [&](const QString& what, const QString& text) {
            if (text.isEmpty() || Marked(text) || LanguageFree(text)) return;
            unmarked << QStringLiteral("%1 %2: \"%3\"").arg(where, what, text);
        };
        if (auto* label = qobject_cast<QLabel*>(w)) check(QStringLiteral("text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            check(QStringLiteral("text"), button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            check(QStringLiteral("title"), group->title());
        if (auto* list = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                check(QStringLiteral("row %1").arg(i), list->itemText(i));
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            check(QStringLiteral("special value"), spin->specialValueText());
        for (const QAction* action : w->actions()) check(QStringLiteral("action"), action->text());
        check(QStringLiteral("tooltip"), w->toolTip());
        check(QStringLiteral("accessible name"), w->accessibleName());
    }
}

// The rows of a list (or a spin box's "none" text) that the samples fill into a control
// of the dialog.
void CollectUnmarkedRows(QWidget* control, QStringList& unmarked) {
    auto check = [&](const QString& what, const QString& text) {
        if (!text.isEmpty() && !Marked(text))
            unmarked << QStringLiteral("%1 %2: \"%3\"").arg(control->objectName(), what, text);
    };
    if (auto* list = qobject_cast<QComboBox*>(control))
        for (int i = 0; i < list->count(); ++i) check(QStringLiteral("row %1").arg(i), list->itemText(i));
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(control))
        check(QStringLiteral("special value"), spin->specialValueText());
}

template <typename T> T* In(QWidget* page, int id) {
    return qobject_cast<T*>(hands::ControlIn(page, id));
}

// The dialog with its port open, in the language of the translator installed first.
struct Console {
    explicit Console(QTranslator* translator) : translator_(translator) {
        if (translator_) QCoreApplication::installTranslator(translator_);
        f = std::make_unique<PeerDialog>();
        f->Click(ids::IDC_COM_OPEN);
    }
    ~Console() {
        f.reset();
        if (translator_) QCoreApplication::removeTranslator(translator_);
    }
    CBarcode* barcode() const { return f->dlg->findChild<CBarcode*>(); }
    CLayOut* layout() const { return f->dlg->findChild<CLayOut*>(); }
    QTranslator* translator_;
    std::unique_ptr<PeerDialog> f;
};

// Buttons and lists of the pages and a sample: the rows they add, which the printer got.
std::vector<std::string> PressPageButtons(Console& c) {
    PeerDialog& f = *c.f;
    hands::Choose(In<QComboBox>(c.barcode(), CBarcode::IDC_DISPLAY), 2);
    hands::Click(In<QAbstractButton>(c.barcode(), CBarcode::IDC_PRINT));
    hands::Choose(In<QComboBox>(c.barcode(), CBarcode::IDC_CODE), 4); // CODE39
    hands::Retype(In<QPlainTextEdit>(c.barcode(), CBarcode::IDC_DATA), QStringLiteral("AB-12"));
    hands::Click(In<QAbstractButton>(c.barcode(), CBarcode::IDC_PRINT));
    // The label page sits on a hidden tab: its buttons are pressed as their handlers see it.
    In<QAbstractButton>(c.layout(), CLayOut::IDC_THRESHOLDS_SET)->click();
    In<QAbstractButton>(c.layout(), CLayOut::IDC_LAYOUT_SET)->click();
    In<QAbstractButton>(c.layout(), CLayOut::IDC_CUT)->click();
    f.Click(ids::IDC_QUICK_FIRST); // "Font Sample"
    std::string all;
    for (const std::string& row : f.Rows()) all += row;
    const std::vector<uint8_t> expected = FromHexText(all);
    f.peer.WaitForBytes(expected.size(), ARRIVAL_TIMEOUT);
    EXPECT_EQ(f.peer.Bytes(), expected);
    return f.Rows();
}

} // namespace

TEST(TranslatedPages, EveryTextOfThePagesAndPictureListsGoesThroughTheTranslator) {
    MarkingTranslator marking;
    Console c(&marking);
    PeerDialog& f = *c.f;

    QStringList unmarked;
    for (CPageWidget* page : f.dlg->findChildren<CPageWidget*>()) CollectUnmarked(page, unmarked);
    // The picture controls are the dialog's; their rows and the block size's "none" text
    // come from the samples. The sizes are the samples' once a mode is chosen.
    for (int id : {ids::IDC_DOT_RULE, ids::IDC_PICTURE_FIT, ids::IDC_BLOCK_ROWS})
        CollectUnmarkedRows(f.Control(id), unmarked);
    CollectUnmarked(f.dlg->findChild<QWidget*>(QStringLiteral("picturePreview")), unmarked);
    // The lamps' captions are the dialog's; the state a screen reader says is the lamp's own.
    for (const CLampButton* lamp : f.dlg->findChildren<CLampButton*>())
        if (!Marked(lamp->accessibleDescription()))
            unmarked << lamp->objectName() + QStringLiteral(" lamp: ") + lamp->accessibleDescription();
    for (int mode : {ids::IDC_RASTER_MODE, ids::IDC_BIT_IMAGE_MODE}) {
        f.Click(mode);
        CollectUnmarkedRows(f.Control(ids::IDC_PICTURE_DENSITY), unmarked);
    }
    // A symbology's instruction changes with the list row.
    hands::Choose(In<QComboBox>(c.barcode(), CBarcode::IDC_CODE), 8);
    CollectUnmarked(c.barcode(), unmarked);
    EXPECT_TRUE(unmarked.isEmpty()) << "not translated:\n" << unmarked.join('\n').toStdString();

    // The refusals, a page's own and one of the number lists' rules.
    hands::Retype(In<QLineEdit>(c.barcode(), CBarcode::IDC_UNIT_WIDTH), QStringLiteral("9"));
    EXPECT_EQ(f.TipText(), QStringLiteral("«Unit width of between 1 and 6»"));
    auto* tabs = f.dlg->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(c.layout()) || tabs->widget(i) == c.layout())
            tabs->setCurrentIndex(i);
    hands::Retype(In<QLineEdit>(c.layout(), CLayOut::IDC_LAYOUT), QStringLiteral("1;2;"));
    hands::Click(In<QAbstractButton>(c.layout(), CLayOut::IDC_LAYOUT_SET));
    EXPECT_EQ(f.TipText(), QStringLiteral("«Please enter the six figures, \";\" to separate»"));

    // What is remembered of a translated list is its English row.
    EXPECT_EQ(CurrentSourceText(f.As<QComboBox>(ids::IDC_DOT_RULE)), QStringLiteral("Threshold"));
}

TEST(TranslatedPages, ThePagesSendTheSameBytesInAnotherLanguage) {
    std::vector<std::string> english;
    {
        Console c(nullptr);
        english = PressPageButtons(c);
    }
    MarkingTranslator marking;
    Console c(&marking);
    const std::vector<std::string> marked = PressPageButtons(c);
    ASSERT_GE(english.size(), 6u);
    EXPECT_EQ(marked, english);
}

TEST(TranslatedPages, TheTooWideRefusalIsTheRenderersMessageOrOneTranslatedText) {
    constexpr int PAPER_58MM = 384;
    const std::string data(120, 'A');
    vprinter::QRSettings settings;
    settings.moduleSize = 16;
    const vprinter::SymbolFit fit = vprinter::QRCodeFit(data, settings, PAPER_58MM);
    ASSERT_FALSE(fit.fits);
    EXPECT_EQ(TooWideMessage(fit), QString::fromStdString(fit.Message()));

    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    const QString marked = TooWideMessage(fit);
    QCoreApplication::removeTranslator(&marking);
    // The words are translated apart; the data and the numbers are not.
    EXPECT_EQ(marked, QStringLiteral("««QR code» '%1' at «module size» 16 is %2 dots, wider than "
                                     "the 384 of 58 mm: it will not print»")
                          .arg(QString::fromStdString(data))
                          .arg(fit.widthDots));
}
