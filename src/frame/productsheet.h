#pragma once
// What the two column multiplications share ("ひっ算１" and "ひっ算２"):
// the problem a × b, the steps of its worked example, and the screen with
// the worksheet with its red lines, side carries and strokes, the study/test
// toggle, "つぎへ", the step button and the "ポイント" memo.
#include "frame/worksheet.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// ---------------------------------------------------------------- arithmetic

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

// ---------------------------------------------------------------- the shared screen

// What a column multiplication states about itself.
struct TProductSheet : TSheetLesson {
    QString shownPrompt;         // the prompt when the screen is shown
    bool readyWhenShown = false; // "つぎへ" is enabled when the screen is shown
    bool stageInStepNo = false;  // test mode keeps its stage in StepNo: "つぎへ" zeroes it (the toggle always does)
    // The worksheet's boxes: the multiplicand of up to four places, the
    // product of up to five, the carries beside them.
    TWorksheet::Grid grid{.right = 560, .cell = 40, .top = 42, .rowHeight = 50, .rowGap = 22, .digitPixels = 44, .markPixels = 22};
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
    // The multiplicand and the multiplier on rows 0 and 1, `places` boxes
    // each, the "x" left of the multiplier and the first rule under both,
    // `rulePlaces` boxes wide: each made under its name into its member.
    void addFactors(const char *const (&names)[4], TDigitRow *&first, TDigitRow *&second, TLabel *&sign,
                    TShape *&rule, int places, int rulePlaces);
    // The problem just drawn, set out for the pupil: its two rows, the "x"
    // and the first rule, the result row empty, the first red line, the
    // pickers shown with "一" and "十" open; "つぎへ" waits for the mark.
    void setOutProblem();
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
