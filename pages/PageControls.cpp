#include "pages/PageControls.h"

#include "pages/CommandEdit.h"
#include "pages/TextBytes.h"
#include "pages/rules/HexData.h"
#include "widgets/Prompts.h"
#include "printer/HexText.h"
#include "emulator/SymbolFit.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

constexpr char16_t CH_LINE_FEED = u'\n';
constexpr char BYTE_CR = '\r';
constexpr char BYTE_LF = '\n';

// The renderer's words that are not names, for lupdate: its message is put together
// here in the operator's language.
[[maybe_unused]] const char* const SYMBOL_FIT_WORDS[] = {
    QT_TRANSLATE_NOOP("SymbolFit", "QR code"), QT_TRANSLATE_NOOP("SymbolFit", "width"),
    QT_TRANSLATE_NOOP("SymbolFit", "module size"), QT_TRANSLATE_NOOP("SymbolFit", "module width")};

} // namespace

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(text);
    label->setBuddy(buddy);
    return label;
}

QPushButton* PushButton(int id, const QString& caption, QWidget* parent,
                        const QString& accessibleName) {
    auto* button = Named(new QPushButton(caption, parent), id,
                         accessibleName.isEmpty() ? caption : accessibleName);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* DigitsEdit(int id, const QString& accessibleName, QWidget* parent) {
    auto* edit = Named(new QLineEdit(parent), id, accessibleName);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QString TooWideMessage(const vprinter::SymbolFit& fit) {
    if (fit.fits) return QString();
    auto word = [](const std::string& text) {
        return QCoreApplication::translate("SymbolFit", text.c_str());
    };
    return QCoreApplication::translate(
               "SymbolFit",
               "%1 '%2' at %3 %4 is %5 dots, wider than the %6 of %7 mm: it will not print")
        .arg(word(fit.symbology), QString::fromStdString(fit.data), word(fit.settingName),
             QString::number(fit.settingValue), QString::number(fit.widthDots),
             QString::number(fit.paperDots), QString::number(fit.PaperMillimetres()));
}

void CompactPage(QGridLayout* grid) {
    constexpr int PAGE_MARGIN = 4;
    constexpr int PAGE_SPACING = 4;
    grid->setContentsMargins(PAGE_MARGIN, PAGE_MARGIN, PAGE_MARGIN, PAGE_MARGIN);
    grid->setSpacing(PAGE_SPACING);
}

void LetDataEditShrink(QWidget* edit) {
    constexpr int DATA_EDIT_MIN_HEIGHT = 40;
    edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    edit->setMinimumHeight(DATA_EDIT_MIN_HEIGHT);
}

std::string EditBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text.at(i).unicode() != CH_LINE_FEED) continue;
        AppendFixedMapping(bytes, text.mid(runStart, i - runStart));
        if (i < text.size()) {
            bytes.push_back(BYTE_CR);
            bytes.push_back(BYTE_LF);
        }
        runStart = i + 1;
    }
    return bytes;
}

QString ConvertDataEdit(CCommandEdit* edit, bool toHex, const TextCodePage* page) {
    QString problem;
    if (toHex) {
        // In hex form the edit shows the bytes the text goes out as.
        const std::optional<std::string> bytes = edit->Bytes(page, &problem);
        if (!bytes) return problem;
        edit->SetBytes(ToHexText(std::string_view(*bytes)));
    } else {
        // Every byte is kept, a zero byte too: the edit holds U+0000 like any other,
        // where the design ends the text at the first zero byte.
        const std::vector<uint8_t> data = ReadHexData(edit->Bytes()).bytes;
        const std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
        if (!edit->SetBytes(bytes, page, &problem)) return problem;
    }
    edit->SetHexMode(toHex);
    return QString();
}

bool ConvertDataEdit(CCommandEdit* edit, QAbstractButton* hexBox, const TextCodePage* page) {
    const bool toHex = hexBox->isChecked();
    const QString problem = ConvertDataEdit(edit, toHex, page);
    if (problem.isEmpty()) return true;
    // The edit keeps its text and its form; the box goes back to match it.
    hexBox->setChecked(!toHex);
    ShowTextProblem(edit, problem);
    return false;
}

std::optional<std::string> DataEditBytes(const CCommandEdit* edit, const TextCodePage* page) {
    QString problem;
    std::optional<std::string> bytes = edit->Bytes(edit->HexMode() ? nullptr : page, &problem);
    if (!bytes) ShowTextProblem(edit, problem);
    return bytes;
}

void ShowTextProblem(const QWidget* control, const QString& problem) {
    Prompts::MessageBox(control->window(), QCoreApplication::translate("PageControls", "Note"),
                        problem, Prompts::OkOnly, Prompts::Warning);
}
