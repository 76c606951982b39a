#pragma once
// Preparing a picture for the paper before it becomes dots: turning it by 90 degrees,
// scaling it down to the printable width, and reading its grey values.

#include "console/samples/PictureDither.h"

#include <QImage>
#include <QString>

// A quarter turn clockwise: a landscape picture prints as a long receipt.
QImage RotateQuarter(const QImage& picture);

// Scales `picture` down to `width` dots wide, the height in proportion (at least one
// row). Each new dot is the average of the area it covers, taken in linear light, so a
// fine black-and-white pattern keeps its brightness instead of turning dark.
QImage ScaleToWidth(const QImage& picture, int width);

// The grey values of the picture (0.299 R + 0.587 G + 0.114 B), or 255 minus them
// when `invert` is set.
GreyPicture GreyOf(const QImage& picture, bool invert);

// What happened to the picture's size, for the window: "800 x 600 scaled to 384 x 288",
// "800 x 600 cropped to 384 x 600", or "384 x 200" when it fits as it is.
QString SizeReport(QSize loaded, QSize printed, bool scaled);
