#pragma once
// "何千万まで" under "１．数": whole numbers of five to eight digits. Study
// mode shows the memo and nothing else. Test mode has three kinds of
// exercise, each marked "○" or "×":
//   1 "あわせた数": how many of each place a number holds, picked place by
//     place in the "位" and "数" lists and closed with "◆";
//   2 "漢字→数字": the number given in kanji, entered with eight digit
//     pickers, the ones pick marks it;
//   3 "数字→漢字": the number given in digits, written by clicking kanji one
//     after another in the "字" list and closed with "◆".
#include "frame/lesson.h"

#include <array>

class TForm2 : public TLessonScreen {
    Q_OBJECT
public:
    explicit TForm2(const Services &services);

    TLabel *Label1;   // title "何千万まで"
    TLabel *Label2;   // prompt line beside the picture
    TLabel *Label3;   // the question, upper left
    TLabel *Label4, *Label5;  // unused: cleared with the others, never written
    // Menu 1: the answer's digit for 千万 … 一, each level with its place
    // name in the question (Label6 … Label13), and right of it the digit the
    // pupil gave (Label14 … Label21).
    TLabel *Label6, *Label7, *Label8, *Label9, *Label10, *Label11, *Label12, *Label13;
    TLabel *Label14, *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label21;
    TLabel *Label22;  // mark "○" or "×", large, lower right
    TLabel *Label23;  // answer line of menus 2 and 3
    TLabel *Label24;  // the kanji the pupil has clicked (menu 3)
    TImage *Image1;   // the 64 × 64 picture
    TMemo *Memo1;     // the study memo
    TComboBox *ComboBox1;   // menu: "あわせた数", "漢字→数字", "数字→漢字"
    // Menu 2: the digit pickers from the ten-millions down to the ones.
    TComboBox *ComboBox9, *ComboBox8, *ComboBox7, *ComboBox6, *ComboBox5, *ComboBox4, *ComboBox3;
    TComboBox *ComboBox2;   // ones picker of menu 2; the "数" list of menu 1
    TComboBox *ComboBox10;  // "位" list of menu 1: "千万" … "  一", "  ◆"
    TComboBox *ComboBox11;  // "字" list of menu 3: the thirteen kanji and "◆"
    TCuteButton *CuteButton3;  // study/test toggle
    TCuteButton *CuteButton4;  // "つぎへ"

    int PlaceChoice = 0;  // place last picked in "位": 1 千万 … 8 一, 9 ◆; kept between problems
    QString TextA;        // the kanji of Answer
    QString TextB;        // the kanji the pupil has clicked so far

    TLabel *promptLabel() const override { return Label2; }

    void ResetScreen();
    void ShowPickers();
    void DrawNumber();
    void SpellKanji();
    void DrawProblem();

public slots:
    void FormCreate();
    void CuteButton3Click();
    void ComboBox1Change();
    void CuteButton4Click();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void ComboBox5Change();
    void ComboBox6Change();
    void ComboBox7Change();
    void ComboBox8Change();
    void ComboBox9Change();
    void ComboBox10Change();
    void ComboBox11Change();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The pupil's contribution to a place (0 the ten-millions … 7 the ones):
    // Work5, Work6, Work7, Entry1 … Entry5.
    static int &Contribution(int place);
    static int ContributionSum();
    void DigitPicked(int place, TComboBox *picker);
    // The answer marked through the lesson frame: the form of the question
    // (AuxCount) and the number asked.
    void MarkNumber(bool right);
    void AskToGoOn();

    std::array<TLabel *, 8> answerColumn_{};
    std::array<TLabel *, 8> pupilColumn_{};
    TLabel *answerTitle_ = nullptr;  // "こたえ" over the answer column
    TLabel *pupilTitle_ = nullptr;   // "きみ" over the pupil's column
    std::array<TComboBox *, 8> digitPickers_{};  // ten-millions first
    bool kanjiMarked_ = false;  // menu 3: "◆" has marked this problem
};
