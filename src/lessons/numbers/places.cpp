#include "lessons/numbers/places.h"

namespace {
QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// The digit names 1 to 9, and the unit each place is read with. In the
// ten-thousands and the ones a 1 is said ("一万", "一"); before 千, 百 and 十
// it is not ("千", "百", "十").
const char *const kDigitNames[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
struct KanjiPlace {
    const char *unit;
    bool saysOne;
};
const KanjiPlace kKanjiPlaces[PlaceCount] = {
    {"千", false}, {"百", false}, {"十", false}, {"", true},
    {"千", false}, {"百", false}, {"十", false}, {"", true},
};
constexpr int kTenThousands = 3;  // index of the place that closes the 万 group

// The rolls of the length: R(below) + plus.
struct Range {
    int below;
    int plus;
};
const Range kRanges[9] = {
    {89999, 10000},       {89999, 10000},     {89999, 10000},
    {899999, 100000},     {899999, 100000},
    {8999999, 1000000},   {8999999, 1000000},
    {89999999, 10000000}, {89999999, 10000000},
};

// The place names of the question, from the ten-millions down.
const char *const kPlaceLines[PlaceCount] = {"　千万", "　百万", "　十万", "　一万", "　千", "　百", "　十", "　一"};
}  // namespace

std::array<int, PlaceCount> NumberDigits(int n)
{
    std::array<int, PlaceCount> d{};
    for (int i = 0; i < PlaceCount; ++i)
        d[i] = (n / PlaceValues[i]) % 10;
    return d;
}

int DrawNumber(Random &random)
{
    random.reseed();
    const Range &r = kRanges[random.below(9)];
    return random.below(r.below) + r.plus;
}

QString NumberKanji(int n)
{
    const std::array<int, PlaceCount> d = NumberDigits(n);
    QString text;
    bool group = false;  // the 万 group holds a digit
    for (int i = 0; i < PlaceCount; ++i) {
        if (d[i] > 0) {
            if (d[i] > 1 || kKanjiPlaces[i].saysOne)
                text += u(kDigitNames[d[i]]);
            text += u(kKanjiPlaces[i].unit);
            group = true;
        }
        if (i == kTenThousands && group)
            text += u("万");
    }
    return text;
}

QString PlacesQuestion(int n)
{
    QString text = QString::number(n) + u(" は") + QLatin1Char('\r');
    for (const char *place : kPlaceLines)
        text += QLatin1Char('\r') + u(place);
    return text + QLatin1Char('\r') + QLatin1Char('\r') + u("を それぞれ なんコ あわせた数？");
}

QString KanjiQuestion(const QString &kanji)
{
    return kanji + QLatin1Char('\r') + u("を 数字で かくと？");
}

QString DigitsQuestion(int n)
{
    return QString::number(n) + QLatin1Char('\r') + u("を 漢字で かくと？");
}

QString DigitsAnswerLine(int n)
{
    return u("こたえは ") + QString::number(n) + u(" だよ。");
}

QString KanjiAnswerLine(const QString &kanji)
{
    return u("こたえ：　 ") + kanji;
}

QString ClickedLine(const QString &clicked)
{
    return u("クリック： ") + clicked;
}
