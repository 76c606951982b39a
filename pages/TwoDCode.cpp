#include "TwoDCode.h"

C2DCode::C2DCode(PageHost* host, QWidget* parent) : QWidget(parent), host_(host) {}
