// The units lessons: time of day and duration (TForm11), volume (TForm9),
// length (TForm10) and weight (TForm12).
// Their draws and worked texts without a window, the flow they share (menus,
// study and test modes, the refusal of test mode, a return to the screen),
// marking through pickers read with their place weights, the word problems'
// cycle, and the layout of both screens.
#include "lessons/units/length.h"
#include "lessons/units/time.h"
#include "lessons/units/volume.h"
#include "drivers.h"

#include <QScrollBar>
#include <QtTest>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」を えらんでね！");
const QString kOtherMenu = QStringLiteral("ほかの「メニュー」を えらんでね！");
const QString kRefused = QStringLiteral("ほかの メニューを えらんでね！");
const QString kReady = QStringLiteral("「つぎへ」ボタンで すすめてね！");
const QString kStudyPosed = QStringLiteral("「こたえ」ボタンを おしてね！");
const QString kNoTest = QStringLiteral("ごめんね！このメニューには、テストは ないよ。");
const QString kBigFirst = QStringLiteral("大きな位から じゅんに こたえてね！");
const QString kLitresFirst = QStringLiteral("l は千の位で、dl は 百の位で こたえてね！");

// One pupil action: "toggle", "next", "answer", "back", "menu:<item>" (the
// 1-based menu item), or a pick "<picker>:<index>" such as "4:1" (ComboBox4,
// item 1). A step ending in "!" must be refused (a disabled or hidden
// control).
bool act(TScreen *s, QString step)
{
    const bool refused = step.endsWith(QLatin1Char('!'));
    if (refused)
        step.chop(1);
    bool done = false;
    if (step == QLatin1String("toggle"))
        done = TestProgram::click(s, QStringLiteral("CuteButton3"));
    else if (step == QLatin1String("next"))
        done = TestProgram::click(s, QStringLiteral("CuteButton4"));
    else if (step == QLatin1String("answer"))
        done = TestProgram::click(s, QStringLiteral("CuteButton5"));
    else if (step == QLatin1String("back"))
        done = TestProgram::click(s, QStringLiteral("CuteButton2"));
    else if (step.startsWith(QLatin1String("menu:")))
        done = TestProgram::pick(s, QStringLiteral("ComboBox1"), step.mid(5).toInt() - 1);
    else
        done = TestProgram::pick(s, QStringLiteral("ComboBox") + step.section(QLatin1Char(':'), 0, 0),
                                 step.section(QLatin1Char(':'), 1).toInt());
    return done != refused;
}

bool runSteps(TScreen *s, const QStringList &steps)
{
    for (const QString &step : steps)
        if (!act(s, step)) {
            qWarning("step %s", qPrintable(step));
            return false;
        }
    return true;
}

QStringList pickerNames(int form)
{
    QStringList names{QStringLiteral("ComboBox2"), QStringLiteral("ComboBox3"), QStringLiteral("ComboBox4")};
    if (form != 11)  // volume, length and weight have a thousands picker
        names << QStringLiteral("ComboBox5");
    return names;
}

bool enabled(TScreen *s, const char *button)
{
    return TestProgram::control<TCuteButton>(s, QLatin1String(button))->isEnabled();
}

bool pickersShown(TScreen *s, int form)
{
    bool any = false;
    for (const QString &name : pickerNames(form))
        any = any || !TestProgram::control<TComboBox>(s, name)->isHidden();
    return any;
}

QString toggleCaption(TScreen *s)
{
    return TestProgram::control<TCuteButton>(s, QStringLiteral("CuteButton3"))->caption();
}

struct WordRow {
    const char *question;
    const char *answer;  // the whole answer text under the question
};
const WordRow kWords[8] = {
    {"午前７時１０分から\r１時間３０分後の時こく？",
     "こたえ： 午前 8 時 40 分\r\r後の 時こくは、たし算で もとめるよ。 \r時は 時どうしで、分は 分どうしで  \rたせば いいよ。"},
    {"午前６時４０分から\r２時間３０分後の時こく？",
     "こたえ： 午前 9 時 10 分\r\r後の 時こくは、たし算で もとめるよ。 \r時は 時どうしで、分は　分どうしで たし、\r60 分（1 時間）ぶんを 時に くりあげれば \rいいよ。"},
    {"午後８時３０分から\r１時間１０分前の時こく？",
     "こたえ： 午後 7 時 20 分\r\r前の 時こくは、ひき算で もとめるよ。 \r時は 時どうしで、分は 分どうしで \rひけば いいよ。"},
    {"午後９時２０分から\r２時間３０分前の時こく？",
     "こたえ： 午後 6 時 50 分\r\r前の 時こくは、ひき算で もとめるよ。 \r時は 時どうしで ひき、分どうしでは\rひけないので、時から 1 （60 分）を\rくり下げて ひけば いいよ。"},
    {"午前７時２０分から\r午前９時３０分までの時間？",
     "こたえ： 2 時間 10 分\r\r２つの 時こくの 間の 時間は、ひき算で \rもとめるよ。\r時は 時どうしで、分は 分どうしで \rひけば いいよ。"},
    {"午前８時３０分から\r午前１０時１０分までの時間？",
     "こたえ： 1 時間 40 分\r\r２つの時こくの間の時間は、ひき算で \rもとめるよ。\r時は 時どうしで ひき、分どうしでは\rひけないので、時から 1 （60 分）を  \rくり下げて ひけば いいよ。"},
    {"午前１１時２０分から\r午後１時３０分までの時間？",
     "こたえ： 2 時間 10 分\r\r２つの時こくの間の時間は、ひき算で \rもとめるよ。\r午後の 時こくから 午前の 時こくを \rひく時は、午後の 時こくに 12 時 を たし、\r時は 時どうしで、分は 分どうしで \rひけば いいよ。"},
    {"午前１０時４０分から\r午後２時３０分までの時間？",
     "こたえ： 3 時間 50 分\r\r２つの時こくの間の時間は、ひき算で \rもとめるよ。\r午後の 時こくから 午前の 時こくを ひく時は、\r午後の 時こくに 12 時 を たし、\r時は 時どうしで ひき、分どうしでは\rひけないので、時から 1 （60 分）を  \rくり下げて ひけば いいよ。"},
};
}  // namespace

class UnitsTest : public QObject {
    Q_OBJECT
private slots:
    void timeConversion_data();
    void timeConversion();
    void timeCalculation_data();
    void timeCalculation();
    void volumeConversion_data();
    void volumeConversion();
    void volumeCalculation_data();
    void volumeCalculation();
    void metricConversion_data();
    void metricConversion();
    void metricCalculation_data();
    void metricCalculation();
    void drawsStayInRange();
    void marking_data();
    void marking();
    void flow_data();
    void flow();
    void refusals_data();
    void refusals();
    void wordProblemsCycle();
    void nothingPosedNothingMarked_data();
    void nothingPosedNothingMarked();
    void returnKeepsModeAndMenu_data();
    void returnKeepsModeAndMenu();
    void screensAndTexts_data();
    void screensAndTexts();
    void layout_data();
    void layout();
};

// ---------------------------------------------------------------- arithmetic

// The columns every draw table shares.
static void drawColumns()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("asked");  // the n of each draw, in order
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("operands");  // OperandA … OperandD
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QList<int>>("weights");  // ones, tens, hundreds, thousands
    QTest::addColumn<int>("markPlace");
}

static void checkDraw(const UnitsProblem &p, const FakeRandom &random)
{
    QFETCH(QList<int>, asked);
    QFETCH(int, kind);
    QFETCH(QList<int>, operands);
    QFETCH(QString, text);
    QFETCH(int, answer);
    QFETCH(QString, equation);
    QFETCH(QString, hint);
    QFETCH(QString, prompt);
    QFETCH(QList<int>, weights);
    QFETCH(int, markPlace);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.asked, asked);  // no draw more, none less
    QCOMPARE(p.kind, kind);
    QCOMPARE((QList<int>{p.a, p.b, p.c, p.d}).mid(0, operands.size()), operands);
    QCOMPARE(p.text, text);
    QCOMPARE(p.answer, answer);
    QCOMPARE(p.equation, equation);
    QCOMPARE(p.hint, hint);
    QCOMPARE(p.testPrompt, prompt);
    QCOMPARE((QList<int>{p.weights[0], p.weights[1], p.weights[2], p.weights[3]}).mid(0, weights.size()), weights);
    QCOMPARE(p.markPlace, markPlace);
    QVERIFY(p.answerable);
}

void UnitsTest::timeConversion_data()
{
    drawColumns();
    const QList<int> joins{9, 2, 58}, splits{9, 178};
    const QList<int> plain{1, 10, 100}, sixties{1, 10, 60};
    const QString secondsSplit = QStringLiteral("分は 百の位で、秒は 十と一の位で こたえてね！");
    const QString minutesSplit = QStringLiteral("時間は 百の位で、分は 十と一の位で こたえてね！");
    QTest::newRow("1 分 1 秒, the smallest") << QList<int>{0, 0, 0} << joins << 0 << QList<int>{1, 1}
                                            << "1 分 1 秒 = ? 秒" << 61 << "1 分 1 秒 = 61 秒"
                                            << "1 分 を 60 秒 に かえれば いいよ。" << kBigFirst << plain << 0;
    QTest::newRow("2 分 58 秒, the largest") << QList<int>{2, 1, 57} << joins << 2 << QList<int>{2, 58}
                                             << "2 分 58 秒 = ? 秒" << 178 << "2 分 58 秒 = 178 秒"
                                             << "2 分 を 120 秒 に かえれば いいよ。" << kBigFirst << plain << 0;
    QTest::newRow("61 秒") << QList<int>{3, 0} << splits << 3 << QList<int>{61} << "61 秒 = ? 分  ? 秒" << 61
                           << "61 秒 = 1 分  1 秒" << "60 秒 を 1 分 に かえれば いいよ。" << secondsSplit << sixties
                           << 0;
    QTest::newRow("238 秒") << QList<int>{4, 177} << splits << 4 << QList<int>{238} << "238 秒 = ? 分  ? 秒" << 238
                            << "238 秒 = 3 分  58 秒" << "180 秒 を 3 分 に かえれば いいよ。" << secondsSplit
                            << sixties << 0;
    QTest::newRow("1 時間 30 分") << QList<int>{5, 0, 29} << joins << 5 << QList<int>{1, 30} << "1 時間 30 分 = ? 分"
                                  << 90 << "1 時間 30 分 = 90 分" << "1 時間 を 60 分 に かえれば いいよ。" << kBigFirst
                                  << plain << 0;
    QTest::newRow("2 時間 1 分") << QList<int>{7, 1, 0} << joins << 7 << QList<int>{2, 1} << "2 時間 1 分 = ? 分"
                                 << 121 << "2 時間 1 分 = 121 分" << "2 時間 を 120 分 に かえれば いいよ。"
                                 << kBigFirst << plain << 0;
    QTest::newRow("120 分, no minutes left") << QList<int>{8, 59} << splits << 8 << QList<int>{120}
                                             << "120 分 = ? 時間  ? 分" << 120 << "120 分 = 2 時間  0 分"
                                             << "120 分 を 2 時間 に かえれば いいよ。" << minutesSplit << sixties
                                             << 0;
}

void UnitsTest::timeConversion()
{
    QFETCH(QList<int>, script);
    FakeRandom random;
    random.script(script);
    checkDraw(DrawTimeConversion(random), random);
}

void UnitsTest::timeCalculation_data()
{
    drawColumns();
    const QList<int> sum{9, 8, 4, 4}, difference{9, 7, 4, 4};
    const QList<int> weights{1, 10, 60};
    const QString prompt = QStringLiteral("時 は百の位で、分 は 十と一の位で こたえてね！");
    const QString carry = QStringLiteral("分は 分どうしで たし、60 分（1 時間）\rぶんを 時に くり上げれば いいよ。");
    const QString borrow =
        QStringLiteral("分どうしでは ひけないので、時から \r１ （60 分）を くり下げて ひけば \rいいよ。");
    QTest::newRow("30 + 30 carries to 0 minutes")
        << QList<int>{0, 2, 2, 2} << sum << 0 << QList<int>{3, 30, 30} << "3 時  30 分 + 30 分 = ? 時  ? 分 " << 240
        << "3 時  30 分 + 30 分 = 4 時  0 分 " << carry << prompt << weights << 0;
    QTest::newRow("the latest sum, 9 時 20 分")
        << QList<int>{4, 7, 3, 3} << sum << 4 << QList<int>{8, 40, 40} << "8 時  40 分 + 40 分 = ? 時  ? 分 " << 560
        << "8 時  40 分 + 40 分 = 9 時  20 分 " << carry << prompt << weights << 0;
    QTest::newRow("a sum within the hour")
        << QList<int>{1, 0, 0, 3} << sum << 1 << QList<int>{1, 10, 40} << "1 時  10 分 + 40 分 = ? 時  ? 分 " << 110
        << "1 時  10 分 + 40 分 = 1 時  50 分 " << QStringLiteral("分は 分どうしで たせば いいよ。") << prompt << weights
        << 0;
    QTest::newRow("10 - 40 borrows an hour")
        << QList<int>{5, 0, 0, 3} << difference << 5 << QList<int>{2, 10, 40} << "2 時  10 分 - 40 分 = ? 時  ? 分"
        << 90 << "2 時  10 分 - 40 分 = 1 時  30 分 " << borrow << prompt << weights << 0;
    QTest::newRow("equal minutes need no borrow")
        << QList<int>{8, 6, 1, 1} << difference << 8 << QList<int>{8, 20, 20} << "8 時  20 分 - 20 分 = ? 時  ? 分"
        << 480 << "8 時  20 分 - 20 分 = 8 時  0 分 " << QStringLiteral("分は 分どうしで ひけばいいよ。") << prompt
        << weights << 0;
}

void UnitsTest::timeCalculation()
{
    QFETCH(QList<int>, script);
    FakeRandom random;
    random.script(script);
    checkDraw(DrawTimeCalculation(random), random);
}

void UnitsTest::volumeConversion_data()
{
    drawColumns();
    const QList<int> decimal{1, 10, 100, 1000};
    QTest::newRow("3 l 4 dl to dl") << QList<int>{0, 2, 3} << QList<int>{9, 8, 8} << 0 << QList<int>{3, 4}
                                    << "3 l  4 dl = ? dl" << 3400 << "3 l  4 dl = 34 dl"
                                    << "3 l を 30 dl に かえれば いいよ。" << QStringLiteral("千と 百の位で こたえてね！")
                                    << decimal << 2;
    QTest::newRow("34 dl to l and dl") << QList<int>{3, 23} << QList<int>{9, 88} << 3 << QList<int>{34}
                                       << "34 dl = ? l  ? dl" << 3400 << "34 dl = 3 l  4 dl"
                                       << "30 dl を 3 l に かえれば いいよ。" << kLitresFirst << decimal << 2;
    QTest::newRow("98 dl, the most") << QList<int>{2, 87} << QList<int>{9, 88} << 2 << QList<int>{98}
                                     << "98 dl = ? l  ? dl" << 9800 << "98 dl = 9 l  8 dl"
                                     << "90 dl を 9 l に かえれば いいよ。" << kLitresFirst << decimal << 2;
    QTest::newRow("3400 ml to l and dl")
        << QList<int>{5, 23} << QList<int>{9, 88} << 5 << QList<int>{3400} << "3400 ml = ? l  ? dl" << 3400
        << "3400 ml = 3 l  4 dl" << "3000 ml を 3 l に、\r400 ml を4 dl に \rかえれば いいよ。" << kLitresFirst << decimal
        << 2;
    QTest::newRow("1100 ml, the least") << QList<int>{6, 0} << QList<int>{9, 88} << 6 << QList<int>{1100}
                                        << "1100 ml = ? l  ? dl" << 1100 << "1100 ml = 1 l  1 dl"
                                        << "1000 ml を 1 l に、\r100 ml を1 dl に \rかえれば いいよ。" << kLitresFirst
                                        << decimal << 2;
    QTest::newRow("3 l 4 dl to ml") << QList<int>{8, 2, 3} << QList<int>{9, 8, 8} << 8 << QList<int>{3, 4}
                                    << "3 l  4 dl = ? ml" << 3400 << "3 l  4 dl = 3400 ml"
                                    << "3 l を 3000 ml に、\r4 dl を 400 ml に \rかえれば いいよ。" << kBigFirst << decimal
                                    << 0;
}

void UnitsTest::volumeConversion()
{
    QFETCH(QList<int>, script);
    FakeRandom random;
    random.script(script);
    checkDraw(DrawVolumeConversion(random), random);
}

void UnitsTest::volumeCalculation_data()
{
    drawColumns();
    const QList<int> decimal{1, 10, 100, 1000};
    const QString carry = QStringLiteral("l は l どうしで、dl は dl どうしで たし、\r10 dl ぶんを 1 l に くり上げれば いいよ。");
    const QString sumPlain = QStringLiteral("l は l どうしで、dl は どうしで \rたせば いいよ。");
    const QString borrow =
        QStringLiteral("l は l どうしで ひき、dl どうしでは \rひけないので、1 l（10 dl）を \rくり下げて ひけば いいよ。");
    const QString diffPlain = QStringLiteral("l は l どうしで、dl は dl どうしで\rひけば いいよ。");
    const QList<int> four8{9, 8, 8, 8, 8};

    QTest::newRow("3 l 8 dl + 2 l 5 dl carries")
        << QList<int>{0, 2, 1, 7, 4} << four8 << 0 << QList<int>{3, 8, 2, 5} << "3 l  8 dl + 2 l  5 dl = ? l  ? dl "
        << 6300 << "3 l  8 dl + 2 l  5 dl = 6 l  3 dl " << carry << kLitresFirst << decimal << 2;
    QTest::newRow("litres over 8 drawn again")
        << QList<int>{2, 7, 0, 0, 0, 1, 2} << QList<int>{9, 8, 8, 8, 8, 8, 8} << 2 << QList<int>{1, 2, 1, 3}
        << "1 l  2 dl + 1 l  3 dl = ? l  ? dl " << 2500 << "1 l  2 dl + 1 l  3 dl = 2 l  5 dl " << sumPlain
        << kLitresFirst << decimal << 2;
    QTest::newRow("the 1000th pair of litres still counts")
        << repeated({0}, 1) + repeated({7, 7}, 999) + QList<int>{0, 0, 0, 0} << QList<int>{9} + repeated({8}, 2002)
        << 0 << QList<int>{1, 1, 1, 1} << "1 l  1 dl + 1 l  1 dl = ? l  ? dl " << 2200
        << "1 l  1 dl + 1 l  1 dl = 2 l  2 dl " << sumPlain << kLitresFirst << decimal << 2;
    QTest::newRow("1000 sums too large fall back to 3 l and 2 l")
        << QList<int>{1} + repeated({7, 7}, 1000) + QList<int>{0, 0} << QList<int>{9} + repeated({8}, 2002) << 1
        << QList<int>{3, 1, 2, 1} << "3 l  1 dl + 2 l  1 dl = ? l  ? dl " << 5200
        << "3 l  1 dl + 2 l  1 dl = 5 l  2 dl " << sumPlain << kLitresFirst << decimal << 2;
    QTest::newRow("the largest sum, 9 l 6 dl")
        << QList<int>{0, 6, 0, 7, 7} << four8 << 0 << QList<int>{7, 8, 1, 8} << "7 l  8 dl + 1 l  8 dl = ? l  ? dl "
        << 9600 << "7 l  8 dl + 1 l  8 dl = 9 l  6 dl " << carry << kLitresFirst << decimal << 2;
    QTest::newRow("800 ml + 800 ml") << QList<int>{3, 7, 7} << QList<int>{9, 8, 8} << 3 << QList<int>{800, 800}
                                     << "800 ml + 800 ml = ? ml" << 1600 << "800 ml + 800 ml = 1600 ml"
                                     << QStringLiteral("そのまま たせば いいよ。") << kBigFirst << decimal << 0;
    QTest::newRow("5 l 2 dl - 2 l 7 dl borrows")
        << QList<int>{5, 2, 1, 1, 6} << QList<int>{9, 6, 6, 8, 8} << 5 << QList<int>{5, 2, 2, 7}
        << "5 l  2 dl - 2 l  7 dl = ? l  ? dl " << 2500 << "5 l  2 dl - 2 l  7 dl = 2 l  5 dl " << borrow
        << kLitresFirst << decimal << 2;
    QTest::newRow("difference under 2 l drawn again, equal dl")
        << QList<int>{7, 0, 1, 5, 0, 4, 4} << QList<int>{9, 6, 6, 6, 6, 8, 8} << 7 << QList<int>{8, 5, 1, 5}
        << "8 l  5 dl - 1 l  5 dl = ? l  ? dl " << 7000 << "8 l  5 dl - 1 l  5 dl = 7 l  0 dl " << diffPlain
        << kLitresFirst << decimal << 2;
    QTest::newRow("1000 small differences fall back to 3 l and 1 l")
        << QList<int>{6} + repeated({0, 5}, 1000) + QList<int>{0, 0} << QList<int>{9} + repeated({6}, 2000) + QList<int>{8, 8}
        << 6 << QList<int>{3, 1, 1, 1} << "3 l  1 dl - 1 l  1 dl = ? l  ? dl " << 2000
        << "3 l  1 dl - 1 l  1 dl = 2 l  0 dl " << diffPlain << kLitresFirst << decimal << 2;
    QTest::newRow("ml taken from as much drawn again")
        << QList<int>{8, 0, 1, 6, 0} << QList<int>{9, 7, 7, 7, 7} << 8 << QList<int>{800, 100}
        << "800 ml - 100 ml = ? ml" << 700 << "800 ml - 100 ml = 700 ml" << QStringLiteral("そのまま ひけば いいよ。")
        << kBigFirst << decimal << 0;
    QTest::newRow("1000 ml differences of 0 or less fall back to 300 - 200")
        << QList<int>{8} + repeated({0, 6}, 1000) << QList<int>{9} + repeated({7}, 2000) << 8 << QList<int>{300, 200}
        << "300 ml - 200 ml = ? ml" << 100 << "300 ml - 200 ml = 100 ml" << QStringLiteral("そのまま ひけば いいよ。")
        << kBigFirst << decimal << 0;
}

void UnitsTest::volumeCalculation()
{
    QFETCH(QList<int>, script);
    FakeRandom random;
    random.script(script);
    checkDraw(DrawVolumeCalculation(random), random);
}

// The length and weight lessons draw alike; only their words differ. Each
// row is one draw, with its texts on both screens.
namespace {
struct MetricRow {
    const char *name;
    QList<int> script, asked;
    int kind;
    QList<int> operands;  // OperandA … OperandD
    int answer;
    QStringList length;  // question, equation, hint, test prompt
    QStringList weight;
};

// The second line of a calculation: 22 half-width spaces, then the rest.
QString under(const char *rest)
{
    return QString(22, QLatin1Char(' ')) + QString::fromUtf8(rest);
}

void metricColumns()
{
    QTest::addColumn<bool>("weight");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("operands");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("texts");  // question, equation, hint, test prompt
}

void addMetricRows(const QList<MetricRow> &rows)
{
    for (const MetricRow &r : rows)
        for (bool weight : {false, true}) {
            QTest::addRow("%s, %s", weight ? "weight" : "length", r.name)
                << weight << r.script << r.asked << r.kind << r.operands << r.answer << (weight ? r.weight : r.length);
        }
}

void checkMetric(const UnitsProblem &p, const FakeRandom &random)
{
    QFETCH(QList<int>, asked);
    QFETCH(int, kind);
    QFETCH(QList<int>, operands);
    QFETCH(int, answer);
    QFETCH(QStringList, texts);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.asked, asked);
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(p.kind, kind);
    QCOMPARE((QList<int>{p.a, p.b, p.c, p.d}), operands);
    QCOMPARE(p.answer, answer);
    QCOMPARE(p.text, texts[0]);
    QCOMPARE(p.equation, texts[1]);
    QCOMPARE(p.hint, texts[2]);
    QCOMPARE(p.testPrompt, texts[3]);
    // Four decimal places, every one of them read, marked at the ones.
    QCOMPARE((QList<int>{p.weights[0], p.weights[1], p.weights[2], p.weights[3]}), (QList<int>{1, 10, 100, 1000}));
    QCOMPARE(p.markPlace, int(Ones));
    QVERIFY(p.answerable);
}

const char *const kKmPrompt = "km は千の位で、m は 百～一の位で こたえてね！";
const char *const kKgPrompt = "kg は千の位で、g は 百～一の位で こたえてね！";
const char *const kBigFirstText = "大きな位から じゅんに こたえてね！";
}  // namespace

void UnitsTest::metricConversion_data()
{
    metricColumns();
    const QList<int> asked{9, 8, 98};
    addMetricRows({
        {"2350 into both units",
         {0, 1, 34}, asked, 0, {2, 35, 0, 0}, 2350,
         {"2350 m = ? km  ? m", "2350 m = 2 km  350 m", "2000 m を 2 km に かえれば いいよ。", kKmPrompt},
         {"2350 g = ? kg  ? g", "2350 g = 2 kg  350 g", "2000 g を 2 kg に かえれば いいよ。", kKgPrompt}},
        {"8980, the most, into both units",
         {4, 7, 97}, asked, 4, {8, 98, 0, 0}, 8980,
         {"8980 m = ? km  ? m", "8980 m = 8 km  980 m", "8000 m を 8 km に かえれば いいよ。", kKmPrompt},
         {"8980 g = ? kg  ? g", "8980 g = 8 kg  980 g", "8000 g を 8 kg に かえれば いいよ。", kKgPrompt}},
        {"1010, the least, into the smaller unit",
         {5, 0, 0}, asked, 5, {1, 1, 0, 0}, 1010,
         {"1 km  10 m = ? m", "1 km  10 m = 1010 m", "1 km を 1000 m に かえれば いいよ。", kBigFirstText},
         {"1 kg  10 g = ? g", "1 kg  10 g = 1010 g", "1 kg を 1000 g に かえれば いいよ。", kBigFirstText}},
        {"2 and 350 into the smaller unit",
         {8, 1, 34}, asked, 8, {2, 35, 0, 0}, 2350,
         {"2 km  350 m = ? m", "2 km  350 m = 2350 m", "2 km を 2000 m に かえれば いいよ。", kBigFirstText},
         {"2 kg  350 g = ? g", "2 kg  350 g = 2350 g", "2 kg を 2000 g に かえれば いいよ。", kBigFirstText}},
    });
}

void UnitsTest::metricConversion()
{
    QFETCH(bool, weight);
    QFETCH(QList<int>, script);
    FakeRandom random;
    random.script(script);
    checkMetric(DrawMetricConversion(weight ? WeightTexts : LengthTexts, random), random);
}

void UnitsTest::metricCalculation_data()
{
    metricColumns();
    const char *kmSumPlain = "km は km どうしで、m は m どうしで\rたせば いいよ。";
    const char *kgSumPlain = "kg は kg どうしで、g は g どうしで\rたせば いいよ。";
    const char *kmCarry = "km は km どうしで、m は m どうしで たし、\r1000 m ぶんを 1 km に くり上げれば いいよ。";
    const char *kgCarry = "kg は kg どうしで、g は g どうしで たし、\r1000 g （1 kg）ぶんを kg に くり上げれば \rいいよ。";
    const char *kmBorrow =
        "km は km どうしで ひき、m どうしでは  \rひけないので、km から 1 (1000 m) を \rくり下げて ひけば いいよ。";
    const char *kgBorrow =
        "kg は kg どうしで ひき、g どうしでは \rひけないので、 kg から 1 （1000 g）を\rくり下げて ひけば いいよ。";
    const char *kmDiffPlain = "km は km どうしで、m は m どうしで\rひけば いいよ。";
    const char *kgDiffPlain = "kg は kg どうしで、g は g どうしで\rひけば いいよ。";

    auto two = [](const char *first, const char *second) {
        return QString::fromUtf8(first) + QLatin1Char('\r') + under(second);
    };
    const QList<int> both{9, 8, 8, 98, 98};
    addMetricRows({
        {"a sum without a carry",
         {0, 1, 2, 44, 31}, both, 0, {2, 450, 3, 320}, 5770,
         {two("2 km  450 m + 3 km  320 m ", "= ? km  ? m "), two("2 km  450 m + 3 km  320 m ", "= 5 km  770 m "),
          kmSumPlain, kKmPrompt},
         {two("2 kg  450 g + 3 kg  320 g ", "= ? kg  ? g "), two("2 kg  450 g + 3 kg  320 g ", "= 5 kg  770 g "),
          kgSumPlain, kKgPrompt}},
        {"exactly 1000 carries, leaving 0",
         {2, 0, 0, 49, 49}, both, 2, {1, 500, 1, 500}, 3000,
         {two("1 km  500 m + 1 km  500 m ", "= ? km  ? m "), two("1 km  500 m + 1 km  500 m ", "= 3 km  0 m "), kmCarry,
          kKmPrompt},
         {two("1 kg  500 g + 1 kg  500 g ", "= ? kg  ? g "), two("1 kg  500 g + 1 kg  500 g ", "= 3 kg  0 g "), kgCarry,
          kKgPrompt}},
        {"1000 sums over 8 fall back to 3 and 2",
         QList<int>{1} + repeated({7, 7}, 1000) + QList<int>{97, 97}, QList<int>{9} + repeated({8}, 2000) + QList<int>{98, 98},
         1, {3, 980, 2, 980}, 6960,
         {two("3 km  980 m + 2 km  980 m ", "= ? km  ? m "), two("3 km  980 m + 2 km  980 m ", "= 6 km  960 m "), kmCarry,
          kKmPrompt},
         {two("3 kg  980 g + 2 kg  980 g ", "= ? kg  ? g "), two("3 kg  980 g + 2 kg  980 g ", "= 6 kg  960 g "), kgCarry,
          kKgPrompt}},
        {"a plain number carrying 8, drawn again once",
         {3, 7, 879, 0, 789, 97}, {9, 8, 880, 8, 880, 98}, 3, {1, 980, 7990, 0}, 9970,
         {two("1 km  980 m + 7990 m", "= ? km  ? m"), two("1 km  980 m + 7990 m", "= 9 km 970 m"),
          "m は m どうしで たし、8000 m ぶんを \r8 km に くり上げれば いいよ。", kKmPrompt},
         {two("1 kg  980 g + 7990 g", "= ? kg  ? g"), two("1 kg  980 g + 7990 g", "= 9 kg 970 g"),
          "g は g どうしで たし、8000 g （8 kg） \rぶんを kg に くり上げれば いいよ。", kKgPrompt}},
        {"1000 plain numbers too large fall back to 3 and 2100",
         QList<int>{4} + repeated({7, 879}, 1000) + QList<int>{9}, QList<int>{9} + repeated({8, 880}, 1000) + QList<int>{98},
         4, {3, 100, 2100, 0}, 5200,
         {two("3 km  100 m + 2100 m", "= ? km  ? m"), two("3 km  100 m + 2100 m", "= 5 km 200 m"),
          "m は m どうしで たし、2000 m ぶんを \r2 km に くり上げれば いいよ。", kKmPrompt},
         {two("3 kg  100 g + 2100 g", "= ? kg  ? g"), two("3 kg  100 g + 2100 g", "= 5 kg 200 g"),
          "g は g どうしで たし、2000 g （2 kg） \rぶんを kg に くり上げれば いいよ。", kKgPrompt}},
        {"a plain number without a carry",
         {3, 3, 0, 44}, {9, 8, 880, 98}, 3, {4, 450, 100, 0}, 4550,
         {two("4 km  450 m + 100 m", "= ? km  ? m"), two("4 km  450 m + 100 m", "= 4 km 550 m"),
          "m は m どうしで たせば いいよ。", kKmPrompt},
         {two("4 kg  450 g + 100 g", "= ? kg  ? g"), two("4 kg  450 g + 100 g", "= 4 kg 550 g"),
          "g は g どうしで たせば いいよ。", kKgPrompt}},
        {"a difference with a borrow",
         {5, 2, 1, 9, 44}, {9, 6, 6, 98, 98}, 5, {5, 100, 2, 450}, 2650,
         {two("5 km  100 m - 2 km  450 m ", "= ? km  ? m "), two("5 km  100 m - 2 km  450 m ", "= 2 km  650 m "),
          kmBorrow, kKmPrompt},
         {two("5 kg  100 g - 2 kg  450 g ", "= ? kg  ? g "), two("5 kg  100 g - 2 kg  450 g ", "= 2 kg  650 g "),
          kgBorrow, kKgPrompt}},
        {"equal smaller units need no borrow",
         {7, 5, 5, 29, 29}, {9, 6, 6, 98, 98}, 7, {8, 300, 6, 300}, 2000,
         {two("8 km  300 m - 6 km  300 m ", "= ? km  ? m "), two("8 km  300 m - 6 km  300 m ", "= 2 km  0 m "),
          kmDiffPlain, kKmPrompt},
         {two("8 kg  300 g - 6 kg  300 g ", "= ? kg  ? g "), two("8 kg  300 g - 6 kg  300 g ", "= 2 kg  0 g "),
          kgDiffPlain, kKgPrompt}},
        {"1000 differences under 2 fall back to 3 and 1",
         QList<int>{6} + repeated({0, 5}, 1000) + QList<int>{97, 0}, QList<int>{9} + repeated({6}, 2000) + QList<int>{98, 98},
         6, {3, 980, 1, 10}, 2970,
         {two("3 km  980 m - 1 km  10 m ", "= ? km  ? m "), two("3 km  980 m - 1 km  10 m ", "= 2 km  970 m "),
          kmDiffPlain, kKmPrompt},
         {two("3 kg  980 g - 1 kg  10 g ", "= ? kg  ? g "), two("3 kg  980 g - 1 kg  10 g ", "= 2 kg  970 g "),
          kgDiffPlain, kKgPrompt}},
        {"a plain number taken with a borrow, the least answer",
         {8, 0, 0, 97}, {9, 7, 98, 98}, 8, {2, 10, 980, 0}, 1030,
         {two("2 km  10 m - 980 m ", "= ? km  ? m"), two("2 km  10 m - 980 m ", "= 1 km  30 m"),
          "m どうしでは ひけないので、km から \r1 （1000 m） を くり下げて\rひけば いいよ。", kKmPrompt},
         {two("2 kg  10 g - 980 g ", "= ? kg  ? g"), two("2 kg  10 g - 980 g ", "= 1 kg  30 g"),
          "g どうしでは ひけないので、 \rkg から 1 （1000 g）を くり下げて\rひけば いいよ。", kKgPrompt}},
        {"a plain number taken without a borrow",
         {8, 6, 97, 97}, {9, 7, 98, 98}, 8, {8, 980, 980, 0}, 8000,
         {two("8 km  980 m - 980 m ", "= ? km  ? m"), two("8 km  980 m - 980 m ", "= 8 km  0 m"),
          "m は m どうしで ひけば いいよ。", kKmPrompt},
         {two("8 kg  980 g - 980 g ", "= ? kg  ? g"), two("8 kg  980 g - 980 g ", "= 8 kg  0 g"),
          "g は g どうしで ひけば いいよ。", kKgPrompt}},
    });
}

void UnitsTest::metricCalculation()
{
    QFETCH(bool, weight);
    QFETCH(QList<int>, script);
    FakeRandom random;
    random.script(script);
    checkMetric(DrawMetricCalculation(weight ? WeightTexts : LengthTexts, random), random);
}

// Seeded draws: every answer fits its pickers as the pupil is told to enter
// it, and its worked equation ends in it.
void UnitsTest::drawsStayInRange()
{
    FakeRandom random;
    random.seed(2026);
    for (int i = 0; i < 3000; ++i) {
        const UnitsProblem tc = DrawTimeConversion(random);
        QVERIFY(tc.answer >= 61 && tc.answer <= 238);
        if (tc.weights[Hundreds] == 100) {
            QVERIFY(tc.b >= 1 && tc.b <= 58);
            QVERIFY(tc.answer <= 178);
        }
        const UnitsProblem ta = DrawTimeCalculation(random);
        QVERIFY2(ta.answer >= 80 && ta.answer <= 560, qPrintable(ta.text));  // 1 時 20 分 to 9 時 20 分
        QVERIFY(ta.answer / 60 <= 9);
        const UnitsProblem vc = DrawVolumeConversion(random);
        QVERIFY(vc.answer >= 1100 && vc.answer <= 9800 && vc.answer % 100 == 0);
        const UnitsProblem va = DrawVolumeCalculation(random);
        QVERIFY2(va.answer >= 100 && va.answer <= 9600 && va.answer % 100 == 0, qPrintable(va.text));
        if (va.markPlace == Hundreds)
            QVERIFY(va.answer >= 1000);
        else
            QVERIFY(va.answer > 0 && va.a % 100 == 0 && va.b % 100 == 0);
        // Length and weight: the larger unit always fits the thousands
        // picker, the smaller is in tens.
        for (const MetricUnitsTexts *units : {&LengthTexts, &WeightTexts}) {
            const UnitsProblem mc = DrawMetricConversion(*units, random);
            QVERIFY(mc.answer >= 1010 && mc.answer <= 8980 && mc.answer % 10 == 0);
            const UnitsProblem ma = DrawMetricCalculation(*units, random);
            QVERIFY2(ma.answer >= 1030 && ma.answer <= 9970 && ma.answer % 10 == 0, qPrintable(ma.text));
            // The worked result says the answer in the two units.
            const bool length = units == &LengthTexts;
            const QString result = QStringLiteral("= %1 %2 %3 %4")
                                       .arg(ma.answer / 1000)
                                       .arg(QLatin1String(length ? "km" : "kg"))
                                       .arg(ma.answer % 1000)
                                       .arg(QLatin1String(length ? "m" : "g"));
            QCOMPARE(ma.equation.section(QLatin1Char('\r'), 1).simplified(), result);
        }
    }
}

// ---------------------------------------------------------------- marking

void UnitsTest::marking_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("picks");  // in order; "!" marks a pick that must be refused
    QTest::addColumn<QStringList>("marks");  // Label6 after each pick that was taken
    QTest::addColumn<QList<int>>("cues");    // every cue heard during the picks
    QTest::addColumn<int>("given");          // GivenAnswer at the end
    QTest::addColumn<QString>("equation");   // Label4 once marked

    const QList<int> s61{3, 0};        // 61 秒 = ? 分  ? 秒
    const QList<int> s178{2, 1, 57};   // 2 分 58 秒 = ? 秒
    const QList<int> m130{0, 0, 2, 3}; // 1 時  30 分 + 40 分
    const QString e61 = QStringLiteral("61 秒 = 1 分  1 秒");
    QTest::newRow("time: 61 秒 as 0, 6, 1") << 11 << 2 << s61 << QStringList{"4:0", "3:6", "2:1"}
                                            << QStringList{"", "", "○"} << QList<int>{11, 11, 14} << 61 << e61;
    QTest::newRow("time: 61 秒 as 1, 0, 1") << 11 << 2 << s61 << QStringList{"4:1", "3:0", "2:1"}
                                            << QStringList{"", "", "○"} << QList<int>{11, 11, 14} << 61 << e61;
    QTest::newRow("time: 61 秒 as 0, 0, 1 is 1 秒") << 11 << 2 << s61 << QStringList{"2:1"} << QStringList{"×"}
                                                   << QList<int>{13} << 1 << e61;
    QTest::newRow("time: ones first, then the rest and ones again")
        << 11 << 2 << s61 << QStringList{"2:1", "4:1", "3:0", "2:1"} << QStringList{"×", "×", "×", "○"}
        << QList<int>{13, 11, 11, 14} << 61 << e61;
    QTest::newRow("time: 178 秒 is a plain number") << 11 << 2 << s178 << QStringList{"4:1", "3:7", "2:8"}
                                                   << QStringList{"", "", "○"} << QList<int>{11, 11, 14} << 178
                                                   << "2 分 58 秒 = 178 秒";
    QTest::newRow("time: 178 秒 split as 2, 5, 8 reads 258") << 11 << 2 << s178 << QStringList{"4:2", "3:5", "2:8"}
                                                            << QStringList{"", "", "×"} << QList<int>{11, 11, 13}
                                                            << 258 << "2 分 58 秒 = 178 秒";
    QTest::newRow("time: 1, 7, 0 counts as 130 minutes")
        << 11 << 3 << m130 << QStringList{"4:1", "3:7", "2:0"} << QStringList{"", "", "○"} << QList<int>{11, 11, 14}
        << 130 << "1 時  30 分 + 40 分 = 2 時  10 分 ";
    QTest::newRow("time: 2, 1, 0 is 130 minutes too")
        << 11 << 3 << m130 << QStringList{"4:2", "3:1", "2:0"} << QStringList{"", "", "○"} << QList<int>{11, 11, 14}
        << 130 << "1 時  30 分 + 40 分 = 2 時  10 分 ";

    const QList<int> l34{0, 2, 3};  // 3 l  4 dl = ? dl
    const QList<int> ml34{8, 2, 3}; // 3 l  4 dl = ? ml
    QTest::newRow("volume: 3, 4 marks 34 dl at the hundreds, tens and ones unused")
        << 9 << 2 << l34 << QStringList{"3:0!", "2:0!", "5:3", "4:4"} << QStringList{"", "○"} << QList<int>{11, 14}
        << 3400 << "3 l  4 dl = 34 dl";
    QTest::newRow("volume: hundreds before thousands; thousands alone does not mark again")
        << 9 << 2 << l34 << QStringList{"4:4", "5:3", "4:4"} << QStringList{"×", "×", "○"} << QList<int>{13, 11, 14}
        << 3400 << "3 l  4 dl = 34 dl";
    QTest::newRow("volume: 34 dl as 3 l 4 dl") << 9 << 2 << QList<int>{3, 23} << QStringList{"5:3", "4:4"}
                                               << QStringList{"", "○"} << QList<int>{11, 14} << 3400
                                               << "34 dl = 3 l  4 dl";
    QTest::newRow("volume: ml asked, the hundreds only store")
        << 9 << 2 << ml34 << QStringList{"5:3", "4:4", "3:0", "2:0"} << QStringList{"", "", "", "○"}
        << QList<int>{11, 11, 11, 14} << 3400 << "3 l  4 dl = 3400 ml";
    QTest::newRow("volume: ml asked, places not picked count 0") << 9 << 2 << ml34 << QStringList{"4:4", "2:0"}
                                                                 << QStringList{"", "×"} << QList<int>{11, 13} << 400
                                                                 << "3 l  4 dl = 3400 ml";
    QTest::newRow("volume: 6 l 3 dl after a carry") << 9 << 3 << QList<int>{0, 2, 1, 7, 4} << QStringList{"5:6", "4:3"}
                                                    << QStringList{"", "○"} << QList<int>{11, 14} << 6300
                                                    << "3 l  8 dl + 2 l  5 dl = 6 l  3 dl ";
    QTest::newRow("volume: 1600 ml in four places") << 9 << 3 << QList<int>{3, 7, 7}
                                                    << QStringList{"5:1", "4:6", "3:0", "2:0"}
                                                    << QStringList{"", "", "", "○"} << QList<int>{11, 11, 11, 14}
                                                    << 1600 << "800 ml + 800 ml = 1600 ml";

    // Length and weight: all four places, marked at the ones.
    for (int form : {10, 12}) {
        const QString big = form == 10 ? QStringLiteral("km") : QStringLiteral("kg");
        const QString small = form == 10 ? QStringLiteral("m") : QStringLiteral("g");
        const QList<int> c2350{0, 1, 34};  // 2350 into both units
        const QString e2350 = QStringLiteral("2350 %1 = 2 %2  350 %1").arg(small, big);
        QTest::addRow("form%d: 2350 as 2, 3, 5, 0", form)
            << form << 2 << c2350 << QStringList{"5:2", "4:3", "3:5", "2:0"} << QStringList{"", "", "", "○"}
            << QList<int>{11, 11, 11, 14} << 2350 << e2350;
        QTest::addRow("form%d: the ones alone mark at once", form)
            << form << 2 << c2350 << QStringList{"2:0"} << QStringList{"×"} << QList<int>{13} << 0 << e2350;
        QTest::addRow("form%d: a wrong ones, then the right one", form)
            << form << 2 << c2350 << QStringList{"5:2", "4:3", "3:5", "2:1", "2:0"}
            << QStringList{"", "", "", "×", "○"} << QList<int>{11, 11, 11, 13, 14} << 2350 << e2350;
        QTest::addRow("form%d: a place picked again replaces its digit", form)
            << form << 2 << c2350 << QStringList{"5:3", "4:3", "3:5", "2:0", "5:2", "2:0"}
            << QStringList{"", "", "", "×", "×", "○"} << QList<int>{11, 11, 11, 13, 11, 14} << 2350 << e2350;
        QTest::addRow("form%d: 9970 after a carry of 8", form)
            << form << 3 << QList<int>{3, 7, 879, 0, 789, 97} << QStringList{"5:9", "4:9", "3:7", "2:0"}
            << QStringList{"", "", "", "○"} << QList<int>{11, 11, 11, 14} << 9970
            << QStringLiteral("1 %2  980 %1 + 7990 %1\r                      = 9 %2 970 %1").arg(small, big);
    }
}

void UnitsTest::marking()
{
    QFETCH(int, form);
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, marks);
    QFETCH(QList<int>, cues);
    QFETCH(int, given);
    QFETCH(QString, equation);

    TestProgram t;
    t.soundOn();
    TScreen *s = t.open(form);
    QVERIFY(runSteps(s, {QStringLiteral("menu:%1").arg(menu), QStringLiteral("toggle")}));
    t.random.script(script);
    QVERIFY(act(s, QStringLiteral("next")));
    QCOMPARE(s->property("ProblemKind").toInt(), script.first());
    QCOMPARE(LessonState.Entry2, 0);
    QCOMPARE(LessonState.Entry3, 0);
    QCOMPARE(LessonState.Entry4, 0);
    t.cues.clear();

    QStringList seen;
    for (const QString &p : picks) {
        QVERIFY2(act(s, p), qPrintable(p));
        if (!p.endsWith(QLatin1Char('!')))
            seen << TestProgram::caption(s, QStringLiteral("Label6"));
    }
    QCOMPARE(seen, marks);
    QCOMPARE(t.cues.played, cues);
    QCOMPARE(LessonState.GivenAnswer, given);
    // Marked: the worked equation stands in place of the question, with no
    // hint in test mode, and "つぎへ" goes on; the pickers stay in view.
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), equation);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label5")), QString());
    QVERIFY(enabled(s, "CuteButton4"));
    QVERIFY(!enabled(s, "CuteButton5"));
    QCOMPARE(TestProgram::prompt(s), kReady);
    QVERIFY(s->Timer2->isActive());
    for (const QString &name : pickerNames(form))
        QVERIFY(!TestProgram::control<TComboBox>(s, name)->isHidden());
}

// ---------------------------------------------------------------- the flow

void UnitsTest::flow_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("next");        // "つぎへ" enabled
    QTest::addColumn<bool>("answer");      // "答え" enabled
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("studyText");   // Memo1 shown
    QTest::addColumn<bool>("pickers");     // pickers shown
    QTest::addColumn<QString>("problem");  // Label4
    QTest::addColumn<QString>("hint");     // Label5
    QTest::addColumn<int>("cue");          // the last cue heard
    QTest::addColumn<int>("refusals");     // refusal messages shown

    // Each screen with the first conversion its script draws.
    struct Screen {
        int form;
        QList<int> script;
        QString question, equation, hint, testPrompt;
        QString refusedPrompt;
        int refusedCue;  // the last cue once test mode is refused on the study text
    };
    const Screen screens[] = {
        {11, {3, 0}, "61 秒 = ? 分  ? 秒", "61 秒 = 1 分  1 秒", "60 秒 を 1 分 に かえれば いいよ。",
         "分は 百の位で、秒は 十と一の位で こたえてね！", kRefused, 12},
        {9, {0, 2, 3}, "3 l  4 dl = ? dl", "3 l  4 dl = 34 dl", "3 l を 30 dl に かえれば いいよ。",
         "千と 百の位で こたえてね！", QString(), 12},
        {10, {0, 1, 34}, "2350 m = ? km  ? m", "2350 m = 2 km  350 m", "2000 m を 2 km に かえれば いいよ。",
         "km は千の位で、m は 百～一の位で こたえてね！", QString(), 12},
        {12, {0, 1, 34}, "2350 g = ? kg  ? g", "2350 g = 2 kg  350 g", "2000 g を 2 kg に かえれば いいよ。",
         "kg は千の位で、g は 百～一の位で こたえてね！", QString(), 12},
    };
    enum Shown { Nothing, Question, Equation };
    struct Row {
        const char *name;
        QStringList steps;
        bool next, answer;
        QString prompt;  // "*" for the screen's test prompt, "!" for its prompt after a refusal
        int mode;
        bool studyText, pickers;
        Shown problem;
        bool hint;
        int cue;
        int refusals;
    };
    const Row rows[] = {
        {"opened", {}, false, false, kMenuPrompt, 1, false, false, Nothing, false, 12, 0},
        {"study text", {"menu:1"}, false, false, kOtherMenu, 1, true, false, Nothing, false, 12, 0},
        {"test refused on the study text", {"menu:1", "toggle"}, false, false, "!", 1, false, false, Nothing, false, 12, 1},
        {"study text again", {"menu:1", "toggle", "menu:1"}, false, false, kOtherMenu, 1, true, false, Nothing, false, 12, 1},
        {"ready", {"menu:2"}, true, false, kReady, 1, false, false, Nothing, false, 12, 0},
        {"study posed", {"menu:2", "next"}, false, true, kStudyPosed, 1, false, false, Question, false, 11, 0},
        {"study answered", {"menu:2", "next", "answer"}, true, false, kReady, 1, false, false, Equation, true, 11, 0},
        {"test ready", {"menu:2", "toggle"}, true, false, kReady, 2, false, false, Nothing, false, 12, 0},
        {"test posed", {"menu:2", "toggle", "next"}, false, false, "*", 2, false, true, Question, false, 11, 0},
        {"test posed, back to study", {"menu:2", "toggle", "next", "toggle"}, true, false, kReady, 1, false, false,
         Nothing, false, 12, 0},
        {"study posed, to test", {"menu:2", "next", "toggle"}, true, false, kReady, 2, false, false, Nothing, false, 12, 0},
        {"a menu pick returns to study", {"menu:2", "toggle", "next", "menu:3"}, true, false, kReady, 1, false, false,
         Nothing, false, 12, 0},
        {"the study text after test mode", {"menu:2", "toggle", "menu:1"}, false, false, kOtherMenu, 1, true, false,
         Nothing, false, 12, 0},
    };
    for (const Screen &sc : screens)
        for (const Row &r : rows) {
            const QString prompt = r.prompt == QLatin1String("*")   ? sc.testPrompt
                                   : r.prompt == QLatin1String("!") ? sc.refusedPrompt
                                                                    : r.prompt;
            const QString problem = r.problem == Nothing ? QString() : r.problem == Question ? sc.question : sc.equation;
            QTest::addRow("form%d %s", sc.form, r.name)
                << sc.form << r.steps << r.next << r.answer << prompt << r.mode << r.studyText << r.pickers << problem
                << (r.hint ? sc.hint : QString()) << (r.prompt == QLatin1String("!") ? sc.refusedCue : r.cue)
                << r.refusals;
        }
}

void UnitsTest::flow()
{
    QFETCH(int, form);
    QFETCH(QStringList, steps);
    QFETCH(bool, next);
    QFETCH(bool, answer);
    QFETCH(QString, prompt);
    QFETCH(int, mode);
    QFETCH(bool, studyText);
    QFETCH(bool, pickers);
    QFETCH(QString, problem);
    QFETCH(QString, hint);
    QFETCH(int, cue);
    QFETCH(int, refusals);

    TestProgram t;
    t.soundOn();
    t.random.script(form == 11 ? QList<int>{3, 0} : form == 9 ? QList<int>{0, 2, 3} : QList<int>{0, 1, 34});
    TScreen *s = t.open(form);
    QVERIFY(s);
    QVERIFY(runSteps(s, steps));

    QCOMPARE(enabled(s, "CuteButton4"), next);
    QCOMPARE(enabled(s, "CuteButton5"), answer);
    QCOMPARE(TestProgram::prompt(s), prompt);
    QCOMPARE(LessonState.LessonMode, mode);
    QCOMPARE(toggleCaption(s), mode == 1 ? QStringLiteral("べんきょう") : QStringLiteral("テスト"));
    auto *memo = TestProgram::control<TMemo>(s, QStringLiteral("Memo1"));
    QCOMPARE(!memo->isHidden(), studyText);
    if (studyText)
        QCOMPARE(memo->y(), 176);
    QCOMPARE(pickersShown(s, form), pickers);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), problem);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label5")), hint);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label6")), QString());
    QCOMPARE(t.cues.played.last(), cue);
    int refused = 0;
    for (const FakeDialogs::Asked &a : t.dialogs.asked)
        refused += a.kind == QLatin1String("message") && a.text == kNoTest;
    QCOMPARE(refused, refusals);
    if (pickers) {
        // A new problem's pickers show their place names, nothing picked.
        const QStringList names = pickerNames(form);
        const QStringList places{"一", "十", "百", "千"};
        for (int i = 0; i < names.size(); ++i) {
            auto *c = TestProgram::control<TComboBox>(s, names[i]);
            QCOMPARE(c->itemIndex(), -1);
            QCOMPARE(c->text(), places[i]);
            QCOMPARE(c->items(), TComboBox::digits());
        }
    }
}

void UnitsTest::refusals_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QList<int>>("cues");  // heard on the toggle
    QTest::addColumn<bool>("blink");
    QTest::addColumn<bool>("next");
    QTest::newRow("time, study text: asks for another menu") << 11 << 1 << kRefused << QList<int>{12} << true << false;
    QTest::newRow("time, word problems: goes on") << 11 << 4 << kReady << QList<int>{12} << true << true;
    QTest::newRow("volume, study text: silent, no prompt") << 9 << 1 << QString() << QList<int>{} << false << false;
    QTest::newRow("length, study text: silent, no prompt") << 10 << 1 << QString() << QList<int>{} << false << false;
    QTest::newRow("weight, study text: silent, no prompt") << 12 << 1 << QString() << QList<int>{} << false << false;
}

// Test mode is refused where a menu has no test: a message, study mode
// kept, and the screen cleared (the study text too).
void UnitsTest::refusals()
{
    QFETCH(int, form);
    QFETCH(int, menu);
    QFETCH(QString, prompt);
    QFETCH(QList<int>, cues);
    QFETCH(bool, blink);
    QFETCH(bool, next);
    TestProgram t;
    t.soundOn();
    TScreen *s = t.open(form);
    QVERIFY(act(s, QStringLiteral("menu:%1").arg(menu)));
    s->Timer2->stop();
    t.cues.clear();
    t.dialogs.asked.clear();
    QVERIFY(act(s, QStringLiteral("toggle")));
    QCOMPARE(t.dialogs.asked.size(), 1);
    QCOMPARE(t.dialogs.asked[0].kind, QStringLiteral("message"));
    QCOMPARE(t.dialogs.asked[0].text, kNoTest);
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(toggleCaption(s), QStringLiteral("べんきょう"));
    QCOMPARE(LessonState.MenuChoice, menu);
    QCOMPARE(TestProgram::prompt(s), prompt);
    QCOMPARE(t.cues.played, cues);
    QCOMPARE(s->Timer2->isActive(), blink);
    QCOMPARE(enabled(s, "CuteButton4"), next);
    QVERIFY(TestProgram::control<TMemo>(s, QStringLiteral("Memo1"))->isHidden());
}

void UnitsTest::wordProblemsCycle()
{
    TestProgram t;
    t.soundOn();
    TScreen *s = t.open(11);
    QVERIFY(act(s, QStringLiteral("menu:4")));
    QCOMPARE(LessonState.StepNo, 0);
    QVERIFY(enabled(s, "CuteButton4"));
    // Nine times round: problems 1 to 8, then 1 again; in study mode each
    // question, then its answer under it.
    for (int n = 0; n < 9; ++n) {
        const WordRow &w = kWords[n % 8];
        QVERIFY(act(s, QStringLiteral("next")));
        QCOMPARE(LessonState.StepNo, n % 8 + 1);
        QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), QString::fromUtf8(w.question));
        QCOMPARE(TestProgram::caption(s, QStringLiteral("Label5")), QString());
        QCOMPARE(TestProgram::prompt(s), kStudyPosed);
        QVERIFY(!pickersShown(s, 11));
        QVERIFY(act(s, QStringLiteral("answer")));
        QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), QString::fromUtf8(w.question));
        QCOMPARE(TestProgram::caption(s, QStringLiteral("Label5")), QString::fromUtf8(w.answer));
        QCOMPARE(TestProgram::prompt(s), kReady);
    }

    // Test mode is refused here; the cycle goes on with the next problem.
    QVERIFY(act(s, QStringLiteral("next")));  // problem 2
    t.cues.clear();
    QVERIFY(act(s, QStringLiteral("toggle")));
    QCOMPARE(t.dialogs.asked.last().text, kNoTest);
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(toggleCaption(s), QStringLiteral("べんきょう"));
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), QString());
    QCOMPARE(TestProgram::prompt(s), kReady);
    QCOMPARE(t.cues.played, QList<int>{12});
    QVERIFY(act(s, QStringLiteral("next")));
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), QString::fromUtf8(kWords[2].question));

    // Picking the menu again starts over at problem 1.
    QVERIFY(act(s, QStringLiteral("menu:4")));
    QVERIFY(act(s, QStringLiteral("next")));
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), QString::fromUtf8(kWords[0].question));

    // The counter is shared: whatever another lesson left in it, the cycle
    // stays within its eight problems.
    for (int left : {8, 9, 42, -3}) {
        QVERIFY(act(s, QStringLiteral("answer")));
        LessonState.StepNo = left;
        QVERIFY(act(s, QStringLiteral("next")));
        QCOMPARE(LessonState.StepNo, 1);
        QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), QString::fromUtf8(kWords[0].question));
    }
}

// ---------------------------------------------------------------- sound rules

void UnitsTest::nothingPosedNothingMarked_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("leftMenu");  // MenuChoice another screen left before this one opens
    QTest::addColumn<QStringList>("steps");
    for (int form : {11, 9, 10, 12}) {
        QTest::addRow("form%d fresh start, test mode", form) << form << 0 << QStringList{"toggle", "next"};
        QTest::addRow("form%d menu 4 left, test mode", form) << form << 4 << QStringList{"toggle", "next"};
        QTest::addRow("form%d menu 2 left, study mode", form) << form << 2 << QStringList{"toggle", "toggle", "next"};
    }
}

// A screen reads only answers to problems it posed itself: before its own
// menu is picked, "つぎへ" poses nothing, shows no pickers and marks nothing.
void UnitsTest::nothingPosedNothingMarked()
{
    QFETCH(int, form);
    QFETCH(int, leftMenu);
    QFETCH(QStringList, steps);
    TestProgram t;
    t.soundOn();
    LessonState.MenuChoice = leftMenu;
    LessonState.Answer = 0;
    TScreen *s = t.open(form);
    QCOMPARE(LessonState.MenuChoice, 0);  // the screen's own: nothing picked yet
    QVERIFY(runSteps(s, steps));
    QVERIFY(!pickersShown(s, form));
    QVERIFY(!TestProgram::pick(s, QStringLiteral("ComboBox2"), 0));
    QMetaObject::invokeMethod(s, "ComboBox2Change");
    QMetaObject::invokeMethod(s, "ComboBox4Change");
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label6")), QString());
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), QString());
    QVERIFY(!enabled(s, "CuteButton5"));
    QCOMPARE(TestProgram::prompt(s), kMenuPrompt);
    QVERIFY(!t.cues.played.contains(14));
    QCOMPARE(t.random.reseeds, 0);
}

void UnitsTest::returnKeepsModeAndMenu_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("menuText");
    QTest::addColumn<QString>("question");  // the start of what "つぎへ" poses in that menu
    QTest::newRow("time, 計算") << 11 << 3 << "計算" << "1 時  10 分 + 10 分";
    QTest::newRow("volume, へんかん") << 9 << 2 << "へんかん" << "1 l  1 dl = ? dl";
    QTest::newRow("length, 計算") << 10 << 3 << "計算" << "1 km  10 m + 1 km  10 m \r";
    QTest::newRow("weight, へんかん") << 12 << 2 << "へんかん" << "1010 g = ? kg  ? g";
}

void UnitsTest::returnKeepsModeAndMenu()
{
    QFETCH(int, form);
    QFETCH(int, menu);
    QFETCH(QString, menuText);
    QFETCH(QString, question);
    TestProgram t;
    t.soundOn();
    TScreen *s = t.open(form);
    QVERIFY(runSteps(s, {QStringLiteral("menu:%1").arg(menu), QStringLiteral("toggle"), QStringLiteral("back")}));
    QVERIFY(s->isHidden());

    // Straight back: test mode, the menu, its caption, all as left.
    t.cues.clear();
    QCOMPARE(t.open(form), s);
    QCOMPARE(LessonState.LessonMode, 2);
    QCOMPARE(toggleCaption(s), QStringLiteral("テスト"));
    QCOMPARE(LessonState.MenuChoice, menu);
    QCOMPARE(TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox1"))->text(), menuText);
    QCOMPARE(TestProgram::prompt(s), kMenuPrompt);
    QVERIFY(!enabled(s, "CuteButton4"));
    QCOMPARE(t.cues.played, QList<int>{12});
    QVERIFY(act(s, QStringLiteral("back")));

    // Another lesson puts the mode back to study and a drill picks its own
    // menu: the toggle names the mode as it is, the menu is this screen's.
    QVERIFY(t.open(3));
    QVERIFY(act(t.program->screen(3), QStringLiteral("back")));
    TScreen *drill = t.open(5);
    QVERIFY(TestProgram::pick(drill, QStringLiteral("ComboBox1"), 0));
    QCOMPARE(LessonState.MenuChoice, 1);
    QVERIFY(act(drill, QStringLiteral("back")));
    QCOMPARE(t.open(form), s);
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(toggleCaption(s), QStringLiteral("べんきょう"));
    QCOMPARE(LessonState.MenuChoice, menu);

    // And it goes on in that menu.
    t.random.script({0, 0, 0, 0, 0});
    QVERIFY(runSteps(s, {QStringLiteral("toggle"), QStringLiteral("next")}));
    QCOMPARE(LessonState.LessonMode, 2);
    QVERIFY2(TestProgram::caption(s, QStringLiteral("Label4")).startsWith(question),
             qPrintable(TestProgram::caption(s, QStringLiteral("Label4"))));
    QVERIFY(pickersShown(s, form));
}

// ---------------------------------------------------------------- screens

void UnitsTest::screensAndTexts_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("button");  // on the contents screen
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("menuText");
    QTest::addColumn<QStringList>("menuItems");
    QTest::addColumn<QStringList>("studyText");
    QTest::newRow("time") << 11 << 12 << "時間と時こく" << " メニュー"
                          << QStringList{"たんい", "へんかん", "計算", "ぶんしょう"}
                          << QStringList{"", "　秒と 分と 時間は、時間の「たんい」で、",
                                         "　これらの かんけいは、つぎの とおりだよ。", "",
                                         "　　　   １分 ＝ ６０秒", "　　　１時間 ＝ ６０分"};
    QTest::newRow("volume") << 9 << 10 << "かさ" << "メニュー" << QStringList{"たんい", "へんかん", "計算"}
                            << QStringList{"", "　ｍｌ（ミリリットル）と ｄｌ（デシリットル）と",
                                           "　 ｌ（リットル）は、かさ の「たんい」で、",
                                           "　これらの かんけいは、つぎの とおりだよ。", "",
                                           "　　　１ｄｌ  ＝     １００ｍｌ", "　　　１ｌ    ＝　１０００ｍｌ",
                                           "　　　１ｌ    ＝         １０ｄｌ"};
    QTest::newRow("length") << 10 << 11 << "長さ" << "メニュー" << QStringList{"たんい", "へんかん", "計算"}
                            << QStringList{"", "　ｍ（メートル）と ｋｍ（キロメートル）は", "　長さ の「たんい」で、",
                                           "　これらの かんけいは、つぎの とおりだよ。", "",
                                           "　　　１ｋｍ ＝   １０００ｍ"};
    QTest::newRow("weight") << 12 << 13 << "重さ" << "メニュー" << QStringList{"たんい", "へんかん", "計算"}
                            << QStringList{"", "　ｇ（グラム）と ｋｇ（キログラム）は", "　重さ の「たんい」で、",
                                           "　これらの かんけいは、つぎの とおりだよ。", "",
                                           "　　　１ｋｇ ＝   １０００ｇ"};
}

void UnitsTest::screensAndTexts()
{
    QFETCH(int, form);
    QFETCH(int, button);
    QFETCH(QString, title);
    QFETCH(QString, menuText);
    QFETCH(QStringList, menuItems);
    QFETCH(QStringList, studyText);

    TestProgram t;
    // Start-up creates the screen hidden, after the column drill, volume
    // before time; its show handler waits for the first opening.
    const QList<int> forms = t.program->forms();
    QVERIFY(forms.indexOf(8) < forms.indexOf(9));
    QVERIFY(forms.indexOf(9) < forms.indexOf(11));
    QVERIFY(forms.indexOf(11) < forms.indexOf(10));
    QVERIFY(forms.indexOf(10) < forms.indexOf(12));
    QVERIFY(forms.indexOf(12) < forms.indexOf(14));
    TScreen *hidden = t.program->screen(form);
    QVERIFY(hidden && hidden->isHidden());
    QVERIFY(!hidden->Timer2->isActive());
    QVERIFY(TestProgram::control<TCuteButton>(t.contents(), QStringLiteral("CuteButton%1").arg(button))->isEnabled());

    TScreen *s = t.open(form);
    QCOMPARE(s, hidden);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label1")), QStringLiteral("たんい の ある 計算"));
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label2")), title);
    auto *menu = TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox1"));
    QCOMPARE(menu->text(), menuText);
    QCOMPARE(menu->items(), menuItems);
    auto *memo = TestProgram::control<TMemo>(s, QStringLiteral("Memo1"));
    QCOMPARE(memo->lines(), studyText);
    QVERIFY(memo->isHidden());
    QCOMPARE(TestProgram::control<QObject>(s, QStringLiteral("ComboBox5")) != nullptr, form != 11);
    QVERIFY(TestProgram::control<QObject>(s, QStringLiteral("Label6"))->property("markLabel").toBool());
    QVERIFY(TestProgram::control<QObject>(s, QStringLiteral("CuteButton3"))->property("modeToggle").toBool());
    QCOMPARE(LessonState.AuxCount, 0);
    QCOMPARE(LessonState.GridShown, 0);

    // The pickers stand side by side, the highest place on the left.
    QVERIFY(runSteps(s, {"menu:2", "toggle", "next"}));
    int previousX = 10000;
    for (const QString &name : pickerNames(form)) {
        auto *c = TestProgram::control<TComboBox>(s, name);
        QVERIFY2(c->x() < previousX, qPrintable(name));
        previousX = c->x();
    }

    t.dialogs.answers = {QuitAnswer::No};
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton1")));
    QCOMPARE(t.dialogs.asked.last().text, QStringLiteral("おわっても いいの？"));
    QCOMPARE(t.quitter.quits, 0);
    QVERIFY(!s->isHidden());
}

void UnitsTest::layout_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("script");  // the widest problem of the state
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shot");
    QTest::newRow("time, study text") << 11 << QList<int>{} << QStringList{"menu:1"} << "time-study-text";
    QTest::newRow("time, study answered") << 11 << QList<int>{1, 7, 3, 3} << QStringList{"menu:3", "next", "answer"}
                                          << "time-study-answered";
    QTest::newRow("time, test posed") << 11 << QList<int>{4, 177} << QStringList{"menu:2", "toggle", "next"}
                                      << "time-test-posed";
    QTest::newRow("time, test marked") << 11 << QList<int>{1, 7, 3, 3}
                                       << QStringList{"menu:3", "toggle", "next", "4:9", "3:2", "2:0"}
                                       << "time-test-marked";
    QStringList eightWords{"menu:4"};
    for (int i = 0; i < 8; ++i)
        eightWords << "next" << "answer";
    QTest::newRow("time, the longest word problem") << 11 << QList<int>{} << eightWords << "time-word-problem";
    QTest::newRow("volume, study text") << 9 << QList<int>{} << QStringList{"menu:1"} << "volume-study-text";
    QTest::newRow("volume, study answered") << 9 << QList<int>{5, 23} << QStringList{"menu:2", "next", "answer"}
                                            << "volume-study-answered";
    QTest::newRow("volume, test posed") << 9 << QList<int>{0, 6, 0, 7, 7} << QStringList{"menu:3", "toggle", "next"}
                                        << "volume-test-posed";
    QTest::newRow("volume, test marked") << 9 << QList<int>{0, 6, 0, 7, 7}
                                         << QStringList{"menu:3", "toggle", "next", "5:9", "4:6"}
                                         << "volume-test-marked";
    QTest::newRow("volume, ml marked") << 9 << QList<int>{3, 7, 7}
                                       << QStringList{"menu:3", "toggle", "next", "5:1", "4:6", "3:0", "2:1"}
                                       << "volume-ml-marked";
    // The widest problems of length and weight: two lines of four-place
    // numbers, and their worked answers with the longest hints.
    const QList<int> widestSum{0, 3, 3, 97, 97};      // 4 km  980 m + 4 km  980 m
    const QList<int> widestBorrow{5, 5, 0, 0, 97};    // 8 km  10 m - 1 km  980 m
    const QList<int> plainCarry{3, 0, 789, 97};       // 1 km  980 m + 7990 m
    for (int form : {10, 12}) {
        const char *name = form == 10 ? "length" : "weight";
        QTest::addRow("%s, study text", name) << form << QList<int>{} << QStringList{"menu:1"}
                                             << QStringLiteral("%1-study-text").arg(QLatin1String(name));
        QTest::addRow("%s, study carry", name) << form << widestSum << QStringList{"menu:3", "next", "answer"}
                                              << QStringLiteral("%1-study-carry").arg(QLatin1String(name));
        QTest::addRow("%s, study borrow", name) << form << widestBorrow << QStringList{"menu:3", "next", "answer"}
                                               << QStringLiteral("%1-study-borrow").arg(QLatin1String(name));
        QTest::addRow("%s, study plain carry", name) << form << plainCarry << QStringList{"menu:3", "next", "answer"}
                                                    << QStringLiteral("%1-study-plain-carry").arg(QLatin1String(name));
        QTest::addRow("%s, test posed", name) << form << widestSum << QStringList{"menu:3", "toggle", "next"}
                                             << QStringLiteral("%1-test-posed").arg(QLatin1String(name));
        QTest::addRow("%s, test marked", name) << form << widestSum
                                              << QStringList{"menu:3", "toggle", "next", "5:9", "4:9", "3:6", "2:0"}
                                              << QStringLiteral("%1-test-marked").arg(QLatin1String(name));
        QTest::addRow("%s, conversion marked", name) << form << QList<int>{4, 7, 97}
                                                    << QStringList{"menu:2", "toggle", "next", "5:8", "4:9", "3:8", "2:1"}
                                                    << QStringLiteral("%1-conversion-marked").arg(QLatin1String(name));
    }
}

// Every part in view lies inside the window, apart from the others, and
// shows its whole text; the study text needs no scrolling.
void UnitsTest::layout()
{
    QFETCH(int, form);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, steps);
    QFETCH(QString, shot);
    TestProgram t;
    t.random.script(script);
    TScreen *s = t.open(form);
    QVERIFY(runSteps(s, steps));
    QCoreApplication::processEvents();
    TestProgram::shot(s, shot);

    const QString fault = TestProgram::layoutFault(s);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    if (auto *memo = TestProgram::control<TMemo>(s, QStringLiteral("Memo1")); !memo->isHidden()) {
        QCOMPARE(memo->verticalScrollBar()->maximum(), 0);
        QCOMPARE(memo->horizontalScrollBar()->maximum(), 0);
    }
}

QTEST_MAIN(UnitsTest)
#include "tst_units.moc"
