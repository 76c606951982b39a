#pragma once
// Hosts a page as the main dialog would: a real command library on a pseudo-terminal
// (the console's options, opened through the port map), with the help tooltip messages
// and the operation records kept for the test, and a peer reading the printer's end.

#include "HexText.h"
#include "PageHost.h"
#include "PtyPeer.h"
#include "VrnxLib.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

struct TipShown {
    QString control; // object name of the control, "ctl1000" for the port message
    QString text;
};

class PageFixture : public PageHost {
public:
    static constexpr uint32_t TEST_BAUD = 9600;
    static constexpr uint8_t TEST_BYTE_SIZE = 8;
    static constexpr const char* COM_BUTTON = "ctl1000";

    PageFixture() { lib_.EnableSentRecord(1); }
    ~PageFixture() override { lib_.Close(); }

    bool OpenPort() {
        lib_.SetOptions(EN_CONSOLE_OPTIONS);
        return peer_.Ok() &&
               lib_.Open(peer_.PortNumber(), TEST_BAUD, NOPARITY, TEST_BYTE_SIZE, ONESTOPBIT);
    }
    void ClosePort() { lib_.Close(); }

    CVRNX_LIB& Printer() override { return lib_; }
    bool WarnIfPortClosed() override {
        if (lib_.IsOpen()) return false;
        tips.push_back({QString::fromLatin1(COM_BUTTON), QStringLiteral("Please Open the Port")});
        return true;
    }
    void ShowHelpTip(QWidget* control, const QString& text) override {
        tips.push_back({control->objectName(), text});
    }
    void AddOperationRecord(const std::string& hexText) override { rows.push_back(hexText); }
    int PrintableWidth() const override { return PRINTABLE_WIDTH; }

    // Everything the peer has received once it holds as many bytes as the records name,
    // as hex text; so a test sees that the wire carried exactly what was recorded.
    std::string Wire() {
        size_t count = 0;
        for (const std::string& row : rows) count += row.size() / HEX_CHARS_PER_BYTE;
        peer_.WaitForBytes(count, WIRE_WAIT);
        const std::vector<uint8_t> bytes = peer_.Received();
        return ToHexText(bytes.data(), bytes.size());
    }
    std::string AllRows() const {
        std::string all;
        for (const std::string& row : rows) all += row;
        return all;
    }
    void Forget() {
        Wire();
        rows.clear();
        tips.clear();
        peer_.ClearReceived();
    }

    std::vector<TipShown> tips;
    std::vector<std::string> rows;

private:
    static constexpr int PRINTABLE_WIDTH = 384;
    static constexpr std::chrono::seconds WIRE_WAIT{5};
    PtyPeer peer_;
    CVRNX_LIB lib_;
};

// ---- Driving controls as an operator does ----------------------------------------------

template <typename Control = QWidget> Control* Ctl(QWidget* page, int id) {
    auto* control = page->findChild<Control*>(QStringLiteral("ctl%1").arg(id));
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

// Selects the whole text of an edit with the navigation keys (the filtered edits drop
// Ctrl+A, as they drop every control character they do not list).
inline void SelectAll(QWidget* edit) {
    edit->setFocus();
    if (qobject_cast<QLineEdit*>(edit) != nullptr) {
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
    } else {
        QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    }
}

// Empties an edit (one change), then types `text` key by key.
inline void Retype(QWidget* edit, const QString& text) {
    SelectAll(edit);
    QTest::keyClick(edit, Qt::Key_Delete);
    if (!text.isEmpty()) QTest::keyClicks(edit, text);
}

// Pastes `text` over the whole contents of an edit with Ctrl+V.
inline void PasteOver(QWidget* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    SelectAll(edit);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

// Moves a closed drop-down list to `row` with the arrow keys.
inline void Choose(QComboBox* list, int row) {
    list->setFocus();
    while (list->currentIndex() < row) QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > row) QTest::keyClick(list, Qt::Key_Up);
}

// Clicks a button; a check box on its box, which sits at its left end.
inline void Click(QWidget* control) {
    if (qobject_cast<QCheckBox*>(control) != nullptr) {
        constexpr int BOX_CENTRE_X = 8;
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(BOX_CENTRE_X, control->height() / 2));
        return;
    }
    QTest::mouseClick(control, Qt::LeftButton);
}

inline std::string Hex(const std::string& bytes) {
    return ToHexText(std::string_view(bytes));
}
