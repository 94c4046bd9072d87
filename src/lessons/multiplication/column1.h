#pragma once
// "ひっ算１" under "６．かけ算": written multiplication of a number of two,
// three or four places by one digit. Both modes work random problems. A red
// line joins the digit multiplied next to the multiplier, the carries stand
// beside the worksheet one under the other and are struck through once the
// next column has used them, and the last column writes its whole partial
// result, so the answer may be one place longer than the multiplicand.
// Study mode works a problem a column a step; in test mode the pupil picks
// each column's partial result, tens digit first, and the screen writes the
// row and the carries, then marks the finished answer.
#include "frame/productsheet.h"

#include <QString>

class Random;

// ---------------------------------------------------------------- arithmetic

// Reseeds, draws the multiplier b = R(7) + 2 (2 … 8), then the multiplicand
// of the menu item: 1 two places R(88) + 11, 2 three places R(898) + 101,
// 3 four places R(8998) + 1001.
ColumnProduct DrawByOneDigit(int menu, Random &random);
// Steps of a problem of the menu item: the set-out step, then one a column.
inline int ByOneDigitSteps(int menu) { return menu + 2; }
// Step `step` (1 …) of a worked multiplication by one digit: rows 0 the
// multiplicand, 1 the multiplier, 2 the result; red line c joins the digit of
// column c to the multiplier; carry c is the carry out of column c.
ProductStep ByOneDigitStep(const ColumnProduct &p, int step);
// The prompt while the pupil works column `column` (0 the ones).
QString ByOneDigitPrompt(int column);
// The "ポイント" memo, and its pictures of columns drawn in place columns.
QStringList ByOneDigitMemo();
QList<TMemo::FigureRow> ByOneDigitMemoFigures();

// ---------------------------------------------------------------- TForm17

class TForm17 : public TProductSheetScreen {
    Q_OBJECT
public:
    explicit TForm17(const Services &services);

    TComboBox *ComboBox1;   // menu: "２ｘ１ けた", "３ｘ１ けた", "４ｘ１ けた"
    TDigitRow *Label6;      // first row: OperandA
    TDigitRow *Label7;      // second row: OperandB, in the ones column
    TLabel *Label12;        // the operator "x"
    TShape *Shape1;         // the rule under the second row
    TDigitRow *Label8;      // result row, one place longer than the rows above
    TLabel *Label9;         // carry out of the ones, beside the worksheet
    TLabel *Label10;        // carry out of the tens, under it
    TLabel *Label11;        // carry out of the hundreds, under that
    TShape *Shape2;         // stroke through Label9: the carry is used
    TShape *Shape3;         // stroke through Label10
    TImage *Image2;         // red line: the ones digit to the multiplier
    TImage *Image3;         // red line: the tens digit to the multiplier
    TImage *Image4;         // red line: the hundreds digit to the multiplier
    TImage *Image5;         // red line: the thousands digit to the multiplier
    TLabel *Label13;        // mark "○" or "×"
    TComboBox *ComboBox6;   // picker "万"
    TComboBox *ComboBox5;   // picker "千"
    TComboBox *ComboBox4;   // picker "百"
    TComboBox *ComboBox3;   // picker "十"
    TComboBox *ComboBox2;   // picker "一"

    void ResetScreen() override;
    void DrawProblem() override;

    // The menu item picked on this screen (1 … 3), 0 before its menu is
    // picked. MenuChoice is shared by every screen; this one is the screen's own.
    int MenuPicked() const { return menu_; }

public slots:
    void ComboBox1Change();
    void ComboBox2Change() { picked(0); }
    void ComboBox3Change() { picked(1); }
    void ComboBox4Change() { picked(2); }
    void ComboBox5Change() { picked(3); }
    void ComboBox6Change() { picked(4); }

protected:
    void takeBackMenu() override;
    bool canPose() const override { return menu_ > 0; }
    int steps() const override { return ByOneDigitSteps(menu_); }
    ProductStep productStep(int step) const override { return ByOneDigitStep(problem(), step); }
    void PoseTestProblem() override;

private:
    // A pick in the picker of `place`: the tens digit of the column being
    // worked, or the ones digit of its partial result, which completes it.
    void picked(int place);
    void completeColumn(int partial);
    int lastColumn() const { return menu_; }  // 1 the tens … 3 the thousands

    int menu_ = 0;
    int column_ = 0;   // the column the pupil works on, 0 the ones
    QString before_;   // the result row before the last column was written
};
