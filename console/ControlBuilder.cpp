#include "console/ControlBuilder.h"

#include "widgets/LampButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace controls {

namespace {
constexpr int NUMBER_EDIT_WIDTH = 56;

QString WithoutColon(QString text) {
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}
} // namespace

QString ControlName(int id) {
    return QStringLiteral("ctl%1").arg(id);
}

void Name(QWidget* w, int id, const QString& name, const QString& group) {
    w->setObjectName(ControlName(id));
    w->setAccessibleName(name);
    if (!group.isEmpty()) w->setAccessibleDescription(group);
}

void Fill(QComboBox* combo, const ListItems& list, const char* context) {
    int position = 0;
    for (const char* item : list.items) {
        const QString source = QString::fromLatin1(item);
        const QString shown = context ? QCoreApplication::translate(context, item) : source;
        combo->insertItem(position, shown);
        if (shown != source) combo->setItemData(position, source, SOURCE_TEXT_ROLE);
        ++position;
    }
    combo->setCurrentIndex(FindSource(combo, QString::fromLatin1(list.selected)));
}

QString SourceText(const QComboBox* combo, int index) {
    const QVariant source = combo->itemData(index, SOURCE_TEXT_ROLE);
    return source.isValid() ? source.toString() : combo->itemText(index);
}

int FindSource(const QComboBox* combo, const QString& text) {
    for (int row = 0; row < combo->count(); ++row)
        if (SourceText(combo, row) == text) return row;
    return -1;
}

QGroupBox* Group(QWidget* parent, const QString& title) {
    auto* g = new QGroupBox(title, parent);
    g->setAccessibleName(title);
    return g;
}

QPushButton* Builder::Button(int id, const QString& caption) {
    auto* b = Named(new QPushButton(caption, owner_), id, caption, group_);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* Builder::Check(int id, const QString& caption) {
    return Named(new QCheckBox(caption, owner_), id, caption, group_);
}

QRadioButton* Builder::Radio(int id, const QString& caption) {
    return Named(new QRadioButton(caption, owner_), id, caption, group_);
}

// The lamp's description tells its state ("on" or "off"), not its group.
CLampButton* Builder::Lamp(int id, const QString& caption) {
    auto* b = Named(new CLampButton(caption, owner_), id, caption, QString());
    b->setAutoDefault(false);
    return b;
}

QComboBox* Builder::Combo(int id, const QString& label) {
    auto* c = Named(new QComboBox(owner_), id, WithoutColon(label), group_);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return c;
}

QLineEdit* Builder::Edit(int id, const QString& label) {
    return Named(new QLineEdit(owner_), id, WithoutColon(label), group_);
}

QLineEdit* Builder::DigitEdit(int id, const QString& label) {
    QLineEdit* e = Edit(id, label);
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    e->setValidator(new QRegularExpressionValidator(digits, e));
    e->setMaximumWidth(NUMBER_EDIT_WIDTH);
    return e;
}

QLabel* Builder::Label(const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, owner_);
    l->setBuddy(buddy);
    return l;
}

} // namespace controls
