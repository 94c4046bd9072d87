#pragma once
// "ドリル" under "６．かけ算": timed multiplication drills on the drill frame:
// one-digit numbers and tens times tens and hundreds, two- and three-place
// numbers times tens and hundreds, and two places by two places. The pupil
// picks the product's digits from the hundred-thousands down; a problem must
// be answered before the next one comes.
#include "frame/drill.h"
#include "lessons/multiplication/column1.h"

// The drill's problem for a menu item. Reseeds, rolls r = R(9), then draws
// the multiplicand and the multiplier; "tens" are 10 × (R(7) + 2), 20 … 80,
// and "hundreds" 100 × (R(7) + 2), 200 … 800:
// 1 "1～4 けた x 1 けた": r 0 … 2 one digit R(7) + 2 × tens; 3, 4 one digit ×
//   hundreds; 5 … 7 tens × tens; 8 tens × hundreds;
// 2 "1～2 けた x 何十,何百": r 0 … 2 R(88) + 11 × tens; 3, 4 R(888) + 111 ×
//   tens; 5 … 7 R(88) + 11 × hundreds; 8 R(888) + 111 × hundreds;
// 3 "２ けた x ２ けた": two places by two, drawn again while the product
//   ends in 0 (at most 1000 pairs, else 23 × 45).
// Any other item draws nothing (false).
bool DrawMultiplicationDrill(int menuChoice, Random &random, ColumnProduct &problem);

class TForm20 : public TDrillScreen {
    Q_OBJECT
public:
    explicit TForm20(const Services &services);

    // The pickers from the hundred-thousands ("十") down: 十, 万, 千, 百, 十
    // and 一; the ones close the answer.
    TComboBox *ComboBox8, *ComboBox7, *ComboBox6, *ComboBox5, *ComboBox4, *ComboBox3;

protected:
    void PoseProblem() override;
    void AnswerPicked() override;
    RecordedProblem problemData() const override { return {QStringLiteral("mul"), problem_.a, problem_.b, {}, {}}; }

private:
    ColumnProduct problem_;
};
