#include "pages/TwoDCode.h"

#include "pages/rules/CodeLimits.h"
#include "pages/CommandEdit.h"
#include "pages/DMTX.h"
#include "pages/rules/HexData.h"
#include "pages/PDF417.h"
#include "pages/PageControls.h"
#include "host/CommandHost.h"
#include "pages/QRCode.h"
#include "emulator/SymbolFit.h"
#include "printer/CommandLayouts.h"
#include "printer/VrnxLib.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QStackedLayout>

namespace {

enum CodeStyle { STYLE_PDF417 = 0, STYLE_QRCODE = 1, STYLE_DMTX = 2, STYLE_COUNT = 3 };

// One row per code style: its list text, its store and its print command.
struct CodeStyleRow {
    const char* name;
    void (CVRNX_LIB::*store)(const void* data, uint16_t count);
    int (CVRNX_LIB::*print)();
};

const CodeStyleRow STYLE_ROWS[STYLE_COUNT] = {
    {"PDF417", &CVRNX_LIB::StorePDF417Data, &CVRNX_LIB::PrintPDF417},
    {"QRCODE", &CVRNX_LIB::StoreQRCodeData, &CVRNX_LIB::PrintQRCode},
    {"DMTX", &CVRNX_LIB::StoreDataMatrixData, &CVRNX_LIB::PrintDataMatrix},
};

constexpr const char* SAMPLE_DATA = "Orvane Instrument Works Co., Ltd. Velka";

// Why the data edit's contents cannot be stored, or an empty text when they can.
QString DataProblem(const std::string& text, bool hexForm, std::vector<uint8_t>& data) {
    if (text.empty()) return QCoreApplication::translate("C2DCode", "The data empty");
    if (hexForm) {
        HexData hex = ReadHexData(text);
        if (!hex.wellFormed)
            return QCoreApplication::translate("C2DCode", "Entered incorrectly, make sure");
        if (hex.bytes.empty()) return QCoreApplication::translate("C2DCode", "The data empty");
        data = std::move(hex.bytes);
    } else {
        data.assign(text.begin(), text.end());
    }
    // The store command's length field would wrap beyond this.
    if (data.size() > CODE2D_MAX_DATA) {
        return QCoreApplication::translate("C2DCode", "The data is too long: at most 65532 bytes");
    }
    return QString();
}

} // namespace

C2DCode::C2DCode(CommandHost* host, QWidget* parent) : CPageWidget(parent), host_(host) {
    style_ = Named(new QComboBox(this), IDC_STYLE, tr("Code Style:"));
    data_ = Named(new CCommandEdit(this), IDC_DATA, tr("Code Data:"));
    hex_ = Named(new QCheckBox(tr("HEX"), this), IDC_HEX, tr("HEX"));
    send_ = PushButton(IDC_SEND, tr("Send"), this);
    print_ = PushButton(IDC_PRINT, tr("Print"), this);
    container_ = Named(new QWidget(this), IDC_SUB_PAGES, tr("Code parameters"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Caption(tr("Code Style:"), style_, this), 0, 0);
    grid->addWidget(style_, 0, 1);
    grid->addWidget(container_, 1, 0, 3, 2);
    grid->addWidget(Caption(tr("Code Data:"), data_, this), 0, 2);
    grid->addWidget(data_, 1, 2, 2, 3);
    grid->addWidget(hex_, 3, 2);
    grid->addWidget(send_, 3, 3);
    grid->addWidget(print_, 3, 4);
    CompactPage(grid);
    LetDataEditShrink(data_);

    for (const CodeStyleRow& row : STYLE_ROWS) style_->addItem(QString::fromLatin1(row.name));
    style_->setCurrentIndex(STYLE_PDF417);
    data_->setPlainText(QString::fromLatin1(SAMPLE_DATA));

    // The sub-pages fill the container; only the chosen style's is shown.
    subPages_ = new QStackedLayout(container_);
    subPages_->setContentsMargins(0, 0, 0, 0);
    pdf417_ = new CPDF417(host_, container_);
    qrCode_ = new CQRCode(host_, container_);
    dataMatrix_ = new CDMTX(host_, container_);
    subPages_->insertWidget(STYLE_PDF417, pdf417_);
    subPages_->insertWidget(STYLE_QRCODE, qrCode_);
    subPages_->insertWidget(STYLE_DMTX, dataMatrix_);
    subPages_->setCurrentIndex(STYLE_PDF417);

    connect(style_, &QComboBox::currentIndexChanged, this, &C2DCode::OnStyleChanged);
    connect(hex_, &QCheckBox::clicked, this, &C2DCode::OnHexClicked);
    connect(send_, &QPushButton::clicked, this, &C2DCode::OnSend);
    connect(print_, &QPushButton::clicked, this, &C2DCode::OnPrint);
}

void C2DCode::OnStyleChanged(int row) {
    if (row < 0 || row >= STYLE_COUNT) return;
    subPages_->setCurrentIndex(row);
}

void C2DCode::OnHexClicked(bool) {
    ConvertDataEdit(data_, hex_, host_ ? host_->TextPage() : nullptr);
}

void C2DCode::OnSend() {
    if (host_ == nullptr) return;
    const int style = style_->currentIndex();
    if (style < 0 || style >= STYLE_COUNT) return;
    if (host_->WarnIfPortClosed()) return;
    const std::optional<std::string> bytes = DataEditBytes(data_, host_->TextPage());
    if (!bytes) return;
    std::vector<uint8_t> data;
    const QString problem = DataProblem(*bytes, hex_->isChecked(), data);
    if (host_->Issue(data_, problem.isEmpty(), problem, [&](CVRNX_LIB& printer) {
            (printer.*STYLE_ROWS[style].store)(data.data(), static_cast<uint16_t>(data.size()));
        }))
        stored_[style].assign(data.begin(), data.end());
}

// Why a symbol wider than the paper will not print: measured with the settings the
// printer was sent (a sub-page shows its values before it has sent them) and the data
// Send stored; empty when it fits or is unknown.
QString C2DCode::TooWide(int style) const {
    if (host_ == nullptr || stored_[style].empty()) return QString();
    static const uint8_t SYMBOLS[STYLE_COUNT] = {layout::SYMBOL_PDF417, layout::SYMBOL_QR,
                                                 layout::SYMBOL_DATAMATRIX};
    std::vector<uint8_t> bytes = host_->Printer().Sent().SymbolSettings(SYMBOLS[style]);
    const std::string& data = stored_[style];
    const CommandBytes store =
        layout::StoreSymbolHeader(SYMBOLS[style], static_cast<uint16_t>(data.size()));
    bytes.insert(bytes.end(), store.data(), store.data() + store.size());
    bytes.insert(bytes.end(), data.begin(), data.end());
    const CommandBytes print = layout::PrintSymbol(SYMBOLS[style]);
    bytes.insert(bytes.end(), print.data(), print.data() + print.size());
    const vprinter::SymbolFit fit = vprinter::StreamSymbolFit(bytes, host_->PrintableWidth());
    return TooWideMessage(fit);
}

void C2DCode::OnPrint() {
    if (host_ == nullptr) return;
    const int style = style_->currentIndex();
    if (style < 0 || style >= STYLE_COUNT) return;
    // Sent all the same, with the warning: the operator may be testing what the printer
    // does with it.
    host_->IssueWarned(print_, true, QString(), TooWide(style),
                       [&](CVRNX_LIB& printer) { (printer.*STYLE_ROWS[style].print)(); });
}
