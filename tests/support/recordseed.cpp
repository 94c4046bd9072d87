#include "recordseed.h"

#include "store/logtables.h"
#include "record/tallies.h"
#include "store/record.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <random>

namespace {
struct SeedItem {
    int screen, menuItem;
    const char *menuText, *kind;
};
const SeedItem kItems[] = {
    {5, 1, "たし算", "add"}, {5, 2, "ひき算", "sub"}, {8, 1, "３けたの たし算", "add"},
    {20, 3, "２ けた x ２ けた", "mul"}, {23, 2, "あまり あり", "divrem"},
};
const SeedItem kKuku = {20, 1, "九九", "mul"};

bool run(QSqlQuery &q, const BoundWrite &w)
{
    // Prepared once per statement text; the bench writes millions of rows.
    if (q.lastQuery() != w.sql && !q.prepare(w.sql))
        return false;
    for (int i = 0; i < w.values.size(); ++i)
        q.bindValue(i, w.values[i]);
    const bool ok = q.exec();
    q.finish();  // keeps the statement prepared, lets the transaction commit
    return ok;
}
}  // namespace

QString SeedRecord(const QString &folder, const RecordSeed &seed)
{
    const QString name = QStringLiteral("record-seed");
    QString pupil;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(folder + QStringLiteral("/kyozai"));
        if (!db.open())
            return {};
        QSqlQuery q(db);
        int n = 0;
        const LogTable *tables = LogTables::all(&n);
        for (int i = 0; i < n; ++i)
            q.exec(tables[i].createStatement());
        q.exec(QStringLiteral("pragma journal_mode = wal"));
        q.finish();
        {
            RecordStore record([] { return false; });
            record.attach(&db);
            pupil = record.addPupil({{}, seed.pupilName, seed.className, seed.number});
            record.detach();
        }
        std::mt19937 random(seed.seed);
        db.transaction();
        QSqlQuery session(db), answer(db), counts(db);
        bool ok = !pupil.isEmpty();
        int serial = 0;
        for (int day = 0; ok && day < seed.days; ++day) {
            if (seed.skipEvery > 0 && day % seed.skipEvery == seed.skipEvery - 1)
                continue;
            for (int k = 0; ok && k < seed.sessionsPerDay; ++k, ++serial) {
                const size_t items = std::size(kItems) + (seed.kuku ? 1 : 0);
                const SeedItem &item =
                    serial % items < std::size(kItems) ? kItems[serial % items] : kKuku;
                const bool kuku = &item == &kKuku;
                const QDateTime start(seed.firstDay.addDays(day), QTime(16, 0).addSecs(k * 60 * seed.minutesApart));
                const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
                ok = run(session, RecordStore::sessionWrite(
                                      id, pupil, {item.screen, SessionMode::Drill, item.menuItem,
                                                  QString::fromUtf8(item.menuText), 300, start}));
                // A pupil gets better: fewer mistakes as the days go by.
                const int errorChance = std::max(2, 30 - day * 25 / std::max(1, seed.days));
                int right = 0;
                qint64 elapsed = 0;
                const int problems = seed.answersPerSession + (serial % 5 < seed.longerOfFive ? 1 : 0);
                for (int a = 1; ok && a <= problems; ++a) {
                    const int x = kuku ? 1 + int(random() % 9) : 11 + int(random() % 88);
                    const int y = kuku ? 1 + int(random() % 9) : 11 + int(random() % 88);
                    const int correct = kuku ? x * y : x + y;
                    const bool isRight = int(random() % 100) >= errorChance;
                    right += isRight;
                    const qint64 ms = 2000 + random() % 9000;
                    elapsed += ms;
                    RecordedAnswer r;
                    r.problemNo = a;
                    r.shown = (kuku ? QStringLiteral("%1 x %2 = ?") : QStringLiteral("%1 + %2 = ?")).arg(x).arg(y);
                    r.data = {QString::fromLatin1(item.kind), x, y, {}, {}};
                    r.rightAnswer = correct;
                    r.givenAnswer = isRight ? correct : correct + 1 + int(random() % 9);
                    r.right = isRight;
                    r.ms = ms;
                    const QList<BoundWrite> w = RecordStore::answerWrites(id, a, r, {});
                    ok = run(answer, w[0]);
                }
                const int seconds = int(elapsed / 1000);
                ok = ok && run(counts, RecordStore::countsWrite(
                                           id, {problems, right, problems ? right * 100 / problems : 0, seconds,
                                                start.addSecs(seconds), true}));
            }
        }
        session.finish();
        answer.finish();
        counts.finish();
        if (ok) {
            RecordStore record([] { return false; });
            record.attach(&db);
            const QString failed = RecountTallies(record, db);
            record.detach();
            if (!failed.isEmpty())
                qWarning("seed: %s", qUtf8Printable(failed));
            ok = failed.isEmpty();
        }
        if (!ok) {
            qWarning("seed: %s", qUtf8Printable(db.lastError().text()));
            db.rollback();
            pupil.clear();
        } else {
            db.commit();
        }
        session.finish();
        answer.finish();
        counts.finish();
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return pupil;
}
