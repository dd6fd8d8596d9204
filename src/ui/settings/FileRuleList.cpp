#include "ui/settings/FileRuleList.h"

#include "app/settings/AppSettings.h"
#include "ui/stages/StageStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace stowly {

FileRuleList::FileRuleList(AppSettings& settings, Kind kind, const QString& title, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_kind(kind) {
    static const char* names[] = {"proxyList", "sidecarList", "ignoreList"};
    setObjectName(QString::fromLatin1(names[int(kind)]));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    auto* heading = new QLabel(title, this);
    QFont bold = heading->font();
    bold.setWeight(QFont::DemiBold);
    heading->setFont(bold);
    layout->addWidget(heading);

    m_rows = new QVBoxLayout;
    m_rows->setSpacing(4);
    layout->addLayout(m_rows);

    m_field = new QLineEdit(this);
    m_field->setObjectName(objectName() + QStringLiteral("Field"));
    m_field->setAccessibleName(title);
    m_field->setPlaceholderText(kind == Kind::proxies    ? tr("Add an extension, e.g. lrv")
                                : kind == Kind::sidecars ? tr("Add an extension, e.g. thm")
                                                         : tr("Add a name or pattern, e.g. *.tmp"));
    m_field->setMaximumWidth(320);
    layout->addWidget(m_field);
    m_message = new QLabel(this);
    m_message->setObjectName(objectName() + QStringLiteral("Message"));
    stageStyle::setRole(m_message, QStringLiteral("warning"));
    m_message->hide();
    layout->addWidget(m_message);
    m_warning = new QLabel(this);
    m_warning->setObjectName(objectName() + QStringLiteral("Warning"));
    m_warning->setWordWrap(true);
    stageStyle::setRole(m_warning, QStringLiteral("warning"));
    m_warning->hide();
    layout->addWidget(m_warning);

    connect(m_field, &QLineEdit::returnPressed, this, [this] { addEntry(m_field->text()); });
    connect(m_field, &QLineEdit::textEdited, m_message, &QLabel::hide);
    m_settings.onChange(setting::fileRules, this, &FileRuleList::showEntries);
    showEntries();
}

QStringList FileRuleList::entries() const {
    const FileRules rules = m_settings.value(setting::fileRules);
    switch (m_kind) {
    case Kind::proxies:
        return rules.proxyExtensions;
    case Kind::sidecars:
        return rules.sidecarExtensions;
    case Kind::ignored:
        return rules.ignorePatterns;
    }
    return {};
}

void FileRuleList::write(const QStringList& list) {
    FileRules rules = m_settings.value(setting::fileRules);
    switch (m_kind) {
    case Kind::proxies:
        rules.proxyExtensions = FileRules::cleanExtensions(list);
        break;
    case Kind::sidecars:
        rules.sidecarExtensions = FileRules::cleanExtensions(list);
        break;
    case Kind::ignored:
        rules.ignorePatterns = FileRules::cleanPatterns(list);
        break;
    }
    m_settings.setValue(setting::fileRules, rules);
}

bool FileRuleList::addEntry(const QString& text) {
    std::optional<QString> cleaned;
    if (m_kind == Kind::ignored) {
        const QStringList patterns = FileRules::cleanPatterns({text});
        if (!patterns.isEmpty())
            cleaned = patterns.first();
    } else {
        cleaned = FileRules::cleanExtension(text);
    }
    if (!cleaned) {
        if (text.trimmed().isEmpty())
            return false;
        m_message->setText(tr("That can’t be used here."));
        m_message->show();
        return false;
    }
    m_message->hide();
    m_field->clear();
    QStringList list = entries();
    if (list.contains(*cleaned, Qt::CaseInsensitive))
        return true;
    list.append(*cleaned);
    write(list);
    return true;
}

void FileRuleList::showEntries() {
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        if (QWidget* row = item->widget())
            row->deleteLater();
        delete item;
    }
    const QStringList list = entries();
    QStringList hiding;
    for (const QString& entry : list) {
        auto* row = new QWidget(this);
        row->setObjectName(QStringLiteral("entry"));
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(8);
        auto* name = new QLabel(entry, row);
        name->setTextFormat(Qt::PlainText);
        layout->addWidget(name);
        if (m_kind == Kind::ignored && FileRules::ignoresMainMedia(entry)) {
            hiding << entry;
            auto* badge = new QLabel(tr("would hide footage"), row);
            stageStyle::setRole(badge, QStringLiteral("badge"));
            layout->addWidget(badge);
        }
        layout->addStretch(1);
        auto* remove = new QToolButton(row);
        remove->setText(QStringLiteral("−"));
        remove->setAccessibleName(tr("Remove %1").arg(entry));
        remove->setToolTip(remove->accessibleName());
        connect(remove, &QToolButton::clicked, this, [this, entry] {
            QStringList rest = entries();
            rest.removeAll(entry);
            write(rest);
        });
        layout->addWidget(remove);
        m_rows->addWidget(row);
    }
    m_warning->setVisible(!hiding.isEmpty());
    if (!hiding.isEmpty())
        m_warning->setText(QStringLiteral("⚠ ") + hiding.join(QStringLiteral(", ")) +
                           tr(" matches photos or videos. Those files won’t be offloaded, and "
                              "formatting the card erases them."));
}

} // namespace stowly
