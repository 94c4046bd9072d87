#pragma once
// The random problems of column addition and subtraction, as the test modes
// of the two column lessons pose them and the column drill poses them again:
// plain functions on the random seam, so a test scripts a problem by its draws.
#include <QString>

class Random;

// a + b or a − b, written on one line.
struct ColumnProblem {
    int a = 0;
    int b = 0;
    bool subtract = false;
    int answer() const { return subtract ? a - b : a + b; }
    QString text() const;  // "503 - 48", "950 + 487": the problem as the log keeps it
    QString line() const;  // "503 - 48 = ?": the problem as the pupil first sees it
};

// Reseeds, rolls r = R(9), then draws an addition of `digits` (3 or 4) places:
// three places: a = R(99) + 900 when r is 7 or 8, else R(898) + 101;
//   b = R(8) + 1 when r is 0 or 1, R(88) + 11 when r is 2 or 3, else R(898) + 101;
// four places: a = R(8998) + 1001, then b = R(8998) + 1001 again until the sum
//   stays below 10000, at most 1000 draws of b, else 4657 + 2834.
ColumnProblem DrawColumnAddition(int digits, Random &random);

// Reseeds, rolls r = R(9), then draws a subtraction whose answer is positive:
// three places, by r (each loop at most 1000 pairs, then its fall-back):
//   0 … 3  a = R(899) + 100, b = R(997) + 1 until a > b; else 843 − 465;
//   4, 5   a = (R(8) + 1) × 100 + R(9) (a zero tens), b = R(98) + 1, until the
//          ones of a are below the ones of b; else 304 − 27;
//   6, 7   a = R(899) + 100, b = R(899) + 100 until a < b, then a + 1000 (a
//          borrow from the thousands); else 1216 − 394;
//   8      a = R(5) + 1000, b = R(99) until the ones of a are below those of
//          b (a borrow through two zeros); else 1006 − 68;
// four places: a = R(8999) + 1000, b = R(8999) + 1000 until a > b; else 5246 − 3427.
ColumnProblem DrawColumnSubtraction(int digits, Random &random);
