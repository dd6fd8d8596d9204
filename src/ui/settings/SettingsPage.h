#pragma once

#include "app/settings/SettingKey.h"

#include <QUuid>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QAbstractItemView;
class QCheckBox;
class QLabel;
class QListWidget;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;

namespace stowly {

class AppSettings;
class MailHandoff;

// One tab of the settings window: sections of controls with their notes, scrolled when the
// window is short, and the footer links every tab ends with.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    SettingsPage(std::shared_ptr<MailHandoff> handoff, QWidget* parent);

    // Everything added goes into the current section, under its title.
    void addSection(const QString& title);
    void addWidget(QWidget* widget);
    void addLayout(QLayout* layout);
    // A secondary note under the control before it.
    QLabel* addNote(const QString& text);
    // A switch that shows read() and hands each change to write().
    QCheckBox* addSwitch(const QString& text, const std::function<bool()>& read,
                         std::function<void(bool)> write);
    // The same, shown anew whenever the setting under `key` changes.
    QCheckBox* addSwitch(const QString& text, std::function<bool()> read,
                         std::function<void(bool)> write, AppSettings& settings,
                         QLatin1StringView key);
    // A switch for a setting that is on or off.
    QCheckBox* addSwitch(const QString& text, AppSettings& settings, SettingKey<bool> key);
    // Ends the page: free space, then the two links.
    void finish();
    // Rows drawn by widgets keep their own text colours, so the list's selection becomes a soft
    // tint of the accent that every row text stays readable on. Only the selection is drawn:
    // every row needs its widget.
    static void tintSelection(QAbstractItemView* list);

protected:
    void changeEvent(QEvent* event) override;
    // A small square button under a list (+, −…); the accessible text is also its tooltip.
    QToolButton* listButton(const QString& text, const QString& accessible, const QString& name);
    // The buttons under a list, from the left.
    void addButtonRow(const QList<QToolButton*>& buttons);
    // A list to pick one item of, shown in `stack` with `empty` taking its place while it is
    // empty; its selection tinted.
    void addPickList(QStackedWidget* stack, QListWidget* list, const QString& name,
                     const QString& accessible, QWidget* empty);
    // Where a refused change says why: a wrapped warning line.
    void addErrorLine(QLabel* label, const QString& name = {});
    // Lists whose rows carry an item's id under Qt::UserRole: the selected row's id, and
    // selecting the row of an id.
    static std::optional<QUuid> selectedID(const QListWidget* list);
    static void selectID(QListWidget* list, const QUuid& id);
    // What an empty list shows instead: a title and a hint, centred.
    static QWidget* emptyState(const QString& title, const QString& hint, const QString& name,
                               QWidget* parent);

private:
    // Links take the accent, which reads on every theme where the default blue may not.
    void colourLinks();
    static void showChecked(QCheckBox* box, bool on);

    std::shared_ptr<MailHandoff> m_handoff;
    QVBoxLayout* m_layout;
    QList<QLabel*> m_links;
};

} // namespace stowly
