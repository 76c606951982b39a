#pragma once
// The "Picture Printing" group: opening a picture, reducing it to black and white with
// the threshold, the scrollable preview, the two mode lists, and printing as bit-image
// bands (each followed by a 24-dot feed) or as one raster block, clipped to the
// printable width of the selected model. The dialog forwards the clicks of its buttons;
// the scroll bars are served here.

#include "console/samples/DotMatrix.h"
#include "console/samples/PacedSender.h"
#include "console/samples/PictureDither.h"
#include "console/samples/PicturePreview.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>

class CommandHost;
class CommandScript;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
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
    // Beyond the design; each may be missing, and then behaves as its default does.
    QComboBox* dotRule = nullptr;    // "Threshold" (default) or a dithering
    QCheckBox* invert = nullptr;     // "Invert"
    QCheckBox* rotate = nullptr;     // "Rotate 90°"
    QComboBox* fit = nullptr;        // "Crop" (default) or "Scale to fit"
    QSpinBox* blockRows = nullptr;   // rows per raster block; 0: one block, sent at once
    QLabel* sizeNote = nullptr;      // what happened to the picture's size
    QProgressBar* progress = nullptr;
    QLabel* progressNote = nullptr;  // bytes and rows sent, time left
    QPushButton* cancel = nullptr;   // stops a paced print after the block in flight
};

// The dot rules of the "Dots" list, by index.
inline constexpr DotRule DOT_RULES[] = {DotRule::Threshold, DotRule::FloydSteinberg,
                                        DotRule::Atkinson, DotRule::Bayer8};
inline constexpr int FIT_CROP = 0;
inline constexpr int FIT_SCALE = 1;
// The block-rows box steps by this many rows: 3 KiB blocks on 58 mm paper, 4.5 KiB on 80 mm.
inline constexpr int BLOCK_ROWS_STEP = 64;

inline constexpr int PREVIEW_BAR_THICKNESS = 18;
inline constexpr int DEFAULT_THRESHOLD = 128;

class PicturePrinter : public QObject {
    Q_OBJECT
public:
    static const char* const OPEN_FILTER;
    // The file dialog's filter: "All pictures" (every format the readers have) first,
    // then the entries of OPEN_FILTER.
    static QString OpenFilter();

    // Records the preview frame's size as the preview size, puts the preview into the
    // frame, hides the scroll bars and sets the group's start-up state where the
    // dialog has not (threshold "128", "Bit-image mode" with "24-dot double-density").
    PicturePrinter(CommandHost& host, const PictureControls& controls);
    ~PicturePrinter() override;

    void OpenFile();           // 1051 "Open file"
    void ApplyThreshold();     // 1079 "OK"
    void SelectRasterMode();   // 1052 clicked: refill the list, select "Normal"
    void SelectBitImageMode(); // 1053 clicked: refill the list, select "24-dot double-density"
    void Print();              // 1055 "Print"
    void CancelPrint();        // "Cancel" of a paced print
    // The model's printable width changed: a loaded picture is converted again, so it
    // is fitted or cropped to the new paper (as "OK" converts it again).
    void PaperWidthChanged();
    // The list texts of the extra controls.
    static const char* const DOT_RULE_ITEMS[];
    static const char* const FIT_ITEMS[];
    static constexpr int DOT_RULE_COUNT = 4;
    static constexpr int FIT_COUNT = 2;
    const PacedSender& Sender() const { return sender_; }

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
    void PrintBitImage(CommandScript& rows, int listIndex, int columns);
    void PrintRaster(CommandScript& rows, int listIndex, int columns);
    void PrintPaced(int listIndex, int columns, int blockRows);
    // Turns the loaded picture into the matrix by the chosen rule and options.
    void Convert(int threshold);
    void ShowProgress(const PacedSender::State& state);
    void ShowFinished(const PacedSender::State& state);
    QString FinishedNote(const PacedSender::State& state);

    CommandHost& host_;
    PictureControls c_;
    QPointer<PicturePreview> preview_; // owned by the frame
    QString path_;
    QImage picture_;
    DotMatrix matrix_;
    QSize previewSize_;
    QSize laidOutFor_; // picture size the scroll bars were laid out for
    QPoint scroll_;
    bool inLayout_ = false; // the frame's resizes come from LayOutPreview itself
    PacedSender sender_;
};
