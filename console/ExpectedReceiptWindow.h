#pragma once
// The "Expected receipt" window: what the bytes the console sent this session should
// print, as paper, rendered off the user-interface thread. Opened from the main window
// (Ctrl+E, or the records' context menu); while it is closed nothing is watched or
// rendered. A records row marks the band of the roll it printed; clicking the roll
// names the row.
#include "console/ExpectedReceiptRoll.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class CVRNX_LIB;
class QLabel;
class QScrollArea;
class QTimer;

class ReceiptRollView;

class ExpectedReceiptWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDC_CLEAR = 1301;
    static constexpr int IDC_ROLL = 1302;
    static constexpr int IDC_LET_GO = 1303;

    // `port` is the console's port; `paperWidth` the selected model's width.
    ExpectedReceiptWindow(CVRNX_LIB& port, std::function<int()> paperWidth,
                          QWidget* parent = nullptr);
    ~ExpectedReceiptWindow() override;

    // A records row was made: the bytes sent since the last one are its.
    void NoteRow(int row);
    // Marks the band of the roll that `row` printed and brings it into view.
    void ShowRow(int row);
    // Starts a new roll.
    void Clear();

    // While open: the roll behind the window (tests wait on it); null while closed.
    ExpectedReceiptRoll* Roll() const { return roll_.get(); }
    // The roll as shown now (after Refresh).
    const ExpectedReceiptRoll::View& Shown() const { return view_; }
    int MarkedRow() const { return markedRow_; }
    // The view keeps to the newest receipt (it is at the end of the roll).
    bool Following() const { return following_; }
    // Takes what the renderer published; the timer does this while the window is open.
    void Refresh();

Q_SIGNALS:
    void RowClicked(int row);
    // Shown or closed by the operator (remembered between runs).
    void OpenChanged(bool open);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Start();
    void Stop();
    void ClickedAt(int rollRow);
    // Marks the band of the marked row (or none); returns it.
    const ExpectedReceiptRoll::Band* MarkBand();
    void BringIntoView(const ExpectedReceiptRoll::Band& band);

    CVRNX_LIB& port_;
    std::function<int()> paperWidth_;
    std::unique_ptr<ExpectedReceiptRoll> roll_;
    ExpectedReceiptRoll::View view_;
    uint64_t version_ = 0;
    int markedRow_ = -1;
    bool following_ = true; // the view stays at the newest receipt
    QScrollArea* scroll_ = nullptr;
    QLabel* letGo_ = nullptr; // how many receipts went, once some did
    ReceiptRollView* paper_ = nullptr;
    QTimer* timer_ = nullptr;
};
