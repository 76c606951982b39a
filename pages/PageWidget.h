#pragma once
// The base of the tab pages and sub-pages. A page never closes itself: Enter and Esc
// that reach it from its controls stop here instead of going on to the main dialog,
// where they would press its default button or ask to quit.

#include <QKeyEvent>
#include <QWidget>

class CPageWidget : public QWidget {
    Q_OBJECT
public:
    explicit CPageWidget(QWidget* parent = nullptr) : QWidget(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QWidget::keyPressEvent(event);
        }
    }
};
