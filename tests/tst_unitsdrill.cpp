// The units drill (TForm13): its draws per kind (the lessons' own
// calculations), the places each answer opens and closes at, the log rows
// in "dorills" with their units as another program reads them (and
// "dorill" left alone), its grid, where its handlers differ from the other
// drills, and a problem read and logged by the kind it was drawn as. The
// frame's rules on it are in tst_drillrules.
#include "lessons/units/drill.h"
#include "lessons/units/length.h"
#include "drivers.h"

#include <QScrollBar>
#include <QtTest>

namespace {
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");
const QString kLitres = QStringLiteral("l は千の位で、dl は 百の位で こたえてね！");
const QString kBigFirst = QStringLiteral("大きな位から じゅんに こたえてね！");
const QString kKm = QStringLiteral("km は千の位で、m は 百～一の位で こたえてね！");
const QString kKg = QStringLiteral("kg は千の位で、g は 百～一の位で こたえてね！");
const QString kHours = QStringLiteral("時 は百の位で、分 は 十と一の位で こたえてね！");
const QString kUnitsLog = QStringLiteral("select NB, MND, KAI, KOT, HNT from dorills order by rowid");

// The second line of a length or weight problem: 22 half-width spaces first.
QString under(const char *rest)
{
    return QString(22, QLatin1Char(' ')) + QString::fromUtf8(rest);
}

// The drill opened from the contents, with its menu item and time picked
// and "スタート" pressed on the scripted first problem.
struct UnitsDrill : DrillDriver {
    explicit UnitsDrill(int menuItem = -1, const QList<int> &draws = {}, int timeItem = 0) : DrillDriver(13, true)
    {
        if (menuItem >= 0)
            start(menuItem, draws, timeItem);
    }
    TForm13 *s = screen<TForm13>();

    // Picks such as "100:3" (the hundreds, digit 3), in order; false when a
    // picker is shut.
    bool picks(const QStringList &steps)
    {
        static const QHash<QString, QString> pickers{
            {"1000", "ComboBox6"}, {"100", "ComboBox5"}, {"10", "ComboBox4"}, {"1", "ComboBox3"}};
        for (const QString &step : steps)
            if (!act(pickers.value(step.section(QLatin1Char(':'), 0, 0)) + QLatin1Char(':') +
                     step.section(QLatin1Char(':'), 1)))
                return false;
        return true;
    }

    QList<QVariantList> rows(const QString &sql = kUnitsLog) const
    {
        return TestProgram::storedRows(t.dataDir.path(), sql);
    }

    QString enabled() const
    {
        return DrillDriver::enabled({{"ComboBox6", "1000"}, {"ComboBox5", "100"}, {"ComboBox4", "10"}, {"ComboBox3", "1"}});
    }
};
}  // namespace

class UnitsDrillTest : public QObject {
    Q_OBJECT
private slots:
    void draws_data();
    void draws();
    void designedScreen();
    void answersAndLogRows_data();
    void answersAndLogRows();
    void theOtherLogIsLeftAlone();
    void showResetsTheCountAndOpensTheMenu();
    void menuPickKeepsTheDrillGoing();
    void problemKeepsItsKind_data();
    void problemKeepsItsKind();
    void nextStaysOpenAndSkips();
    void grid();
};

// ---------------------------------------------------------------- draws

void UnitsDrillTest::draws_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("asked");  // the n of each R(n), in order
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("places");  // the places the answer uses, from the thousands down

    QTest::newRow("volume, litres and decilitres") << 1 << QList<int>{0, 2, 1, 7, 4} << QList<int>{9, 8, 8, 8, 8} << 0
                                                   << "3 l  8 dl + 2 l  5 dl = ? l  ? dl " << 6300 << kLitres
                                                   << "1000 100";
    QTest::newRow("volume, a borrow of a litre") << 1 << QList<int>{5, 2, 0, 0, 7} << QList<int>{9, 6, 6, 8, 8} << 5
                                                 << "5 l  1 dl - 1 l  8 dl = ? l  ? dl " << 3300 << kLitres
                                                 << "1000 100";
    QTest::newRow("volume, millilitres") << 1 << QList<int>{3, 7, 7} << QList<int>{9, 8, 8} << 3
                                         << "800 ml + 800 ml = ? ml" << 1600 << kBigFirst << "1000 100 10 1";
    QTest::newRow("volume, millilitres taken") << 1 << QList<int>{8, 6, 0} << QList<int>{9, 7, 7} << 8
                                               << "800 ml - 100 ml = ? ml" << 700 << kBigFirst << "1000 100 10 1";
    QTest::newRow("length, a plain number carrying 8")
        << 2 << QList<int>{3, 0, 789, 97} << QList<int>{9, 8, 880, 98} << 3
        << QStringLiteral("1 km  980 m + 7990 m\r") + under("= ? km  ? m") << 9970 << kKm << "1000 100 10 1";
    QTest::newRow("time, a sum") << 3 << QList<int>{0, 0, 1, 3} << QList<int>{9, 8, 4, 4} << 0
                                 << "1 時  20 分 + 40 分 = ? 時  ? 分 " << 120 << kHours << "100 10 1";
    QTest::newRow("time, a difference") << 3 << QList<int>{5, 0, 0, 3} << QList<int>{9, 7, 4, 4} << 5
                                        << "2 時  10 分 - 40 分 = ? 時  ? 分" << 90 << kHours << "100 10 1";
    QTest::newRow("weight, a plain number taken")
        << 4 << QList<int>{8, 0, 0, 97} << QList<int>{9, 7, 98, 98} << 8
        << QStringLiteral("2 kg  10 g - 980 g \r") + under("= ? kg  ? g") << 1030 << kKg << "1000 100 10 1";
}

// Each menu item draws as its lesson's "計算" draws, reseeding once.
void UnitsDrillTest::draws()
{
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, asked);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, answer);
    QFETCH(QString, prompt);
    QFETCH(QString, places);
    FakeRandom random;
    random.script(script);
    UnitsDrillProblem p;
    QVERIFY(DrawUnitsDrill(menu, random, p));
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.asked, asked);
    QCOMPARE(p.menu, menu);
    QCOMPARE(p.problem.kind, kind);
    QCOMPARE(p.problem.text, text);
    QCOMPARE(p.problem.answer, answer);
    QCOMPARE(p.problem.testPrompt, prompt);
    QStringList used;
    const char *names[] = {"1", "10", "100", "1000"};
    for (int place = Thousands; place >= Ones; --place)
        if (p.uses(place))
            used << QLatin1String(names[place]);
    QCOMPARE(used.join(QLatin1Char(' ')), places);
    QVERIFY(!DrawUnitsDrill(0, random, p));
    QVERIFY(!DrawUnitsDrill(5, random, p));
}

void UnitsDrillTest::designedScreen()
{
    UnitsDrill d;
    QVERIFY(d.s);
    QCOMPARE(d.s->Label1->caption(), QStringLiteral("たんいのある計算のドリル"));
    QCOMPARE(d.s->ComboBox1->text(), QStringLiteral("メニュー"));
    QCOMPARE(d.s->ComboBox1->items(), (QStringList{"   かさ", "   長さ", "   時間", "   重さ"}));
    QCOMPARE(d.s->ComboBox2->text(), QStringLiteral("　時間"));
    QCOMPARE(d.s->ComboBox2->items(), (QStringList{"　なし", "　５分", "１０分", "１５分"}));
    const QStringList places{"千", "百", "十", "一"};
    TComboBox *pickers[] = {d.s->ComboBox6, d.s->ComboBox5, d.s->ComboBox4, d.s->ComboBox3};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pickers[i]->text(), places[i]);
        QCOMPARE(pickers[i]->items(), TComboBox::digits());
        QVERIFY(!pickers[i]->isHidden());
        if (i > 0)  // side by side, the thousands at the left
            QVERIFY(pickers[i - 1]->geometry().right() < pickers[i]->x());
    }
    QCOMPARE(d.s->Timer2->interval(), 1000);
    QCOMPARE(d.enabled(), QStringLiteral("menu"));
    QCOMPARE(TestProgram::prompt(d.s), QStringLiteral("「メニュー」をえらんでね！"));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton1")));
    QCOMPARE(d.t.dialogs.asked.last().text, QStringLiteral("おわってもいいの？"));

    // Start-up creates it between weight and the hidden numbers.
    const QList<int> forms = d.t.program->forms();
    QCOMPARE(forms.indexOf(13), forms.indexOf(12) + 1);
    QCOMPARE(forms.indexOf(14), forms.indexOf(13) + 1);
}

// ---------------------------------------------------------------- answers

void UnitsDrillTest::answersAndLogRows_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("line");     // Label4
    QTest::addColumn<QString>("prompt");   // Label2 while answering
    QTest::addColumn<QString>("open");     // pickers open while answering
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<int>("given");
    QTest::addColumn<QVariantList>("row");

    const QList<int> litres{0, 2, 1, 7, 4};  // 3 l 8 dl + 2 l 5 dl
    const QString litresLine = QStringLiteral("3 l  8 dl + 2 l  5 dl = ? l  ? dl ");
    const QString litresMnd = QStringLiteral("　3 l  8 dl + 2 l  5 dl");
    QTest::newRow("litres, closed at the hundreds")
        << 0 << litres << litresLine << kLitres << "menu 1000 100" << QStringList{"1000:6", "100:3"} << 6300
        << QVariantList{1, litresMnd, "　6 l  3 dl ", "　6 l 3 dl", " ○"};
    QTest::newRow("litres, wrong decilitres")
        << 0 << litres << litresLine << kLitres << "menu 1000 100" << QStringList{"1000:6", "100:2"} << 6200
        << QVariantList{1, litresMnd, "　6 l  3 dl ", "　6 l 2 dl", " ×"};
    QTest::newRow("litres, the hundreds alone")
        << 0 << litres << litresLine << kLitres << "menu 1000 100" << QStringList{"100:3"} << 300
        << QVariantList{1, litresMnd, "　6 l  3 dl ", "　0 l 3 dl", " ×"};
    QTest::newRow("millilitres in four places")
        << 0 << QList<int>{3, 7, 7} << "800 ml + 800 ml = ? ml" << kBigFirst << "menu 1000 100 10 1"
        << QStringList{"1000:1", "100:6", "10:0", "1:0"} << 1600
        << QVariantList{1, "　800 ml + 800 ml", "　1600 ml", "　1600 ml ", " ○"};
    QTest::newRow("millilitres taken, wrong") << 0 << QList<int>{8, 6, 0} << "800 ml - 100 ml = ? ml" << kBigFirst
                                              << "menu 1000 100 10 1" << QStringList{"100:6", "10:0", "1:1"} << 601
                                              << QVariantList{1, "　800 ml - 100 ml", "　700 ml", "　601 ml ", " ×"};
    QTest::newRow("length, the first line only")
        << 1 << QList<int>{3, 0, 789, 97} << QStringLiteral("1 km  980 m + 7990 m\r") + under("= ? km  ? m") << kKm
        << "menu 1000 100 10 1" << QStringList{"1000:9", "100:9", "10:7", "1:0"} << 9970
        << QVariantList{1, "　1 km  980 m + 7990 m", "　9 km  970 m ", "　9 km 970 m", " ○"};
    QTest::newRow("length, both units, no trailing space")
        << 1 << QList<int>{0, 1, 2, 44, 31} << QStringLiteral("2 km  450 m + 3 km  320 m \r") + under("= ? km  ? m ")
        << kKm << "menu 1000 100 10 1" << QStringList{"1000:5", "100:7", "10:6", "1:0"} << 5760
        << QVariantList{1, "　2 km  450 m + 3 km  320 m", "　5 km  770 m ", "　5 km 760 m", " ×"};
    QTest::newRow("length, a plain number taken")
        << 1 << QList<int>{8, 0, 0, 97} << QStringLiteral("2 km  10 m - 980 m \r") + under("= ? km  ? m") << kKm
        << "menu 1000 100 10 1" << QStringList{"1000:1", "100:0", "10:3", "1:0"} << 1030
        << QVariantList{1, "　2 km  10 m - 980 m", "　1 km  30 m ", "　1 km 30 m", " ○"};
    const QList<int> time{0, 0, 1, 3};  // 1 時 20 分 + 40 分
    const QString timeLine = QStringLiteral("1 時  20 分 + 40 分 = ? 時  ? 分 ");
    QTest::newRow("time, 2 0 0") << 2 << time << timeLine << kHours << "menu 100 10 1"
                                 << QStringList{"100:2", "10:0", "1:0"} << 120
                                 << QVariantList{1, "　1 時  20 分 + 40 分", "　2 時  0 分 ", "　2 時 0 分", " ○"};
    QTest::newRow("time, 1 6 0 counts in sixties") << 2 << time << timeLine << kHours << "menu 100 10 1"
                                                   << QStringList{"100:1", "10:6", "1:0"} << 120
                                                   << QVariantList{1, "　1 時  20 分 + 40 分", "　2 時  0 分 ",
                                                                   "　2 時 0 分", " ○"};
    QTest::newRow("time, an hour short") << 2 << time << timeLine << kHours << "menu 100 10 1"
                                         << QStringList{"100:1", "10:2", "1:0"} << 80
                                         << QVariantList{1, "　1 時  20 分 + 40 分", "　2 時  0 分 ", "　1 時 20 分", " ×"};
    QTest::newRow("weight, a borrow")
        << 3 << QList<int>{5, 2, 1, 9, 44} << QStringLiteral("5 kg  100 g - 2 kg  450 g \r") + under("= ? kg  ? g ")
        << kKg << "menu 1000 100 10 1" << QStringList{"1000:2", "100:6", "10:5", "1:0"} << 2650
        << QVariantList{1, "　5 kg  100 g - 2 kg  450 g", "　2 kg  650 g ", "　2 kg 650 g", " ○"};
}

// Each kind poses its problem with its own prompt and open places, and its
// answer goes to "dorills" as texts with units; nothing is marked on screen.
void UnitsDrillTest::answersAndLogRows()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, script);
    QFETCH(QString, line);
    QFETCH(QString, prompt);
    QFETCH(QString, open);
    QFETCH(QStringList, picks);
    QFETCH(int, given);
    QFETCH(QVariantList, row);
    UnitsDrill d(menuItem, script);
    QCOMPARE(d.s->Label3->caption(), QStringLiteral("もんだい：1"));
    QCOMPARE(d.s->Label4->caption(), line);
    QCOMPARE(TestProgram::prompt(d.s), prompt);
    QVERIFY(d.s->Timer2->isActive());
    QCOMPARE(d.enabled(), open);
    QCOMPARE(d.s->property("ProblemKind").toInt(), script.first());
    QCOMPARE(d.t.cues.opened.mid(d.t.cues.opened.size() - 2), (QList<int>{12, 11}));

    d.t.cues.clear();
    QVERIFY(d.picks(picks));
    QCOMPARE(LessonState.GivenAnswer, given);
    QCOMPARE(d.rows(), QList<QVariantList>{row});
    const QList<QVariantList> types = d.rows(
        QStringLiteral("select typeof(NB), typeof(MND), typeof(KAI), typeof(KOT), typeof(HNT) from dorills"));
    QCOMPARE(types.value(0), (QVariantList{"integer", "text", "text", "text", "text"}));
    QCOMPARE(d.s->Label4->caption(), line);
    QCOMPARE(d.t.cues.played.last(), 12);
    QCOMPARE(d.t.cues.played.count(17), picks.size() - 1);  // every pick before the closing one
    QCOMPARE(TestProgram::prompt(d.s), kNextPrompt);
    QCOMPARE(LessonState.CorrectCount, row[4] == QStringLiteral(" ○") ? 1 : 0);
    QCOMPARE(d.enabled(), open.replace(QLatin1String("menu"), QLatin1String("menu next stop")));
}

// Each drill keeps its own table: the units drill writes and empties only
// "dorills", the others only "dorill".
void UnitsDrillTest::theOtherLogIsLeftAlone()
{
    UnitsDrill d;
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton2")));
    auto *column = qobject_cast<TDrillScreen *>(d.t.open(8));
    d.t.random.script({7, 50, 386});  // 950 + 487
    column->ComboBox1->pick(0);
    column->ComboBox2->pick(0);
    QVERIFY(TestProgram::click(column, QStringLiteral("CuteButton3")));
    for (const char *step : {"ComboBox6:1", "ComboBox5:4", "ComboBox4:3", "ComboBox3:7"})
        QVERIFY(TestProgram::pick(column, QString::fromLatin1(step).section(':', 0, 0),
                                  QString::fromLatin1(step).section(':', 1).toInt()));
    QVERIFY(TestProgram::click(column, QStringLiteral("CuteButton2")));
    const QList<QVariantList> columnRows = TestProgram::storedRows(d.t.dataDir.path());
    QCOMPARE(columnRows, (QList<QVariantList>{{1, "　950 + 487", 1437, 1437, " ○"}}));

    for (int run = 0; run < 2; ++run) {  // a second start empties dorills again
        QCOMPARE(d.t.open(13), d.s);
        d.t.random.script({0, 0, 1, 3});
        d.s->ComboBox1->pick(2);
        d.s->ComboBox2->pick(0);
        QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton3")));
        QVERIFY(d.picks({"100:2", "10:0", "1:0"}));
        QCOMPARE(d.rows().size(), 1);
        QCOMPARE(TestProgram::storedRows(d.t.dataDir.path()), columnRows);
        QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton2")));
    }

    // And the column drill's start leaves the units log.
    QCOMPARE(d.t.open(8), column);
    column->ComboBox1->pick(0);
    column->ComboBox2->pick(0);
    QVERIFY(TestProgram::click(column, QStringLiteral("CuteButton3")));
    QVERIFY(TestProgram::storedRows(d.t.dataDir.path()).isEmpty());
    QCOMPARE(d.rows().size(), 1);
}

// ---------------------------------------------------------------- the frame

// Showing the screen zeroes the count, whatever another drill left, and
// makes sure the menu can be used.
void UnitsDrillTest::showResetsTheCountAndOpensTheMenu()
{
    UnitsDrill d(0, {0, 2, 1, 7, 4});
    QVERIFY(d.picks({"1000:6", "100:3"}));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton2")));
    LessonState.ProblemNo = 7;
    LessonState.CorrectCount = 7;
    d.s->ComboBox1->setEnabled(false);
    d.t.cues.clear();
    QCOMPARE(d.t.open(13), d.s);
    QCOMPARE(LessonState.ProblemNo, 0);
    QCOMPARE(LessonState.CorrectCount, 0);
    QCOMPARE(d.enabled(), QStringLiteral("menu"));
    QCOMPARE(TestProgram::prompt(d.s), QStringLiteral("「メニュー」をえらんでね！"));
    QVERIFY(d.s->Timer2->isActive());
    QCOMPARE(d.t.cues.played, QList<int>{12});
    QCOMPARE(d.s->Label4->caption(), QString());
    // The problem that was on screen is gone: a pick marks nothing.
    QMetaObject::invokeMethod(d.s, "ComboBox5Change");
    QMetaObject::invokeMethod(d.s, "ComboBox3Change");
    QCOMPARE(d.rows().size(), 1);
}

// A menu pick mid-drill only opens the time list: the problem, its pickers,
// the count and the clock stay; the next problem is of the new kind, posed
// with its own prompt and no new blink.
void UnitsDrillTest::menuPickKeepsTheDrillGoing()
{
    UnitsDrill d(0, {0, 2, 1, 7, 4}, 1);
    QVERIFY(d.s->Timer3->isActive());
    d.t.cues.clear();
    QVERIFY(d.s->ComboBox1->pick(2));  // "   時間"
    QCOMPARE(LessonState.MenuChoice, 3);
    QCOMPARE(d.s->Label3->caption(), QStringLiteral("もんだい：1"));
    QCOMPARE(d.s->Label4->caption(), QStringLiteral("3 l  8 dl + 2 l  5 dl = ? l  ? dl "));
    QCOMPARE(d.enabled(), QStringLiteral("menu time 1000 100"));
    QCOMPARE(TestProgram::prompt(d.s), QStringLiteral("「時間」をえらんでね！"));
    QVERIFY(d.s->Timer2->isActive());
    QCOMPARE(d.t.cues.played, QList<int>{12});
    QVERIFY(d.s->Timer3->isActive());

    QVERIFY(d.picks({"1000:6", "100:3"}));
    QCOMPARE(d.rows().size(), 1);
    d.s->Timer2->stop();
    d.t.cues.clear();
    d.t.random.script({0, 0, 1, 3});
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton4")));
    QCOMPARE(d.s->Label3->caption(), QStringLiteral("もんだい：2"));
    QCOMPARE(d.s->Label4->caption(), QStringLiteral("1 時  20 分 + 40 分 = ? 時  ? 分 "));
    QCOMPARE(TestProgram::prompt(d.s), kHours);
    QVERIFY(!d.s->Timer2->isActive());
    QCOMPARE(d.t.cues.played, QList<int>{11});
    QCOMPARE(d.enabled(), QStringLiteral("menu time next stop 100 10 1"));
    QCOMPARE(d.s->ComboBox5->itemIndex(), -1);
    QCOMPARE(d.s->ComboBox5->text(), QStringLiteral("百"));
    QCOMPARE(LessonState.Entry2, 0);  // the litres picked before count for nothing now
    QVERIFY(d.picks({"100:2", "10:0", "1:0"}));
    QCOMPARE(d.rows().value(1), (QVariantList{2, "　1 時  20 分 + 40 分", "　2 時  0 分 ", "　2 時 0 分", " ○"}));
    QCOMPARE(LessonState.CorrectCount, 2);
}

void UnitsDrillTest::problemKeepsItsKind_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<int>("newItem");  // picked while the problem is on screen
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QVariantList>("row");
    QTest::newRow("litres, then length: still closed at the hundreds")
        << 0 << QList<int>{0, 2, 1, 7, 4} << 1 << QStringList{"1000:6", "100:3"}
        << QVariantList{1, "　3 l  8 dl + 2 l  5 dl", "　6 l  3 dl ", "　6 l 3 dl", " ○"};
    QTest::newRow("time, then length: still read in sixties")
        << 2 << QList<int>{0, 0, 1, 3} << 1 << QStringList{"100:2", "10:0", "1:0"}
        << QVariantList{1, "　1 時  20 分 + 40 分", "　2 時  0 分 ", "　2 時 0 分", " ○"};
    QTest::newRow("length, then time: still read in thousands")
        << 1 << QList<int>{0, 1, 2, 44, 31} << 2 << QStringList{"1000:5", "100:7", "10:7", "1:0"}
        << QVariantList{1, "　2 km  450 m + 3 km  320 m", "　5 km  770 m ", "　5 km 770 m", " ○"};
    QTest::newRow("millilitres, then volume again")
        << 0 << QList<int>{3, 7, 7} << 0 << QStringList{"1000:1", "100:6", "10:0", "1:0"}
        << QVariantList{1, "　800 ml + 800 ml", "　1600 ml", "　1600 ml ", " ○"};
}

// A problem is answered, marked and logged by the kind it was drawn as,
// whatever menu item is picked while it stands on screen.
void UnitsDrillTest::problemKeepsItsKind()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, script);
    QFETCH(int, newItem);
    QFETCH(QStringList, picks);
    QFETCH(QVariantList, row);
    UnitsDrill d(menuItem, script);
    QVERIFY(d.s->ComboBox1->pick(newItem));
    QVERIFY(d.picks(picks));
    QCOMPARE(d.rows(), QList<QVariantList>{row});
    QCOMPARE(LessonState.CorrectCount, 1);
}

// "つぎへ" stays open once an answer is given, so a problem may be skipped:
// it counts as posed, with no row. Picking the closing digit again logs
// another row; the problem counts as right once.
void UnitsDrillTest::nextStaysOpenAndSkips()
{
    UnitsDrill d(1, {0, 1, 2, 44, 31});
    QVERIFY(!d.s->CuteButton4->isEnabled());
    QVERIFY(d.picks({"1000:5", "100:7", "10:7", "1:0", "1:0"}));
    QCOMPARE(d.rows().size(), 2);
    QCOMPARE(LessonState.CorrectCount, 1);
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton4")));
    QVERIFY(d.s->CuteButton4->isEnabled());
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton4")));
    QCOMPARE(d.s->Label3->caption(), QStringLiteral("もんだい：3"));
    QCOMPARE(d.rows().size(), 2);
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton5")));
    QCOMPARE(d.s->Label5->caption(), QStringLiteral("もんだい： 3"));
    QCOMPARE(d.s->Label6->caption(), QStringLiteral("○のかず： 1"));
    QCOMPARE(d.s->Label7->caption(), QStringLiteral("せいせき： 33 てん"));
    QCOMPARE(d.t.cues.played.last(), 19);
}

void UnitsDrillTest::grid()
{
    UnitsDrill d(1, {3, 0, 789, 97});
    QVERIFY(d.picks({"1000:9", "100:9", "10:7", "1:0"}));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton5")));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton6")));
    TDBGrid *grid = d.s->DBGrid1;
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->y(), 112);
    QAbstractItemModel *m = grid->model();
    const QStringList titles{"Ｎｏ", "もんだい", "せいかい", "こたえ", "○×"};
    const int widths[] = {40, 270, 150, 150, 40};
    QCOMPARE(m->columnCount(), 5);
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), titles[c]);
        QCOMPARE(grid->columnWidth(c), widths[c]);
    }
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(m->index(0, 1).data().toString(), QStringLiteral("　1 km  980 m + 7990 m"));
    QCOMPARE(m->index(0, 2).data().toString(), QStringLiteral("　9 km  970 m "));
    QCOMPARE(m->index(0, 3).data().toString(), QStringLiteral("　9 km 970 m"));
    QCoreApplication::processEvents();
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);  // every column whole
    QVERIFY(grid->geometry().right() < d.s->CuteButton3->x());
}

QTEST_MAIN(UnitsDrillTest)
#include "tst_unitsdrill.moc"
