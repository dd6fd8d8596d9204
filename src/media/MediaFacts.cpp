#include "media/MediaFacts.h"

#include <QJsonValue>

#include <algorithm>

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

} // namespace

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
