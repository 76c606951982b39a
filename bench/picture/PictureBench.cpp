// Picture printing's work on a large photograph: loading a 576 x 8000 JPEG, reducing it
// to dots with threshold 128 and building the raster block, against ImageMagick's
// convert doing load, grey and threshold to a 1-bit PBM of the same file in the same
// run; and the same with Floyd-Steinberg dithering on both sides. Best of several
// rounds each; the ratios are ours over convert's.

#include "console/samples/ImageBands.h"
#include "console/samples/PictureConversion.h"
#include "console/samples/PictureDither.h"
#include "console/samples/PictureFit.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int WIDTH = 576;
constexpr int HEIGHT = 8000;
constexpr int THRESHOLD = 128;
constexpr int JPEG_QUALITY = 90;
constexpr int ROUNDS = 5;
constexpr double PI = 3.14159265358979;

// Something like a photograph: smooth lighting, objects with soft edges, texture and
// sensor noise, so the JPEG has the detail a real picture has.
QImage Photograph() {
    QImage image(WIDTH, HEIGHT, QImage::Format_RGB32);
    std::mt19937 rng(20261207);
    std::normal_distribution<double> noise(0.0, 6.0);
    struct Blob {
        double x, y, r;
        int red, green, blue;
    };
    std::vector<Blob> blobs;
    std::uniform_real_distribution<double> ux(0, WIDTH), uy(0, HEIGHT), ur(20, 160);
    std::uniform_int_distribution<int> uc(0, 255);
    for (int i = 0; i < 400; ++i)
        blobs.push_back({ux(rng), uy(rng), ur(rng), uc(rng), uc(rng), uc(rng)});
    std::sort(blobs.begin(), blobs.end(), [](const Blob& a, const Blob& b) { return a.y < b.y; });
    for (int y = 0; y < HEIGHT; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < WIDTH; ++x) {
            const double light =
                0.6 + 0.4 * std::sin(y * 2 * PI / 1700.0) * std::cos(x * 2 * PI / 900.0);
            double r = 140 * light, g = 150 * light, b = 120 * light;
            r += 30 * std::sin((x + y) * 0.05);
            g += 20 * std::sin(x * 0.11) * std::sin(y * 0.07);
            line[x] = qRgb(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
        }
    }
    for (const Blob& blob : blobs) {
        const int y0 = std::max(0, static_cast<int>(blob.y - blob.r));
        const int y1 = std::min(HEIGHT - 1, static_cast<int>(blob.y + blob.r));
        for (int y = y0; y <= y1; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const int x0 = std::max(0, static_cast<int>(blob.x - blob.r));
            const int x1 = std::min(WIDTH - 1, static_cast<int>(blob.x + blob.r));
            for (int x = x0; x <= x1; ++x) {
                const double d = std::hypot(x - blob.x, y - blob.y) / blob.r;
                if (d >= 1) continue;
                const double a = std::clamp((1 - d) * 3, 0.0, 1.0) * 0.85;
                const QRgb c = line[x];
                line[x] = qRgb(static_cast<int>(qRed(c) * (1 - a) + blob.red * a),
                               static_cast<int>(qGreen(c) * (1 - a) + blob.green * a),
                               static_cast<int>(qBlue(c) * (1 - a) + blob.blue * a));
            }
        }
    }
    for (int y = 0; y < HEIGHT; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < WIDTH; ++x) {
            const QRgb c = line[x];
            const double n = noise(rng);
            line[x] = qRgb(std::clamp(static_cast<int>(qRed(c) + n), 0, 255),
                           std::clamp(static_cast<int>(qGreen(c) + n), 0, 255),
                           std::clamp(static_cast<int>(qBlue(c) + n), 0, 255));
        }
    }
    return image;
}

bool IsExecutableProgram(const QString& path) {
    // A shell script standing in for the tool would add a shell's start-up to the
    // baseline; only the program itself counts.
    QFile file(path);
    if (!QFileInfo(path).isExecutable() || !file.open(QIODevice::ReadOnly)) return false;
    return file.read(4) == QByteArray("\x7F"
                                      "ELF",
                                      4);
}

// ImageMagick's convert: the first real program of that name on the PATH (or its
// Debian name), unless TPC_CONVERT names one.
QString FindConvert() {
    const QString given = qEnvironmentVariable("TPC_CONVERT");
    if (!given.isEmpty()) return given;
    const QStringList dirs =
        qEnvironmentVariable("PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char* name : {"convert", "convert-im6.q16", "convert-im6"}) {
        for (const QString& dir : dirs) {
            const QString path = QDir(dir).filePath(QString::fromLatin1(name));
            if (IsExecutableProgram(QFileInfo(path).canonicalFilePath())) return path;
        }
    }
    return QString();
}

bool Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString convert = FindConvert();
    if (convert.isEmpty()) {
        std::printf("ImageMagick's convert is not installed: no baseline, nothing measured\n");
        return 0;
    }

    QTemporaryDir dir;
    const QString jpeg = dir.filePath(QStringLiteral("photo.jpg"));
    const QString pbm = dir.filePath(QStringLiteral("photo.pbm"));
    if (!Photograph().save(jpeg, "JPEG", JPEG_QUALITY)) {
        std::printf("could not write the test photograph\n");
        return 1;
    }
    std::printf("photograph %dx%d, %lld bytes of JPEG; baseline %s\n", WIDTH, HEIGHT,
                static_cast<long long>(QFileInfo(jpeg).size()), qPrintable(convert));

    double ours = 1e9;
    size_t blackBytes = 0;
    for (int round = 0; round < ROUNDS; ++round) {
        const auto start = Clock::now();
        QImage picture;
        if (!LoadPicture(jpeg, picture)) {
            std::printf("the photograph did not load\n");
            return 1;
        }
        DotMatrix matrix;
        ConvertPicture(picture, THRESHOLD, matrix);
        const std::vector<uint8_t> block = BuildRasterBlock(matrix, WIDTH);
        ours = std::min(ours, Seconds(Clock::now() - start));
        blackBytes = static_cast<size_t>(
            std::count_if(block.begin(), block.end(), [](uint8_t b) { return b != 0; }));
    }

    const std::vector<std::string> command = {
        convert.toStdString(), jpeg.toStdString(), "-colorspace", "Gray", "-threshold", "50%",
        pbm.toStdString()};
    double theirs = 1e9;
    for (int round = 0; round < ROUNDS; ++round) {
        const auto start = Clock::now();
        if (!Run(command)) {
            std::printf("convert failed\n");
            return 1;
        }
        theirs = std::min(theirs, Seconds(Clock::now() - start));
    }

    std::printf("ours: %.1f ms (load, threshold, raster block; %zu non-white bytes)\n", ours * 1e3,
                blackBytes);
    std::printf("convert: %.1f ms (load, grey, threshold, PBM)\n", theirs * 1e3);
    std::printf("picture/imagemagick time ratio: %.3f\n", ours / theirs);

    // Floyd-Steinberg on both sides.
    double oursDither = 1e9;
    for (int round = 0; round < ROUNDS; ++round) {
        const auto start = Clock::now();
        QImage picture;
        if (!LoadPicture(jpeg, picture)) return 1;
        DotMatrix matrix;
        DitherToDots(GreyOf(picture, false), DotRule::FloydSteinberg, THRESHOLD, matrix);
        const std::vector<uint8_t> block = BuildRasterBlock(matrix, WIDTH);
        oursDither = std::min(oursDither, Seconds(Clock::now() - start));
        blackBytes = static_cast<size_t>(
            std::count_if(block.begin(), block.end(), [](uint8_t b) { return b != 0; }));
    }
    const std::vector<std::string> dither = {convert.toStdString(), jpeg.toStdString(),
                                             "-dither",             "FloydSteinberg",
                                             "-monochrome",         pbm.toStdString()};
    double theirsDither = 1e9;
    for (int round = 0; round < ROUNDS; ++round) {
        const auto start = Clock::now();
        if (!Run(dither)) {
            std::printf("convert failed\n");
            return 1;
        }
        theirsDither = std::min(theirsDither, Seconds(Clock::now() - start));
    }
    std::printf("ours: %.1f ms (load, Floyd-Steinberg, raster block; %zu non-white bytes)\n",
                oursDither * 1e3, blackBytes);
    std::printf("convert: %.1f ms (load, -dither FloydSteinberg -monochrome, PBM)\n",
                theirsDither * 1e3);
    std::printf("picture dither/imagemagick time ratio: %.3f\n", oursDither / theirsDither);
    return 0;
}
