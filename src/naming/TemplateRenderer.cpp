#include "naming/TemplateRenderer.h"

#include "base/Graphemes.h"
#include "base/NameRules.h"
#include "media/MediaCategory.h"

#include <QDate>
#include <QElapsedTimer>
#include <QMutex>
#include <QTime>
#include <QTimeZone>

#include <limits>

namespace stowly {
namespace {

// The computer's current time zone. Converting through local time makes the C library check
// the zone file on every call, which dominated planning; the zone is looked up again at most
// once a second so a change of zone is still followed.
QTimeZone currentZone() {
    static QMutex mutex;
    static QTimeZone zone;
    static QElapsedTimer age;
    QMutexLocker lock(&mutex);
    if (!age.isValid() || age.hasExpired(1000)) {
        zone = QTimeZone::systemTimeZone();
        // Where the zone cannot be named the way local time is set up, local time it is.
        const QDateTime now = QDateTime::currentDateTime();
        if (!zone.isValid() || zone.offsetFromUtc(now) != now.offsetFromUtc())
            zone = QTimeZone();
        age.start();
    }
    return zone;
}

QString padded(qint64 number, int width) {
    return QString::number(number).rightJustified(width, u'0');
}

// The token values of one file. The date is turned into local calendar fields once and then
// formatted with fixed ASCII patterns: Gregorian calendar, POSIX digits, current time zone.
class TokenValues {
public:
    TokenValues(const Clip& file, const NamingContext& context,
                const std::optional<QDateTime>& date)
        : m_file(file), m_context(context), m_date(date) {}

    // The value made safe as a name component.
    QString value(const TemplatePart::Token& token, std::optional<qint64> sequence) {
        switch (token.token) {
        case TemplateToken::project:
            return NameRules::safeComponent(m_context.project);
        case TemplateToken::camera:
            return NameRules::safeComponent(m_context.camera);
        case TemplateToken::card:
            return NameRules::safeComponent(m_context.card);
        case TemplateToken::date:
            local();
            return padded(m_day.year(), 4) + u'-' + padded(m_day.month(), 2) + u'-' +
                   padded(m_day.day(), 2);
        case TemplateToken::year:
            local();
            return padded(m_day.year(), 4);
        case TemplateToken::month:
            local();
            return padded(m_day.month(), 2);
        case TemplateToken::day:
            local();
            return padded(m_day.day(), 2);
        case TemplateToken::time:
            local();
            return padded(m_time.hour(), 2) + padded(m_time.minute(), 2) +
                   padded(m_time.second(), 2);
        case TemplateToken::type: {
            const MediaCategory category = mediaCategory::classify(extension());
            QString raw = mediaCategory::rawValue(category);
            raw[0] = raw[0].toUpper();
            return raw;
        }
        case TemplateToken::original: {
            const QString name = m_file.fileName();
            const qsizetype dot = name.lastIndexOf(u'.');
            return NameRules::safeComponent(dot >= 0 ? name.left(dot) : name);
        }
        case TemplateToken::seq:
            if (!sequence)
                return {};
            return padded(*sequence, token.padding.value_or(4));
        case TemplateToken::ext:
            return NameRules::safeComponent(extension());
        }
        return {};
    }

private:
    QString extension() const { return mediaCategory::extensionOf(m_file.fileName()); }

    void local() {
        if (m_converted)
            return;
        m_converted = true;
        QDateTime when;
        if (m_date && m_date->isValid())
            when = *m_date;
        else if (m_file.creationDate && m_file.creationDate->isValid())
            when = *m_file.creationDate;
        else if (m_file.modificationDate && m_file.modificationDate->isValid())
            when = *m_file.modificationDate;
        else
            when = QDateTime::currentDateTime();
        const QTimeZone zone = currentZone();
        const QDateTime there = zone.isValid() ? when.toTimeZone(zone) : when.toLocalTime();
        m_day = there.date();
        m_time = there.time();
    }

    const Clip& m_file;
    const NamingContext& m_context;
    const std::optional<QDateTime>& m_date;
    bool m_converted = false;
    QDate m_day;
    QTime m_time;
};

QString renderWith(TokenValues& values, const QList<TemplatePart>& parts, qsizetype from,
                   qsizetype to, std::optional<qint64> sequence) {
    QString text;
    for (qsizetype i = from; i < to; ++i) {
        if (const auto* literal = parts[i].asLiteral())
            text += literal->text;
        else
            text += values.value(*parts[i].asToken(), sequence);
    }
    return text;
}

bool isJoiner(const QString& text) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (!TemplateRenderer::joiners().contains(c))
            return false;
    return true;
}

} // namespace

const QString& TemplateRenderer::joiners() {
    static const QString characters = QStringLiteral("_- ");
    return characters;
}

QString TemplateRenderer::renderLevel(const QList<TemplatePart>& parts, const Clip& file,
                                      const NamingContext& context,
                                      const std::optional<QDateTime>& date) {
    struct Piece {
        QString text;
        bool emptyToken = false;
        bool joiner = false;
        bool removed = false;
    };
    TokenValues values(file, context, date);
    QList<Piece> pieces;
    pieces.reserve(parts.size());
    for (const TemplatePart& part : parts) {
        if (const auto* literal = part.asLiteral()) {
            pieces.append({literal->text, false, isJoiner(literal->text)});
        } else {
            QString text = values.value(*part.asToken(), std::nullopt);
            const bool empty = text.isEmpty();
            pieces.append({std::move(text), empty, false});
        }
    }
    // The separator in front of a gap goes; only at the start of the level does the one
    // after it go instead.
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (!pieces[i].emptyToken)
            continue;
        qsizetype j = i - 1;
        while (j >= 0 && pieces[j].removed)
            --j;
        if (j >= 0 && pieces[j].joiner) {
            bool textBefore = false;
            for (qsizetype k = 0; k < j && !textBefore; ++k)
                textBefore = !pieces[k].removed && !pieces[k].text.isEmpty();
            if (textBefore) {
                pieces[j].removed = true;
                continue;
            }
        }
        if (i + 1 < pieces.size() && pieces[i + 1].joiner)
            pieces[i + 1].removed = true;
    }
    QString text;
    for (const Piece& piece : pieces)
        if (!piece.removed)
            text += piece.text;
    return text;
}

QString TemplateRenderer::render(const QList<TemplatePart>& parts, const Clip& file,
                                 const NamingContext& context, std::optional<qint64> sequence,
                                 const std::optional<QDateTime>& date) {
    TokenValues values(file, context, date);
    return renderWith(values, parts, 0, parts.size(), sequence);
}

TemplateRenderer::FileStem TemplateRenderer::fileStem(const NamingTemplate& fileTemplate,
                                                      const Clip& file,
                                                      const NamingContext& context,
                                                      const std::optional<QDateTime>& date) {
    static const QList<TemplatePart> none;
    const QList<TemplatePart>& parts =
        fileTemplate.components.isEmpty() ? none : fileTemplate.components.first();
    TokenValues values(file, context, date);
    FileStem stem;
    qsizetype seq = 0;
    while (seq < parts.size() && !parts[seq].isToken(TemplateToken::seq))
        ++seq;
    if (seq == parts.size()) {
        stem.before = renderWith(values, parts, 0, parts.size(), std::nullopt);
        return stem;
    }
    stem.before = renderWith(values, parts, 0, seq, std::nullopt);
    stem.padding = parts[seq].asToken()->padding.value_or(4);
    stem.after = renderWith(values, parts, seq + 1, parts.size(), std::nullopt);
    qsizetype varying = seq + 1;
    while (varying < parts.size() &&
           !(parts[varying].asToken() &&
             templateToken::variesPerFile(parts[varying].asToken()->token)))
        ++varying;
    stem.fixedAfter = renderWith(values, parts, seq + 1, varying, std::nullopt);
    stem.afterIsFixed = varying == parts.size();
    return stem;
}

QString TemplateRenderer::FileStem::name(std::optional<qint64> sequence, qsizetype maxBytes) const {
    if (!padding || !sequence)
        return finish(before + after, maxBytes);
    constexpr qsizetype anyBytes = std::numeric_limits<qsizetype>::max();
    const QString number = padded(*sequence, *padding);
    // The separator in front of the number stays with it.
    qsizetype textEnd = before.size();
    while (textEnd > 0 && joiners().contains(before[textEnd - 1]))
        --textEnd;
    const QString separator = before.mid(textEnd);
    QString text = before.left(textEnd);
    QString name = finish(text + separator + number + after, anyBytes);
    // Making the name safe can change its length, so each cut is measured on the finished name.
    for (qsizetype over = graphemes::utf8Size(name) - maxBytes; over > 0 && !text.isEmpty();
         over = graphemes::utf8Size(name) - maxBytes) {
        text = graphemes::leftBytes(text, graphemes::utf8Size(text) - over);
        name = finish(text + separator + number + after, anyBytes);
    }
    return graphemes::utf8Size(name) <= maxBytes ? name : finish(name, maxBytes);
}

QString TemplateRenderer::finish(const QString& name, qsizetype maxBytes) {
    QString safe = NameRules::safeComponent(name);
    if (graphemes::isSimple(safe)) {
        // Below U+0300 a character takes at most two UTF-8 bytes.
        qsizetype keep = std::min<qsizetype>(safe.size(), maxNameLength);
        qsizetype bytes = 0;
        for (qsizetype i = 0; i < keep; ++i) {
            bytes += safe[i].unicode() < 0x80 ? 1 : 2;
            if (bytes > maxBytes) {
                keep = i;
                break;
            }
        }
        safe.truncate(keep);
    } else {
        QString kept;
        qsizetype count = 0;
        qsizetype bytes = 0;
        bool full = false;
        graphemes::forEach(safe, [&](QStringView grapheme) {
            if (full)
                return;
            const qsizetype size = grapheme.toUtf8().size();
            if (count == maxNameLength || bytes + size > maxBytes) {
                full = true;
                return;
            }
            kept += grapheme;
            ++count;
            bytes += size;
        });
        safe = std::move(kept);
    }
    if (safe.isEmpty())
        return QStringLiteral("Untitled");
    return safe;
}

} // namespace stowly
