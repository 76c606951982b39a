#pragma once
// The --window view: the paper as it grows, redrawn while the printer prints.
#include <QLabel>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>

namespace vprinter {

class VirtualPrinter;

class PaperWindow : public QWidget {
    Q_OBJECT
public:
    explicit PaperWindow(VirtualPrinter& printer, QWidget* parent = nullptr);

private:
    void Refresh();

    VirtualPrinter& printer_;
    QScrollArea* scroll_;
    QLabel* paper_;
    QLabel* caption_;
    QTimer timer_;
    uint64_t version_ = ~0ULL;
};

} // namespace vprinter
