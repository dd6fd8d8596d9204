#include "app/model/AppPlatform.h"

#include "devices/ProcessRunner.h"
#include "devices/VolumeFacts.h"
#include "media/FFmpegDurationReader.h"

namespace stowly {

void AppPlatform::fillDefaults() {
    if (!volumes)
        volumes = &VolumeFacts::platform();
    if (!mountEvents)
        mountEvents = MountEvents::platform();
    if (!runner)
        runner = std::make_shared<ProcessRunner>();
    if (!durationReader)
        durationReader = std::make_shared<FFmpegDurationReader>();
    if (!sleepInhibitor)
        sleepInhibitor = SleepInhibitor::platform();
}

} // namespace stowly
