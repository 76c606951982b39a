// Quick test samples and picture printing: the dialog only forwards its buttons; the
// scripts and the picture state live in console/samples.

#include "console/TalvaneDlg.h"

#include "console/ControlIds.h"
#include "console/PrinterInitTable.h"
#include "console/samples/PicturePrinter.h"
#include "console/samples/QuickSamples.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

using namespace ids;

namespace {
// The record of ESC @ alone, as the sent-bytes record writes it.
const std::string INIT_PRINTER_RECORD = "1B 40 ";
} // namespace

void CTalvaneDlg::ConnectSampleHandlers() {
    samples_ = std::make_unique<QuickSamples>(*this);
    auto forwardSample = [this](int id) {
        connect(ControlAs<QAbstractButton>(id), &QAbstractButton::clicked, this, [this, id] {
            // A script runs whole once the port check passes; when its last command was
            // ESC @, the printer is back at its power-on settings and the window says so.
            const bool open = IsOpen();
            samples_->Run(id);
            if (open && LastTakenText() == INIT_PRINTER_RECORD)
                printer_init::ShowPowerOnState(*this);
        });
    };
    forwardSample(IDC_PRINTER_INIT);
    for (int id = IDC_QUICK_FIRST; id <= IDC_QUICK_LAST; ++id) forwardSample(id);

    PictureControls controls;
    controls.pathEdit = ControlAs<QLineEdit>(IDC_PICTURE_PATH);
    controls.thresholdEdit = ControlAs<QLineEdit>(IDC_THRESHOLD);
    controls.rasterMode = ControlAs<QRadioButton>(IDC_RASTER_MODE);
    controls.bitImageMode = ControlAs<QRadioButton>(IDC_BIT_IMAGE_MODE);
    controls.sizeList = ControlAs<QComboBox>(IDC_PICTURE_DENSITY);
    controls.printButton = DialogControl(IDC_PICTURE_PRINT);
    controls.previewFrame = DialogControl(IDC_PREVIEW);
    controls.hScroll = ControlAs<QScrollBar>(IDC_PREVIEW_HSCROLL);
    controls.vScroll = ControlAs<QScrollBar>(IDC_PREVIEW_VSCROLL);
    controls.dotRule = ControlAs<QComboBox>(IDC_DOT_RULE);
    controls.invert = ControlAs<QCheckBox>(IDC_PICTURE_INVERT);
    controls.rotate = ControlAs<QCheckBox>(IDC_PICTURE_ROTATE);
    controls.fit = ControlAs<QComboBox>(IDC_PICTURE_FIT);
    controls.blockRows = ControlAs<QSpinBox>(IDC_BLOCK_ROWS);
    controls.sizeNote = ControlAs<QLabel>(IDC_PICTURE_SIZE_NOTE);
    controls.progress = ControlAs<QProgressBar>(IDC_PRINT_PROGRESS);
    controls.progressNote = ControlAs<QLabel>(IDC_PROGRESS_NOTE);
    controls.cancel = ControlAs<QPushButton>(IDC_PRINT_CANCEL);
    picture_ = std::make_unique<PicturePrinter>(*this, controls);

    const struct {
        int id;
        void (PicturePrinter::*handler)();
    } pictureButtons[] = {
        {IDC_PICTURE_OPEN, &PicturePrinter::OpenFile},
        {IDC_THRESHOLD_OK, &PicturePrinter::ApplyThreshold},
        {IDC_RASTER_MODE, &PicturePrinter::SelectRasterMode},
        {IDC_BIT_IMAGE_MODE, &PicturePrinter::SelectBitImageMode},
        {IDC_PICTURE_PRINT, &PicturePrinter::Print},
    };
    for (const auto& button : pictureButtons) {
        connect(qobject_cast<QAbstractButton*>(DialogControl(button.id)), &QAbstractButton::clicked,
                this, [this, handler = button.handler] { (picture_.get()->*handler)(); });
    }
}

void CTalvaneDlg::SetPrintableWidth(int dots) {
    if (dots == printableWidth_) return;
    printableWidth_ = dots;
    // Before the picture group exists (remembered settings at start-up) there is no
    // picture to fit.
    if (picture_) picture_->PaperWidthChanged();
}
