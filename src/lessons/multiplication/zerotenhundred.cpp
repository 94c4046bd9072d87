#include "lessons/multiplication/zerotenhundred.h"

#include "frame/lessonstate.h"
#include "frame/platform.h"
#include "frame/prompts.h"
#include "frame/worksheet.h"

// ---------------------------------------------------------------- the arithmetic

namespace {
// Each kind of product: how N is drawn (R(span) + low), the factor, and
// the equation written with N first and, where the order matters, with the
// factor first. A problem is its equation with "?" for the product.
struct ZeroTenForm {
    int firstKind;
    int lastKind;
    int low;
    int span;
    int factor;
    const char *numberFirst;
    const char *factorFirst;  // null: N is always written first
};
const ZeroTenForm kZeroTenForms[] = {
    {0, 1, 1, 9, 0, "{N} x 0 = {P}", "0 x {N} = {P}"},
    {2, 3, 1, 9, 10, "{N} x 10 = {P}", "10 x {N} = {P}"},
    {4, 5, 10, 89, 100, "{N} x 100 = {P}", nullptr},
    {6, 7, 100, 899, 10, "{N} x 10 = {P}", nullptr},
    {8, 8, 100, 899, 100, "{N} x 100 = {P}", nullptr},
};

const ZeroTenForm &zeroTenForm(int kind)
{
    for (const ZeroTenForm &f : kZeroTenForms)
        if (kind >= f.firstKind && kind <= f.lastKind)
            return f;
    return kZeroTenForms[0];
}
}  // namespace

ZeroTenProblem ZeroTenProblemOf(int kind, int factorOrder, int n)
{
    const ZeroTenForm &f = zeroTenForm(kind);
    ZeroTenProblem p;
    p.kind = kind;
    p.factorOrder = factorOrder;
    p.n = n;
    p.factor = f.factor;
    p.answer = n * f.factor;
    const char *form = factorOrder > 4 && f.factorFirst ? f.factorFirst : f.numberFirst;
    p.equation = FillIn(form, {{"N", n}, {"P", p.answer}});
    p.text = FillIn(form, {{"N", n}});
    p.text.replace(QStringLiteral("{P}"), QStringLiteral("?"));
    return p;
}

ZeroTenProblem DrawZeroTenProblem(Random &random)
{
    random.reseed();
    const int kind = random.below(9);
    const int order = random.below(9);
    const ZeroTenForm &f = zeroTenForm(kind);
    return ZeroTenProblemOf(kind, order, random.below(f.span) + f.low);
}


// ---------------------------------------------------------------- the screen

namespace {
StudyTestDesign zeroTenDesign()
{
    StudyTestDesign d;
    d.title = QStringLiteral("かけ算");
    d.subtitle = QStringLiteral("0,10,100 のかけ算");
    d.memoLines = ZeroTenStudyText();
    d.memoScrollBar = true;
    d.problemPrompt = Prompts::HighestPlaceFirst;
    return d;
}

}  // namespace

TForm16::TForm16(const Services &services) : TStudyTestLesson(services, zeroTenDesign())
{
    // A place above the ones keeps its bare digit; the place values count
    // when the ones pick puts the product together.
    const auto place = [this](const char *name, int place, const char *placeName, int weight,
                              int TLessonState::*slot) {
        return places_.add({name, place, QString::fromUtf8(placeName), weight, slot});
    };
    ComboBox5 = place("ComboBox5", 4, "万", 10000, &TLessonState::Entry1);
    ComboBox4 = place("ComboBox4", 3, "千", 1000, &TLessonState::Entry2);
    ComboBox3 = place("ComboBox3", 2, "百", 100, &TLessonState::Entry3);
    ComboBox2 = place("ComboBox2", 1, "十", 10, &TLessonState::Entry4);
    ComboBox1 = place("ComboBox1", 0, "一", 1, nullptr);
}

void TForm16::ResetScreen()
{
    LessonState.Entry1 = 0;
    LessonState.Entry2 = 0;
    LessonState.Entry3 = 0;
    LessonState.Entry4 = 0;
    TStudyTestLesson::ResetScreen();
    problem_.reset();
}

void TForm16::DrawProblem()
{
    const ZeroTenProblem p = DrawZeroTenProblem(*services().random);
    problem_ = p;
    ProblemKind = p.kind;
    FactorOrder = p.factorOrder;
    LessonState.OperandA = p.n;
    LessonState.Answer = p.answer;
    Label4->setCaption(p.text);
}

void TForm16::placePicked(TComboBox *picker)
{
    if (places_.pick(picker) >= 0)
        PlayCue(Cue::Bun);
}

void TForm16::ComboBox5Change() { placePicked(ComboBox5); }
void TForm16::ComboBox4Change() { placePicked(ComboBox4); }
void TForm16::ComboBox3Change() { placePicked(ComboBox3); }
void TForm16::ComboBox2Change() { placePicked(ComboBox2); }

void TForm16::ComboBox1Change()
{
    if (!problem_ || !posed())
        return;
    LessonState.GivenAnswer = places_.value();
    MarkAnswer(problem_->equation, problem_->kind, {problem_->n, problem_->factor});
}
