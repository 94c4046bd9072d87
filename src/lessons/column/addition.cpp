#include "lessons/column/addition.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "lessons/column/problems.h"

// ---------------------------------------------------------------- worked examples

namespace {
using C = AddColumn;

const AdditionExample kThreePlaces[] = {
    {324, 135, "【くり上がりが ない もんだい】", {C::Plain, C::Plain, C::Last}},
    {328, 247, "【くり上がりが １回 の もんだい】", {C::CarryOut, C::CarryIn, C::Last}},
    {367, 256, "【くり上がりが ２回 の もんだい】", {C::CarryOut, C::CarryInOut, C::LastCarryIn}},
    {823, 451, "【千の位に くり上がる もんだい】", {C::Plain, C::Plain, C::Last}},
    {576, 748, "【くり上がりが ３回 の もんだい】", {C::CarryOut, C::CarryInOut, C::LastCarryIn}},
};
const AdditionExample kFourPlaces[] = {
    {2436, 4152, "【くり上がりなし の もんだい】", {C::Plain, C::Plain, C::PlainSpaced, C::Last}},
    {2486, 4351, "【くり上がりが １回 の もんだい】", {C::Plain, C::CarryOut, C::CarryIn, C::Last}},
    {2436, 4757, "【くり上がりが ２回 の もんだい】", {C::CarryOut, C::CarryIn, C::CarryOut, C::LastCarryIn}},
    {3465, 4678, "【くり上がりが ３回 の もんだい】", {C::CarryOut, C::CarryInOut, C::CarryInOut, C::LastCarryIn}},
};

// The words of each way a column is worked. The first line follows the
// place's name ("　一の位の "); x and y are the two digits of the column,
// s its sum with any carry, d the digit that goes under the line.
struct ColumnWords {
    AddColumn kind;
    bool carryIn;
    bool carryOut;  // writes "1" over the next column
    const char *lines[6];
};
const ColumnWords kWords[] = {
    {C::Plain, false, false, {"{x} と {y} を たして", "　線の下にかく。"}},
    {C::PlainSpaced, false, false, {"{x} と {y} を たして", "　線の下に かく。"}},
    {C::CarryIn, true, false, {"{x} と {y} と くり上がりの", "　1 を たして 線の下に かく。"}},
    {C::CarryOut, false, true,
     {"{x} と {y} をたすと", "　２けたの {s} になるので、", "　{d} を 線の下にかき、", "　くり上げた 1 を 上に 小さく",
      "　かいておく。"}},
    {C::CarryInOut, true, true,
     {"{x} と {y} と ", "　くり上がりの 1 をたすと", "　２けたの {s} になるので、", "　{d} を 線の下にかき、",
      "　くり上げた 1 を 上に 小さく", "　かいておく。"}},
    {C::Last, false, false, {"{x} と {y} を たして", "　線の下に かく。", "　この {answer} が こたえ だよ。"}},
    {C::LastCarryIn, true, false,
     {"{x} と {y} と くり上がりの", "　1 を たして 線の下に かく。", "　この {answer} が こたえ だよ。"}},
};

const char *const kPlaceNames[] = {"　一の位の ", "　十の位の ", "　百の位の ", "　千の位の "};

const ColumnWords &wordsFor(AddColumn kind)
{
    for (const ColumnWords &w : kWords)
        if (w.kind == kind)
            return w;
    return kWords[0];
}

int digitOf(int n, int place)
{
    for (int i = 0; i < place; ++i)
        n /= 10;
    return n % 10;
}

const char *const kColumnPrompts[] = {
    "「一のくらい」をたした数をえらんでね！\r２けたのときもあるよ！",
    "「十の位」をたした数をえらんでね！\r２けたのときもあるよ！",
    "「百の位」をたした数をえらんでね！\r２けたのときもあるよ！",
    "「千の位」をたした数をえらんでね！",
};
}  // namespace

int AdditionExampleCount(int menu)
{
    switch (menu) {
    case 1: return int(std::size(kThreePlaces));
    case 2: return int(std::size(kFourPlaces));
    default: return 0;
    }
}

const AdditionExample &AdditionExampleAt(int menu, int number)
{
    const int count = AdditionExampleCount(menu);
    const int i = count > 0 ? qBound(1, number, count) - 1 : 0;
    return menu == 2 ? kFourPlaces[i] : kThreePlaces[i];
}

WorkedStep AdditionStep(int menu, int number, int step)
{
    WorkedStep out;
    if (step <= 1) {
        out.text = FirstStepText();
        return out;
    }
    const AdditionExample &e = AdditionExampleAt(menu, number);
    const int answer = e.a + e.b;
    const int column = qMin(step, AdditionSteps(menu)) - 2;  // 0 the ones
    const ColumnWords &w = wordsFor(e.columns[column]);
    const int x = digitOf(e.a, column);
    const int y = digitOf(e.b, column);
    const int s = x + y + (w.carryIn ? 1 : 0);
    const QList<std::pair<const char *, int>> numbers{{"x", x}, {"y", y}, {"s", s}, {"d", s % 10}, {"answer", answer}};
    QStringList lines;
    for (const char *line : w.lines)
        if (line)
            lines << FillIn(line, numbers);
    lines[0].prepend(QString::fromUtf8(kPlaceNames[column]));
    out.text = StepText(step, lines);
    out.last = column + 2 == AdditionSteps(menu);
    out.row = out.last ? QString::number(answer) : LastDigits(answer, column + 1);
    if (w.carryOut)
        out.marks.append({column + 1, QStringLiteral("1")});
    return out;
}

QString AdditionColumnPrompt(int stage)
{
    return QString::fromUtf8(kColumnPrompts[qBound(0, stage, 3)]);
}

// ---------------------------------------------------------------- the screen

namespace {
TWorksheetLesson additionLesson()
{
    TWorksheetLesson l;
    l.title = QStringLiteral("たし算");
    l.subtitle = QStringLiteral("ひっ算");
    l.menuText = QStringLiteral("メニュー");
    l.menuItems = {QStringLiteral(" ３けた"), QStringLiteral(" ４けた")};
    l.memoLines = {
        QStringLiteral(""),
        QStringLiteral("　【ひっ算のしかた】"),
        QStringLiteral(""),
        QStringLiteral("　・もんだいの 数字を、タテに 位を そろえて かき、その下に 線を "),
        QStringLiteral("　　ひく。"),
        QStringLiteral("　　"),
        QStringLiteral("　・おなじ 位の 数字 どうしの たし算を し、こたえを 線の下に かく。"),
        QStringLiteral("　　この計算を、一の位から 大きな位へと じゅんばんに おこなう。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の たし算で、かたほうの 数字が なければ、そのまま "),
        QStringLiteral("　　線の下に かく。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の たし算で、こたえが  ２けたに なれば、その数の"),
        QStringLiteral("　　一の位の 数字を 線の下に かき、十の位の 数字は "),
        QStringLiteral("　　くり上げて、一つ 上の 位の 数字の 上に 小さく かいておく。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の たし算で、くり上がりの 数字が あれば、それも "),
        QStringLiteral("　　いっしょに たす。"),
        QStringLiteral("　　"),
    };
    return l;
}
}  // namespace

TForm6::TForm6(const Services &services) : TWorksheetScreen(services, additionLesson())
{
    SheetNames names;
    names.heading = QStringLiteral("Label14");
    names.rows[0] = QStringLiteral("Label6");
    names.rows[1] = QStringLiteral("Label7");
    names.rows[2] = QStringLiteral("Label8");
    names.sign = QStringLiteral("Label12");
    names.mark = QStringLiteral("Label13");
    names.marks[1] = QStringLiteral("Label9");
    names.marks[2] = QStringLiteral("Label10");
    names.marks[3] = QStringLiteral("Label11");
    const Sheet &s = buildSheet(names, Look::Red);
    Label14 = s.heading;
    Label6 = s.rows[0];
    Label7 = s.rows[1];
    Label8 = s.rows[2];
    Label12 = s.sign;
    Label13 = s.mark;
    Label9 = s.marks[1];
    Label10 = s.marks[2];
    Label11 = s.marks[3];

    ComboBox5 = places_.add({"ComboBox5", 3, QStringLiteral("千")});
    ComboBox4 = places_.add({"ComboBox4", 2, QStringLiteral("百")});
    ComboBox3 = places_.add({"ComboBox3", 1, QStringLiteral("十")});
    ComboBox2 = places_.add({"ComboBox2", 0, QStringLiteral("一")});
}

void TForm6::ResetScreen()
{
    marked_ = false;
    TWorksheetScreen::ResetScreen();
}

void TForm6::ShowPickers()
{
    // Which pickers take a pick is the stage's business, not this one's.
    ResetPickers();
}

void TForm6::DrawExample()
{
    const AdditionExample &e = AdditionExampleAt(MenuPicked(), LessonState.StepNo);
    LessonState.OperandA = e.a;
    LessonState.OperandB = e.b;
    Label14->setCaption(QString::fromUtf8(e.heading));
    LessonState.Answer = e.a + e.b;
    Label4->setCaption(QStringLiteral("%1 + %2 = ?").arg(e.a).arg(e.b));
}

void TForm6::DrawProblem()
{
    const int menu = MenuPicked();
    if (menu != 1 && menu != 2)
        return;
    const ColumnProblem p = DrawColumnAddition(menu + 2, *services().random);
    LessonState.OperandA = p.a;
    LessonState.OperandB = p.b;
    LessonState.Answer = p.answer();
    Label4->setCaption(p.line());
}

WorkedStep TForm6::exampleStep(int step) const
{
    return AdditionStep(MenuPicked(), LessonState.StepNo, step);
}

QString TForm6::equation() const
{
    return QStringLiteral("%1 + %2 = %3").arg(LessonState.OperandA).arg(LessonState.OperandB).arg(LessonState.Answer);
}

void TForm6::CuteButton3Click()
{
    LessonState.StepNo = 0;
    if (SwitchLessonMode(CuteButton3) == 2) {
        // "つぎへ" is ready at once, once there is a menu item to pose from.
        CuteButton4->setEnabled(MenuPicked() > 0);
        CuteButton5->setEnabled(false);
    }
    ResetScreen();
    PlayCue(Cue::Poon);
}

void TForm6::PoseTestProblem()
{
    DrawProblem();
    LessonState.StepNo = 0;
    Label6->setCaption(QString::number(LessonState.OperandA));
    Label7->setCaption(QString::number(LessonState.OperandB));
    Label8->setCaption(QString());
    Label12->setCaption(sign());
    Shape1->show();
    ShowPickers();
    ComboBox2->setEnabled(true);
    ComboBox3->setEnabled(true);
    ComboBox4->setEnabled(false);
    ComboBox5->setEnabled(false);
    CuteButton4->setEnabled(false);
    setPosed();
    Prompt(AdditionColumnPrompt(0));
}

void TForm6::prependDigit(int digit)
{
    Label8->setCaption(QString::number(digit % 10) + Label8->caption());
}

void TForm6::askColumn(int stage)
{
    ShowPickers();
    PlayCue(Cue::Pipo);
    Prompt(AdditionColumnPrompt(stage));
}

void TForm6::markSum()
{
    LessonState.StepNo = 0;
    Label8->setCaption(QString::number(LessonState.GivenAnswer));
    marked_ = true;
    MarkAnswer();
}

// "一": the ones digit of the ones column's sum finishes that column.
void TForm6::ComboBox2Change()
{
    if (!working() || LessonState.StepNo != 0)
        return;
    LessonState.StepNo = 1;
    LessonState.GivenAnswer = ComboBox2->itemIndex() + 10 * LessonState.Entry4;
    Label8->setCaption(QString::number(LessonState.GivenAnswer % 10));
    if (LessonState.GivenAnswer > 9)
        Label9->setCaption(QStringLiteral("1"));
    askColumn(1);
    ComboBox2->setEnabled(false);
    ComboBox4->setEnabled(true);
}

// "十": the tens digit of the ones column's sum, or the ones digit of the
// tens column's sum, which finishes that column.
void TForm6::ComboBox3Change()
{
    LessonState.Entry4 = ComboBox3->itemIndex();
    if (!working())
        return;
    if (LessonState.StepNo == 0) {
        PlayCue(Cue::Pipo);
        return;
    }
    if (LessonState.StepNo != 1)
        return;
    LessonState.StepNo = 2;
    const int t = LessonState.Entry4 + 10 * LessonState.Entry3;
    if (t > 9)
        Label10->setCaption(QStringLiteral("1"));
    prependDigit(t);
    askColumn(2);
    ComboBox3->setEnabled(false);
    ComboBox5->setEnabled(true);
}

// "百": the tens digit of the tens column's sum, or the ones digit of the
// hundreds column's sum.
void TForm6::ComboBox4Change()
{
    LessonState.Entry3 = ComboBox4->itemIndex();
    if (!working())
        return;
    if (LessonState.StepNo == 1) {
        PlayCue(Cue::Pipo);
        return;
    }
    if (LessonState.StepNo != 2)
        return;
    if (MenuPicked() == 1) {
        // The hundreds are the last column: the row read as a number, with
        // the hundreds' sum in front of it ("千" holds its tens digit).
        LessonState.GivenAnswer = Label8->caption().toInt() + 1000 * LessonState.Entry2 + 100 * LessonState.Entry3;
        markSum();
        return;
    }
    LessonState.StepNo = 3;
    const int h = LessonState.Entry3 + 10 * LessonState.Entry2;
    if (h > 9)
        Label11->setCaption(QStringLiteral("1"));
    prependDigit(h);
    askColumn(3);
    ComboBox4->setEnabled(false);
}

// "千": the tens digit of the hundreds column's sum, or the thousands
// column's sum, which finishes the problem.
void TForm6::ComboBox5Change()
{
    LessonState.Entry2 = ComboBox5->itemIndex();
    if (!working())
        return;
    if (LessonState.StepNo == 2) {
        PlayCue(Cue::Pipo);
        return;
    }
    if (LessonState.StepNo != 3)
        return;
    LessonState.GivenAnswer = Label8->caption().toInt() + 1000 * LessonState.Entry2;
    PlayCue(Cue::Pipo);
    markSum();
}
