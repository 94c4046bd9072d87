#pragma once
// "ドリル" under "７．わり算": timed drills of the divisions of the two
// division lessons, "あまり なし" (exact, one quotient picker) and
// "あまり あり" (a quotient and a remainder picker). Every answer is one row
// of the drill log, the remainders in its own two columns. The screen is set
// up once, when the program starts, and keeps its state between visits; a
// problem must be answered before the next one comes.
#include "frame/drill.h"
#include "lessons/division/story.h"

// The drill's problem for a menu item: 1 ("あまり なし") an exact division,
// any other a division with a remainder, drawn as the lessons draw them.
DivisionProblem DrawDivisionDrill(int menuItem, Random &random);

// The log grid: Ｎｏ 40, もんだい 140, 答え（正） 90, あまり（正） 90,
// 答え 90, あまり 90, ○× 40, the remainders beside the answers they belong to.
QList<TDBGridColumn> DivisionDrillGridColumns();

class TForm23 : public TDrillScreen {
    Q_OBJECT
public:
    explicit TForm23(const Services &services);

    TComboBox *ComboBox4;  // quotient picker, "答え", left of the remainder picker
    TComboBox *ComboBox3;  // remainder picker, "あまり"; on "あまり あり" its pick is the answer

protected:
    void PoseProblem() override;
    QString startPrompt() const override;
    // The quotient picker opens for every problem, the remainder picker for
    // a division with a remainder; the last of them closes the answer.
    bool placeOpen(int place) const override { return place == 1 || withRemainder_; }
    int closingPlace() const override { return withRemainder_ ? 0 : 1; }
    void AnswerPicked() override;
    // a ÷ b = c, or a ÷ b = c あまり d.
    RecordedProblem problemData() const override
    {
        return {withRemainder_ ? QStringLiteral("divrem") : QStringLiteral("div"), problem_.dividend(),
                problem_.divisor, problem_.quotient, withRemainder_ ? QVariant(problem_.remainder) : QVariant()};
    }

private:
    // The menu item picked on this screen, 1 or 2; 0 before any pick.
    int menuItem() const { return ComboBox1->itemIndex() + 1; }

    DivisionProblem problem_;
    bool withRemainder_ = false;  // the problem on screen was drawn with a remainder
};
