#pragma once
// "たし算とひき算" under "５．かくれ算": how to find the digits hidden in a
// written column calculation. The menu sets up a fixed addition or
// subtraction of four-place numbers with four digits in boxes; the step
// button works it one column at a time, from the ones to the thousands,
// writing each found digit into its box, the carry or borrow mark above the
// next column, and the reasoning in words. Nothing is asked and nothing is
// marked.
#include "frame/lesson.h"
#include "lessons/hidden/examples.h"

class TForm14 : public TLessonScreen {
    Q_OBJECT
public:
    explicit TForm14(const Services &services);

    TLabel *Label1;   // title "かくれ算"
    TLabel *Label2;   // the reasoning of the step last shown, under the grid
    TLabel *Label3;   // prompt line beside the picture
    TLabel *Label4;   // the sign, left of the second number

    // The digits of the grid, by column (ones, tens, hundreds, thousands)
    // and row (first number, second number, result).
    TLabel *Label5, *Label6, *Label7;     // ones
    TLabel *Label8, *Label9, *Label10;    // tens
    TLabel *Label11, *Label12, *Label13;  // hundreds
    TLabel *Label14, *Label15, *Label16;  // thousands
    // Carry and borrow marks above the first number.
    TLabel *Label17;  // above the tens
    TLabel *Label18;  // above the hundreds; no example carries into them
    TLabel *Label19;  // above the thousands

    // The boxes that hide digits, one behind each digit of the grid, in the
    // order of the digits above (Shape1 behind Label5 … Shape12 behind
    // Label16); a box's digit is always drawn over it.
    TShape *Shape1, *Shape2, *Shape3, *Shape4, *Shape5, *Shape6;
    TShape *Shape7, *Shape8, *Shape9, *Shape10, *Shape11, *Shape12;
    TShape *Shape13;  // the line under the second number

    TComboBox *ComboBox1;      // menu: " たし算", " ひき算"
    TCuteButton *CuteButton5;  // the step button, naming the step it shows next
    TCuteButton *CuteButton6;  // "ポイント", never usable on this screen
    TImage *Image1;            // the 64 × 64 picture

    TLabel *promptLabel() const override { return Label3; }

    void ResetScreen();
    void DrawProblem();
    void ShowStep();

    TLabel *digitLabel(HiddenCell cell) const { return digits_[cell.row][cell.place]; }
    TShape *box(HiddenCell cell) const { return boxes_[cell.row][cell.place]; }
    TLabel *markLabel(int place) const { return marks_[place]; }

public slots:
    void FormCreate();
    void ComboBox1Change();
    void CuteButton5Click();


private:
    // Clears the grid and sets up the example of MenuChoice with its boxes
    // empty, ready for the first step.
    void SetUpExample();

    TLabel *digits_[HiddenRows][HiddenPlaces];
    TShape *boxes_[HiddenRows][HiddenPlaces];
    TLabel *marks_[HiddenPlaces];  // none above the ones
};
