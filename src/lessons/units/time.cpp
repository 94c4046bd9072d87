#include "lessons/units/time.h"

#include "frame/lessonstate.h"
#include "frame/platform.h"

namespace {
const char *const kBigPlaceFirst = "大きな位から じゅんに こたえてね！";

// One form of conversion. The texts name the numbers they are written with.
struct ConversionForm {
    int firstKind, lastKind;
    bool split;  // one number split into two units; else two units joined into one
    const char *question;
    const char *testPrompt;
    const char *equation;
    const char *hint;
};
const ConversionForm kConversions[] = {
    {0, 2, false, "{A} 分 {B} 秒 = ? 秒", kBigPlaceFirst, "{A} 分 {B} 秒 = {60A+B} 秒",
     "{A} 分 を {60A} 秒 に かえれば いいよ。"},
    {3, 4, true, "{A} 秒 = ? 分  ? 秒", "分は 百の位で、秒は 十と一の位で こたえてね！",
     "{A} 秒 = {A/60} 分  {A%60} 秒", "{A/60*60} 秒 を {A/60} 分 に かえれば いいよ。"},
    {5, 7, false, "{A} 時間 {B} 分 = ? 分", kBigPlaceFirst, "{A} 時間 {B} 分 = {60A+B} 分",
     "{A} 時間 を {60A} 分 に かえれば いいよ。"},
    {8, 8, true, "{A} 分 = ? 時間  ? 分", "時間は 百の位で、分は 十と一の位で こたえてね！",
     "{A} 分 = {A/60} 時間  {A%60} 分", "{A/60*60} 分 を {A/60} 時間 に かえれば いいよ。"},
};

const ConversionForm &conversionForm(int kind)
{
    for (const ConversionForm &f : kConversions)
        if (kind >= f.firstKind && kind <= f.lastKind)
            return f;
    return kConversions[0];
}

// The worked equation and hint of a calculation, by sign and by whether the
// minutes pass an hour (a carry) or fall short of the minutes taken (a
// borrow).
struct CalculationForm {
    const char *equation;
    const char *hint;
};
const char *const kSumQuestion = "{H} 時  {M} 分 + {D} 分 = ? 時  ? 分 ";
const char *const kDifferenceQuestion = "{H} 時  {M} 分 - {D} 分 = ? 時  ? 分";
const CalculationForm kSums[2] = {
    {"{H} 時  {M} 分 + {D} 分 = {H} 時  {M+D} 分 ", "分は 分どうしで たせば いいよ。"},
    {"{H} 時  {M} 分 + {D} 分 = {H+1} 時  {M+D-60} 分 ",
     "分は 分どうしで たし、60 分（1 時間）\rぶんを 時に くり上げれば いいよ。"},
};
const CalculationForm kDifferences[2] = {
    {"{H} 時  {M} 分 - {D} 分 = {H} 時  {M-D} 分 ", "分は 分どうしで ひけばいいよ。"},
    {"{H} 時  {M} 分 - {D} 分 = {H-1} 時  {M-D+60} 分 ",
     "分どうしでは ひけないので、時から \r１ （60 分）を くり下げて ひけば \rいいよ。"},
};
const char *const kCalculationPrompt = "時 は百の位で、分 は 十と一の位で こたえてね！";

// The word problems: the question, the answer, the lines of the explanation.
struct WordProblem {
    const char *question;
    const char *answer;
    QList<const char *> lines;
};
const WordProblem kWordProblems[8] = {
    {"午前７時１０分から\r１時間３０分後の時こく？",
     "午前 8 時 40 分",
     {"後の 時こくは、たし算で もとめるよ。 ", "時は 時どうしで、分は 分どうしで  ", "たせば いいよ。"}},
    {"午前６時４０分から\r２時間３０分後の時こく？",
     "午前 9 時 10 分",
     {"後の 時こくは、たし算で もとめるよ。 ", "時は 時どうしで、分は　分どうしで たし、",
      "60 分（1 時間）ぶんを 時に くりあげれば ", "いいよ。"}},
    {"午後８時３０分から\r１時間１０分前の時こく？",
     "午後 7 時 20 分",
     {"前の 時こくは、ひき算で もとめるよ。 ", "時は 時どうしで、分は 分どうしで ", "ひけば いいよ。"}},
    {"午後９時２０分から\r２時間３０分前の時こく？",
     "午後 6 時 50 分",
     {"前の 時こくは、ひき算で もとめるよ。 ", "時は 時どうしで ひき、分どうしでは", "ひけないので、時から 1 （60 分）を",
      "くり下げて ひけば いいよ。"}},
    {"午前７時２０分から\r午前９時３０分までの時間？",
     "2 時間 10 分",
     {"２つの 時こくの 間の 時間は、ひき算で ", "もとめるよ。", "時は 時どうしで、分は 分どうしで ", "ひけば いいよ。"}},
    {"午前８時３０分から\r午前１０時１０分までの時間？",
     "1 時間 40 分",
     {"２つの時こくの間の時間は、ひき算で ", "もとめるよ。", "時は 時どうしで ひき、分どうしでは",
      "ひけないので、時から 1 （60 分）を  ", "くり下げて ひけば いいよ。"}},
    {"午前１１時２０分から\r午後１時３０分までの時間？",
     "2 時間 10 分",
     {"２つの時こくの間の時間は、ひき算で ", "もとめるよ。", "午後の 時こくから 午前の 時こくを ",
      "ひく時は、午後の 時こくに 12 時 を たし、", "時は 時どうしで、分は 分どうしで ", "ひけば いいよ。"}},
    {"午前１０時４０分から\r午後２時３０分までの時間？",
     "3 時間 50 分",
     {"２つの時こくの間の時間は、ひき算で ", "もとめるよ。", "午後の 時こくから 午前の 時こくを ひく時は、",
      "午後の 時こくに 12 時 を たし、", "時は 時どうしで ひき、分どうしでは", "ひけないので、時から 1 （60 分）を  ",
      "くり下げて ひけば いいよ。"}},
};

QString u(const char *text)
{
    return QString::fromUtf8(text);
}
}  // namespace

UnitsProblem TimeConversion(int kind, int a, int b)
{
    const ConversionForm &f = conversionForm(kind);
    if (f.split)
        b = 0;
    const UnitsValues v{{"A", a},           {"B", b},           {"60A+B", 60 * a + b}, {"60A", 60 * a},
                        {"A/60", a / 60}, {"A%60", a % 60}, {"A/60*60", (a / 60) * 60}};
    UnitsProblem p{kind, a, b, 0, 0, f.split ? a : 60 * a + b};
    p.text = v.fill(f.question);
    p.testPrompt = u(f.testPrompt);
    p.equation = v.fill(f.equation);
    p.hint = v.fill(f.hint);
    // A split answer is entered as whole minutes (or hours) in the hundreds
    // and what is left in the tens and ones.
    p.weights[Hundreds] = f.split ? 60 : 100;
    return p;
}

UnitsProblem DrawTimeConversion(Random &random)
{
    random.reseed();
    const int kind = random.below(9);
    if (conversionForm(kind).split)
        return TimeConversion(kind, 61 + random.below(178), 0);
    const int a = 1 + random.below(2);
    const int b = 1 + random.below(58);
    return TimeConversion(kind, a, b);
}

UnitsProblem TimeCalculation(int kind, int h, int m, int d)
{
    const bool sum = kind <= 4;
    const bool regroup = sum ? m + d >= 60 : m < d;
    const CalculationForm &f = (sum ? kSums : kDifferences)[regroup ? 1 : 0];
    const UnitsValues v{{"H", h},           {"M", m},         {"D", d},
                        {"H+1", h + 1},     {"M+D", m + d},   {"M+D-60", m + d - 60},
                        {"H-1", h - 1},     {"M-D", m - d},   {"M-D+60", m - d + 60}};
    UnitsProblem p{kind, h, m, d, 0, 60 * h + (sum ? m + d : m - d)};
    p.text = v.fill(sum ? kSumQuestion : kDifferenceQuestion);
    p.testPrompt = u(kCalculationPrompt);
    p.equation = v.fill(f.equation);
    p.hint = u(f.hint);
    p.weights[Hundreds] = 60;  // the hours
    return p;
}

UnitsProblem DrawTimeCalculation(Random &random)
{
    random.reseed();
    const int kind = random.below(9);
    const int h = kind <= 4 ? 1 + random.below(8) : 2 + random.below(7);
    const int m = 10 * (1 + random.below(4));
    const int d = 10 * (1 + random.below(4));
    return TimeCalculation(kind, h, m, d);
}

UnitsProblem TimeWordProblem(int no)
{
    const WordProblem &w = kWordProblems[qBound(1, no, 8) - 1];
    QStringList lines;
    for (const char *line : w.lines)
        lines << u(line);
    UnitsProblem p;
    p.answerable = false;
    p.text = u(w.question);
    p.hint = QStringLiteral("こたえ： ") + u(w.answer) + QStringLiteral("\r\r") + lines.join(QLatin1Char('\r'));
    return p;
}

int NextWordProblemNo(int no)
{
    return no >= 1 && no < 8 ? no + 1 : 1;
}

// ---------------------------------------------------------------- the screen

namespace {
UnitsDesign timeDesign()
{
    UnitsDesign d;
    d.title = QStringLiteral("時間と時こく");
    d.menuText = QStringLiteral(" メニュー");
    d.menuItems.append(QStringLiteral("ぶんしょう"));  // the word problems, studied only
    d.studyText = TimeStudyText();
    d.studyOnlyMenus = {4};
    d.promptAfterRefusal = true;
    return d;
}
}  // namespace

TForm11::TForm11(const Services &services) : TUnitsLesson(services, timeDesign()) {}

void TForm11::DrawConversionProblem()
{
    Pose(DrawTimeConversion(*services().random));
}

void TForm11::DrawCalculationProblem()
{
    Pose(DrawTimeCalculation(*services().random));
}

void TForm11::NextWordProblem()
{
    // The word problem counter is shared with other lessons; whatever it
    // holds, the cycle goes on from 1 to 8.
    LessonState.StepNo = NextWordProblemNo(LessonState.StepNo);
    Pose(TimeWordProblem(LessonState.StepNo));
}

bool TForm11::DrawProblem()
{
    switch (LessonState.MenuChoice) {
    case 2: DrawConversionProblem(); return true;
    case 3: DrawCalculationProblem(); return true;
    case 4: NextWordProblem(); return true;
    default: return false;
    }
}

void TForm11::menuPicked(int menu)
{
    if (menu == 4)
        LessonState.StepNo = 0;
}
