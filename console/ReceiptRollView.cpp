#include "console/ReceiptRollView.h"

#include "emulator/PrinterState.h"
#include "emulator/ReceiptImage.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {

const QColor DESK(200, 200, 200);
const QColor MARKED_BAND(255, 210, 0, 90);

} // namespace

ReceiptRollView::ReceiptRollView(QWidget* parent) : QWidget(parent) {}

void ReceiptRollView::Take(const ExpectedReceiptRoll::View& view) {
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

void ReceiptRollView::Mark(int top, int bottom) {
    markTop_ = top;
    markBottom_ = bottom;
    update();
}

void ReceiptRollView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), DESK);
    for (size_t i = 0; i < pictures_.size(); ++i)
        if (pictures_[i].height() + tops_[i] >= event->rect().top() &&
            tops_[i] <= event->rect().bottom())
            painter.drawImage(0, tops_[i], pictures_[i]);
    if (markBottom_ > markTop_)
        painter.fillRect(0, markTop_, width(), markBottom_ - markTop_, MARKED_BAND);
}

void ReceiptRollView::mousePressEvent(QMouseEvent* event) {
    if (onClick) onClick(static_cast<int>(event->position().y()));
}
