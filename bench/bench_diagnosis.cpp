// How long naming the errors of many wrong answers takes, as the つまずき
// list does over a pupil's record: wrong answers made by the pupils' faulty
// procedures and by one-digit slips on problems of every kind, drawn first,
// then diagnosed one after another.
//
//   bench_diagnosis [answers] [seed]
//
// Prints the time over all answers, per answer, and how many answers each
// error explained.

#include "benchlog.h"
#include "record/diagnosis.h"

#include <QElapsedTimer>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

struct Case {
    ProblemData problem;
    PupilAnswer answer;
    ArithmeticError made;  // the error that wrote it (DigitSlip for a slip)
};

ProblemData drawProblem(std::mt19937 &random)
{
    auto draw = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    constexpr std::array<int, 4> steps{10, 100, 1000, 60};
    ProblemData p{ProblemKind(draw(0, 10)), 0, 0, 0};
    switch (p.kind) {
    case ProblemKind::MentalAddition: p.a = draw(10, 99); p.b = draw(10, 99); break;
    case ProblemKind::ColumnAddition: p.a = draw(100, 9999); p.b = draw(10, 9999); break;
    case ProblemKind::MentalSubtraction: p.a = draw(10, 99); p.b = draw(1, p.a); break;
    case ProblemKind::ColumnSubtraction: p.a = draw(100, 9999); p.b = draw(10, p.a); break;
    case ProblemKind::MultiplyOneDigit: p.a = draw(10, 999); p.b = draw(2, 9); break;
    case ProblemKind::MultiplyTwoDigits: p.a = draw(10, 999); p.b = draw(10, 99); break;
    case ProblemKind::Division: p.b = draw(2, 9); p.a = draw(0, 9 * p.b + p.b - 1); break;
    case ProblemKind::UnitsToSmaller: p.c = steps[size_t(draw(0, 3))]; p.a = draw(1, 9); p.b = draw(1, p.c - 1); break;
    case ProblemKind::UnitsToLarger: p.c = steps[size_t(draw(0, 3))]; p.a = draw(p.c + 1, 9 * p.c); break;
    case ProblemKind::UnitsAddition: p.c = steps[size_t(draw(0, 3))]; p.a = draw(p.c + 1, 9 * p.c); p.b = draw(1, p.c - 1); break;
    case ProblemKind::UnitsSubtraction: p.c = steps[size_t(draw(0, 3))]; p.a = draw(2 * p.c, 9 * p.c); p.b = draw(1, p.c - 1); break;
    }
    return p;
}

// One digit of the right answer changed (of the value, or of a remainder).
PupilAnswer slip(PupilAnswer right, std::mt19937 &random)
{
    std::int64_t &n = right.remainder > 0 && random() % 2 ? right.remainder : right.value;
    int places = 1;
    for (std::int64_t v = n; v >= 10; v /= 10)
        ++places;
    std::int64_t place = 1;
    for (int i = int(random() % unsigned(places)); i > 0; --i)
        place *= 10;
    const int digit = int(n / place % 10);
    const int other = (digit + 1 + int(random() % 9)) % 10;
    n += (other - digit) * place;
    return right;
}

std::vector<Case> drawCases(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<Case> cases;
    cases.reserve(size_t(count));
    while (int(cases.size()) < count) {
        const ProblemData p = drawProblem(random);
        const PupilAnswer right = *RightAnswer(p);
        // A quarter slips, the rest the faulty procedures.
        if (random() % 4 == 0) {
            const PupilAnswer a = slip(right, random);
            if (a != right && a.value >= 0)
                cases.push_back({p, a, ArithmeticError::DigitSlip});
            continue;
        }
        // A procedure of the problem's kind that goes wrong on it; most
        // errors belong to one kind, so a few draws are needed.
        for (int tries = 0; tries < 40; ++tries) {
            const auto made = ArithmeticError(1 + random() % (kArithmeticErrorCount - 2));
            const auto a = FaultyAnswer(p, made, int(random() % 3));
            if (a && *a != right) {
                cases.push_back({p, *a, made});
                break;
            }
        }
    }
    return cases;
}

}  // namespace

int main(int argc, char **argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 2'000'000;
    const unsigned seed = argc > 2 ? unsigned(std::atoi(argv[2])) : 22u;
    const std::vector<Case> cases = drawCases(count, seed);

    std::array<int, kArithmeticErrorCount> named{};
    int asMade = 0;
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuMs();
    for (const Case &c : cases) {
        const ArithmeticError e = Diagnose(c.problem, c.answer);
        ++named[size_t(e)];
        asMade += e == c.made;
    }
    const double cpu = cpuMs() - cpuStart;
    const double ms = double(timer.nsecsElapsed()) / 1e6;

    std::printf("diagnosed %d wrong answers: %.1f ms wall, %.1f ms CPU, %.0f ns CPU an answer (goal: at most 1000 ms)\n",
                count, ms, cpu, cpu * 1e6 / count);
    std::printf("named as the error that made them: %.1f %%\n", 100.0 * asMade / count);
    for (int e = 0; e < kArithmeticErrorCount; ++e)
        std::printf("  %-9d %s\n", named[size_t(e)],
                    e == 0 ? "(none)" : qPrintable(ErrorName(ArithmeticError(e))));
    return cpu <= 1000 ? 0 : 1;
}
