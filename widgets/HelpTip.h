#pragma once
// The balloon that shows a short message at a point of the screen: range errors at
// the offending control, "Please Open the Port" at the COM button.

#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

class CHelpTip : public QWidget {
    Q_OBJECT
public:
    // The balloon hides by itself after this long, or on a click.
    static constexpr int SHOW_MS = 4000;

    CHelpTip();
    ~CHelpTip() override;

    // The tip has no window until it is created on its owner dialog.
    void Create(QWidget* owner);
    bool HasWindow() const { return created_; }

    // Shows `text` with the balloon's tip at `screenPoint`.
    void ShowAt(const QPoint& screenPoint, const QString& text);
    QString Text() const { return text_; }
    QPoint TipPoint() const { return tipPoint_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool created_ = false;
    QString text_;
    QPoint tipPoint_;
    QTimer* hideTimer_ = nullptr;
};
