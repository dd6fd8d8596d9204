// The window as a screen reader and voice control read it, through Qt's accessibility
// interfaces (the same ones the desktop's accessibility bus is fed from).

#include "UiWorld.h"
#include "ui/OffloadBar.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

// The window shown.
struct ShownWindow : WindowWorld {
    ShownWindow() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

QAccessibleInterface* readingOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject* object) {
    QAccessibleInterface* reading = readingOf(object);
    return reading ? reading->text(QAccessible::Name) : QString();
}

// What a sighted user reads on or beside the control; empty where it shows only an icon or a
// symbol ("⋯").
QString visibleLabel(QWidget* widget, const QList<QLabel*>& labels) {
    QString text;
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text = button->text();
    for (QLabel* label : labels)
        if (text.isEmpty() && label->buddy() == widget && label->isVisible())
            text = label->text();
    text.remove(u'&');
    const bool words =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    return words ? text : QString();
}

// The label beside a control, as the accessibility interface relates them.
QString labelledBy(QObject* control) {
    for (const auto& [other, relation] : readingOf(control)->relations(QAccessible::Label))
        return other->text(QAccessible::Name);
    return {};
}

} // namespace

// Voice control says what it sees: every control that shows has a name, and it begins with the
// visible label.
TEST(AccessibilityTest, EveryShowingControlIsNamedAfterItsVisibleLabel) {
    ShownWindow w;
    w.world.insertCard("A7SIII", {{"DCIM/100MSDCF/DSC00001.JPG", "one"},
                                  {"DCIM/100MSDCF/DSC00002.JPG", "two"},
                                  {"DCIM/100MSDCF/DSC00003.JPG", "three"}});
    ASSERT_TRUE(w.world.waitForSession());
    QCoreApplication::processEvents();
    const QList<QLabel*> labels = w.window.findChildren<QLabel*>();
    int checked = 0;
    for (QWidget* widget : w.window.findChildren<QWidget*>()) {
        if (!widget->isVisible() ||
            !(qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
              qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractItemView*>(widget)))
            continue;
        ++checked;
        const QString label = visibleLabel(widget, labels);
        if (qobject_cast<QComboBox*>(widget)) {
            // On Linux Qt names a choice by its value and relates it to its label, which is
            // what screen readers and voice control read first.
            EXPECT_EQ(labelledBy(widget), label) << widget->objectName().toStdString();
            continue;
        }
        const QString name = nameOf(widget);
        EXPECT_FALSE(name.isEmpty())
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
        EXPECT_TRUE(name.startsWith(label))
            << "“" << name.toStdString() << "” does not begin with “" << label.toStdString() << "”";
    }
    EXPECT_GT(checked, 15);

    // A card row says its detail line after its name.
    auto* cards = w.window.findChild<QAbstractItemView*>("cardList");
    ASSERT_NE(cards, nullptr);
    QAccessibleInterface* list = readingOf(cards);
    ASSERT_NE(list, nullptr);
    QStringList rows;
    for (int i = 0; i < list->childCount(); ++i)
        rows << list->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(rows.contains("A7SIII, 3 new files")) << rows.join(" | ").toStdString();
}

TEST(AccessibilityTest, MenuButtonsOpenTheirMenusAndSwitchesAreTabsAndChoices) {
    ShownWindow w;
    auto* menuButton = w.window.findChild<QToolButton*>("appMenuButton");
    ASSERT_NE(menuButton, nullptr);
    QAccessibleInterface* button = readingOf(menuButton);
    ASSERT_NE(button, nullptr);
    QAccessibleActionInterface* actions = button->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_TRUE(menuButton->hasFocus());
    // The menu runs a loop of its own: it is read, then closed, from inside it.
    QStringList items;
    bool childOfItsButton = false;
    QTimer::singleShot(100, [&] {
        QMenu* open = menuButton->menu();
        if (!open->isVisible())
            return;
        QAccessibleInterface* menu = button->child(button->childCount() - 1);
        childOfItsButton = menu && menu->object() == open &&
                           button->indexOfChild(menu) == button->childCount() - 1;
        for (int i = 0; menu && i < menu->childCount(); ++i)
            items << menu->child(i)->text(QAccessible::Name);
        open->close();
    });
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(spinUntil([&] { return !items.isEmpty(); }, 5000)) << "the menu did not open";
    EXPECT_TRUE(childOfItsButton);
    EXPECT_TRUE(items.contains("About Stowly") && items.contains("Quit Stowly"))
        << items.join(" | ").toStdString();

    w.world.insertCard("CARD", {{"DCIM/A.JPG", "a"}});
    ASSERT_TRUE(w.world.waitForSession());
    auto* scopes = w.window.findChild<QWidget*>("scopeSwitch");
    auto* layouts = w.window.findChild<QWidget*>("layoutSwitch");
    ASSERT_TRUE(scopes && layouts);
    EXPECT_EQ(readingOf(scopes)->role(), QAccessible::PageTabList);
    const auto segments = [](QWidget* container) {
        QList<QAccessibleInterface*> list;
        for (auto* b : container->findChildren<QToolButton*>())
            list << readingOf(b);
        return list;
    };
    for (QAccessibleInterface* tab : segments(scopes))
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
    const QList<QAccessibleInterface*> choices = segments(layouts);
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[0]->role(), QAccessible::RadioButton);
    choices[1]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w.world.model->settings().value(setting::mediaLayout), MediaLayout::grid);
    EXPECT_TRUE(choices[1]->state().checked);
    EXPECT_FALSE(choices[0]->state().checked);
}

// Dictation and automation fill a field through the accessibility interface; what the field
// shows is what the offload uses.
TEST(AccessibilityTest, AProjectSetThroughTheAccessibilityInterfaceReachesTheOffload) {
    ShownWindow w;
    w.world.insertCard("A7SIII", {{"DCIM/100MSDCF/DSC00001.JPG", "one"}});
    ASSERT_TRUE(w.world.waitForSession());
    auto* field = w.window.findChild<QLineEdit*>("projectField");
    ASSERT_NE(field, nullptr);
    auto* start = w.window.offloadBar().findChild<QAbstractButton*>("startButton");
    ASSERT_NE(start, nullptr);

    // Typed first, then replaced by an assistive tool: the later name is the one used.
    QTest::keyClicks(field, "Typed");
    QAccessibleEditableTextInterface* text = readingOf(field)->editableTextInterface();
    ASSERT_NE(text, nullptr);
    text->replaceText(0, int(field->text().size()), "Harbour");
    ASSERT_TRUE(spinUntil([&] { return start->isEnabled(); }));
    QTest::mouseClick(start, Qt::LeftButton);
    ASSERT_TRUE(w.world.waitForOffload());
    const QList<HistoryEntry> entries = w.world.model->history().entries().toList();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_TRUE(entries[0].destinationPath.contains("Harbour"))
        << entries[0].destinationPath.toStdString();
    EXPECT_FALSE(entries[0].destinationPath.contains("Typed"));
}
