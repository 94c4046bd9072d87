// まちがいなおし: the review box's schedule day by day, recorded problems
// read by the diagnosis and worked on the column, a review through its
// window, the 九九 map and the つまずき list from a small record.
#include "app/contents.h"
#include "frame/worksheet.h"
#include "record/csv.h"
#include "record/kukumap.h"
#include "record/review.h"
#include "record/reviewwindow.h"
#include "record/stumbles.h"
#include "record/tallies.h"
#include "record/window.h"
#include "store/datamodule.h"
#include "store/record.h"
#include "testprogram.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

Q_DECLARE_METATYPE(ArithmeticError)

namespace {

const QDate kDay0(2026, 4, 10);

RecordStore *recordOf(TestProgram &t)
{
    return t.program->data()->record();
}

// A wrong (or right) answer of a drill of the pupil in use, written as a
// drill writes it, at `at`.
struct Answered {
    RecordedProblem problem;
    QString shown;
    qint64 right, given;
    QVariant rightRemainder = {}, givenRemainder = {};
    qint64 ms = 3000;
};

void recordDrill(RecordStore *record, const QDateTime &at, const QList<Answered> &answers, int screen = 5)
{
    const QString session = record->beginSession({screen, SessionMode::Drill, 1, QStringLiteral("たし算"), 0, at});
    QVERIFY(!session.isEmpty());
    int seq = 0;
    for (const Answered &x : answers) {
        RecordedAnswer a;
        a.problemNo = seq + 1;
        a.shown = x.shown;
        a.data = x.problem;
        a.rightAnswer = x.right;
        a.givenAnswer = x.given;
        a.rightRemainder = x.rightRemainder;
        a.givenRemainder = x.givenRemainder;
        a.right = x.right == x.given && x.rightRemainder == x.givenRemainder;
        a.ms = x.ms;
        a.answeredAt = at;
        QVERIFY(record->write(RecordStore::answerWrites(session, ++seq, a, {seq, 0, 0, 1, at, false})));
    }
}

// Turns the record file in `folder` back into one an older program left.
bool asAnOlderProgramLeftIt(const QString &folder, const QStringList &statements)
{
    const QString name = QStringLiteral("older-file");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(folder + QStringLiteral("/kyozai"));
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &sql : statements)
            ok = ok && q.exec(sql);
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

Answered add(int a, int b, qint64 given)
{
    return {{QStringLiteral("add"), a, b, {}, {}}, QStringLiteral("%1 + %2 = ?").arg(a).arg(b), a + b, given};
}

const ReviewEntry *entryOf(const QList<ReviewEntry> &box, const QString &key)
{
    for (const ReviewEntry &e : box)
        if (e.key == key)
            return &e;
    return nullptr;
}

}  // namespace

class TestReview : public QObject {
    Q_OBJECT
private slots:
    void scheduleByDays_data();
    void scheduleByDays();
    void boxBelongsToItsPupil();
    void recordOfTheLastVersionGainsTheBox();
    void recordedProblemsDiagnosed_data();
    void recordedProblemsDiagnosed();
    void unitsAnswersDiagnosed_data();
    void unitsAnswersDiagnosed();
    void columnWorkedOut_data();
    void columnWorkedOut();
    void posedAgain();
    void reviewThroughTheWindow();
    void kukuMapFromARecord();
    void kukuRowStartsAReview();
    void stumblesOverThirtyDays();
    void countsKeptAgreeWithARecount_data();
    void countsKeptAgreeWithARecount();
};

// Each step: a day (from day 0) and what happened: D a wrong answer in a
// drill, R right in review, W wrong in review.
void TestReview::scheduleByDays_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("dueDay");  // -1: mastered

    QTest::newRow("wrong in a drill: due the next day") << "0D" << 1 << 1;
    QTest::newRow("right once: after 3 days") << "0D 1R" << 2 << 4;
    QTest::newRow("right twice: after 7 days") << "0D 1R 4R" << 3 << 11;
    QTest::newRow("right three times: mastered") << "0D 1R 4R 11R" << MasteredBox << -1;
    QTest::newRow("wrong in review: back to the first box") << "0D 1R 4W" << 1 << 5;
    QTest::newRow("wrong again in a drill: back") << "0D 1R 4R 6D" << 1 << 7;
    QTest::newRow("mastered, then wrong in a drill: back") << "0D 1R 4R 11R 20D" << 1 << 21;
    QTest::newRow("reviewed late: up from its box") << "0D 9R" << 2 << 12;
    QTest::newRow("wrong twice the same day") << "0D 0D" << 1 << 1;
}

void TestReview::scheduleByDays()
{
    QFETCH(QString, steps);
    QFETCH(int, box);
    QFETCH(int, dueDay);
    TestProgram t;
    RecordStore *record = recordOf(t);
    const QString pupil = record->currentPupil().id;
    const QString key = RecordStore::reviewKey({QStringLiteral("add"), 38, 27, {}, {}});
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        const int day = step.chopped(1).toInt();
        t.clock.set(QDateTime(kDay0.addDays(day), QTime(16, 0)));
        if (step.endsWith(QLatin1Char('D'))) {
            recordDrill(record, t.clock.now(), {add(38, 27, 55)});
            continue;
        }
        // A review answer is taken on a day the problem is due.
        const QList<ReviewEntry> due = record->dueReviews(pupil, t.clock.now().date());
        const ReviewEntry *e = entryOf(due, key);
        QVERIFY2(e, qPrintable(step));
        QVERIFY(record->write({ReviewMove(pupil, *e, step.endsWith(QLatin1Char('R')), t.clock.now().date())}));
    }
    const QList<ReviewEntry> boxed = record->reviewBox(pupil);  // kept: e points into it
    const ReviewEntry *e = entryOf(boxed, key);
    QVERIFY(e);
    QCOMPARE(e->box, box);
    if (dueDay < 0) {
        QCOMPARE(record->dueReviewCount(pupil, kDay0.addDays(400)), 0);
        return;
    }
    QCOMPARE(e->due, kDay0.addDays(dueDay));
    // Not due the day before, due on the day and after.
    QCOMPARE(record->dueReviewCount(pupil, kDay0.addDays(dueDay - 1)), 0);
    QCOMPARE(record->dueReviewCount(pupil, kDay0.addDays(dueDay)), 1);
    QCOMPARE(record->dueReviewCount(pupil, kDay0.addDays(dueDay + 30)), 1);
}

void TestReview::boxBelongsToItsPupil()
{
    TestProgram t;
    RecordStore *record = recordOf(t);
    const QString hana = record->addPupil({{}, QStringLiteral("はな"), {}, 1});
    const QString ken = record->addPupil({{}, QStringLiteral("けん"), {}, 2});
    record->setPupil(hana);
    recordDrill(record, t.clock.now(), {add(38, 27, 55), add(47, 38, 715), add(12, 13, 25)});
    record->setPupil(ken);
    recordDrill(record, t.clock.now(), {add(38, 27, 56)});
    const QDate tomorrow = t.clock.now().date().addDays(1);
    QCOMPARE(record->dueReviewCount(hana, tomorrow), 2);  // the right answer stays out
    QCOMPARE(record->dueReviewCount(ken, tomorrow), 1);
    QCOMPARE(record->dueReviews(ken, tomorrow).value(0).givenAnswer.toInt(), 56);
    QVERIFY(record->removePupil(hana));
    QCOMPARE(record->dueReviewCount(hana, tomorrow), 0);
    QCOMPARE(record->dueReviewCount(ken, tomorrow), 1);
}

// A file with a record but no review box (the version before it): the box
// is added, the sessions and answers stay, and wrong answers go in from then on.
void TestReview::recordOfTheLastVersionGainsTheBox()
{
    QTemporaryDir dir;
    {
        TestProgram t(dir.path());
        recordDrill(recordOf(t), t.clock.now(), {add(38, 27, 55)});
    }
    QVERIFY(asAnOlderProgramLeftIt(dir.path(), {QStringLiteral("drop table reviews"), QStringLiteral("pragma user_version = 1")}));
    TestProgram t(dir.path());
    RecordStore *record = recordOf(t);
    QVERIFY(record->recording());
    QCOMPARE(record->fileVersion(), RecordStore::SchemaVersion);
    const QString pupil = record->currentPupil().id;
    QCOMPARE(record->sessionCount(pupil), 1);
    QCOMPARE(record->dueReviewCount(pupil, kDay0.addDays(1)), 0);  // answers before the box are not put in
    recordDrill(record, t.clock.now(), {add(47, 38, 75)});
    QCOMPARE(record->dueReviewCount(pupil, kDay0.addDays(1)), 1);
}

void TestReview::recordedProblemsDiagnosed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<qint64>("given");
    QTest::addColumn<QVariant>("remainder");
    QTest::addColumn<ArithmeticError>("error");
    using E = ArithmeticError;
    QTest::newRow("mental sum, carry forgotten") << "add" << 38 << 27 << qint64(55) << QVariant() << E::CarryForgotten;
    QTest::newRow("two places: no column sum written") << "add" << 47 << 38 << qint64(715) << QVariant() << E::None;
    QTest::newRow("column sum written") << "add" << 147 << 38 << qint64(1715) << QVariant() << E::ColumnSumWritten;
    QTest::newRow("column, smaller from larger") << "sub" << 503 << 48 << qint64(545) << QVariant() << E::SmallerFromLarger;
    QTest::newRow("across a zero") << "sub" << 1002 << 27 << qint64(1975) << QVariant() << E::BorrowAcrossZero;
    QTest::newRow("by one digit, carry not added") << "mul" << 234 << 5 << qint64(1050) << QVariant() << E::MultiplyCarryNotAdded;
    QTest::newRow("by two digits, not shifted") << "mul" << 23 << 45 << qint64(207) << QVariant() << E::PartialNotShifted;
    QTest::newRow("remainder too large") << "divrem" << 26 << 4 << qint64(5) << QVariant(6) << E::RemainderTooLarge;
    QTest::newRow("units are not read") << "units:3:2" << 80 << 60 << qint64(120) << QVariant() << E::None;
}

void TestReview::recordedProblemsDiagnosed()
{
    QFETCH(QString, kind);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(qint64, given);
    QFETCH(QVariant, remainder);
    QFETCH(ArithmeticError, error);
    RecordedAnswer answer;
    answer.data = {kind, a, b, {}, {}};
    answer.givenAnswer = given;
    answer.givenRemainder = remainder;
    QCOMPARE(DiagnoseAnswer(answer), error);
}

// Units answers as the lessons' tests ("form<screen>:<form>") and the units
// drill ("units:<subject>:<form>") record them: operands as the form draws
// them, answers as one number of the smaller unit (millilitres for volumes).
void TestReview::unitsAnswersDiagnosed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<int>>("operands");
    QTest::addColumn<qint64>("right");
    QTest::addColumn<qint64>("given");
    QTest::addColumn<ArithmeticError>("error");
    using E = ArithmeticError;
    QTest::newRow("1 時間 20 分 → 120 分") << "form11:5" << QList<int>{1, 20, 0, 0} << qint64(80) << qint64(120)
                                           << E::WrongUnitStep;
    QTest::newRow("130 秒 → 1 分 30 秒") << "form11:3" << QList<int>{130, 0, 0, 0} << qint64(130) << qint64(90)
                                          << E::WrongUnitStep;
    QTest::newRow("a time, neither step nor slip") << "form11:5" << QList<int>{1, 20, 0, 0} << qint64(80) << qint64(95)
                                                   << E::None;
    QTest::newRow("2 時 10 分 - 30 分 → 1 時 80 分") << "units:3:6" << QList<int>{2, 10, 30, 0} << qint64(100)
                                                  << qint64(140) << E::WrongUnitStep;
    QTest::newRow("1 時 40 分 + 30 分 → 2 時 20 分, a slip") << "units:3:1" << QList<int>{1, 40, 30, 0} << qint64(130)
                                                         << qint64(140) << E::DigitSlip;
    QTest::newRow("2 km 300 m → 500 m") << "form10:6" << QList<int>{2, 30, 0, 0} << qint64(2300) << qint64(500)
                                         << E::WrongUnitStep;
    QTest::newRow("3 kg 450 g - 1 kg 500 g → 1 kg 50 g") << "units:4:5" << QList<int>{3, 450, 1, 500} << qint64(1950)
                                                          << qint64(1050) << E::WrongUnitStep;
    QTest::newRow("2 l 3 dl → 203 dl") << "form9:0" << QList<int>{2, 3, 0, 0} << qint64(2300) << qint64(20300)
                                        << E::WrongUnitStep;
    QTest::newRow("right") << "form11:5" << QList<int>{1, 20, 0, 0} << qint64(80) << qint64(80) << E::None;
}

void TestReview::unitsAnswersDiagnosed()
{
    QFETCH(QString, kind);
    QFETCH(QList<int>, operands);
    QFETCH(qint64, right);
    QFETCH(qint64, given);
    QFETCH(ArithmeticError, error);
    RecordedAnswer answer;
    answer.data = {kind, operands[0], operands[1], operands[2], operands[3]};
    answer.rightAnswer = right;
    answer.givenAnswer = given;
    QCOMPARE(DiagnoseAnswer(answer), error);
    if (error != ArithmeticError::None)  // and the つまずき list names it
        QVERIFY(StumbleExample(answer).contains(QString::number(given)));
}

void TestReview::columnWorkedOut_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("marks");  // place:mark …
    QTest::addColumn<QString>("struck");
    QTest::addColumn<QString>("partials");
    QTest::addColumn<QString>("result");
    QTest::newRow("two carries") << int(ProblemKind::ColumnAddition) << 358 << 267 << "1:1 2:1" << "" << "" << "625";
    QTest::newRow("carry into a new place") << int(ProblemKind::MentalAddition) << 85 << 27 << "1:1 2:1" << "" << "" << "112";
    QTest::newRow("borrow across a zero") << int(ProblemKind::ColumnSubtraction) << 503 << 48 << "1:9 2:4" << "1 2" << "" << "455";
    QTest::newRow("across two zeros") << int(ProblemKind::ColumnSubtraction) << 1002 << 27 << "1:9 2:9 3:0" << "1 2 3" << ""
                                      << "975";
    QTest::newRow("two borrows") << int(ProblemKind::ColumnSubtraction) << 432 << 157 << "1:2 2:3" << "1 2" << "" << "275";
    QTest::newRow("carries of a product") << int(ProblemKind::MultiplyOneDigit) << 234 << 5 << "1:2 2:1" << "" << "" << "1170";
    QTest::newRow("partial products") << int(ProblemKind::MultiplyTwoDigits) << 23 << 45 << "" << "" << "115 92" << "1035";
}

void TestReview::columnWorkedOut()
{
    QFETCH(int, kind);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, marks);
    QFETCH(QString, struck);
    QFETCH(QString, partials);
    QFETCH(QString, result);
    const auto w = WorkColumn({ProblemKind(kind), a, b, 0});
    QVERIFY(w);
    QStringList gotMarks;
    for (auto it = w->marks.cbegin(); it != w->marks.cend(); ++it)
        gotMarks << QStringLiteral("%1:%2").arg(it.key()).arg(it.value());
    QStringList gotStruck;
    for (int p : w->struck)
        gotStruck << QString::number(p);
    QCOMPARE(gotMarks.join(QLatin1Char(' ')), marks);
    QCOMPARE(gotStruck.join(QLatin1Char(' ')), struck);
    QCOMPARE(w->partials.join(QLatin1Char(' ')), partials);
    QCOMPARE(w->result, result);
}

void TestReview::posedAgain()
{
    QCOMPARE(ReviewMenuText(5), QStringLiteral("まちがいなおし（５）"));
    QCOMPARE(ReviewMenuText(12), QStringLiteral("まちがいなおし（１２）"));

    // A division with a remainder: two numbers, "あまり" between.
    ReviewEntry div;
    div.problem = {QStringLiteral("divrem"), 26, 4, 6, 2};
    div.shown = QStringLiteral("26 ÷ 4 = ?");
    div.rightAnswer = 6;
    div.rightRemainder = 2;
    const ReviewQuestion q = PoseReview(div);
    QCOMPARE(q.parts.size(), 2);
    QCOMPARE(q.parts[0].after, QStringLiteral("あまり"));
    QCOMPARE(ReviewEquation(div), QStringLiteral("26 ÷ 4 = 6 あまり 2"));
    const RecordedAnswer a = ReviewAnswer(div, {5, 6}, false);
    QCOMPARE(a.givenAnswer.toInt(), 5);
    QCOMPARE(a.givenRemainder.toInt(), 6);
    QCOMPARE(DiagnoseAnswer(a), ArithmeticError::RemainderTooLarge);

    // A quantity in two units, as the units drill logs it: each number
    // picked, the given answer kept in the smaller unit too.
    ReviewEntry units;
    units.problem = {QStringLiteral("units:1:3"), 45, 18, {}, {}};
    units.shown = QStringLiteral("4 l 5 dl + 1 l 8 dl = ?");
    units.rightAnswer = 63;
    units.rightText = QStringLiteral("　6 l  3 dl ");
    const ReviewQuestion u = PoseReview(units);
    QCOMPARE(u.parts.size(), 2);
    QCOMPARE(u.parts[0].value, 6);
    QCOMPARE(u.parts[1].after, QStringLiteral("dl"));
    const RecordedAnswer ua = ReviewAnswer(units, {5, 13}, false);
    QCOMPARE(ua.givenText, QStringLiteral("5 l 13 dl"));
    QCOMPARE(ua.givenAnswer.toInt(), 63);
}

void TestReview::reviewThroughTheWindow()
{
    TestProgram t;
    t.soundOn();
    RecordStore *record = recordOf(t);
    // Yesterday's drills: a column sum with its carries forgotten, a
    // division with too large a remainder, and a right answer.
    t.clock.set(QDateTime(kDay0, QTime(16, 0)));
    recordDrill(record, t.clock.now(), {add(358, 267, 515), add(20, 30, 50)}, 8);
    t.clock.advance(60);
    recordDrill(record, t.clock.now(),
                {{{QStringLiteral("divrem"), 26, 4, 6, 2}, QStringLiteral("26 ÷ 4 = ?"), 6, 5, 2, 6}}, 23);
    t.contents()->refreshReviewMenu();
    QCOMPARE(t.contents()->Review1->text(), QStringLiteral("まちがいなおし（０）"));
    t.clock.set(QDateTime(kDay0.addDays(1), QTime(9, 0)));
    t.contents()->refreshReviewMenu();
    QCOMPARE(t.contents()->Review1->text(), QStringLiteral("まちがいなおし（２）"));

    t.contents()->Review1->trigger();
    auto *w = qobject_cast<ReviewWindow *>(t.shower.shown.value(0));
    QVERIFY(w);
    QCOMPARE(w->problems(), 2);
    QCOMPARE(w->ProblemLabel->caption(), QStringLiteral("358 + 267 = ?"));
    QCOMPARE(w->ColumnWork->findChild<TDigitRow *>(QStringLiteral("WorkTop"))->caption(), QStringLiteral("358"));
    QVERIFY(!w->ColumnWork->findChild<TDigitRow *>(QStringLiteral("WorkResult")));  // not worked before the answer
    // Highest place first, the same wrong answer again: 0515.
    const QList<TComboBox *> pickers = w->pickers();
    QCOMPARE(pickers.size(), 4);
    QCOMPARE(TComboBox::pickable(w), pickers);
    t.cues.clear();
    t.clock.advance(7);
    for (int i = 0; i < 4; ++i)
        QVERIFY(pickers[i]->pick(QList<int>{0, 5, 1, 5}[i]));
    QCOMPARE(w->MarkLabel->caption(), QStringLiteral("×"));
    QCOMPARE(t.cues.played.last(), int(Cue::Bubuu));
    QCOMPARE(w->AnswerLabel->caption(), QStringLiteral("358 + 267 = 625"));
    QCOMPARE(w->HintLabel->caption(), ErrorHint(ArithmeticError::CarryForgotten));
    QCOMPARE(w->ColumnWork->findChild<TDigitRow *>(QStringLiteral("WorkResult"))->caption(), QStringLiteral("625"));
    QCOMPARE(w->ColumnWork->findChild<TLabel *>(QStringLiteral("WorkMark1"))->caption(), QStringLiteral("1"));
    QCOMPARE(w->ColumnWork->findChild<TLabel *>(QStringLiteral("WorkMark2"))->caption(), QStringLiteral("1"));
    // Due again tomorrow, not today: the menu counts one less.
    QCOMPARE(t.contents()->Review1->text(), QStringLiteral("まちがいなおし（１）"));
    // One answer, one mark: the pickers rest until "つぎへ".
    QVERIFY(!pickers[3]->pick(6));
    TestProgram::shot(w, QStringLiteral("review-wrong-column"));
    QCOMPARE(TestProgram::layoutFault(w), QString());

    // The division answered by keys: the quotient 6, then the remainder 2,
    // one picker each as on the division screens.
    QVERIFY(w->NextButton->isEnabled());
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(w->ProblemLabel->caption(), QStringLiteral("26 ÷ 4 = ?"));
    QCOMPARE(w->pickers().size(), 2);
    QVERIFY(!w->ColumnWork);
    QVERIFY(TComboBox::focusFirstDigitList(w));
    for (const char *key : {"6", "2"})
        QTest::keyClicks(w->focusWidget() ? w->focusWidget() : w, QString::fromLatin1(key));
    QCOMPARE(w->MarkLabel->caption(), QStringLiteral("○"));
    QCOMPARE(t.cues.played.last(), int(Cue::Pinpon));
    QCOMPARE(w->HintLabel->caption(), QString());
    QCOMPARE(t.contents()->Review1->text(), QStringLiteral("まちがいなおし（０）"));
    QCOMPARE(w->NextButton->text(), QStringLiteral("おわり"));
    w->NextButton->click();
    QVERIFY(w->ProblemLabel->caption().startsWith(QStringLiteral("おわり")));
    QCOMPARE(w->rightCount(), 1);

    // Recorded as a session like any other; the boxes moved.
    const QString pupil = record->currentPupil().id;
    const QList<SessionRow> sessions = record->sessions(pupil, 10);
    QCOMPARE(sessions.first().screen, ReviewForm);
    QCOMPARE(sessions.first().problems, 2);
    QCOMPARE(sessions.first().right, 1);
    QVERIFY(sessions.first().finished);
    const QList<AnswerRow> answers = record->answers(sessions.first().id);
    QCOMPARE(answers.size(), 2);
    QCOMPARE(answers[0].answer.givenAnswer.toInt(), 515);
    QCOMPARE(answers[0].answer.ms, 7000);
    QCOMPARE(answers[1].answer.givenRemainder.toInt(), 2);
    const QList<ReviewEntry> box = record->reviewBox(pupil);
    const ReviewEntry *sum = entryOf(box, RecordStore::reviewKey({QStringLiteral("add"), 358, 267, {}, {}}));
    const ReviewEntry *div = entryOf(box, RecordStore::reviewKey({QStringLiteral("divrem"), 26, 4, 6, 2}));
    QVERIFY(sum && div);
    QCOMPARE(sum->box, 1);
    QCOMPARE(sum->due, kDay0.addDays(2));
    QCOMPARE(sum->wrongCount, 2);
    QCOMPARE(div->box, 2);
    QCOMPARE(div->due, kDay0.addDays(4));
    QCOMPARE(ScreenName(ReviewForm), QStringLiteral("まちがいなおし"));

    // Nothing more is due today: the window says so.
    w->CloseButtonClick();
    t.contents()->Review1->trigger();
    QCOMPARE(w->problems(), 0);
    QVERIFY(w->pickers().isEmpty());
    QVERIFY(!w->NextButton->isEnabled());
}

namespace {
// A few weeks of facts: 4 x 3 met as a product and as two divisions.
void recordFacts(TestProgram &t)
{
    RecordStore *record = recordOf(t);
    auto fact = [](const char *kind, int a, int b, QVariant c, QVariant d, qint64 right, qint64 given, qint64 ms) {
        Answered x{{QString::fromLatin1(kind), a, b, c, d}, QStringLiteral("?"), right, given};
        x.rightRemainder = d;
        x.givenRemainder = d;
        x.ms = ms;
        return x;
    };
    recordDrill(record, t.clock.now(),
                {fact("mul", 4, 3, {}, {}, 12, 12, 2000), fact("mul", 4, 3, {}, {}, 12, 12, 4000),
                 fact("div", 12, 4, 3, {}, 3, 4, 9000), fact("divrem", 14, 4, 3, 2, 3, 3, 3000),
                 fact("mul", 4, 7, {}, {}, 28, 27, 6000), fact("mul", 4, 9, {}, {}, 36, 36, 1500),
                 fact("mul", 23, 4, {}, {}, 92, 92, 1000), fact("div", 81, 9, 9, {}, 9, 9, 2500),
                 fact("divrem", 85, 9, 9, 4, 9, 9, 1000)},
                23);
}
}  // namespace

void TestReview::kukuMapFromARecord()
{
    TestProgram t;
    recordFacts(t);
    const KukuMap map = LoadKukuMap(*recordOf(t), recordOf(t)->currentPupil().id);
    const KukuCell &c = map.at(4, 3);
    QCOMPARE(c.answers, 4);
    QCOMPARE(c.right, 3);
    QCOMPARE(c.medianMs, 3500);  // 2000, 3000, 4000, 9000
    QCOMPARE(map.at(4, 7).right, 0);
    QCOMPARE(map.at(9, 9).answers, 2);
    QCOMPARE(map.at(9, 9).medianMs, 1750);
    QVERIFY(!map.at(3, 4).met());  // 4 x 3 is not 3 x 4
    QCOMPARE(map.answers(), 8);    // 23 x 4 is no fact of the table
    // A blank cell has no shade; right and quick is green, wrong is red.
    QVERIFY(!KukuShade(map.at(7, 8)).isValid());
    QVERIFY(KukuShade(map.at(4, 9)).hueF() > 0.30f);
    QVERIFY(KukuShade(map.at(4, 7)).hueF() < 0.02f);

    // Painted onto any painter: a blank cell stays white, a met one not.
    QImage image(460, 460, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        PaintKukuMap(p, QRectF(0, 0, 460, 460), map);
    }
    // A point inside cell a x b, clear of its texts.
    auto cellCentre = [](int a, int b) {
        const double cell = (460 - 460 * 0.07) / 10.0;
        return QPoint(int(cell * b) + 4, int(cell * (a + 0.5)));
    };
    QCOMPARE(image.pixelColor(cellCentre(7, 8)).rgb(), QColor(Qt::white).rgb());
    QCOMPARE(image.pixelColor(cellCentre(4, 9)).rgb(), KukuShade(map.at(4, 9)).rgb());
    QCOMPARE(KukuRowAt(QRectF(0, 0, 460, 460), cellCentre(4, 9)), 4);
}

void TestReview::kukuRowStartsAReview()
{
    TestProgram t;
    recordFacts(t);
    t.contents()->RecordWindow1->trigger();
    auto *rw = qobject_cast<RecordWindow *>(t.shower.shown.value(0));
    QVERIFY(rw);
    QCOMPARE(rw->Parts->KukuMap->map().answers(), 0);  // read only when its tab is shown
    rw->Parts->setCurrentWidget(rw->Parts->KukuMap->parentWidget());
    QCOMPARE(rw->Parts->KukuMap->map().answers(), 8);
    TestProgram::shot(rw, QStringLiteral("record-kuku-map"));
    // The 4のだん: the weakest facts first (4 x 7 never right, then 4 x 3).
    QCOMPARE(KukuRowFacts(rw->Parts->KukuMap->map(), 4), (QList<int>{7, 3, 9}));
    QCOMPARE(KukuRowFacts(rw->Parts->KukuMap->map(), 2).size(), 9);
    t.clock.advance(60);  // the review begins after the drill
    rw->Parts->KukuMap->pickRow(4);
    auto *w = qobject_cast<ReviewWindow *>(t.shower.shown.value(1));
    QVERIFY(w);
    QCOMPARE(w->TitleLabel->caption(), QStringLiteral("九九の ４のだん"));
    QCOMPARE(w->problems(), 3);
    QCOMPARE(w->ProblemLabel->caption(), QStringLiteral("4 x 7 = ?"));
    QCOMPARE(w->pickers().size(), 2);
    const QString pupil = recordOf(t)->currentPupil().id;
    const QString key = RecordStore::reviewKey({QStringLiteral("mul"), 4, 7, {}, {}});
    const QDate tomorrow = t.clock.now().date().addDays(1);
    QCOMPARE(recordOf(t)->dueReviews(pupil, tomorrow).size(), 2);  // 4 x 7 and 12 ÷ 4 from the drill
    QVERIFY(w->pickers()[0]->pick(2));
    QVERIFY(w->pickers()[1]->pick(8));
    QCOMPARE(w->MarkLabel->caption(), QStringLiteral("○"));
    // A right answer in a 九九 review leaves the box as it is; a wrong one
    // puts its fact in (4 x 3 answered 13).
    QCOMPARE(entryOf(recordOf(t)->reviewBox(pupil), key)->box, 1);
    w->NextButton->click();
    QCOMPARE(w->ProblemLabel->caption(), QStringLiteral("4 x 3 = ?"));
    QVERIFY(w->pickers()[0]->pick(1));
    QVERIFY(w->pickers()[1]->pick(3));
    QCOMPARE(w->MarkLabel->caption(), QStringLiteral("×"));
    QCOMPARE(recordOf(t)->dueReviews(pupil, tomorrow).size(), 3);
    QCOMPARE(recordOf(t)->sessions(pupil, 1).value(0).menuText, QStringLiteral("九九の ４のだん"));
    QCOMPARE(recordOf(t)->sessions(pupil, 1).value(0).problems, 2);
}

void TestReview::stumblesOverThirtyDays()
{
    TestProgram t;
    RecordStore *record = recordOf(t);
    const QDate today = kDay0.addDays(40);
    // 31 days ago: outside the list.
    t.clock.set(QDateTime(today.addDays(-30), QTime(16, 0)));
    recordDrill(record, t.clock.now(), {add(38, 27, 55), add(38, 27, 55), add(38, 27, 55)});
    // 29 days ago, and today.
    t.clock.set(QDateTime(today.addDays(-29), QTime(16, 0)));
    recordDrill(record, t.clock.now(),
                {add(38, 27, 55), {{QStringLiteral("sub"), 52, 17, {}, {}}, QStringLiteral("52 - 17 = ?"), 35, 45},
                 {{QStringLiteral("sub"), 503, 48, {}, {}}, QStringLiteral("503 - 48 = ?"), 455, 545}});
    t.clock.set(QDateTime(today, QTime(16, 0)));
    recordDrill(record, t.clock.now(),
                {add(46, 37, 73), {{QStringLiteral("sub"), 61, 25, {}, {}}, QStringLiteral("61 - 25 = ?"), 36, 44},
                 add(12, 12, 24), add(50, 20, 11)});
    int wrong = 0, unexplained = 0;
    const QList<Stumble> list =
        LoadStumbles(*record, record->currentPupil().id, StumblesFrom(today), today, &wrong, &unexplained);
    QCOMPARE(wrong, 6);
    QCOMPARE(unexplained, 1);  // 50 + 20 → 11
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].error, ArithmeticError::SmallerFromLarger);
    QCOMPARE(list[0].count, 3);
    QCOMPARE(list[0].example, QStringLiteral("61 - 25 → 44（せいかい 36）"));
    QCOMPARE(list[1].error, ArithmeticError::CarryForgotten);
    QCOMPARE(list[1].count, 2);

    // The window's tab and the CSV file say the same.
    t.contents()->RecordWindow1->trigger();
    auto *rw = qobject_cast<RecordWindow *>(t.shower.shown.value(0));
    rw->Parts->setCurrentWidget(rw->Parts->Stumbles);
    QCOMPARE(rw->Parts->Stumbles->StumbleList->rowCount(), 2);
    QCOMPARE(rw->Parts->Stumbles->StumbleList->item(0, 0)->text(), ErrorName(ArithmeticError::SmallerFromLarger));
    QCOMPARE(rw->Parts->Stumbles->StumbleList->item(0, 1)->text(), QStringLiteral("3"));
    TestProgram::shot(rw, QStringLiteral("record-stumbles"));
    const QString path = t.dataDir.filePath(QStringLiteral("きろく.csv"));
    QVERIFY(rw->exportCsv(path, false));
    QFile f(StumblesCsvPath(path));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll().mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[1].contains(QStringLiteral(",3,\"61 - 25 → 44（せいかい 36）\"")));
    QVERIFY(lines[1].contains(today.toString(Qt::ISODate)));
}

// The counts kept as answers are recorded say what reading every answer
// again says: for each pupil, over the last 30 days and over all time, and
// when a file of the last version gains them from the answers it holds.
void TestReview::countsKeptAgreeWithARecount_data()
{
    QTest::addColumn<bool>("migrated");
    QTest::newRow("kept as answered") << false;
    QTest::newRow("filled when the file gains them") << true;
}

void TestReview::countsKeptAgreeWithARecount()
{
    QFETCH(bool, migrated);
    QTemporaryDir dir;
    const QDate today = kDay0.addDays(40);
    QString ken;
    {
        TestProgram t(dir.path());
        RecordStore *record = recordOf(t);
        recordFacts(t);
        // Wrong answers on days either side of the 30 days' edge, some
        // explained, one not, one of them a fact again.
        const Answered mixed[] = {add(38, 27, 55), add(358, 267, 515), add(47, 38, 715), add(50, 20, 11),
                                  {{QStringLiteral("sub"), 503, 48, {}, {}}, QStringLiteral("503 - 48 = ?"), 455, 545},
                                  {{QStringLiteral("mul"), 4, 3, {}, {}}, QStringLiteral("4 x 3 = ?"), 12, 13}};
        for (int back : {31, 30, 29, 1, 0}) {
            t.clock.set(QDateTime(today.addDays(-back), QTime(23, 50)));
            QList<Answered> day;
            for (int i = 0; i <= back % 6; ++i)
                day << mixed[(back + i) % 6];
            day.last().ms = 1000 + 37 * back;
            recordDrill(record, t.clock.now(), day);
        }
        // Another pupil's answers stay theirs.
        ken = record->addPupil({{}, QStringLiteral("けん"), {}, 0});
        record->setPupil(ken);
        recordDrill(record, t.clock.now(), {add(38, 27, 55), {{QStringLiteral("mul"), 4, 3, {}, {}}, QStringLiteral("4 x 3 = ?"), 12, 12}});
    }
    if (migrated)  // as the last version left it: no counts kept
        QVERIFY(asAnOlderProgramLeftIt(dir.path(), {QStringLiteral("drop table stumble_days"),
                                                     QStringLiteral("drop table fact_times"),
                                                     QStringLiteral("pragma user_version = 2")}));
    TestProgram t(dir.path());
    RecordStore *record = recordOf(t);
    QVERIFY(record->recording());
    QCOMPARE(record->fileVersion(), RecordStore::SchemaVersion);
    QList<QString> pupils;
    for (const Pupil &p : record->pupils())
        pupils << p.id;
    QCOMPARE(pupils.size(), 2);
    for (const QString &pupil : pupils) {
        for (const QDate &from : {StumblesFrom(today), kDay0.addDays(-400)}) {
            StumbleCounter recount;
            record->forEachWrongAnswer(pupil, from, today, [&](const WrongAnswer &w) { recount.add(w.answer); });
            int wrong = 0, unexplained = 0;
            const QList<Stumble> kept = LoadStumbles(*record, pupil, from, today, &wrong, &unexplained);
            QVERIFY(recount.wrong() > 0);
            QCOMPARE(wrong, recount.wrong());
            QCOMPARE(unexplained, recount.unexplained());
            const QList<Stumble> counted = recount.list();
            QCOMPARE(kept.size(), counted.size());
            for (int i = 0; i < kept.size(); ++i) {
                QCOMPARE(kept[i].error, counted[i].error);
                QCOMPARE(kept[i].count, counted[i].count);
                QCOMPARE(kept[i].example, counted[i].example);
            }
        }
        QList<FactAnswer> facts;
        record->forEachFactAnswer(pupil, [&](FactAnswer a) {
            a.ms = FactTimeMs(a.ms);
            facts << a;
        });
        const KukuMap counted = MakeKukuMap(facts), kept = LoadKukuMap(*record, pupil);
        QVERIFY(counted.answers() > 0);
        for (int a = 1; a <= 9; ++a)
            for (int b = 1; b <= 9; ++b) {
                QCOMPARE(kept.at(a, b).answers, counted.at(a, b).answers);
                QCOMPARE(kept.at(a, b).right, counted.at(a, b).right);
                QCOMPARE(kept.at(a, b).medianMs, counted.at(a, b).medianMs);
            }
    }
    // A pupil removed takes their counts along.
    QVERIFY(record->removePupil(ken));
    QCOMPARE(TestProgram::storedRows(dir.path(), QStringLiteral("select count(*) from stumble_days where pupil_id = '%1'"
                                                                " union all select count(*) from fact_times"
                                                                " where pupil_id = '%1'").arg(ken)),
             (QList<QVariantList>{{0}, {0}}));
}

QTEST_MAIN(TestReview)
#include "tst_review.moc"
