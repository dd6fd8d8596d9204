#include "media/DurationFormatting.h"

#include <QCoreApplication>

#include <cmath>

namespace stowly {

QString DurationFormatting::threshold(double seconds) {
    const qint64 whole = std::isfinite(seconds) ? qint64(seconds) : 0;
    return whole == 1 ? QCoreApplication::translate("DurationFormatting", "1 second")
                      : QCoreApplication::translate("DurationFormatting", "%n seconds", nullptr,
                                                    int(whole));
}

QString DurationFormatting::shortText(double seconds) {
    const qint64 s = std::isfinite(seconds) && seconds > 0 ? qint64(std::floor(seconds)) : 0;
    if (s < 3600)
        return QString::asprintf("%lld:%02lld", s / 60, s % 60);
    return QString::asprintf("%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
}

} // namespace stowly
