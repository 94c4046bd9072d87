#include "record/diagnosis.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

using i64 = std::int64_t;

// A number's digits, ones first; zero has the one digit 0.
struct Digits {
    std::array<int, 20> d;  // only the first n are set
    int n = 0;

    explicit Digits(i64 v)
    {
        if (v <= 0xffffffff) {
            // An operand: 32-bit division is several times quicker.
            auto u = std::uint32_t(v);
            do {
                d[size_t(n++)] = int(u % 10);
                u /= 10;
            } while (u > 0);
            return;
        }
        do {
            d[size_t(n++)] = int(v % 10);
            v /= 10;
        } while (v > 0);
    }
    int at(int i) const { return i < n ? d[size_t(i)] : 0; }
};

// An answer written column by column, ones first: each column writes a
// piece, one digit as a rule, or more (a column's whole sum, the top
// column's product). Too long a number for an answer is no answer.
class Written {
public:
    void put(int piece)
    {
        int width = 1;
        i64 scale = 10;
        while (piece >= scale) {
            scale *= 10;
            ++width;
        }
        if (digits_ + width > 18) {
            ok_ = false;
            return;
        }
        value_ += piece * place_;
        place_ *= scale;
        digits_ += width;
    }
    std::optional<i64> value() const { return ok_ ? std::optional<i64>(value_) : std::nullopt; }

private:
    i64 value_ = 0;
    i64 place_ = 1;
    int digits_ = 0;
    bool ok_ = true;
};

bool isAddition(ProblemKind k)
{
    return k == ProblemKind::MentalAddition || k == ProblemKind::ColumnAddition;
}
bool isSubtraction(ProblemKind k)
{
    return k == ProblemKind::MentalSubtraction || k == ProblemKind::ColumnSubtraction;
}
bool isMultiplication(ProblemKind k)
{
    return k == ProblemKind::MultiplyOneDigit || k == ProblemKind::MultiplyTwoDigits;
}
bool hasRemainder(ProblemKind k)
{
    return k == ProblemKind::Division || k == ProblemKind::UnitsToLarger || k == ProblemKind::UnitsAddition ||
           k == ProblemKind::UnitsSubtraction;
}

bool valid(const ProblemData &p)
{
    if (p.a < 0 || p.b < 0 || p.c < 0)
        return false;
    switch (p.kind) {
    case ProblemKind::MentalSubtraction:
    case ProblemKind::ColumnSubtraction:
        return p.a >= p.b;
    case ProblemKind::MultiplyOneDigit:
        return p.b <= 9;
    case ProblemKind::MultiplyTwoDigits:
        return p.b >= 10 && p.b <= 99;
    case ProblemKind::Division:
        return p.b > 0;
    case ProblemKind::UnitsToSmaller:
    case ProblemKind::UnitsToLarger:
    case ProblemKind::UnitsAddition:
        return p.c > 0;
    case ProblemKind::UnitsSubtraction:
        return p.c > 0 && p.a >= p.b;
    default:
        return true;
    }
}

// Addition with every carry dropped: each column writes the ones of its
// sum, the top column its whole sum (358 + 267 → 515, 58 + 67 → 115).
std::optional<i64> addWithoutCarry(const Digits &x, const Digits &y)
{
    const int n = std::max(x.n, y.n);
    Written w;
    for (int i = 0; i < n; ++i) {
        const int s = x.at(i) + y.at(i);
        w.put(i + 1 < n ? s % 10 : s);
    }
    return w.value();
}

// Addition with each column's whole sum written in its place (47 + 38 → 715).
std::optional<i64> addColumnSums(const Digits &x, const Digits &y)
{
    const int n = std::max(x.n, y.n);
    Written w;
    for (int i = 0; i < n; ++i)
        w.put(x.at(i) + y.at(i));
    return w.value();
}

enum class SubtractionFault { SmallerFromLarger, BorrowNotReduced, BorrowAcrossZero };

// Column subtraction with one of the pupils' faults, a ≥ b.
std::optional<i64> subtractFaulty(Digits x, const Digits &y, SubtractionFault fault)
{
    Written w;
    for (int i = 0; i < x.n; ++i) {
        int top = x.d[size_t(i)];
        const int bottom = y.at(i);
        if (fault == SubtractionFault::SmallerFromLarger) {
            w.put(top >= bottom ? top - bottom : bottom - top);
            continue;
        }
        if (top < bottom) {
            if (fault == SubtractionFault::BorrowAcrossZero) {
                // Borrow: each zero on the way becomes 9; the digit that
                // lends is reduced only when it is the next one.
                int j = i + 1;
                while (j < x.n && x.d[size_t(j)] == 0)
                    x.d[size_t(j++)] = 9;
                if (j == x.n)
                    return std::nullopt;
                if (j == i + 1)
                    --x.d[size_t(j)];
            }
            top += 10;  // BorrowNotReduced: the ten is taken, nothing is given back
        }
        w.put(top - bottom);
    }
    return w.value();
}

enum class MultiplicationFault { CarryNotAdded, CarryFirst };

// A number times one digit, worked column by column with a fault: the carry
// not added to the next product, or added to the next digit before it is
// multiplied. The top column writes its whole product (234 × 5 → 1050, 2050).
std::optional<i64> multiplyFaulty(const Digits &x, int k, MultiplicationFault fault)
{
    Written w;
    int carry = 0;
    for (int i = 0; i < x.n; ++i) {
        const int product = fault == MultiplicationFault::CarryFirst ? (x.d[size_t(i)] + carry) * k : x.d[size_t(i)] * k;
        if (i + 1 < x.n) {
            w.put(product % 10);
            carry = product / 10;
        } else {
            w.put(product);
        }
    }
    return w.value();
}

// By two digits: the partial products of the ones and of the tens, each with
// the same fault, added with the tens' one place left as they should be.
std::optional<i64> multiplyTwoFaulty(const Digits &x, int b, MultiplicationFault fault)
{
    const auto ones = multiplyFaulty(x, b % 10, fault);
    const auto tens = multiplyFaulty(x, b / 10, fault);
    if (!ones || !tens)
        return std::nullopt;
    return *ones + *tens * 10;
}

constexpr std::array<int, 4> kUnitSteps{10, 100, 1000, 60};

// The `variant`th of the unit steps other than the problem's own.
std::optional<int> otherStep(int own, int variant)
{
    for (int step : kUnitSteps)
        if (step != own && variant-- == 0)
            return step;
    return std::nullopt;
}

// A sum or difference of two quantities worked unit by unit, the larger
// units and the smaller apart, with the carry into the larger unit made at
// the wrong step (1 時間 40 分 + 30 分 → 1 時間 70 分, carried at 100), or
// the borrow of one larger unit taken as the wrong step (2 時間 10 分 − 30 分
// → 1 時間 80 分). The variant after the other steps is a sum whose carry is
// never made (2 km 600 m + 700 m → 2 km 1300 m).
std::optional<PupilAnswer> unitsCalculation(const ProblemData &p, int variant)
{
    const i64 c = p.c;
    const auto other = otherStep(p.c, variant);
    const bool noCarry = !other && p.kind == ProblemKind::UnitsAddition && variant > 0 && otherStep(p.c, variant - 1);
    if (!other && !noCarry)
        return std::nullopt;
    const i64 step = other ? *other : INT64_MAX;
    i64 large = 0, small = 0;
    if (p.kind == ProblemKind::UnitsAddition) {
        large = p.a / c + p.b / c;
        small = p.a % c + p.b % c;
        if (small >= step) {
            small -= step;
            ++large;
        }
    } else {
        large = p.a / c - p.b / c;
        small = p.a % c - p.b % c;
        if (small < 0) {
            small += step;
            --large;
        }
    }
    if (large < 0 || small < 0)
        return std::nullopt;
    return PupilAnswer{large, small};
}

// A one-digit slip: the two numbers differ in exactly one place; `places`
// counts the places compared.
int differingPlaces(i64 right, i64 given, int &places)
{
    const Digits x(right), y(given);
    const int n = std::max(x.n, y.n);
    places += n;
    int differ = 0;
    for (int i = 0; i < n; ++i)
        differ += x.at(i) != y.at(i);
    return differ;
}

// The errors a problem of a kind can show, in the order that decides;
// DigitSlip, which any can show, is tried after them.
std::span<const ArithmeticError> errorsOf(ProblemKind kind)
{
    using E = ArithmeticError;
    static constexpr E mentalAddition[] = {E::CarryForgotten, E::OperationMixed};
    static constexpr E columnAddition[] = {E::CarryForgotten, E::ColumnSumWritten, E::OperationMixed};
    static constexpr E subtraction[] = {E::SmallerFromLarger, E::BorrowNotReduced, E::BorrowAcrossZero,
                                        E::OperationMixed};
    static constexpr E oneDigit[] = {E::MultiplyCarryNotAdded, E::MultiplyCarryFirst, E::OperationMixed};
    static constexpr E twoDigits[] = {E::MultiplyCarryNotAdded, E::MultiplyCarryFirst, E::PartialNotShifted,
                                      E::OperationMixed};
    static constexpr E division[] = {E::RemainderTooLarge};
    static constexpr E units[] = {E::WrongUnitStep};
    switch (kind) {
    case ProblemKind::MentalAddition: return mentalAddition;
    case ProblemKind::ColumnAddition: return columnAddition;
    case ProblemKind::MentalSubtraction:
    case ProblemKind::ColumnSubtraction: return subtraction;
    case ProblemKind::MultiplyOneDigit: return oneDigit;
    case ProblemKind::MultiplyTwoDigits: return twoDigits;
    case ProblemKind::Division: return division;
    case ProblemKind::UnitsToSmaller:
    case ProblemKind::UnitsToLarger:
    case ProblemKind::UnitsAddition:
    case ProblemKind::UnitsSubtraction: return units;
    }
    return {};
}

std::optional<PupilAnswer> only(std::optional<i64> v)
{
    if (!v)
        return std::nullopt;
    return PupilAnswer{*v, 0};
}

}  // namespace

std::optional<PupilAnswer> RightAnswer(const ProblemData &p)
{
    if (!valid(p))
        return std::nullopt;
    const i64 a = p.a, b = p.b, c = p.c;
    switch (p.kind) {
    case ProblemKind::MentalAddition:
    case ProblemKind::ColumnAddition:
        return PupilAnswer{a + b, 0};
    case ProblemKind::MentalSubtraction:
    case ProblemKind::ColumnSubtraction:
        return PupilAnswer{a - b, 0};
    case ProblemKind::MultiplyOneDigit:
    case ProblemKind::MultiplyTwoDigits:
        return PupilAnswer{a * b, 0};
    case ProblemKind::Division:
        return PupilAnswer{a / b, a % b};
    case ProblemKind::UnitsToSmaller:
        return PupilAnswer{a * c + b, 0};
    case ProblemKind::UnitsToLarger:
        return PupilAnswer{a / c, a % c};
    case ProblemKind::UnitsAddition:
        return PupilAnswer{(a + b) / c, (a + b) % c};
    case ProblemKind::UnitsSubtraction:
        return PupilAnswer{(a - b) / c, (a - b) % c};
    }
    return std::nullopt;
}

namespace {

// The faulty procedure of `error` on a valid problem whose operands a and b
// have the digits x and y.
std::optional<PupilAnswer> faulty(const ProblemData &p, const Digits &x, const Digits &y, ArithmeticError error,
                                  int variant)
{
    const ProblemKind k = p.kind;
    const i64 a = p.a, b = p.b;
    if (error == ArithmeticError::RemainderTooLarge) {
        // The quotient stopped short by 1 + variant; what is left is the remainder.
        if (k != ProblemKind::Division || a / b - 1 - variant < 0)
            return std::nullopt;
        const i64 q = a / b - 1 - variant;
        return PupilAnswer{q, a - q * b};
    }
    if (error == ArithmeticError::WrongUnitStep) {
        if (k == ProblemKind::UnitsAddition || k == ProblemKind::UnitsSubtraction)
            return unitsCalculation(p, variant);
        if (k != ProblemKind::UnitsToSmaller && k != ProblemKind::UnitsToLarger)
            return std::nullopt;
        const auto step = otherStep(p.c, variant);
        if (!step)
            return std::nullopt;
        if (k == ProblemKind::UnitsToSmaller)
            return PupilAnswer{a * *step + b, 0};
        return PupilAnswer{a / *step, a % *step};
    }
    if (variant > 0)
        return std::nullopt;
    switch (error) {
    case ArithmeticError::CarryForgotten:
        return isAddition(k) ? only(addWithoutCarry(x, y)) : std::nullopt;
    case ArithmeticError::ColumnSumWritten:
        return k == ProblemKind::ColumnAddition ? only(addColumnSums(x, y)) : std::nullopt;
    case ArithmeticError::SmallerFromLarger:
        return isSubtraction(k) ? only(subtractFaulty(x, y, SubtractionFault::SmallerFromLarger)) : std::nullopt;
    case ArithmeticError::BorrowNotReduced:
        return isSubtraction(k) ? only(subtractFaulty(x, y, SubtractionFault::BorrowNotReduced)) : std::nullopt;
    case ArithmeticError::BorrowAcrossZero:
        return isSubtraction(k) ? only(subtractFaulty(x, y, SubtractionFault::BorrowAcrossZero)) : std::nullopt;
    case ArithmeticError::MultiplyCarryNotAdded:
    case ArithmeticError::MultiplyCarryFirst: {
        const auto fault = error == ArithmeticError::MultiplyCarryFirst ? MultiplicationFault::CarryFirst
                                                                        : MultiplicationFault::CarryNotAdded;
        if (k == ProblemKind::MultiplyOneDigit)
            return only(multiplyFaulty(x, int(b), fault));
        if (k == ProblemKind::MultiplyTwoDigits)
            return only(multiplyTwoFaulty(x, int(b), fault));
        return std::nullopt;
    }
    case ArithmeticError::PartialNotShifted:
        return k == ProblemKind::MultiplyTwoDigits ? only(a * (b % 10) + a * (b / 10)) : std::nullopt;
    case ArithmeticError::OperationMixed:
        if (isAddition(k))
            return PupilAnswer{a >= b ? a - b : b - a, 0};
        if (isSubtraction(k) || isMultiplication(k))
            return PupilAnswer{a + b, 0};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

}  // namespace

std::optional<PupilAnswer> FaultyAnswer(const ProblemData &p, ArithmeticError error, int variant)
{
    if (!valid(p) || variant < 0)
        return std::nullopt;
    return faulty(p, Digits(p.a), Digits(p.b), error, variant);
}

ArithmeticError Diagnose(const ProblemData &p, const PupilAnswer &answer)
{
    const auto right = RightAnswer(p);
    if (!right || answer == *right || answer.value < 0 || answer.remainder < 0)
        return ArithmeticError::None;
    if (!hasRemainder(p.kind) && answer.remainder != 0)
        return ArithmeticError::None;
    const Digits x(p.a), y(p.b);
    for (const ArithmeticError error : errorsOf(p.kind)) {
        if (error == ArithmeticError::RemainderTooLarge) {
            // Every short quotient at once: the answer adds up to the
            // dividend, with too much left over.
            if (answer.remainder >= p.b && answer.value * p.b + answer.remainder == p.a)
                return error;
            continue;
        }
        // The other steps, and the carry never made.
        const int variants = error == ArithmeticError::WrongUnitStep ? int(kUnitSteps.size()) + 1 : 1;
        for (int variant = 0; variant < variants; ++variant) {
            const auto written = faulty(p, x, y, error, variant);
            if (written && *written == answer && *written != *right)
                return error;
        }
    }
    int places = 0;
    int differ = differingPlaces(right->value, answer.value, places);
    // A remainder of none on both sides is no place the pupil got right:
    // 24 ÷ 4 → 7 is a wrong fact, not a slip.
    if (hasRemainder(p.kind) && (right->remainder != 0 || answer.remainder != 0))
        differ += differingPlaces(right->remainder, answer.remainder, places);
    if (differ == 1 && places >= 2)
        return ArithmeticError::DigitSlip;
    return ArithmeticError::None;
}

namespace {

// Each error's key in the record, name for the adult and hint for the pupil,
// in the errors' order. A key, once recorded, never changes.
struct ErrorWords {
    const char *key;
    const char *name;
    const char *hint;
};
constexpr ErrorWords kErrorWords[kArithmeticErrorCount] = {
    {"", "", ""},  // None
    {"carry-forgotten", "くり上がりの わすれ",
     "くり上がりを たすのを わすれたかな？"},
    {"column-sum-written", "くらいの 和を そのまま 書いた",
     "たして 2けたに なったら、1を となりの くらいへ くり上げようね。"},
    {"smaller-from-larger", "くらいごとに 大きい 数から 小さい 数を ひいた",
     "上の 数が 小さくて ひけない ときは、となりの くらいから くり下げようね。"},
    {"borrow-not-reduced", "くり下げた くらいの へらしわすれ",
     "くり下げた となりの くらいを 1 へらしたかな？"},
    {"borrow-across-zero", "0を こえる くり下がりの まちがい",
     "0を 9に したら、その 先の くらいも 1 へらそうね。"},
    {"multiply-carry-not-added", "かけ算の くり上がりの わすれ",
     "かけ算の くり上がりを たすのを わすれたかな？"},
    {"multiply-carry-first", "くり上がりを かける 前に たした",
     "くり上がりは、かけてから たそうね。"},
    {"partial-not-shifted", "2だん目の 答えの ずらしわすれ",
     "十の くらいを かけた 答えは、1つ 左に ずらして 書こうね。"},
    {"remainder-too-large", "あまりが わる数 以上",
     "あまりが わる数より 小さく なって いるかな？"},
    {"wrong-unit-step", "たんいの しくみの まちがい",
     "1時間は 60分、1mは 100cm、1kmは 1000m。たんいの かわりかたを たしかめようね。"},
    {"operation-mixed", "計算の しゅるいの とりちがえ",
     "＋、−、×の しるしを よく 見たかな？"},
    {"digit-slip", "1つの くらいの うっかりミス",
     "おしい！ 1つの くらいだけ ちがうよ。見なおして みようね。"},
};

}  // namespace

QString ErrorHint(ArithmeticError error)
{
    if (size_t(error) >= std::size(kErrorWords))
        return {};
    return QString::fromUtf8(kErrorWords[size_t(error)].hint);
}

QString ErrorName(ArithmeticError error)
{
    if (size_t(error) >= std::size(kErrorWords))
        return {};
    return QString::fromUtf8(kErrorWords[size_t(error)].name);
}

ArithmeticError DiagnoseInSmallerUnit(const ProblemData &p, std::int64_t given)
{
    if (p.kind == ProblemKind::UnitsToSmaller || !hasRemainder(p.kind) || p.kind == ProblemKind::Division)
        return Diagnose(p, {given, 0});
    const auto right = RightAnswer(p);
    auto weighed = [&](const PupilAnswer &a) { return a.value * p.c + a.remainder; };
    if (!right || given < 0 || given == weighed(*right))
        return ArithmeticError::None;
    for (int variant = 0; variant <= int(kUnitSteps.size()); ++variant) {
        const auto written = FaultyAnswer(p, ArithmeticError::WrongUnitStep, variant);
        if (written && weighed(*written) == given && weighed(*written) != weighed(*right))
            return ArithmeticError::WrongUnitStep;
    }
    // Else as the pupil would have picked it, the smaller unit below the step.
    return Diagnose(p, {given / p.c, given % p.c});
}

QString ErrorKey(ArithmeticError error)
{
    if (size_t(error) >= std::size(kErrorWords))
        return {};
    return QString::fromLatin1(kErrorWords[size_t(error)].key);
}

ArithmeticError ErrorOfKey(const QString &key)
{
    for (size_t e = 1; e < std::size(kErrorWords); ++e)
        if (key == QLatin1String(kErrorWords[e].key))
            return ArithmeticError(e);
    return ArithmeticError::None;
}
