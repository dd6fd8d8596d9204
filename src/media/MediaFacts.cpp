#include "media/MediaFacts.h"

#include <QCoreApplication>
#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace stowly {

namespace {

void putText(QJsonObject& object, const char* key, const QString& value) {
    if (!value.isEmpty())
        object.insert(QLatin1String(key), value);
}

void putNumber(QJsonObject& object, const char* key, double value) {
    if (value > 0)
        object.insert(QLatin1String(key), value);
}

QString text(const QJsonObject& object, const char* key) {
    return object.value(QLatin1String(key)).toString();
}

// Negative, infinite or absurd numbers from a damaged store count as unknown.
double number(const QJsonObject& object, const char* key) {
    const double value = object.value(QLatin1String(key)).toDouble();
    return value > 0 && value < 1e12 ? value : 0;
}

int whole(const QJsonObject& object, const char* key) {
    return int(std::min(number(object, key), 1e9));
}

// The wire's tags; a text is a 16-bit length and UTF-8, a number 8 bytes of double.
enum Tag : quint8 {
    codecTag = 1,
    widthTag,
    heightTag,
    frameRateTag,
    durationTag,
    timecodeTag,
    audioChannelsTag,
    makeTag,
    modelTag,
    lensTag,
    isoTag,
    exposureTag,
    apertureTag,
    focalLengthTag,
    captureTimeTag,
    damageTag,
};

constexpr quint8 wireVersion = 1;

void putWireText(QByteArray& out, Tag tag, const QString& value) {
    if (value.isEmpty())
        return;
    const QByteArray bytes = value.toUtf8().left(MediaFacts::maxTextBytes);
    const quint16 size = quint16(bytes.size());
    out.append(char(tag));
    out.append(reinterpret_cast<const char*>(&size), sizeof size);
    out.append(bytes);
}

void putWireNumber(QByteArray& out, Tag tag, double value, bool evenZero = false) {
    if (!(value > 0 || (evenZero && value == 0)) || !std::isfinite(value))
        return;
    out.append(char(tag));
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Texts from a file are shown and printed: no line breaks or terminal controls in them.
QString cleanText(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char(' ');
    return text.trimmed();
}

// A count or size that fits an int and means something.
bool wholeInRange(double value, double most) {
    return value >= 0 && value <= most && value == std::floor(value);
}

} // namespace

QByteArray MediaFacts::toWire() const {
    QByteArray out;
    out.append(char(wireVersion));
    putWireText(out, codecTag, codec);
    putWireNumber(out, widthTag, width);
    putWireNumber(out, heightTag, height);
    putWireNumber(out, frameRateTag, frameRate);
    if (duration)
        putWireNumber(out, durationTag, *duration, true);
    putWireText(out, timecodeTag, startTimecode);
    putWireNumber(out, audioChannelsTag, audioChannels);
    putWireText(out, makeTag, cameraMake);
    putWireText(out, modelTag, cameraModel);
    putWireText(out, lensTag, lens);
    putWireNumber(out, isoTag, iso);
    putWireNumber(out, exposureTag, exposureTime);
    putWireNumber(out, apertureTag, aperture);
    putWireNumber(out, focalLengthTag, focalLength);
    if (captureTime.isValid())
        putWireText(out, captureTimeTag, captureTime.toString(Qt::ISODate));
    if (damage)
        putWireText(out, damageTag, damage->isEmpty() ? QStringLiteral(" ") : *damage);
    return out;
}

std::optional<MediaFacts> MediaFacts::fromWire(const QByteArray& bytes) {
    if (bytes.isEmpty() || quint8(bytes[0]) != wireVersion)
        return std::nullopt;
    MediaFacts facts;
    qsizetype at = 1;
    const auto left = [&] { return bytes.size() - at; };
    while (at < bytes.size()) {
        const quint8 tag = quint8(bytes[at++]);
        const bool isText = tag == codecTag || tag == timecodeTag || tag == makeTag ||
                            tag == modelTag || tag == lensTag || tag == captureTimeTag ||
                            tag == damageTag;
        QString text;
        double number = 0;
        if (isText) {
            quint16 size = 0;
            if (left() < qsizetype(sizeof size))
                return std::nullopt;
            std::memcpy(&size, bytes.constData() + at, sizeof size);
            at += sizeof size;
            if (size > maxTextBytes || left() < size)
                return std::nullopt;
            text = cleanText(bytes.mid(at, size));
            at += size;
        } else {
            if (left() < qsizetype(sizeof number))
                return std::nullopt;
            std::memcpy(&number, bytes.constData() + at, sizeof number);
            at += sizeof number;
            if (!std::isfinite(number) || number < 0 || number > 1e9)
                return std::nullopt;
        }
        switch (tag) {
        case codecTag:
            facts.codec = text;
            break;
        case timecodeTag:
            facts.startTimecode = text;
            break;
        case makeTag:
            facts.cameraMake = text;
            break;
        case modelTag:
            facts.cameraModel = text;
            break;
        case lensTag:
            facts.lens = text;
            break;
        case captureTimeTag:
            facts.captureTime = QDateTime::fromString(text, Qt::ISODate);
            break;
        case damageTag:
            // The decoding helper speaks English; its sentence is put in the user's words here.
            facts.damage =
                QCoreApplication::translate("ClipFactsReader", text.toUtf8().constData());
            break;
        case frameRateTag:
            facts.frameRate = number;
            break;
        case durationTag:
            facts.duration = number;
            break;
        case exposureTag:
            facts.exposureTime = number;
            break;
        case apertureTag:
            facts.aperture = number;
            break;
        case focalLengthTag:
            facts.focalLength = number;
            break;
        case widthTag:
        case heightTag:
        case audioChannelsTag:
        case isoTag: {
            if (!wholeInRange(number, tag == audioChannelsTag ? 1024 : 1e7))
                return std::nullopt;
            int& field = tag == widthTag    ? facts.width
                         : tag == heightTag ? facts.height
                         : tag == isoTag    ? facts.iso
                                            : facts.audioChannels;
            field = int(number);
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return facts;
}

bool MediaFacts::isEmpty() const {
    return *this == MediaFacts{};
}

QJsonObject MediaFacts::toJson() const {
    QJsonObject object;
    putText(object, "codec", codec);
    putNumber(object, "width", width);
    putNumber(object, "height", height);
    putNumber(object, "frameRate", frameRate);
    if (duration)
        object.insert(QStringLiteral("duration"), *duration);
    putText(object, "startTimecode", startTimecode);
    putNumber(object, "audioChannels", audioChannels);
    putText(object, "cameraMake", cameraMake);
    putText(object, "cameraModel", cameraModel);
    putText(object, "lens", lens);
    putNumber(object, "iso", iso);
    putNumber(object, "exposureTime", exposureTime);
    putNumber(object, "aperture", aperture);
    putNumber(object, "focalLength", focalLength);
    if (captureTime.isValid())
        object.insert(QStringLiteral("captureTime"), captureTime.toString(Qt::ISODate));
    if (damage)
        object.insert(QStringLiteral("damage"), *damage);
    return object;
}

MediaFacts MediaFacts::fromJson(const QJsonObject& object) {
    MediaFacts facts;
    facts.codec = text(object, "codec");
    facts.width = whole(object, "width");
    facts.height = whole(object, "height");
    facts.frameRate = number(object, "frameRate");
    if (object.value(QStringLiteral("duration")).isDouble())
        facts.duration = number(object, "duration");
    facts.startTimecode = text(object, "startTimecode");
    facts.audioChannels = whole(object, "audioChannels");
    facts.cameraMake = text(object, "cameraMake");
    facts.cameraModel = text(object, "cameraModel");
    facts.lens = text(object, "lens");
    facts.iso = whole(object, "iso");
    facts.exposureTime = number(object, "exposureTime");
    facts.aperture = number(object, "aperture");
    facts.focalLength = number(object, "focalLength");
    const QString captured = text(object, "captureTime");
    if (!captured.isEmpty())
        facts.captureTime = QDateTime::fromString(captured, Qt::ISODate);
    if (object.value(QStringLiteral("damage")).isString())
        facts.damage = text(object, "damage");
    return facts;
}

} // namespace stowly
