// The division drill (TForm23): its draws, the screen as start-up sets it up
// once, the answer steps of "あまり なし" and "あまり あり", the log rows
// with and without their remainders, the seven-column grid standing clear of
// the results, and a second visit. The frame's rules on it are in
// tst_drillrules.
#include "lessons/division/drill.h"
#include "lessons/division/remainder.h"
#include "drivers.h"

#include <QScrollBar>
#include <QtTest>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」をえらんでね！");
const QString kTimePrompt = QStringLiteral("「じかん」をえらんでね！");
const QString kStartPrompt = QStringLiteral("「スタート」ボタンをおしてね！");
const QString kExactPrompt = QStringLiteral("答えを えらんでね！");
const QString kRemainderPrompt = QStringLiteral("「答え」→「あまり」の じゅんに えらんでね！");
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");
const QString kAnswerPrompt = QStringLiteral("こたえは、大きい「くらい」からじゅんにえらんでね！");
const QString kStopPrompt = QStringLiteral("おつかれさま！");
const QString kGridPrompt = QStringLiteral("もういちど「けっか」ボタンをおすと、きえるよ！");
const QString kAllFields = QStringLiteral("select NB, MND, KAI, KOT, HNT, AMS, AMI from dorill order by rowid");

// The drill opened from the contents, with its menu item and time picked and
// "スタート" pressed on the scripted first problem (menuItem -1: untouched).
struct DivisionDrill : DrillDriver {
    explicit DivisionDrill(int menuItem = -1, const QList<int> &draws = {}, int timeItem = 0)
        : DrillDriver(23, true)
    {
        if (menuItem >= 0)
            start(menuItem, draws, timeItem);
    }
    TForm23 *s = screen<TForm23>();

    // A step: "q<i>" a quotient pick, "r<i>" a remainder pick, or a button
    // "start", "next", "stop", "results".
    bool act(const QString &step)
    {
        if (step.startsWith(QLatin1Char('q')))
            return s->ComboBox4->pick(step.mid(1).toInt());
        if (step.startsWith(QLatin1Char('r')) && step != QLatin1String("results"))
            return s->ComboBox3->pick(step.mid(1).toInt());
        return DrillDriver::act(step);
    }

    bool actAll(const QStringList &steps)
    {
        for (const QString &step : steps)
            if (!act(step)) {
                qWarning("step %s could not be taken", qPrintable(step));
                return false;
            }
        return true;
    }

    // The log as another program reads it, one "NB|MND|KAI|KOT|HNT|AMS|AMI"
    // line a row, an empty field as "-".
    QStringList rows() const
    {
        QStringList out;
        for (const QVariantList &row : TestProgram::storedRows(t.dataDir.path(), kAllFields)) {
            QStringList fields;
            for (const QVariant &v : row)
                fields << (v.isNull() ? QStringLiteral("-") : v.toString());
            out << fields.join(QLatin1Char('|'));
        }
        return out;
    }

    QString enabled() const
    {
        return DrillDriver::enabled({{"ComboBox4", "quotient"}, {"ComboBox3", "remainder"}});
    }
};
}  // namespace

class DivisionDrillTest : public QObject {
    Q_OBJECT
private slots:
    void draws_data();
    void draws();
    void setUpOnceAtStartup();
    void states_data();
    void states();
    void logRows_data();
    void logRows();
    void gridStandsClearOfTheResults_data();
    void gridStandsClearOfTheResults();
    void secondVisitFindsItAsLeft();
    void problemsFollowThisScreensMenu();
};

void DivisionDrillTest::draws_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("remainder");

    QTest::newRow("exact, 0 ÷ 1") << 1 << QList<int>{0, 0} << QList<int>{8, 9} << "0 ÷ 1 = ?" << 0;
    QTest::newRow("exact, 64 ÷ 8") << 1 << QList<int>{7, 8} << QList<int>{8, 9} << "64 ÷ 8 = ?" << 0;
    QTest::newRow("remainder, 3 ÷ 2") << 2 << QList<int>{0, 0, 0} << QList<int>{7, 8, 0} << "3 ÷ 2 = ?" << 1;
    QTest::newRow("remainder, 70 ÷ 8") << 2 << QList<int>{6, 7, 5} << QList<int>{7, 8, 6} << "70 ÷ 8 = ?" << 6;
    QTest::newRow("any other item has a remainder") << 0 << QList<int>{2, 2, 0} << QList<int>{7, 8, 2}
                                                    << "13 ÷ 4 = ?" << 1;
}

void DivisionDrillTest::draws()
{
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, asked);
    QFETCH(QString, question);
    QFETCH(int, remainder);
    FakeRandom random;
    random.script(script);
    const DivisionProblem p = DrawDivisionDrill(menu, random);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.asked, asked);
    QCOMPARE(DivisionQuestion(p), question);
    QCOMPARE(p.remainder, remainder);
}

// The screen is set up when the program starts, not when it is shown.
void DivisionDrillTest::setUpOnceAtStartup()
{
    {
        TestProgram t;
        auto *s = qobject_cast<TForm23 *>(t.program->screen(23));
        QVERIFY(s);
        QCOMPARE(t.program->forms().mid(t.program->forms().indexOf(21)), (QList<int>{21, 22, 23}));
        QVERIFY(s->isHidden());
        QCOMPARE(TestProgram::prompt(s), kMenuPrompt);
        QVERIFY(s->Timer2->isActive());
        QCOMPARE(s->Timer2->interval(), 1000);
        QCOMPARE(t.cues.opened.last(), 12);  // the last screen made, heard by nobody
        QVERIFY(t.cues.played.isEmpty());
        QVERIFY(!s->ComboBox2->isEnabled());
    }

    DivisionDrill d;
    QCOMPARE(d.s->Label1->caption(), QStringLiteral("わり算のドリル"));
    QCOMPARE(d.s->ComboBox1->text(), QStringLiteral("  メニュー"));
    QCOMPARE(d.s->ComboBox1->items(), (QStringList{"あまり なし", "あまり あり"}));
    QCOMPARE(d.s->ComboBox2->text(), QStringLiteral("  じかん"));
    QCOMPARE(d.s->ComboBox2->items(), (QStringList{"　　なし", "　５ふん", "１０ぷん", "１５ふん"}));
    QCOMPARE(d.s->ComboBox4->text(), QStringLiteral("答え"));
    QCOMPARE(d.s->ComboBox3->text(), QStringLiteral("あまり"));
    QCOMPARE(d.s->ComboBox4->items(),
             (QStringList{"  ０", "  １", "  ２", "  ３", "  ４", "  ５", "  ６", "  ７", "  ８", "  ９"}));
    QCOMPARE(d.s->ComboBox3->items(),
             (QStringList{"   ０", "   １", "   ２", "   ３", "   ４", "   ５", "   ６", "   ７", "   ８", "   ９"}));
    QVERIFY(d.s->ComboBox4->geometry().right() < d.s->ComboBox3->x());
    QCOMPARE(d.enabled(), QStringLiteral("menu"));
    // Showing it runs nothing: no cue, the prompt as start-up left it.
    QCOMPARE(d.t.cues.played, QList<int>{16});  // the welcome cue only
    QCOMPARE(TestProgram::prompt(d.s), kMenuPrompt);
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton1")));
    QCOMPARE(d.t.dialogs.asked.last().text, QStringLiteral("おわってもいいの？"));
}

void DivisionDrillTest::states_data()
{
    QTest::addColumn<int>("menuItem");  // -1: nothing picked
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("cue");
    QTest::addColumn<QString>("problem");

    // 24 ÷ 6 with no remainder, 13 ÷ 4 with one; the second problem is the same.
    QTest::newRow("exact, answering") << 0 << QStringList{} << "menu time quotient" << kExactPrompt << 11
                                      << "24 ÷ 6 = ?";
    QTest::newRow("exact, answered") << 0 << QStringList{"q4"} << "menu time next stop quotient" << kNextPrompt << 12
                                     << "24 ÷ 6 = ?";
    QTest::newRow("exact, next") << 0 << QStringList{"q4", "next"} << "menu time quotient" << kAnswerPrompt << 11
                                 << "24 ÷ 6 = ?";
    QTest::newRow("exact, stopped") << 0 << QStringList{"q4", "stop"} << "menu time start results quotient"
                                    << kStopPrompt << 19 << "";
    QTest::newRow("exact, grid") << 0 << QStringList{"q4", "stop", "results"} << "menu time start results quotient"
                                 << kGridPrompt << 19 << "";
    QTest::newRow("exact, grid hidden") << 0 << QStringList{"q4", "stop", "results", "results"}
                                        << "menu time start results quotient" << kStopPrompt << 19 << "";
    QTest::newRow("remainder, answering") << 1 << QStringList{} << "menu time quotient remainder" << kRemainderPrompt
                                          << 11 << "13 ÷ 4 = ?";
    QTest::newRow("remainder, quotient picked") << 1 << QStringList{"q3"} << "menu time quotient remainder"
                                                << kRemainderPrompt << 17 << "13 ÷ 4 = ?";
    QTest::newRow("remainder, answered") << 1 << QStringList{"q3", "r1"} << "menu time next stop quotient remainder"
                                         << kNextPrompt << 12 << "13 ÷ 4 = ?";
    QTest::newRow("remainder, next") << 1 << QStringList{"q3", "r1", "next"} << "menu time quotient remainder"
                                     << kAnswerPrompt << 11 << "13 ÷ 4 = ?";
    QTest::newRow("restart after stop") << 1 << QStringList{"q3", "r1", "stop", "start"}
                                        << "menu time quotient remainder" << kRemainderPrompt << 11 << "13 ÷ 4 = ?";
}

void DivisionDrillTest::states()
{
    QFETCH(int, menuItem);
    QFETCH(QStringList, steps);
    QFETCH(QString, enabled);
    QFETCH(QString, prompt);
    QFETCH(int, cue);
    QFETCH(QString, problem);
    const QList<int> draws = menuItem == 0 ? QList<int>{5, 4} : QList<int>{2, 2, 0};
    DivisionDrill d(menuItem, draws + draws + draws);
    QVERIFY(d.actAll(steps));
    QCOMPARE(d.enabled(), enabled);
    QCOMPARE(TestProgram::prompt(d.s), prompt);
    QCOMPARE(d.t.cues.played.last(), cue);
    QCOMPARE(d.s->Label4->caption(), problem);
    QCOMPARE(d.s->Label3->caption(), QString());  // no problem number on this drill
    QCOMPARE(!d.s->DBGrid1->isHidden(), prompt == kGridPrompt);
}

void DivisionDrillTest::logRows_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("right");

    QTest::newRow("exact, right") << 0 << QList<int>{5, 4} << QStringList{"q4"} << QStringList{"1|　24 ÷ 6|4|4| ○|-|-"}
                                  << 1;
    QTest::newRow("exact, wrong") << 0 << QList<int>{5, 4} << QStringList{"q3"} << QStringList{"1|　24 ÷ 6|4|3| ×|-|-"}
                                  << 0;
    QTest::newRow("exact, dividing 0") << 0 << QList<int>{4, 0} << QStringList{"q0"}
                                       << QStringList{"1|　0 ÷ 5|0|0| ○|-|-"} << 1;
    QTest::newRow("exact, picked twice: two rows, counted once")
        << 0 << QList<int>{5, 4} << QStringList{"q4", "q4"}
        << QStringList{"1|　24 ÷ 6|4|4| ○|-|-", "1|　24 ÷ 6|4|4| ○|-|-"} << 1;
    QTest::newRow("remainder, right") << 1 << QList<int>{2, 2, 0} << QStringList{"q3", "r1"}
                                      << QStringList{"1|　13 ÷ 4|3|3| ○|1|1"} << 1;
    QTest::newRow("remainder, wrong remainder") << 1 << QList<int>{2, 2, 0} << QStringList{"q3", "r2"}
                                                << QStringList{"1|　13 ÷ 4|3|3| ×|1|2"} << 0;
    QTest::newRow("remainder, wrong quotient") << 1 << QList<int>{2, 2, 0} << QStringList{"q2", "r1"}
                                               << QStringList{"1|　13 ÷ 4|3|2| ×|1|1"} << 0;
    QTest::newRow("remainder first: no quotient") << 1 << QList<int>{2, 2, 0} << QStringList{"r1"}
                                                  << QStringList{"1|　13 ÷ 4|3|0| ×|1|1"} << 0;
    QTest::newRow("remainder, the quotient alone logs nothing") << 1 << QList<int>{2, 2, 0} << QStringList{"q3", "q4"}
                                                                << QStringList{} << 0;
    QTest::newRow("remainder, picked again") << 1 << QList<int>{2, 2, 0} << QStringList{"q3", "r2", "r1", "r1"}
                                             << QStringList{"1|　13 ÷ 4|3|3| ×|1|2", "1|　13 ÷ 4|3|3| ○|1|1",
                                                            "1|　13 ÷ 4|3|3| ○|1|1"}
                                             << 1;
    QTest::newRow("remainder, largest") << 1 << QList<int>{6, 7, 5} << QStringList{"q8", "r6"}
                                        << QStringList{"1|　70 ÷ 8|8|8| ○|6|6"} << 1;
    QTest::newRow("remainder, two problems") << 1 << QList<int>{0, 0, 0, 6, 7, 5}
                                             << QStringList{"q1", "r1", "next", "r6"}
                                             << QStringList{"1|　3 ÷ 2|1|1| ○|1|1", "2|　70 ÷ 8|8|0| ×|6|6"} << 1;
}

void DivisionDrillTest::logRows()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, rows);
    QFETCH(int, right);
    DivisionDrill d(menuItem, script);
    QVERIFY(d.actAll(steps));
    QCOMPARE(d.rows(), rows);
    QCOMPARE(LessonState.CorrectCount, right);
    // A problem can be left only once it is answered; the next starts with
    // an empty quotient slot.
    QCOMPARE(d.act(QStringLiteral("next")), !rows.isEmpty());
    if (!rows.isEmpty())
        QCOMPARE(LessonState.Entry4, 0);
}

void DivisionDrillTest::gridStandsClearOfTheResults_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("remainders");  // AMS and AMI as the grid shows them, row by row
    QTest::newRow("exact: remainder columns empty") << 0 << QList<int>{5, 4, 4, 0} << QStringList{"q4", "next", "q1"}
                                                    << QStringList{" ", " "};
    QTest::newRow("remainder: filled") << 1 << QList<int>{2, 2, 0, 6, 7, 5} << QStringList{"q3", "r1", "next", "q8", "r5"}
                                       << QStringList{"1 1", "6 5"};
}

// The seven columns in their order, the remainders beside the answers, empty
// on divisions without one; the grid covers none of the results.
void DivisionDrillTest::gridStandsClearOfTheResults()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, remainders);
    DivisionDrill d(menuItem, script);
    QVERIFY(d.actAll(steps + QStringList{"stop", "results"}));
    TDBGrid *grid = d.s->DBGrid1;
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->y(), 112);
    const QStringList titles{"Ｎｏ", "もんだい", "答え（正）", "あまり（正）", "答え", "あまり", "○×"};
    const QList<int> widths{40, 140, 90, 90, 90, 90, 40};
    QAbstractItemModel *m = grid->model();
    QCOMPARE(m->columnCount(), 7);
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), titles[c]);
        QCOMPARE(m->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(grid->columnWidth(c), widths[c]);
    }
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);  // every column whole
    QCOMPARE(m->rowCount(), remainders.size());
    for (int r = 0; r < m->rowCount(); ++r) {
        QCOMPARE(m->index(r, 0).data().toInt(), r + 1);
        QCOMPARE(m->index(r, 3).data().toString() + QLatin1Char(' ') + m->index(r, 5).data().toString(),
                 remainders[r]);
    }
    for (TLabel *l : {d.s->Label5, d.s->Label6, d.s->Label7, d.s->Label8}) {
        QVERIFY(!l->caption().isEmpty());
        QVERIFY2(!grid->geometry().intersects(l->geometry()), qPrintable(l->objectName()));
    }
    QCOMPARE(d.s->Label5->caption(), QStringLiteral("もんだい： 2"));
    QCOMPARE(TestProgram::layoutFault(d.s), QString());
}

// Start-up set the screen up once: a second visit finds the results, the
// buttons and the prompt as they were left.
void DivisionDrillTest::secondVisitFindsItAsLeft()
{
    DivisionDrill d(1, {2, 2, 0});
    QVERIFY(d.actAll({"q3", "r1", "stop", "results"}));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton2")));
    QVERIFY(d.s->isHidden());
    d.t.cues.clear();
    QCOMPARE(d.t.open(23), d.s);
    QVERIFY(d.t.cues.played.isEmpty());
    QCOMPARE(TestProgram::prompt(d.s), kGridPrompt);
    QVERIFY(d.s->DBGrid1->isVisible());
    QCOMPARE(d.s->Label7->caption(), QStringLiteral("せいせき： 100 てん"));
    QCOMPARE(d.enabled(), QStringLiteral("menu time start results quotient remainder"));
    // A time may be picked at once: the time list stays open.
    QVERIFY(d.s->ComboBox2->pick(2));
    QCOMPARE(TestProgram::prompt(d.s), kStartPrompt);
    QCOMPARE(d.s->TimeLimit, 600);
    QVERIFY(d.s->DBGrid1->isHidden());
    QCOMPARE(d.s->Label7->caption(), QString());
}

// A drill left ready on "あまり なし" poses exact divisions after a visit to
// another division lesson whose menu pick moved the shared menu choice on.
void DivisionDrillTest::problemsFollowThisScreensMenu()
{
    DivisionDrill d;
    QVERIFY(d.s->ComboBox1->pick(0));
    QVERIFY(d.s->ComboBox2->pick(0));
    QCOMPARE(LessonState.MenuChoice, 1);
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton2")));
    TScreen *other = d.t.open(22);
    QVERIFY(TestProgram::pick(other, QStringLiteral("ComboBox1"), 1));
    QCOMPARE(LessonState.MenuChoice, 2);
    QVERIFY(TestProgram::click(other, QStringLiteral("CuteButton2")));

    QCOMPARE(d.t.open(23), d.s);
    d.t.random.script({5, 4});
    QVERIFY(d.act(QStringLiteral("start")));
    QCOMPARE(d.s->Label4->caption(), QStringLiteral("24 ÷ 6 = ?"));
    QCOMPARE(TestProgram::prompt(d.s), kExactPrompt);
    QCOMPARE(d.enabled(), QStringLiteral("menu time quotient"));
    QVERIFY(d.act(QStringLiteral("q4")));
    QCOMPARE(d.rows(), QStringList{"1|　24 ÷ 6|4|4| ○|-|-"});
}

QTEST_MAIN(DivisionDrillTest)
#include "tst_divisiondrill.moc"
