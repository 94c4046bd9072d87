#include "lessons/multiplication/drill.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
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
    TDrill d;
    d.title = QStringLiteral("かけ算のドリル");
    d.quitQuestion = QStringLiteral("おわってもいいの？");
    d.menuPlaceholder = QStringLiteral("　       メニュー");
    d.menuItems = {QStringLiteral("1～4 けた x 1 けた"), QStringLiteral("1～2 けた x 何十,何百"),
                   QStringLiteral("２ けた x ２ けた")};
    d.timePlaceholder = QStringLiteral("  じかん");
    d.timeItems = DrillTimeItemsKana();
    d.gridColumns = DrillGridColumns(140, 100);
    d.showDisablesTimeList = true;    // a menu item first
    d.resetDisablesTimeList = false;  // then a time may be picked again at any moment
    d.drawResets = true;              // no problem can be skipped
    return d;
}

// The places of the answer, from the ones up: picker, place name, place value.
struct AnswerPlace {
    const char *name;
    const char *placeName;
    int value;
};
const AnswerPlace kPlaces[] = {
    {"ComboBox3", "一", 1},     {"ComboBox4", "十", 10},     {"ComboBox5", "百", 100},
    {"ComboBox6", "千", 1000}, {"ComboBox7", "万", 10000}, {"ComboBox8", "十", 100000},
};

// On the multiplication drill the menu's items are longer and the log's
// answers wider than on the others: the menu list widens to the left in a
// smaller type, clear of the grid's top, the title gives it room, and the
// results stand a little smaller left of the wider grid, which stops above
// the buttons.
constexpr int kMenuWidth = 224;
constexpr int kMenuTop = 12;
constexpr int kMenuPixels = 18;
constexpr int kResultsLeft = 20;
constexpr int kResultsWidth = 296;
constexpr int kResultsPixels = 20;
constexpr int kGridGap = 4;
}  // namespace

TForm20::TForm20(const Services &services) : TDrillScreen(services, multiplicationDrill())
{
    TComboBox **pickers[] = {&ComboBox3, &ComboBox4, &ComboBox5, &ComboBox6, &ComboBox7, &ComboBox8};
    const QStringList digits = TComboBox::digits();
    for (int place = 0; place < 6; ++place)
        *pickers[place] = addAnswerPicker(QString::fromUtf8(kPlaces[place].name), place, digits,
                                          QString::fromUtf8(kPlaces[place].placeName));

    const QRect menu = ComboBox1->geometry();
    ComboBox1->setFont(Look::face(kMenuPixels));
    ComboBox1->place(menu.right() + 1 - kMenuWidth, kMenuTop, kMenuWidth, int(ComboBox1->count()));
    const QRect title = Label1->geometry();
    const int titleRight = ComboBox1->x() - 8;
    const int titleLeft = Look::ScreenWidth - titleRight;  // centred on the window as before
    Label1->setGeometry(titleLeft, title.y(), titleRight - titleLeft, title.height());

    for (TLabel *l : {Label5, Label6, Label7, Label8}) {
        l->setFont(Look::face(kResultsPixels));
        l->setGeometry(kResultsLeft, l->y(), kResultsWidth, l->height());
    }
    const int gridLeft = kResultsLeft + kResultsWidth + kGridGap;
    const int gridBottom = CuteButton3->y() - 8;
    DBGrid1->setGeometry(gridLeft, DBGrid1->y(), DBGrid1->neededWidth(), gridBottom - DBGrid1->y());
}

void TForm20::ResetScreen()
{
    LessonState.Work7 = 0;
    LessonState.Entry1 = 0;
    LessonState.Entry2 = 0;
    LessonState.Entry3 = 0;
    LessonState.Entry4 = 0;
    TDrillScreen::ResetScreen();
}

void TForm20::ShowPickers()
{
    // All six places are open whatever the problem: those it does not need
    // are left unpicked and count as 0.
    for (int place = 0; place < 6; ++place) {
        TComboBox *c = answerPickers().at(place);
        c->setEnabled(true);
        c->setItemIndex(-1);
        c->setText(QString::fromUtf8(kPlaces[place].placeName));
    }
}

void TForm20::PoseProblem()
{
    if (!DrawMultiplicationDrill(LessonState.MenuChoice, *services().random, problem_))
        return;  // no item of this menu: the problem on screen stays
    LessonState.OperandA = problem_.a;
    LessonState.OperandB = problem_.b;
    LessonState.Answer = problem_.answer();
    Label4->setCaption(problem_.line());
}

void TForm20::ComboBox8Change()
{
    LessonState.Work7 = ComboBox8->itemIndex() * 100000;
    PlayCue(Cue::Bun);
}

void TForm20::ComboBox7Change()
{
    LessonState.Entry1 = ComboBox7->itemIndex() * 10000;
    PlayCue(Cue::Bun);
}

void TForm20::ComboBox6Change()
{
    LessonState.Entry2 = ComboBox6->itemIndex() * 1000;
    PlayCue(Cue::Bun);
}

void TForm20::ComboBox5Change()
{
    LessonState.Entry3 = ComboBox5->itemIndex() * 100;
    PlayCue(Cue::Bun);
}

void TForm20::ComboBox4Change()
{
    LessonState.Entry4 = ComboBox4->itemIndex() * 10;
    PlayCue(Cue::Bun);
}

void TForm20::ComboBox3Change()
{
    if (!ProblemOnScreen())
        return;
    LessonState.GivenAnswer = ComboBox3->itemIndex() + LessonState.Work7 + LessonState.Entry1 + LessonState.Entry2 +
                              LessonState.Entry3 + LessonState.Entry4;
    // Marked and logged as the problem was drawn.
    const bool right = LessonState.GivenAnswer == problem_.answer();
    AnswerGiven(right, {problem_.text(), problem_.answer(), LessonState.GivenAnswer, {}, {}});
}
