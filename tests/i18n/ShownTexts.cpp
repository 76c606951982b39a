#include "tests/i18n/ShownTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

namespace i18n {

namespace {
QString NameOf(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

bool Skipped(QWidget* w, QWidget* root, const std::function<bool(QWidget*)>& skip) {
    if (!skip) return false;
    for (QWidget* up = w; up && up != root; up = up->parentWidget())
        if (skip(up)) return true;
    return false;
}

void Add(std::vector<ShownText>& texts, const QWidget* w, const char* what, const QString& text) {
    if (!text.trimmed().isEmpty())
        texts.push_back({NameOf(w) + QLatin1Char(' ') + QLatin1String(what), text});
}

QString Say(const QWidget* w, const QString& text, int needs, int has) {
    return QStringLiteral("%1 \"%2\": needs %3 px, has %4 px")
        .arg(NameOf(w), text)
        .arg(needs)
        .arg(has);
}
} // namespace

std::vector<ShownText> TextsOf(QWidget* root, const std::function<bool(QWidget*)>& skip) {
    std::vector<ShownText> texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (Skipped(w, root, skip)) continue;
        if (w->isWindow()) Add(texts, w, "window title", w->windowTitle());
        Add(texts, w, "tooltip", w->toolTip());
        Add(texts, w, "accessible name", w->accessibleName());
        Add(texts, w, "accessible description", w->accessibleDescription());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            Add(texts, w, "caption", button->text());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->textInteractionFlags() & Qt::TextEditable) continue;
            Add(texts, w, "label", label->text());
        }
        if (auto* group = qobject_cast<QGroupBox*>(w)) Add(texts, w, "group title", group->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i) Add(texts, w, "tab", tabs->tabText(i));
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                Add(texts, w, "item", list->itemText(i));
                Add(texts, w, "item tooltip", list->itemData(i, Qt::ToolTipRole).toString());
            }
        }
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            Add(texts, w, "placeholder", edit->placeholderText());
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int c = 0; c < model->columnCount(); ++c)
                Add(texts, w, "header", model->headerData(c, Qt::Horizontal).toString());
        }
    }
    return texts;
}

QStringList CutOff(QWidget* root) {
    QStringList cut;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (!button->text().isEmpty() && button->sizeHint().width() > button->width())
                cut << Say(w, button->text(), button->sizeHint().width(), button->width());
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty()) continue;
            if (label->wordWrap()) {
                const int needs = label->heightForWidth(label->width());
                if (needs > label->height()) cut << Say(w, label->text(), needs, label->height());
            } else if (label->minimumSizeHint().width() > label->width()) {
                cut << Say(w, label->text(), label->minimumSizeHint().width(), label->width());
            }
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (!group->title().isEmpty() && group->minimumSizeHint().width() > group->width())
                cut << Say(w, group->title(), group->minimumSizeHint().width(), group->width());
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            // The chosen item shows in the closed list; its popup is as wide as it needs.
            if (!list->isEditable() &&
                list->sizeAdjustPolicy() != QComboBox::AdjustToMinimumContentsLengthWithIcon &&
                list->minimumSizeHint().width() > list->width())
                cut << Say(w, list->currentText(), list->minimumSizeHint().width(), list->width());
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            // Tabs that do not fit are shortened or scrolled: the bar needs them all.
            if (bar->sizeHint().width() > bar->width()) {
                QStringList tabs;
                for (int i = 0; i < bar->count(); ++i) tabs << bar->tabText(i);
                cut << Say(w, tabs.join(QStringLiteral(" | ")), bar->sizeHint().width(),
                           bar->width());
            }
        }
    }
    return cut;
}

} // namespace i18n
