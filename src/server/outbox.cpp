#include "server/outbox.h"

#include "store/record.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

QJsonValue jsonInt(const QVariant &v)
{
    return v.isNull() ? QJsonValue() : QJsonValue(v.toLongLong());
}

QJsonValue jsonText(const QVariant &v)
{
    return v.isNull() ? QJsonValue() : QJsonValue(v.toString());
}

}  // namespace

Outbox::Outbox(const ServerSettings &settings, const QString &record, const QString &marks)
    : settings_(settings), record_(record), marks_(marks)
{
    const QString unique = QUuid::createUuid().toString(QUuid::WithoutBraces);
    localName_ = QStringLiteral("outbox-local-") + unique;
    serverName_ = QStringLiteral("outbox-server-") + unique;
}

Outbox::~Outbox()
{
    for (const QString &name : {localName_, serverName_}) {
        if (QSqlDatabase::contains(name)) {
            QSqlDatabase::database(name, false).close();
            QSqlDatabase::removeDatabase(name);
        }
    }
}

bool Outbox::openLocal(QString *trouble)
{
    if (QSqlDatabase::contains(localName_) && QSqlDatabase::database(localName_, false).isOpen())
        return true;
    // The record's file is made by the program itself; until it is there
    // there is nothing to send (attaching would make an empty one).
    if (!QFileInfo(record_).isFile()) {
        *trouble = QStringLiteral("no record yet");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(localName_) ? QSqlDatabase::database(localName_, false)
                                                         : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), localName_);
    db.setDatabaseName(marks_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        *trouble = SqlErrorText(db.lastError());
        return false;
    }
    QSqlQuery q(db);
    const bool ok = q.exec(QStringLiteral("pragma journal_mode = wal"))
        && q.exec(QStringLiteral("create table if not exists marks ("
                                 " server text not null, session_id text not null,"
                                 " problems integer not null, last_seq integer not null,"
                                 " ended_utc text, finished integer not null,"
                                 " sent_utc text not null,"
                                 " primary key (server, session_id))"))
        && q.prepare(QStringLiteral("attach database ? as rec"));
    if (ok)
        q.addBindValue(record_);
    if (!ok || !q.exec()) {
        *trouble = SqlErrorText(q.lastError());
        db.close();
        return false;
    }
    return true;
}

bool Outbox::openServer(QString *trouble)
{
    if (QSqlDatabase::contains(serverName_) && QSqlDatabase::database(serverName_, false).isOpen())
        return true;
    QSqlDatabase db = QSqlDatabase::contains(serverName_) ? QSqlDatabase::database(serverName_, false)
                                                          : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), serverName_);
    if (!db.isValid()) {
        *trouble = QStringLiteral("Qt's PostgreSQL driver (QPSQL) is not installed");
        return false;
    }
    db.setHostName(settings_.host);
    db.setPort(settings_.port);
    db.setDatabaseName(settings_.database);
    db.setUserName(settings_.login);
    db.setPassword(settings_.password);
    db.setConnectOptions(settings_.connectOptions());
    if (!db.open()) {
        *trouble = SqlErrorText(db.lastError());
        return false;
    }
    return true;
}

void Outbox::closeServer()
{
    if (QSqlDatabase::contains(serverName_))
        QSqlDatabase::database(serverName_, false).close();
}

bool Outbox::worthSending()
{
    QString trouble;
    if (state_.unsent != 0 || !state_.reached || !openLocal(&trouble))
        return true;
    QSqlQuery q(QSqlDatabase::database(localName_, false));
    // data_version moves only when another connection (the program's own)
    // commits to the record.
    if (!q.exec(QStringLiteral("pragma rec.data_version")) || !q.next())
        return true;
    return q.value(0).toLongLong() != dataVersion_;
}

QList<Outbox::Pending> Outbox::pending(QString *trouble)
{
    QSqlDatabase db = QSqlDatabase::database(localName_, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("pragma rec.data_version")) && q.next())
        dataVersion_ = q.value(0).toLongLong();
    // The pupils with a 出席番号, of this class or of none; a session is
    // unsent until the marks hold the state it is in now.
    q.prepare(QStringLiteral(
        "select s.id, p.class_name, p.number, p.name, coalesce(m.last_seq, 0)"
        " from rec.sessions s join rec.pupils p on p.id = s.pupil_id"
        " left join marks m on m.server = ? and m.session_id = s.id"
        " where p.number > 0 and (m.session_id is null or m.problems <> s.problems"
        "  or coalesce(m.ended_utc, '') <> coalesce(s.ended_utc, '') or m.finished <> s.finished)"
        " order by s.started_utc, s.id"));
    q.addBindValue(settings_.key());
    QList<Pending> out;
    if (!q.exec()) {
        *trouble = SqlErrorText(q.lastError());
        return out;
    }
    const QString mine = ClassKey(settings_.className);
    while (q.next()) {
        const QString cls = ClassKey(q.value(1).toString());
        if (!cls.isEmpty() && cls != mine)
            continue;
        out.append({q.value(0).toString(), q.value(2).toInt(), q.value(3).toString(), q.value(4).toInt()});
    }
    return out;
}

bool Outbox::readParcel(const Pending &p, Parcel *parcel, QString *trouble)
{
    QSqlDatabase db = QSqlDatabase::database(localName_, false);
    // One read: the session's counts and its answers were written together
    // and are read together.
    if (!db.transaction()) {
        *trouble = SqlErrorText(db.lastError());
        return false;
    }
    bool ok = true;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("select screen, mode, menu_item, menu_text, time_limit, started_local, started_utc,"
                                 " ended_local, ended_utc, problems, right_answers, score, seconds, finished"
                                 " from rec.sessions where id = ?"));
        q.addBindValue(p.id);
        if (!q.exec()) {
            ok = false;
            *trouble = SqlErrorText(q.lastError());
        } else if (q.next()) {
            QJsonObject s;
            s[QStringLiteral("id")] = p.id;
            s[QStringLiteral("class")] = settings_.className;
            s[QStringLiteral("number")] = p.number;
            if (settings_.sendNames && !p.name.isEmpty())
                s[QStringLiteral("name")] = p.name;
            s[QStringLiteral("screen")] = q.value(0).toInt();
            s[QStringLiteral("mode")] = q.value(1).toString();
            s[QStringLiteral("menu_item")] = q.value(2).toInt();
            s[QStringLiteral("menu_text")] = q.value(3).toString();
            s[QStringLiteral("time_limit")] = q.value(4).toInt();
            s[QStringLiteral("started_local")] = q.value(5).toString();
            s[QStringLiteral("started_utc")] = q.value(6).toString();
            s[QStringLiteral("ended_local")] = jsonText(q.value(7));
            s[QStringLiteral("ended_utc")] = jsonText(q.value(8));
            s[QStringLiteral("problems")] = q.value(9).toInt();
            s[QStringLiteral("right_answers")] = q.value(10).toInt();
            s[QStringLiteral("score")] = q.value(11).toInt();
            s[QStringLiteral("seconds")] = q.value(12).toInt();
            s[QStringLiteral("finished")] = q.value(13).toInt() != 0;
            parcel->id = p.id;
            parcel->session = s;
            parcel->problems = q.value(9).toInt();
            parcel->endedUtc = q.value(8).toString();
            parcel->finished = q.value(13).toInt() != 0;
            parcel->lastSeq = p.sentSeq;
        }
    }
    if (ok && !parcel->id.isEmpty()) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("select seq, problem_no, shown, kind, a, b, c, d, right_answer, given_answer,"
                                 " right_remainder, given_remainder, right_text, given_text, correct, ms"
                                 " from rec.answers where session_id = ? and seq > ? order by seq"));
        q.addBindValue(p.id);
        q.addBindValue(p.sentSeq);
        if (!q.exec()) {
            ok = false;
            *trouble = SqlErrorText(q.lastError());
        }
        while (ok && q.next()) {
            QJsonObject a;
            a[QStringLiteral("seq")] = q.value(0).toInt();
            a[QStringLiteral("problem_no")] = q.value(1).toInt();
            a[QStringLiteral("shown")] = q.value(2).toString();
            a[QStringLiteral("kind")] = q.value(3).toString();
            a[QStringLiteral("a")] = jsonInt(q.value(4));
            a[QStringLiteral("b")] = jsonInt(q.value(5));
            a[QStringLiteral("c")] = jsonInt(q.value(6));
            a[QStringLiteral("d")] = jsonInt(q.value(7));
            a[QStringLiteral("right_answer")] = jsonInt(q.value(8));
            a[QStringLiteral("given_answer")] = jsonInt(q.value(9));
            a[QStringLiteral("right_remainder")] = jsonInt(q.value(10));
            a[QStringLiteral("given_remainder")] = jsonInt(q.value(11));
            a[QStringLiteral("right_text")] = jsonText(q.value(12));
            a[QStringLiteral("given_text")] = jsonText(q.value(13));
            a[QStringLiteral("correct")] = q.value(14).toInt() != 0;
            a[QStringLiteral("ms")] = q.value(15).toLongLong();
            parcel->answers.append(a);
            parcel->lastSeq = qMax(parcel->lastSeq, q.value(0).toInt());
        }
    }
    db.commit();
    return ok;
}

bool Outbox::sendParcel(const Parcel &parcel, QString *trouble)
{
    QSqlDatabase db = QSqlDatabase::database(serverName_, false);
    if (!db.transaction()) {
        *trouble = SqlErrorText(db.lastError());
        return false;
    }
    QString detail;
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("select minuka.send_session(cast(? as jsonb), cast(? as jsonb))"));
        q.addBindValue(QString::fromUtf8(QJsonDocument(parcel.session).toJson(QJsonDocument::Compact)));
        q.addBindValue(QString::fromUtf8(QJsonDocument(parcel.answers).toJson(QJsonDocument::Compact)));
        if (!q.exec())
            detail = SqlErrorText(q.lastError());
    }
    // Only a commit the server confirmed counts as sent.
    if (detail.isEmpty() && db.commit())
        return true;
    if (detail.isEmpty())
        detail = SqlErrorText(db.lastError());
    db.rollback();
    *trouble = detail;
    return false;
}

bool Outbox::mark(const Parcel &parcel)
{
    QSqlQuery q(QSqlDatabase::database(localName_, false));
    q.prepare(QStringLiteral("insert or replace into marks (server, session_id, problems, last_seq, ended_utc, finished,"
                             " sent_utc) values (?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(settings_.key());
    q.addBindValue(parcel.id);
    q.addBindValue(parcel.problems);
    q.addBindValue(parcel.lastSeq);
    q.addBindValue(parcel.endedUtc.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(parcel.endedUtc));
    q.addBindValue(parcel.finished ? 1 : 0);
    q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    return q.exec();
}

OutboxState Outbox::send(const std::function<bool()> &stop)
{
    QString trouble;
    if (!QFileInfo(record_).isFile()) {
        // Nothing practised on this machine yet: nothing waits.
        state_.unsent = 0;
        state_.reached = true;
        state_.trouble.clear();
        return state_;
    }
    if (!openLocal(&trouble)) {
        state_.trouble = trouble;
        return state_;
    }
    QList<Pending> todo = pending(&trouble);
    if (!trouble.isEmpty()) {
        state_.trouble = trouble;
        return state_;
    }
    state_.unsent = int(todo.size());
    if (todo.isEmpty()) {
        // Nothing to send: whether the server is there is not asked.
        state_.reached = true;
        state_.trouble.clear();
        return state_;
    }
    if (!openServer(&trouble)) {
        state_.reached = false;
        state_.trouble = trouble;
        closeServer();
        return state_;
    }
    for (const Pending &p : std::as_const(todo)) {
        if (stop && stop())
            break;
        Parcel parcel;
        if (!readParcel(p, &parcel, &trouble)) {
            state_.trouble = trouble;
            return state_;
        }
        if (parcel.id.isEmpty()) {  // removed with its pupil meanwhile
            --state_.unsent;
            continue;
        }
        if (!sendParcel(parcel, &trouble)) {
            state_.reached = false;
            state_.trouble = trouble;
            // The connection may be broken; the next try makes a new one.
            closeServer();
            return state_;
        }
        state_.lastSent = QDateTime::currentDateTimeUtc();
        // A mark that cannot be written only means sending it again.
        mark(parcel);
        --state_.unsent;
    }
    state_.reached = true;
    state_.trouble.clear();
    return state_;
}
