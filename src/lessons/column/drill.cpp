#include "lessons/column/drill.h"

#include "frame/lessonstate.h"

bool DrawColumnDrill(int menuChoice, Random &random, ColumnProblem &problem)
{
    switch (menuChoice) {
    case 1: problem = DrawColumnAddition(3, random); return true;
    case 2: problem = DrawColumnAddition(4, random); return true;
    case 3: problem = DrawColumnSubtraction(3, random); return true;
    case 4: problem = DrawColumnSubtraction(4, random); return true;
    default: return false;
    }
}

namespace {
TDrill columnDrill()
{
    return {.title = QStringLiteral("ひっ算のドリル"), .menuPlaceholder = QStringLiteral("　  メニュー"),
            .menuItems = {QStringLiteral("３けたのたし算"), QStringLiteral("４けたのたし算"),
                          QStringLiteral("３けたのひき算"), QStringLiteral("４けたのひき算")},
            .timePlaceholder = QStringLiteral("  じかん"), .timeItems = DrillTimeItemsKana(),
            .gridColumns = DrillGridColumns(),
            // All four places are open whatever the problem: those it does
            // not need are left unpicked and count as 0.
            .places = DrillDigitPlaces(4), .layout = {.barOverClock = true},
            .resetZeroesPlaces = true, .drawResets = true};  // no problem can be skipped
}
}  // namespace

TForm8::TForm8(const Services &services) : TDrillScreen(services, columnDrill()), StatusBar2(barOverClock())
{
    ComboBox3 = places().picker(0);
    ComboBox4 = places().picker(1);
    ComboBox5 = places().picker(2);
    ComboBox6 = places().picker(3);
}

void TForm8::PoseProblem()
{
    if (!DrawColumnDrill(LessonState.MenuChoice, *services().random, problem_))
        return;  // no item of this menu: the problem on screen stays
    PoseWhole(problem_.a, problem_.b, problem_.answer(), problem_.line());
}

void TForm8::AnswerPicked()
{
    // Logged as the problem was drawn, an addition or a subtraction.
    MarkWhole(LessonState.Answer, ColumnProblem{LessonState.OperandA, LessonState.OperandB, problem_.subtract}.text());
}
