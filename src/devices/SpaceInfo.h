#pragma once

#include <QString>

#include <optional>

namespace stowly {

// The space summary shown beside the destination: the values a view draws, no drawing.
struct SpaceInfo {
    std::optional<qint64> available;
    std::optional<qint64> total;
    std::optional<qint64> required;
    std::optional<QString> readOnlyReason;

    // "<size> available", or "Free space unknown".
    QString freeText;
    // "needs <size>", only when at least one byte is required.
    std::optional<QString> requirementText;
    // The requirement does not fit: drawn in red (text and gauge).
    bool isShort = false;
    // Used share of the volume, 0…1; none when the total is unknown or zero.
    std::optional<double> usedFraction;

    static QString gaugeAccessibilityLabel() { return QStringLiteral("Destination space used"); }

    static SpaceInfo make(const QString& folder, std::optional<qint64> required);
    // The same summary from figures already read.
    static SpaceInfo make(std::optional<qint64> available, std::optional<qint64> total,
                          std::optional<QString> readOnlyReason, std::optional<qint64> required);

    // A byte count in the file-size style of the platform ("1.5 GB").
    static QString formatBytes(qint64 bytes);
};

} // namespace stowly
