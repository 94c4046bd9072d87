// A drill is timed by a clock that only moves forward. A parent setting the
// clock of the day back or forward during a drill changes neither the time
// taken nor when a drill with a limit ends, and drill clock ticks that come
// late do not lengthen it. Every drill screen shares this frame.
#include "frame/drill.h"
#include "testprogram.h"

#include <QtTest>

class DrillClockTest : public QObject {
    Q_OBJECT
private slots:
    void elapsedSeconds_data();
    void elapsedSeconds();
    void wallClockChangesNothing_data();
    void wallClockChangesNothing();
};

void DrillClockTest::elapsedSeconds_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("now");
    QTest::addColumn<int>("seconds");
    QTest::newRow("none") << qint64(5000) << qint64(5000) << 0;
    QTest::newRow("a tick a little early") << qint64(0) << qint64(299'960) << 300;
    QTest::newRow("a tick a little late") << qint64(0) << qint64(300'040) << 300;
    QTest::newRow("two minutes five") << qint64(1'000) << qint64(126'000) << 125;
    QTest::newRow("a reading before the start") << qint64(9'000) << qint64(8'000) << 0;
}

void DrillClockTest::elapsedSeconds()
{
    QFETCH(qint64, start);
    QFETCH(qint64, now);
    QFETCH(int, seconds);
    QCOMPARE(DrillElapsedSeconds(start, now), seconds);
}

void DrillClockTest::wallClockChangesNothing_data()
{
    QTest::addColumn<int>("jump");  // seconds the clock of the day is set by, after 100 s
    QTest::addColumn<int>("tick");  // seconds between two drill clock ticks
    QTest::newRow("set back 10 s") << -10 << 1;
    QTest::newRow("set back 1 h") << -3600 << 1;
    QTest::newRow("set forward 1 h") << 3600 << 1;
    QTest::newRow("to the day before, across midnight") << -11 * 3600 << 1;
    QTest::newRow("ticks come 3 s apart") << 0 << 3;
}

void DrillClockTest::wallClockChangesNothing()
{
    QFETCH(int, jump);
    QFETCH(int, tick);
    TestProgram t;
    const QList<int> drills{5, 8, 13, 20, 23};
    for (int form : drills) {
        if (!t.program->forms().contains(form))
            continue;
        auto *s = qobject_cast<TDrillScreen *>(t.open(form));
        QVERIFY2(s, qPrintable(QStringLiteral("form %1").arg(form)));
        t.dialogs.asked.clear();
        QVERIFY(s->ComboBox1->pick(0));
        QVERIFY(s->ComboBox2->pick(1));  // five minutes
        QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton3")));
        const int ticks = 300 / tick;
        for (int k = 1; k <= ticks; ++k) {
            if (k * tick == 100)
                t.clock.set(t.clock.now().addSecs(jump));
            QVERIFY2(t.dialogs.asked.isEmpty(), qPrintable(QStringLiteral("form %1 ended after %2 s").arg(form).arg((k - 1) * tick)));
            t.clock.advance(tick);
            s->Timer3Timer();
        }
        QCOMPARE(t.dialogs.asked.size(), 1);
        QCOMPARE(s->Label8->caption(), QStringLiteral("じかん　： 5 ふん 0 びょう"));
        QVERIFY(!s->Timer3->isActive());
        s->close();
    }
}

QTEST_MAIN(DrillClockTest)
#include "tst_drillclock.moc"
