// Multiplying tens and hundreds (TForm19): the draws of both menus, the
// mental test with its six pickers, the column walk-through step by step
// (words, product row, red line, carries and the stroke over a used carry),
// the column test two digits at a time, the picks after the mark, the
// screen before its own menu is picked, and the layout in each state.
#include "lessons/multiplication/tenshundreds.h"
#include "frame/worksheet.h"
#include "frame/look.h"
#include "testprogram.h"

#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」を えらんでね！");
const QString kReady = QStringLiteral("「つぎへ」ボタンで すすめてね！");
const QString kMarked = QStringLiteral("「つぎへ」ボタンですすめてね！");
const QString kStepPosed = QStringLiteral("「ステップ」ボタンで すすめてね！");
const QString kStep = QStringLiteral("「ステップ」ボタンですすめてね！");
const QString kMentalPosed = QStringLiteral("こたえは 大きい「くらい」から じゅんに えらんでね！");

// Pickers by the place they stand for; the hundred-thousands picker shows
// "十" like the tens, so the tests call it "十万".
const QStringList kPlaces{"一", "十", "百", "千", "万", "十万"};

struct Tens {
    TestProgram t;
    TForm19 *s = nullptr;

    // Opened from the contents; menu item 0 " あん算", 1 " ひっ算", -1 none.
    explicit Tens(int menuItem = -1)
    {
        s = qobject_cast<TForm19 *>(t.open(19));
        if (s && menuItem >= 0)
            s->ComboBox1->pick(menuItem);
    }
    bool click(const char *button) { return TestProgram::click(s, QLatin1String(button)); }
    bool next() { return click("CuteButton4"); }
    bool step() { return click("CuteButton5"); }
    bool toggle() { return click("CuteButton3"); }
    // Test mode, and a problem posed from the scripted draws.
    bool pose(const QList<int> &script)
    {
        if (LessonState.LessonMode != 2 && !toggle())
            return false;
        t.random.script(script);
        return next() && t.random.remaining() == 0;
    }
    TComboBox *picker(const QString &place) const
    {
        return s->findChild<TComboBox *>(QStringLiteral("ComboBox%1").arg(kPlaces.indexOf(place) + 2));
    }
    // "百:3"
    bool pick(const QString &what)
    {
        const QStringList parts = what.split(QLatin1Char(':'));
        return picker(parts[0])->pick(parts[1].toInt());
    }
    // The pickers that take a pick, from the highest place down.
    QString enabledPickers() const
    {
        QStringList out;
        for (int i = int(kPlaces.size()) - 1; i >= 0; --i)
            if (picker(kPlaces[i])->isEnabled() && picker(kPlaces[i])->isVisibleTo(s))
                out << kPlaces[i];
        return out.join(QLatin1Char(' '));
    }
    QString caption(const char *label) const { return TestProgram::caption(s, QLatin1String(label)); }
    QWidget *part(const char *name) const { return s->findChild<QWidget *>(QLatin1String(name)); }
    // The first and the second carry: "1|2".
    QString carries() const { return caption("Label10") + QLatin1Char('|') + caption("Label11"); }
    // Where the stroke over the first carry stands: "" hidden, else its top
    // in the window.
    QString stroke() const
    {
        QWidget *shape = part("Shape2");
        if (!shape || !shape->isVisibleTo(s))
            return QString();
        return QString::number(shape->mapTo(s, QPoint(0, 0)).y());
    }
    // The red line shown: -1 none, 0 to the ones, 1 the tens, 2 the hundreds.
    int link() const
    {
        int shown = -1;
        for (int i = 0; i < 3; ++i)
            if (QWidget *line = part(QStringLiteral("Image%1").arg(i + 2).toLatin1().constData());
                line && line->isVisibleTo(s))
                shown = shown == -1 ? i : 9;
        return shown;
    }
    int windowX(QWidget *w) const { return w->mapTo(s, QPoint(0, 0)).x(); }
    void fault() const
    {
        const QString fault = TestProgram::layoutFault(s);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QString stepHead(int step)
{
    return QStringLiteral("【ステップ") + QChar(0xFF10 + step) + QStringLiteral("】\r\r");
}

const QString kStep1 = stepHead(1) + QStringLiteral("　もんだいを タテに ならべて かき、\r"
                                                    "　下に 線を ひく。この時、かける数は\r　0 のぶんだけ 右に ずらす。");
const QString kStep2 = stepHead(2) + QStringLiteral("　右にずらした 0 を そのまま 線の\r　下に かく。");
const QString kCarryOn = QStringLiteral("\r　答えの 一の位の 数を 線の下に かき、\r"
                                        "　十の位の 数は　くり上げるので\r　ヨコに かいておく。");
// The line naming the two digits: "　赤線で むすんだ 2 と 5 をかけ、"
QString named(int step, int lead, int digit, const char *ending = " をかけ、")
{
    return stepHead(step) + QStringLiteral("　赤線で むすんだ %1 と %2").arg(lead).arg(digit) + QString::fromUtf8(ending);
}
}  // namespace

class MultiplicationTensTest : public QObject {
    Q_OBJECT
private slots:
    void draws_data();
    void draws();
    void drawsStayInRange();
    void walkThrough_data();
    void walkThrough();
    void strokeStartsInPlaceForEveryProblem();
    void carriesLookAsOnEveryWorksheet();
    void mentalTest_data();
    void mentalTest();
    void columnTest_data();
    void columnTest();
    void picksAfterTheMarkKeepTheRow_data();
    void picksAfterTheMarkKeepTheRow();
    void columnTestBeforeThisMenu_data();
    void columnTestBeforeThisMenu();
    void ownMenuAfterAnotherScreen();
    void menusAndModes();
    void designedScreen();
    void layout();
};

// ---------------------------------------------------------------- draws

void MultiplicationTensTest::draws_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");

    QTest::newRow("mental, smallest") << 1 << QList<int>{0, 0, 0} << 1 << 2 << 20;
    QTest::newRow("mental, one place times hundreds") << 1 << QList<int>{4, 6, 6} << 2 << 8 << 800;
    QTest::newRow("mental, tens times tens") << 1 << QList<int>{7, 1, 5} << 3 << 30 << 70;
    QTest::newRow("mental, largest") << 1 << QList<int>{8, 6, 6} << 4 << 80 << 800;
    QTest::newRow("column, smallest") << 2 << QList<int>{2, 0, 0} << 1 << 11 << 20;
    QTest::newRow("column, three places times tens") << 2 << QList<int>{3, 887, 6} << 2 << 998 << 80;
    QTest::newRow("column, two places times hundreds") << 2 << QList<int>{5, 87, 0} << 3 << 98 << 200;
    QTest::newRow("column, largest") << 2 << QList<int>{8, 887, 6} << 4 << 998 << 800;
    QTest::newRow("another screen's item draws the column") << 0 << QList<int>{8, 0, 0} << 4 << 111 << 200;
    QTest::newRow("item 3 draws the column") << 3 << QList<int>{0, 54, 0} << 1 << 65 << 20;
}

void MultiplicationTensTest::draws()
{
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(int, kind);
    QFETCH(int, a);
    QFETCH(int, b);

    FakeRandom random;
    random.script(script);
    const TensProblem p = DrawTensProblem(menu, random);
    QCOMPARE(random.reseeds, 1);
    const bool mental = menu == 1;
    QCOMPARE(random.asked, (QList<int>{9, mental ? 7 : (kind % 2 ? 88 : 888), 7}));
    QCOMPARE(p.kind, kind);
    QCOMPARE(p.a, a);
    QCOMPARE(p.b, b);
    QCOMPARE(p.answer, a * b);
    QCOMPARE(p.text(), QStringLiteral("%1 x %2 = ?").arg(a).arg(b));
    QCOMPARE(p.equation(), QStringLiteral("%1 x %2 = %3").arg(a).arg(b).arg(a * b));
}

// The products fit the six pickers: at most 64000 in the head, 798400 in
// the column.
void MultiplicationTensTest::drawsStayInRange()
{
    FakeRandom random;
    random.seed(19);
    int mentalMax = 0, columnMax = 0;
    for (int i = 0; i < 4000; ++i) {
        const TensProblem m = DrawTensProblem(1, random);
        QVERIFY(m.b % 10 == 0 && m.b >= 20 && m.b <= 800);
        QCOMPARE(m.kind > 2, m.a >= 20);
        mentalMax = qMax(mentalMax, m.answer);
        const TensProblem c = DrawTensProblem(2, random);
        QCOMPARE(c.kind % 2 == 1, c.a < 100);
        QCOMPARE(c.kind > 2, c.b >= 200);
        QVERIFY(c.a >= 11 && c.a <= 998);
        columnMax = qMax(columnMax, c.answer);
    }
    QVERIFY(mentalMax <= 64000);
    QVERIFY(columnMax <= 798400 && columnMax > 99999);
}

// ---------------------------------------------------------------- study

void MultiplicationTensTest::walkThrough_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QStringList>("texts");     // Label5 after each step
    QTest::addColumn<QStringList>("rows");      // Label9
    QTest::addColumn<QList<int>>("links");      // the red line shown
    QTest::addColumn<QStringList>("carries");   // "first|second"
    QTest::addColumn<QStringList>("strokes");   // "" or the stroke's top

    QTest::newRow("65 x 20: a carry into the last step")
        << QList<int>{0, 54, 0} << "65 x 20"
        << QStringList{kStep1, kStep2, named(3, 2, 5) + kCarryOn,
                       named(4, 2, 6) + "\r　答えに くりあがりの数を たして\r　線の下に かく。おわり"}
        << QStringList{"", "0", "00", "1300"} << QList<int>{-1, -1, 0, 1} << QStringList{"|", "|", "1|", "1|"}
        << QStringList{"", "", "", ""};
    QTest::newRow("34 x 200: no carry")
        << QList<int>{5, 23, 0} << "34 x 200"
        << QStringList{kStep1, kStep2, named(3, 2, 4, " をかけ、  ") + "\r　答えを 線の下に かく。",
                       named(4, 2, 3) + "\r　答えを 線の下に かく。おわり。"}
        << QStringList{"", "00", "800", "6800"} << QList<int>{-1, -1, 0, 1} << QStringList{"|", "|", "|", "|"}
        << QStringList{"", "", "", ""};
    QTest::newRow("135 x 200: the carry used, no new one")
        << QList<int>{8, 24, 0} << "135 x 200"
        << QStringList{kStep1, kStep2, named(3, 2, 5) + kCarryOn,
                       named(4, 2, 3) + "\r　答えに くりあがりの数を たして\r　線の下に かく。",
                       named(5, 2, 1) + "\r　答えを 線の下に かく。おわり。"}
        << QStringList{"", "00", "000", "7000", "27000"} << QList<int>{-1, -1, 0, 1, 2}
        << QStringList{"|", "|", "1|", "1|", "1|"} << QStringList{"", "", "", "250", "250"};
    QTest::newRow("253 x 40: the carry used and a new one")
        << QList<int>{3, 142, 2} << "253 x 40"
        << QStringList{kStep1, kStep2, named(3, 4, 3) + kCarryOn,
                       named(4, 4, 5) + "\r　これに くりあがりの数を たして" + kCarryOn,
                       named(5, 4, 2) + "\r　答えに くりあがりの数を たして\r　線の下に かく。おわり"}
        << QStringList{"", "0", "20", "120", "10120"} << QList<int>{-1, -1, 0, 1, 2}
        << QStringList{"|", "|", "1|", "1|2", "1|2"} << QStringList{"", "", "", "234", "234"};
    QTest::newRow("151 x 80: a carry only from the tens")
        << QList<int>{3, 40, 6} << "151 x 80"
        << QStringList{kStep1, kStep2, named(3, 8, 1, " をかけ、  ") + "\r　答えを 線の下に かく。",
                       named(4, 8, 5) + kCarryOn,
                       named(5, 8, 1) + "\r　答えに くりあがりの数を たして\r　線の下に かく。おわり"}
        << QStringList{"", "0", "80", "080", "12080"} << QList<int>{-1, -1, 0, 1, 2}
        << QStringList{"|", "|", "|", "|4", "|4"} << QStringList{"", "", "", "", ""};
    QTest::newRow("312 x 40: the last digit's product written whole")
        << QList<int>{3, 201, 2} << "312 x 40"
        << QStringList{kStep1, kStep2, named(3, 4, 2, " をかけ、  ") + "\r　答えを 線の下に かく。",
                       named(4, 4, 1) + "\r　答えを 線の下に かく。",
                       named(5, 4, 3) + "\r　答えを 線の下に かく。おわり。"}
        << QStringList{"", "0", "80", "480", "12480"} << QList<int>{-1, -1, 0, 1, 2}
        << QStringList{"|", "|", "|", "|", "|"} << QStringList{"", "", "", "", ""};
}

// Each step writes the column, its words, its part of the product row, the
// red line joining the digits it multiplies and the carries; the step
// button names the next step and the last one completes the problem line.
void MultiplicationTensTest::walkThrough()
{
    QFETCH(QList<int>, script);
    QFETCH(QString, problem);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, rows);
    QFETCH(QList<int>, links);
    QFETCH(QStringList, carries);
    QFETCH(QStringList, strokes);

    Tens w(1);
    QCOMPARE(TestProgram::prompt(w.s), kReady);
    w.t.random.script(script);
    QVERIFY(w.next());
    QCOMPARE(w.caption("Label4"), problem + QStringLiteral(" = ?"));
    QCOMPARE(TestProgram::prompt(w.s), kStepPosed);
    QCOMPARE(w.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QVERIFY(!w.s->CuteButton4->isEnabled());
    QVERIFY(w.caption("Label7").isEmpty());
    const QStringList numbers = problem.split(QStringLiteral(" x "));
    const int steps = int(texts.size());
    for (int i = 0; i < steps; ++i) {
        w.t.cues.clear();
        w.s->Timer2->stop();
        QVERIFY(w.step());
        const QString at = QStringLiteral("step %1").arg(i + 1);
        QVERIFY2(w.caption("Label5") == texts[i], qPrintable(at + QStringLiteral(": ") + w.caption("Label5")));
        QCOMPARE(w.caption("Label9"), rows[i]);
        QVERIFY2(w.link() == links[i], qPrintable(at));
        QCOMPARE(w.carries(), carries[i]);
        QVERIFY2(w.stroke() == strokes[i], qPrintable(at + QStringLiteral(": ") + w.stroke()));
        QCOMPARE(w.caption("Label7"), numbers[0]);
        QCOMPARE(w.caption("Label8"), numbers[1]);
        QCOMPARE(w.caption("Label12"), QStringLiteral("x"));
        QVERIFY(w.s->Shape1->isVisibleTo(w.s));
        const bool last = i + 1 == steps;
        QCOMPARE(w.caption("Label4"), problem + (last ? QStringLiteral(" = ") + rows.last() : QStringLiteral(" = ?")));
        QCOMPARE(w.s->CuteButton5->caption(), StepCaption(last ? 1 : i + 2));
        QCOMPARE(w.t.cues.opened, QList<int>{last ? 12 : 17});
        QCOMPARE(TestProgram::prompt(w.s), last ? kMarked : kStep);
        QVERIFY(!w.s->Timer2->isActive());  // the step button does not blink
        QCOMPARE(w.s->CuteButton4->isEnabled(), last);
        QCOMPARE(w.s->CuteButton5->isEnabled(), !last);
        // The same step without a window.
        QCOMPARE(TensWalkStep(numbers[0].toInt(), numbers[1].toInt(), i + 1).text, texts[i]);
    }
    QCOMPARE(LessonState.ColumnStep, 0);
}

// A walk-through that moved the stroke lower leaves it there for no later
// problem: each starts with the stroke in its place.
void MultiplicationTensTest::strokeStartsInPlaceForEveryProblem()
{
    Tens w(1);
    w.t.random.script({8, 24, 0});  // 135 x 200
    QVERIFY(w.next());
    for (int i = 0; i < 4; ++i)
        QVERIFY(w.step());
    QCOMPARE(w.stroke(), QStringLiteral("250"));
    TestProgram::shot(w.s, QStringLiteral("multiplication-tens-carry-used"));
    QVERIFY(w.step());
    w.t.random.script({3, 142, 2});  // 253 x 40
    QVERIFY(w.next());
    QCOMPARE(w.stroke(), QString());
    for (int i = 0; i < 4; ++i)
        QVERIFY(w.step());
    QCOMPARE(w.stroke(), QStringLiteral("234"));

    // And so in the column test.
    QVERIFY(w.step());
    w.t.random.script({8, 24, 0});
    QVERIFY(w.next());
    while (!w.s->CuteButton4->isEnabled())
        QVERIFY(w.step());
    QCOMPARE(w.stroke(), QStringLiteral("250"));
    QVERIFY(w.pose({8, 142, 2}));  // 253 x 400
    for (const char *p : {"千:1", "百:2", "万:2", "千:1"})
        QVERIFY(w.pick(QString::fromUtf8(p)));
    QCOMPARE(w.stroke(), QStringLiteral("234"));
}

// The carries are written as on the other worksheets: red, each in a box
// of its own clear of the multiplicand (not a small navy digit against its
// ones, which read "65" with its carry as "65¹"), and the stroke over a
// used carry lies on that carry's digit.
void MultiplicationTensTest::carriesLookAsOnEveryWorksheet()
{
    Tens w(1);
    w.t.random.script({3, 142, 2});  // 253 x 40: two carries, the first struck
    QVERIFY(w.next());
    for (int i = 0; i < 4; ++i)
        QVERIFY(w.step());
    QCOMPARE(w.carries(), QStringLiteral("1|2"));
    TestProgram::shot(w.s, QStringLiteral("multiplication-tens-carries"));
    const QRect multiplicand(w.s->Label7->mapTo(w.s, QPoint(0, 0)), w.s->Label7->size());
    QRect above;
    for (TLabel *carry : {w.s->Label10, w.s->Label11}) {
        QCOMPARE(carry->palette().color(QPalette::WindowText), Look::Red);
        QVERIFY(!carry->font().bold());
        const QRect box(carry->mapTo(w.s, QPoint(0, 0)), carry->size());
        // Right of the multiplicand with a gap, in the carries' own column.
        QVERIFY2(box.left() >= multiplicand.right() + 8, qPrintable(QString::number(box.left())));
        QVERIFY(!box.intersects(above));
        above = box;
    }
    QWidget *stroke = w.part("Shape2");
    QVERIFY(stroke->isVisibleTo(w.s));
    QVERIFY(w.s->Label10->rect().contains(stroke->geometry()));
    w.fault();
}

// ---------------------------------------------------------------- tests

void MultiplicationTensTest::mentalTest_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("marks");  // after each pick; empty while none
    QTest::addColumn<int>("given");
    QTest::addColumn<QString>("equation");

    QTest::newRow("4 x 20") << QList<int>{0, 2, 0} << QStringList{"十:8", "一:0"} << QStringList{"", "○"} << 80
                            << "4 x 20 = 80";
    QTest::newRow("40 x 200: the hundreds and tens left unpicked count 0")
        << QList<int>{8, 2, 0} << QStringList{"千:8", "一:0"} << QStringList{"", "○"} << 8000 << "40 x 200 = 8000";
    QTest::newRow("80 x 800") << QList<int>{8, 6, 6} << QStringList{"万:6", "千:4", "一:0"} << QStringList{"", "", "○"}
                              << 64000 << "80 x 800 = 64000";
    QTest::newRow("the ones first, then again") << QList<int>{0, 2, 0} << QStringList{"一:0", "十:8", "一:0"}
                                                << QStringList{"×", "×", "○"} << 80 << "4 x 20 = 80";
    QTest::newRow("the hundred-thousands count 100000")
        << QList<int>{0, 2, 0} << QStringList{"十万:1", "十:8", "一:0"} << QStringList{"", "", "×"} << 100080
        << "4 x 20 = 80";
}

void MultiplicationTensTest::mentalTest()
{
    QFETCH(QList<int>, script);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, marks);
    QFETCH(int, given);
    QFETCH(QString, equation);

    Tens w(0);
    QVERIFY(w.s->Memo1->isVisible());
    QVERIFY(!w.s->CuteButton4->isEnabled());
    QVERIFY(w.pose(script));
    QCOMPARE(TestProgram::prompt(w.s), kMentalPosed);
    QCOMPARE(w.enabledPickers(), QStringLiteral("十万 万 千 百 十 一"));
    for (const QString &place : kPlaces) {
        QCOMPARE(w.picker(place)->itemIndex(), -1);
        QCOMPARE(w.picker(place)->text(), place == QStringLiteral("十万") ? QStringLiteral("十") : place);
    }
    QVERIFY(w.caption("Label7").isEmpty());  // no column in the head
    for (int i = 0; i < picks.size(); ++i) {
        w.t.cues.clear();
        QVERIFY(w.pick(picks[i]));
        QCOMPARE(w.caption("Label6"), marks[i]);
        const bool ones = picks[i].startsWith(QStringLiteral("一"));
        QCOMPARE(w.t.cues.opened, QList<int>{ones ? (marks[i] == QStringLiteral("○") ? 14 : 13) : 17});
    }
    QCOMPARE(LessonState.GivenAnswer, given);
    QCOMPARE(w.caption("Label4"), equation);
    QCOMPARE(TestProgram::prompt(w.s), kReady);
    QVERIFY(w.s->CuteButton4->isEnabled());
}

void MultiplicationTensTest::columnTest_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("rows");     // Label9 after each pick
    QTest::addColumn<QStringList>("carries");  // after each pick
    QTest::addColumn<QList<int>>("cues");      // opened by the picks
    QTest::addColumn<QString>("stroke");       // at the end
    QTest::addColumn<QString>("mark");

    QTest::newRow("65 x 20, carry and all")
        << QList<int>{0, 54, 0} << "65 x 20" << QStringList{"百:1", "十:0", "千:1", "百:3"}
        << QStringList{"0", "00", "00", "1300"} << QStringList{"|", "1|", "1|", "1|"} << QList<int>{17, 17, 17, 14}
        << "" << "○";
    QTest::newRow("a wrong partial product is taken as it is")
        << QList<int>{0, 54, 0} << "65 x 20" << QStringList{"十:0", "千:1", "百:2"}
        << QStringList{"00", "00", "1200"} << QStringList{"|", "|", "|"} << QList<int>{17, 17, 13} << "" << "×";
    QTest::newRow("253 x 400, three stages")
        << QList<int>{8, 142, 2} << "253 x 400" << QStringList{"千:1", "百:2", "万:2", "千:1", "十万:1", "万:0"}
        << QStringList{"00", "200", "200", "1200", "1200", "101200"}
        << QStringList{"|", "1|", "1|", "1|2", "1|2", "1|2"} << QList<int>{17, 17, 17, 17, 17, 14} << "234" << "○";
    QTest::newRow("312 x 30, one digit each")
        << QList<int>{3, 201, 1} << "312 x 30" << QStringList{"十:6", "百:3", "千:9"}
        << QStringList{"60", "360", "9360"} << QStringList{"|", "|", "|"} << QList<int>{17, 17, 14} << "" << "○";
}

// The pupil picks each partial product, carry included, on the pair of
// pickers of its stage; the screen writes the row and the carries and
// marks the finished row.
void MultiplicationTensTest::columnTest()
{
    QFETCH(QList<int>, script);
    QFETCH(QString, problem);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, carries);
    QFETCH(QList<int>, cues);
    QFETCH(QString, stroke);
    QFETCH(QString, mark);

    Tens w(1);
    QVERIFY(w.pose(script));
    const QStringList numbers = problem.split(QStringLiteral(" x "));
    QCOMPARE(w.caption("Label4"), problem + QStringLiteral(" = ?"));
    QCOMPARE(w.caption("Label7"), numbers[0]);
    QCOMPARE(w.caption("Label8"), numbers[1]);
    QCOMPARE(w.caption("Label12"), QStringLiteral("x"));
    QCOMPARE(w.caption("Label9"), numbers[1].endsWith(QStringLiteral("00")) ? QStringLiteral("00") : QStringLiteral("0"));
    QVERIFY(w.s->Shape1->isVisibleTo(w.s));
    QCOMPARE(w.link(), -1);
    QCOMPARE(LessonState.StepNo, 1);
    QCOMPARE(TestProgram::prompt(w.s), TensStagePrompt(1));
    QCOMPARE(TestProgram::prompt(w.s), QStringLiteral("一の位の数にかけた答をえらんでね！"));
    w.t.cues.clear();
    for (int i = 0; i < picks.size(); ++i) {
        QVERIFY2(w.pick(picks[i]), qPrintable(picks[i]));
        QCOMPARE(w.caption("Label9"), rows[i]);
        QCOMPARE(w.carries(), carries[i]);
        QCOMPARE(w.caption("Label6"), i + 1 < picks.size() ? QString() : mark);
    }
    QCOMPARE(w.t.cues.opened, cues);
    QCOMPARE(w.stroke(), stroke);
    QCOMPARE(LessonState.StepNo, 3);
    QCOMPARE(LessonState.GivenAnswer, rows.last().toInt());
    QCOMPARE(w.caption("Label4"), problem + QStringLiteral(" = %1").arg(numbers[0].toInt() * numbers[1].toInt()));
    QCOMPARE(TestProgram::prompt(w.s), kMarked);
    QVERIFY(w.s->CuteButton4->isEnabled());
}

void MultiplicationTensTest::picksAfterTheMarkKeepTheRow_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("picks");  // to the mark
    QTest::addColumn<QStringList>("again");  // after it
    QTest::addColumn<QStringList>("rows");   // Label9 after each of them
    QTest::addColumn<QStringList>("marks");

    QTest::newRow("65 x 20: the thousands picked again and again")
        << QList<int>{0, 54, 0} << QStringList{"百:1", "十:0", "千:1", "百:3"}
        << QStringList{"千:1", "千:1", "千:1", "千:1", "千:1", "千:1", "千:1", "千:1", "千:1", "千:1", "千:1", "千:1"}
        << QStringList(12, QStringLiteral("1300")) << QStringList(12, QStringLiteral("○"));
    QTest::newRow("65 x 20: the last pair rewritten in place")
        << QList<int>{0, 54, 0} << QStringList{"百:1", "十:0", "千:1", "百:3"}
        << QStringList{"百:4", "千:9", "千:1", "百:3"} << QStringList{"1400", "9400", "1400", "1300"}
        << QStringList{"×", "×", "×", "○"};
    QTest::newRow("253 x 400: six places at most")
        << QList<int>{8, 142, 2} << QStringList{"千:1", "百:2", "万:2", "千:1", "十万:1", "万:0"}
        << QStringList{"十万:9", "万:9", "十万:1", "万:0"} << QStringList{"901200", "991200", "191200", "101200"}
        << QStringList{"×", "×", "×", "○"};
}

// After the mark a pick never lengthens the row: picking the last pair
// again writes that partial product again in its place and marks anew;
// the pickers of the stages before take no pick.
void MultiplicationTensTest::picksAfterTheMarkKeepTheRow()
{
    QFETCH(QList<int>, script);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, again);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, marks);

    Tens w(1);
    QVERIFY(w.pose(script));
    for (const QString &p : picks)
        QVERIFY(w.pick(p));
    const QString carries = w.carries();
    for (int i = 0; i < again.size(); ++i) {
        w.t.cues.clear();
        QVERIFY2(w.pick(again[i]), qPrintable(again[i]));
        QCOMPARE(w.caption("Label9"), rows[i]);
        QVERIFY(w.caption("Label9").size() <= 6);
        QCOMPARE(LessonState.GivenAnswer, rows[i].toInt());
        QCOMPARE(w.caption("Label6"), marks[i]);
        QCOMPARE(w.t.cues.opened, QList<int>{marks[i] == QStringLiteral("○") ? 14 : 13});
        QCOMPARE(w.carries(), carries);
    }
    QVERIFY(!w.pick(QStringLiteral("十:5")));
    QVERIFY(!w.pick(QStringLiteral("一:5")));
    QCOMPARE(w.caption("Label9"), rows.last());
}

void MultiplicationTensTest::columnTestBeforeThisMenu_data()
{
    QTest::addColumn<int>("leftBehind");  // MenuChoice as another screen left it
    QTest::newRow("fresh start") << 0;
    QTest::newRow("a drill's item 3") << 3;
    QTest::newRow("another lesson's item 2") << 2;
}

// Before this screen's menu is picked the shared menu field holds another
// screen's value; test mode then sets up a column problem, and its picks
// complete it whatever that value was.
void MultiplicationTensTest::columnTestBeforeThisMenu()
{
    QFETCH(int, leftBehind);
    TestProgram t;
    LessonState.MenuChoice = leftBehind;
    auto *s = qobject_cast<TForm19 *>(t.open(19));
    QVERIFY(s);
    QCOMPARE(TestProgram::prompt(s), kMenuPrompt);
    QVERIFY(!s->CuteButton4->isEnabled());
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton3")));
    t.random.script({0, 54, 0});
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton4")));
    QCOMPARE(s->Label4->caption(), QStringLiteral("65 x 20 = ?"));
    for (const auto &[picker, digit] : {std::pair{"ComboBox4", 1}, {"ComboBox3", 0}, {"ComboBox5", 1}, {"ComboBox4", 3}})
        QVERIFY(TestProgram::pick(s, QLatin1String(picker), digit));
    QCOMPARE(s->Label9->caption(), QStringLiteral("1300"));
    QCOMPARE(s->Label6->caption(), QStringLiteral("○"));
    QCOMPARE(LessonState.MenuChoice, leftBehind);

    // An item 1 left behind is the mental test's.
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton2")));
    LessonState.MenuChoice = 1;
    QCOMPARE(t.open(19), s);
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton3")));
    t.random.script({0, 2, 0});
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton4")));
    QCOMPARE(s->Label4->caption(), QStringLiteral("4 x 20 = ?"));
    QVERIFY(s->ComboBox2->isEnabled());
    QVERIFY(s->Label7->caption().isEmpty());
}

// Back from another screen that changed the shared menu field, the screen
// goes on with the item its own menu shows.
void MultiplicationTensTest::ownMenuAfterAnotherScreen()
{
    Tens w(1);
    QVERIFY(w.click("CuteButton2"));
    LessonState.MenuChoice = 1;  // as the column addition's " ３けた" leaves it
    QCOMPARE(w.t.open(19), w.s);
    QCOMPARE(LessonState.MenuChoice, 2);
    QCOMPARE(w.s->ComboBox1->text(), QStringLiteral(" ひっ算"));
    QVERIFY(w.pose({0, 54, 0}));
    QCOMPARE(w.caption("Label7"), QStringLiteral("65"));
    QCOMPARE(w.enabledPickers(), QStringLiteral("百 十"));
}

// The menu, the toggle and "つぎへ" in each mode: what each shows, readies,
// says and sounds.
void MultiplicationTensTest::menusAndModes()
{
    Tens w;
    QCOMPARE(TestProgram::prompt(w.s), kMenuPrompt);
    QVERIFY(w.s->Timer2->isActive());
    QCOMPARE(w.t.cues.opened.last(), 12);
    QVERIFY(!w.s->Memo1->isVisible());
    QVERIFY(!w.s->CuteButton4->isEnabled());
    QVERIFY(!w.s->CuteButton5->isEnabled());

    // " あん算": the memo at 144, nothing to press.
    QVERIFY(w.s->ComboBox1->pick(0));
    QCOMPARE(LessonState.MenuChoice, 1);
    QVERIFY(w.s->Memo1->isVisible());
    QCOMPARE(w.s->Memo1->y(), 144);
    QCOMPARE(TestProgram::prompt(w.s), kMenuPrompt);
    QVERIFY(!w.s->CuteButton4->isEnabled());
    QCOMPARE(w.t.cues.opened.last(), 12);
    // Into test mode: the memo goes, "つぎへ" is ready.
    QVERIFY(w.toggle());
    QCOMPARE(w.s->CuteButton3->caption(), QStringLiteral("テスト"));
    QVERIFY(!w.s->Memo1->isVisible());
    QVERIFY(w.s->CuteButton4->isEnabled());
    QCOMPARE(TestProgram::prompt(w.s), kReady);
    w.t.random.script({0, 2, 0});
    QVERIFY(w.next());
    QCOMPARE(w.t.cues.opened.last(), 11);
    // A menu pick puts the screen back into study mode.
    QVERIFY(w.s->ComboBox1->pick(1));
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(w.s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QVERIFY(!w.picker(QStringLiteral("一"))->isVisibleTo(w.s));
    QVERIFY(w.caption("Label4").isEmpty());
    QVERIFY(w.s->CuteButton4->isEnabled());
    QCOMPARE(TestProgram::prompt(w.s), kReady);
    // Study: a problem to walk through; back from test mode nothing is ready.
    QVERIFY(w.next());
    QVERIFY(w.s->CuteButton5->isEnabled());
    QVERIFY(w.step());
    QVERIFY(w.toggle());
    QVERIFY(w.toggle());
    QCOMPARE(LessonState.LessonMode, 1);
    QVERIFY(!w.s->CuteButton4->isEnabled());
    QVERIFY(!w.s->CuteButton5->isEnabled());
    QCOMPARE(w.s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QVERIFY(w.caption("Label5").isEmpty());
    QVERIFY(w.caption("Label7").isEmpty());
    QCOMPARE(w.link(), -1);
    // Away in test mode: back in study mode.
    QVERIFY(w.toggle());
    QVERIFY(w.click("CuteButton2"));
    QCOMPARE(w.t.open(19), w.s);
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(w.s->CuteButton3->caption(), QStringLiteral("べんきょう"));

    QVERIFY(w.click("CuteButton1"));
    QCOMPARE(w.t.dialogs.asked.last().text, QStringLiteral("おわっても いいの？"));
}

void MultiplicationTensTest::designedScreen()
{
    Tens w;
    QVERIFY(w.s);
    QCOMPARE(w.caption("Label1"), QStringLiteral("かけ算"));
    QCOMPARE(w.caption("Label2"), QStringLiteral("何十、何百のかけ算"));
    QCOMPARE(w.s->ComboBox1->text(), QStringLiteral("メニュー"));
    QCOMPARE(w.s->ComboBox1->items(), (QStringList{" あん算", " ひっ算"}));
    QCOMPARE(w.s->Memo1->lines(), TensMentalStudyText());
    QCOMPARE(w.s->Memo1->lines().size(), 32);
    QCOMPARE(w.s->Memo1->lines()[10], QStringLiteral("　　　40 を  4 x 10 、20 を  2 x 10  と かんがえ、"));
    QCOMPARE(w.s->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(w.s->Label6->property("markLabel").toBool());
    // Six pickers side by side, the highest place at the left.
    int left = 10000;
    for (const QString &place : kPlaces) {
        TComboBox *c = w.picker(place);
        QCOMPARE(c->count(), 10);
        QCOMPARE(c->items()[7], QStringLiteral("７　"));
        QVERIFY(c->geometry().right() < left);
        left = c->x();
    }

    // The column: the multiplicand at 558; the multiplier and the product
    // shifted right by the multiplier's zeros, its first digit under the
    // multiplicand's ones and the ones of all three rows in one column.
    struct Shift {
        QList<int> script;
        int multiplierX, productX, zeros;
    };
    for (const Shift &shift : {Shift{{0, 54, 0}, 588, 524, 1}, Shift{{5, 54, 0}, 620, 556, 2}}) {
        QVERIFY(w.pose(shift.script));
        QCOMPARE(w.windowX(w.s->Label7), 558);
        QCOMPARE(w.windowX(w.s->Label8), shift.multiplierX);
        QVERIFY(qAbs(w.windowX(w.s->Label9) - shift.productX) <= 2);
        const auto centre = [&w](TDigitRow *row, int place) {
            return w.windowX(row) + row->cellRect(place).center().x();
        };
        QCOMPARE(centre(w.s->Label8, shift.zeros), centre(w.s->Label7, 0));
        QCOMPARE(centre(w.s->Label9, 0), centre(w.s->Label8, 0));
        // "x" left of the multiplier's first digit.
        const int first = int(w.caption("Label8").size()) - 1;
        QVERIFY(w.windowX(w.s->Label12) + w.s->Label12->width() <= w.windowX(w.s->Label8) + w.s->Label8->cellRect(first).x());
        // The red lines between the first two rows, at 280.
        for (const char *name : {"Image2", "Image3", "Image4"}) {
            QWidget *line = w.part(name);
            QVERIFY2(line, name);
            const int top = line->mapTo(w.s, QPoint(0, 0)).y();
            QCOMPARE(top, 280);
            QVERIFY(top > w.s->Label7->mapTo(w.s, QPoint(0, w.s->Label7->height() - 1)).y());
            QVERIFY(top + line->height() <= w.s->Label8->mapTo(w.s, QPoint(0, 0)).y());
        }
        QVERIFY(w.click("CuteButton3"));
    }
}

// Every part inside the window and apart from the others, each text whole,
// in the states with the most on screen.
void MultiplicationTensTest::layout()
{
    Tens w;
    w.fault();
    QVERIFY(w.s->ComboBox1->pick(0));
    w.fault();
    TestProgram::shot(w.s, QStringLiteral("multiplication-tens-mental-memo"));
    QVERIFY(w.pose({8, 6, 6}));
    for (const char *p : {"万:6", "千:4", "百:0", "十:0", "一:0"})
        QVERIFY(w.pick(QString::fromUtf8(p)));
    w.fault();
    TestProgram::shot(w.s, QStringLiteral("multiplication-tens-mental-marked"));

    QVERIFY(w.s->ComboBox1->pick(1));
    w.t.random.script({3, 142, 2});  // 253 x 40
    QVERIFY(w.next());
    for (int i = 0; i < 4; ++i)
        QVERIFY(w.step());
    w.fault();
    TestProgram::shot(w.s, QStringLiteral("multiplication-tens-column-study"));
    QVERIFY(w.step());
    w.fault();
    TestProgram::shot(w.s, QStringLiteral("multiplication-tens-column-study-done"));

    QVERIFY(w.pose({8, 887, 6}));  // 998 x 800
    for (const char *p : {"千:6", "百:4", "万:7", "千:8"})
        QVERIFY(w.pick(QString::fromUtf8(p)));
    w.fault();
    TestProgram::shot(w.s, QStringLiteral("multiplication-tens-column-test"));
    for (const char *p : {"十万:7", "万:9"})
        QVERIFY(w.pick(QString::fromUtf8(p)));
    QCOMPARE(w.caption("Label9"), QStringLiteral("798400"));
    QCOMPARE(w.caption("Label6"), QStringLiteral("○"));
    w.fault();
    TestProgram::shot(w.s, QStringLiteral("multiplication-tens-column-marked"));
    for (TComboBox *c : w.s->findChildren<TComboBox *>()) {
        auto *list = c->findChild<QListWidget *>();
        QVERIFY(list);
        QCOMPARE(list->verticalScrollBar()->maximum(), 0);
    }
}

QTEST_MAIN(MultiplicationTensTest)
#include "tst_multiplication_tens.moc"
