#include "LayOut.h"

CLayOut::CLayOut(PageHost* host, QWidget* parent) : QWidget(parent), host_(host) {}

void CLayOut::ShowSensorValue(const QString& text) { (void)text; }
