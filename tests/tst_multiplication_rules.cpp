// The rules of multiplication (TForm15) and multiplying by 0, 10 and 100
// (TForm16): the equations and products of every kind, the draws, the
// study-and-test flow both screens share, marking through the pickers with
// unpicked places, and the layout in each state.
#include "lessons/multiplication/rules.h"
#include "lessons/multiplication/zerotenhundred.h"
#include "testprogram.h"

#include <QListWidget>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

namespace {
const QString kReady = QStringLiteral("「つぎへ」ボタンで すすめてね！");
const QString kRulesPosed = QStringLiteral("答えを えらんでね！");
const QString kZeroTenPosed = QStringLiteral("答えは 大きい位から じゅんに えらんでね！");

// A screen opened from the contents, with a few pupil actions.
template <class Form>
struct Lesson {
    TestProgram t;
    Form *s = nullptr;
    explicit Lesson(int form) { s = qobject_cast<Form *>(t.open(form)); }
    bool toggle() { return TestProgram::click(s, QStringLiteral("CuteButton3")); }
    bool next() { return TestProgram::click(s, QStringLiteral("CuteButton4")); }
    // Into test mode and one problem posed from the scripted draws.
    bool pose(const QList<int> &script)
    {
        if (LessonState.LessonMode != 2 && !toggle())
            return false;
        t.random.script(script);
        return next() && t.random.remaining() == 0;
    }
    void fault() const
    {
        const QString fault = TestProgram::layoutFault(s);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

// A TForm16 pick by place name: "千:3".
bool pickPlace(TForm16 *s, const QString &what)
{
    static const QStringList places{QStringLiteral("一"), QStringLiteral("十"), QStringLiteral("百"),
                                    QStringLiteral("千"), QStringLiteral("万")};
    const QStringList parts = what.split(QLatin1Char(':'));
    const int n = int(places.indexOf(parts[0])) + 1;
    return TestProgram::pick(s, QStringLiteral("ComboBox%1").arg(n), parts[1].toInt());
}
}  // namespace

class MultiplicationRulesTest : public QObject {
    Q_OBJECT
private slots:
    void rulesEquations_data();
    void rulesEquations();
    void rulesDraws_data();
    void rulesDraws();
    void rulesDrawsStayInRange();
    void rulesMarking_data();
    void rulesMarking();
    void studyAndTestFlow_data();
    void studyAndTestFlow();
    void noProblemNoMark_data();
    void noProblemNoMark();
    void zeroTenProducts_data();
    void zeroTenProducts();
    void zeroTenDraws_data();
    void zeroTenDraws();
    void zeroTenMarking_data();
    void zeroTenMarking();
    void designedScreens();
    void layout_data();
    void layout();
};

// ---------------------------------------------------------------- the rules

void MultiplicationRulesTest::rulesEquations_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("equation");
    QTest::addColumn<int>("answer");

    QTest::newRow("0 swapped, ? is B") << 0 << 3 << 5 << 0 << "3 x 5 = ? x 3" << "3 x 5 = 5 x 3" << 5;
    QTest::newRow("1 swapped, ? is B") << 1 << 8 << 7 << 0 << "8 x 7 = ? x 8" << "8 x 7 = 7 x 8" << 7;
    QTest::newRow("2 swapped, ? is A") << 2 << 4 << 6 << 0 << "4 x 6 = 6 x ?" << "4 x 6 = 6 x 4" << 4;
    QTest::newRow("3 grouped, ? is C") << 3 << 2 << 3 << 4 << "(2 x 3) x 4 = 2 x (3 x ?)"
                                       << "(2 x 3) x 4 = 2 x (3 x 4)" << 4;
    QTest::newRow("4 grouped, ? is C") << 4 << 1 << 2 << 8 << "(1 x 2) x 8 = 1 x (2 x ?)"
                                       << "(1 x 2) x 8 = 1 x (2 x 8)" << 8;
    QTest::newRow("5 grouped, ? is B") << 5 << 7 << 6 << 1 << "(7 x 6) x 1 = 7 x (? x 1)"
                                       << "(7 x 6) x 1 = 7 x (6 x 1)" << 6;
    QTest::newRow("6 one more, 5 x 4") << 6 << 5 << 4 << 0 << "5 x 4 = 5 x 3 + ?" << "5 x 4 = 5 x 3 + 5" << 5;
    QTest::newRow("7 one more, B = 2") << 7 << 6 << 2 << 0 << "6 x 2 = 6 x 1 + ?" << "6 x 2 = 6 x 1 + 6" << 6;
    QTest::newRow("8 one less, B = 7") << 8 << 3 << 7 << 0 << "3 x 7 = 3 x 8 - ?" << "3 x 7 = 3 x 8 - 3" << 3;
    QTest::newRow("8 one less, B = 2") << 8 << 1 << 2 << 0 << "1 x 2 = 1 x 3 - ?" << "1 x 2 = 1 x 3 - 1" << 1;
}

// Each kind hides its own number and writes the equation whole without a
// product in it.
void MultiplicationRulesTest::rulesEquations()
{
    QFETCH(int, kind);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(QString, text);
    QFETCH(QString, equation);
    QFETCH(int, answer);

    const RulesProblem p = RulesProblemOf(kind, a, b, c);
    QCOMPARE(p.text, text);
    QCOMPARE(p.equation, equation);
    QCOMPARE(p.answer, answer);
}

void MultiplicationRulesTest::rulesDraws_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<QString>("text");

    QTest::newRow("kind 0, lowest factors") << QList<int>{0, 0, 0} << QList<int>{9, 8, 6} << "1 x 2 = ? x 1";
    QTest::newRow("kind 2, highest factors") << QList<int>{2, 7, 5} << QList<int>{9, 8, 6} << "8 x 7 = 7 x ?";
    QTest::newRow("kind 3 draws C") << QList<int>{3, 1, 1, 3} << QList<int>{9, 8, 6, 8}
                                    << "(2 x 3) x 4 = 2 x (3 x ?)";
    QTest::newRow("kind 5 draws C") << QList<int>{5, 0, 0, 7} << QList<int>{9, 8, 6, 8}
                                    << "(1 x 2) x 8 = 1 x (? x 8)";
    QTest::newRow("kind 6 draws no C") << QList<int>{6, 4, 2} << QList<int>{9, 8, 6} << "5 x 4 = 5 x 3 + ?";
    QTest::newRow("kind 8") << QList<int>{8, 4, 2} << QList<int>{9, 8, 6} << "5 x 4 = 5 x 5 - ?";
}

void MultiplicationRulesTest::rulesDraws()
{
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, asked);
    QFETCH(QString, text);

    FakeRandom random;
    random.script(script);
    const RulesProblem p = DrawRulesProblem(random);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.asked, asked);
    QCOMPARE(p.kind, script[0]);
    QCOMPARE(p.text, text);
}

// Every answer is one digit from 1 to 8, so the one picker suffices and "０"
// and "９" are never right.
void MultiplicationRulesTest::rulesDrawsStayInRange()
{
    FakeRandom random;
    random.seed(7);
    QSet<int> kinds;
    for (int i = 0; i < 3000; ++i) {
        const RulesProblem p = DrawRulesProblem(random);
        kinds << p.kind;
        QVERIFY(p.a >= 1 && p.a <= 8);
        QVERIFY(p.b >= 2 && p.b <= 7);
        QVERIFY(p.answer >= 1 && p.answer <= 8);
        QVERIFY(p.text.count(QLatin1Char('?')) == 1);
        QVERIFY(!p.equation.contains(QLatin1Char('?')));
    }
    QCOMPARE(kinds.size(), 9);
}

void MultiplicationRulesTest::rulesMarking_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QStringList>("marks");  // after each pick
    QTest::addColumn<QString>("equation");

    // 5 x 4 = 5 x 3 + ?
    const QList<int> onePlus{6, 4, 2};
    QTest::newRow("right") << onePlus << QList<int>{5} << QStringList{"○"} << "5 x 4 = 5 x 3 + 5";
    QTest::newRow("0 is never right") << onePlus << QList<int>{0} << QStringList{"×"} << "5 x 4 = 5 x 3 + 5";
    QTest::newRow("9 is never right") << QList<int>{0, 7, 5} << QList<int>{9} << QStringList{"×"} << "8 x 7 = 7 x 8";
    QTest::newRow("picked again, marked again") << onePlus << QList<int>{4, 5, 5, 3} << QStringList{"×", "○", "○", "×"}
                                                << "5 x 4 = 5 x 3 + 5";
    // (2 x 3) x 4 = 2 x (? x 4): B is the one hidden.
    QTest::newRow("grouped, ? is B") << QList<int>{5, 1, 1, 3} << QList<int>{3} << QStringList{"○"}
                                     << "(2 x 3) x 4 = 2 x (3 x 4)";
}

void MultiplicationRulesTest::rulesMarking()
{
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, picks);
    QFETCH(QStringList, marks);
    QFETCH(QString, equation);

    Lesson<TForm15> l(15);
    QVERIFY(l.pose(script));
    QCOMPARE(TestProgram::prompt(l.s), kRulesPosed);
    QCOMPARE(l.s->problemKind(), script[0]);
    QVERIFY(!l.s->CuteButton4->isEnabled());
    QCOMPARE(l.s->ComboBox1->text(), QStringLiteral("答え"));
    for (int i = 0; i < picks.size(); ++i) {
        l.t.cues.clear();
        QVERIFY(l.s->ComboBox1->pick(picks[i]));
        QCOMPARE(LessonState.GivenAnswer, picks[i]);
        QCOMPARE(l.s->Label6->caption(), marks[i]);
        QCOMPARE(l.s->Label4->caption(), equation);  // right or wrong, the equation whole
        QCOMPARE(l.t.cues.opened, QList<int>{marks[i] == QStringLiteral("○") ? 14 : 13});
        QCOMPARE(TestProgram::prompt(l.s), kReady);
        QVERIFY(l.s->CuteButton4->isEnabled());
        QVERIFY(l.s->ComboBox1->isVisible());
    }
}

// ---------------------------------------------------------------- the shared flow

void MultiplicationRulesTest::studyAndTestFlow_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("posedPrompt");
    QTest::addColumn<QString>("problem");
    QTest::newRow("rules") << 15 << QList<int>{0, 2, 3} << kRulesPosed << "3 x 5 = ? x 3";
    QTest::newRow("0, 10, 100") << 16 << QList<int>{2, 0, 6} << kZeroTenPosed << "7 x 10 = ?";
}

// Study shows the memo at 136; the toggle into test hides it and readies
// "つぎへ"; back into study the screen stays empty, and only a new show
// brings the memo back, in study mode, with the last prompt still there.
void MultiplicationRulesTest::studyAndTestFlow()
{
    QFETCH(int, form);
    QFETCH(QList<int>, script);
    QFETCH(QString, posedPrompt);
    QFETCH(QString, problem);

    Lesson<TStudyTestLesson> l(form);
    QVERIFY(l.s);
    TStudyTestLesson *s = l.s;
    const auto pickers = [s] {
        int shown = 0;
        for (TComboBox *c : s->findChildren<TComboBox *>())
            shown += c->isVisibleTo(s) ? 1 : 0;
        return shown;
    };
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QVERIFY(s->Memo1->isVisible());
    QCOMPARE(s->Memo1->y(), 136);
    QVERIFY(!s->CuteButton4->isEnabled());
    QCOMPARE(pickers(), 0);
    QCOMPARE(TestProgram::prompt(s), QString());  // the show sets no prompt
    QCOMPARE(l.t.cues.opened.last(), 12);
    QVERIFY(!s->Timer2->isActive());

    QVERIFY(l.toggle());
    QCOMPARE(LessonState.LessonMode, 2);
    QCOMPARE(s->CuteButton3->caption(), QStringLiteral("テスト"));
    QVERIFY(!s->Memo1->isVisible());
    QVERIFY(s->CuteButton4->isEnabled());
    QCOMPARE(TestProgram::prompt(s), kReady);
    QVERIFY(s->Timer2->isActive());
    QCOMPARE(l.t.cues.opened.last(), 12);

    l.t.random.script(script);
    QVERIFY(l.next());
    QCOMPARE(s->Label4->caption(), problem);
    QCOMPARE(TestProgram::prompt(s), posedPrompt);
    QCOMPARE(l.t.cues.opened.last(), 11);
    QVERIFY(pickers() > 0);
    QVERIFY(!s->CuteButton4->isEnabled());

    // Back into study: empty, nothing to press, the prompt kept.
    QVERIFY(l.toggle());
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QCOMPARE(s->Label4->caption(), QString());
    QCOMPARE(pickers(), 0);
    QVERIFY(!s->Memo1->isVisible());
    QVERIFY(!s->CuteButton4->isEnabled());
    QCOMPARE(TestProgram::prompt(s), posedPrompt);
    QCOMPARE(l.t.cues.opened.last(), 12);

    // In test mode again, and away: the next show is study with the memo.
    QVERIFY(l.toggle());
    l.t.random.script(script);
    QVERIFY(l.next());
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton2")));
    QVERIFY(s->isHidden());
    QCOMPARE(l.t.open(form), s);
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QVERIFY(s->Memo1->isVisible());
    QCOMPARE(s->Memo1->y(), 136);
    QCOMPARE(s->Label4->caption(), QString());
    QCOMPARE(pickers(), 0);
    QCOMPARE(TestProgram::prompt(s), posedPrompt);

    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton1")));
    QCOMPARE(l.t.dialogs.asked.last().text, QStringLiteral("おわっても いいの？"));
    QCOMPARE(l.t.quitter.quits, 0);
}

void MultiplicationRulesTest::noProblemNoMark_data()
{
    QTest::addColumn<int>("form");
    QTest::newRow("rules") << 15;
    QTest::newRow("0, 10, 100") << 16;
}

// The marking pick marks only a problem this screen posed and has on
// screen: never one another screen left in the shared record.
void MultiplicationRulesTest::noProblemNoMark()
{
    QFETCH(int, form);
    Lesson<TStudyTestLesson> l(form);
    LessonState.Answer = 0;
    LessonState.GivenAnswer = 0;
    const auto markingPick = [&l] { QMetaObject::invokeMethod(l.s, "ComboBox1Change"); };
    markingPick();
    QCOMPARE(l.s->Label6->caption(), QString());
    QVERIFY(l.toggle());
    markingPick();
    QCOMPARE(l.s->Label6->caption(), QString());
    QVERIFY(!l.s->findChild<TComboBox *>(QStringLiteral("ComboBox1"))->isVisibleTo(l.s));
    // Posed, then put away by the toggle.
    QVERIFY(l.next());
    QVERIFY(l.toggle());
    markingPick();
    QCOMPARE(l.s->Label6->caption(), QString());
    QCOMPARE(l.s->Label4->caption(), QString());
    QVERIFY(!l.s->CuteButton4->isEnabled());
}

// ---------------------------------------------------------------- 0, 10 and 100

void MultiplicationRulesTest::zeroTenProducts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("equation");
    QTest::addColumn<int>("answer");

    QTest::newRow("N x 0") << 0 << 4 << 7 << "7 x 0 = ?" << "7 x 0 = 0" << 0;
    QTest::newRow("0 x N") << 1 << 5 << 4 << "0 x 4 = ?" << "0 x 4 = 0" << 0;
    QTest::newRow("N x 10") << 2 << 0 << 9 << "9 x 10 = ?" << "9 x 10 = 90" << 90;
    QTest::newRow("10 x N") << 3 << 8 << 1 << "10 x 1 = ?" << "10 x 1 = 10" << 10;
    QTest::newRow("smallest x 100") << 4 << 0 << 10 << "10 x 100 = ?" << "10 x 100 = 1000" << 1000;
    QTest::newRow("x 100 ignores the order") << 5 << 8 << 98 << "98 x 100 = ?" << "98 x 100 = 9800" << 9800;
    QTest::newRow("largest x 10") << 6 << 7 << 998 << "998 x 10 = ?" << "998 x 10 = 9980" << 9980;
    QTest::newRow("three places x 10") << 7 << 5 << 100 << "100 x 10 = ?" << "100 x 10 = 1000" << 1000;
    QTest::newRow("largest x 100") << 8 << 6 << 998 << "998 x 100 = ?" << "998 x 100 = 99800" << 99800;
}

void MultiplicationRulesTest::zeroTenProducts()
{
    QFETCH(int, kind);
    QFETCH(int, order);
    QFETCH(int, n);
    QFETCH(QString, text);
    QFETCH(QString, equation);
    QFETCH(int, answer);

    const ZeroTenProblem p = ZeroTenProblemOf(kind, order, n);
    QCOMPARE(p.text, text);
    QCOMPARE(p.equation, equation);
    QCOMPARE(p.answer, answer);
}

void MultiplicationRulesTest::zeroTenDraws_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<QString>("text");

    QTest::newRow("x 0, 1 to 9") << QList<int>{0, 0, 0} << QList<int>{9, 9, 9} << "1 x 0 = ?";
    QTest::newRow("10 x, 1 to 9") << QList<int>{3, 5, 8} << QList<int>{9, 9, 9} << "10 x 9 = ?";
    QTest::newRow("x 100, 10 to 98") << QList<int>{5, 0, 88} << QList<int>{9, 9, 89} << "98 x 100 = ?";
    QTest::newRow("x 10, 100 to 998") << QList<int>{6, 0, 0} << QList<int>{9, 9, 899} << "100 x 10 = ?";
    QTest::newRow("x 100, 100 to 998") << QList<int>{8, 8, 898} << QList<int>{9, 9, 899} << "998 x 100 = ?";
}

void MultiplicationRulesTest::zeroTenDraws()
{
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, asked);
    QFETCH(QString, text);

    FakeRandom random;
    random.script(script);
    const ZeroTenProblem p = DrawZeroTenProblem(random);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.asked, asked);
    QCOMPARE(p.kind, script[0]);
    QCOMPARE(p.factorOrder, script[1]);
    QCOMPARE(p.text, text);
}

void MultiplicationRulesTest::zeroTenMarking_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("picks");  // "<place>:<digit>"
    QTest::addColumn<QStringList>("marks");  // after each pick: the mark, empty while none
    QTest::addColumn<int>("given");          // GivenAnswer at the end
    QTest::addColumn<QString>("equation");

    QTest::newRow("x 0 by the ones alone") << QList<int>{0, 0, 6} << QStringList{"一:0"} << QStringList{"○"} << 0
                                           << "7 x 0 = 0";
    QTest::newRow("from the highest place") << QList<int>{8, 0, 898} << QStringList{"万:9", "千:9", "百:8", "十:0", "一:0"}
                                            << QStringList{"", "", "", "", "○"} << 99800 << "998 x 100 = 99800";
    QTest::newRow("ones first: the higher places count 0")
        << QList<int>{2, 0, 6} << QStringList{"一:0", "十:7", "一:0"} << QStringList{"×", "×", "○"} << 70
        << "7 x 10 = 70";
    QTest::newRow("a higher place changed after the mark waits for the ones")
        << QList<int>{6, 0, 130} << QStringList{"千:3", "百:3", "十:0", "一:0", "千:2", "一:0"}
        << QStringList{"", "", "", "×", "×", "○"} << 2300 << "230 x 10 = 2300";
    QTest::newRow("a wrong product shows the right one") << QList<int>{4, 0, 13} << QStringList{"百:2", "一:3"}
                                                         << QStringList{"", "×"} << 203 << "23 x 100 = 2300";
}

void MultiplicationRulesTest::zeroTenMarking()
{
    QFETCH(QList<int>, script);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, marks);
    QFETCH(int, given);
    QFETCH(QString, equation);

    Lesson<TForm16> l(16);
    // What an earlier problem left in the places counts for nothing.
    QVERIFY(l.pose({1, 0, 0}));
    for (const char *p : {"万:9", "千:9", "百:9", "十:9", "一:9"})
        QVERIFY(pickPlace(l.s, QString::fromUtf8(p)));
    l.t.random.script(script);
    QVERIFY(l.next());
    QCOMPARE(l.t.random.remaining(), 0);
    QCOMPARE(LessonState.Entry1 + LessonState.Entry2 + LessonState.Entry3 + LessonState.Entry4, 0);
    for (int i = 0; i < picks.size(); ++i) {
        l.t.cues.clear();
        QVERIFY(pickPlace(l.s, picks[i]));
        QCOMPARE(l.s->Label6->caption(), marks[i]);
        const bool ones = picks[i].startsWith(QStringLiteral("一"));
        QCOMPARE(l.t.cues.opened, QList<int>{ones ? (marks[i] == QStringLiteral("○") ? 14 : 13) : 17});
        QCOMPARE(l.s->CuteButton4->isEnabled(), !marks[i].isEmpty());
    }
    QCOMPARE(LessonState.GivenAnswer, given);
    QCOMPARE(l.s->Label4->caption(), equation);
    QCOMPARE(TestProgram::prompt(l.s), kReady);
}

// ---------------------------------------------------------------- the screens

void MultiplicationRulesTest::designedScreens()
{
    Lesson<TForm15> r(15);
    QVERIFY(r.s);
    QCOMPARE(r.s->Label1->caption(), QStringLiteral("かけ算"));
    QCOMPARE(r.s->Label2->caption(), QStringLiteral("かけ算のきまり"));
    QCOMPARE(r.s->ComboBox1->count(), 10);
    QCOMPARE(r.s->ComboBox1->items()[0], QStringLiteral(" ０"));
    QCOMPARE(r.s->ComboBox1->items()[7], QStringLiteral(" ７　"));
    QCOMPARE(r.s->ComboBox1->items()[9], QStringLiteral(" ９"));
    QCOMPARE(r.s->Memo1->lines(), RulesStudyText());
    QCOMPARE(r.s->Memo1->lines().size(), 21);
    QCOMPARE(r.s->Memo1->lines()[18], QStringLiteral("　　　　　5 x 4 = 5 x 3 + 5　（かける数が ３から １ ふえる）"));
    QVERIFY(r.s->Label6->property("markLabel").toBool());
    QCOMPARE(r.s->Timer2->interval(), 500);

    Lesson<TForm16> z(16);
    QVERIFY(z.s);
    QCOMPARE(z.s->Label1->caption(), QStringLiteral("かけ算"));
    QCOMPARE(z.s->Label2->caption(), QStringLiteral("0,10,100 のかけ算"));
    QCOMPARE(z.s->Memo1->lines().size(), 41);
    QCOMPARE(z.s->Memo1->lines()[20], QStringLiteral("　　　　　3 x 10 は、10 x 3  と かんがえれば いいよ。"));
    QCOMPARE(z.s->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(z.s->Label6->property("markLabel").toBool());
    // Five pickers side by side, the ten-thousands at the left.
    QVERIFY(z.pose({0, 0, 0}));
    const QStringList names{"一", "十", "百", "千", "万"};
    int left = 10000;
    for (int n = 1; n <= 5; ++n) {
        auto *c = z.s->findChild<TComboBox *>(QStringLiteral("ComboBox%1").arg(n));
        QVERIFY(c->isVisible());
        QCOMPARE(c->text(), names[n - 1]);
        QCOMPARE(c->itemIndex(), -1);
        QCOMPARE(c->count(), 10);
        QCOMPARE(c->items()[7], QStringLiteral("７　"));
        QVERIFY(c->geometry().right() < left);
        left = c->x();
    }
}

void MultiplicationRulesTest::layout_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("picks");  // "<picker number>:<digit>", the last one marks
    QTest::addColumn<QString>("name");
    // The longest equation of each screen.
    QTest::newRow("rules") << 15 << QList<int>{3, 7, 5, 7} << QStringList{"1:9"} << "multiplication-rules";
    QTest::newRow("0, 10, 100") << 16 << QList<int>{8, 0, 898}
                                << QStringList{"5:9", "4:9", "3:8", "2:0", "1:0"} << "multiplication-zero-ten";
}

// Every part inside the window and apart from the others, each text whole,
// the memo's lines in view, in study, with a problem, and marked.
void MultiplicationRulesTest::layout()
{
    QFETCH(int, form);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, picks);
    QFETCH(QString, name);

    Lesson<TStudyTestLesson> l(form);
    QCoreApplication::processEvents();
    l.fault();
    TMemo *memo = l.s->Memo1;
    QVERIFY(memo->geometry().bottom() < l.s->Label3->y());
    if (memo->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
        QCOMPARE(memo->verticalScrollBar()->maximum(), 0);  // all its lines in view
    QCOMPARE(memo->horizontalScrollBar()->maximum(), 0);
    TestProgram::shot(l.s, name + QStringLiteral("-study"));

    QVERIFY(l.pose(script));
    l.fault();
    TestProgram::shot(l.s, name + QStringLiteral("-problem"));
    for (const QString &p : picks)
        QVERIFY(TestProgram::pick(l.s, QStringLiteral("ComboBox") + p.section(QLatin1Char(':'), 0, 0),
                                  p.section(QLatin1Char(':'), 1).toInt()));
    QVERIFY(!l.s->Label6->caption().isEmpty());
    l.fault();
    TestProgram::shot(l.s, name + QStringLiteral("-marked"));
    for (TComboBox *c : l.s->findChildren<TComboBox *>()) {
        auto *list = c->findChild<QListWidget *>();
        QVERIFY(list);
        QCOMPARE(list->verticalScrollBar()->maximum(), 0);
    }
}

QTEST_MAIN(MultiplicationRulesTest)
#include "tst_multiplication_rules.moc"
