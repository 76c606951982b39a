#pragma once
// The picture preview: a child that fills the dialog's preview frame and shows the
// part of the picture that starts at the scroll position, one picture dot per screen
// pixel. Where the frame reaches past the picture's edge it shows the window colour.
// "Fit to box" (its context menu, or a double click) shows the whole picture reduced
// to the box instead; the one-to-one view comes back the same way.

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
    void SetFitted(bool fitted);
    bool Fitted() const { return fitted_; }

    static constexpr const char* FIT_TEXT = QT_TRANSLATE_NOOP("PicturePreview", "Fit to box");

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FitFrame();

    QWidget* frame_;
    const QImage* picture_ = nullptr;
    QPoint scroll_;
    bool fitted_ = false;
    class QAction* fitAction_ = nullptr;
};
