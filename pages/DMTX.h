#pragma once
// The DataMatrix parameter sub-page: symbol size and module width; each change goes to
// the printer at once.

#include "PageWidget.h"

class PageHost;
class QComboBox;
class QLineEdit;

class CDMTX : public CPageWidget {
    Q_OBJECT
public:
    static constexpr int IDC_VERSION = 1122;
    static constexpr int IDC_MODULE_WIDTH = 1123;

    explicit CDMTX(PageHost* host, QWidget* parent = nullptr);

private:
    void OnVersionChanged(int row);
    void OnModuleWidthChanged();

    PageHost* host_;
    QComboBox* version_;
    QLineEdit* moduleWidth_;
};
