#include "console/RecordsPanel.h"

#include "eventlog/EventLog.h"
#include "console/ControlBuilder.h"
#include "console/ControlIds.h"
#include "console/RecordDecoder.h"
#include "console/RecordsModel.h"
#include "console/RecordsView.h"
#include "console/TalvaneDlg.h"
#include "widgets/Prompts.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

using namespace ids;

namespace {
const QString RECORDS_FILTER = QStringLiteral("TXT files(*.txt)|*.txt||");
const QString RECORDS_EXTENSION = QStringLiteral("txt");
const QString NO_DATA_SAVE = QStringLiteral("no data");
const QString NO_DATA_RESEND = QStringLiteral("No data");
const QString SAVE_FAILED = QStringLiteral("Save failed");
const QString IMPORT_FAILED = QStringLiteral("Import failed");
// A records file is read whole; a larger one is refused unread, as one that cannot be
// read is.
constexpr qint64 IMPORT_FILE_LIMIT = qint64(64) << 20;
const QString IMPORT_BAD_LINE = QStringLiteral(
    "The contents of the file does not meet the hex command mode, the import operation was "
    "canceled ");
const QString IMPORT_BAD_CAPTION = QStringLiteral(" Prompt");
constexpr int LIST_MIN_HEIGHT = 100;
} // namespace

RecordsPanel::RecordsPanel(CTalvaneDlg& dlg, CRecordsModel& model, QWidget* parent)
    : dlg_(dlg), model_(model) {
    QGroupBox* box = controls::Group(parent, QStringLiteral("Operational records"));
    box_ = box;
    controls::Builder b(box, box->title());
    view_ = controls::Named(new CRecordsView(box), IDC_RECORDS,
                            QStringLiteral("Operational records"), QString());
    view_->setMinimumHeight(LIST_MIN_HEIGHT);
    clear_ = b.Button(IDC_RECORDS_CLEAR, QStringLiteral("Clear"));
    import_ = b.Button(IDC_RECORDS_IMPORT, QStringLiteral("Import"));
    save_ = b.Button(IDC_RECORDS_SAVE, QStringLiteral("Save"));
    resend_ = b.Button(IDC_RECORDS_RESEND, QStringLiteral("Resend"));
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(clear_);
    buttons->addWidget(import_);
    buttons->addWidget(save_);
    buttons->addWidget(resend_);
    buttons->addStretch();
    auto* h = new QHBoxLayout(box);
    h->addWidget(view_, 1);
    h->addLayout(buttons);
}

void RecordsPanel::Connect() {
    view_->SetRecordsModel(&model_);
    connect(clear_, &QAbstractButton::clicked, this, &RecordsPanel::Clear);
    connect(save_, &QAbstractButton::clicked, this, &RecordsPanel::Save);
    connect(import_, &QAbstractButton::clicked, this, &RecordsPanel::Import);
    connect(resend_, &QAbstractButton::clicked, this, &RecordsPanel::Resend);
}

void RecordsPanel::Clear() {
    model_.Clear();
}

void RecordsPanel::Save() {
    if (model_.Size() == 0) {
        dlg_.ShowHelpTip(view_, NO_DATA_SAVE);
        return;
    }
    QString path = Prompts::SaveFile(&dlg_, QStringLiteral("Save"), RECORDS_FILTER,
                                     QStringLiteral("records-save"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().toLower() != RECORDS_EXTENSION) path += QStringLiteral(".txt");

    std::vector<std::string_view> checked;
    for (const CRecordsModel::Row& row : model_.Rows())
        if (row.checked) checked.emplace_back(row.text);
    const std::string content = records::FormatRecordsFile(checked);

    // Written beside the old file and put in its place only when complete, so a failed
    // write leaves the old file as it was.
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(content.data(), static_cast<qint64>(content.size())) ==
                           static_cast<qint64>(content.size()) &&
                       file.commit();
    if (!saved) dlg_.ShowHelpTip(view_, SAVE_FAILED);
    else eventlog::Note(eventlog::Kind::File, "Records saved: " + path.toStdString());
}

void RecordsPanel::Import() {
    const QString path = Prompts::OpenFile(&dlg_, QStringLiteral("Import"), RECORDS_FILTER,
                                           QStringLiteral("records-import"));
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > IMPORT_FILE_LIMIT) {
        dlg_.ShowHelpTip(view_, IMPORT_FAILED);
        return;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        dlg_.ShowHelpTip(view_, IMPORT_FAILED);
        return;
    }
    // An empty file holds no records: the rows the operator has stay.
    if (content.isEmpty()) return;
    // The whole file is checked before any row changes: a bad line leaves the list
    // exactly as the operator had it (the design keeps the rows read before the bad line
    // and has lost the old ones; losing what the operator had is the worse outcome).
    const records::ImportResult result =
        records::ParseRecordsFile(std::string_view(content.constData(), content.size()));
    if (!result.ok) {
        Prompts::MessageBox(&dlg_, IMPORT_BAD_CAPTION, IMPORT_BAD_LINE, Prompts::OkOnly);
        return;
    }
    std::vector<CRecordsModel::Row> rows;
    rows.reserve(result.records.size());
    for (const std::string& text : result.records) rows.push_back({text, true});
    eventlog::Note(eventlog::Kind::File, "Records imported: " + path.toStdString());
    model_.Replace(std::move(rows));
}

void RecordsPanel::Resend() {
    if (dlg_.WarnIfPortClosed()) return;
    if (model_.Size() == 0) {
        dlg_.ShowHelpTip(view_, NO_DATA_RESEND);
        return;
    }
    std::vector<uint8_t> bytes;
    for (const CRecordsModel::Row& row : model_.Rows())
        if (row.checked) records::AppendRecordBytes(row.text, bytes);
    if (!bytes.empty()) dlg_.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    // The re-sent bytes are not a new command: they get no row.
    dlg_.ClearSentText();
}
