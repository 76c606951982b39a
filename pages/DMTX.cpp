#include "pages/DMTX.h"

#include "pages/rules/CodeLimits.h"
#include "pages/PageControls.h"
#include "host/CommandHost.h"
#include "printer/CommandLayouts.h"
#include "printer/VrnxLib.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>

namespace {

constexpr int MODULE_WIDTH_MIN = 2;
constexpr int MODULE_WIDTH_MAX = 8;
// Size row r is the printer's size number r + 1.
constexpr int SIZE_OF_FIRST_ROW = 1;

} // namespace

CDMTX::CDMTX(CommandHost* host, QWidget* parent) : CPageWidget(parent), host_(host) {
    version_ = Named(new QComboBox(this), IDC_VERSION, tr("Version:"));
    moduleWidth_ = DigitsEdit(IDC_MODULE_WIDTH, tr("Module width:"), this);
    version_->setEditable(true);

    auto* grid = new QGridLayout(this);
    CompactPage(grid);
    grid->addWidget(Caption(tr("Version:"), version_, this), 0, 0);
    grid->addWidget(version_, 0, 1);
    grid->addWidget(Caption(tr("Module width:"), moduleWidth_, this), 1, 0);
    grid->addWidget(moduleWidth_, 1, 1);

    for (const char* size : DATAMATRIX_SIZES)
        version_->addItem(QCoreApplication::translate(CODE_LIMITS_CONTEXT, size));
    version_->setCurrentIndex(static_cast<int>(DATAMATRIX_SQUARE_AUTO_ROW));
    version_->setEnabled(false);
    moduleWidth_->setText(QStringLiteral("5"));

    connect(version_, &QComboBox::currentIndexChanged, this, &CDMTX::OnVersionChanged);
    connect(moduleWidth_, &QLineEdit::textChanged, this, &CDMTX::OnModuleWidthChanged);
}

void CDMTX::OnVersionChanged(int row) {
    if (host_ == nullptr || row < 0) return;
    host_->Issue(version_, true, QString(), [&](CVRNX_LIB& printer) {
        printer.SetDataMatrixVersion(static_cast<uint8_t>(row + SIZE_OF_FIRST_ROW));
    });
}

void CDMTX::OnModuleWidthChanged() {
    if (host_ == nullptr) return;
    const int width = ReadNumber(moduleWidth_);
    host_->Issue(
        moduleWidth_, InRange(width, MODULE_WIDTH_MIN, MODULE_WIDTH_MAX), tr("模块宽度为2~8"),
        [&](CVRNX_LIB& printer) { printer.SetDataMatrixModuleSize(static_cast<uint8_t>(width)); });
}
