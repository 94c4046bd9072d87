// The texts of the units-of-measure lessons: the study texts of "たんい",
// line by line as the memos show them, and the words the length and weight
// problems are written with.
#include "lessons/units/length.h"
#include "lessons/units/time.h"
#include "lessons/units/volume.h"

QStringList LengthStudyText()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　ｍ（メートル）と ｋｍ（キロメートル）は"),
        QStringLiteral("　長さ の「たんい」で、"),
        QStringLiteral("　これらの かんけいは、つぎの とおりだよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　１ｋｍ ＝   １０００ｍ"),
    };
}

QStringList WeightStudyText()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　ｇ（グラム）と ｋｇ（キログラム）は"),
        QStringLiteral("　重さ の「たんい」で、"),
        QStringLiteral("　これらの かんけいは、つぎの とおりだよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　１ｋｇ ＝   １０００ｇ"),
    };
}

QStringList VolumeStudyText()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　ｍｌ（ミリリットル）と ｄｌ（デシリットル）と"),
        QStringLiteral("　 ｌ（リットル）は、かさ の「たんい」で、"),
        QStringLiteral("　これらの かんけいは、つぎの とおりだよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　１ｄｌ  ＝     １００ｍｌ"),
        QStringLiteral("　　　１ｌ    ＝　１０００ｍｌ"),
        QStringLiteral("　　　１ｌ    ＝         １０ｄｌ"),
    };
}

QStringList TimeStudyText()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　秒と 分と 時間は、時間の「たんい」で、"),
        QStringLiteral("　これらの かんけいは、つぎの とおりだよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　   １分 ＝ ６０秒"),
        QStringLiteral("　　　１時間 ＝ ６０分"),
    };
}

const MetricUnitsTexts LengthTexts{
    "km は千の位で、m は 百～一の位で こたえてね！",
    {"{1000A+10B} m = ? km  ? m", "{1000A+10B} m = {A} km  {10B} m", "{1000A} m を {A} km に かえれば いいよ。",
     "km は千の位で、m は 百～一の位で こたえてね！"},
    {"{A} km  {10B} m = ? m", "{A} km  {10B} m = {1000A+10B} m", "{A} km を {1000A} m に かえれば いいよ。",
     "大きな位から じゅんに こたえてね！"},
    {"{P} km  {Q} m + {R} km  {S} m ",
     "= ? km  ? m ",
     {{"{P+R} km  {Q+S} m ", "km は km どうしで、m は m どうしで\rたせば いいよ。"},
      {"{P+R+1} km  {Q+S-1000} m ", "km は km どうしで、m は m どうしで たし、\r1000 m ぶんを 1 km に くり上げれば いいよ。"}}},
    {"{P} km  {Q} m + {Y} m",
     "= ? km  ? m",
     {{"{P} km {Q+Y} m", "m は m どうしで たせば いいよ。"},
      {"{P+K} km {(Q+Y)%1000} m", "m は m どうしで たし、{1000K} m ぶんを \r{K} km に くり上げれば いいよ。"}}},
    {"{P} km  {Q} m - {R} km  {S} m ",
     "= ? km  ? m ",
     {{"{P-R} km  {Q-S} m ", "km は km どうしで、m は m どうしで\rひけば いいよ。"},
      {"{P-R-1} km  {Q-S+1000} m ",
       "km は km どうしで ひき、m どうしでは  \rひけないので、km から 1 (1000 m) を \rくり下げて ひけば いいよ。"}}},
    {"{P} km  {Q} m - {Y} m ",
     "= ? km  ? m",
     {{"{P} km  {Q-Y} m", "m は m どうしで ひけば いいよ。"},
      {"{P-1} km  {Q-Y+1000} m", "m どうしでは ひけないので、km から \r1 （1000 m） を くり下げて\rひけば いいよ。"}}},
};

const MetricUnitsTexts WeightTexts{
    "kg は千の位で、g は 百～一の位で こたえてね！",
    {"{1000A+10B} g = ? kg  ? g", "{1000A+10B} g = {A} kg  {10B} g", "{1000A} g を {A} kg に かえれば いいよ。",
     "kg は千の位で、g は 百～一の位で こたえてね！"},
    {"{A} kg  {10B} g = ? g", "{A} kg  {10B} g = {1000A+10B} g", "{A} kg を {1000A} g に かえれば いいよ。",
     "大きな位から じゅんに こたえてね！"},
    {"{P} kg  {Q} g + {R} kg  {S} g ",
     "= ? kg  ? g ",
     {{"{P+R} kg  {Q+S} g ", "kg は kg どうしで、g は g どうしで\rたせば いいよ。"},
      {"{P+R+1} kg  {Q+S-1000} g ",
       "kg は kg どうしで、g は g どうしで たし、\r1000 g （1 kg）ぶんを kg に くり上げれば \rいいよ。"}}},
    {"{P} kg  {Q} g + {Y} g",
     "= ? kg  ? g",
     {{"{P} kg {Q+Y} g", "g は g どうしで たせば いいよ。"},
      {"{P+K} kg {(Q+Y)%1000} g", "g は g どうしで たし、{1000K} g （{K} kg） \rぶんを kg に くり上げれば いいよ。"}}},
    {"{P} kg  {Q} g - {R} kg  {S} g ",
     "= ? kg  ? g ",
     {{"{P-R} kg  {Q-S} g ", "kg は kg どうしで、g は g どうしで\rひけば いいよ。"},
      {"{P-R-1} kg  {Q-S+1000} g ",
       "kg は kg どうしで ひき、g どうしでは \rひけないので、 kg から 1 （1000 g）を\rくり下げて ひけば いいよ。"}}},
    {"{P} kg  {Q} g - {Y} g ",
     "= ? kg  ? g",
     {{"{P} kg  {Q-Y} g", "g は g どうしで ひけば いいよ。"},
      {"{P-1} kg  {Q-Y+1000} g", "g どうしでは ひけないので、 \rkg から 1 （1000 g）を くり下げて\rひけば いいよ。"}}},
};
