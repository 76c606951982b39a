#include "console/SettingPanel.h"

#include "console/ControlBuilder.h"
#include "console/ControlIds.h"
#include "console/RememberedSettings.h"
#include "console/TalvaneDlg.h"
#include "printer/CodePages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace ids;

namespace {

// Values sent as one byte must stay below this.
constexpr int BYTE_LIMIT = 256;
// The margins are counted in character columns of eight dots.
constexpr int DOTS_PER_COLUMN = 8;

const char* const CONTEXT = "SettingPanel";
QString Tr(const char* text) {
    return QCoreApplication::translate(CONTEXT, text);
}

const char* const LINE_SPACING_MESSAGE =
    QT_TRANSLATE_NOOP("SettingPanel", "Set the line spacing can't greater than 255");
const char* const MARGIN_MESSAGE =
    QT_TRANSLATE_NOOP("SettingPanel", "The left margin and right margin should be less than%1");
const char* const COORDINATE_MESSAGE =
    QT_TRANSLATE_NOOP("SettingPanel", "Absolute coordinates should be less than%1");
const char* const FEED_MESSAGE =
    QT_TRANSLATE_NOOP("SettingPanel", "Set of feeding distance can't greater than 255");

constexpr uint8_t CUT_MODE_HALF = 0x42;
constexpr uint8_t CUT_MODE_FULL = 0x41;

// The style check boxes in the order they are laid out, with their bit of the style
// byte of ESC ! (bit 0x01 is never set).
struct StyleBox {
    int id;
    const char* caption;
    uint8_t bit;
};
constexpr StyleBox STYLES[] = {
    {IDC_DOUBLE_HIGH, QT_TRANSLATE_NOOP("SettingPanel", "Double-high"), 0x10},
    {IDC_DOUBLE_WIDTH, QT_TRANSLATE_NOOP("SettingPanel", "Double-width"), 0x20},
    {IDC_BOLD, QT_TRANSLATE_NOOP("SettingPanel", "Bold"), 0x08},
    {IDC_ITALIC, QT_TRANSLATE_NOOP("SettingPanel", "Italic"), 0x02},
    {IDC_FRAME, QT_TRANSLATE_NOOP("SettingPanel", "Frame"), 0x04},
    {IDC_UNDERSCORE, QT_TRANSLATE_NOOP("SettingPanel", "Underscore"), 0x80},
    {IDC_HIGHLIGHT, QT_TRANSLATE_NOOP("SettingPanel", "Highlight"), 0x40},
};
constexpr int STYLE_COLUMNS = 4;
constexpr int ROW_GAP = 8;

const controls::ListItems FONTS = {{QT_TRANSLATE_NOOP("SettingPanel", "Font1"),
                                    QT_TRANSLATE_NOOP("SettingPanel", "Font2"),
                                    QT_TRANSLATE_NOOP("SettingPanel", "Font3")},
                                   "Font1"};
const controls::ListItems ALIGNMENTS = {{QT_TRANSLATE_NOOP("SettingPanel", "Left home"),
                                         QT_TRANSLATE_NOOP("SettingPanel", "Center"),
                                         QT_TRANSLATE_NOOP("SettingPanel", "Right home")},
                                        "Left home"};
const controls::ListItems DENSITIES = {{"1", "2", "3", "4", "5", "6", "7", "8"}, "4"};
const controls::ListItems SPEEDS = {{QT_TRANSLATE_NOOP("SettingPanel", "low-speed"),
                                     QT_TRANSLATE_NOOP("SettingPanel", "middle-speed"),
                                     QT_TRANSLATE_NOOP("SettingPanel", "high-speed")},
                                    "high-speed"};
// The first item keeps the console's fixed mapping and sends nothing; the pages of the
// printer command library follow it.
const QString FIXED_MAPPING_ITEM = QStringLiteral("Latin-1/GB18030");
constexpr int FIXED_MAPPING_ROW = 0;

// Lists whose selected item index (plus an offset) is the command's argument.
struct ListCommand {
    QComboBox* list;
    int offset;
    int (CVRNX_LIB::*command)(uint8_t);
};

uint8_t Byte(int value) {
    return static_cast<uint8_t>(value);
}

} // namespace

SettingPanel::SettingPanel(CTalvaneDlg& dlg, QWidget* parent) : dlg_(dlg) {
    box_ = new QWidget(parent);
    auto* v = new QVBoxLayout(box_);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    QGroupBox* box =
        controls::Group(box_, QCoreApplication::translate("SettingPanel", "Printer Setting"));
    controls::Builder b(box, box->title());
    lineSpacing_ =
        b.DigitEdit(IDC_LINE_SPACING, QCoreApplication::translate("SettingPanel", "Line spacing"));
    leftMargin_ =
        b.DigitEdit(IDC_LEFT_MARGIN, QCoreApplication::translate("SettingPanel", "Left margin"));
    rightMargin_ =
        b.DigitEdit(IDC_RIGHT_MARGIN, QCoreApplication::translate("SettingPanel", "Right margin"));
    alignmentList_ =
        b.Combo(IDC_ALIGNMENT_LIST, QCoreApplication::translate("SettingPanel", "Alignment"));
    densityList_ =
        b.Combo(IDC_DENSITY_LIST, QCoreApplication::translate("SettingPanel", "Density"));
    coordinate_ =
        b.DigitEdit(IDC_COORDINATE, QCoreApplication::translate("SettingPanel", "Coordinate"));
    fontList_ = b.Combo(IDC_FONT_LIST, QCoreApplication::translate("SettingPanel", "Font size"));
    speedList_ = b.Combo(IDC_SPEED_LIST, QCoreApplication::translate("SettingPanel", "Speed"));

    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(3);
    g->addWidget(b.Label(QCoreApplication::translate("SettingPanel", "Line spacing"), lineSpacing_),
                 0, 0);
    g->addWidget(lineSpacing_, 0, 1);
    g->addWidget(b.Label(QCoreApplication::translate("SettingPanel", "Left margin"), leftMargin_),
                 0, 2);
    g->addWidget(leftMargin_, 0, 3);
    g->addWidget(b.Label(QCoreApplication::translate("SettingPanel", "Right margin"), rightMargin_),
                 0, 4);
    g->addWidget(rightMargin_, 0, 5);
    g->addWidget(b.Label(QCoreApplication::translate("SettingPanel", "Alignment"), alignmentList_),
                 1, 0);
    g->addWidget(alignmentList_, 1, 1);
    g->addWidget(b.Label(QCoreApplication::translate("SettingPanel", "Density"), densityList_), 1,
                 2);
    g->addWidget(densityList_, 1, 3);
    g->addWidget(b.Label(QCoreApplication::translate("SettingPanel", "Coordinate"), coordinate_), 1,
                 4);
    auto* coordRow = new QHBoxLayout;
    coordRow->addWidget(coordinate_);
    coordinateSet_ =
        b.Button(IDC_COORDINATE_SET, QCoreApplication::translate("SettingPanel", "Set"));
    coordRow->addWidget(coordinateSet_);
    g->addLayout(coordRow, 1, 5);
    g->addWidget(b.Label(QCoreApplication::translate("SettingPanel", "Font size"), fontList_), 2,
                 0);
    g->addWidget(fontList_, 2, 1);
    g->addWidget(b.Label(QCoreApplication::translate("SettingPanel", "Speed"), speedList_), 2, 2);
    g->addWidget(speedList_, 2, 3);
    codePageList_ =
        b.Combo(IDC_CODE_PAGE, QCoreApplication::translate("SettingPanel", "Code page"));
    g->addWidget(b.Label(QCoreApplication::translate("SettingPanel", "Code page"), codePageList_),
                 2, 4);
    g->addWidget(codePageList_, 2, 5);

    auto* styles = new QGridLayout;
    for (int i = 0; i < STYLE_COUNT; ++i) {
        styles_[i] = b.Check(STYLES[i].id, Tr(STYLES[i].caption));
        styles->addWidget(styles_[i], i / STYLE_COLUMNS, i % STYLE_COLUMNS);
    }
    g->addLayout(styles, 3, 0, 1, 6);
    v->addWidget(box);

    // Below the box: cut mode, cutting and feeding.
    controls::Builder c(box_, QCoreApplication::translate("SettingPanel", "Cut and feed"));
    halfCut_ = c.Radio(IDC_HALF_CUT, QCoreApplication::translate("SettingPanel", "Haft-Cut"));
    QRadioButton* full =
        c.Radio(IDC_FULL_CUT, QCoreApplication::translate("SettingPanel", "Full-Cut"));
    auto* cutGroup = new QButtonGroup(box_);
    cutGroup->addButton(halfCut_);
    cutGroup->addButton(full);
    cutFeed_ = c.DigitEdit(IDC_CUT_FEED, QCoreApplication::translate("SettingPanel", "Feed"));
    feedDistance_ = c.DigitEdit(IDC_FEED_DISTANCE,
                                QCoreApplication::translate("SettingPanel", "Feed distance"));
    backDistance_ = c.DigitEdit(IDC_BACK_DISTANCE,
                                QCoreApplication::translate("SettingPanel", "Back distance"));
    auto* cutRow = new QHBoxLayout;
    cutRow->addWidget(new QLabel(QCoreApplication::translate("SettingPanel", "Cut Mode"), box_));
    cutRow->addWidget(halfCut_);
    cutRow->addWidget(full);
    cutRow->addSpacing(ROW_GAP);
    cutRow->addWidget(c.Label(QCoreApplication::translate("SettingPanel", "Feed"), cutFeed_));
    cutRow->addWidget(cutFeed_);
    cut_ = c.Button(IDC_CUT, QCoreApplication::translate("SettingPanel", "Cut"));
    cutRow->addWidget(cut_);
    cutRow->addStretch();
    auto* feedRow = new QHBoxLayout;
    feed_ = c.Button(IDC_FEED, QCoreApplication::translate("SettingPanel", "Feed"));
    feedRow->addWidget(feed_);
    feedRow->addWidget(feedDistance_);
    feedRow->addSpacing(ROW_GAP);
    back_ = c.Button(IDC_BACK, QCoreApplication::translate("SettingPanel", "Back"));
    feedRow->addWidget(back_);
    feedRow->addWidget(backDistance_);
    feedRow->addStretch();
    v->addLayout(cutRow);
    v->addLayout(feedRow);
}

void SettingPanel::FillLists() {
    controls::Fill(fontList_, FONTS, CONTEXT);
    controls::Fill(alignmentList_, ALIGNMENTS, CONTEXT);
    controls::Fill(densityList_, DENSITIES);
    controls::Fill(speedList_, SPEEDS, CONTEXT);
    codePageList_->clear();
    codePageList_->addItem(FIXED_MAPPING_ITEM);
    for (const TextCodePage& page : TextCodePages())
        codePageList_->addItem(QString::fromLatin1(page.name));
    codePageList_->setCurrentIndex(FIXED_MAPPING_ROW);
}

void SettingPanel::Start() {
    const struct {
        QLineEdit* edit;
        const char* text;
    } defaults[] = {
        {lineSpacing_, "33"}, {leftMargin_, "0"},      {rightMargin_, "0"},  {cutFeed_, "254"},
        {feedDistance_, "33"}, {backDistance_, "33"}, {coordinate_, "0"},
    };
    for (const auto& d : defaults) d.edit->setText(QString::fromLatin1(d.text));
    halfCut_->setChecked(true);
}

void SettingPanel::Connect() {
    connect(lineSpacing_, &QLineEdit::textChanged, this, &SettingPanel::LineSpacingChange);
    connect(leftMargin_, &QLineEdit::textChanged, this, [this] { MarginChange(false); });
    connect(rightMargin_, &QLineEdit::textChanged, this, [this] { MarginChange(true); });

    const ListCommand lists[] = {
        {fontList_, 0, &CVRNX_LIB::SelectFont},
        {alignmentList_, 0, &CVRNX_LIB::SetAlignment},
        {densityList_, 1, &CVRNX_LIB::SetPrintDensity}, // items "1".."8"
        {speedList_, 0, &CVRNX_LIB::SetPrintSpeed},
    };
    for (const ListCommand& list : lists) {
        connect(list.list, &QComboBox::activated, this, [this, list](int index) {
            dlg_.Issue(list.list, true, QString(),
                       [&](CVRNX_LIB& p) { (p.*list.command)(Byte(index + list.offset)); });
        });
    }
    connect(codePageList_, &QComboBox::activated, this, &SettingPanel::CodePageChosen);
    for (QAbstractButton* style : styles_)
        connect(style, &QAbstractButton::clicked, this, &SettingPanel::StyleClick);

    connect(coordinateSet_, &QAbstractButton::clicked, this, &SettingPanel::CoordinateSet);
    connect(cut_, &QAbstractButton::clicked, this, &SettingPanel::Cut);
    connect(feed_, &QAbstractButton::clicked, this, [this] { FeedOrBack(feedDistance_, false); });
    connect(back_, &QAbstractButton::clicked, this, [this] { FeedOrBack(backDistance_, true); });
}

void SettingPanel::LineSpacingChange() {
    const int value = ReadNumber(lineSpacing_);
    dlg_.Issue(lineSpacing_, value < BYTE_LIMIT, Tr(LINE_SPACING_MESSAGE),
               [&](CVRNX_LIB& p) { p.SetLineSpacing(Byte(value)); });
}

void SettingPanel::MarginChange(bool rightEdit) {
    const int left = ReadNumber(leftMargin_);
    const int right = ReadNumber(rightMargin_);
    const int columns = dlg_.PrintableWidth() / DOTS_PER_COLUMN;
    // Both margins are reported at the left one.
    dlg_.Issue(leftMargin_, left + right < columns, Tr(MARGIN_MESSAGE).arg(columns),
               [&](CVRNX_LIB& p) {
                   if (rightEdit)
                       p.SetRightMargin(Byte(right));
                   else
                       p.SetLeftMargin(Byte(left));
               });
}

void SettingPanel::StyleClick() {
    uint8_t style = 0;
    for (int i = 0; i < STYLE_COUNT; ++i)
        if (styles_[i]->isChecked()) style |= STYLES[i].bit;
    dlg_.Issue([&](CVRNX_LIB& p) { p.SetPrintMode(style); });
}

void SettingPanel::CoordinateSet() {
    const int value = ReadNumber(coordinate_);
    const int width = dlg_.PrintableWidth();
    dlg_.Issue(coordinate_, value < width, Tr(COORDINATE_MESSAGE).arg(width), [&](CVRNX_LIB& p) {
        coordinate_->setText(QStringLiteral("0"));
        p.SetAbsolutePosition(static_cast<uint16_t>(value));
    });
}

void SettingPanel::Cut() {
    const int distance = ReadNumber(cutFeed_);
    const bool half = halfCut_->isChecked();
    dlg_.Issue(cutFeed_, distance < BYTE_LIMIT, Tr(FEED_MESSAGE), [&](CVRNX_LIB& p) {
        p.CutPaper(Byte(distance), half ? CUT_MODE_HALF : CUT_MODE_FULL);
    });
}

void SettingPanel::FeedOrBack(QLineEdit* edit, bool back) {
    const int distance = ReadNumber(edit);
    dlg_.Issue(edit, distance < BYTE_LIMIT, Tr(FEED_MESSAGE), [&](CVRNX_LIB& p) {
        if (back)
            p.PrintAndBackFeed(Byte(distance));
        else
            p.PrintAndFeed(Byte(distance));
    });
}

const TextCodePage* SettingPanel::CodePage() const {
    return FindTextCodePage(codePageList_->currentText().toStdString());
}

QString SettingPanel::CodePageName() const {
    return codePageList_->currentText();
}

bool SettingPanel::SetCodePageName(const QString& name) {
    const int row = codePageList_->findText(name);
    if (row < 0) return false;
    codePageList_->setCurrentIndex(row);
    return true;
}

void SettingPanel::CodePageChosen(int row) {
    // The fixed mapping is what the printer takes after power-on and "Printer Init":
    // choosing it sends nothing.
    const TextCodePage* page = row == FIXED_MAPPING_ROW ? nullptr : CodePage();
    if (page == nullptr) return;
    dlg_.Issue(codePageList_, true, QString(),
               [&](CVRNX_LIB& p) { p.SelectTextCodePage(*page); });
}

void SettingPanel::Remember(RememberedSettings& settings) {
    // The setting controls show what was last sent to the printer, and a printer
    // starts each day at its own defaults: they start as on the first day and are not
    // remembered. The code page too: it is a printer setting (ESC t), and text converted
    // for a page the printer has not been told about would print wrong.
    (void)settings;
}
