#pragma once
// The picture preview: a child that fills the dialog's preview frame and shows the
// part of the picture that starts at the scroll position, one picture dot per screen
// pixel. Where the frame reaches past the picture's edge it shows the window colour.

#include <QImage>
#include <QPoint>
#include <QWidget>

class PicturePreview : public QWidget {
    Q_OBJECT
public:
    // Lives inside `frame` and follows its size.
    explicit PicturePreview(QWidget* frame);

    void SetPicture(const QImage* picture) { picture_ = picture; }
    void SetScrollPosition(QPoint position) { scroll_ = position; }
    QPoint ScrollPosition() const { return scroll_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FitFrame();

    QWidget* frame_;
    const QImage* picture_ = nullptr;
    QPoint scroll_;
};
