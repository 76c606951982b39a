#include "Icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
const QColor PAPER(250, 250, 244);
const QColor BODY_LIGHT(96, 110, 128);
const QColor BODY_DARK(44, 52, 64);
const QColor ACCENT(30, 150, 90);
const QColor LAMP_OFF_CORE(24, 72, 32);
const QColor LAMP_OFF_RIM(10, 40, 16);
const QColor LAMP_ON_CORE(120, 255, 120);
const QColor LAMP_ON_RIM(20, 150, 30);
const QColor LAMP_ON_GLINT(230, 255, 230);
const QColor FAULT_ON_CORE(255, 70, 60);
const QColor FAULT_ON_RIM(170, 20, 16);
const QColor FAULT_ON_GLINT(255, 225, 220);

QPixmap Blank(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

// A small receipt printer seen from the front, with a slip coming out of the top.
void DrawPrinter(QPainter& p, qreal s, bool withText) {
    p.setRenderHint(QPainter::Antialiasing);
    // The slip.
    QPainterPath slip;
    slip.moveTo(0.30 * s, 0.36 * s);
    slip.lineTo(0.30 * s, 0.06 * s);
    for (int i = 0; i < 5; ++i) { // torn edge
        const qreal x = 0.30 * s + (i + 0.5) * 0.08 * s;
        slip.lineTo(x, (i % 2 ? 0.06 : 0.02) * s);
    }
    slip.lineTo(0.70 * s, 0.06 * s);
    slip.lineTo(0.70 * s, 0.36 * s);
    slip.closeSubpath();
    p.setPen(QPen(QColor(150, 150, 150), qMax<qreal>(1.0, s / 64)));
    p.setBrush(PAPER);
    p.drawPath(slip);
    if (withText) {
        p.setPen(QPen(QColor(70, 70, 70), qMax<qreal>(1.0, s / 48)));
        for (int i = 0; i < 3; ++i) {
            const qreal y = (0.13 + i * 0.07) * s;
            p.drawLine(QPointF(0.36 * s, y), QPointF((i == 2 ? 0.54 : 0.64) * s, y));
        }
    }
    // The body.
    QLinearGradient g(0, 0.32 * s, 0, 0.92 * s);
    g.setColorAt(0, BODY_LIGHT);
    g.setColorAt(1, BODY_DARK);
    p.setPen(QPen(BODY_DARK.darker(130), qMax<qreal>(1.0, s / 64)));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.08 * s, 0.34 * s, 0.84 * s, 0.56 * s), 0.08 * s, 0.08 * s);
    // The paper exit.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 24));
    p.drawRect(QRectF(0.26 * s, 0.38 * s, 0.48 * s, 0.05 * s));
    // The status lamp.
    p.setBrush(ACCENT);
    p.drawEllipse(QPointF(0.78 * s, 0.78 * s), 0.05 * s, 0.05 * s);
}
} // namespace

QPixmap Icons::ApplicationPixmap(int size) {
    QPixmap pm = Blank(size);
    QPainter p(&pm);
    DrawPrinter(p, size, size >= 32);
    return pm;
}

QIcon Icons::Application() {
    QIcon icon;
    for (int size : {16, 32, 48}) icon.addPixmap(ApplicationPixmap(size));
    return icon;
}

QPixmap Icons::Lamp(bool on, LampColour colour) {
    QPixmap pm = Blank(LAMP_SIZE);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(LAMP_SIZE / 2.0, LAMP_SIZE / 2.0);
    QRadialGradient g(centre - QPointF(2, 2), LAMP_SIZE / 2.0);
    const bool red = colour == LampColour::Red;
    const QColor glint = red ? FAULT_ON_GLINT : LAMP_ON_GLINT;
    const QColor core = red ? FAULT_ON_CORE : LAMP_ON_CORE;
    const QColor rim = red ? FAULT_ON_RIM : LAMP_ON_RIM;
    g.setColorAt(0, on ? glint : LAMP_OFF_CORE.lighter(160));
    g.setColorAt(0.45, on ? core : LAMP_OFF_CORE);
    g.setColorAt(1, on ? rim : LAMP_OFF_RIM);
    p.setPen(QPen(QColor(20, 30, 20), 1));
    p.setBrush(g);
    p.drawEllipse(centre, LAMP_SIZE / 2.0 - 1.5, LAMP_SIZE / 2.0 - 1.5);
    return pm;
}

QPixmap Icons::Logo(int size) {
    QPixmap pm = Blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A ring in the house colour around the printer.
    p.setPen(QPen(ACCENT, size / 24.0));
    p.setBrush(QColor(236, 244, 238));
    const qreal r = size / 2.0 - size / 24.0;
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), r, r);
    p.save();
    p.translate(size * 0.2, size * 0.16);
    DrawPrinter(p, size * 0.6, true);
    p.restore();
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(qMax(8, size / 9));
    p.setFont(f);
    p.setPen(BODY_DARK);
    p.drawText(QRectF(0, size * 0.70, size, size * 0.18), Qt::AlignCenter,
               QStringLiteral("TALVANE"));
    return pm;
}

QPixmap Icons::ByNumber(int number, int size) {
    switch (number) {
    case IDR_MAINFRAME:
        return ApplicationPixmap(size);
    case IDI_LAMP_OFF:
        return Lamp(false).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    case IDI_LAMP_ON:
        return Lamp(true).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    case IDI_LOGO:
        return Logo(size);
    default:
        return {};
    }
}
