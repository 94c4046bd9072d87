#include "lessons/hidden/examples.h"

#include <iterator>

namespace {
// The boxes of each example are the cells its steps fill. The steps go from
// the ones to the thousands; a step whose column carries (or borrows) writes
// the mark above the next column. What each step says is in texts.cpp.
const HiddenExample kExamples[] = {
    // 2548 + 3538 = 6086: the ones of the first number, the tens of the
    // second, the hundreds of the result and the thousands of the first
    // are hidden.
    {" たし算", "+", {2548, 3538, 6086}, 
     {{{{0, 0}, 1, "1"}, {{1, 1}, -1, ""}, {{2, 2}, 3, "1"}, {{0, 3}, -1, ""}}},
     &HiddenAdditionSteps},
    // 5064 - 3847 = 1217: the tens of the first number, the ones and the
    // hundreds of the second and the thousands of the result are hidden.
    {" ひき算", "-", {5064, 3847, 1217}, 
     {{{{1, 0}, 1, "-1"}, {{0, 1}, -1, ""}, {{1, 2}, 3, "-1"}, {{2, 3}, -1, ""}}},
     &HiddenSubtractionSteps},
};

int digitOf(int number, int place)
{
    for (int i = 0; i < place; ++i)
        number /= 10;
    return number % 10;
}
}  // namespace

int HiddenExample::digitAt(HiddenCell cell) const
{
    return digitOf(numbers[cell.row], cell.place);
}

bool HiddenExample::hidden(HiddenCell cell) const
{
    for (const HiddenStep &s : steps)
        if (s.box == cell)
            return true;
    return false;
}

const HiddenExample *HiddenExampleOf(int menuChoice)
{
    if (menuChoice < 1 || menuChoice > int(std::size(kExamples)))
        return nullptr;
    return &kExamples[menuChoice - 1];
}
