#pragma once
// "時こくと時間" under "４．たんい の ある 計算": seconds, minutes and hours,
// converting between them, adding minutes to a time and taking them away,
// and eight word problems on times of day. Its arithmetic as plain
// functions, and the screen TForm11.
#include "lessons/units/flow.h"

class Random;

// The study text of "たんい" (texts.cpp).
QStringList TimeStudyText();

// Conversions ("へんかん"), by kind 0 … 8:
// 0–2 minutes and seconds to seconds (a 分 b 秒), 3–4 seconds to minutes and
// seconds (a 秒), 5–7 hours and minutes to minutes (a 時間 b 分), 8 minutes
// to hours and minutes (a 分). The answer is in seconds or minutes; where it
// is split, the hundreds picker carries the whole minutes or hours (60 each).
UnitsProblem TimeConversion(int kind, int a, int b);
// Reseeds, then kind = R(9); a = 1 + R(2) and b = 1 + R(58) for the forms
// that join two units, a = 61 + R(178) for those that split one.
UnitsProblem DrawTimeConversion(Random &random);

// Calculations ("計算"), by kind 0 … 8: 0–4 h 時 m 分 + d 分, 5–8 h 時 m 分 − d
// 分, with a carry of 60 minutes into the hour or a borrow of one hour. The
// answer is in minutes; the hundreds picker carries the hours.
UnitsProblem TimeCalculation(int kind, int h, int m, int d);
// Reseeds, then kind = R(9); h = 1 + R(8) for a sum, 2 + R(7) for a
// difference; m and d = 10 × (1 + R(4)), in that order.
UnitsProblem DrawTimeCalculation(Random &random);

// The word problems ("ぶんしょう"), 1 … 8: the question, and the answer line
// with its explanation.
UnitsProblem TimeWordProblem(int no);
// The word problem after `no` in the cycle 1 … 8 … 1; 1 after 0 or after any
// number outside the cycle.
int NextWordProblemNo(int no);

class TForm11 : public TUnitsLesson {
    Q_OBJECT
public:
    explicit TForm11(const Services &services);

    void DrawConversionProblem();
    void DrawCalculationProblem();
    void NextWordProblem();

protected:
    bool DrawProblem() override;
    void menuPicked(int menu) override;
};
