// Column addition (TForm6): every worked example step by step (words, result
// row, carry marks), the study-mode cycle and the step button, test mode
// worked column by column through the pickers, the memo, the screen before
// its menu is picked, and the layout in each state.
#include "lessons/column/addition.h"
#include "testprogram.h"

#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」をえらんでね！");
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");
const QString kStepPrompt = QStringLiteral("「ステップ」ボタンですすめてね！");

// The screen opened from the contents, its menu item picked when given.
struct Addition {
    TestProgram t;
    TForm6 *s = nullptr;

    explicit Addition(int menuItem = -1)
    {
        s = qobject_cast<TForm6 *>(t.open(6));
        if (s && menuItem >= 0)
            s->ComboBox1->pick(menuItem);
    }
    bool click(const char *button) { return TestProgram::click(s, QLatin1String(button)); }
    bool next() { return click("CuteButton4"); }
    bool step() { return click("CuteButton5"); }
    bool toggle() { return click("CuteButton3"); }
    // A pick by the picker's place name: "十:1".
    bool pick(const QString &what)
    {
        const QStringList parts = what.split(QLatin1Char(':'));
        return picker(parts[0])->pick(parts[1].toInt());
    }
    TComboBox *picker(const QString &place) const
    {
        if (place == QStringLiteral("一"))
            return s->ComboBox2;
        if (place == QStringLiteral("十"))
            return s->ComboBox3;
        if (place == QStringLiteral("百"))
            return s->ComboBox4;
        return s->ComboBox5;
    }
    // The carry marks over the tens, hundreds and thousands: "1|1|".
    QString marks() const
    {
        return s->Label9->caption() + QLatin1Char('|') + s->Label10->caption() + QLatin1Char('|') +
               s->Label11->caption();
    }
    // The pickers that take a pick, from the thousands down.
    QString enabledPickers() const
    {
        QStringList out;
        for (const QString &place : {QStringLiteral("千"), QStringLiteral("百"), QStringLiteral("十"),
                                     QStringLiteral("一")})
            if (picker(place)->isEnabled() && picker(place)->isVisibleTo(s))
                out << place;
        return out.join(QLatin1Char(' '));
    }
    // Study mode: "つぎへ" until example `number` of the menu item is posed.
    void showExample(int number)
    {
        for (int i = 0; i < number; ++i) {
            QVERIFY(next());
            if (i + 1 < number)  // work it through, so "つぎへ" comes back
                while (!s->CuteButton4->isEnabled())
                    QVERIFY(step());
        }
    }
    void fault() const
    {
        const QString fault = TestProgram::layoutFault(s);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};
}  // namespace

class ColumnAdditionTest : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void examplesCarryAsTheirColumnsDo();
    void exampleCycleAndStepButton();
    void interruptedExampleStartsAgain_data();
    void interruptedExampleStartsAgain();
    void testWalks_data();
    void testWalks();
    void testStages();
    void picksAfterTheMarkRest();
    void nothingPosedBeforeThisMenu_data();
    void nothingPosedBeforeThisMenu();
    void ownMenuAfterAnotherScreen();
    void memo();
    void designedScreen();
    void layout();
};

void ColumnAdditionTest::workedExamples_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("texts");  // Label5 after each step
    QTest::addColumn<QStringList>("rows");   // Label8 after each step
    QTest::addColumn<QStringList>("marks");  // carry marks after each step

    const QString first = QStringLiteral("【ステップ１】\r\r　もんだいを タテに ならべて、\r　下に 線を ひく。");
    QTest::newRow("324 + 135") << 0 << 1 << "324 + 135" << "【くり上がりが ない もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 4 と 5 を たして\r　線の下にかく。",
                       "【ステップ３】\r\r　十の位の 2 と 3 を たして\r　線の下にかく。",
                       "【ステップ４】\r\r　百の位の 3 と 1 を たして\r　線の下に かく。\r　この 459 が こたえ だよ。"}
        << QStringList{"", "9", "59", "459"} << QStringList{"||", "||", "||", "||"};
    QTest::newRow("328 + 247") << 0 << 2 << "328 + 247" << "【くり上がりが １回 の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 8 と 7 をたすと\r　２けたの 15 になるので、\r　5 を 線の下にかき、\r"
                       "　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ３】\r\r　十の位の 2 と 4 と くり上がりの\r　1 を たして 線の下に かく。",
                       "【ステップ４】\r\r　百の位の 3 と 2 を たして\r　線の下に かく。\r　この 575 が こたえ だよ。"}
        << QStringList{"", "5", "75", "575"} << QStringList{"||", "1||", "1||", "1||"};
    QTest::newRow("367 + 256") << 0 << 3 << "367 + 256" << "【くり上がりが ２回 の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 7 と 6 をたすと\r　２けたの 13 になるので、\r　3 を 線の下にかき、\r"
                       "　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ３】\r\r　十の位の 6 と 5 と \r　くり上がりの 1 をたすと\r　２けたの 12 になるので、\r"
                       "　2 を 線の下にかき、\r　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ４】\r\r　百の位の 3 と 2 と くり上がりの\r　1 を たして 線の下に かく。\r"
                       "　この 623 が こたえ だよ。"}
        << QStringList{"", "3", "23", "623"} << QStringList{"||", "1||", "1|1|", "1|1|"};
    QTest::newRow("823 + 451, no mark over the thousands") << 0 << 4 << "823 + 451" << "【千の位に くり上がる もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 3 と 1 を たして\r　線の下にかく。",
                       "【ステップ３】\r\r　十の位の 2 と 5 を たして\r　線の下にかく。",
                       "【ステップ４】\r\r　百の位の 8 と 4 を たして\r　線の下に かく。\r　この 1274 が こたえ だよ。"}
        << QStringList{"", "4", "74", "1274"} << QStringList{"||", "||", "||", "||"};
    QTest::newRow("576 + 748") << 0 << 5 << "576 + 748" << "【くり上がりが ３回 の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 6 と 8 をたすと\r　２けたの 14 になるので、\r　4 を 線の下にかき、\r"
                       "　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ３】\r\r　十の位の 7 と 4 と \r　くり上がりの 1 をたすと\r　２けたの 12 になるので、\r"
                       "　2 を 線の下にかき、\r　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ４】\r\r　百の位の 5 と 7 と くり上がりの\r　1 を たして 線の下に かく。\r"
                       "　この 1324 が こたえ だよ。"}
        << QStringList{"", "4", "24", "1324"} << QStringList{"||", "1||", "1|1|", "1|1|"};

    QTest::newRow("2436 + 4152") << 1 << 1 << "2436 + 4152" << "【くり上がりなし の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 6 と 2 を たして\r　線の下にかく。",
                       "【ステップ３】\r\r　十の位の 3 と 5 を たして\r　線の下にかく。",
                       "【ステップ４】\r\r　百の位の 4 と 1 を たして\r　線の下に かく。",
                       "【ステップ５】\r\r　千の位の 2 と 4 を たして\r　線の下に かく。\r　この 6588 が こたえ だよ。"}
        << QStringList{"", "8", "88", "588", "6588"} << QStringList{"||", "||", "||", "||", "||"};
    QTest::newRow("2486 + 4351") << 1 << 2 << "2486 + 4351" << "【くり上がりが １回 の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 6 と 1 を たして\r　線の下にかく。",
                       "【ステップ３】\r\r　十の位の 8 と 5 をたすと\r　２けたの 13 になるので、\r　3 を 線の下にかき、\r"
                       "　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ４】\r\r　百の位の 4 と 3 と くり上がりの\r　1 を たして 線の下に かく。",
                       "【ステップ５】\r\r　千の位の 2 と 4 を たして\r　線の下に かく。\r　この 6837 が こたえ だよ。"}
        << QStringList{"", "7", "37", "837", "6837"} << QStringList{"||", "||", "|1|", "|1|", "|1|"};
    QTest::newRow("2436 + 4757") << 1 << 3 << "2436 + 4757" << "【くり上がりが ２回 の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 6 と 7 をたすと\r　２けたの 13 になるので、\r　3 を 線の下にかき、\r"
                       "　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ３】\r\r　十の位の 3 と 5 と くり上がりの\r　1 を たして 線の下に かく。",
                       "【ステップ４】\r\r　百の位の 4 と 7 をたすと\r　２けたの 11 になるので、\r　1 を 線の下にかき、\r"
                       "　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ５】\r\r　千の位の 2 と 4 と くり上がりの\r　1 を たして 線の下に かく。\r"
                       "　この 7193 が こたえ だよ。"}
        << QStringList{"", "3", "93", "193", "7193"} << QStringList{"||", "1||", "1||", "1||1", "1||1"};
    QTest::newRow("3465 + 4678") << 1 << 4 << "3465 + 4678" << "【くり上がりが ３回 の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 5 と 8 をたすと\r　２けたの 13 になるので、\r　3 を 線の下にかき、\r"
                       "　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ３】\r\r　十の位の 6 と 7 と \r　くり上がりの 1 をたすと\r　２けたの 14 になるので、\r"
                       "　4 を 線の下にかき、\r　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ４】\r\r　百の位の 4 と 6 と \r　くり上がりの 1 をたすと\r　２けたの 11 になるので、\r"
                       "　1 を 線の下にかき、\r　くり上げた 1 を 上に 小さく\r　かいておく。",
                       "【ステップ５】\r\r　千の位の 3 と 4 と くり上がりの\r　1 を たして 線の下に かく。\r"
                       "　この 8143 が こたえ だよ。"}
        << QStringList{"", "3", "43", "143", "8143"} << QStringList{"||", "1||", "1|1|", "1|1|1", "1|1|1"};
}

// Each step writes both numbers, "+" and the rule, its words, its digit of
// the result row and its carry; the last one completes the problem line.
void ColumnAdditionTest::workedExamples()
{
    QFETCH(int, menuItem);
    QFETCH(int, number);
    QFETCH(QString, problem);
    QFETCH(QString, heading);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, marks);

    Addition a(menuItem);
    a.showExample(number);
    QCOMPARE(a.s->Label14->caption(), heading);
    QCOMPARE(a.s->Label4->caption(), problem + QStringLiteral(" = ?"));
    QVERIFY(!a.s->Shape1->isVisibleTo(a.s));
    const QStringList numbers = problem.split(QStringLiteral(" + "));
    for (int i = 0; i < texts.size(); ++i) {
        QVERIFY(a.step());
        const QString at = QStringLiteral("step %1").arg(i + 1);
        QVERIFY2(a.s->Label5->caption() == texts[i], qPrintable(at + QStringLiteral(": ") + a.s->Label5->caption()));
        QCOMPARE(a.s->Label8->caption(), rows[i]);
        QCOMPARE(a.marks(), marks[i]);
        QCOMPARE(a.s->Label6->caption(), numbers[0]);
        QCOMPARE(a.s->Label7->caption(), numbers[1]);
        QCOMPARE(a.s->Label12->caption(), QStringLiteral("+"));
        QVERIFY(a.s->Shape1->isVisibleTo(a.s));
        const bool last = i + 1 == texts.size();
        QCOMPARE(a.s->Label4->caption(), problem + (last ? QStringLiteral(" = ") + rows.last() : QStringLiteral(" = ?")));
        // The same words without a window.
        const WorkedStep w = AdditionStep(menuItem + 1, number, i + 1);
        QCOMPARE(w.text, texts[i]);
        QCOMPARE(w.last, last);
    }
}

// The table names, for every column, the words its own carries call for:
// a carry in where the column to its right reached 10, a carry out where
// this one does (the highest column writes its whole sum).
void ColumnAdditionTest::examplesCarryAsTheirColumnsDo()
{
    for (int menu = 1; menu <= 2; ++menu) {
        QCOMPARE(AdditionExampleCount(menu), menu == 1 ? 5 : 4);
        for (int n = 1; n <= AdditionExampleCount(menu); ++n) {
            const AdditionExample &e = AdditionExampleAt(menu, n);
            int carry = 0;
            const int places = menu + 2;
            for (int c = 0, a = e.a, b = e.b; c < places; ++c, a /= 10, b /= 10) {
                const int sum = a % 10 + b % 10 + carry;
                const bool in = carry == 1, out = sum >= 10, last = c + 1 == places;
                AddColumn expected;
                if (last)
                    expected = in ? AddColumn::LastCarryIn : AddColumn::Last;
                else if (in)
                    expected = out ? AddColumn::CarryInOut : AddColumn::CarryIn;
                else if (out)
                    expected = AddColumn::CarryOut;
                else
                    expected = e.columns[c] == AddColumn::PlainSpaced ? AddColumn::PlainSpaced : AddColumn::Plain;
                QVERIFY2(e.columns[c] == expected, qPrintable(QStringLiteral("%1 + %2, column %3").arg(e.a).arg(e.b).arg(c)));
                carry = out ? 1 : 0;
            }
        }
    }
    QCOMPARE(AdditionExampleCount(0), 0);
    QCOMPARE(AdditionExampleCount(3), 0);
}

// "つぎへ" poses the examples in a cycle and waits while one is stepped
// through; the step button names its next step and after the last shows
// step 1 of the same example again, the worksheet left as it was.
void ColumnAdditionTest::exampleCycleAndStepButton()
{
    Addition a(0);
    QCOMPARE(LessonState.MenuChoice, 1);
    QCOMPARE(TestProgram::prompt(a.s), kNextPrompt);
    QCOMPARE(a.t.cues.opened.last(), 12);
    const QStringList problems{"324 + 135 = ?", "328 + 247 = ?", "367 + 256 = ?", "823 + 451 = ?", "576 + 748 = ?",
                               "324 + 135 = ?"};
    for (const QString &problem : problems) {
        QVERIFY(a.next());
        QCOMPARE(a.s->Label4->caption(), problem);
        QCOMPARE(a.t.cues.opened.last(), 11);
        QCOMPARE(TestProgram::prompt(a.s), kStepPrompt);
        QVERIFY(!a.s->CuteButton4->isEnabled());
        for (const char *caption : {"ステップ１", "ステップ２", "ステップ３", "ステップ４"}) {
            QVERIFY(!a.s->CuteButton4->isEnabled());
            QCOMPARE(a.s->CuteButton5->caption(), QString::fromUtf8(caption));
            QVERIFY(a.step());
        }
        QCOMPARE(a.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
        QVERIFY(a.s->CuteButton4->isEnabled());
        QCOMPARE(TestProgram::prompt(a.s), kNextPrompt);
        QCOMPARE(a.t.cues.opened.last(), 12);
    }
    // Example 1 complete; once more from step 1.
    QVERIFY(a.step());
    QVERIFY(a.s->Label5->caption().startsWith(QStringLiteral("【ステップ１】")));
    QCOMPARE(a.s->Label8->caption(), QStringLiteral("459"));
    QCOMPARE(a.s->Label4->caption(), QStringLiteral("324 + 135 = 459"));
    QCOMPARE(a.t.cues.opened.last(), 17);
    QCOMPARE(a.s->CuteButton5->caption(), QStringLiteral("ステップ２"));
    QVERIFY(a.s->CuteButton4->isEnabled());

    // Four places: five steps, four examples.
    QVERIFY(a.s->ComboBox1->pick(1));
    for (const char *problem : {"2436 + 4152 = ?", "2486 + 4351 = ?", "2436 + 4757 = ?", "3465 + 4678 = ?",
                                "2436 + 4152 = ?"}) {
        QVERIFY(a.next());
        QCOMPARE(a.s->Label4->caption(), QString::fromUtf8(problem));
        for (int i = 0; i < 4; ++i)
            QVERIFY(a.step());
        QCOMPARE(a.s->CuteButton5->caption(), QStringLiteral("ステップ５"));
        QVERIFY(!a.s->CuteButton4->isEnabled());
        QVERIFY(a.step());
        QCOMPARE(a.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    }
}

void ColumnAdditionTest::interruptedExampleStartsAgain_data()
{
    QTest::addColumn<QStringList>("interrupt");
    QTest::newRow("menu") << QStringList{"menu"};
    QTest::newRow("toggle twice") << QStringList{"toggle", "toggle"};
    QTest::newRow("back to the contents and in again") << QStringList{"return", "menu"};
}

// An example left in the middle: the next one is example 1 again, and its
// step button reads "ステップ１" as its next press shows step 1.
void ColumnAdditionTest::interruptedExampleStartsAgain()
{
    QFETCH(QStringList, interrupt);
    Addition a(0);
    a.showExample(2);
    QVERIFY(a.step());
    QVERIFY(a.step());
    QCOMPARE(a.s->CuteButton5->caption(), QStringLiteral("ステップ３"));
    for (const QString &what : interrupt) {
        if (what == QStringLiteral("menu"))
            QVERIFY(a.s->ComboBox1->pick(0));
        else if (what == QStringLiteral("toggle"))
            QVERIFY(a.toggle());
        else {
            QVERIFY(a.click("CuteButton2"));
            QCOMPARE(a.t.open(6), a.s);
            QVERIFY(!a.s->CuteButton4->isEnabled());
        }
        QCOMPARE(a.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
        QVERIFY(!a.s->CuteButton5->isEnabled());
        QVERIFY(a.s->Label8->caption().isEmpty());
        QVERIFY(a.marks() == QStringLiteral("||"));
    }
    QCOMPARE(LessonState.LessonMode, 1);
    QVERIFY(a.next());
    QCOMPARE(a.s->Label4->caption(), QStringLiteral("324 + 135 = ?"));
    QCOMPARE(a.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QVERIFY(a.step());
    QVERIFY(a.s->Label5->caption().startsWith(QStringLiteral("【ステップ１】")));
}

void ColumnAdditionTest::testWalks_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("rows");   // Label8 after each pick
    QTest::addColumn<QString>("marks");      // carry marks at the end
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QList<int>>("cues");    // cues opened by the picks

    QTest::newRow("105 + 7: the carry makes the tens")
        << 0 << QList<int>{0, 4, 6} << "105 + 7" << QStringList{"十:1", "一:2", "十:1", "百:1"}
        << QStringList{"", "2", "12", "112"} << "1||" << "○" << QList<int>{11, 11, 11, 14};
    QTest::newRow("305 + 102: a column of 0")
        << 0 << QList<int>{4, 204, 1} << "305 + 102" << QStringList{"一:7", "十:0", "百:4"}
        << QStringList{"7", "07", "407"} << "||" << "○" << QList<int>{11, 11, 14};
    QTest::newRow("328 + 247: the carry forgotten")
        << 0 << QList<int>{4, 227, 146} << "328 + 247" << QStringList{"十:1", "一:5", "十:6", "百:5"}
        << QStringList{"", "5", "65", "565"} << "1||" << "×" << QList<int>{11, 11, 11, 13};
    QTest::newRow("a wrong column sum is taken as it is")  // the ones' carry put into the tens' sum
        << 0 << QList<int>{4, 227, 146} << "328 + 247" << QStringList{"一:5", "百:1", "十:7", "百:5"}
        << QStringList{"5", "5", "75", "575"} << "|1|" << "○" << QList<int>{11, 11, 11, 14};
    QTest::newRow("950 + 487: the hundreds reach the thousands")
        << 0 << QList<int>{7, 50, 386} << "950 + 487" << QStringList{"一:7", "百:1", "十:3", "千:1", "百:4"}
        << QStringList{"7", "7", "37", "37", "1437"} << "|1|" << "○" << QList<int>{11, 11, 11, 11, 14};
    QTest::newRow("十 picked twice keeps the second")
        << 0 << QList<int>{0, 4, 6} << "105 + 7" << QStringList{"十:5", "十:1", "一:2", "十:1", "百:1"}
        << QStringList{"", "", "2", "12", "112"} << "1||" << "○" << QList<int>{11, 11, 11, 11, 14};
    QTest::newRow("3465 + 4678: four places")
        << 1 << QList<int>{0, 2464, 3677} << "3465 + 4678"
        << QStringList{"十:1", "一:3", "百:1", "十:4", "千:1", "百:1", "千:8"}
        << QStringList{"", "3", "3", "43", "43", "143", "8143"} << "1|1|1" << "○"
        << QList<int>{11, 11, 11, 11, 11, 11, 11, 14};
}

void ColumnAdditionTest::testWalks()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, script);
    QFETCH(QString, problem);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, rows);
    QFETCH(QString, marks);
    QFETCH(QString, mark);
    QFETCH(QList<int>, cues);

    Addition a(menuItem);
    QVERIFY(a.toggle());
    a.t.random.script(script);
    QVERIFY(a.next());
    QCOMPARE(a.t.random.remaining(), 0);
    QCOMPARE(a.s->Label4->caption(), problem + QStringLiteral(" = ?"));
    const QStringList numbers = problem.split(QStringLiteral(" + "));
    QCOMPARE(a.s->Label6->caption(), numbers[0]);
    QCOMPARE(a.s->Label7->caption(), numbers[1]);
    QCOMPARE(a.s->Label12->caption(), QStringLiteral("+"));
    QVERIFY(a.s->Label8->caption().isEmpty());
    QVERIFY(a.s->Shape1->isVisibleTo(a.s));
    a.t.cues.clear();
    for (int i = 0; i < picks.size(); ++i) {
        QVERIFY2(a.pick(picks[i]), qPrintable(picks[i]));
        QCOMPARE(a.s->Label8->caption(), rows[i]);
        QCOMPARE(a.s->Label13->caption(), i + 1 < picks.size() ? QString() : mark);
    }
    QCOMPARE(a.marks(), marks);
    QCOMPARE(a.t.cues.opened, cues);
    QCOMPARE(a.t.cues.sounding, 0);  // sound is still off: nothing heard, all opened
    QCOMPARE(LessonState.GivenAnswer, rows.last().toInt());
    const int answer = numbers[0].toInt() + numbers[1].toInt();
    QCOMPARE(a.s->Label4->caption(), problem + QStringLiteral(" = %1").arg(answer));
    QCOMPARE(TestProgram::prompt(a.s), kNextPrompt);
    QVERIFY(a.s->CuteButton4->isEnabled());
    QCOMPARE(LessonState.StepNo, 0);
}

// Each column opens the pickers of its sum, names its place in the prompt
// and leaves the pickers unpicked.
void ColumnAdditionTest::testStages()
{
    Addition a(1);
    a.t.soundOn();
    QVERIFY(a.toggle());
    QCOMPARE(a.s->CuteButton3->caption(), QStringLiteral("テスト"));
    QVERIFY(a.s->CuteButton4->isEnabled());
    QVERIFY(!a.s->ComboBox2->isVisibleTo(a.s));
    a.t.random.script({0, 2464, 3677});
    QVERIFY(a.next());
    const QStringList prompts{
        QStringLiteral("「一のくらい」をたした数をえらんでね！\r２けたのときもあるよ！"),
        QStringLiteral("「十の位」をたした数をえらんでね！\r２けたのときもあるよ！"),
        QStringLiteral("「百の位」をたした数をえらんでね！\r２けたのときもあるよ！"),
        QStringLiteral("「千の位」をたした数をえらんでね！"),
    };
    const QStringList enabled{"十 一", "百 十", "千 百", "千"};
    const QStringList finishing{"一:3", "十:4", "百:1", "千:8"};
    const QStringList tensFirst{"十:1", "百:1", "千:1", ""};
    for (int stage = 0; stage < 4; ++stage) {
        QCOMPARE(TestProgram::prompt(a.s), prompts[stage]);
        QCOMPARE(a.enabledPickers(), enabled[stage]);
        QCOMPARE(LessonState.StepNo, stage);
        for (const char *place : {"千", "百", "十", "一"}) {
            QVERIFY(a.picker(QString::fromUtf8(place))->isVisibleTo(a.s));
            QCOMPARE(a.picker(QString::fromUtf8(place))->itemIndex(), -1);
            QCOMPARE(a.picker(QString::fromUtf8(place))->text(), QString::fromUtf8(place));
        }
        QVERIFY(!a.s->CuteButton4->isEnabled());
        if (!tensFirst[stage].isEmpty())
            QVERIFY(a.pick(tensFirst[stage]));
        QVERIFY(a.pick(finishing[stage]));
    }
    QCOMPARE(a.s->Label8->caption(), QStringLiteral("8143"));
    QCOMPARE(a.s->Label13->caption(), QStringLiteral("○"));
    QCOMPARE(a.t.cues.sounding, 14);  // cue 11 and the mark's asked together: the mark is heard
}

// After the mark the pickers still open only keep their pick: no new mark,
// no longer row, no sound, until "つぎへ".
void ColumnAdditionTest::picksAfterTheMarkRest()
{
    Addition a(0);
    QVERIFY(a.toggle());
    a.t.random.script({7, 50, 386});
    QVERIFY(a.next());
    for (const char *p : {"一:7", "百:1", "十:3", "千:1", "百:4"})
        QVERIFY(a.pick(QString::fromUtf8(p)));
    QCOMPARE(a.s->Label13->caption(), QStringLiteral("○"));
    a.t.cues.clear();
    for (const char *p : {"百:9", "千:9", "百:4", "千:0"})
        QVERIFY(a.pick(QString::fromUtf8(p)));
    QCOMPARE(a.s->Label13->caption(), QStringLiteral("○"));
    QCOMPARE(a.s->Label8->caption(), QStringLiteral("1437"));
    QCOMPARE(a.marks(), QStringLiteral("|1|"));
    QCOMPARE(LessonState.GivenAnswer, 1437);
    QVERIFY(a.t.cues.opened.isEmpty());
    // The next problem starts clean.
    a.t.random.script({0, 4, 6});
    QVERIFY(a.next());
    QCOMPARE(a.s->Label13->caption(), QString());
    QCOMPARE(a.marks(), QStringLiteral("||"));
    QVERIFY(a.pick(QStringLiteral("一:2")));
    QCOMPARE(LessonState.GivenAnswer, 2);  // the 千 picked before counts for nothing
}

void ColumnAdditionTest::nothingPosedBeforeThisMenu_data()
{
    QTest::addColumn<int>("leftBehind");  // MenuChoice as another screen left it
    QTest::newRow("fresh start") << 0;
    QTest::newRow("the drill's item 3") << 3;
    QTest::newRow("another lesson's item 1") << 1;
}

// Until this screen's menu is picked nothing is posed or marked, whatever
// the shared menu field holds.
void ColumnAdditionTest::nothingPosedBeforeThisMenu()
{
    QFETCH(int, leftBehind);
    TestProgram t;
    LessonState.MenuChoice = leftBehind;
    LessonState.OperandA = 500;
    LessonState.OperandB = 400;
    LessonState.Answer = 900;
    auto *s = qobject_cast<TForm6 *>(t.open(6));
    QVERIFY(s);
    QVERIFY(!s->CuteButton4->isEnabled());
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton3")));
    QCOMPARE(LessonState.LessonMode, 2);
    QVERIFY(!s->CuteButton4->isEnabled());
    s->CuteButton4Click();
    s->CuteButton5Click();
    QVERIFY(s->Label4->caption().isEmpty());
    QVERIFY(s->Label6->caption().isEmpty());
    QVERIFY(!s->ComboBox2->isVisibleTo(s));
    s->ComboBox2Change();
    QVERIFY(s->Label13->caption().isEmpty());
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton3")));
    s->CuteButton4Click();
    QVERIFY(s->Label4->caption().isEmpty());
    QCOMPARE(LessonState.MenuChoice, leftBehind);
    // Its menu picked, the screen poses its own problems.
    QVERIFY(s->ComboBox1->pick(1));
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton4")));
    QCOMPARE(s->Label4->caption(), QStringLiteral("2436 + 4152 = ?"));
}

// Back from another screen that changed the shared menu field, the screen
// goes on with the item its own menu shows.
void ColumnAdditionTest::ownMenuAfterAnotherScreen()
{
    Addition a(1);
    QVERIFY(a.click("CuteButton2"));
    LessonState.MenuChoice = 3;  // as the drill leaves it
    LessonState.StepNo = 9;
    QCOMPARE(a.t.open(6), a.s);
    QCOMPARE(LessonState.MenuChoice, 2);
    QCOMPARE(a.s->ComboBox1->text(), QStringLiteral(" ４けた"));
    QVERIFY(a.toggle());
    QVERIFY(a.toggle());
    QVERIFY(a.next());
    QCOMPARE(a.s->Label4->caption(), QStringLiteral("2436 + 4152 = ?"));
    while (!a.s->CuteButton4->isEnabled())
        QVERIFY(a.step());
    QVERIFY(a.toggle());
    a.t.random.script({0, 2464, 3677});
    QVERIFY(a.next());
    QCOMPARE(a.s->Label4->caption(), QStringLiteral("3465 + 4678 = ?"));
}

// "ポイント" shows the memo over the working area and hides it again; what
// is written there stays, and the pickers beside it stay usable.
void ColumnAdditionTest::memo()
{
    Addition a(0);
    QVERIFY(a.toggle());
    a.t.random.script({0, 4, 6});
    QVERIFY(a.next());
    QVERIFY(a.pick(QStringLiteral("十:1")));
    LessonState.GridShown = 1;  // as a drill's grid may leave it
    a.t.cues.clear();
    QVERIFY(a.click("CuteButton6"));
    QVERIFY(a.s->Memo1->isVisible());
    QVERIFY(!a.s->Label6->isVisible());
    QCOMPARE(LessonState.GridShown, 1);
    QCOMPARE(TestProgram::prompt(a.s), QStringLiteral("もういちど「ポイント」ボタンを おせば きえるよ！"));
    QCOMPARE(a.t.cues.opened, QList<int>{15});
    QCOMPARE(a.s->Memo1->lines().size(), 19);
    QCOMPARE(a.s->Memo1->lines()[12], QStringLiteral("　・おなじ 位の たし算で、こたえが  ２けたに なれば、その数の"));
    QCOMPARE(a.s->Memo1->geometry(), a.s->Worksheet->geometry());
    a.fault();
    TestProgram::shot(a.s, QStringLiteral("column-addition-memo"));
    QVERIFY(a.pick(QStringLiteral("一:2")));
    QVERIFY(a.click("CuteButton6"));
    QVERIFY(!a.s->Memo1->isVisible());
    QCOMPARE(LessonState.GridShown, 0);
    QCOMPARE(TestProgram::prompt(a.s), QStringLiteral("「メニュー」を えらんでね！"));
    QCOMPARE(a.t.cues.opened.last(), 11);
    QCOMPARE(a.s->Label6->caption(), QStringLiteral("105"));
    QCOMPARE(a.s->Label8->caption(), QStringLiteral("2"));
    QCOMPARE(a.marks(), QStringLiteral("1||"));
    QVERIFY(a.s->Label6->isVisible());
    // "つぎへ" and a return put the memo away.
    QVERIFY(a.click("CuteButton6"));
    QVERIFY(a.click("CuteButton2"));
    QCOMPARE(a.t.open(6), a.s);
    QVERIFY(!a.s->Memo1->isVisible());
    QVERIFY(a.s->Worksheet->isVisible());
    QCOMPARE(LessonState.GridShown, 0);
}

void ColumnAdditionTest::designedScreen()
{
    Addition a;
    QVERIFY(a.s);
    QCOMPARE(a.s->Label1->caption(), QStringLiteral("たし算"));
    QCOMPARE(a.s->Label2->caption(), QStringLiteral("ひっ算"));
    QCOMPARE(a.s->ComboBox1->text(), QStringLiteral("メニュー"));
    QCOMPARE(a.s->ComboBox1->items(), (QStringList{" ３けた", " ４けた"}));
    QCOMPARE(TestProgram::prompt(a.s), kMenuPrompt);
    QCOMPARE(a.s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QCOMPARE(a.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QCOMPARE(a.s->CuteButton6->caption(), QStringLiteral("ポイント"));
    QVERIFY(!a.s->CuteButton4->isEnabled());
    QVERIFY(!a.s->CuteButton5->isEnabled());
    QCOMPARE(a.t.cues.opened.last(), 12);
    QCOMPARE(a.s->Timer2->interval(), 500);
    QVERIFY(a.s->Label13->property("markLabel").toBool());
    // The pickers side by side, the thousands at the left, each with all ten digits.
    TComboBox *pickers[] = {a.s->ComboBox5, a.s->ComboBox4, a.s->ComboBox3, a.s->ComboBox2};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pickers[i]->count(), 10);
        QCOMPARE(pickers[i]->items()[7], QStringLiteral("７　"));
        if (i > 0)
            QVERIFY(pickers[i - 1]->geometry().right() < pickers[i]->x());
    }
    // One right edge; each place in one column of boxes, the marks over theirs.
    TDigitRow *rows[] = {a.s->Label6, a.s->Label7, a.s->Label8};
    for (TDigitRow *r : rows)
        QCOMPARE(r->geometry().right(), a.s->Label6->geometry().right());
    QCOMPARE(a.s->Label9->geometry().center().x(), a.s->Label6->geometry().x() + a.s->Label6->cellRect(1).center().x());
    QCOMPARE(a.s->Label11->geometry().center().x(), a.s->Label6->geometry().x() + a.s->Label6->cellRect(3).center().x());
    QVERIFY(a.s->Label9->geometry().bottom() < a.s->Label6->y());
    QVERIFY(a.s->Shape1->y() > a.s->Label7->geometry().bottom() && a.s->Shape1->geometry().bottom() < a.s->Label8->y());
    QVERIFY(a.s->Shape1->x() <= a.s->Label12->x() && a.s->Shape1->geometry().right() > a.s->Label6->geometry().right());
    QCOMPARE(a.s->Shape1->height(), 2);
    QVERIFY(a.click("CuteButton1"));
    QCOMPARE(a.t.dialogs.asked.last().text, QStringLiteral("おわってもいいの？"));
}

// Every part in view inside the window, apart from the others, its whole
// text shown, in the states with the longest texts; the pickers show all
// their digits.
void ColumnAdditionTest::layout()
{
    Addition a;
    a.fault();
    QVERIFY(a.s->ComboBox1->pick(1));
    a.showExample(4);
    for (int i = 0; i < 3; ++i)
        QVERIFY(a.step());
    QCoreApplication::processEvents();
    a.fault();
    TestProgram::shot(a.s, QStringLiteral("column-addition-study"));
    QVERIFY(a.step());
    QVERIFY(a.step());
    a.fault();
    TestProgram::shot(a.s, QStringLiteral("column-addition-study-done"));

    QVERIFY(a.toggle());
    a.t.random.script(QList<int>{0, 8997} + QList<int>(1000, 0));  // 9998 + 1001 every time: the fall-back
    QVERIFY(a.next());
    QCOMPARE(a.s->Label4->caption(), QStringLiteral("4657 + 2834 = ?"));
    QVERIFY(a.pick(QStringLiteral("十:1")));
    QVERIFY(a.pick(QStringLiteral("一:1")));
    a.fault();
    TestProgram::shot(a.s, QStringLiteral("column-addition-test"));
    for (const char *p : {"百:0", "十:9", "千:1", "百:4", "千:7"})
        QVERIFY(a.pick(QString::fromUtf8(p)));
    QCOMPARE(a.s->Label13->caption(), QStringLiteral("○"));
    a.fault();
    TestProgram::shot(a.s, QStringLiteral("column-addition-marked"));
    for (TComboBox *c : {a.s->ComboBox2, a.s->ComboBox3, a.s->ComboBox4, a.s->ComboBox5}) {
        auto *list = c->findChild<QListWidget *>();
        QVERIFY(list);
        QCOMPARE(list->verticalScrollBar()->maximum(), 0);
    }
}

QTEST_MAIN(ColumnAdditionTest)
#include "tst_columnaddition.moc"
