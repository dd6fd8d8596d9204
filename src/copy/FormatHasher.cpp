#include "copy/FormatHasher.h"

#include "copy/C4.h"
#include "copy/Copier.h"
#include "copy/Xxh128.h"

#include <openssl/evp.h>

#include <xxhash.h>

#include <new>
#include <optional>

namespace stowly {
namespace {

// OpenSSL's digests, which use the processor's SHA instructions where it has them: on the
// copy's reading thread, a slower one holds up the copy itself.
class Digest {
public:
    explicit Digest(const EVP_MD* kind) : m_context(EVP_MD_CTX_new()) {
        if (!m_context || EVP_DigestInit_ex(m_context, kind, nullptr) != 1) {
            EVP_MD_CTX_free(m_context);
            throw std::bad_alloc();
        }
    }
    ~Digest() { EVP_MD_CTX_free(m_context); }
    Digest(const Digest&) = delete;
    Digest& operator=(const Digest&) = delete;

    void addData(QByteArrayView bytes) {
        EVP_DigestUpdate(m_context, bytes.data(), size_t(bytes.size()));
    }
    QByteArray result() {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int size = 0;
        EVP_DigestFinal_ex(m_context, digest, &size);
        return QByteArray(reinterpret_cast<const char*>(digest), qsizetype(size));
    }

private:
    EVP_MD_CTX* m_context;
};

} // namespace

struct FormatHasher::State {
    QList<HashFormat> formats;
    std::optional<Digest> sha512;
    std::optional<Digest> md5;
    std::optional<Digest> sha1;
    std::optional<Xxh128> xxh128;
    XXH3_state_t* xxh3 = nullptr;
    XXH64_state_t* xxh64 = nullptr;

    ~State() {
        XXH3_freeState(xxh3);
        XXH64_freeState(xxh64);
    }
};

FormatHasher::FormatHasher(const QList<HashFormat>& formats) : m_state(std::make_unique<State>()) {
    State& s = *m_state;
    s.formats = formats;
    for (const HashFormat format : formats) {
        switch (format) {
        case HashFormat::c4:
            s.sha512.emplace(EVP_sha512());
            break;
        case HashFormat::md5:
            s.md5.emplace(EVP_md5());
            break;
        case HashFormat::sha1:
            s.sha1.emplace(EVP_sha1());
            break;
        case HashFormat::xxh128:
            s.xxh128.emplace();
            break;
        case HashFormat::xxh3:
            if (!s.xxh3 && (s.xxh3 = XXH3_createState()))
                XXH3_64bits_reset(s.xxh3);
            break;
        case HashFormat::xxh64:
            if (!s.xxh64 && (s.xxh64 = XXH64_createState()))
                XXH64_reset(s.xxh64, 0);
            break;
        }
    }
    if ((formats.contains(HashFormat::xxh3) && !s.xxh3) ||
        (formats.contains(HashFormat::xxh64) && !s.xxh64))
        throw std::bad_alloc();
}

FormatHasher::~FormatHasher() = default;

void FormatHasher::update(const char* data, qsizetype size) {
    State& s = *m_state;
    const QByteArrayView bytes(data, size);
    if (s.sha512)
        s.sha512->addData(bytes);
    if (s.md5)
        s.md5->addData(bytes);
    if (s.sha1)
        s.sha1->addData(bytes);
    if (s.xxh128)
        s.xxh128->update(data, size);
    if (s.xxh3)
        XXH3_64bits_update(s.xxh3, data, size_t(size));
    if (s.xxh64)
        XXH64_update(s.xxh64, data, size_t(size));
}

QMap<HashFormat, QString> FormatHasher::finish() {
    State& s = *m_state;
    QMap<HashFormat, QString> values;
    for (const HashFormat format : s.formats) {
        switch (format) {
        case HashFormat::c4:
            values[format] = C4::fromDigest(s.sha512->result());
            break;
        case HashFormat::md5:
            values[format] = Copier::hexString(s.md5->result());
            break;
        case HashFormat::sha1:
            values[format] = Copier::hexString(s.sha1->result());
            break;
        case HashFormat::xxh128:
            values[format] = Copier::hexString(s.xxh128->finish());
            break;
        case HashFormat::xxh3: {
            XXH64_canonical_t canonical;
            XXH64_canonicalFromHash(&canonical, XXH3_64bits_digest(s.xxh3));
            values[format] = Copier::hexString(
                QByteArrayView(reinterpret_cast<const char*>(canonical.digest), 8));
            break;
        }
        case HashFormat::xxh64: {
            XXH64_canonical_t canonical;
            XXH64_canonicalFromHash(&canonical, XXH64_digest(s.xxh64));
            values[format] = Copier::hexString(
                QByteArrayView(reinterpret_cast<const char*>(canonical.digest), 8));
            break;
        }
        }
    }
    return values;
}

QString FormatHasher::of(HashFormat format, QByteArrayView bytes) {
    FormatHasher hasher({format});
    hasher.update(bytes.data(), bytes.size());
    return hasher.finish().value(format);
}

} // namespace stowly
