// Hidden-number arithmetic (TForm14): both worked examples step by step,
// every step's digit, mark, caption and reasoning; the example set up afresh
// by the menu, the fifth press and a return; the found digits in their boxes;
// the layout of the grid.
#include "lessons/hidden/examples.h"
#include "lessons/hidden/hidden.h"
#include "testprogram.h"

#include <QImage>
#include <QtTest>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」をえらんでね！");
const QString kReadyPrompt = QStringLiteral("「ステップ」ボタンですすめてね！");
const QString kStepPrompt = QStringLiteral("「ステップ」ボタンで すすめてね！");
const QString kDonePrompt = QStringLiteral("「メニュー」を えらんでね！");
const QString kFirstStep = QStringLiteral("ステップ１");
const QString kBox = QStringLiteral("□");

// The two examples as the pupil sees them: each row from the thousands to
// the ones, "□" for an empty box.
struct ExampleRow {
    const char *sign;
    QStringList rows;       // set up, before the first step
    QList<int> boxes;       // ShapeN shown
    QList<int> completed;   // the rows after the last step
};
const ExampleRow kExamples[] = {
    {"+", {"□54□", "35□8", "6□86"}, {1, 5, 9, 10}, {2548, 3538, 6086}},
    {"-", {"50□4", "3□4□", "□217"}, {2, 4, 8, 12}, {5064, 3847, 1217}},
};

// Every step of both examples: the digit it writes, the mark, the step
// button's caption after it, the reasoning, and the rows it leaves.
struct StepRow {
    int menu;  // 1 addition, 2 subtraction
    int step;
    const char *label;  // the box's digit
    const char *digit;
    const char *markLabel;  // "" for none
    const char *mark;
    const char *caption;
    const char *text;
    QStringList rows;
};
const StepRow kSteps[] = {
    {1, 1, "Label5", "8", "Label17", "1", "ステップ２",
     "【ステップ１】\r"
     "\r"
     "　一の位で、8 に いくつを たせば  \r"
     "　一の位が 6 に なるかを かんがえると、\r"
     "　8 を たせば 16 に なるので、\r"
     "　□に 8 をかき、十の位の 上に くり上がりの\r"
     "　1 を かく。",
     {"□548", "35□8", "6□86"}},
    {1, 2, "Label9", "3", "", "", "ステップ３",
     "【ステップ２】\r"
     "\r"
     "　十の位で、4 と くり上がりの 1 に \r"
     "　いくつを たせば 8 に なるかを \r"
     "　かんがえると、3 を たせば よいので、 \r"
     "　□に 3 を かく。",
     {"□548", "3538", "6□86"}},
    {1, 3, "Label13", "0", "Label19", "1", "ステップ４",
     "【ステップ３】\r"
     "\r"
     "　百の位で、5 と 5 を たすと 10 に \r"
     "　なるので、□に 0 を かき、千の位の 上に\r"
     "　くり上がりの 1 を かく。",
     {"□548", "3538", "6086"}},
    {1, 4, "Label14", "2", "", "", "ステップ１",
     "【ステップ４】\r"
     "\r"
     "　千の位で、 3 と くり上がりの 1 に \r"
     "　いくつを たせば 6 に なるかを \r"
     "　かんがえると、2 を たせば よいので、 \r"
     "　□に 2 を かく。おわり。",
     {"2548", "3538", "6086"}},
    {2, 1, "Label6", "7", "Label17", "-1", "ステップ２",
     "【ステップ１】\r"
     "\r"
     "　一の位で、くり下がりを かんがえて、\r"
     "　14 から いくつを ひけば 7 に なるかを \r"
     "　かんがえると、7 を ひけば よいので、\r"
     "　□に 7 をかき、十の位の 上に くり下がりの\r"
     "　-1 を かく。",
     {"50□4", "3□47", "□217"}},
    {2, 2, "Label8", "6", "", "", "ステップ３",
     "【ステップ２】\r"
     "\r"
     "　十の位で、 いくつから 4 と くり下がりの\r"
     "　1 を ひけば 1 に なるかを かんがえると、\r"
     "　6 から ひけば よいので、□に 6 を かく。",
     {"5064", "3□47", "□217"}},
    {2, 3, "Label12", "8", "Label19", "-1", "ステップ４",
     "【ステップ３】\r"
     "\r"
     "　百の位で、くり下がりを かんがえて、\r"
     "　10 から いくつを ひけば 2 に なるかを\r"
     "　かんがえると、8 を ひけば よいので、\r"
     "　□に 8 を かき、千の位の 上に くり下がりの\r"
     "　-1 を かく。",
     {"5064", "3847", "□217"}},
    {2, 4, "Label16", "1", "", "", "ステップ１",
     "【ステップ４】\r"
     "\r"
     "　千の位で、 5 から 3 と くり下がりの  \r"
     "　1 を ひけば 1 に なるので \r"
     "　□に 1 を かく。おわり。",
     {"5064", "3847", "1217"}},
};

const ExampleRow &example(int menu)
{
    return kExamples[menu - 1];
}

const StepRow *stepRow(int menu, int step)
{
    for (const StepRow &r : kSteps)
        if (r.menu == menu && r.step == step)
            return &r;
    return nullptr;
}

TLabel *label(TScreen *s, const QString &name)
{
    return TestProgram::control<TLabel>(s, name);
}

TCuteButton *button(TScreen *s, const char *name)
{
    return TestProgram::control<TCuteButton>(s, QLatin1String(name));
}

// A row of the grid as the pupil reads it, thousands first: the digit, "□"
// for an empty box, "?" for a cell showing nothing at all.
QString gridRow(TScreen *s, int row)
{
    QString text;
    for (int place = 3; place >= 0; --place) {
        const int n = place * 3 + row;
        const QString digit = label(s, QStringLiteral("Label%1").arg(n + 5))->caption();
        const bool boxShown = !TestProgram::control<QWidget>(s, QStringLiteral("Shape%1").arg(n + 1))->isHidden();
        text += !digit.isEmpty() ? digit : boxShown ? kBox : QStringLiteral("?");
    }
    return text;
}

QList<int> shownBoxes(TScreen *s)
{
    QList<int> shown;
    for (int n = 1; n <= 12; ++n)
        if (!TestProgram::control<QWidget>(s, QStringLiteral("Shape%1").arg(n))->isHidden())
            shown << n;
    return shown;
}

// The whole screen in state (menu, step): menu 0 is no example; step 0 is
// the example set up with its boxes empty.
void checkState(TScreen *s, int menu, int step)
{
    QCOMPARE(LessonState.ColumnStep, step);
    QVERIFY(!button(s, "CuteButton6")->isEnabled());  // "ポイント" never works here
    QCOMPARE(button(s, "CuteButton6")->caption(), QStringLiteral("ポイント"));
    QCOMPARE(button(s, "CuteButton5")->isEnabled(), menu != 0);
    if (menu == 0) {
        for (int n = 2; n <= 19; ++n)
            if (n != 3)
                QCOMPARE(label(s, QStringLiteral("Label%1").arg(n))->caption(), QString());
        for (int n = 1; n <= 13; ++n)
            QVERIFY(TestProgram::control<QWidget>(s, QStringLiteral("Shape%1").arg(n))->isHidden());
        QCOMPARE(button(s, "CuteButton5")->caption(), kFirstStep);
        return;
    }
    const ExampleRow &ex = example(menu);
    QCOMPARE(label(s, QStringLiteral("Label4"))->caption(), QString::fromUtf8(ex.sign));
    QVERIFY(!TestProgram::control<QWidget>(s, QStringLiteral("Shape13"))->isHidden());
    // The boxes stay, whatever they hold.
    QCOMPARE(shownBoxes(s), ex.boxes);
    const QStringList rows = step == 0 ? ex.rows : stepRow(menu, step)->rows;
    for (int r = 0; r < 3; ++r)
        QCOMPARE(gridRow(s, r), rows[r]);
    QMap<QString, QString> marks{{"Label17", ""}, {"Label18", ""}, {"Label19", ""}};
    for (int n = 1; n <= step; ++n)
        if (*stepRow(menu, n)->markLabel)
            marks[QString::fromUtf8(stepRow(menu, n)->markLabel)] = QString::fromUtf8(stepRow(menu, n)->mark);
    for (auto it = marks.cbegin(); it != marks.cend(); ++it)
        QCOMPARE(label(s, it.key())->caption(), it.value());
    QCOMPARE(label(s, QStringLiteral("Label2"))->caption(),
             step == 0 ? QString() : QString::fromUtf8(stepRow(menu, step)->text));
    QCOMPARE(button(s, "CuteButton5")->caption(),
             step == 0 ? kFirstStep : QString::fromUtf8(stepRow(menu, step)->caption));
}

// One pupil action: "add" / "sub" (a menu pick), "step", or "back" (to the
// contents screen and into this screen again).
bool act(TestProgram &t, TScreen *s, const QString &what)
{
    if (what == QLatin1String("add"))
        return TestProgram::pick(s, QStringLiteral("ComboBox1"), 0);
    if (what == QLatin1String("sub"))
        return TestProgram::pick(s, QStringLiteral("ComboBox1"), 1);
    if (what == QLatin1String("step"))
        return TestProgram::click(s, QStringLiteral("CuteButton5"));
    if (what == QLatin1String("back"))
        return TestProgram::click(s, QStringLiteral("CuteButton2")) && s->isHidden() && t.open(14) == s;
    return false;
}

QStringList steps(int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QStringLiteral("step");
    return out;
}

// Dark pixels inside a box, its outline left out: the digit written in it.
int inkInBox(const QImage &screen, TScreen *s, QWidget *box)
{
    const QRect inside = QRect(box->mapTo(s, QPoint(0, 0)), box->size()).adjusted(3, 3, -3, -3);
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(screen.pixel(x, y)) < 128)
                ++ink;
    return ink;
}

QPoint centre(TScreen *s, QWidget *w)
{
    return QRect(w->mapTo(s, QPoint(0, 0)), w->size()).center();
}
}  // namespace

class HiddenTest : public QObject {
    Q_OBJECT
private slots:
    void examplesAddUp();
    void eachStep_data();
    void eachStep();
    void setUpAfresh_data();
    void setUpAfresh();
    void foundDigitShowsInItsBox();
    void layout_data();
    void layout();
    void frame();
};

// The data behind the screen: the completed rows make a true sum or
// difference, and each step finds the digit of its box.
void HiddenTest::examplesAddUp()
{
    for (int menu : {1, 2}) {
        const HiddenExample *ex = HiddenExampleOf(menu);
        QVERIFY(ex);
        const auto [a, b, c] = ex->numbers;
        QCOMPARE(menu == 1 ? a + b : a - b, c);
        QCOMPARE(QString::fromUtf8(ex->menuItem), menu == 1 ? QStringLiteral(" たし算") : QStringLiteral(" ひき算"));
    }
    QVERIFY(!HiddenExampleOf(0));
    QVERIFY(!HiddenExampleOf(3));
}

void HiddenTest::eachStep_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("step");
    for (const StepRow &r : kSteps)
        QTest::addRow("%s step %d", r.menu == 1 ? "addition" : "subtraction", r.step) << r.menu << r.step;
}

// Step n of an example, reached by n presses after the menu pick.
void HiddenTest::eachStep()
{
    QFETCH(int, menu);
    QFETCH(int, step);
    const StepRow &r = *stepRow(menu, step);
    TestProgram t;
    t.soundOn();
    TScreen *s = t.open(14);
    QVERIFY(s);
    QVERIFY(act(t, s, menu == 1 ? QStringLiteral("add") : QStringLiteral("sub")));
    for (int i = 0; i < step; ++i)
        QVERIFY(act(t, s, QStringLiteral("step")));

    QCOMPARE(label(s, QString::fromUtf8(r.label))->caption(), QString::fromUtf8(r.digit));
    if (*r.markLabel)
        QCOMPARE(label(s, QString::fromUtf8(r.markLabel))->caption(), QString::fromUtf8(r.mark));
    checkState(s, menu, step);
    QCOMPARE(TestProgram::prompt(s), step < 4 ? kStepPrompt : kDonePrompt);
    QCOMPARE(t.cues.played.last(), step < 4 ? 17 : 12);
    QVERIFY(s->Timer2->isActive());  // the new prompt blinks
    if (step == 4) {
        // The finished grid is a true calculation.
        const int a = gridRow(s, 0).toInt(), b = gridRow(s, 1).toInt(), c = gridRow(s, 2).toInt();
        QCOMPARE((QList<int>{a, b, c}), example(menu).completed);
        QCOMPARE(menu == 1 ? a + b : a - b, c);
    }
}

void HiddenTest::setUpAfresh_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("menu");  // the example on screen, 0 none
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("cue");

    QTest::newRow("shown") << QStringList{} << 0 << 0 << kMenuPrompt << 12;
    for (int menu : {1, 2}) {
        const QString pick = menu == 1 ? QStringLiteral("add") : QStringLiteral("sub");
        const QByteArray name = menu == 1 ? "addition" : "subtraction";
        QTest::newRow(name + " set up") << QStringList{pick} << menu << 0 << kReadyPrompt << 12;
        QTest::newRow(name + ", fifth press shows it afresh")
            << QStringList{pick} + steps(5) << menu << 0 << kReadyPrompt << 12;
        QTest::newRow(name + ", sixth press shows step 1")
            << QStringList{pick} + steps(6) << menu << 1 << kStepPrompt << 17;
        QTest::newRow(name + ", second round ends as the first")
            << QStringList{pick} + steps(9) << menu << 4 << kDonePrompt << 12;
        QTest::newRow(name + ", picked again mid-example")
            << QStringList{pick, "step", "step", "step", pick} << menu << 0 << kReadyPrompt << 12;
        QTest::newRow(name + ", picked again mid-example, then a press")
            << QStringList{pick, "step", "step", "step", pick, "step"} << menu << 1 << kStepPrompt << 17;
        QTest::newRow(name + ", picked again after the last step")
            << QStringList{pick} + steps(4) + QStringList{pick} << menu << 0 << kReadyPrompt << 12;
        QTest::newRow(name + ", return mid-example")
            << QStringList{pick, "step", "step", "back"} << 0 << 0 << kMenuPrompt << 12;
        QTest::newRow(name + ", return mid-example, then the menu and a press")
            << QStringList{pick, "step", "step", "back", pick, "step"} << menu << 1 << kStepPrompt << 17;
    }
    QTest::newRow("other item mid-example")
        << QStringList{"add", "step", "step", "sub"} << 2 << 0 << kReadyPrompt << 12;
    QTest::newRow("other item mid-example, then a press")
        << QStringList{"sub", "step", "step", "step", "add", "step"} << 1 << 1 << kStepPrompt << 17;
}

// Whenever an example is set up afresh its boxes are empty, its marks gone,
// and the step button reads "ステップ１": its next press shows step 1.
void HiddenTest::setUpAfresh()
{
    QFETCH(QStringList, actions);
    QFETCH(int, menu);
    QFETCH(int, step);
    QFETCH(QString, prompt);
    QFETCH(int, cue);

    TestProgram t;
    t.soundOn();
    TScreen *s = t.open(14);
    QVERIFY(s);
    for (const QString &a : actions)
        QVERIFY2(act(t, s, a), qPrintable(a));
    checkState(s, menu, step);
    QCOMPARE(TestProgram::prompt(s), prompt);
    QCOMPARE(t.cues.played.last(), cue);
    QCOMPARE(t.cues.sounding, cue);
    if (menu == 0)
        QVERIFY(!TestProgram::click(s, QStringLiteral("CuteButton5")));
}

// The digit a step finds is drawn inside its box, not covered by it.
void HiddenTest::foundDigitShowsInItsBox()
{
    for (int menu : {1, 2}) {
        TestProgram t;
        TScreen *s = t.open(14);
        QVERIFY(act(t, s, menu == 1 ? QStringLiteral("add") : QStringLiteral("sub")));
        QImage before = s->grab().toImage();
        for (int n : example(menu).boxes)
            QCOMPARE(inkInBox(before, s, TestProgram::control<QWidget>(s, QStringLiteral("Shape%1").arg(n))), 0);
        for (int i = 0; i < 4; ++i)
            QVERIFY(act(t, s, QStringLiteral("step")));
        QImage after = s->grab().toImage();
        for (int n : example(menu).boxes) {
            const int ink = inkInBox(after, s, TestProgram::control<QWidget>(s, QStringLiteral("Shape%1").arg(n)));
            QVERIFY2(ink > 20, qPrintable(QStringLiteral("Shape%1 shows %2 dark pixels").arg(n).arg(ink)));
        }
    }
}

void HiddenTest::layout_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("shot");
    QTest::newRow("no example") << QStringList{} << "hidden-shown";
    for (int menu : {1, 2}) {
        const QString pick = menu == 1 ? QStringLiteral("add") : QStringLiteral("sub");
        const QString name = menu == 1 ? QStringLiteral("addition") : QStringLiteral("subtraction");
        for (int n = 0; n <= 4; ++n)
            QTest::addRow("%s step %d", qPrintable(name), n)
                << QStringList{pick} + steps(n) << QStringLiteral("hidden-%1-step%2").arg(name).arg(n);
    }
}

// Every state: nothing outside the window or over another part, every text
// whole (the digits in their cells too), the columns of digits and marks
// aligned, each box centred on its digit, the line between the second
// number and the result, the reasoning under the grid.
void HiddenTest::layout()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, shot);
    TestProgram t;
    TScreen *s = t.open(14);
    for (const QString &a : actions)
        QVERIFY2(act(t, s, a), qPrintable(a));
    QCoreApplication::processEvents();

    QCOMPARE(TestProgram::layoutFault(s), QString());
    for (TLabel *l : s->findChildren<TLabel *>())
        if (!l->caption().isEmpty() && !l->isHidden())
            QVERIFY2(l->sizeHint().width() <= l->width() && l->sizeHint().height() <= l->height(),
                     qPrintable(l->objectName()));
    const auto cellLabel = [s](int place, int row) { return label(s, QStringLiteral("Label%1").arg(place * 3 + row + 5)); };
    int previousX = -1;
    for (int place = 3; place >= 0; --place) {
        const int x = centre(s, cellLabel(place, 0)).x();
        QVERIFY(x > previousX);
        previousX = x;
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(centre(s, cellLabel(place, row)).x(), x);
            auto *box = TestProgram::control<QWidget>(s, QStringLiteral("Shape%1").arg(place * 3 + row + 1));
            QCOMPARE(centre(s, box), centre(s, cellLabel(place, row)));
            QCOMPARE(box->size(), QSize(41, 41));
        }
        if (place > 0) {
            TLabel *mark = label(s, QStringLiteral("Label%1").arg(16 + place));
            QCOMPARE(centre(s, mark).x(), x);
            QVERIFY(mark->geometry().bottom() < cellLabel(place, 0)->mapTo(s, QPoint(0, 0)).y());
        }
    }
    TLabel *sign = label(s, QStringLiteral("Label4"));
    QVERIFY(sign->geometry().right() < cellLabel(3, 1)->mapTo(s, QPoint(0, 0)).x());
    QCOMPARE(centre(s, sign).y(), centre(s, cellLabel(3, 1)).y());
    auto *line = TestProgram::control<QWidget>(s, QStringLiteral("Shape13"));
    QVERIFY(line->geometry().top() > cellLabel(0, 1)->mapTo(s, QPoint(0, cellLabel(0, 1)->height())).y());
    QVERIFY(line->geometry().bottom() < cellLabel(0, 2)->mapTo(s, QPoint(0, 0)).y());
    QVERIFY(line->geometry().left() <= sign->geometry().left());
    QVERIFY(line->geometry().right() >= cellLabel(0, 1)->mapTo(s, QPoint(cellLabel(0, 1)->width() - 1, 0)).x());
    QVERIFY(label(s, QStringLiteral("Label2"))->geometry().top() > line->geometry().bottom() + 50);
    TestProgram::shot(s, shot);
}

void HiddenTest::frame()
{
    TestProgram t;
    TScreen *created = t.program->screen(14);
    QVERIFY(created);
    // The show handler runs when the screen is shown, not at start-up.
    QCOMPARE(TestProgram::prompt(created), QString());
    const QList<int> forms = t.program->forms();
    QVERIFY(forms.indexOf(14) > forms.indexOf(8));

    auto *entry = TestProgram::control<TCuteButton>(t.contents(), QStringLiteral("CuteButton15"));
    QCOMPARE(entry->caption(), QStringLiteral("たし算とひき算"));
    QVERIFY(entry->isEnabled());
    TScreen *s = t.open(14);
    QCOMPARE(s, created);
    QCOMPARE(TestProgram::caption(s, QStringLiteral("Label1")), QStringLiteral("かくれ算"));
    auto *menu = TestProgram::control<TComboBox>(s, QStringLiteral("ComboBox1"));
    QCOMPARE(menu->items(), (QStringList{QStringLiteral(" たし算"), QStringLiteral(" ひき算")}));
    QCOMPARE(menu->text(), QStringLiteral("メニュー"));
    QCOMPARE(menu->itemIndex(), -1);
    QCOMPARE(s->Timer2->interval(), 500);
    QCOMPARE(TestProgram::prompt(s), kMenuPrompt);

    t.dialogs.answers = {QuitAnswer::No};
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton1")));
    QCOMPARE(t.dialogs.asked.last().text, QStringLiteral("おわってもいいの？"));
    QCOMPARE(t.quitter.quits, 0);
    QVERIFY(!s->isHidden());
}

QTEST_MAIN(HiddenTest)
#include "tst_hidden.moc"
