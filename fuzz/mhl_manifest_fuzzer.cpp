#include "Check.h"
#include "FuzzInput.h"

#include "mhl/ManifestXml.h"

using namespace stowly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput::setUp();
    const QString name = QStringLiteral("0001_Card_2026-10-25_133005Z.mhl");
    const auto read = ManifestXml::read(fuzzInput::bytes(data, size), name);
    if (const auto* manifest = std::get_if<MhlManifest>(&read)) {
        for (const MhlManifest::File& file : manifest->files)
            FUZZ_CHECK(ManifestXml::isSafePath(file.path));
        // A manifest that was taken is written so that it reads back the same.
        const auto again = ManifestXml::read(ManifestXml::write(*manifest), name);
        FUZZ_CHECK(std::holds_alternative<MhlManifest>(again));
        FUZZ_CHECK(std::get<MhlManifest>(again) == *manifest);
    }
    return 0;
}
