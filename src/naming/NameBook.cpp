#include "naming/NameBook.h"

#include "base/NameRules.h"

namespace stowly {
namespace {

const QString partialSuffixes[] = {QStringLiteral(".stowly-partial"),
                                   QStringLiteral(".flickbox-partial")};

QString withExtension(const QString& stem, const QString& ext) {
    return ext.isEmpty() ? stem : stem + u'.' + ext;
}

} // namespace

NameBook::NameBook(Lister lister) : m_lister(std::move(lister)) {}

const QString& NameBook::partialSuffix() {
    return partialSuffixes[0];
}

QStringList NameBook::names(const QString& folder) {
    const QString key = NameRules::fold(folder);
    if (const auto it = m_listed.constFind(key); it != m_listed.constEnd())
        return *it;
    QStringList names = m_lister ? m_lister(folder) : QStringList();
    QSet<QString>& taken = m_taken[key];
    taken.reserve(taken.size() + names.size());
    for (QString& name : names) {
        for (const QString& suffix : partialSuffixes) {
            if (name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive)) {
                name.chop(suffix.size());
                break;
            }
        }
        taken.insert(NameRules::fold(name));
    }
    return *m_listed.insert(key, std::move(names));
}

QSet<QString>& NameBook::takenIn(const QString& folder) {
    names(folder);
    return m_taken[NameRules::fold(folder)];
}

bool NameBook::isTaken(const QString& name, const QString& folder) {
    return takenIn(folder).contains(NameRules::fold(name));
}

QString NameBook::unique(const QString& stem, const QString& ext, const QString& folder) {
    const QSet<QString>& taken = takenIn(folder);
    QString candidate = withExtension(stem, ext);
    for (qint64 n = 2; taken.contains(NameRules::fold(candidate)); ++n)
        candidate = withExtension(stem + u'_' + QString::number(n), ext);
    return candidate;
}

void NameBook::reserve(const QString& name, const QString& folder) {
    takenIn(folder).insert(NameRules::fold(name));
}

} // namespace stowly
