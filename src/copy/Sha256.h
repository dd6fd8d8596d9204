#pragma once

#include <QByteArray>
#include <QString>

struct evp_md_ctx_st;

namespace stowly {

// An incremental SHA-256 (OpenSSL's, which uses the processor's SHA instructions).
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void update(const char* data, qsizetype size);
    // The 32-byte digest; the computation is over afterwards.
    QByteArray finish();

private:
    evp_md_ctx_st* m_context;
};

} // namespace stowly
