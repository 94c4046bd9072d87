#include "lessons/units/drill.h"

#include "frame/lessonstate.h"
#include "lessons/units/length.h"
#include "lessons/units/time.h"
#include "lessons/units/volume.h"

// ---------------------------------------------------------------- arithmetic

int UnitsDrillProblem::read(const std::array<int, 4> &picks) const
{
    int value = 0;
    for (int place = Ones; place <= Thousands; ++place)
        if (uses(place))
            value += problem.weights[place] * qMax(0, picks[place]);
    return value;
}

bool DrawUnitsDrill(int menuChoice, Random &random, UnitsDrillProblem &drawn)
{
    UnitsDrillProblem p;
    switch (menuChoice) {
    case 1: p.problem = DrawVolumeCalculation(random); break;
    case 2: p.problem = DrawMetricCalculation(LengthTexts, random); break;
    case 3:
        p.problem = DrawTimeCalculation(random);
        p.topPlace = Hundreds;  // the hours; the thousands stay shut
        break;
    case 4: p.problem = DrawMetricCalculation(WeightTexts, random); break;
    default: return false;
    }
    p.menu = menuChoice;
    drawn = p;
    return true;
}

namespace {
// How the log writes the answers of a kind of problem: the correct answer
// with two spaces after the larger unit and one after the smaller, the
// pupil's with one and none. {A} is the correct answer, {G} the given one.
struct LogForm {
    int menu;
    int markPlace;  // the hundreds for litres and decilitres, else the ones
    const char *correct;
    const char *given;
};
const LogForm kLogForms[] = {
    {1, Hundreds, "　{A/1000} l  {A%1000/100} dl ", "　{G/1000} l {G%1000/100} dl"},
    {1, Ones, "　{A} ml", "　{G} ml "},
    {2, Ones, "　{A/1000} km  {A%1000} m ", "　{G/1000} km {G%1000} m"},
    {3, Ones, "　{A/60} 時  {A%60} 分 ", "　{G/60} 時 {G%60} 分"},
    {4, Ones, "　{A/1000} kg  {A%1000} g ", "　{G/1000} kg {G%1000} g"},
};

const LogForm *logForm(const UnitsDrillProblem &p)
{
    for (const LogForm &f : kLogForms)
        if (f.menu == p.menu && f.markPlace == p.problem.markPlace)
            return &f;
    return nullptr;
}

// The problem as the log keeps it: its first line up to " = ?", without a
// trailing space.
QString logProblem(const QString &text)
{
    QString line = text.section(QLatin1Char('\r'), 0, 0);
    if (const qsizetype asked = line.indexOf(QLatin1String(" = ?")); asked >= 0)
        line.truncate(asked);
    if (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}
}  // namespace

DrillLogRow UnitsDrillLogRow(const UnitsDrillProblem &p, int given)
{
    const int a = p.problem.answer;
    const UnitsValues v{
        {"A", a},           {"A/1000", a / 1000}, {"A%1000", a % 1000}, {"A%1000/100", (a % 1000) / 100},
        {"A/60", a / 60},   {"A%60", a % 60},     {"G", given},         {"G/1000", given / 1000},
        {"G%1000", given % 1000}, {"G%1000/100", (given % 1000) / 100}, {"G/60", given / 60}, {"G%60", given % 60},
    };
    DrillLogRow row;
    row.problem = logProblem(p.problem.text);
    if (const LogForm *f = logForm(p)) {
        row.correct = v.fill(f->correct);
        row.given = v.fill(f->given);
    }
    return row;
}

// ---------------------------------------------------------------- the screen

namespace {
TDrill unitsDrill()
{
    return {
        .title = QStringLiteral("たんいのある計算のドリル"), .menuPlaceholder = QStringLiteral("メニュー"),
        .menuItems = {QStringLiteral("   かさ"), QStringLiteral("   長さ"), QStringLiteral("   時間"),
                      QStringLiteral("   重さ")},
        .timePlaceholder = QStringLiteral("　時間"), .timeItems = DrillTimeItemsKanji(),
        .timePrompt = QStringLiteral("「時間」をえらんでね！"), .timeUpText = QStringLiteral("時間だから、ドリルをおわるよ！"),
        .log = TDrill::Log::Units, .gridColumns = DrillGridColumns(270, 150),
        .places = DrillDigitPlaces(4, false),  // each slot keeps its digit: the problem weighs them
        // A problem of two quantities in two units each, or of two lines, is
        // longer than the other drills' problems: a smaller face, two lines.
        // The log's wide columns reach over to the left edge: the grid keeps
        // to the upper part, and the results stand below it, so both can be
        // read together.
        .layout = {.problemTop = 160, .problemHeight = 124, .problemPixels = 34, .problemBesidePickers = true,
                   .resultsTop = 400, .gridBottom = 400 - 12},
        .showZeroesProblemNo = true, .showEnablesMenu = true,
        // A menu pick mid-drill only opens the time list again: the drill
        // goes on, and the next problem is of the new kind.
        .menuResets = false, .menuCue = Cue::Poon, .nextBlinks = false};
}
}  // namespace

TForm13::TForm13(const Services &services) : TDrillScreen(services, unitsDrill())
{
    ComboBox3 = places().picker(0);
    ComboBox4 = places().picker(1);
    ComboBox5 = places().picker(2);
    ComboBox6 = places().picker(3);
    // As designed before the first show, which replaces them all.
    Label2->setCaption(QStringLiteral("じかんをえらんでね！"));
    Label3->setCaption(QStringLiteral("もんだい："));
    Label5->setCaption(QStringLiteral("もんだい："));
    Label6->setCaption(QStringLiteral("○のかず："));
    Label7->setCaption(QStringLiteral("てんすう："));
    Label8->setCaption(QStringLiteral("じかん　："));
}

bool TForm13::placeOpen(int place) const
{
    return problem_ && ProblemOnScreen() && problem_->uses(place);
}

int TForm13::closingPlace() const
{
    return problem_ ? problem_->problem.markPlace : Ones;
}

void TForm13::PoseProblem()
{
    UnitsDrillProblem p;
    if (!DrawUnitsDrill(LessonState.MenuChoice, *services().random, p))
        return;  // no item of this menu: the problem on screen stays
    problem_ = p;
    ProblemKind = p.problem.kind;
    LessonState.OperandA = p.problem.a;
    LessonState.OperandB = p.problem.b;
    LessonState.OperandC = p.problem.c;
    LessonState.OperandD = p.problem.d;
    LessonState.Answer = p.problem.answer;
    Label4->setCaption(p.problem.text);
    // The drill is always answered: the problem says how.
    Label2->setCaption(p.problem.testPrompt);
}

QString TForm13::startPrompt() const
{
    return problem_ ? problem_->problem.testPrompt : TDrillScreen::startPrompt();
}

QString TForm13::nextPrompt() const
{
    return problem_ ? problem_->problem.testPrompt : TDrillScreen::nextPrompt();
}

// An answer in litres and decilitres closes at the hundreds; its ones,
// opened again by the end of the time, are no part of it.
void TForm13::AnswerPicked()
{
    if (!problem_)
        return;
    const int place = problem_->problem.markPlace;
    const std::array<int, 4> picks{place == Ones ? ComboBox3->itemIndex() : 0, LessonState.Entry4, LessonState.Entry3,
                                   LessonState.Entry2};
    const int given = problem_->read(picks);
    LessonState.GivenAnswer = given;
    AnswerGiven(given == problem_->problem.answer, UnitsDrillLogRow(*problem_, given));
}
