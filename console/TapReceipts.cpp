#include "console/TapReceipts.h"

#include "emulator/PrinterState.h"
#include "emulator/ReceiptImage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString PICTURE_SUFFIX = QStringLiteral("png");
constexpr int NUMBER_DIGITS = 4;

} // namespace

QStringList ReceiptFileNames(const QString& path, int receipts) {
    if (receipts <= 1) return receipts == 1 ? QStringList{path} : QStringList{};
    const QFileInfo info(path);
    const QString stem = info.suffix().compare(PICTURE_SUFFIX, Qt::CaseInsensitive) == 0
                             ? info.dir().filePath(info.completeBaseName())
                             : path;
    QStringList names;
    for (int i = 1; i <= receipts; ++i)
        names << QStringLiteral("%1-%2.%3").arg(stem).arg(i, NUMBER_DIGITS, 10, QLatin1Char('0')).arg(PICTURE_SUFFIX);
    return names;
}

bool SaveReceiptPictures(const ExpectedReceiptRoll::View& view, const QStringList& names,
                         files::Failure& failure) {
    for (int i = 0; i < names.size() && i < static_cast<int>(view.receipts.size()); ++i) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!vprinter::ReceiptToImage(*view.receipts[static_cast<size_t>(i)].paper).save(&buffer, "PNG")) {
            failure = {QCoreApplication::translate("TapWindow", "%1: the picture cannot be made")
                           .arg(names[i])
                           .toStdString(),
                       false};
            return false;
        }
        if (!files::SaveFile(QFile::encodeName(names[i]).toStdString(),
                             std::string_view(png.constData(), static_cast<size_t>(png.size())), failure))
            return false;
    }
    return true;
}
