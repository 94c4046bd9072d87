#pragma once
// "ドリル" under "３．ひっ算": timed drills of column addition and subtraction
// with three- and four-place numbers. The problems are those of the column
// lessons' tests, but each stands on one line and the pupil picks the
// answer's digits straight away, from the thousands down. A problem must be
// answered before the next one comes.
#include "frame/drill.h"
#include "lessons/column/problems.h"

class TForm8 : public TDrillScreen {
    Q_OBJECT
public:
    explicit TForm8(const Services &services);

    TComboBox *ComboBox6, *ComboBox5, *ComboBox4, *ComboBox3;  // 千, 百, 十 and 一; the ones close the answer
    TStatusBar *StatusBar2;  // an empty bar above the clock bar

protected:
    void PoseProblem() override;
    void AnswerPicked() override;
    RecordedProblem problemData() const override
    {
        return {problem_.subtract ? QStringLiteral("sub") : QStringLiteral("add"), problem_.a, problem_.b, {}, {}};
    }

private:
    ColumnProblem problem_;
};

// The drill's problem for a menu item: 1 three-place addition, 2 four-place
// addition, 3 three-place subtraction, 4 four-place subtraction. Any other
// item draws nothing (false).
bool DrawColumnDrill(int menuChoice, Random &random, ColumnProblem &problem);
