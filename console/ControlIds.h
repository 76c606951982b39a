#pragma once
// Control ids of the main dialog. Every control's objectName is "ctl<id>", so
// handlers and tests reach it by id.

namespace ids {
// Port and model
constexpr int IDC_COM_OPEN = 1000;
constexpr int IDC_PRINTER_INIT = 1001;
constexpr int IDC_PORT_LIST = 1002;
constexpr int IDC_BAUD_LIST = 1003;
constexpr int IDC_HANDSHAKE_LIST = 1004;
constexpr int IDC_MODEL_LIST = 1071;
constexpr int IDC_BAUD_SET = 1072;
constexpr int IDC_HANDSHAKE_SET = 1073;
// Printer setting
constexpr int IDC_LINE_SPACING = 1005;
constexpr int IDC_LEFT_MARGIN = 1006;
constexpr int IDC_RIGHT_MARGIN = 1007;
constexpr int IDC_FONT_LIST = 1008;
constexpr int IDC_DENSITY_LIST = 1009;
constexpr int IDC_BOLD = 1010;
constexpr int IDC_ITALIC = 1011;
constexpr int IDC_DOUBLE_HIGH = 1012;
constexpr int IDC_DOUBLE_WIDTH = 1013;
constexpr int IDC_UNDERSCORE = 1014;
constexpr int IDC_FRAME = 1015;
constexpr int IDC_HIGHLIGHT = 1016;
constexpr int IDC_HALF_CUT = 1017;
constexpr int IDC_FULL_CUT = 1018;
constexpr int IDC_CUT_FEED = 1019;
constexpr int IDC_ALIGNMENT_LIST = 1020;
constexpr int IDC_FEED_DISTANCE = 1021;
constexpr int IDC_BACK_DISTANCE = 1022;
constexpr int IDC_COORDINATE = 1047;
constexpr int IDC_SPEED_LIST = 1048;
constexpr int IDC_CUT = 1064;
constexpr int IDC_FEED = 1065;
constexpr int IDC_BACK = 1066;
constexpr int IDC_COORDINATE_SET = 1087;
// Send and receive
constexpr int IDC_SEND_HEX = 1023;
constexpr int IDC_SEND = 1024;
constexpr int IDC_SEND_TEXT = 1025;
constexpr int IDC_SEND_PRINT = 1026;
constexpr int IDC_RECEIVE_HEX = 1027;
constexpr int IDC_SEND_EDIT = 1028;
constexpr int IDC_SEND_PATH = 1029;
constexpr int IDC_RECEIVE_EDIT = 1031;
constexpr int IDC_SEND_CLEAR = 1032;
constexpr int IDC_SEND_SAVE = 1033;
constexpr int IDC_SEND_IMPORT = 1034;
constexpr int IDC_RECEIVE_CLEAR = 1069;
// Quick test
constexpr int IDC_QUICK_FIRST = 1035; // "Font Sample"
constexpr int IDC_QUICK_LAST = 1046;  // "Cutting"
// Picture printing
constexpr int IDC_PICTURE_PATH = 1030;
constexpr int IDC_PICTURE_OPEN = 1051;
constexpr int IDC_RASTER_MODE = 1052;
constexpr int IDC_BIT_IMAGE_MODE = 1053;
constexpr int IDC_PICTURE_DENSITY = 1054;
constexpr int IDC_PICTURE_PRINT = 1055;
constexpr int IDC_PREVIEW_HSCROLL = 1075;
constexpr int IDC_PREVIEW_VSCROLL = 1076;
constexpr int IDC_PREVIEW = 1077;
constexpr int IDC_THRESHOLD = 1078;
constexpr int IDC_THRESHOLD_OK = 1079;
// Others
constexpr int IDC_PAGE_TABS = 1080;
// Printer status
constexpr int IDC_LAMP_PAPER_END = 1057;
constexpr int IDC_LAMP_OVERHEAT = 1058;
constexpr int IDC_LAMP_CUTTER = 1059;
constexpr int IDC_LAMP_OVERVOLTAGE = 1060;
constexpr int IDC_LAMP_PLATEN_UP = 1061;
constexpr int IDC_READ_STATUS = 1070;
constexpr int IDC_LAMP_BUSY = 1111;
constexpr int IDC_CLEAR_BUFFER = 1113;
// Operational records
constexpr int IDC_RECORDS = 1062;
constexpr int IDC_RECORDS_CLEAR = 1106;
constexpr int IDC_RECORDS_SAVE = 1107;
constexpr int IDC_RECORDS_RESEND = 1108;
constexpr int IDC_RECORDS_IMPORT = 1109;
// Picture printing beyond the design's template: dot rule, invert, rotation, fitting to
// the paper, sliced and paced printing with its progress.
constexpr int IDC_DOT_RULE = 1201;
constexpr int IDC_PICTURE_INVERT = 1202;
constexpr int IDC_PICTURE_ROTATE = 1203;
constexpr int IDC_PICTURE_FIT = 1204;
constexpr int IDC_BLOCK_ROWS = 1205;
constexpr int IDC_PICTURE_SIZE_NOTE = 1206;
constexpr int IDC_PRINT_PROGRESS = 1207;
constexpr int IDC_PROGRESS_NOTE = 1208;
constexpr int IDC_PRINT_CANCEL = 1209;
// The code page typed text goes out in, beside the printer settings.
constexpr int IDC_CODE_PAGE = 1210;
} // namespace ids
