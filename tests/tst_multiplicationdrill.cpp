// The multiplication drill (TForm20): its draws at the ends of their ranges
// and the fall-back, the screen's texts and six pickers, answers through all
// six places and their log rows, the time list that only a menu item opens,
// and the rule that a problem is answered before the next one comes. The
// frame's rules on it are in tst_drillrules.
#include "lessons/multiplication/drill.h"
#include "drivers.h"

#include <QtTest>

namespace {
const QString kAnswerPrompt = QStringLiteral("こたえは、大きい「くらい」からじゅんにえらんでね！");
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");

// The drill opened from the contents, with its menu item and time picked
// and "スタート" pressed on the scripted first problem.
struct MultiplicationDrill : DrillDriver {
    explicit MultiplicationDrill(int menuItem = -1, const QList<int> &draws = {}, int timeItem = 0)
        : DrillDriver(20)
    {
        if (menuItem >= 0)
            start(menuItem, draws, timeItem);
    }
    TForm20 *s = screen<TForm20>();

    // Picks the answer's places from the hundred-thousands down; places
    // above the answer's highest digit are left unpicked.
    void answer(int value) { QVERIFY(DrillDriver::answer(value)); }
    bool click(const char *button) { return TestProgram::click(s, QLatin1String(button)); }

    QString enabled() const { return DrillDriver::enabled({{"ComboBox8", "pickers"}}); }
};
}  // namespace

class MultiplicationDrillTest : public QObject {
    Q_OBJECT
private slots:
    void draws_data();
    void draws();
    void designedScreen();
    void timeListOpensWithTheMenu();
    void answersAndLogRows_data();
    void answersAndLogRows();
    void noProblemIsSkipped();
};

void MultiplicationDrillTest::draws_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<int>>("asked");  // the n of each R(n), in order

    QTest::newRow("1: one digit x tens, smallest") << 1 << QList<int>{0, 0, 0} << "2 x 20" << 40 << QList<int>{9, 7, 7};
    QTest::newRow("1: one digit x tens, largest") << 1 << QList<int>{2, 6, 6} << "8 x 80" << 640 << QList<int>{9, 7, 7};
    QTest::newRow("1: one digit x hundreds") << 1 << QList<int>{3, 0, 0} << "2 x 200" << 400 << QList<int>{9, 7, 7};
    QTest::newRow("1: one digit x hundreds, largest") << 1 << QList<int>{4, 6, 6} << "8 x 800" << 6400
                                                      << QList<int>{9, 7, 7};
    QTest::newRow("1: tens x tens") << 1 << QList<int>{5, 0, 0} << "20 x 20" << 400 << QList<int>{9, 7, 7};
    QTest::newRow("1: tens x tens, largest") << 1 << QList<int>{7, 6, 6} << "80 x 80" << 6400 << QList<int>{9, 7, 7};
    QTest::newRow("1: tens x hundreds, the largest product") << 1 << QList<int>{8, 6, 6} << "80 x 800" << 64000
                                                             << QList<int>{9, 7, 7};
    QTest::newRow("2: two places x tens") << 2 << QList<int>{0, 0, 0} << "11 x 20" << 220 << QList<int>{9, 88, 7};
    QTest::newRow("2: two places x tens, largest") << 2 << QList<int>{2, 87, 6} << "98 x 80" << 7840
                                                   << QList<int>{9, 88, 7};
    QTest::newRow("2: three places x tens") << 2 << QList<int>{3, 0, 0} << "111 x 20" << 2220 << QList<int>{9, 888, 7};
    QTest::newRow("2: three places x tens, largest") << 2 << QList<int>{4, 887, 6} << "998 x 80" << 79840
                                                     << QList<int>{9, 888, 7};
    QTest::newRow("2: two places x hundreds") << 2 << QList<int>{5, 0, 0} << "11 x 200" << 2200
                                              << QList<int>{9, 88, 7};
    QTest::newRow("2: two places x hundreds, largest") << 2 << QList<int>{7, 87, 6} << "98 x 800" << 78400
                                                       << QList<int>{9, 88, 7};
    QTest::newRow("2: three places x hundreds, the largest product") << 2 << QList<int>{8, 887, 6} << "998 x 800"
                                                                     << 798400 << QList<int>{9, 888, 7};
    QTest::newRow("3: smallest") << 3 << QList<int>{0, 0, 0} << "11 x 11" << 121 << QList<int>{9, 88, 88};
    QTest::newRow("3: largest") << 3 << QList<int>{8, 87, 87} << "98 x 98" << 9604 << QList<int>{9, 88, 88};
    QTest::newRow("3: 25 x 40 ends in 0, drawn again") << 3 << QList<int>{0, 14, 29, 12, 34} << "23 x 45" << 1035
                                                       << QList<int>{9, 88, 88, 88, 88};
    QTest::newRow("3: a thousand products ending in 0, the fall-back")
        << 3 << (QList<int>{0} + repeated({4, 1}, 1000)) << "23 x 45" << 1035 << QList<int>{9, 88, 88};
}

// Each item reseeds once and rolls the form first; the multiplicand is drawn
// before the multiplier.
void MultiplicationDrillTest::draws()
{
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(QString, problem);
    QFETCH(int, answer);
    QFETCH(QList<int>, asked);
    FakeRandom random;
    random.script(script);
    ColumnProduct p;
    QVERIFY(DrawMultiplicationDrill(menu, random, p));
    QCOMPARE(p.text(), problem);
    QCOMPARE(p.answer(), answer);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(random.asked.mid(0, asked.size()), asked);
    QCOMPARE(p.line(), problem + QStringLiteral(" = ?"));
    QVERIFY(!DrawMultiplicationDrill(0, random, p));
    QVERIFY(!DrawMultiplicationDrill(4, random, p));
}

void MultiplicationDrillTest::designedScreen()
{
    MultiplicationDrill d;
    QVERIFY(d.s);
    QCOMPARE(d.s->Label1->caption(), QStringLiteral("かけ算のドリル"));
    QCOMPARE(d.s->ComboBox1->text(), QStringLiteral("　       メニュー"));
    QCOMPARE(d.s->ComboBox1->items(), (QStringList{"1～4 けた x 1 けた", "1～2 けた x 何十,何百", "２ けた x ２ けた"}));
    QCOMPARE(d.s->ComboBox2->text(), QStringLiteral("  じかん"));
    QCOMPARE(d.s->ComboBox2->items(), (QStringList{"　　なし", "　５ふん", "１０ぷん", "１５ふん"}));
    const QStringList places{"十", "万", "千", "百", "十", "一"};
    TComboBox *pickers[] = {d.s->ComboBox8, d.s->ComboBox7, d.s->ComboBox6, d.s->ComboBox5, d.s->ComboBox4,
                            d.s->ComboBox3};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(pickers[i]->text(), places[i]);
        QCOMPARE(pickers[i]->items(), TComboBox::digits());
        QVERIFY(!pickers[i]->isEnabled());
        if (i > 0)  // side by side, the hundred-thousands at the left
            QVERIFY(pickers[i - 1]->geometry().right() < pickers[i]->x());
    }
    const QList<std::pair<QString, int>> columns{{"Ｎｏ", 40}, {"もんだい", 140}, {"せいかい", 100}, {"こたえ", 100}, {"○×", 40}};
    QCOMPARE(d.s->DBGrid1->columns().size(), columns.size());
    for (int i = 0; i < columns.size(); ++i) {
        QCOMPARE(d.s->DBGrid1->columns()[i].title, columns[i].first);
        QCOMPARE(d.s->DBGrid1->columns()[i].width, columns[i].second);
    }
    QCOMPARE(d.s->Timer2->interval(), 1000);
    QCOMPARE(d.enabled(), QStringLiteral("menu"));
    QCOMPARE(TestProgram::prompt(d.s), QStringLiteral("「メニュー」をえらんでね！"));
    QCOMPARE(d.t.cues.opened.last(), 12);
    QVERIFY(d.click("CuteButton1"));
    QCOMPARE(d.t.dialogs.asked.last().text, QStringLiteral("おわってもいいの？"));
}

// The time list opens with a menu pick and stays open: a time may be picked
// again at any moment; showing the screen again shuts it.
void MultiplicationDrillTest::timeListOpensWithTheMenu()
{
    MultiplicationDrill d;
    QVERIFY(!d.s->ComboBox2->pick(1));
    QVERIFY(d.s->ComboBox1->pick(0));
    QCOMPARE(LessonState.MenuChoice, 1);
    QCOMPARE(d.enabled(), QStringLiteral("menu time"));
    QCOMPARE(TestProgram::prompt(d.s), QStringLiteral("「じかん」をえらんでね！"));
    QCOMPARE(d.t.cues.opened.last(), 17);
    QVERIFY(d.s->ComboBox2->pick(2));
    QCOMPARE(d.s->TimeLimit, 600);
    QCOMPARE(d.enabled(), QStringLiteral("menu time start"));
    QCOMPARE(TestProgram::prompt(d.s), QStringLiteral("「スタート」ボタンをおしてね！"));
    QVERIFY(d.s->ComboBox2->pick(0));
    QCOMPARE(d.s->TimeLimit, 0);
    d.t.random.script({0, 0, 0});
    QVERIFY(d.click("CuteButton3"));
    QCOMPARE(d.enabled(), QStringLiteral("menu time pickers"));
    QVERIFY(d.s->ComboBox2->pick(3));  // in the middle of a drill
    QCOMPARE(d.s->TimeLimit, 900);
    QCOMPARE(d.enabled(), QStringLiteral("menu time start"));
    QVERIFY(d.click("CuteButton2"));
    QCOMPARE(d.t.open(20), d.s);
    QCOMPARE(d.enabled(), QStringLiteral("menu"));
}

void MultiplicationDrillTest::answersAndLogRows_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("given");
    QTest::addColumn<QVariantList>("row");
    QTest::newRow("998 x 800 through all six places") << 1 << QList<int>{8, 887, 6} << "998 x 800 = ?" << 798400
                                                      << QVariantList{1, "　998 x 800", 798400, 798400, " ○"};
    QTest::newRow("80 x 800 needs the ten-thousands") << 0 << QList<int>{8, 6, 6} << "80 x 800 = ?" << 64000
                                                      << QVariantList{1, "　80 x 800", 64000, 64000, " ○"};
    QTest::newRow("a zero too few") << 0 << QList<int>{8, 6, 6} << "80 x 800 = ?" << 6400
                                    << QVariantList{1, "　80 x 800", 64000, 6400, " ×"};
    QTest::newRow("23 x 65") << 2 << QList<int>{0, 12, 54} << "23 x 65 = ?" << 1495
                             << QVariantList{1, "　23 x 65", 1495, 1495, " ○"};
}

void MultiplicationDrillTest::answersAndLogRows()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, script);
    QFETCH(QString, line);
    QFETCH(int, given);
    QFETCH(QVariantList, row);
    MultiplicationDrill d(menuItem, script);
    QCOMPARE(d.s->Label3->caption(), QStringLiteral("もんだい：1"));
    QCOMPARE(d.s->Label4->caption(), line);
    QCOMPARE(TestProgram::prompt(d.s), kAnswerPrompt);
    d.t.cues.clear();
    d.answer(given);
    QVERIFY(d.t.cues.opened.size() >= 2);
    QCOMPARE(d.t.cues.opened.first(), given >= 10 ? 17 : 12);
    QCOMPARE(LessonState.GivenAnswer, given);
    QCOMPARE(d.rows(), QList<QVariantList>{row});
    QCOMPARE(d.s->Label4->caption(), line);  // nothing is marked on screen
    QCOMPARE(d.t.cues.opened.last(), 12);
    QCOMPARE(TestProgram::prompt(d.s), kNextPrompt);
    QCOMPARE(LessonState.CorrectCount, row[4] == QStringLiteral(" ○") ? 1 : 0);
}

// "つぎへ" poses the next problem with "つぎへ" and "ストップ" shut until it
// is answered; the places picked before count nothing for it.
void MultiplicationDrillTest::noProblemIsSkipped()
{
    MultiplicationDrill d(1, {8, 887, 6});
    QCOMPARE(d.enabled(), QStringLiteral("menu time pickers"));
    d.answer(798400);
    QCOMPARE(d.enabled(), QStringLiteral("menu time next stop pickers"));
    d.t.random.script({0, 0, 0});
    QVERIFY(d.click("CuteButton4"));
    QCOMPARE(d.enabled(), QStringLiteral("menu time pickers"));
    QCOMPARE(d.s->Label3->caption(), QStringLiteral("もんだい：2"));
    QCOMPARE(d.s->Label4->caption(), QStringLiteral("11 x 20 = ?"));
    QCOMPARE(d.s->ComboBox8->text(), QStringLiteral("十"));
    QCOMPARE(d.s->ComboBox3->itemIndex(), -1);
    QVERIFY(!d.click("CuteButton5"));
    QVERIFY(d.s->ComboBox3->pick(0));
    QCOMPARE(LessonState.GivenAnswer, 0);
    QVERIFY(d.click("CuteButton5"));
    QCOMPARE(d.s->Label5->caption(), QStringLiteral("もんだい： 2"));
    QCOMPARE(d.s->Label6->caption(), QStringLiteral("○のかず： 1"));
    QCOMPARE(d.s->Label7->caption(), QStringLiteral("せいせき： 50 てん"));
    QCOMPARE(d.enabled(), QStringLiteral("menu time start results pickers"));
    QCOMPARE(TestProgram::prompt(d.s), QStringLiteral("おつかれさま！"));
    QCOMPARE(d.t.cues.opened.last(), 19);
}

QTEST_MAIN(MultiplicationDrillTest)
#include "tst_multiplicationdrill.moc"
