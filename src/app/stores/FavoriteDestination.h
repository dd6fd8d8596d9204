#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QUuid>

#include <optional>
#include <variant>

namespace stowly {

// A destination folder the user offloads to often.
struct FavoriteDestination {
    QUuid id = QUuid::createUuid();
    // The label the user sees; may be empty.
    QString name;
    // Absolute and normalised.
    QString path;
    // Finds the folder again after a move or rename on its volume; opaque.
    std::optional<QByteArray> bookmark;

    // The trimmed name, else the folder's own name.
    QString displayName() const;

    QJsonObject toJson() const;
    // The favourite, or the first problem in words; what names it in that message.
    static std::variant<FavoriteDestination, QString> fromJson(const QJsonObject& object,
                                                               const QString& what);

    friend bool operator==(const FavoriteDestination&, const FavoriteDestination&) = default;
};

} // namespace stowly
