#pragma once
// Mental addition and subtraction of two two-digit numbers: the arithmetic
// (draws, problem lines, the worked explanation in words) as plain functions,
// and the lesson screen both lessons are built from.
#include "frame/lesson.h"
#include "frame/places.h"

#include <QList>
#include <QString>

// Which of the two mental lessons: the sign decides the draw, the lines and
// the words of the explanation.
enum class MentalOp { Add, Subtract };

// The words of each lesson, in the order the explanation uses them:
// "78 を 70 と 8 に わけ、 " / "65 と 70 を たした 135 に" / "8 を たせば いいよ。"
struct MentalWords {
    const char *subtitle;
    const char *sign;    // between the numbers
    const char *with;    // a <with> tens
    const char *did;     // the tens <did> result
    const char *onto;    // result <onto>
    const char *finish;  // ones <finish>
};
// The words of a lesson (texts.cpp).
const MentalWords &MentalWordsOf(MentalOp op);

struct MentalProblem {
    int a = 0;       // OperandA: the first number
    int b = 0;       // OperandB: the number added or taken away
    int answer = 0;  // a + b, or a − b
};

// Reseeds, then draws a problem in the lesson's order:
// addition: a = R(89) + 10, b = R(88) + 11 again while b ends in 0 (at most
//   1000 draws of b, else b = 43);
// subtraction: a = R(87) + 12 and b = R(87) + 11 together again until a > b
//   (at most 1000 pairs, else 67 − 48).
MentalProblem DrawMental(MentalOp op, Random &random);

// a op b: the answer of the problem.
int MentalAnswer(MentalOp op, int a, int b);
// "65 + 78 = ?" / "52 - 48 = ?"
QString MentalProblemLine(MentalOp op, int a, int b);
// "65 + 78 = 143" / "52 - 48 = 4"
QString MentalEquation(MentalOp op, int a, int b);
// The way to work it in the head, three lines joined by "\r": split b into
// its tens and ones, add (take away) the tens, then the ones.
QString MentalWorking(MentalOp op, int a, int b);
// The lesson's sub-title, "たし算" or "ひき算".
QString MentalSubtitle(MentalOp op);

// A mental-arithmetic lesson screen. Study mode: "つぎへ" poses a problem and
// "答え" explains it in words. Test mode: "つぎへ" poses a problem with the
// digit pickers; the ones pick marks the answer "○" or "×". TForm3 (addition)
// adds the hundreds picker; TForm4 (subtraction) is this screen as it is.
class TMentalLesson : public TLessonScreen {
    Q_OBJECT
public:
    TLabel *Label1;            // title "あん算"
    TLabel *Label2;            // sub-title, the lesson's sign in words
    TLabel *Label3;            // prompt line beside the picture
    TLabel *Label4;            // problem line, then the full equation
    TLabel *Label5;            // the worked answer in words, three lines
    TLabel *Label6;            // mark "○" or "×"
    TImage *Image3;            // the 64 × 64 picture
    TComboBox *ComboBox2;      // tens picker, "十"
    TComboBox *ComboBox1;      // ones picker, "一"; its pick marks the answer
    TCuteButton *CuteButton3;  // study/test toggle, "べんきょう" / "テスト"
    TCuteButton *CuteButton4;  // "つぎへ": a new problem
    TCuteButton *CuteButton5;  // "答え": the worked answer (study mode)

    void created() override { FormCreate(); }

    void ResetScreen();
    void ShowPickers();
    void DrawProblem();
    void ShowWorkedAnswer();

public slots:
    void FormCreate();
    void CuteButton3Click();
    void CuteButton4Click();
    void CuteButton5Click();
    void ComboBox2Change();
    void ComboBox1Change();

protected:
    TMentalLesson(const Services &services, MentalOp op);

    // The pickers at the right edge, the highest place on the left: the
    // tens keep their value in Entry4, the hundreds (addition) in Entry3.
    TPlacePickers places_;

private:
    MentalOp op_;
};
