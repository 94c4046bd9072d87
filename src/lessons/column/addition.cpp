#include "lessons/column/addition.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "lessons/column/problems.h"

// ---------------------------------------------------------------- worked examples

WorkedStep AdditionStep(int menu, int number, int step)
{
    if (step <= 1)
        return {FirstStepText()};
    const AdditionExample &e = AdditionExampleAt(menu, number);
    const int answer = e.a + e.b;
    const int column = qMin(step, AdditionSteps(menu)) - 2;  // 0 the ones
    const AddColumnWords &w = AdditionWords(e.columns[column]);
    const int x = PlaceDigit(e.a, column);
    const int y = PlaceDigit(e.b, column);
    const int s = x + y + (w.carryIn ? 1 : 0);
    QStringList lines = FillIn(w.lines, {{"x", x}, {"y", y}, {"s", s}, {"d", s % 10}, {"answer", answer}});
    lines[0].prepend(AdditionPlaceWords(column));
    WorkedStep out = WorkedColumn(step, AdditionSteps(menu), answer, lines);
    if (w.carryOut)
        out.marks.append({column + 1, QStringLiteral("1")});
    return out;
}

// ---------------------------------------------------------------- the screen

namespace {
const TColumnLesson::Ways kWays{AdditionExampleCount, ColumnExampleOf<AdditionExamples>, AdditionStep, DrawColumnAddition};
}  // namespace

TForm6::TForm6(const Services &services)
    : TColumnLesson(services, ColumnLessonOf(QStringLiteral("たし算"), QStringLiteral("ひっ算"), AdditionMemo()), kWays,
                    false)
{
    buildColumnSheet({.heading = {"Label14", &Label14},
                      .rows = {{"Label6", &Label6}, {"Label7", &Label7}, {"Label8", &Label8}},
                      .sign = {"Label12", &Label12},
                      .mark = {"Label13", &Label13},
                      .marks = {{}, {"Label9", &Label9}, {"Label10", &Label10}, {"Label11", &Label11}}});
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
    setOutProblem();
    ComboBox3->setEnabled(true);
    ComboBox4->setEnabled(false);
    ComboBox5->setEnabled(false);
    Prompt(AdditionColumnPrompt(0));
}

void TForm6::picked(int place)
{
    switch (place) {
    case 0: onesPicked(); break;
    case 1: tensPicked(); break;
    case 2: hundredsPicked(); break;
    default: thousandsPicked(); break;
    }
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
void TForm6::onesPicked()
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
void TForm6::tensPicked()
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
void TForm6::hundredsPicked()
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
void TForm6::thousandsPicked()
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
