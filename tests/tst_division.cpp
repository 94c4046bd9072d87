// The division lessons: TForm22 (division with a remainder) and TForm21
// (division and the times table). Their draws over every bound, the picture
// story step by step with the apples it shows, the study/test toggle with
// its refusal on the story, marking through the pickers, the "ポイント"
// memo, the apple picture, and the layout in each state.
#include "lessons/division/remainder.h"
#include "lessons/division/timestable.h"
#include "testprogram.h"

#include <QListWidget>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

namespace {
const QString kShowPrompt = QStringLiteral("メニューを えらんでね！");
const QString kMenuPrompt = QStringLiteral("「メニュー」を えらんでね！");
const QString kStepPrompt = QStringLiteral("「ステップ」ボタンで すすめてね！");
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンで すすめてね！");
const QString kMemoPrompt = QStringLiteral("もういちど「ポイント」ボタンを おせば きえるよ！");
const QString kPosed21 = QStringLiteral("答えを えらんでね！");
const QString kPosed22 = QStringLiteral("「答え」→「あまり」の じゅんに えらんでね！");
const QString kNoTest = QStringLiteral("このメニューには テストは ないよ。");

// One pupil action: "menu:<i>", "step", "toggle", "next", "point", or a pick
// "<n>:<i>" in ComboBox<n>.
bool act(TScreen *s, const QString &step)
{
    if (step == QLatin1String("step"))
        return TestProgram::click(s, QStringLiteral("CuteButton5"));
    if (step == QLatin1String("toggle"))
        return TestProgram::click(s, QStringLiteral("CuteButton3"));
    if (step == QLatin1String("next"))
        return TestProgram::click(s, QStringLiteral("CuteButton4"));
    if (step == QLatin1String("point"))
        return TestProgram::click(s, QStringLiteral("CuteButton6"));
    const QStringList parts = step.split(QLatin1Char(':'));
    if (parts.size() != 2)
        return false;
    const QString list = parts[0] == QLatin1String("menu") ? QStringLiteral("ComboBox1") : QStringLiteral("ComboBox") + parts[0];
    return TestProgram::pick(s, list, parts[1].toInt());
}

bool actAll(TScreen *s, const QStringList &steps)
{
    for (const QString &step : steps)
        if (!act(s, step)) {
            qWarning("step %s could not be taken", qPrintable(step));
            return false;
        }
    return true;
}

// The apples and frames in view, as "Image2-Image14" runs and shape numbers.
QString applesShown(TDivisionLesson *s)
{
    QStringList runs;
    int first = -1, last = -1;
    const auto flush = [&] {
        if (first >= 0)
            runs << QStringLiteral("%1-%2").arg(first).arg(last);
        first = -1;
    };
    for (TApple *a : s->apples()) {
        const int n = a->objectName().mid(5).toInt();
        if (a->isHidden()) {
            flush();
        } else {
            if (first < 0)
                first = n;
            last = n;
        }
    }
    flush();
    return runs.join(QLatin1Char(' '));
}

QString shapesShown(TDivisionLesson *s)
{
    QString out;
    for (int n = 1; n <= 4; ++n)
        if (!TestProgram::control<QWidget>(s, QStringLiteral("Shape%1").arg(n))->isHidden())
            out += QString::number(n);
    return out;
}

QString lines(const QStringList &l)
{
    return l.join(QLatin1Char('\r'));
}

TDivisionLesson *lesson(TestProgram &t, int form)
{
    return qobject_cast<TDivisionLesson *>(t.open(form));
}
}  // namespace

class DivisionTest : public QObject {
    Q_OBJECT
private slots:
    void draws_data();
    void draws();
    void drawsReachEveryCaseAndNoOther();
    void designedScreen_data();
    void designedScreen();
    void story_data();
    void story();
    void toggle_data();
    void toggle();
    void marking_data();
    void marking();
    void remainderFirstCountsNoEarlierQuotient();
    void memo_data();
    void memo();
    void returnComesBackFresh_data();
    void returnComesBackFresh();
    void applePicture();
    void layout_data();
    void layout();
};

// ---------------------------------------------------------------- arithmetic

void DivisionTest::draws_data()
{
    QTest::addColumn<bool>("remainder");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("asked");  // the n of each R(n), in order
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("check");     // the check line, or the times-table fact

    QTest::newRow("smallest, 3 ÷ 2") << true << QList<int>{0, 0, 0} << QList<int>{7, 8, 0} << "3 ÷ 2 = ?"
                                     << "3 ÷ 2 = 1  あまり 1" << "答えの たしかめ： 2 x 1 + 1 = 3";
    QTest::newRow("largest, 70 ÷ 8") << true << QList<int>{6, 7, 5} << QList<int>{7, 8, 6} << "70 ÷ 8 = ?"
                                     << "70 ÷ 8 = 8  あまり 6" << "答えの たしかめ： 8 x 8 + 6 = 70";
    QTest::newRow("divisor 3 leaves 1") << true << QList<int>{1, 3, 0} << QList<int>{7, 8, 1} << "13 ÷ 3 = ?"
                                        << "13 ÷ 3 = 4  あまり 1" << "答えの たしかめ： 3 x 4 + 1 = 13";
    QTest::newRow("the story's 13 ÷ 4") << true << QList<int>{2, 2, 0} << QList<int>{7, 8, 2} << "13 ÷ 4 = ?"
                                        << "13 ÷ 4 = 3  あまり 1" << "答えの たしかめ： 4 x 3 + 1 = 13";
    QTest::newRow("divisor 4 leaves at most 2") << true << QList<int>{2, 7, 1} << QList<int>{7, 8, 2} << "34 ÷ 4 = ?"
                                                << "34 ÷ 4 = 8  あまり 2" << "答えの たしかめ： 4 x 8 + 2 = 34";
    QTest::newRow("exact, 0 ÷ 1") << false << QList<int>{0, 0} << QList<int>{8, 9} << "0 ÷ 1 = ?" << "0 ÷ 1 = 0"
                                  << "1 x 0 = 0";
    QTest::newRow("exact, 0 ÷ 6") << false << QList<int>{5, 0} << QList<int>{8, 9} << "0 ÷ 6 = ?" << "0 ÷ 6 = 0"
                                  << "6 x 0 = 0";
    QTest::newRow("exact, by 1") << false << QList<int>{0, 7} << QList<int>{8, 9} << "7 ÷ 1 = ?" << "7 ÷ 1 = 7"
                                 << "1 x 7 = 7";
    QTest::newRow("exact, largest 64 ÷ 8") << false << QList<int>{7, 8} << QList<int>{8, 9} << "64 ÷ 8 = ?"
                                           << "64 ÷ 8 = 8" << "8 x 8 = 64";
    QTest::newRow("exact, 24 ÷ 6") << false << QList<int>{5, 4} << QList<int>{8, 9} << "24 ÷ 6 = ?" << "24 ÷ 6 = 4"
                                   << "6 x 4 = 24";
}

void DivisionTest::draws()
{
    QFETCH(bool, remainder);
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, asked);
    QFETCH(QString, question);
    QFETCH(QString, equation);
    QFETCH(QString, check);

    FakeRandom random;
    random.script(script);
    const DivisionProblem p = remainder ? DrawRemainderDivision(random) : DrawExactDivision(random);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.asked, asked);
    QCOMPARE(DivisionQuestion(p), question);
    QCOMPARE(DivisionEquation(p), equation);
    QCOMPARE(remainder ? DivisionCheck(p) : TimesTableFact(p), check);
    QCOMPARE(DivisionText(p), question.chopped(4));
}

// Many seeded draws reach every divisor, quotient and remainder the lessons
// pose, and nothing else: no exact division and no remainder of d − 1 with a
// remainder, every quotient a single digit.
void DivisionTest::drawsReachEveryCaseAndNoOther()
{
    QSet<QString> expectedRemainder, expectedExact, seenRemainder, seenExact;
    for (int d = 2; d <= 8; ++d)
        for (int q = 1; q <= 8; ++q)
            for (int r = 1; r <= qMax(1, d - 2); ++r)
                expectedRemainder << QStringLiteral("%1 %2 %3").arg(d).arg(q).arg(r);
    for (int d = 1; d <= 8; ++d)
        for (int q = 0; q <= 8; ++q)
            expectedExact << QStringLiteral("%1 %2 0").arg(d).arg(q);
    QCOMPARE(expectedRemainder.size(), 176);

    FakeRandom random;
    random.seed(2026);
    for (int i = 0; i < 20000; ++i) {
        const DivisionProblem r = DrawRemainderDivision(random);
        seenRemainder << QStringLiteral("%1 %2 %3").arg(r.divisor).arg(r.quotient).arg(r.remainder);
        QVERIFY(r.dividend() >= 3 && r.dividend() <= 70);
        const DivisionProblem e = DrawExactDivision(random);
        seenExact << QStringLiteral("%1 %2 %3").arg(e.divisor).arg(e.quotient).arg(e.remainder);
        QVERIFY(e.dividend() >= 0 && e.dividend() <= 64);
    }
    QCOMPARE(seenRemainder, expectedRemainder);
    QCOMPARE(seenExact, expectedExact);
}

// ---------------------------------------------------------------- the screens

void DivisionTest::designedScreen_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("subtitle");
    QTest::addColumn<QStringList>("menu");
    QTest::addColumn<QStringList>("pickers");       // left to right
    QTest::addColumn<QStringList>("placeholders");
    QTest::addColumn<QStringList>("firstItems");    // item 0 of each picker
    QTest::addColumn<int>("apples");
    QTest::addColumn<QString>("memoLine");  // the memo's fourth line

    QTest::newRow("TForm22") << 22 << "わり算とあまり" << QStringList{"あまり", "九九をつかう"}
                             << QStringList{"ComboBox3", "ComboBox2"} << QStringList{"答え", "あまり"}
                             << QStringList{"  ０", "   ０"} << 26 << "　13 ÷ 4 = 3  あまり 1";
    QTest::newRow("TForm21") << 21 << "わり算と九九" << QStringList{"わり算のしき", "九九をつかう"}
                             << QStringList{"ComboBox2"} << QStringList{"答え"} << QStringList{"  ０"} << 24
                             << "　0 ÷ 3 の 計算は、";
}

void DivisionTest::designedScreen()
{
    QFETCH(int, form);
    QFETCH(QString, subtitle);
    QFETCH(QStringList, menu);
    QFETCH(QStringList, pickers);
    QFETCH(QStringList, placeholders);
    QFETCH(QStringList, firstItems);
    QFETCH(int, apples);
    QFETCH(QString, memoLine);

    TestProgram t;
    t.soundOn();
    t.cues.clear();
    TDivisionLesson *s = lesson(t, form);
    QVERIFY(s);
    QCOMPARE(t.cues.played, QList<int>{12});
    QCOMPARE(TestProgram::prompt(s), kShowPrompt);
    QCOMPARE(s->Label1->caption(), QStringLiteral("わり算"));
    QCOMPARE(s->Label2->caption(), subtitle);
    QCOMPARE(s->ComboBox1->text(), QStringLiteral("   メニュー"));
    QCOMPARE(s->ComboBox1->items(), menu);
    QCOMPARE(s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QCOMPARE(s->CuteButton4->caption(), QStringLiteral("つぎへ"));
    QCOMPARE(s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QCOMPARE(s->CuteButton6->caption(), QStringLiteral("ポイント"));
    QVERIFY(!s->CuteButton4->isEnabled());
    QVERIFY(!s->CuteButton5->isEnabled());
    QVERIFY(s->CuteButton6->isEnabled());
    QCOMPARE(s->Timer2->interval(), 500);
    QCOMPARE(s->apples().size(), apples);
    QCOMPARE(s->apples().last()->objectName(), QStringLiteral("Image%1").arg(apples + 1));
    QCOMPARE(applesShown(s), QString());
    QCOMPARE(shapesShown(s), QString());
    QVERIFY(s->Memo1->isHidden());
    QCOMPARE(s->Memo1->lines().value(3), memoLine);
    QCOMPARE(s->Memo1->lines().first(), QString());
    QVERIFY(s->Label6->property("markLabel").toBool());
    QVERIFY(s->CuteButton3->property("modeToggle").toBool());
    QCOMPARE(s->Image1->size(), QSize(64, 64));

    // The pickers, highest place at the left, each with the digits after
    // their spaces and the seventh ending in a full-width space.
    QVERIFY(actAll(s, {"menu:1", "toggle", "next"}));
    int previousRight = -1;
    for (int i = 0; i < pickers.size(); ++i) {
        auto *c = TestProgram::control<TComboBox>(s, pickers[i]);
        QVERIFY(!c->isHidden());
        QCOMPARE(c->text(), placeholders[i]);
        QCOMPARE(c->itemIndex(), -1);
        QCOMPARE(c->count(), 10);
        QCOMPARE(c->items().first(), firstItems[i]);
        QCOMPARE(c->items()[7], QString(firstItems[i].chopped(1) + QStringLiteral("７　")));
        QCOMPARE(c->items()[9], QString(firstItems[i].chopped(1) + QStringLiteral("９")));
        QVERIFY(c->x() > previousRight);
        previousRight = c->geometry().right();
    }

    t.dialogs.answers = {QuitAnswer::No};
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton1")));
    QCOMPARE(t.dialogs.asked.last().text, QStringLiteral("おわっても いいの？"));
    QCOMPARE(t.quitter.quits, 0);
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton2")));
    QVERIFY(s->isHidden());
}

void DivisionTest::story_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");       // Label4: a part name of the story or the text itself
    QTest::addColumn<QString>("apples");
    QTest::addColumn<QString>("shapes");
    QTest::addColumn<QString>("stepButton"); // caption, and "+" when enabled
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("cue");
    QTest::addColumn<int>("columnStep");

    // TForm22: 13 apples in the tray (Image2-14), 12 in the boxes (15-26)
    // and the thirteenth beside them (27).
    QTest::newRow("22 story start") << 22 << QStringList{"menu:0"}
                                    << "リンゴが １３コ あるよ。\r４コずつ はこに いれていくと、\rどうなる？"
                                    << "2-14" << "1" << "ステップ１+" << kStepPrompt << 12 << 0;
    QTest::newRow("22 step 1") << 22 << QStringList{"menu:0", "step"}
                               << "【ステップ１】\r\r　４つずつ ３つの はこに いれると、１つ あまるよ。" << "2-27"
                               << "1234" << "ステップ２+" << kStepPrompt << 17 << 1;
    QTest::newRow("22 step 2") << 22 << QStringList{"menu:0", "step", "step"} << "step2" << "2-27" << "1234"
                               << "ステップ１+" << kMenuPrompt << 12 << 0;
    QTest::newRow("22 step 1 again") << 22 << QStringList{"menu:0", "step", "step", "step"} << "step1" << "2-27"
                                     << "1234" << "ステップ２+" << kStepPrompt << 17 << 1;
    QTest::newRow("22 method") << 22 << QStringList{"menu:1"} << "method" << "2-27" << "1234" << "ステップ１"
                               << kMenuPrompt << 12 << 0;
    // A story begun afresh starts at step 1, and the button says so.
    QTest::newRow("22 menu mid-story") << 22 << QStringList{"menu:0", "step", "menu:0"} << "storyStart" << "2-14"
                                       << "1" << "ステップ１+" << kStepPrompt << 12 << 0;
    QTest::newRow("22 method mid-story") << 22 << QStringList{"menu:0", "step", "menu:1"} << "method" << "2-27"
                                         << "1234" << "ステップ１" << kMenuPrompt << 12 << 0;

    // TForm21: 12 apples in the tray (Image2-13), 12 in the boxes (14-25).
    QTest::newRow("21 story start") << 21 << QStringList{"menu:0"}
                                    << "リンゴが １２コ あるよ。\r４コずつ はこに いれると、はこは \rいくつ あればいい？"
                                    << "2-13" << "1" << "ステップ１+" << kStepPrompt << 12 << 0;
    QTest::newRow("21 step 1") << 21 << QStringList{"menu:0", "step"}
                               << "【ステップ１】\r\r　はこは ３つ あればいいよ。" << "2-25" << "1234" << "ステップ２+"
                               << kStepPrompt << 17 << 1;
    QTest::newRow("21 step 2") << 21 << QStringList{"menu:0", "step", "step"} << "step2" << "2-25" << "1234"
                               << "ステップ１+" << kMenuPrompt << 12 << 0;
    QTest::newRow("21 method") << 21 << QStringList{"menu:1"} << "method" << "2-25" << "1234" << "ステップ１"
                               << kMenuPrompt << 12 << 0;
    QTest::newRow("21 menu mid-story") << 21 << QStringList{"menu:0", "step", "menu:0"} << "storyStart" << "2-13"
                                       << "1" << "ステップ１+" << kStepPrompt << 12 << 0;
}

void DivisionTest::story()
{
    QFETCH(int, form);
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QFETCH(QString, apples);
    QFETCH(QString, shapes);
    QFETCH(QString, stepButton);
    QFETCH(QString, prompt);
    QFETCH(int, cue);
    QFETCH(int, columnStep);

    TestProgram t;
    t.soundOn();
    TDivisionLesson *s = lesson(t, form);
    QVERIFY(actAll(s, steps));
    const DivisionStory &story = s->story();
    const QHash<QString, QStringList> parts{{"storyStart", story.storyStart},
                                            {"step1", story.step1},
                                            {"step2", story.step2},
                                            {"method", story.method}};
    QCOMPARE(s->Label4->caption(), parts.contains(text) ? lines(parts[text]) : text);
    QCOMPARE(applesShown(s), apples);
    QCOMPARE(shapesShown(s), shapes);
    QCOMPARE(s->CuteButton5->caption() + (s->CuteButton5->isEnabled() ? QStringLiteral("+") : QString()), stepButton);
    QCOMPARE(TestProgram::prompt(s), prompt);
    QVERIFY(s->Timer2->isActive());  // every new prompt blinks
    QCOMPARE(t.cues.played.last(), cue);
    QCOMPARE(LessonState.ColumnStep, columnStep);
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(LessonState.MenuChoice, steps.last() == QLatin1String("menu:1") ? 2 : 1);
    QVERIFY(s->Label5->caption().isEmpty());
    QVERIFY(!s->CuteButton4->isEnabled());
}

void DivisionTest::toggle_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("menuBefore");   // MenuChoice as another screen left it
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("refused");     // the message that the story has no test
    QTest::addColumn<bool>("next");        // "つぎへ" enabled
    QTest::addColumn<int>("problemTop");   // Label5's place
    QTest::addColumn<QString>("prompt");

    for (int form : {22, 21}) {
        const QString posed = form == 22 ? kPosed22 : kPosed21;
        const auto row = [form](const char *name) -> QTestData & { return QTest::addRow("%d %s", form, name); };
        row("fresh start enters test") << form << 0 << QStringList{"toggle"} << 2 << false << true << 220 << kNextPrompt;
        row("another screen's item 3 enters test")
            << form << 3 << QStringList{"toggle"} << 2 << false << true << 220 << kNextPrompt;
        row("another screen's item 1 is refused")
            << form << 1 << QStringList{"toggle"} << 1 << true << false << 120 << kShowPrompt;
        row("story refuses") << form << 0 << QStringList{"menu:0", "toggle"} << 1 << true << false << 120 << kStepPrompt;
        row("story at step 1 refuses") << form << 0 << QStringList{"menu:0", "step", "toggle"} << 1 << true << false
                                       << 120 << kStepPrompt;
        row("method enters test") << form << 0 << QStringList{"menu:1", "toggle"} << 2 << false << true << 220
                                  << kNextPrompt;
        row("test back to study") << form << 0 << QStringList{"menu:1", "toggle", "toggle"} << 1 << false << false
                                  << 220 << kNextPrompt;
        row("a posed problem back to study") << form << 0 << QStringList{"menu:1", "toggle", "next", "toggle"} << 1
                                             << false << false << 220 << posed;
        row("memo shown, to test") << form << 0 << QStringList{"menu:1", "point", "toggle"} << 2 << false << true
                                   << 220 << kNextPrompt;
        row("test, a new menu item is study") << form << 0 << QStringList{"menu:1", "toggle", "next", "menu:1"} << 1
                                              << false << false << 220 << kMenuPrompt;
    }
}

// Every switch clears the lesson area; the caption names the mode, the step
// button its first step.
void DivisionTest::toggle()
{
    QFETCH(int, form);
    QFETCH(int, menuBefore);
    QFETCH(QStringList, steps);
    QFETCH(int, mode);
    QFETCH(bool, refused);
    QFETCH(bool, next);
    QFETCH(int, problemTop);
    QFETCH(QString, prompt);

    TestProgram t;
    t.soundOn();
    LessonState.MenuChoice = menuBefore;
    TDivisionLesson *s = lesson(t, form);
    QVERIFY(actAll(s, steps));

    QCOMPARE(LessonState.LessonMode, mode);
    QCOMPARE(s->CuteButton3->caption(), mode == 1 ? QStringLiteral("べんきょう") : QStringLiteral("テスト"));
    QCOMPARE(t.dialogs.asked.size(), refused ? 1 : 0);
    if (refused)
        QCOMPARE(t.dialogs.asked.first().text, kNoTest);
    QCOMPARE(s->CuteButton4->isEnabled(), next);
    QCOMPARE(s->Label5->y(), problemTop);
    QCOMPARE(TestProgram::prompt(s), prompt);
    QCOMPARE(t.cues.played.last(), 12);
    if (steps.last() != QLatin1String("menu:1")) {
        QCOMPARE(applesShown(s), QString());
        QCOMPARE(shapesShown(s), QString());
        for (const char *label : {"Label4", "Label5", "Label6"})
            QCOMPARE(TestProgram::caption(s, QLatin1String(label)), QString());
        QVERIFY(!s->CuteButton5->isEnabled());
    }
    QCOMPARE(s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QCOMPARE(LessonState.ColumnStep, 0);
    QVERIFY(s->Memo1->isHidden());
    QCOMPARE(LessonState.GridShown, 0);
    for (TComboBox *c : s->findChildren<TComboBox *>())
        if (c != s->ComboBox1)
            QVERIFY(c->isHidden());
}

void DivisionTest::marking_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("marks");  // the mark after each marking pick
    QTest::addColumn<QList<int>>("cues");    // every cue heard during the picks
    QTest::addColumn<QString>("check");      // Label4 at the end
    QTest::addColumn<QString>("equation");   // Label5 at the end

    const QList<int> d13by4{2, 2, 0};
    const QString check13 = QStringLiteral("答えの たしかめ： 4 x 3 + 1 = 13");
    const QString eq13 = QStringLiteral("13 ÷ 4 = 3  あまり 1");
    QTest::newRow("22 right") << 22 << d13by4 << QStringList{"3:3", "2:1"} << QStringList{"○"} << QList<int>{17, 14}
                              << check13 << eq13;
    QTest::newRow("22 remainder wrong") << 22 << d13by4 << QStringList{"3:3", "2:2"} << QStringList{"×"}
                                        << QList<int>{17, 13} << check13 << eq13;
    QTest::newRow("22 quotient wrong, remainder right") << 22 << d13by4 << QStringList{"3:2", "2:1"}
                                                        << QStringList{"×"} << QList<int>{17, 13} << check13 << eq13;
    QTest::newRow("22 remainder 0 is never right") << 22 << d13by4 << QStringList{"3:3", "2:0"} << QStringList{"×"}
                                                   << QList<int>{17, 13} << check13 << eq13;
    QTest::newRow("22 the quotient alone marks nothing")
        << 22 << d13by4 << QStringList{"3:3", "3:4"} << QStringList{} << QList<int>{17, 17} << "" << "13 ÷ 4 = ?";
    QTest::newRow("22 remainder first, then both") << 22 << d13by4 << QStringList{"2:1", "3:3", "2:1"}
                                                   << QStringList{"×", "○"} << QList<int>{13, 17, 14} << check13 << eq13;
    QTest::newRow("22 a new remainder marks anew") << 22 << d13by4 << QStringList{"3:3", "2:1", "2:3"}
                                                   << QStringList{"○", "×"} << QList<int>{17, 14, 13} << check13 << eq13;
    QTest::newRow("22 smallest, 3 ÷ 2") << 22 << QList<int>{0, 0, 0} << QStringList{"3:1", "2:1"} << QStringList{"○"}
                                        << QList<int>{17, 14} << "答えの たしかめ： 2 x 1 + 1 = 3"
                                        << "3 ÷ 2 = 1  あまり 1";
    QTest::newRow("22 largest, 70 ÷ 8") << 22 << QList<int>{6, 7, 5} << QStringList{"3:8", "2:6"} << QStringList{"○"}
                                        << QList<int>{17, 14} << "答えの たしかめ： 8 x 8 + 6 = 70"
                                        << "70 ÷ 8 = 8  あまり 6";
    QTest::newRow("22 quotient 9 is never right") << 22 << QList<int>{6, 7, 5} << QStringList{"3:9", "2:6"}
                                                  << QStringList{"×"} << QList<int>{17, 13}
                                                  << "答えの たしかめ： 8 x 8 + 6 = 70" << "70 ÷ 8 = 8  あまり 6";

    QTest::newRow("21 right") << 21 << QList<int>{5, 4} << QStringList{"2:4"} << QStringList{"○"} << QList<int>{14}
                              << "6 x 4 = 24" << "24 ÷ 6 = 4";
    QTest::newRow("21 wrong shows the right division") << 21 << QList<int>{5, 4} << QStringList{"2:3"}
                                                       << QStringList{"×"} << QList<int>{13} << "6 x 4 = 24"
                                                       << "24 ÷ 6 = 4";
    QTest::newRow("21 wrong, then right") << 21 << QList<int>{5, 4} << QStringList{"2:3", "2:4"}
                                          << QStringList{"×", "○"} << QList<int>{13, 14} << "6 x 4 = 24" << "24 ÷ 6 = 4";
    QTest::newRow("21 dividing 0") << 21 << QList<int>{4, 0} << QStringList{"2:0"} << QStringList{"○"}
                                   << QList<int>{14} << "5 x 0 = 0" << "0 ÷ 5 = 0";
    QTest::newRow("21 by 1") << 21 << QList<int>{0, 8} << QStringList{"2:8"} << QStringList{"○"} << QList<int>{14}
                             << "1 x 8 = 8" << "8 ÷ 1 = 8";
    QTest::newRow("21 9 is never right") << 21 << QList<int>{7, 8} << QStringList{"2:9"} << QStringList{"×"}
                                         << QList<int>{13} << "8 x 8 = 64" << "64 ÷ 8 = 8";
}

void DivisionTest::marking()
{
    QFETCH(int, form);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, marks);
    QFETCH(QList<int>, cues);
    QFETCH(QString, check);
    QFETCH(QString, equation);

    TestProgram t;
    t.soundOn();
    TDivisionLesson *s = lesson(t, form);
    QVERIFY(actAll(s, {"menu:1", "toggle"}));
    t.random.script(script);
    QVERIFY(act(s, QStringLiteral("next")));
    QCOMPARE(TestProgram::prompt(s), form == 22 ? kPosed22 : kPosed21);
    QCOMPARE(t.cues.played.last(), 11);
    QVERIFY(!s->CuteButton4->isEnabled());
    t.cues.clear();

    const QString marker = QStringLiteral("2:");  // ComboBox2 marks on both screens
    QStringList seen;
    for (const QString &p : picks) {
        QVERIFY2(act(s, p), qPrintable(p));
        if (p.startsWith(marker)) {
            seen << s->Label6->caption();
            QVERIFY(s->CuteButton4->isEnabled());
            QCOMPARE(TestProgram::prompt(s), kNextPrompt);
        } else {
            QCOMPARE(s->CuteButton4->isEnabled(), !seen.isEmpty());  // a quotient pick leaves it as it was
        }
    }
    QCOMPARE(seen, marks);
    QCOMPARE(t.cues.played, cues);
    QCOMPARE(s->Label4->caption(), check);
    QCOMPARE(s->Label5->caption(), equation);
    if (marks.isEmpty())
        QCOMPARE(s->Label6->caption(), QString());
    // The pickers stay in view and show what was picked last.
    for (TComboBox *c : s->findChildren<TComboBox *>())
        QVERIFY(!c->isHidden());
}

// Each problem starts with an empty quotient slot: a remainder picked first
// is judged with no quotient, never with the one picked for the problem
// before, even where that quotient would be right.
void DivisionTest::remainderFirstCountsNoEarlierQuotient()
{
    TestProgram t;
    auto *s = qobject_cast<TForm22 *>(lesson(t, 22));
    QVERIFY(actAll(s, {"menu:1", "toggle"}));
    t.random.script({2, 2, 0, 2, 2, 1});  // 13 ÷ 4, then 14 ÷ 4: both have quotient 3
    QVERIFY(actAll(s, {"next", "3:3", "2:1"}));
    QCOMPARE(s->Label6->caption(), QStringLiteral("○"));
    QCOMPARE(LessonState.Entry4, 3);
    QVERIFY(act(s, QStringLiteral("next")));
    QCOMPARE(s->Label5->caption(), QStringLiteral("14 ÷ 4 = ?"));
    QCOMPARE(LessonState.Entry4, 0);
    QCOMPARE(s->ComboBox3->itemIndex(), -1);
    QCOMPARE(s->ComboBox3->text(), QStringLiteral("答え"));
    QCOMPARE(s->ComboBox2->text(), QStringLiteral("あまり"));
    QVERIFY(act(s, QStringLiteral("2:2")));
    QCOMPARE(s->Label6->caption(), QStringLiteral("×"));
    QVERIFY(actAll(s, {"3:3", "2:2"}));
    QCOMPARE(s->Label6->caption(), QStringLiteral("○"));
}

void DivisionTest::memo_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("gridBefore");  // GridShown as another screen left it
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("memo");       // shown at the end
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("cue");
    QTest::addColumn<QString>("apples");
    QTest::addColumn<QString>("problem");  // Label5
    QTest::addColumn<QString>("mark");

    const QList<int> d13by4{2, 2, 0};
    QTest::newRow("22 shows") << 22 << 0 << QStringList{"point"} << true << kMemoPrompt << 15 << "" << "" << "";
    QTest::newRow("22 hides") << 22 << 0 << QStringList{"point", "point"} << false << kMenuPrompt << 11 << "" << ""
                              << "";
    QTest::newRow("22 clears the story") << 22 << 0 << QStringList{"menu:0", "step", "point"} << true << kMemoPrompt
                                         << 15 << "" << "" << "";
    QTest::newRow("22 clears a problem") << 22 << 0 << QStringList{"menu:1", "toggle", "next", "3:3", "2:1", "point"}
                                         << true << kMemoPrompt << 15 << "" << "" << "";
    QTest::newRow("22 problem gone once hidden, つぎへ poses the next")
        << 22 << 0 << QStringList{"menu:1", "toggle", "next", "point", "point"} << false << kNextPrompt << 11 << ""
        << "" << "";
    QTest::newRow("22 memo put away by the menu, one press shows it")
        << 22 << 0 << QStringList{"point", "menu:0", "point"} << true << kMemoPrompt << 15 << "" << "" << "";
    QTest::newRow("22 memo put away by the toggle, one press shows it")
        << 22 << 0 << QStringList{"menu:1", "point", "toggle", "point"} << true << kMemoPrompt << 15 << "" << "" << "";
    QTest::newRow("22 GridShown left at 1, one press shows it")
        << 22 << 1 << QStringList{"point"} << true << kMemoPrompt << 15 << "" << "" << "";
    QTest::newRow("21 beside the story") << 21 << 0 << QStringList{"menu:0", "point"} << true << kMemoPrompt << 15
                                         << "2-13" << "" << "";
    QTest::newRow("21 the story goes on under it") << 21 << 0 << QStringList{"menu:0", "point", "step"} << true
                                                   << kStepPrompt << 17 << "2-25" << "" << "";
    QTest::newRow("21 beside a problem, which is answered")
        << 21 << 0 << QStringList{"menu:1", "toggle", "next", "point", "2:4"} << true << kNextPrompt << 14 << ""
        << "24 ÷ 6 = 4" << "○";
    QTest::newRow("21 hidden, the problem is as it was")
        << 21 << 0 << QStringList{"menu:1", "toggle", "next", "point", "point", "2:3"} << false << kNextPrompt << 13
        << "" << "24 ÷ 6 = 4" << "×";
    QTest::newRow("21 GridShown left at 1, one press shows it")
        << 21 << 1 << QStringList{"point"} << true << kMemoPrompt << 15 << "" << "" << "";
    QTest::newRow("21 memo put away by the menu, one press shows it")
        << 21 << 0 << QStringList{"point", "menu:1", "point"} << true << kMemoPrompt << 15 << "2-25" << "" << "";
}

void DivisionTest::memo()
{
    QFETCH(int, form);
    QFETCH(int, gridBefore);
    QFETCH(QStringList, steps);
    QFETCH(bool, memo);
    QFETCH(QString, prompt);
    QFETCH(int, cue);
    QFETCH(QString, apples);
    QFETCH(QString, problem);
    QFETCH(QString, mark);

    TestProgram t;
    t.soundOn();
    LessonState.GridShown = gridBefore;
    TDivisionLesson *s = lesson(t, form);
    t.random.script(form == 22 ? QList<int>{2, 2, 0} : QList<int>{5, 4});
    QVERIFY(actAll(s, steps));
    QCOMPARE(!s->Memo1->isHidden(), memo);
    QCOMPARE(LessonState.GridShown, memo ? 1 : 0);
    if (memo)
        QCOMPARE(s->Memo1->y(), 152);
    QCOMPARE(TestProgram::prompt(s), prompt);
    QCOMPARE(t.cues.played.last(), cue);
    QCOMPARE(applesShown(s), apples);
    QCOMPARE(s->Label5->caption(), problem);
    QCOMPARE(s->Label6->caption(), mark);
}

void DivisionTest::returnComesBackFresh_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("22 left in test mode") << 22 << QStringList{"menu:1", "toggle", "next", "3:3", "2:1"};
    QTest::newRow("22 left at story step 1") << 22 << QStringList{"menu:0", "step"};
    QTest::newRow("22 left with the memo") << 22 << QStringList{"menu:1", "point"};
    QTest::newRow("21 left in test mode") << 21 << QStringList{"menu:1", "toggle", "next", "2:4"};
    QTest::newRow("21 left at story step 1") << 21 << QStringList{"menu:0", "step"};
}

// Shown again, the screen is in study mode with nothing on it, its step
// button at step 1; the menu item and the quotient slot stay as they were.
void DivisionTest::returnComesBackFresh()
{
    QFETCH(int, form);
    QFETCH(QStringList, steps);
    TestProgram t;
    t.soundOn();
    TDivisionLesson *s = lesson(t, form);
    QVERIFY(actAll(s, steps));
    const int menu = LessonState.MenuChoice;
    const int entry = LessonState.Entry4;
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton2")));
    QVERIFY(s->isHidden());
    t.cues.clear();

    QCOMPARE(lesson(t, form), s);
    QCOMPARE(LessonState.LessonMode, 1);
    QCOMPARE(s->CuteButton3->caption(), QStringLiteral("べんきょう"));
    QCOMPARE(s->CuteButton5->caption(), QStringLiteral("ステップ１"));
    QVERIFY(!s->CuteButton5->isEnabled());
    QVERIFY(!s->CuteButton4->isEnabled());
    QCOMPARE(applesShown(s), QString());
    QCOMPARE(shapesShown(s), QString());
    QVERIFY(s->Memo1->isHidden());
    for (const char *label : {"Label4", "Label5", "Label6"})
        QCOMPARE(TestProgram::caption(s, QLatin1String(label)), QString());
    QCOMPARE(TestProgram::prompt(s), kShowPrompt);
    QCOMPARE(t.cues.played, QList<int>{12});
    QCOMPARE(LessonState.MenuChoice, menu);
    QCOMPARE(LessonState.Entry4, entry);
    QCOMPARE(LessonState.ColumnStep, 0);
    // With the story picked last, the toggle still refuses; otherwise it
    // goes to test mode.
    QVERIFY(act(s, QStringLiteral("toggle")));
    QCOMPARE(LessonState.LessonMode, menu == 1 ? 1 : 2);
}

// The apple is drawn once per pixel ratio, at that ratio, and shared.
void DivisionTest::applePicture()
{
    for (const qreal ratio : {1.0, 2.0, 1.5}) {
        const QImage apple = ApplePicture(ratio);
        QCOMPARE(apple.devicePixelRatio(), ratio);
        QCOMPARE(apple.width(), qCeil(32 * ratio));
        QCOMPARE(apple.deviceIndependentSize(), QSizeF(qCeil(32 * ratio) / ratio, qCeil(32 * ratio) / ratio));
        QCOMPARE(ApplePicture(ratio).cacheKey(), apple.cacheKey());
        const QColor middle = apple.pixelColor(apple.width() / 2, int(apple.height() * 0.7));
        QVERIFY2(middle.alpha() == 255 && middle.red() > 150 && middle.green() < 120, "a red apple");
        QCOMPARE(apple.pixelColor(0, apple.height() - 1).alpha(), 0);  // on nothing
    }
    QCOMPARE(ApplePicture(1.0).cacheKey(), ApplePicture(0.5).cacheKey());
}

void DivisionTest::layout_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shot");

    const QList<int> largest22{6, 7, 5}, largest21{7, 8};
    for (int form : {22, 21}) {
        const QList<int> script = form == 22 ? largest22 : largest21;
        const QString answer = form == 22 ? QStringLiteral("3:8") : QStringLiteral("2:8");
        const QString last = form == 22 ? QStringLiteral("2:6") : QStringLiteral("2:8");
        const auto row = [form](const char *name) -> QTestData & { return QTest::addRow("%d %s", form, name); };
        row("shown") << form << script << QStringList{} << QStringLiteral("division%1-shown").arg(form);
        row("story start") << form << script << QStringList{"menu:0"} << QStringLiteral("division%1-story").arg(form);
        row("story step 1") << form << script << QStringList{"menu:0", "step"}
                            << QStringLiteral("division%1-step1").arg(form);
        row("story step 2") << form << script << QStringList{"menu:0", "step", "step"}
                            << QStringLiteral("division%1-step2").arg(form);
        row("method") << form << script << QStringList{"menu:1"} << QStringLiteral("division%1-method").arg(form);
        row("memo") << form << script << QStringList{"menu:1", "point"} << QStringLiteral("division%1-memo").arg(form);
        row("test posed") << form << script << QStringList{"menu:1", "toggle", "next"}
                          << QStringLiteral("division%1-posed").arg(form);
        row("test marked") << form << script << QStringList{"menu:1", "toggle", "next", answer, last}
                           << QStringLiteral("division%1-marked").arg(form);
        row("test marked, memo") << form << script << QStringList{"menu:1", "toggle", "next", answer, last, "point"}
                                 << QStringLiteral("division%1-marked-memo").arg(form);
    }
}

// Every part in view lies inside the window, apart from the others, and
// shows its whole text; the pick lists and the memo show all their lines.
void DivisionTest::layout()
{
    QFETCH(int, form);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, steps);
    QFETCH(QString, shot);
    TestProgram t;
    t.random.script(script);
    TDivisionLesson *s = lesson(t, form);
    QVERIFY(actAll(s, steps));
    QCoreApplication::processEvents();

    const QString fault = TestProgram::layoutFault(s);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    for (TComboBox *c : s->findChildren<TComboBox *>()) {
        auto *list = c->findChild<QListWidget *>();
        QVERIFY(list);
        QCOMPARE(list->verticalScrollBar()->maximum(), 0);
    }
    if (!s->Memo1->isHidden()) {
        QCOMPARE(s->Memo1->verticalScrollBar()->maximum(), 0);
        QCOMPARE(s->Memo1->horizontalScrollBar()->maximum(), 0);
    }
    // The apples stand whole inside their frames.
    for (TApple *a : s->apples())
        QVERIFY(QRect(QPoint(0, 0), a->parentWidget()->size()).contains(a->geometry()));
    TestProgram::shot(s, shot);
}

QTEST_MAIN(DivisionTest)
#include "tst_division.moc"
