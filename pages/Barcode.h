#pragma once
// The "Barcode" tab page: ten one-dimensional symbologies, their data rules, module
// width, bar height and the position of the human-readable text.

#include <QWidget>

class PageHost;

class CBarcode : public QWidget {
    Q_OBJECT
public:
    explicit CBarcode(PageHost* host, QWidget* parent = nullptr);

private:
    PageHost* host_;
};
