#include "lessons/units/length.h"

#include "frame/lessonstate.h"
#include "frame/platform.h"

// ---------------------------------------------------------------- the words

const MetricUnitsTexts LengthTexts{
    "km は千の位で、m は 百～一の位で こたえてね！",
    {"{1000A+10B} m = ? km  ? m", "{1000A+10B} m = {A} km  {10B} m", "{1000A} m を {A} km に かえれば いいよ。",
     "km は千の位で、m は 百～一の位で こたえてね！"},
    {"{A} km  {10B} m = ? m", "{A} km  {10B} m = {1000A+10B} m", "{A} km を {1000A} m に かえれば いいよ。",
     "大きな位から じゅんに こたえてね！"},
    {"{P} km  {Q} m + {R} km  {S} m ",
     "= ? km  ? m ",
     {{"{P+R} km  {Q+S} m ", "km は km どうしで、m は m どうしで\rたせば いいよ。"},
      {"{P+R+1} km  {Q+S-1000} m ", "km は km どうしで、m は m どうしで たし、\r1000 m ぶんを 1 km に くり上げれば いいよ。"}}},
    {"{P} km  {Q} m + {Y} m",
     "= ? km  ? m",
     {{"{P} km {Q+Y} m", "m は m どうしで たせば いいよ。"},
      {"{P+K} km {(Q+Y)%1000} m", "m は m どうしで たし、{1000K} m ぶんを \r{K} km に くり上げれば いいよ。"}}},
    {"{P} km  {Q} m - {R} km  {S} m ",
     "= ? km  ? m ",
     {{"{P-R} km  {Q-S} m ", "km は km どうしで、m は m どうしで\rひけば いいよ。"},
      {"{P-R-1} km  {Q-S+1000} m ",
       "km は km どうしで ひき、m どうしでは  \rひけないので、km から 1 (1000 m) を \rくり下げて ひけば いいよ。"}}},
    {"{P} km  {Q} m - {Y} m ",
     "= ? km  ? m",
     {{"{P} km  {Q-Y} m", "m は m どうしで ひけば いいよ。"},
      {"{P-1} km  {Q-Y+1000} m", "m どうしでは ひけないので、km から \r1 （1000 m） を くり下げて\rひけば いいよ。"}}},
};

const MetricUnitsTexts WeightTexts{
    "kg は千の位で、g は 百～一の位で こたえてね！",
    {"{1000A+10B} g = ? kg  ? g", "{1000A+10B} g = {A} kg  {10B} g", "{1000A} g を {A} kg に かえれば いいよ。",
     "kg は千の位で、g は 百～一の位で こたえてね！"},
    {"{A} kg  {10B} g = ? g", "{A} kg  {10B} g = {1000A+10B} g", "{A} kg を {1000A} g に かえれば いいよ。",
     "大きな位から じゅんに こたえてね！"},
    {"{P} kg  {Q} g + {R} kg  {S} g ",
     "= ? kg  ? g ",
     {{"{P+R} kg  {Q+S} g ", "kg は kg どうしで、g は g どうしで\rたせば いいよ。"},
      {"{P+R+1} kg  {Q+S-1000} g ",
       "kg は kg どうしで、g は g どうしで たし、\r1000 g （1 kg）ぶんを kg に くり上げれば \rいいよ。"}}},
    {"{P} kg  {Q} g + {Y} g",
     "= ? kg  ? g",
     {{"{P} kg {Q+Y} g", "g は g どうしで たせば いいよ。"},
      {"{P+K} kg {(Q+Y)%1000} g", "g は g どうしで たし、{1000K} g （{K} kg） \rぶんを kg に くり上げれば いいよ。"}}},
    {"{P} kg  {Q} g - {R} kg  {S} g ",
     "= ? kg  ? g ",
     {{"{P-R} kg  {Q-S} g ", "kg は kg どうしで、g は g どうしで\rひけば いいよ。"},
      {"{P-R-1} kg  {Q-S+1000} g ",
       "kg は kg どうしで ひき、g どうしでは \rひけないので、 kg から 1 （1000 g）を\rくり下げて ひけば いいよ。"}}},
    {"{P} kg  {Q} g - {Y} g ",
     "= ? kg  ? g",
     {{"{P} kg  {Q-Y} g", "g は g どうしで ひけば いいよ。"},
      {"{P-1} kg  {Q-Y+1000} g", "g どうしでは ひけないので、 \rkg から 1 （1000 g）を くり下げて\rひけば いいよ。"}}},
};

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
    UnitsProblem p;
    p.kind = kind;
    p.a = a;
    p.b = b;
    p.answer = v["1000A+10B"];
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

    UnitsProblem problem;
    problem.kind = kind;
    problem.a = p;
    problem.b = q;
    problem.c = c;
    problem.d = d;
    problem.answer = f.sum ? 1000 * p + q + second : 1000 * p + q - second;
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

namespace {
UnitsDesign lengthDesign()
{
    UnitsDesign d;
    d.title = QStringLiteral("長さ");
    d.menuText = QStringLiteral("メニュー");
    d.menuItems = {QStringLiteral("たんい"), QStringLiteral("へんかん"), QStringLiteral("計算")};
    d.studyText = {
        QStringLiteral(""),
        QStringLiteral("　ｍ（メートル）と ｋｍ（キロメートル）は"),
        QStringLiteral("　長さ の「たんい」で、"),
        QStringLiteral("　これらの かんけいは、つぎの とおりだよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　１ｋｍ ＝   １０００ｍ"),
    };
    return d;
}

UnitsDesign weightDesign()
{
    UnitsDesign d = lengthDesign();
    d.title = QStringLiteral("重さ");
    d.studyText = {
        QStringLiteral(""),
        QStringLiteral("　ｇ（グラム）と ｋｇ（キログラム）は"),
        QStringLiteral("　重さ の「たんい」で、"),
        QStringLiteral("　これらの かんけいは、つぎの とおりだよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　１ｋｇ ＝   １０００ｇ"),
    };
    return d;
}
}  // namespace

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

TForm10::TForm10(const Services &services) : TLengthLesson(services, lengthDesign(), LengthTexts) {}

TForm12::TForm12(const Services &services) : TLengthLesson(services, weightDesign(), WeightTexts) {}
