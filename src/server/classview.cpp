#include "server/classview.h"

#include "store/record.h"

#include "record/csv.h"

#include <QMap>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <algorithm>

namespace {

QString utc(const QDateTime &t)
{
    return t.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
}

bool select(QSqlDatabase db, const QString &sql, const QList<QVariant> &values,
            const std::function<void(const QSqlQuery &)> &row, QString *trouble)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        *trouble = SqlErrorText(q.lastError());
        return false;
    }
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        *trouble = SqlErrorText(q.lastError());
        return false;
    }
    while (q.next())
        row(q);
    return true;
}

QVariant nullable(const QVariant &v)
{
    return v.isNull() ? QVariant() : QVariant(v.toLongLong());
}

}  // namespace

QDateTime WeekStart(const QDateTime &now)
{
    const QDate day = now.toLocalTime().date();
    return day.addDays(1 - day.dayOfWeek()).startOfDay();
}

QList<ClassPupil> ClassView::stuck() const
{
    QList<ClassPupil> out;
    for (const ClassPupil &p : pupils)
        if (p.stuck())
            out.append(p);
    std::stable_sort(out.begin(), out.end(), [](const ClassPupil &x, const ClassPupil &y) {
        return x.wrongThisWeek - x.wrongLastWeek > y.wrongThisWeek - y.wrongLastWeek;
    });
    return out;
}

ClassView ReadClassView(QSqlDatabase db, const QString &className, const QDateTime &weekStart,
                        const AnswerDiagnosis &diagnose)
{
    ClassView view;
    view.className = className;
    view.weekStart = weekStart;
    QMap<int, ClassPupil> pupils;
    QString trouble;
    const QString from = utc(weekStart), lastWeek = utc(weekStart.addDays(-7));

    bool ok = select(db, QStringLiteral("select number, coalesce(name, '') from minuka.pupils where class = ?"),
                     {className},
                     [&](const QSqlQuery &q) {
                         ClassPupil &p = pupils[q.value(0).toInt()];
                         p.number = q.value(0).toInt();
                         p.name = q.value(1).toString();
                     },
                     &trouble);
    // The week: drills done and time practised.
    ok = ok && select(db, QStringLiteral("select number, count(*) filter (where mode = 'drill'), sum(seconds)"
                                         " from minuka.sessions where class = ? and started_utc >= cast(? as timestamptz)"
                                         " group by number"),
                      {className, from},
                      [&](const QSqlQuery &q) {
                          ClassPupil &p = pupils[q.value(0).toInt()];
                          p.drillsThisWeek = q.value(1).toInt();
                          p.secondsThisWeek = q.value(2).toLongLong();
                      },
                      &trouble);
    // Each drill's latest and best finished score, over all time.
    QList<int> screens;
    ok = ok && select(db, QStringLiteral("select number, screen, (array_agg(score order by started_utc desc))[1], max(score)"
                                         " from minuka.sessions where class = ? and mode = 'drill' and finished"
                                         " group by number, screen order by number, screen"),
                      {className},
                      [&](const QSqlQuery &q) {
                          const int screen = q.value(1).toInt();
                          pupils[q.value(0).toInt()].drills.append({screen, q.value(2).toInt(), q.value(3).toInt()});
                          if (!screens.contains(screen))
                              screens.append(screen);
                      },
                      &trouble);
    // The wrong answers of this week and the last, diagnosed here.
    QMap<int, QMap<ArithmeticError, int>> byPupil;
    ok = ok && select(db, QStringLiteral("select s.number, s.started_utc >= cast(? as timestamptz), a.kind, a.a, a.b, a.c, a.d,"
                                         " a.given_answer, a.given_remainder"
                                         " from minuka.sessions s join minuka.answers a on a.session_id = s.id"
                                         " where s.class = ? and s.started_utc >= cast(? as timestamptz) and not a.correct"),
                      {from, className, lastWeek},
                      [&](const QSqlQuery &q) {
                          ClassPupil &p = pupils[q.value(0).toInt()];
                          if (!q.value(1).toBool()) {
                              ++p.wrongLastWeek;
                              return;
                          }
                          ++p.wrongThisWeek;
                          RecordedAnswer answer;
                          answer.data = {q.value(2).toString(), nullable(q.value(3)), nullable(q.value(4)),
                                         nullable(q.value(5)), nullable(q.value(6))};
                          answer.givenAnswer = nullable(q.value(7));
                          answer.givenRemainder = nullable(q.value(8));
                          const ArithmeticError e = diagnose(answer);
                          if (e != ArithmeticError::None)
                              ++byPupil[p.number][e];
                      },
                      &trouble);
    if (!ok) {
        view.trouble = trouble;
        return view;
    }
    std::sort(screens.begin(), screens.end());
    view.screens = screens;
    QMap<ArithmeticError, ClassStumble> stumbles;
    for (auto it = byPupil.cbegin(); it != byPupil.cend(); ++it) {
        ClassPupil &p = pupils[it.key()];
        for (auto e = it->cbegin(); e != it->cend(); ++e) {
            ClassStumble &s = stumbles[e.key()];
            s.error = e.key();
            s.count += e.value();
            s.pupils += 1;
            // The most frequent; of equal counts, the first in the diagnosis's order.
            if (e.value() > p.stumbleCount) {
                p.stumble = e.key();
                p.stumbleCount = e.value();
            }
        }
    }
    view.pupils = pupils.values();
    view.stumbles = stumbles.values();
    std::stable_sort(view.stumbles.begin(), view.stumbles.end(),
                     [](const ClassStumble &x, const ClassStumble &y) { return x.count > y.count; });
    return view;
}

QString CopyPupilRecord(QSqlDatabase db, const QString &className, int number, const QString &name,
                        RecordStore &into, QString *trouble)
{
    const QString pupil = into.addPupil({{}, name.isEmpty() ? QStringLiteral("%1ばん").arg(number) : name, className, number});
    if (pupil.isEmpty()) {
        *trouble = QStringLiteral("the copy could not be made");
        return {};
    }
    // Every session with its answers, in the order they were practised, as
    // the machine recorded them; written in one transaction.
    QList<BoundWrite> writes;
    QMap<QString, QList<BoundWrite>> answers;
    const auto local = [](const QVariant &v) { return v.toDateTime(); };
    bool ok = select(
        db,
        QStringLiteral("select id::text, screen, mode, menu_item, menu_text, time_limit, started_utc, ended_utc,"
                       " problems, right_answers, score, seconds, finished from minuka.sessions"
                       " where class = ? and number = ? order by started_utc, id"),
        {className, number},
        [&](const QSqlQuery &q) {
            const QString id = q.value(0).toString();
            const SessionStart start{q.value(1).toInt(),
                                     q.value(2).toString() == QLatin1String("test") ? SessionMode::Test : SessionMode::Drill,
                                     q.value(3).toInt(), q.value(4).toString(), q.value(5).toInt(), local(q.value(6))};
            writes << RecordStore::sessionWrite(id, pupil, start);
            if (!q.value(7).isNull())
                writes << RecordStore::countsWrite(id, {q.value(8).toInt(), q.value(9).toInt(), q.value(10).toInt(),
                                                        q.value(11).toInt(), local(q.value(7)), q.value(12).toBool()});
        },
        trouble);
    ok = ok && select(db,
                      QStringLiteral("select a.session_id::text, a.seq, a.problem_no, a.shown, a.kind, a.a, a.b, a.c, a.d,"
                                     " a.right_answer, a.given_answer, a.right_remainder, a.given_remainder,"
                                     " a.right_text, a.given_text, a.correct, a.ms"
                                     " from minuka.sessions s join minuka.answers a on a.session_id = s.id"
                                     " where s.class = ? and s.number = ? order by s.started_utc, s.id, a.seq"),
                      {className, number},
                      [&](const QSqlQuery &q) {
                          RecordedAnswer r;
                          r.problemNo = q.value(2).toInt();
                          r.shown = q.value(3).toString();
                          r.data = {q.value(4).toString(), nullable(q.value(5)), nullable(q.value(6)),
                                    nullable(q.value(7)), nullable(q.value(8))};
                          r.rightAnswer = nullable(q.value(9));
                          r.givenAnswer = nullable(q.value(10));
                          r.rightRemainder = nullable(q.value(11));
                          r.givenRemainder = nullable(q.value(12));
                          r.rightText = q.value(13).toString();
                          r.givenText = q.value(14).toString();
                          r.right = q.value(15).toBool();
                          r.ms = q.value(16).toLongLong();
                          // The answer's rows alone: the session's counts came with it.
                          writes << RecordStore::answerRowWrites(q.value(0).toString(), q.value(1).toInt(), r);
                      },
                      trouble);
    if (!ok || !into.write(writes)) {
        if (trouble->isEmpty())
            *trouble = QStringLiteral("the copy could not be written");
        return {};
    }
    return pupil;
}

bool WriteClassCsv(const ClassView &view, const QString &path, const std::function<QString(int)> &screenName,
                   QString *error)
{
    QStringList head{CsvText(QStringLiteral("出席番号")), CsvText(QStringLiteral("なまえ")),
                     CsvText(QStringLiteral("ドリル（今週）")), CsvText(QStringLiteral("時間（今週・秒）"))};
    for (int screen : view.screens) {
        const QString name = screenName ? screenName(screen) : QString::number(screen);
        head << CsvText(name + QStringLiteral(" さいご")) << CsvText(name + QStringLiteral(" いちばん"));
    }
    head << CsvText(QStringLiteral("ふくしゅう")) << CsvText(QStringLiteral("まちがい（今週）"))
         << CsvText(QStringLiteral("まちがい（先週）")) << CsvText(QStringLiteral("つまずき"));
    QString text = head.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const ClassPupil &p : view.pupils) {
        QStringList row{QString::number(p.number), CsvText(p.name), QString::number(p.drillsThisWeek),
                        QString::number(p.secondsThisWeek)};
        for (int screen : view.screens) {
            const auto it = std::find_if(p.drills.cbegin(), p.drills.cend(),
                                         [screen](const DrillScores &d) { return d.screen == screen; });
            row << (it == p.drills.cend() ? QString() : QString::number(it->latest))
                << (it == p.drills.cend() ? QString() : QString::number(it->best));
        }
        row << (p.reviewsDue < 0 ? QString() : QString::number(p.reviewsDue)) << QString::number(p.wrongThisWeek)
            << QString::number(p.wrongLastWeek)
            << CsvText(p.stumble == ArithmeticError::None ? QString() : ErrorName(p.stumble));
        text += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("\xEF\xBB\xBF") < 0 || file.write(text.toUtf8()) < 0
        || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
