#pragma once
// A picture of black and white dots at random (half of each), the same for the same
// seed: a worst case for picture commands, since no row repeats another.
#include <QImage>
#include <random>

inline QImage NoisePicture(int width, int height, unsigned seed) {
    QImage picture(width, height, QImage::Format_RGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, random() % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return picture;
}
