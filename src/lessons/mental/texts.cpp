// The words of the mental-arithmetic lessons, in the order the worked answer
// uses them.
#include "lessons/mental/mental.h"

namespace {
const MentalWords kWords[] = {
    {"たし算", " + ", " と ", " を たした ", " に", " を たせば いいよ。"},
    {"ひき算", " - ", " から ", " を ひいた ", " から", " を ひけば いいよ。"},
};
}  // namespace

const MentalWords &MentalWordsOf(MentalOp op)
{
    return kWords[op == MentalOp::Add ? 0 : 1];
}
