#include "Check.h"
#include "FuzzInput.h"

#include "base/DecodeWire.h"
#include "decode/DecodeService.h"
#include "media/MediaFacts.h"

#include <QFile>
#include <QGuiApplication>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace stowly;

namespace {

// The file kinds the helper tells apart, each to its own decoder.
const char* const extensions[] = {"jpg", "png", "tif", "webp", "heic", "arw", "dng", "mp4", "mov"};

// One request as the program sends it, answered by the helper's own loop, which ends when the
// program's side closes; the answer must be well formed.
void ask(const QString& file, decodeWire::Request request) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    const int descriptor = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    const bool sent = descriptor >= 0 && decodeWire::sendRequest(ends[0], descriptor, request);
    if (descriptor >= 0)
        ::close(descriptor);
    ::shutdown(ends[0], SHUT_WR);
    // A small edge keeps the answer within the socket's buffer while the loop runs here.
    DecodeService::serve(ends[1]);
    ::close(ends[1]);
    if (sent) {
        const auto answer = decodeWire::receiveAnswer(ends[0], 1000);
        FUZZ_CHECK(answer.has_value());
        // What the helper itself sends is always well formed.
        if (request.kind == decodeWire::Request::Kind::facts)
            FUZZ_CHECK(MediaFacts::fromWire(answer->facts).has_value());
    }
    ::close(ends[0]);
}

// Bytes as they might come over the socket from a helper gone wrong: the program's reader
// takes or refuses them without reading past them.
void readAnswer(const QByteArray& bytes) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    if (::send(ends[1], bytes.constData(), size_t(bytes.size()), MSG_DONTWAIT | MSG_NOSIGNAL) ==
        bytes.size()) {
        ::shutdown(ends[1], SHUT_WR);
        if (const auto answer = decodeWire::receiveAnswer(ends[0], 100)) {
            if (answer->drawn)
                FUZZ_CHECK(answer->pixels.size() ==
                               qsizetype(answer->bytesPerLine) * answer->height &&
                           answer->bytesPerLine >= answer->width * 4);
            FUZZ_CHECK(answer->facts.size() <= decodeWire::maxFactsBytes);
            (void)MediaFacts::fromWire(answer->facts);
        }
    }
    ::close(ends[0]);
    ::close(ends[1]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput::setUp();
    static int argc = 1;
    static char name[] = "decoder_fuzzer";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    if (size < 1)
        return 0;
    const QByteArray content = fuzzInput::bytes(data + 1, size - 1);
    const char* extension = extensions[data[0] % std::size(extensions)];
    if (data[0] >= 0xf0) {
        readAnswer(content);
        return 0;
    }
    fuzzInput::freshFolder();
    const QString file =
        fuzzInput::write(QStringLiteral("CARD.%1").arg(QLatin1StringView(extension)), content);
    const QString shown = QStringLiteral("C0001.%1").arg(QLatin1StringView(extension));
    ask(file, {decodeWire::Request::Kind::drawing, shown, 64});
    if (data[0] % std::size(extensions) >= 7)
        ask(file, {decodeWire::Request::Kind::duration, shown, 0});
    ask(file, {decodeWire::Request::Kind::facts, shown, 0});
    return 0;
}
