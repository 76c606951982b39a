#include "pages/Barcode.h"

#include "pages/rules/BarcodeRules.h"
#include "pages/CommandEdit.h"
#include "pages/PageControls.h"
#include "host/CommandHost.h"
#include "emulator/SymbolFit.h"
#include "printer/VrnxLib.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int UNIT_WIDTH_MIN = 1;
constexpr int UNIT_WIDTH_MAX = 6;
constexpr int BAR_HEIGHT_MIN = 1;
constexpr int BAR_HEIGHT_MAX = 255;
constexpr int FIRST_ROW = 0;

const char* const DISPLAY_ROWS[] = {QT_TRANSLATE_NOOP("CBarcode", "None"),
                                    QT_TRANSLATE_NOOP("CBarcode", "Above the Barcode"),
                                    QT_TRANSLATE_NOOP("CBarcode", "Below the Barcode"),
                                    QT_TRANSLATE_NOOP("CBarcode", "Above & below the Barcode")};

// The instruction of a symbology as the operator reads it; the row's text is the source.
QString InstructionText(const BarcodeRule& rule) {
    return QCoreApplication::translate(BARCODE_RULES_CONTEXT, rule.instruction);
}

} // namespace

CBarcode::CBarcode(CommandHost* host, QWidget* parent) : CPageWidget(parent), host_(host) {
    unitWidth_ = DigitsEdit(IDC_UNIT_WIDTH, tr("Unit width:"), this);
    barHeight_ = DigitsEdit(IDC_BAR_HEIGHT, tr("Barcode Height:"), this);
    display_ = Named(new QComboBox(this), IDC_DISPLAY, tr("Display:"));
    code_ = Named(new QComboBox(this), IDC_CODE, tr("Code:"));
    data_ = Named(new CCommandEdit(this), IDC_DATA, tr("Barcode data:"));
    hex_ = Named(new QCheckBox(tr("Hex"), this), IDC_HEX, tr("Hex"));
    instructions_ = Named(new QLabel(this), IDC_INSTRUCTIONS, tr("Instructions:"));
    print_ = PushButton(IDC_PRINT, tr("Print"), this);
    instructions_->setWordWrap(true);
    instructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Caption(tr("Unit width:"), unitWidth_, this), 0, 0);
    grid->addWidget(unitWidth_, 0, 1);
    grid->addWidget(Caption(tr("Barcode Height:"), barHeight_, this), 0, 2);
    grid->addWidget(barHeight_, 0, 3);
    grid->addWidget(Caption(tr("Display:"), display_, this), 0, 4);
    grid->addWidget(display_, 0, 5);
    grid->addWidget(Caption(tr("Code:"), code_, this), 1, 0);
    grid->addWidget(code_, 1, 1);
    grid->addWidget(hex_, 1, 2);
    grid->addWidget(print_, 1, 5);
    grid->addWidget(Caption(tr("Barcode data:"), data_, this), 2, 0, Qt::AlignTop);
    grid->addWidget(data_, 2, 1, 2, 3);
    grid->addWidget(Caption(tr("Instructions:"), instructions_, this), 2, 4, Qt::AlignTop);
    grid->addWidget(instructions_, 3, 4, 1, 2);
    CompactPage(grid);
    LetDataEditShrink(data_);

    // Filled before the handlers are connected, so the defaults send nothing.
    unitWidth_->setText(QStringLiteral("2"));
    barHeight_->setText(QStringLiteral("64"));
    for (const char* row : DISPLAY_ROWS) display_->addItem(tr(row));
    display_->setCurrentIndex(FIRST_ROW);
    for (const BarcodeRule& rule : BARCODE_RULES) code_->addItem(QString::fromLatin1(rule.name));
    code_->setCurrentIndex(FIRST_ROW);
    hex_->setEnabled(false);
    data_->setPlainText(QStringLiteral("01234567890"));
    instructions_->setText(InstructionText(BARCODE_RULES[FIRST_ROW]));

    connect(unitWidth_, &QLineEdit::textChanged, this, &CBarcode::OnUnitWidthChanged);
    connect(barHeight_, &QLineEdit::textChanged, this, &CBarcode::OnBarHeightChanged);
    connect(display_, &QComboBox::currentIndexChanged, this, &CBarcode::OnDisplayChanged);
    connect(code_, &QComboBox::currentIndexChanged, this, &CBarcode::OnCodeChanged);
    connect(hex_, &QCheckBox::clicked, this, &CBarcode::OnHexClicked);
    connect(print_, &QPushButton::clicked, this, &CBarcode::OnPrint);
}

void CBarcode::OnUnitWidthChanged() {
    if (host_ == nullptr) return;
    const int width = ReadNumber(unitWidth_);
    host_->Issue(unitWidth_, InRange(width, UNIT_WIDTH_MIN, UNIT_WIDTH_MAX),
                 tr("Unit width of between 1 and 6"),
                 [&](CVRNX_LIB& printer) { printer.SetBarcodeWidth(static_cast<uint8_t>(width)); });
}

void CBarcode::OnBarHeightChanged() {
    if (host_ == nullptr) return;
    const int height = ReadNumber(barHeight_);
    host_->Issue(barHeight_, InRange(height, BAR_HEIGHT_MIN, BAR_HEIGHT_MAX),
                 tr("Bar code height of 1 to 255"), [&](CVRNX_LIB& printer) {
                     printer.SetBarcodeHeight(static_cast<uint8_t>(height));
                 });
}

void CBarcode::OnDisplayChanged(int row) {
    if (host_ == nullptr || row < 0) return;
    host_->Issue(display_, true, QString(), [&](CVRNX_LIB& printer) {
        printer.SetBarcodeTextPosition(static_cast<uint8_t>(row));
    });
}

void CBarcode::OnCodeChanged(int row) {
    hex_->setEnabled(false);
    if (hex_->isChecked()) {
        hex_->setChecked(false);
        // Bytes the chosen code page has no character for are shown one character per
        // byte rather than lost.
        const TextCodePage* page = host_ ? host_->TextPage() : nullptr;
        if (!ConvertDataEdit(data_, false, page).isEmpty()) ConvertDataEdit(data_, false);
    }
    const BarcodeRule* rule = FindBarcodeRule(row);
    if (rule == nullptr) return;
    instructions_->setText(InstructionText(*rule));
    if (rule->hexAllowed) hex_->setEnabled(true);
}

void CBarcode::OnHexClicked(bool) {
    ConvertDataEdit(data_, hex_, host_ ? host_->TextPage() : nullptr);
}

void CBarcode::OnPrint() {
    if (host_ == nullptr) return;
    const int type = code_->currentIndex();
    if (host_->WarnIfPortClosed()) return;
    const std::optional<std::string> bytes = DataEditBytes(data_, host_->TextPage());
    if (!bytes) return;
    const auto data = CheckBarcodeData(type, *bytes, hex_->isChecked());
    // A barcode wider than the paper is sent all the same, with a warning: what the
    // printer does with it is what the operator may be testing. It is measured at the
    // width the printer was last sent; the edit shows one from the start but sends it
    // only when it is changed.
    QString tooWide;
    if (data) {
        const vprinter::SymbolFit fit = vprinter::BarcodeFit(
            type, std::string_view(reinterpret_cast<const char*>(data->data()), data->size()),
            host_->Printer().Sent().BarcodeWidth(), host_->PrintableWidth());
        tooWide = TooWideMessage(fit);
    }
    host_->IssueWarned(data_, data.has_value(), tr("Entered incorrectly, make sure"), tooWide,
                       [&](CVRNX_LIB& printer) {
                           printer.PrintBarcode(static_cast<uint8_t>(type), data->data(),
                                                static_cast<uint8_t>(data->size()));
                       });
}
