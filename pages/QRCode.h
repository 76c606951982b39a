#pragma once
// The QR code parameter sub-page: version, module width and error correction level;
// each change goes to the printer at once.

#include "pages/PageWidget.h"

#include <cstdint>
#include <vector>

class CommandHost;
class QComboBox;
class QLineEdit;

class CQRCode : public CPageWidget {
    Q_OBJECT
public:
    static constexpr int IDC_VERSION = 1101;
    static constexpr int IDC_ERROR_LEVEL = 1102;
    static constexpr int IDC_MODULE_WIDTH = 1103;

    explicit CQRCode(CommandHost* host, QWidget* parent = nullptr);

private:
    void OnVersionChanged(int row);
    void OnModuleWidthChanged();
    void OnErrorLevelChanged(int row);

    CommandHost* host_;
    QComboBox* version_;
    QLineEdit* moduleWidth_;
    QComboBox* errorLevel_;
};
