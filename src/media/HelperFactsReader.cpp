#include "media/HelperFactsReader.h"

#include "media/DecoderHelpers.h"

namespace stowly {
namespace {

DecoderHelpers& backgroundHelpers() {
    // Never destroyed, as the shared helpers: a worker may still be asking at the end.
    static auto* helpers = new DecoderHelpers(DecoderHelpers::Priority::background);
    return *helpers;
}

} // namespace

HelperFactsReader::HelperFactsReader(DecoderHelpers* helpers)
    : m_helpers(helpers ? *helpers : backgroundHelpers()) {}

std::optional<MediaFacts> HelperFactsReader::facts(const QByteArray& url, std::stop_token stop) {
    decodeWire::Request request;
    request.kind = decodeWire::Request::Kind::facts;
    const std::optional<decodeWire::Answer> answer = m_helpers.ask(url, request, timeLimitMs, stop);
    if (!answer)
        return std::nullopt;
    return MediaFacts::fromWire(answer->facts);
}

} // namespace stowly
