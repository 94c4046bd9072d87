#include "frame/productsheet.h"

#include "frame/lessonstate.h"
#include "frame/prompts.h"
#include "frame/look.h"

// ---------------------------------------------------------------- arithmetic

QString ColumnProduct::text() const
{
    return QStringLiteral("%1 x %2").arg(a).arg(b);
}

QString ColumnProduct::line() const
{
    return text() + QStringLiteral(" = ?");
}

QString ColumnProduct::equation() const
{
    return text() + QStringLiteral(" = %1").arg(answer());
}

// ---------------------------------------------------------------- TProductSheetScreen

namespace {
const QString &kStepPrompt = Prompts::StepTight;

}  // namespace

TProductSheetScreen::TProductSheetScreen(const Services &services, const TProductSheet &sheet)
    : TSheetScreen(services, sheet.lesson(), frameOf(sheet, sheet.grid, QRect(8, 0, 608, 56))),
      desc_(sheet)
{
    places_ = TPlacePickers(this, Look::Pickers::Product);
}

void TProductSheetScreen::placeSign(int places)
{
    const QRect box = Worksheet->cell(1, places);
    sheet_.sign->setGeometry(box);
    const QRect gap = Worksheet->gapBelow(1, places);
    sheet_.rules.value(0)->setGeometry(gap.x(), gap.center().y(), gap.width() + 8, 2);
}

void TProductSheetScreen::ShowPickers()
{
    places_.show();
    places_.enable(0);
}

void TProductSheetScreen::HideRedLines()
{
    for (TImage *line : std::as_const(sheet_.redLines))
        line->hide();
}

void TProductSheetScreen::ResetScreen()
{
    LessonState.Entry1 = 0;
    LessonState.Entry2 = 0;
    LessonState.Entry3 = 0;
    LessonState.Entry4 = 0;
    walking_ = false;
    posed_ = false;
    marked_ = false;
    HideRedLines();
    clearSheet(desc_.lastLabel, desc_.lastShape);
}

void TProductSheetScreen::addFactors(const char *const (&names)[4], TDigitRow *&first, TDigitRow *&second,
                                     TLabel *&sign, TShape *&rule, int places, int rulePlaces)
{
    first = Worksheet->addRow(QString::fromLatin1(names[0]), 0, places);
    second = Worksheet->addRow(QString::fromLatin1(names[1]), 1, places);
    sign = Worksheet->addOperator(QString::fromLatin1(names[2]), 1, places);
    rule = Worksheet->addRule(QString::fromLatin1(names[3]), 1, rulePlaces);
}

void TProductSheetScreen::setOutProblem()
{
    sheet_.rows[0]->setCaption(QString::number(problem_.a));
    sheet_.rows[1]->setCaption(QString::number(problem_.b));
    sheet_.rows[2]->setCaption(QString());
    sheet_.sign->setCaption(QStringLiteral("x"));
    sheet_.rules[0]->show();
    HideRedLines();
    sheet_.redLines[0]->show();
    ShowPickers();
    places_.enableOnly({0, 1});
    CuteButton4->setEnabled(false);
}

void TProductSheetScreen::setProblem(const ColumnProduct &p)
{
    problem_ = p;
    LessonState.OperandA = p.a;
    LessonState.OperandB = p.b;
    LessonState.Answer = p.answer();
    Label4->setCaption(p.line());
}

void TProductSheetScreen::ShowColumnStep()
{
    sheet_.rows[0]->setCaption(QString::number(problem_.a));
    sheet_.rows[1]->setCaption(QString::number(problem_.b));
    sheet_.sign->setCaption(QStringLiteral("x"));
    sheet_.rules[0]->show();
    const ProductStep step = productStep(LessonState.ColumnStep);
    Label5->setCaption(step.text);
    HideRedLines();
    if (TImage *line = sheet_.redLines.value(step.redLine))
        line->show();
    for (const auto &[row, digits] : step.rows)
        if (TDigitRow *r = sheet_.rows.value(row))
            r->setCaption(digits);
    for (const auto &[index, digit] : step.carries)
        if (TLabel *carry = sheet_.carries.value(index))
            carry->setCaption(QString::number(digit));
    for (int index : step.struck)
        if (TShape *stroke = sheet_.strokes.value(index))
            stroke->show();
    for (int rule : step.rules)
        if (TShape *r = sheet_.rules.value(rule))
            r->show();
    if (step.last)
        Label4->setCaption(problem_.equation());
}

void TProductSheetScreen::MarkAnswer()
{
    Label4->setCaption(problem_.equation());
    Mark({LessonState.MenuChoice, {problem_.a, problem_.b}, problem_.answer(), LessonState.GivenAnswer});
}

void TProductSheetScreen::FormCreate()
{
    takeBackMenu();
    SetLessonMode(CuteButton3, 1);
    ResetScreen();
    CuteButton4->setEnabled(desc_.readyWhenShown);
    CuteButton5->setEnabled(false);
    Prompt(desc_.shownPrompt);
    PlayCue(Cue::Poon);
}

void TProductSheetScreen::CuteButton3Click()
{
    LessonState.StepNo = 0;
    if (SwitchLessonMode(CuteButton3) == 2) {
        // "つぎへ" is ready at once, once there is something to pose.
        CuteButton4->setEnabled(canPose());
        CuteButton5->setEnabled(false);
    }
    ResetScreen();
    PlayCue(Cue::Poon);
}

void TProductSheetScreen::CuteButton4Click()
{
    if (!canPose())
        return;  // nothing to pose before this screen's menu is picked
    ResetScreen();
    if (desc_.stageInStepNo)
        LessonState.StepNo = 0;
    if (LessonState.LessonMode == 1) {
        DrawProblem();
        walking_ = true;
        CuteButton4->setEnabled(false);
        CuteButton5->setEnabled(true);
        Prompt(kStepPrompt);
    } else {
        PoseTestProblem();
        setPosed();
    }
    PlayCue(Cue::Pipo);
}

void TProductSheetScreen::CuteButton5Click()
{
    if (!walking_)
        return;  // no problem drawn to work step by step
    stepPressed(steps());
}

void TProductSheetScreen::CuteButton6Click()
{
    memoPressed();
    // The memo of the column products opens a little higher than the
    // working area, at 136 from the top.
    if (!Memo1->isHidden())
        Memo1->move(Memo1->x(), 136);
}
