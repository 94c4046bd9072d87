#pragma once
// "0,10,100のかけ算" under "６．かけ算": multiplying by 0, by 10 and by 100.
// Study mode shows a memo; test mode poses a product such as 7 x 10 = ? or
// 0 x 4 = ?, the pupil picks its digits from the highest place down with
// five pickers, and the ones pick marks it and writes the product whole.
// The flow is that of the rules screen (TStudyTestLesson).
#include "lessons/multiplication/rules.h"

#include <optional>

// One product of the lesson: the roll that chose its kind (0 … 8), the roll
// that put 0 or 10 first (0 … 8, above 4 first), the number N multiplied,
// the factor 0, 10 or 100, the product and its texts.
struct ZeroTenProblem {
    int kind = 0;         // ProblemKind
    int factorOrder = 0;  // FactorOrder
    int n = 0;            // OperandA
    int factor = 0;       // 0, 10 or 100
    int answer = 0;       // n x factor
    QString text;         // "7 x 10 = ?"
    QString equation;     // "7 x 10 = 70"
};

// The product of `kind` with N = n; `factorOrder` above 4 writes 0 or 10
// first where N has one digit.
ZeroTenProblem ZeroTenProblemOf(int kind, int factorOrder, int n);
// Reseeds, then draws in the lesson's order: the kind R(9), the order R(9),
// then N by the kind: 1 … 9 times 0 or 10, 10 … 98 times 100, 100 … 998
// times 10 or 100.
ZeroTenProblem DrawZeroTenProblem(Random &random);
// The memo of the lesson, 41 lines.
QStringList ZeroTenStudyText();

class TForm16 : public TStudyTestLesson {
    Q_OBJECT
    Q_PROPERTY(int ProblemKind READ problemKind)
    Q_PROPERTY(int FactorOrder READ factorOrder)
public:
    explicit TForm16(const Services &services);

    TComboBox *ComboBox5;  // ten-thousands picker, "万"
    TComboBox *ComboBox4;  // thousands picker, "千"
    TComboBox *ComboBox3;  // hundreds picker, "百"
    TComboBox *ComboBox2;  // tens picker, "十"
    TComboBox *ComboBox1;  // ones picker, "一"; its pick marks the product

    int problemKind() const { return ProblemKind; }
    int factorOrder() const { return FactorOrder; }
    const std::optional<ZeroTenProblem> &problem() const { return problem_; }

    void ResetScreen() override;
    void DrawProblem() override;

public slots:
    void ComboBox5Change();
    void ComboBox4Change();
    void ComboBox3Change();
    void ComboBox2Change();
    void ComboBox1Change();

private:
    void placePicked(TComboBox *picker);

    int ProblemKind = 0;  // the kind of the product on screen
    int FactorOrder = 0;  // whether 0 or 10 was written first
    std::optional<ZeroTenProblem> problem_;
};
