#include "pages/PDF417.h"

#include "pages/PageControls.h"
#include "host/CommandHost.h"
#include "printer/CommandLayouts.h"
#include "printer/VrnxLib.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {

constexpr int ROWS_MIN = 3;
constexpr int ROWS_MAX = 90;
constexpr int COLUMNS_MIN = 1;
constexpr int COLUMNS_MAX = 30;
constexpr int MODULE_WIDTH_MIN = 2;
constexpr int MODULE_WIDTH_MAX = 8;
constexpr int ROW_HEIGHT_MIN = 2;
constexpr int ROW_HEIGHT_MAX = 8;
constexpr int ERROR_LEVEL_COUNT = 9;
// The printer chooses the number of rows or columns itself.
constexpr uint8_t PDF417_AUTO = 0;
// What "Cut" sends through the rows command when ticked and when cleared.
constexpr uint8_t PDF417_CUT_ON = 1;
constexpr uint8_t PDF417_CUT_OFF = 0;

} // namespace

CPDF417::CPDF417(CommandHost* host, QWidget* parent) : CPageWidget(parent), host_(host) {
    rows_ = DigitsEdit(IDC_ROWS, tr("X:"), this);
    rowsAuto_ = Named(new QCheckBox(tr("Auto"), this), IDC_ROWS_AUTO, tr("Auto X"));
    columns_ = Named(new QLineEdit(this), IDC_COLUMNS, tr("Y:"));
    columnsAuto_ = Named(new QCheckBox(tr("Auto"), this), IDC_COLUMNS_AUTO, tr("Auto Y"));
    moduleWidth_ = Named(new QLineEdit(this), IDC_MODULE_WIDTH, tr("Width:"));
    rowHeight_ = Named(new QLineEdit(this), IDC_ROW_HEIGHT, tr("Height:"));
    errorLevel_ = Named(new QComboBox(this), IDC_ERROR_LEVEL, tr("Error correction level:"));
    cut_ = Named(new QCheckBox(tr("Cut"), this), IDC_CUT, tr("Cut"));

    auto* grid = new QGridLayout(this);
    CompactPage(grid);
    grid->addWidget(Caption(tr("X:"), rows_, this), 0, 0);
    grid->addWidget(rows_, 0, 1);
    grid->addWidget(rowsAuto_, 0, 2);
    grid->addWidget(Caption(tr("Y:"), columns_, this), 0, 3);
    grid->addWidget(columns_, 0, 4);
    grid->addWidget(columnsAuto_, 0, 5);
    grid->addWidget(Caption(tr("Width:"), moduleWidth_, this), 1, 0);
    grid->addWidget(moduleWidth_, 1, 1);
    grid->addWidget(Caption(tr("Height:"), rowHeight_, this), 1, 3);
    grid->addWidget(rowHeight_, 1, 4);
    grid->addWidget(Caption(tr("Error correction level:"), errorLevel_, this), 2, 0, 1, 3);
    grid->addWidget(errorLevel_, 2, 3, 1, 2);
    grid->addWidget(cut_, 2, 5);

    rows_->setText(QStringLiteral("5"));
    rows_->setEnabled(false);
    columns_->setText(QStringLiteral("5"));
    columns_->setEnabled(false);
    rowsAuto_->setChecked(true);
    columnsAuto_->setChecked(true);
    moduleWidth_->setText(QStringLiteral("3"));
    rowHeight_->setText(QStringLiteral("8"));
    for (int level = 0; level < ERROR_LEVEL_COUNT; ++level) {
        errorLevel_->addItem(QString::number(level));
    }
    errorLevel_->setCurrentIndex(0);

    connect(rows_, &QLineEdit::textChanged, this, &CPDF417::OnRowsChanged);
    connect(columns_, &QLineEdit::textChanged, this, &CPDF417::OnColumnsChanged);
    connect(rowsAuto_, &QCheckBox::clicked, this, &CPDF417::OnRowsAutoClicked);
    connect(columnsAuto_, &QCheckBox::clicked, this, &CPDF417::OnColumnsAutoClicked);
    connect(moduleWidth_, &QLineEdit::textChanged, this, &CPDF417::OnModuleWidthChanged);
    connect(rowHeight_, &QLineEdit::textChanged, this, &CPDF417::OnRowHeightChanged);
    connect(errorLevel_, &QComboBox::currentIndexChanged, this, &CPDF417::OnErrorLevelChanged);
    connect(cut_, &QCheckBox::clicked, this, &CPDF417::OnCutClicked);
}

void CPDF417::OnRowsChanged() {
    if (host_ == nullptr) return;
    const int rows = ReadNumber(rows_);
    host_->Issue(rows_, InRange(rows, ROWS_MIN, ROWS_MAX), tr("Row range of 3 to 90"),
                 [&](CVRNX_LIB& printer) { printer.SetPDF417Rows(static_cast<uint8_t>(rows)); });
}

void CPDF417::OnColumnsChanged() {
    if (host_ == nullptr) return;
    const int columns = ReadNumber(columns_);
    host_->Issue(
        columns_, InRange(columns, COLUMNS_MIN, COLUMNS_MAX), tr("Columns range from 1 to 30"),
        [&](CVRNX_LIB& printer) { printer.SetPDF417Columns(static_cast<uint8_t>(columns)); });
}

void CPDF417::OnRowsAutoClicked(bool checked) {
    if (host_ == nullptr) return;
    // The edit follows its box even when the port is closed.
    rows_->setEnabled(!checked);
    if (!checked) {
        OnRowsChanged();
        return;
    }
    host_->Issue(rowsAuto_, true, QString(),
                 [](CVRNX_LIB& printer) { printer.SetPDF417Rows(PDF417_AUTO); });
}

void CPDF417::OnColumnsAutoClicked(bool checked) {
    if (host_ == nullptr) return;
    columns_->setEnabled(!checked);
    if (!checked) {
        OnColumnsChanged();
        return;
    }
    host_->Issue(columnsAuto_, true, QString(),
                 [](CVRNX_LIB& printer) { printer.SetPDF417Columns(PDF417_AUTO); });
}

void CPDF417::OnModuleWidthChanged() {
    if (host_ == nullptr) return;
    const int width = ReadNumber(moduleWidth_);
    host_->Issue(moduleWidth_, InRange(width, MODULE_WIDTH_MIN, MODULE_WIDTH_MAX),
                 tr("Unit width of 2 to 8"), [&](CVRNX_LIB& printer) {
                     printer.SetPDF417ModuleWidth(static_cast<uint8_t>(width));
                 });
}

void CPDF417::OnRowHeightChanged() {
    if (host_ == nullptr) return;
    const int height = ReadNumber(rowHeight_);
    host_->Issue(
        rowHeight_, InRange(height, ROW_HEIGHT_MIN, ROW_HEIGHT_MAX), tr("Line height of 2 to 8"),
        [&](CVRNX_LIB& printer) { printer.SetPDF417RowHeight(static_cast<uint8_t>(height)); });
}

void CPDF417::OnErrorLevelChanged(int row) {
    if (host_ == nullptr || row < 0) return;
    host_->Issue(errorLevel_, true, QString(), [&](CVRNX_LIB& printer) {
        printer.SetPDF417ErrorLevel(static_cast<uint8_t>(row));
    });
}

void CPDF417::OnCutClicked(bool checked) {
    if (host_ == nullptr) return;
    host_->Issue(cut_, true, QString(), [&](CVRNX_LIB& printer) {
        printer.SetPDF417Rows(checked ? PDF417_CUT_ON : PDF417_CUT_OFF);
    });
}
