#include "lessons/multiplication/drill.h"

#include "frame/lessonstate.h"
#include "frame/platform.h"
#include "lessons/multiplication/column2.h"

// ---------------------------------------------------------------- arithmetic

namespace {
// How each roll r of a menu item draws its two numbers.
enum class Kind { OneDigit, Tens, Hundreds, TwoPlaces, ThreePlaces };
struct DrillForm {
    int upToRoll;  // the rows hold for r up to this one
    Kind a;
    Kind b;
};
const DrillForm kByTensAndHundreds[] = {
    {2, Kind::OneDigit, Kind::Tens},
    {4, Kind::OneDigit, Kind::Hundreds},
    {7, Kind::Tens, Kind::Tens},
    {8, Kind::Tens, Kind::Hundreds},
};
const DrillForm kPlacesByTensAndHundreds[] = {
    {2, Kind::TwoPlaces, Kind::Tens},
    {4, Kind::ThreePlaces, Kind::Tens},
    {7, Kind::TwoPlaces, Kind::Hundreds},
    {8, Kind::ThreePlaces, Kind::Hundreds},
};

int drawKind(Kind kind, Random &random)
{
    switch (kind) {
    case Kind::OneDigit: return random.below(7) + 2;
    case Kind::Tens: return 10 * (random.below(7) + 2);
    case Kind::Hundreds: return 100 * (random.below(7) + 2);
    case Kind::TwoPlaces: return random.below(88) + 11;
    case Kind::ThreePlaces: return random.below(888) + 111;
    }
    return 0;
}

ColumnProduct drawForm(const DrillForm (&forms)[4], int r, Random &random)
{
    for (const DrillForm &f : forms) {
        if (r <= f.upToRoll) {
            // One statement a number: the multiplicand is drawn first.
            ColumnProduct p;
            p.a = drawKind(f.a, random);
            p.b = drawKind(f.b, random);
            return p;
        }
    }
    return {};
}
}  // namespace

bool DrawMultiplicationDrill(int menuChoice, Random &random, ColumnProduct &problem)
{
    if (menuChoice < 1 || menuChoice > 3)
        return false;
    random.reseed();
    const int r = random.below(9);
    switch (menuChoice) {
    case 1: problem = drawForm(kByTensAndHundreds, r, random); break;
    case 2: problem = drawForm(kPlacesByTensAndHundreds, r, random); break;
    default: problem = DrawTwoDigitPair(random); break;
    }
    return true;
}

// ---------------------------------------------------------------- the screen

namespace {
TDrill multiplicationDrill()
{
    return {
        .title = QStringLiteral("かけ算のドリル"), .menuPlaceholder = QStringLiteral("　       メニュー"),
        .menuItems = {QStringLiteral("1～4 けた x 1 けた"), QStringLiteral("1～2 けた x 何十,何百"),
                      QStringLiteral("２ けた x ２ けた")},
        .timePlaceholder = QStringLiteral("  じかん"), .timeItems = DrillTimeItemsKana(),
        .gridColumns = DrillGridColumns(140, 100),
        // All six places are open whatever the problem: those it does not
        // need are left unpicked and count as 0.
        .places = DrillDigitPlaces(6),
        // The menu's items are longer and the log's answers wider than on
        // the others: the menu list widens to the left in a smaller type,
        // clear of the grid's top (the title gives it room), and the results
        // stand a little smaller left of the wider grid, which stops above
        // the buttons.
        .layout = {.menuWidth = 224, .menuTop = 12, .menuPixels = 18, .resultsLeft = 20, .resultsWidth = 296,
                   .resultsPixels = 20, .gridBottom = TDrillScreen::ButtonsTop - 8, .gridBesideResults = true},
        // A menu item first; then a time may be picked again at any moment.
        .showDisablesTimeList = true, .resetDisablesTimeList = false,
        .resetZeroesPlaces = true, .drawResets = true};  // no problem can be skipped
}
}  // namespace

TForm20::TForm20(const Services &services) : TDrillScreen(services, multiplicationDrill())
{
    ComboBox3 = places().picker(0);
    ComboBox4 = places().picker(1);
    ComboBox5 = places().picker(2);
    ComboBox6 = places().picker(3);
    ComboBox7 = places().picker(4);
    ComboBox8 = places().picker(5);
}

void TForm20::PoseProblem()
{
    if (!DrawMultiplicationDrill(LessonState.MenuChoice, *services().random, problem_))
        return;  // no item of this menu: the problem on screen stays
    PoseWhole(problem_.a, problem_.b, problem_.answer(), problem_.line());
}

void TForm20::AnswerPicked()
{
    MarkWhole(problem_.answer(), problem_.text());  // marked and logged as the problem was drawn
}
