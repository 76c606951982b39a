#include "console/RememberedSettings.h"

#include "console/ControlBuilder.h"
#include "console/FileAccess.h"
#include "widgets/SourceText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QValidator>
#include <cstdio>

namespace {
const QString FOLDER_NAME = QStringLiteral("talvane");
const QString FILE_NAME = QStringLiteral("talvane.conf");
const QString FOLDERS_GROUP = QStringLiteral("folders/");

void Say(const QString& text) {
    const QByteArray bytes = QStringLiteral("talvane: %1\n").arg(text).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}
} // namespace

QString RememberedSettings::FilePath() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty()) return {};
    return config + QLatin1Char('/') + FOLDER_NAME + QLatin1Char('/') + FILE_NAME;
}

bool RememberedSettings::Forget(QString* error) {
    const QString path = FilePath();
    if (path.isEmpty() || !QFileInfo(path).isFile()) return true;
    QFile file(path);
    if (file.remove()) return true;
    if (error)
        *error = QCoreApplication::translate("RememberedSettings", "cannot remove %1: %2")
                     .arg(path, file.errorString());
    return false;
}

QString RememberedSettings::StableDeviceName(const QString& devicePath, const QString& byIdFolder) {
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    if (device.isEmpty()) return devicePath;
    const QDir folder(byIdFolder);
    for (const QFileInfo& link : folder.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot,
                                                      QDir::Name)) {
        if (link.isSymLink() && link.canonicalFilePath() == device) return link.absoluteFilePath();
    }
    return devicePath;
}

RememberedSettings::RememberedSettings() : path_(FilePath()) {
    if (!path_.isEmpty() && QFileInfo::exists(path_)) {
        const QSettings file(path_, QSettings::IniFormat);
        // A file that cannot be read, or reads as garbage, gives the defaults; it is
        // written anew at the next save.
        if (file.status() == QSettings::NoError) {
            for (const QString& key : file.allKeys()) stored_.insert(key, file.value(key));
            restored_ = true;
        } else {
            Say(QCoreApplication::translate(
                    "RememberedSettings",
                    "the remembered settings in %1 could not be read; starting from "
                    "the defaults")
                    .arg(path_));
        }
    }
    Prompts::SetFolderMemory(this);
}

RememberedSettings::~RememberedSettings() {
    if (Prompts::CurrentFolderMemory() == this) Prompts::SetFolderMemory(nullptr);
}

QVariant RememberedSettings::Stored(const QString& key) const {
    return stored_.value(key);
}

void RememberedSettings::Custom(const QString& key, std::function<void(const QVariant&)> restore,
                                std::function<QVariant()> save) {
    const QVariant stored = Stored(key);
    if (stored.isValid() && restore) restore(stored);
    entries_.push_back({key, std::move(save)});
}

void RememberedSettings::Combo(const QString& key, QComboBox* list) {
    Custom(
        key,
        [list](const QVariant& v) {
            // The file holds the English text whatever the language of the list.
            const int index = FindSourceText(list, v.toString());
            if (index >= 0) list->setCurrentIndex(index);
        },
        [list] {
            return list->currentIndex() < 0 ? QVariant() : QVariant(CurrentSourceText(list));
        });
    SaveWhen(list, &QComboBox::activated);
}

void RememberedSettings::Check(const QString& key, QAbstractButton* box) {
    Custom(
        key,
        [box](const QVariant& v) {
            const QString text = v.toString();
            if (text == QLatin1String("true") || text == QLatin1String("false"))
                box->setChecked(text == QLatin1String("true"));
        },
        [box] { return QVariant(box->isChecked() ? QStringLiteral("true") : QStringLiteral("false")); });
    SaveWhen(box, &QAbstractButton::clicked);
}

void RememberedSettings::Text(const QString& key, QLineEdit* edit) {
    Custom(
        key,
        [edit](const QVariant& v) {
            QString text = v.toString();
            if (text.size() > edit->maxLength()) return;
            int pos = 0;
            const QValidator* validator = edit->validator();
            if (validator && validator->validate(text, pos) != QValidator::Acceptable) return;
            edit->setText(text);
        },
        [edit] { return QVariant(edit->text()); });
    SaveWhen(edit, &QLineEdit::editingFinished);
}

void RememberedSettings::Number(const QString& key, QSpinBox* box) {
    Custom(
        key,
        [box](const QVariant& v) {
            bool ok = false;
            const int n = v.toString().toInt(&ok);
            if (ok && n >= box->minimum() && n <= box->maximum()) box->setValue(n);
        },
        [box] { return QVariant(box->value()); });
    SaveWhen(box, &QSpinBox::editingFinished);
}

bool RememberedSettings::Save() {
    for (const Entry& e : entries_) {
        if (!e.save) continue;
        const QVariant value = e.save();
        if (value.isValid())
            stored_.insert(e.key, value);
        else
            stored_.remove(e.key);
    }
    return Write();
}

bool RememberedSettings::Write() {
    if (path_.isEmpty()) return false;
    // Written afresh beside the old file, then saved over it in one piece: a failed save
    // leaves the last good settings, and nothing of a garbled old file is merged in.
    const QString folder = QFileInfo(path_).absolutePath();
    const QString fresh = path_ + QStringLiteral(".new");
    bool written = QDir().mkpath(folder);
    if (written) {
        QFile::remove(fresh);
        {
            QSettings file(fresh, QSettings::IniFormat);
            for (auto it = stored_.cbegin(); it != stored_.cend(); ++it)
                file.setValue(it.key(), it.value());
            file.sync();
            written = file.status() == QSettings::NoError && QFileInfo(fresh).isFile();
        }
        // Put in place the way every file is saved: a regular file replaced whole, a
        // link (a settings file kept elsewhere) written through and kept.
        QFile made(fresh);
        written = written && made.open(QIODevice::ReadOnly);
        const QByteArray content = written ? made.readAll() : QByteArray();
        written = written && made.error() == QFileDevice::NoError;
        made.close();
        QFile::remove(fresh);
        files::Failure failure;
        written = written && files::SaveFile(QFile::encodeName(path_).toStdString(),
                                             std::string_view(content.constData(),
                                                              static_cast<size_t>(content.size())),
                                             failure);
    }
    if (written) return true;
    if (!warnedWrite_)
        Say(QCoreApplication::translate(
                "RememberedSettings", "the settings could not be saved in %1; this session goes on "
                                      "without them")
                .arg(path_));
    warnedWrite_ = true;
    return false;
}

QString RememberedSettings::StartFolder(const QString& dialog) const {
    const QString folder = Stored(FOLDERS_GROUP + dialog).toString();
    // A folder that is gone by now leaves the choice to the file dialog.
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void RememberedSettings::Chosen(const QString& dialog, const QString& path) {
    if (path.isEmpty()) return;
    stored_.insert(FOLDERS_GROUP + dialog, QFileInfo(path).absolutePath());
    Write();
}
