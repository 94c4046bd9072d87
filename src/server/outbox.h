#pragma once
// The sessions of this machine that have not reached the class's server
// yet, and sending them. Everything a pupil does is written to the local
// record first (as on a machine without a server); the outbox reads that
// record through a connection of its own and sends each session with its
// answers in one transaction of the server's, oldest first. A session is
// marked sent here only once the server has committed it, and sending it
// again changes nothing there, so a power cut or a kill at any moment loses
// nothing and doubles nothing.
//
// The marks are kept in a small file of their own beside the record (not in
// the record's file), so writing them never disturbs the drill log, and
// losing them only means sending again.
//
// An outbox belongs to the thread that made it (its connections do).
#include "server/settings.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QString>

struct OutboxState {
    int unsent = -1;       // sessions still to send, -1 before the record was read
    bool reached = false;  // the last try reached the server
    QString trouble;       // why the last try failed, empty when it did not
    QDateTime lastSent;    // when a session last reached the server (UTC)

    bool allSent() const { return unsent == 0 && reached; }
};

class Outbox {
public:
    // `record` is the record's file (the drill log's kyozai), `marks` the
    // file of the sent marks (made when missing).
    Outbox(const ServerSettings &settings, const QString &record, const QString &marks);
    ~Outbox();
    Outbox(const Outbox &) = delete;
    Outbox &operator=(const Outbox &) = delete;

    // Whether the record changed since the last send() (another connection
    // wrote to it), or the last send() left anything unsent.
    bool worthSending();
    // Sends every unsent session, oldest first, until one fails (the rest
    // wait for the next try, so the server takes them in order). `stop`, if
    // given, is asked between sessions.
    OutboxState send(const std::function<bool()> &stop = {});
    const OutboxState &state() const { return state_; }

    // A session as the server takes it: the session and its answers after
    // `afterSeq`, read from the record in one read. Empty when it is gone.
    struct Parcel {
        QString id;
        QJsonObject session;
        QJsonArray answers;
        int problems = 0, lastSeq = 0;
        QString endedUtc;
        bool finished = false;
    };

private:
    struct Pending {
        QString id;
        int number = 0;
        QString name;
        int sentSeq = 0;
    };
    bool openLocal(QString *trouble);
    bool openServer(QString *trouble);
    void closeServer();
    QList<Pending> pending(QString *trouble);
    bool readParcel(const Pending &p, Parcel *parcel, QString *trouble);
    bool sendParcel(const Parcel &parcel, QString *trouble);
    bool mark(const Parcel &parcel);

    ServerSettings settings_;
    QString record_, marks_;
    QString localName_, serverName_;
    qint64 dataVersion_ = -1;
    OutboxState state_;
};
