#include "pages/LayOut.h"

#include "pages/DataEdit.h"
#include "pages/rules/NumberList.h"
#include "pages/PageControls.h"
#include "host/CommandHost.h"
#include "printer/VrnxLib.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const MODE_ROWS[] = {"0", "1", "2", "3"};
constexpr int DEFAULT_MODE_ROW = 1;

// Printer models and the thresholds and distances that suit them.
struct PrinterModel {
    const char* name;
    const char* thresholds;
    const char* distances;
};
const PrinterModel PRINTER_MODELS[] = {
    {"KM7730(180degrees)", "75;105;850;940;", "0;68;0;"},
    {"KM7730(90degrees)", "420;520;680;840;", "0;58;0;"},
};
constexpr int SELECTED_MODEL_ROW = 1;
// The lists start with the first model's values, whatever row the list shows.
constexpr int INITIAL_DEFAULTS_ROW = 0;

constexpr const char* DEFAULT_LAYOUT = "0;8;8;0;-8;384;";
constexpr const char* SENSOR_NOT_READ = "0";

} // namespace

CLayOut::CLayOut(CommandHost* host, QWidget* parent) : CPageWidget(parent), host_(host) {
    layout_ = Named(new CDataEdit(this), IDC_LAYOUT, tr("[Sa]~[Sf]:"));
    mode_ = Named(new QComboBox(this), IDC_MODE, tr("Sm:"));
    layoutSet_ = PushButton(IDC_LAYOUT_SET, tr("Set"), this, tr("Set [Sa]~[Sf]"));
    ad_ = Named(new QLineEdit(this), IDC_AD, tr("AD:"));
    get_ = PushButton(IDC_GET, tr("Get"), this);
    printer_ = Named(new QComboBox(this), IDC_PRINTER, tr("Printer:"));
    thresholds_ = Named(new CDataEdit(this), IDC_THRESHOLDS, tr("ADTH1~4:"));
    thresholdsSet_ = PushButton(IDC_THRESHOLDS_SET, tr("Set"), this, tr("Set ADTH1~4"));
    distances_ = Named(new CDataEdit(this), IDC_DISTANCES, tr("DIS1~3:"));
    distancesSet_ = PushButton(IDC_DISTANCES_SET, tr("Set"), this, tr("Set DIS1~3"));
    tear_ = PushButton(IDC_TEAR, tr("Feed tear position"), this);
    cut_ = PushButton(IDC_CUT, tr("Feed cut position"), this);
    printPosition_ = PushButton(IDC_PRINT_POSITION, tr("Feed print position"), this);
    ad_->setReadOnly(true);

    auto* grid = new QGridLayout(this);
    CompactPage(grid);
    // Each list with its Set button; the mode, the model and the sensor reading beside them.
    grid->addWidget(Caption(tr("[Sa]~[Sf]:"), layout_, this), 0, 0);
    grid->addWidget(layout_, 0, 1);
    grid->addWidget(layoutSet_, 0, 2);
    grid->addWidget(Caption(tr("Sm:"), mode_, this), 0, 3);
    grid->addWidget(mode_, 0, 4);
    grid->addWidget(Caption(tr("ADTH1~4:"), thresholds_, this), 1, 0);
    grid->addWidget(thresholds_, 1, 1);
    grid->addWidget(thresholdsSet_, 1, 2);
    grid->addWidget(Caption(tr("Printer:"), printer_, this), 1, 3);
    grid->addWidget(printer_, 1, 4, 1, 2);
    grid->addWidget(Caption(tr("DIS1~3:"), distances_, this), 2, 0);
    grid->addWidget(distances_, 2, 1);
    grid->addWidget(distancesSet_, 2, 2);
    grid->addWidget(Caption(tr("AD:"), ad_, this), 2, 3);
    grid->addWidget(ad_, 2, 4);
    grid->addWidget(get_, 2, 5);
    grid->addWidget(tear_, 3, 1);
    grid->addWidget(cut_, 3, 2, 1, 2);
    grid->addWidget(printPosition_, 3, 4, 1, 2);

    layout_->setText(QString::fromLatin1(DEFAULT_LAYOUT));
    for (const char* row : MODE_ROWS) mode_->addItem(QString::fromLatin1(row));
    mode_->setCurrentIndex(DEFAULT_MODE_ROW);
    ad_->setText(QString::fromLatin1(SENSOR_NOT_READ));
    for (const PrinterModel& model : PRINTER_MODELS) {
        printer_->addItem(QString::fromLatin1(model.name));
    }
    printer_->setCurrentIndex(SELECTED_MODEL_ROW);
    printer_->setEnabled(false);
    thresholds_->setText(QString::fromLatin1(PRINTER_MODELS[INITIAL_DEFAULTS_ROW].thresholds));
    distances_->setText(QString::fromLatin1(PRINTER_MODELS[INITIAL_DEFAULTS_ROW].distances));

    connect(layoutSet_, &QPushButton::clicked, this, &CLayOut::OnLayoutSet);
    connect(thresholdsSet_, &QPushButton::clicked, this, &CLayOut::OnThresholdsSet);
    connect(distancesSet_, &QPushButton::clicked, this, &CLayOut::OnDistancesSet);
    connect(get_, &QPushButton::clicked, this, &CLayOut::OnGet);
    connect(printer_, &QComboBox::currentIndexChanged, this, &CLayOut::OnPrinterChanged);
    connect(tear_, &QPushButton::clicked, this,
            [this] { Feed(tear_, &CVRNX_LIB::FeedToTearPosition); });
    connect(cut_, &QPushButton::clicked, this,
            [this] { Feed(cut_, &CVRNX_LIB::FeedToCutPosition); });
    connect(printPosition_, &QPushButton::clicked, this,
            [this] { Feed(printPosition_, &CVRNX_LIB::FeedToPrintPosition); });
}

void CLayOut::ShowSensorValue(const QString& text) {
    ad_->setText(text);
}

void CLayOut::SendList(CDataEdit* edit, const NumberListRule& rule, const ListCommand& command) {
    if (host_ == nullptr) return;
    // On this page the list is checked before the port, so a wrong list is reported
    // even while the port is closed.
    const std::string text = EditBytes(edit->text());
    switch (CheckNumberList(rule, text)) {
    case ListVerdict::BadCount:
        host_->ShowHelpTip(edit,
                           QCoreApplication::translate(NUMBER_LIST_CONTEXT, rule.countMessage));
        return;
    case ListVerdict::OutOfRange:
        host_->ShowHelpTip(edit,
                           QCoreApplication::translate(NUMBER_LIST_CONTEXT, rule.rangeMessage));
        return;
    case ListVerdict::Ok:
        break;
    }
    const std::string list = ListText(text);
    host_->Issue(edit, true, QString(), [&](CVRNX_LIB& printer) { command(printer, list); });
}

void CLayOut::OnLayoutSet() {
    const auto mode = static_cast<uint8_t>(mode_->currentIndex());
    SendList(layout_, PAPER_LAYOUT_LIST, [mode](CVRNX_LIB& printer, const std::string& list) {
        printer.SetPaperLayout(mode, list.data(), static_cast<uint8_t>(list.size()));
    });
}

void CLayOut::OnThresholdsSet() {
    SendList(thresholds_, SENSOR_THRESHOLD_LIST, [](CVRNX_LIB& printer, const std::string& list) {
        printer.SetSensorThresholds(list.data(), static_cast<uint8_t>(list.size()));
    });
}

void CLayOut::OnDistancesSet() {
    SendList(distances_, MARK_DISTANCE_LIST, [](CVRNX_LIB& printer, const std::string& list) {
        printer.SetMarkDistances(list.data(), static_cast<uint8_t>(list.size()));
    });
}

void CLayOut::OnGet() {
    if (host_ == nullptr) return;
    host_->Issue(get_, true, QString(), [this](CVRNX_LIB& printer) {
        ad_->setText(QString::fromLatin1(SENSOR_NOT_READ));
        printer.RequestSensorValue();
    });
}

void CLayOut::OnPrinterChanged(int row) {
    if (row < 0 || row >= static_cast<int>(std::size(PRINTER_MODELS))) return;
    thresholds_->setText(QString::fromLatin1(PRINTER_MODELS[row].thresholds));
    distances_->setText(QString::fromLatin1(PRINTER_MODELS[row].distances));
    OnThresholdsSet();
    OnDistancesSet();
}

void CLayOut::Feed(QPushButton* button, int (CVRNX_LIB::*feed)()) {
    if (host_ == nullptr) return;
    host_->Issue(button, true, QString(), [feed](CVRNX_LIB& printer) { (printer.*feed)(); });
}
