#include "lessons/units/drill.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
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
    TDrill d;
    d.title = QStringLiteral("たんいのある計算のドリル");
    d.quitQuestion = QStringLiteral("おわってもいいの？");
    d.menuPlaceholder = QStringLiteral("メニュー");
    d.menuItems = {QStringLiteral("   かさ"), QStringLiteral("   長さ"), QStringLiteral("   時間"),
                   QStringLiteral("   重さ")};
    d.timePlaceholder = QStringLiteral("　時間");
    d.timeItems = DrillTimeItemsKanji();
    d.timePrompt = QStringLiteral("「時間」をえらんでね！");
    d.timeUpText = QStringLiteral("時間だから、ドリルをおわるよ！");
    d.log = TDrill::Log::Units;
    d.gridColumns = DrillGridColumns(270, 150);
    d.showZeroesProblemNo = true;
    d.showEnablesMenu = true;
    // A menu pick mid-drill only opens the time list again: the drill goes
    // on, and the next problem is of the new kind.
    d.menuResets = false;
    d.menuCue = Cue::Poon;
    d.nextBlinks = false;
    return d;
}
}  // namespace

TForm13::TForm13(const Services &services) : TDrillScreen(services, unitsDrill())
{
    const QStringList digits = TComboBox::digits();
    ComboBox3 = addAnswerPicker(QStringLiteral("ComboBox3"), Ones, digits, QStringLiteral("一"));
    ComboBox4 = addAnswerPicker(QStringLiteral("ComboBox4"), Tens, digits, QStringLiteral("十"));
    ComboBox5 = addAnswerPicker(QStringLiteral("ComboBox5"), Hundreds, digits, QStringLiteral("百"));
    ComboBox6 = addAnswerPicker(QStringLiteral("ComboBox6"), Thousands, digits, QStringLiteral("千"));

    // A problem of two quantities in two units each, or of two lines, is
    // longer than the other drills' problems: a smaller face, two lines.
    Label4->setFont(Look::face(34));
    Label4->setGeometry(Label4->x(), 160, ComboBox6->x() - 8 - Label4->x(), 124);

    // The log's wide columns reach over to the left edge: the grid keeps to
    // the upper part, and the results stand below it, so both can be read
    // together.
    constexpr int resultsTop = 400;
    TLabel *results[] = {Label5, Label6, Label7, Label8};
    for (int i = 0; i < 4; ++i)
        results[i]->move(results[i]->x(), resultsTop + i * 52);
    DBGrid1->setGeometry(DBGrid1->x(), GridTop, DBGrid1->width(), resultsTop - 12 - GridTop);

    // As designed before the first show, which replaces them all.
    Label2->setCaption(QStringLiteral("じかんをえらんでね！"));
    Label3->setCaption(QStringLiteral("もんだい："));
    Label5->setCaption(QStringLiteral("もんだい："));
    Label6->setCaption(QStringLiteral("○のかず："));
    Label7->setCaption(QStringLiteral("てんすう："));
    Label8->setCaption(QStringLiteral("じかん　："));
}

void TForm13::ShowPickers()
{
    LessonState.Entry4 = 0;
    LessonState.Entry3 = 0;
    LessonState.Entry2 = 0;
    // Only the places the answer on screen uses are open.
    const std::pair<TComboBox *, QString> places[] = {
        {ComboBox3, QStringLiteral("一")},
        {ComboBox4, QStringLiteral("十")},
        {ComboBox5, QStringLiteral("百")},
        {ComboBox6, QStringLiteral("千")},
    };
    for (int place = Ones; place <= Thousands; ++place) {
        const auto &[picker, name] = places[place];
        picker->setEnabled(problem_ && ProblemOnScreen() && problem_->uses(place));
        picker->setItemIndex(-1);
        picker->setText(name);
    }
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

void TForm13::ComboBox6Change()
{
    LessonState.Entry2 = ComboBox6->itemIndex();
    PlayCue(Cue::Bun);
}

void TForm13::ComboBox5Change()
{
    LessonState.Entry3 = ComboBox5->itemIndex();
    if (ProblemOnScreen() && problem_ && problem_->problem.markPlace == Hundreds)
        AnswerComplete(Hundreds);
    else
        PlayCue(Cue::Bun);
}

void TForm13::ComboBox4Change()
{
    LessonState.Entry4 = ComboBox4->itemIndex();
    PlayCue(Cue::Bun);
}

void TForm13::ComboBox3Change()
{
    AnswerComplete(Ones);
}

void TForm13::AnswerComplete(int place)
{
    // An answer in litres and decilitres closes at the hundreds; its ones,
    // opened again by the end of the time, are no part of it.
    if (!ProblemOnScreen() || !problem_ || place != problem_->problem.markPlace)
        return;
    const std::array<int, 4> picks{place == Ones ? ComboBox3->itemIndex() : 0, LessonState.Entry4, LessonState.Entry3,
                                   LessonState.Entry2};
    const int given = problem_->read(picks);
    LessonState.GivenAnswer = given;
    AnswerGiven(given == problem_->problem.answer, UnitsDrillLogRow(*problem_, given));
}
