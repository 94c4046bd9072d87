#pragma once
// Sends this machine's record to the class's server from a thread of its
// own, so a pupil never waits on the network. It looks at the record every
// few seconds (a look costs nothing while the record has not changed),
// sends what is new, and while the server cannot be reached tries again
// after a pause that grows up to a limit.
#include "server/outbox.h"
#include "server/settings.h"

#include <QObject>
#include <QThread>
#include <atomic>

class SendWorker;

class ServerSender : public QObject {
    Q_OBJECT
public:
    struct Pace {
        int lookMs = 3000;         // how often the record is looked at
        int firstRetryMs = 2000;   // the first pause after a failed try
        int longestRetryMs = 120000;
    };

    ServerSender(const ServerSettings &settings, const QString &record, const QString &marks, Pace pace,
                 QObject *parent = nullptr);
    ServerSender(const ServerSettings &settings, const QString &record, const QString &marks,
                 QObject *parent = nullptr)
        : ServerSender(settings, record, marks, Pace{}, parent) {}
    // Stops the thread, after the session being sent (if any).
    ~ServerSender() override;

    // Starts the thread; its first look is at once.
    void start();
    // A look now, without waiting for the pause.
    void sendNow();
    const OutboxState &state() const { return state_; }

    // The marks' file for a data folder.
    static QString marksFile(const QString &dataFolder);

signals:
    void stateChanged(const OutboxState &state);

private:
    QThread thread_;
    SendWorker *worker_;
    OutboxState state_;
    std::atomic_bool stopping_{false};
};

Q_DECLARE_METATYPE(OutboxState)
