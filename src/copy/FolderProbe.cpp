#include "copy/FolderProbe.h"

#include "base/FileNames.h"
#include "copy/ShareAddress.h"

#include <QSet>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace stowly {
namespace {

std::mutex waitingMutex;
// Mount points of shares with a question still out.
QSet<QString> waiting;

std::atomic<long long> patienceMs{40};

struct Answer {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
};

} // namespace

std::chrono::milliseconds FolderProbe::patience() {
    return std::chrono::milliseconds(patienceMs.load());
}

void FolderProbe::setPatience(std::chrono::milliseconds limit) {
    patienceMs = limit.count();
}

bool FolderProbe::answers(const QString& folder, std::function<void()> question,
                          std::chrono::milliseconds limit) {
    const std::optional<ShareAddress> share = ShareAddress::of(folder);
    if (!share) {
        question();
        return true;
    }
    {
        const std::lock_guard lock(waitingMutex);
        if (waiting.contains(share->mountPoint))
            return false;
        waiting.insert(share->mountPoint);
    }
    auto answer = std::make_shared<Answer>();
    std::thread([answer, question = std::move(question), mountPoint = share->mountPoint] {
        question();
        {
            const std::lock_guard lock(waitingMutex);
            waiting.remove(mountPoint);
        }
        const std::lock_guard lock(answer->mutex);
        answer->done = true;
        answer->ended.notify_all();
    }).detach();
    std::unique_lock lock(answer->mutex);
    return answer->ended.wait_for(lock, limit, [&] { return answer->done; });
}

bool FolderProbe::isFolder(const QString& folder, std::chrono::milliseconds limit) {
    auto result = std::make_shared<bool>(false);
    return answers(
               folder,
               [result, path = fileNames::encode(folder)] {
                   struct stat info;
                   *result = ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
               },
               limit) &&
           *result;
}

} // namespace stowly
