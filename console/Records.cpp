// The "Operational records" list: adding a decoded row for every command sent, and
// its Clear, Save, Import and Resend buttons.

#include "ControlIds.h"
#include "Prompts.h"
#include "RecordDecoder.h"
#include "RecordsModel.h"
#include "RecordsView.h"
#include "TalvaneDlg.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSaveFile>

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
} // namespace

void CTalvaneDlg::ConnectRecordHandlers() {
    connect(ControlAs<QPushButton>(IDC_RECORDS_CLEAR), &QPushButton::clicked, this,
            &CTalvaneDlg::OnRecordsClear);
    connect(ControlAs<QPushButton>(IDC_RECORDS_SAVE), &QPushButton::clicked, this,
            &CTalvaneDlg::OnRecordsSave);
    connect(ControlAs<QPushButton>(IDC_RECORDS_IMPORT), &QPushButton::clicked, this,
            &CTalvaneDlg::OnRecordsImport);
    connect(ControlAs<QPushButton>(IDC_RECORDS_RESEND), &QPushButton::clicked, this,
            &CTalvaneDlg::OnRecordsResend);
}

void CTalvaneDlg::AddOperationRecord(const std::string& hexText) {
    AddOperationRecord(std::string(hexText));
}

void CTalvaneDlg::AddOperationRecord(std::string&& hexText) {
    if (hexText.empty()) return;
    recordsModel_->Append(std::move(hexText));
}

void CTalvaneDlg::OnRecordsClear() {
    recordsModel_->Clear();
}

void CTalvaneDlg::OnRecordsSave() {
    if (recordsModel_->Size() == 0) {
        ShowHelpTip(recordsView_, NO_DATA_SAVE);
        return;
    }
    QString path = Prompts::SaveFile(this, QStringLiteral("Save"), RECORDS_FILTER);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().toLower() != RECORDS_EXTENSION) path += QStringLiteral(".txt");

    std::vector<std::string_view> checked;
    for (const CRecordsModel::Row& row : recordsModel_->Rows())
        if (row.checked) checked.emplace_back(row.text);
    const std::string content = records::FormatRecordsFile(checked);

    // Written beside the old file and put in its place only when complete, so a failed
    // write leaves the old file as it was.
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(content.data(), static_cast<qint64>(content.size())) ==
                           static_cast<qint64>(content.size()) &&
                       file.commit();
    if (!saved) ShowHelpTip(recordsView_, SAVE_FAILED);
}

void CTalvaneDlg::OnRecordsImport() {
    const QString path = Prompts::OpenFile(this, QStringLiteral("Import"), RECORDS_FILTER);
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > IMPORT_FILE_LIMIT) {
        ShowHelpTip(recordsView_, IMPORT_FAILED);
        return;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowHelpTip(recordsView_, IMPORT_FAILED);
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
        Prompts::MessageBox(this, IMPORT_BAD_CAPTION, IMPORT_BAD_LINE, Prompts::OkOnly);
        return;
    }
    std::vector<CRecordsModel::Row> rows;
    rows.reserve(result.records.size());
    for (const std::string& text : result.records) rows.push_back({text, true});
    recordsModel_->Replace(std::move(rows));
}

void CTalvaneDlg::OnRecordsResend() {
    if (WarnIfPortClosed()) return;
    if (recordsModel_->Size() == 0) {
        ShowHelpTip(recordsView_, NO_DATA_RESEND);
        return;
    }
    std::vector<uint8_t> bytes;
    for (const CRecordsModel::Row& row : recordsModel_->Rows())
        if (row.checked) records::AppendRecordBytes(row.text, bytes);
    if (!bytes.empty()) Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    // The re-sent bytes are not a new command: they get no row.
    ClearSentText();
}
