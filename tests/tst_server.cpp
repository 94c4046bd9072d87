// The class's record on a real PostgreSQL server: a throwaway cluster on
// 127.0.0.1 with the project's schema, machines sending at once, a server
// that goes away in the middle, and what a class's login may not do.
#include "recordseed.h"
#include "server/outbox.h"
#include "server/sender.h"
#include "server/settings.h"
#include "server/sign.h"
#include "server/start.h"
#include "app/contents.h"
#include "app/program.h"
#include "server/teacherview.h"
#include "record/window.h"
#include "testprogram.h"
#include "store/datamodule.h"
#include "store/record.h"
#include "tools/pgcluster.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QTableView>
#include <QTableWidget>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <memory>

namespace {

const QString kClass = QStringLiteral("3年2組");
const QString kOtherClass = QStringLiteral("3年1組");

// A machine of the class: its data folder and the program's store on it.
struct Machine {
    QTemporaryDir folder;
    std::unique_ptr<TDataModule1> data;
    QString pupil;

    Machine(const QString &name, const QString &className, int number)
    {
        data = std::make_unique<TDataModule1>(folder.path());
        pupil = data->record()->addPupil({{}, name, className, number});
        data->record()->setPupil(pupil);
    }
    QString record() const { return data->databasePath(); }
    QString marks() const { return ServerSender::marksFile(folder.path()); }

    // Practises drills as the program records them: each answer written
    // with the session's counts, the last one finishing it.
    QStringList practise(int sessions, int answers, const QDateTime &from)
    {
        RecordStore *r = data->record();
        QStringList ids;
        for (int s = 0; s < sessions; ++s) {
            const QDateTime start = from.addSecs(s * 600);
            const QString id = r->beginSession({5, SessionMode::Drill, 1 + s % 2, QStringLiteral("たし算"), 60, start});
            int right = 0;
            for (int a = 1; a <= answers; ++a) {
                RecordedAnswer x;
                x.problemNo = a;
                x.shown = QStringLiteral("%1 + 8").arg(20 + a);
                x.data = {QStringLiteral("add"), 20 + a, 8, {}, {}};
                x.rightAnswer = 28 + a;
                x.right = (a + s) % 4 != 0;
                x.givenAnswer = x.right ? 28 + a : 18 + a;  // a carry forgotten
                right += x.right;
                x.ms = 1500;
                r->write(RecordStore::answerWrites(
                    id, a, x, {a, right, right * 100 / a, a * 2, start.addSecs(a * 2), a == answers}));
            }
            ids << id;
        }
        return ids;
    }

    // One finished drill of sums, each answer as given: (a, b, the pupil's sum).
    void drill(const QDateTime &start, const QList<std::array<int, 3>> &sums, int screen = 5)
    {
        RecordStore *r = data->record();
        const QString id = r->beginSession({screen, SessionMode::Drill, 1, QStringLiteral("たし算"), 0, start});
        int right = 0, n = 0;
        for (const auto &[a, b, given] : sums) {
            RecordedAnswer x;
            x.problemNo = ++n;
            x.shown = QStringLiteral("%1 + %2").arg(a).arg(b);
            x.data = {QStringLiteral("add"), a, b, {}, {}};
            x.rightAnswer = a + b;
            x.givenAnswer = given;
            x.right = given == a + b;
            right += x.right;
            x.ms = 4000;
            r->write(RecordStore::answerWrites(id, n, x,
                                               {n, right, right * 100 / n, n * 4, start.addSecs(n * 4), n == sums.size()}));
        }
    }
};

ServerSettings settingsFor(const PgCluster &pg, const QString &className, const QString &login, const QString &pw)
{
    ServerSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = pg.port();
    s.database = QStringLiteral("minuka");
    s.className = className;
    s.login = login;
    s.password = pw;
    return s;
}

// Quick tries in the tests: a look every 50 ms, pauses from 50 to 400 ms.
const ServerSender::Pace kQuick{50, 50, 400};

}  // namespace

class TestServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void settingsFiles_data();
    void settingsFiles();
    void thirtyPupilsAtOnce();
    void serverStoppedAndStartedAgain();
    void classLoginRefused_data();
    void classLoginRefused();
    void classLoginReadsItsOwnRosterOnly();
    void teachersViewOfTheClass();
    void signBesideThePupilsName();

private:
    bool needServer();
    QSqlDatabase teacher();
    int count(const QString &sql);

    std::unique_ptr<PgCluster> pg_;
};

bool TestServer::needServer()
{
    return pg_ && pg_->running();
}

#define NEED_SERVER()                                                              \
    if (!needServer())                                                             \
        QSKIP("PostgreSQL could not be started here; see the line at the start")

void TestServer::initTestCase()
{
    QElapsedTimer t;
    t.start();
    pg_ = std::make_unique<PgCluster>(QStringLiteral(MINUKA_SOURCE_DIR));
    if (!pg_->running()) {
        qWarning("PostgreSQL could not be started, the server tests are skipped: %s", qPrintable(pg_->trouble()));
        return;
    }
    pg_->psql(QStringLiteral("select minuka.add_class('3年2組', 'class_3_2', 'kumi2');"
                             "select minuka.add_class('3年1組', 'class_3_1', 'kumi1');"
                             "select minuka.add_teacher('3年2組', 'teacher_3_2', 'sensei');"));
    qInfo("PostgreSQL on port %d ready in %lld ms", pg_->port(), t.elapsed());
}

void TestServer::init()
{
    // Each test starts with an empty class.
    if (needServer())
        pg_->psql(QStringLiteral("truncate minuka.answers, minuka.sessions, minuka.pupils"));
}

QSqlDatabase TestServer::teacher()
{
    QSqlDatabase db = pg_->connect(QStringLiteral("teacher_3_2"), QStringLiteral("sensei"));
    if (!db.isOpen())
        qWarning("teacher: %s", qPrintable(db.lastError().text()));
    return db;
}

int TestServer::count(const QString &sql)
{
    return pg_->psql(sql).toInt();
}

// ---------------------------------------------------------------- settings

void TestServer::settingsFiles_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("isSet");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("login");

    const QString image = QStringLiteral("[server]\nhost=db.school\nport=5433\ndatabase=minuka\n"
                                         "class=3年2組\nlogin=class_3_2\npassword=x\n");
    QTest::newRow("no files: no server") << QString() << QString() << false << QString() << 5432 << QString();
    QTest::newRow("the machine image's") << image << QString() << true << "db.school" << 5433 << "class_3_2";
    QTest::newRow("the login's own wins")
        << image << QStringLiteral("[server]\nhost=other.school\nlogin=class_3_1\n") << true << "other.school" << 5433
        << "class_3_1";
    QTest::newRow("a bad port is not taken")
        << image << QStringLiteral("[server]\nport=99999\n") << true << "db.school" << 5433 << "class_3_2";
    QTest::newRow("no class: no server")
        << QStringLiteral("[server]\nhost=db.school\ndatabase=minuka\nlogin=class_3_2\n") << QString() << false
        << "db.school" << 5432 << "class_3_2";
}

void TestServer::settingsFiles()
{
    QFETCH(QString, system);
    QFETCH(QString, user);
    QTemporaryDir dir;
    auto write = [&](const QString &name, const QString &text) {
        if (text.isEmpty())
            return dir.filePath(name);  // not there
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
        return f.fileName();
    };
    const ServerSettings s = ReadServerSettings(write(QStringLiteral("system.conf"), system),
                                                write(QStringLiteral("user.conf"), user));
    QTEST(s.isSet(), "isSet");
    QTEST(s.host, "host");
    QTEST(s.port, "port");
    QTEST(s.login, "login");
}

// ---------------------------------------------------------------- sending

void TestServer::thirtyPupilsAtOnce()
{
    NEED_SERVER();
    // Thirty machines of one class, each with its pupil's three drills,
    // all sending at the same moment. The class is written as a pupil types
    // it on the machine, with full-width digits.
    std::vector<std::unique_ptr<Machine>> room;
    std::vector<std::unique_ptr<ServerSender>> senders;
    const QDateTime monday(QDate(2026, 12, 7), QTime(9, 0));
    for (int n = 1; n <= 30; ++n) {
        room.push_back(std::make_unique<Machine>(QStringLiteral("せいと%1").arg(n), QStringLiteral("３年２組"), n));
        room.back()->practise(3, 5, monday.addSecs(n));
    }
    for (auto &m : room) {
        senders.push_back(std::make_unique<ServerSender>(settingsFor(*pg_, kClass, QStringLiteral("class_3_2"),
                                                                     QStringLiteral("kumi2")),
                                                         m->record(), m->marks(), kQuick));
    }
    for (auto &s : senders)
        s->start();
    auto allSent = [&] {
        return std::all_of(senders.begin(), senders.end(), [](auto &s) { return s->state().allSent(); });
    };
    QTRY_VERIFY_WITH_TIMEOUT(allSent(), 30000);

    auto check = [&] {
        QCOMPARE(count(QStringLiteral("select count(*) from minuka.sessions")), 90);
        QCOMPARE(count(QStringLiteral("select count(*) from minuka.pupils where class = '3年2組'")), 30);
        // Every pupil's three, each with its five answers and its counts.
        QCOMPARE(count(QStringLiteral("select count(*) from (select number from minuka.sessions"
                                      " group by number having count(*) = 3) x")),
                 30);
        QCOMPARE(count(QStringLiteral("select count(*) from minuka.answers")), 450);
        QCOMPARE(count(QStringLiteral("select count(*) from minuka.sessions s where finished and problems = 5"
                                      " and problems = (select count(*) from minuka.answers a where a.session_id = s.id)")),
                 90);
        // The names stayed on the machines.
        QCOMPARE(count(QStringLiteral("select count(*) from minuka.pupils where name is not null")), 0);
    };
    check();
    // Looking again sends nothing twice.
    for (auto &s : senders)
        s->sendNow();
    QTest::qWait(200);
    QTRY_VERIFY_WITH_TIMEOUT(allSent(), 10000);
    check();
    senders.clear();
}

void TestServer::serverStoppedAndStartedAgain()
{
    NEED_SERVER();
    Machine m(QStringLiteral("はな"), QString(), 7);
    const QDateTime monday(QDate(2026, 12, 7), QTime(9, 0));
    m.practise(150, 8, monday);
    const QList<SessionRow> before = m.data->record()->allSessions(m.pupil);
    const ServerSettings settings = settingsFor(*pg_, kClass, QStringLiteral("class_3_2"), QStringLiteral("kumi2"));

    auto sender = std::make_unique<ServerSender>(settings, m.record(), m.marks(), kQuick);
    QList<OutboxState> states;
    connect(sender.get(), &ServerSender::stateChanged, this, [&](const OutboxState &s) { states << s; });
    sender->start();
    // The server goes away as soon as the first sessions are in, in the
    // middle of sending (its connections cut by a fast shutdown).
    QTRY_VERIFY_WITH_TIMEOUT(count(QStringLiteral("select count(*) from minuka.sessions")) > 0, 20000);
    QVERIFY(pg_->stop());
    // The pupil goes on practising meanwhile: recorded here, sent later.
    m.practise(20, 8, monday.addDays(2));
    QTRY_VERIFY_WITH_TIMEOUT(!states.isEmpty() && !states.last().reached && !states.last().trouble.isEmpty(), 20000);
    QVERIFY(states.last().unsent > 0);
    QTest::qWait(300);  // a few tries against no server
    QVERIFY(pg_->startAgain());
    sender->sendNow();
    QTRY_VERIFY_WITH_TIMEOUT(sender->state().allSent(), 30000);

    // Every session once, in the order they were practised.
    const QList<SessionRow> local = m.data->record()->allSessions(m.pupil);
    QCOMPARE(local.size(), 170);
    QStringList order;
    for (const SessionRow &s : local)
        order << s.id;
    const QString received = pg_->psql(QStringLiteral("select string_agg(id::text, ',' order by received)"
                                                      " from minuka.sessions where number = 7"));
    QCOMPARE(received.split(QLatin1Char(',')), order);
    QCOMPARE(count(QStringLiteral("select count(*) from minuka.answers")), 170 * 8);
    // The local record is as it was, the offline sessions after it.
    QCOMPARE(local.mid(0, before.size()).size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(local[i].id, before[i].id);
        QCOMPARE(local[i].problems, before[i].problems);
        QCOMPARE(local[i].right, before[i].right);
    }
    QCOMPARE(m.data->record()->answers(local.last().id).size(), 8);

    // Killed between the server's commit and the mark here: the marks are
    // lost, everything is sent again, and the server still has each once.
    sender.reset();
    QVERIFY(QFile::remove(m.marks()));
    Outbox again(settings, m.record(), m.marks());
    const OutboxState s = again.send();
    QVERIFY2(s.allSent(), qPrintable(s.trouble));
    QCOMPARE(count(QStringLiteral("select count(*) from minuka.sessions")), 170);
    QCOMPARE(count(QStringLiteral("select count(*) from minuka.answers")), 170 * 8);
    QCOMPARE(pg_->psql(QStringLiteral("select string_agg(id::text, ',' order by received)"
                                      " from minuka.sessions where number = 7")),
             received);
}

// ---------------------------------------------------------------- what a class may not do

void TestServer::classLoginRefused_data()
{
    QTest::addColumn<QString>("sql");
    const QString session = QStringLiteral(
        "'{\"id\":\"%1\",\"class\":\"%2\",\"number\":%3,\"screen\":5,\"mode\":\"drill\",\"menu_item\":1,"
        "\"menu_text\":\"x\",\"time_limit\":60,\"started_local\":\"2026-12-07T09:00:00\","
        "\"started_utc\":\"2026-12-07T00:00:00.000Z\",\"problems\":1,\"right_answers\":1,\"score\":100,"
        "\"seconds\":3,\"finished\":true}'");
    const QString send = QStringLiteral("select minuka.send_session(%1, '[]')");
    QTest::newRow("read the sessions") << "select * from minuka.sessions";
    QTest::newRow("read the answers") << "select * from minuka.answers";
    QTest::newRow("change a score") << "update minuka.sessions set score = 100";
    QTest::newRow("change an answer") << "update minuka.answers set correct = true";
    QTest::newRow("rename a pupil") << "update minuka.pupils set name = 'x'";
    QTest::newRow("delete sessions") << "delete from minuka.sessions";
    QTest::newRow("delete answers") << "delete from minuka.answers";
    QTest::newRow("delete a pupil") << "delete from minuka.pupils";
    QTest::newRow("empty a table") << "truncate minuka.answers";
    QTest::newRow("write around the check")
        << "insert into minuka.sessions (id, class, number, screen, mode, menu_item, menu_text, time_limit,"
           " started_local, started_utc, problems, right_answers, score, seconds, finished) values"
           " (gen_random_uuid(), '3年2組', 1, 5, 'drill', 1, 'x', 0, now(), now(), 0, 0, 0, 0, false)";
    QTest::newRow("send for another class")
        << send.arg(session.arg(QStringLiteral("6a0c8c8e-0000-4000-8000-000000000001"), kOtherClass).arg(3));
    QTest::newRow("add to another pupil's session")
        << send.arg(session.arg(QStringLiteral("6a0c8c8e-0000-4000-8000-0000000000aa"), kClass).arg(2));
    QTest::newRow("make a class") << "select minuka.add_class('3年3組', 'class_3_3', 'x')";
    QTest::newRow("read the logins") << "select * from minuka.logins";
}

void TestServer::classLoginRefused()
{
    NEED_SERVER();
    QFETCH(QString, sql);
    // One session of pupil 1 of the class, sent as the program sends it.
    pg_->psql(QStringLiteral(
        "set session authorization class_3_2;"
        "select minuka.send_session('{\"id\":\"6a0c8c8e-0000-4000-8000-0000000000aa\",\"class\":\"3年2組\","
        "\"number\":1,\"screen\":5,\"mode\":\"drill\",\"menu_item\":1,\"menu_text\":\"x\",\"time_limit\":60,"
        "\"started_local\":\"2026-12-07T09:00:00\",\"started_utc\":\"2026-12-07T00:00:00.000Z\",\"problems\":1,"
        "\"right_answers\":0,\"score\":0,\"seconds\":3,\"finished\":true}',"
        " '[{\"seq\":1,\"problem_no\":1,\"shown\":\"21 + 8\",\"kind\":\"add\",\"a\":21,\"b\":8,"
        "\"right_answer\":29,\"given_answer\":19,\"correct\":false,\"ms\":3000}]');"
        "reset session authorization"));
    const QString before = pg_->psql(QStringLiteral(
        "select string_agg(format('%s %s %s %s', id, number, score, finished), ';') from minuka.sessions"));
    QVERIFY(!before.isEmpty());
    {
        QSqlDatabase db = pg_->connect(QStringLiteral("class_3_2"), QStringLiteral("kumi2"));
        QVERIFY2(db.isOpen(), qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        QVERIFY2(!q.exec(sql), "the class's login was let through");
        // 42501: insufficient privilege, the server's own refusal.
        QCOMPARE(q.lastError().nativeErrorCode(), QStringLiteral("42501"));
        db.close();
    }
    QCOMPARE(pg_->psql(QStringLiteral(
                 "select string_agg(format('%s %s %s %s', id, number, score, finished), ';') from minuka.sessions")),
             before);
    QCOMPARE(count(QStringLiteral("select count(*) from minuka.answers where correct = false")), 1);
}

void TestServer::classLoginReadsItsOwnRosterOnly()
{
    NEED_SERVER();
    // A pupil of each class, sent by each class's machines.
    Machine ours(QStringLiteral("はな"), kClass, 4), theirs(QStringLiteral("そら"), kOtherClass, 9);
    ours.practise(1, 2, QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    theirs.practise(1, 2, QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    QVERIFY(Outbox(settingsFor(*pg_, kClass, QStringLiteral("class_3_2"), QStringLiteral("kumi2")), ours.record(),
                   ours.marks())
                .send()
                .allSent());
    QVERIFY(Outbox(settingsFor(*pg_, kOtherClass, QStringLiteral("class_3_1"), QStringLiteral("kumi1")),
                   theirs.record(), theirs.marks())
                .send()
                .allSent());
    // A machine set up for the other class does not send this class's pupil.
    QCOMPARE(count(QStringLiteral("select count(*) from minuka.sessions")), 2);

    auto rows = [&](const QString &login, const QString &pw, const QString &sql) {
        QSqlDatabase db = pg_->connect(login, pw);
        QSqlQuery q(db);
        QStringList out;
        if (!q.exec(sql))
            out << q.lastError().nativeErrorCode();
        while (q.next())
            out << q.value(0).toString();
        db.close();
        return out;
    };
    const QString roster = QStringLiteral("select class || ' ' || number from minuka.pupils order by 1");
    QCOMPARE(rows(QStringLiteral("class_3_2"), QStringLiteral("kumi2"), roster), QStringList{"3年2組 4"});
    QCOMPARE(rows(QStringLiteral("class_3_1"), QStringLiteral("kumi1"), roster), QStringList{"3年1組 9"});
    // The teacher reads the class, and only the class.
    QCOMPARE(rows(QStringLiteral("teacher_3_2"), QStringLiteral("sensei"),
                  QStringLiteral("select class || ' ' || number from minuka.sessions")),
             QStringList{"3年2組 4"});
    QCOMPARE(rows(QStringLiteral("teacher_3_2"), QStringLiteral("sensei"),
                  QStringLiteral("select count(*) from minuka.answers")),
             QStringList{"2"});
    // A wrong password is no way in.
    QVERIFY(!pg_->connect(QStringLiteral("class_3_2"), QStringLiteral("kumi1")).isOpen());
}

// ---------------------------------------------------------------- the teacher's view

void TestServer::teachersViewOfTheClass()
{
    NEED_SERVER();
    // The week of Monday 7 December; the lesson is on the Wednesday.
    const QDateTime lastWeek(QDate(2026, 11, 30), QTime(10, 0)), thisWeek(QDate(2026, 12, 7), QTime(10, 0));
    Machine hana(QStringLiteral("はな"), kClass, 3), sora(QStringLiteral("そら"), kClass, 5),
        kai(QStringLiteral("かい"), kClass, 8);
    // Pupil 3: all right last week, two carries forgotten this week.
    hana.drill(lastWeek, {{{27, 8, 35}}, {{12, 5, 17}}});
    hana.drill(thisWeek, {{{27, 8, 25}}, {{36, 7, 33}}, {{12, 5, 17}}, {{40, 9, 49}}});
    // Pupil 5: fewer mistakes than last week.
    sora.drill(lastWeek, {{{27, 8, 25}}, {{12, 5, 18}}});
    sora.drill(thisWeek, {{{45, 6, 41}}, {{12, 5, 17}}});
    // Pupil 8: 100 on Monday, 50 on Tuesday on the same drill; another drill
    // once; as many mistakes as last week.
    kai.drill(lastWeek, {{{30, 4, 35}}});
    kai.drill(thisWeek, {{{10, 5, 15}}, {{20, 5, 25}}});
    kai.drill(thisWeek.addDays(1), {{{10, 5, 15}}, {{20, 5, 26}}});
    kai.drill(thisWeek.addDays(1).addSecs(600), {{{10, 5, 15}}}, 8);
    for (Machine *m : {&hana, &sora, &kai}) {
        const OutboxState s = Outbox(settingsFor(*pg_, kClass, QStringLiteral("class_3_2"), QStringLiteral("kumi2")),
                                     m->record(), m->marks())
                                  .send();
        QVERIFY2(s.allSent(), qPrintable(s.trouble));
    }

    TestProgram t;
    t.clock.set(QDateTime(QDate(2026, 12, 9), QTime(11, 0)));
    QSqlDatabase db = teacher();
    QVERIFY(db.isOpen());
    const auto name = [](int form) { return form == 5 ? QStringLiteral("あんざん") : QStringLiteral("ひっさん"); };
    TeacherView view(db, kClass, t.program->services(), name);
    QVERIFY2(view.view().trouble.isEmpty(), qPrintable(view.view().trouble));

    // One row per pupil: the week's drills and time, latest／best per drill.
    QTableWidget *list = view.ClassList;
    QCOMPARE(list->rowCount(), 3);
    auto text = [](QTableWidget *t, int row, int column) {
        return t->item(row, column) ? t->item(row, column)->text() : QStringLiteral("(none)");
    };
    QCOMPARE(text(list, 0, 0), QStringLiteral("3"));
    QCOMPARE(text(list, 0, 2), QStringLiteral("1"));
    QCOMPARE(text(list, 2, 0), QStringLiteral("8"));
    QCOMPARE(text(list, 2, 2), QStringLiteral("3"));
    QCOMPARE(text(list, 2, 3), DurationText(8 + 8 + 4));
    QCOMPARE(list->horizontalHeaderItem(4)->text(), QStringLiteral("あんざん\nさいご／いちばん"));
    QCOMPARE(text(list, 2, 4), QStringLiteral("50／100"));
    QCOMPARE(text(list, 2, 5), QStringLiteral("100／100"));
    QCOMPARE(text(list, 0, 5), QString());  // pupil 3 never did that drill
    QCOMPARE(text(list, 0, 6), QString());  // reviews due: not known on the server

    // Only pupil 3's mistakes rose; their carries, and the class's.
    QCOMPARE(view.StuckList->rowCount(), 1);
    QCOMPARE(text(view.StuckList, 0, 0), QStringLiteral("3ばん"));
    QCOMPARE(text(view.StuckList, 0, 1), QStringLiteral("2"));
    QCOMPARE(text(view.StuckList, 0, 2), QStringLiteral("0"));
    QCOMPARE(text(view.StuckList, 0, 3),
             QStringLiteral("%1（2）").arg(ErrorName(ArithmeticError::CarryForgotten)));
    QVERIFY(view.StumbleList->rowCount() >= 1);
    QCOMPARE(text(view.StumbleList, 0, 0), ErrorName(ArithmeticError::CarryForgotten));
    QCOMPARE(text(view.StumbleList, 0, 1), QStringLiteral("3"));
    QCOMPARE(text(view.StumbleList, 0, 2), QStringLiteral("2"));

    // A pupil's row opens their record as the きろく window shows it.
    auto *record = qobject_cast<RecordWindow *>(view.openPupil(2));
    QVERIFY(record);
    record->reload();
    auto *sessions = record->findChild<QTableView *>(QStringLiteral("SessionList"));
    QVERIFY(sessions);
    QCOMPARE(sessions->model()->rowCount(), 4);
    QVERIFY(record->PupilBox->currentText().contains(QStringLiteral("8ばん")));
    QVERIFY(!record->findChild<QWidget *>(QStringLiteral("ClassRecordButton")));
    delete record;

    // The class as CSV.
    QTemporaryDir dir;
    QVERIFY(view.exportCsv(dir.filePath(QStringLiteral("class.csv"))));
    QFile csv(dir.filePath(QStringLiteral("class.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));  // for Excel
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[3].startsWith(QStringLiteral("8,\"\",3,20,50,100,100,100,")));

    // A picture of it for the README, when asked for.
    if (const QString folder = qEnvironmentVariable("MINUKA_SCREENSHOTS"); !folder.isEmpty()) {
        view.resize(1000, 640);
        view.grab().save(folder + QStringLiteral("/teacher-view.png"));
    }
    db.close();
}

// ---------------------------------------------------------------- the sign

void TestServer::signBesideThePupilsName()
{
    // No server needed: a port nobody listens on.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    ServerSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = probe.serverPort();
    probe.close();
    s.database = QStringLiteral("minuka");
    s.className = kClass;
    s.login = QStringLiteral("class_3_2");

    TestProgram t;
    TForm1 *contents = t.contents();
    QVERIFY(!contents->findChild<ServerSign *>());  // no settings, no sign
    const std::unique_ptr<ServerSender> sender = StartSending(s, t.program->data(), contents);
    auto *sign = contents->findChild<ServerSign *>(QStringLiteral("ServerSign"));
    QVERIFY(sign);
    // Beside the pupil's name, both in the menu bar's corner.
    QWidget *corner = contents->MainMenu1->cornerWidget(Qt::TopRightCorner);
    QCOMPARE(sign->parentWidget(), corner);
    QCOMPARE(contents->PupilLabel->parentWidget(), corner);
    QVERIFY(!contents->PupilLabel->isHidden());

    // Nothing practised yet: nothing waits.
    QTRY_COMPARE_WITH_TIMEOUT(sign->text(), ServerSignText({0, true, {}, {}}), 10000);
    // A pupil with a 出席番号 practises while the server cannot be reached.
    RecordStore *record = t.program->data()->record();
    record->setPupil(record->addPupil({{}, QStringLiteral("はな"), QStringLiteral("３年２組"), 4}));
    QVERIFY(!record->beginSession({5, SessionMode::Drill, 1, QStringLiteral("たし算"), 60,
                                   QDateTime(QDate(2026, 12, 7), QTime(9, 0))})
                 .isEmpty());
    sender->sendNow();
    QTRY_VERIFY_WITH_TIMEOUT(sender->state().unsent == 1 && !sender->state().reached, 10000);
    QCOMPARE(sign->text(), QStringLiteral("○ まだ おくれません"));
    QVERIFY(sign->toolTip().contains(QStringLiteral("とどいていない きろく：1")));
}

QTEST_MAIN(TestServer)
#include "tst_server.moc"
