#include "console/TapReceipts.h"

#include "emulator/PrinterState.h"
#include "emulator/ReceiptImage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPaintEvent>
#include <QPainter>

namespace {

const QColor DESK(200, 200, 200);
const QString PICTURE_SUFFIX = QStringLiteral("png");
constexpr int NUMBER_DIGITS = 4;

} // namespace

TapReceiptView::TapReceiptView(QWidget* parent) : QWidget(parent) {}

void TapReceiptView::Take(const ExpectedReceiptRoll::View& view) {
    size_t keep = 0;
    if (view.width == width_)
        while (keep < pictures_.size() && keep < view.receipts.size() && finished_[keep] &&
               tops_[keep] == view.receipts[keep].top)
            ++keep;
    width_ = view.width;
    pictures_.resize(keep);
    finished_.resize(keep);
    tops_.resize(keep);
    for (size_t i = keep; i < view.receipts.size(); ++i) {
        pictures_.push_back(vprinter::ReceiptToImage(*view.receipts[i].paper));
        finished_.push_back(view.receipts[i].finished);
        tops_.push_back(view.receipts[i].top);
    }
    const int margin = vprinter::PaperMargin(width_ ? width_ : vprinter::PRN_WIDTH_58MM);
    setFixedSize(width_ + 2 * margin, std::max(view.Height(), 1));
    update();
}

void TapReceiptView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), DESK);
    for (size_t i = 0; i < pictures_.size(); ++i)
        if (pictures_[i].height() + tops_[i] >= event->rect().top() && tops_[i] <= event->rect().bottom())
            painter.drawImage(0, tops_[i], pictures_[i]);
}

QStringList ReceiptFileNames(const QString& path, int receipts) {
    if (receipts <= 1) return receipts == 1 ? QStringList{path} : QStringList{};
    const QFileInfo info(path);
    const QString stem = info.suffix().compare(PICTURE_SUFFIX, Qt::CaseInsensitive) == 0
                             ? info.dir().filePath(info.completeBaseName())
                             : path;
    QStringList names;
    for (int i = 1; i <= receipts; ++i)
        names << QStringLiteral("%1-%2.%3").arg(stem).arg(i, NUMBER_DIGITS, 10, QLatin1Char('0')).arg(PICTURE_SUFFIX);
    return names;
}

bool SaveReceiptPictures(const ExpectedReceiptRoll::View& view, const QStringList& names,
                         files::Failure& failure) {
    for (int i = 0; i < names.size() && i < static_cast<int>(view.receipts.size()); ++i) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!vprinter::ReceiptToImage(*view.receipts[static_cast<size_t>(i)].paper).save(&buffer, "PNG")) {
            failure = {QCoreApplication::translate("TapWindow", "%1: the picture cannot be made")
                           .arg(names[i])
                           .toStdString(),
                       false};
            return false;
        }
        if (!files::SaveFile(QFile::encodeName(names[i]).toStdString(),
                             std::string_view(png.constData(), static_cast<size_t>(png.size())), failure))
            return false;
    }
    return true;
}
