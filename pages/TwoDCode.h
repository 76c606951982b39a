#pragma once
// The "Two-dimensional code" tab page: code style, data, Send (stores the data in the
// printer) and Print (prints the stored symbol), with the parameter sub-page of the
// chosen style.

#include "pages/PageWidget.h"

#include <string>

class CCommandEdit;
class CDMTX;
class CPDF417;
class CQRCode;
class CommandHost;
class QCheckBox;
class QComboBox;
class QPushButton;
class QStackedLayout;

class C2DCode : public CPageWidget {
    Q_OBJECT
public:
    static constexpr int IDC_PRINT = 1087;
    static constexpr int IDC_DATA = 1089;
    static constexpr int IDC_HEX = 1090;
    static constexpr int IDC_SUB_PAGES = 1098;
    static constexpr int IDC_STYLE = 1100;
    static constexpr int IDC_SEND = 1110;

    // A null host leaves every handler inert.
    explicit C2DCode(CommandHost* host, QWidget* parent = nullptr);

    CPDF417* PDF417Page() const { return pdf417_; }
    CQRCode* QRCodePage() const { return qrCode_; }
    CDMTX* DataMatrixPage() const { return dataMatrix_; }

private:
    void OnStyleChanged(int row);
    void OnHexClicked(bool checked);
    void OnSend();
    void OnPrint();
    QString TooWide(int style) const;

    CommandHost* host_;
    QComboBox* style_;
    CCommandEdit* data_;
    QCheckBox* hex_;
    QPushButton* send_;
    QPushButton* print_;
    QWidget* container_;
    QStackedLayout* subPages_;
    CPDF417* pdf417_;
    CQRCode* qrCode_;
    CDMTX* dataMatrix_;
    // What Send stored for each style, for measuring the symbol before it prints.
    std::string stored_[3];
};
