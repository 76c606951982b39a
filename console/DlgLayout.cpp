// The widget tree of the main dialog: every group of the window with its controls,
// each named "ctl<id>" and given an accessible name. Behaviour is wired elsewhere.

#include "CommandEdit.h"
#include "ControlIds.h"
#include "LampButton.h"
#include "TalvaneDlg.h"

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
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "RecordsView.h"

using namespace ids;

namespace {

constexpr int LOGO_PIXELS = 128;
constexpr int NUMBER_EDIT_WIDTH = 56;
constexpr int GROUP_SPACING = 6;

QString ControlName(int id) {
    return QStringLiteral("ctl%1").arg(id);
}

// Names a control by id and gives it its accessible name; `group` tells screen
// readers which of several same-named buttons ("Set", "Clear") this one is.
template <typename W> W* Named(W* w, int id, const QString& name, const QString& group) {
    w->setObjectName(ControlName(id));
    w->setAccessibleName(name);
    if (!group.isEmpty()) w->setAccessibleDescription(group);
    return w;
}

QString WithoutColon(QString text) {
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

class Builder {
public:
    explicit Builder(QWidget* owner, QString group = QString())
        : owner_(owner), group_(std::move(group)) {}

    QPushButton* Button(int id, const QString& caption) {
        auto* b = Named(new QPushButton(caption, owner_), id, caption, group_);
        // Only explicit clicks press a button: Enter in an edit must not.
        b->setAutoDefault(false);
        return b;
    }
    QCheckBox* Check(int id, const QString& caption) {
        return Named(new QCheckBox(caption, owner_), id, caption, group_);
    }
    QRadioButton* Radio(int id, const QString& caption) {
        return Named(new QRadioButton(caption, owner_), id, caption, group_);
    }
    // The lamp's description tells its state ("on" or "off"), not its group.
    CLampButton* Lamp(int id, const QString& caption) {
        return Named(new CLampButton(caption, owner_), id, caption, QString());
    }
    QComboBox* Combo(int id, const QString& label) {
        auto* c = Named(new QComboBox(owner_), id, WithoutColon(label), group_);
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return c;
    }
    QLineEdit* Edit(int id, const QString& label) {
        return Named(new QLineEdit(owner_), id, WithoutColon(label), group_);
    }
    // An edit that takes typed digits only.
    QLineEdit* DigitEdit(int id, const QString& label) {
        QLineEdit* e = Edit(id, label);
        static const QRegularExpression digits(QStringLiteral("[0-9]*"));
        e->setValidator(new QRegularExpressionValidator(digits, e));
        e->setMaximumWidth(NUMBER_EDIT_WIDTH);
        return e;
    }
    QLabel* Label(const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, owner_);
        l->setBuddy(buddy);
        return l;
    }

private:
    QWidget* owner_;
    QString group_;
};

QGroupBox* Group(QWidget* parent, const QString& title) {
    auto* g = new QGroupBox(title, parent);
    g->setAccessibleName(title);
    return g;
}

} // namespace

void CTalvaneDlg::BuildLayout() {
    setWindowTitle(QStringLiteral("Talvane"));
    setObjectName(QStringLiteral("Talvane"));
    setAccessibleName(QStringLiteral("Talvane"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    auto* left = new QVBoxLayout;
    left->setSpacing(GROUP_SPACING);
    left->addWidget(BuildPortGroup());
    left->addWidget(BuildQuickTestGroup());
    left->addWidget(BuildSettingGroup());
    left->addWidget(BuildSendGroup(), 3);
    left->addWidget(BuildReceiveGroup(), 2);

    auto* right = new QVBoxLayout;
    right->setSpacing(GROUP_SPACING);
    right->addWidget(BuildPictureGroup(), 2);
    right->addWidget(BuildOthersGroup(), 5);
    right->addWidget(BuildStatusGroup());
    right->addWidget(BuildRecordsGroup(), 2);

    auto* top = new QHBoxLayout(this);
    top->setContentsMargins(8, 8, 8, 8);
    top->setSpacing(10);
    // The left column keeps its natural width; the right one (pictures, pages, records)
    // takes what the window gives.
    top->addLayout(left, 0);
    top->addLayout(right, 1);
}

QWidget* CTalvaneDlg::BuildPortGroup() {
    auto* box = new QWidget(this);
    box->setAccessibleName(QStringLiteral("Port"));
    Builder b(box, QStringLiteral("Port"));
    portList_ = b.Combo(IDC_PORT_LIST, QStringLiteral("Interface:"));
    baudList_ = b.Combo(IDC_BAUD_LIST, QStringLiteral("Baudrate:"));
    handshakeList_ = b.Combo(IDC_HANDSHAKE_LIST, QStringLiteral("Handshaking:"));
    modelList_ = b.Combo(IDC_MODEL_LIST, QStringLiteral("Models:"));
    comButton_ = b.Lamp(IDC_COM_OPEN, QStringLiteral("COM Open"));
    QPushButton* init = b.Button(IDC_PRINTER_INIT, QStringLiteral("Printer Init"));
    comButton_->setMinimumWidth(110);
    init->setMinimumWidth(110);

    auto* g = new QGridLayout(box);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(4);
    g->addWidget(b.Label(QStringLiteral("Interface:"), portList_), 0, 0);
    g->addWidget(portList_, 0, 1, 1, 2);
    g->addWidget(b.Label(QStringLiteral("Baudrate:"), baudList_), 1, 0);
    g->addWidget(baudList_, 1, 1);
    g->addWidget(b.Button(IDC_BAUD_SET, QStringLiteral("Set")), 1, 2);
    g->addWidget(b.Label(QStringLiteral("Handshaking:"), handshakeList_), 2, 0);
    g->addWidget(handshakeList_, 2, 1);
    g->addWidget(b.Button(IDC_HANDSHAKE_SET, QStringLiteral("Set")), 2, 2);
    g->addWidget(b.Label(QStringLiteral("Models:"), modelList_), 3, 0);
    g->addWidget(modelList_, 3, 1);
    g->addWidget(comButton_, 0, 3);
    g->addWidget(init, 1, 3);
    g->setColumnStretch(1, 1);

    // The logo stands to the right of the COM button, a little above its top.
    logo_ = new QLabel(box);
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->setAccessibleName(QStringLiteral("Talvane logo"));
    logo_->setAlignment(Qt::AlignCenter);
    logo_->setFixedSize(LOGO_PIXELS, LOGO_PIXELS / 1.3);
    logo_->setScaledContents(false);
    g->addWidget(logo_, 0, 4, 4, 1, Qt::AlignTop | Qt::AlignLeft);
    g->setColumnMinimumWidth(4, LOGO_PIXELS);
    return box;
}

QWidget* CTalvaneDlg::BuildQuickTestGroup() {
    static const char* const CAPTIONS[] = {
        "Font Sample", "Print",   "Margins",   "Coordinate", "Density", "Horizon tab",
        "Verti tab",   "Picture", "Alignment", "Bar-code",   "QRCode",  "Cutting",
    };
    constexpr int COLUMNS = 4;
    QGroupBox* box = Group(this, QStringLiteral("Quick Test"));
    Builder b(box, box->title());
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(3);
    for (int id = IDC_QUICK_FIRST; id <= IDC_QUICK_LAST; ++id) {
        const int i = id - IDC_QUICK_FIRST;
        g->addWidget(b.Button(id, QString::fromLatin1(CAPTIONS[i])), i / COLUMNS, i % COLUMNS);
    }
    return box;
}

QWidget* CTalvaneDlg::BuildSettingGroup() {
    auto* outer = new QWidget(this);
    auto* v = new QVBoxLayout(outer);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    QGroupBox* box = Group(outer, QStringLiteral("Printer Setting"));
    Builder b(box, box->title());
    QLineEdit* spacing = b.DigitEdit(IDC_LINE_SPACING, QStringLiteral("Line spacing"));
    QLineEdit* leftMargin = b.DigitEdit(IDC_LEFT_MARGIN, QStringLiteral("Left margin"));
    QLineEdit* rightMargin = b.DigitEdit(IDC_RIGHT_MARGIN, QStringLiteral("Right margin"));
    alignmentList_ = b.Combo(IDC_ALIGNMENT_LIST, QStringLiteral("Alignment"));
    densityList_ = b.Combo(IDC_DENSITY_LIST, QStringLiteral("Density"));
    QLineEdit* coordinate = b.DigitEdit(IDC_COORDINATE, QStringLiteral("Coordinate"));
    fontList_ = b.Combo(IDC_FONT_LIST, QStringLiteral("Font size"));
    speedList_ = b.Combo(IDC_SPEED_LIST, QStringLiteral("Speed"));

    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(3);
    g->addWidget(b.Label(QStringLiteral("Line spacing"), spacing), 0, 0);
    g->addWidget(spacing, 0, 1);
    g->addWidget(b.Label(QStringLiteral("Left margin"), leftMargin), 0, 2);
    g->addWidget(leftMargin, 0, 3);
    g->addWidget(b.Label(QStringLiteral("Right margin"), rightMargin), 0, 4);
    g->addWidget(rightMargin, 0, 5);
    g->addWidget(b.Label(QStringLiteral("Alignment"), alignmentList_), 1, 0);
    g->addWidget(alignmentList_, 1, 1);
    g->addWidget(b.Label(QStringLiteral("Density"), densityList_), 1, 2);
    g->addWidget(densityList_, 1, 3);
    g->addWidget(b.Label(QStringLiteral("Coordinate"), coordinate), 1, 4);
    auto* coordRow = new QHBoxLayout;
    coordRow->addWidget(coordinate);
    coordRow->addWidget(b.Button(IDC_COORDINATE_SET, QStringLiteral("Set")));
    g->addLayout(coordRow, 1, 5);
    g->addWidget(b.Label(QStringLiteral("Font size"), fontList_), 2, 0);
    g->addWidget(fontList_, 2, 1);
    g->addWidget(b.Label(QStringLiteral("Speed"), speedList_), 2, 2);
    g->addWidget(speedList_, 2, 3, 1, 3);

    struct Style {
        int id;
        const char* caption;
    };
    static const Style STYLES[] = {
        {IDC_DOUBLE_HIGH, "Double-high"},
        {IDC_DOUBLE_WIDTH, "Double-width"},
        {IDC_BOLD, "Bold"},
        {IDC_ITALIC, "Italic"},
        {IDC_FRAME, "Frame"},
        {IDC_UNDERSCORE, "Underscore"},
        {IDC_HIGHLIGHT, "Highlight"},
    };
    constexpr int STYLE_COLUMNS = 4;
    auto* styles = new QGridLayout;
    for (int i = 0; i < 7; ++i)
        styles->addWidget(b.Check(STYLES[i].id, QString::fromLatin1(STYLES[i].caption)),
                          i / STYLE_COLUMNS, i % STYLE_COLUMNS);
    g->addLayout(styles, 3, 0, 1, 6);
    v->addWidget(box);

    // Below the box: cut mode, cutting and feeding.
    Builder c(outer, QStringLiteral("Cut and feed"));
    QRadioButton* half = c.Radio(IDC_HALF_CUT, QStringLiteral("Haft-Cut"));
    QRadioButton* full = c.Radio(IDC_FULL_CUT, QStringLiteral("Full-Cut"));
    auto* cutGroup = new QButtonGroup(outer);
    cutGroup->addButton(half);
    cutGroup->addButton(full);
    QLineEdit* cutFeed = c.DigitEdit(IDC_CUT_FEED, QStringLiteral("Feed"));
    QLineEdit* feed = c.DigitEdit(IDC_FEED_DISTANCE, QStringLiteral("Feed distance"));
    QLineEdit* back = c.DigitEdit(IDC_BACK_DISTANCE, QStringLiteral("Back distance"));
    auto* cutRow = new QHBoxLayout;
    cutRow->addWidget(new QLabel(QStringLiteral("Cut Mode"), outer));
    cutRow->addWidget(half);
    cutRow->addWidget(full);
    cutRow->addSpacing(8);
    cutRow->addWidget(c.Label(QStringLiteral("Feed"), cutFeed));
    cutRow->addWidget(cutFeed);
    cutRow->addWidget(c.Button(IDC_CUT, QStringLiteral("Cut")));
    cutRow->addStretch();
    auto* feedRow = new QHBoxLayout;
    feedRow->addWidget(c.Button(IDC_FEED, QStringLiteral("Feed")));
    feedRow->addWidget(feed);
    feedRow->addSpacing(8);
    feedRow->addWidget(c.Button(IDC_BACK, QStringLiteral("Back")));
    feedRow->addWidget(back);
    feedRow->addStretch();
    v->addLayout(cutRow);
    v->addLayout(feedRow);
    return outer;
}

QWidget* CTalvaneDlg::BuildSendGroup() {
    QGroupBox* box = Group(this, QStringLiteral("Send Data"));
    Builder b(box, box->title());
    sendEdit_ =
        Named(new CCommandEdit(box), IDC_SEND_EDIT, QStringLiteral("Send Data"), box->title());
    sendPath_ = b.Edit(IDC_SEND_PATH, QStringLiteral("File path"));
    sendPath_->setReadOnly(true);

    // Two columns of buttons keep the group low enough for a 800-pixel screen.
    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    buttons->addWidget(b.Check(IDC_SEND_HEX, QStringLiteral("HEX")), 0, 0);
    buttons->addWidget(b.Button(IDC_SEND, QStringLiteral("Send")), 1, 0);
    buttons->addWidget(b.Button(IDC_SEND_PRINT, QStringLiteral("Print")), 1, 1);
    buttons->addWidget(b.Button(IDC_SEND_CLEAR, QStringLiteral("Clear")), 2, 0);
    buttons->addWidget(b.Button(IDC_SEND_IMPORT, QStringLiteral("Import")), 2, 1);
    buttons->addWidget(b.Button(IDC_SEND_SAVE, QStringLiteral("Save")), 3, 0);
    buttons->setRowStretch(4, 1);

    auto* g = new QGridLayout(box);
    g->addWidget(sendEdit_, 0, 0);
    g->addLayout(buttons, 0, 1);
    g->addWidget(sendPath_, 1, 0);
    g->addWidget(b.Button(IDC_SEND_TEXT, QStringLiteral("Send text")), 1, 1);
    g->setRowStretch(0, 1);
    return box;
}

QWidget* CTalvaneDlg::BuildReceiveGroup() {
    QGroupBox* box = Group(this, QStringLiteral("Receive Data"));
    Builder b(box, box->title());
    receiveEdit_ = Named(new QPlainTextEdit(box), IDC_RECEIVE_EDIT, QStringLiteral("Receive Data"),
                         box->title());
    receiveEdit_->setReadOnly(true);
    receiveEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    receiveEdit_->setMinimumHeight(48);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(b.Check(IDC_RECEIVE_HEX, QStringLiteral("HEX")));
    buttons->addWidget(b.Button(IDC_RECEIVE_CLEAR, QStringLiteral("Clear")));
    buttons->addStretch();
    auto* h = new QHBoxLayout(box);
    h->addWidget(receiveEdit_, 1);
    h->addLayout(buttons);
    return box;
}

QWidget* CTalvaneDlg::BuildPictureGroup() {
    QGroupBox* box = Group(this, QStringLiteral("Picture Printing"));
    Builder b(box, box->title());
    preview_ = Named(new QLabel(box), IDC_PREVIEW, QStringLiteral("Picture preview"), box->title());
    preview_->setFrameShape(QFrame::Box);
    preview_->setFrameShadow(QFrame::Sunken);
    preview_->setMinimumSize(200, 120);
    preview_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    previewHScroll_ = Named(new QScrollBar(Qt::Horizontal, box), IDC_PREVIEW_HSCROLL,
                            QStringLiteral("Preview horizontal scroll"), box->title());
    previewVScroll_ = Named(new QScrollBar(Qt::Vertical, box), IDC_PREVIEW_VSCROLL,
                            QStringLiteral("Preview vertical scroll"), box->title());
    QLineEdit* threshold = b.DigitEdit(IDC_THRESHOLD, QStringLiteral("Threshold"));
    QRadioButton* bitImage = b.Radio(IDC_BIT_IMAGE_MODE, QStringLiteral("Bit-image mode"));
    QRadioButton* raster = b.Radio(IDC_RASTER_MODE, QStringLiteral("Raser bit image"));
    auto* modeGroup = new QButtonGroup(box);
    modeGroup->addButton(bitImage);
    modeGroup->addButton(raster);
    pictureDensityList_ = b.Combo(IDC_PICTURE_DENSITY, QStringLiteral("Picture density"));
    QLineEdit* path = b.Edit(IDC_PICTURE_PATH, QStringLiteral("Picture path"));
    path->setReadOnly(true);

    auto* previewGrid = new QGridLayout;
    previewGrid->setSpacing(0);
    previewGrid->addWidget(preview_, 0, 0);
    previewGrid->addWidget(previewVScroll_, 0, 1);
    previewGrid->addWidget(previewHScroll_, 1, 0);

    auto* side = new QVBoxLayout;
    side->setSpacing(3);
    auto* thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(b.Label(QStringLiteral("Threshold"), threshold));
    thresholdRow->addWidget(threshold);
    thresholdRow->addWidget(b.Button(IDC_THRESHOLD_OK, QStringLiteral("OK")));
    side->addLayout(thresholdRow);
    side->addWidget(new QLabel(QStringLiteral("Mode"), box));
    side->addWidget(bitImage);
    side->addWidget(raster);
    side->addWidget(pictureDensityList_);
    side->addWidget(path);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(b.Button(IDC_PICTURE_OPEN, QStringLiteral("Open file")));
    fileRow->addWidget(b.Button(IDC_PICTURE_PRINT, QStringLiteral("Print")));
    side->addLayout(fileRow);
    side->addStretch();

    auto* h = new QHBoxLayout(box);
    h->addLayout(previewGrid, 1);
    h->addLayout(side);
    return box;
}

QWidget* CTalvaneDlg::BuildOthersGroup() {
    QGroupBox* box = Group(this, QStringLiteral("Others"));
    pageTabs_ = Named(new QTabWidget(box), IDC_PAGE_TABS, QStringLiteral("Others"), QString());
    pageTabs_->setMinimumHeight(180);
    auto* v = new QVBoxLayout(box);
    v->addWidget(pageTabs_);
    return box;
}

QWidget* CTalvaneDlg::BuildStatusGroup() {
    QGroupBox* box = Group(this, QStringLiteral("Printer status"));
    Builder b(box, box->title());
    struct LampDef {
        int id;
        const char* caption;
    };
    static const LampDef LAMPS[] = {
        {IDC_LAMP_PAPER_END, "Paper-end"},     {IDC_LAMP_OVERHEAT, "Overheat"},
        {IDC_LAMP_OVERVOLTAGE, "Overvoltage"}, {IDC_LAMP_PLATEN_UP, "Platen-up"},
        {IDC_LAMP_CUTTER, "Cutter-out"},       {IDC_LAMP_BUSY, "BUSY"},
    };
    for (int i = 0; i < 6; ++i)
        statusLamps_[i] = b.Lamp(LAMPS[i].id, QString::fromLatin1(LAMPS[i].caption));
    // An operator reads green as "all well": a lit fault lamp is red. BUSY (the last)
    // only tells that the printer holds the line, and stays green.
    constexpr int BUSY_LAMP = 5;
    for (int i = 0; i < BUSY_LAMP; ++i) statusLamps_[i]->SetLampColour(Icons::LampColour::Red);
    auto* note = new QLabel(QStringLiteral("Note: BUSY status in the hardware flow control"), box);
    note->setObjectName(QStringLiteral("busyNote"));
    note->setAccessibleName(note->text());

    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(3);
    g->addWidget(b.Button(IDC_READ_STATUS, QStringLiteral("Read status")), 0, 0);
    // Three lamps beside "Read status", two and the hidden BUSY lamp beside "Clear-Buf".
    static const QPoint LAMP_CELLS[] = {{1, 0}, {2, 0}, {3, 0}, {1, 1}, {2, 1}, {3, 1}};
    for (int i = 0; i < 6; ++i) g->addWidget(statusLamps_[i], LAMP_CELLS[i].y(), LAMP_CELLS[i].x());
    g->addWidget(b.Button(IDC_CLEAR_BUFFER, QStringLiteral("Clear-Buf")), 1, 0);
    g->addWidget(note, 2, 0, 1, 4);
    statusLamps_[5]->hide();
    note->hide();
    return box;
}

QWidget* CTalvaneDlg::BuildRecordsGroup() {
    QGroupBox* box = Group(this, QStringLiteral("Operational records"));
    Builder b(box, box->title());
    recordsView_ =
        Named(new CRecordsView(box), IDC_RECORDS, QStringLiteral("Operational records"), QString());
    recordsView_->setMinimumHeight(100);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(b.Button(IDC_RECORDS_CLEAR, QStringLiteral("Clear")));
    buttons->addWidget(b.Button(IDC_RECORDS_IMPORT, QStringLiteral("Import")));
    buttons->addWidget(b.Button(IDC_RECORDS_SAVE, QStringLiteral("Save")));
    buttons->addWidget(b.Button(IDC_RECORDS_RESEND, QStringLiteral("Resend")));
    buttons->addStretch();
    auto* h = new QHBoxLayout(box);
    h->addWidget(recordsView_, 1);
    h->addLayout(buttons);
    return box;
}
