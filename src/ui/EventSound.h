#pragma once

#include <QObject>
#include <QString>

struct ca_context;

namespace stowly {

// The desktop's event sounds, by their names in the freedesktop sound theme ("complete"), played
// through libcanberra: the user's sound theme and their choice to silence event sounds count.
class EventSound : public QObject {
    Q_OBJECT
public:
    explicit EventSound(QObject* parent = nullptr);
    ~EventSound() override;

    // Starts the sound; finished follows on this object's thread. False when it could not
    // start (no sound device, no such sound); the reason is logged.
    bool play(const QString& eventID, const QString& description);

Q_SIGNALS:
    // error is empty when the sound played to its end.
    void finished(const QString& eventID, const QString& error);

private:
    ca_context* m_context = nullptr;
    quint32 m_lastID = 0;
};

} // namespace stowly
