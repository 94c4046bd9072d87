#include "lessons/column/subtraction.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "lessons/column/problems.h"

// ---------------------------------------------------------------- worked examples

WorkedStep SubtractionStep(int menu, int number, int step)
{
    if (step <= 1)
        return {FirstStepText()};
    const SubtractionExample &e = SubtractionExampleAt(menu, number);
    const int steps = menu + 3;
    const int column = qMin(step, steps) - 2;  // 0 the ones
    const SubColumnWords &w = SubtractionWords(e.columns[column]);
    const int a = PlaceDigit(e.a, 0), a10 = PlaceDigit(e.a, 1), a100 = PlaceDigit(e.a, 2), a1000 = e.a / 1000;
    const int answer = e.a - e.b;
    const QList<std::pair<const char *, int>> numbers{
        {"a", a},
        {"b", PlaceDigit(e.b, 0)},
        {"a10", a10},
        {"b10", PlaceDigit(e.b, 1)},
        {"b100", PlaceDigit(e.b, 2)},
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
    WorkedStep out = WorkedColumn(step, steps, answer, FillIn(w.lines, numbers));
    for (const SubColumnWords::Mark &m : w.marks)
        if (m.text) {
            out.marks.append({m.place, FillIn(m.text, numbers)});
            out.strokes.append(m.place);
        }
    return out;
}

QList<ColumnMark> BorrowMarks(int column, int a, int b, const QString marks[4])
{
    // The digit of the first row at a place as it reads now: its mark if it
    // has lent already (a 0 passed through reads 9), else the digit itself.
    auto left = [&](int place) { return marks[place].isEmpty() ? PlaceDigit(a, place) : marks[place].toInt(); };
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
    if (column >= 0 && column <= 2 && left(column) < PlaceDigit(b, column))
        borrowAbove(column);
    return out;
}

// ---------------------------------------------------------------- the screen

namespace {
TWorksheetLesson subtractionLesson()
{
    TWorksheetLesson l = ColumnLessonOf(QStringLiteral("ひっ算"), QStringLiteral("ひき算"), SubtractionMemo());
    l.lastShape = 4;  // the rule and the three strokes
    l.memoScrollBar = true;
    l.memoDesignTop = 576;  // out of sight below until "ポイント" brings it up
    return l;
}

const TColumnLesson::Ways kWays{SubtractionExampleCount, ColumnExampleOf<SubtractionExamples>, SubtractionStep, DrawColumnSubtraction};
}  // namespace

TForm7::TForm7(const Services &services) : TColumnLesson(services, subtractionLesson(), kWays, true)
{
    buildColumnSheet({.heading = {"Label6", &Label6},
                      .rows = {{"Label7", &Label7}, {"Label8", &Label8}, {"Label9", &Label9}},
                      .sign = {"Label13", &Label13},
                      .mark = {"Label14", &Label14},
                      .marks = {{}, {"Label10", &Label10}, {"Label11", &Label11}, {"Label12", &Label12}},
                      .strokes = {{}, {"Shape2", &Shape2}, {"Shape3", &Shape3}, {"Shape4", &Shape4}}});
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
    TColumnLesson::DrawExample();
}

void TForm7::DrawProblem()
{
    ResetScreen();
    TColumnLesson::DrawProblem();
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
    setOutProblem();
    CuteButton5->setEnabled(false);
    Prompt(SubtractionColumnPrompt(0));
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
    Prompt(SubtractionColumnPrompt(column_));
}

void TForm7::picked(int place)
{
    if (!posed() || column_ != place)
        return;
    const int digit = places_.picker(place)->itemIndex();
    // The slot of each picker above the ones: "十" Entry4, "百" Entry3, "千" Entry2.
    int *const entries[] = {nullptr, &LessonState.Entry4, &LessonState.Entry3, &LessonState.Entry2};
    if (entries[place])
        *entries[place] = digit;
    int unit = 1;
    for (int p = 0; p < place; ++p)
        unit *= 10;
    LessonState.GivenAnswer = LessonState.GivenAnswer % unit + unit * digit;
    // The tens are written in front of the ones, "0" too; from the hundreds
    // on the row reads as the answer so far.
    Label9->setCaption(place == 1 ? QString::number(digit) + Label9->caption()
                                  : QString::number(LessonState.GivenAnswer));
    if (place < MenuPicked() + 1)  // the hundreds are the last of three places
        nextColumn(place, places_.picker(place), places_.picker(place + 1), place < 2);  // "百" keeps its pick
    else
        MarkAnswer();
}
