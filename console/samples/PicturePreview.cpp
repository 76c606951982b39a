#include "console/samples/PicturePreview.h"

#include <QAction>
#include <QEvent>
#include <QMouseEvent>
#include <QFrame>
#include <QPainter>

PicturePreview::PicturePreview(QWidget* frame) : QWidget(frame), frame_(frame) {
    setObjectName(QStringLiteral("picturePreview"));
    setAccessibleName(tr("Picture preview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    frame_->installEventFilter(this);
    fitAction_ = new QAction(tr(FIT_TEXT), this);
    fitAction_->setCheckable(true);
    connect(fitAction_, &QAction::toggled, this, &PicturePreview::SetFitted);
    addAction(fitAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
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
    if (fitted_) {
        // Reduced, never enlarged: a small picture already shows whole.
        QSize shown = picture_->size();
        if (shown.width() > width() || shown.height() > height())
            shown.scale(size(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), shown), *picture_);
        return;
    }
    const QRect source(scroll_, size());
    painter.drawImage(QPoint(0, 0), *picture_, source.intersected(picture_->rect()));
}

void PicturePreview::SetFitted(bool fitted) {
    fitted_ = fitted;
    if (fitAction_->isChecked() != fitted) fitAction_->setChecked(fitted);
    update();
}

void PicturePreview::mouseDoubleClickEvent(QMouseEvent* event) {
    SetFitted(!fitted_);
    event->accept();
}
