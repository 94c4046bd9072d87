#include "lessons/division/drill.h"

#include "frame/lessonstate.h"

DivisionProblem DrawDivisionDrill(int menuItem, Random &random)
{
    return menuItem == 1 ? DrawExactDivision(random) : DrawRemainderDivision(random);
}

QList<TDBGridColumn> DivisionDrillGridColumns()
{
    return {
        {0, QStringLiteral("Ｎｏ"), 40},          {1, QStringLiteral("もんだい"), 140},
        {2, QStringLiteral("答え（正）"), 90},     {5, QStringLiteral("あまり（正）"), 90},
        {3, QStringLiteral("答え"), 90},           {6, QStringLiteral("あまり"), 90},
        {4, QStringLiteral("○×"), 40},
    };
}

namespace {
TDrill divisionDrill()
{
    TDrill d;
    d.title = QStringLiteral("わり算のドリル");
    d.quitQuestion = QStringLiteral("おわってもいいの？");
    d.menuPlaceholder = QStringLiteral("  メニュー");
    d.menuItems = {QStringLiteral("あまり なし"), QStringLiteral("あまり あり")};
    d.timePlaceholder = QStringLiteral("  じかん");
    d.timeItems = DrillTimeItemsKana();
    d.gridColumns = DivisionDrillGridColumns();
    // The time-up opens the quotient picker again. The remainder picker is
    // open whenever a division with a remainder stands on screen, and an
    // exact division has no remainder to pick, so it stays shut there.
    d.timeUpPicker = QStringLiteral("ComboBox4");
    d.showRuns = TDrill::ShowRuns::OnceAtCreation;
    d.showDisablesTimeList = true;
    d.resetDisablesTimeList = false;  // after the first menu pick a time may be picked at any moment
    d.menuCue = Cue::Poon;
    d.drawResets = true;       // no problem can be skipped
    d.showsProblemNo = false;  // no "もんだい：" line while the drill runs
    return d;
}

const QString kExactPrompt = QStringLiteral("答えを えらんでね！");
const QString kRemainderPrompt = QStringLiteral("「答え」→「あまり」の じゅんに えらんでね！");
}  // namespace

TForm23::TForm23(const Services &services) : TDrillScreen(services, divisionDrill())
{
    const int width = 64;
    ComboBox3 = addAnswerPicker(QStringLiteral("ComboBox3"), 0, DivisionPickerItems(3, false), QStringLiteral("あまり"),
                                width);
    ComboBox4 = addAnswerPicker(QStringLiteral("ComboBox4"), 1, DivisionPickerItems(2, false), QStringLiteral("答え"),
                                width);

    // Seven columns are wide: the grid stands over the problem, and the
    // results stand under it, so the log never covers them.
    const int gridBottom = 392;
    DBGrid1->setGeometry(DBGrid1->x(), GridTop, DBGrid1->width(), gridBottom - GridTop);
    TLabel *results[] = {Label5, Label6, Label7, Label8};
    for (int i = 0; i < 4; ++i)
        results[i]->move(results[i]->x(), gridBottom + 12 + i * 50);
}

void TForm23::ResetScreen()
{
    LessonState.Entry4 = 0;
    TDrillScreen::ResetScreen();
}

void TForm23::ShowPickers()
{
    LessonState.Entry4 = 0;
    ComboBox4->setEnabled(true);
    ComboBox3->setEnabled(withRemainder_);
    ComboBox3->setItemIndex(-1);
    ComboBox4->setItemIndex(-1);
    ComboBox3->setText(QStringLiteral("あまり"));
    ComboBox4->setText(QStringLiteral("答え"));
}

void TForm23::PoseProblem()
{
    withRemainder_ = menuItem() != 1;
    problem_ = DrawDivisionDrill(menuItem(), *services().random);
    LessonState.OperandA = problem_.divisor;
    LessonState.OperandB = problem_.quotient;
    if (withRemainder_) {
        LessonState.OperandC = problem_.remainder;
        LessonState.Answer = problem_.dividend();
    } else {
        LessonState.Answer = problem_.quotient;
    }
    Label4->setCaption(DivisionQuestion(problem_));
}

QString TForm23::startPrompt() const
{
    return withRemainder_ ? kRemainderPrompt : kExactPrompt;
}

void TForm23::ComboBox4Change()
{
    if (!ProblemOnScreen())
        return;
    LessonState.Entry4 = ComboBox4->itemIndex();
    if (withRemainder_)
        PlayCue(Cue::Bun);  // only stored: the remainder pick answers
    else
        answer(-1);
}

void TForm23::ComboBox3Change()
{
    if (!ProblemOnScreen() || !withRemainder_)
        return;
    answer(ComboBox3->itemIndex());
}

void TForm23::answer(int remainderPicked)
{
    const bool right = LessonState.Entry4 == problem_.quotient &&
                       (!withRemainder_ || remainderPicked == problem_.remainder);
    DrillLogRow row{DivisionText(problem_), problem_.quotient, LessonState.Entry4, {}, {}};
    if (withRemainder_) {  // an exact division leaves both remainder columns empty
        row.correctRemainder = problem_.remainder;
        row.givenRemainder = remainderPicked;
    }
    AnswerGiven(right, row);
}
