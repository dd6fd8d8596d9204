#pragma once

#include "media/Clip.h"
#include "media/FileRules.h"

#include <QDateTime>
#include <QJsonObject>
#include <QSet>
#include <QTimeZone>

#include <optional>
#include <utility>

namespace stowly {

// Which days' files an offload takes, by each file's creation date (else modification date).
struct DateFilter {
    enum class Mode { any, today, last7Days, custom };

    Mode mode = Mode::any;
    QDateTime from;
    QDateTime to;

    // Mode any, with both dates the time of first use; made once for the run.
    static const DateFilter& any();
    // The days from `first` to `last`, both included (in either order), on this computer's
    // calendar.
    static DateFilter days(const QDate& first, const QDate& last);

    static QString rawValue(Mode mode);
    static std::optional<Mode> modeFromRawValue(QStringView raw);

    // Half-open [start, end) on the calendar of the given time zone, days starting at local
    // midnight; none for mode any.
    std::optional<std::pair<QDateTime, QDateTime>>
    interval(const QDateTime& now, const QTimeZone& zone = QTimeZone::systemTimeZone()) const;

    // Ids of the files outside the range; sidecars follow their main file's date.
    QSet<QString> excludedIDs(const QList<Clip>& files, const FileRules& rules,
                              const QDateTime& now,
                              const QTimeZone& zone = QTimeZone::systemTimeZone()) const;

    QJsonObject toJson() const;
    // "mode", "from" and "to" are all required; anything missing or malformed gives none.
    static std::optional<DateFilter> fromJson(const QJsonObject& object);
    // "any", "today", "last7days" (any case) or "FROM..TO" with ISO dates, both days included;
    // `now` fixes the dates of "today" and "last7days".
    static std::optional<DateFilter> fromText(const QString& text, const QDateTime& now);

    friend bool operator==(const DateFilter&, const DateFilter&) = default;
};

} // namespace stowly
