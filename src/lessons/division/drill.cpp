#include "lessons/division/drill.h"

#include "frame/lessonstate.h"
#include "frame/prompts.h"

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
    return {
        .title = QStringLiteral("わり算のドリル"), .menuPlaceholder = QStringLiteral("  メニュー"),
        .menuItems = {QStringLiteral("あまり なし"), QStringLiteral("あまり あり")},
        .timePlaceholder = QStringLiteral("  じかん"), .timeItems = DrillTimeItemsKana(),
        .gridColumns = DivisionDrillGridColumns(),
        // The time-up opens the quotient picker again. The remainder picker
        // is open whenever a division with a remainder stands on screen, and
        // an exact division has no remainder to pick, so it stays shut there.
        .timeUpPicker = QStringLiteral("ComboBox4"),
        .places = {{.name = "ComboBox3", .place = 0, .placeName = QStringLiteral("あまり"),
                    .items = DivisionPickerItems(3, false), .width = 64},
                   {.name = "ComboBox4", .place = 1, .placeName = QStringLiteral("答え"),
                    .slot = &TLessonState::Entry4, .keeps = Keeps::Value, .items = DivisionPickerItems(2, false),
                    .width = 64}},
        // Seven columns are wide: the grid stands over the problem, and the
        // results stand under it, so the log never covers them.
        .layout = {.resultsTop = 404, .resultsPitch = 50, .gridBottom = 392},
        .showRuns = TDrill::ShowRuns::OnceAtCreation, .showDisablesTimeList = true,
        // After the first menu pick a time may be picked at any moment.
        .resetDisablesTimeList = false, .resetZeroesPlaces = true, .picksNeedAProblem = true, .menuCue = Cue::Poon,
        .drawResets = true,        // no problem can be skipped
        .showsProblemNo = false};  // no "もんだい：" line while the drill runs
}

const QString kExactPrompt = QStringLiteral("答えを えらんでね！");
}  // namespace

TForm23::TForm23(const Services &services) : TDrillScreen(services, divisionDrill())
{
    ComboBox3 = places().picker(0);
    ComboBox4 = places().picker(1);
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
    return withRemainder_ ? Prompts::QuotientThenRemainder : kExactPrompt;
}

// The quotient is in its slot; on "あまり あり" the remainder is the pick
// that closes the answer.
void TForm23::AnswerPicked()
{
    const int remainderPicked = withRemainder_ ? ComboBox3->itemIndex() : -1;
    const bool right = LessonState.Entry4 == problem_.quotient &&
                       (!withRemainder_ || remainderPicked == problem_.remainder);
    DrillLogRow row{DivisionText(problem_), problem_.quotient, LessonState.Entry4, {}, {}};
    if (withRemainder_) {  // an exact division leaves both remainder columns empty
        row.correctRemainder = problem_.remainder;
        row.givenRemainder = remainderPicked;
    }
    AnswerGiven(right, row);
}
