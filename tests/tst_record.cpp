// The pupil's record: what a drill and a lesson's test write, that a log row
// and its answer row are written together or not at all (also when the
// program is killed), and what opening a file of an older or a newer
// program does to it.
#include "frame/drill.h"
#include "store/datamodule.h"
#include "store/logtables.h"
#include "store/record.h"
#include "drivers.h"
#include "testprogram.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

// Runs statements on the database file in `folder` through a connection of
// its own, as another program would; false at the first that fails.
bool execOn(const QString &folder, const QStringList &statements)
{
    bool ok = true;
    const QString name = QStringLiteral("test-writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(folder + QStringLiteral("/kyozai"));
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &s : statements)
            if (ok && !q.exec(s)) {
                qWarning("%s: %s", qUtf8Printable(s), qUtf8Printable(q.lastError().text()));
                ok = false;
            }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

int count(const QString &folder, const QString &table)
{
    const auto rows = TestProgram::storedRows(folder, QStringLiteral("select count(*) from %1").arg(table));
    return rows.isEmpty() ? -1 : rows[0][0].toInt();
}

QVariant one(const QString &folder, const QString &sql)
{
    const auto rows = TestProgram::storedRows(folder, sql);
    return rows.isEmpty() || rows[0].isEmpty() ? QVariant() : rows[0][0];
}

// The mental-arithmetic drill started on " たし算" without a time limit.
TScreen *startMentalDrill(TestProgram &t)
{
    TScreen *drill = t.open(5);
    TestProgram::pick(drill, QStringLiteral("ComboBox1"), 0);
    TestProgram::pick(drill, QStringLiteral("ComboBox2"), 0);
    TestProgram::click(drill, QStringLiteral("CuteButton3"));
    return drill;
}

void answerMental(TScreen *drill, int answer)
{
    TestProgram::pick(drill, QStringLiteral("ComboBox5"), answer / 100);
    TestProgram::pick(drill, QStringLiteral("ComboBox4"), answer / 10 % 10);
    TestProgram::pick(drill, QStringLiteral("ComboBox3"), answer % 10);
}

// Waits until the child has said "answered" `lines` times; false if it stops.
bool waitForAnswered(QProcess &child, int lines)
{
    int seen = 0;
    while (seen < lines) {
        while (seen < lines && child.canReadLine())
            if (child.readLine().startsWith("answered "))
                ++seen;
        if (seen < lines && !child.waitForReadyRead(10000))
            return false;
    }
    return true;
}

// The log tables as the program before the record made them.
QStringList todaysTables()
{
    QStringList out;
    int n = 0;
    const LogTable *tables = LogTables::all(&n);
    for (int i = 0; i < n; ++i)
        out << tables[i].createStatement();
    return out;
}

}  // namespace

class TestRecord : public QObject {
    Q_OBJECT
private slots:
    void drillAnswerIsRecordedWithItsDataAndTiming_data();
    void drillAnswerIsRecordedWithItsDataAndTiming();
    void stopFinishesTheSessionAsTheResultsShow();
    void divisionRemaindersAreRecorded();
    void lessonTestMarksAreRecorded();
    void lessonTestAnswerIsRecordedFromTheLesson();
    void lockedFileKeepsTheTestsAnswersWaiting();
    void logRowAndAnswerRowGoTogether_data();
    void logRowAndAnswerRowGoTogether();
    void killedDrillLosesNothingMarked_data();
    void killedDrillLosesNothingMarked();
    void todaysDatabaseGainsTheRecordAndKeepsItsRows();
    void newerDatabaseIsLeftUntouched();
    void removingAPupilRemovesTheirRecord();
};

void TestRecord::drillAnswerIsRecordedWithItsDataAndTiming_data()
{
    QTest::addColumn<int>("offBy");  // added to the right answer
    QTest::addColumn<int>("secondsToAnswer");
    QTest::newRow("right after 3 s") << 0 << 3;
    QTest::newRow("wrong after 12 s") << 1 << 12;
}

void TestRecord::drillAnswerIsRecordedWithItsDataAndTiming()
{
    QFETCH(int, offBy);
    QFETCH(int, secondsToAnswer);
    TestProgram t;
    t.random.script({30, 47});  // 41 + 58
    TScreen *drill = startMentalDrill(t);
    t.clock.advance(secondsToAnswer);
    answerMental(drill, 99 + offBy);

    const QString folder = t.dataDir.path();
    const auto answers = TestProgram::storedRows(
        folder, QStringLiteral("select problem_no, shown, kind, a, b, c, right_answer, given_answer, correct, ms,"
                               " right_remainder from answers"));
    QCOMPARE(answers.size(), 1);
    const QVariantList a = answers[0];
    QCOMPARE(a[0].toInt(), 1);
    QCOMPARE(a[1].toString(), QStringLiteral("41 + 58 = ?"));
    QCOMPARE(a[2].toString(), QStringLiteral("add"));
    QCOMPARE(a[3].toInt(), 41);
    QCOMPARE(a[4].toInt(), 58);
    QVERIFY(a[5].isNull());
    QCOMPARE(a[6].toInt(), 99);
    QCOMPARE(a[7].toInt(), 99 + offBy);
    QCOMPARE(a[8].toInt(), offBy == 0 ? 1 : 0);
    QCOMPARE(a[9].toLongLong(), secondsToAnswer * 1000LL);
    QVERIFY(a[10].isNull());

    // The session so far, of the default pupil, who has no name.
    const auto sessions = TestProgram::storedRows(
        folder, QStringLiteral("select s.screen, s.mode, s.menu_item, s.menu_text, s.problems, s.right_answers,"
                               " s.score, s.seconds, s.finished, p.name, s.started_local, length(s.id)"
                               " from sessions s join pupils p on p.id = s.pupil_id"));
    QCOMPARE(sessions.size(), 1);
    const QVariantList s = sessions[0];
    QCOMPARE(s[0].toInt(), 5);
    QCOMPARE(s[1].toString(), QStringLiteral("drill"));
    QCOMPARE(s[2].toInt(), 1);
    QCOMPARE(s[3].toString(), QStringLiteral("たし算"));
    QCOMPARE(s[4].toInt(), 1);
    QCOMPARE(s[5].toInt(), offBy == 0 ? 1 : 0);
    QCOMPARE(s[6].toInt(), offBy == 0 ? 100 : 0);
    QCOMPARE(s[7].toInt(), secondsToAnswer);
    QCOMPARE(s[8].toInt(), 0);  // not stopped yet
    QCOMPARE(s[9].toString(), QString());
    QCOMPARE(s[10].toString(), QStringLiteral("2026-04-10T10:00:00"));
    QCOMPARE(s[11].toInt(), 36);  // a UUID
    QCOMPARE(count(folder, QStringLiteral("dorill")), 1);
}

void TestRecord::stopFinishesTheSessionAsTheResultsShow()
{
    TestProgram t;
    TScreen *drill = startMentalDrill(t);
    for (int k = 0; k < 3; ++k) {
        t.clock.advance(20);
        answerMental(drill, LessonState.Answer + (k == 1 ? 1 : 0));
        // The wrong answer is picked again, right this time: two rows, one problem.
        if (k == 1)
            answerMental(drill, LessonState.Answer);
        TestProgram::click(drill, QStringLiteral("CuteButton4"));
    }
    t.clock.advance(5);
    TestProgram::click(drill, QStringLiteral("CuteButton5"));  // ストップ: 4 problems posed, 3 right
    QCOMPARE(TestProgram::caption(drill, QStringLiteral("Label7")), QStringLiteral("せいせき： 75 てん"));
    const QString folder = t.dataDir.path();
    const auto s = TestProgram::storedRows(
        folder, QStringLiteral("select problems, right_answers, score, seconds, finished, ended_local from sessions"));
    QCOMPARE(s.size(), 1);
    QCOMPARE(s[0][0].toInt(), 4);
    QCOMPARE(s[0][1].toInt(), 3);
    QCOMPARE(s[0][2].toInt(), 75);
    QCOMPARE(s[0][3].toInt(), 65);
    QCOMPARE(s[0][4].toInt(), 1);
    QCOMPARE(s[0][5].toString(), QStringLiteral("2026-04-10T10:01:05"));
    QCOMPARE(count(folder, QStringLiteral("answers")), 4);
    QCOMPARE(count(folder, QStringLiteral("dorill")), 4);
    QCOMPARE(one(folder, QStringLiteral("select group_concat(problem_no || ':' || correct, ' ')"
                                        " from (select * from answers order by seq)"))
                 .toString(),
             QStringLiteral("1:1 2:0 2:1 3:1"));

    // The next "スタート" is a new session; the first keeps its rows.
    TestProgram::click(drill, QStringLiteral("CuteButton3"));
    QCOMPARE(count(folder, QStringLiteral("sessions")), 2);
    QCOMPARE(count(folder, QStringLiteral("answers")), 4);
    QCOMPARE(count(folder, QStringLiteral("dorill")), 0);
}

void TestRecord::divisionRemaindersAreRecorded()
{
    TestProgram t;
    TScreen *drill = t.open(23);
    TestProgram::pick(drill, QStringLiteral("ComboBox1"), 1);  // あまり あり
    TestProgram::pick(drill, QStringLiteral("ComboBox2"), 0);
    TestProgram::click(drill, QStringLiteral("CuteButton3"));
    const int quotient = LessonState.OperandB, remainder = LessonState.OperandC, divisor = LessonState.OperandA;
    TestProgram::pick(drill, QStringLiteral("ComboBox4"), quotient);
    TestProgram::pick(drill, QStringLiteral("ComboBox3"), remainder == 0 ? 1 : 0);  // a wrong remainder
    const auto a = TestProgram::storedRows(
        t.dataDir.path(), QStringLiteral("select kind, a, b, c, d, right_answer, given_answer, right_remainder,"
                                         " given_remainder, correct from answers"));
    QCOMPARE(a.size(), 1);
    QCOMPARE(a[0][0].toString(), QStringLiteral("divrem"));
    QCOMPARE(a[0][1].toInt(), divisor * quotient + remainder);
    QCOMPARE(a[0][2].toInt(), divisor);
    QCOMPARE(a[0][3].toInt(), quotient);
    QCOMPARE(a[0][4].toInt(), remainder);
    QCOMPARE(a[0][5].toInt(), quotient);
    QCOMPARE(a[0][6].toInt(), quotient);
    QCOMPARE(a[0][7].toInt(), remainder);
    QCOMPARE(a[0][8].toInt(), remainder == 0 ? 1 : 0);
    QCOMPARE(a[0][9].toInt(), 0);
}

void TestRecord::lessonTestMarksAreRecorded()
{
    TestProgram t;
    TScreen *lesson = t.open(3);
    LessonState.MenuChoice = 2;
    const QDateTime posed = t.clock.now();
    t.clock.advance(4);
    RecordedAnswer wrong;
    wrong.problemNo = 1;
    wrong.shown = QStringLiteral("38 + 45\r= ?");
    wrong.data = {QStringLiteral("add"), 38, 45, {}, {}};
    wrong.rightAnswer = 83;
    wrong.givenAnswer = 73;
    wrong.posedAt = posed;
    lesson->RecordMark(wrong);
    RecordedAnswer right = wrong;
    right.givenAnswer = 83;
    right.right = true;
    t.clock.advance(2);
    lesson->RecordMark(right);  // the same problem, right now: counted once
    TestProgram::click(lesson, QStringLiteral("CuteButton2"));  // もくじへ: the visit ends

    const QString folder = t.dataDir.path();
    const auto s = TestProgram::storedRows(
        folder, QStringLiteral("select screen, mode, menu_item, problems, right_answers, score, finished from sessions"));
    QCOMPARE(s.size(), 1);
    QCOMPARE(s[0], (QVariantList{3, QStringLiteral("test"), 2, 1, 1, 100, 1}));
    const auto a = TestProgram::storedRows(folder, QStringLiteral("select shown, given_answer, correct, ms from answers"
                                                                  " order by seq"));
    QCOMPARE(a.size(), 2);
    QCOMPARE(a[0], (QVariantList{QStringLiteral("38 + 45\n= ?"), 73, 0, 4000}));
    QCOMPARE(a[1], (QVariantList{QStringLiteral("38 + 45\n= ?"), 83, 1, 6000}));

    // The next visit is a session of its own.
    t.open(3);
    lesson->RecordMark(right);
    QCOMPARE(count(folder, QStringLiteral("sessions")), 2);
}

namespace {
// The mental-arithmetic lesson (たし算) in test mode, its next problem
// 65 + 78 posed by "つぎへ".
void poseSum(LessonDriver &d)
{
    d.t.random.script({55, 67});
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton4")));
}

// An answer of the sum through its pickers: the ones place marks it.
void answerSum(LessonDriver &d, int value)
{
    if (value >= 100)
        QVERIFY(d.pick(QStringLiteral("百"), value / 100 - 1));
    QVERIFY(d.pick(QStringLiteral("十"), value / 10 % 10));
    QVERIFY(d.pick(QStringLiteral("一"), value % 10));
}
}  // namespace

void TestRecord::lessonTestAnswerIsRecordedFromTheLesson()
{
    LessonDriver d(3);
    TestProgram &t = d.t;
    // Study mode marks nothing in the record: answers there are practice.
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton3")));  // テスト
    t.clock.advance(30);  // the pupil reads the screen: not part of any answer's time
    poseSum(d);
    t.clock.advanceMs(4500);
    answerSum(d, 153);
    QCOMPARE(TestProgram::caption(d.s, QStringLiteral("Label6")), QStringLiteral("×"));
    t.clock.advanceMs(2000);
    answerSum(d, 143);  // the same problem put right
    QCOMPARE(TestProgram::caption(d.s, QStringLiteral("Label6")), QStringLiteral("○"));
    t.clock.advance(5);
    poseSum(d);
    t.clock.advanceMs(1200);
    answerSum(d, 143);
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton2")));  // もくじへ: the visit ends

    const QString folder = t.dataDir.path();
    const auto s = TestProgram::storedRows(
        folder, QStringLiteral("select screen, mode, problems, right_answers, score, finished from sessions"));
    QCOMPARE(s, (QList<QVariantList>{{3, QStringLiteral("test"), 2, 2, 100, 1}}));
    const auto a = TestProgram::storedRows(
        folder, QStringLiteral("select problem_no, kind, a, b, right_answer, given_answer, correct, ms, shown,"
                               " right_remainder is null and c is null from answers order by seq"));
    const QString kind = QStringLiteral("form3:%1").arg(int(0));  // the lesson's own kind of problem: addition
    QCOMPARE(a.size(), 3);
    QCOMPARE(a[0].mid(0, 8), (QVariantList{1, kind, 65, 78, 143, 153, 0, 4500}));
    QCOMPARE(a[1].mid(0, 8), (QVariantList{1, kind, 65, 78, 143, 143, 1, 6500}));
    QCOMPARE(a[2].mid(0, 8), (QVariantList{2, kind, 65, 78, 143, 143, 1, 1200}));
    QVERIFY2(a[0][8].toString().startsWith(QStringLiteral("65 + 78")), qPrintable(a[0][8].toString()));
    QCOMPARE(a[0][9].toInt(), 1);  // no remainder, no third operand
}

void TestRecord::lockedFileKeepsTheTestsAnswersWaiting()
{
    // Another program holds the write lock while a pupil answers a lesson's
    // test. The record's rows, with no log row beside them, wait in line as
    // log rows do and reach the file in order once the lock is gone; the
    // pupil hears of the lock once and never that the record failed.
    LessonDriver d(3);
    TestProgram &t = d.t;
    const QString folder = t.dataDir.path();
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton3")));
    poseSum(d);
    answerSum(d, 143);
    QCOMPARE(count(folder, QStringLiteral("answers")), 1);

    const QString name = QStringLiteral("other-program");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        other.setDatabaseName(folder + QStringLiteral("/kyozai"));
        QVERIFY(other.open());
        QSqlQuery hold(other);
        QVERIFY(hold.exec(QStringLiteral("begin immediate")));
        poseSum(d);
        answerSum(d, 153);
        answerSum(d, 143);
        QCOMPARE(count(folder, QStringLiteral("answers")), 1);
        QCOMPARE(t.program->data()->waitingWrites(), 2);
        QCOMPARE(t.dialogs.asked.size(), 1);
        QVERIFY2(t.dialogs.asked[0].text.contains(QStringLiteral("いま かきこめません")),
                 qPrintable(t.dialogs.asked[0].text));
        QVERIFY(hold.exec(QStringLiteral("commit")));
        hold.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(name);

    poseSum(d);
    answerSum(d, 143);
    QCOMPARE(t.program->data()->waitingWrites(), 0);
    QCOMPARE(t.dialogs.asked.size(), 1);
    const auto a = TestProgram::storedRows(folder, QStringLiteral("select seq, problem_no, given_answer from answers"
                                                                  " order by seq"));
    QCOMPARE(a, (QList<QVariantList>{{1, 1, 143}, {2, 2, 153}, {3, 2, 143}, {4, 3, 143}}));
    QCOMPARE(one(folder, QStringLiteral("select problems || ' ' || right_answers from sessions")).toString(),
             QStringLiteral("3 3"));
}

void TestRecord::logRowAndAnswerRowGoTogether_data()
{
    QTest::addColumn<QString>("refusal");  // a trigger that makes one of the writes fail
    QTest::newRow("the log row") << QStringLiteral("before insert on dorill");
    QTest::newRow("the answer row") << QStringLiteral("before insert on answers");
    QTest::newRow("the session's counts") << QStringLiteral("before update on sessions");
}

void TestRecord::logRowAndAnswerRowGoTogether()
{
    QFETCH(QString, refusal);
    TestProgram t;
    const QString folder = t.dataDir.path();
    TScreen *drill = startMentalDrill(t);
    answerMental(drill, LessonState.Answer);
    TestProgram::click(drill, QStringLiteral("CuteButton4"));
    QCOMPARE(count(folder, QStringLiteral("dorill")), 1);
    QVERIFY(execOn(folder, {QStringLiteral("create trigger refuse %1 begin select raise(abort, 'refused'); end")
                                .arg(refusal)}));
    answerMental(drill, LessonState.Answer);
    QCOMPARE(count(folder, QStringLiteral("dorill")), 1);
    QCOMPARE(count(folder, QStringLiteral("answers")), 1);
    QCOMPARE(one(folder, QStringLiteral("select problems from sessions")).toInt(), 1);
    // The pupil is told once, and the drill goes on.
    QCOMPARE(t.dialogs.asked.size(), 1);
    QVERIFY(TestProgram::click(drill, QStringLiteral("CuteButton4")));
}

void TestRecord::killedDrillLosesNothingMarked_data()
{
    QTest::addColumn<int>("answers");  // the child answers this many, then waits
    QTest::addColumn<int>("killAt");   // "answered" lines seen before the kill
    QTest::newRow("killed while waiting") << 20 << 20;
    QTest::newRow("killed while answering") << 400 << 40;
}

void TestRecord::killedDrillLosesNothingMarked()
{
    QFETCH(int, answers);
    QFETCH(int, killAt);
    QTemporaryDir dir;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(MINUKA_BIN_DIR "/drillchild"), {dir.path(), QString::number(answers)});
    QVERIFY(child.waitForStarted());
    QVERIFY(waitForAnswered(child, killAt));
    child.kill();
    QVERIFY(child.waitForFinished());

    const int logged = count(dir.path(), QStringLiteral("dorill"));
    QVERIFY2(logged >= killAt, qPrintable(QString::number(logged)));
    QCOMPARE(count(dir.path(), QStringLiteral("answers")), logged);
    // Every answer was right: the session's counts are those of its last answer.
    QCOMPARE(one(dir.path(), QStringLiteral("select right_answers from sessions")).toInt(), logged);
    QCOMPARE(one(dir.path(), QStringLiteral("select finished from sessions")).toInt(), 0);
    QCOMPARE(one(dir.path(), QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
}

void TestRecord::todaysDatabaseGainsTheRecordAndKeepsItsRows()
{
    QTemporaryDir dir;
    QStringList old = todaysTables();
    old << QStringLiteral("insert into dorill values (1, '　12 + 30', 42, 42, ' ○', null, null)")
        << QStringLiteral("insert into dorills values (1, '　1 l', '　1 l ', '　1 l', ' ○')")
        << QStringLiteral("insert into kuku values (3, 4, 12)");
    QVERIFY(execOn(dir.path(), old));
    QCOMPARE(one(dir.path(), QStringLiteral("pragma user_version")).toInt(), 0);
    {
        TestProgram t(dir.path());
        QVERIFY(t.program->data()->record()->recording());
        QVERIFY(t.dialogs.asked.isEmpty());
    }
    QCOMPARE(one(dir.path(), QStringLiteral("pragma user_version")).toInt(), RecordStore::SchemaVersion);
    QCOMPARE(TestProgram::storedRows(dir.path(), QStringLiteral("select name from sqlite_master where type = 'table'"
                                                                " order by name")),
             (QList<QVariantList>{{QStringLiteral("answers")}, {QStringLiteral("dorill")},
                                  {QStringLiteral("dorills")}, {QStringLiteral("fact_times")},
                                  {QStringLiteral("kuku")}, {QStringLiteral("pupils")},
                                  {QStringLiteral("reviews")}, {QStringLiteral("sessions")},
                                  {QStringLiteral("stumble_days")}}));
    QCOMPARE(TestProgram::storedRows(dir.path()),
             (QList<QVariantList>{{1, QStringLiteral("　12 + 30"), 42, 42, QStringLiteral(" ○")}}));
    QCOMPARE(count(dir.path(), QStringLiteral("dorills")), 1);
    QCOMPARE(count(dir.path(), QStringLiteral("kuku")), 1);

    // Opened again, the file is of this version already: nothing to do.
    TestProgram again(dir.path());
    QVERIFY(again.program->data()->record()->recording());
    QCOMPARE(again.program->data()->record()->fileVersion(), RecordStore::SchemaVersion);
}

void TestRecord::newerDatabaseIsLeftUntouched()
{
    QTemporaryDir dir;
    QStringList newer = todaysTables();
    newer << QStringLiteral("create table sessions (id text primary key, what_a_newer_program_keeps text)")
          << QStringLiteral("insert into sessions values ('a', 'b')") << QStringLiteral("pragma user_version = 7");
    QVERIFY(execOn(dir.path(), newer));
    const QString schema = QStringLiteral("select type, name, sql from sqlite_master order by name");
    const auto before = TestProgram::storedRows(dir.path(), schema);
    {
        TestProgram t(dir.path());
        TScreen *drill = startMentalDrill(t);
        answerMental(drill, LessonState.Answer);
        TestProgram::click(drill, QStringLiteral("CuteButton4"));
        answerMental(drill, LessonState.Answer);
        TestProgram::click(drill, QStringLiteral("CuteButton5"));
        // Said once; the drill and its log go on.
        QCOMPARE(t.dialogs.asked.size(), 1);
        QVERIFY(t.dialogs.asked[0].text.contains(QStringLiteral("あたらしい")));
        QCOMPARE(count(dir.path(), QStringLiteral("dorill")), 2);
    }
    QCOMPARE(TestProgram::storedRows(dir.path(), schema), before);
    QCOMPARE(one(dir.path(), QStringLiteral("pragma user_version")).toInt(), 7);
    QCOMPARE(TestProgram::storedRows(dir.path(), QStringLiteral("select * from sessions")),
             (QList<QVariantList>{{QStringLiteral("a"), QStringLiteral("b")}}));
}

void TestRecord::removingAPupilRemovesTheirRecord()
{
    TestProgram t;
    RecordStore *record = t.program->data()->record();
    const QString hana = record->addPupil({{}, QStringLiteral("はな"), QStringLiteral("３年１組"), 12});
    const QString ken = record->addPupil({{}, QStringLiteral("けん"), {}, 0});
    for (const QString &pupil : {hana, ken}) {
        record->setPupil(pupil);
        TScreen *drill = startMentalDrill(t);
        answerMental(drill, LessonState.Answer);
        TestProgram::click(drill, QStringLiteral("CuteButton5"));
        TestProgram::click(drill, QStringLiteral("CuteButton2"));
    }
    const QString folder = t.dataDir.path();
    QCOMPARE(count(folder, QStringLiteral("answers")), 2);
    QVERIFY(record->removePupil(hana));
    QCOMPARE(count(folder, QStringLiteral("pupils")), 1);
    QCOMPARE(count(folder, QStringLiteral("sessions")), 1);
    QCOMPARE(count(folder, QStringLiteral("answers")), 1);
    QCOMPARE(one(folder, QStringLiteral("select pupil_id from sessions")).toString(), ken);
    // With the pupil in use gone, the record goes to the default pupil.
    record->setPupil(hana);
    QCOMPARE(record->currentPupil().name, QString());
    QCOMPARE(count(folder, QStringLiteral("pupils")), 2);
}

QTEST_MAIN(TestRecord)
#include "tst_record.moc"
