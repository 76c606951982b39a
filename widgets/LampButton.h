#pragma once
// A shaded push button that shows its caption beside a lamp, on or off. The COM
// button and the printer status indicators use it.

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int shade_ = SHADE_FLAT_GREY;
    bool lampOn_ = false;
};
