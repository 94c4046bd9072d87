#include "lessons/mental/drill.h"

#include "frame/lessonstate.h"
#include "frame/platform.h"

// ---------------------------------------------------------------- arithmetic

QString MentalDrillProblem::text() const
{
    return QStringLiteral("%1 %2 %3").arg(a).arg(subtract ? QLatin1Char('-') : QLatin1Char('+')).arg(b);
}

QString MentalDrillProblem::line() const
{
    return text() + QStringLiteral(" = ?");
}

MentalDrillProblem DrawMentalDrill(int menuChoice, Random &random)
{
    random.reseed();
    MentalDrillProblem p;
    if (menuChoice != 2) {
        p.a = random.below(88) + 11;
        p.b = random.below(88) + 11;
        return p;
    }
    // A difference is never 0 or below.
    p.subtract = true;
    for (int draws = 0; draws < 1000; ++draws) {
        p.a = random.below(87) + 12;
        p.b = random.below(88) + 11;
        if (p.a > p.b)
            return p;
    }
    p.a = 57;
    p.b = 38;
    return p;
}

// ---------------------------------------------------------------- the screen

namespace {
// One half-width space more before each time item than on the other drills.
QStringList spacedTimeItems()
{
    QStringList items;
    for (const QString &item : DrillTimeItemsKana())
        items << QStringLiteral(" ") + item;
    return items;
}

TDrill mentalDrill()
{
    return {.title = QStringLiteral("あん算のドリル"), .menuPlaceholder = QStringLiteral("メニュー"),
            .menuItems = {QStringLiteral(" たし算"), QStringLiteral(" ひき算")},
            .timePlaceholder = QStringLiteral("　じかん"), .timeItems = spacedTimeItems(),
            .gridColumns = DrillGridColumns(), .places = DrillDigitPlaces(3),
            // Showing the screen and a menu pick zero the count.
            .showZeroesProblemNo = true, .resetClearsGridShown = true, .menuZeroesProblemNo = true};
}
}  // namespace

TForm5::TForm5(const Services &services) : TDrillScreen(services, mentalDrill())
{
    ComboBox3 = places().picker(0);
    ComboBox4 = places().picker(1);
    ComboBox5 = places().picker(2);
}

// A difference is below 100: subtraction is answered in tens and ones.
bool TForm5::placeOpen(int place) const
{
    return !(LessonState.MenuChoice == 2 && place == 2);
}

void TForm5::PoseProblem()
{
    problem_ = DrawMentalDrill(LessonState.MenuChoice, *services().random);
    PoseWhole(problem_.a, problem_.b, problem_.answer(), problem_.line());
}

void TForm5::AnswerPicked()
{
    // Logged with the operands as they stand, in the problem's sign.
    MarkWhole(LessonState.Answer,
              MentalDrillProblem{LessonState.OperandA, LessonState.OperandB, problem_.subtract}.text());
}
