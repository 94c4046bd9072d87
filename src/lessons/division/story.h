#pragma once
// Division as the pupils meet it under "７．わり算": the arithmetic of the
// problems (exact divisions and divisions that leave a remainder), the apple
// and box pictures, and the lesson screen both division lessons are built
// from: a picture story told in two steps, the times-table method, test
// problems answered with digit pickers, and a "ポイント" memo.
#include "frame/lesson.h"
#include "frame/places.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class Random;

// ---------------------------------------------------------------- arithmetic

// dividend ÷ divisor = quotient, remainder left over (0 when it divides).
struct DivisionProblem {
    int divisor = 0;
    int quotient = 0;
    int remainder = 0;
    int dividend() const { return divisor * quotient + remainder; }
};

// Reseeds, then draws a division that leaves nothing over: the divisor
// R(8) + 1 (1 … 8), then the quotient R(9) (0 … 8), so one problem in nine
// divides 0 and the largest is 64 ÷ 8.
DivisionProblem DrawExactDivision(Random &random);
// Reseeds, then draws a division with a remainder: the divisor R(7) + 2
// (2 … 8), the quotient R(8) + 1 (1 … 8), the remainder R(divisor − 2) + 1,
// which is 1 for the divisors 2 and 3 and 1 … d − 2 for a divisor d of 4 to
// 8. From 3 ÷ 2 up to 70 ÷ 8; it never divides exactly.
DivisionProblem DrawRemainderDivision(Random &random);

// "13 ÷ 4": the problem as the drill log keeps it.
QString DivisionText(const DivisionProblem &p);
// "13 ÷ 4 = ?"
QString DivisionQuestion(const DivisionProblem &p);
// "12 ÷ 4 = 3", or with a remainder "13 ÷ 4 = 3  あまり 1".
QString DivisionEquation(const DivisionProblem &p);
// "4 x 3 = 12": the times-table fact an exact division comes from.
QString TimesTableFact(const DivisionProblem &p);
// "答えの たしかめ： 4 x 3 + 1 = 13": the divisor times the quotient and
// the remainder give the dividend back.
QString DivisionCheck(const DivisionProblem &p);

// The answer pickers' items "０" … "９", each after `spaces` half-width
// spaces; on the lessons the seventh digit carries a trailing full-width
// space, as those screens have always shown it.
QStringList DivisionPickerItems(int spaces, bool trailingSpaceOnSeven);

// ---------------------------------------------------------------- pictures

// The 32 × 32 apple, drawn for a device pixel ratio and kept once drawn, so
// every apple of every screen shares one image per ratio and none is drawn
// before it is first seen.
QImage ApplePicture(qreal devicePixelRatio);

// One apple of a story. It paints the shared apple at its screen's pixel
// ratio, so it stays crisp on a HiDPI screen.
class TApple : public TImage {
    Q_OBJECT
public:
    TApple(const QString &name, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A frame the apples stand in: the long tray of the whole heap, or one of
// the boxes they are shared into. Drawn with rounded corners at the screen's
// pixel ratio.
class TStoryBox : public TShape {
    Q_OBJECT
public:
    TStoryBox(const QString &name, bool box, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool box_;
};

// ---------------------------------------------------------------- the lesson

// What one division lesson says (each lesson's are in texts.cpp).
struct DivisionTexts {
    QString subtitle;          // Label2
    QStringList menuItems;     // ComboBox1: the story, then the times-table method
    // Label4's texts, one string per line.
    QStringList storyStart, step1, step2, method;
    QStringList memo;          // Memo1, the "ポイント" text
    QString posedPrompt;       // the prompt once "つぎへ" has posed a problem
};

// What one division lesson tells and shows; the screen below does the rest.
struct DivisionStory : DivisionTexts {
    int rowApples = 12;        // apples in the long tray, Image2 on
    int leftOver = 0;          // apples beside the last box once the boxes are full
    int memoDesignedTop = 0;   // where the memo waits, hidden
    bool memoClears = false;   // "ポイント" clears the lesson area before the memo
    // Places of the texts that vary between the lessons.
    int textWidth = 440;       // Label4 and Label5
    QRect markPlace{};         // Label6
    int memoLeft = 24;         // Memo1
};

// A division lesson screen. The menu offers the picture story (told by the
// step button) and the times-table method; in test mode "つぎへ" poses a
// problem and the pupil answers it through the pickers the lesson adds.
// TForm21 answers an exact division with one picker; TForm22 a division
// with a remainder with two.
class TDivisionLesson : public TLessonScreen {
    Q_OBJECT
public:
    TLabel *Label1;            // chapter title "わり算"
    TLabel *Label2;            // lesson title
    TLabel *Label3;            // prompt line beside the picture
    TLabel *Label4;            // story and explanation; after an answer the fact or the check
    TLabel *Label5;            // the problem, large; after an answer the completed division
    TLabel *Label6;            // mark "○" or "×"
    TComboBox *ComboBox1;      // menu: the story, the times-table method
    TCuteButton *CuteButton3;  // study/test toggle
    TCuteButton *CuteButton4;  // "つぎへ": a new problem
    TCuteButton *CuteButton5;  // story step, "ステップ１" / "ステップ２"
    TCuteButton *CuteButton6;  // "ポイント": shows and hides the memo
    TShape *Shape1;            // the long tray holding the heap of apples
    TShape *Shape2;            // the three boxes the apples are shared into
    TShape *Shape3;
    TShape *Shape4;
    TImage *Image1;            // the 64 × 64 picture
    TMemo *Memo1;              // the "ポイント" text

    // Image2 on: first the apples of the heap, then four in each box, then
    // any left over beside the boxes.
    const QList<TApple *> &apples() const { return apples_; }

    const DivisionStory &story() const { return story_; }

    // Clears the lesson area: the story step back to its first, the texts
    // emptied, pictures, pickers and memo hidden, "つぎへ" and the step
    // button disabled.
    void ResetScreen();
    // Shows the answer pickers with nothing picked and their names.
    void ShowPickers();
    // Draws a problem and shows it in Label5.
    virtual void DrawProblem() = 0;

    // Where the problem line stands in test mode, and the memo when shown.
    static constexpr int TestProblemTop = 220;
    static constexpr int MemoShownTop = 152;

    void FormCreate() override;        // study mode, the screen cleared
    void ComboBox1Change() override;   // the story or the times-table method
    void CuteButton3Click() override;  // study/test, refused on the story
    void CuteButton4Click() override;  // a new problem with its pickers
    void CuteButton5Click() override;  // the story's next step

public slots:
    void CuteButton6Click();

protected:
    TDivisionLesson(const Services &services, const DivisionStory &story);

    // The answer pickers at the right, `place` 0 the rightmost.
    TPlacePickers places_;

private:
    void showApples(int from, int to);  // indexes into apples_, to exclusive
    void showBoxes();                   // the boxes and what goes in and beside them
    void showMemo(bool shown);
    void fitMemo();  // sizes the memo to its lines

    bool memoFitted_ = false;
    DivisionStory story_;
    QList<TApple *> apples_;
};
