#include "lessons/multiplication/rules.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/platform.h"
#include "frame/worksheet.h"

// ---------------------------------------------------------------- the rules' arithmetic

namespace {
enum Hidden { FactorA, FactorB, FactorC };

// Each kind of equation: the equation with "?" in place of one number, the
// same equation whole, and which factor "?" stands for. {B-1} and {B+1} are
// the multiplier one less and one more.
struct RulesForm {
    int firstKind;
    int lastKind;
    const char *problem;
    const char *equation;
    Hidden hidden;
};
const RulesForm kRulesForms[] = {
    // The factors swapped.
    {0, 1, "{A} x {B} = ? x {A}", "{A} x {B} = {B} x {A}", FactorB},
    {2, 2, "{A} x {B} = {B} x ?", "{A} x {B} = {B} x {A}", FactorA},
    // The factors of three grouped the other way.
    {3, 4, "({A} x {B}) x {C} = {A} x ({B} x ?)", "({A} x {B}) x {C} = {A} x ({B} x {C})", FactorC},
    {5, 5, "({A} x {B}) x {C} = {A} x (? x {C})", "({A} x {B}) x {C} = {A} x ({B} x {C})", FactorB},
    // One more in the multiplier adds the multiplicand, one less takes it away.
    {6, 7, "{A} x {B} = {A} x {B-1} + ?", "{A} x {B} = {A} x {B-1} + {A}", FactorA},
    {8, 8, "{A} x {B} = {A} x {B+1} - ?", "{A} x {B} = {A} x {B+1} - {A}", FactorA},
};

const RulesForm &rulesForm(int kind)
{
    for (const RulesForm &f : kRulesForms)
        if (kind >= f.firstKind && kind <= f.lastKind)
            return f;
    return kRulesForms[0];
}

bool isGrouping(int kind)
{
    return kind >= 3 && kind <= 5;
}
}  // namespace

RulesProblem RulesProblemOf(int kind, int a, int b, int c)
{
    RulesProblem p;
    p.kind = kind;
    p.a = a;
    p.b = b;
    p.c = c;
    const RulesForm &f = rulesForm(kind);
    const QList<std::pair<const char *, int>> numbers{{"A", a}, {"B", b}, {"C", c}, {"B-1", b - 1}, {"B+1", b + 1}};
    p.text = FillIn(f.problem, numbers);
    p.equation = FillIn(f.equation, numbers);
    p.answer = f.hidden == FactorA ? a : f.hidden == FactorB ? b : c;
    return p;
}

RulesProblem DrawRulesProblem(Random &random)
{
    random.reseed();
    const int kind = random.below(9);
    const int a = random.below(8) + 1;
    const int b = random.below(6) + 2;
    const int c = isGrouping(kind) ? random.below(8) + 1 : 0;
    return RulesProblemOf(kind, a, b, c);
}


// ---------------------------------------------------------------- the rules screen

namespace {
StudyTestDesign rulesDesign()
{
    StudyTestDesign d;
    d.title = QStringLiteral("かけ算");
    d.subtitle = QStringLiteral("かけ算のきまり");
    d.memoLines = RulesStudyText();
    d.problemPrompt = QStringLiteral("答えを えらんでね！");
    d.pickers = Look::Pickers::Rules;
    return d;
}

// " ０" … " ９": a half-width space before each digit, and the eighth item
// ends with a full-width space, as this picker has always shown them.
QStringList answerItems()
{
    QStringList items;
    for (const QString &digit : TComboBox::digits())
        items << QLatin1Char(' ') + digit;
    items[7] += QStringLiteral("　");
    return items;
}
}  // namespace

TForm15::TForm15(const Services &services) : TStudyTestLesson(services, rulesDesign())
{
    ComboBox1 = places_.add({"ComboBox1", 0, QStringLiteral("答え"), 1, nullptr, Keeps::Digit, answerItems()});
}

void TForm15::ResetScreen()
{
    TStudyTestLesson::ResetScreen();
    problem_.reset();
}

void TForm15::DrawProblem()
{
    const RulesProblem p = DrawRulesProblem(*services().random);
    problem_ = p;
    ProblemKind = p.kind;
    LessonState.OperandA = p.a;
    LessonState.OperandB = p.b;
    if (isGrouping(p.kind))
        LessonState.OperandC = p.c;
    LessonState.Answer = p.answer;
    Label4->setCaption(p.text);
}

void TForm15::ComboBox1Change()
{
    if (!problem_ || !posed())
        return;
    LessonState.GivenAnswer = places_.value();
    MarkAnswer(problem_->equation, problem_->kind, {problem_->a, problem_->b, problem_->c});
}
