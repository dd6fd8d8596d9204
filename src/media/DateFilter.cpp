#include "media/DateFilter.h"

#include "media/ClipOrder.h"
#include "media/SidecarMatcher.h"

#include <QDate>
#include <QHash>

namespace stowly {
namespace {

QDateTime startOfDay(const QDate& day, const QTimeZone& zone) {
    const QDateTime start = day.startOfDay(zone);
    return start.isValid() ? start : QDateTime(day, QTime(0, 0), zone);
}

// The start of the following day; the day's own start when the calendar cannot add a day.
QDateTime startOfNextDay(const QDate& day, const QTimeZone& zone) {
    const QDate next = day.addDays(1);
    return next.isValid() ? startOfDay(next, zone) : startOfDay(day, zone);
}

std::optional<QDateTime> fileDate(const Clip& clip) {
    if (clip.creationDate && clip.creationDate->isValid())
        return clip.creationDate;
    if (clip.modificationDate && clip.modificationDate->isValid())
        return clip.modificationDate;
    return std::nullopt;
}

std::optional<QDate> isoDate(const QString& text) {
    const QDate date = QDate::fromString(text.trimmed(), Qt::ISODate);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// Noon keeps the day the same in every time zone offset the filter may meet.
QDateTime dayOf(const QDate& date) {
    return QDateTime(date, QTime(12, 0), QTimeZone::systemTimeZone()).toUTC();
}

} // namespace

DateFilter DateFilter::days(const QDate& first, const QDate& last) {
    DateFilter filter;
    filter.mode = Mode::custom;
    filter.from = dayOf(std::min(first, last));
    filter.to = dayOf(std::max(first, last));
    return filter;
}

const DateFilter& DateFilter::any() {
    static const DateFilter filter = [] {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        return DateFilter{Mode::any, now, now};
    }();
    return filter;
}

QString DateFilter::rawValue(Mode mode) {
    switch (mode) {
    case Mode::today:
        return QStringLiteral("today");
    case Mode::last7Days:
        return QStringLiteral("last7Days");
    case Mode::custom:
        return QStringLiteral("custom");
    case Mode::any:
        break;
    }
    return QStringLiteral("any");
}

std::optional<DateFilter::Mode> DateFilter::modeFromRawValue(QStringView raw) {
    for (Mode m : {Mode::any, Mode::today, Mode::last7Days, Mode::custom})
        if (rawValue(m) == raw)
            return m;
    return std::nullopt;
}

std::optional<std::pair<QDateTime, QDateTime>> DateFilter::interval(const QDateTime& now,
                                                                    const QTimeZone& zone) const {
    const QDate today = now.toTimeZone(zone).date();
    switch (mode) {
    case Mode::any:
        return std::nullopt;
    case Mode::today:
        return std::pair{startOfDay(today, zone), startOfNextDay(today, zone)};
    case Mode::last7Days: {
        const QDate first = today.addDays(-6);
        return std::pair{first.isValid() ? startOfDay(first, zone) : startOfDay(today, zone),
                         startOfNextDay(today, zone)};
    }
    case Mode::custom: {
        const QDate a = from.toTimeZone(zone).date();
        const QDate b = to.toTimeZone(zone).date();
        return std::pair{startOfDay(std::min(a, b), zone), startOfNextDay(std::max(a, b), zone)};
    }
    }
    return std::nullopt;
}

QSet<QString> DateFilter::excludedIDs(const QList<Clip>& files, const FileRules& rules,
                                      const QDateTime& now, const QTimeZone& zone) const {
    QSet<QString> excluded;
    const auto range = interval(now, zone);
    if (!range)
        return excluded;
    const QList<Clip> ordered = clipOrder::order(files);
    const SidecarMatcher::Result matched = SidecarMatcher::match(ordered, rules);
    QHash<QString, const Clip*> byID;
    for (const Clip& clip : ordered)
        byID.insert(clip.relativePath, &clip);
    for (const Clip& clip : ordered) {
        const Clip* dated = &clip;
        const auto primary = matched.primaryOf.constFind(clip.relativePath);
        if (primary != matched.primaryOf.cend()) {
            if (const Clip* main = byID.value(*primary))
                dated = main;
        }
        const std::optional<QDateTime> date = fileDate(*dated);
        if (date && (*date < range->first || *date >= range->second))
            excluded.insert(clip.relativePath);
    }
    return excluded;
}

QJsonObject DateFilter::toJson() const {
    return QJsonObject{{"mode", rawValue(mode)},
                       {"from", from.toUTC().toString(Qt::ISODateWithMs)},
                       {"to", to.toUTC().toString(Qt::ISODateWithMs)}};
}

std::optional<DateFilter> DateFilter::fromJson(const QJsonObject& object) {
    const QJsonValue mode = object.value("mode");
    const QJsonValue from = object.value("from");
    const QJsonValue to = object.value("to");
    if (!mode.isString() || !from.isString() || !to.isString())
        return std::nullopt;
    const std::optional<Mode> m = modeFromRawValue(mode.toString());
    const QDateTime f = QDateTime::fromString(from.toString(), Qt::ISODateWithMs);
    const QDateTime t = QDateTime::fromString(to.toString(), Qt::ISODateWithMs);
    if (!m || !f.isValid() || !t.isValid())
        return std::nullopt;
    return DateFilter{*m, f.toUTC(), t.toUTC()};
}

std::optional<DateFilter> DateFilter::fromText(const QString& text, const QDateTime& now) {
    const QString lower = text.trimmed().toLower();
    DateFilter filter;
    filter.from = now.toUTC();
    filter.to = now.toUTC();
    if (lower == u"any")
        return DateFilter::any();
    if (lower == u"today") {
        filter.mode = DateFilter::Mode::today;
        return filter;
    }
    if (lower == u"last7days") {
        filter.mode = DateFilter::Mode::last7Days;
        return filter;
    }
    const qsizetype dots = lower.indexOf(QStringLiteral(".."));
    if (dots < 0)
        return std::nullopt;
    const std::optional<QDate> from = isoDate(lower.left(dots));
    const std::optional<QDate> to = isoDate(lower.mid(dots + 2));
    if (!from || !to)
        return std::nullopt;
    return days(*from, *to);
}

} // namespace stowly
