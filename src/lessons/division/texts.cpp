// The texts of the division lessons: the titles, the picture story and its
// two steps, the times-table method and the "ポイント" memo, line by line as
// the screens show them.
#include "frame/prompts.h"
#include "lessons/division/remainder.h"
#include "lessons/division/timestable.h"

DivisionTexts TimesTableTexts()
{
    return {
        .subtitle = QStringLiteral("わり算と九九"),
        .menuItems = {QStringLiteral("わり算のしき"), QStringLiteral("九九をつかう")},
        .storyStart = {
            QStringLiteral("リンゴが １２コ あるよ。"),
            QStringLiteral("４コずつ はこに いれると、はこは "),
            QStringLiteral("いくつ あればいい？"),
        },
        .step1 = {
            QStringLiteral("【ステップ１】"),
            QStringLiteral(""),
            QStringLiteral("　はこは ３つ あればいいよ。"),
        },
        .step2 = {
            QStringLiteral("【ステップ２】"),
            QStringLiteral(""),
            QStringLiteral("　このように、１２コの リンゴを ４コずつ"),
            QStringLiteral("　はこに いれる時、はこが いくつ あれば"),
            QStringLiteral("　いいかを もとめるような 計算を わり算"),
            QStringLiteral("　というよ。"),
            QStringLiteral(""),
            QStringLiteral("　わり算の しきは つぎのように かいて、"),
            QStringLiteral("　「12 わる 4 は 3 」と よむよ。"),
            QStringLiteral(""),
            QStringLiteral("　　12 ÷ 4 = 3"),
        },
        .method = {
            QStringLiteral("前のメニューから： 12 ÷ 4 = 3"),
            QStringLiteral("また、かけ算から： 4 x 3 = 12"),
            QStringLiteral(""),
            QStringLiteral("そこで、12 ÷ 4 の 答えは、"),
            QStringLiteral("4 x ? = 12 の ？ に なるので、"),
            QStringLiteral("九九の「４のだん」で １２に なる数を"),
            QStringLiteral("みつければ いいよ。"),
            QStringLiteral("「しさん じゅうに」から、答えは ３。"),
        },
        .memo = {
            QStringLiteral(""),
            QStringLiteral("　【０のわり算】"),
            QStringLiteral(""),
            QStringLiteral("　0 ÷ 3 の 計算は、"),
            QStringLiteral("　3 ｘ ? = 0 の ？ を もとめればよく、"),
            QStringLiteral("　答えは ０ だよ。"),
        },
        .posedPrompt = QStringLiteral("答えを えらんでね！"),
    };
}

DivisionTexts RemainderTexts()
{
    return {
        .subtitle = QStringLiteral("わり算とあまり"),
        .menuItems = {QStringLiteral("あまり"), QStringLiteral("九九をつかう")},
        .storyStart = {
            QStringLiteral("リンゴが １３コ あるよ。"),
            QStringLiteral("４コずつ はこに いれていくと、"),
            QStringLiteral("どうなる？"),
        },
        .step1 = {
            QStringLiteral("【ステップ１】"),
            QStringLiteral(""),
            QStringLiteral("　４つずつ ３つの はこに いれると、１つ あまるよ。"),
        },
        .step2 = {
            QStringLiteral("【ステップ２】"),
            QStringLiteral(""),
            QStringLiteral("　このように、わり算では、あまりが でる"),
            QStringLiteral("　ことが あるよ。"),
            QStringLiteral(""),
            QStringLiteral("　あまりのある わり算では つぎのように "),
            QStringLiteral("　かくよ。"),
            QStringLiteral(""),
            QStringLiteral("　　　　　13 ÷ 4 = 3  あまり 1"),
            QStringLiteral("　または、13 ÷ 4 = 3  ・・・ 1"),
        },
        .method = {
            QStringLiteral("13 ÷ 4 の 答えを もとめるには、"),
            QStringLiteral("九九の「４のだん」で １３に なる数は"),
            QStringLiteral("ないので、１３より 小さく １３に 一ばん  "),
            QStringLiteral("ちかくなる 数を さがすと、"),
            QStringLiteral("「しさん じゅうに」の １２ になるね。"),
            QStringLiteral("そこで、答えは ３で、あまりは、１３から １２を "),
            QStringLiteral("ひいた １ に なるよ。"),
            QStringLiteral(""),
            QStringLiteral("13 ÷ 4 = 3  あまり 1"),
        },
        .memo = {
            QStringLiteral(""),
            QStringLiteral("　【答えの たしかめ】"),
            QStringLiteral(""),
            QStringLiteral("　13 ÷ 4 = 3  あまり 1"),
            QStringLiteral("　の 答えを たしかめるには、"),
            QStringLiteral("　"),
            QStringLiteral("　わる数(4)に 答え(3)を かけ、これに あまり(1)を "),
            QStringLiteral("　たした数が わられる数(13)に なれば ＯＫだよ。"),
            QStringLiteral(""),
            QStringLiteral("　4 x 3 + 1 = 13"),
        },
        .posedPrompt = Prompts::QuotientThenRemainder,
    };
}
