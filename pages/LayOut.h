#pragma once
// The "Label/BM" tab page: paper layout, sensor thresholds, mark distances, the sensor
// reading and the three feed buttons.

#include <QString>
#include <QWidget>

class PageHost;

class CLayOut : public QWidget {
    Q_OBJECT
public:
    explicit CLayOut(PageHost* host, QWidget* parent = nullptr);

    // The printer's answer to the sensor request, shown in the "AD:" box.
    void ShowSensorValue(const QString& text);

private:
    PageHost* host_;
};
