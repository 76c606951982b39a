// Writes the console's desktop icon at the sizes desktops look for, as
// <folder>/<N>x<N>/apps/talvane.png, drawn by the same code as the window: the logo
// where its name is legible, the window's own icon (the printer alone) below that.
// Usage: talvane_icon_renderer FOLDER
#include "widgets/Icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

namespace {
// The hicolor theme's usual fixed sizes.
constexpr int SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};
// Below this the logo's lettering is a smudge.
constexpr int SMALLEST_LOGO = 48;
const char* const ICON_NAME = "talvane.png";
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const int size : SIZES) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = root.filePath(folder + QLatin1Char('/') + QLatin1String(ICON_NAME));
        const QPixmap icon =
            size >= SMALLEST_LOGO ? Icons::Logo(size) : Icons::ApplicationPixmap(size);
        if (!root.mkpath(folder) || !icon.save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
            return 1;
        }
    }
    return 0;
}
