#pragma once
// "わり算とあまり" under "７．わり算": division that leaves a remainder.
// The story puts 13 apples into boxes of 4: three boxes fill and one apple
// is left over, and that is written 13 ÷ 4 = 3  あまり 1. The times-table
// method finds the quotient as the largest fact not above the dividend. In
// test mode the pupil picks the quotient, then the remainder; the remainder
// pick marks the pair and shows the completed division and its check.
#include "lessons/division/story.h"

// The lesson's texts, and with them its pictures.
DivisionTexts RemainderTexts();
DivisionStory RemainderStory();

class TForm22 : public TDivisionLesson {
    Q_OBJECT
public:
    explicit TForm22(const Services &services);

    TComboBox *ComboBox3;  // quotient picker, "答え", left of the remainder
    TComboBox *ComboBox2;  // remainder picker, "あまり"; its pick marks the answer

    // Draws a division with a remainder (the dividend is kept in Answer) and
    // empties the quotient slot, so a quotient picked for an earlier problem
    // never counts for this one.
    void DrawProblem() override;

public slots:
    void ComboBox3Change();
    void ComboBox2Change();
};
