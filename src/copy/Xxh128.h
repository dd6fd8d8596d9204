#pragma once

#include <QByteArray>
#include <QtGlobal>

struct XXH3_state_s;

namespace stowly {

// An incremental XXH3-128 (libxxhash), fed the same chunks as Sha256.
class Xxh128 {
public:
    Xxh128();
    ~Xxh128();
    Xxh128(const Xxh128&) = delete;
    Xxh128& operator=(const Xxh128&) = delete;

    void update(const char* data, qsizetype size);
    // The 16-byte digest in its canonical big-endian form, the byte order its hex text is
    // written in; the computation is over afterwards.
    QByteArray finish();

private:
    XXH3_state_s* m_state;
};

} // namespace stowly
