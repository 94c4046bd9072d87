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
//
// TProductSheetScreen is what the two column multiplications share (this
// one and "ひっ算２", column2.h): the worksheet with its red lines, side
// carries and strokes, the study/test toggle, "つぎへ", the step button and
// the "ポイント" memo.
#include "frame/worksheet.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

class Random;

// ---------------------------------------------------------------- arithmetic

// The digit of n at `place` (0 the ones).
int PlaceDigit(int n, int place);
// How many places n has (1 for 0 … 9).
int Places(int n);

// a × b, a problem of the column multiplications.
struct ColumnProduct {
    int a = 0;
    int b = 0;
    int answer() const { return a * b; }
    QString text() const;      // "234 x 5": the problem as the drill's log keeps it
    QString line() const;      // "234 x 5 = ?"
    QString equation() const;  // "234 x 5 = 1170"
};

// What one step of a worked column multiplication puts on the worksheet.
// Rows, red lines, carries, strokes and rules are numbered as the screen
// lists them (TProductSheetScreen::Sheet).
struct ProductStep {
    QString text;                         // the explanation, lines joined by "\r"
    int redLine = -1;                     // the one red line shown; -1 none
    QList<std::pair<int, QString>> rows;  // rows written at this step, with their digits
    QList<std::pair<int, int>> carries;   // side carries written, with their digit
    QList<int> struck;                    // side carries struck through at this step
    QList<int> rules;                     // rules shown at this step
    bool last = false;                    // the problem line shows the answer
};

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

// ---------------------------------------------------------------- the shared screen

// What a column multiplication states about itself.
struct TProductSheet {
    QString title;               // Label1
    QString subtitle;            // Label2
    QString quitQuestion;        // asked by "おわる"
    QString shownPrompt;         // the prompt when the screen is shown
    bool readyWhenShown = false; // "つぎへ" is enabled when the screen is shown
    bool stageInStepNo = false;  // test mode keeps its stage in StepNo: "つぎへ" zeroes it (the toggle always does)
    QString markedPrompt;        // the prompt once the answer is marked
    QStringList memoLines;       // the "ポイント" text
    bool memoScrollBar = false;  // the memo shows its scroll bar (always), or none
    int memoDesignTop = -1;      // where the hidden memo waits; -1 over the working area
    TWorksheet::Grid grid;       // the worksheet's boxes
    int lastLabel = 13;          // ResetScreen empties Label4 … Label<lastLabel>
    int lastShape = 3;           // ResetScreen hides Shape1 … Shape<lastShape>
};

class TProductSheetScreen : public TSheetScreen {
    Q_OBJECT
public:
    TLabel *Label5;            // explanation of the step on show, teal

    // The screen's procedures.
    virtual void ResetScreen();
    void ShowPickers();   // every picker shown and enabled, none picked, each with its place name
    void HideRedLines();  // every red line hidden
    virtual void DrawProblem() = 0;
    void ShowColumnStep() override;  // step ColumnStep of the problem on show
    void MarkAnswer();      // "○"/"×" for GivenAnswer, the answer shown

    // The problem this screen drew last.
    const ColumnProduct &problem() const { return problem_; }

public slots:
    void FormCreate();
    void CuteButton3Click();
    void CuteButton4Click();
    void CuteButton5Click();
    void CuteButton6Click();

protected:
    TProductSheetScreen(const Services &services, const TProductSheet &sheet);
    void shown() override { FormCreate(); }

    // The parts of the sheet, numbered as ProductStep numbers them.
    struct Sheet {
        QList<TDigitRow *> rows;   // the multiplicand, the multiplier, the rows under the rules
        TLabel *sign = nullptr;    // "x"
        QList<TShape *> rules;     // the rules, the first under the multiplier
        QList<TImage *> redLines;  // the red link lines
        QList<TLabel *> carries;   // side carries, from the top down
        QList<TShape *> strokes;   // strokes through the side carries (nullptr: none)
        TLabel *mark = nullptr;    // "○" or "×"
    };
    Sheet &sheet() { return sheet_; }
    // The sheet's "x" in the box left of `places` boxes of the multiplier's
    // row, and the first rule from that box to a little beyond the rows.
    void placeSign(int places);


    // The lesson's own parts of the flow.
    virtual void takeBackMenu() {}                 // on show, before anything else
    virtual bool canPose() const { return true; }  // "つぎへ" has something to pose
    virtual int steps() const = 0;                 // steps of a worked problem
    virtual ProductStep productStep(int step) const = 0;
    virtual void PoseTestProblem() = 0;             // test mode's "つぎへ", after ResetScreen
    // Keeps the problem drawn and writes its problem line.
    void setProblem(const ColumnProduct &p);

    // A problem this screen posed stands in test mode and is not yet marked
    // (working), or has been marked (marked).
    bool working() const { return posed_ && !marked_; }
    bool posed() const { return posed_; }
    bool marked() const { return marked_; }
    void setPosed() { posed_ = true; }
    void setMarked() { marked_ = true; }

    static constexpr int RightEdge = Look::RightEdge;

private:

    TProductSheet desc_;
    Sheet sheet_;
    ColumnProduct problem_;
    bool walking_ = false;  // a problem is being worked step by step in study mode
    bool posed_ = false;
    bool marked_ = false;
};

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
