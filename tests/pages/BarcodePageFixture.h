#pragma once
// The barcode page on an open port, its controls at hand.

#include "pages/Barcode.h"
#include "pages/CommandEdit.h"
#include "tests/pages/PageFixture.h"

#include <QPushButton>

#include <memory>

class BarcodePage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.OpenPort());
        page = std::make_unique<CBarcode>(&host);
        page->show();
        width = Ctl<QLineEdit>(page.get(), CBarcode::IDC_UNIT_WIDTH);
        height = Ctl<QLineEdit>(page.get(), CBarcode::IDC_BAR_HEIGHT);
        display = Ctl<QComboBox>(page.get(), CBarcode::IDC_DISPLAY);
        code = Ctl<QComboBox>(page.get(), CBarcode::IDC_CODE);
        data = Ctl<CCommandEdit>(page.get(), CBarcode::IDC_DATA);
        hex = Ctl<QCheckBox>(page.get(), CBarcode::IDC_HEX);
        print = Ctl<QPushButton>(page.get(), CBarcode::IDC_PRINT);
    }

    // Prints `text` as symbology `type`; returns the record row, empty when refused.
    std::string PrintAs(int type, const QString& text) {
        Choose(code, type);
        Retype(data, text);
        host.Forget();
        Click(print);
        return host.rows.empty() ? std::string() : host.rows.front();
    }

    PageFixture host;
    std::unique_ptr<CBarcode> page;
    QLineEdit* width = nullptr;
    QLineEdit* height = nullptr;
    QComboBox* display = nullptr;
    QComboBox* code = nullptr;
    CCommandEdit* data = nullptr;
    QCheckBox* hex = nullptr;
    QPushButton* print = nullptr;
};
