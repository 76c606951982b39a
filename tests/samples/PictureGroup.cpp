#include "tests/samples/PictureGroup.h"

#include <QFile>
#include <QTest>

namespace {

template <typename T> T* Named(T* widget, int id, const QRect& geometry) {
    widget->setObjectName(QStringLiteral("ctl%1").arg(id));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

PictureGroup::PictureGroup(bool openPort) {
    dialog.resize(720, 260);
    frame =
        Named(new QFrame(&dialog), 1077, QRect(FRAME_LEFT, FRAME_TOP, FRAME_WIDTH, FRAME_HEIGHT));
    frame->setFrameShape(QFrame::Box);
    hScroll = Named(new QScrollBar(Qt::Horizontal, &dialog), 1075, QRect(10, 140, 400, 18));
    vScroll = Named(new QScrollBar(Qt::Vertical, &dialog), 1076, QRect(420, 10, 18, 120));
    threshold = Named(new QLineEdit(&dialog), 1078, QRect(450, 10, 60, 24));
    ok = Named(new QPushButton(QStringLiteral("OK"), &dialog), 1079, QRect(520, 10, 60, 24));
    bitImage = Named(new QRadioButton(QStringLiteral("Bit-image mode"), &dialog), 1053,
                     QRect(450, 40, 200, 24));
    raster = Named(new QRadioButton(QStringLiteral("Raser bit image"), &dialog), 1052,
                   QRect(450, 70, 200, 24));
    list = Named(new QComboBox(&dialog), 1054, QRect(450, 100, 200, 24));
    path = Named(new QLineEdit(&dialog), 1030, QRect(450, 130, 260, 24));
    path->setReadOnly(true);
    open = Named(new QPushButton(QStringLiteral("Open file"), &dialog), 1051,
                 QRect(450, 160, 100, 24));
    print =
        Named(new QPushButton(QStringLiteral("Print"), &dialog), 1055, QRect(560, 160, 100, 24));

    blockRows = Named(new QSpinBox(&dialog), 1205, QRect(450, 190, 100, 24));
    dotRule = Named(new QComboBox(&dialog), 1201, QRect(560, 190, 150, 24));
    invert = Named(new QCheckBox(QStringLiteral("Invert"), &dialog), 1202, QRect(450, 220, 80, 24));
    rotate = Named(new QCheckBox(QStringLiteral("Rotate 90°"), &dialog), 1203,
                   QRect(530, 220, 100, 24));
    fit = Named(new QComboBox(&dialog), 1204, QRect(630, 220, 80, 24));
    sizeNote = Named(new QLabel(&dialog), 1206, QRect(10, 200, 400, 24));

    PictureControls controls;
    controls.blockRows = blockRows;
    controls.dotRule = dotRule;
    controls.invert = invert;
    controls.rotate = rotate;
    controls.fit = fit;
    controls.sizeNote = sizeNote;
    controls.pathEdit = path;
    controls.thresholdEdit = threshold;
    controls.rasterMode = raster;
    controls.bitImageMode = bitImage;
    controls.sizeList = list;
    controls.printButton = print;
    controls.previewFrame = frame;
    controls.hScroll = hScroll;
    controls.vScroll = vScroll;
    printer = std::make_unique<PicturePrinter>(host, controls);

    // The dialog only forwards clicks.
    PicturePrinter* p = printer.get();
    QObject::connect(open, &QPushButton::clicked, [p] { p->OpenFile(); });
    QObject::connect(ok, &QPushButton::clicked, [p] { p->ApplyThreshold(); });
    QObject::connect(raster, &QRadioButton::clicked, [p] { p->SelectRasterMode(); });
    QObject::connect(bitImage, &QRadioButton::clicked, [p] { p->SelectBitImageMode(); });
    QObject::connect(print, &QPushButton::clicked, [p] { p->Print(); });

    dialog.show();
    if (openPort) host.OpenPort();
}

PictureGroup::~PictureGroup() {
    printer.reset();
}

QString PictureGroup::Save(const QImage& image, const QString& name, const char* format) {
    const QString file = dir.filePath(name);
    image.save(file, format);
    return file;
}

QString PictureGroup::Write(const QByteArray& bytes, const QString& name) {
    const QString file = dir.filePath(name);
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    return file;
}

void PictureGroup::Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

void PictureGroup::Open(const QString& file) {
    prompts.openPaths.push_back(file);
    Click(open);
}

void PictureGroup::SetThreshold(const QString& text) {
    threshold->selectAll();
    QTest::keyClick(threshold, Qt::Key_Backspace);
    QTest::keyClicks(threshold, text);
}

void PictureGroup::ChooseListItem(int index) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
}
