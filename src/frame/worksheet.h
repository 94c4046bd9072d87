#pragma once
// The column worksheet the column lessons share: numbers written one under
// the other with their ones in one column, rules under them, small marks over
// a column (carries, borrows), strokes through a digit, a step button whose
// caption names the step its next press shows, and the "ポイント" memo that
// covers the working area while it is shown.
//
// TWorksheet is the working area itself: the heading, the problem line, the
// explanation, the rows of digit boxes and the mark "○"/"×" stand in it, so
// the memo covers all of them at once and they keep their texts behind it.
// TWorksheetScreen is the lesson screen built on it: the menu, the study/test
// toggle, "つぎへ", the step button, the memo and the worked examples shown
// step by step. A column lesson states its rows, marks and texts and its own
// test mode; the screen does the rest.
//
// Room for the column multiplications: a row may have more boxes than the
// others (a product one place longer), a rule may stand under any row, a
// stroke may go through any digit box of any row, side carries stand in the
// boxes right of the rows (sideCell), and red link lines in the gap between
// two rows (gapBelow), all on the same grid.
#include "frame/lesson.h"
#include "frame/places.h"
#include "frame/prompts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

// ---------------------------------------------------------------- the step button

// "ステップ１" … "ステップ９": the caption that names step n.
QString StepCaption(int step);
// The step a press of the step button shows after step `shown` of an example
// of `steps` steps: the next one, and step 1 again after the last (or when
// `shown` is not a step of the example at all).
int NextStep(int shown, int steps);

// What one step of a worked column example puts on the worksheet.
struct ColumnMark {
    int place;     // 1 tens, 2 hundreds, 3 thousands
    QString text;  // the small digit written over that place
    bool operator==(const ColumnMark &o) const { return place == o.place && text == o.text; }
};
struct WorkedStep {
    QString text;                // the explanation, lines joined by "\r"
    std::optional<QString> row{};  // the result row; unset: the row stays as it is
    QList<ColumnMark> marks{};     // marks written at this step; they stay until the sheet is cleared
    QList<int> strokes{};          // places of the first row struck through at this step
    bool last = false;           // the problem line shows the answer
};

// The text of step n of a worked example: its heading "【ステップn】", an
// empty line, then its lines, joined by "\r".
QString StepText(int step, const QStringList &lines);
// The first step of every worked column problem: write the numbers one under
// the other and rule the line.
QString FirstStepText();
// A line of a worked explanation with its numbers filled in: each "{name}"
// becomes the number given for that name, in half-width digits.
QString FillIn(const char *line, const QList<std::pair<const char *, int>> &numbers);
// The lines of a worked explanation, each filled in; the unset ones at the
// end of a table's row are left out.
QStringList FillIn(std::span<const char *const> lines, const QList<std::pair<const char *, int>> &numbers);
// Step `step` (2 …) of a worked column problem of `steps` steps, one column a
// step from the ones up: its words, and the digits under the line so far,
// the whole answer at the last step, which also shows it on the problem line.
WorkedStep WorkedColumn(int step, int steps, int answer, const QStringList &lines);

// The digit of n at `place` (0 the ones).
int PlaceDigit(int n, int place);
// How many places n has (1 for 0 … 9).
int Places(int n);

// The last `places` digits of n, zeros kept: the digits written under the
// line once that many columns are worked ("043" for 2043 and 3 places).
QString LastDigits(int n, int places);

// ---------------------------------------------------------------- rows of digits

// A row of the worksheet: its caption is the number as plain digits
// ("1274"), and each digit stands centred in a box of the worksheet's box
// width, the ones in the rightmost box, so rows with one right edge keep
// their places in columns whatever the face's digit widths.
class TDigitRow : public TLabel {
    Q_OBJECT
public:
    TDigitRow(const QString &name, int cellWidth, QWidget *parent);
    int cellWidth() const { return cell_; }
    // The box of digit `place` (0 the ones) in the row's own coordinates.
    QRect cellRect(int place) const;
    // As wide as the boxes of the caption, as high as a digit needs.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int cell_;
};

// ---------------------------------------------------------------- the working area

class TWorksheet : public QWidget {
    Q_OBJECT
public:
    // The grid the rows stand on, in the working area's coordinates.
    struct Grid {
        int right = 608;       // common right edge of the rows
        int cell = 40;         // width of one digit's box
        int top = 100;         // top of the line of small marks over the first row
        int rowHeight = 50;    // height of one row
        int rowGap = 12;       // space between two rows; a rule stands in its middle
        int digitPixels = 44;  // type of the rows and the operator
        int markPixels = 20;   // type of the small marks
    };
    // The working area at `area` of `screen`. A layout check looks inside it
    // (property "layoutArea").
    TWorksheet(const QString &name, const QRect &area, const Grid &grid, QWidget *screen);

    const Grid &grid() const { return grid_; }
    // The box of digit `place` (0 the ones) of row `row` (0 the first).
    QRect cell(int row, int place) const;
    // The box of a small mark over `place`, just above the first row.
    QRect markCell(int place) const;
    // The gap under row `row`, as wide as `places` boxes and the operator's.
    QRect gapBelow(int row, int places) const;
    // Boxes right of the rows, one under the other from the first row down.
    QRect sideCell(int index) const;

    // The parts, each a designed control named `name`.
    TDigitRow *addRow(const QString &name, int row, int places);
    // "+", "-" or "x" in the box left of `places` boxes of row `row`.
    TLabel *addOperator(const QString &name, int row, int places);
    // A rule in the gap under `row`, from the operator's box to a little
    // beyond the right edge; red with a navy outline, two pixels high.
    TShape *addRule(const QString &name, int belowRow, int places);
    // A small mark over `place`, in the line above the first row.
    TLabel *addMark(const QString &name, int place, const QColor &color);
    // A black stroke through digit `place` of `row`, hidden until it is shown.
    TShape *addStroke(const QString &name, TDigitRow *row, int place, QSize size = QSize(28, 2));
    // A stroke through the middle of `box` of any part (a side carry used up).
    TShape *addStroke(const QString &name, QWidget *over, const QRect &box, QSize size);
    // Any other text of the working area.
    TLabel *addText(const QString &name, const QRect &geometry, int pixelSize, const QColor &color,
                    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

    // The parts of a column multiplication.
    // A red link line in the gap under row `row`, from the digit of
    // `fromPlace` in that row down to the digit of `toPlace` in the row
    // below: straight down when the places are one, slanting otherwise. It
    // joins the two digits multiplied next; hidden until it is shown.
    TImage *addLink(const QString &name, int row, int fromPlace, int toPlace);
    // A carry written beside the rows, small, in side box `index` (0 the top
    // one): the carries of the columns one under the other, any digit.
    TLabel *addSideCarry(const QString &name, int index, const QColor &color);
    // A black stroke through the middle of a side carry, shown once the
    // next column has used that carry; hidden until then.
    TShape *addCarryStroke(const QString &name, TLabel *carry, QSize size = QSize(25, 2));

private:
    int rowTop(int row) const;
    Grid grid_;
    int markHeight_;
};

// ---------------------------------------------------------------- the lesson screen

// What every lesson on a column worksheet states about itself.
struct TSheetLesson {
    QString title;                                      // Label1
    QString subtitle;                                   // Label2
    QString quitQuestion = QStringLiteral("おわってもいいの？");  // asked by "おわる"
    QString markedPrompt = Prompts::NextTight;          // the prompt once the answer is marked
    QStringList memoLines;                              // the "ポイント" text
    bool memoScrollBar = false;  // the memo shows its scroll bar (always), or none: its lines fit
    int memoDesignTop = -1;      // where the hidden memo waits; -1 over the working area

    TLesson lesson() const;  // what the lesson frame takes of it
};

// What a column lesson of addition or subtraction states about itself.
struct TWorksheetLesson : TSheetLesson {
    QString menuText;              // ComboBox1 while nothing is picked
    QStringList menuItems;         // one item per kind of problem
    int lastLabel = 14;            // ResetScreen empties Label4 … Label<lastLabel>
    int lastShape = 1;             // ResetScreen hides Shape1 … Shape<lastShape>
};

// What every screen with a column worksheet shares: the working area, the
// step button that walks a worked example and names the next step, "つぎへ"
// that it opens at the last step, and the "ポイント" memo over the working area.
class TSheetScreen : public TLessonScreen {
    Q_OBJECT
public:
    TLabel *Label1;            // chapter title at the top
    TLabel *Label2;            // lesson title under it
    TLabel *Label3;            // prompt line beside the picture
    TLabel *Label4;            // problem line: the problem with "?", later with its answer
    TCuteButton *CuteButton3;  // study/test toggle, "べんきょう" / "テスト"
    TImage *Image1;            // the 64 × 64 picture
    TCuteButton *CuteButton4;  // "つぎへ"
    TCuteButton *CuteButton5;  // step button, "ステップ１" …
    TCuteButton *CuteButton6;  // "ポイント": shows and hides Memo1
    TMemo *Memo1;              // the "ポイント" text, over the working area
    TWorksheet *Worksheet;     // the working area the memo covers

    virtual void ShowColumnStep() = 0;  // step ColumnStep of the example on show

    // What differs between the sheets' frames.
    struct SheetFrame {
        TWorksheet::Grid grid;       // the worksheet's boxes
        QRect problemLine;           // Label4, in the working area
        QStringList menuItems;       // ComboBox1 at the top left, made here when there are items
        QString menuText;
        QStringList memoLines;       // the "ポイント" text
        bool memoScrollBar = false;  // the memo shows its scroll bar (always), or none
        int memoDesignTop = -1;      // where the hidden memo waits; -1 over the working area
        // Where a sheet stands on a screen that places it elsewhere than the
        // column lessons do.
        QRect workArea{16, 144, 624, 476};  // the working area left of the pickers
        bool problemInWindow = false;        // Label4 stands in the window at problemLine, not on the sheet
        QRect memoArea;                      // where the shown memo stands; empty: over the working area
        bool memoButton = true;              // "ポイント" on the step row
        int fromRight[3] = {285, 185, 90};   // the columns of the step row and the bottom row, left of the right edge
        QString stepCaption;                 // the step button until the screen is first shown; empty: "ステップ１"
        int promptRight = -1;                // the prompt line's right edge; -1 the working area's
        // The step button's walk: each press changes the prompt with a blink,
        // or without one; the last step closes the walk (the step button off,
        // ColumnStep back to 0), or leaves it to start again.
        bool stepPromptBlinks = true;
        bool lastStepCloses = false;
    };
    // The frame of a lesson's sheet on its grid, the problem line at
    // `problemLine` on the working area.
    static SheetFrame frameOf(const TSheetLesson &lesson, const TWorksheet::Grid &grid, const QRect &problemLine);

protected:
    // The titles, the working area with its problem line, the step row
    // ("ポイント", the step button, "つぎへ"), the toggle, the memo, the
    // picture and the two-line prompt.
    TSheetScreen(const Services &services, const TLesson &lesson, const SheetFrame &frame);
    TComboBox *sheetMenu_ = nullptr;  // the menu made by the frame, if any

    // The sheet set up afresh: no step shown, the memo hidden, Label4 …
    // Label<lastLabel> empty, Shape1 … Shape<lastShape> and the pickers
    // hidden, the step button off and naming step 1.
    void clearSheet(int lastLabel, int lastShape);

    // The digit pickers in the row at the right, each hidden until
    // ShowPickers; ResetScreen hides them again.
    TPlacePickers places_;

    // One press of the step button over an example of `steps` steps: the
    // next step shown, the button naming the one after it (step 1 again
    // after the last), and "つぎへ" opened at the last.
    void stepPressed(int steps);
    // One press of "ポイント": the memo shown whenever it is hidden (the
    // memo's own state decides, whatever the shared flag holds), else hidden.
    void memoPressed();
    // The memo over the working area, or hidden; what is written on the
    // sheet stays as it is.
    void showMemo(bool shown);

private:
    QPoint memoHome_;  // where the memo stands while it is shown
    bool stepPromptBlinks_ = true;
    bool lastStepCloses_ = false;
};

class TWorksheetScreen : public TSheetScreen {
    Q_OBJECT
public:
    TLabel *Label5;            // explanation of the step on show, teal, left
    TShape *Shape1;            // the rule under the second row
    TComboBox *ComboBox1;      // menu of the kinds of problem

    // The screen's procedures.
    virtual void ResetScreen();
    virtual void ShowPickers() = 0;
    virtual void DrawExample() = 0;   // the worked example numbered StepNo
    virtual void DrawProblem() = 0;   // a random problem for the menu item
    void ShowColumnStep() override;   // step ColumnStep of the example on show
    void MarkAnswer();                // "○"/"×" for GivenAnswer, the answer shown

public slots:
    void FormCreate();
    void ComboBox1Change();
    void CuteButton4Click();
    void CuteButton5Click();
    void CuteButton6Click();

protected:
    TWorksheetScreen(const Services &services, const TWorksheetLesson &lesson);
    void shown() override { FormCreate(); }

    // A part of the sheet that differs in name from lesson to lesson: its
    // designed name and the member that keeps it (none: the part is not made).
    template <class T>
    struct Part {
        const char *name = nullptr;
        T **member = nullptr;
    };
    struct SheetNames {
        Part<TLabel> heading{};     // heading of the worked example, above the problem line
        Part<TDigitRow> rows[3]{};  // first row, second row, result row
        Part<TLabel> sign{};        // the operator left of the second row
        Part<TLabel> mark{};        // "○" or "×"
        Part<TLabel> marks[4]{};    // small marks over the tens, hundreds, thousands (index = place)
        Part<TShape> strokes[4]{};  // strokes through the first row's tens, hundreds, thousands
    };
    struct Sheet {
        TLabel *heading = nullptr;
        TDigitRow *rows[3] = {};
        TLabel *sign = nullptr;
        TLabel *mark = nullptr;
        TLabel *marks[4] = {};
        TShape *strokes[4] = {};
    };
    // Builds the sheet on the working area, each part into its member.
    const Sheet &buildSheet(const SheetNames &names, const QColor &markColor);
    const Sheet &sheet() const { return sheet_; }

    // All pickers shown, none picked, each with its place name.
    void ResetPickers() { places_.show(); }

    // The lesson's own parts of the flow.
    virtual int exampleCount() const = 0;                   // worked examples of the menu item
    virtual int exampleSteps() const { return MenuPicked() + 3; }  // steps of one: 4 for three places, 5 for four
    virtual WorkedStep exampleStep(int step) const = 0;     // step `step` of the example on show
    virtual QString sign() const = 0;                       // "+", "-"
    virtual QString equation() const = 0;                   // the problem line with its answer
    // Test mode's "つぎへ" after ResetScreen; only once this screen's menu is picked.
    virtual void PoseTestProblem() = 0;

    // A problem this screen posed stands in test mode: the pickers mark
    // only then.
    bool posed() const { return posed_; }
    void setPosed() { posed_ = true; }

    static constexpr int RightEdge = Look::RightEdge;

private:

    TWorksheetLesson lesson_;
    Sheet sheet_;
    bool posed_ = false;
};
