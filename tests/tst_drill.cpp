// The timed drill on the mental-arithmetic drill screen (TForm5): its draws,
// the states of the frame, the drill clock, the results, the log rows as
// they stand in the SQLite file, the grid, a store that fails, and a drill
// killed midway. The rules the frame keeps on every drill are in
// tst_drillrules.
#include "frame/look.h"
#include "lessons/mental/drill.h"
#include "drivers.h"

#include <QHeaderView>
#include <QListWidget>
#include <QProcess>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>
#include <QtTest>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」をえらんでね！");
const QString kTimePrompt = QStringLiteral("「じかん」をえらんでね！");
const QString kStartPrompt = QStringLiteral("「スタート」ボタンをおしてね！");
const QString kAnswerPrompt = QStringLiteral("こたえは、大きい「くらい」からじゅんにえらんでね！");
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");
const QString kStopPrompt = QStringLiteral("おつかれさま！");
const QString kGridPrompt = QStringLiteral("もういちど「けっか」ボタンをおすと、きえるよ！");
const QString kTimeUp = QStringLiteral("じかんだから、ドリルをおわるよ！");

QList<QVariantList> storedRows(const QString &folder, const QString &sql = QString())
{
    return sql.isEmpty() ? TestProgram::storedRows(folder) : TestProgram::storedRows(folder, sql);
}

// The drill screen opened from the contents, as a pupil finds it.
struct Drill : DrillDriver {
    Drill() : DrillDriver(5) {}
    TForm5 *s = screen<TForm5>();

    // The driver's steps, and: "right" and "wrong" each log one row,
    // "again" picks the ones once more and logs one more row, and "memo
    // elsewhere" is a lesson's memo shown meanwhile, which sets the shared
    // flag.
    bool act(const QString &step)
    {
        const int before = storedRowCount();
        if (step == QLatin1String("again"))
            return s->ComboBox3->pick(s->ComboBox3->itemIndex()) && storedRowCount() == before + 1;
        if (step == QLatin1String("memo elsewhere")) {
            LessonState.GridShown = 1;
            return true;
        }
        if (step == QLatin1String("right") || step == QLatin1String("wrong"))
            return DrillDriver::act(step) && storedRowCount() == before + 1;
        return DrillDriver::act(step);
    }

    int storedRowCount() const { return rowCount(); }

    // The drill's controls a pupil can use now, by role.
    QString enabled() const
    {
        return DrillDriver::enabled({{"ComboBox5", "100"}, {"ComboBox4", "10"}, {"ComboBox3", "1"}}, true);
    }
};
}  // namespace

class DrillTest : public QObject {
    Q_OBJECT
private slots:
    void draws_data();
    void draws();
    void designedTexts();
    void states_data();
    void states();
    void results_data();
    void results();
    void countsAndClocks_data();
    void countsAndClocks();
    void startEmptiesTheLog();
    void logRowsInTheFile_data();
    void logRowsInTheFile();
    void gridShowsTheLogReadOnly();
    void failingStore_data();
    void failingStore();
    void killedDrillKeepsEveryAnswer();
};

void DrillTest::draws_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("draws");
    QTest::newRow("smallest sum") << 1 << QList<int>{0, 0} << "11 + 11 = ?" << 22 << 2;
    QTest::newRow("largest sum") << 1 << QList<int>{87, 87} << "98 + 98 = ?" << 196 << 2;
    QTest::newRow("largest difference") << 2 << QList<int>{86, 0} << "98 - 11 = ?" << 87 << 2;
    QTest::newRow("equal pair drawn again") << 2 << QList<int>{10, 11, 55, 37} << "67 - 48 = ?" << 19 << 4;
    QList<int> neverLarger;
    for (int i = 0; i < 1000; ++i)
        neverLarger << 0 << 87;  // 12 - 98
    QTest::newRow("1000 pairs without a difference") << 2 << neverLarger << "57 - 38 = ?" << 19 << 2000;
}

void DrillTest::draws()
{
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(QString, line);
    QFETCH(int, answer);
    QFETCH(int, draws);
    FakeRandom random;
    random.script(script);
    const MentalDrillProblem p = DrawMentalDrill(menu, random);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.asked.size(), draws);
    QCOMPARE(random.asked.mid(0, 2), menu == 1 ? (QList<int>{88, 88}) : (QList<int>{87, 88}));
    QCOMPARE(p.line(), line);
    QCOMPARE(p.answer(), answer);
}

// The texts the pupil reads before the drill starts, spaces as designed.
void DrillTest::designedTexts()
{
    Drill d;
    QCOMPARE(d.s->Label1->caption(), QStringLiteral("あん算のドリル"));
    QCOMPARE(d.s->ComboBox1->text(), QStringLiteral("メニュー"));
    QCOMPARE(d.s->ComboBox1->items(), (QStringList{" たし算", " ひき算"}));
    QCOMPARE(d.s->ComboBox2->text(), QStringLiteral("　じかん"));
    QCOMPARE(d.s->ComboBox2->items(), (QStringList{" 　　なし", " 　５ふん", " １０ぷん", " １５ふん"}));
    const QString buttons[] = {"おわる", "もくじへ", "スタート", "つぎへ", "ストップ", "けっか"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(TestProgram::control<TCuteButton>(d.s, QStringLiteral("CuteButton%1").arg(i + 1))->caption(),
                 buttons[i]);
    QCOMPARE(d.s->Timer2->interval(), 1000);  // the first blink comes after a second
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton1")));
    QCOMPARE(d.t.dialogs.asked.last().text, QStringLiteral("おわってもいいの？"));
}

void DrillTest::states_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("cue");  // the last cue opened
    QTest::addColumn<QString>("number");

    const QStringList drill{"menu:0", "time:1", "start"};
    QTest::newRow("shown") << QStringList{} << "menu" << kMenuPrompt << 12 << "";
    QTest::newRow("menu picked") << QStringList{"menu:0"} << "menu time" << kTimePrompt << 17 << "";
    QTest::newRow("time picked") << QStringList{"menu:0", "time:1"} << "menu start" << kStartPrompt << 12 << "";
    QTest::newRow("started") << drill << "menu 100 10 1" << kAnswerPrompt << 11 << "もんだい：1";
    QTest::newRow("answered") << drill + QStringList{"right"} << "menu next stop 100 10 1" << kNextPrompt << 12
                              << "もんだい：1";
    QTest::newRow("skipped with つぎへ") << drill + QStringList{"right", "next", "next"} << "menu next stop 100 10 1"
                                         << kAnswerPrompt << 11 << "もんだい：3";
    QTest::newRow("next problem") << drill + QStringList{"wrong", "next"} << "menu next stop 100 10 1"
                                  << kAnswerPrompt << 11 << "もんだい：2";
    QTest::newRow("stopped") << drill + QStringList{"right", "stop"} << "menu start results 100 10 1" << kStopPrompt
                             << 19 << "";
    // The pickers step aside while the log is in front.
    QTest::newRow("grid shown, no cue") << drill + QStringList{"right", "stop", "results"}
                                        << "menu start results grid" << kGridPrompt << 19 << "";
    QTest::newRow("grid hidden again") << drill + QStringList{"right", "stop", "results", "results"}
                                       << "menu start results 100 10 1" << kStopPrompt << 19 << "";
    QTest::newRow("one press shows the grid after a memo elsewhere")
        << drill + QStringList{"right", "stop", "memo elsewhere", "results"} << "menu start results grid"
        << kGridPrompt << 19 << "";
    QTest::newRow("started again") << drill + QStringList{"right", "stop", "results", "start"} << "menu 100 10 1"
                                   << kAnswerPrompt << 11 << "もんだい：1";
    QTest::newRow("menu picked during a drill") << drill + QStringList{"right", "menu:1"} << "menu time"
                                                << kTimePrompt << 17 << "";
    QTest::newRow("subtraction: no hundreds") << QStringList{"menu:1", "time:0", "start"} << "menu 10 1"
                                              << kAnswerPrompt << 11 << "もんだい：1";
}

void DrillTest::states()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, enabled);
    QFETCH(QString, prompt);
    QFETCH(int, cue);
    QFETCH(QString, number);
    Drill d;
    QVERIFY(d.s);
    for (const QString &step : steps)
        QVERIFY2(d.act(step), qPrintable(step));
    QCOMPARE(d.enabled(), enabled);
    QCOMPARE(TestProgram::prompt(d.s), prompt);
    QCOMPARE(d.t.cues.opened.last(), cue);
    QCOMPARE(d.s->Label3->caption(), number);
    QVERIFY(d.s->CuteButton1->isEnabled() && d.s->CuteButton2->isEnabled());
    QVERIFY(d.s->Timer2->isActive());  // every new prompt blinks
    if (prompt == kAnswerPrompt) {
        QCOMPARE(d.s->Label4->caption(), QStringLiteral("%1 %2 %3 = ?")
                                             .arg(LessonState.OperandA)
                                             .arg(LessonState.MenuChoice == 1 ? "+" : "-")
                                             .arg(LessonState.OperandB));
        // The pickers wait, unpicked, under their place names.
        QCOMPARE(d.s->ComboBox3->itemIndex(), -1);
        QCOMPARE(d.s->ComboBox4->text(), QStringLiteral("十"));
    }
}

void DrillTest::results_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("results");
    QStringList sevenRightThenNext;
    for (int i = 0; i < 7; ++i)
        sevenRightThenNext << "right" << "next";
    QTest::newRow("7 right, つぎへ, ストップ")
        << QTime(10, 0) << sevenRightThenNext << 125
        << QStringList{"もんだい： 8", "○のかず： 7", "せいせき： 87 てん", "じかん　： 2 ふん 5 びょう"};
    QTest::newRow("wrong, then right twice")
        << QTime(14, 30) << QStringList{"wrong", "right", "next", "right", "next", "wrong"} << 3600
        << QStringList{"もんだい： 3", "○のかず： 2", "せいせき： 66 てん", "じかん　： 60 ふん 0 びょう"};
    QTest::newRow("across midnight")
        << QTime(23, 59, 30) << QStringList{"right"} << 90
        << QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん", "じかん　： 1 ふん 30 びょう"};
    QTest::newRow("stopped at once") << QTime(8, 0) << QStringList{"wrong", "next", "next"} << 0
                                     << QStringList{"もんだい： 3", "○のかず： 0", "せいせき： 0 てん",
                                                    "じかん　： 0 ふん 0 びょう"};
}

void DrillTest::results()
{
    QFETCH(QTime, start);
    QFETCH(QStringList, steps);
    QFETCH(int, seconds);
    QFETCH(QStringList, results);
    Drill d;
    d.t.clock.set(QDateTime(QDate(2026, 4, 10), start));
    for (const char *step : {"menu:0", "time:0", "start"})
        QVERIFY(d.act(QLatin1String(step)));
    QCOMPARE(d.s->StartSeconds, start.msecsSinceStartOfDay() / 1000);
    for (const QString &step : steps)
        QVERIFY2(d.act(step), qPrintable(step));
    d.t.clock.advance(seconds);
    QVERIFY(d.act(QStringLiteral("stop")));
    QCOMPARE(d.results(), results);
    QVERIFY(d.s->Label3->caption().isEmpty());
    QVERIFY(d.s->Label4->caption().isEmpty());
}

// A problem counts as right once, however often its ones digit is picked
// again, and a drill is timed by its own clock only: the results never show
// more right answers than problems, nor a score over 100.
void DrillTest::countsAndClocks_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("timeUps");  // "じかんだから、ドリルをおわるよ！" shown
    QTest::addColumn<QStringList>("results");
    QTest::newRow("right, then its ones picked twice more")
        << QStringList{"menu:0", "time:0", "start", "right", "again", "again", "stop"} << 0
        << QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん"};
    QTest::newRow("wrong, right, wrong on one problem, then one right")
        << QStringList{"menu:0", "time:0", "start", "wrong", "right", "wrong", "next", "right", "again", "stop"} << 0
        << QStringList{"もんだい： 2", "○のかず： 2", "せいせき： 100 てん"};
    // The 5-minute clock of the first drill would end the untimed one.
    QTest::newRow("５ふん, then なし and スタート")
        << QStringList{"menu:0", "time:1", "start", "right", "ticks:100", "menu:0", "time:0", "start",
                       "ticks:400", "right", "stop"}
        << 0 << QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん"};
    QTest::newRow("５ふん, then １０ぷん and スタート: ten minutes of its own")
        << QStringList{"menu:0", "time:1", "start", "ticks:250", "menu:0", "time:2", "start", "ticks:599"} << 0
        << QStringList{"", "", ""};
    // A menu pick, leaving and showing the screen again leave the clock
    // running; its time-up reads the counts zeroed together.
    QTest::newRow("shown again while the clock runs")
        << QStringList{"menu:0", "time:1", "start", "right", "next", "right", "ticks:100", "back", "reopen",
                       "ticks:200"}
        << 1 << QStringList{"もんだい： 0", "○のかず： 0", "せいせき： 0 てん"};
    QTest::newRow("menu picked while the clock runs")
        << QStringList{"menu:0", "time:1", "start", "right", "next", "right", "menu:1", "ticks:300"} << 1
        << QStringList{"もんだい： 0", "○のかず： 0", "せいせき： 0 てん"};
}

void DrillTest::countsAndClocks()
{
    QFETCH(QStringList, steps);
    QFETCH(int, timeUps);
    QFETCH(QStringList, results);
    Drill d;
    for (const QString &step : steps)
        QVERIFY2(d.act(step), qPrintable(step));
    QCOMPARE(int(d.t.dialogs.asked.size()), timeUps);
    for (const auto &asked : std::as_const(d.t.dialogs.asked))
        QCOMPARE(asked.text, kTimeUp);
    QCOMPARE(d.results().mid(0, 3), results);
    QVERIFY(LessonState.CorrectCount <= LessonState.ProblemNo);
}

// Each table keeps only the latest drill: スタート empties it, also when the
// results were never looked at.
void DrillTest::startEmptiesTheLog()
{
    Drill d;
    for (const char *step : {"menu:0", "time:0", "start", "right", "next", "wrong", "stop"})
        QVERIFY(d.act(QLatin1String(step)));
    QCOMPARE(d.storedRowCount(), 2);
    QVERIFY(d.act(QStringLiteral("start")));
    QCOMPARE(d.storedRowCount(), 0);
    QCOMPARE(d.s->TimeLimit, 0);  // the same menu and time as before
    QCOMPARE(LessonState.MenuChoice, 1);
    QVERIFY(d.act(QStringLiteral("right")));
    const QList<QVariantList> rows = storedRows(d.t.dataDir.path());
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][0].toInt(), 1);
}

void DrillTest::logRowsInTheFile_data()
{
    QTest::addColumn<QList<int>>("picks");  // tens, ones; -1 leaves the tens unpicked
    QTest::addColumn<int>("given");
    QTest::addColumn<QString>("mark");
    QTest::newRow("right") << QList<int>{1, 9} << 19 << " ○";
    QTest::newRow("wrong") << QList<int>{2, 9} << 29 << " ×";
    QTest::newRow("ones alone") << QList<int>{-1, 7} << 7 << " ×";
}

// The subtraction 67 − 48 as another program reads it from the file.
void DrillTest::logRowsInTheFile()
{
    QFETCH(QList<int>, picks);
    QFETCH(int, given);
    QFETCH(QString, mark);
    Drill d;
    LessonState.Entry4 = 50;  // left by another screen: not part of this answer
    d.t.random.script({67 - 12, 48 - 11});
    for (const char *step : {"menu:1", "time:0", "start"})
        QVERIFY(d.act(QLatin1String(step)));
    QCOMPARE(d.s->Label4->caption(), QStringLiteral("67 - 48 = ?"));
    QVERIFY(!d.s->ComboBox5->isEnabled());
    if (picks[0] >= 0)
        QVERIFY(d.s->ComboBox4->pick(picks[0]));
    QVERIFY(d.s->ComboBox3->pick(picks[1]));
    const QList<QVariantList> rows = storedRows(d.t.dataDir.path());
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0], (QVariantList{1, QStringLiteral("　67 - 48"), 19, given, mark}));
    // The fields keep their designed types.
    const QList<QVariantList> types = storedRows(
        d.t.dataDir.path(), QStringLiteral("select typeof(NB), typeof(MND), typeof(KAI), typeof(KOT), typeof(HNT) "
                                           "from dorill"));
    QCOMPARE(types[0], (QVariantList{"integer", "text", "integer", "integer", "text"}));
}

void DrillTest::gridShowsTheLogReadOnly()
{
    Drill d;
    d.t.random.script({67 - 11, 48 - 11});
    for (const char *step : {"menu:0", "time:0", "start", "right", "next", "wrong", "stop", "results"})
        QVERIFY(d.act(QLatin1String(step)));
    TDBGrid *grid = d.s->DBGrid1;
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->y(), 112);
    QCOMPARE(LessonState.GridShown, 1);
    QCOMPARE(grid->palette().color(QPalette::Base), Look::Cream);

    QAbstractItemModel *m = grid->model();
    const QStringList titles{"Ｎｏ", "もんだい", "せいかい", "こたえ", "○×"};
    const int widths[] = {40, 140, 70, 70, 40};
    QCOMPARE(m->columnCount(), 5);
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), titles[c]);
        QCOMPARE(m->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(grid->columnWidth(c), widths[c]);
    }
    QCOMPARE(m->rowCount(), 2);
    QCOMPARE(m->index(0, 1).data().toString(), QStringLiteral("　67 + 48"));
    QCOMPARE(m->index(0, 2).data().toInt(), 115);
    QCOMPARE(m->index(1, 4).data().toString(), QStringLiteral(" ×"));
    QCoreApplication::processEvents();
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);  // every column whole

    // The pupil cannot change what was logged.
    const QModelIndex cell = m->index(0, 3);
    QVERIFY(!(m->flags(cell) & Qt::ItemIsEditable));
    grid->setCurrentIndex(cell);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClicks(grid, "999");
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(!m->setData(cell, 999));
    QCOMPARE(m->index(0, 3).data().toInt(), 115);
    QCOMPARE(storedRows(d.t.dataDir.path()).at(0).at(3).toInt(), 115);

    QVERIFY(d.act(QStringLiteral("results")));
    QVERIFY(grid->isHidden());
    QCOMPARE(LessonState.GridShown, 0);

    // The grid keeps its columns while the log changes under it.
    QVERIFY(d.act(QStringLiteral("right")));
    QVERIFY(d.act(QStringLiteral("results")));
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(grid->columnWidth(1), 140);
}

void DrillTest::failingStore_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("kyozai is not a database") << false;
    QTest::newRow("kyozai is a folder") << true;
}

// A log that cannot be written is told once; the drill goes on without it.
void DrillTest::failingStore()
{
    QFETCH(bool, folder);
    Drill d;
    const QString path = d.t.dataDir.filePath(QStringLiteral("kyozai"));
    if (folder) {
        QVERIFY(QDir().mkdir(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < 200; ++i)
            file.write("さんすうの きろく、ではありません。");
    }
    for (const char *step : {"menu:0", "time:1", "start"})
        QVERIFY(d.act(QLatin1String(step)));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(d.answer(LessonState.Answer));
        QVERIFY(d.act(QStringLiteral("next")));
    }
    QVERIFY(d.act(QStringLiteral("stop")));
    QVERIFY(d.act(QStringLiteral("results")));
    QCOMPARE(d.t.dialogs.asked.size(), 1);
    QCOMPARE(d.t.dialogs.asked.first().kind, QStringLiteral("message"));
    QVERIFY(d.t.dialogs.asked.first().text.contains(QStringLiteral("きろく")));
    QCOMPARE(d.results().mid(0, 3), (QStringList{"もんだい： 4", "○のかず： 3", "せいせき： 75 てん"}));
    QCOMPARE(d.s->DBGrid1->model()->rowCount(), 0);
    QCoreApplication::processEvents();  // a failure found while painting would come now
    QCOMPARE(d.t.dialogs.asked.size(), 1);
}

// A program killed right after its answers leaves every one of them in a
// sound file.
void DrillTest::killedDrillKeepsEveryAnswer()
{
    constexpr int answers = 6;
    QTemporaryDir folder;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(MINUKA_BIN_DIR "/drillchild"), {folder.path(), QString::number(answers)});
    QVERIFY(child.waitForStarted());
    int seen = 0;
    while (seen < answers) {
        while (seen < answers && child.canReadLine())
            if (child.readLine().startsWith("answered "))
                ++seen;
        if (seen < answers)
            QVERIFY2(child.waitForReadyRead(20000), child.readAllStandardError().constData());
    }
    child.kill();  // SIGKILL
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    const QList<QVariantList> check = storedRows(folder.path(), QStringLiteral("pragma integrity_check"));
    QCOMPARE(check, (QList<QVariantList>{{QStringLiteral("ok")}}));
    const QList<QVariantList> rows = storedRows(folder.path());
    QCOMPARE(rows.size(), answers);
    for (int i = 0; i < answers; ++i) {
        QCOMPARE(rows[i][0].toInt(), i + 1);
        QCOMPARE(rows[i][4].toString(), QStringLiteral(" ○"));
    }
}

QTEST_MAIN(DrillTest)
#include "tst_drill.moc"
