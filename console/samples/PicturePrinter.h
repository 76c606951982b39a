#pragma once
// The "Picture Printing" group: opening a picture, reducing it to black and white with
// the threshold, the scrollable preview, the two mode lists, and printing as bit-image
// bands (each followed by a 24-dot feed) or as one raster block, clipped to the
// printable width of the selected model. The dialog forwards the clicks of its buttons;
// the scroll bars are served here.

#include "DotMatrix.h"
#include "PicturePreview.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>

class PageHost;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QWidget;

// The dialog's controls of the group.
struct PictureControls {
    QLineEdit* pathEdit = nullptr;        // 1030, read-only
    QLineEdit* thresholdEdit = nullptr;   // 1078
    QRadioButton* rasterMode = nullptr;   // 1052 "Raser bit image"
    QRadioButton* bitImageMode = nullptr; // 1053 "Bit-image mode"
    QComboBox* sizeList = nullptr;        // 1054
    QWidget* printButton = nullptr;       // 1055, where print refusals are shown
    QWidget* previewFrame = nullptr;      // 1077
    QScrollBar* hScroll = nullptr;        // 1075
    QScrollBar* vScroll = nullptr;        // 1076
};

inline constexpr int PREVIEW_BAR_THICKNESS = 18;
inline constexpr int DEFAULT_THRESHOLD = 128;

class PicturePrinter : public QObject {
    Q_OBJECT
public:
    static const char* const OPEN_FILTER;

    // Records the preview frame's size as the preview size, puts the preview into the
    // frame, hides the scroll bars and sets the group's start-up state where the
    // dialog has not (threshold "128", "Bit-image mode" with "24-dot double-density").
    PicturePrinter(PageHost& host, const PictureControls& controls);
    ~PicturePrinter() override;

    void OpenFile();           // 1051 "Open file"
    void ApplyThreshold();     // 1079 "OK"
    void SelectRasterMode();   // 1052 clicked: refill the list, select "Normal"
    void SelectBitImageMode(); // 1053 clicked: refill the list, select "24-dot double-density"
    void Print();              // 1055 "Print"

    // Takes the frame's current size as the preview size. Until the first picture is
    // laid out the preview size also follows the frame's resizes, so a dialog whose
    // layout settles after construction needs no call.
    void RecordPreviewSize();

    const DotMatrix& Matrix() const { return matrix_; }
    const QImage& Picture() const { return picture_; }
    const QString& PicturePath() const { return path_; }
    QSize PreviewSize() const { return previewSize_; }
    QPoint ScrollPosition() const { return scroll_; }
    PicturePreview* Preview() const { return preview_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ReadThreshold(int& threshold);
    void LayOutPreview();
    void FitRangesToFrame();
    void OnScroll(Qt::Orientation orientation, int action);
    void Redraw();
    void PrintBitImage(int listIndex, int columns);
    void PrintRaster(int listIndex, int columns);

    PageHost& host_;
    PictureControls c_;
    QPointer<PicturePreview> preview_; // owned by the frame
    QString path_;
    QImage picture_;
    DotMatrix matrix_;
    QSize previewSize_;
    QSize laidOutFor_; // picture size the scroll bars were laid out for
    QPoint scroll_;
    bool inLayout_ = false; // the frame's resizes come from LayOutPreview itself
};
