#include "lessons/column/subtraction.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "lessons/column/problems.h"

// ---------------------------------------------------------------- worked examples

namespace {
using C = SubColumn;

const SubtractionExample kThreePlaces[] = {
    {467, 324, "【くり下がり なし の もんだい】", {C::OnesPlain, C::TensPlain, C::HundredsLast}},
    {745, 328, "【くり下がりが １回 の もんだい】", {C::OnesBorrow, C::TensAfterLending, C::HundredsLast}},
    {853, 467, "【くり下がりが ２回 の もんだい】",
     {C::OnesBorrow, C::TensBorrowAfterLending, C::HundredsAfterLendingLast}},
    {203, 47, "【くり下がりが つづく もんだい】", {C::OnesThroughZero, C::TensNine, C::HundredsCopyOne}},
    {1239, 354, "【千の位から くり下がり ２回 の もんだい】", {C::OnesPlain, C::TensBorrow, C::HundredsFromThousands}},
    {1002, 27, "【千の位から くり下がりが つづく もんだい】", {C::OnesFromThousands, C::TensNine, C::HundredsCopyNine}},
};
// Four places: the borrows of the three-place lessons with a thousands
// column above them; each heading names the example under it.
const SubtractionExample kFourPlaces[] = {
    {3125, 1082, "【４けた - ４けた ： くり下がりの もんだい】",
     {C::OnesPlain, C::TensBorrow, C::HundredsAfterLending, C::ThousandsLast}},
    {5132, 2094, "【４けた - ４けた ： くり下がりが ２かいの もんだい】",
     {C::OnesBorrow, C::TensBorrowAfterLending, C::HundredsAfterLending, C::ThousandsLast}},
    {4106, 1008, "【４けた - ４けた ： 百のくらいからの くり下がりの もんだい】",
     {C::OnesThroughZero, C::TensNine, C::HundredsAfterLending, C::ThousandsLast}},
    {6102, 2036, "【４けた - ４けた ： 百のくらいからの くり下がりの もんだい】",
     {C::OnesThroughZero, C::TensNine, C::HundredsAfterLending, C::ThousandsLast}},
};

// A mark a step writes over a digit of the first row: its place and what
// it reads, a number by name or a fixed digit.
struct MarkWords {
    int place;
    const char *text;
};

// The words of each way a column is worked, and the marks it writes (each
// with a stroke through the digit under it). In the lines, a, a10, a100,
// a1000 are the digits of the first number, b, b10, b100, b1000 those of
// the second; A/100 and B/100 the numbers without their tens and ones.
struct ColumnWords {
    SubColumn kind;
    const char *lines[9];
    MarkWords marks[3];
};
const ColumnWords kWords[] = {
    {C::OnesPlain, {"　一の位の {a} から {b} を ひいて", "　線の下に かく。"}, {}},
    {C::OnesBorrow,
     {"　十の位から 1 くり下げ、その 10 と", "　あわせた {a+10} から {b} を ひいて", "　線の下に かき、くり下げた あとの ",
      "　{a10-1} を 上に 小さく かいておく。"},
     {{1, "{a10-1}"}}},
    {C::OnesThroughZero,
     {"　十の位からは くり下げが できないので、", "　百の位から 1 を くり下げて できた", "　十の位の 10 から 1 を くり下げ、",
      "　その 10 とあわせた {a+10} から ", "　{b} を ひいて 線の下に かき、", "　くり下げた あとの 百の位の 上に {a100-1} を、",
      "　十の位の 上に 9 を 小さく かいておく。"},
     {{1, "9"}, {2, "{a100-1}"}}},
    {C::OnesFromThousands,
     {"　十の位からも 百の位からも くり下げが", "　できないので、", "　千の位から 1 を くり下げ、できた ",
      "　百の位の 10 から 1 を くり下げ、 ", "　できた 十の位の 10 から 1 を くり下げ、 ",
      "　その 10 と あわせた {a+10} から {b} を ひいて", "　線の下に かき、くり下げた あとの 千の位に ",
      "　{a1000-1} を、百の位に 9 を、十の位に 9 を", "　小さく かいておく。"},
     {{1, "9"}, {2, "9"}, {3, "{a1000-1}"}}},
    {C::TensPlain, {"　十の位の {a10} から {b10} を ひいて", "　線の下にかく。"}, {}},
    {C::TensAfterLending, {"　十の位の {a10-1} から {b10}を ひいて ", "　線の下に かく。"}, {}},
    {C::TensBorrowAfterLending,
     {"　百の位から 1 くり下げ、その 10 と", "　あわせた {a10+9} から {b10} を ひいて", "　線の下に かき、くり下げた あとの ",
      "　{a100-1} を 上に 小さく かいておく。"},
     {{2, "{a100-1}"}}},
    {C::TensNine, {"　十の位の 9 から {b10} を ひいて ", "　線の下にかく。"}, {}},
    {C::TensBorrow,
     {"　百の位から 1 を くり下げ、その", "　10 と あわせた {a10+10} から {b10} を", "　ひいて 線の下に かき、",
      "　くり下げた あとの {a100-1} を 上に", "　小さく かいておく。"},
     {{2, "{a100-1}"}}},
    {C::HundredsLast, {"　百の位の {A/100} から {B/100} を ひいて", "　線の下に かく。", "　この {answer} が こたえ だよ。"}, {}},
    {C::HundredsAfterLendingLast,
     {"　百の位の {a100-1} から {B/100} を ひいて", "　線の下に かく。", "　この {answer} が こたえ だよ。"},
     {}},
    {C::HundredsCopyOne, {"　百の位の {a100-1} を そのまま 線の下に かく。", "　この {answer} が こたえ だよ。"}, {}},
    {C::HundredsFromThousands,
     {"　千の位から 1 を くり下げ、その", "　10 とあわせた {a100+9} から {B/100} を ひいて ", "　線の下にかく。",
      "　千の位の くり下げた あとの 数は {a1000-1} ", "　なので、この {answer} が こたえ だよ。"},
     {{3, "{a1000-1}"}}},
    {C::HundredsCopyNine,
     {"　百の位の 9 を そのまま 線の下に かき、", "　千の位の くり下げた あとの 数は {a1000-1} ",
      "　なので、この {answer} が こたえ だよ。"},
     {}},
    {C::HundredsAfterLending, {"　百の位の {a100-1} から {b100} を ひいて", "　線の下に かく。"}, {}},
    {C::ThousandsLast, {"　千の位の {a1000} から {b1000} を ひいて", "　線の下に かく。", "　この {answer} が こたえ だよ。"}, {}},
};

const ColumnWords &wordsFor(SubColumn kind)
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
    "「一のくらい」のこたえをえらんでね！",
    "「十のくらい」のこたえをえらんでね！",
    "「百のくらい」のこたえをえらんでね！",
    "「千のくらい」のこたえをえらんでね！",
};

QString columnPrompt(int column)
{
    return QString::fromUtf8(kColumnPrompts[qBound(0, column, 3)]);
}
}  // namespace

int SubtractionExampleCount(int menu)
{
    switch (menu) {
    case 1: return int(std::size(kThreePlaces));
    case 2: return int(std::size(kFourPlaces));
    default: return 0;
    }
}

const SubtractionExample &SubtractionExampleAt(int menu, int number)
{
    const int count = SubtractionExampleCount(menu);
    const int i = count > 0 ? qBound(1, number, count) - 1 : 0;
    return menu == 2 ? kFourPlaces[i] : kThreePlaces[i];
}

WorkedStep SubtractionStep(int menu, int number, int step)
{
    WorkedStep out;
    if (step <= 1) {
        out.text = FirstStepText();
        return out;
    }
    const SubtractionExample &e = SubtractionExampleAt(menu, number);
    const int steps = menu + 3;
    const int column = qMin(step, steps) - 2;  // 0 the ones
    const ColumnWords &w = wordsFor(e.columns[column]);
    const int a = digitOf(e.a, 0), a10 = digitOf(e.a, 1), a100 = digitOf(e.a, 2), a1000 = e.a / 1000;
    const int answer = e.a - e.b;
    const QList<std::pair<const char *, int>> numbers{
        {"a", a},
        {"b", digitOf(e.b, 0)},
        {"a10", a10},
        {"b10", digitOf(e.b, 1)},
        {"b100", digitOf(e.b, 2)},
        {"a1000", a1000},
        {"b1000", e.b / 1000},
        {"a+10", a + 10},
        {"a10-1", a10 - 1},
        {"a10+9", a10 + 9},
        {"a10+10", a10 + 10},
        {"a100-1", a100 - 1},
        {"a100+9", a100 + 9},
        {"a1000-1", a1000 - 1},
        {"A/100", e.a / 100},
        {"B/100", e.b / 100},
        {"answer", answer},
    };
    QStringList lines;
    for (const char *line : w.lines)
        if (line)
            lines << FillIn(line, numbers);
    out.text = StepText(step, lines);
    for (const MarkWords &m : w.marks)
        if (m.text) {
            out.marks.append({m.place, FillIn(m.text, numbers)});
            out.strokes.append(m.place);
        }
    out.last = column + 2 == steps;
    out.row = out.last ? QString::number(answer) : LastDigits(answer, column + 1);
    return out;
}

QList<ColumnMark> BorrowMarks(int column, int a, int b, const QString marks[4])
{
    // The digit of the first row at a place as it reads now: its mark if it
    // has lent already (a 0 passed through reads 9), else the digit itself.
    auto left = [&](int place) { return marks[place].isEmpty() ? digitOf(a, place) : marks[place].toInt(); };
    const QString nine = QStringLiteral("9");
    auto number = [](int n) { return QString::number(n); };
    QList<ColumnMark> out;
    // Where the column borrows from: the next place up that has something
    // to lend, every 0 on the way reading 9.
    auto borrowAbove = [&](int place) {
        for (int p = place + 1; p <= 3; ++p) {
            if (left(p) >= 1) {
                out.append({p, number(left(p) - 1)});
                return;
            }
            if (p == 3)
                return;  // nothing above to lend: a smaller first number, never posed
            out.append({p, nine});
        }
    };
    if (column >= 0 && column <= 2 && left(column) < digitOf(b, column))
        borrowAbove(column);
    return out;
}

// ---------------------------------------------------------------- the screen

namespace {
TWorksheetLesson subtractionLesson()
{
    TWorksheetLesson l;
    l.title = QStringLiteral("ひっ算");
    l.subtitle = QStringLiteral("ひき算");
    l.menuText = QStringLiteral("メニュー");
    l.menuItems = {QStringLiteral(" ３けた"), QStringLiteral(" ４けた")};
    l.lastShape = 4;  // the rule and the three strokes
    l.memoScrollBar = true;
    l.memoDesignTop = 576;  // out of sight below until "ポイント" brings it up
    l.memoLines = {
        QStringLiteral(""),
        QStringLiteral("　【ひっ算のしかた】"),
        QStringLiteral(""),
        QStringLiteral("　・もんだいの 数字を、タテに 位を そろえて かき、その下に 線を "),
        QStringLiteral("　　ひく。"),
        QStringLiteral("　　"),
        QStringLiteral("　・おなじ 位の 数字 どうしで ひき算を　し、こたえを 線の下に "),
        QStringLiteral("　　かく。"),
        QStringLiteral("　　この計算を、一の位から 大きな 位へと じゅんばんに おこなう。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の ひき算で、ひく数字が なければ、そのまま 線の下に"),
        QStringLiteral("　　かく。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の ひき算で、ひかれる 数字の ほうが 小さい時は、"),
        QStringLiteral("　　一つ上の 位から １ を くり下げ、その １０ を あわせた 数で "),
        QStringLiteral("　　ひき算を し、こたえを  線の下に かく。"),
        QStringLiteral(""),
        QStringLiteral("　　この時、メモとして、くり下げた 数字に 線を ひき、その 上に "),
        QStringLiteral("　　１ を ひいた 数字を 小さく かいておく。"),
        QStringLiteral(""),
        QStringLiteral("　・十の位から くり下げる時、その数字が ０ で あれば、百の位"),
        QStringLiteral("　　から 十の位に １ を くり下げる。十の位は １０ に なるので、"),
        QStringLiteral("　　これから 一の位に １ を くり下げる。"),
        QStringLiteral(""),
        QStringLiteral("　　この時、メモとして、くり下げた あとの 百の位の 数字に 線を "),
        QStringLiteral("　　ひいて、その 上に １  を ひいた 数字を 小さく かき、十の位の "),
        QStringLiteral("　　数字に 線を ひいて、その上に  ９  を 小さく かいておく。"),
        QStringLiteral(""),
        QStringLiteral("　　百の位の 数字も ０ の時は、千の位から おなじように "),
        QStringLiteral("　　くり下げて いく。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の 数字 どうしで  ひく時に、くり下がりの 数字が "),
        QStringLiteral("　　あれば、その数字から ひく。"),
        QStringLiteral("　　"),
        QStringLiteral(""),
    };
    return l;
}
}  // namespace

TForm7::TForm7(const Services &services) : TWorksheetScreen(services, subtractionLesson())
{
    SheetNames names;
    names.heading = QStringLiteral("Label6");
    names.rows[0] = QStringLiteral("Label7");
    names.rows[1] = QStringLiteral("Label8");
    names.rows[2] = QStringLiteral("Label9");
    names.sign = QStringLiteral("Label13");
    names.mark = QStringLiteral("Label14");
    names.marks[1] = QStringLiteral("Label10");
    names.marks[2] = QStringLiteral("Label11");
    names.marks[3] = QStringLiteral("Label12");
    names.strokes[1] = QStringLiteral("Shape2");
    names.strokes[2] = QStringLiteral("Shape3");
    names.strokes[3] = QStringLiteral("Shape4");
    const Sheet &s = buildSheet(names, Look::Red);
    Label6 = s.heading;
    Label7 = s.rows[0];
    Label8 = s.rows[1];
    Label9 = s.rows[2];
    Label13 = s.sign;
    Label14 = s.mark;
    Label10 = s.marks[1];
    Label11 = s.marks[2];
    Label12 = s.marks[3];
    Shape2 = s.strokes[1];
    Shape3 = s.strokes[2];
    Shape4 = s.strokes[3];

    ComboBox5 = places_.add({"ComboBox5", 3, QStringLiteral("千")});
    ComboBox4 = places_.add({"ComboBox4", 2, QStringLiteral("百")});
    ComboBox3 = places_.add({"ComboBox3", 1, QStringLiteral("十")});
    ComboBox2 = places_.add({"ComboBox2", 0, QStringLiteral("一")});
}

void TForm7::ResetScreen()
{
    column_ = 0;
    TWorksheetScreen::ResetScreen();
}

void TForm7::ShowPickers()
{
    ResetPickers();
    places_.enableOnly({});
}

void TForm7::DrawExample()
{
    ResetScreen();
    const SubtractionExample &e = SubtractionExampleAt(MenuPicked(), LessonState.StepNo);
    LessonState.OperandA = e.a;
    LessonState.OperandB = e.b;
    Label6->setCaption(QString::fromUtf8(e.heading));
    LessonState.Answer = e.a - e.b;
    Label4->setCaption(QStringLiteral("%1 - %2 = ?").arg(e.a).arg(e.b));
}

void TForm7::DrawProblem()
{
    ResetScreen();
    const int menu = MenuPicked();
    if (menu != 1 && menu != 2)
        return;
    const ColumnProblem p = DrawColumnSubtraction(menu + 2, *services().random);
    LessonState.OperandA = p.a;
    LessonState.OperandB = p.b;
    LessonState.Answer = p.answer();
    Label4->setCaption(p.line());
}

WorkedStep TForm7::exampleStep(int step) const
{
    return SubtractionStep(MenuPicked(), LessonState.StepNo, step);
}

QString TForm7::equation() const
{
    return QStringLiteral("%1 - %2 = %3").arg(LessonState.OperandA).arg(LessonState.OperandB).arg(LessonState.Answer);
}

void TForm7::CuteButton3Click()
{
    // Into test mode "つぎへ" keeps the state it had; back in study mode the
    // examples start again from the first.
    if (SwitchLessonMode(CuteButton3) == 1)
        LessonState.StepNo = 0;
    ResetScreen();
    PlayCue(Cue::Poon);
}

void TForm7::PoseTestProblem()
{
    DrawProblem();
    Label7->setCaption(QString::number(LessonState.OperandA));
    Label8->setCaption(QString::number(LessonState.OperandB));
    Label9->setCaption(QString());
    Label13->setCaption(sign());
    Shape1->show();
    ShowPickers();
    ComboBox2->setEnabled(true);
    CuteButton4->setEnabled(false);
    CuteButton5->setEnabled(false);
    setPosed();
    Prompt(columnPrompt(0));
}

void TForm7::nextColumn(int column, TComboBox *done, TComboBox *next, bool resetPickers)
{
    const QString marks[4] = {QString(), Label10->caption(), Label11->caption(), Label12->caption()};
    for (const ColumnMark &m : BorrowMarks(column, LessonState.OperandA, LessonState.OperandB, marks)) {
        sheet().marks[m.place]->setCaption(m.text);
        sheet().strokes[m.place]->show();
    }
    if (resetPickers)
        ShowPickers();
    else
        done->setEnabled(false);
    next->setEnabled(true);
    column_ = column + 1;
    PlayCue(Cue::Pipo);
    Prompt(columnPrompt(column_));
}

// "一": the ones of the answer.
void TForm7::ComboBox2Change()
{
    if (!posed() || column_ != 0)
        return;
    LessonState.GivenAnswer = ComboBox2->itemIndex();
    Label9->setCaption(QString::number(LessonState.GivenAnswer));
    nextColumn(0, ComboBox2, ComboBox3, true);
}

// "十": the tens, written in front of the ones ("0" too).
void TForm7::ComboBox3Change()
{
    if (!posed() || column_ != 1)
        return;
    LessonState.Entry4 = ComboBox3->itemIndex();
    LessonState.GivenAnswer = LessonState.GivenAnswer % 10 + 10 * LessonState.Entry4;
    Label9->setCaption(QString::number(LessonState.Entry4) + Label9->caption());
    nextColumn(1, ComboBox3, ComboBox4, true);
}

// "百": the hundreds; the last column of three places. A new pick there
// after the mark replaces the hundreds and marks the answer again.
void TForm7::ComboBox4Change()
{
    if (!posed() || column_ != 2)
        return;
    LessonState.Entry3 = ComboBox4->itemIndex();
    LessonState.GivenAnswer = LessonState.GivenAnswer % 100 + 100 * LessonState.Entry3;
    Label9->setCaption(QString::number(LessonState.GivenAnswer));
    if (MenuPicked() == 2)
        nextColumn(2, ComboBox4, ComboBox5, false);  // "百" keeps showing its pick
    else
        MarkAnswer();
}

// "千": the thousands of four places, the last column; a new pick there
// replaces them and marks again.
void TForm7::ComboBox5Change()
{
    if (!posed() || column_ != 3)
        return;
    LessonState.Entry2 = ComboBox5->itemIndex();
    LessonState.GivenAnswer = LessonState.GivenAnswer % 1000 + 1000 * LessonState.Entry2;
    Label9->setCaption(QString::number(LessonState.GivenAnswer));
    MarkAnswer();
}
