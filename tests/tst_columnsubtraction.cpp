// Column subtraction (TForm7): every worked example step by step (words,
// result row, borrow marks and strokes), the study-mode cycle, test mode one
// picker per column with the borrow marks drawn from the problem, a new pick
// after the mark, the memo, the screen before its menu is picked, and the
// layout in each state.
#include "lessons/column/subtraction.h"
#include "testprogram.h"

#include <QScrollBar>
#include <QtTest>

namespace {
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");
const QString kStepPrompt = QStringLiteral("「ステップ」ボタンですすめてね！");
const QStringList kColumnPrompts{
    QStringLiteral("「一のくらい」のこたえをえらんでね！"),
    QStringLiteral("「十のくらい」のこたえをえらんでね！"),
    QStringLiteral("「百のくらい」のこたえをえらんでね！"),
    QStringLiteral("「千のくらい」のこたえをえらんでね！"),
};

struct Subtraction {
    TestProgram t;
    TForm7 *s = nullptr;

    explicit Subtraction(int menuItem = -1)
    {
        s = qobject_cast<TForm7 *>(t.open(7));
        if (s && menuItem >= 0)
            s->ComboBox1->pick(menuItem);
    }
    bool click(const char *button) { return TestProgram::click(s, QLatin1String(button)); }
    bool next() { return click("CuteButton4"); }
    bool step() { return click("CuteButton5"); }
    bool toggle() { return click("CuteButton3"); }
    // Test mode: the problem the draws give, posed by "つぎへ".
    void pose(const QList<int> &draws)
    {
        if (LessonState.LessonMode != 2)
            QVERIFY(toggle());
        t.random.script(draws);
        QVERIFY(next());
        QCOMPARE(t.random.remaining(), 0);
    }
    // The picker of the column the pupil works now.
    TComboBox *open() const
    {
        for (TComboBox *c : {s->ComboBox2, s->ComboBox3, s->ComboBox4, s->ComboBox5})
            if (c->isEnabled() && c->isVisibleTo(s))
                return c;
        return nullptr;
    }
    QString enabledPickers() const
    {
        QStringList out;
        const std::pair<TComboBox *, const char *> places[] = {
            {s->ComboBox5, "千"}, {s->ComboBox4, "百"}, {s->ComboBox3, "十"}, {s->ComboBox2, "一"}};
        for (const auto &[c, name] : places)
            if (c->isEnabled() && c->isVisibleTo(s))
                out << QString::fromUtf8(name);
        return out.join(QLatin1Char(' '));
    }
    // The borrow marks over the tens, hundreds and thousands, "9|4|", each
    // followed by "/" when the digit under it is struck through.
    QString marks() const
    {
        const std::pair<TLabel *, TShape *> places[] = {
            {s->Label10, s->Shape2}, {s->Label11, s->Shape3}, {s->Label12, s->Shape4}};
        QStringList out;
        for (const auto &[mark, stroke] : places)
            out << mark->caption() + (stroke->isVisibleTo(s) ? QStringLiteral("/") : QString());
        return out.join(QLatin1Char('|'));
    }
    void showExample(int number)
    {
        for (int i = 0; i < number; ++i) {
            QVERIFY(next());
            if (i + 1 < number)
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

class ColumnSubtractionTest : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void exampleCycle();
    void interruptedExample();
    void borrowMarks_data();
    void borrowMarks();
    void testWalks_data();
    void testWalks();
    void testStages();
    void newPickAfterTheMark_data();
    void newPickAfterTheMark();
    void nothingPosedBeforeThisMenu();
    void memo();
    void designedScreen();
    void layout();
};

void ColumnSubtractionTest::workedExamples_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("texts");  // Label5 after each step
    QTest::addColumn<QStringList>("rows");   // Label9 after each step
    QTest::addColumn<QStringList>("marks");  // borrow marks and strokes after each step

    const QString first = QStringLiteral("【ステップ１】\r\r　もんだいを タテに ならべて、\r　下に 線を ひく。");
    QTest::newRow("467 - 324") << 0 << 1 << "467 - 324" << "【くり下がり なし の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 7 から 4 を ひいて\r　線の下に かく。",
                       "【ステップ３】\r\r　十の位の 6 から 2 を ひいて\r　線の下にかく。",
                       "【ステップ４】\r\r　百の位の 4 から 3 を ひいて\r　線の下に かく。\r　この 143 が こたえ だよ。"}
        << QStringList{"", "3", "43", "143"} << QStringList{"||", "||", "||", "||"};
    QTest::newRow("745 - 328") << 0 << 2 << "745 - 328" << "【くり下がりが １回 の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　十の位から 1 くり下げ、その 10 と\r　あわせた 15 から 8 を ひいて\r"
                       "　線の下に かき、くり下げた あとの \r　3 を 上に 小さく かいておく。",
                       "【ステップ３】\r\r　十の位の 3 から 2を ひいて \r　線の下に かく。",
                       "【ステップ４】\r\r　百の位の 7 から 3 を ひいて\r　線の下に かく。\r　この 417 が こたえ だよ。"}
        << QStringList{"", "7", "17", "417"} << QStringList{"||", "3/||", "3/||", "3/||"};
    QTest::newRow("853 - 467") << 0 << 3 << "853 - 467" << "【くり下がりが ２回 の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　十の位から 1 くり下げ、その 10 と\r　あわせた 13 から 7 を ひいて\r"
                       "　線の下に かき、くり下げた あとの \r　4 を 上に 小さく かいておく。",
                       "【ステップ３】\r\r　百の位から 1 くり下げ、その 10 と\r　あわせた 14 から 6 を ひいて\r"
                       "　線の下に かき、くり下げた あとの \r　7 を 上に 小さく かいておく。",
                       "【ステップ４】\r\r　百の位の 7 から 4 を ひいて\r　線の下に かく。\r　この 386 が こたえ だよ。"}
        << QStringList{"", "6", "86", "386"} << QStringList{"||", "4/||", "4/|7/|", "4/|7/|"};
    QTest::newRow("203 - 47: two marks at once") << 0 << 4 << "203 - 47" << "【くり下がりが つづく もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　十の位からは くり下げが できないので、\r　百の位から 1 を くり下げて できた\r"
                       "　十の位の 10 から 1 を くり下げ、\r　その 10 とあわせた 13 から \r　7 を ひいて 線の下に かき、\r"
                       "　くり下げた あとの 百の位の 上に 1 を、\r　十の位の 上に 9 を 小さく かいておく。",
                       "【ステップ３】\r\r　十の位の 9 から 4 を ひいて \r　線の下にかく。",
                       "【ステップ４】\r\r　百の位の 1 を そのまま 線の下に かく。\r　この 156 が こたえ だよ。"}
        << QStringList{"", "6", "56", "156"} << QStringList{"||", "9/|1/|", "9/|1/|", "9/|1/|"};
    QTest::newRow("1239 - 354: from the thousands") << 0 << 5 << "1239 - 354"
        << "【千の位から くり下がり ２回 の もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 9 から 4 を ひいて\r　線の下に かく。",
                       "【ステップ３】\r\r　百の位から 1 を くり下げ、その\r　10 と あわせた 13 から 5 を\r"
                       "　ひいて 線の下に かき、\r　くり下げた あとの 1 を 上に\r　小さく かいておく。",
                       "【ステップ４】\r\r　千の位から 1 を くり下げ、その\r　10 とあわせた 11 から 3 を ひいて \r"
                       "　線の下にかく。\r　千の位の くり下げた あとの 数は 0 \r　なので、この 885 が こたえ だよ。"}
        << QStringList{"", "5", "85", "885"} << QStringList{"||", "||", "|1/|", "|1/|0/"};
    QTest::newRow("1002 - 27: through two zeros") << 0 << 6 << "1002 - 27" << "【千の位から くり下がりが つづく もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　十の位からも 百の位からも くり下げが\r　できないので、\r"
                       "　千の位から 1 を くり下げ、できた \r　百の位の 10 から 1 を くり下げ、 \r"
                       "　できた 十の位の 10 から 1 を くり下げ、 \r　その 10 と あわせた 12 から 7 を ひいて\r"
                       "　線の下に かき、くり下げた あとの 千の位に \r　0 を、百の位に 9 を、十の位に 9 を\r"
                       "　小さく かいておく。",
                       "【ステップ３】\r\r　十の位の 9 から 2 を ひいて \r　線の下にかく。",
                       "【ステップ４】\r\r　百の位の 9 を そのまま 線の下に かき、\r　千の位の くり下げた あとの 数は 0 \r"
                       "　なので、この 975 が こたえ だよ。"}
        << QStringList{"", "5", "75", "975"} << QStringList{"||", "9/|9/|0/", "9/|9/|0/", "9/|9/|0/"};

    // Four places, in the words of the three-place examples, with the
    // thousands as the fifth step.
    QTest::newRow("3125 - 1082") << 1 << 1 << "3125 - 1082" << "【４けた - ４けた ： くり下がりの もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　一の位の 5 から 2 を ひいて\r　線の下に かく。",
                       "【ステップ３】\r\r　百の位から 1 を くり下げ、その\r　10 と あわせた 12 から 8 を\r"
                       "　ひいて 線の下に かき、\r　くり下げた あとの 0 を 上に\r　小さく かいておく。",
                       "【ステップ４】\r\r　百の位の 0 から 0 を ひいて\r　線の下に かく。",
                       "【ステップ５】\r\r　千の位の 3 から 1 を ひいて\r　線の下に かく。\r　この 2043 が こたえ だよ。"}
        << QStringList{"", "3", "43", "043", "2043"} << QStringList{"||", "||", "|0/|", "|0/|", "|0/|"};
    QTest::newRow("5132 - 2094") << 1 << 2 << "5132 - 2094" << "【４けた - ４けた ： くり下がりが ２かいの もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　十の位から 1 くり下げ、その 10 と\r　あわせた 12 から 4 を ひいて\r"
                       "　線の下に かき、くり下げた あとの \r　2 を 上に 小さく かいておく。",
                       "【ステップ３】\r\r　百の位から 1 くり下げ、その 10 と\r　あわせた 12 から 9 を ひいて\r"
                       "　線の下に かき、くり下げた あとの \r　0 を 上に 小さく かいておく。",
                       "【ステップ４】\r\r　百の位の 0 から 0 を ひいて\r　線の下に かく。",
                       "【ステップ５】\r\r　千の位の 5 から 2 を ひいて\r　線の下に かく。\r　この 3038 が こたえ だよ。"}
        << QStringList{"", "8", "38", "038", "3038"} << QStringList{"||", "2/||", "2/|0/|", "2/|0/|", "2/|0/|"};
    QTest::newRow("4106 - 1008") << 1 << 3 << "4106 - 1008"
        << "【４けた - ４けた ： 百のくらいからの くり下がりの もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　十の位からは くり下げが できないので、\r　百の位から 1 を くり下げて できた\r"
                       "　十の位の 10 から 1 を くり下げ、\r　その 10 とあわせた 16 から \r　8 を ひいて 線の下に かき、\r"
                       "　くり下げた あとの 百の位の 上に 0 を、\r　十の位の 上に 9 を 小さく かいておく。",
                       "【ステップ３】\r\r　十の位の 9 から 0 を ひいて \r　線の下にかく。",
                       "【ステップ４】\r\r　百の位の 0 から 0 を ひいて\r　線の下に かく。",
                       "【ステップ５】\r\r　千の位の 4 から 1 を ひいて\r　線の下に かく。\r　この 3098 が こたえ だよ。"}
        << QStringList{"", "8", "98", "098", "3098"} << QStringList{"||", "9/|0/|", "9/|0/|", "9/|0/|", "9/|0/|"};
    QTest::newRow("6102 - 2036") << 1 << 4 << "6102 - 2036"
        << "【４けた - ４けた ： 百のくらいからの くり下がりの もんだい】"
        << QStringList{first,
                       "【ステップ２】\r\r　十の位からは くり下げが できないので、\r　百の位から 1 を くり下げて できた\r"
                       "　十の位の 10 から 1 を くり下げ、\r　その 10 とあわせた 12 から \r　6 を ひいて 線の下に かき、\r"
                       "　くり下げた あとの 百の位の 上に 0 を、\r　十の位の 上に 9 を 小さく かいておく。",
                       "【ステップ３】\r\r　十の位の 9 から 3 を ひいて \r　線の下にかく。",
                       "【ステップ４】\r\r　百の位の 0 から 0 を ひいて\r　線の下に かく。",
                       "【ステップ５】\r\r　千の位の 6 から 2 を ひいて\r　線の下に かく。\r　この 4066 が こたえ だよ。"}
        << QStringList{"", "6", "66", "066", "4066"} << QStringList{"||", "9/|0/|", "9/|0/|", "9/|0/|", "9/|0/|"};
}

void ColumnSubtractionTest::workedExamples()
{
    QFETCH(int, menuItem);
    QFETCH(int, number);
    QFETCH(QString, problem);
    QFETCH(QString, heading);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, marks);

    Subtraction s(menuItem);
    s.showExample(number);
    QCOMPARE(s.s->Label6->caption(), heading);
    QCOMPARE(s.s->Label4->caption(), problem + QStringLiteral(" = ?"));
    const QStringList numbers = problem.split(QStringLiteral(" - "));
    for (int i = 0; i < texts.size(); ++i) {
        QVERIFY(s.step());
        const QString at = QStringLiteral("step %1: ").arg(i + 1);
        QVERIFY2(s.s->Label5->caption() == texts[i], qPrintable(at + s.s->Label5->caption()));
        QVERIFY2(s.s->Label9->caption() == rows[i], qPrintable(at + s.s->Label9->caption()));
        QVERIFY2(s.marks() == marks[i], qPrintable(at + s.marks()));
        QCOMPARE(s.s->Label7->caption(), numbers[0]);
        QCOMPARE(s.s->Label8->caption(), numbers[1]);
        QCOMPARE(s.s->Label13->caption(), QStringLiteral("-"));
        QVERIFY(s.s->Shape1->isVisibleTo(s.s));
        const bool last = i + 1 == texts.size();
        QCOMPARE(s.s->Label4->caption(), problem + (last ? QStringLiteral(" = ") + rows.last() : QStringLiteral(" = ?")));
        QCOMPARE(s.s->CuteButton5->caption(), last ? QStringLiteral("ステップ１") : StepCaption(i + 2));
        QCOMPARE(s.s->CuteButton4->isEnabled(), last);
        QCOMPARE(SubtractionStep(menuItem + 1, number, i + 1).text, texts[i]);
    }
    QCOMPARE(TestProgram::prompt(s.s), kNextPrompt);
}

// The six (four) examples follow one another and start again; a menu pick
// or a return to study mode starts from the first.
void ColumnSubtractionTest::exampleCycle()
{
    Subtraction s(0);
    const QStringList three{"467 - 324 = ?", "745 - 328 = ?", "853 - 467 = ?", "203 - 47 = ?", "1239 - 354 = ?",
                            "1002 - 27 = ?", "467 - 324 = ?"};
    for (const QString &problem : three) {
        QVERIFY(s.next());
        QCOMPARE(s.s->Label4->caption(), problem);
        QCOMPARE(TestProgram::prompt(s.s), kStepPrompt);
        QCOMPARE(s.t.cues.opened.last(), 11);
        QVERIFY(!s.s->CuteButton4->isEnabled());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(s.step());
            QCOMPARE(s.t.cues.opened.last(), 17);
        }
        QVERIFY(s.step());
        QCOMPARE(s.t.cues.opened.last(), 12);
    }
    QVERIFY(s.s->ComboBox1->pick(1));
    QCOMPARE(LessonState.MenuChoice, 2);
    for (const char *problem : {"3125 - 1082 = ?", "5132 - 2094 = ?", "4106 - 1008 = ?", "6102 - 2036 = ?",
                                "3125 - 1082 = ?"}) {
        QVERIFY(s.next());
        QCOMPARE(s.s->Label4->caption(), QString::fromUtf8(problem));
        for (int i = 0; i < 5; ++i)
            QVERIFY(s.step());
        QVERIFY(s.s->CuteButton4->isEnabled());
    }
    QVERIFY(s.next());
    QCOMPARE(s.s->Label4->caption(), QStringLiteral("5132 - 2094 = ?"));
    QVERIFY(s.toggle());
    QVERIFY(s.toggle());
    QCOMPARE(LessonState.StepNo, 0);
    QVERIFY(s.s->ComboBox1->pick(1));
    QVERIFY(s.next());
    QCOMPARE(s.s->Label4->caption(), QStringLiteral("3125 - 1082 = ?"));
}

// An example left in the middle by the toggle: test mode waits with
// "つぎへ" shut until the menu is picked; the step button reads "ステップ１".
void ColumnSubtractionTest::interruptedExample()
{
    Subtraction s(0);
    s.showExample(3);
    QVERIFY(s.step());
    QVERIFY(s.step());
    QCOMPARE(s.marks(), QStringLiteral("4/||"));
    QVERIFY(s.toggle());
    QCOMPARE(s.s->CuteButton3->caption(), QStringLiteral("テスト"));
    QVERIFY(!s.s->CuteButton4->isEnabled());
    QCOMPARE(s.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QCOMPARE(s.marks(), QStringLiteral("||"));
    QVERIFY(s.s->Label9->caption().isEmpty());
    QVERIFY(!s.s->ComboBox2->isVisibleTo(s.s));
    QVERIFY(s.s->ComboBox1->pick(0));
    QCOMPARE(s.s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QVERIFY(s.next());
    QCOMPARE(s.s->Label4->caption(), QStringLiteral("467 - 324 = ?"));
    QVERIFY(s.step());
    QVERIFY(s.s->Label5->caption().startsWith(QStringLiteral("【ステップ１】")));
}

void ColumnSubtractionTest::borrowMarks_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QStringList>("before");  // marks over the tens, hundreds, thousands
    QTest::addColumn<QString>("written");     // "place:mark" written, in order

    QTest::newRow("no borrow") << 0 << 467 << 324 << QStringList{"", "", ""} << "";
    QTest::newRow("ones from the tens") << 0 << 745 << 328 << QStringList{"", "", ""} << "1:3";
    QTest::newRow("ones through a zero tens") << 0 << 503 << 48 << QStringList{"", "", ""} << "1:9 2:4";
    QTest::newRow("ones through two zeros") << 0 << 3002 << 1005 << QStringList{"", "", ""} << "1:9 2:9 3:2";
    QTest::newRow("tens after lending, enough left") << 1 << 745 << 328 << QStringList{"3", "", ""} << "";
    QTest::newRow("tens after lending, borrow") << 1 << 853 << 467 << QStringList{"4", "", ""} << "2:7";
    QTest::newRow("tens passed through read 9") << 1 << 503 << 48 << QStringList{"9", "4", ""} << "";
    QTest::newRow("tens through a zero hundreds") << 1 << 1025 << 80 << QStringList{"", "", ""} << "2:9 3:0";
    QTest::newRow("tens from the hundreds") << 1 << 1216 << 394 << QStringList{"", "", ""} << "2:1";
    QTest::newRow("hundreds after lending") << 2 << 5132 << 2094 << QStringList{"2", "0", ""} << "";
    QTest::newRow("hundreds from the thousands") << 2 << 4216 << 1394 << QStringList{"", "1", ""} << "3:3";
    QTest::newRow("hundreds passed through read 9") << 2 << 3002 << 1005 << QStringList{"9", "9", "2"} << "";
}

void ColumnSubtractionTest::borrowMarks()
{
    QFETCH(int, column);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QStringList, before);
    QFETCH(QString, written);
    const QString marks[4] = {QString(), before[0], before[1], before[2]};
    QStringList out;
    for (const ColumnMark &m : BorrowMarks(column, a, b, marks))
        out << QStringLiteral("%1:%2").arg(m.place).arg(m.text);
    QCOMPARE(out.join(QLatin1Char(' ')), written);
}

void ColumnSubtractionTest::testWalks_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QList<int>>("picks");    // from the ones up
    QTest::addColumn<QStringList>("rows");    // Label9 after each pick
    QTest::addColumn<QStringList>("marks");   // borrow marks after each pick
    QTest::addColumn<QString>("mark");

    QTest::newRow("503 - 48") << 0 << QList<int>{4, 4, 3, 47} << "503 - 48" << QList<int>{5, 5, 4}
                              << QStringList{"5", "55", "455"} << QStringList{"9/|4/|", "9/|4/|", "9/|4/|"} << "○";
    QTest::newRow("503 - 48, wrong digits: the marks follow the problem")
        << 0 << QList<int>{4, 4, 3, 47} << "503 - 48" << QList<int>{9, 0, 1} << QStringList{"9", "09", "109"}
        << QStringList{"9/|4/|", "9/|4/|", "9/|4/|"} << "×";
    QTest::newRow("1216 - 394: the hundreds need the thousands, no mark")
        << 0 << QList<int>{6, 116, 294} << "1216 - 394" << QList<int>{2, 2, 8} << QStringList{"2", "22", "822"}
        << QStringList{"||", "|1/|", "|1/|"} << "○";
    QTest::newRow("1003 - 8: through two zeros")
        << 0 << QList<int>{8, 3, 8} << "1003 - 8" << QList<int>{5, 9, 9} << QStringList{"5", "95", "995"}
        << QStringList{"9/|9/|0/", "9/|9/|0/", "9/|9/|0/"} << "○";
    QTest::newRow("3002 - 1005") << 1 << QList<int>{0, 2002, 5} << "3002 - 1005" << QList<int>{7, 9, 9, 1}
                                 << QStringList{"7", "97", "997", "1997"}
                                 << QStringList{"9/|9/|2/", "9/|9/|2/", "9/|9/|2/", "9/|9/|2/"} << "○";
    QTest::newRow("5246 - 5240: zeros drop out") << 1 << QList<int>{0, 4246, 4240} << "5246 - 5240"
                                                 << QList<int>{6, 0, 0, 0} << QStringList{"6", "06", "6", "6"}
                                                 << QStringList{"||", "||", "||", "||"} << "○";
    QTest::newRow("4216 - 1394: the hundreds borrow from the thousands")
        << 1 << QList<int>{0, 3216, 394} << "4216 - 1394" << QList<int>{2, 2, 8, 2} << QStringList{"2", "22", "822", "2822"}
        << QStringList{"||", "|1/|", "|1/|3/", "|1/|3/"} << "○";
}

void ColumnSubtractionTest::testWalks()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, script);
    QFETCH(QString, problem);
    QFETCH(QList<int>, picks);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, marks);
    QFETCH(QString, mark);

    Subtraction s(menuItem);
    s.pose(script);
    QCOMPARE(s.s->Label4->caption(), problem + QStringLiteral(" = ?"));
    const QStringList numbers = problem.split(QStringLiteral(" - "));
    QCOMPARE(s.s->Label7->caption(), numbers[0]);
    QCOMPARE(s.s->Label8->caption(), numbers[1]);
    QCOMPARE(s.s->Label13->caption(), QStringLiteral("-"));
    QVERIFY(s.s->Label9->caption().isEmpty());
    QCOMPARE(s.marks(), QStringLiteral("||"));
    s.t.cues.clear();
    for (int i = 0; i < picks.size(); ++i) {
        TComboBox *picker = s.open();
        QVERIFY(picker);
        QVERIFY(picker->pick(picks[i]));
        QCOMPARE(s.s->Label9->caption(), rows[i]);
        QCOMPARE(s.marks(), marks[i]);
        const bool last = i + 1 == picks.size();
        QCOMPARE(s.s->Label14->caption(), last ? mark : QString());
        QCOMPARE(s.t.cues.opened.last(), last ? (mark == QStringLiteral("○") ? 14 : 13) : 11);
    }
    QCOMPARE(LessonState.GivenAnswer, rows.last().toInt());
    const int answer = numbers[0].toInt() - numbers[1].toInt();
    QCOMPARE(LessonState.Answer, answer);
    QCOMPARE(s.s->Label4->caption(), problem + QStringLiteral(" = %1").arg(answer));
    QCOMPARE(TestProgram::prompt(s.s), kNextPrompt);
    QVERIFY(s.s->CuteButton4->isEnabled());
}

// One picker open at a time, from the ones up, each column named in the
// prompt; the ones and the tens put the pickers back to their place names,
// the hundreds of four places keep showing their pick.
void ColumnSubtractionTest::testStages()
{
    Subtraction s(1);
    QVERIFY(s.toggle());
    QVERIFY(s.s->CuteButton4->isEnabled());  // kept from the menu pick
    s.pose({0, 2002, 5});
    const QStringList enabled{"一", "十", "百", "千"};
    for (int column = 0; column < 4; ++column) {
        QCOMPARE(TestProgram::prompt(s.s), kColumnPrompts[column]);
        QCOMPARE(s.enabledPickers(), enabled[column]);
        QVERIFY(!s.s->CuteButton4->isEnabled());
        QVERIFY(!s.s->CuteButton5->isEnabled());
        if (column < 3) {
            QCOMPARE(s.s->ComboBox2->text(), QStringLiteral("一"));
            QCOMPARE(s.s->ComboBox3->text(), QStringLiteral("十"));
        }
        QVERIFY(s.open()->pick(QList<int>{7, 9, 9, 1}[column]));
    }
    QCOMPARE(s.s->ComboBox4->itemIndex(), 9);
    QCOMPARE(s.s->ComboBox4->text(), QStringLiteral("９"));
    QCOMPARE(s.enabledPickers(), QStringLiteral("千"));
}

void ColumnSubtractionTest::newPickAfterTheMark_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QString>("picker");   // the last column's, still open after the mark
    QTest::addColumn<QList<int>>("again");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("marks");

    QTest::newRow("503 - 48, the hundreds again") << 0 << QList<int>{4, 4, 3, 47} << QList<int>{5, 5, 4}
                                                  << "ComboBox4" << QList<int>{8, 4, 4}
                                                  << QStringList{"855", "455", "455"} << QStringList{"×", "○", "○"};
    QTest::newRow("3002 - 1005, the thousands again") << 1 << QList<int>{0, 2002, 5} << QList<int>{7, 9, 9, 1}
                                                      << "ComboBox5" << QList<int>{1, 2}
                                                      << QStringList{"1997", "2997"} << QStringList{"○", "×"};
}

// A pick in the last column after the mark replaces that digit and marks
// the same answer again; it never adds its place value a second time.
void ColumnSubtractionTest::newPickAfterTheMark()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, picks);
    QFETCH(QString, picker);
    QFETCH(QList<int>, again);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, marks);

    Subtraction s(menuItem);
    s.pose(script);
    for (int p : picks)
        QVERIFY(s.open()->pick(p));
    QCOMPARE(s.s->Label14->caption(), QStringLiteral("○"));
    const QString borrows = s.marks();
    for (int i = 0; i < again.size(); ++i) {
        s.t.cues.clear();
        QVERIFY(TestProgram::pick(s.s, picker, again[i]));
        QCOMPARE(s.s->Label9->caption(), rows[i]);
        QCOMPARE(LessonState.GivenAnswer, rows[i].toInt());
        QCOMPARE(s.s->Label14->caption(), marks[i]);
        QCOMPARE(s.t.cues.opened, QList<int>{marks[i] == QStringLiteral("○") ? 14 : 13});
        QCOMPARE(s.marks(), borrows);
    }
    // The next problem begins with no digit of this one.
    QVERIFY(s.next());
    QVERIFY(s.s->Label9->caption().isEmpty());
    QVERIFY(s.s->Label14->caption().isEmpty());
    QVERIFY(!s.s->ComboBox4->isEnabled());
    QVERIFY(s.s->ComboBox2->pick(3));
    QCOMPARE(LessonState.GivenAnswer, 3);
}

// Until this screen's menu is picked nothing is posed or marked.
void ColumnSubtractionTest::nothingPosedBeforeThisMenu()
{
    TestProgram t;
    LessonState.MenuChoice = 4;  // as the drill leaves it
    auto *s = qobject_cast<TForm7 *>(t.open(7));
    QVERIFY(s);
    QVERIFY(!s->CuteButton4->isEnabled());
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton3")));
    QVERIFY(!s->CuteButton4->isEnabled());
    s->CuteButton4Click();
    QVERIFY(s->Label4->caption().isEmpty());
    QVERIFY(!s->ComboBox2->isVisibleTo(s));
    s->ComboBox2Change();
    s->ComboBox4Change();
    QVERIFY(s->Label14->caption().isEmpty());
    QVERIFY(s->Label9->caption().isEmpty());
    QCOMPARE(LessonState.MenuChoice, 4);
}

// "ポイント" brings the memo up over the working area and puts it away again.
void ColumnSubtractionTest::memo()
{
    Subtraction s(0);
    s.pose({4, 4, 3, 47});
    QVERIFY(s.s->ComboBox2->pick(5));
    QCOMPARE(s.s->Memo1->y(), 576);
    QVERIFY(s.click("CuteButton6"));
    QVERIFY(s.s->Memo1->isVisible());
    QCOMPARE(s.s->Memo1->y(), 144);
    QCOMPARE(s.s->Memo1->geometry(), s.s->Worksheet->geometry());
    QCOMPARE(s.s->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(s.s->Memo1->verticalScrollBar()->maximum() > 0);  // 35 lines need the scroll bar
    QCOMPARE(s.s->Memo1->lines().size(), 35);
    QCOMPARE(s.s->Memo1->lines()[6], QStringLiteral("　・おなじ 位の 数字 どうしで ひき算を　し、こたえを 線の下に "));
    QCOMPARE(LessonState.GridShown, 1);
    QCOMPARE(TestProgram::prompt(s.s), QStringLiteral("もういちど「ポイント」ボタンを おせば きえるよ！"));
    QCOMPARE(s.t.cues.opened.last(), 15);
    s.fault();
    TestProgram::shot(s.s, QStringLiteral("column-subtraction-memo"));
    QVERIFY(s.s->ComboBox3->pick(5));  // the picker beside the memo still works
    QVERIFY(s.click("CuteButton6"));
    QVERIFY(!s.s->Memo1->isVisible());
    QCOMPARE(s.s->Memo1->y(), 144);
    QCOMPARE(LessonState.GridShown, 0);
    QCOMPARE(TestProgram::prompt(s.s), QStringLiteral("「メニュー」を えらんでね！"));
    QCOMPARE(s.t.cues.opened.last(), 11);
    QCOMPARE(s.s->Label9->caption(), QStringLiteral("55"));
    QCOMPARE(s.marks(), QStringLiteral("9/|4/|"));
    QVERIFY(s.s->Label7->isVisible());
}

void ColumnSubtractionTest::designedScreen()
{
    Subtraction s;
    QVERIFY(s.s);
    QCOMPARE(s.s->Label1->caption(), QStringLiteral("ひっ算"));
    QCOMPARE(s.s->Label2->caption(), QStringLiteral("ひき算"));
    QCOMPARE(s.s->ComboBox1->text(), QStringLiteral("メニュー"));
    QCOMPARE(s.s->ComboBox1->items(), (QStringList{" ３けた", " ４けた"}));
    QCOMPARE(TestProgram::prompt(s.s), QStringLiteral("「メニュー」をえらんでね！"));
    QCOMPARE(s.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QVERIFY(!s.s->CuteButton4->isEnabled());
    QVERIFY(s.s->Label14->property("markLabel").toBool());
    QCOMPARE(s.s->Timer2->interval(), 500);
    // Each stroke lies on its digit of the first row, 28 × 2.
    TShape *strokes[] = {s.s->Shape2, s.s->Shape3, s.s->Shape4};
    TLabel *marks[] = {s.s->Label10, s.s->Label11, s.s->Label12};
    for (int place = 1; place <= 3; ++place) {
        TShape *stroke = strokes[place - 1];
        QCOMPARE(stroke->size(), QSize(28, 2));
        QCOMPARE(stroke->parentWidget(), s.s->Label7);
        QVERIFY(s.s->Label7->cellRect(place).contains(stroke->geometry()));
        QCOMPARE(marks[place - 1]->geometry().center().x(),
                 s.s->Label7->geometry().x() + s.s->Label7->cellRect(place).center().x());
    }
    QVERIFY(TestProgram::click(s.s, QStringLiteral("CuteButton1")));
    QCOMPARE(s.t.dialogs.asked.last().text, QStringLiteral("おわってもいいの？"));
}

void ColumnSubtractionTest::layout()
{
    Subtraction s(0);
    s.fault();
    s.showExample(6);
    QVERIFY(s.step());
    QVERIFY(s.step());  // the longest words: eleven lines
    QCoreApplication::processEvents();
    s.fault();
    TestProgram::shot(s.s, QStringLiteral("column-subtraction-study"));
    QVERIFY(s.s->ComboBox1->pick(1));
    s.showExample(2);
    for (int i = 0; i < 5; ++i)
        QVERIFY(s.step());
    s.fault();
    TestProgram::shot(s.s, QStringLiteral("column-subtraction-study-four"));
    s.pose({0, 2002, 5});  // 3002 - 1005: every mark at the first column
    QVERIFY(s.open()->pick(7));
    s.fault();
    TestProgram::shot(s.s, QStringLiteral("column-subtraction-test"));
    for (int p : {9, 9, 2})
        QVERIFY(s.open()->pick(p));
    QCOMPARE(s.s->Label14->caption(), QStringLiteral("×"));
    s.fault();
    TestProgram::shot(s.s, QStringLiteral("column-subtraction-marked"));
}

QTEST_MAIN(ColumnSubtractionTest)
#include "tst_columnsubtraction.moc"
