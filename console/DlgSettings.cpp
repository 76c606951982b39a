// The dialog's remembered settings: which panel remembers what, and the picture
// group's and the window's own settings.

#include "console/TalvaneDlg.h"

#include "console/ExpectedReceiptWindow.h"

#include "console/ControlIds.h"
#include "console/PortPanel.h"
#include "console/RememberedSettings.h"
#include "console/SendReceivePanel.h"
#include "console/SettingPanel.h"
#include "console/samples/PicturePrinter.h"
#include "eventlog/EventLog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>

using namespace ids;

namespace {
const QString RASTER = QStringLiteral("raster");
const QString BIT_IMAGE = QStringLiteral("bit-image");
// Larger than any screen; a stored size beyond it is not a size the window had.
constexpr int MAX_WINDOW_SIDE = 16384;
} // namespace

void CTalvaneDlg::RememberSettings(bool portNamed) {
    settings_ = std::make_unique<RememberedSettings>();
    RememberedSettings& s = *settings_;
    port_->Remember(s, portNamed);
    setting_->Remember(s);
    sendReceive_->Remember(s);
    RememberPictureAndWindow(s);
    s.Custom(
        QStringLiteral("window/expected-receipt"),
        [this](const QVariant& open) { expected_->setVisible(open.toBool()); },
        [this] { return QVariant(expected_->isVisible()); });
    s.SaveWhen(expected_.get(), &ExpectedReceiptWindow::OpenChanged);
    const std::string file = RememberedSettings::FilePath().toStdString();
    eventlog::Note(eventlog::Kind::Settings,
                   s.Restored() ? "Settings restored from " + file
                                : "No settings read from " + file + "; the defaults are used");
}

void CTalvaneDlg::RememberPictureAndWindow(RememberedSettings& s) {
    // The mode first: choosing it fills the density list with that mode's items.
    s.Custom(
        QStringLiteral("picture/mode"),
        [this](const QVariant& v) {
            const QString mode = v.toString();
            if (mode == RASTER && !ControlAs<QRadioButton>(IDC_RASTER_MODE)->isChecked()) {
                ControlAs<QRadioButton>(IDC_RASTER_MODE)->setChecked(true);
                picture_->SelectRasterMode();
            } else if (mode == BIT_IMAGE &&
                       !ControlAs<QRadioButton>(IDC_BIT_IMAGE_MODE)->isChecked()) {
                ControlAs<QRadioButton>(IDC_BIT_IMAGE_MODE)->setChecked(true);
                picture_->SelectBitImageMode();
            }
        },
        [this] {
            return QVariant(ControlAs<QRadioButton>(IDC_RASTER_MODE)->isChecked() ? RASTER
                                                                                   : BIT_IMAGE);
        });
    for (int id : {IDC_RASTER_MODE, IDC_BIT_IMAGE_MODE})
        s.SaveWhen(ControlAs<QRadioButton>(id), &QAbstractButton::clicked);
    s.Combo(QStringLiteral("picture/density"), pictureDensityList_);
    s.Text(QStringLiteral("picture/threshold"), ControlAs<QLineEdit>(IDC_THRESHOLD));
    s.Combo(QStringLiteral("picture/dots"), ControlAs<QComboBox>(IDC_DOT_RULE));
    s.Combo(QStringLiteral("picture/wider"), ControlAs<QComboBox>(IDC_PICTURE_FIT));
    s.Number(QStringLiteral("picture/blockRows"), ControlAs<QSpinBox>(IDC_BLOCK_ROWS));
    s.Check(QStringLiteral("picture/invert"), ControlAs<QCheckBox>(IDC_PICTURE_INVERT));
    s.Check(QStringLiteral("picture/rotate"), ControlAs<QCheckBox>(IDC_PICTURE_ROTATE));

    s.Custom(
        QStringLiteral("window/size"),
        [this](const QVariant& v) {
            const QSize size = v.toSize();
            const QSize least = minimumSizeHint().expandedTo(minimumSize());
            if (size.isValid() && size.width() <= MAX_WINDOW_SIDE &&
                size.height() <= MAX_WINDOW_SIDE)
                resize(size.expandedTo(least));
        },
        [this] { return QVariant(size()); });
    s.Custom(
        QStringLiteral("window/position"),
        [this](const QVariant& v) {
            // A place on a screen that is no longer there would hide the window.
            const QPoint at = v.toPoint();
            if (QGuiApplication::screenAt(at) != nullptr) move(at);
        },
        [this] { return QVariant(pos()); });
}
