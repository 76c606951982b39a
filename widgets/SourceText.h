#pragma once
// A list item shown in the operator's language keeps its English source text under this
// role, so that what is remembered or read back from the list is the same in every language.

#include <QComboBox>
#include <QString>
#include <Qt>

inline constexpr int SOURCE_TEXT_ROLE = Qt::UserRole + 0x53; // clear of the lists' own data

// Adds `shown` (the translation of `source`) and keeps `source` beside it.
inline void AddTranslatedItem(QComboBox* list, const QString& shown, const char* source) {
    list->addItem(shown);
    list->setItemData(list->count() - 1, QString::fromUtf8(source), SOURCE_TEXT_ROLE);
}

// The English text of the current item: its source when it has one, else its text.
inline QString CurrentSourceText(const QComboBox* list) {
    const QVariant source = list->currentData(SOURCE_TEXT_ROLE);
    return source.isValid() ? source.toString() : list->currentText();
}

// The row whose source (or, without one, whose text) is `text`; -1 when none.
inline int FindSourceText(const QComboBox* list, const QString& text) {
    const int bySource = list->findData(text, SOURCE_TEXT_ROLE);
    return bySource >= 0 ? bySource : list->findText(text);
}
