#include "VprinterProcess.h"

#include "PrinterState.h"

#include <QDir>
#include <QImage>

using namespace std::chrono_literals;

namespace {

// Generous: the suite also runs under the sanitizers on a busy two-core machine.
constexpr auto STARTUP_TIMEOUT = 30s;
constexpr auto REPLY_TIMEOUT = 30s;
constexpr auto EXIT_TIMEOUT_MS = 10000;
// Receipts end only when a test says so, never because the console paused.
const QString NO_IDLE_END = QStringLiteral("600000");
// The last line of the reply to "status".
const QString STATUS_LAST_LINE = QStringLiteral("layout ");
constexpr int BLACK_BELOW = 128;

} // namespace

VprinterProcess::VprinterProcess(int widthDots) {
    process_.setProgram(QStringLiteral(VPRINTER_PATH));
    process_.setArguments({QStringLiteral("--out"), dir_.filePath(QStringLiteral("out")),
                           QStringLiteral("--idle"), NO_IDLE_END, QStringLiteral("--width"),
                           QString::number(widthDots)});
    process_.start();
    if (!process_.waitForStarted(
            static_cast<int>(std::chrono::milliseconds(STARTUP_TIMEOUT).count())))
        return;
    QString line;
    if (ReadLine(&line, STARTUP_TIMEOUT) && line.startsWith(QStringLiteral("/dev/")))
        device_ = line;
}

VprinterProcess::~VprinterProcess() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(EXIT_TIMEOUT_MS)) {
        process_.kill();
        process_.waitForFinished(EXIT_TIMEOUT_MS);
    }
}

bool VprinterProcess::ReadLine(QString* line, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!process_.canReadLine()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || process_.state() != QProcess::Running) return false;
        process_.waitForReadyRead(static_cast<int>(left.count()));
    }
    *line = QString::fromUtf8(process_.readLine()).trimmed();
    return true;
}

bool VprinterProcess::Command(const QString& line, const QString& reply) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    if (process_.write(bytes) != bytes.size()) return false;
    process_.waitForBytesWritten(
        static_cast<int>(std::chrono::milliseconds(REPLY_TIMEOUT).count()));
    QString answer;
    while (ReadLine(&answer, REPLY_TIMEOUT))
        if (answer.startsWith(reply)) return true;
    return false;
}

bool VprinterProcess::CutAndSync() {
    // "cut" has no reply; the commands are taken in order, so the status reply comes
    // after the receipt was written.
    const QByteArray cut("cut\n");
    if (process_.write(cut) != cut.size()) return false;
    return Command(QStringLiteral("status"), STATUS_LAST_LINE);
}

QStringList VprinterProcess::Receipts() const {
    QDir out(dir_.filePath(QStringLiteral("out")));
    QStringList files;
    for (const QString& name :
         out.entryList({QStringLiteral("receipt-*.png")}, QDir::Files, QDir::Name))
        files << out.filePath(name);
    return files;
}

QString VprinterProcess::Log() {
    return QString::fromUtf8(process_.readAllStandardError());
}

vprinter::PaperBitmap LoadReceipt(const QString& path, int printableWidth) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_Grayscale8);
    const int margin = vprinter::PaperMargin(printableWidth);
    if (image.isNull() || image.width() != printableWidth + 2 * margin)
        return vprinter::PaperBitmap(printableWidth);
    vprinter::PaperBitmap paper(printableWidth, image.height());
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < printableWidth; ++x)
            if (line[margin + x] < BLACK_BELOW) paper.Set(x, y);
    }
    return paper;
}
