// A school's year on the class server: 1,000 pupils in 34 classes, their
// sessions through the year (25 answers each), loaded in two steps to
// 4,000,000 and then 10,000,000 answers. At each step it prints the time of
// the teacher's class view (the week, latest and best per drill, the two
// weeks' wrong answers diagnosed) read with a teacher's login; then the
// time thirty pupils' machines take to send a week of practice each after a
// day without the server.
//
//   QT_QPA_PLATFORM=offscreen bench_server [answers,answers,...]
//
// Needs PostgreSQL 15 and Qt's driver for it; the throwaway cluster (some
// 3 GB at 10,000,000 answers, in /tmp) is deleted at the end.

#include "../tests/tools/pgcluster.h"
#include "benchlog.h"
#include "recordseed.h"
#include "server/classview.h"
#include "server/sender.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr int kPupils = 1000, kPerClass = 30, kAnswersPerSession = 25;
const QDateTime kNow(QDate(2026, 12, 10), QTime(16, 0));

QString className(int c)
{
    return QStringLiteral("3年%1組").arg(c);
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Sessions from `first` to `last` (counting back from now, one pupil after
// another, about one a day each), with their answers.
void load(PgCluster &pg, qint64 first, qint64 last)
{
    QElapsedTimer t;
    t.start();
    pg.psql(QStringLiteral(
                "insert into minuka.sessions (id, class, number, screen, mode, menu_item, menu_text, time_limit,"
                " started_local, started_utc, ended_local, ended_utc, problems, right_answers, score, seconds, finished)"
                " select gen_random_uuid(), '3年' || ((p - 1) / %1 + 1) || '組', (p - 1) %% %1 + 1,"
                "  (array[5, 8, 11, 20, 23])[1 + k %% 5], 'drill', 1 + k %% 3, 'たし算', 300,"
                "  t, t, t + interval '5 min', t + interval '5 min', %2, r, r * 100 / %2, 300, true"
                " from (select k, 1 + k %% %3 as p, r,"
                "   timestamp '2026-12-10 15:00' - (k / %3) * interval '21 hours 50 minutes' - (k %% %3) * interval '1 second' as t"
                "   from (select k, %2 - (k * 7919) %% 9 as r from generate_series(cast(%4 as bigint), %5) k) x) y")
                .arg(kPerClass)
                .arg(kAnswersPerSession)
                .arg(kPupils)
                .arg(first)
                .arg(last)
                .replace(QStringLiteral("%%"), QStringLiteral("%")));
    const double sessionsS = t.elapsed() / 1e3;
    // The answers of the sessions just added: the wrong ones the last of
    // each session, carries forgotten.
    pg.psql(QStringLiteral("insert into minuka.answers (session_id, seq, class, problem_no, shown, kind, a, b,"
                           " right_answer, given_answer, correct, ms)"
                           " select s.id, q, s.class, q, (20 + q) || ' + ' || (8 + q %% 3), 'add', 20 + q, 8 + q %% 3,"
                           "  28 + q + q %% 3, case when q > s.right_answers then 18 + q + q %% 3 else 28 + q + q %% 3 end,"
                           "  q <= s.right_answers, 3000"
                           " from minuka.sessions s cross join generate_series(1, %1) q"
                           " where not exists (select from minuka.answers a where a.session_id = s.id)")
                .arg(kAnswersPerSession)
                .replace(QStringLiteral("%%"), QStringLiteral("%")));
    pg.psql(QStringLiteral("vacuum analyze minuka.sessions, minuka.answers"));
    std::printf("  loaded sessions %lld..%lld in %.1f s (sessions %.1f s), answers now %s, database %s\n", first, last,
                t.elapsed() / 1e3, sessionsS, qPrintable(pg.psql(QStringLiteral("select count(*) from minuka.answers"))),
                qPrintable(pg.psql(QStringLiteral("select pg_size_pretty(pg_database_size('minuka'))"))));
}

void classView(PgCluster &pg)
{
    QSqlDatabase db = pg.connect(QStringLiteral("teacher_3_1"), QStringLiteral("sensei"));
    std::vector<double> wall, cpu;
    ClassView view;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        const double c0 = cpuMs();
        view = ReadClassView(db, className(1), WeekStart(kNow));
        cpu.push_back(cpuMs() - c0);
        wall.push_back(t.nsecsElapsed() / 1e6);
    }
    int wrong = 0;
    for (const ClassPupil &p : view.pupils)
        wrong += p.wrongThisWeek + p.wrongLastWeek;
    std::printf("  class view (%lld pupils, %d wrong answers in two weeks, %lld stuck%s): "
                "first %.1f ms, median %.1f ms, max %.1f ms wall; median %.1f ms client CPU\n",
                qint64(view.pupils.size()), wrong, qint64(view.stuck().size()),
                view.trouble.isEmpty() ? "" : qPrintable(QStringLiteral(", ") + view.trouble), wall.front(),
                percentile(wall, 0.5), *std::max_element(wall.begin(), wall.end()), percentile(cpu, 0.5));
    db.close();
}

void weekAfterADayOffline(PgCluster &pg)
{
    // Thirty machines of 3年1組, each with a week of practice not yet sent:
    // three drills a day of twenty answers.
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    for (int n = 1; n <= 30; ++n) {
        folders.push_back(std::make_unique<QTemporaryDir>());
        RecordSeed seed;
        seed.pupilName = QStringLiteral("せいと%1").arg(n);
        seed.className = className(1);
        seed.number = n;
        seed.firstDay = kNow.date().addDays(-7);
        seed.days = 7;
        seed.sessionsPerDay = 3;
        seed.skipEvery = 0;
        seed.answersPerSession = 20;
        seed.seed = n;
        SeedRecord(folders.back()->path(), seed);
    }
    ServerSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = pg.port();
    s.database = QStringLiteral("minuka");
    s.className = className(1);
    s.login = QStringLiteral("class_3_1");
    s.password = QStringLiteral("kumi1");
    std::vector<std::unique_ptr<ServerSender>> senders;
    for (auto &f : folders)
        senders.push_back(std::make_unique<ServerSender>(s, f->path() + QStringLiteral("/kyozai"),
                                                         ServerSender::marksFile(f->path()),
                                                         ServerSender::Pace{50, 50, 400}));
    const QString before = pg.psql(QStringLiteral("select count(*) from minuka.answers"));
    QElapsedTimer t;
    t.start();
    for (auto &sender : senders)
        sender->start();
    auto done = [&] {
        return std::all_of(senders.begin(), senders.end(), [](auto &x) { return x->state().allSent(); });
    };
    while (!done() && t.elapsed() < 600000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const double ms = t.elapsed();
    std::printf("  thirty machines, a week each (630 sessions, 12,600 answers): all sent in %.0f ms%s;"
                " answers %s -> %s\n",
                ms, done() ? "" : " (NOT all sent)", qPrintable(before),
                qPrintable(pg.psql(QStringLiteral("select count(*) from minuka.answers"))));
    senders.clear();
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<qint64> steps{4000000, 10000000};
    if (argc > 1) {
        steps.clear();
        for (const QString &n : QString::fromLocal8Bit(argv[1]).split(QLatin1Char(',')))
            steps << n.toLongLong();
    }
    PgCluster pg(QStringLiteral(MINUKA_SOURCE_DIR));
    if (!pg.running()) {
        std::fprintf(stderr, "bench_server: PostgreSQL could not be started: %s\n", qPrintable(pg.trouble()));
        return 1;
    }
    std::printf("PostgreSQL 15 on port %d (fsync off), %d pupils in %d classes, %d answers a session\n", pg.port(),
                kPupils, (kPupils + kPerClass - 1) / kPerClass, kAnswersPerSession);
    QString setup = QStringLiteral("select minuka.add_class('3年%1組', 'class_3_%1', 'kumi%1');").arg(1)
        + QStringLiteral("select minuka.add_teacher('3年1組', 'teacher_3_1', 'sensei');");
    for (int c = 1; c <= (kPupils + kPerClass - 1) / kPerClass; ++c)
        setup += QStringLiteral("insert into minuka.classes values ('3年%1組') on conflict do nothing;").arg(c);
    setup += QStringLiteral("insert into minuka.pupils (class, number) select '3年' || ((p - 1) / %1 + 1) || '組',"
                            " (p - 1) %% %1 + 1 from generate_series(1, %2) p")
                 .arg(kPerClass)
                 .arg(kPupils)
                 .replace(QStringLiteral("%%"), QStringLiteral("%"));
    pg.psql(setup);

    qint64 sessions = 0;
    for (qint64 answers : steps) {
        const qint64 want = answers / kAnswersPerSession;
        std::printf("%lld answers:\n", answers);
        load(pg, sessions, want - 1);
        sessions = want;
        classView(pg);
    }
    weekAfterADayOffline(pg);
    classView(pg);
    return 0;
}
