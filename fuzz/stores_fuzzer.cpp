#include "Check.h"
#include "FuzzInput.h"

#include "app/stores/CameraStore.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"
#include "app/stores/RuleStore.h"
#include "history/RunLog.h"

#include <QDir>

using namespace stowly;

namespace {

// What a store took from its file, written by the item's own writer, reads back the same: else
// the next save would lose it.
template <typename T> void readsBack(const QList<T>& items) {
    for (const T& item : items) {
        const auto again = T::fromJson(item.toJson(), QStringLiteral("item"));
        FUZZ_CHECK(std::holds_alternative<T>(again));
        FUZZ_CHECK(std::get<T>(again) == item);
    }
}

} // namespace

// The first byte picks the store, the rest is its file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput::setUp();
    if (size < 1)
        return 0;
    fuzzInput::freshFolder();
    const QByteArray content = fuzzInput::bytes(data + 1, size - 1);
    switch (data[0] % 5) {
    case 0: {
        PresetStore store(fuzzInput::write(QStringLiteral("presets.json"), content));
        readsBack(store.presets());
        break;
    }
    case 1: {
        CameraStore store(fuzzInput::write(QStringLiteral("cameras.json"), content));
        readsBack(store.cameras());
        break;
    }
    case 2: {
        RuleStore store(fuzzInput::write(QStringLiteral("rules.json"), content));
        readsBack(store.rules());
        break;
    }
    case 3: {
        DestinationStore::Options options;
        options.filePath = fuzzInput::write(QStringLiteral("destinations.json"), content);
        // The moved-folder pass looks at no folder the file names.
        options.folderExists = [](const QString&) { return true; };
        DestinationStore store(options);
        readsBack(store.favorites());
        break;
    }
    case 4: {
        // An offload's record for its reports: what was read is what its writer writes again.
        const QString folder = fuzzInput::freshFolder() + QStringLiteral("/runs");
        QDir().mkpath(folder);
        fuzzInput::write(QStringLiteral("runs/20260101T000000000Z-run.json"), content);
        for (const RunRecord& run : RunLog(folder).load()) {
            const auto again = RunRecord::fromJson(run.toJson());
            FUZZ_CHECK(again && *again == run);
        }
        break;
    }
    }
    return 0;
}
