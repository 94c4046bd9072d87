// Mental addition (TForm3) and subtraction (TForm4): the draws, the worked
// explanation, marking through the pickers, the study/test states, cues and
// the layout of the two screens.
#include "frame/look.h"
#include "lessons/mental/mental.h"
#include "drivers.h"

#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

Q_DECLARE_METATYPE(MentalOp)

namespace {
const QString kReady = QStringLiteral("「つぎへ」ボタンで すすめてね！");
const QString kStudyPosed = QStringLiteral("「こたえ」ボタンを おしてね！");
const QString kTestPosed = QStringLiteral("こたえは 大きい「くらい」から じゅんに えらんでね！");

MentalOp opOf(int form)
{
    return form == 3 ? MentalOp::Add : MentalOp::Subtract;
}

// One pupil action on a mental screen: "toggle", "next", "answer", or a pick
// "<picker>:<index>" such as "2:4" (ComboBox2, item 4).
bool act(TScreen *s, const QString &step)
{
    if (step == QLatin1String("toggle"))
        return TestProgram::click(s, QStringLiteral("CuteButton3"));
    if (step == QLatin1String("next"))
        return TestProgram::click(s, QStringLiteral("CuteButton4"));
    if (step == QLatin1String("answer"))
        return TestProgram::click(s, QStringLiteral("CuteButton5"));
    const QStringList pick = step.split(QLatin1Char(':'));
    return TestProgram::pick(s, QStringLiteral("ComboBox") + pick[0], pick[1].toInt());
}

QStringList pickerNames(int form)
{
    QStringList names{QStringLiteral("ComboBox1"), QStringLiteral("ComboBox2")};
    if (form == 3)
        names << QStringLiteral("ComboBox3");
    return names;
}

// The place name a picker shows while nothing is picked, by picker.
const QStringList kPlaceNames{QStringLiteral("一"), QStringLiteral("十"), QStringLiteral("百")};

bool enabled(TScreen *s, const char *button)
{
    return TestProgram::control<TCuteButton>(s, QLatin1String(button))->isEnabled();
}
}  // namespace

class MentalTest : public QObject {
    Q_OBJECT
private slots:
    void draws_data();
    void draws();
    void drawsStayInRange();
    void workedAnswer_data();
    void workedAnswer();
    void marking_data();
    void marking();
    void states_data();
    void states();
    void returnInTestModeComesBackInStudy_data();
    void returnInTestModeComesBackInStudy();
    void startupIsSilent();
    void pickersAndQuit_data();
    void pickersAndQuit();
    void layout_data();
    void layout();
};

void MentalTest::draws_data()
{
    QTest::addColumn<MentalOp>("op");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QList<int>>("asked");  // the n of each draw, in order

    const auto add = MentalOp::Add;
    const auto sub = MentalOp::Subtract;
    QTest::newRow("add lowest") << add << QList<int>{0, 0} << 10 << 11 << QList<int>{89, 88};
    QTest::newRow("add highest") << add << QList<int>{88, 87} << 98 << 98 << QList<int>{89, 88};
    QTest::newRow("add redraws a whole ten") << add << QList<int>{5, 9, 76} << 15 << 87 << QList<int>{89, 88, 88};
    QTest::newRow("add first ends in 0") << add << QList<int>{20, 0} << 30 << 11 << QList<int>{89, 88};
    QTest::newRow("add 1000th draw still counts")
        << add << QList<int>{30} + repeated({9}, 999) + QList<int>{1} << 40 << 12
        << QList<int>{89} + repeated({88}, 1000);
    QTest::newRow("add 1000 whole tens fall back to 43")
        << add << QList<int>{30} + repeated({79}, 1000) << 40 << 43 << QList<int>{89} + repeated({88}, 1000);

    QTest::newRow("sub lowest") << sub << QList<int>{0, 0} << 12 << 11 << QList<int>{87, 87};
    QTest::newRow("sub highest") << sub << QList<int>{86, 86} << 98 << 97 << QList<int>{87, 87};
    QTest::newRow("sub equal pair drawn again")
        << sub << QList<int>{0, 1, 5, 0} << 17 << 11 << QList<int>{87, 87, 87, 87};
    QTest::newRow("sub may take a whole ten") << sub << QList<int>{63, 19} << 75 << 30 << QList<int>{87, 87};
    QTest::newRow("sub 1000th pair still counts")
        << sub << repeated({0, 86}, 999) + QList<int>{86, 0} << 98 << 11 << repeated({87}, 2000);
    QTest::newRow("sub 1000 bad pairs fall back to 67 - 48")
        << sub << repeated({0, 86}, 1000) << 67 << 48 << repeated({87}, 2000);
}

void MentalTest::draws()
{
    QFETCH(MentalOp, op);
    QFETCH(QList<int>, script);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QList<int>, asked);

    FakeRandom random;
    random.script(script);
    const MentalProblem p = DrawMental(op, random);
    QCOMPARE(p.a, a);
    QCOMPARE(p.b, b);
    QCOMPARE(p.answer, op == MentalOp::Add ? a + b : a - b);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.asked, asked);  // no draw more, none less
}

void MentalTest::drawsStayInRange()
{
    FakeRandom random;
    random.seed(2024);
    for (int i = 0; i < 3000; ++i) {
        const MentalProblem s = DrawMental(MentalOp::Add, random);
        QVERIFY(s.a >= 10 && s.a <= 98);
        QVERIFY(s.b >= 11 && s.b <= 98 && s.b % 10 != 0);
        QVERIFY(s.answer >= 21 && s.answer <= 196);
        const MentalProblem d = DrawMental(MentalOp::Subtract, random);
        QVERIFY(d.a >= 12 && d.a <= 98);
        QVERIFY(d.b >= 11 && d.b <= 97);
        QVERIFY(d.answer >= 1 && d.answer <= 87);
    }
}

void MentalTest::workedAnswer_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("working");

    QTest::newRow("65 + 78") << 3 << QList<int>{55, 67} << "65 + 78 = ?" << "65 + 78 = 143"
                             << "78 を 70 と 8 に わけ、 \r65 と 70 を たした 135 に\r8 を たせば いいよ。";
    QTest::newRow("52 - 48") << 4 << QList<int>{40, 37} << "52 - 48 = ?" << "52 - 48 = 4"
                             << "48 を 40 と 8 に わけ、 \r52 から 40 を ひいた 12 から\r8 を ひけば いいよ。";
    QTest::newRow("75 - 30") << 4 << QList<int>{63, 19} << "75 - 30 = ?" << "75 - 30 = 45"
                             << "30 を 30 と 0 に わけ、 \r75 から 30 を ひいた 45 から\r0 を ひけば いいよ。";
}

void MentalTest::workedAnswer()
{
    QFETCH(int, form);
    QFETCH(QList<int>, script);
    QFETCH(QString, problem);
    QFETCH(QString, equation);
    QFETCH(QString, working);

    TestProgram t;
    TScreen *s = t.open(form);
    QVERIFY(s);
    t.random.script(script);
    QVERIFY(act(s, QStringLiteral("next")));
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), problem);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label5")), QString());
    QVERIFY(act(s, QStringLiteral("answer")));
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), equation);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label5")), working);
    QCOMPARE(MentalWorking(opOf(form), LessonState.OperandA, LessonState.OperandB), working);
}

void MentalTest::marking_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("picks");    // "<picker>:<index>", in order
    QTest::addColumn<QStringList>("marks");    // the mark after each ones pick
    QTest::addColumn<QList<int>>("cues");      // every cue heard during the picks
    QTest::addColumn<int>("given");            // GivenAnswer at the end
    QTest::addColumn<QString>("equation");

    const QList<int> sum143{55, 67};  // 65 + 78
    const QList<int> sum21{0, 0};     // 10 + 11
    const QList<int> diff87{86, 0};   // 98 - 11
    const QList<int> diff4{40, 37};   // 52 - 48
    QTest::newRow("add right with hundreds") << 3 << sum143 << QStringList{"3:0", "2:4", "1:3"} << QStringList{"○"}
                                             << QList<int>{17, 17, 14} << 143 << "65 + 78 = 143";
    QTest::newRow("add hundreds unpicked") << 3 << sum143 << QStringList{"2:4", "1:3"} << QStringList{"×"}
                                           << QList<int>{17, 13} << 43 << "65 + 78 = 143";
    QTest::newRow("add below 100 needs no hundreds") << 3 << sum21 << QStringList{"2:2", "1:1"} << QStringList{"○"}
                                                     << QList<int>{17, 14} << 21 << "10 + 11 = 21";
    QTest::newRow("add ones first counts tens as 0, then marks anew")
        << 3 << sum21 << QStringList{"1:1", "2:2", "1:1"} << QStringList{"×", "○"} << QList<int>{13, 17, 14} << 21
        << "10 + 11 = 21";
    QTest::newRow("add right then wrong ones") << 3 << sum143 << QStringList{"3:0", "2:4", "1:3", "1:7"}
                                               << QStringList{"○", "×"} << QList<int>{17, 17, 14, 13} << 147
                                               << "65 + 78 = 143";
    QTest::newRow("add tens changed after the mark") << 3 << sum143 << QStringList{"3:0", "2:5", "1:3", "2:4", "1:3"}
                                                     << QStringList{"×", "○"} << QList<int>{17, 17, 13, 17, 14}
                                                     << 143 << "65 + 78 = 143";
    QTest::newRow("sub below 10 with the ones alone") << 4 << diff4 << QStringList{"1:4"} << QStringList{"○"}
                                                      << QList<int>{14} << 4 << "52 - 48 = 4";
    QTest::newRow("sub right with tens") << 4 << diff87 << QStringList{"2:8", "1:7"} << QStringList{"○"}
                                         << QList<int>{17, 14} << 87 << "98 - 11 = 87";
    QTest::newRow("sub tens unpicked") << 4 << diff87 << QStringList{"1:7"} << QStringList{"×"} << QList<int>{13}
                                       << 7 << "98 - 11 = 87";
    QTest::newRow("sub ones first, then tens and ones again")
        << 4 << diff87 << QStringList{"1:7", "2:8", "1:7"} << QStringList{"×", "○"} << QList<int>{13, 17, 14} << 87
        << "98 - 11 = 87";
}

void MentalTest::marking()
{
    QFETCH(int, form);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, marks);
    QFETCH(QList<int>, cues);
    QFETCH(int, given);
    QFETCH(QString, equation);

    TestProgram t;
    t.soundOn();
    TScreen *s = t.open(form);
    QVERIFY(act(s, QStringLiteral("toggle")));
    t.random.script(script);
    QVERIFY(act(s, QStringLiteral("next")));
    t.cues.clear();
    // Every mark passes the lesson frame, which hands the answer on as data.
    QSignalSpy handedOn(s, SIGNAL(answerMarked(LessonAnswer)));

    QStringList seenMarks;
    for (const QString &p : picks) {
        QVERIFY2(act(s, p), qPrintable(p));
        if (p.startsWith(QLatin1String("1:")) || !seenMarks.isEmpty()) {
            if (p.startsWith(QLatin1String("1:")))
                seenMarks << TestProgram::caption(s, QStringLiteral("Label6"));
            // Right or wrong, the full equation stands and "つぎへ" goes on.
            QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), equation);
            QVERIFY(enabled(s, "CuteButton4"));
            QCOMPARE(TestProgram::prompt(s), kReady);
        } else {
            QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), equation.section(QLatin1Char('='), 0, 0) + "= ?");
        }
    }
    QCOMPARE(seenMarks, marks);
    QCOMPARE(t.cues.played, cues);
    QCOMPARE(LessonState.GivenAnswer, given);
    QCOMPARE(handedOn.size(), marks.size());
    const auto last = handedOn.last().at(0).value<LessonAnswer>();
    QCOMPARE(last.given, given);
    QCOMPARE(last.right, LessonState.Answer);
    QCOMPARE(last.operands, (QList<int>{LessonState.OperandA, LessonState.OperandB}));
    QCOMPARE(last.correct(), marks.last() == QStringLiteral("○"));
    // The pickers stay usable after the mark, showing what was picked.
    for (const QString &name : pickerNames(form))
        QVERIFY(!TestProgram::control<TComboBox>(s, name)->isHidden());
}

void MentalTest::states_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("next");        // "つぎへ" enabled
    QTest::addColumn<bool>("answer");      // "答え" enabled
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("pickers");     // pickers shown
    QTest::addColumn<QString>("problem");  // Label4
    QTest::addColumn<bool>("worked");      // Label5 has the explanation
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("cue");          // the last cue heard

    struct Row {
        const char *name;
        QStringList steps;
        bool next, answer;
        QString prompt;
        int mode;
        bool pickers;
        int problem;  // 0 none, 1 posed, 2 full equation
        bool worked;
        const char *mark;
        int cue;
        int onlyForm = 0;  // 0: both screens
    };
    const Row rows[] = {
        {"ready", {}, true, false, kReady, 1, false, 0, false, "", 12},
        {"study posed", {"next"}, false, true, kStudyPosed, 1, false, 1, false, "", 11},
        {"study answered", {"next", "answer"}, true, false, kReady, 1, false, 2, true, "", 12},
        {"study posed again", {"next", "answer", "next"}, false, true, kStudyPosed, 1, false, 1, false, "", 11},
        {"test ready", {"toggle"}, true, false, kReady, 2, false, 0, false, "", 12},
        {"test posed", {"toggle", "next"}, false, false, kTestPosed, 2, true, 1, false, "", 11},
        {"test marked", {"toggle", "next", "1:0"}, true, false, kReady, 2, true, 2, false, "×", 13},
        {"test posed again", {"toggle", "next", "2:4", "1:0", "next"}, false, false, kTestPosed, 2, true, 1, false, "", 11},
        {"hundreds picked, then next", {"toggle", "next", "3:0", "1:0", "next"}, false, false, kTestPosed, 2, true, 1, false, "", 11, 3},
        {"study posed, to test", {"next", "toggle"}, true, false, kStudyPosed, 2, false, 0, false, "", 12},
        {"study answered, to test", {"next", "answer", "toggle"}, true, false, kReady, 2, false, 0, false, "", 12},
        {"test posed, to study: both off", {"toggle", "next", "toggle"}, false, false, kTestPosed, 1, false, 0, false, "", 12},
        {"...and back to test", {"toggle", "next", "toggle", "toggle"}, true, false, kTestPosed, 2, false, 0, false, "", 12},
        {"test marked, to study", {"toggle", "next", "1:0", "toggle"}, true, false, kReady, 1, false, 0, false, "", 12},
    };
    for (int form : {3, 4}) {
        for (const Row &r : rows) {
            if (r.onlyForm && r.onlyForm != form)
                continue;
            // 65 + 78 and 52 - 48: a ones pick of 0 is wrong on both.
            const QString posed = form == 3 ? QStringLiteral("65 + 78 = ?") : QStringLiteral("52 - 48 = ?");
            const QString full = form == 3 ? QStringLiteral("65 + 78 = 143") : QStringLiteral("52 - 48 = 4");
            const QString problem = r.problem == 0 ? QString() : r.problem == 1 ? posed : full;
            QTest::addRow("form%d %s", form, r.name) << form << r.steps << r.next << r.answer << r.prompt << r.mode
                                                     << r.pickers << problem << r.worked << QString::fromUtf8(r.mark)
                                                     << r.cue;
        }
    }
}

void MentalTest::states()
{
    QFETCH(int, form);
    QFETCH(QStringList, steps);
    QFETCH(bool, next);
    QFETCH(bool, answer);
    QFETCH(QString, prompt);
    QFETCH(int, mode);
    QFETCH(bool, pickers);
    QFETCH(QString, problem);
    QFETCH(bool, worked);
    QFETCH(QString, mark);
    QFETCH(int, cue);

    TestProgram t;
    t.soundOn();
    t.random.script(repeated(form == 3 ? QList<int>{55, 67} : QList<int>{40, 37}, 3));
    TScreen *s = t.open(form);
    QVERIFY(s);
    for (const QString &step : steps)
        QVERIFY2(act(s, step), qPrintable(step));

    QCOMPARE(enabled(s, "CuteButton4"), next);
    QCOMPARE(enabled(s, "CuteButton5"), answer);
    QCOMPARE(TestProgram::prompt(s), prompt);
    QCOMPARE(LessonState.LessonMode, mode);
    QCOMPARE(TestProgram::control<TCuteButton>(s, QStringLiteral("CuteButton3"))->caption(),
             mode == 1 ? QStringLiteral("べんきょう") : QStringLiteral("テスト"));
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label4")), problem);
    QCOMPARE(!TestProgram::caption(s, QStringLiteral("Label5")).isEmpty(), worked);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label6")), mark);
    QCOMPARE(t.cues.played.last(), cue);
    QCOMPARE(t.cues.sounding, cue);
    const QStringList names = pickerNames(form);
    for (int i = 0; i < names.size(); ++i) {
        auto *c = TestProgram::control<TComboBox>(s, names[i]);
        QCOMPARE(!c->isHidden(), pickers);
        // A new problem's pickers show their place names, nothing picked.
        if (pickers && steps.endsWith(QStringLiteral("next"))) {
            QCOMPARE(c->itemIndex(), -1);
            QCOMPARE(c->text(), kPlaceNames[i]);
        }
    }
    // Each new problem starts with empty slots: a place not picked counts 0.
    if (steps.endsWith(QStringLiteral("next"))) {
        QCOMPARE(LessonState.Entry3, 0);
        QCOMPARE(LessonState.Entry4, 0);
    }
}

void MentalTest::returnInTestModeComesBackInStudy_data()
{
    QTest::addColumn<int>("form");
    QTest::newRow("addition") << 3;
    QTest::newRow("subtraction") << 4;
}

void MentalTest::returnInTestModeComesBackInStudy()
{
    QFETCH(int, form);
    TestProgram t;
    t.soundOn();
    TScreen *s = t.open(form);
    QVERIFY(act(s, QStringLiteral("toggle")));
    QVERIFY(act(s, QStringLiteral("next")));
    QVERIFY(act(s, QStringLiteral("2:3")));
    QVERIFY(act(s, QStringLiteral("1:5")));
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton2")));
    QVERIFY(s->isHidden());
    QCOMPARE(LessonState.LessonMode, 2);  // leaving resets nothing
    t.cues.clear();

    QCOMPARE(t.open(form), s);
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(TestProgram::control<TCuteButton>(s, QStringLiteral("CuteButton3"))->caption(), QStringLiteral("べんきょう"));
    QVERIFY(enabled(s, "CuteButton4"));
    QVERIFY(!enabled(s, "CuteButton5"));
    for (const char *label : {"Label4", "Label5", "Label6"})
        QCOMPARE(TestProgram::caption(s, QLatin1String(label)), QString());
    for (const QString &name : pickerNames(form))
        QVERIFY(TestProgram::control<TComboBox>(s, name)->isHidden());
    QCOMPARE(TestProgram::prompt(s), kReady);
    QCOMPARE(t.cues.played, QList<int>{12});
}

void MentalTest::startupIsSilent()
{
    TestProgram t;
    for (int form : {3, 4}) {
        TScreen *s = t.program->screen(form);
        QVERIFY(s);
        QVERIFY(s->isHidden());
        QCOMPARE(TestProgram::prompt(s), kReady);
        QVERIFY(s->Timer2->isActive());
    }
    const QList<int> forms = t.program->forms();
    QCOMPARE(forms.mid(forms.indexOf(3), 2), (QList<int>{3, 4}));
    // Both screens ran their show handler: cue 12 opened twice, never heard.
    // They are created first; a later screen may open a cue of its own.
    QCOMPARE(t.cues.opened.mid(0, 2), (QList<int>{12, 12}));
    QVERIFY(t.cues.played.isEmpty());
    QCOMPARE(LessonState.LessonMode, 1);

    t.soundOn();
    t.cues.clear();
    QVERIFY(t.open(3));
    QCOMPARE(t.cues.played, QList<int>{12});
}

void MentalTest::pickersAndQuit_data()
{
    QTest::addColumn<int>("form");
    QTest::newRow("addition") << 3;
    QTest::newRow("subtraction") << 4;
}

void MentalTest::pickersAndQuit()
{
    QFETCH(int, form);
    TestProgram t;
    TScreen *s = t.open(form);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label1")), QStringLiteral("あん算"));
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label2")), form == 3 ? QStringLiteral("たし算") : QStringLiteral("ひき算"));
    QCOMPARE(TestProgram::control<QObject>(s, QStringLiteral("ComboBox3")) != nullptr, form == 3);

    QVERIFY(act(s, QStringLiteral("toggle")));
    QVERIFY(act(s, QStringLiteral("next")));
    const QStringList names = pickerNames(form);
    int previousX = Look::ScreenWidth;
    for (int i = 0; i < names.size(); ++i) {
        auto *c = TestProgram::control<TComboBox>(s, names[i]);
        QVERIFY2(c->x() < previousX, "higher places stand to the left");
        previousX = c->x();
    }
    QStringList digits = TComboBox::digits();
    digits[7] = QStringLiteral("７　");
    QCOMPARE(TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox1"))->items(), digits);
    QCOMPARE(TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox2"))->items(), digits);
    if (form == 3) {
        QCOMPARE(TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox3"))->items(), QStringList{"１"});
        QVERIFY(act(s, QStringLiteral("3:0")));
        QCOMPARE(LessonState.Entry3, 100);
    }
    QVERIFY(act(s, QStringLiteral("2:7")));
    QCOMPARE(LessonState.Entry4, 70);
    QCOMPARE(TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox2"))->text(), QStringLiteral("７　"));

    // The random-click soak finds the mark and the toggle by these.
    QVERIFY(TestProgram::control<QObject>(s, QStringLiteral("Label6"))->property("markLabel").toBool());
    QVERIFY(TestProgram::control<QObject>(s, QStringLiteral("CuteButton3"))->property("modeToggle").toBool());

    t.dialogs.answers = {QuitAnswer::No};
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton1")));
    QCOMPARE(t.dialogs.asked.last().text, QStringLiteral("おわっても いいの？"));
    QCOMPARE(t.quitter.quits, 0);
    QCOMPARE(TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox2"))->itemIndex(), 7);
}

void MentalTest::layout_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("script");  // the widest problem of the lesson
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("addition, test marked") << 3 << QList<int>{88, 87} << QStringList{"toggle", "next", "3:0", "1:6"};
    QTest::newRow("addition, study answered") << 3 << QList<int>{88, 87} << QStringList{"next", "answer"};
    QTest::newRow("subtraction, test marked") << 4 << QList<int>{86, 0} << QStringList{"toggle", "next", "1:7"};
    QTest::newRow("subtraction, study answered") << 4 << QList<int>{86, 0} << QStringList{"next", "answer"};
}

// Every part in view lies inside the window, apart from the others, and
// shows its whole text; the digit lists show all their items at once.
void MentalTest::layout()
{
    QFETCH(int, form);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, steps);
    TestProgram t;
    t.random.script(script);
    TScreen *s = t.open(form);
    for (const QString &step : steps)
        QVERIFY2(act(s, step), qPrintable(step));
    QCoreApplication::processEvents();

    const QString fault = TestProgram::layoutFault(s);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    for (const QString &name : pickerNames(form)) {
        auto *list = TestProgram::control<TComboBox>(s, name)->findChild<QListWidget *>();
        QVERIFY(list);
        QCOMPARE(list->verticalScrollBar()->maximum(), 0);
    }
}

QTEST_MAIN(MentalTest)
#include "tst_mental.moc"
