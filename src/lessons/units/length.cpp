#include "lessons/units/length.h"

#include "frame/lessonstate.h"
#include "frame/platform.h"

// ---------------------------------------------------------------- the arithmetic

namespace {
QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// The second line of a calculation stands under the first, its "=" about
// under the sign of the terms.
const QString kUnderTerms(22, QLatin1Char(' '));

// The forms of calculation by kind: a sum or a difference, of both units or
// of a plain number of the smaller unit.
struct CalculationForm {
    int firstKind, lastKind;
    bool sum;
    bool bothUnits;  // the second term in both units (R and S), else a plain number Y
    const MetricUnitsTexts::Calculation MetricUnitsTexts::*texts;
};
const CalculationForm kCalculations[] = {
    {0, 2, true, true, &MetricUnitsTexts::sum},
    {3, 4, true, false, &MetricUnitsTexts::sumOfSmaller},
    {5, 7, false, true, &MetricUnitsTexts::difference},
    {8, 8, false, false, &MetricUnitsTexts::differenceOfSmaller},
};

const CalculationForm &calculationForm(int kind)
{
    for (const CalculationForm &f : kCalculations)
        if (kind >= f.firstKind && kind <= f.lastKind)
            return f;
    return kCalculations[0];
}

// The smaller unit's part of a term: 10 to 980, in tens.
int drawTens(Random &random)
{
    return 10 * (1 + random.below(98));
}
}  // namespace

UnitsProblem MetricConversion(const MetricUnitsTexts &units, int kind, int a, int b)
{
    const MetricUnitsTexts::Conversion &f = kind <= 4 ? units.toBoth : units.toSmaller;
    const UnitsValues v{{"A", a}, {"10B", 10 * b}, {"1000A", 1000 * a}, {"1000A+10B", 1000 * a + 10 * b}};
    UnitsProblem p{kind, a, b, 0, 0, v["1000A+10B"]};
    p.text = v.fill(f.question);
    p.testPrompt = u(f.testPrompt);
    p.equation = v.fill(f.equation);
    p.hint = v.fill(f.hint);
    return p;
}

UnitsProblem DrawMetricConversion(const MetricUnitsTexts &units, Random &random)
{
    random.reseed();
    const int kind = random.below(9);
    const int a = 1 + random.below(8);
    const int b = 1 + random.below(98);
    return MetricConversion(units, kind, a, b);
}

UnitsProblem MetricCalculation(const MetricUnitsTexts &units, int kind, int p, int q, int c, int d)
{
    const CalculationForm &f = calculationForm(kind);
    if (!f.bothUnits)
        d = 0;
    const int r = f.bothUnits ? c : 0;
    const int s = d;
    const int y = f.bothUnits ? 0 : c;
    const int k = (q + y) / 1000;  // whole larger units a plain number carries
    const UnitsValues v{
        {"P", p},
        {"Q", q},
        {"R", r},
        {"S", s},
        {"Y", y},
        {"K", k},
        {"1000K", 1000 * k},
        {"P+R", p + r},
        {"P+R+1", p + r + 1},
        {"Q+S", q + s},
        {"Q+S-1000", q + s - 1000},
        {"P+K", p + k},
        {"Q+Y", q + y},
        {"(Q+Y)%1000", (q + y) % 1000},
        {"P-R", p - r},
        {"P-R-1", p - r - 1},
        {"Q-S", q - s},
        {"Q-S+1000", q - s + 1000},
        {"P-1", p - 1},
        {"Q-Y", q - y},
        {"Q-Y+1000", q - y + 1000},
    };
    const int second = f.bothUnits ? 1000 * r + s : y;
    const int smaller = f.bothUnits ? s : y;
    const bool regroup = f.sum ? q + smaller >= 1000 : q < smaller;
    const MetricUnitsTexts::Calculation &t = units.*f.texts;
    const MetricUnitsTexts::Working &w = t.working[regroup ? 1 : 0];
    const QString terms = v.fill(t.terms);

    UnitsProblem problem{kind, p, q, c, d, f.sum ? 1000 * p + q + second : 1000 * p + q - second};
    problem.text = terms + QLatin1Char('\r') + kUnderTerms + u(t.asked);
    problem.testPrompt = u(units.answerPrompt);
    problem.equation = terms + QLatin1Char('\r') + kUnderTerms + QStringLiteral("= ") + v.fill(w.result);
    problem.hint = v.fill(w.hint);
    return problem;
}

UnitsProblem DrawMetricCalculation(const MetricUnitsTexts &units, Random &random)
{
    random.reseed();
    const int kind = random.below(9);
    const CalculationForm &f = calculationForm(kind);
    if (f.sum && f.bothUnits) {
        const auto [p, r] = DrawPairUntil([&] { return std::pair{1 + random.below(8), 1 + random.below(8)}; },
                                          [](auto t) { return t.first + t.second <= 8; }, {3, 2});
        const int q = drawTens(random);
        const int s = drawTens(random);
        return MetricCalculation(units, kind, p, q, r, s);
    }
    if (f.sum) {
        const auto [p, y] = DrawPairUntil([&] { return std::pair{1 + random.below(8), 10 * (10 + random.below(880))}; },
                                          [](auto t) { return t.first + t.second / 1000 <= 8; }, {3, 2100});
        const int q = drawTens(random);
        return MetricCalculation(units, kind, p, q, y, 0);
    }
    if (f.bothUnits) {
        const auto [p, r] = DrawPairUntil([&] { return std::pair{3 + random.below(6), 1 + random.below(6)}; },
                                          [](auto t) { return t.first - t.second >= 2; }, {3, 1});
        const int q = drawTens(random);
        const int s = drawTens(random);
        return MetricCalculation(units, kind, p, q, r, s);
    }
    const int p = 2 + random.below(7);
    const int q = drawTens(random);
    const int y = drawTens(random);
    return MetricCalculation(units, kind, p, q, y, 0);
}

// ---------------------------------------------------------------- the screens

TLengthLesson::TLengthLesson(const Services &services, const UnitsDesign &design, const MetricUnitsTexts &units)
    : TMetricUnitsLesson(services, design), units_(units)
{
}

void TLengthLesson::DrawConversionProblem()
{
    Pose(DrawMetricConversion(units_, *services().random));
}

void TLengthLesson::DrawCalculationProblem()
{
    Pose(DrawMetricCalculation(units_, *services().random));
}

bool TLengthLesson::DrawProblem()
{
    switch (LessonState.MenuChoice) {
    case 2: DrawConversionProblem(); return true;
    case 3: DrawCalculationProblem(); return true;
    default: return false;
    }
}

TForm10::TForm10(const Services &services)
    : TLengthLesson(services, {.title = QStringLiteral("長さ"), .studyText = LengthStudyText()}, LengthTexts)
{
}

TForm12::TForm12(const Services &services)
    : TLengthLesson(services, {.title = QStringLiteral("重さ"), .studyText = WeightStudyText()}, WeightTexts)
{
}
