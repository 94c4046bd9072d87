// The texts of the numbers lesson: the memo of the numbers up to the ten
// millions and how they are written in kanji, line by line as it shows them.
#include "lessons/numbers/places.h"

QStringList NumbersMemo()
{
    static const char *const kLines[] = {
        "",
        "　何千万までの数",
        "　　",
        "　　１０００ が １０コ あつまると ・・・・・・・・　１００００　（いちまん）",
        "　　１００００ が １０コ あつまると　・・・・・・ １０００００　（じゅうまん）",
        "　　１０００００ が １０コ あつまると ・・・・　１００００００　（ひゃくまん）",
        "　　１００００００ が １０コ あつまると ・・　１０００００００　（せんまん）",
        "",
        "　数字を漢字で書くと",
        "",
        "　　　１　　一　　　　　　　　　　　１０　　　十",
        "　　　２　　二　　　　　　　　　　１００　　　百",
        "　　　３　　三　　　　　　　　　１０００　　　千",
        "　　　４　　四　　　　　　　　１００００　　一万",
        "　　　５　　五　　　　　　　１０００００　　十万",
        "　　　６　　六　　　　　　１００００００　　百万",
        "　　　７　　七　　　　　１０００００００　　千万",
        "　　　８　　八",
        "　　　９　　九",
        "　　",
        "　たとえば、２３４５６７８９ は、",
        "　　",
        "　　　千万を ２コ、百万を ３コ、十万を ４コ、一万を ５コ、",
        "　　　千を ６コ、百を ７コ、十を ８コ、一を ９コ",
        "　　　あわせた数だよ。",
        "",
        "",
        "　これを漢字で書くと、",
        "",
        "　　　二千三百 四十五万 六千七百 八十 九　",
        "　",
        "　何万～何千万のところは、最後に「万」をつければいいよ。",
        "",
        "",
    };
    QStringList lines;
    for (const char *line : kLines)
        lines << QString::fromUtf8(line);
    return lines;
}
