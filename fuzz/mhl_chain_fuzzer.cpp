#include "Check.h"
#include "FuzzInput.h"

#include "mhl/MhlChain.h"

using namespace stowly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput::setUp();
    const QString name = QStringLiteral("ascmhl_chain.xml");
    const auto read = MhlChain::fromXml(fuzzInput::bytes(data, size), name);
    if (const auto* chain = std::get_if<MhlChain>(&read)) {
        for (qsizetype i = 0; i < chain->links.size(); ++i)
            FUZZ_CHECK(chain->links[i].sequenceNumber == i + 1);
        const auto again = MhlChain::fromXml(chain->toXml(), name);
        FUZZ_CHECK(std::holds_alternative<MhlChain>(again));
        FUZZ_CHECK(std::get<MhlChain>(again).links == chain->links);
    }
    return 0;
}
