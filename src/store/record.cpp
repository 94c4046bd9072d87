#include "store/record.h"

#include "record/tallies.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QUuid>
#include <iterator>

namespace {

// The record's tables, one migration per version: migration n brings a file
// of version n − 1 to version n. A migration only ever adds.
const char *const kVersion1[] = {
    "create table if not exists pupils ("
    " id varchar(36) primary key,"
    " name varchar(100) not null,"
    " class_name varchar(100) not null,"
    " number integer not null,"
    " created_utc varchar(20) not null)",

    "create table if not exists sessions ("
    " id varchar(36) primary key,"
    " pupil_id varchar(36) not null,"
    " screen integer not null,"
    " mode varchar(8) not null,"
    " menu_item integer not null,"
    " menu_text varchar(100) not null,"
    " time_limit integer not null,"
    " started_local varchar(19) not null,"
    " started_utc varchar(20) not null,"
    " ended_local varchar(19),"
    " ended_utc varchar(20),"
    " problems integer not null,"
    " right_answers integer not null,"
    " score integer not null,"
    " seconds integer not null,"
    " finished integer not null)",
    // The list, newest first; the totals and the calendar read the index alone.
    "create index if not exists sessions_by_pupil on sessions"
    " (pupil_id, started_utc, started_local, mode, problems, right_answers, seconds)",
    // One drill's chart (read from the index alone), and the drills a pupil has done.
    "create index if not exists sessions_by_item on sessions"
    " (pupil_id, mode, screen, menu_item, started_utc, started_local, score, problems, seconds)",

    "create table if not exists answers ("
    " session_id varchar(36) not null,"
    " seq integer not null,"
    " problem_no integer not null,"
    " shown varchar(200) not null,"
    " kind varchar(40) not null,"
    " a integer, b integer, c integer, d integer,"
    " right_answer integer, given_answer integer,"
    " right_remainder integer, given_remainder integer,"
    " right_text varchar(100), given_text varchar(100),"
    " correct integer not null,"
    " ms integer not null,"
    " primary key (session_id, seq))",
};

// The review box: each problem a pupil answered wrongly, keyed by its kind
// and operands, with its box and the local day it is due. Dates are the
// pupil's local days ("2026-04-11"), so a box moves by days as the pupil
// lives them.
const char *const kVersion2[] = {
    "create table if not exists reviews ("
    " pupil_id varchar(36) not null,"
    " problem_key varchar(100) not null,"
    " kind varchar(40) not null,"
    " a integer, b integer, c integer, d integer,"
    " shown varchar(200) not null,"
    " right_answer integer, right_remainder integer, right_text varchar(100),"
    " given_answer integer, given_remainder integer, given_text varchar(100),"
    " box integer not null,"
    " due_day varchar(10) not null,"
    " wrong_count integer not null,"
    " last_utc varchar(24) not null,"
    " primary key (pupil_id, problem_key))",
    // What is due: the menu's count and the review window read the index.
    "create index if not exists reviews_due on reviews (pupil_id, box, due_day)",
};

// The tallies the つまずき list and the 九九 map read (record/tallies.h):
// kept with every answer, filled from the answers already recorded.
const char *const kVersion3[] = {
    "create table if not exists stumble_days ("
    " pupil_id varchar(36) not null,"
    " day varchar(10) not null,"
    " error varchar(40) not null,"
    " wrong integer not null,"
    " example varchar(300) not null,"
    " primary key (pupil_id, day, error))",
    "create table if not exists fact_times ("
    " pupil_id varchar(36) not null,"
    " a integer not null, b integer not null,"
    " ms integer not null,"
    " answers integer not null,"
    " right_answers integer not null,"
    " primary key (pupil_id, a, b, ms))",
};

struct Migration {
    const char *const *statements;
    int count;
    // Fills what the statements made from the rows already there; empty
    // on success, else what failed.
    QString (*fill)(RecordStore &record, QSqlDatabase &db) = nullptr;
};
const Migration kMigrations[] = {
    {kVersion1, int(std::size(kVersion1))},
    {kVersion2, int(std::size(kVersion2))},
    {kVersion3, int(std::size(kVersion3)), RecountTallies},
};
static_assert(std::size(kMigrations) == RecordStore::SchemaVersion);

const char kSessionColumns[] =
    "id, pupil_id, screen, mode, menu_item, menu_text, time_limit, started_local, started_utc,"
    " ended_local, ended_utc, problems, right_answers, score, seconds, finished";

QVariant nullableInt(const QVariant &v)
{
    return v.isValid() && !v.isNull() ? QVariant(v.toLongLong()) : QVariant(QMetaType(QMetaType::LongLong));
}

// A text for a column that holds no NULL: an empty text, never a null one
// (which the driver would bind as NULL).
QString notNull(const QString &s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

QVariant nullableText(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

QDateTime fromLocalText(const QVariant &v)
{
    return v.isNull() ? QDateTime() : QDateTime::fromString(v.toString(), Qt::ISODate);
}

Pupil readPupil(const QSqlQuery &q)
{
    return {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt()};
}

// The wall-clock time of a local text, kept as it reads (marked as UTC): cheap
// to make for thousands of chart points, where a local-time QDateTime looks
// up the time zone for each. Plain Qt::UTC, not a UTC QTimeZone: a
// date-time carrying a zone object works out its offset through the zone on
// every conversion.
QDateTime wallClock(const QVariant &v)
{
    const QString t = v.toString();
    if (t.size() < 19)
        return {};
    const QDate day(t.left(4).toInt(), t.mid(5, 2).toInt(), t.mid(8, 2).toInt());
    const QTime time(t.mid(11, 2).toInt(), t.mid(14, 2).toInt(), t.mid(17, 2).toInt());
    return QDateTime(day, time, Qt::UTC);
}

SessionRow readSession(const QSqlQuery &q)
{
    SessionRow s;
    s.id = q.value(0).toString();
    s.pupilId = q.value(1).toString();
    s.screen = q.value(2).toInt();
    s.mode = q.value(3).toString() == QLatin1String("test") ? SessionMode::Test : SessionMode::Drill;
    s.menuItem = q.value(4).toInt();
    s.menuText = q.value(5).toString();
    s.timeLimit = q.value(6).toInt();
    s.startedLocal = fromLocalText(q.value(7));
    s.startedUtc = q.value(8).toString();
    s.endedLocal = fromLocalText(q.value(9));
    s.problems = q.value(11).toInt();
    s.right = q.value(12).toInt();
    s.score = q.value(13).toInt();
    s.seconds = q.value(14).toInt();
    s.finished = q.value(15).toInt() != 0;
    return s;
}

}  // namespace

RecordStore::RecordStore(std::function<bool()> open, QObject *parent) : QObject(parent), open_(std::move(open)) {}

QString RecordStore::localText(const QDateTime &t)
{
    return t.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QString RecordStore::utcText(const QDateTime &t)
{
    return t.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
}

QString RecordStore::modeText(SessionMode mode)
{
    return mode == SessionMode::Test ? QStringLiteral("test") : QStringLiteral("drill");
}

void RecordStore::attach(QSqlDatabase *db)
{
    db_ = db;
    version_ = schemaVersion();
    if (version_ < 0) {
        fail(QStringLiteral("バージョンを よめません"));
        return;
    }
    if (version_ > SchemaVersion) {
        // Written by a newer program: its tables are not ours to change.
        usable_ = false;
        if (!told_) {
            told_ = true;
            emit refused(QStringLiteral("この きろくの ファイルは、あたらしい ミヌカで つくられました。\r\n"
                                        "ドリルと べんきょうは できますが、がくしゅうの きろくは のこりません。\r\n"
                                        "\r\n"
                                        "おうちの方へ：ミヌカを あたらしくしてください。（ファイルの版 %1、"
                                        "この ミヌカの版 %2）")
                             .arg(version_)
                             .arg(SchemaVersion));
        }
        return;
    }
    if (version_ < SchemaVersion && !migrate())
        return;
    version_ = SchemaVersion;
}

void RecordStore::detach()
{
    db_ = nullptr;
}

QSqlDatabase *RecordStore::db()
{
    if (!usable_)
        return nullptr;
    if (!db_ && (!open_ || !open_()))
        return nullptr;
    return usable_ && db_ ? db_ : nullptr;
}

bool RecordStore::recording()
{
    return db() != nullptr;
}

int RecordStore::schemaVersion()
{
    QSqlQuery q(*db_);
    if (!q.exec(QStringLiteral("pragma user_version")) || !q.next())
        return -1;
    return q.value(0).toInt();
}

bool RecordStore::setSchemaVersion(int version)
{
    QSqlQuery q(*db_);
    return q.exec(QStringLiteral("pragma user_version = %1").arg(version));
}

bool RecordStore::migrate()
{
    if (!db_->transaction()) {
        fail(SqlErrorText(db_->lastError()));
        return false;
    }
    QString detail;
    {
        QSqlQuery q(*db_);
        for (int v = version_; v < SchemaVersion && detail.isEmpty(); ++v) {
            const Migration &m = kMigrations[v];
            for (int i = 0; i < m.count && detail.isEmpty(); ++i)
                if (!q.exec(QLatin1String(m.statements[i])))
                    detail = SqlErrorText(q.lastError());
            if (detail.isEmpty() && m.fill)
                detail = m.fill(*this, *db_);
        }
        if (detail.isEmpty() && !setSchemaVersion(SchemaVersion))
            detail = QStringLiteral("user_version");
    }
    if (detail.isEmpty() && db_->commit())
        return true;
    if (detail.isEmpty())
        detail = SqlErrorText(db_->lastError());
    db_->rollback();
    fail(detail);
    return false;
}

void RecordStore::fail(const QString &detail)
{
    usable_ = false;
    if (told_)
        return;
    told_ = true;
    emit refused(QStringLiteral("がくしゅうの きろくを のこせません。ドリルと べんきょうは このまま できます。\r\n"
                                "（%1）")
                     .arg(detail));
}

// ---------------------------------------------------------------- pupils

QList<Pupil> RecordStore::pupils()
{
    QList<Pupil> out;
    read(QStringLiteral("select id, name, class_name, number from pupils order by class_name, number, name, created_utc"),
         {}, [&](const QSqlQuery &q) { out.append(readPupil(q)); });
    return out;
}

Pupil RecordStore::pupilById(const QString &id)
{
    Pupil p;
    if (!id.isEmpty())
        read(QStringLiteral("select id, name, class_name, number from pupils where id = ?"), {id},
             [&](const QSqlQuery &q) { p = readPupil(q); });
    return p;
}

QString RecordStore::defaultPupil()
{
    // The first pupil without a name stands for a machine's one pupil; a
    // machine whose pupils all have names gets one when nobody is chosen.
    QString id;
    if (!read(QStringLiteral("select id from pupils where name = '' order by created_utc"), {},
              [&](const QSqlQuery &q) {
                  if (id.isEmpty())
                      id = q.value(0).toString();
              }))
        return {};
    return id.isEmpty() ? addPupil({}) : id;
}

Pupil RecordStore::currentPupil()
{
    Pupil p = pupilById(pupil_);
    if (p.id.isEmpty())
        p = pupilById(defaultPupil());
    return p;
}

QString RecordStore::addPupil(const Pupil &pupil)
{
    QSqlDatabase *d = db();
    if (!d)
        return {};
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QSqlQuery q(*d);
    q.prepare(QStringLiteral("insert into pupils (id, name, class_name, number, created_utc) values (?, ?, ?, ?, ?)"));
    q.addBindValue(id);
    q.addBindValue(notNull(pupil.name.trimmed()));
    q.addBindValue(notNull(pupil.className.trimmed()));
    q.addBindValue(qMax(0, pupil.number));
    q.addBindValue(utcText(QDateTime::currentDateTimeUtc()));
    if (q.exec())
        return id;
    qWarning("record: %s", qUtf8Printable(SqlErrorText(q.lastError())));
    return {};
}

bool RecordStore::updatePupil(const Pupil &pupil)
{
    return write({{QStringLiteral("update pupils set name = ?, class_name = ?, number = ? where id = ?"),
                   {notNull(pupil.name.trimmed()), notNull(pupil.className.trimmed()), qMax(0, pupil.number), pupil.id}}});
}

bool RecordStore::removePupil(const QString &id)
{
    return write({
        {QStringLiteral("delete from answers where session_id in (select id from sessions where pupil_id = ?)"), {id}},
        {QStringLiteral("delete from reviews where pupil_id = ?"), {id}},
        {QStringLiteral("delete from stumble_days where pupil_id = ?"), {id}},
        {QStringLiteral("delete from fact_times where pupil_id = ?"), {id}},
        {QStringLiteral("delete from sessions where pupil_id = ?"), {id}},
        {QStringLiteral("delete from pupils where id = ?"), {id}},
    });
}

// ---------------------------------------------------------------- writing

QString RecordStore::beginSession(const SessionStart &start)
{
    if (!db())
        return {};
    const QString pupil = currentPupil().id;
    if (pupil.isEmpty())
        return {};
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return post({sessionWrite(id, pupil, start)}) ? id : QString();
}

bool RecordStore::post(const QList<BoundWrite> &writes)
{
    if (!db())
        return false;
    return poster_ ? poster_(writes) : write(writes);
}

BoundWrite RecordStore::sessionWrite(const QString &id, const QString &pupil, const SessionStart &start)
{
    const QVariant none(QMetaType(QMetaType::QString));
    return {QStringLiteral("insert into sessions (%1) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(QLatin1String(kSessionColumns)),
            {id, pupil, start.screen, modeText(start.mode), start.menuItem, notNull(start.menuText), start.timeLimit,
             localText(start.startedAt), utcText(start.startedAt), none, none, 0, 0, 0, 0, 0}};
}

BoundWrite RecordStore::countsWrite(const QString &session, const SessionCounts &counts)
{
    return {QStringLiteral("update sessions set problems = ?, right_answers = ?, score = ?, seconds = ?,"
                           " ended_local = ?, ended_utc = ?, finished = ? where id = ?"),
            {counts.problems, counts.right, counts.score, counts.seconds,
             localText(counts.at), utcText(counts.at), counts.finished ? 1 : 0, session}};
}

QList<BoundWrite> RecordStore::answerWrites(const QString &session, int seq, const RecordedAnswer &a,
                                            const SessionCounts &counts)
{
    QList<BoundWrite> out = answerRowWrites(session, seq, a);
    out.append(countsWrite(session, counts));
    const QDateTime at = a.answeredAt.isValid() ? a.answeredAt : counts.at;
    if (!a.right && !a.data.kind.isEmpty() && at.isValid())
        out.append(reviewWrite(session, a, at));
    return out;
}

QList<BoundWrite> RecordStore::answerRowWrites(const QString &session, int seq, const RecordedAnswer &a)
{
    BoundWrite answer{QStringLiteral("insert into answers (session_id, seq, problem_no, shown, kind, a, b, c, d,"
                                     " right_answer, given_answer, right_remainder, given_remainder,"
                                     " right_text, given_text, correct, ms)"
                                     " values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {session, seq, a.problemNo, notNull(a.shown), notNull(a.data.kind), nullableInt(a.data.a), nullableInt(a.data.b),
                       nullableInt(a.data.c), nullableInt(a.data.d), nullableInt(a.rightAnswer),
                       nullableInt(a.givenAnswer), nullableInt(a.rightRemainder), nullableInt(a.givenRemainder),
                       nullableText(a.rightText), nullableText(a.givenText), a.right ? 1 : 0, qMax<qint64>(0, a.ms)}};
    return QList<BoundWrite>{answer} + TallyWrites(session, a);
}

bool RecordStore::write(const QList<BoundWrite> &writes)
{
    QSqlDatabase *d = db();
    if (!d)
        return false;
    if (!d->transaction()) {
        fail(SqlErrorText(d->lastError()));
        return false;
    }
    QString detail;
    {
        QSqlQuery q(*d);
        for (const BoundWrite &w : writes) {
            if (!q.prepare(w.sql)) {
                detail = SqlErrorText(q.lastError());
                break;
            }
            for (const QVariant &v : w.values)
                q.addBindValue(v);
            if (!q.exec()) {
                detail = SqlErrorText(q.lastError());
                break;
            }
        }
    }
    if (detail.isEmpty() && d->commit())
        return true;
    if (detail.isEmpty())
        detail = SqlErrorText(d->lastError());
    d->rollback();
    qWarning("record: %s", qUtf8Printable(detail));
    return false;
}

// ---------------------------------------------------------------- reading

int RecordStore::sessionCount(const QString &pupilId)
{
    int n = 0;
    read(QStringLiteral("select count(*) from sessions where pupil_id = ?"), {pupilId},
         [&](const QSqlQuery &q) { n = q.value(0).toInt(); });
    return n;
}

QList<SessionRow> RecordStore::sessions(const QString &pupilId, int limit, const SessionRow *after)
{
    // Keyset paging: the next page starts below the last row read, so a
    // page deep in ten years of sessions costs what the first one does.
    QString sql = QStringLiteral("select %1 from sessions where pupil_id = ?").arg(QLatin1String(kSessionColumns));
    QList<QVariant> values{pupilId};
    if (after) {
        sql += QStringLiteral(" and started_utc <= ? and (started_utc < ? or id < ?)");
        values << after->startedUtc << after->startedUtc << after->id;
    }
    values << limit;
    QList<SessionRow> out;
    read(sql + QStringLiteral(" order by started_utc desc, id desc limit ?"), values,
         [&](const QSqlQuery &q) { out.append(readSession(q)); });
    return out;
}

QList<SessionRow> RecordStore::allSessions(const QString &pupilId)
{
    QList<SessionRow> out;
    read(QStringLiteral("select %1 from sessions%2 order by started_utc, id")
             .arg(QLatin1String(kSessionColumns), pupilId.isEmpty() ? QString() : QStringLiteral(" where pupil_id = ?")),
         pupilId.isEmpty() ? QList<QVariant>() : QList<QVariant>{pupilId},
         [&](const QSqlQuery &q) { out.append(readSession(q)); });
    return out;
}

namespace {
const char kAnswerColumns[] =
    "seq, problem_no, shown, kind, a, b, c, d, right_answer, given_answer, right_remainder,"
    " given_remainder, right_text, given_text, correct, ms";

AnswerRow readAnswer(const QSqlQuery &q, int first)
{
    auto value = [&](int i) { return q.value(first + i); };
    auto nullable = [&](int i) { return value(i).isNull() ? QVariant() : QVariant(value(i).toInt()); };
    AnswerRow r;
    r.seq = value(0).toInt();
    RecordedAnswer &a = r.answer;
    a.problemNo = value(1).toInt();
    a.shown = value(2).toString();
    a.data = {value(3).toString(), nullable(4), nullable(5), nullable(6), nullable(7)};
    a.rightAnswer = nullable(8);
    a.givenAnswer = nullable(9);
    a.rightRemainder = nullable(10);
    a.givenRemainder = nullable(11);
    a.rightText = value(12).toString();
    a.givenText = value(13).toString();
    a.right = value(14).toInt() != 0;
    a.ms = value(15).toLongLong();
    return r;
}
}  // namespace

QList<AnswerRow> RecordStore::answers(const QString &sessionId)
{
    QList<AnswerRow> out;
    read(QStringLiteral("select %1 from answers where session_id = ? order by seq").arg(QLatin1String(kAnswerColumns)),
         {sessionId}, [&](const QSqlQuery &q) { out.append(readAnswer(q, 0)); });
    return out;
}

bool RecordStore::forEachAnswer(const QString &pupilId,
                                const std::function<void(const QString &, const AnswerRow &)> &each)
{
    return read(QStringLiteral("select s.id, %1 from sessions s join answers on answers.session_id = s.id%2"
                               " order by s.started_utc, s.id, seq")
                    .arg(QLatin1String(kAnswerColumns),
                         pupilId.isEmpty() ? QString() : QStringLiteral(" where s.pupil_id = ?")),
                pupilId.isEmpty() ? QList<QVariant>() : QList<QVariant>{pupilId},
                [&](const QSqlQuery &q) { each(q.value(0).toString(), readAnswer(q, 1)); });
}

QList<PractisedItem> RecordStore::practisedItems(const QString &pupilId)
{
    const QString drill = modeText(SessionMode::Drill);
    QList<PractisedItem> out;
    read(QStringLiteral("select distinct screen, menu_item from sessions where pupil_id = ? and mode = ?"
                        " order by screen, menu_item"),
         {pupilId, drill}, [&](const QSqlQuery &q) { out.append({q.value(0).toInt(), q.value(1).toInt(), {}}); });
    // Each item by the text of its latest session.
    for (PractisedItem &item : out)
        read(QStringLiteral("select menu_text from sessions where pupil_id = ? and mode = ? and screen = ?"
                            " and menu_item = ? order by started_utc desc limit 1"),
             {pupilId, drill, item.screen, item.menuItem},
             [&](const QSqlQuery &q) { item.menuText = q.value(0).toString().trimmed(); });
    return out;
}

QList<ChartPoint> RecordStore::chart(const QString &pupilId, int screen, int menuItem)
{
    QList<ChartPoint> out;
    read(QStringLiteral("select started_local, score, problems, seconds from sessions"
                        " where pupil_id = ? and mode = ? and screen = ? and menu_item = ? and problems > 0"
                        " order by started_utc"),
         {pupilId, modeText(SessionMode::Drill), screen, menuItem}, [&](const QSqlQuery &q) {
             const int seconds = q.value(3).toInt();
             out.append({wallClock(q.value(0)), q.value(1).toInt(),
                         seconds > 0 ? q.value(2).toInt() * 60.0 / seconds : 0.0});
         });
    return out;
}

QMap<QDate, int> RecordStore::minutesByDay(const QString &pupilId, const QDate &from)
{
    // Read by the UTC index from a day early, then kept by the local day.
    QMap<QDate, int> out;
    read(QStringLiteral("select substr(started_local, 1, 10), sum(seconds) from sessions"
                        " where pupil_id = ? and started_utc >= ? group by substr(started_local, 1, 10)"),
         {pupilId, utcText(from.addDays(-1).startOfDay())}, [&](const QSqlQuery &q) {
             const QDate day = QDate::fromString(q.value(0).toString(), Qt::ISODate);
             if (day >= from)
                 out.insert(day, (q.value(1).toInt() + 30) / 60);
         });
    return out;
}

Totals RecordStore::totals(const QString &pupilId, const QDateTime &since)
{
    QList<QVariant> values{pupilId};
    if (since.isValid())
        values << utcText(since);
    Totals t;
    read(QStringLiteral("select count(*), coalesce(sum(case when mode = 'drill' then 1 else 0 end), 0),"
                        " coalesce(sum(problems), 0), coalesce(sum(right_answers), 0), coalesce(sum(seconds), 0)"
                        " from sessions where pupil_id = ?%1")
             .arg(since.isValid() ? QStringLiteral(" and started_utc >= ?") : QString()),
         values, [&](const QSqlQuery &q) {
             t = {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toLongLong(), q.value(3).toLongLong(),
                  q.value(4).toLongLong()};
         });
    return t;
}

bool RecordStore::read(const QString &sql, const QList<QVariant> &values,
                       const std::function<void(const QSqlQuery &)> &row)
{
    QSqlDatabase *d = db();
    if (!d)
        return false;
    QSqlQuery q(*d);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        qWarning("record: %s", qUtf8Printable(SqlErrorText(q.lastError())));
        return false;
    }
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        qWarning("record: %s", qUtf8Printable(SqlErrorText(q.lastError())));
        return false;
    }
    while (q.next())
        row(q);
    return !q.lastError().isValid();
}

// ---------------------------------------------------------------- the review box

namespace {
QString dayText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

QString keyPart(const QVariant &v)
{
    return v.isValid() && !v.isNull() ? QString::number(v.toLongLong()) : QString();
}

const char kReviewColumns[] =
    "problem_key, kind, a, b, c, d, shown, right_answer, right_remainder, right_text,"
    " given_answer, given_remainder, given_text, box, due_day, wrong_count";

ReviewEntry readReview(const QSqlQuery &q)
{
    auto nullable = [&](int i) { return q.value(i).isNull() ? QVariant() : QVariant(q.value(i).toInt()); };
    ReviewEntry e;
    e.key = q.value(0).toString();
    e.problem = {q.value(1).toString(), nullable(2), nullable(3), nullable(4), nullable(5)};
    e.shown = q.value(6).toString();
    e.rightAnswer = nullable(7);
    e.rightRemainder = nullable(8);
    e.rightText = q.value(9).toString();
    e.givenAnswer = nullable(10);
    e.givenRemainder = nullable(11);
    e.givenText = q.value(12).toString();
    e.box = q.value(13).toInt();
    e.due = QDate::fromString(q.value(14).toString(), Qt::ISODate);
    e.wrongCount = q.value(15).toInt();
    return e;
}
}  // namespace

QString RecordStore::reviewKey(const RecordedProblem &p)
{
    return QStringLiteral("%1:%2:%3:%4:%5").arg(p.kind, keyPart(p.a), keyPart(p.b), keyPart(p.c), keyPart(p.d));
}

BoundWrite RecordStore::reviewWrite(const QString &session, const RecordedAnswer &a, const QDateTime &at)
{
    // The values are cast in the select list so that a server that types
    // its parameters (PostgreSQL) reads them as the columns' types.
    return {QStringLiteral(
                "insert into reviews (pupil_id, problem_key, kind, a, b, c, d, shown, right_answer, right_remainder,"
                " right_text, given_answer, given_remainder, given_text, box, due_day, wrong_count, last_utc)"
                " select pupil_id, ?, ?, cast(? as integer), cast(? as integer), cast(? as integer),"
                " cast(? as integer), ?, cast(? as integer), cast(? as integer), ?, cast(? as integer),"
                " cast(? as integer), ?, 1, ?, 1, ? from sessions where id = ?"
                " on conflict (pupil_id, problem_key) do update set shown = excluded.shown,"
                " given_answer = excluded.given_answer, given_remainder = excluded.given_remainder,"
                " given_text = excluded.given_text, box = 1, due_day = excluded.due_day,"
                " wrong_count = reviews.wrong_count + 1, last_utc = excluded.last_utc"),
            {reviewKey(a.data), a.data.kind, nullableInt(a.data.a), nullableInt(a.data.b), nullableInt(a.data.c),
             nullableInt(a.data.d), notNull(a.shown), nullableInt(a.rightAnswer), nullableInt(a.rightRemainder),
             nullableText(a.rightText), nullableInt(a.givenAnswer), nullableInt(a.givenRemainder),
             nullableText(a.givenText), dayText(at.date().addDays(1)), utcText(at), session}};
}

BoundWrite RecordStore::reviewMoveWrite(const QString &pupilId, const QString &key, int box, const QDate &due)
{
    return {QStringLiteral("update reviews set box = ?, due_day = ? where pupil_id = ? and problem_key = ?"),
            {box, dayText(due), pupilId, key}};
}

QList<ReviewEntry> RecordStore::dueReviews(const QString &pupilId, const QDate &day, int limit)
{
    QList<QVariant> values{pupilId, dayText(day)};
    if (limit > 0)
        values << limit;
    QList<ReviewEntry> out;
    read(QStringLiteral("select %1 from reviews where pupil_id = ? and box between 1 and 3 and due_day <= ?"
                        " order by due_day, last_utc, problem_key%2")
             .arg(QLatin1String(kReviewColumns), limit > 0 ? QStringLiteral(" limit ?") : QString()),
         values, [&](const QSqlQuery &q) { out.append(readReview(q)); });
    return out;
}

int RecordStore::dueReviewCount(const QString &pupilId, const QDate &day)
{
    int n = 0;
    read(QStringLiteral("select count(*) from reviews where pupil_id = ? and box between 1 and 3 and due_day <= ?"),
         {pupilId, dayText(day)}, [&](const QSqlQuery &q) { n = q.value(0).toInt(); });
    return n;
}

QList<ReviewEntry> RecordStore::reviewBox(const QString &pupilId)
{
    QList<ReviewEntry> out;
    read(QStringLiteral("select %1 from reviews where pupil_id = ? order by problem_key").arg(QLatin1String(kReviewColumns)),
         {pupilId}, [&](const QSqlQuery &q) { out.append(readReview(q)); });
    return out;
}

// ---------------------------------------------------------------- wrong answers and facts

bool RecordStore::forEachWrongAnswer(const QString &pupilId, const QDate &from, const QDate &to,
                                     const std::function<void(const WrongAnswer &)> &each)
{
    // The sessions by the UTC index from a day either side, then kept by
    // their local day; the answers by their key.
    return read(QStringLiteral("select s.started_local, s.screen, %1 from sessions s"
                               " join answers on answers.session_id = s.id"
                               " where s.pupil_id = ? and s.started_utc >= ? and s.started_utc < ? and correct = 0"
                               " order by s.started_utc, s.id, seq")
                    .arg(QLatin1String(kAnswerColumns)),
                {pupilId, utcText(from.addDays(-1).startOfDay()), utcText(to.addDays(2).startOfDay())},
                [&](const QSqlQuery &q) {
                    const QString local = q.value(0).toString();
                    const QDate day(local.left(4).toInt(), local.mid(5, 2).toInt(), local.mid(8, 2).toInt());
                    if (day < from || day > to)
                        return;
                    each({day, q.value(1).toInt(), readAnswer(q, 2).answer});
                });
}

bool RecordStore::forEachTallyAnswer(
    const std::function<void(const QString &pupil, const QDate &day, const RecordedAnswer &)> &each)
{
    // Only what a tally counts: the wrong answers and those that may be on a fact.
    return read(QStringLiteral("select s.pupil_id, s.started_local, %1 from sessions s"
                               " join answers on answers.session_id = s.id"
                               " where correct = 0 or kind in ('mul', 'div', 'divrem')"
                               " order by s.started_utc, s.id, seq")
                    .arg(QLatin1String(kAnswerColumns)),
                {}, [&](const QSqlQuery &q) {
                    const QString local = q.value(1).toString();
                    const QDate day(local.left(4).toInt(), local.mid(5, 2).toInt(), local.mid(8, 2).toInt());
                    each(q.value(0).toString(), day, readAnswer(q, 2).answer);
                });
}

bool RecordStore::forEachFactAnswer(const QString &pupilId, const std::function<void(const FactAnswer &)> &each)
{
    return read(QStringLiteral("select kind, a, b, c, correct, ms from sessions s"
                               " join answers on answers.session_id = s.id"
                               " where s.pupil_id = ? and ((kind = 'mul' and a between 1 and 9 and b between 1 and 9)"
                               " or (kind in ('div', 'divrem') and b between 1 and 9 and c between 1 and 9))"),
                {pupilId}, [&](const QSqlQuery &q) {
                    each({q.value(0).toString(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                          q.value(4).toInt() != 0, q.value(5).toLongLong()});
                });
}

QString SqlErrorText(const QSqlError &error)
{
    const QString text = (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}
