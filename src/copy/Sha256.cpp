#include "copy/Sha256.h"

#include <openssl/evp.h>

#include <new>

namespace stowly {

Sha256::Sha256() : m_context(EVP_MD_CTX_new()) {
    if (!m_context || EVP_DigestInit_ex(m_context, EVP_sha256(), nullptr) != 1)
        throw std::bad_alloc();
}

Sha256::~Sha256() {
    EVP_MD_CTX_free(m_context);
}

void Sha256::update(const char* data, qsizetype size) {
    EVP_DigestUpdate(m_context, data, size_t(size));
}

QByteArray Sha256::finish() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(m_context, digest, &length);
    return QByteArray(reinterpret_cast<const char*>(digest), qsizetype(length));
}

} // namespace stowly
