#include "lessons/units/volume.h"

#include "frame/lessonstate.h"
#include "frame/platform.h"

namespace {
const char *const kBigPlaceFirst = "大きな位から じゅんに こたえてね！";
const char *const kLitresAndDecilitres = "l は千の位で、dl は 百の位で こたえてね！";

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// What a conversion starts from, which decides its draw.
enum class Given { LitresAndDecilitres, Decilitres, Millilitres };

// One form of conversion. The texts name the numbers they are written with;
// `answer` names the one that is the answer in millilitres.
struct ConversionForm {
    int firstKind, lastKind;
    Given given;
    int markPlace;
    const char *question;
    const char *testPrompt;
    const char *equation;
    const char *hint;
    const char *answer;
};
const ConversionForm kConversions[] = {
    {0, 1, Given::LitresAndDecilitres, Hundreds, "{A} l  {B} dl = ? dl", "千と 百の位で こたえてね！",
     "{A} l  {B} dl = {Answer/100} dl", "{A} l を {10A} dl に かえれば いいよ。", "1000A+100B"},
    {2, 3, Given::Decilitres, Hundreds, "{A} dl = ? l  ? dl", kLitresAndDecilitres,
     "{A} dl = {A/10} l  {A%10} dl", "{A/10*10} dl を {A/10} l に かえれば いいよ。", "100A"},
    {4, 6, Given::Millilitres, Hundreds, "{A} ml = ? l  ? dl", kLitresAndDecilitres,
     "{A} ml = {A/1000} l  {A%1000/100} dl",
     "{A/1000*1000} ml を {A/1000} l に、\r{A%1000} ml を{A%1000/100} dl に \rかえれば いいよ。", "A"},
    {7, 8, Given::LitresAndDecilitres, Ones, "{A} l  {B} dl = ? ml", kBigPlaceFirst,
     "{A} l  {B} dl = {1000A+100B} ml", "{A} l を {1000A} ml に、\r{B} dl を {100B} ml に \rかえれば いいよ。",
     "1000A+100B"},
};

const ConversionForm &conversionForm(int kind)
{
    for (const ConversionForm &f : kConversions)
        if (kind >= f.firstKind && kind <= f.lastKind)
            return f;
    return kConversions[0];
}

// One form of calculation: two volumes in litres and decilitres (P l Q dl and
// R l S dl), or two numbers of millilitres (X and Y). The worked equation and
// hint come plain, or regrouped: a carry of 10 dl into a litre for a sum, a
// borrow of one litre for a difference.
struct Working {
    const char *equation;
    const char *hint;
};
struct CalculationForm {
    int firstKind, lastKind;
    bool litres;  // litres and decilitres, answered in the thousands and hundreds
    bool sum;
    const char *question;
    Working working[2];  // plain, regrouped
    const char *answer;
};
const CalculationForm kCalculations[] = {
    {0, 2, true, true, "{P} l  {Q} dl + {R} l  {S} dl = ? l  ? dl ",
     {{"{P} l  {Q} dl + {R} l  {S} dl = {P+R} l  {Q+S} dl ", "l は l どうしで、dl は どうしで \rたせば いいよ。"},
      {"{P} l  {Q} dl + {R} l  {S} dl = {P+R+1} l  {Q+S-10} dl ",
       "l は l どうしで、dl は dl どうしで たし、\r10 dl ぶんを 1 l に くり上げれば いいよ。"}},
     "1000(P+R)+100(Q+S)"},
    {3, 4, false, true, "{X} ml + {Y} ml = ? ml",
     {{"{X} ml + {Y} ml = {X+Y} ml", "そのまま たせば いいよ。"}, {"{X} ml + {Y} ml = {X+Y} ml", "そのまま たせば いいよ。"}},
     "X+Y"},
    {5, 7, true, false, "{P} l  {Q} dl - {R} l  {S} dl = ? l  ? dl ",
     {{"{P} l  {Q} dl - {R} l  {S} dl = {P-R} l  {Q-S} dl ", "l は l どうしで、dl は dl どうしで\rひけば いいよ。"},
      {"{P} l  {Q} dl - {R} l  {S} dl = {P-R-1} l  {Q-S+10} dl ",
       "l は l どうしで ひき、dl どうしでは \rひけないので、1 l（10 dl）を \rくり下げて ひけば いいよ。"}},
     "1000(P-R)+100(Q-S)"},
    {8, 8, false, false, "{X} ml - {Y} ml = ? ml",
     {{"{X} ml - {Y} ml = {X-Y} ml", "そのまま ひけば いいよ。"}, {"{X} ml - {Y} ml = {X-Y} ml", "そのまま ひけば いいよ。"}},
     "X-Y"},
};

const CalculationForm &calculationForm(int kind)
{
    for (const CalculationForm &f : kCalculations)
        if (kind >= f.firstKind && kind <= f.lastKind)
            return f;
    return kCalculations[0];
}

}  // namespace

UnitsProblem VolumeConversion(int kind, int a, int b)
{
    const ConversionForm &f = conversionForm(kind);
    if (f.given != Given::LitresAndDecilitres)
        b = 0;
    const UnitsValues v{
        {"A", a},
        {"B", b},
        {"1000A+100B", 1000 * a + 100 * b},
        {"100A", 100 * a},
        {"Answer/100", (1000 * a + 100 * b) / 100},
        {"10A", 10 * a},
        {"A/10", a / 10},
        {"A%10", a % 10},
        {"A/10*10", (a / 10) * 10},
        {"A/1000", a / 1000},
        {"A%1000", a % 1000},
        {"A%1000/100", (a % 1000) / 100},
        {"A/1000*1000", (a / 1000) * 1000},
        {"1000A", 1000 * a},
        {"100B", 100 * b},
    };
    UnitsProblem p{kind, a, b, 0, 0, v[f.answer]};
    p.text = v.fill(f.question);
    p.testPrompt = u(f.testPrompt);
    p.equation = v.fill(f.equation);
    p.hint = v.fill(f.hint);
    p.markPlace = f.markPlace;
    return p;
}

UnitsProblem DrawVolumeConversion(Random &random)
{
    random.reseed();
    const int kind = random.below(9);
    switch (conversionForm(kind).given) {
    case Given::Decilitres: return VolumeConversion(kind, 11 + random.below(88), 0);
    case Given::Millilitres: return VolumeConversion(kind, 100 * (11 + random.below(88)), 0);
    case Given::LitresAndDecilitres: break;
    }
    const int a = 1 + random.below(8);
    const int b = 1 + random.below(8);
    return VolumeConversion(kind, a, b);
}

UnitsProblem VolumeCalculation(int kind, int a, int b, int c, int d)
{
    const CalculationForm &f = calculationForm(kind);
    if (!f.litres)
        c = d = 0;
    const UnitsValues v{
        {"P", a},
        {"Q", b},
        {"R", c},
        {"S", d},
        {"X", a},
        {"Y", b},
        {"P+R", a + c},
        {"P+R+1", a + c + 1},
        {"Q+S", b + d},
        {"Q+S-10", b + d - 10},
        {"P-R", a - c},
        {"P-R-1", a - c - 1},
        {"Q-S", b - d},
        {"Q-S+10", b - d + 10},
        {"X+Y", a + b},
        {"X-Y", a - b},
        {"1000(P+R)+100(Q+S)", 1000 * (a + c) + 100 * (b + d)},
        {"1000(P-R)+100(Q-S)", 1000 * (a - c) + 100 * (b - d)},
    };
    const bool regroup = f.litres && (f.sum ? b + d >= 10 : b < d);
    const Working &w = f.working[regroup ? 1 : 0];
    UnitsProblem p{kind, a, b, c, d, v[f.answer]};
    p.text = v.fill(f.question);
    p.testPrompt = u(f.litres ? kLitresAndDecilitres : kBigPlaceFirst);
    p.equation = v.fill(w.equation);
    p.hint = u(w.hint);
    p.markPlace = f.litres ? Hundreds : Ones;
    return p;
}

UnitsProblem DrawVolumeCalculation(Random &random)
{
    random.reseed();
    const int kind = random.below(9);
    const CalculationForm &f = calculationForm(kind);
    if (f.litres) {
        // The litres first, so that a sum stays within 9 l and a difference
        // keeps at least 1 l; then the decilitres.
        const auto litres = f.sum ? DrawPairUntil([&] { return std::pair{1 + random.below(8), 1 + random.below(8)}; },
                                             [](auto p) { return p.first + p.second <= 8; }, {3, 2})
                                  : DrawPairUntil([&] { return std::pair{3 + random.below(6), 1 + random.below(6)}; },
                                             [](auto p) { return p.first - p.second >= 2; }, {3, 1});
        const int q = 1 + random.below(8);
        const int s = 1 + random.below(8);
        return VolumeCalculation(kind, litres.first, q, litres.second, s);
    }
    if (f.sum) {
        const int x = 100 * (1 + random.below(8));
        const int y = 100 * (1 + random.below(8));
        return VolumeCalculation(kind, x, y, 0, 0);
    }
    // Millilitres are taken only from more, never leaving 0 or less.
    const auto ml = DrawPairUntil([&] { return std::pair{2 + random.below(7), 1 + random.below(7)}; },
                             [](auto p) { return p.first > p.second; }, {3, 2});
    return VolumeCalculation(kind, 100 * ml.first, 100 * ml.second, 0, 0);
}

// ---------------------------------------------------------------- the screen

TForm9::TForm9(const Services &services)
    : TMetricUnitsLesson(services, {.title = QStringLiteral("かさ"), .studyText = VolumeStudyText(), .memoTop = 576})
{
}

void TForm9::DrawConversionProblem()
{
    Pose(DrawVolumeConversion(*services().random));
}

void TForm9::DrawCalculationProblem()
{
    Pose(DrawVolumeCalculation(*services().random));
}

bool TForm9::DrawProblem()
{
    switch (LessonState.MenuChoice) {
    case 2: DrawConversionProblem(); return true;
    case 3: DrawCalculationProblem(); return true;
    default: return false;
    }
}
