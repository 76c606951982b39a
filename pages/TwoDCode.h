#pragma once
// The "Two-dimensional code" tab page: code style, data, Send (store) and Print, with
// the parameter sub-page of the chosen style.

#include <QWidget>

class PageHost;

class C2DCode : public QWidget {
    Q_OBJECT
public:
    explicit C2DCode(PageHost* host, QWidget* parent = nullptr);

private:
    PageHost* host_;
};
