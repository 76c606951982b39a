#include "console/samples/PictureFit.h"

#include <QCoreApplication>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double RED_WEIGHT = 0.299;
constexpr double GREEN_WEIGHT = 0.587;
constexpr double BLUE_WEIGHT = 0.114;
constexpr int CHANNELS = 3;
constexpr int LEVELS = 256;
constexpr double MAX_LEVEL = 255.0;
constexpr int QUARTER_TURN = 90;

// sRGB transfer curve, both ways.
constexpr double SRGB_LINEAR_LIMIT = 0.04045;
constexpr double SRGB_LINEAR_SLOPE = 12.92;
constexpr double SRGB_OFFSET = 0.055;
constexpr double SRGB_GAMMA = 2.4;
constexpr double LINEAR_LIMIT = 0.0031308;

const std::array<float, LEVELS>& ToLinear() {
    static const std::array<float, LEVELS> table = [] {
        std::array<float, LEVELS> t{};
        for (int i = 0; i < LEVELS; ++i) {
            const double c = i / MAX_LEVEL;
            t[static_cast<size_t>(i)] = static_cast<float>(
                c <= SRGB_LINEAR_LIMIT ? c / SRGB_LINEAR_SLOPE
                                       : std::pow((c + SRGB_OFFSET) / (1 + SRGB_OFFSET), SRGB_GAMMA));
        }
        return t;
    }();
    return table;
}

int FromLinear(float linear) {
    const double l = std::clamp(static_cast<double>(linear), 0.0, 1.0);
    const double c = l <= LINEAR_LIMIT
                         ? l * SRGB_LINEAR_SLOPE
                         : (1 + SRGB_OFFSET) * std::pow(l, 1 / SRGB_GAMMA) - SRGB_OFFSET;
    return static_cast<int>(std::lround(c * MAX_LEVEL));
}

// The source cells an output cell covers along one axis, with the share of each.
struct Cover {
    int first;
    std::vector<float> weights; // sum 1
};

std::vector<Cover> Covers(int from, int to) {
    std::vector<Cover> covers(static_cast<size_t>(to));
    const double step = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        const double a = i * step;
        const double b = (i + 1) * step;
        Cover& c = covers[static_cast<size_t>(i)];
        c.first = static_cast<int>(std::floor(a));
        const int last = std::min(from - 1, static_cast<int>(std::ceil(b)) - 1);
        for (int s = c.first; s <= last; ++s) {
            const double overlap = std::min<double>(b, s + 1) - std::max<double>(a, s);
            c.weights.push_back(static_cast<float>(std::max(0.0, overlap) / step));
        }
    }
    return covers;
}

} // namespace

QImage RotateQuarter(const QImage& picture) {
    return picture.transformed(QTransform().rotate(QUARTER_TURN));
}

QImage ScaleToWidth(const QImage& picture, int width) {
    if (picture.isNull() || width <= 0 || picture.width() <= width) return picture;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int w = source.width();
    const int h = source.height();
    const int outW = width;
    const int outH = std::max(1, static_cast<int>(std::lround(static_cast<double>(h) * outW / w)));
    const std::vector<Cover> across = Covers(w, outW);
    const std::vector<Cover> down = Covers(h, outH);
    const auto& linear = ToLinear();

    // Across first, one source row at a time, into linear light.
    std::vector<float> narrow(static_cast<size_t>(outW) * static_cast<size_t>(h) * CHANNELS);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        float* out = narrow.data() + static_cast<size_t>(y) * static_cast<size_t>(outW) * CHANNELS;
        for (int x = 0; x < outW; ++x) {
            const Cover& c = across[static_cast<size_t>(x)];
            float r = 0, g = 0, b = 0;
            for (size_t k = 0; k < c.weights.size(); ++k) {
                const QRgb p = line[c.first + static_cast<int>(k)];
                r += c.weights[k] * linear[static_cast<size_t>(qRed(p))];
                g += c.weights[k] * linear[static_cast<size_t>(qGreen(p))];
                b += c.weights[k] * linear[static_cast<size_t>(qBlue(p))];
            }
            out[x * CHANNELS] = r;
            out[x * CHANNELS + 1] = g;
            out[x * CHANNELS + 2] = b;
        }
    }
    // Then down, and back to the screen's curve.
    QImage scaled(outW, outH, QImage::Format_RGB32);
    const size_t rowFloats = static_cast<size_t>(outW) * CHANNELS;
    std::vector<float> sum(rowFloats);
    for (int y = 0; y < outH; ++y) {
        const Cover& c = down[static_cast<size_t>(y)];
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (size_t k = 0; k < c.weights.size(); ++k) {
            const float* row = narrow.data() + static_cast<size_t>(c.first + static_cast<int>(k)) * rowFloats;
            for (size_t i = 0; i < rowFloats; ++i) sum[i] += c.weights[k] * row[i];
        }
        auto* line = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < outW; ++x)
            line[x] = qRgb(FromLinear(sum[static_cast<size_t>(x) * CHANNELS]),
                           FromLinear(sum[static_cast<size_t>(x) * CHANNELS + 1]),
                           FromLinear(sum[static_cast<size_t>(x) * CHANNELS + 2]));
    }
    return scaled;
}

GreyPicture GreyOf(const QImage& picture, bool invert) {
    GreyPicture grey;
    if (picture.isNull()) return grey;
    const QImage rgb = picture.format() == QImage::Format_RGB32 ||
                               picture.format() == QImage::Format_ARGB32
                           ? picture
                           : picture.convertToFormat(picture.hasAlphaChannel()
                                                         ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
    grey.width = rgb.width();
    grey.height = rgb.height();
    grey.grey.resize(static_cast<size_t>(grey.width) * static_cast<size_t>(grey.height));
    float* out = grey.grey.data();
    for (int y = 0; y < grey.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < grey.width; ++x) {
            const double g =
                RED_WEIGHT * qRed(line[x]) + GREEN_WEIGHT * qGreen(line[x]) + BLUE_WEIGHT * qBlue(line[x]);
            *out++ = static_cast<float>(invert ? MAX_LEVEL - g : g);
        }
    }
    return grey;
}

QString SizeReport(QSize loaded, QSize printed, bool scaled) {
    if (loaded == printed)
        return QCoreApplication::translate("PictureFit", "%1 x %2")
            .arg(loaded.width())
            .arg(loaded.height());
    // One text per way, so that a translation can order its words.
    const QString text =
        scaled ? QCoreApplication::translate("PictureFit", "%1 x %2 scaled to %3 x %4")
               : QCoreApplication::translate("PictureFit", "%1 x %2 cropped to %3 x %4");
    return text.arg(loaded.width()).arg(loaded.height()).arg(printed.width()).arg(printed.height());
}
