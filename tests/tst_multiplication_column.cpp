// Column multiplication by one digit (TForm17): random problems worked step
// by step (words, result row, side carries, struck carries, red lines), the
// same problems worked column by column through the pickers, picks after the
// mark, the screen before its menu is picked, the memo, the worksheet's
// parts where they stand, and the layout in each state. By two digits
// (TForm18): its draws and fall-back, the six steps, the five picking
// stages, marking again, the screen as shown and its layout.
#include "lessons/multiplication/column1.h"
#include "lessons/multiplication/column2.h"
#include "testprogram.h"

#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」をえらんでね！");
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");
const QString kStepPrompt = QStringLiteral("「ステップ」ボタンですすめてね！");
const QString kOnesPrompt = QStringLiteral("赤線で むすんだ 数を かけた 答えを えらんでね！");
const QString kColumnPrompt =
    QStringLiteral("赤線で むすんだ 数を かけ、くり上がりが あれば、\rそれを たした 答えを えらんでね！");

// The draws of a × b on the menu item (0 two places, 1 three, 2 four):
// the multiplier first, then the multiplicand.
QList<int> byOneDigitDraws(int menuItem, int a, int b)
{
    const int from[] = {11, 101, 1001};
    return {b - 2, a - from[menuItem]};
}

// The screen opened from the contents, its menu item picked when given.
struct ByOneDigit {
    TestProgram t;
    TForm17 *s = nullptr;

    explicit ByOneDigit(int menuItem = -1)
    {
        s = qobject_cast<TForm17 *>(t.open(17));
        if (s && menuItem >= 0)
            s->ComboBox1->pick(menuItem);
    }
    bool click(const char *button) { return TestProgram::click(s, QLatin1String(button)); }
    bool next() { return click("CuteButton4"); }
    bool step() { return click("CuteButton5"); }
    bool toggle() { return click("CuteButton3"); }
    // "つぎへ" on a × b of the menu item picked.
    bool pose(int a, int b)
    {
        t.random.script(byOneDigitDraws(s->MenuPicked() - 1, a, b));
        return next();
    }
    TComboBox *picker(const QString &place) const
    {
        const QStringList places{"一", "十", "百", "千", "万"};
        return s->findChild<TComboBox *>(QStringLiteral("ComboBox%1").arg(places.indexOf(place) + 2));
    }
    // A pick by the picker's place name: "十:1".
    bool pick(const QString &what)
    {
        const QStringList parts = what.split(QLatin1Char(':'));
        return picker(parts[0])->pick(parts[1].toInt());
    }
    // The side carries from the top down: "2|1|".
    QString carries() const
    {
        return s->Label9->caption() + QLatin1Char('|') + s->Label10->caption() + QLatin1Char('|') +
               s->Label11->caption();
    }
    // The strokes and red lines in view.
    QString shown(const char *kind, int from, int to) const
    {
        QStringList out;
        for (int n = from; n <= to; ++n) {
            const QString name = QLatin1String(kind) + QString::number(n);
            if (auto *w = s->findChild<QWidget *>(name); w && w->isVisibleTo(s))
                out << name;
        }
        return out.join(QLatin1Char(' '));
    }
    QString strokes() const { return shown("Shape", 2, 3); }
    QString redLines() const { return shown("Image", 2, 5); }
    // The pickers that take a pick, from the ten-thousands down.
    QString enabledPickers() const
    {
        QStringList out;
        for (const QString &place : {"万", "千", "百", "十", "一"})
            if (picker(place)->isEnabled() && picker(place)->isVisibleTo(s))
                out << place;
        return out.join(QLatin1Char(' '));
    }
    void fault() const
    {
        const QString fault = TestProgram::layoutFault(s);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

// TForm18 opened from the contents.
struct ByTwoDigits {
    TestProgram t;
    TForm18 *s = nullptr;

    ByTwoDigits() { s = qobject_cast<TForm18 *>(t.open(18)); }
    bool click(const char *button) { return TestProgram::click(s, QLatin1String(button)); }
    bool next() { return click("CuteButton4"); }
    bool step() { return click("CuteButton5"); }
    bool toggle() { return click("CuteButton3"); }
    bool pose(int a, int b)
    {
        t.random.script({a - 11, b - 11});
        return next();
    }
    TComboBox *picker(const QString &place) const
    {
        const QStringList places{"一", "十", "百", "千"};
        return s->findChild<TComboBox *>(QStringLiteral("ComboBox%1").arg(places.indexOf(place) + 1));
    }
    bool pick(const QString &what)
    {
        const QStringList parts = what.split(QLatin1Char(':'));
        return picker(parts[0])->pick(parts[1].toInt());
    }
    // Rows 3, 4 and 5, the carries and what is struck or ruled: "115|138|1495 1|1 Shape3 Shape2".
    QString sheet() const
    {
        QStringList parts{s->Label8->caption() + QLatin1Char('|') + s->Label9->caption() + QLatin1Char('|') +
                              s->Label10->caption(),
                          s->Label12->caption() + QLatin1Char('|') + s->Label13->caption()};
        for (TShape *shape : {s->Shape3, s->Shape2})
            if (shape->isVisibleTo(s))
                parts << shape->objectName();
        return parts.join(QLatin1Char(' '));
    }
    QString redLines() const
    {
        QStringList out;
        for (TImage *line : {s->Image2, s->Image3, s->Image4, s->Image5})
            if (line->isVisibleTo(s))
                out << line->objectName();
        return out.join(QLatin1Char(' '));
    }
    QString enabledPickers() const
    {
        QStringList out;
        for (const QString &place : {"千", "百", "十", "一"})
            if (picker(place)->isEnabled() && picker(place)->isVisibleTo(s))
                out << place;
        return out.join(QLatin1Char(' '));
    }
    void fault() const
    {
        const QString fault = TestProgram::layoutFault(s);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};
}  // namespace

class MultiplicationColumnTest : public QObject {
    Q_OBJECT
private slots:
    void byOneDigitDraws_data();
    void byOneDigitDraws();
    void byOneDigitWalks_data();
    void byOneDigitWalks();
    void byOneDigitStepButton();
    void byOneDigitInterrupted_data();
    void byOneDigitInterrupted();
    void byOneDigitTests_data();
    void byOneDigitTests();
    void byOneDigitPicksAfterTheMark();
    void byOneDigitNothingBeforeItsMenu();
    void byOneDigitMemo();
    void byOneDigitSheet();
    void byOneDigitScreen();
    void byOneDigitLayout();

    void byTwoDigitsDraws_data();
    void byTwoDigitsDraws();
    void byTwoDigitsWalks_data();
    void byTwoDigitsWalks();
    void byTwoDigitsStepButton();
    void byTwoDigitsTests_data();
    void byTwoDigitsTests();
    void byTwoDigitsMarkedAgain();
    void byTwoDigitsScreen();
    void byTwoDigitsLayout();
};

// ---------------------------------------------------------------- TForm17

void MultiplicationColumnTest::byOneDigitDraws_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("line");
    QTest::newRow("two places, smallest") << 0 << QList<int>{0, 0} << "11 x 2 = ?";
    QTest::newRow("two places, largest") << 0 << QList<int>{6, 87} << "98 x 8 = ?";
    QTest::newRow("three places, smallest") << 1 << QList<int>{0, 0} << "101 x 2 = ?";
    QTest::newRow("three places, largest") << 1 << QList<int>{6, 897} << "998 x 8 = ?";
    QTest::newRow("four places, smallest") << 2 << QList<int>{0, 0} << "1001 x 2 = ?";
    QTest::newRow("four places, largest") << 2 << QList<int>{6, 8997} << "9998 x 8 = ?";
}

// The multiplier is drawn first, then the multiplicand of the menu's places;
// the screen draws them in both modes, reseeding first.
void MultiplicationColumnTest::byOneDigitDraws()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    QFETCH(QString, line);
    for (int mode = 1; mode <= 2; ++mode) {
        ByOneDigit m(menuItem);
        if (mode == 2)
            QVERIFY(m.toggle());
        m.t.random.script(draws);
        m.t.random.asked.clear();
        const int reseeds = m.t.random.reseeds;
        QVERIFY(m.next());
        QCOMPARE(m.s->Label4->caption(), line);
        const int ranges[] = {88, 898, 8998};
        QCOMPARE(m.t.random.asked, (QList<int>{7, ranges[menuItem]}));
        QCOMPARE(m.t.random.reseeds, reseeds + 1);
        QCOMPARE(QStringLiteral("%1 x %2 = ?").arg(LessonState.OperandA).arg(LessonState.OperandB), line);
        QCOMPARE(LessonState.Answer, LessonState.OperandA * LessonState.OperandB);
    }
}

void MultiplicationColumnTest::byOneDigitWalks_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QStringList>("texts");    // Label5 after each step
    QTest::addColumn<QStringList>("rows");     // Label8 after each step
    QTest::addColumn<QStringList>("carries");  // the side carries after each step
    QTest::addColumn<QStringList>("strokes");  // the struck carries after each step

    const QString first = QStringLiteral("【ステップ１】\r\r　もんだいを タテに ならべて かき、\r　下に 線を ひく。");
    const QString carryOut = QStringLiteral("\r　答えの 一の位の 数を 線の下に かき、\r　十の位の 数は　くり上げるので\r　ヨコに かいておく。");
    const QString carryInOut = QStringLiteral("\r　これに くりあがりの数を たして") + carryOut;

    QTest::newRow("21 x 4, no carry") << 0 << 21 << 4
        << QStringList{first,
                       "【ステップ２】\r\r　赤線で むすんだ 4 と 1 をかけ、  \r　答えを 線の下に かく。",
                       "【ステップ３】\r\r　赤線で むすんだ 4 と 2 をかけ、\r　答えを 線の下に かく。おわり。"}
        << QStringList{"", "4", "84"} << QStringList{"||", "||", "||"} << QStringList{"", "", ""};
    QTest::newRow("98 x 8, the last column's 78 written whole") << 0 << 98 << 8
        << QStringList{first,
                       "【ステップ２】\r\r　赤線で むすんだ 8 と 8 をかけ、" + carryOut,
                       "【ステップ３】\r\r　赤線で むすんだ 8 と 9 をかけ、\r　答えに くりあがりの数を たして\r"
                       "　線の下に かく。おわり"}
        << QStringList{"", "4", "784"} << QStringList{"||", "6||", "6||"} << QStringList{"", "", ""};
    QTest::newRow("234 x 5") << 1 << 234 << 5
        << QStringList{first,
                       "【ステップ２】\r\r　赤線で むすんだ 5 と 4 をかけ、" + carryOut,
                       "【ステップ３】\r\r　赤線で むすんだ 5 と 3 をかけ、" + carryInOut,
                       "【ステップ４】\r\r　赤線で むすんだ 5 と 2 をかけ、\r　答えに くりあがりの数を たして\r"
                       "　線の下に かく。おわり"}
        << QStringList{"", "0", "70", "1170"} << QStringList{"||", "2||", "2|1|", "2|1|"}
        << QStringList{"", "", "Shape2", "Shape2"};
    QTest::newRow("305 x 3, a zero takes the carry") << 1 << 305 << 3
        << QStringList{first,
                       "【ステップ２】\r\r　赤線で むすんだ 3 と 5 をかけ、" + carryOut,
                       "【ステップ３】\r\r　赤線で むすんだ 3 と 0 をかけ、\r　答えに くりあがりの数を たして\r"
                       "　線の下に かく。",
                       "【ステップ４】\r\r　赤線で むすんだ 3 と 3 をかけ、\r　答えを 線の下に かく。おわり。"}
        << QStringList{"", "5", "15", "915"} << QStringList{"||", "1||", "1||", "1||"}
        << QStringList{"", "", "Shape2", "Shape2"};
    QTest::newRow("251 x 4 = 1004, one place longer") << 1 << 251 << 4
        << QStringList{first,
                       "【ステップ２】\r\r　赤線で むすんだ 4 と 1 をかけ、  \r　答えを 線の下に かく。",
                       "【ステップ３】\r\r　赤線で むすんだ 4 と 5 をかけ、" + carryOut,
                       "【ステップ４】\r\r　赤線で むすんだ 4 と 2 をかけ、\r　答えに くりあがりの数を たして\r"
                       "　線の下に かく。おわり"}
        << QStringList{"", "4", "04", "1004"} << QStringList{"||", "||", "|2|", "|2|"}
        << QStringList{"", "", "", ""};
    QTest::newRow("9998 x 8, carries 6, 7, 7") << 2 << 9998 << 8
        << QStringList{first,
                       "【ステップ２】\r\r　赤線で むすんだ 8 と 8 をかけ、" + carryOut,
                       "【ステップ３】\r\r　赤線で むすんだ 8 と 9 をかけ、" + carryInOut,
                       "【ステップ４】\r\r　赤線で むすんだ 8 と 9 をかけ、" + carryInOut,
                       "【ステップ５】\r\r　赤線で むすんだ 8 と 9 をかけ、\r　答えに くりあがりの数を たして\r"
                       "　線の下に かく。おわり"}
        << QStringList{"", "4", "84", "984", "79984"} << QStringList{"||", "6||", "6|7|", "6|7|7", "6|7|7"}
        << QStringList{"", "", "Shape2", "Shape2 Shape3", "Shape2 Shape3"};
}

// Each step writes both numbers, "x" and the rule, its words, its digits of
// the result row, its carry beside the worksheet, strikes the carry it used
// and shows the red line of its column; the last one writes the whole
// product and completes the problem line.
void MultiplicationColumnTest::byOneDigitWalks()
{
    QFETCH(int, menuItem);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, carries);
    QFETCH(QStringList, strokes);

    ByOneDigit m(menuItem);
    QVERIFY(m.pose(a, b));
    const QString problem = QStringLiteral("%1 x %2").arg(a).arg(b);
    QCOMPARE(m.s->Label4->caption(), problem + QStringLiteral(" = ?"));
    QVERIFY(!m.s->Shape1->isVisibleTo(m.s));
    QCOMPARE(ByOneDigitSteps(menuItem + 1), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        QVERIFY(m.step());
        const QString at = QStringLiteral("step %1").arg(i + 1);
        QVERIFY2(m.s->Label5->caption() == texts[i], qPrintable(at + QStringLiteral(": ") + m.s->Label5->caption()));
        QCOMPARE(m.s->Label8->caption(), rows[i]);
        QCOMPARE(m.carries(), carries[i]);
        QCOMPARE(m.strokes(), strokes[i]);
        QCOMPARE(m.redLines(), i == 0 ? QString() : QStringLiteral("Image%1").arg(i + 1));
        QCOMPARE(m.s->Label6->caption(), QString::number(a));
        QCOMPARE(m.s->Label7->caption(), QString::number(b));
        QCOMPARE(m.s->Label12->caption(), QStringLiteral("x"));
        QVERIFY(m.s->Shape1->isVisibleTo(m.s));
        const bool last = i + 1 == texts.size();
        QCOMPARE(m.s->Label4->caption(),
                 problem + (last ? QStringLiteral(" = %1").arg(a * b) : QStringLiteral(" = ?")));
        // The same words without a window.
        QCOMPARE(ByOneDigitStep({a, b}, i + 1).text, texts[i]);
    }
}

// The step button names the step its next press shows; the last step
// enables "つぎへ", and a press after it shows step 1 of the same problem
// with the worksheet as it was.
void MultiplicationColumnTest::byOneDigitStepButton()
{
    for (int menuItem = 0; menuItem < 3; ++menuItem) {
        ByOneDigit m(menuItem);
        QCOMPARE(TestProgram::prompt(m.s), kNextPrompt);
        QVERIFY(m.pose(menuItem == 0 ? 98 : menuItem == 1 ? 234 : 9998, 8));
        QCOMPARE(TestProgram::prompt(m.s), kStepPrompt);
        QCOMPARE(m.t.cues.opened.last(), 11);
        QVERIFY(!m.s->CuteButton4->isEnabled());
        const int steps = menuItem + 3;
        for (int i = 1; i <= steps; ++i) {
            QCOMPARE(m.s->CuteButton5->caption(), StepCaption(i));
            QVERIFY(!m.s->CuteButton4->isEnabled());
            QVERIFY(m.step());
            QCOMPARE(m.t.cues.opened.last(), i < steps ? 17 : 12);
            QCOMPARE(TestProgram::prompt(m.s), i < steps ? kStepPrompt : kNextPrompt);
        }
        QCOMPARE(m.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
        QVERIFY(m.s->CuteButton4->isEnabled());
        const QString row = m.s->Label8->caption();
        const QString carries = m.carries();
        QVERIFY(m.step());
        QVERIFY(m.s->Label5->caption().startsWith(QStringLiteral("【ステップ１】")));
        QCOMPARE(m.s->Label8->caption(), row);
        QCOMPARE(m.carries(), carries);
        QCOMPARE(m.redLines(), QString());
        QCOMPARE(m.s->CuteButton5->caption(), QStringLiteral("ステップ２"));
        QVERIFY(m.step());
        QCOMPARE(m.redLines(), QStringLiteral("Image2"));
        // A new problem starts at its step 1.
        QVERIFY(m.pose(menuItem == 0 ? 98 : menuItem == 1 ? 998 : 1001, 2));
        QCOMPARE(m.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
        QCOMPARE(m.carries(), QStringLiteral("||"));
        QCOMPARE(m.s->Label8->caption(), QString());
    }
}

void MultiplicationColumnTest::byOneDigitInterrupted_data()
{
    QTest::addColumn<QStringList>("interrupt");
    QTest::newRow("menu") << QStringList{"menu"};
    QTest::newRow("toggle twice") << QStringList{"toggle", "toggle"};
    QTest::newRow("back to the contents and in again") << QStringList{"return", "menu"};
}

// A problem left in the middle: the step button reads "ステップ１" as its
// next press shows step 1 of the next problem.
void MultiplicationColumnTest::byOneDigitInterrupted()
{
    QFETCH(QStringList, interrupt);
    ByOneDigit m(1);
    QVERIFY(m.pose(234, 5));
    QVERIFY(m.step());
    QVERIFY(m.step());
    QCOMPARE(m.s->CuteButton5->caption(), QStringLiteral("ステップ３"));
    for (const QString &what : interrupt) {
        if (what == QStringLiteral("menu"))
            QVERIFY(m.s->ComboBox1->pick(1));
        else if (what == QStringLiteral("toggle"))
            QVERIFY(m.toggle());
        else
            QVERIFY(m.click("CuteButton2") && m.t.open(17) == m.s);
    }
    QCOMPARE(m.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QCOMPARE(m.carries(), QStringLiteral("||"));
    QCOMPARE(m.redLines(), QString());
    QVERIFY(m.pose(305, 3));
    QCOMPARE(m.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QVERIFY(m.step());
    QVERIFY(m.s->Label5->caption().startsWith(QStringLiteral("【ステップ１】")));
    QCOMPARE(m.s->Label6->caption(), QStringLiteral("305"));
}

void MultiplicationColumnTest::byOneDigitTests_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QStringList>("columns");  // the picks of each column, tens digit first
    QTest::addColumn<QStringList>("rows");     // Label8 after each column
    QTest::addColumn<QStringList>("carries");  // the side carries after each column
    QTest::addColumn<QStringList>("strokes");  // the struck carries after each column
    QTest::addColumn<QString>("mark");

    QTest::newRow("234 x 5") << 1 << 234 << 5 << QStringList{"十:2 一:0", "百:1 十:7", "千:1 百:1"}
        << QStringList{"0", "70", "1170"} << QStringList{"2||", "2|1|", "2|1|"}
        << QStringList{"", "Shape2", "Shape2"} << "○";
    QTest::newRow("9998 x 8") << 2 << 9998 << 8 << QStringList{"十:6 一:4", "百:7 十:8", "千:7 百:9", "万:7 千:9"}
        << QStringList{"4", "84", "984", "79984"} << QStringList{"6||", "6|7|", "6|7|7", "6|7|7"}
        << QStringList{"", "Shape2", "Shape2 Shape3", "Shape2 Shape3"} << "○";
    QTest::newRow("251 x 4 = 1004") << 1 << 251 << 4 << QStringList{"一:4", "百:2 十:0", "千:1 百:0"}
        << QStringList{"4", "04", "1004"} << QStringList{"||", "|2|", "|2|"} << QStringList{"", "", ""} << "○";
    QTest::newRow("21 x 4, one digit a column") << 0 << 21 << 4 << QStringList{"一:4", "十:8"}
        << QStringList{"4", "84"} << QStringList{"||", "||"} << QStringList{"", ""} << "○";
    QTest::newRow("98 x 8, the carry forgotten") << 0 << 98 << 8 << QStringList{"十:6 一:4", "十:2"}
        << QStringList{"4", "24"} << QStringList{"6||", "6||"} << QStringList{"", ""} << "×";
    QTest::newRow("a wrong carry is written as picked") << 1 << 305 << 3 << QStringList{"十:9 一:5", "十:9", "百:9"}
        << QStringList{"5", "95", "995"} << QStringList{"9||", "9||", "9||"} << QStringList{"", "Shape2", "Shape2"}
        << "×";
}

// Column by column, the pupil's partial results go into the row and their
// tens beside it; a used carry is struck; only the finished row is marked.
void MultiplicationColumnTest::byOneDigitTests()
{
    QFETCH(int, menuItem);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, carries);
    QFETCH(QStringList, strokes);
    QFETCH(QString, mark);

    ByOneDigit m(menuItem);
    QVERIFY(m.toggle());
    QCOMPARE(m.s->CuteButton3->caption(), QStringLiteral("テスト"));
    QVERIFY(m.pose(a, b));
    QCOMPARE(m.s->Label6->caption(), QString::number(a));
    QCOMPARE(m.s->Label7->caption(), QString::number(b));
    QCOMPARE(m.s->Label12->caption(), QStringLiteral("x"));
    QCOMPARE(m.s->Label8->caption(), QString());
    QVERIFY(m.s->Shape1->isVisibleTo(m.s));
    QCOMPARE(m.redLines(), QStringLiteral("Image2"));
    QCOMPARE(m.enabledPickers(), QStringLiteral("十 一"));
    QCOMPARE(TestProgram::prompt(m.s), kOnesPrompt);
    QVERIFY(!m.s->CuteButton4->isEnabled());
    const QStringList places{"一", "十", "百", "千", "万"};
    for (int c = 0; c < columns.size(); ++c) {
        const QStringList picks = columns[c].split(QLatin1Char(' '));
        for (int i = 0; i < picks.size(); ++i) {
            m.t.cues.clear();
            QVERIFY2(m.pick(picks[i]), qPrintable(picks[i]));
            if (i + 1 < picks.size())
                QCOMPARE(m.t.cues.opened, QList<int>{11});
        }
        const QString at = QStringLiteral("column %1").arg(c);
        QVERIFY2(m.s->Label8->caption() == rows[c], qPrintable(at + QStringLiteral(": ") + m.s->Label8->caption()));
        QCOMPARE(m.carries(), carries[c]);
        QCOMPARE(m.strokes(), strokes[c]);
        if (c + 1 < columns.size()) {
            QCOMPARE(m.enabledPickers(), places[c + 2] + QLatin1Char(' ') + places[c + 1]);
            QCOMPARE(m.redLines(), QStringLiteral("Image%1").arg(c + 3));
            QCOMPARE(m.t.cues.opened, QList<int>{11});
            QCOMPARE(TestProgram::prompt(m.s), kColumnPrompt);
            QCOMPARE(m.picker(places[c + 1])->itemIndex(), -1);  // the pickers are empty again
            QCOMPARE(m.s->Label4->caption(), QStringLiteral("%1 x %2 = ?").arg(a).arg(b));
        }
    }
    QCOMPARE(m.s->Label13->caption(), mark);
    QCOMPARE(m.t.cues.opened.last(), mark == QStringLiteral("○") ? 14 : 13);
    QCOMPARE(LessonState.GivenAnswer, rows.last().toInt());
    QCOMPARE(m.s->Label4->caption(), QStringLiteral("%1 x %2 = %3").arg(a).arg(b).arg(a * b));
    QVERIFY(m.s->CuteButton4->isEnabled());
    QCOMPARE(TestProgram::prompt(m.s), kNextPrompt);
}

// After the mark a new pick in the last column writes its partial result in
// the same place and marks again: the row never grows, however often.
void MultiplicationColumnTest::byOneDigitPicksAfterTheMark()
{
    ByOneDigit m(2);
    QVERIFY(m.toggle());
    QVERIFY(m.pose(9998, 8));
    for (const char *p : {"十:6", "一:4", "百:7", "十:8", "千:7", "百:9", "万:7", "千:9"})
        QVERIFY(m.pick(QString::fromUtf8(p)));
    QCOMPARE(m.s->Label8->caption(), QStringLiteral("79984"));
    QCOMPARE(m.s->Label13->caption(), QStringLiteral("○"));
    QCOMPARE(m.enabledPickers(), QStringLiteral("万 千"));
    for (int i = 0; i < 40; ++i)
        QVERIFY(m.pick(QStringLiteral("千:9")));
    QCOMPARE(m.s->Label8->caption(), QStringLiteral("79984"));
    QCOMPARE(LessonState.GivenAnswer, 79984);
    QCOMPARE(m.s->Label13->caption(), QStringLiteral("○"));
    m.t.cues.clear();
    QVERIFY(m.pick(QStringLiteral("万:6")));
    QCOMPARE(m.t.cues.opened, QList<int>{11});
    QCOMPARE(m.s->Label13->caption(), QStringLiteral("○"));  // a tens digit alone marks nothing
    QVERIFY(m.pick(QStringLiteral("千:8")));
    QCOMPARE(m.s->Label8->caption(), QStringLiteral("68984"));
    QCOMPARE(LessonState.GivenAnswer, 68984);
    QCOMPARE(m.s->Label13->caption(), QStringLiteral("×"));
    QCOMPARE(m.t.cues.opened.last(), 13);
    QCOMPARE(m.carries(), QStringLiteral("6|7|7"));
    // The next problem starts on an empty row.
    QVERIFY(m.pose(1001, 2));
    QCOMPARE(m.s->Label8->caption(), QString());
    QCOMPARE(m.carries(), QStringLiteral("||"));
    QCOMPARE(m.strokes(), QString());
    QCOMPARE(m.s->Label13->caption(), QString());
    QCOMPARE(LessonState.Entry1, 0);
}

// Before a menu item is picked on this screen nothing is posed, in either
// mode, whatever the shared menu field holds; a pick marks nothing.
void MultiplicationColumnTest::byOneDigitNothingBeforeItsMenu()
{
    ByOneDigit m;
    LessonState.MenuChoice = 2;  // as another screen may leave it
    LessonState.Answer = 4;
    QVERIFY(!m.s->CuteButton4->isEnabled());
    QVERIFY(m.toggle());
    QCOMPARE(LessonState.LessonMode, 2);
    QVERIFY(!m.s->CuteButton4->isEnabled());
    m.t.random.asked.clear();
    m.s->CuteButton4Click();
    m.s->CuteButton5Click();
    m.s->ComboBox2Change();
    QCOMPARE(m.s->Label4->caption(), QString());
    QCOMPARE(m.s->Label13->caption(), QString());
    QVERIFY(m.t.random.asked.isEmpty());
    QCOMPARE(m.enabledPickers(), QString());
    QVERIFY(m.toggle());
    m.s->CuteButton4Click();
    QCOMPARE(m.s->Label4->caption(), QString());

    // Once picked, the screen keeps its own menu item across a return.
    QVERIFY(m.s->ComboBox1->pick(2));
    QVERIFY(m.click("CuteButton2"));
    LessonState.MenuChoice = 1;
    QCOMPARE(m.t.open(17), m.s);
    QCOMPARE(LessonState.MenuChoice, 3);
    QVERIFY(!m.s->CuteButton4->isEnabled());
    QVERIFY(m.toggle());
    QVERIFY(m.pose(1234, 3));
    QCOMPARE(m.s->Label4->caption(), QStringLiteral("1234 x 3 = ?"));
}

// "ポイント" covers the working area with the 30 lines; the worksheet stays
// as it is behind it, and the pickers beside it stay usable.
void MultiplicationColumnTest::byOneDigitMemo()
{
    ByOneDigit m(1);
    QVERIFY(m.toggle());
    QVERIFY(m.pose(234, 5));
    QVERIFY(m.pick(QStringLiteral("十:2")));
    m.t.cues.clear();
    QVERIFY(m.click("CuteButton6"));
    QVERIFY(m.s->Memo1->isVisible());
    QVERIFY(!m.s->Label6->isVisible());
    QCOMPARE(LessonState.GridShown, 1);
    QCOMPARE(TestProgram::prompt(m.s), QStringLiteral("もういちど「ポイント」ボタンを おせば きえるよ！"));
    QCOMPARE(m.t.cues.opened, QList<int>{15});
    const QStringList lines = m.s->Memo1->lines();
    QCOMPARE(lines.size(), 30);
    QCOMPARE(lines[5], QStringLiteral("　　　　　234 x 5　 →　     234"));
    QCOMPARE(lines[6], QString(44, QLatin1Char(' ')) + QStringLiteral("x   5"));
    QCOMPARE(lines[25], QString(33, QLatin1Char(' ')) + QStringLiteral("x    5      1   "));
    QCOMPARE(lines[27], QString(36, QLatin1Char(' ')) + QStringLiteral("70"));
    QCOMPARE(lines[29], QStringLiteral("　・5 x 234 の もんだいは、234 x 5 に かえれば いいよ。"));
    QCOMPARE(m.s->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(m.s->Memo1->geometry(), m.s->Worksheet->geometry().translated(0, 136 - m.s->Worksheet->y()));
    m.fault();
    TestProgram::shot(m.s, QStringLiteral("column-multiplication-1-memo"));
    QVERIFY(m.pick(QStringLiteral("一:0")));
    QVERIFY(m.click("CuteButton6"));
    QVERIFY(!m.s->Memo1->isVisible());
    QCOMPARE(LessonState.GridShown, 0);
    QCOMPARE(TestProgram::prompt(m.s), QStringLiteral("「メニュー」を えらんでね！"));
    QCOMPARE(m.t.cues.opened.last(), 11);
    QCOMPARE(m.s->Label8->caption(), QStringLiteral("0"));
    QCOMPARE(m.carries(), QStringLiteral("2||"));
}

// The worksheet's parts where a pupil reads them: the rows on one right
// edge, the red lines between the first two rows from the digit multiplied
// down to the multiplier, the carries beside the rows one under the other,
// a stroke through the middle of a carry.
void MultiplicationColumnTest::byOneDigitSheet()
{
    ByOneDigit m(2);
    QVERIFY(m.pose(9998, 8));
    auto centreX = [&](TDigitRow *row, int place) { return row->x() + row->cellRect(place).center().x(); };
    QCOMPARE(m.s->Label8->geometry().right(), m.s->Label6->geometry().right());
    QCOMPARE(m.s->Label7->geometry().right(), m.s->Label6->geometry().right());
    QVERIFY(m.s->Label8->width() > m.s->Label6->width());  // room for one more place
    TImage *lines[] = {m.s->Image2, m.s->Image3, m.s->Image4, m.s->Image5};
    for (int place = 0; place < 4; ++place) {
        const QRect g = lines[place]->geometry();
        QVERIFY(g.top() > m.s->Label6->geometry().bottom());
        QVERIFY(g.bottom() < m.s->Label7->y());
        // From the digit of its place, at the top left, down to the
        // multiplier at the bottom right.
        QVERIFY(qAbs(g.left() + 3 - centreX(m.s->Label6, place)) <= 1);
        QVERIFY(qAbs(g.right() - 3 - centreX(m.s->Label7, 0)) <= 1);
        const QImage picture = lines[place]->pixmap().toImage();
        const QColor top = picture.pixelColor(3, 2), bottom = picture.pixelColor(g.width() - 4, g.height() - 3);
        for (const QColor &c : {top, bottom})
            QVERIFY(c.alpha() > 100 && c.red() > c.blue());
        QCOMPARE(picture.pixelColor(g.width() - 1, 0).alpha(), 0);
    }
    TLabel *carries[] = {m.s->Label9, m.s->Label10, m.s->Label11};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(carries[i]->x() > m.s->Label8->geometry().right());
        if (i > 0)
            QVERIFY(carries[i]->y() >= carries[i - 1]->geometry().bottom());
    }
    QCOMPARE(m.s->Shape2->parentWidget(), m.s->Label9);
    QCOMPARE(m.s->Shape2->size(), QSize(25, 2));
    QVERIFY(qAbs(m.s->Shape2->geometry().center().y() - m.s->Label9->rect().center().y()) <= 1);
    QVERIFY(qAbs(m.s->Shape3->geometry().center().x() - m.s->Label10->rect().center().x()) <= 1);
    // The "x" stands left of the multiplicand, the rule from it to beyond the rows.
    QCOMPARE(m.s->Label12->geometry().right() + 1, m.s->Label6->x());
    QVERIFY(m.s->Shape1->x() <= m.s->Label12->x());
    QVERIFY(m.s->Shape1->geometry().right() > m.s->Label6->geometry().right());
    QVERIFY(m.s->Shape1->y() > m.s->Label7->geometry().bottom() && m.s->Shape1->geometry().bottom() < m.s->Label8->y());
    ByOneDigit two(0);
    QVERIFY(two.pose(21, 4));
    QVERIFY(two.step());
    QCOMPARE(two.s->Label12->geometry().center().x(), centreX(two.s->Label6, 2));
}

void MultiplicationColumnTest::byOneDigitScreen()
{
    ByOneDigit m;
    QVERIFY(m.s);
    QCOMPARE(m.s->Label1->caption(), QStringLiteral("かけ算"));
    QCOMPARE(m.s->Label2->caption(), QStringLiteral("ひっ算１"));
    QCOMPARE(m.s->ComboBox1->text(), QStringLiteral("  メニュー"));
    QCOMPARE(m.s->ComboBox1->items(), (QStringList{"２ｘ１ けた", "３ｘ１ けた", "４ｘ１ けた"}));
    QCOMPARE(TestProgram::prompt(m.s), kMenuPrompt);
    QCOMPARE(m.s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QCOMPARE(m.s->CuteButton4->caption(), QStringLiteral("つぎへ"));
    QCOMPARE(m.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QCOMPARE(m.s->CuteButton6->caption(), QStringLiteral("ポイント"));
    QVERIFY(!m.s->CuteButton4->isEnabled());
    QVERIFY(!m.s->CuteButton5->isEnabled());
    QCOMPARE(m.t.cues.opened.last(), 12);
    QCOMPARE(m.s->Timer2->interval(), 500);
    QVERIFY(m.s->Label13->property("markLabel").toBool());
    const QStringList places{"万", "千", "百", "十", "一"};
    for (int i = 0; i < 5; ++i) {
        TComboBox *c = m.picker(places[i]);
        QVERIFY(c->isHidden());
        QCOMPARE(c->count(), 10);
        QCOMPARE(c->items()[7], QStringLiteral("７　"));
        if (i > 0)
            QVERIFY(m.picker(places[i - 1])->geometry().right() < c->x());
    }
    QVERIFY(m.s->ComboBox1->pick(0));
    QCOMPARE(LessonState.MenuChoice, 1);
    QCOMPARE(LessonState.LessonMode, 1);
    QVERIFY(m.s->CuteButton4->isEnabled());
    QCOMPARE(m.t.cues.opened.last(), 12);
    QVERIFY(m.toggle());
    QVERIFY(m.pose(12, 3));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(m.picker(places[i])->text(), places[i]);
    QVERIFY(m.click("CuteButton1"));
    QCOMPARE(m.t.dialogs.asked.last().text, QStringLiteral("おわってもいいの？"));
}

// Every part in view inside the window, apart from the others, its whole
// text shown, in the states with the longest texts and numbers.
void MultiplicationColumnTest::byOneDigitLayout()
{
    ByOneDigit m;
    m.fault();
    QVERIFY(m.s->ComboBox1->pick(2));
    QVERIFY(m.pose(9998, 8));
    for (int i = 0; i < 4; ++i)
        QVERIFY(m.step());
    QCoreApplication::processEvents();
    m.fault();
    TestProgram::shot(m.s, QStringLiteral("column-multiplication-1-study"));
    QVERIFY(m.step());
    m.fault();
    TestProgram::shot(m.s, QStringLiteral("column-multiplication-1-study-done"));

    QVERIFY(m.toggle());
    QVERIFY(m.pose(9998, 8));
    for (const char *p : {"十:6", "一:4", "百:7", "十:8"})
        QVERIFY(m.pick(QString::fromUtf8(p)));
    m.fault();
    TestProgram::shot(m.s, QStringLiteral("column-multiplication-1-test"));
    for (const char *p : {"千:7", "百:9", "万:9", "千:9"})
        QVERIFY(m.pick(QString::fromUtf8(p)));
    QCOMPARE(m.s->Label8->caption(), QStringLiteral("99984"));
    QCOMPARE(m.s->Label13->caption(), QStringLiteral("×"));
    m.fault();
    TestProgram::shot(m.s, QStringLiteral("column-multiplication-1-marked"));
    for (const char *name : {"ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6"}) {
        auto *list = m.s->findChild<TComboBox *>(QLatin1String(name))->findChild<QListWidget *>();
        QVERIFY(list);
        QCOMPARE(list->verticalScrollBar()->maximum(), 0);
    }
}

// ---------------------------------------------------------------- TForm18

void MultiplicationColumnTest::byTwoDigitsDraws_data()
{
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("pairs");  // pairs drawn
    QTest::newRow("smallest") << QList<int>{0, 0} << "11 x 11 = ?" << 1;
    QTest::newRow("largest") << QList<int>{87, 87} << "98 x 98 = ?" << 1;
    QTest::newRow("25 x 40 ends in 0: drawn again") << QList<int>{14, 29, 12, 54} << "23 x 65 = ?" << 2;
    QTest::newRow("15 x 12 ends in 0: drawn again") << QList<int>{4, 1, 20, 23} << "31 x 34 = ?" << 2;
    QList<int> zeros;
    for (int i = 0; i < 1000; ++i)
        zeros << 4 << 1;  // 15 x 12 = 180, a thousand times
    QTest::newRow("a thousand products ending in 0: the fall-back") << zeros << "23 x 45 = ?" << 1000;
}

// Reseeded once, then pairs until the product's ones are not 0; in both modes.
void MultiplicationColumnTest::byTwoDigitsDraws()
{
    QFETCH(QList<int>, draws);
    QFETCH(QString, line);
    QFETCH(int, pairs);
    for (int mode = 1; mode <= 2; ++mode) {
        ByTwoDigits m;
        if (mode == 2)
            QVERIFY(m.toggle());
        m.t.random.script(draws);
        m.t.random.asked.clear();
        const int reseeds = m.t.random.reseeds;
        QVERIFY(m.next());
        QCOMPARE(m.s->Label4->caption(), line);
        QCOMPARE(m.t.random.asked, QList<int>(2 * pairs, 88));
        QCOMPARE(m.t.random.reseeds, reseeds + 1);
        QCOMPARE(QStringLiteral("%1 x %2 = ?").arg(LessonState.OperandA).arg(LessonState.OperandB), line);
        QCOMPARE(LessonState.Answer, LessonState.OperandA * LessonState.OperandB);
        QVERIFY(LessonState.Answer % 10 != 0 || line == QStringLiteral("23 x 45 = ?"));
    }
}

void MultiplicationColumnTest::byTwoDigitsWalks_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QStringList>("sheets");  // ByTwoDigits::sheet() after each step

    QTest::newRow("23 x 65") << 23 << 65
        << QStringList{"|| |", "5|| 1|", "115|| 1|", "115|8| 1|1 Shape3", "115|138| 1|1 Shape3",
                       "115|138|1495 1|1 Shape3 Shape2"};
    QTest::newRow("the fall-back 23 x 45: 115 and 92") << 23 << 45
        << QStringList{"|| |", "5|| 1|", "115|| 1|", "115|2| 1|1 Shape3", "115|92| 1|1 Shape3",
                       "115|92|1035 1|1 Shape3 Shape2"};
    QTest::newRow("12 x 34, no carry") << 12 << 34
        << QStringList{"|| |", "8|| |", "48|| |", "48|6| |", "48|36| |", "48|36|408 | Shape2"};
    QTest::newRow("98 x 98") << 98 << 98
        << QStringList{"|| |", "4|| 6|", "784|| 6|", "784|2| 6|7 Shape3", "784|882| 6|7 Shape3",
                       "784|882|9604 6|7 Shape3 Shape2"};
}

// Six steps: the two rows, then each digit-by-digit product with its red
// line and carry, the used carry of the first row struck, and the sum under
// the second rule. The words are the same for every problem.
void MultiplicationColumnTest::byTwoDigitsWalks()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QStringList, sheets);
    const QStringList texts{
        "【ステップ１】\r\r　もんだいを タテに ならべて \r　書き、下に 線を ひく。",
        "【ステップ２】\r\r　赤線で むすんだ数をかけ、答を\r　線の下に書く。\r　答えが２けたであれば、一の位の\r"
        "　数を線の下に書き、十の位の数は \r　くり上げるので、ヨコに書いておく。",
        "【ステップ３】\r\r　赤線で むすんだ数をかけ、答を\r　線の下に書く。\r　くり上がりがあれば、それをたして\r　書く。",
        "【ステップ４】\r\r　赤線で むすんだ数をかけ、答を\r　線の下の２行目の十の位に書く。\r　答えが２けたであれば、一の位の\r"
        "　数を線の下の同じところに書き、\r　十の位の数は くり上げるので、\r　ヨコに書いておく。",
        "【ステップ５】\r\r　赤線で むすんだ数をかけ、答を\r　線の下の２行目に書く。\r　くり上がりがあれば、それをたして\r　書く。",
        "【ステップ６】\r\r　２行目の下に線をひき、１行目と\r　２行目の数を そのままタテにたし、\r　答を線の下に 書く。終わり。",
    };
    const QStringList lines{"", "Image2", "Image3", "Image4", "Image5", ""};
    ByTwoDigits m;
    QVERIFY(m.pose(a, b));
    QCOMPARE(m.s->Label4->caption(), QStringLiteral("%1 x %2 = ?").arg(a).arg(b));
    for (int i = 0; i < 6; ++i) {
        QVERIFY(m.step());
        const QString at = QStringLiteral("step %1").arg(i + 1);
        QVERIFY2(m.s->Label5->caption() == texts[i], qPrintable(at + QStringLiteral(": ") + m.s->Label5->caption()));
        QVERIFY2(m.sheet() == sheets[i], qPrintable(at + QStringLiteral(": ") + m.sheet()));
        QCOMPARE(m.redLines(), lines[i]);
        QCOMPARE(m.s->Label6->caption(), QString::number(a));
        QCOMPARE(m.s->Label7->caption(), QString::number(b));
        QCOMPARE(m.s->Label11->caption(), QStringLiteral("x"));
        QVERIFY(m.s->Shape1->isVisibleTo(m.s));
        QCOMPARE(m.s->Label4->caption(), QStringLiteral("%1 x %2 = ").arg(a).arg(b) +
                                             (i == 5 ? QString::number(a * b) : QStringLiteral("?")));
        QCOMPARE(ByTwoDigitsStep({a, b}, i + 1).text, texts[i]);
    }
}

// The step button names the next step, six of them, then step 1 again.
void MultiplicationColumnTest::byTwoDigitsStepButton()
{
    ByTwoDigits m;
    QVERIFY(m.pose(23, 65));
    QCOMPARE(TestProgram::prompt(m.s), kStepPrompt);
    QCOMPARE(m.t.cues.opened.last(), 11);
    for (int i = 1; i <= 6; ++i) {
        QCOMPARE(m.s->CuteButton5->caption(), StepCaption(i));
        QVERIFY(!m.s->CuteButton4->isEnabled());
        QVERIFY(m.step());
        QCOMPARE(m.t.cues.opened.last(), i < 6 ? 17 : 12);
        QCOMPARE(TestProgram::prompt(m.s), i < 6 ? kStepPrompt : kNextPrompt);
    }
    QCOMPARE(m.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QVERIFY(m.s->CuteButton4->isEnabled());
    QVERIFY(m.step());
    QVERIFY(m.s->Label5->caption().startsWith(QStringLiteral("【ステップ１】")));
    QCOMPARE(m.sheet(), QStringLiteral("115|138|1495 1|1 Shape3 Shape2"));
    for (int i = 2; i <= 6; ++i)
        QVERIFY(m.step());
    QCOMPARE(m.sheet(), QStringLiteral("115|138|1495 1|1 Shape3 Shape2"));  // the second carry stays unstruck
    // Interrupted by the toggle: the next problem starts at step 1, and the button says so.
    QVERIFY(m.pose(12, 34));
    QVERIFY(m.step());
    QVERIFY(m.toggle());
    QVERIFY(m.toggle());
    QCOMPARE(m.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QVERIFY(m.pose(12, 34));
    QVERIFY(m.step());
    QVERIFY(m.s->Label5->caption().startsWith(QStringLiteral("【ステップ１】")));
}

void MultiplicationColumnTest::byTwoDigitsTests_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QStringList>("stages");  // the picks of each stage
    QTest::addColumn<QStringList>("sheets");  // ByTwoDigits::sheet() after each stage
    QTest::addColumn<QString>("mark");

    QTest::newRow("23 x 65") << 23 << 65 << QStringList{"十:1 一:5", "百:1 十:1", "百:1 十:8", "千:1 百:3", "千:1 百:4 十:9 一:5"}
        << QStringList{"5|| 1|", "115|| 1|", "115|8| 1|1 Shape3", "115|138| 1|1 Shape3 Shape2",
                       "115|138|1495 1|1 Shape3 Shape2"}
        << "○";
    QTest::newRow("31 x 25, one-digit products alone") << 31 << 25
        << QStringList{"一:5", "百:1 十:5", "十:2", "百:6", "百:7 十:7 一:5"}
        << QStringList{"5|| |", "155|| |", "155|2| |", "155|62| | Shape2", "155|62|775 | Shape2"} << "○";
    QTest::newRow("12 x 34 = 408, places left unpicked count 0") << 12 << 34
        << QStringList{"一:8", "十:4", "十:6", "百:3", "百:4 一:8"}
        << QStringList{"8|| |", "48|| |", "48|6| |", "48|36| | Shape2", "48|36|408 | Shape2"} << "○";
    QTest::newRow("a wrong sum") << 23 << 45 << QStringList{"十:1 一:5", "百:1 十:1", "百:1 十:2", "百:9", "千:1 百:0 十:3 一:6"}
        << QStringList{"5|| 1|", "115|| 1|", "115|2| 1|1 Shape3", "115|92| 1|1 Shape3 Shape2",
                       "115|92|1036 1|1 Shape3 Shape2"}
        << "×";
}

// Each stage takes one product, tens digit first, and writes it on the
// sheet; every stage starts with its pickers empty and its slots at 0; the
// last takes the whole product from the highest place down and marks it.
void MultiplicationColumnTest::byTwoDigitsTests()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QStringList, stages);
    QFETCH(QStringList, sheets);
    QFETCH(QString, mark);

    ByTwoDigits m;
    QVERIFY(m.toggle());
    QVERIFY(m.pose(a, b));
    QCOMPARE(LessonState.StepNo, 0);
    QCOMPARE(m.redLines(), QStringLiteral("Image2"));
    QCOMPARE(m.enabledPickers(), QStringLiteral("十 一"));
    QCOMPARE(TestProgram::prompt(m.s), ByTwoDigitsPrompt(0));
    QCOMPARE(m.s->Label11->caption(), QStringLiteral("x"));
    QVERIFY(!m.s->CuteButton4->isEnabled());
    const QStringList enabled{"百 十", "百 十", "千 百", "千 百 十 一"};
    const QStringList lines{"Image3", "Image4", "Image5", "Image5"};
    for (int stage = 0; stage < 5; ++stage) {
        for (const QString &p : stages[stage].split(QLatin1Char(' '))) {
            m.t.cues.clear();
            QVERIFY2(m.pick(p), qPrintable(p));
        }
        const QString at = QStringLiteral("stage %1").arg(stage);
        QVERIFY2(m.sheet() == sheets[stage], qPrintable(at + QStringLiteral(": ") + m.sheet()));
        if (stage < 4) {
            QCOMPARE(LessonState.StepNo, stage + 1);
            QCOMPARE(m.enabledPickers(), enabled[stage]);
            QCOMPARE(m.redLines(), lines[stage]);
            QCOMPARE(TestProgram::prompt(m.s), ByTwoDigitsPrompt(stage + 1));
            QCOMPARE(m.t.cues.opened, QList<int>{17});
            QCOMPARE(LessonState.Entry1 + LessonState.Entry2 + LessonState.Entry3 + LessonState.Entry4, 0);
            QCOMPARE(m.picker(QStringLiteral("百"))->itemIndex(), -1);
        }
    }
    QCOMPARE(m.s->Label14->caption(), mark);
    QCOMPARE(m.t.cues.opened.last(), mark == QStringLiteral("○") ? 14 : 13);
    QCOMPARE(m.s->Label4->caption(), QStringLiteral("%1 x %2 = %3").arg(a).arg(b).arg(a * b));
    QCOMPARE(TestProgram::prompt(m.s), QStringLiteral("「次へ」ボタンで進めてね！"));
    QVERIFY(m.s->CuteButton4->isEnabled());
    QCOMPARE(LessonState.StepNo, 4);
}

// The prompts of the stages, and marking again after the mark from the
// places as they are picked now.
void MultiplicationColumnTest::byTwoDigitsMarkedAgain()
{
    QCOMPARE(ByTwoDigitsPrompt(0), QStringLiteral("赤線で むすんだ数を かけた 答えを\r大きい位から じゅんに えらんでね！"));
    QCOMPARE(ByTwoDigitsPrompt(1),
             QStringLiteral("赤線で むすんだ 数を かけ、くり上がりも合わせた\r答えを 大きい位から じゅんに えらんでね！"));
    QCOMPARE(ByTwoDigitsPrompt(2), ByTwoDigitsPrompt(0));
    QCOMPARE(ByTwoDigitsPrompt(3), ByTwoDigitsPrompt(1));
    QCOMPARE(ByTwoDigitsPrompt(4), QStringLiteral("２行をたした 答えを 大きい位から \rじゅんに えらんでね！"));

    ByTwoDigits m;
    QVERIFY(m.toggle());
    QVERIFY(m.pose(12, 34));
    for (const char *p : {"一:8", "十:4", "十:6", "百:3"})
        QVERIFY(m.pick(QString::fromUtf8(p)));
    m.t.cues.clear();
    QVERIFY(m.pick(QStringLiteral("十:1")));
    QCOMPARE(m.t.cues.opened, QList<int>{17});
    QVERIFY(m.pick(QStringLiteral("一:8")));
    QCOMPARE(m.s->Label10->caption(), QStringLiteral("18"));
    QCOMPARE(m.s->Label14->caption(), QStringLiteral("×"));
    QVERIFY(m.pick(QStringLiteral("百:4")));
    QVERIFY(m.pick(QStringLiteral("十:0")));
    QVERIFY(m.pick(QStringLiteral("一:8")));
    QCOMPARE(m.s->Label10->caption(), QStringLiteral("408"));
    QCOMPARE(LessonState.GivenAnswer, 408);
    QCOMPARE(m.s->Label14->caption(), QStringLiteral("○"));
    QCOMPARE(m.t.cues.opened.last(), 14);
    for (int i = 0; i < 20; ++i)
        QVERIFY(m.pick(QStringLiteral("一:8")));
    QCOMPARE(m.s->Label10->caption(), QStringLiteral("408"));
}

void MultiplicationColumnTest::byTwoDigitsScreen()
{
    ByTwoDigits m;
    QVERIFY(m.s);
    QCOMPARE(m.s->Label1->caption(), QStringLiteral("かけ算"));
    QCOMPARE(m.s->Label2->caption(), QStringLiteral("ひっ算２"));
    QCOMPARE(TestProgram::prompt(m.s), QStringLiteral("「次へ」ボタンで進めてね！"));
    QCOMPARE(m.s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QCOMPARE(m.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QCOMPARE(m.s->CuteButton6->caption(), QStringLiteral("ポイント"));
    QVERIFY(m.s->CuteButton4->isEnabled());  // no menu: ready as soon as shown
    QVERIFY(!m.s->CuteButton5->isEnabled());
    QCOMPARE(m.t.cues.opened.last(), 12);
    QCOMPARE(m.s->Timer2->interval(), 500);
    QVERIFY(m.s->Label14->property("markLabel").toBool());
    const QStringList places{"千", "百", "十", "一"};
    for (int i = 0; i < 4; ++i) {
        TComboBox *c = m.picker(places[i]);
        QVERIFY(c->isHidden());
        QCOMPARE(c->items()[7], QStringLiteral("７　"));
        if (i > 0)
            QVERIFY(m.picker(places[i - 1])->geometry().right() < c->x());
    }
    // The rows on one right edge, the second product one place further left.
    QCOMPARE(m.s->Label8->geometry().right(), m.s->Label6->geometry().right());
    QCOMPARE(m.s->Label10->geometry().right(), m.s->Label6->geometry().right());
    QCOMPARE(m.s->Label9->geometry().right(), m.s->Label6->geometry().right() - m.s->Label6->cellWidth());
    QVERIFY(m.s->Shape2->y() > m.s->Label9->geometry().bottom() && m.s->Shape2->geometry().bottom() < m.s->Label10->y());
    QVERIFY(m.s->Label12->x() > m.s->Label6->geometry().right());
    QVERIFY(m.s->Label13->y() >= m.s->Label12->geometry().bottom());
    // Image4 falls from the ones to the tens: its right end stands over the ones.
    QVERIFY(m.s->Image4->geometry().right() > m.s->Image5->geometry().right());

    QVERIFY(m.click("CuteButton6"));
    QVERIFY(m.s->Memo1->isVisible());
    QCOMPARE(m.s->Memo1->lines().size(), 10);
    QCOMPARE(m.s->Memo1->lines()[1], QStringLiteral("　【２けた ｘ ２けた の ひっ算の ポイント】"));
    QCOMPARE(m.s->Memo1->lines()[7], QStringLiteral("　　１行下に １けた左に ずらして書く。"));
    QCOMPARE(m.t.cues.opened.last(), 15);
    m.fault();
    TestProgram::shot(m.s, QStringLiteral("column-multiplication-2-memo"));
    QVERIFY(m.click("CuteButton6"));
    QVERIFY(!m.s->Memo1->isVisible());
    QCOMPARE(m.t.cues.opened.last(), 11);
    QVERIFY(m.click("CuteButton1"));
    QCOMPARE(m.t.dialogs.asked.last().text, QStringLiteral("終わってもいいの？"));
}

void MultiplicationColumnTest::byTwoDigitsLayout()
{
    ByTwoDigits m;
    m.fault();
    QVERIFY(m.pose(98, 98));
    for (int i = 0; i < 4; ++i)
        QVERIFY(m.step());
    QCoreApplication::processEvents();
    m.fault();
    TestProgram::shot(m.s, QStringLiteral("column-multiplication-2-study"));
    QVERIFY(m.step());
    QVERIFY(m.step());
    m.fault();
    TestProgram::shot(m.s, QStringLiteral("column-multiplication-2-study-done"));
    QVERIFY(m.toggle());
    QVERIFY(m.pose(98, 98));
    for (const char *p : {"十:6", "一:4", "百:7", "十:8", "百:7", "十:2"})
        QVERIFY(m.pick(QString::fromUtf8(p)));
    m.fault();
    TestProgram::shot(m.s, QStringLiteral("column-multiplication-2-test"));
    for (const char *p : {"千:8", "百:8", "千:9", "百:9", "十:9", "一:9"})
        QVERIFY(m.pick(QString::fromUtf8(p)));
    QCOMPARE(m.s->Label10->caption(), QStringLiteral("9999"));
    m.fault();
    TestProgram::shot(m.s, QStringLiteral("column-multiplication-2-marked"));
}

QTEST_MAIN(MultiplicationColumnTest)
#include "tst_multiplication_column.moc"
