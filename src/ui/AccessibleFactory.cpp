#include "ui/AccessibleFactory.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QMetaObject>
#include <QToolButton>

namespace stowly {
namespace {

QString shownText(const QAbstractButton* button) {
    if (!button->accessibleName().isEmpty())
        return button->accessibleName();
    QString text = button->text();
    text.remove(u'&');
    return text;
}

QString segmentsOf(const QObject* object) {
    return object ? object->property("segments").toString() : QString();
}

// Every tool button of the window. What a button is can change after it was first read (a
// menu or a role is given once it exists, and a screen reader reads widgets as they appear),
// so its role and actions are worked out each time they are asked for.
class ToolButtonAccessible : public QAccessibleWidget {
public:
    explicit ToolButtonAccessible(QToolButton* button) : QAccessibleWidget(button) {}

    QToolButton* button() const { return static_cast<QToolButton*>(widget()); }

    QAccessible::Role role() const override {
        if (button()->property("stowlyRole").toString() == QLatin1String("segment")) {
            const QString kind = segmentsOf(button()->parent());
            if (kind == QLatin1String("tabs"))
                return QAccessible::PageTab;
            if (kind == QLatin1String("choice"))
                return QAccessible::RadioButton;
        }
        // Qt offers "ShowMenu" on such a button but does nothing for it.
        if (opensMenu())
            return QAccessible::ButtonMenu;
        return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return shownText(button());
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        if (button()->isCheckable()) {
            state.checkable = true;
            state.checked = button()->isChecked();
        }
        if (role() == QAccessible::PageTab) {
            state.selectable = true;
            state.selected = button()->isChecked();
        }
        if (opensMenu()) {
            state.hasPopup = true;
            state.expanded = button()->menu()->isVisible();
            state.collapsed = !state.expanded;
        }
        state.pressed = button()->isDown();
        return state;
    }
    QStringList actionNames() const override {
        if (opensMenu())
            return {showMenuAction(), pressAction(), setFocusAction()};
        if (role() == QAccessible::CheckBox)
            return {toggleAction(), setFocusAction()};
        return {pressAction(), setFocusAction()};
    }
    void doAction(const QString& action) override {
        if (!button()->isEnabled())
            return;
        if (action == setFocusAction())
            button()->setFocus(Qt::OtherFocusReason);
        else if (opensMenu() && (action == showMenuAction() || action == pressAction()))
            // Queued: the menu runs a loop of its own, and the caller waits for an answer.
            QMetaObject::invokeMethod(button(), &QToolButton::showMenu, Qt::QueuedConnection);
        else if (action == pressAction() || action == toggleAction())
            button()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // An open menu is a window of its own, which Qt leaves out of the application's windows;
    // here it is the button's last child, so it can be found and read.
    int childCount() const override {
        return QAccessibleWidget::childCount() + (menuShown() ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override {
        if (menuShown() && index == QAccessibleWidget::childCount())
            return QAccessible::queryAccessibleInterface(button()->menu());
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (menuShown() && child && child->object() == button()->menu())
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    bool menuShown() const { return opensMenu() && button()->menu()->isVisible(); }
    bool opensMenu() const {
        return button()->menu() && button()->popupMode() == QToolButton::InstantPopup;
    }
};

// A plain container, which may turn out to hold a segmented switch.
class ContainerAccessible : public QAccessibleWidget {
public:
    explicit ContainerAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override {
        const QString kind = segmentsOf(widget());
        if (kind == QLatin1String("tabs"))
            return QAccessible::PageTabList;
        if (kind == QLatin1String("choice"))
            return QAccessible::Grouping;
        return QAccessible::Client;
    }
};

QAccessibleInterface* make(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* button = qobject_cast<QToolButton*>(widget))
        return new ToolButtonAccessible(button);
    // Only plain widgets: every other class has a reading of its own.
    if (className == QLatin1String("QWidget"))
        return new ContainerAccessible(widget);
    return nullptr;
}

} // namespace

void AccessibleFactory::install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(make);
}

} // namespace stowly
