#pragma once
// The "Picture Printing" group as the dialog lays it out, with a PicturePrinter behind
// it, a host on a pseudo-terminal, scripted file dialogs and message boxes, and a
// temporary folder for the pictures a test makes.

#include "console/samples/PicturePrinter.h"
#include "widgets/Prompts.h"
#include "tests/support/PageHostStandIn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

class PictureGroup {
public:
    // The preview frame's place and size in the dialog.
    static constexpr int FRAME_LEFT = 10;
    static constexpr int FRAME_TOP = 10;
    static constexpr int FRAME_WIDTH = 400;
    static constexpr int FRAME_HEIGHT = 120;

    explicit PictureGroup(bool openPort = true);
    ~PictureGroup();

    // Saves `image` in the temporary folder; returns its path.
    QString Save(const QImage& image, const QString& name, const char* format = nullptr);
    // Writes raw bytes as a file; returns its path.
    QString Write(const QByteArray& bytes, const QString& name);

    void Click(QWidget* control);
    void Open(const QString& path);
    void SetThreshold(const QString& text);
    void Print() { Click(print); }
    void ChooseListItem(int index);

    PageHostStandIn host;
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    QWidget dialog;
    QFrame* frame;
    QScrollBar* hScroll;
    QScrollBar* vScroll;
    QLineEdit* path;
    QLineEdit* threshold;
    QRadioButton* bitImage;
    QRadioButton* raster;
    QComboBox* list;
    QPushButton* open;
    QPushButton* ok;
    QPushButton* print;
    QSpinBox* blockRows;
    QComboBox* dotRule;
    QCheckBox* invert;
    QCheckBox* rotate;
    QComboBox* fit;
    QLabel* sizeNote;
    std::unique_ptr<PicturePrinter> printer;
};
