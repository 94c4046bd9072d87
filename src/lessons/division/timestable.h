#pragma once
// "わり算と九九" under "７．わり算": division as sharing into equal groups.
// The story puts 12 apples into boxes of 4 and needs 3 boxes, written
// 12 ÷ 4 = 3; the times-table method reads the quotient off the fact
// 4 x 3 = 12. In test mode the pupil picks the quotient of an exact division
// from one picker, and the pick is marked with the fact and the division.
#include "lessons/division/story.h"

// The lesson's texts, and with them its pictures.
DivisionTexts TimesTableTexts();
DivisionStory TimesTableStory();

class TForm21 : public TDivisionLesson {
    Q_OBJECT
public:
    explicit TForm21(const Services &services);

    TComboBox *ComboBox2;  // answer picker, "答え"; its pick marks the answer

    // Draws an exact division; the quotient is the answer.
    void DrawProblem() override;

public slots:
    void ComboBox2Change();
};
