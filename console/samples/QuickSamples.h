#pragma once
// The "Printer Init" button and the twelve "Quick Test" samples. Each sample is a fixed
// script of printer commands; every command becomes its own row in the operation
// records, in order. With the port closed nothing is sent and nothing recorded.

class CommandHost;

// Control ids of the buttons.
enum QuickSampleId : int {
    ID_PRINTER_INIT = 1001,
    ID_FONT_SAMPLE = 1035,
    ID_PRINT_SAMPLE = 1036,
    ID_MARGINS_SAMPLE = 1037,
    ID_COORDINATE_SAMPLE = 1038,
    ID_DENSITY_SAMPLE = 1039,
    ID_HORIZONTAL_TAB_SAMPLE = 1040,
    ID_VERTICAL_TAB_SAMPLE = 1041,
    ID_PICTURE_SAMPLE = 1042,
    ID_ALIGNMENT_SAMPLE = 1043,
    ID_BARCODE_SAMPLE = 1044,
    ID_QRCODE_SAMPLE = 1045,
    ID_CUTTING_SAMPLE = 1046,
};

class QuickSamples {
public:
    explicit QuickSamples(CommandHost& host) : host_(host) {}

    void PrinterInit();         // 1001 "Printer Init"
    void FontSample();          // 1035 "Font Sample"
    void PrintSample();         // 1036 "Print"
    void MarginsSample();       // 1037 "Margins"
    void CoordinateSample();    // 1038 "Coordinate"
    void DensitySample();       // 1039 "Density"
    void HorizontalTabSample(); // 1040 "Horizon tab"
    void VerticalTabSample();   // 1041 "Verti tab"
    void PictureSample();       // 1042 "Picture"
    void AlignmentSample();     // 1043 "Alignment"
    void BarcodeSample();       // 1044 "Bar-code"
    void QRCodeSample();        // 1045 "QRCode"
    void CuttingSample();       // 1046 "Cutting"

    // The handler of a control id (1001, 1035..1046); false for any other id.
    bool Run(int controlId);

private:
    class Script;
    CommandHost& host_;
};
