#pragma once
// Why a pupil's answer is wrong. The errors of pupils in written arithmetic
// are systematic: a pupil who forgets a carry forgets it in every column.
// Each error here is a faulty procedure worked digit by digit as the pupil
// works it (a carry dropped, the smaller digit taken from the larger, a
// partial product not moved one place left, ...). An answer is explained by
// an error when that procedure, run on the problem's own operands, writes the
// pupil's answer. Nothing here needs a window or the database.
#include <QString>

#include <cstdint>
#include <optional>

// The kind of a problem, and what its operands a, b and c mean:
//
//   MentalAddition, ColumnAddition        a + b
//   MentalSubtraction, ColumnSubtraction  a − b (a ≥ b)
//   MultiplyOneDigit                      a × b, b one digit (0–9)
//   MultiplyTwoDigits                     a × b, b two digits (10–99)
//   Division                              a ÷ b: the quotient in value, the
//                                         remainder in remainder (0 if none)
//   UnitsToSmaller                        a of the larger unit and b of the
//                                         smaller, in the smaller unit alone:
//                                         1 時間 20 分 → 80 分 is a 1, b 20, c 60
//   UnitsToLarger                         a of the smaller unit in the larger
//                                         and the smaller: 80 分 → 1 時間 20 分
//                                         is a 80, c 60; the answer's value is
//                                         the larger unit, its remainder the
//                                         smaller
//   UnitsAddition, UnitsSubtraction       a + b and a − b (a ≥ b), a and b in the
//                                         smaller unit, the answer in both as
//                                         the pupil picked them: 1 時間 40 分 +
//                                         30 分 is a 100, b 30, c 60, and its
//                                         answer 2 時間 10 分 value 2,
//                                         remainder 10
//
// c is only used by the units kinds: the step between the two units, 10
// (cm–mm, l–dl), 100 (m–cm), 1000 (km–m, kg–g, l–ml) or 60 (時間–分, 分–秒).
// Operands are not negative.
enum class ProblemKind : std::uint8_t {
    MentalAddition,
    ColumnAddition,
    MentalSubtraction,
    ColumnSubtraction,
    MultiplyOneDigit,
    MultiplyTwoDigits,
    Division,
    UnitsToSmaller,
    UnitsToLarger,
    UnitsAddition,
    UnitsSubtraction,
};

struct ProblemData {
    ProblemKind kind = ProblemKind::MentalAddition;
    int a = 0;
    int b = 0;
    int c = 0;
};

// What the pupil answered: the value, and the remainder where the problem
// has one (a division's remainder, the smaller unit of an answer in two
// units).
struct PupilAnswer {
    std::int64_t value = 0;
    std::int64_t remainder = 0;

    friend bool operator==(const PupilAnswer &, const PupilAnswer &) = default;
};

// The errors, in the order that decides when two of them explain the same
// answer.
enum class ArithmeticError : std::uint8_t {
    None,
    CarryForgotten,          // addition: a column's carry dropped
    ColumnSumWritten,        // column addition: a column's whole sum written
    SmallerFromLarger,       // subtraction: the smaller digit taken from the larger
    BorrowNotReduced,        // subtraction: borrowed, the next digit not reduced
    BorrowAcrossZero,        // subtraction: a zero made 9, the digit beyond not reduced
    MultiplyCarryNotAdded,   // multiplication: a column's carry not added
    MultiplyCarryFirst,      // multiplication: the carry added before multiplying
    PartialNotShifted,       // two digits: the tens' partial product not moved left
    RemainderTooLarge,       // division: a remainder not smaller than the divisor
    WrongUnitStep,           // units: 10, 100, 1000 or 60 taken for another, or no carry made
    OperationMixed,          // added instead of subtracting, or the other way
    DigitSlip,               // one digit wrong, the rest right
};

inline constexpr int kArithmeticErrorCount = int(ArithmeticError::DigitSlip) + 1;

// The right answer, or nothing for a problem that cannot be posed (a
// subtraction below zero, a division by zero, a units step of zero).
std::optional<PupilAnswer> RightAnswer(const ProblemData &problem);

// The error that explains the pupil's answer, the first in the order above;
// None for a right answer, an answer no error explains, or a problem that
// cannot be posed.
ArithmeticError Diagnose(const ProblemData &problem, const PupilAnswer &answer);

// The same for a units problem whose answer was read as one number of the
// smaller unit, each picker's place weighed as the problem weighs it: an
// answer in two units, 1 時間 80 分, is 1 × 60 + 80 = 140 分. A faulty
// answer explains it when it weighs the same.
ArithmeticError DiagnoseInSmallerUnit(const ProblemData &problem, std::int64_t given);

// The answer the faulty procedure of `error` writes for the problem. Some
// errors write more than one answer (a units step can be mistaken for each
// of the others, a quotient can stop short by one or more): `variant` picks
// one, from 0. Nothing if the error does not belong to the problem's kind or
// the variant is beyond the last. The answer may be the right one (no carry,
// no error to make). DigitSlip and None write nothing: a slip is no procedure.
std::optional<PupilAnswer> FaultyAnswer(const ProblemData &problem, ArithmeticError error, int variant = 0);

// A short hint in the pupil's words, shown after the right answer.
QString ErrorHint(ArithmeticError error);
// The error's name for the teacher or parent, as in the つまずき list.
QString ErrorName(ArithmeticError error);
// The error's key as the record keeps it ("carry-forgotten"), empty for
// None; and the error of a key, None for one not known.
QString ErrorKey(ArithmeticError error);
ArithmeticError ErrorOfKey(const QString &key);
