#include "Barcode.h"

CBarcode::CBarcode(PageHost* host, QWidget* parent) : QWidget(parent), host_(host) {}
