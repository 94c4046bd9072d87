#pragma once
// Whole numbers of five to eight digits: their places from the ten-millions
// down to the ones, the random numbers the lesson poses, the kanji a number is
// written in, and the texts of the three kinds of question. Plain functions,
// so a test calls them without a window.
#include "frame/platform.h"

#include <QString>
#include <QStringList>
#include <array>

// The eight places, highest first: 千万, 百万, 十万, 万, 千, 百, 十, 一.
inline constexpr int PlaceCount = 8;
inline constexpr std::array<int, PlaceCount> PlaceValues{10000000, 1000000, 100000, 10000, 1000, 100, 10, 1};

// The digits of n (0 to 99999999) from the ten-millions down; 0 where the
// number is shorter.
std::array<int, PlaceCount> NumberDigits(int n);

// Reseeds, draws the length with R(9), then the number: a roll of 0 to 2
// gives R(89999) + 10000, 3 or 4 gives R(899999) + 100000, 5 or 6 gives
// R(8999999) + 1000000, 7 or 8 gives R(89999999) + 10000000. Five digits come
// three times in nine, six, seven and eight digits twice in nine each.
int DrawNumber(Random &random);

// The kanji of n (1 to 99999999) as the pupils write it: 23456789 is
// 二千三百四十五万六千七百八十九. A 1 before 千, 百 and 十 is not written (千万,
// 十万一), before 万 and in the ones it is (一万, 百一万); the ten-thousands
// group closes with 万 whenever it holds a digit (三千五十万八千).
QString NumberKanji(int n);
// The most kanji a number of the lesson needs (99999999 has 15).
inline constexpr int LongestKanji = 15;

// The question of "あわせた数": the number, then the eight place names one
// under the other, then the question. The place names stand on the lines
// PlacesFirstLine to PlacesFirstLine + 7 (counted from 0).
QString PlacesQuestion(int n);
inline constexpr int PlacesFirstLine = 2;
inline constexpr int PlacesQuestionLines = 12;
// The question of "漢字→数字": the kanji over "を 数字で かくと？".
QString KanjiQuestion(const QString &kanji);
// The question of "数字→漢字": the number over "を 漢字で かくと？".
QString DigitsQuestion(int n);

// The answer lines under the question once a problem is marked, and the
// kanji the pupil has clicked so far.
QString DigitsAnswerLine(int n);              // "こたえは 23456789 だよ。"
QString KanjiAnswerLine(const QString &kanji);  // "こたえ：　 二千…"
QString ClickedLine(const QString &clicked);  // "クリック： 二千…"

// The study memo, line for line.
QStringList NumbersMemo();
