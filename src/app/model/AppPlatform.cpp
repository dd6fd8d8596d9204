#include "app/model/AppPlatform.h"

#include "devices/ProcessRunner.h"
#include "devices/VolumeFacts.h"
#include "media/HelperDurationReader.h"
#include "media/HelperFactsReader.h"

namespace stowly {

void AppPlatform::fillDefaults() {
    if (!volumes)
        volumes = &VolumeFacts::platform();
    if (!mountEvents)
        mountEvents = MountEvents::platform();
    if (!runner)
        runner = std::make_shared<ProcessRunner>();
    if (!durationReader)
        durationReader = std::make_shared<HelperDurationReader>();
    if (!factsReader)
        factsReader = std::make_shared<HelperFactsReader>();
    if (!sleepInhibitor)
        sleepInhibitor = SleepInhibitor::platform();
}

} // namespace stowly
