#include "console/samples/PicturePrinter.h"
#include "widgets/ShownNumbers.h"

#include "console/samples/ImageBands.h"
#include "console/samples/PictureConversion.h"
#include "console/samples/PictureFit.h"
#include "console/samples/PicturePreview.h"
#include "eventlog/EventLog.h"
#include "host/CommandHost.h"
#include "printer/VrnxLib.h"
#include "widgets/Prompts.h"
#include "widgets/SourceText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

#include <algorithm>
#include <memory>

namespace {

const char* const BIT_IMAGE_ITEMS[] = {
    QT_TRANSLATE_NOOP("PicturePrinter", "8-dot single-density"),
    QT_TRANSLATE_NOOP("PicturePrinter", "8-dot double-density"),
    QT_TRANSLATE_NOOP("PicturePrinter", "24-dot single-density"),
    QT_TRANSLATE_NOOP("PicturePrinter", "24-dot double-density")};
constexpr int BIT_IMAGE_DEFAULT = 3;
const char* const RASTER_ITEMS[] = {QT_TRANSLATE_NOOP("PicturePrinter", "Normal"),
                                    QT_TRANSLATE_NOOP("PicturePrinter", "Double-width"),
                                    QT_TRANSLATE_NOOP("PicturePrinter", "Double-height"),
                                    QT_TRANSLATE_NOOP("PicturePrinter", "Quadruple")};
constexpr int RASTER_DEFAULT = 0;
constexpr int RASTER_MODE_COUNT = 4;

constexpr uint8_t BAND_FEED = 24;
constexpr int BYTE_LOW_MASK = 0xFF;
constexpr int BYTE_SHIFT = 8;

const char* const MSG_NOTE = QT_TRANSLATE_NOOP("PicturePrinter", "Note");
const char* const MSG_OPEN_FAILED = QT_TRANSLATE_NOOP("PicturePrinter", "Picture load fail");
const char* const MSG_RELOAD_FAILED = QT_TRANSLATE_NOOP("PicturePrinter", "picture load fail");
const char* const MSG_THRESHOLD =
    QT_TRANSLATE_NOOP("PicturePrinter", "Threshold can not be greater than 255");
const char* const MSG_TOO_TALL =
    QT_TRANSLATE_NOOP("PicturePrinter", "Picture height can not be greater than 65535");
const char* const OPEN_CAPTION = QT_TRANSLATE_NOOP("PicturePrinter", "Open");
const char* const ONE_BLOCK = QT_TRANSLATE_NOOP("PicturePrinter", "One block");

// Bytes of the command heads around the image data.
constexpr size_t RASTER_HEAD_BYTES = 8;    // GS v 0 m xL xH yL yH
constexpr size_t BIT_IMAGE_HEAD_BYTES = 5; // ESC * m nL nH
constexpr size_t FEED_BYTES = 3;           // ESC J n
constexpr int PROGRESS_STEPS = 1000;

void FillList(QComboBox* list, const char* const* items, int count, int selected) {
    list->clear();
    for (int i = 0; i < count; ++i) AddTranslatedItem(list, PicturePrinter::tr(items[i]), items[i]);
    list->setCurrentIndex(selected);
}

uint8_t Low(int value) {
    return static_cast<uint8_t>(value & BYTE_LOW_MASK);
}
uint8_t High(int value) {
    return static_cast<uint8_t>((value >> BYTE_SHIFT) & BYTE_LOW_MASK);
}

} // namespace

// PNG and GIF load as well as the two formats of the design's list, so they have
// filters of their own too.
const char* const PicturePrinter::DOT_RULE_ITEMS[] = {
    QT_TRANSLATE_NOOP("PicturePrinter", "Threshold"),
    QT_TRANSLATE_NOOP("PicturePrinter", "Floyd-Steinberg"),
    QT_TRANSLATE_NOOP("PicturePrinter", "Atkinson"),
    QT_TRANSLATE_NOOP("PicturePrinter", "Ordered (Bayer 8x8)")};
const char* const PicturePrinter::FIT_ITEMS[] = {
    QT_TRANSLATE_NOOP("PicturePrinter", "Crop"),
    QT_TRANSLATE_NOOP("PicturePrinter", "Scale to fit")};

// One text, as the operator reads it in the file dialog: a translation changes the names
// before the patterns and keeps every "|" and pattern.
const char* const PicturePrinter::OPEN_FILTER = QT_TRANSLATE_NOOP(
    "PicturePrinter",
    "BMP file(*.bmp)|*.bmp|JPEG/JPG files(*.jpg,*.jpeg)|*.jpg;*.jpeg|PNG files(*.png)|*.png|"
    "GIF files(*.gif)|*.gif|Others(*.*)|*.*||");

QString PicturePrinter::OpenFilter() {
    // Every format the readers have, first (so it is the one selected), beside the
    // design's entries.
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
        if (!patterns.contains(pattern)) patterns << pattern;
    }
    return tr("All pictures") + QLatin1Char('|') + patterns.join(QLatin1Char(';')) +
           QLatin1Char('|') + tr(OPEN_FILTER);
}

PicturePrinter::PicturePrinter(CommandHost& host, const PictureControls& controls)
    : host_(host), c_(controls), sender_(host) {
    previewSize_ = c_.previewFrame->size();
    preview_ = new PicturePreview(c_.previewFrame);
    preview_->SetPicture(&picture_);
    c_.hScroll->hide();
    c_.vScroll->hide();
    if (c_.thresholdEdit->text().isEmpty())
        c_.thresholdEdit->setText(QString::number(DEFAULT_THRESHOLD));
    if (!c_.rasterMode->isChecked() && !c_.bitImageMode->isChecked())
        c_.bitImageMode->setChecked(true);
    if (c_.sizeList->count() == 0) SelectBitImageMode();
    c_.previewFrame->installEventFilter(this);
    connect(c_.hScroll, &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnScroll(Qt::Horizontal, action); });
    connect(c_.vScroll, &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnScroll(Qt::Vertical, action); });

    // The choices beyond the design start at what the design does; a change converts the
    // picture again, as "OK" does.
    if (c_.dotRule && c_.dotRule->count() == 0)
        FillList(c_.dotRule, DOT_RULE_ITEMS, DOT_RULE_COUNT, 0);
    if (c_.fit && c_.fit->count() == 0) FillList(c_.fit, FIT_ITEMS, FIT_COUNT, FIT_CROP);
    if (c_.blockRows) {
        c_.blockRows->setRange(0, RASTER_MAX_ROWS);
        c_.blockRows->setSingleStep(BLOCK_ROWS_STEP);
        c_.blockRows->setSpecialValueText(tr(ONE_BLOCK));
    }
    if (c_.dotRule)
        connect(c_.dotRule, &QComboBox::activated, this, &PicturePrinter::ApplyThreshold);
    if (c_.fit) connect(c_.fit, &QComboBox::activated, this, &PicturePrinter::ApplyThreshold);
    for (QCheckBox* box : {c_.invert, c_.rotate})
        if (box) connect(box, &QCheckBox::clicked, this, &PicturePrinter::ApplyThreshold);
    if (c_.cancel) {
        c_.cancel->hide();
        connect(c_.cancel, &QPushButton::clicked, this, &PicturePrinter::CancelPrint);
    }
    if (c_.progress) {
        c_.progress->setRange(0, PROGRESS_STEPS);
        c_.progress->hide();
    }
    connect(&sender_, &PacedSender::Progress, this, &PicturePrinter::ShowProgress);
    connect(&sender_, &PacedSender::Finished, this, &PicturePrinter::ShowFinished);
    // A setup command that could not wait for the picture's command boundary is said at
    // its button, or here when it has none.
    connect(&sender_, &PacedSender::SetupRefused, this, [this](const QString& text, QWidget* at) {
        host_.ShowHelpTip(at ? at : (c_.cancel ? c_.cancel : c_.printButton), text);
    });
}

PicturePrinter::~PicturePrinter() {
    // The preview belongs to the frame, which may outlive this object.
    if (preview_ != nullptr) preview_->SetPicture(nullptr);
}

void PicturePrinter::RecordPreviewSize() {
    previewSize_ = c_.previewFrame->size();
}

bool PicturePrinter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.previewFrame && event->type() == QEvent::Resize) {
        if (laidOutFor_.isEmpty())
            RecordPreviewSize();
        else if (!inLayout_)
            FitRangesToFrame();
    }
    return QObject::eventFilter(watched, event);
}

bool PicturePrinter::ReadThreshold(int& threshold) {
    threshold = ReadNumber(c_.thresholdEdit);
    if (threshold > THRESHOLD_MAX) {
        host_.ShowHelpTip(c_.thresholdEdit, tr(MSG_THRESHOLD));
        return false;
    }
    return true;
}

void PicturePrinter::OpenFile() {
    QWidget* owner = c_.previewFrame->window();
    const QString path =
        Prompts::OpenFile(owner, tr(OPEN_CAPTION), OpenFilter(), QStringLiteral("picture-open"));
    if (path.isEmpty()) return;
    path_ = path;
    c_.pathEdit->setText(path);

    // The earlier matrix stays printable when this picture fails.
    QString why;
    if (!LoadPicture(path, picture_, &why)) {
        Redraw();
        // The design's message, then what failed.
        Prompts::MessageBox(owner, tr(MSG_NOTE), tr(MSG_OPEN_FAILED) + QLatin1Char('\n') + why,
                            Prompts::OkOnly);
        return;
    }
    int threshold = 0;
    if (!ReadThreshold(threshold)) {
        Redraw();
        return;
    }
    Convert(threshold);
    LayOutPreview();
    Redraw();
}

void PicturePrinter::ApplyThreshold() {
    int threshold = 0;
    if (!ReadThreshold(threshold)) return;
    if (path_.isEmpty()) return;
    QImage reloaded;
    QString why;
    if (!LoadPicture(path_, reloaded, &why)) {
        Prompts::MessageBox(c_.previewFrame->window(), tr(MSG_NOTE),
                            tr(MSG_RELOAD_FAILED) + QLatin1Char('\n') + why, Prompts::OkOnly);
        return;
    }
    picture_ = std::move(reloaded);
    Convert(threshold);
    // Same file, same size: the layout and scroll positions stay. A file that changed
    // size (or was never laid out) needs bars that fit it.
    if (picture_.size() != laidOutFor_) LayOutPreview();
    Redraw();
}

void PicturePrinter::PaperWidthChanged() {
    // Nothing loaded, or a file that failed to load (the earlier matrix stays as it was).
    if (path_.isEmpty() || picture_.isNull()) return;
    ApplyThreshold();
}

void PicturePrinter::Convert(int threshold) {
    const int ruleIndex = c_.dotRule ? c_.dotRule->currentIndex() : 0;
    const DotRule rule =
        ruleIndex > 0 && ruleIndex < DOT_RULE_COUNT ? DOT_RULES[ruleIndex] : DotRule::Threshold;
    const bool invert = c_.invert && c_.invert->isChecked();
    const bool scale = c_.fit && c_.fit->currentIndex() == FIT_SCALE;
    if (c_.rotate && c_.rotate->isChecked()) picture_ = RotateQuarter(picture_);
    const QSize loaded = picture_.size();
    const int paper = host_.PrintableWidth();
    const bool scaled = scale && picture_.width() > paper;
    if (scaled) picture_ = ScaleToWidth(picture_, paper);
    if (rule == DotRule::Threshold && !invert) {
        ConvertPicture(picture_, threshold, matrix_); // the design's rule, exactly
    } else {
        DitherToDots(GreyOf(picture_, invert), rule, threshold, matrix_);
        picture_ = DotsPicture(matrix_);
    }
    // Never a silent crop: the window says what happens to a picture wider than the paper.
    if (c_.sizeNote)
        c_.sizeNote->setText(
            SizeReport(loaded, QSize(std::min(matrix_.width, paper), matrix_.height), scaled));
}

void PicturePrinter::LayOutPreview() {
    const int W = previewSize_.width();
    const int H = previewSize_.height();
    const int bar = PREVIEW_BAR_THICKNESS;
    const QPoint topLeft = c_.previewFrame->pos();
    const int L = topLeft.x();
    const int T = topLeft.y();
    const int R = L + W;
    const int B = T + H;
    laidOutFor_ = picture_.size(); // from here on the preview size stays as recorded

    c_.previewFrame->setGeometry(L, T, W, H);
    c_.previewFrame->show();
    c_.hScroll->hide();
    c_.vScroll->hide();
    scroll_ = QPoint(0, 0);

    // The picture shows inside the frame's border, and a bar takes its thickness from
    // the other direction: the bars and their ranges follow the part that is really
    // visible, so that the ends of the bars show the last column and row. (The design
    // measured both against the frame's whole size and could not reach them.)
    const QMargins border = c_.previewFrame->contentsMargins();
    const int innerW = W - border.left() - border.right();
    const int innerH = H - border.top() - border.bottom();
    const int pictureWidth = picture_.width();
    const int pictureHeight = picture_.height();
    bool wider = pictureWidth > innerW;
    bool taller = pictureHeight > innerH;
    if (wider && !taller) taller = pictureHeight > innerH - bar;
    if (taller && !wider) wider = pictureWidth > innerW - bar;
    const int visibleW = innerW - (taller ? bar : 0);
    const int visibleH = innerH - (wider ? bar : 0);

    c_.hScroll->setRange(0, std::max(0, pictureWidth - visibleW));
    c_.hScroll->setPageStep(0);
    c_.hScroll->setValue(0);
    c_.vScroll->setRange(0, std::max(0, pictureHeight - visibleH));
    c_.vScroll->setPageStep(0);
    c_.vScroll->setValue(0);
    inLayout_ = true;

    if (wider && taller) {
        c_.previewFrame->setGeometry(L, T, W - bar, H - bar);
        c_.hScroll->setGeometry(L, B - bar, W - bar, bar);
        c_.vScroll->setGeometry(R - bar, T, bar, H - bar);
    } else if (wider) {
        c_.previewFrame->setGeometry(L, T, W, H - bar);
        c_.hScroll->setGeometry(L, B - bar, W, bar);
    } else if (taller) {
        c_.previewFrame->setGeometry(L, T, W - bar, H);
        c_.vScroll->setGeometry(R - bar, T, bar, H);
    }
    c_.previewFrame->show();
    if (wider) c_.hScroll->show();
    if (taller) c_.vScroll->show();
    inLayout_ = false;
    FitRangesToFrame();
}

void PicturePrinter::FitRangesToFrame() {
    // A window layout may give the frame another size later: the ranges follow what the
    // frame really shows, and the view stays inside them.
    const QSize visible = c_.previewFrame->contentsRect().size();
    c_.hScroll->setRange(0, std::max(0, picture_.width() - visible.width()));
    c_.vScroll->setRange(0, std::max(0, picture_.height() - visible.height()));
    scroll_ = QPoint(std::min(scroll_.x(), c_.hScroll->maximum()),
                     std::min(scroll_.y(), c_.vScroll->maximum()));
    c_.hScroll->setSliderPosition(scroll_.x());
    c_.vScroll->setSliderPosition(scroll_.y());
    Redraw();
}

void PicturePrinter::OnScroll(Qt::Orientation orientation, int action) {
    QScrollBar* bar = orientation == Qt::Horizontal ? c_.hScroll : c_.vScroll;
    int& position = orientation == Qt::Horizontal ? scroll_.rx() : scroll_.ry();
    switch (action) {
    case QAbstractSlider::SliderMove:
        position = bar->sliderPosition();
        break;
    case QAbstractSlider::SliderToMinimum:
        position = 0;
        break;
    case QAbstractSlider::SliderToMaximum:
        position = bar->maximum();
        break;
    default: // arrows and page clicks leave the view where it is
        break;
    }
    bar->setSliderPosition(position);
    Redraw();
}

void PicturePrinter::Redraw() {
    if (preview_ == nullptr) return;
    preview_->SetScrollPosition(scroll_);
    preview_->update();
}

void PicturePrinter::SelectRasterMode() {
    FillList(c_.sizeList, RASTER_ITEMS, RASTER_MODE_COUNT, RASTER_DEFAULT);
}

void PicturePrinter::SelectBitImageMode() {
    FillList(c_.sizeList, BIT_IMAGE_ITEMS, BIT_IMAGE_MODE_COUNT, BIT_IMAGE_DEFAULT);
}

void PicturePrinter::Print() {
    const int blockRows = c_.blockRows ? c_.blockRows->value() : 0;
    if (blockRows > 0) {
        // Paced: the blocks leave one by one from the event loop, each making its row.
        if (host_.WarnIfPortClosed()) return;
        if (matrix_.Empty()) return;
        if (sender_.Busy()) return; // one picture at a time
        PrintPaced(c_.sizeList->currentIndex(), std::min(matrix_.width, host_.PrintableWidth()),
                   blockRows);
        return;
    }
    host_.IssueScript([this](CommandScript& rows) {
        if (matrix_.Empty()) return;
        if (sender_.Busy()) return; // one picture at a time
        const int listIndex = c_.sizeList->currentIndex();
        const int columns = std::min(matrix_.width, host_.PrintableWidth());
        if (c_.bitImageMode->isChecked())
            PrintBitImage(rows, listIndex, columns);
        else
            PrintRaster(rows, listIndex, columns);
    });
}

void PicturePrinter::PrintBitImage(CommandScript& rows, int listIndex, int columns) {
    if (listIndex < 0 || listIndex >= BIT_IMAGE_MODE_COUNT) return;
    const BitImageMode mode = BIT_IMAGE_MODES[listIndex];
    const int count = BandCount(matrix_, mode.bandHeight);
    // Every band is built before the first one goes out.
    std::vector<std::vector<uint8_t>> bands;
    bands.reserve(static_cast<size_t>(count));
    for (int band = 0; band < count; ++band)
        bands.push_back(BuildBitImageBand(matrix_, band, mode.bandHeight, columns));
    for (const auto& band : bands) {
        rows([&](CVRNX_LIB& p) { p.PrintBitImage(mode.m, Low(columns), High(columns), band.data()); });
        rows([](CVRNX_LIB& p) { p.PrintAndFeed(BAND_FEED); });
    }
}

void PicturePrinter::PrintRaster(CommandScript& rows, int listIndex, int columns) {
    if (listIndex < 0 || listIndex >= RASTER_MODE_COUNT) return;
    // The row count travels in 16 bits: a taller picture would wrap it and the printer
    // would read the rest of the block as commands.
    if (matrix_.height > RASTER_MAX_ROWS) {
        host_.ShowHelpTip(c_.printButton, tr(MSG_TOO_TALL));
        return;
    }
    const int bytesPerRow = RasterBytesPerRow(columns);
    const std::vector<uint8_t> block = BuildRasterBlock(matrix_, columns);
    rows([&](CVRNX_LIB& p) {
        p.PrintRasterImage(static_cast<uint8_t>(listIndex), Low(bytesPerRow), High(bytesPerRow),
                           Low(matrix_.height), High(matrix_.height), block.data());
    });
}

void PicturePrinter::PrintPaced(int listIndex, int columns, int blockRows) {
    std::vector<PacedSender::Step> steps;
    if (c_.bitImageMode->isChecked()) {
        // Bit-image pictures go as their bands, each with its feed: the band height is
        // the printer's, whatever the block rows say.
        if (listIndex < 0 || listIndex >= BIT_IMAGE_MODE_COUNT) return;
        const BitImageMode mode = BIT_IMAGE_MODES[listIndex];
        const int count = BandCount(matrix_, mode.bandHeight);
        for (int band = 0; band < count; ++band) {
            auto bytes = std::make_shared<std::vector<uint8_t>>(
                BuildBitImageBand(matrix_, band, mode.bandHeight, columns));
            const size_t length = BIT_IMAGE_HEAD_BYTES + bytes->size() + FEED_BYTES;
            const int rows = std::min(mode.bandHeight, matrix_.height - band * mode.bandHeight);
            steps.push_back({[this, mode, columns, bytes] {
                                 CVRNX_LIB& printer = host_.Printer();
                                 printer.PrintBitImage(mode.m, Low(columns), High(columns),
                                                       bytes->data());
                                 host_.RecordSent();
                                 printer.PrintAndFeed(BAND_FEED);
                                 host_.RecordSent();
                             },
                             length, rows});
        }
    } else {
        if (listIndex < 0 || listIndex >= RASTER_MODE_COUNT) return;
        const int bytesPerRow = RasterBytesPerRow(columns);
        const auto m = static_cast<uint8_t>(listIndex);
        for (int top = 0; top < matrix_.height; top += blockRows) {
            const int rows = std::min(blockRows, matrix_.height - top);
            auto bytes =
                std::make_shared<std::vector<uint8_t>>(BuildRasterRows(matrix_, columns, top, rows));
            const size_t length = RASTER_HEAD_BYTES + bytes->size();
            steps.push_back({[this, m, bytesPerRow, rows, bytes] {
                                 host_.Printer().PrintRasterImage(m, Low(bytesPerRow),
                                                                  High(bytesPerRow), Low(rows),
                                                                  High(rows), bytes->data());
                                 host_.RecordSent();
                             },
                             length, rows});
        }
    }
    if (steps.empty()) return;
    if (c_.printButton) c_.printButton->setEnabled(false);
    if (c_.cancel) c_.cancel->show();
    if (c_.progress) {
        c_.progress->setValue(0);
        c_.progress->show();
    }
    eventlog::Note(eventlog::Kind::Picture, "Picture started: " + std::to_string(matrix_.height) +
                                                " rows in " + std::to_string(steps.size()) + " blocks");
    sender_.Start(std::move(steps));
}

void PicturePrinter::CancelPrint() {
    sender_.Cancel();
}

void PicturePrinter::ShowProgress(const PacedSender::State& state) {
    // The bar moves a whole command at a time, as each one has gone.
    if (c_.progress && state.totalBytes > 0)
        c_.progress->setValue(static_cast<int>(state.barBytes * PROGRESS_STEPS / state.totalBytes));
    if (!c_.progressNote) return;
    const QLocale locale = shown::Numbers();
    QString text = tr("%1 of %2 bytes, %3 of %4 rows")
                       .arg(locale.toString(static_cast<qulonglong>(state.sentBytes)),
                            locale.toString(static_cast<qulonglong>(state.totalBytes)),
                            locale.toString(state.sentRows), locale.toString(state.totalRows));
    if (state.secondsLeft >= 0)
        text += tr(", about %1 s left").arg(locale.toString(state.secondsLeft, 'f', 1));
    c_.progressNote->setText(text);
}

void PicturePrinter::ShowFinished(const PacedSender::State& state) {
    eventlog::Note(eventlog::Kind::Picture,
                   (state.cancelled ? "Picture cancelled: " : "Picture finished: ") +
                       std::to_string(state.sentRows) + " of " + std::to_string(state.totalRows) +
                       " rows, " + std::to_string(state.sentBytes) + " bytes");
    if (c_.printButton) c_.printButton->setEnabled(true);
    if (c_.cancel) c_.cancel->hide();
    if (c_.progress && state.totalBytes > 0)
        c_.progress->setValue(static_cast<int>(state.sentBytes * PROGRESS_STEPS / state.totalBytes));
    if (!c_.progressNote) return;
    c_.progressNote->setText(FinishedNote(state));
}

QString PicturePrinter::FinishedNote(const PacedSender::State& state) {
    // Nobody cancelled a picture whose printer went away: the note says what happened,
    // with the rows that had really left the console.
    if (state.lost)
        return tr("Stopped: the printer on %1 was lost after %2 rows")
            .arg(host_.PortName())
            .arg(state.sentRows);
    if (!state.stoppedFor.isEmpty())
        return tr("Stopped for %1: %2 of %3 rows sent; %4 blocks (%5 rows) dropped")
            .arg(state.stoppedFor)
            .arg(state.sentRows)
            .arg(state.totalRows)
            .arg(state.totalSteps - state.sentSteps)
            .arg(state.totalRows - state.sentRows);
    if (state.cancelled)
        return tr("Cancelled: %1 of %2 rows sent, in %3 of %4 blocks")
            .arg(state.sentRows)
            .arg(state.totalRows)
            .arg(state.sentSteps)
            .arg(state.totalSteps);
    return tr("Sent: %1 rows, %2 bytes, in %3 blocks")
        .arg(state.sentRows)
        .arg(state.sentBytes)
        .arg(state.sentSteps);
}
