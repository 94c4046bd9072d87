#include "lessons/multiplication/column1.h"

#include "frame/lessonstate.h"
#include "frame/prompts.h"
#include "frame/look.h"
#include "frame/platform.h"

// ---------------------------------------------------------------- arithmetic

ColumnProduct DrawByOneDigit(int menu, Random &random)
{
    random.reseed();
    ColumnProduct p;
    p.b = random.below(7) + 2;
    switch (menu) {
    case 1: p.a = random.below(88) + 11; break;
    case 2: p.a = random.below(898) + 101; break;
    default: p.a = random.below(8998) + 1001; break;
    }
    return p;
}

namespace {
// How a column of a multiplication by one digit is put into words. Line 3
// begins "　赤線で むすんだ " + b + " と " + the column's digit, and ends
// with `ending`; the further lines follow.
struct ByOneDigitWords {
    bool last;
    bool carryIn;   // the column adds the carry of the column to its right
    bool carryOut;  // its partial result reaches 10: its tens go beside the worksheet
    const char *ending;
    const char *lines[4];
};
const ByOneDigitWords kByOneDigitWords[] = {
    {false, false, false, " をかけ、", {"　答えを 線の下に かく。"}},
    {false, true, false, " をかけ、", {"　答えに くりあがりの数を たして", "　線の下に かく。"}},
    {false, false, true, " をかけ、",
     {"　答えの 一の位の 数を 線の下に かき、", "　十の位の 数は　くり上げるので", "　ヨコに かいておく。"}},
    {false, true, true, " をかけ、",
     {"　これに くりあがりの数を たして", "　答えの 一の位の 数を 線の下に かき、", "　十の位の 数は　くり上げるので",
      "　ヨコに かいておく。"}},
    {true, false, false, " をかけ、", {"　答えを 線の下に かく。おわり。"}},
    {true, true, false, " をかけ、", {"　答えに くりあがりの数を たして", "　線の下に かく。おわり"}},
};
// The ones worked without a carry end their line with two spaces.
const char *const kPlainOnesEnding = " をかけ、  ";

const ByOneDigitWords &byOneDigitWords(bool last, bool carryIn, bool carryOut)
{
    for (const ByOneDigitWords &w : kByOneDigitWords)
        if (w.last == last && w.carryIn == carryIn && (last || w.carryOut == carryOut))
            return w;
    return kByOneDigitWords[0];
}

const char *const kOnesPrompt = "赤線で むすんだ 数を かけた 答えを えらんでね！";
const char *const kColumnPrompt = "赤線で むすんだ 数を かけ、くり上がりが あれば、\rそれを たした 答えを えらんでね！";
}  // namespace

ProductStep ByOneDigitStep(const ColumnProduct &p, int step)
{
    ProductStep out;
    if (step <= 1) {
        out.text = StepText(1, {QStringLiteral("　もんだいを タテに ならべて かき、"), QStringLiteral("　下に 線を ひく。")});
        return out;
    }
    const int lastColumn = Places(p.a) - 1;
    const int column = qMin(step - 2, lastColumn);
    // The carry into this column, as the columns before it wrote it.
    int carry = 0;
    for (int c = 0; c < column; ++c)
        carry = (PlaceDigit(p.a, c) * p.b + carry) / 10;
    const int digit = PlaceDigit(p.a, column);
    const int partial = digit * p.b + carry;
    const bool last = column == lastColumn;
    const bool carryIn = carry > 0;
    const bool carryOut = !last && partial >= 10;
    const ByOneDigitWords &w = byOneDigitWords(last, carryIn, carryOut);
    const bool plainOnes = column == 0 && !carryOut;
    QStringList lines{QStringLiteral("　赤線で むすんだ %1 と %2").arg(p.b).arg(digit) +
                      QString::fromUtf8(plainOnes ? kPlainOnesEnding : w.ending)};
    for (const char *line : w.lines)
        if (line)
            lines << QString::fromUtf8(line);
    out.text = StepText(column + 2, lines);
    out.redLine = column;
    out.last = last;
    out.rows.append({2, last ? QString::number(p.answer()) : LastDigits(p.answer(), column + 1)});
    if (carryOut)
        out.carries.append({column, partial / 10});
    if (!last && carryIn)
        out.struck.append(column - 1);
    return out;
}

QString ByOneDigitPrompt(int column)
{
    return QString::fromUtf8(column == 0 ? kOnesPrompt : kColumnPrompt);
}

// ---------------------------------------------------------------- TForm17

namespace {
TProductSheet byOneDigitSheet()
{
    TProductSheet s;
    s.title = QStringLiteral("かけ算");
    s.subtitle = QStringLiteral("ひっ算１");
    s.shownPrompt = Prompts::MenuTight;
    s.memoScrollBar = true;
    s.memoDesignTop = 216;
    s.lastLabel = 13;
    s.lastShape = 3;
    s.memoLines = ByOneDigitMemo();
    return s;
}
}  // namespace

TForm17::TForm17(const Services &services) : TProductSheetScreen(services, byOneDigitSheet())
{
    ComboBox1 = addPicker(QStringLiteral("ComboBox1"),
                          {QStringLiteral("２ｘ１ けた"), QStringLiteral("３ｘ１ けた"), QStringLiteral("４ｘ１ けた")},
                          {20, 14}, 130, 3, QStringLiteral("  メニュー"));

    TWorksheet *w = Worksheet;
    addFactors({"Label6", "Label7", "Label12", "Shape1"}, Label6, Label7, Label12, Shape1, 4, 4);
    Label8 = w->addRow(QStringLiteral("Label8"), 2, 5);
    Label9 = w->addSideCarry(QStringLiteral("Label9"), 0, Look::Red);
    Label10 = w->addSideCarry(QStringLiteral("Label10"), 1, Look::Red);
    Label11 = w->addSideCarry(QStringLiteral("Label11"), 2, Look::Red);
    Shape2 = w->addCarryStroke(QStringLiteral("Shape2"), Label9);
    Shape3 = w->addCarryStroke(QStringLiteral("Shape3"), Label10);
    Image2 = w->addLink(QStringLiteral("Image2"), 0, 0, 0);
    Image3 = w->addLink(QStringLiteral("Image3"), 0, 1, 0);
    Image4 = w->addLink(QStringLiteral("Image4"), 0, 2, 0);
    Image5 = w->addLink(QStringLiteral("Image5"), 0, 3, 0);
    const QRect below = w->cell(2, 0);
    Label5 = w->addText(QStringLiteral("Label5"), QRect(8, below.bottom() + 10, 440, 476 - below.bottom() - 12), 18,
                        Look::Teal, Qt::AlignLeft | Qt::AlignTop);
    Label13 = w->addText(QStringLiteral("Label13"), QRect(460, below.bottom() + 10, 150, 146), 96, Look::Red,
                         Qt::AlignCenter);
    setMarkLabel(Label13);

    Sheet &s = sheet();
    s.rows = {Label6, Label7, Label8};
    s.sign = Label12;
    s.rules = {Shape1};
    s.redLines = {Image2, Image3, Image4, Image5};
    s.carries = {Label9, Label10, Label11};
    s.strokes = {Shape2, Shape3};
    s.mark = Label13;

    Memo1->setFigureRows(ByOneDigitMemoFigures());

    ComboBox6 = places_.add({"ComboBox6", 4, QStringLiteral("万")});
    ComboBox5 = places_.add({"ComboBox5", 3, QStringLiteral("千")});
    ComboBox4 = places_.add({"ComboBox4", 2, QStringLiteral("百")});
    ComboBox3 = places_.add({"ComboBox3", 1, QStringLiteral("十")});
    ComboBox2 = places_.add({"ComboBox2", 0, QStringLiteral("一")});
}

void TForm17::takeBackMenu()
{
    // The shared menu field may hold another screen's item: this screen
    // goes on with its own menu's.
    if (menu_ > 0)
        LessonState.MenuChoice = menu_;
}

void TForm17::ResetScreen()
{
    column_ = 0;
    before_.clear();
    TProductSheetScreen::ResetScreen();
}

void TForm17::DrawProblem()
{
    if (menu_ < 1 || menu_ > 3)
        return;
    const ColumnProduct p = DrawByOneDigit(menu_, *services().random);
    setProblem(p);
    // The "x" stands left of the multiplicand, the rule under both.
    placeSign(Places(p.a));
}

void TForm17::ComboBox1Change()
{
    ResetScreen();
    menu_ = ComboBox1->itemIndex() + 1;
    LessonState.MenuChoice = menu_;
    SetLessonMode(CuteButton3, 1);
    CuteButton4->setEnabled(true);
    Prompt(Prompts::NextTight);
    PlayCue(Cue::Poon);
}

void TForm17::PoseTestProblem()
{
    DrawProblem();
    setOutProblem();
    Prompt(ByOneDigitPrompt(0));
}

namespace {
// The slot of each picker above the ones: "十" Entry4, "百" Entry3, "千"
// Entry2, "万" Entry1.
int &entryOf(int place)
{
    switch (place) {
    case 1: return LessonState.Entry4;
    case 2: return LessonState.Entry3;
    case 3: return LessonState.Entry2;
    default: return LessonState.Entry1;
    }
}
}  // namespace

void TForm17::picked(int place)
{
    const int pick = places_.picker(place)->itemIndex();
    if (pick < 0)
        return;  // nothing picked
    if (place > 0)
        entryOf(place) = pick;
    if (!posed())
        return;
    if (place == column_ + 1) {
        PlayCue(Cue::Pipo);  // the tens digit of the column being worked
        return;
    }
    if (place == column_)
        completeColumn(pick + 10 * entryOf(place + 1));
}

void TForm17::completeColumn(int partial)
{
    LessonState.GivenAnswer = partial;
    if (column_ == lastColumn()) {
        // The whole partial result goes in front of the row. A new pick after
        // the mark writes it again in the same place and marks again: the
        // row never grows.
        if (!marked())
            before_ = Label8->caption();
        Label4->setCaption(problem().equation());
        Label8->setCaption(QString::number(partial) + before_);
        LessonState.GivenAnswer = Label8->caption().toInt();
        setMarked();
        MarkAnswer();
        return;
    }
    const int done = column_;
    Label8->setCaption(QString::number(partial % 10) + Label8->caption());
    if (partial > 9)
        sheet().carries[done]->setCaption(QString::number(partial / 10));
    column_ = done + 1;
    ShowPickers();
    places_.enableOnly({column_, column_ + 1});
    HideRedLines();
    sheet().redLines[column_]->show();
    // The carry of the column to the right, now used, is struck through.
    if (done > 0 && !sheet().carries[done - 1]->caption().isEmpty())
        if (TShape *stroke = sheet().strokes.value(done - 1))
            stroke->show();
    PlayCue(Cue::Pipo);
    Prompt(ByOneDigitPrompt(column_));
}
