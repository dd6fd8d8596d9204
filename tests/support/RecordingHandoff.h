#pragma once

#include "diagnostics/MailHandoff.h"

#include <QList>

#include <mutex>

namespace stowly::test {

// The mail program and browser as Stowly sees them: what was handed over (from any thread).
struct RecordingHandoff : MailHandoff {
    bool compose(const Draft& draft) override {
        std::lock_guard lock(mutex);
        drafts.append(draft);
        return true;
    }
    bool open(const QUrl& link) override {
        std::lock_guard lock(mutex);
        links.append(link);
        return true;
    }
    std::mutex mutex;
    QList<Draft> drafts;
    QList<QUrl> links;
};

} // namespace stowly::test
