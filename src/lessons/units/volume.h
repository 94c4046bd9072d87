#pragma once
// "かさ" under "４．たんい の ある 計算": litres, decilitres and millilitres
// (1 dl = 100 ml, 1 l = 1000 ml = 10 dl). Every answer is held in
// millilitres: the thousands and hundreds pickers carry litres and
// decilitres (or the two digits of a number of decilitres), the tens and ones
// only an answer asked in millilitres. Its arithmetic as plain functions, and
// the screen TForm9.
#include "lessons/units/flow.h"

class Random;

// The study text of "たんい" (texts.cpp).
QStringList VolumeStudyText();

// Conversions ("へんかん"), by kind 0 … 8: 0–1 a l b dl to decilitres, 2–3 a dl
// to litres and decilitres, 4–6 a ml to litres and decilitres, 7–8 a l b dl
// to millilitres. Only the last form uses the tens and ones pickers.
UnitsProblem VolumeConversion(int kind, int a, int b);
// Reseeds, then kind = R(9); a = 1 + R(8) and b = 1 + R(8) for the forms
// from litres and decilitres, a = 11 + R(88) decilitres, or a = 100 × (11 +
// R(88)) millilitres.
UnitsProblem DrawVolumeConversion(Random &random);

// Calculations ("計算"), by kind 0 … 8, with the operands in the shared
// record's order: 0–2 a l b dl + c l d dl, 3–4 a ml + b ml, 5–7 a l b dl −
// c l d dl, 8 a ml − b ml. The litre-and-decilitre forms carry 10 dl into a
// litre or borrow one, and use the thousands and hundreds pickers only.
UnitsProblem VolumeCalculation(int kind, int a, int b, int c, int d);
// Reseeds, then kind = R(9) and the operands in the lesson's order, drawing
// again (at most 1000 times) while the litres would not fit: a sum's litres
// at most 8 (else 3 l and 2 l), a difference's at least 2 (else 3 l and
// 1 l), and millilitres taken from more (else 300 − 200).
UnitsProblem DrawVolumeCalculation(Random &random);

class TForm9 : public TMetricUnitsLesson {
    Q_OBJECT
public:
    explicit TForm9(const Services &services);

    void DrawConversionProblem();
    void DrawCalculationProblem();

protected:
    bool DrawProblem() override;
};
