#pragma once
// Loading a picture file and reducing it to black and white with a brightness
// threshold. A dot is white when threshold < 0.299 R + 0.587 G + 0.114 B, black
// otherwise; the comparison is exact, so a grey equal to the threshold is black.

#include "console/samples/DotMatrix.h"

#include <QImage>
#include <QString>

inline constexpr int THRESHOLD_MAX = 255;

// Loads any picture Qt's readers decode (PNG, JPEG, BMP, GIF, and WebP or TIFF where
// their plug-ins are installed). A file that cannot be decoded, or a JPEG or BMP that
// ends before its image data does, gives false, leaves `picture` null and says why in
// `why` when given.
bool LoadPicture(const QString& path, QImage& picture, QString* why = nullptr);

// The black-and-white picture of a dot matrix, as the preview shows it.
QImage DotsPicture(const DotMatrix& matrix);

// True when the bytes are a JPEG stream that reaches its end-of-image marker: the
// decoder would otherwise fill a cut-off picture with grey and report success.
bool JpegStreamComplete(const uint8_t* data, size_t size);

// True when a BMP file holds all the rows its header announces (uncompressed pictures).
bool BmpStreamComplete(const uint8_t* data, size_t size);

// Builds `matrix` from `picture` (one byte per dot, 1 = black) and turns the picture
// itself into the black-and-white image the preview shows. Any earlier matrix is
// replaced.
void ConvertPicture(QImage& picture, int threshold, DotMatrix& matrix);

// The rule for one colour, for tests and for palettes.
bool IsBlackDot(int red, int green, int blue, int threshold);
