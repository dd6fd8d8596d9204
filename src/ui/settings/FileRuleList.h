#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QVBoxLayout;

namespace stowly {

class AppSettings;

// One of the three lists of the file rules: its entries with a remove button each, and a field
// that adds a cleaned entry or says why it can't. Writes the settings at once.
class FileRuleList : public QWidget {
    Q_OBJECT
public:
    enum class Kind { proxies, sidecars, ignored };

    FileRuleList(AppSettings& settings, Kind kind, const QString& title, QWidget* parent);

    // Adds the field's text; false when it can't be used (and the field says so).
    bool addEntry(const QString& text);

private:
    QStringList entries() const;
    void write(const QStringList& entries);
    void showEntries();

    AppSettings& m_settings;
    Kind m_kind;
    QVBoxLayout* m_rows = nullptr;
    QLineEdit* m_field = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_warning = nullptr;
};

} // namespace stowly
