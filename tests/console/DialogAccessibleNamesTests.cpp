// What a screen reader hears: walking the window's accessible tree, no two buttons of
// one group (a group box or a tab page) have the same name, and no button is nameless.
#include "tests/console/DialogTestSupport.h"

#include "pages/LayOut.h"

#include <QAccessible>
#include <QGroupBox>
#include <QScrollArea>
#include <QStackedWidget>
#include <map>

namespace {

// The group a control belongs to for the listener: its nearest group box or tab page.
QString GroupOf(QAccessibleInterface* iface) {
    for (QAccessibleInterface* up = iface->parent(); up; up = up->parent()) {
        QObject* o = up->object();
        if (!o) continue;
        auto* w = qobject_cast<QWidget*>(o);
        if (qobject_cast<QGroupBox*>(o))
            return QStringLiteral("group \"%1\"").arg(up->text(QAccessible::Name));
        if (w && qobject_cast<QStackedWidget*>(w->parentWidget())) {
            // A page, perhaps in a scroll area: named by the class of what it shows.
            auto* area = qobject_cast<QScrollArea*>(w);
            QWidget* page = area && area->widget() ? area->widget() : w;
            return QStringLiteral("page %1").arg(QString::fromLatin1(page->metaObject()->className()));
        }
        if (up->role() == QAccessible::Dialog || up->role() == QAccessible::Window)
            return QStringLiteral("window");
    }
    return QStringLiteral("window");
}

void Walk(QAccessibleInterface* iface, std::map<QString, std::map<QString, QStringList>>& buttons,
          int& walked) {
    if (!iface) return;
    ++walked;
    if (iface->role() == QAccessible::PushButton)
        buttons[GroupOf(iface)][iface->text(QAccessible::Name)] << iface->object()->objectName();
    for (int i = 0; i < iface->childCount(); ++i) Walk(iface->child(i), buttons, walked);
}

} // namespace

TEST(DialogAccessibleNames, NoTwoButtonsOfOneGroupSoundAlike) {
    DialogFixture f;
    f.dlg->show();
    ConsoleDialog::ProcessEvents();
    std::map<QString, std::map<QString, QStringList>> buttons;
    int walked = 0;
    Walk(QAccessible::queryAccessibleInterface(f.dlg.get()), buttons, walked);
    ASSERT_GT(walked, 100);
    int buttonCount = 0;
    for (const auto& [group, names] : buttons)
        for (const auto& [name, controls] : names) {
            buttonCount += controls.size();
            EXPECT_FALSE(name.trimmed().isEmpty()) << "a nameless button in " << group.toStdString();
            EXPECT_EQ(controls.size(), 1) << "buttons named \"" << name.toStdString() << "\" in "
                                          << group.toStdString() << ": "
                                          << controls.join(QLatin1Char(' ')).toStdString();
        }
    EXPECT_GT(buttonCount, 40);
    // The label page's three Set buttons say what each sets.
    EXPECT_EQ(f.Control(CLayOut::IDC_LAYOUT_SET)->accessibleName(), QStringLiteral("Set [Sa]~[Sf]"));
    EXPECT_EQ(f.Control(CLayOut::IDC_THRESHOLDS_SET)->accessibleName(), QStringLiteral("Set ADTH1~4"));
    EXPECT_EQ(f.Control(CLayOut::IDC_DISTANCES_SET)->accessibleName(), QStringLiteral("Set DIS1~3"));
}
