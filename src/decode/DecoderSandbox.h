#pragma once

#include <QStringList>

namespace stowly::decoderSandbox {

// Loads what the decoders would otherwise load on their first file (image format plugins,
// decoder plugins): once confined, the process can no longer find them.
void warmUp();

// Confines this process for good to what decoding needs: no new privileges, no files written,
// no network, no programs started, bounded memory and descriptors. Returns what could not be
// put in place (an empty list when everything was).
QStringList confine();

} // namespace stowly::decoderSandbox
