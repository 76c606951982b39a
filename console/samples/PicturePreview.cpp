#include "console/samples/PicturePreview.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>

PicturePreview::PicturePreview(QWidget* frame) : QWidget(frame), frame_(frame) {
    setObjectName(QStringLiteral("picturePreview"));
    setAccessibleName(QStringLiteral("Picture preview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    frame_->installEventFilter(this);
    FitFrame();
    show();
}

void PicturePreview::FitFrame() {
    auto* framed = qobject_cast<QFrame*>(frame_);
    setGeometry(framed != nullptr ? framed->contentsRect() : frame_->rect());
}

bool PicturePreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::Resize) FitFrame();
    return QWidget::eventFilter(watched, event);
}

void PicturePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (picture_ == nullptr || picture_->isNull()) return;
    const QRect source(scroll_, size());
    painter.drawImage(QPoint(0, 0), *picture_, source.intersected(picture_->rect()));
}
