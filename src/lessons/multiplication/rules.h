#pragma once
// "かけ算のきまり" under "６．かけ算": the three rules of multiplication. The
// factors may be swapped, the factors of a product of three may be grouped
// either way, and one more (one less) in the multiplier adds (takes away)
// the multiplicand once. Study mode shows the rules as a memo; test mode
// poses an equation with one number hidden as "?", the pupil picks it, and
// the screen marks it and writes the equation whole.
//
// The study-and-test flow of this screen is shared with "0,10,100のかけ算"
// (TStudyTestLesson): the memo on show, the toggle, "つぎへ" and the marking.
#include "frame/studytest.h"

#include <QString>
#include <QStringList>
#include <optional>

class Random;

// ---------------------------------------------------------------- the rules' arithmetic

// One equation of the rules lesson: its kind (0 … 8, the roll that chose
// its form), its factors, the number behind "?", and its texts.
struct RulesProblem {
    int kind = 0;
    int a = 0;  // OperandA, 1 … 8
    int b = 0;  // OperandB, 2 … 7
    int c = 0;  // OperandC, 1 … 8; only the grouping kinds 3, 4 and 5 draw it
    int answer = 0;
    QString text;      // the equation with "?": "5 x 4 = 5 x 3 + ?"
    QString equation;  // the same equation whole: "5 x 4 = 5 x 3 + 5"
};

// The equation of `kind` with the factors a, b and c.
RulesProblem RulesProblemOf(int kind, int a, int b, int c);
// Reseeds, then draws in the lesson's order: the kind R(9), A = R(8) + 1,
// B = R(6) + 2, and for the grouping kinds C = R(8) + 1.
RulesProblem DrawRulesProblem(Random &random);
// The memo of the rules, 21 lines.
QStringList RulesStudyText();

// ---------------------------------------------------------------- the rules screen

class TForm15 : public TStudyTestLesson {
    Q_OBJECT
    Q_PROPERTY(int ProblemKind READ problemKind)
public:
    explicit TForm15(const Services &services);

    TComboBox *ComboBox1;  // the answer picker, " ０" … " ９", placeholder "答え"

    int problemKind() const { return ProblemKind; }
    const std::optional<RulesProblem> &problem() const { return problem_; }

    void ResetScreen() override;
    void DrawProblem() override;

public slots:
    void ComboBox1Change();

private:
    int ProblemKind = 0;  // the kind of the equation on screen
    std::optional<RulesProblem> problem_;
};
