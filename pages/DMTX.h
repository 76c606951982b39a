#pragma once
// The DataMatrix parameter sub-page: symbol size and module width; each change goes to
// the printer at once.

#include "pages/PageWidget.h"

#include <cstdint>
#include <vector>

class CommandHost;
class QComboBox;
class QLineEdit;

class CDMTX : public CPageWidget {
    Q_OBJECT
public:
    static constexpr int IDC_VERSION = 1122;
    static constexpr int IDC_MODULE_WIDTH = 1123;

    explicit CDMTX(CommandHost* host, QWidget* parent = nullptr);

private:
    void OnVersionChanged(int row);
    void OnModuleWidthChanged();

    CommandHost* host_;
    QComboBox* version_;
    QLineEdit* moduleWidth_;
};
