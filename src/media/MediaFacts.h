#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace stowly {

// What a card file holds, as read by the decoding helper: for a clip its streams and
// timecode, for a photo the camera's record of the shot. Empty fields were not found.
struct MediaFacts {
    // Clips.
    QString codec;
    int width = 0;
    int height = 0;
    // Frames per second; 0 when unknown.
    double frameRate = 0;
    std::optional<double> duration;
    // "HH:MM:SS:FF" (";" before the frames for drop-frame).
    QString startTimecode;
    int audioChannels = 0;

    // Photos.
    QString cameraMake;
    QString cameraModel;
    QString lens;
    int iso = 0;
    // Seconds, e.g. 0.004 for 1/250.
    double exposureTime = 0;
    // The f-number.
    double aperture = 0;
    // Millimetres.
    double focalLength = 0;
    // The camera's clock, as it recorded it (no time zone).
    QDateTime captureTime;

    // The clip cannot be opened as video, lacks its index, or its streams end far before its
    // size says: a camera that lost power leaves such a clip. Why, in the system's words.
    std::optional<QString> damage;

    bool isEmpty() const;
    // Only the fields that are set, under stable names ("codec", "frameRate", "iso", …).
    QJsonObject toJson() const;
    // The inverse of toJson; unknown keys and values of the wrong type are ignored.
    static MediaFacts fromJson(const QJsonObject& object);

    // A compact form for the decoding helper's answer: tagged fields, only those that are set.
    QByteArray toWire() const;
    // The inverse of toWire, for bytes the helper sent: none when they are not well formed
    // (an unknown tag, a length past the end, a text over maxTextBytes, a number that is not
    // finite or is negative). Control characters in texts become spaces.
    static std::optional<MediaFacts> fromWire(const QByteArray& bytes);
    static constexpr int maxTextBytes = 512;

    friend bool operator==(const MediaFacts&, const MediaFacts&) = default;
};

} // namespace stowly
