#pragma once
// "長さ" and "重さ" under "４．たんい の ある 計算": a unit and its thousandth,
// kilometres and metres (1 km = 1000 m) or kilograms and grams
// (1 kg = 1000 g). Both lessons draw, answer and mark alike; only their
// words differ, so each pair of units is a table of texts, and one screen
// class serves both. Every answer is held in the smaller unit: the
// thousands picker carries the larger unit, the hundreds, tens and ones the
// smaller. The arithmetic as plain functions, and the screens TForm10 and
// TForm12.
#include "lessons/units/flow.h"

class Random;

// The words of one pair of units. Each text is a template whose {names}
// are the numbers of the problem (see MetricConversion and
// MetricCalculation for the names).
struct MetricUnitsTexts {
    const char *answerPrompt;  // answer the larger unit in the thousands, the smaller below
    // A conversion: the question, the worked equation and the hint.
    struct Conversion {
        const char *question, *equation, *hint, *testPrompt;
    };
    Conversion toBoth;     // a number of the smaller unit into both units
    Conversion toSmaller;  // both units into the smaller one
    // A calculation stands on two lines: the terms, then what is asked,
    // under them. The worked equation keeps the terms and writes the result
    // on the second line. Its working comes plain, or regrouped: a carry of
    // 1000 into the larger unit for a sum, a borrow of one for a difference.
    struct Working {
        const char *result, *hint;
    };
    struct Calculation {
        const char *terms, *asked;
        Working working[2];  // plain, regrouped
    };
    // Both units plus both units, both plus the smaller alone, both minus
    // both, both minus the smaller alone.
    Calculation sum, sumOfSmaller, difference, differenceOfSmaller;
};

extern const MetricUnitsTexts LengthTexts;  // km and m
extern const MetricUnitsTexts WeightTexts;  // kg and g

// The study texts of "たんい" (texts.cpp).
QStringList LengthStudyText();
QStringList WeightStudyText();

// Conversions ("へんかん"), by kind 0 … 8: 0–4 the number 1000a + 10b of the
// smaller unit into both units, 5–8 a of the larger and 10b of the smaller
// into the smaller unit. Names: {A}, {10B}, {1000A}, {1000A+10B}.
UnitsProblem MetricConversion(const MetricUnitsTexts &units, int kind, int a, int b);
// Reseeds, then kind = R(9), a = 1 + R(8), b = 1 + R(98).
UnitsProblem DrawMetricConversion(const MetricUnitsTexts &units, Random &random);

// Calculations ("計算"), by kind 0 … 8, with the operands in the shared
// record's order (p and q the first quantity; c the larger unit of the
// second, or a plain number of the smaller; d the smaller unit of the
// second): 0–2 p q + c d, 3–4 p q + c, 5–7 p q − c d, 8 p q − c.
UnitsProblem MetricCalculation(const MetricUnitsTexts &units, int kind, int p, int q, int c, int d);
// Reseeds, then kind = R(9) and the operands in the lesson's order, drawing
// again (at most 1000 times) while the larger unit would not fit one
// digit: a sum's larger units at most 8 (else 3 and 2, or 3 and 2100 of the
// smaller), a difference's at least 2 (else 3 and 1). The smaller units are
// tens from 10 to 980; a plain number added runs from 100 to 8890.
UnitsProblem DrawMetricCalculation(const MetricUnitsTexts &units, Random &random);

// A lesson in a unit and its thousandth on the length machinery; its texts
// say which.
class TLengthLesson : public TMetricUnitsLesson {
    Q_OBJECT
public:
    void DrawConversionProblem();
    void DrawCalculationProblem();

protected:
    TLengthLesson(const Services &services, const UnitsDesign &design, const MetricUnitsTexts &units);
    bool DrawProblem() override;

private:
    const MetricUnitsTexts &units_;
};

// "長さ": kilometres and metres.
class TForm10 : public TLengthLesson {
    Q_OBJECT
public:
    explicit TForm10(const Services &services);
};

// "重さ": kilograms and grams.
class TForm12 : public TLengthLesson {
    Q_OBJECT
public:
    explicit TForm12(const Services &services);
};
