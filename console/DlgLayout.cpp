// The widget tree of the main dialog: every group of the window with its controls,
// each named "ctl<id>" and given an accessible name. Behaviour is wired elsewhere.

#include "pages/CommandEdit.h"
#include "console/ControlBuilder.h"
#include "console/ControlIds.h"
#include "console/PortPanel.h"
#include "console/RecordsPanel.h"
#include "console/SendReceivePanel.h"
#include "console/SettingPanel.h"
#include "console/StatusPanel.h"
#include "widgets/LampButton.h"
#include "console/TalvaneDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPoint>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "console/RecordsView.h"

using namespace ids;

namespace {
constexpr int GROUP_SPACING = 6;
} // namespace

using controls::Builder;
using controls::Group;
using controls::Named;

void CTalvaneDlg::BuildLayout() {
    setWindowTitle(QStringLiteral("Talvane"));
    setObjectName(QStringLiteral("Talvane"));
    setAccessibleName(QStringLiteral("Talvane"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    auto* left = new QVBoxLayout;
    left->setSpacing(GROUP_SPACING);
    port_ = std::make_unique<PortPanel>(*this, *ports_, this);
    left->addWidget(port_->Widget());
    left->addWidget(BuildQuickTestGroup());
    setting_ = std::make_unique<SettingPanel>(*this, this);
    left->addWidget(setting_->Widget());
    sendReceive_ = std::make_unique<SendReceivePanel>(*this, this);
    left->addWidget(sendReceive_->SendWidget(), 3);
    left->addWidget(sendReceive_->ReceiveWidget(), 2);
    heldGroups_.push_back(sendReceive_->SendWidget());

    auto* right = new QVBoxLayout;
    right->setSpacing(GROUP_SPACING);
    QWidget* picture = BuildPictureGroup();
    QWidget* others = BuildOthersGroup();
    right->addWidget(picture, 2);
    right->addWidget(others, 5);
    heldGroups_.push_back(picture);
    heldGroups_.push_back(others);
    status_ = std::make_unique<StatusPanel>(*this, this);
    right->addWidget(status_->Widget());
    recordsPanel_ = std::make_unique<RecordsPanel>(*this, *recordsModel_, this);
    right->addWidget(recordsPanel_->Widget(), 2);

    auto* top = new QHBoxLayout(this);
    top->setContentsMargins(8, 8, 8, 8);
    top->setSpacing(10);
    // The left column keeps its natural width; the right one (pictures, pages, records)
    // takes what the window gives.
    top->addLayout(left, 0);
    top->addLayout(right, 1);
}

QWidget* CTalvaneDlg::BuildQuickTestGroup() {
    static const char* const CAPTIONS[] = {
        QT_TR_NOOP("Font Sample"), QT_TR_NOOP("Print"),   QT_TR_NOOP("Margins"),
        QT_TR_NOOP("Coordinate"),  QT_TR_NOOP("Density"), QT_TR_NOOP("Horizon tab"),
        QT_TR_NOOP("Verti tab"),   QT_TR_NOOP("Picture"), QT_TR_NOOP("Alignment"),
        QT_TR_NOOP("Bar-code"),    QT_TR_NOOP("QRCode"),  QT_TR_NOOP("Cutting"),
    };
    constexpr int COLUMNS = 4;
    QGroupBox* box = Group(this, tr("Quick Test"));
    Builder b(box, box->title());
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(3);
    for (int id = IDC_QUICK_FIRST; id <= IDC_QUICK_LAST; ++id) {
        const int i = id - IDC_QUICK_FIRST;
        g->addWidget(b.Button(id, tr(CAPTIONS[i])), i / COLUMNS, i % COLUMNS);
    }
    return box;
}

QWidget* CTalvaneDlg::BuildPictureGroup() {
    QGroupBox* box = Group(this, tr("Picture Printing"));
    Builder b(box, box->title());
    preview_ = Named(new QLabel(box), IDC_PREVIEW, tr("Picture preview"), box->title());
    preview_->setFrameShape(QFrame::Box);
    preview_->setFrameShadow(QFrame::Sunken);
    preview_->setMinimumSize(200, 120);
    preview_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    previewHScroll_ = Named(new QScrollBar(Qt::Horizontal, box), IDC_PREVIEW_HSCROLL,
                            tr("Preview horizontal scroll"), box->title());
    previewVScroll_ = Named(new QScrollBar(Qt::Vertical, box), IDC_PREVIEW_VSCROLL,
                            tr("Preview vertical scroll"), box->title());
    QLineEdit* threshold = b.DigitEdit(IDC_THRESHOLD, tr("Threshold"));
    QRadioButton* bitImage = b.Radio(IDC_BIT_IMAGE_MODE, tr("Bit-image mode"));
    QRadioButton* raster = b.Radio(IDC_RASTER_MODE, tr("Raser bit image"));
    auto* modeGroup = new QButtonGroup(box);
    modeGroup->addButton(bitImage);
    modeGroup->addButton(raster);
    pictureDensityList_ = b.Combo(IDC_PICTURE_DENSITY, tr("Picture density"));
    QLineEdit* path = b.Edit(IDC_PICTURE_PATH, tr("Picture path"));
    path->setReadOnly(true);

    auto* previewGrid = new QGridLayout;
    previewGrid->setSpacing(0);
    previewGrid->addWidget(preview_, 0, 0);
    previewGrid->addWidget(previewVScroll_, 0, 1);
    previewGrid->addWidget(previewHScroll_, 1, 0);

    auto* side = new QVBoxLayout;
    side->setSpacing(3);
    auto* thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(b.Label(tr("Threshold"), threshold));
    thresholdRow->addWidget(threshold);
    thresholdRow->addWidget(b.Button(IDC_THRESHOLD_OK, tr("OK")));
    side->addLayout(thresholdRow);
    side->addWidget(new QLabel(tr("Mode"), box));
    side->addWidget(bitImage);
    side->addWidget(raster);
    side->addWidget(pictureDensityList_);
    side->addWidget(path);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(b.Button(IDC_PICTURE_OPEN, tr("Open file")));
    fileRow->addWidget(b.Button(IDC_PICTURE_PRINT, tr("Print")));
    side->addLayout(fileRow);
    side->addStretch();

    // How the picture becomes dots and goes out; every default is the design's.
    auto* options = new QGridLayout;
    options->setVerticalSpacing(3);
    QComboBox* rule = b.Combo(IDC_DOT_RULE, tr("Dots"));
    QComboBox* fit = b.Combo(IDC_PICTURE_FIT, tr("Wider than paper"));
    auto* rows = Named(new QSpinBox(box), IDC_BLOCK_ROWS, tr("Rows per block"), box->title());
    rows->setToolTip(tr("Rows per raster block, sent paced to the line with "
                        "progress and Cancel; \"One block\" sends it at once"));
    options->addWidget(b.Label(tr("Dots"), rule), 0, 0);
    options->addWidget(rule, 0, 1);
    options->addWidget(b.Check(IDC_PICTURE_INVERT, tr("Invert")), 1, 0);
    options->addWidget(b.Check(IDC_PICTURE_ROTATE, tr("Rotate 90°")), 1, 1);
    options->addWidget(b.Label(tr("Wider"), fit), 2, 0);
    options->addWidget(fit, 2, 1);
    options->addWidget(b.Label(tr("Rows/block"), rows), 3, 0);
    options->addWidget(rows, 3, 1);
    auto* sizeNote =
        Named(new QLabel(box), IDC_PICTURE_SIZE_NOTE, tr("Picture size"), box->title());
    sizeNote->setWordWrap(true);
    options->addWidget(sizeNote, 4, 0, 1, 2);
    options->setRowStretch(5, 1);

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(
        Named(new QProgressBar(box), IDC_PRINT_PROGRESS, tr("Picture sent"), box->title()), 1);
    progressRow->addWidget(
        Named(new QLabel(box), IDC_PROGRESS_NOTE, tr("Picture progress"), box->title()), 2);
    progressRow->addWidget(b.Button(IDC_PRINT_CANCEL, tr("Cancel")));

    auto* h = new QHBoxLayout;
    h->addLayout(previewGrid, 1);
    h->addLayout(side);
    h->addLayout(options);
    auto* v = new QVBoxLayout(box);
    v->addLayout(h, 1);
    v->addLayout(progressRow);
    return box;
}

QWidget* CTalvaneDlg::BuildOthersGroup() {
    QGroupBox* box = Group(this, tr("Others"));
    pageTabs_ = Named(new QTabWidget(box), IDC_PAGE_TABS, tr("Others"), QString());
    pageTabs_->setMinimumHeight(180);
    auto* v = new QVBoxLayout(box);
    v->addWidget(pageTabs_);
    return box;
}

void CTalvaneDlg::HoldGroupsAtDesignHeight() {
    // Up to the design's size the groups share the height as they always did; beyond it
    // the pages, the picture and the send edit keep their compact height and the extra
    // rows go to the operation records and the receive panel, the views that fill up.
    const QSize was = size();
    ensurePolished();
    resize(DESIGN_WIDTH, DESIGN_HEIGHT);
    layout()->activate();
    for (QWidget* group : heldGroups_) group->setMaximumHeight(group->height());
    resize(was);
}
