#include "lessons/hidden/examples.h"

#include <iterator>

namespace {
// The boxes of each example are the cells its steps fill. The steps go from
// the ones to the thousands; a step whose column carries (or borrows) writes
// the mark above the next column, and the step button names the step its
// next press shows.
const HiddenExample kExamples[] = {
    // 2548 + 3538 = 6086: the ones of the first number, the tens of the
    // second, the hundreds of the result and the thousands of the first
    // are hidden.
    {" たし算",
     "+",
     {2548, 3538, 6086},
     {{
            {{0, 0}, 1, "1", "ステップ２",
             "【ステップ１】\r"
             "\r"
             "　一の位で、8 に いくつを たせば  \r"
             "　一の位が 6 に なるかを かんがえると、\r"
             "　8 を たせば 16 に なるので、\r"
             "　□に 8 をかき、十の位の 上に くり上がりの\r"
             "　1 を かく。"},
            {{1, 1}, -1, "", "ステップ３",
             "【ステップ２】\r"
             "\r"
             "　十の位で、4 と くり上がりの 1 に \r"
             "　いくつを たせば 8 に なるかを \r"
             "　かんがえると、3 を たせば よいので、 \r"
             "　□に 3 を かく。"},
            {{2, 2}, 3, "1", "ステップ４",
             "【ステップ３】\r"
             "\r"
             "　百の位で、5 と 5 を たすと 10 に \r"
             "　なるので、□に 0 を かき、千の位の 上に\r"
             "　くり上がりの 1 を かく。"},
            {{0, 3}, -1, "", "ステップ１",
             "【ステップ４】\r"
             "\r"
             "　千の位で、 3 と くり上がりの 1 に \r"
             "　いくつを たせば 6 に なるかを \r"
             "　かんがえると、2 を たせば よいので、 \r"
             "　□に 2 を かく。おわり。"},
     }}},
    // 5064 - 3847 = 1217: the tens of the first number, the ones and the
    // hundreds of the second and the thousands of the result are hidden.
    {" ひき算",
     "-",
     {5064, 3847, 1217},
     {{
            {{1, 0}, 1, "-1", "ステップ２",
             "【ステップ１】\r"
             "\r"
             "　一の位で、くり下がりを かんがえて、\r"
             "　14 から いくつを ひけば 7 に なるかを \r"
             "　かんがえると、7 を ひけば よいので、\r"
             "　□に 7 をかき、十の位の 上に くり下がりの\r"
             "　-1 を かく。"},
            {{0, 1}, -1, "", "ステップ３",
             "【ステップ２】\r"
             "\r"
             "　十の位で、 いくつから 4 と くり下がりの\r"
             "　1 を ひけば 1 に なるかを かんがえると、\r"
             "　6 から ひけば よいので、□に 6 を かく。"},
            {{1, 2}, 3, "-1", "ステップ４",
             "【ステップ３】\r"
             "\r"
             "　百の位で、くり下がりを かんがえて、\r"
             "　10 から いくつを ひけば 2 に なるかを\r"
             "　かんがえると、8 を ひけば よいので、\r"
             "　□に 8 を かき、千の位の 上に くり下がりの\r"
             "　-1 を かく。"},
            {{2, 3}, -1, "", "ステップ１",
             "【ステップ４】\r"
             "\r"
             "　千の位で、 5 から 3 と くり下がりの  \r"
             "　1 を ひけば 1 に なるので \r"
             "　□に 1 を かく。おわり。"},
     }}},
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
