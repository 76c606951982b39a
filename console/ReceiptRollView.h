#pragma once
// A roll of expected receipts drawn as pictures on a grey desk: what the expected
// receipt window and the tap window show. Receipts are turned into pictures once;
// finished ones are not drawn again.
#include "console/ExpectedReceiptRoll.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

class ReceiptRollView : public QWidget {
    Q_OBJECT
public:
    explicit ReceiptRollView(QWidget* parent = nullptr);
    // Shows the roll; receipts already drawn and finished are not drawn again (all of
    // them after a Clear or on another width).
    void Take(const ExpectedReceiptRoll::View& view);
    // Receipts shown (the last may still grow).
    int ReceiptCount() const { return static_cast<int>(pictures_.size()); }
    // A band of the roll marked (the records row the operator chose); none when empty.
    void Mark(int top, int bottom);
    // Called with the height on the roll the operator clicked at.
    std::function<void(int)> onClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int width_ = 0;
    std::vector<QImage> pictures_;
    std::vector<bool> finished_;
    std::vector<int> tops_;
    int markTop_ = 0;
    int markBottom_ = 0;
};
