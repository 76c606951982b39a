#pragma once
// The "Barcode" tab page: ten one-dimensional symbologies, their data rules, module
// width, bar height and the position of the human-readable text. Width, height and
// text position go to the printer as they change; the barcode on "Print".

#include "pages/PageWidget.h"

class CCommandEdit;
class CommandHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CBarcode : public CPageWidget {
    Q_OBJECT
public:
    // Control ids of the page's template.
    static constexpr int IDC_UNIT_WIDTH = 1081;
    static constexpr int IDC_BAR_HEIGHT = 1082;
    static constexpr int IDC_DISPLAY = 1083;
    static constexpr int IDC_CODE = 1084;
    static constexpr int IDC_INSTRUCTIONS = 1085;
    static constexpr int IDC_DATA = 1086;
    static constexpr int IDC_PRINT = 1087;
    static constexpr int IDC_HEX = 1121;

    // A null host leaves every handler inert.
    explicit CBarcode(CommandHost* host, QWidget* parent = nullptr);

private:
    void OnUnitWidthChanged();
    void OnBarHeightChanged();
    void OnDisplayChanged(int row);
    void OnCodeChanged(int row);
    void OnHexClicked(bool checked);
    void OnPrint();

    CommandHost* host_;
    QLineEdit* unitWidth_;
    QLineEdit* barHeight_;
    QComboBox* display_;
    QComboBox* code_;
    CCommandEdit* data_;
    QCheckBox* hex_;
    QLabel* instructions_;
    QPushButton* print_;
};
