#include "lessons/multiplication/zerotenhundred.h"

#include "frame/lessonstate.h"
#include "frame/platform.h"
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

QStringList ZeroTenStudyText()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　１．０ の かけ算"),
        QStringLiteral(""),
        QStringLiteral("　　１）０ に どんな数を かけても 答えは ０ だよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　0 x 3 は、0 を 3つ たした数 なので、"),
        QStringLiteral("　　　　　0 x 3 = 0 + 0 + 0 = 0"),
        QStringLiteral(""),
        QStringLiteral("　　２）どんな数に ０ を かけても、答えは ０ だよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　3 x 0 は、0 x 3 と かんがえれば いいよ。"),
        QStringLiteral("　　　　　3 x 0 = 0 x 3 = 0"),
        QStringLiteral(""),
        QStringLiteral("　２．１０ の かけ算 （１０倍）"),
        QStringLiteral("　"),
        QStringLiteral("　　１）たし算を つかう"),
        QStringLiteral(""),
        QStringLiteral("　　　　　10 x 3 は、10 を 3 つ たした数 なので"),
        QStringLiteral("　　　　　10 x 3 = 10 + 10 + 10 = 30"),
        QStringLiteral(""),
        QStringLiteral("　　　　　3 x 10 は、10 x 3  と かんがえれば いいよ。"),
        QStringLiteral(""),
        QStringLiteral("　　２）九九を つかう"),
        QStringLiteral(""),
        QStringLiteral("　　　　　3 x 10 = 3 x 9 + 3 = 30"),
        QStringLiteral(""),
        QStringLiteral("　　　　　10 x 3 は、3 x 10 と かんがえれば いいよ。"),
        QStringLiteral(""),
        QStringLiteral("　　３）かけられる数に ０ を １つ つける"),
        QStringLiteral(""),
        QStringLiteral("　　　　　3 x 10 = 30"),
        QStringLiteral("　　　　　23 x 10 = 230"),
        QStringLiteral(""),
        QStringLiteral("　３．１００ の かけ算 （１００倍）"),
        QStringLiteral(""),
        QStringLiteral("　　１）かけられる数に ０ を ２つ つける"),
        QStringLiteral(""),
        QStringLiteral("　　　　　3 x 100 = 300"),
        QStringLiteral("　　　　　23 x 100 = 2300"),
        QStringLiteral(""),
        QStringLiteral(""),
    };
}

// ---------------------------------------------------------------- the screen

namespace {
StudyTestDesign zeroTenDesign()
{
    StudyTestDesign d;
    d.subtitle = QStringLiteral("0,10,100 のかけ算");
    d.memoLines = ZeroTenStudyText();
    d.memoScrollBar = true;
    d.problemPrompt = QStringLiteral("答えは 大きい位から じゅんに えらんでね！");
    return d;
}

constexpr int kPickerWidth = 56;
constexpr int kPickerGap = 8;
}  // namespace

TForm16::TForm16(const Services &services) : TStudyTestLesson(services, zeroTenDesign())
{
    QStringList digits = TComboBox::digits();
    digits[7] = QStringLiteral("７　");
    const auto picker = [&](const char *name, int place, const QString &placeName) {
        const int x = RightEdge - kPickerWidth - place * (kPickerWidth + kPickerGap);
        TComboBox *c = addPicker(QString::fromLatin1(name), digits, {x, PickerTop}, kPickerWidth, 10, placeName);
        c->hide();
        return c;
    };
    ComboBox5 = picker("ComboBox5", 4, QStringLiteral("万"));
    ComboBox4 = picker("ComboBox4", 3, QStringLiteral("千"));
    ComboBox3 = picker("ComboBox3", 2, QStringLiteral("百"));
    ComboBox2 = picker("ComboBox2", 1, QStringLiteral("十"));
    ComboBox1 = picker("ComboBox1", 0, QStringLiteral("一"));
}

void TForm16::ResetScreen()
{
    LessonState.Entry1 = 0;
    LessonState.Entry2 = 0;
    LessonState.Entry3 = 0;
    LessonState.Entry4 = 0;
    TStudyTestLesson::ResetScreen();
    for (int n = 1; n <= 5; ++n)
        if (auto *c = findChild<TComboBox *>(QStringLiteral("ComboBox%1").arg(n)))
            c->hide();
    problem_.reset();
}

void TForm16::ShowPickers()
{
    const QString names[] = {QStringLiteral("一"), QStringLiteral("十"), QStringLiteral("百"), QStringLiteral("千"),
                             QStringLiteral("万")};
    for (int n = 1; n <= 5; ++n)
        if (auto *c = findChild<TComboBox *>(QStringLiteral("ComboBox%1").arg(n))) {
            c->show();
            c->setItemIndex(-1);
            c->setText(names[n - 1]);
        }
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

// A place above the ones keeps its bare digit; the place values count
// when the ones pick puts the product together.
void TForm16::placePicked(TComboBox *picker, int *slot)
{
    if (picker->itemIndex() < 0)
        return;
    *slot = picker->itemIndex();
    PlayCue(17);
}

void TForm16::ComboBox5Change() { placePicked(ComboBox5, &LessonState.Entry1); }
void TForm16::ComboBox4Change() { placePicked(ComboBox4, &LessonState.Entry2); }
void TForm16::ComboBox3Change() { placePicked(ComboBox3, &LessonState.Entry3); }
void TForm16::ComboBox2Change() { placePicked(ComboBox2, &LessonState.Entry4); }

void TForm16::ComboBox1Change()
{
    if (!problem_ || !posed())
        return;
    LessonState.GivenAnswer = ComboBox1->itemIndex() + LessonState.Entry1 * 10000 + LessonState.Entry2 * 1000 +
                              LessonState.Entry3 * 100 + LessonState.Entry4 * 10;
    MarkAnswer(problem_->equation);
}
