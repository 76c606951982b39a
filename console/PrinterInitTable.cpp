#include "console/PrinterInitTable.h"

#include "console/ControlIds.h"
#include "console/TalvaneDlg.h"
#include "pages/Barcode.h"
#include "pages/DMTX.h"
#include "pages/PDF417.h"
#include "pages/QRCode.h"
#include "pages/TwoDCode.h"
#include "pages/rules/CodeLimits.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace printer_init {
namespace {

using namespace ids;

constexpr int CLEAR = 0;
constexpr int TICKED = 1;
constexpr int FIRST_ITEM = 0;
constexpr int UNUSED = 0;

// Power-on values of this printer (the virtual printer starts from the same ones).
constexpr int POWER_ON_LINE_SPACING = 30; // dots
constexpr int POWER_ON_BARCODE_WIDTH = 3; // dots
constexpr int POWER_ON_BARCODE_HEIGHT = 162;
constexpr int POWER_ON_MODULE = 3; // QR, PDF417 and DataMatrix module, PDF417 row height
constexpr int POWER_ON_DATAMATRIX_ROW = static_cast<int>(DATAMATRIX_SQUARE_AUTO_ROW);

constexpr Row ROWS[] = {
    // Character and layout settings: ESC @ restores them.
    {Group::Dialog, IDC_LINE_SPACING, AtInit::Reset, POWER_ON_LINE_SPACING, "line spacing"},
    {Group::Dialog, IDC_LEFT_MARGIN, AtInit::Reset, 0, "left margin"},
    {Group::Dialog, IDC_RIGHT_MARGIN, AtInit::Reset, 0, "right margin"},
    {Group::Dialog, IDC_FONT_LIST, AtInit::Reset, FIRST_ITEM, "font: Font1"},
    {Group::Dialog, IDC_ALIGNMENT_LIST, AtInit::Reset, FIRST_ITEM, "alignment: left"},
    {Group::Dialog, IDC_DOUBLE_HIGH, AtInit::Reset, CLEAR, "print mode (ESC !): all clear"},
    {Group::Dialog, IDC_DOUBLE_WIDTH, AtInit::Reset, CLEAR, "print mode"},
    {Group::Dialog, IDC_BOLD, AtInit::Reset, CLEAR, "print mode"},
    {Group::Dialog, IDC_ITALIC, AtInit::Reset, CLEAR, "print mode"},
    {Group::Dialog, IDC_FRAME, AtInit::Reset, CLEAR, "print mode"},
    {Group::Dialog, IDC_UNDERSCORE, AtInit::Reset, CLEAR, "print mode"},
    {Group::Dialog, IDC_HIGHLIGHT, AtInit::Reset, CLEAR, "print mode"},
    {Group::Dialog, IDC_CODE_PAGE, AtInit::Reset, FIRST_ITEM,
     "code page: the power-on table with two-byte characters on, the fixed mapping"},
    // Kept in the printer's non-volatile memory.
    {Group::Dialog, IDC_DENSITY_LIST, AtInit::Keep, UNUSED, "density: stored setting"},
    {Group::Dialog, IDC_SPEED_LIST, AtInit::Keep, UNUSED, "speed: stored setting"},
    {Group::Dialog, IDC_BAUD_LIST, AtInit::Keep, UNUSED, "baud rate: stored serial setting"},
    {Group::Dialog, IDC_HANDSHAKE_LIST, AtInit::Keep, UNUSED,
     "flow control: stored serial setting"},
    // Not printer settings at all.
    {Group::Dialog, IDC_MODEL_LIST, AtInit::Keep, UNUSED, "model: the paper the printer has"},
    {Group::Dialog, IDC_COORDINATE, AtInit::Keep, UNUSED,
     "absolute position: counts for one line only"},
    {Group::Dialog, IDC_CUT_FEED, AtInit::Keep, UNUSED, "cut feed: sent with each cut"},
    {Group::Dialog, IDC_FEED_DISTANCE, AtInit::Keep, UNUSED, "feed: sent with each feed"},
    {Group::Dialog, IDC_BACK_DISTANCE, AtInit::Keep, UNUSED, "back feed: sent with each feed"},
    // Barcode and symbol parameters: ESC @ restores them.
    {Group::BarcodePage, CBarcode::IDC_UNIT_WIDTH, AtInit::Reset, POWER_ON_BARCODE_WIDTH,
     "barcode module width"},
    {Group::BarcodePage, CBarcode::IDC_BAR_HEIGHT, AtInit::Reset, POWER_ON_BARCODE_HEIGHT,
     "barcode height"},
    {Group::BarcodePage, CBarcode::IDC_DISPLAY, AtInit::Reset, FIRST_ITEM,
     "barcode text position: none"},
    {Group::QRCodePage, CQRCode::IDC_MODULE_WIDTH, AtInit::Reset, POWER_ON_MODULE,
     "QR module size"},
    {Group::QRCodePage, CQRCode::IDC_ERROR_LEVEL, AtInit::Reset, FIRST_ITEM, "QR level L"},
    {Group::QRCodePage, CQRCode::IDC_VERSION, AtInit::Keep, UNUSED,
     "QR version: reset to the smallest that fits, which the list cannot show"},
    {Group::PDF417Page, CPDF417::IDC_ROWS_AUTO, AtInit::Reset, TICKED, "PDF417 rows: automatic"},
    {Group::PDF417Page, CPDF417::IDC_COLUMNS_AUTO, AtInit::Reset, TICKED,
     "PDF417 columns: automatic"},
    {Group::PDF417Page, CPDF417::IDC_MODULE_WIDTH, AtInit::Reset, POWER_ON_MODULE,
     "PDF417 module width"},
    {Group::PDF417Page, CPDF417::IDC_ROW_HEIGHT, AtInit::Reset, POWER_ON_MODULE,
     "PDF417 row height"},
    {Group::PDF417Page, CPDF417::IDC_CUT, AtInit::Reset, CLEAR, "PDF417 truncated: off"},
    {Group::PDF417Page, CPDF417::IDC_ERROR_LEVEL, AtInit::Keep, UNUSED,
     "PDF417 level: reset to automatic, which the list cannot show"},
    {Group::DataMatrixPage, CDMTX::IDC_VERSION, AtInit::Reset, POWER_ON_DATAMATRIX_ROW,
     "DataMatrix size: square, automatic"},
    {Group::DataMatrixPage, CDMTX::IDC_MODULE_WIDTH, AtInit::Reset, POWER_ON_MODULE,
     "DataMatrix module size"},
    // Label layout, sensor thresholds and mark distances: stored settings.
    {Group::LabelPage, 0, AtInit::Keep, UNUSED, "label set-up: stored settings"},
};

// PDF417's row and column edits take input only while their "Auto" box is clear.
struct AutoPair {
    int box, edit;
};
constexpr AutoPair PDF417_AUTO_PAIRS[] = {
    {CPDF417::IDC_ROWS_AUTO, CPDF417::IDC_ROWS},
    {CPDF417::IDC_COLUMNS_AUTO, CPDF417::IDC_COLUMNS},
};

QWidget* GroupRoot(CTalvaneDlg& dlg, Group group) {
    C2DCode* twoD = dlg.findChild<C2DCode*>();
    switch (group) {
    case Group::Dialog:
        return &dlg;
    case Group::BarcodePage:
        return dlg.findChild<CBarcode*>();
    case Group::PDF417Page:
        return twoD ? twoD->PDF417Page() : nullptr;
    case Group::QRCodePage:
        return twoD ? twoD->QRCodePage() : nullptr;
    case Group::DataMatrixPage:
        return twoD ? twoD->DataMatrixPage() : nullptr;
    case Group::LabelPage:
        break;
    }
    return nullptr;
}

QWidget* Find(CTalvaneDlg& dlg, Group group, int id) {
    if (group == Group::Dialog) return dlg.DialogControl(id);
    QWidget* root = GroupRoot(dlg, group);
    return root ? root->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id)) : nullptr;
}

// Shows the value without the control's signals: its handler would send it.
void Show(QWidget* control, int value) {
    const QSignalBlocker quiet(control);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(QString::number(value));
    else if (auto* list = qobject_cast<QComboBox*>(control))
        list->setCurrentIndex(value);
    else if (auto* box = qobject_cast<QAbstractButton*>(control))
        box->setChecked(value != CLEAR);
}

} // namespace

std::span<const Row> Rows() {
    return ROWS;
}

void ShowPowerOnState(CTalvaneDlg& dlg) {
    for (const Row& row : ROWS) {
        if (row.effect != AtInit::Reset) continue;
        if (QWidget* control = Find(dlg, row.group, row.id)) Show(control, row.powerOn);
    }
    for (const AutoPair& pair : PDF417_AUTO_PAIRS) {
        auto* box = qobject_cast<QAbstractButton*>(Find(dlg, Group::PDF417Page, pair.box));
        QWidget* edit = Find(dlg, Group::PDF417Page, pair.edit);
        if (box && edit) edit->setEnabled(!box->isChecked());
    }
}

} // namespace printer_init
