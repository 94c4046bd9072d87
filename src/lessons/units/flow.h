#pragma once
// The screen flow the units-of-measure lessons share: a menu of a study text
// and exercise kinds, study and test modes, "つぎへ" and "答え", every answer
// held as one integer in the smaller unit (seconds, minutes, millilitres,
// metres, grams) and read from digit pickers whose places carry the weights
// the problem on screen gives them. A units screen states only its units,
// its texts and its draws.
#include "frame/lesson.h"
#include "frame/places.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <initializer_list>
#include <optional>
#include <utility>

// The places of a units answer, ones first. Each picker above the ones
// stores its bare pick in its slot: the tens in Entry4, the hundreds in
// Entry3, the thousands in Entry2.
enum UnitsPlace { Ones = 0, Tens = 1, Hundreds = 2, Thousands = 3 };

// One problem of a units lesson as drawn: its form, its operands, the answer
// in the smaller unit, every text the screen shows of it, and how the
// pupil's picks are read. A draw writes {kind, a, b, c, d, answer}, then
// the texts.
struct UnitsProblem {
    int kind = 0;                    // ProblemKind: the roll that chose the form
    int a = 0, b = 0, c = 0, d = 0;  // OperandA … OperandD
    int answer = 0;                  // in the smaller unit
    QString text{};                  // the question, in Label4
    QString testPrompt{};            // how to answer it with the pickers
    QString equation{};              // the worked equation, in place of the question
    QString hint{};                  // the working in words, under it (study mode)
    // What one step of each place's picker counts, ones first: 100 for the
    // hundreds of a plain number, 60 where the hundreds carry whole minutes
    // or hours beside the tens and ones of what is left.
    std::array<int, 4> weights{1, 10, 100, 1000};
    // The place whose pick marks the answer. The places below it are not
    // used by this form: they stay disabled and count nothing.
    int markPlace = Ones;
    // A word problem is answered in words only: no pickers, and "答え" writes
    // its answer under the question in either mode.
    bool answerable = true;
};

// The numbers a problem's texts are written with, by the names the texts
// use: {A}, {60A+B}, {M+D-60}, … Each text of a form is a template of fixed
// words and such names, so a form is one row of data.
class UnitsValues {
public:
    UnitsValues(std::initializer_list<std::pair<const char *, int>> values);
    int operator[](const char *name) const;
    // The template with every {name} replaced by its number in half-width
    // digits.
    QString fill(const char *text) const;

private:
    QList<std::pair<QString, int>> values_;
};

// Draws a pair of operands again while it does not fit, at most 1000 times
// in all; if no draw fitted, the fall-back pair.
template <class DrawPair, class Fits>
std::pair<int, int> DrawPairUntil(DrawPair draw, Fits fits, std::pair<int, int> fallBack)
{
    constexpr int maxDraws = 1000;
    std::pair<int, int> pair;
    int draws = 0;
    do {
        pair = draw();
        ++draws;
    } while (!fits(pair) && draws < maxDraws);
    return fits(pair) ? pair : fallBack;
}

// How a units lesson differs from the others in the flow.
struct UnitsDesign {
    QString title;             // Label2, the lesson's sub-title
    QString menuText = QStringLiteral("メニュー");  // ComboBox1's field before a pick
    // Menu 1 is always the study text, then the exercise kinds.
    QStringList menuItems{QStringLiteral("たんい"), QStringLiteral("へんかん"), QStringLiteral("計算")};
    QStringList studyText;     // Memo1's lines (texts.cpp)
    int memoTop = 400;         // where Memo1 stands until the study text is picked
    QList<int> studyOnlyMenus{}; // menus besides the study text refused in test mode
    // After test mode is refused on the study text: true asks for another
    // menu with a blink and a cue; false leaves the prompt empty and silent.
    bool promptAfterRefusal = false;
};

// A units lesson screen. Its menu picks the study text ("たんい") or an
// exercise kind; in study mode "つぎへ" poses a problem and "答え" works it,
// in test mode "つぎへ" poses it with the digit pickers and the marking pick
// reads them with their place weights and marks "○" or "×". Mode and menu
// stay as they were when the pupil comes back to the screen.
class TUnitsLesson : public TLessonScreen {
    Q_OBJECT
    Q_PROPERTY(int ProblemKind READ problemKind)
public:
    TLabel *Label1;            // chapter title "たんい の ある 計算"
    TLabel *Label2;            // lesson title
    TLabel *Label3;            // prompt line beside the picture
    TLabel *Label4;            // the question, later the worked equation
    TLabel *Label5;            // the working in words, under it
    TLabel *Label6;            // mark "○" or "×", beside the pickers
    TMemo *Memo1;              // the study text of "たんい"
    TComboBox *ComboBox1;      // menu, top right
    TComboBox *ComboBox4;      // hundreds picker, "百"
    TComboBox *ComboBox3;      // tens picker, "十"
    TComboBox *ComboBox2;      // ones picker, "一"
    TCuteButton *CuteButton3;  // study/test toggle, "べんきょう" / "テスト"
    TCuteButton *CuteButton4;  // "つぎへ"
    TCuteButton *CuteButton5;  // "答え"
    TImage *Image1;            // the 64 × 64 picture

    int problemKind() const { return ProblemKind; }
    // The problem this screen posed since its last reset, if any.
    const std::optional<UnitsProblem> &problem() const { return problem_; }

    void ResetScreen();
    void ShowPickers();
    void ShowWorkedAnswer();

public slots:
    void FormCreate();
    void ComboBox1Change();
    void CuteButton3Click();
    void CuteButton4Click();
    void CuteButton5Click();
    void ComboBox4Change();
    void ComboBox3Change();
    void ComboBox2Change();

protected:
    TUnitsLesson(const Services &services, const UnitsDesign &design);
    void shown() override { FormCreate(); }

    // Draws and shows a problem of the menu picked (LessonState.MenuChoice)
    // through Pose; false when that menu poses none.
    virtual bool DrawProblem() = 0;
    // A menu item was picked; the reset and the study mode are done.
    virtual void menuPicked(int /*menu*/) {}

    // Puts a drawn problem on the screen: the shared record, the question,
    // and in test mode its prompt and the pickers it uses.
    void Pose(const UnitsProblem &problem);
    // A pick in a place: a place above the marking one keeps its digit, the
    // marking place marks the answer.
    void PlacePicked(int place);
    // A digit picker of the answer; its slot is the LessonState field the
    // place keeps its bare digit in (the tens Entry4, the hundreds Entry3,
    // the thousands Entry2).
    TComboBox *addPlacePicker(PlaceRow row);

    int ProblemKind = 0;  // the form of the problem on screen

private:
    UnitsDesign design_;
    TPlacePickers places_;
    std::optional<UnitsProblem> problem_;
};

// A units lesson in a unit and its thousandth (litres and millilitres,
// kilometres and metres, kilograms and grams): a fourth picker for the
// thousands stands left of the other three.
class TMetricUnitsLesson : public TUnitsLesson {
    Q_OBJECT
public:
    TComboBox *ComboBox5;  // thousands picker, "千"

public slots:
    void ComboBox5Change();

protected:
    TMetricUnitsLesson(const Services &services, const UnitsDesign &design);
};
