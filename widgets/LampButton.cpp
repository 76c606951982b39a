#include "widgets/LampButton.h"

#include <algorithm>

#include "widgets/Icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionButton>

namespace {
constexpr int LAMP_MARGIN = 6;
constexpr int CORNER = 4;
constexpr int LAMP_TEXT_GAP = 2; // between the lamp and the caption

struct Shading {
    QColor top, bottom, border, text;
};

Shading ShadingOf(int variant, bool down, bool enabled) {
    Shading s = variant == CLampButton::SHADE_RAISED_BLUE
                    ? Shading{QColor(226, 236, 250), QColor(160, 186, 224), QColor(82, 108, 150),
                              QColor(16, 32, 64)}
                    : Shading{QColor(248, 248, 248), QColor(210, 210, 214), QColor(140, 140, 148),
                              QColor(24, 24, 24)};
    if (down) std::swap(s.top, s.bottom);
    if (!enabled) s.text = QColor(140, 140, 140);
    return s;
}
} // namespace

// What a screen reader says of the lamp, in the operator's language.
const char* const CLampButton::LAMP_ON_DESCRIPTION = QT_TRANSLATE_NOOP("CLampButton", "on");
const char* const CLampButton::LAMP_OFF_DESCRIPTION = QT_TRANSLATE_NOOP("CLampButton", "off");

CLampButton::CLampButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setIconSize(QSize(Icons::LAMP_SIZE, Icons::LAMP_SIZE));
    setIcon(QIcon(Icons::Lamp(false)));
    setMinimumHeight(Icons::LAMP_SIZE + 8);
    // A lamp is pressed by a click only, never as the window's default button.
    setAutoDefault(false);
    setAccessibleDescription(tr(LAMP_OFF_DESCRIPTION));
}

void CLampButton::SetCaption(const QString& caption) {
    setText(caption);
    setAccessibleName(caption);
}

void CLampButton::SetLampColour(Icons::LampColour colour) {
    if (colour == colour_) return;
    colour_ = colour;
    ShowLamp();
}

void CLampButton::SetShade(int variant) {
    shade_ = variant;
    update();
}

void CLampButton::SetLamp(bool on) {
    // A standing printer condition is reported with every status byte; only a change
    // needs a new icon and a repaint.
    if (on == lampOn_) return;
    lampOn_ = on;
    setAccessibleDescription(tr(on ? LAMP_ON_DESCRIPTION : LAMP_OFF_DESCRIPTION));
    ShowLamp();
}

void CLampButton::ShowLamp() {
    // Drawn once: a flood of changing status bytes must not redraw the lamp each time.
    // Kept for the life of the process (never destroyed after the application).
    static const QIcon* const LAMP_ICONS =
        new QIcon[3]{QIcon(Icons::Lamp(false)), QIcon(Icons::Lamp(true)),
                     QIcon(Icons::Lamp(true, Icons::LampColour::Red))};
    const int lit = colour_ == Icons::LampColour::Red ? 2 : 1;
    setIcon(LAMP_ICONS[lampOn_ ? lit : 0]);
    update();
}

QSize CLampButton::sizeHint() const {
    QSize hint = QPushButton::sizeHint();
    const int drawn = LAMP_MARGIN + iconSize().width() + LAMP_TEXT_GAP +
                      fontMetrics().horizontalAdvance(text()) + LAMP_MARGIN;
    hint.setWidth(std::max(hint.width(), drawn));
    return hint;
}

void CLampButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const Shading s = ShadingOf(shade_, isDown() || isChecked(), isEnabled());
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, s.top);
    g.setColorAt(1, s.bottom);
    p.setPen(QPen(hasFocus() ? s.border.darker(140) : s.border, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, CORNER, CORNER);

    const QPixmap lamp = icon().pixmap(iconSize());
    const int lampY = (height() - lamp.height()) / 2;
    p.drawPixmap(LAMP_MARGIN, lampY, lamp);
    p.setPen(s.text);
    p.setFont(font());
    const QRect textRect =
        rect().adjusted(LAMP_MARGIN + lamp.width() + LAMP_TEXT_GAP, 0, -LAMP_MARGIN, 0);
    p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine,
               fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));
}
