#pragma once

#include "mhl/MhlManifest.h"

namespace stowly {

// Folder hashes as ASC MHL defines them, over each folder's immediate children:
// content = H(the children's digests, their values sorted as text, concatenated);
// structure = the same over H(name in UTF-8 ‖ digest) of every child, where a sub-folder's
// digest is its own structure hash. Renaming a file changes the structure hash only.
namespace DirectoryHashes {
struct Result {
    // Every folder that holds a file at any depth, deepest first.
    QList<MhlManifest::Directory> directories;
    // The folder the paths are relative to.
    MhlManifest::Directory root;
};

// In each of `formats` that every file carries; a format some file lacks is left out.
Result compute(const QList<MhlManifest::File>& files, const QList<HashFormat>& formats);

// H over the digests the values stand for, the values sorted as text: one folder's content
// hash given its children's values.
QString combine(HashFormat format, QStringList values);
} // namespace DirectoryHashes

} // namespace stowly
