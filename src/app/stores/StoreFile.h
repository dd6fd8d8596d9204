#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <optional>

namespace stowly {

// The JSON file behind one of the user's stores: read once, rewritten whole (pretty-printed,
// keys sorted, atomically and durably) on every change, and never overwritten while it holds
// something that could not be read: such a file is first set aside as
// "<name>.corrupt-<UTC time>", like the history file.
class StoreFile {
    Q_DECLARE_TR_FUNCTIONS(StoreFile)

public:
    // Takes the file's object; answers the first problem in words, or nothing once it has
    // taken the content.
    using Decoder = std::function<std::optional<QString>(const QJsonObject& object)>;

    enum class LoadResult { noFile, loaded, unreadable };

    // readFailure and saveFailure are the messages, with %1 where the problem goes
    // ("Couldn’t read your presets: %1", "Couldn’t save your presets: %1.").
    // Without a path everything stays in memory.
    StoreFile(std::optional<QString> path, QString readFailure, QString saveFailure,
              std::function<QDateTime()> clock = {});

    const std::optional<QString>& path() const { return m_path; }
    const std::optional<QString>& lastError() const { return m_lastError; }
    // True after an unreadable file could not be set aside: nothing is written over it.
    bool saveBlocked() const { return m_saveBlocked; }

    LoadResult load(const Decoder& decode);
    // Creates the folder when missing; success clears the last error.
    void save(const QJsonObject& content);

    // The name an unreadable file is moved to: "presets.json.corrupt-2026-12-03T23-26-29Z".
    static QString setAsideName(const QString& fileName, const QDateTime& when);
    // The bytes written for an object: indented, keys sorted.
    static QByteArray encode(const QJsonObject& content);

private:
    void setAside(const QString& problem);

    std::optional<QString> m_path;
    QString m_readFailure;
    QString m_saveFailure;
    std::function<QDateTime()> m_clock;
    std::optional<QString> m_lastError;
    bool m_saveBlocked = false;
};

} // namespace stowly
