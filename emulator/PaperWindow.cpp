#include "emulator/PaperWindow.h"

#include "emulator/ReceiptImage.h"
#include "emulator/VirtualPrinter.h"

#include <QPixmap>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vprinter {

namespace {
constexpr int REFRESH_MS = 100;
constexpr int WINDOW_HEIGHT = 700;
constexpr int FRAME_ROOM = 40; // scroll bar and frame beside the paper
} // namespace

PaperWindow::PaperWindow(VirtualPrinter& printer, QWidget* parent)
    : QWidget(parent), printer_(printer), scroll_(new QScrollArea(this)), paper_(new QLabel),
      caption_(new QLabel(this)) {
    setWindowTitle(
        QString("Virtual printer - %1").arg(QString::fromStdString(printer.DevicePath())));
    paper_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    scroll_->setWidget(paper_);
    scroll_->setWidgetResizable(true);
    scroll_->setBackgroundRole(QPalette::Dark);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(scroll_);
    const int width = printer.WithInterpreter([](Interpreter& i) { return i.PaperWidth(); });
    resize(width + 2 * PaperMargin(width) + FRAME_ROOM, WINDOW_HEIGHT);
    connect(&timer_, &QTimer::timeout, this, &PaperWindow::Refresh);
    timer_.start(REFRESH_MS);
    Refresh();
}

void PaperWindow::Refresh() {
    PaperBitmap paper;
    int printRow = 0;
    if (!printer_.CopyPaper(&paper, &printRow, &version_)) return;
    if (paper.Empty()) {
        caption_->setText("Waiting for data (the last receipt stays until new paper moves)");
        return;
    }
    paper.EnsureHeight(printRow); // the paper fed so far, not only what has dots
    paper_->setPixmap(QPixmap::fromImage(ReceiptToImage(paper)));
    caption_->setText(QString("Receipt in progress: %1 dot rows").arg(paper.Height()));
    scroll_->verticalScrollBar()->setValue(scroll_->verticalScrollBar()->maximum());
}

} // namespace vprinter
