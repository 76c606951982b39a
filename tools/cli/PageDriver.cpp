#include "tools/cli/PageDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace cli {

void EnterText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text)
        Q_EMIT edit->textChanged(text);
    else
        edit->setText(text);
}

bool ChooseRow(QComboBox* combo, const std::string& value, const QStringList& aliases,
               QString& choices) {
    const QString wanted = QString::fromLocal8Bit(value.c_str()).trimmed();
    int row = -1;
    for (int i = 0; i < combo->count() && row < 0; ++i) {
        const bool alias = i < aliases.size() &&
                           aliases[i].compare(wanted, Qt::CaseInsensitive) == 0;
        if (alias || combo->itemText(i).compare(wanted, Qt::CaseInsensitive) == 0) row = i;
    }
    if (row < 0) {
        QStringList rows;
        for (int i = 0; i < combo->count(); ++i)
            rows << (i < aliases.size() ? aliases[i] : combo->itemText(i));
        choices = rows.join(QStringLiteral(", "));
        return false;
    }
    if (combo->currentIndex() == row)
        Q_EMIT combo->currentIndexChanged(row);
    else
        combo->setCurrentIndex(row);
    return true;
}

void SetChecked(QCheckBox* box, bool checked) {
    if (box->isChecked() != checked) box->click();
}

} // namespace cli
