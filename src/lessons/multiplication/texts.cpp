// The study texts and "ポイント" memos of the multiplication lessons, line
// by line as the memos show them.
#include "lessons/multiplication/column2.h"
#include "lessons/multiplication/rules.h"
#include "lessons/multiplication/tenshundreds.h"
#include "lessons/multiplication/zerotenhundred.h"

namespace {
QString spaces(int n)
{
    return QString(n, QLatin1Char(' '));
}
}  // namespace

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

QStringList TensMentalStudyText()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　１．もんだい： 4 x 20 "),
        QStringLiteral(""),
        QStringLiteral("　　　20 を  2 x 10  と かんがえ、"),
        QStringLiteral("　　　4 x 20 = 4 x 2 x 10"),
        QStringLiteral("　　　　　  　= 8 x 10"),
        QStringLiteral("　　　　　  　= 80"),
        QStringLiteral(""),
        QStringLiteral("　２．もんだい： 40 x 20 "),
        QStringLiteral(""),
        QStringLiteral("　　　40 を  4 x 10 、20 を  2 x 10  と かんがえ、"),
        QStringLiteral("　　　40 x 20 = 4 x 10 x 2 x 10"),
        QStringLiteral("　　　　　    　= 4 x 2 x 10 x 10"),
        QStringLiteral("　　　　　    　= 8 x 100"),
        QStringLiteral("　　　　　　 　= 800"),
        QStringLiteral(""),
        QStringLiteral("　３．もんだい： 4 x 200 "),
        QStringLiteral(""),
        QStringLiteral("　　　200 を  2 x 100  と かんがえ、"),
        QStringLiteral("　　　4 x 200 = 4 x 2 x 100"),
        QStringLiteral("　　　　　　　 = 8 x 100"),
        QStringLiteral("　　　　　       = 800"),
        QStringLiteral(""),
        QStringLiteral("　４．もんだい： 40 x 200"),
        QStringLiteral(""),
        QStringLiteral("　　　40 を  4 x 10 、200 を  2 x 100  と かんがえ、"),
        QStringLiteral("　　　40 x 200 = 4 x 10 x 2 x 100"),
        QStringLiteral("　　　　　       　= 4 x 2 x 10 x 100"),
        QStringLiteral("　　　　　       　= 8 x 1000"),
        QStringLiteral("　　　  　        　= 8000"),
        QStringLiteral(""),
        QStringLiteral("　　　"),
    };
}

QStringList ByOneDigitMemo()
{
    // The pictures of columns are drawn with half-width spaces: 234 × 5 with
    // the carry 2 at the right, the carry 1 of the tens beside the 5 once
    // the ones are done, and the partial answer under the rule.
    auto picture = [](const QString &besideFive, int answerIndent, const char *answer) {
        return QStringList{
            spaces(34) + QStringLiteral("234") + spaces(6) + QStringLiteral("2"),
            spaces(33) + QStringLiteral("x") + spaces(4) + QStringLiteral("5") + besideFive,
            spaces(30) + QStringLiteral("-------"),
            spaces(answerIndent) + QString::fromUtf8(answer),
        };
    };
    QStringList memo{
        QStringLiteral(""),
        QStringLiteral("　【２けたいじょうの数 ｘ １けたの数 の ひっ算の しかた】"),
        QStringLiteral(""),
        QStringLiteral("　・もんだいを、タテに 位を そろえて かき、その下に 線を ひく。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　234 x 5　 →　     234"),
        spaces(44) + QStringLiteral("x   5"),
        spaces(42) + QStringLiteral("-------"),
        QStringLiteral("　　"),
        QStringLiteral("　・かけられる数の 一の位の数と かける数との かけ算をし、"),
        QStringLiteral("　　答えの 一の位を 線の下に かき、十の位が あれば くり上げる"),
        QStringLiteral("　　ので ヨコに かいておく。"),
        QStringLiteral(""),
    };
    memo += picture(QString(), 39, "0");
    memo += QStringList{
        QStringLiteral(""),
        QStringLiteral("　・この計算を、一の位から 大きな位へと じゅんばんに おこなう。"),
        QStringLiteral("　　この時、くり上がりが あれば、かけ算の 答えに それを たす"),
        QStringLiteral("　　のを わすれないこと。たした あとは くり上がりの数を けして"),
        QStringLiteral("　　おくと いいよ。"),
        QStringLiteral("　　つぎは 十の位の 計算だよ。"),
        QStringLiteral(""),
    };
    memo += picture(spaces(6) + QStringLiteral("1") + spaces(3), 36, "70");
    memo += QStringList{
        QStringLiteral(""),
        QStringLiteral("　・5 x 234 の もんだいは、234 x 5 に かえれば いいよ。"),
    };
    return memo;
}

QList<TMemo::FigureRow> ByOneDigitMemoFigures()
{
    // The memo's worked examples drawn in place columns: 234 over the 5 (its
    // ones over the ones), the rule under both, each partial answer under
    // its place, the carries at the right.
    const QString row234 = spaces(20) + QStringLiteral("234");
    const QString byFive = spaces(18) + QStringLiteral("x   5");
    const QString rule = spaces(18) + QStringLiteral("-----");
    return {
        {5, spaces(6) + QStringLiteral("234 x 5  →    234")},
        {6, byFive},
        {7, rule},
        {13, row234 + QStringLiteral("  2"), 23},
        {14, byFive},
        {15, rule},
        {16, spaces(22) + QStringLiteral("0")},
        {24, row234 + QStringLiteral("  2"), 23},
        {25, byFive + QStringLiteral("  1"), 23},
        {26, rule},
        {27, spaces(21) + QStringLiteral("70")},
    };
}

QStringList ByTwoDigitsMemo()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　【２けた ｘ ２けた の ひっ算の ポイント】"),
        QStringLiteral(""),
        QStringLiteral("　・まず、かける数の 一の位の数で 計算し、"),
        QStringLiteral("　　次に、かける数の 十の位の数で 計算する。"),
        QStringLiteral(""),
        QStringLiteral("　・かける数の 十の位の数で 計算した答えは、"),
        QStringLiteral("　　１行下に １けた左に ずらして書く。"),
        QStringLiteral(""),
        QStringLiteral("　・２つの計算した答えを そのままタテに たす。"),
    };
}
