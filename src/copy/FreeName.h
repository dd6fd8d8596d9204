#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace stowly {

// The path itself when neither it nor its partial file exists, else the first free
// "<stem>_N<ext>" from N = 2. Looked up at the last moment before a copy, so names that
// appeared since planning are avoided.
QString freePath(const QString& path);

// The same for one name in several folders: the first name free in every one of them, so a
// file keeps one relative path at every destination. `alsoTaken` names more taken names (those
// other runs of this process chose and have not made yet).
QString freeName(const QStringList& folders, const QString& fileName,
                 const std::function<bool(const QString& name)>& alsoTaken = {});

} // namespace stowly
