// What a drill shows besides its problems: the time left of a timed drill
// and its stop at the time-up, the はなまる of a full score, and the log
// grid read in whole rows at its bottom.
#include "lessons/column/drill.h"
#include "frame/timeleft.h"
#include "testprogram.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {
// The column drill, "３けたのたし算" with the time item picked and started.
struct Drill {
    TestProgram t;
    TForm8 *s = nullptr;
    TTimeLeft *left = nullptr;

    explicit Drill(int timeItem)
    {
        s = qobject_cast<TForm8 *>(t.open(8));
        left = s->findChild<TTimeLeft *>(QStringLiteral("TimeLeft"));
        s->ComboBox1->pick(0);
        s->ComboBox2->pick(timeItem);
        TestProgram::click(s, QStringLiteral("CuteButton3"));
    }
    // Seconds pass on the clock, the drill clock ticking with them.
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) {
            t.clock.advance(1);
            if (s->Timer3->isActive())
                s->Timer3Timer();
        }
    }
    void answer(bool right)
    {
        const int ones = LessonState.Answer % 10;
        s->ComboBox6->pick(LessonState.Answer / 1000 % 10);
        s->ComboBox5->pick(LessonState.Answer / 100 % 10);
        s->ComboBox4->pick(LessonState.Answer / 10 % 10);
        s->ComboBox3->pick(right ? ones : (ones + 1) % 10);
    }
    bool hanamaru() const { return !s->findChild<QWidget *>(QStringLiteral("Hanamaru"))->isHidden(); }
};
}  // namespace

class DrillViewTest : public QObject {
    Q_OBJECT
private slots:
    void timeLeftText_data();
    void timeLeftText();
    void timeLeftStops();
    void hanamaru_data();
    void hanamaru();
    void logGridShowsWholeRows();
    void hiddenGridReadsTheLogWhenShown();
};

void DrillViewTest::timeLeftText_data()
{
    QTest::addColumn<int>("timeItem");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("shown");  // empty: nothing shown
    QTest::newRow("5 minutes, 28 seconds in") << 1 << 28 << "のこり ４：３２";
    QTest::newRow("10 minutes at the start") << 2 << 0 << "のこり １０：００";
    QTest::newRow("15 minutes, 59 seconds in") << 3 << 59 << "のこり １４：０１";
    QTest::newRow("the last second") << 1 << 299 << "のこり ０：０１";
    QTest::newRow("no limit") << 0 << 40 << "";
}

void DrillViewTest::timeLeftText()
{
    QFETCH(int, timeItem);
    QFETCH(int, seconds);
    QFETCH(QString, shown);
    Drill d(timeItem);
    QVERIFY(d.left);
    d.ticks(seconds);
    QCOMPARE(d.left->isHidden(), shown.isEmpty());
    if (!shown.isEmpty())
        QCOMPARE(d.left->text(), shown);
    QCOMPARE(TestProgram::layoutFault(d.s), QString());
}

// At the time-up the time left reads 0 and stays so while the results are
// shown, whatever the clock does; "ストップ" freezes it where it stands; a
// new drill without a limit shows none.
void DrillViewTest::timeLeftStops()
{
    Drill d(1);
    d.ticks(300);
    QVERIFY(!d.s->Timer3->isActive());
    QCOMPARE(d.left->text(), QStringLiteral("のこり ０：００"));
    d.t.clock.advance(90);
    d.s->Timer3Timer();  // a tick already queued at the time-up
    QCOMPARE(d.left->text(), QStringLiteral("のこり ０：００"));
    QVERIFY(!d.left->running());

    QVERIFY(d.s->ComboBox1->pick(0));
    QVERIFY(d.s->ComboBox2->pick(1));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton3")));
    d.ticks(75);
    d.answer(true);
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton5")));  // ストップ
    d.ticks(20);
    QCOMPARE(d.left->text(), QStringLiteral("のこり ３：４５"));
    QVERIFY(!d.left->isHidden());

    QVERIFY(d.s->ComboBox1->pick(0));
    QVERIFY(d.s->ComboBox2->pick(0));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton3")));
    QVERIFY(d.left->isHidden());
}

// The はなまる stands beside results of 100 てん only, and steps aside while
// the log grid is in front.
void DrillViewTest::hanamaru_data()
{
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("shown");
    QTest::newRow("three right") << QList<bool>{true, true, true} << true;
    QTest::newRow("one wrong") << QList<bool>{true, false, true} << false;
}

void DrillViewTest::hanamaru()
{
    QFETCH(QList<bool>, answers);
    QFETCH(bool, shown);
    Drill d(0);
    for (qsizetype i = 0; i < answers.size(); ++i) {
        if (i > 0)
            QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton4")));
        d.answer(answers[i]);
    }
    QVERIFY(!d.hanamaru());
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton5")));
    QCOMPARE(d.hanamaru(), shown);
    QCOMPARE(TestProgram::layoutFault(d.s), QString());
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton6")));  // the grid in front
    QVERIFY(!d.hanamaru());
    QCOMPARE(TestProgram::layoutFault(d.s), QString());
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton6")));
    QCOMPARE(d.hanamaru(), shown);
    if (shown)
        TestProgram::shot(d.s, QStringLiteral("drill-results-hanamaru"));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton3")));
    QVERIFY(!d.hanamaru());
}

// A long log scrolled to its bottom shows its top row whole under the
// titles (no sliver of the row above) and its last row whole.
void DrillViewTest::logGridShowsWholeRows()
{
    Drill d(0);
    for (int i = 0; i < 40; ++i) {
        d.answer(true);
        QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton4")));
    }
    d.answer(true);
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton5")));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton6")));
    TDBGrid *grid = d.s->DBGrid1;
    QCOMPARE(grid->model()->rowCount(), 41);
    grid->scrollToBottom();
    QCoreApplication::processEvents();
    QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
    const int top = grid->rowAt(0);
    QCOMPARE(grid->rowViewportPosition(top), 0);
    QCOMPARE(grid->rowAt(grid->viewport()->height() - 1), -1);  // spare pixels stand below the last row
    QVERIFY(grid->rowViewportPosition(40) + grid->rowHeight(40) <= grid->viewport()->height());
    // One row up and back down again: still whole.
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->value() - 1);
    grid->scrollToBottom();
    QCOMPARE(grid->rowViewportPosition(grid->rowAt(0)), 0);
}

// Answers logged behind the hidden grid cost it nothing: it takes no row
// one by one, and reads the log as it stands when "けっか" shows it, a
// second drill's emptied log too.
void DrillViewTest::hiddenGridReadsTheLogWhenShown()
{
    Drill d(0);
    TDBGrid *grid = d.s->DBGrid1;
    for (int drill = 0; drill < 2; ++drill) {
        const int answers = drill == 0 ? 12 : 3;
        QSignalSpy inserted(grid->model(), &QAbstractItemModel::rowsInserted);
        for (int i = 0; i < answers; ++i) {
            d.answer(i % 2 == 0);
            QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton4")));
        }
        d.answer(true);
        QCoreApplication::processEvents();
        QCOMPARE(inserted.count(), 0);
        QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton5")));
        QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton6")));
        QVERIFY(grid->isVisible());
        QCOMPARE(grid->model()->rowCount(), answers + 1);
        QCOMPARE(grid->verticalHeader()->count(), answers + 1);  // the view, not only the model
        QCOMPARE(grid->model()->index(answers, 0).data().toInt(), answers + 1);
        QCOMPARE(grid->model()->index(answers, 4).data().toString(), QStringLiteral(" ○"));
        QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton6")));
        QVERIFY(grid->isHidden());
        QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton3")));  // the next drill empties the log
    }
}

QTEST_MAIN(DrillViewTest)
#include "tst_drillview.moc"
