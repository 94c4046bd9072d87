#pragma once
// "何十、何百のかけ算" under "６．かけ算": products in which one factor is a
// whole number of tens or hundreds. " あん算" works them in the head by
// splitting off the tens and hundreds (a memo in study mode, six pickers in
// test mode). " ひっ算" writes them in a column with the multiplier shifted
// right by its zeros: study mode walks the column step by step with a red
// line joining the two digits multiplied; test mode has the pupil pick each
// partial product, carry included, two digits at a time, while the screen
// writes the product row and the carries and marks the finished row.
#include "frame/worksheet.h"

#include <QString>
#include <QStringList>
#include <optional>

class Random;

// ---------------------------------------------------------------- the arithmetic

// One product of the lesson. Its kind: 1 a small A times tens, 2 a small A
// times hundreds (mental), or in the column 1 two-place A times tens,
// 2 three-place A times tens, 3 two-place A times hundreds, 4 three-place A
// times hundreds.
struct TensProblem {
    int kind = 0;    // ProblemKind
    int a = 0;       // OperandA, the multiplicand
    int b = 0;       // OperandB, 20 … 80 or 200 … 800
    int answer = 0;  // a x b
    QString text() const;      // "65 x 20 = ?"
    QString equation() const;  // "65 x 20 = 1300"
};

// The product of the kind with those factors.
TensProblem TensProblemOf(int kind, int a, int b);
// Reseeds, rolls r = R(9) and draws A and B for the menu: 1 the mental
// products (2 … 8 or 20 … 80 times tens or hundreds), any other the column
// ones (11 … 98 or 111 … 998 times tens or hundreds). Tens are
// 10 x (R(7) + 2), hundreds 100 x (R(7) + 2).
TensProblem DrawTensProblem(int menu, Random &random);

// The zeros of the multiplier: 1 for tens, 2 for hundreds.
int TensZeros(int b);
// The first digit of the multiplier, the one the column multiplies by.
int TensLead(int b);
// Places of the multiplicand in the column: 2 or 3.
int TensPlaces(int a);

// One step of the column walk-through in study mode.
struct TensStep {
    QString text;                   // the explanation, lines joined by "\r"
    QString nextCaption;            // the step button afterwards
    std::optional<QString> row;     // the product row; unset: as it stands
    int link = -1;                  // the red line shown: 0 to the ones, 1 the tens, 2 the hundreds
    std::optional<QString> carry1;  // the first carry written at this step
    std::optional<QString> carry2;  // the second carry written at this step
    bool strike = false;            // the first carry is struck through as used
    bool strikeLow = false;         // … lower on the carry, where no second carry stands beside it
    bool last = false;              // the product line shows the answer
};

// Steps of the walk-through: 4 for a two-place A, 5 for a three-place A.
int TensSteps(int a);
// Step `step` (1 …) of the walk-through of a x b.
TensStep TensWalkStep(int a, int b, int step);

// The column test's stages: one partial product per digit of A.
int TensStages(int a);
// The places (0 the ones) of the pickers that take stage `stage` (1 …):
// the left one its tens digit, the right one its ones digit.
struct TensPair {
    int left;
    int right;
};
TensPair TensStagePair(int b, int stage);
// The prompt that asks for stage `stage`.
QString TensStagePrompt(int stage);

// The memo of the mental menu, 32 lines.
QStringList TensMentalStudyText();

// ---------------------------------------------------------------- the screen

class TForm19 : public TSheetScreen {
    Q_OBJECT
    Q_PROPERTY(int ProblemKind READ problemKind)
public:
    explicit TForm19(const Services &services);

    // Label1 the chapter title "かけ算", Label2 the lesson title, Label3 the
    // prompt line, Label4 the problem (later the product whole), the toggle
    // CuteButton3, "つぎへ" CuteButton4, the step button CuteButton5 of the
    // column walk-through, Memo1 the mental menu's study text, Image1 and
    // the column's working area Worksheet come with the sheet.
    TLabel *Label5;            // explanation of a study step
    TLabel *Label6;            // mark "○" or "×"
    TDigitRow *Label7;         // column: the multiplicand
    TLabel *Label12;           // column: "x" left of the multiplier
    TDigitRow *Label8;         // column: the multiplier, shifted right by its zeros
    TShape *Shape1;            // column: the line under the multiplier
    TDigitRow *Label9;         // column: the product row
    TLabel *Label10;           // column: the first carry, beside the column
    TLabel *Label11;           // column: the second carry, under the first
    TShape *Shape2;            // the stroke across the first carry once it is used
    TImage *Image2;            // red line from the multiplier's digit to the multiplicand's ones
    TImage *Image3;            // red line to the multiplicand's tens
    TImage *Image4;            // red line to the multiplicand's hundreds
    TComboBox *ComboBox1;      // menu " あん算", " ひっ算"
    TComboBox *ComboBox7;      // picker for the hundred-thousands, "十"
    TComboBox *ComboBox6;      // ten-thousands, "万"
    TComboBox *ComboBox5;      // thousands, "千"
    TComboBox *ComboBox4;      // hundreds, "百"
    TComboBox *ComboBox3;      // tens, "十"
    TComboBox *ComboBox2;      // ones, "一"

    int problemKind() const { return ProblemKind; }
    const std::optional<TensProblem> &problem() const { return problem_; }

    // Where the parts of the column stand, in the window's coordinates.
    static constexpr int MultiplicandX = 558;
    static constexpr int LinkTop = 280;
    static constexpr int StrokeTop = 234;
    static constexpr int StrokeLowTop = 250;
    static constexpr int MemoTop = 144;

    void ResetScreen();
    void ShowPickers();
    void DrawProblem();
    void ShowColumnStep() override;
    void HideRedLines();
    void MarkAnswer();

public slots:
    void FormCreate();
    void CuteButton3Click();
    void CuteButton4Click();
    void CuteButton5Click();
    void ComboBox1Change();
    void ComboBox7Change() { placePicked(ComboBox7); }
    void ComboBox6Change() { placePicked(ComboBox6); }
    void ComboBox5Change() { placePicked(ComboBox5); }
    void ComboBox4Change() { placePicked(ComboBox4); }
    void ComboBox3Change() { placePicked(ComboBox3); }
    void ComboBox2Change() { placePicked(ComboBox2); }

protected:
    void shown() override { FormCreate(); }

private:
    enum class Test { None, Mental, Column };

    static SheetFrame tensFrame();
    void placePicked(TComboBox *picker);
    void markMental();
    void completeStage(int stage, int q);
    void rewriteLastStage();
    void enableOnly(TensPair pair) { places_.enableOnly({pair.left, pair.right}); }
    void setUpColumn();  // the numbers, "x", the line and the shift of the column
    void placeColumn(int zeros);
    void setCarry(int which, const QString &digit);
    void showLink(int link);
    void strikeFirstCarry(bool low);
    void moveStroke(int windowTop);

    int ProblemKind = 0;
    std::optional<TensProblem> problem_;
    Test test_ = Test::None;
    bool marked_ = false;
    QString rowBeforeLast_;  // the product row as it stood before the last stage
};
