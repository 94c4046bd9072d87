#pragma once
// "ひっ算２" under "６．かけ算": written multiplication of two places by two
// places. The worksheet has five rows: the two numbers, the product of the
// multiplicand and the multiplier's ones, the product by its tens written
// one place further left, and under a second rule their sum. Both modes work
// the same random problems, with the red lines, side carries and struck
// carries of "ひっ算１": study mode in six steps, test mode in five picking
// stages (four digit-by-digit products, tens digit first, then the whole
// product from the highest place down).
#include "lessons/multiplication/column1.h"

// Reseeds, then draws a = R(88) + 11 and b = R(88) + 11 (11 … 98) together
// until the product's ones are not 0, at most 1000 pairs; else 23 × 45.
ColumnProduct DrawByTwoDigits(Random &random);
// The same pairs without the reseed, for a draw that rolls first.
ColumnProduct DrawTwoDigitPair(Random &random);

inline constexpr int ByTwoDigitsSteps = 6;
// Step `step` (1 … 6) of a worked multiplication of two places by two:
// rows 0 the multiplicand, 1 the multiplier, 2 the product by the ones, 3 the
// product by the tens, 4 the product; red lines 0 ones to ones, 1 tens to
// ones, 2 ones to tens, 3 tens to tens; carry 0 that of the product by the
// ones, 1 that of the product by the tens; rule 1 the one over the product.
ProductStep ByTwoDigitsStep(const ColumnProduct &p, int step);
// The prompt while the pupil works picking stage `stage` (0 … 4).
QString ByTwoDigitsPrompt(int stage);
// The "ポイント" memo.
QStringList ByTwoDigitsMemo();

class TForm18 : public TProductSheetScreen {
    Q_OBJECT
public:
    explicit TForm18(const Services &services);

    TDigitRow *Label6;      // row 1: OperandA
    TDigitRow *Label7;      // row 2: OperandB
    TLabel *Label11;        // the operator "x"
    TShape *Shape1;         // the rule under row 2
    TDigitRow *Label8;      // row 3: OperandA times the multiplier's ones
    TDigitRow *Label9;      // row 4: OperandA times the multiplier's tens, its right edge under the tens
    TShape *Shape2;         // the rule under row 4
    TDigitRow *Label10;     // row 5: the product
    TLabel *Label12;        // carry of row 3, beside the worksheet
    TLabel *Label13;        // carry of row 4, under it
    TShape *Shape3;         // stroke through Label12: the carry is used
    TImage *Image2;         // red line, straight down over the ones: ones with ones
    TImage *Image3;         // red line from the tens down to the ones: tens with ones
    TImage *Image4;         // red line from the ones down to the tens: ones with tens
    TImage *Image5;         // red line, straight down over the tens: tens with tens
    TLabel *Label14;        // mark "○" or "×"
    TComboBox *ComboBox4;   // picker "千"
    TComboBox *ComboBox3;   // picker "百"
    TComboBox *ComboBox2;   // picker "十"
    TComboBox *ComboBox1;   // picker "一"

    void DrawProblem() override;

public slots:
    void ComboBox1Change() { picked(0); }
    void ComboBox2Change() { picked(1); }
    void ComboBox3Change() { picked(2); }
    void ComboBox4Change() { picked(3); }

protected:
    int steps() const override { return ByTwoDigitsSteps; }
    ProductStep productStep(int step) const override { return ByTwoDigitsStep(problem(), step); }
    void PoseTestProblem() override;

private:
    // A pick in the picker of `place` in the stage StepNo: the tens digit of
    // the stage's product, or the digit that completes it.
    void picked(int place);
    void completeStage(int stage, int product);
};
