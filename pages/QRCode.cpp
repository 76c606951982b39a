#include "pages/QRCode.h"

#include "pages/PageControls.h"
#include "host/CommandHost.h"
#include "printer/CommandLayouts.h"
#include "printer/VrnxLib.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {

constexpr int MODULE_WIDTH_MIN = 1;
constexpr int MODULE_WIDTH_MAX = 16;
// Version row r selects version r + 1.
constexpr int VERSION_OF_FIRST_ROW = 1;
constexpr int DEFAULT_VERSION_ROW = 1;
const char* const VERSION_ROWS[] = {"1", "2"};
const char* const ERROR_LEVEL_ROWS[] = {"7%", "15%", "25%", "30%"};

} // namespace

CQRCode::CQRCode(CommandHost* host, QWidget* parent) : CPageWidget(parent), host_(host) {
    version_ = Named(new QComboBox(this), IDC_VERSION, tr("Version:"));
    moduleWidth_ = DigitsEdit(IDC_MODULE_WIDTH, tr("Module width:"), this);
    errorLevel_ = Named(new QComboBox(this), IDC_ERROR_LEVEL, tr("Error correction level:"));
    version_->setEditable(true);

    auto* grid = new QGridLayout(this);
    CompactPage(grid);
    grid->addWidget(Caption(tr("Version:"), version_, this), 0, 0);
    grid->addWidget(version_, 0, 1);
    grid->addWidget(Caption(tr("Module width:"), moduleWidth_, this), 1, 0);
    grid->addWidget(moduleWidth_, 1, 1);
    grid->addWidget(Caption(tr("Error correction level:"), errorLevel_, this), 2, 0);
    grid->addWidget(errorLevel_, 2, 1);

    for (const char* row : VERSION_ROWS) version_->addItem(QString::fromLatin1(row));
    version_->setCurrentIndex(DEFAULT_VERSION_ROW);
    version_->setEnabled(false);
    moduleWidth_->setText(QStringLiteral("5"));
    for (const char* row : ERROR_LEVEL_ROWS) errorLevel_->addItem(QString::fromLatin1(row));
    errorLevel_->setCurrentIndex(0);

    connect(version_, &QComboBox::currentIndexChanged, this, &CQRCode::OnVersionChanged);
    connect(moduleWidth_, &QLineEdit::textChanged, this, &CQRCode::OnModuleWidthChanged);
    connect(errorLevel_, &QComboBox::currentIndexChanged, this, &CQRCode::OnErrorLevelChanged);
}

void CQRCode::OnVersionChanged(int row) {
    if (host_ == nullptr || row < 0) return;
    host_->Issue(version_, true, QString(), [&](CVRNX_LIB& printer) {
        printer.SetQRCodeVersion(static_cast<uint8_t>(row + VERSION_OF_FIRST_ROW));
    });
}

void CQRCode::OnModuleWidthChanged() {
    if (host_ == nullptr) return;
    const int width = ReadNumber(moduleWidth_);
    host_->Issue(moduleWidth_, InRange(width, MODULE_WIDTH_MIN, MODULE_WIDTH_MAX),
                 tr("Module width is 1 ~ 16"), [&](CVRNX_LIB& printer) {
                     printer.SetQRCodeModuleSize(static_cast<uint8_t>(width));
                 });
}

void CQRCode::OnErrorLevelChanged(int row) {
    if (host_ == nullptr || row < 0) return;
    host_->Issue(errorLevel_, true, QString(), [&](CVRNX_LIB& printer) {
        printer.SetQRCodeErrorLevel(static_cast<uint8_t>(row));
    });
}
