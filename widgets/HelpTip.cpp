#include "widgets/HelpTip.h"

#include "eventlog/EventLog.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int PADDING = 8;
constexpr int STEM = 10;        // height of the pointer from the balloon to the point
constexpr int STEM_OFFSET = 16; // horizontal distance of the pointer from the left edge
constexpr int MAX_TEXT_WIDTH = 360;
const QColor BALLOON(255, 255, 225);
const QColor BALLOON_EDGE(118, 118, 118);
} // namespace

CHelpTip::CHelpTip() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    hideTimer_ = new QTimer(this);
    hideTimer_->setSingleShot(true);
    connect(hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

CHelpTip::~CHelpTip() = default;

void CHelpTip::Create(QWidget* owner) {
    if (owner) setFont(owner->font());
    created_ = true;
}

void CHelpTip::ShowAt(const QPoint& screenPoint, const QString& text) {
    text_ = text;
    tipPoint_ = screenPoint;
    // The balloon goes after a few seconds; what it said stays in the event log.
    eventlog::Note(eventlog::Kind::Said, text.toStdString());
    if (!created_) return;
    const QRect textRect =
        fontMetrics().boundingRect(QRect(0, 0, MAX_TEXT_WIDTH, 10000), Qt::TextWordWrap, text);
    resize(textRect.width() + 2 * PADDING + 1, textRect.height() + 2 * PADDING + STEM + 1);
    QPoint topLeft = screenPoint - QPoint(STEM_OFFSET, 0);
    if (const QScreen* screen = QGuiApplication::screenAt(screenPoint)) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() - width())));
    }
    move(topLeft);
    setAccessibleName(text);
    show();
    raise();
    update();
    hideTimer_->start(SHOW_MS);
}

void CHelpTip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.5, STEM + 0.5, width() - 1.0, height() - STEM - 1.0);
    const qreal stemX = qBound<qreal>(8, tipPoint_.x() - x(), width() - 16);
    QPainterPath path;
    path.addRoundedRect(body, 6, 6);
    QPainterPath stem;
    stem.moveTo(stemX, 0.5);
    stem.lineTo(stemX + 4, body.top() + 1);
    stem.lineTo(stemX + 14, body.top() + 1);
    stem.closeSubpath();
    path = path.united(stem);
    p.setPen(QPen(BALLOON_EDGE, 1));
    p.setBrush(BALLOON);
    p.drawPath(path);
    p.setPen(Qt::black);
    p.drawText(body.adjusted(PADDING, PADDING, -PADDING, -PADDING).toRect(), Qt::TextWordWrap,
               text_);
}

void CHelpTip::mousePressEvent(QMouseEvent*) {
    hide();
}
