// Why an answer is wrong: the errors named for pupils' wrong answers, worked
// as the faulty procedures they are, and the order that decides between two
// errors that write the same answer.
#include "record/diagnosis.h"

#include <QtTest>

#include <random>

Q_DECLARE_METATYPE(ProblemKind)
Q_DECLARE_METATYPE(ArithmeticError)

namespace {
using E = ArithmeticError;
using K = ProblemKind;

void row(const char *name, K kind, int a, int b, int c, qint64 value, qint64 remainder, E error)
{
    QTest::newRow(name) << kind << a << b << c << value << remainder << error;
}
}  // namespace

class DiagnosisTest : public QObject {
    Q_OBJECT
private slots:
    void diagnose_data();
    void diagnose();
    void faultyAnswersAreDiagnosedInOrder();
    void diagnoseInSmallerUnit_data();
    void diagnoseInSmallerUnit();
};

void DiagnosisTest::diagnose_data()
{
    QTest::addColumn<ProblemKind>("kind");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("remainder");
    QTest::addColumn<ArithmeticError>("error");

    // Addition. A carry-forgetting pupil still writes the top column's whole
    // sum; the column sums are a column problem's error only.
    row("358+267 carry forgotten", K::ColumnAddition, 358, 267, 0, 515, 0, E::CarryForgotten);
    row("38+27 mental, carry forgotten", K::MentalAddition, 38, 27, 0, 55, 0, E::CarryForgotten);
    row("58+67 carry forgotten, top sum whole", K::ColumnAddition, 58, 67, 0, 115, 0, E::CarryForgotten);
    row("999+1 carry forgotten", K::ColumnAddition, 999, 1, 0, 990, 0, E::CarryForgotten);
    row("47+38 column sums written", K::ColumnAddition, 47, 38, 0, 715, 0, E::ColumnSumWritten);
    row("358+267 column sums written", K::ColumnAddition, 358, 267, 0, 51115, 0, E::ColumnSumWritten);
    row("47+38 mental: column sums not a mental error", K::MentalAddition, 47, 38, 0, 715, 0, E::None);
    row("358+267 right", K::ColumnAddition, 358, 267, 0, 625, 0, E::None);
    row("358+267 subtracted instead", K::ColumnAddition, 358, 267, 0, 91, 0, E::OperationMixed);
    row("358+267 one digit slipped", K::ColumnAddition, 358, 267, 0, 635, 0, E::DigitSlip);
    row("358+267 a digit too many", K::ColumnAddition, 358, 267, 0, 1625, 0, E::DigitSlip);
    row("358+267 unexplained", K::ColumnAddition, 358, 267, 0, 100, 0, E::None);
    row("38+27 with a remainder", K::MentalAddition, 38, 27, 0, 65, 1, E::None);

    // Subtraction. 52 − 17 → 45 is also a borrow not given back: the
    // smaller-from-larger error comes first.
    row("503-48 smaller from larger", K::ColumnSubtraction, 503, 48, 0, 545, 0, E::SmallerFromLarger);
    row("52-17 mental, smaller from larger", K::MentalSubtraction, 52, 17, 0, 45, 0, E::SmallerFromLarger);
    row("1002-27 smaller from larger", K::ColumnSubtraction, 1002, 27, 0, 1025, 0, E::SmallerFromLarger);
    row("305-123 smaller from larger: 0 - 2 written as 2", K::ColumnSubtraction, 305, 123, 0, 222, 0, E::SmallerFromLarger);
    row("503-48 borrow not reduced", K::ColumnSubtraction, 503, 48, 0, 565, 0, E::BorrowNotReduced);
    row("1002-27 borrow not reduced", K::ColumnSubtraction, 1002, 27, 0, 1085, 0, E::BorrowNotReduced);
    row("1002-27 borrow across zero", K::ColumnSubtraction, 1002, 27, 0, 1975, 0, E::BorrowAcrossZero);
    row("503-48 borrow across zero", K::ColumnSubtraction, 503, 48, 0, 555, 0, E::BorrowAcrossZero);
    row("4000-1 borrow across zeros", K::ColumnSubtraction, 4000, 1, 0, 4999, 0, E::BorrowAcrossZero);
    row("503-48 right", K::ColumnSubtraction, 503, 48, 0, 455, 0, E::None);
    row("503-48 added instead", K::ColumnSubtraction, 503, 48, 0, 551, 0, E::OperationMixed);
    row("503-48 one digit slipped", K::ColumnSubtraction, 503, 48, 0, 465, 0, E::DigitSlip);
    row("503-48 unexplained", K::ColumnSubtraction, 503, 48, 0, 300, 0, E::None);
    row("48-503 cannot be posed", K::ColumnSubtraction, 48, 503, 0, 455, 0, E::None);

    // Multiplication. By two digits, each partial product can carry the
    // one-digit errors.
    row("234x5 carry not added", K::MultiplyOneDigit, 234, 5, 0, 1050, 0, E::MultiplyCarryNotAdded);
    row("234x5 carry added first", K::MultiplyOneDigit, 234, 5, 0, 2050, 0, E::MultiplyCarryFirst);
    row("405x6 carry added first across a zero", K::MultiplyOneDigit, 405, 6, 0, 3080, 0, E::MultiplyCarryFirst);
    row("405x6 carry not added", K::MultiplyOneDigit, 405, 6, 0, 2400, 0, E::MultiplyCarryNotAdded);
    row("23x45 partial product not shifted", K::MultiplyTwoDigits, 23, 45, 0, 207, 0, E::PartialNotShifted);
    row("23x40 partial product not shifted", K::MultiplyTwoDigits, 23, 40, 0, 92, 0, E::PartialNotShifted);
    row("23x45 carries not added", K::MultiplyTwoDigits, 23, 45, 0, 925, 0, E::MultiplyCarryNotAdded);
    row("234x5 right", K::MultiplyOneDigit, 234, 5, 0, 1170, 0, E::None);
    row("23x45 right", K::MultiplyTwoDigits, 23, 45, 0, 1035, 0, E::None);
    row("234x5 added instead", K::MultiplyOneDigit, 234, 5, 0, 239, 0, E::OperationMixed);
    row("234x5 one digit slipped", K::MultiplyOneDigit, 234, 5, 0, 1270, 0, E::DigitSlip);
    row("7x8 answered with 7x9: two digits wrong", K::MultiplyOneDigit, 7, 8, 0, 63, 0, E::None);
    row("3x3 one digit wrong of one", K::MultiplyOneDigit, 3, 3, 0, 8, 0, E::None);

    // Division with a remainder.
    row("26/4 remainder too large", K::Division, 26, 4, 0, 5, 6, E::RemainderTooLarge);
    row("25/5 remainder equal to the divisor", K::Division, 25, 5, 0, 4, 5, E::RemainderTooLarge);
    row("26/4 quotient two short", K::Division, 26, 4, 0, 4, 10, E::RemainderTooLarge);
    row("26/4 right", K::Division, 26, 4, 0, 6, 2, E::None);
    row("26/4 remainder slipped", K::Division, 26, 4, 0, 6, 3, E::DigitSlip);
    row("24/4 a one-digit quotient wrong: no slip", K::Division, 24, 4, 0, 7, 0, E::None);
    row("24/4 a remainder where there is none", K::Division, 24, 4, 0, 6, 1, E::DigitSlip);
    row("26/4 unexplained", K::Division, 26, 4, 0, 3, 5, E::None);
    row("26/0 cannot be posed", K::Division, 26, 0, 0, 5, 6, E::None);

    // Units: the step between them.
    row("1 h 20 min as 120 min", K::UnitsToSmaller, 1, 20, 60, 120, 0, E::WrongUnitStep);
    row("1 h 20 min right", K::UnitsToSmaller, 1, 20, 60, 80, 0, E::None);
    row("1 h 20 min slipped", K::UnitsToSmaller, 1, 20, 60, 90, 0, E::DigitSlip);
    row("3 m 5 cm as 35 cm", K::UnitsToSmaller, 3, 5, 100, 35, 0, E::WrongUnitStep);
    row("2 km 30 m as 230 m", K::UnitsToSmaller, 2, 30, 1000, 230, 0, E::WrongUnitStep);
    row("2 km 30 m as 2030 m", K::UnitsToSmaller, 2, 30, 1000, 2030, 0, E::None);
    row("80 min as 0 h 80 min", K::UnitsToLarger, 80, 0, 60, 0, 80, E::WrongUnitStep);
    row("150 min as 1 h 50 min", K::UnitsToLarger, 150, 0, 60, 1, 50, E::WrongUnitStep);
    row("80 min as 1 h 20 min", K::UnitsToLarger, 80, 0, 60, 1, 20, E::None);
    row("250 cm as 25 m", K::UnitsToLarger, 250, 0, 100, 25, 0, E::WrongUnitStep);
    // Sums and differences in two units: the carry or borrow between them.
    row("1 h 40 min + 30 min as 1 h 70 min", K::UnitsAddition, 100, 30, 60, 1, 70, E::WrongUnitStep);
    row("1 h 40 min + 30 min right", K::UnitsAddition, 100, 30, 60, 2, 10, E::None);
    row("2 h 10 min - 30 min as 1 h 80 min", K::UnitsSubtraction, 130, 30, 60, 1, 80, E::WrongUnitStep);
    row("2 h 10 min - 30 min right", K::UnitsSubtraction, 130, 30, 60, 1, 40, E::None);
    row("2 km 600 m + 700 m, the carry not made", K::UnitsAddition, 2600, 700, 1000, 2, 1300, E::WrongUnitStep);
    row("2 km 600 m + 700 m carried at 100", K::UnitsAddition, 2600, 700, 1000, 3, 1200, E::WrongUnitStep);
    row("6 l 5 dl + 7 dl right", K::UnitsAddition, 65, 7, 10, 7, 2, E::None);
    row("6 l 5 dl + 7 dl, the litres slipped", K::UnitsAddition, 65, 7, 10, 8, 2, E::DigitSlip);
}

void DiagnosisTest::diagnose()
{
    QFETCH(ProblemKind, kind);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(qint64, value);
    QFETCH(qint64, remainder);
    QFETCH(ArithmeticError, error);

    const ArithmeticError got = Diagnose(ProblemData{kind, a, b, c}, PupilAnswer{value, remainder});
    QCOMPARE(ErrorName(got), ErrorName(error));
    QCOMPARE(int(got), int(error));
    QCOMPARE(ErrorHint(got).isEmpty(), error == E::None);
}

// A units answer read as one number of the smaller unit, its larger unit's
// place weighed by the problem's step: 1 h 80 min is 140 min.
void DiagnosisTest::diagnoseInSmallerUnit_data()
{
    QTest::addColumn<ProblemKind>("kind");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<qint64>("given");
    QTest::addColumn<ArithmeticError>("error");
    auto row = [](const char *name, K kind, int a, int b, int c, qint64 given, E error) {
        QTest::newRow(name) << kind << a << b << c << given << error;
    };
    row("1 h 20 min as 120 min", K::UnitsToSmaller, 1, 20, 60, 120, E::WrongUnitStep);
    row("130 s as 1 min 30 s, weighing 90 s", K::UnitsToLarger, 130, 0, 60, 90, E::WrongUnitStep);
    row("2 h 10 min - 30 min as 1 h 80 min, weighing 140 min", K::UnitsSubtraction, 130, 30, 60, 140,
        E::WrongUnitStep);
    row("3 kg 450 g - 1 kg 500 g as 1 kg 50 g", K::UnitsSubtraction, 3450, 1500, 1000, 1050, E::WrongUnitStep);
    row("1 h 40 min + 30 min as 1 h 70 min weighs the right 130 min", K::UnitsAddition, 100, 30, 60, 130, E::None);
    row("1 h 40 min + 30 min as 2 h 20 min, a slip", K::UnitsAddition, 100, 30, 60, 140, E::DigitSlip);
    row("2 h 10 min - 30 min, unexplained", K::UnitsSubtraction, 130, 30, 60, 7, E::None);
    row("a plain sum is diagnosed as it is", K::ColumnAddition, 358, 267, 0, 515, E::CarryForgotten);
}

void DiagnosisTest::diagnoseInSmallerUnit()
{
    QFETCH(ProblemKind, kind);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(qint64, given);
    QFETCH(ArithmeticError, error);
    QCOMPARE(int(DiagnoseInSmallerUnit(ProblemData{kind, a, b, c}, given)), int(error));
}

// Over random problems of every kind, each faulty procedure's answer, where
// it is wrong, is diagnosed as that error or one before it in the order.
void DiagnosisTest::faultyAnswersAreDiagnosedInOrder()
{
    std::mt19937 random(22);
    auto draw = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    constexpr std::array<int, 4> steps{10, 100, 1000, 60};
    std::array<int, kArithmeticErrorCount> found{};
    for (int i = 0; i < 20000; ++i) {
        ProblemData p{ProblemKind(draw(0, 10)), draw(0, 99999), 0, 0};
        switch (p.kind) {
        case K::MultiplyOneDigit: p.b = draw(2, 9); break;
        case K::MultiplyTwoDigits: p.b = draw(10, 99); break;
        case K::Division: p.a = draw(0, 99); p.b = draw(2, 9); break;
        case K::UnitsToSmaller: p.c = steps[size_t(draw(0, 3))]; p.a = draw(1, 9); p.b = draw(0, p.c - 1); break;
        case K::UnitsToLarger: p.c = steps[size_t(draw(0, 3))]; p.a = draw(p.c, 9 * p.c); break;
        case K::UnitsAddition:
        case K::UnitsSubtraction: p.c = steps[size_t(draw(0, 3))]; p.a = draw(0, 9 * p.c); p.b = draw(0, 2 * p.c); break;
        default: p.b = draw(0, 99999); break;
        }
        if ((p.kind == K::MentalSubtraction || p.kind == K::ColumnSubtraction || p.kind == K::UnitsSubtraction) &&
            p.a < p.b)
            std::swap(p.a, p.b);
        const PupilAnswer right = *RightAnswer(p);
        for (int e = 1; e < int(E::DigitSlip); ++e) {
            for (int v = 0; v < 5; ++v) {
                const auto faulty = FaultyAnswer(p, E(e), v);
                if (!faulty || *faulty == right)
                    continue;
                const E got = Diagnose(p, *faulty);
                if (got == E::None || int(got) > e)
                    QFAIL(qPrintable(QStringLiteral("kind %1: %2, %3, %4 answered %5 r %6 (%7) diagnosed %8")
                                         .arg(int(p.kind)).arg(p.a).arg(p.b).arg(p.c).arg(faulty->value)
                                         .arg(faulty->remainder).arg(ErrorName(E(e)), ErrorName(got))));
                ++found[size_t(got)];
            }
        }
    }
    // Every procedure wrote wrong answers of its own somewhere.
    for (int e = 1; e < int(E::DigitSlip); ++e)
        QVERIFY2(found[size_t(e)] > 0, qPrintable(ErrorName(E(e))));
}

QTEST_MAIN(DiagnosisTest)
#include "tst_diagnosis.moc"
