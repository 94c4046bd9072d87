#pragma once
// "ひき算" under "３．ひっ算": written subtraction of three- and four-place
// numbers in columns, with borrowing. A digit of the first row that lends 1
// is struck through and the digit it becomes is written small above it ("9"
// above a 0 the borrow passed through). Study mode works fixed examples step
// by step; test mode poses random problems, the pupil picks the answer's
// digits from the ones up, one column at a time, and the screen draws the
// borrow marks from the problem as the columns are finished.
#include "lessons/column/sheet.h"

#include <QList>
#include <QString>

// How the step of one column of a worked subtraction is put into words.
enum class SubColumn {
    OnesPlain,               // the ones need no borrow
    OnesBorrow,              // the ones borrow from the tens
    OnesThroughZero,         // the tens are 0: the borrow comes from the hundreds through them
    OnesFromThousands,       // tens and hundreds are 0: the borrow comes from the thousands
    TensPlain,               // the tens need no borrow
    TensAfterLending,        // the tens, one less after lending to the ones
    TensBorrowAfterLending,  // the tens lent to the ones and borrow from the hundreds
    TensNine,                // the tens are the 9 a borrow passed through
    TensBorrow,              // the tens borrow from the hundreds
    HundredsLast,            // the hundreds, the last column
    HundredsAfterLendingLast,  // the same, one less after lending to the tens
    HundredsCopyOne,         // what is left of the hundreds goes under the line as it is
    HundredsFromThousands,   // the hundreds borrow from the thousands, which become 0
    HundredsCopyNine,        // the hundreds are the 9 a borrow passed through, the thousands 0
    HundredsAfterLending,    // the hundreds, one less after lending, with the thousands still to come
    ThousandsLast,           // the thousands, the last column
};

struct SubtractionExample {
    int a;
    int b;
    const char *heading;   // Label6
    SubColumn columns[4];  // ones, tens, hundreds, thousands as far as the menu item goes
};

// The worked examples of the two menu items: three places (six), four
// places (four).
extern const ColumnExamples<SubtractionExample> SubtractionExamples;
inline int SubtractionExampleCount(int menu) { return SubtractionExamples.count(menu); }
inline const SubtractionExample &SubtractionExampleAt(int menu, int number)
{
    return SubtractionExamples.at(menu, number);
}
// Step `step` (1 …) of example `number`: its words, the result row, the
// borrow marks it writes and the digits it strikes through.
WorkedStep SubtractionStep(int menu, int number, int step);

// How one way of working a column is put into words, and the marks it
// writes over the first row (each with a stroke through the digit under
// it): a place and what the mark reads, a number by name or a fixed digit.
// In the lines and marks, a, a10, a100, a1000 are the digits of the first
// number, b, b10, b100, b1000 those of the second; A/100 and B/100 the
// numbers without their tens and ones.
struct SubColumnWords {
    const char *lines[9];
    struct Mark {
        int place;
        const char *text;
    } marks[3];
};
const SubColumnWords &SubtractionWords(SubColumn kind);

// The prompt while the pupil works column `column` (0 ones … 3 thousands).
QString SubtractionColumnPrompt(int column);
// The "ポイント" text.
QStringList SubtractionMemo();

// The borrow marks the pupil's finishing column `column` (0 ones, 1 tens,
// 2 hundreds) of a − b writes over the first row, from the problem alone:
// `marks` holds the marks written so far (index = place, empty for none),
// since a digit with a mark reads as its mark. Each mark comes with a stroke
// through the digit under it.
QList<ColumnMark> BorrowMarks(int column, int a, int b, const QString marks[4]);

class TForm7 : public TColumnLesson {
    Q_OBJECT
public:
    explicit TForm7(const Services &services);

    TLabel *Label6;                        // heading of the worked example
    TDigitRow *Label7, *Label8, *Label9;   // the rows: OperandA, OperandB, the result under the rule
    TShape *Shape2, *Shape3, *Shape4;      // strokes through the first row's tens, hundreds, thousands digits
    TLabel *Label10, *Label11, *Label12;   // borrow marks over the struck digits
    TLabel *Label13;                       // the operator "-"
    TLabel *Label14;                       // mark "○" or "×"

    void ResetScreen() override;
    void ShowPickers() override;
    // Each starts from a screen set up afresh.
    void DrawExample() override;
    void DrawProblem() override;
    void CuteButton3Click() override;

protected:
    void PoseTestProblem() override;
    // "一" "十" "百" "千": the answer's digit of that place, from the ones
    // up, one column at a time. The last column stays open after the mark:
    // a new pick there replaces its digit and marks the answer again.
    void picked(int place) override;

private:
    // The pupil finished `column` below the last with the picker `done`:
    // its borrow marks, then the picker `next` of the next column.
    void nextColumn(int column, TComboBox *done, TComboBox *next, bool resetPickers);
    // Column the pupil works now (0 ones … 3 thousands); the last one stays
    // open after the mark, and a new pick there replaces its digit.
    int column_ = 0;
};
