#include "media/HelperDurationReader.h"

#include "media/DecoderHelpers.h"

namespace stowly {

HelperDurationReader::HelperDurationReader(DecoderHelpers* helpers)
    : m_helpers(helpers ? *helpers : DecoderHelpers::shared()) {}

std::optional<double> HelperDurationReader::duration(const QByteArray& url) {
    decodeWire::Request request;
    request.kind = decodeWire::Request::Kind::duration;
    const std::optional<decodeWire::Answer> answer = m_helpers.ask(url, request, timeLimitMs);
    if (!answer || !answer->seconds || *answer->seconds <= 0)
        return std::nullopt;
    return answer->seconds;
}

} // namespace stowly
