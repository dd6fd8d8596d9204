#pragma once

#include "media/Clip.h"
#include "media/FileRules.h"
#include "naming/DestinationNameRules.h"
#include "naming/NameBook.h"
#include "naming/NamingContext.h"
#include "naming/NamingTemplates.h"
#include "naming/PlannedFile.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// Turns the files chosen for an offload into a plan of destination folders and names.
namespace OffloadPlanner {
// Folder path relative to the destination root → names of the entries in it.
using Lister = NameBook::Lister;

// What one disk lister has read, by folder path exactly as asked.
struct ListingCache {
    QHash<QString, QStringList> entries;
};

// The plan in copy order, each clip followed by its companions. No planned name equals a
// name already in its folder or another planned name, compared without regard to case.
// Touches the disk only through the lister, which is asked about each folder at most once.
// Every folder level and file name is one the destination can hold.
QList<PlannedFile> plan(const QList<Clip>& files, const NamingTemplates& naming,
                        const NamingContext& context, const FileRules& rules,
                        const Lister& existingNames, const DestinationNameRules& destination = {});

// A lister over the destination root with a cache of its own; lists nothing without a
// root. A folder that cannot be read lists as empty.
Lister diskLister(std::optional<QString> root);
// The names in the folder at any of the roots, so a name is taken when it is taken at one of
// them and sequence numbers continue from the highest at any of them.
Lister diskLister(const QStringList& roots);

// The highest number among names of the form prefix, digits, fixedAfter (and, when the
// text after the number is fixed, nothing more than an extension); 0 when none fits.
qint64 highestSequence(const QStringList& names, const QString& prefix, const QString& fixedAfter,
                       bool afterIsFixed);

// "Proxies" or "Sidecars"; nothing for main files.
std::optional<QString> roleFolder(FileRole role);
} // namespace OffloadPlanner

} // namespace stowly
