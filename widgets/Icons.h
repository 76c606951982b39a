#pragma once
// The console's icons, drawn here rather than loaded: 128 the application icon,
// 129 the lamp off (dark green), 130 the lamp on (bright green), 131 the logo; and the
// fault lamp's "on" picture (bright red), which has no number of its own.

#include <QIcon>
#include <QPixmap>

namespace Icons {
constexpr int IDR_MAINFRAME = 128;
constexpr int IDI_LAMP_OFF = 129;
constexpr int IDI_LAMP_ON = 130;
constexpr int IDI_LOGO = 131;

constexpr int LAMP_SIZE = 16;
constexpr int LOGO_SIZE = 128;

QIcon Application(); // 16, 32 and 48 pixels
QPixmap ApplicationPixmap(int size);
// What a lit lamp says: green for a healthy or working state, red for a fault.
enum class LampColour { Green, Red };
QPixmap Lamp(bool on, LampColour colour = LampColour::Green); // 16 x 16; off is always dark
QPixmap Logo(int size = LOGO_SIZE);
// By resource number; a null pixmap for a number that is not one of ours.
QPixmap ByNumber(int number, int size);
} // namespace Icons
