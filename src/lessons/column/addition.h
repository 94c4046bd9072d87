#pragma once
// "たし算" under "３．ひっ算": written addition of three- and four-place
// numbers in columns. Study mode works fixed examples step by step on the
// worksheet, one column a step from the ones up, with the carries written
// small over the next column. Test mode poses random problems; the pupil
// picks each column's sum (tens digit first when it has two) and the screen
// writes the row and the carries, then marks the finished answer.
#include "lessons/column/sheet.h"

#include <QString>

// How the step of one column of a worked addition is put into words.
enum class AddColumn {
    Plain,        // no carry in or out
    PlainSpaced,  // the same, as the hundreds of the four-place examples word it
    CarryIn,      // adds the carry from the column to its right
    CarryOut,     // the sum reaches 10: its ones go under the line, its 1 over the next column
    CarryInOut,   // both
    Last,         // the highest column: its whole sum goes under the line
    LastCarryIn,  // the same, with a carry in
};

struct AdditionExample {
    int a;
    int b;
    const char *heading;   // Label14
    AddColumn columns[4];  // ones, tens, hundreds, thousands; the highest one used is a Last*
};

// The worked examples of the two menu items: three places (five), four
// places (four).
extern const ColumnExamples<AdditionExample> AdditionExamples;
// How many a menu item has; none for any other item.
inline int AdditionExampleCount(int menu) { return AdditionExamples.count(menu); }
// Example `number` (1 …) of the menu item.
inline const AdditionExample &AdditionExampleAt(int menu, int number) { return AdditionExamples.at(menu, number); }
// Steps of an example: the set-out step, then one per column.
inline int AdditionSteps(int menu) { return menu + 3; }
// Step `step` (1 …) of example `number` of the menu item: its words, the
// result row, the carry mark it writes.
WorkedStep AdditionStep(int menu, int number, int step);

// How one way of working a column is put into words. The first line follows
// the place's name (AdditionPlaceWords); x and y are the two digits of the
// column, s its sum with any carry, d the digit that goes under the line.
struct AddColumnWords {
    bool carryIn;
    bool carryOut;  // writes "1" over the next column
    const char *lines[6];
};
const AddColumnWords &AdditionWords(AddColumn kind);
// "　一の位の " … "　千の位の ": the start of column `column`'s words.
QString AdditionPlaceWords(int column);

// The prompt while the pupil works column `stage` (0 ones … 3 thousands).
QString AdditionColumnPrompt(int stage);
// The "ポイント" text.
QStringList AdditionMemo();

class TForm6 : public TColumnLesson {
    Q_OBJECT
public:
    explicit TForm6(const Services &services);

    TDigitRow *Label6, *Label7, *Label8;  // the rows: OperandA, OperandB, the result under the rule
    TLabel *Label14;                      // heading of the worked example, over the problem line
    TLabel *Label12;                      // the operator "+"
    TLabel *Label9, *Label10, *Label11;   // carry marks over the tens, hundreds, thousands
    TLabel *Label13;                      // mark "○" or "×"

    void ResetScreen() override;
    void ShowPickers() override;
    void CuteButton3Click() override;

protected:
    void PoseTestProblem() override;
    void picked(int place) override;

private:
    // The pupil's column sums are taken only for a problem on screen and
    // not yet marked; after the mark the pickers only keep their pick.
    bool working() const { return posed() && !marked_; }
    // Writes the digit of a finished column in front of the result row.
    void prependDigit(int digit);
    void askColumn(int stage);
    // The pickers' picks, "一" "十" "百" "千".
    void onesPicked();
    void tensPicked();
    void hundredsPicked();
    void thousandsPicked();
    void markSum();

    bool marked_ = false;
};
