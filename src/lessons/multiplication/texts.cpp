// The study texts of the multiplication lessons, line by line as the memos
// show them.
#include "lessons/multiplication/rules.h"
#include "lessons/multiplication/zerotenhundred.h"

QStringList RulesStudyText()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　１．かけ算のじゅんじょ"),
        QStringLiteral(""),
        QStringLiteral("　　１）かけ算では、かけられる数 と かける数 を 入れかえても "),
        QStringLiteral("　　　　答えは 同じだよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　2 x 3 = 3 x 2"),
        QStringLiteral(""),
        QStringLiteral("　　２）３つの かけ算では、計算の じゅんじょを かえても 答えは "),
        QStringLiteral("　　　　同じだよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　(2 x 3) x 4 = 2 x (3 x 4)"),
        QStringLiteral(""),
        QStringLiteral("　　３）かけ算では、かける数が １ ふえる ごとに、答えは "),
        QStringLiteral("　　　　かけられる数だけ ふえていき、かける数が １ へる"),
        QStringLiteral("　　　　ごとに、答えは かけられる数だけ へっていくよ。"),
        QStringLiteral("　　　　九九のひょうで たしかめてね。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　5 x 4 = 5 x 3 + 5　（かける数が ３から １ ふえる）"),
        QStringLiteral("　　　　　5 x 2 = 5 x 3 - 5　（かける数が ３から １ へる）"),
        QStringLiteral(""),
    };
}

QStringList ZeroTenStudyText()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　１．０ の かけ算"),
        QStringLiteral(""),
        QStringLiteral("　　１）０ に どんな数を かけても 答えは ０ だよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　0 x 3 は、0 を 3つ たした数 なので、"),
        QStringLiteral("　　　　　0 x 3 = 0 + 0 + 0 = 0"),
        QStringLiteral(""),
        QStringLiteral("　　２）どんな数に ０ を かけても、答えは ０ だよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　3 x 0 は、0 x 3 と かんがえれば いいよ。"),
        QStringLiteral("　　　　　3 x 0 = 0 x 3 = 0"),
        QStringLiteral(""),
        QStringLiteral("　２．１０ の かけ算 （１０倍）"),
        QStringLiteral("　"),
        QStringLiteral("　　１）たし算を つかう"),
        QStringLiteral(""),
        QStringLiteral("　　　　　10 x 3 は、10 を 3 つ たした数 なので"),
        QStringLiteral("　　　　　10 x 3 = 10 + 10 + 10 = 30"),
        QStringLiteral(""),
        QStringLiteral("　　　　　3 x 10 は、10 x 3  と かんがえれば いいよ。"),
        QStringLiteral(""),
        QStringLiteral("　　２）九九を つかう"),
        QStringLiteral(""),
        QStringLiteral("　　　　　3 x 10 = 3 x 9 + 3 = 30"),
        QStringLiteral(""),
        QStringLiteral("　　　　　10 x 3 は、3 x 10 と かんがえれば いいよ。"),
        QStringLiteral(""),
        QStringLiteral("　　３）かけられる数に ０ を １つ つける"),
        QStringLiteral(""),
        QStringLiteral("　　　　　3 x 10 = 30"),
        QStringLiteral("　　　　　23 x 10 = 230"),
        QStringLiteral(""),
        QStringLiteral("　３．１００ の かけ算 （１００倍）"),
        QStringLiteral(""),
        QStringLiteral("　　１）かけられる数に ０ を ２つ つける"),
        QStringLiteral(""),
        QStringLiteral("　　　　　3 x 100 = 300"),
        QStringLiteral("　　　　　23 x 100 = 2300"),
        QStringLiteral(""),
        QStringLiteral(""),
    };
}
