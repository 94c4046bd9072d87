#include "lessons/column/problems.h"

#include "frame/platform.h"

namespace {
constexpr int kMaxDraws = 1000;

ColumnProblem problem(int a, int b, bool subtract)
{
    ColumnProblem p;
    p.a = a;
    p.b = b;
    p.subtract = subtract;
    return p;
}

// Draws pairs until `ok` holds, at most kMaxDraws of them; the fall-back
// problem when the last pair still fails.
template <class Draw, class Ok>
ColumnProblem drawUntil(Draw draw, Ok ok, ColumnProblem fallBack)
{
    for (int n = 0; n < kMaxDraws; ++n) {
        const ColumnProblem p = draw();
        if (ok(p))
            return p;
    }
    return fallBack;
}
}  // namespace

QString ColumnProblem::text() const
{
    return QStringLiteral("%1 %2 %3").arg(a).arg(subtract ? QLatin1Char('-') : QLatin1Char('+')).arg(b);
}

QString ColumnProblem::line() const
{
    return text() + QStringLiteral(" = ?");
}

ColumnProblem DrawColumnAddition(int digits, Random &random)
{
    random.reseed();
    const int r = random.below(9);
    if (digits == 4) {
        // The sum never reaches five places.
        const int a = random.below(8998) + 1001;
        return drawUntil([&] { return problem(a, random.below(8998) + 1001, false); },
                         [](const ColumnProblem &p) { return p.answer() < 10000; }, problem(4657, 2834, false));
    }
    // Two ninths add a one-place number, two ninths a two-place number; when
    // r is 7 or 8 the first number is at least 900, so the sum reaches the
    // thousands.
    const int a = (r == 7 || r == 8) ? random.below(99) + 900 : random.below(898) + 101;
    int b;
    if (r <= 1)
        b = random.below(8) + 1;
    else if (r <= 3)
        b = random.below(88) + 11;
    else
        b = random.below(898) + 101;
    return problem(a, b, false);
}

ColumnProblem DrawColumnSubtraction(int digits, Random &random)
{
    random.reseed();
    const int r = random.below(9);
    // Each draw takes its numbers one statement at a time: the order of the
    // draws is the order a scripted test gives them.
    auto pair = [&](int aRange, int aFrom, int bRange, int bFrom) {
        const int a = random.below(aRange) + aFrom;
        const int b = random.below(bRange) + bFrom;
        return problem(a, b, true);
    };
    auto greater = [](const ColumnProblem &p) { return p.a > p.b; };
    // The ones must borrow: the first number's ones are below the second's.
    auto onesBorrow = [](const ColumnProblem &p) { return p.a % 10 < p.b % 10; };
    if (digits == 4)
        return drawUntil([&] { return pair(8999, 1000, 8999, 1000); }, greater, problem(5246, 3427, true));
    if (r <= 3)
        return drawUntil([&] { return pair(899, 100, 997, 1); }, greater, problem(843, 465, true));
    if (r <= 5) {  // a zero tens: the borrow goes through it to the hundreds
        auto zeroTens = [&] {
            const int hundreds = random.below(8) + 1;
            const int ones = random.below(9);
            const int b = random.below(98) + 1;
            return problem(hundreds * 100 + ones, b, true);
        };
        return drawUntil(zeroTens, onesBorrow, problem(304, 27, true));
    }
    if (r <= 7) {  // the first number takes a thousand, so the borrow comes from it
        for (int n = 0; n < kMaxDraws; ++n) {
            const ColumnProblem p = pair(899, 100, 899, 100);
            if (p.a < p.b)
                return problem(p.a + 1000, p.b, true);
        }
        return problem(1216, 394, true);
    }
    // 1000 … 1004: the borrow runs through two zeros.
    return drawUntil([&] { return pair(5, 1000, 99, 0); }, onesBorrow, problem(1006, 68, true));
}
