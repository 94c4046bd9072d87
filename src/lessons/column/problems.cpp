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
    auto pair = [&](int a, int b) { return problem(a, b, true); };
    if (digits == 4)
        return drawUntil([&] { return pair(random.below(8999) + 1000, random.below(8999) + 1000); },
                         [](const ColumnProblem &p) { return p.a > p.b; }, pair(5246, 3427));
    if (r <= 3)
        return drawUntil([&] { return pair(random.below(899) + 100, random.below(997) + 1); },
                         [](const ColumnProblem &p) { return p.a > p.b; }, pair(843, 465));
    if (r <= 5)  // a zero tens: the borrow goes through it to the hundreds
        return drawUntil([&] { return pair((random.below(8) + 1) * 100 + random.below(9), random.below(98) + 1); },
                         [](const ColumnProblem &p) { return p.a % 10 < p.b % 10; }, pair(304, 27));
    if (r <= 7) {  // the first number takes a thousand, so the borrow comes from it
        for (int n = 0; n < kMaxDraws; ++n) {
            const int a = random.below(899) + 100;
            const int b = random.below(899) + 100;
            if (a < b)
                return pair(a + 1000, b);
        }
        return pair(1216, 394);
    }
    // 1000 … 1004: the borrow runs through two zeros.
    return drawUntil([&] { return pair(random.below(5) + 1000, random.below(99)); },
                     [](const ColumnProblem &p) { return p.a % 10 < p.b % 10; }, pair(1006, 68));
}
