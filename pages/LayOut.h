#pragma once
// The "Label/BM" tab page: paper layout, sensor thresholds, mark distances, the sensor
// reading and the three feed buttons. Everything is sent by its button.

#include "pages/PageWidget.h"
#include <QString>

#include <functional>

class CDataEdit;
class CVRNX_LIB;
class CommandHost;
class QComboBox;
class QLineEdit;
class QPushButton;
struct NumberListRule;

class CLayOut : public CPageWidget {
    Q_OBJECT
public:
    static constexpr int IDC_GET = 1087;
    static constexpr int IDC_TEAR = 1114;
    static constexpr int IDC_CUT = 1115;
    static constexpr int IDC_AD = 1116;
    static constexpr int IDC_THRESHOLDS_SET = 1117;
    static constexpr int IDC_THRESHOLDS = 1118;
    static constexpr int IDC_PRINTER = 1119;
    static constexpr int IDC_LAYOUT_SET = 1120;
    static constexpr int IDC_DISTANCES_SET = 1121;
    static constexpr int IDC_DISTANCES = 1125;
    static constexpr int IDC_LAYOUT = 1128;
    static constexpr int IDC_MODE = 1129;
    static constexpr int IDC_PRINT_POSITION = 1130;

    // A null host leaves every handler inert.
    explicit CLayOut(CommandHost* host, QWidget* parent = nullptr);

    // The printer's answer to the sensor request, shown in the "AD:" box.
    void ShowSensorValue(const QString& text);

private:
    // The list's text to send with its length, the printer command to send it with.
    using ListCommand = std::function<void(CVRNX_LIB&, const std::string& text)>;

    void SendList(CDataEdit* edit, const NumberListRule& rule, const ListCommand& command);
    void OnLayoutSet();
    void OnThresholdsSet();
    void OnDistancesSet();
    void OnGet();
    void OnPrinterChanged(int row);
    void Feed(QPushButton* button, int (CVRNX_LIB::*feed)());

    CommandHost* host_;
    CDataEdit* layout_;
    QComboBox* mode_;
    QPushButton* layoutSet_;
    QLineEdit* ad_;
    QPushButton* get_;
    QComboBox* printer_;
    CDataEdit* thresholds_;
    QPushButton* thresholdsSet_;
    CDataEdit* distances_;
    QPushButton* distancesSet_;
    QPushButton* tear_;
    QPushButton* cut_;
    QPushButton* printPosition_;
};
