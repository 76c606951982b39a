#include "console/RecordsPanel.h"

#include "eventlog/EventLog.h"
#include "console/ControlBuilder.h"
#include "console/ControlIds.h"
#include "console/FileAccess.h"
#include "console/RecordDecoder.h"
#include "console/RecordsModel.h"
#include "console/RecordsView.h"
#include "console/TalvaneDlg.h"
#include "widgets/Prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ids;

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("RecordsPanel", text);
}

const QString RECORDS_FILTER = QStringLiteral("TXT files(*.txt)|*.txt||");
const QString RECORDS_EXTENSION = QStringLiteral("txt");
const char* const NO_DATA_SAVE = QT_TRANSLATE_NOOP("RecordsPanel", "no data");
const char* const NO_DATA_RESEND = QT_TRANSLATE_NOOP("RecordsPanel", "No data");
const char* const SAVE_FAILED = QT_TRANSLATE_NOOP("RecordsPanel", "Save failed");
const char* const IMPORT_FAILED = QT_TRANSLATE_NOOP("RecordsPanel", "Import failed");
const char* const IMPORT_TOO_LARGE =
    QT_TRANSLATE_NOOP("RecordsPanel", "The file is too large to import");
const char* const RESEND_BAD_ROW =
    QT_TRANSLATE_NOOP("RecordsPanel", "Row %1 is not hex text; nothing was sent");
// A records file is read whole; a larger one is refused with a message. The reading
// stops there too: a FIFO or a device reports no size.
constexpr size_t IMPORT_FILE_LIMIT = size_t(64) << 20;
// The line refused follows the message: a file of many lines is mended where it is wrong.
const char* const IMPORT_BAD_LINE = QT_TRANSLATE_NOOP(
    "RecordsPanel", "The contents of the file does not meet the hex command mode, the import "
                    "operation was canceled \nLine %1 is not hex text of whole bytes.");
const char* const IMPORT_BAD_CAPTION = QT_TRANSLATE_NOOP("RecordsPanel", " Prompt");
constexpr int LIST_MIN_HEIGHT = 100;
} // namespace

RecordsPanel::RecordsPanel(CTalvaneDlg& dlg, CRecordsModel& model, QWidget* parent)
    : dlg_(dlg), model_(model) {
    QGroupBox* box =
        controls::Group(parent, QCoreApplication::translate("RecordsPanel", "Operational records"));
    box_ = box;
    controls::Builder b(box, box->title());
    view_ = controls::Named(new CRecordsView(box), IDC_RECORDS,
                            QCoreApplication::translate("RecordsPanel", "Operational records"),
                            QString());
    view_->setMinimumHeight(LIST_MIN_HEIGHT);
    clear_ = b.Button(IDC_RECORDS_CLEAR, QCoreApplication::translate("RecordsPanel", "Clear"));
    import_ = b.Button(IDC_RECORDS_IMPORT, QCoreApplication::translate("RecordsPanel", "Import"));
    save_ = b.Button(IDC_RECORDS_SAVE, QCoreApplication::translate("RecordsPanel", "Save"));
    resend_ = b.Button(IDC_RECORDS_RESEND, QCoreApplication::translate("RecordsPanel", "Resend"));
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
        dlg_.ShowHelpTip(view_, Tr(NO_DATA_SAVE));
        return;
    }
    QString path = Prompts::SaveFile(&dlg_, QCoreApplication::translate("RecordsPanel", "Save"),
                                     RECORDS_FILTER, QStringLiteral("records-save"));
    if (path.isEmpty()) return;
    // A device, FIFO or folder keeps its name: "/dev/null" is not "/dev/null.txt".
    if (QFileInfo(path).suffix().toLower() != RECORDS_EXTENSION &&
        !files::IsSpecialNode(QFile::encodeName(path).toStdString()))
        path += QStringLiteral(".txt");

    std::vector<std::string_view> checked;
    for (const CRecordsModel::Row& row : model_.Rows())
        if (row.checked) checked.emplace_back(row.text);
    const std::string content = records::FormatRecordsFile(checked);

    // A regular file is replaced only when complete; a device or FIFO is written into.
    files::Failure failure;
    if (!files::SaveFile(QFile::encodeName(path).toStdString(), content, failure))
        dlg_.ShowHelpTip(view_, failure.refused ? Tr(SAVE_FAILED) + QStringLiteral(": ") +
                                                      QString::fromLocal8Bit(failure.text.c_str())
                                                : Tr(SAVE_FAILED));
    else eventlog::Note(eventlog::Kind::File, "Records saved: " + path.toStdString());
}

void RecordsPanel::Import() {
    const QString path =
        Prompts::OpenFile(&dlg_, QCoreApplication::translate("RecordsPanel", "Import"),
                          RECORDS_FILTER, QStringLiteral("records-import"));
    if (path.isEmpty()) return;
    std::string content;
    files::Failure failure;
    const files::ReadStatus read = files::ReadBounded(
        QFile::encodeName(path).toStdString(), IMPORT_FILE_LIMIT, files::DEVICE_WAIT, content, failure);
    if (read != files::ReadStatus::Read) {
        dlg_.ShowHelpTip(view_, read == files::ReadStatus::TooLarge ? Tr(IMPORT_TOO_LARGE)
                                                                    : Tr(IMPORT_FAILED));
        return;
    }
    // An empty file holds no records: the rows the operator has stay.
    if (content.empty()) return;
    // The whole file is checked before any row changes: a bad line leaves the list
    // exactly as the operator had it (the design keeps the rows read before the bad line
    // and has lost the old ones; losing what the operator had is the worse outcome).
    const records::ImportResult result = records::ParseRecordsFile(content);
    if (!result.ok) {
        Prompts::MessageBox(&dlg_, Tr(IMPORT_BAD_CAPTION), Tr(IMPORT_BAD_LINE).arg(result.badLine),
                            Prompts::OkOnly);
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
        dlg_.ShowHelpTip(view_, Tr(NO_DATA_RESEND));
        return;
    }
    // Read by the records file's own parser; a row that names no bytes for certain
    // stops the whole Resend before anything goes out.
    std::vector<uint8_t> bytes;
    int number = 0;
    for (const CRecordsModel::Row& row : model_.Rows()) {
        ++number;
        if (row.checked && !records::AppendRecordBytes(row.text, bytes)) {
            dlg_.ShowHelpTip(view_, Tr(RESEND_BAD_ROW).arg(number));
            return;
        }
    }
    if (!bytes.empty()) dlg_.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    // The re-sent bytes are not a new command: they get no row.
    dlg_.ClearSentText();
}
