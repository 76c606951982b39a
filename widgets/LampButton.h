#pragma once
// A shaded push button that shows its caption beside a lamp, on or off. The COM
// button and the printer status indicators use it. Assistive technology hears the
// caption as the button's name and the lamp as its description, "on" or "off".

#include "widgets/Icons.h"

#include <QPushButton>

class CLampButton : public QPushButton {
    Q_OBJECT
public:
    // Shading variants the console uses: 0 (status indicators) and 6 (COM button).
    static constexpr int SHADE_FLAT_GREY = 0;
    static constexpr int SHADE_RAISED_BLUE = 6;

    explicit CLampButton(const QString& caption = QString(), QWidget* parent = nullptr);

    void SetShade(int variant);
    int Shade() const { return shade_; }
    void SetLamp(bool on);
    bool IsLampOn() const { return lampOn_; }
    // The colour of the lit lamp: green (the default) or, for a fault, red.
    void SetLampColour(Icons::LampColour colour);
    Icons::LampColour LampColour() const { return colour_; }
    // Changes the caption and the accessible name with it.
    void SetCaption(const QString& caption);

    static const char* const LAMP_ON_DESCRIPTION;  // "on"
    static const char* const LAMP_OFF_DESCRIPTION; // "off"

    // Room for the lamp and the whole caption as this button draws them (a translated
    // caption may be longer than the standard button's measure allows).
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowLamp();

    int shade_ = SHADE_FLAT_GREY;
    bool lampOn_ = false;
    Icons::LampColour colour_ = Icons::LampColour::Green;
};
