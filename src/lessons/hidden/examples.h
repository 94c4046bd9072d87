#pragma once
// The two worked examples of hidden-number arithmetic: a column addition and
// a column subtraction of four-place numbers, each with four digits hidden in
// boxes. The pupil finds them one column at a time, from the ones to the
// thousands, and each step says in words how the digit is found. The
// examples are fixed: they are data, not draws.
#include <QString>
#include <array>

// A cell of the column grid. Rows from the top: 0 the first number, 1 the
// second number, 2 the result. Places from the right: 0 ones, 1 tens,
// 2 hundreds, 3 thousands.
struct HiddenCell {
    int row = 0;
    int place = 0;
    bool operator==(const HiddenCell &) const = default;
};

inline constexpr int HiddenRows = 3;
inline constexpr int HiddenPlaces = 4;
inline constexpr int HiddenSteps = 4;

// One step of an example: the box whose digit it finds and the carry or
// borrow mark it writes above the next column (if any).
struct HiddenStep {
    HiddenCell box;
    int markPlace;     // the column the mark stands above; -1 for none
    const char *mark;  // "1" a carry, "-1" a borrow; "" for none
};

// The reasoning in words of each step of an example, lines joined by "\r",
// without the step's heading (texts.cpp).
using HiddenStepTexts = std::array<const char *, HiddenSteps>;
extern const HiddenStepTexts HiddenAdditionSteps;
extern const HiddenStepTexts HiddenSubtractionSteps;

struct HiddenExample {
    const char *menuItem;       // as the menu lists it
    const char *sign;           // "+" or "-", left of the second number
    std::array<int, 3> numbers; // the completed rows: first, second, result
    std::array<HiddenStep, HiddenSteps> steps;  // ones, tens, hundreds, thousands
    const HiddenStepTexts *explanations;        // what each step says

    // The digit that stands in a cell of the completed calculation.
    int digitAt(HiddenCell cell) const;
    // Whether a box hides the digit of this cell until its step.
    bool hidden(HiddenCell cell) const;
};

// The example of a menu choice: 1 the addition, 2 the subtraction; nullptr
// for any other choice.
const HiddenExample *HiddenExampleOf(int menuChoice);
