// The reasoning of each step of the hidden-number examples, from the ones
// to the thousands, as the screen writes it under the grid after the step's
// heading: the lines of a step joined by "\r".
#include "lessons/hidden/examples.h"

const HiddenStepTexts HiddenAdditionSteps = {
    "　一の位で、8 に いくつを たせば  \r"
    "　一の位が 6 に なるかを かんがえると、\r"
    "　8 を たせば 16 に なるので、\r"
    "　□に 8 をかき、十の位の 上に くり上がりの\r"
    "　1 を かく。",
    "　十の位で、4 と くり上がりの 1 に \r"
    "　いくつを たせば 8 に なるかを \r"
    "　かんがえると、3 を たせば よいので、 \r"
    "　□に 3 を かく。",
    "　百の位で、5 と 5 を たすと 10 に \r"
    "　なるので、□に 0 を かき、千の位の 上に\r"
    "　くり上がりの 1 を かく。",
    "　千の位で、 3 と くり上がりの 1 に \r"
    "　いくつを たせば 6 に なるかを \r"
    "　かんがえると、2 を たせば よいので、 \r"
    "　□に 2 を かく。おわり。",
};

const HiddenStepTexts HiddenSubtractionSteps = {
    "　一の位で、くり下がりを かんがえて、\r"
    "　14 から いくつを ひけば 7 に なるかを \r"
    "　かんがえると、7 を ひけば よいので、\r"
    "　□に 7 をかき、十の位の 上に くり下がりの\r"
    "　-1 を かく。",
    "　十の位で、 いくつから 4 と くり下がりの\r"
    "　1 を ひけば 1 に なるかを かんがえると、\r"
    "　6 から ひけば よいので、□に 6 を かく。",
    "　百の位で、くり下がりを かんがえて、\r"
    "　10 から いくつを ひけば 2 に なるかを\r"
    "　かんがえると、8 を ひけば よいので、\r"
    "　□に 8 を かき、千の位の 上に くり下がりの\r"
    "　-1 を かく。",
    "　千の位で、 5 から 3 と くり下がりの  \r"
    "　1 を ひけば 1 に なるので \r"
    "　□に 1 を かく。おわり。",
};
