#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

namespace stowly {

// The names in use per destination folder during one plan: those on disk (each folder read
// once) and those this plan has reserved. Names and folders compare without regard to case.
class NameBook {
public:
    // Folder path relative to the destination root → names of its entries; empty for a folder
    // that is missing or cannot be read.
    using Lister = std::function<QStringList(const QString& folder)>;

    explicit NameBook(Lister lister);
    // What an unfinished copy's name carries after the final name.
    static const QString& partialSuffix();

    // The names on disk in the folder; an unfinished copy counts under its final name.
    QStringList names(const QString& folder);
    // stem.ext, or stem_2.ext, stem_3.ext… whichever is free first; not reserved by this call.
    QString unique(const QString& stem, const QString& ext, const QString& folder);
    void reserve(const QString& name, const QString& folder);
    bool isTaken(const QString& name, const QString& folder);

private:
    QSet<QString>& takenIn(const QString& folder);

    Lister m_lister;
    // Folded folder path → folded names in use.
    QHash<QString, QSet<QString>> m_taken;
    // Folded folder path → names read from disk.
    QHash<QString, QStringList> m_listed;
};

} // namespace stowly
