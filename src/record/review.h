#pragma once
// まちがいなおし: the problems a pupil answered wrongly come back until they
// are answered right three times over growing gaps. Every wrong answer puts
// its problem in the first box, due the next day; a right answer in review
// moves it up a box (due after 3 days, then after 7), and right in the last
// box it is mastered; a wrong answer, in review or in a drill, sends it back
// to the first box. The schedule, the problem as the pupil answers it again
// and its worked column are small functions here, without a window.
#include "record/diagnosis.h"
#include "store/record.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// ---------------------------------------------------------------- the schedule

inline constexpr int ReviewBoxes = 3;
inline constexpr int MasteredBox = ReviewBoxes + 1;

// Days until a problem in `box` is due again: 1, 3, 7.
int ReviewGap(int box);

struct ReviewPlace {
    int box = 1;  // MasteredBox once mastered
    QDate due;    // null once mastered
    bool mastered() const { return box > ReviewBoxes; }
    friend bool operator==(const ReviewPlace &, const ReviewPlace &) = default;
};

// Where a problem goes when it is answered on `day`: from `box` up one when
// right, back to the first box when wrong. A wrong answer outside review
// goes the same way (a new problem comes from "box 0").
ReviewPlace NextReviewPlace(int box, bool right, const QDate &day);

// The write that moves `entry` in the pupil's box after an answer in review
// on `day` (a wrong answer's write already puts it in the first box; this
// agrees with it).
BoundWrite ReviewMove(const QString &pupilId, const ReviewEntry &entry, bool right, const QDate &day);

// "まちがいなおし（５）": full-width digits and brackets.
QString ReviewMenuText(int due);
// A number in full-width digits: 12 → "１２".
QString FullWidthNumber(int n);

// The form number the review's sessions are recorded with, and its name.
inline constexpr int ReviewForm = 90;
QString ReviewName();

// ---------------------------------------------------------------- problems as data

// The problem of a recorded answer as the diagnosis reads it: sums and
// differences of two places or less are mental, longer ones column work; a
// product by one digit or by two; a division by its dividend and divisor.
// Nothing for a problem the diagnosis has no kind for (units are posed as
// texts with their units).
std::optional<ProblemData> DiagnosisProblem(const RecordedProblem &problem);
// The error that explains a recorded wrong answer; None when none does or
// the answer was right.
ArithmeticError DiagnoseAnswer(const RecordedAnswer &answer);

// ---------------------------------------------------------------- posed again

// One number of an answer, picked digit by digit: its value and how many
// places it has pickers for; the text after it ("あまり", "分").
struct AnswerPart {
    qint64 value = 0;
    int places = 1;
    QString after;
};

// A problem as the review poses it: the problem line as the pupil saw it,
// the numbers of its answer in order (most have one; a division with a
// remainder or a quantity in two units two) and the text before the first.
struct ReviewQuestion {
    QString text;
    QList<AnswerPart> parts;
    bool column = false;  // worked on the worksheet after a wrong answer
};
ReviewQuestion PoseReview(const ReviewEntry &entry);
// The problem line with its answer: "38 + 27 = 65", or the right answer
// under the problem where the line has no "?".
QString ReviewEquation(const ReviewEntry &entry);
// The answer a pupil picked, in the entry's terms: the value (and
// remainder) for a number, a text such as "1 時間 20 分" for units.
RecordedAnswer ReviewAnswer(const ReviewEntry &entry, const QList<qint64> &parts, bool right);

// The times-table fact "a x b" posed for review as a multiplication.
ReviewEntry FactEntry(int a, int b);

// ---------------------------------------------------------------- the worked column

// A column problem worked out as the worksheet shows it: the numbers one
// under the other, the partial products of a two-digit multiplier, the
// answer under the rule, and the small marks over the first row (a carry
// "1", or the digit left after a borrow) with the places struck through.
struct ColumnWork {
    QString sign;             // "+", "-", "x"
    QString top, bottom;      // the two numbers
    QStringList partials;     // a two-digit multiplier's partial products, the tens' one place left
    QString result;
    QMap<int, QString> marks;  // place → mark over the first row
    QList<int> struck;         // places of the first row struck through by a borrow
};
std::optional<ColumnWork> WorkColumn(const ProblemData &problem);
