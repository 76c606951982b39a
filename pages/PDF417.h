#pragma once
// The PDF417 parameter sub-page: rows and columns (each a number or chosen by the
// printer), module width, row height, error correction level; each change goes to the
// printer at once.

#include "pages/PageWidget.h"

#include <cstdint>
#include <vector>

class CommandHost;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CPDF417 : public CPageWidget {
    Q_OBJECT
public:
    static constexpr int IDC_COLUMNS = 1091; // "Y:"
    static constexpr int IDC_ROWS = 1092;    // "X:"
    static constexpr int IDC_ROWS_AUTO = 1093;
    static constexpr int IDC_COLUMNS_AUTO = 1094;
    static constexpr int IDC_MODULE_WIDTH = 1095;
    static constexpr int IDC_ROW_HEIGHT = 1096;
    static constexpr int IDC_ERROR_LEVEL = 1097;
    static constexpr int IDC_CUT = 1104;

    explicit CPDF417(CommandHost* host, QWidget* parent = nullptr);

private:
    void OnRowsChanged();
    void OnColumnsChanged();
    void OnRowsAutoClicked(bool checked);
    void OnColumnsAutoClicked(bool checked);
    void OnModuleWidthChanged();
    void OnRowHeightChanged();
    void OnErrorLevelChanged(int row);
    void OnCutClicked(bool checked);

    CommandHost* host_;
    QLineEdit* rows_;
    QCheckBox* rowsAuto_;
    QLineEdit* columns_;
    QCheckBox* columnsAuto_;
    QLineEdit* moduleWidth_;
    QLineEdit* rowHeight_;
    QComboBox* errorLevel_;
    QCheckBox* cut_;
};
