// Numbers up to the ten-millions (TForm2): the kanji of a number, the draws,
// the three kinds of exercise through their lists, the study and test states,
// the return to the contents, and the layout of every state.
#include "frame/look.h"
#include "lessons/numbers/numbers.h"
#include "lessons/numbers/places.h"
#include "testprogram.h"

#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

namespace {
const QString kChooseMenu = QStringLiteral("「メニュー」を えらんでね！");
const QString kGoOn = QStringLiteral("「つぎへ」ボタンで すすめてね！");
const QString kPlacesPrompt =
    QStringLiteral("大きな位から じゅんに「位」と「数」を えらんで、\rさいごに「◆」を えらんでね！");
const QString kDigitsPrompt = QStringLiteral("こたえを おおきな「くらい」から じゅんに えらんでね！");

// The draws that make the screen pose n: the roll of the length, then the
// number above the length's lowest.
QList<int> drawsFor(int n)
{
    if (n >= 10000000)
        return {7, n - 10000000};
    if (n >= 1000000)
        return {5, n - 1000000};
    if (n >= 100000)
        return {3, n - 100000};
    return {0, n - 10000};
}

// One pupil action: "toggle", "next", "back", "menu:<item>" (0-based),
// "place:<item>" in "位" (8 is "◆"), "count:<digit>" in "数", "<n>:<digit>"
// in ComboBox<n>, or "字:<kanji>" in the "字" list.
bool act(TScreen *s, const QString &step)
{
    if (step == QLatin1String("toggle"))
        return TestProgram::click(s, QStringLiteral("CuteButton3"));
    if (step == QLatin1String("next"))
        return TestProgram::click(s, QStringLiteral("CuteButton4"));
    if (step == QLatin1String("back"))
        return TestProgram::click(s, QStringLiteral("CuteButton2"));
    const QString kind = step.section(QLatin1Char(':'), 0, 0);
    const QString what = step.section(QLatin1Char(':'), 1);
    if (kind == QLatin1String("menu"))
        return TestProgram::pick(s, QStringLiteral("ComboBox1"), what.toInt());
    if (kind == QLatin1String("place"))
        return TestProgram::pick(s, QStringLiteral("ComboBox10"), what.toInt());
    if (kind == QLatin1String("count"))
        return TestProgram::pick(s, QStringLiteral("ComboBox2"), what.toInt());
    if (kind == QStringLiteral("字")) {
        auto *list = TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox11"));
        return list && list->pick(list->items().indexOf(what));
    }
    return TestProgram::pick(s, QStringLiteral("ComboBox") + kind, what.toInt());
}

QStringList steps(const QString &line)
{
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The screen opened, in test mode, with menu item `menu` (1 to 3) picked and
// the number n posed.
TForm2 *pose(TestProgram &t, int menu, int n)
{
    auto *s = qobject_cast<TForm2 *>(t.open(2));
    if (!s || !act(s, QStringLiteral("toggle")) || !act(s, QStringLiteral("menu:%1").arg(menu - 1)))
        return nullptr;
    t.random.script(drawsFor(n));
    return act(s, QStringLiteral("next")) ? s : nullptr;
}

QStringList column(TScreen *s, int firstLabel)
{
    QStringList out;
    for (int i = 0; i < 8; ++i)
        out << TestProgram::caption(s, QStringLiteral("Label%1").arg(firstLabel + i));
    return out;
}

// The lists in view, by name, in the order of their numbers.
QStringList listsInView(TScreen *s)
{
    QStringList out;
    for (int n = 1; n <= 11; ++n)
        if (!TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox%1").arg(n))->isHidden())
            out << QString::number(n);
    return out;
}

// Reads a number back from its kanji, the way a pupil reads it aloud.
int readKanji(const QString &kanji)
{
    const QString digits = QStringLiteral("一二三四五六七八九");
    int total = 0, group = 0, digit = -1;
    for (const QChar c : kanji) {
        const int d = digits.indexOf(c);
        if (d >= 0) {
            digit = d + 1;
            continue;
        }
        const int unit = c == QStringLiteral("千")[0] ? 1000 : c == QStringLiteral("百")[0] ? 100
                         : c == QStringLiteral("十")[0] ? 10 : 0;
        if (unit) {
            group += (digit < 0 ? 1 : digit) * unit;
        } else if (c == QStringLiteral("万")[0]) {
            total += (group + qMax(digit, 0)) * 10000;
            group = 0;
        } else {
            return -1;
        }
        digit = -1;
    }
    return total + group + qMax(digit, 0);
}
}  // namespace

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void kanji_data();
    void kanji();
    void kanjiReadsBackAsTheNumber();
    void draws_data();
    void draws();
    void places_data();
    void places();
    void placeLeftFromTheLastProblem_data();
    void placeLeftFromTheLastProblem();
    void digits_data();
    void digits();
    void kanjiClicks_data();
    void kanjiClicks();
    void states_data();
    void states();
    void returnInTestModeComesBackInStudy();
    void designedScreen();
    void columnsAreLevelWithThePlaceNames();
    void layout_data();
    void layout();
};

void NumbersTest::kanji_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("kanji");
    QTest::newRow("23456789") << 23456789 << "二千三百四十五万六千七百八十九";
    QTest::newRow("10000") << 10000 << "一万";
    QTest::newRow("10000000") << 10000000 << "千万";
    QTest::newRow("100001") << 100001 << "十万一";
    QTest::newRow("1010000") << 1010000 << "百一万";
    QTest::newRow("30508000") << 30508000 << "三千五十万八千";
    QTest::newRow("every 1 but the ten-thousands and ones is unsaid") << 11111111 << "千百十一万千百十一";
    QTest::newRow("the longest") << 99999999 << "九千九百九十九万九千九百九十九";
    QTest::newRow("an empty group below 万") << 20000001 << "二千万一";
    QTest::newRow("only tens below 万") << 10010 << "一万十";
    QTest::newRow("the lowest drawn six digits") << 100000 << "十万";
}

void NumbersTest::kanji()
{
    QFETCH(int, n);
    QFETCH(QString, kanji);
    QCOMPARE(NumberKanji(n), kanji);
    QVERIFY(kanji.size() <= LongestKanji);
}

// Over many numbers of every length: the kanji read back give the number, a
// 1 is never said before 千, 百 or 十, and no number needs more than the
// longest kanji.
void NumbersTest::kanjiReadsBackAsTheNumber()
{
    FakeRandom random;
    random.seed(7);
    for (int i = 0; i < 20000; ++i) {
        const int n = DrawNumber(random);
        const QString k = NumberKanji(n);
        QCOMPARE(readKanji(k), n);
        for (const char *said : {"一千", "一百", "一十"})
            QVERIFY2(!k.contains(QString::fromUtf8(said)), qPrintable(k));
        QVERIFY(k.size() <= LongestKanji);
        QCOMPARE(k.count(QStringLiteral("万")), 1);
    }
}

void NumbersTest::draws_data()
{
    QTest::addColumn<int>("roll");
    QTest::addColumn<int>("below");  // the n of the second draw
    QTest::addColumn<int>("lowest");
    for (int roll = 0; roll < 9; ++roll) {
        const int digits = roll < 3 ? 5 : roll < 5 ? 6 : roll < 7 ? 7 : 8;
        const int lowest = digits == 5 ? 10000 : digits == 6 ? 100000 : digits == 7 ? 1000000 : 10000000;
        QTest::addRow("roll %d, %d digits", roll, digits) << roll << 9 * lowest - 1 << lowest;
    }
}

void NumbersTest::draws()
{
    QFETCH(int, roll);
    QFETCH(int, below);
    QFETCH(int, lowest);
    for (const int value : {0, below / 2, below - 1}) {
        FakeRandom random;
        random.script({roll, value});
        const int n = DrawNumber(random);
        QCOMPARE(n, lowest + value);
        QCOMPARE(random.reseeds, 1);
        QCOMPARE(random.asked, (QList<int>{9, below}));  // no draw more, none less
        QCOMPARE(QString::number(n).size(), QString::number(lowest).size());
    }
}

void NumbersTest::places_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("picks");
    QTest::addColumn<QStringList>("pupil");    // Label14 … Label21 at the end
    QTest::addColumn<QStringList>("answer");   // Label6 … Label13 at the end
    QTest::addColumn<QStringList>("marks");    // the mark after each "◆"
    QTest::addColumn<QList<int>>("cues");      // every cue heard during the picks
    QTest::addColumn<int>("given");

    const QStringList none(8, QString());
    const QStringList all{"2", "3", "4", "5", "6", "7", "8", "9"};
    const QStringList ofFive{"", "", "", "1", "", "2", "", "3"};  // 10203
    QTest::newRow("every place of 23456789")
        << 23456789
        << "place:0 count:2 place:1 count:3 place:2 count:4 place:3 count:5 place:4 count:6 place:5 count:7 "
           "place:6 count:8 place:7 count:9 place:8"
        << all << all << QStringList{"○"} << QList<int>(16, 11) + QList<int>{14} << 23456789;
    QTest::newRow("five digits: the places above are left alone")
        << 10203 << "place:3 count:1 place:5 count:2 place:7 count:3 place:8"
        << QStringList{"", "", "", "1", "", "2", "", "3"} << ofFive << QStringList{"○"}
        << QList<int>(6, 11) + QList<int>{14} << 10203;
    QTest::newRow("a count of 0 is right where the digit is 0")
        << 10203 << "place:3 count:1 place:4 count:0 place:5 count:2 place:6 count:0 place:7 count:3 place:8"
        << QStringList{"", "", "", "1", "0", "2", "0", "3"} << ofFive << QStringList{"○"}
        << QList<int>(10, 11) + QList<int>{14} << 10203;
    QTest::newRow("a count of 0 where the digit is not")
        << 10203 << "place:3 count:1 place:5 count:0 place:7 count:3 place:8"
        << QStringList{"", "", "", "1", "", "0", "", "3"} << ofFive << QStringList{"×"}
        << QList<int>(6, 11) + QList<int>{13} << 10003;
    QTest::newRow("a place picked twice keeps the later count")
        << 10203 << "place:3 count:1 place:5 count:5 place:7 count:3 place:5 count:2 place:8"
        << QStringList{"", "", "", "1", "", "2", "", "3"} << ofFive << QStringList{"○"}
        << QList<int>(8, 11) + QList<int>{14} << 10203;
    QTest::newRow("a count picked twice for one place keeps the later")
        << 10203 << "place:3 count:1 place:5 count:9 count:2 place:7 count:3 place:8"
        << QStringList{"", "", "", "1", "", "2", "", "3"} << ofFive << QStringList{"○"}
        << QList<int>(7, 11) + QList<int>{14} << 10203;
    QTest::newRow("数 before any 位 stores nothing")
        << 10203 << "count:4 place:3 count:1 place:5 count:2 place:7 count:3 place:8"
        << QStringList{"", "", "", "1", "", "2", "", "3"} << ofFive << QStringList{"○"}
        << QList<int>(7, 11) + QList<int>{14} << 10203;
    QTest::newRow("a place too high is wrong")
        << 10203 << "place:2 count:1 place:5 count:2 place:7 count:3 place:8"
        << QStringList{"", "", "1", "", "", "2", "", "3"} << ofFive << QStringList{"×"}
        << QList<int>(6, 11) + QList<int>{13} << 100203;
    QTest::newRow("◆ with nothing picked") << 23456789 << "place:8" << none << all << QStringList{"×"}
                                           << QList<int>{13} << 0;
    QTest::newRow("mended after the mark, marked again")
        << 10203 << "place:3 count:1 place:7 count:3 place:8 place:5 count:2 place:8"
        << QStringList{"", "", "", "1", "", "2", "", "3"} << ofFive << QStringList{"×", "○"}
        << QList<int>{11, 11, 11, 11, 13, 11, 11, 14} << 10203;
    QTest::newRow("the highest count of the highest place")
        << 99999998 << "place:0 count:9 place:1 count:9 place:2 count:9 place:3 count:9 place:4 count:9 "
                       "place:5 count:9 place:6 count:9 place:7 count:8 place:8"
        << QStringList{"9", "9", "9", "9", "9", "9", "9", "8"} << QStringList{"9", "9", "9", "9", "9", "9", "9", "8"}
        << QStringList{"○"} << QList<int>(16, 11) + QList<int>{14} << 99999998;
}

void NumbersTest::places()
{
    QFETCH(int, n);
    QFETCH(QString, picks);
    QFETCH(QStringList, pupil);
    QFETCH(QStringList, answer);
    QFETCH(QStringList, marks);
    QFETCH(QList<int>, cues);
    QFETCH(int, given);

    TestProgram t;
    t.soundOn();
    TForm2 *s = pose(t, 1, n);
    QVERIFY(s);
    QCOMPARE(LessonState.Answer, n);
    t.cues.clear();
    QStringList seen;
    for (const QString &p : steps(picks)) {
        QVERIFY2(act(s, p), qPrintable(p));
        if (p == QLatin1String("place:8")) {
            seen << TestProgram::caption(s, QStringLiteral("Label22"));
            QVERIFY(s->CuteButton4->isEnabled());
            QCOMPARE(TestProgram::prompt(s), kGoOn);
        } else if (seen.isEmpty()) {
            // Until "◆" the answer column stays blank and nothing is marked.
            QCOMPARE(column(s, 6), QStringList(8, QString()));
            QCOMPARE(TestProgram::caption(s, QStringLiteral("Label22")), QString());
            QVERIFY(!s->CuteButton4->isEnabled());
        }
    }
    QCOMPARE(seen, marks);
    QCOMPARE(column(s, 14), pupil);
    QCOMPARE(column(s, 6), answer);
    QCOMPARE(t.cues.played, cues);
    QCOMPARE(LessonState.GivenAnswer, given);
}

void NumbersTest::placeLeftFromTheLastProblem_data()
{
    QTest::addColumn<QString>("before");  // picks on the first problem, before "つぎへ"
    QTest::addColumn<int>("place");       // where the first count of the next problem lands, -1 nowhere
    QTest::newRow("after ◆ the count lands nowhere") << "place:3 count:1 place:8" << -1;
    QTest::newRow("a place picked after the mark is kept") << "place:8 place:5" << 5;
}

// The "位" list keeps its last pick from one problem to the next, and a count
// picked first on a new problem goes to that place.
void NumbersTest::placeLeftFromTheLastProblem()
{
    QFETCH(QString, before);
    QFETCH(int, place);
    TestProgram t;
    t.soundOn();
    TForm2 *s = pose(t, 1, 10203);
    QVERIFY(s);
    for (const QString &p : steps(before))
        QVERIFY2(act(s, p), qPrintable(p));
    const QString shownPlace = s->ComboBox10->text();
    t.random.script(drawsFor(23456789));
    QVERIFY(act(s, QStringLiteral("next")));
    QCOMPARE(s->ComboBox10->text(), shownPlace);  // the list shows the place that counts
    QCOMPARE(s->ComboBox2->text(), QStringLiteral("数"));
    QCOMPARE(s->ComboBox2->itemIndex(), -1);
    t.cues.clear();
    QVERIFY(act(s, QStringLiteral("count:4")));
    QCOMPARE(t.cues.played, QList<int>{11});
    QStringList pupil(8, QString());
    if (place >= 0)
        pupil[place] = QStringLiteral("4");
    QCOMPARE(column(s, 14), pupil);
    QVERIFY(act(s, QStringLiteral("place:8")));
    QCOMPARE(LessonState.GivenAnswer, place >= 0 ? 4 * PlaceValues[place] : 0);
}

void NumbersTest::digits_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("picks");
    QTest::addColumn<QStringList>("marks");  // the mark after each ones pick
    QTest::addColumn<QList<int>>("cues");
    QTest::addColumn<int>("given");

    QTest::newRow("every place of 23456789") << 23456789 << "9:2 8:3 7:4 6:5 5:6 4:7 3:8 2:9" << QStringList{"○"}
                                             << QList<int>(7, 11) + QList<int>{14} << 23456789;
    QTest::newRow("five digits: the pickers above left alone") << 10203 << "6:1 5:0 4:2 3:0 2:3" << QStringList{"○"}
                                                              << QList<int>(4, 11) + QList<int>{14} << 10203;
    QTest::newRow("five digits: zeros picked above are no harm")
        << 10203 << "9:0 8:0 7:0 6:1 4:2 2:3" << QStringList{"○"} << QList<int>(5, 11) + QList<int>{14} << 10203;
    QTest::newRow("the ones first: the answer shows at once") << 23456789 << "2:9" << QStringList{"×"}
                                                              << QList<int>{13} << 9;
    QTest::newRow("a digit one place too high") << 10203 << "7:1 4:2 2:3" << QStringList{"×"}
                                                << QList<int>{11, 11, 13} << 100203;
    QTest::newRow("a place mended after the mark, the ones again")
        << 10203 << "6:1 4:3 2:3 4:2 2:3" << QStringList{"×", "○"} << QList<int>{11, 11, 13, 11, 14} << 10203;
    QTest::newRow("the highest number drawn") << 99999998 << "9:9 8:9 7:9 6:9 5:9 4:9 3:9 2:8" << QStringList{"○"}
                                              << QList<int>(7, 11) + QList<int>{14} << 99999998;
}

void NumbersTest::digits()
{
    QFETCH(int, n);
    QFETCH(QString, picks);
    QFETCH(QStringList, marks);
    QFETCH(QList<int>, cues);
    QFETCH(int, given);

    TestProgram t;
    t.soundOn();
    TForm2 *s = pose(t, 2, n);
    QVERIFY(s);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label3")), NumberKanji(n) + QStringLiteral("\rを 数字で かくと？"));
    QCOMPARE(s->TextA, NumberKanji(n));
    t.cues.clear();
    QStringList seen;
    for (const QString &p : steps(picks)) {
        QVERIFY2(act(s, p), qPrintable(p));
        const bool ones = p.startsWith(QLatin1String("2:"));
        if (ones)
            seen << TestProgram::caption(s, QStringLiteral("Label22"));
        // The answer line comes with the first ones pick, whatever came before.
        QCOMPARE(TestProgram::caption(s, QStringLiteral("Label23")),
                 seen.isEmpty() ? QString() : QStringLiteral("こたえは %1 だよ。").arg(n));
        QCOMPARE(s->CuteButton4->isEnabled(), !seen.isEmpty());
    }
    QCOMPARE(seen, marks);
    QCOMPARE(t.cues.played, cues);
    QCOMPARE(LessonState.GivenAnswer, given);
    QCOMPARE(TestProgram::prompt(s), kGoOn);
}

void NumbersTest::kanjiClicks_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("clicked");  // TextB at the end
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QList<int>>("cues");

    QTest::newRow("23456789") << 23456789 << "二 千 三 百 四 十 五 万 六 千 七 百 八 十 九 ◆"
                              << "二千三百四十五万六千七百八十九" << QStringList{"○"}
                              << QList<int>(15, 11) + QList<int>{14};
    QTest::newRow("10000 is 一 万") << 10000 << "一 万 ◆" << "一万" << QStringList{"○"} << QList<int>{11, 11, 14};
    QTest::newRow("10000 is not 万 alone") << 10000 << "万 ◆" << "万" << QStringList{"×"} << QList<int>{11, 13};
    QTest::newRow("10000000 is 千 万") << 10000000 << "千 万 ◆" << "千万" << QStringList{"○"} << QList<int>{11, 11, 14};
    QTest::newRow("10000000 is not 一 千 万") << 10000000 << "一 千 万 ◆" << "一千万" << QStringList{"×"}
                                         << QList<int>{11, 11, 11, 13};
    QTest::newRow("30508000") << 30508000 << "三 千 五 十 万 八 千 ◆" << "三千五十万八千" << QStringList{"○"}
                              << QList<int>(7, 11) + QList<int>{14};
    QTest::newRow("a wrong kanji cannot be taken back") << 1010000 << "百 二 一 万 ◆" << "百二一万" << QStringList{"×"}
                                                      << QList<int>{11, 11, 11, 11, 13};
    QTest::newRow("◆ with nothing clicked") << 100001 << "◆" << "" << QStringList{"×"} << QList<int>{13};
    QTest::newRow("kanji after the mark rest; ◆ marks the same again")
        << 10000 << "一 万 ◆ 三 ◆" << "一万" << QStringList{"○", "○"} << QList<int>{11, 11, 14, 14};
    QTest::newRow("no more kanji than the longest number has")
        << 23456789 << QStringList(20, QStringLiteral("一")).join(QLatin1Char(' ')) + QStringLiteral(" ◆")
        << QString(15, QStringLiteral("一")[0]) << QStringList{"×"} << QList<int>(15, 11) + QList<int>{13};
}

void NumbersTest::kanjiClicks()
{
    QFETCH(int, n);
    QFETCH(QString, clicks);
    QFETCH(QString, clicked);
    QFETCH(QStringList, marks);
    QFETCH(QList<int>, cues);

    TestProgram t;
    t.soundOn();
    TForm2 *s = pose(t, 3, n);
    QVERIFY(s);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label3")), QStringLiteral("%1\rを 漢字で かくと？").arg(n));
    t.cues.clear();
    QStringList seen;
    for (const QString &c : steps(clicks)) {
        QVERIFY2(act(s, QStringLiteral("字:") + c), qPrintable(c));
        if (c == QStringLiteral("◆")) {
            seen << TestProgram::caption(s, QStringLiteral("Label22"));
            QCOMPARE(TestProgram::caption(s, QStringLiteral("Label23")), QStringLiteral("こたえ：　 ") + NumberKanji(n));
            QCOMPARE(TestProgram::prompt(s), kGoOn);
            QVERIFY(s->CuteButton4->isEnabled());
        } else if (seen.isEmpty()) {
            QCOMPARE(TestProgram::caption(s, QStringLiteral("Label24")), QStringLiteral("クリック： ") + s->TextB);
            QVERIFY(!s->CuteButton4->isEnabled());
        }
    }
    QCOMPARE(s->TextB, clicked);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label24")),
             clicked.isEmpty() ? QString() : QStringLiteral("クリック： ") + clicked);
    QCOMPARE(seen, marks);
    QCOMPARE(t.cues.played, cues);

    // The next problem starts with nothing clicked.
    t.random.script(drawsFor(10000));
    QVERIFY(act(s, QStringLiteral("next")));
    QCOMPARE(s->TextB, QString());
    QCOMPARE(s->ComboBox11->text(), QStringLiteral("字"));
    QVERIFY(act(s, QStringLiteral("字:一")));
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label24")), QStringLiteral("クリック： 一"));
}

void NumbersTest::states_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("memo");
    QTest::addColumn<QStringList>("lists");  // the lists in view
    QTest::addColumn<bool>("next");          // "つぎへ" enabled
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("question");      // Label3 has a question
    QTest::addColumn<QList<int>>("lastCues");  // the cues of the last action

    const QStringList digitLists{"2", "3", "4", "5", "6", "7", "8", "9"};
    QTest::newRow("study") << "" << 1 << true << QStringList{} << false << "" << false << QList<int>{12};
    QTest::newRow("choose menu") << "toggle" << 2 << false << QStringList{"1"} << false << kChooseMenu << false
                                 << QList<int>{12};
    QTest::newRow("ready") << "toggle menu:0" << 2 << false << QStringList{"1"} << true << kGoOn << false
                           << QList<int>{12};
    QTest::newRow("posed あわせた数") << "toggle menu:0 next" << 2 << false << QStringList{"1", "2", "10"} << false
                                      << kPlacesPrompt << true << QList<int>{17};
    QTest::newRow("posed 漢字→数字") << "toggle menu:1 next" << 2 << false << QStringList{"1"} + digitLists << false
                                    << kDigitsPrompt << true << QList<int>{17};
    QTest::newRow("posed 数字→漢字") << "toggle menu:2 next" << 2 << false << QStringList{"1", "11"} << false
                                    << kDigitsPrompt << true << QList<int>{17};
    QTest::newRow("marked あわせた数") << "toggle menu:0 next place:8" << 2 << false << QStringList{"1", "2", "10"}
                                       << true << kGoOn << true << QList<int>{13};
    QTest::newRow("marked 漢字→数字") << "toggle menu:1 next 2:0" << 2 << false << QStringList{"1"} + digitLists
                                     << true << kGoOn << true << QList<int>{13};
    QTest::newRow("marked, then the next problem") << "toggle menu:2 next 字:◆ next" << 2 << false
                                                   << QStringList{"1", "11"} << false << kDigitsPrompt << true
                                                   << QList<int>{17};
    QTest::newRow("a new menu pick mid-problem") << "toggle menu:0 next place:3 count:1 menu:2" << 2 << false
                                                 << QStringList{"1"} << true << kGoOn << false << QList<int>{12};
    QTest::newRow("from menu 1 to menu 2: the 数 list is the ones picker again")
        << "toggle menu:0 next menu:1 next" << 2 << false << QStringList{"1"} + digitLists << false << kDigitsPrompt
        << true << QList<int>{17};
    QTest::newRow("back to study mid-problem, without a cue") << "toggle menu:1 next 5:3 toggle" << 1 << true
                                                              << QStringList{} << false << "" << false << QList<int>{};
    QTest::newRow("...and to test again") << "toggle menu:1 next 5:3 toggle toggle" << 2 << false << QStringList{"1"}
                                          << false << kChooseMenu << false << QList<int>{12};
}

void NumbersTest::states()
{
    QFETCH(QString, actions);
    QFETCH(int, mode);
    QFETCH(bool, memo);
    QFETCH(QStringList, lists);
    QFETCH(bool, next);
    QFETCH(QString, prompt);
    QFETCH(bool, question);
    QFETCH(QList<int>, lastCues);

    TestProgram t;
    t.soundOn();
    t.cues.clear();
    t.random.script(drawsFor(23456789) + drawsFor(10203));
    auto *s = qobject_cast<TForm2 *>(t.open(2));
    QVERIFY(s);
    const QStringList all = steps(actions);
    for (int i = 0; i < all.size(); ++i) {
        if (i == all.size() - 1)
            t.cues.clear();  // the cues of the last action only
        QVERIFY2(act(s, all[i]), qPrintable(all[i]));
    }

    QCOMPARE(LessonState.LessonMode, mode);
    QCOMPARE(s->CuteButton3->caption(), mode == 1 ? QStringLiteral("べんきょう") : QStringLiteral("テスト"));
    QCOMPARE(!s->Memo1->isHidden(), memo);
    if (memo)
        QCOMPARE(s->Memo1->y(), 88);
    QCOMPARE(listsInView(s), lists);
    QCOMPARE(s->CuteButton4->isEnabled(), next);
    QCOMPARE(TestProgram::prompt(s), prompt);
    QCOMPARE(!TestProgram::caption(s, QStringLiteral("Label3")).isEmpty(), question);
    QCOMPARE(t.cues.played, lastCues);
    if (lists.contains(QStringLiteral("10"))) {
        QCOMPARE(s->ComboBox10->x(), 825);  // a gap to "数", which keeps the right edge
        QVERIFY(s->ComboBox2->x() >= s->ComboBox10->geometry().right());
    }
    if (lists.contains(QStringLiteral("11")))
        QCOMPARE(s->ComboBox11->x(), 885);
    if (lists.contains(QStringLiteral("9")) && actions.endsWith(QStringLiteral("next"))) {
        // A new problem's pickers show their places, highest on the left.
        const QStringList places{"一", "十", "百", "千", "万", "十", "百", "千"};
        for (int n = 2; n <= 9; ++n) {
            auto *c = TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox%1").arg(n));
            QCOMPARE(c->itemIndex(), -1);
            QCOMPARE(c->text(), places[n - 2]);
            if (n > 2)
                QVERIFY(c->geometry().right() < TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox%1").arg(n - 1))->x());
        }
        // Each new problem starts with empty slots: a place not picked counts 0.
        for (const int slot : {LessonState.Work5, LessonState.Work6, LessonState.Work7, LessonState.Entry1,
                               LessonState.Entry2, LessonState.Entry3, LessonState.Entry4, LessonState.Entry5})
            QCOMPARE(slot, 0);
    }
}

void NumbersTest::returnInTestModeComesBackInStudy()
{
    TestProgram t;
    t.soundOn();
    TForm2 *s = pose(t, 1, 23456789);
    QVERIFY(s);
    QVERIFY(act(s, QStringLiteral("place:0")));
    QVERIFY(act(s, QStringLiteral("count:2")));
    QVERIFY(act(s, QStringLiteral("place:8")));
    QVERIFY(act(s, QStringLiteral("back")));
    QVERIFY(s->isHidden());
    QCOMPARE(LessonState.LessonMode, 2);  // leaving resets nothing
    t.cues.clear();

    QCOMPARE(t.open(2), s);
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QVERIFY(!s->Memo1->isHidden());
    QCOMPARE(listsInView(s), QStringList());
    QVERIFY(!s->CuteButton4->isEnabled());
    for (int n = 2; n <= 24; ++n)
        QVERIFY2(TestProgram::caption(s, QStringLiteral("Label%1").arg(n)).isEmpty(), qPrintable(QString::number(n)));
    QCOMPARE(t.cues.played, QList<int>{12});
    QVERIFY(!t.random.remaining());

    // The menu is picked afresh and poses a new problem.
    QVERIFY(act(s, QStringLiteral("toggle")));
    QVERIFY(act(s, QStringLiteral("menu:2")));
    t.random.script(drawsFor(10000));
    QVERIFY(act(s, QStringLiteral("next")));
    QCOMPARE(LessonState.AuxCount, 3);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label3")), QStringLiteral("10000\rを 漢字で かくと？"));
}

// The designed texts, lists and frame of the screen, and its place in the
// program.
void NumbersTest::designedScreen()
{
    TestProgram t;
    QCOMPARE(t.program->forms().first(), 2);
    TScreen *s = t.program->screen(2);
    QVERIFY(s && s->isHidden());
    QCOMPARE(s->Timer2->interval(), 1000);
    QCOMPARE(t.open(2), s);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label1")), QStringLiteral("何千万まで"));
    QCOMPARE(TestProgram::prompt(s), QString());
    QVERIFY(!s->Timer2->isActive());

    auto *memo = TestProgram::control<TMemo>(s, QStringLiteral("Memo1"));
    QCOMPARE(memo->size(), QSize(817, 481));
    const QStringList lines = memo->lines();
    QCOMPARE(lines.size(), 34);
    QCOMPARE(lines[1], QStringLiteral("　何千万までの数"));
    QCOMPARE(lines[3], QStringLiteral("　　１０００ が １０コ あつまると ・・・・・・・・　１００００　（いちまん）"));
    QCOMPARE(lines[4], QStringLiteral("　　１００００ が １０コ あつまると　・・・・・・ １０００００　（じゅうまん）"));
    QCOMPARE(lines[13], QStringLiteral("　　　４　　四　　　　　　　　１００００　　一万"));
    QCOMPARE(lines[29], QStringLiteral("　　　二千三百 四十五万 六千七百 八十 九　"));
    QCOMPARE(lines[31], QStringLiteral("　何万～何千万のところは、最後に「万」をつければいいよ。"));
    QCOMPARE(lines[33], QString());
    QCOMPARE(memo->toPlainText(), lines.join(QLatin1Char('\n')));

    auto *menu = TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox1"));
    QCOMPARE(menu->items(), (QStringList{"あわせた数", "漢字→数字", "数字→漢字"}));
    QCOMPARE(menu->text(), QStringLiteral("  メニュー"));
    auto *places = TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox10"));
    QCOMPARE(places->items(), (QStringList{"千万", "百万", "十万", "  万", "  千", "  百", "  十", "  一", "  ◆"}));
    QCOMPARE(places->text(), QStringLiteral("  位"));
    auto *kanji = TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox11"));
    QCOMPARE(kanji->items(),
             (QStringList{"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "百", "千", "万", "◆"}));
    QCOMPARE(kanji->text(), QStringLiteral("字"));
    for (int n = 2; n <= 9; ++n)
        QCOMPARE(TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox%1").arg(n))->items(), TComboBox::digits());

    // The question of "あわせた数", line for line.
    QCOMPARE(PlacesQuestion(23456789),
             QStringLiteral("23456789 は\r\r　千万\r　百万\r　十万\r　一万\r　千\r　百\r　十\r　一\r\r"
                            "を それぞれ なんコ あわせた数？"));

    QVERIFY(TestProgram::control<QObject>(s, QStringLiteral("Label22"))->property("markLabel").toBool());
    QVERIFY(TestProgram::control<QObject>(s, QStringLiteral("CuteButton3"))->property("modeToggle").toBool());
    t.dialogs.answers = {QuitAnswer::No};
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton1")));
    QCOMPARE(t.dialogs.asked.last().text, QStringLiteral("おわっても いいの？"));
    QCOMPARE(t.quitter.quits, 0);
    QVERIFY(s->isVisible());
}

// Each digit of the answer and pupil columns stands on the line of its place
// name in the question: the ink of every place name lies within the height of
// its two column labels.
void NumbersTest::columnsAreLevelWithThePlaceNames()
{
    TestProgram t;
    TForm2 *s = pose(t, 1, 23456789);
    QVERIFY(s);
    QCoreApplication::processEvents();
    const QImage image = s->Label3->grab().toImage();
    const QRgb paper = image.pixel(image.width() - 1, image.height() - 1);
    // Rows of ink in the left strip where the place names stand.
    QList<std::pair<int, int>> bands;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < 90 && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < qGray(paper) - 60;
        if (ink && !inBand)
            bands.append({y, y});
        if (ink)
            bands.last().second = y;
        inBand = ink;
    }
    // The number, eight place names, the closing question.
    QCOMPARE(bands.size(), 10);
    for (int place = 0; place < 8; ++place) {
        const auto [top, bottom] = bands[1 + place];
        const int screenTop = s->Label3->y() + top, screenBottom = s->Label3->y() + bottom;
        for (int first : {6, 14}) {
            const QRect row = TestProgram::control<TLabel>(s, QStringLiteral("Label%1").arg(first + place))->geometry();
            QVERIFY2(row.top() <= screenTop && screenBottom <= row.bottom(),
                     qPrintable(QStringLiteral("place %1: ink %2-%3, Label%4 %5-%6")
                                    .arg(place).arg(screenTop).arg(screenBottom).arg(first + place)
                                    .arg(row.top()).arg(row.bottom())));
        }
    }
}

void NumbersTest::layout_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("n");  // the number posed
    QTest::addColumn<QString>("shot");
    const QString allPlaces = QStringLiteral(
        "place:0 count:9 place:1 count:9 place:2 count:9 place:3 count:9 place:4 count:9 place:5 count:9 "
        "place:6 count:9 place:7 count:8");
    QTest::newRow("study") << "" << 0 << "numbers-study";
    QTest::newRow("choose menu") << "toggle" << 0 << "numbers-menu";
    QTest::newRow("あわせた数 mid-problem") << "toggle menu:0 next place:0 count:2 place:3 count:5" << 23456789
                                            << "numbers-places-posed";
    QTest::newRow("あわせた数 marked") << "toggle menu:0 next " + allPlaces + " place:8" << 99999998
                                       << "numbers-places-marked";
    QTest::newRow("漢字→数字 mid-problem") << "toggle menu:1 next 9:2 8:3" << 23456789 << "numbers-digits-posed";
    QTest::newRow("漢字→数字 marked") << "toggle menu:1 next 9:2 8:3 7:4 6:5 5:6 4:7 3:8 2:9" << 23456789
                                      << "numbers-digits-marked";
    QTest::newRow("数字→漢字 mid-problem") << "toggle menu:2 next 字:九 字:千 字:九 字:百" << 99999999 - 1
                                          << "numbers-kanji-posed";
    QTest::newRow("数字→漢字 marked, the longest kanji")
        << "toggle menu:2 next " + QStringList(15, QStringLiteral("字:九")).join(QLatin1Char(' ')) + " 字:◆"
        << 97979797 << "numbers-kanji-marked";
}

// Every part in view lies inside the window, apart from the others, and shows
// its whole text; every list shows all its items at once.
void NumbersTest::layout()
{
    QFETCH(QString, actions);
    QFETCH(int, n);
    QFETCH(QString, shot);
    TestProgram t;
    auto *s = qobject_cast<TForm2 *>(t.open(2));
    QVERIFY(s);
    if (n)
        t.random.script(drawsFor(n));
    for (const QString &a : steps(actions))
        QVERIFY2(act(s, a), qPrintable(a));
    QCoreApplication::processEvents();
    TestProgram::shot(s, shot);

    const QString fault = TestProgram::layoutFault(s);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    for (TComboBox *c : s->findChildren<TComboBox *>()) {
        if (c->isHidden())
            continue;
        auto *list = c->findChild<QListWidget *>();
        QCOMPARE(list->verticalScrollBar()->maximum(), 0);
        // Each item fits its list's width, with the margins a row keeps.
        const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
        for (const QString &item : c->items())
            QVERIFY2(QFontMetrics(list->font()).horizontalAdvance(item) + margins <= list->viewport()->width(),
                     qPrintable(c->objectName() + QLatin1Char(' ') + item));
    }
}

QTEST_MAIN(NumbersTest)
#include "tst_numbers.moc"
