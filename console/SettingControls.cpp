// The "Printer Setting" controls: each one turns into one printer command, after the
// shared port and input checks (PageHost::Issue) and followed by its record row.

#include "ControlIds.h"
#include "TalvaneDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace ids;

namespace {

// Values sent as one byte must stay below this.
constexpr int BYTE_LIMIT = 256;
// The margins are counted in character columns of eight dots.
constexpr int DOTS_PER_COLUMN = 8;

const QString LINE_SPACING_MESSAGE = QStringLiteral("Set the line spacing can't greater than 255");
const QString MARGIN_MESSAGE =
    QStringLiteral("The left margin and right margin should be less than");
const QString COORDINATE_MESSAGE = QStringLiteral("Absolute coordinates should be less than");
const QString FEED_MESSAGE = QStringLiteral("Set of feeding distance can't greater than 255");

constexpr uint8_t CUT_MODE_HALF = 0x42;
constexpr uint8_t CUT_MODE_FULL = 0x41;

// The style byte of ESC !: one bit per check box; bit 0x01 is never set.
struct StyleBit {
    int id;
    uint8_t bit;
};
constexpr StyleBit STYLE_BITS[] = {
    {IDC_ITALIC, 0x02},      {IDC_FRAME, 0x04},        {IDC_BOLD, 0x08},
    {IDC_DOUBLE_HIGH, 0x10}, {IDC_DOUBLE_WIDTH, 0x20}, {IDC_HIGHLIGHT, 0x40},
    {IDC_UNDERSCORE, 0x80},
};

// Lists whose selected item index (plus an offset) is the command's argument.
struct ListCommand {
    int id;
    int offset;
    int (CVRNX_LIB::*command)(uint8_t);
};
constexpr ListCommand LIST_COMMANDS[] = {
    {IDC_FONT_LIST, 0, &CVRNX_LIB::SelectFont},
    {IDC_ALIGNMENT_LIST, 0, &CVRNX_LIB::SetAlignment},
    {IDC_DENSITY_LIST, 1, &CVRNX_LIB::SetPrintDensity}, // items "1".."8"
    {IDC_SPEED_LIST, 0, &CVRNX_LIB::SetPrintSpeed},
};

uint8_t Byte(int value) {
    return static_cast<uint8_t>(value);
}

} // namespace

void CTalvaneDlg::ConnectSettingHandlers() {
    auto edit = [this](int id) { return qobject_cast<QLineEdit*>(DialogControl(id)); };
    auto button = [this](int id) { return qobject_cast<QAbstractButton*>(DialogControl(id)); };

    connect(edit(IDC_LINE_SPACING), &QLineEdit::textChanged, this,
            &CTalvaneDlg::OnLineSpacingChange);
    connect(edit(IDC_LEFT_MARGIN), &QLineEdit::textChanged, this,
            [this] { OnMarginChange(false); });
    connect(edit(IDC_RIGHT_MARGIN), &QLineEdit::textChanged, this,
            [this] { OnMarginChange(true); });

    for (const ListCommand& list : LIST_COMMANDS) {
        auto* combo = qobject_cast<QComboBox*>(DialogControl(list.id));
        connect(combo, &QComboBox::activated, this, [this, combo, list](int index) {
            Issue(combo, true, QString(),
                  [&](CVRNX_LIB& p) { (p.*list.command)(Byte(index + list.offset)); });
        });
    }
    for (const StyleBit& style : STYLE_BITS)
        connect(button(style.id), &QAbstractButton::clicked, this, &CTalvaneDlg::OnStyleClick);

    connect(button(IDC_COORDINATE_SET), &QAbstractButton::clicked, this,
            &CTalvaneDlg::OnCoordinateSet);
    connect(button(IDC_CUT), &QAbstractButton::clicked, this, &CTalvaneDlg::OnCut);
    connect(button(IDC_FEED), &QAbstractButton::clicked, this,
            [this] { OnFeedOrBack(IDC_FEED_DISTANCE, false); });
    connect(button(IDC_BACK), &QAbstractButton::clicked, this,
            [this] { OnFeedOrBack(IDC_BACK_DISTANCE, true); });
}

void CTalvaneDlg::OnLineSpacingChange() {
    auto* edit = qobject_cast<QLineEdit*>(DialogControl(IDC_LINE_SPACING));
    const int value = ReadNumber(edit);
    Issue(edit, value < BYTE_LIMIT, LINE_SPACING_MESSAGE,
          [&](CVRNX_LIB& p) { p.SetLineSpacing(Byte(value)); });
}

void CTalvaneDlg::OnMarginChange(bool rightEdit) {
    auto* leftEdit = qobject_cast<QLineEdit*>(DialogControl(IDC_LEFT_MARGIN));
    const int left = ReadNumber(leftEdit);
    const int right = ReadNumber(qobject_cast<QLineEdit*>(DialogControl(IDC_RIGHT_MARGIN)));
    const int columns = printableWidth_ / DOTS_PER_COLUMN;
    // Both margins are reported at the left one.
    Issue(leftEdit, left + right < columns, MARGIN_MESSAGE + QString::number(columns),
          [&](CVRNX_LIB& p) {
              if (rightEdit)
                  p.SetRightMargin(Byte(right));
              else
                  p.SetLeftMargin(Byte(left));
          });
}

void CTalvaneDlg::OnStyleClick() {
    uint8_t style = 0;
    for (const StyleBit& s : STYLE_BITS)
        if (qobject_cast<QAbstractButton*>(DialogControl(s.id))->isChecked()) style |= s.bit;
    Issue(nullptr, true, QString(), [&](CVRNX_LIB& p) { p.SetPrintMode(style); });
}

void CTalvaneDlg::OnCoordinateSet() {
    auto* edit = qobject_cast<QLineEdit*>(DialogControl(IDC_COORDINATE));
    const int value = ReadNumber(edit);
    Issue(edit, value < printableWidth_, COORDINATE_MESSAGE + QString::number(printableWidth_),
          [&](CVRNX_LIB& p) {
              edit->setText(QStringLiteral("0"));
              p.SetAbsolutePosition(static_cast<uint16_t>(value));
          });
}

void CTalvaneDlg::OnCut() {
    auto* edit = qobject_cast<QLineEdit*>(DialogControl(IDC_CUT_FEED));
    const int distance = ReadNumber(edit);
    const bool half = qobject_cast<QRadioButton*>(DialogControl(IDC_HALF_CUT))->isChecked();
    Issue(edit, distance < BYTE_LIMIT, FEED_MESSAGE,
          [&](CVRNX_LIB& p) { p.CutPaper(Byte(distance), half ? CUT_MODE_HALF : CUT_MODE_FULL); });
}

void CTalvaneDlg::OnFeedOrBack(int editId, bool back) {
    auto* edit = qobject_cast<QLineEdit*>(DialogControl(editId));
    const int distance = ReadNumber(edit);
    Issue(edit, distance < BYTE_LIMIT, FEED_MESSAGE, [&](CVRNX_LIB& p) {
        if (back)
            p.PrintAndBackFeed(Byte(distance));
        else
            p.PrintAndFeed(Byte(distance));
    });
}
