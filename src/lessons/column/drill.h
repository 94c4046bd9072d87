#pragma once
// "ドリル" under "３．ひっ算": timed drills of column addition and subtraction
// with three- and four-place numbers. The problems are those of the column
// lessons' tests, but each stands on one line and the pupil picks the
// answer's digits straight away, from the thousands down. A problem must be
// answered before the next one comes.
#include "frame/drill.h"
#include "lessons/column/problems.h"

// The drill's problem for a menu item: 1 three-place addition, 2 four-place
// addition, 3 three-place subtraction, 4 four-place subtraction. Any other
// item draws nothing (false).
bool DrawColumnDrill(int menuChoice, Random &random, ColumnProblem &problem);

class TForm8 : public TDrillScreen {
    Q_OBJECT
public:
    explicit TForm8(const Services &services);

    TComboBox *ComboBox6;    // thousands picker, "千"
    TComboBox *ComboBox5;    // hundreds picker, "百"
    TComboBox *ComboBox4;    // tens picker, "十"
    TComboBox *ComboBox3;    // ones picker, "一"; its pick is the answer
    TStatusBar *StatusBar2;  // an empty bar above the clock bar

    void ResetScreen() override;
    void ShowPickers() override;

public slots:
    void ComboBox6Change();
    void ComboBox5Change();
    void ComboBox4Change();
    void ComboBox3Change();

protected:
    void PoseProblem() override;
    ProblemData problemData() const override
    {
        return {problem_.subtract ? QStringLiteral("sub") : QStringLiteral("add"), problem_.a, problem_.b, {}, {}};
    }

private:
    ColumnProblem problem_;
};
