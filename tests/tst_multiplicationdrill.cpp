// The multiplication drill (TForm20): its draws at the ends of their ranges
// and the fall-back, the screen's texts and six pickers, answers through all
// six places and their log rows, the time list that only a menu item opens,
// the rule that a problem is answered before the next one comes, the time-up
// with a problem open, and the layout in each state.
#include "lessons/multiplication/drill.h"
#include "testprogram.h"

#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

namespace {
const QString kAnswerPrompt = QStringLiteral("こたえは、大きい「くらい」からじゅんにえらんでね！");
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");

QList<int> repeated(const QList<int> &values, int times)
{
    QList<int> out;
    for (int i = 0; i < times; ++i)
        out += values;
    return out;
}

// The drill opened from the contents, with its menu item and time picked
// and "スタート" pressed on the scripted first problem.
struct MultiplicationDrill {
    TestProgram t;
    TForm20 *s = nullptr;

    explicit MultiplicationDrill(int menuItem = -1, const QList<int> &draws = {}, int timeItem = 0)
    {
        s = qobject_cast<TForm20 *>(t.open(20));
        if (!s || menuItem < 0)
            return;
        t.random.script(draws);
        s->ComboBox1->pick(menuItem);
        s->ComboBox2->pick(timeItem);
        TestProgram::click(s, QStringLiteral("CuteButton3"));
    }

    // Picks the answer's places from the hundred-thousands down; places
    // above the answer's highest digit are left unpicked.
    void answer(int value)
    {
        TComboBox *places[] = {s->ComboBox8, s->ComboBox7, s->ComboBox6, s->ComboBox5, s->ComboBox4};
        const int weights[] = {100000, 10000, 1000, 100, 10};
        for (int i = 0; i < 5; ++i)
            if (value >= weights[i])
                QVERIFY(places[i]->pick(value / weights[i] % 10));
        QVERIFY(s->ComboBox3->pick(value % 10));
    }
    bool click(const char *button) { return TestProgram::click(s, QLatin1String(button)); }

    QList<QVariantList> rows() const { return TestProgram::storedRows(t.dataDir.path()); }

    QString enabled() const
    {
        const std::pair<QWidget *, const char *> controls[] = {
            {s->ComboBox1, "menu"},   {s->ComboBox2, "time"},      {s->CuteButton3, "start"}, {s->CuteButton4, "next"},
            {s->CuteButton5, "stop"}, {s->CuteButton6, "results"}, {s->ComboBox8, "pickers"},
        };
        QStringList out;
        for (const auto &[w, role] : controls)
            if (w->isEnabled())
                out << QLatin1String(role);
        return out.join(QLatin1Char(' '));
    }
    void fault() const
    {
        const QString fault = TestProgram::layoutFault(s);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
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
    void onePickTwiceTwoRowsOneCount();
    void timeUpWithAProblemOpen();
    void aMenuPickClearsTheProblem();
    void layout();
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

// The ones picked twice logs two rows under one number; the problem counts once.
void MultiplicationDrillTest::onePickTwiceTwoRowsOneCount()
{
    MultiplicationDrill d(2, {0, 12, 54});
    d.answer(1495);
    QVERIFY(d.s->ComboBox3->pick(5));
    QVERIFY(d.s->ComboBox3->pick(4));
    const QList<QVariantList> rows = d.rows();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[2], (QVariantList{1, "　23 x 65", 1495, 1494, " ×"}));
    QCOMPARE(LessonState.CorrectCount, 1);
    QVERIFY(d.click("CuteButton5"));
    QCOMPARE(d.s->Label7->caption(), QStringLiteral("せいせき： 100 てん"));
}

// The time running out while a problem waits shows the message and the
// results; the pupil still answers it, which logs it and opens "ストップ",
// and the results then count that answer.
void MultiplicationDrillTest::timeUpWithAProblemOpen()
{
    MultiplicationDrill d(0, {0, 0, 0}, 1);
    d.answer(40);
    d.t.random.script({5, 0, 0});
    QVERIFY(d.click("CuteButton4"));
    for (int tick = 0; tick < 300; ++tick) {
        d.t.clock.advance(1);
        d.s->Timer3Timer();
    }
    QCOMPARE(d.t.dialogs.asked.size(), 1);
    QCOMPARE(d.t.dialogs.asked.first().text, QStringLiteral("じかんだから、ドリルをおわるよ！"));
    QCOMPARE(d.s->Label4->caption(), QString());
    QCOMPARE(d.s->Label5->caption(), QStringLiteral("もんだい： 2"));
    QCOMPARE(d.s->Label6->caption(), QStringLiteral("○のかず： 1"));
    QCOMPARE(d.s->Label8->caption(), QStringLiteral("じかん　： 5 ふん 0 びょう"));
    QVERIFY(!d.s->Timer3->isActive());
    QVERIFY(!d.s->CuteButton5->isEnabled());
    d.answer(400);
    QCOMPARE(d.rows().size(), 2);
    QCOMPARE(d.rows()[1], (QVariantList{2, "　20 x 20", 400, 400, " ○"}));
    QVERIFY(d.click("CuteButton5"));
    QCOMPARE(d.s->Label6->caption(), QStringLiteral("○のかず： 2"));
    QCOMPARE(d.s->Label7->caption(), QStringLiteral("せいせき： 100 てん"));
}

// A menu pick clears the problem on screen: nothing is logged for it, also
// when its handler is reached some other way.
void MultiplicationDrillTest::aMenuPickClearsTheProblem()
{
    MultiplicationDrill d(1, {8, 887, 6});
    QVERIFY(d.s->ComboBox5->pick(4));
    QVERIFY(d.s->ComboBox1->pick(0));
    QVERIFY(d.s->Label4->caption().isEmpty());
    QVERIFY(!d.s->ComboBox3->pick(0));
    d.s->ComboBox3Change();
    QVERIFY(d.rows().isEmpty());
    QCOMPARE(LessonState.Entry3, 0);
}

void MultiplicationDrillTest::layout()
{
    MultiplicationDrill d;
    d.fault();
    // The menu's longest item shows whole in its list.
    auto *menu = d.s->ComboBox1->findChild<QListWidget *>();
    QVERIFY(menu);
    for (int i = 0; i < menu->count(); ++i)
        QVERIFY(menu->fontMetrics().horizontalAdvance(menu->item(i)->text()) < menu->viewport()->width());
    QVERIFY(d.s->ComboBox1->geometry().x() > d.s->Label1->geometry().right());
    d.t.random.script({8, 887, 6});  // the longest problem and answer
    QVERIFY(d.s->ComboBox1->pick(1));
    QVERIFY(d.s->ComboBox2->pick(3));
    QVERIFY(d.click("CuteButton3"));
    QCOMPARE(d.s->Label4->caption(), QStringLiteral("998 x 800 = ?"));
    d.fault();
    TestProgram::shot(d.s, QStringLiteral("multiplication-drill-answering"));
    d.answer(798400);
    d.t.clock.advance(100 * 60 + 59);  // a long drill: three-place minutes
    QVERIFY(d.click("CuteButton5"));
    QCOMPARE(d.s->Label8->caption(), QStringLiteral("じかん　： 100 ふん 59 びょう"));
    d.fault();
    TestProgram::shot(d.s, QStringLiteral("multiplication-drill-results"));
    QVERIFY(d.click("CuteButton6"));
    QVERIFY(d.s->DBGrid1->isVisible());
    d.fault();
    // The log's columns show whole.
    QVERIFY(d.s->DBGrid1->horizontalScrollBar()->maximum() == 0);
    TestProgram::shot(d.s, QStringLiteral("multiplication-drill-grid"));
}

QTEST_MAIN(MultiplicationDrillTest)
#include "tst_multiplicationdrill.moc"
