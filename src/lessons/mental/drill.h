#pragma once
// "ドリル" under "２．あん算": timed drills of two-digit mental addition and
// subtraction on the drill frame. The screen says only what its drill is:
// the menu, the three pickers, the problems and the text of a log row.
#include "frame/drill.h"

class Random;

// A problem of the drill: a + b or a − b.
struct MentalDrillProblem {
    int a = 0;
    int b = 0;
    bool subtract = false;
    int answer() const { return subtract ? a - b : a + b; }
    QString text() const;  // "65 + 78", "67 - 48": the problem as the log keeps it
    QString line() const;  // "65 + 78 = ?": the problem as the pupil sees it
};

// Reseeds, then draws for the menu item (1 addition, 2 subtraction):
// addition: a = R(88) + 11, b = R(88) + 11 (sums 22 … 196);
// subtraction: a = R(87) + 12 and b = R(88) + 11 together again until a > b,
//   at most 1000 pairs, else 57 − 38.
MentalDrillProblem DrawMentalDrill(int menuChoice, Random &random);

class TForm5 : public TDrillScreen {
    Q_OBJECT
public:
    explicit TForm5(const Services &services);

    TComboBox *ComboBox5, *ComboBox4, *ComboBox3;  // 百, 十 and 一 pickers; the ones close the answer

protected:
    void PoseProblem() override;
    bool placeOpen(int place) const override;
    void AnswerPicked() override;
    RecordedProblem problemData() const override
    {
        return {problem_.subtract ? QStringLiteral("sub") : QStringLiteral("add"), problem_.a, problem_.b, {}, {}};
    }

private:
    MentalDrillProblem problem_;
};
