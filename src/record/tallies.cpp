#include "record/tallies.h"

#include "store/record.h"

#include "record/kukumap.h"
#include "record/review.h"
#include "record/stumbles.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <map>
#include <tuple>

qint64 FactTimeMs(qint64 ms)
{
    return (qMax<qint64>(0, ms) + 50) / 100 * 100;
}

namespace {
// The fact an answer is on, {0, 0} for none.
std::pair<int, int> factOf(const RecordedAnswer &a)
{
    const RecordedProblem &p = a.data;
    return FactOf({p.kind, p.a.toInt(), p.b.toInt(), p.c.toInt(), a.right, a.ms});
}

// The statements add one to a row or make it, reading the pupil and the day
// from the session; the values are cast where a server that types its
// parameters (PostgreSQL) would otherwise guess.
const char kStumbleWrite[] =
    "insert into stumble_days (pupil_id, day, error, wrong, example)"
    " select pupil_id, substr(started_local, 1, 10), ?, 1, ? from sessions where id = ?"
    " on conflict (pupil_id, day, error) do update set wrong = stumble_days.wrong + 1, example = excluded.example";
const char kFactWrite[] =
    "insert into fact_times (pupil_id, a, b, ms, answers, right_answers)"
    " select pupil_id, cast(? as integer), cast(? as integer), cast(? as integer), 1, cast(? as integer)"
    " from sessions where id = ?"
    " on conflict (pupil_id, a, b, ms) do update set answers = fact_times.answers + 1,"
    " right_answers = fact_times.right_answers + excluded.right_answers";
}  // namespace

QList<BoundWrite> TallyWrites(const QString &session, const RecordedAnswer &answer)
{
    QList<BoundWrite> out;
    if (!answer.right)
        out.append({QLatin1String(kStumbleWrite),
                    {ErrorKey(DiagnoseAnswer(answer)), StumbleExample(answer), session}});
    const auto [a, b] = factOf(answer);
    if (a != 0)
        out.append({QLatin1String(kFactWrite), {a, b, FactTimeMs(answer.ms), answer.right ? 1 : 0, session}});
    return out;
}

QString RecountTallies(RecordStore &record, QSqlDatabase &db)
{
    // Counted in memory first: ten years hold a few thousand rows of each.
    struct Day {
        int wrong = 0;
        RecordedAnswer latest;
    };
    struct Times {
        int answers = 0, right = 0;
    };
    std::map<std::tuple<QString, QString, QString>, Day> days;  // pupil, day, error
    std::map<std::tuple<QString, int, int, qint64>, Times> facts;  // pupil, fact, time
    const bool read = record.forEachTallyAnswer([&](const QString &pupil, const QDate &day, const RecordedAnswer &a) {
        if (!a.right) {
            Day &d = days[{pupil, day.toString(Qt::ISODate), ErrorKey(DiagnoseAnswer(a))}];
            ++d.wrong;
            d.latest = a;  // the answers come in the sessions' order
        }
        const auto [x, y] = factOf(a);
        if (x != 0) {
            Times &t = facts[{pupil, x, y, FactTimeMs(a.ms)}];
            ++t.answers;
            t.right += a.right;
        }
    });
    if (!read)
        return QStringLiteral("the answers could not be read");

    QSqlQuery q(db);
    for (const char *empty : {"delete from stumble_days", "delete from fact_times"})
        if (!q.exec(QLatin1String(empty)))
            return SqlErrorText(q.lastError());
    if (!q.prepare(QStringLiteral("insert into stumble_days (pupil_id, day, error, wrong, example) values (?, ?, ?, ?, ?)")))
        return SqlErrorText(q.lastError());
    for (const auto &[key, d] : days) {
        const auto &[pupil, day, error] = key;
        for (const QVariant &v : {QVariant(pupil), QVariant(day), QVariant(error), QVariant(d.wrong),
                                  QVariant(StumbleExample(d.latest))})
            q.addBindValue(v);
        if (!q.exec())
            return SqlErrorText(q.lastError());
    }
    if (!q.prepare(QStringLiteral(
            "insert into fact_times (pupil_id, a, b, ms, answers, right_answers) values (?, ?, ?, ?, ?, ?)")))
        return SqlErrorText(q.lastError());
    for (const auto &[key, t] : facts) {
        const auto &[pupil, a, b, ms] = key;
        for (const QVariant &v : {QVariant(pupil), QVariant(a), QVariant(b), QVariant(ms), QVariant(t.answers),
                                  QVariant(t.right)})
            q.addBindValue(v);
        if (!q.exec())
            return SqlErrorText(q.lastError());
    }
    return {};
}

bool ForEachStumbleDay(RecordStore &record, const QString &pupilId, const QDate &from, const QDate &to,
                       const std::function<void(const StumbleDay &)> &each)
{
    return record.read(QStringLiteral("select day, error, wrong, example from stumble_days"
                                      " where pupil_id = ? and day >= ? and day <= ? order by day"),
                       {pupilId, from.toString(Qt::ISODate), to.toString(Qt::ISODate)}, [&](const QSqlQuery &q) {
                           each({QDate::fromString(q.value(0).toString(), Qt::ISODate),
                                 ErrorOfKey(q.value(1).toString()), q.value(2).toInt(), q.value(3).toString()});
                       });
}

bool ForEachFactTime(RecordStore &record, const QString &pupilId, const std::function<void(const FactTime &)> &each)
{
    return record.read(QStringLiteral("select a, b, ms, answers, right_answers from fact_times where pupil_id = ?"
                                      " order by a, b, ms"),
                       {pupilId}, [&](const QSqlQuery &q) {
                           each({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toLongLong(), q.value(3).toInt(),
                                 q.value(4).toInt()});
                       });
}
