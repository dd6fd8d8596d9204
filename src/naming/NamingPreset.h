#pragma once

#include <QList>
#include <QString>

namespace stowly {

// A built-in pair of templates offered in the naming settings.
struct NamingPreset {
    QString name;
    QString folder;
    QString file;

    const QString& id() const { return name; }
    static const QList<NamingPreset>& all();

    friend bool operator==(const NamingPreset&, const NamingPreset&) = default;
};

} // namespace stowly
