#include "print/problems.h"

#include "lessons/column/problems.h"
#include "lessons/division/story.h"
#include "lessons/mental/mental.h"
#include "lessons/multiplication/column1.h"
#include "lessons/multiplication/column2.h"
#include "lessons/multiplication/rules.h"
#include "lessons/multiplication/tenshundreds.h"
#include "lessons/multiplication/zerotenhundred.h"
#include "lessons/units/length.h"
#include "lessons/units/time.h"
#include "lessons/units/volume.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

struct TopicRow {
    SheetTopic topic;
    const char *name;
    SheetLayout layout;
};

// Column sheets: three problems across, as many rows as the cells allow.
// Row sheets: short equations in two columns, the units in one.
const TopicRow kTopics[] = {
    {SheetTopic::MentalAddition, "あん算 たし算", {false, 2, 15, 9}},
    {SheetTopic::MentalSubtraction, "あん算 ひき算", {false, 2, 15, 9}},
    {SheetTopic::ColumnAddition3, "ひっ算 たし算（３けた）", {true, 3, 5, 9}},
    {SheetTopic::ColumnAddition4, "ひっ算 たし算（４けた）", {true, 3, 5, 9}},
    {SheetTopic::ColumnSubtraction3, "ひっ算 ひき算（３けた）", {true, 3, 5, 9}},
    {SheetTopic::ColumnSubtraction4, "ひっ算 ひき算（４けた）", {true, 3, 5, 9}},
    {SheetTopic::ByOneDigit, "かけ算の ひっ算（１けたを かける）", {true, 3, 5, 8}},
    {SheetTopic::TwoByTwo, "かけ算の ひっ算（２けた × ２けた）", {true, 3, 3, 9}},
    {SheetTopic::TensAndHundreds, "何十、何百の かけ算", {false, 2, 15, 9}},
    {SheetTopic::Rules, "かけ算の きまり", {false, 2, 15, 9}},
    {SheetTopic::ZeroTenHundred, "0、10、100の かけ算", {false, 2, 15, 9}},
    {SheetTopic::ExactDivision, "わり算（あまり なし）", {false, 2, 15, 9}},
    {SheetTopic::RemainderDivision, "わり算（あまり あり）", {false, 2, 15, 9}},
    {SheetTopic::VolumeConversion, "かさ（へんかん）", {false, 1, 15, 9}},
    {SheetTopic::VolumeCalculation, "かさ（計算）", {false, 1, 15, 9}},
    {SheetTopic::LengthConversion, "長さ（へんかん）", {false, 1, 15, 9}},
    {SheetTopic::LengthCalculation, "長さ（計算）", {false, 1, 15, 9}},
    {SheetTopic::WeightConversion, "重さ（へんかん）", {false, 1, 15, 9}},
    {SheetTopic::WeightCalculation, "重さ（計算）", {false, 1, 15, 9}},
    {SheetTopic::TimeConversion, "時間（へんかん）", {false, 1, 15, 9}},
    {SheetTopic::TimeCalculation, "時こくと 時間（計算）", {false, 1, 15, 9}},
    {SheetTopic::TimeWords, "時こくと 時間（ぶんしょう）", {false, 1, 8, 9}},
};

const TopicRow &rowOf(SheetTopic topic)
{
    for (const TopicRow &r : kTopics)
        if (r.topic == topic)
            return r;
    return kTopics[0];
}

// The signs as they are written on paper.
QString paperText(QString text)
{
    text.replace(QStringLiteral(" x "), QStringLiteral(" × "));
    return text.simplified();
}

// A row problem from the lesson's question with "?" for each unknown and its
// whole equation: the boxes are filled with what the equation writes where
// the question has "?".
SheetProblem rowProblem(const QString &question, const QString &equation, RecordedProblem data)
{
    SheetProblem p;
    p.data = std::move(data);
    const QString q = paperText(question);
    const QString e = paperText(equation);
    const QStringList parts = q.split(QLatin1Char('?'));
    QString pattern = QStringLiteral("^");
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            pattern += QStringLiteral("\\s*(\\d+)\\s*");
        QString part = QRegularExpression::escape(parts[i].trimmed());
        part.replace(QRegularExpression(QStringLiteral("(\\\\\\s)+")), QStringLiteral("\\s*"));
        pattern += part;
    }
    pattern += QStringLiteral("$");
    const QRegularExpressionMatch m = QRegularExpression(pattern).match(e);
    for (int i = 1; i < parts.size(); ++i)
        p.fills << (m.hasMatch() ? m.captured(i) : QString());
    p.question = q;
    p.question.replace(QLatin1Char('?'), QStringLiteral("□"));
    return p;
}

SheetProblem columnProblem(SheetColumn::Op op, int a, int b)
{
    SheetProblem p;
    p.column = true;
    p.work.op = op;
    p.work.a = a;
    p.work.b = b;
    const char *kind = op == SheetColumn::Add ? "add" : op == SheetColumn::Subtract ? "sub" : "mul";
    p.data = {QString::fromLatin1(kind), a, b, {}, {}};
    return p;
}

SheetProblem divisionProblem(const DivisionProblem &d, bool withRemainder)
{
    const QString question = DivisionQuestion(d) + (withRemainder ? QStringLiteral(" あまり ?") : QString());
    QString equation = DivisionEquation(d);
    RecordedProblem data{withRemainder ? QStringLiteral("divrem") : QStringLiteral("div"), d.dividend(), d.divisor,
                         d.quotient, withRemainder ? QVariant(d.remainder) : QVariant()};
    return rowProblem(question, equation, data);
}

SheetProblem unitsProblem(const UnitsProblem &u, int menu)
{
    return rowProblem(u.text, u.equation,
                      {QStringLiteral("units:%1:%2").arg(menu).arg(u.kind), u.a, u.b, u.c, u.d});
}

// A word problem on times of day, its two lines on one: the answer, in
// words, is the first line of the lesson's working ("こたえ： 午前 8 時 40 分").
SheetProblem timeWordProblem(int no)
{
    const UnitsProblem u = TimeWordProblem(no);
    SheetProblem p;
    p.question = u.text;
    p.question.replace(QLatin1Char('\r'), QLatin1Char(' '));
    p.question.remove(QStringLiteral("？"));
    p.question += QStringLiteral("は？ □");
    const QString answer = u.hint.section(QLatin1Char('\r'), 0, 0);
    p.fills << answer.mid(answer.indexOf(QLatin1Char(' ')) + 1).trimmed();
    p.data = {QStringLiteral("words:%1").arg(no), no, {}, {}, {}};
    return p;
}

// The units menu of the record's "units:<menu>:<form>" (1 volume, 2 length,
// 3 time, 4 weight) that a calculation topic poses.
int unitsMenuOf(SheetTopic topic)
{
    switch (topic) {
    case SheetTopic::VolumeCalculation: return 1;
    case SheetTopic::LengthCalculation: return 2;
    case SheetTopic::TimeCalculation: return 3;
    case SheetTopic::WeightCalculation: return 4;
    default: return 0;
    }
}

}  // namespace

// ---------------------------------------------------------------- topics

QList<SheetTopic> SheetTopics()
{
    QList<SheetTopic> all;
    for (const TopicRow &r : kTopics)
        all << r.topic;
    return all;
}

QString SheetTopicName(SheetTopic topic)
{
    return QString::fromUtf8(rowOf(topic).name);
}

SheetLayout SheetLayoutOf(SheetTopic topic)
{
    return rowOf(topic).layout;
}

// ---------------------------------------------------------------- column work

int SheetColumn::answer() const
{
    switch (op) {
    case Add: return a + b;
    case Subtract: return a - b;
    case Multiply: return a * b;
    }
    return 0;
}

QList<int> SheetColumn::resultRows() const
{
    if (twoRules())
        return {a * (b % 10), a * (b / 10), a * b};
    return {answer()};
}

QStringList SheetColumn::marksAbove() const
{
    const int places = Places(std::max({a, b, answer()})) + 1;
    QStringList marks(places);
    if (op == Add) {
        int carry = 0;
        for (int p = 0; p + 1 < places; ++p) {
            carry = (PlaceDigit(a, p) + PlaceDigit(b, p) + carry) / 10;
            if (carry)
                marks[p + 1] = QString::number(carry);
        }
    } else if (op == Subtract) {
        // A place that lends one is written one less (a 0 that lends, having
        // itself borrowed, becomes 9).
        int borrow = 0;
        for (int p = 0; p < Places(a); ++p) {
            const int top = PlaceDigit(a, p) - borrow;
            if (borrow)
                marks[p] = QString::number(top < 0 ? top + 10 : top);
            borrow = top < PlaceDigit(b, p) ? 1 : 0;
        }
    } else if (b < 10) {
        // The carry out of each column, over the next digit multiplied.
        int carry = 0;
        for (int p = 0; p + 1 < Places(a); ++p) {
            carry = (PlaceDigit(a, p) * b + carry) / 10;
            if (carry)
                marks[p + 1] = QString::number(carry);
        }
    }
    return marks;
}

QList<int> SheetColumn::struckPlaces() const
{
    QList<int> struck;
    if (op != Subtract)
        return struck;
    const QStringList marks = marksAbove();
    for (int p = 0; p < marks.size(); ++p)
        if (!marks[p].isEmpty())
            struck << p;
    return struck;
}

// ---------------------------------------------------------------- drawing

SeededRandom::SeededRandom(quint32 seed) : state_(seed)
{
}

int SeededRandom::below(int n)
{
    // splitmix64: the same numbers from the same seed on every machine.
    state_ += 0x9E3779B97F4A7C15ull;
    quint64 z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return n <= 0 ? 0 : int(z % quint64(n));
}

SheetProblem DrawSheetProblem(SheetTopic topic, Random &random)
{
    switch (topic) {
    case SheetTopic::MentalAddition:
    case SheetTopic::MentalSubtraction: {
        const MentalOp op = topic == SheetTopic::MentalAddition ? MentalOp::Add : MentalOp::Subtract;
        const MentalProblem m = DrawMental(op, random);
        return rowProblem(MentalProblemLine(op, m.a, m.b), MentalEquation(op, m.a, m.b),
                          {op == MentalOp::Add ? QStringLiteral("add") : QStringLiteral("sub"), m.a, m.b, {}, {}});
    }
    case SheetTopic::ColumnAddition3:
    case SheetTopic::ColumnAddition4: {
        const ColumnProblem c = DrawColumnAddition(topic == SheetTopic::ColumnAddition3 ? 3 : 4, random);
        return columnProblem(SheetColumn::Add, c.a, c.b);
    }
    case SheetTopic::ColumnSubtraction3:
    case SheetTopic::ColumnSubtraction4: {
        const ColumnProblem c = DrawColumnSubtraction(topic == SheetTopic::ColumnSubtraction3 ? 3 : 4, random);
        return columnProblem(SheetColumn::Subtract, c.a, c.b);
    }
    case SheetTopic::ByOneDigit: {
        // The lesson's menu decides the places of the number multiplied: two,
        // three or four, in turn as the dice fall.
        const ColumnProduct c = DrawByOneDigit(1 + random.below(3), random);
        return columnProblem(SheetColumn::Multiply, c.a, c.b);
    }
    case SheetTopic::TwoByTwo: {
        const ColumnProduct c = DrawByTwoDigits(random);
        return columnProblem(SheetColumn::Multiply, c.a, c.b);
    }
    case SheetTopic::TensAndHundreds: {
        // The mental products and the column ones alike: menu 1 or 2.
        const TensProblem t = DrawTensProblem(1 + random.below(2), random);
        return rowProblem(t.text(), t.equation(), {QStringLiteral("mul"), t.a, t.b, {}, {}});
    }
    case SheetTopic::Rules: {
        const RulesProblem r = DrawRulesProblem(random);
        return rowProblem(r.text, r.equation, {QStringLiteral("rules:%1").arg(r.kind), r.a, r.b, r.c, {}});
    }
    case SheetTopic::ZeroTenHundred: {
        const ZeroTenProblem z = DrawZeroTenProblem(random);
        return rowProblem(z.text, z.equation, {QStringLiteral("mul"), z.n, z.factor, {}, {}});
    }
    case SheetTopic::ExactDivision: return divisionProblem(DrawExactDivision(random), false);
    case SheetTopic::RemainderDivision: return divisionProblem(DrawRemainderDivision(random), true);
    case SheetTopic::VolumeConversion: return unitsProblem(DrawVolumeConversion(random), 1);
    case SheetTopic::VolumeCalculation: return unitsProblem(DrawVolumeCalculation(random), 1);
    case SheetTopic::LengthConversion: return unitsProblem(DrawMetricConversion(LengthTexts, random), 2);
    case SheetTopic::LengthCalculation: return unitsProblem(DrawMetricCalculation(LengthTexts, random), 2);
    case SheetTopic::WeightConversion: return unitsProblem(DrawMetricConversion(WeightTexts, random), 4);
    case SheetTopic::WeightCalculation: return unitsProblem(DrawMetricCalculation(WeightTexts, random), 4);
    case SheetTopic::TimeConversion: return unitsProblem(DrawTimeConversion(random), 3);
    case SheetTopic::TimeCalculation: return unitsProblem(DrawTimeCalculation(random), 3);
    case SheetTopic::TimeWords: return timeWordProblem(1 + random.below(8));
    }
    return {};
}

bool SheetProblemOf(SheetTopic topic, const RecordedProblem &recorded, SheetProblem &problem)
{
    const QString &kind = recorded.kind;
    bool aOk = false, bOk = false;
    const int a = recorded.a.toInt(&aOk);
    const int b = recorded.b.toInt(&bOk);
    if (!aOk || !bOk || a < 0 || b < 0)
        return false;
    const int big = std::max(a, b);
    switch (topic) {
    case SheetTopic::MentalAddition:
    case SheetTopic::MentalSubtraction: {
        const bool add = topic == SheetTopic::MentalAddition;
        if (kind != (add ? QLatin1String("add") : QLatin1String("sub")) || big < 10 || big > 99 || (!add && a <= b))
            return false;
        const MentalOp op = add ? MentalOp::Add : MentalOp::Subtract;
        problem = rowProblem(MentalProblemLine(op, a, b), MentalEquation(op, a, b), {kind, a, b, {}, {}});
        return true;
    }
    case SheetTopic::ColumnAddition3:
    case SheetTopic::ColumnAddition4:
        if (kind != QLatin1String("add") || Places(big) != (topic == SheetTopic::ColumnAddition3 ? 3 : 4) ||
            a + b > 9999)
            return false;
        problem = columnProblem(SheetColumn::Add, a, b);
        return true;
    case SheetTopic::ColumnSubtraction3:
    case SheetTopic::ColumnSubtraction4:
        // The three-place lesson borrows from the thousands too (1216 − 394).
        if (kind != QLatin1String("sub") || a <= b || a > 9999 ||
            Places(b) > (topic == SheetTopic::ColumnSubtraction3 ? 3 : 4) ||
            (topic == SheetTopic::ColumnSubtraction4 && Places(b) < 4))
            return false;
        problem = columnProblem(SheetColumn::Subtract, a, b);
        return true;
    case SheetTopic::ByOneDigit:
        if (kind != QLatin1String("mul") || b < 2 || b > 9 || a < 10 || a > 9999)
            return false;
        problem = columnProblem(SheetColumn::Multiply, a, b);
        return true;
    case SheetTopic::TwoByTwo:
        if (kind != QLatin1String("mul") || a < 10 || a > 99 || b < 10 || b > 99)
            return false;
        problem = columnProblem(SheetColumn::Multiply, a, b);
        return true;
    case SheetTopic::TensAndHundreds: {
        // A weak 九九 fact comes back with its multiplier made tens: 7 x 8 → 7 x 80.
        if (kind != QLatin1String("mul") || a < 1 || a > 9 || b < 1 || b > 9)
            return false;
        const TensProblem t = TensProblemOf(1, a, 10 * b);
        problem = rowProblem(t.text(), t.equation(), {kind, a, 10 * b, {}, {}});
        return true;
    }
    case SheetTopic::ExactDivision: {
        // A division, or a weak 九九 fact asked backwards: 7 x 8 → 56 ÷ 7.
        DivisionProblem d;
        if (kind == QLatin1String("div") && b >= 1 && a % b == 0) {
            d.divisor = b;
            d.quotient = a / b;
        } else if (kind == QLatin1String("mul") && a >= 1 && a <= 9 && b >= 0 && b <= 9) {
            d.divisor = a;
            d.quotient = b;
        } else {
            return false;
        }
        problem = divisionProblem(d, false);
        return true;
    }
    case SheetTopic::RemainderDivision: {
        if (kind != QLatin1String("divrem") || b < 2 || a % b == 0)
            return false;
        DivisionProblem d;
        d.divisor = b;
        d.quotient = a / b;
        d.remainder = a % b;
        problem = divisionProblem(d, true);
        return true;
    }
    case SheetTopic::VolumeCalculation:
    case SheetTopic::LengthCalculation:
    case SheetTopic::WeightCalculation:
    case SheetTopic::TimeCalculation: {
        // "units:<menu>:<form>" with the form's operands, as the units drill
        // records them.
        const QStringList k = kind.split(QLatin1Char(':'));
        const int menu = unitsMenuOf(topic);
        if (k.size() != 3 || k[0] != QLatin1String("units") || k[1].toInt() != menu)
            return false;
        bool formOk = false;
        const int form = k[2].toInt(&formOk);
        if (!formOk || form < 0 || form > 8)
            return false;
        const int c = recorded.c.toInt(), d = recorded.d.toInt();
        UnitsProblem u;
        if (menu == 1)
            u = VolumeCalculation(form, a, b, c, d);
        else if (menu == 3)
            u = TimeCalculation(form, a, b, c);
        else
            u = MetricCalculation(menu == 2 ? LengthTexts : WeightTexts, form, a, b, c, d);
        problem = unitsProblem(u, menu);
        return true;
    }
    default:
        return false;
    }
}

Worksheet MakeWorksheet(const SheetRequest &request)
{
    Worksheet sheet;
    sheet.topic = request.topic;
    sheet.seed = request.seed;
    sheet.title = request.title.trimmed().isEmpty() ? SheetTopicName(request.topic) : request.title.trimmed();
    const int capacity = SheetLayoutOf(request.topic).capacity();
    const int count = request.count <= 0 ? capacity : std::min(request.count, capacity);
    for (const RecordedProblem &weak : request.weakFirst) {
        if (sheet.problems.size() >= count)
            break;
        SheetProblem p;
        if (SheetProblemOf(request.topic, weak, p))
            sheet.problems << p;
    }
    SeededRandom random(request.seed);
    if (request.topic == SheetTopic::TimeWords) {
        // The eight word problems in the lesson's cycle, from one the dice pick.
        for (int no = random.below(8); sheet.problems.size() < count;) {
            no = NextWordProblemNo(no);
            sheet.problems << timeWordProblem(no);
        }
    }
    while (sheet.problems.size() < count)
        sheet.problems << DrawSheetProblem(request.topic, random);
    return sheet;
}
