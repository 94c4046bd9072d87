// What the two column lessons say and show: their worked examples with
// their headings, the words of each way a column is worked, the prompts of
// test mode and the "ポイント" memos, line by line as the screens show them.
#include "lessons/column/addition.h"
#include "lessons/column/subtraction.h"

QStringList ColumnMemoOpening()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　【ひっ算のしかた】"),
        QStringLiteral(""),
        QStringLiteral("　・もんだいの 数字を、タテに 位を そろえて かき、その下に 線を "),
        QStringLiteral("　　ひく。"),
        QStringLiteral("　　"),
    };
}

// ---------------------------------------------------------------- たし算

namespace {
using A = AddColumn;

const AdditionExample kThreePlaces[] = {
    {324, 135, "【くり上がりが ない もんだい】", {A::Plain, A::Plain, A::Last}},
    {328, 247, "【くり上がりが １回 の もんだい】", {A::CarryOut, A::CarryIn, A::Last}},
    {367, 256, "【くり上がりが ２回 の もんだい】", {A::CarryOut, A::CarryInOut, A::LastCarryIn}},
    {823, 451, "【千の位に くり上がる もんだい】", {A::Plain, A::Plain, A::Last}},
    {576, 748, "【くり上がりが ３回 の もんだい】", {A::CarryOut, A::CarryInOut, A::LastCarryIn}},
};
const AdditionExample kFourPlaces[] = {
    {2436, 4152, "【くり上がりなし の もんだい】", {A::Plain, A::Plain, A::PlainSpaced, A::Last}},
    {2486, 4351, "【くり上がりが １回 の もんだい】", {A::Plain, A::CarryOut, A::CarryIn, A::Last}},
    {2436, 4757, "【くり上がりが ２回 の もんだい】", {A::CarryOut, A::CarryIn, A::CarryOut, A::LastCarryIn}},
    {3465, 4678, "【くり上がりが ３回 の もんだい】", {A::CarryOut, A::CarryInOut, A::CarryInOut, A::LastCarryIn}},
};

// Indexed by AddColumn.
const AddColumnWords kAdditionWords[] = {
    {false, false, {"{x} と {y} を たして", "　線の下にかく。"}},
    {false, false, {"{x} と {y} を たして", "　線の下に かく。"}},
    {true, false, {"{x} と {y} と くり上がりの", "　1 を たして 線の下に かく。"}},
    {false, true,
     {"{x} と {y} をたすと", "　２けたの {s} になるので、", "　{d} を 線の下にかき、", "　くり上げた 1 を 上に 小さく",
      "　かいておく。"}},
    {true, true,
     {"{x} と {y} と ", "　くり上がりの 1 をたすと", "　２けたの {s} になるので、", "　{d} を 線の下にかき、",
      "　くり上げた 1 を 上に 小さく", "　かいておく。"}},
    {false, false, {"{x} と {y} を たして", "　線の下に かく。", "　この {answer} が こたえ だよ。"}},
    {true, false,
     {"{x} と {y} と くり上がりの", "　1 を たして 線の下に かく。", "　この {answer} が こたえ だよ。"}},
};

const char *const kPlaceNames[] = {"　一の位の ", "　十の位の ", "　百の位の ", "　千の位の "};

const char *const kColumnPrompts[] = {
    "「一のくらい」をたした数をえらんでね！\r２けたのときもあるよ！",
    "「十の位」をたした数をえらんでね！\r２けたのときもあるよ！",
    "「百の位」をたした数をえらんでね！\r２けたのときもあるよ！",
    "「千の位」をたした数をえらんでね！",
};
}  // namespace

const ColumnExamples<AdditionExample> AdditionExamples{kThreePlaces, kFourPlaces};

const AddColumnWords &AdditionWords(AddColumn kind)
{
    static_assert(std::size(kAdditionWords) == int(AddColumn::LastCarryIn) + 1);
    return kAdditionWords[int(kind)];
}

QString AdditionPlaceWords(int column)
{
    return QString::fromUtf8(kPlaceNames[qBound(0, column, 3)]);
}

QString AdditionColumnPrompt(int stage)
{
    return QString::fromUtf8(kColumnPrompts[qBound(0, stage, 3)]);
}

QStringList AdditionMemo()
{
    return ColumnMemoOpening() + QStringList{
        QStringLiteral("　・おなじ 位の 数字 どうしの たし算を し、こたえを 線の下に かく。"),
        QStringLiteral("　　この計算を、一の位から 大きな位へと じゅんばんに おこなう。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の たし算で、かたほうの 数字が なければ、そのまま "),
        QStringLiteral("　　線の下に かく。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の たし算で、こたえが  ２けたに なれば、その数の"),
        QStringLiteral("　　一の位の 数字を 線の下に かき、十の位の 数字は "),
        QStringLiteral("　　くり上げて、一つ 上の 位の 数字の 上に 小さく かいておく。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の たし算で、くり上がりの 数字が あれば、それも "),
        QStringLiteral("　　いっしょに たす。"),
        QStringLiteral("　　"),
    };
}

// ---------------------------------------------------------------- ひき算

namespace {
using S = SubColumn;

const SubtractionExample kSubThreePlaces[] = {
    {467, 324, "【くり下がり なし の もんだい】", {S::OnesPlain, S::TensPlain, S::HundredsLast}},
    {745, 328, "【くり下がりが １回 の もんだい】", {S::OnesBorrow, S::TensAfterLending, S::HundredsLast}},
    {853, 467, "【くり下がりが ２回 の もんだい】",
     {S::OnesBorrow, S::TensBorrowAfterLending, S::HundredsAfterLendingLast}},
    {203, 47, "【くり下がりが つづく もんだい】", {S::OnesThroughZero, S::TensNine, S::HundredsCopyOne}},
    {1239, 354, "【千の位から くり下がり ２回 の もんだい】", {S::OnesPlain, S::TensBorrow, S::HundredsFromThousands}},
    {1002, 27, "【千の位から くり下がりが つづく もんだい】", {S::OnesFromThousands, S::TensNine, S::HundredsCopyNine}},
};
// Four places: the borrows of the three-place lessons with a thousands
// column above them; each heading names the example under it.
const SubtractionExample kSubFourPlaces[] = {
    {3125, 1082, "【４けた - ４けた ： くり下がりの もんだい】",
     {S::OnesPlain, S::TensBorrow, S::HundredsAfterLending, S::ThousandsLast}},
    {5132, 2094, "【４けた - ４けた ： くり下がりが ２かいの もんだい】",
     {S::OnesBorrow, S::TensBorrowAfterLending, S::HundredsAfterLending, S::ThousandsLast}},
    {4106, 1008, "【４けた - ４けた ： 百のくらいからの くり下がりの もんだい】",
     {S::OnesThroughZero, S::TensNine, S::HundredsAfterLending, S::ThousandsLast}},
    {6102, 2036, "【４けた - ４けた ： 百のくらいからの くり下がりの もんだい】",
     {S::OnesThroughZero, S::TensNine, S::HundredsAfterLending, S::ThousandsLast}},
};

// Indexed by SubColumn.
const SubColumnWords kSubtractionWords[] = {
    {{"　一の位の {a} から {b} を ひいて", "　線の下に かく。"}, {}},
    {{"　十の位から 1 くり下げ、その 10 と", "　あわせた {a+10} から {b} を ひいて", "　線の下に かき、くり下げた あとの ",
      "　{a10-1} を 上に 小さく かいておく。"},
     {{1, "{a10-1}"}}},
    {{"　十の位からは くり下げが できないので、", "　百の位から 1 を くり下げて できた", "　十の位の 10 から 1 を くり下げ、",
      "　その 10 とあわせた {a+10} から ", "　{b} を ひいて 線の下に かき、", "　くり下げた あとの 百の位の 上に {a100-1} を、",
      "　十の位の 上に 9 を 小さく かいておく。"},
     {{1, "9"}, {2, "{a100-1}"}}},
    {{"　十の位からも 百の位からも くり下げが", "　できないので、", "　千の位から 1 を くり下げ、できた ",
      "　百の位の 10 から 1 を くり下げ、 ", "　できた 十の位の 10 から 1 を くり下げ、 ",
      "　その 10 と あわせた {a+10} から {b} を ひいて", "　線の下に かき、くり下げた あとの 千の位に ",
      "　{a1000-1} を、百の位に 9 を、十の位に 9 を", "　小さく かいておく。"},
     {{1, "9"}, {2, "9"}, {3, "{a1000-1}"}}},
    {{"　十の位の {a10} から {b10} を ひいて", "　線の下にかく。"}, {}},
    {{"　十の位の {a10-1} から {b10}を ひいて ", "　線の下に かく。"}, {}},
    {{"　百の位から 1 くり下げ、その 10 と", "　あわせた {a10+9} から {b10} を ひいて", "　線の下に かき、くり下げた あとの ",
      "　{a100-1} を 上に 小さく かいておく。"},
     {{2, "{a100-1}"}}},
    {{"　十の位の 9 から {b10} を ひいて ", "　線の下にかく。"}, {}},
    {{"　百の位から 1 を くり下げ、その", "　10 と あわせた {a10+10} から {b10} を", "　ひいて 線の下に かき、",
      "　くり下げた あとの {a100-1} を 上に", "　小さく かいておく。"},
     {{2, "{a100-1}"}}},
    {{"　百の位の {A/100} から {B/100} を ひいて", "　線の下に かく。", "　この {answer} が こたえ だよ。"}, {}},
    {{"　百の位の {a100-1} から {B/100} を ひいて", "　線の下に かく。", "　この {answer} が こたえ だよ。"},
     {}},
    {{"　百の位の {a100-1} を そのまま 線の下に かく。", "　この {answer} が こたえ だよ。"}, {}},
    {{"　千の位から 1 を くり下げ、その", "　10 とあわせた {a100+9} から {B/100} を ひいて ", "　線の下にかく。",
      "　千の位の くり下げた あとの 数は {a1000-1} ", "　なので、この {answer} が こたえ だよ。"},
     {{3, "{a1000-1}"}}},
    {{"　百の位の 9 を そのまま 線の下に かき、", "　千の位の くり下げた あとの 数は {a1000-1} ",
      "　なので、この {answer} が こたえ だよ。"},
     {}},
    {{"　百の位の {a100-1} から {b100} を ひいて", "　線の下に かく。"}, {}},
    {{"　千の位の {a1000} から {b1000} を ひいて", "　線の下に かく。", "　この {answer} が こたえ だよ。"}, {}},
};

const char *const kSubColumnPrompts[] = {
    "「一のくらい」のこたえをえらんでね！",
    "「十のくらい」のこたえをえらんでね！",
    "「百のくらい」のこたえをえらんでね！",
    "「千のくらい」のこたえをえらんでね！",
};

}  // namespace

const ColumnExamples<SubtractionExample> SubtractionExamples{kSubThreePlaces, kSubFourPlaces};

const SubColumnWords &SubtractionWords(SubColumn kind)
{
    static_assert(std::size(kSubtractionWords) == int(SubColumn::ThousandsLast) + 1);
    return kSubtractionWords[int(kind)];
}

QString SubtractionColumnPrompt(int column)
{
    return QString::fromUtf8(kSubColumnPrompts[qBound(0, column, 3)]);
}

QStringList SubtractionMemo()
{
    return ColumnMemoOpening() + QStringList{
        QStringLiteral("　・おなじ 位の 数字 どうしで ひき算を　し、こたえを 線の下に "),
        QStringLiteral("　　かく。"),
        QStringLiteral("　　この計算を、一の位から 大きな 位へと じゅんばんに おこなう。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の ひき算で、ひく数字が なければ、そのまま 線の下に"),
        QStringLiteral("　　かく。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の ひき算で、ひかれる 数字の ほうが 小さい時は、"),
        QStringLiteral("　　一つ上の 位から １ を くり下げ、その １０ を あわせた 数で "),
        QStringLiteral("　　ひき算を し、こたえを  線の下に かく。"),
        QStringLiteral(""),
        QStringLiteral("　　この時、メモとして、くり下げた 数字に 線を ひき、その 上に "),
        QStringLiteral("　　１ を ひいた 数字を 小さく かいておく。"),
        QStringLiteral(""),
        QStringLiteral("　・十の位から くり下げる時、その数字が ０ で あれば、百の位"),
        QStringLiteral("　　から 十の位に １ を くり下げる。十の位は １０ に なるので、"),
        QStringLiteral("　　これから 一の位に １ を くり下げる。"),
        QStringLiteral(""),
        QStringLiteral("　　この時、メモとして、くり下げた あとの 百の位の 数字に 線を "),
        QStringLiteral("　　ひいて、その 上に １  を ひいた 数字を 小さく かき、十の位の "),
        QStringLiteral("　　数字に 線を ひいて、その上に  ９  を 小さく かいておく。"),
        QStringLiteral(""),
        QStringLiteral("　　百の位の 数字も ０ の時は、千の位から おなじように "),
        QStringLiteral("　　くり下げて いく。"),
        QStringLiteral(""),
        QStringLiteral("　・おなじ 位の 数字 どうしで  ひく時に、くり下がりの 数字が "),
        QStringLiteral("　　あれば、その数字から ひく。"),
        QStringLiteral("　　"),
        QStringLiteral(""),
    };
}
