#include "ui/EventSound.h"

#include "base/Log.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <canberra.h>

#include <memory>

namespace stowly {
namespace {

struct Playing {
    QPointer<EventSound> owner;
    QString eventID;
};

QString errorText(int code) {
    return QString::fromUtf8(ca_strerror(code));
}

} // namespace

EventSound::EventSound(QObject* parent) : QObject(parent) {
    if (const int error = ca_context_create(&m_context); error != CA_SUCCESS) {
        Log::info(Log::Category::app, QStringLiteral("No event sounds: ") + errorText(error));
        m_context = nullptr;
        return;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Stowly", CA_PROP_APPLICATION_ID,
                            "app.stowly.Stowly", CA_PROP_APPLICATION_ICON_NAME, "app.stowly.Stowly",
                            nullptr);
}

EventSound::~EventSound() {
    // Stops what still plays; its callback runs no more after this.
    if (m_context)
        ca_context_destroy(m_context);
}

bool EventSound::play(const QString& eventID, const QString& description) {
    if (!m_context)
        return false;
    ca_proplist* properties = nullptr;
    if (ca_proplist_create(&properties) != CA_SUCCESS)
        return false;
    ca_proplist_sets(properties, CA_PROP_EVENT_ID, eventID.toUtf8().constData());
    ca_proplist_sets(properties, CA_PROP_EVENT_DESCRIPTION, description.toUtf8().constData());
    auto* playing = new Playing{this, eventID};
    // Called on libcanberra's own thread once the sound ends or fails.
    const auto done = [](ca_context*, uint32_t, int error, void* data) {
        std::unique_ptr<Playing> playing(static_cast<Playing*>(data));
        const QString reason = error == CA_SUCCESS ? QString() : errorText(error);
        if (EventSound* owner = playing->owner.data())
            QMetaObject::invokeMethod(
                owner,
                [owner, id = playing->eventID, reason] { Q_EMIT owner->finished(id, reason); },
                Qt::QueuedConnection);
    };
    const int error = ca_context_play_full(m_context, ++m_lastID, properties, done, playing);
    ca_proplist_destroy(properties);
    if (error != CA_SUCCESS) {
        // libcanberra calls nothing back for a sound that never started.
        delete playing;
        Log::info(
            Log::Category::app,
            QStringLiteral("Couldn’t play the sound “%1”: %2").arg(eventID, errorText(error)));
        return false;
    }
    return true;
}

} // namespace stowly
