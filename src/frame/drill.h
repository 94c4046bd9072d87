#pragma once
// The timed drill: the pupil picks an exercise kind in the menu, then a time,
// then "スタート"; problems come one after another, every answer is written
// as one row of the drill log, and "ストップ" (or the end of the time) shows
// how many problems there were, how many were right, a score out of 100 and
// the time taken. "けっか" shows the log in a grid and hides it again.
//
// The five drill screens share all of that. A drill states what differs in
// a TDrill description (its texts, its log table, its grid columns and the
// few points where its handlers do a little more or less) and supplies its
// problems and pickers through PoseProblem and ShowPickers.
#include "frame/grid.h"
#include "frame/screen.h"
#include "record/recorder.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QTime;
class TQuery;

// ---------------------------------------------------------------- arithmetic

// Seconds a time item stands for: "なし" (0) none, then 5, 10 and 15 minutes;
// anything else (nothing picked) is no limit either.
int DrillTimeLimit(int timeIndex);
// The time of day in whole seconds since midnight.
int SecondsOfDay(const QTime &time);
// Seconds from the start to now on the clock of the day: a drill that runs
// across midnight still counts forward.
int DrillElapsed(int startSeconds, int nowSeconds);
// Right answers out of 100, rounded down; 0 when no problem was posed.
int DrillScore(int correct, int problems);

// The four results lines: "もんだい： 8", "○のかず： 7", "せいせき： 87 てん",
// "じかん　： 2 ふん 5 びょう".
QStringList DrillResultLines(int problems, int correct, int elapsedSeconds);

// The time list's items, in the kana of most drills and in the kanji of the
// units drill.
QStringList DrillTimeItemsKana();   // "　　なし", "　５ふん", "１０ぷん", "１５ふん"
QStringList DrillTimeItemsKanji();  // "　なし", "　５分", "１０分", "１５分"

// ---------------------------------------------------------------- the description

// What one drill screen states about itself; the frame does the rest.
struct TDrill {
    enum class Log { Drill, Units };          // table "dorill" or the units drill's "dorills"
    enum class ShowRuns { WhenShown, OnceAtCreation };

    QString title;            // Label1, such as "あん算のドリル"
    QString quitQuestion;     // asked by "おわる"
    QString menuPlaceholder;  // ComboBox1's text while nothing is picked
    QStringList menuItems;
    QString timePlaceholder;  // ComboBox2's text while nothing is picked
    QStringList timeItems;    // four items: none, 5, 10 and 15 minutes
    QString timePrompt = QStringLiteral("「じかん」をえらんでね！");
    QString timeUpText = QStringLiteral("じかんだから、ドリルをおわるよ！");
    QString answerPrompt = QStringLiteral("こたえは、大きい「くらい」からじゅんにえらんでね！");
    Log log = Log::Drill;
    QList<TDBGridColumn> gridColumns;
    QString timeUpPicker = QStringLiteral("ComboBox3");  // the picker the time-up enables again

    // Where the drills differ in the frame's handlers.
    ShowRuns showRuns = ShowRuns::WhenShown;
    bool showZeroesProblemNo = false;    // the show handler also zeroes ProblemNo (and CorrectCount)
    bool showEnablesMenu = false;        // the show handler also enables the menu
    bool showDisablesTimeList = false;   // the show handler also disables the time list
    bool resetDisablesTimeList = true;   // ResetScreen disables the time list
    bool resetClearsGridShown = false;   // ResetScreen also sets GridShown := 0
    bool menuResets = true;              // a menu pick begins with ResetScreen
    bool menuZeroesProblemNo = false;    // a menu pick also zeroes ProblemNo (and CorrectCount)
    int menuCue = 17;                    // cue of a menu pick
    bool drawResets = false;             // DrawProblem begins with ResetScreen (no skipping)
    bool showsProblemNo = true;          // Label3 reads "もんだい：" and the number while a drill runs
    bool nextBlinks = true;              // "つぎへ" blinks the new prompt (else it only sets the text)
};

// The columns of the log grid of the mental-arithmetic and column drills:
// Ｎｏ 40, もんだい 140, せいかい 70, こたえ 70, ○× 40. A drill with wider
// answers passes its own widths.
QList<TDBGridColumn> DrillGridColumns(int problemWidth = 140, int answerWidth = 70);

// One answer as the log keeps it. The frame adds the problem number, the
// leading full-width space of the problem and the mark.
struct DrillLogRow {
    QString problem;            // MND without its leading "　", such as "67 - 48"
    QVariant correct;           // KAI: an int, or a text on the units drill
    QVariant given;             // KOT
    QVariant correctRemainder;  // AMS (division drill only; left unset when invalid)
    QVariant givenRemainder;    // AMI
};

// ---------------------------------------------------------------- the screen

class TDrillScreen : public TScreen {
    Q_OBJECT
public:
    TLabel *Label1;            // title at the top centre
    TLabel *Label2;            // prompt line beside the picture
    TLabel *Label3;            // "もんだい：" and the problem number
    TLabel *Label4;            // the problem, large
    TLabel *Label5;            // results: problems posed
    TLabel *Label6;            // results: right answers
    TLabel *Label7;            // results: score
    TLabel *Label8;            // results: time taken
    TComboBox *ComboBox1;      // menu of exercise kinds
    TComboBox *ComboBox2;      // time list
    TCuteButton *CuteButton3;  // "スタート"
    TCuteButton *CuteButton4;  // "つぎへ"
    TCuteButton *CuteButton5;  // "ストップ"
    TCuteButton *CuteButton6;  // "けっか": shows and hides the log grid
    QTimer *Timer3;            // drill clock, one tick a second
    TDBGrid *DBGrid1;          // the log of the latest drill
    TImage *Image1;            // the 64 × 64 picture

    int TimeLimit = 0;     // length of the drill in seconds; 0 = no limit
    int TickCount = 0;     // ticks of the drill clock since the start
    int StartSeconds = 0;  // time of day at the start, in seconds since midnight

    TLabel *promptLabel() const override { return Label2; }
    void created() override;

    const TDrill &drill() const { return drill_; }

    // The screen's procedures. ResetScreen clears the problem and the
    // results, disables the buttons of the drill and the answer pickers
    // (and the time list where the drill says so) and hides the grid.
    virtual void ResetScreen();
    // Zeroes the picker slots and enables, clears and names the pickers the
    // menu item needs.
    virtual void ShowPickers() = 0;
    // Counts the problem, numbers it in Label3 and poses it (PoseProblem).
    void DrawProblem();
    // The results of the drill in Label5 … Label8; stops the drill clock.
    void ShowResults();
    // A problem of this drill stands on screen: posed by DrawProblem and not
    // yet cleared by ResetScreen. An answer pick marks and logs nothing
    // without one.
    bool ProblemOnScreen() const { return posed_; }

    // Grid geometry: 112 pixels from the top when it is shown.
    static constexpr int GridTop = 112;

public slots:
    void FormCreate();
    void ComboBox1Change();
    void ComboBox2Change();
    void CuteButton3Click();
    void CuteButton4Click();
    void CuteButton5Click();
    void CuteButton6Click();
    void Timer3Timer();

protected:
    TDrillScreen(const Services &services, const TDrill &drill);
    void shown() override;

    // Reseeds, draws a problem for MenuChoice, keeps it in LessonState and
    // writes it into Label4.
    virtual void PoseProblem() = 0;
    // The prompt after "スタート"; the drill's answer prompt unless a drill
    // words it for its menu item.
    virtual QString startPrompt() const { return drill_.answerPrompt; }
    // The prompt after "つぎへ"; the drill's answer prompt unless a drill
    // words it for the problem posed.
    virtual QString nextPrompt() const { return drill_.answerPrompt; }
    // The problem on screen as data (its kind and operands) for the pupil's
    // record; a drill that states none records its answers without it.
    virtual ProblemData problemData() const { return {}; }

    // The answer step, once the drill has marked the pupil's answer (only
    // while ProblemOnScreen; the drill's pick handler asks first): counts a
    // right answer (a problem counts as right once, however often its last
    // digit is picked again), writes the log row, and lets the pupil go on
    // or stop.
    void AnswerGiven(bool right, const DrillLogRow &row);
    // Appends one row to the drill's log and commits it. A store that fails
    // has told the pupil once already; the drill goes on without its log.
    void AppendLogRow(const QString &mark, const DrillLogRow &row);

    // An answer picker at the right, `place` 0 the rightmost (the ones),
    // 1 left of it and so on. ResetScreen disables it.
    TComboBox *addAnswerPicker(const QString &name, int place, const QStringList &items,
                               const QString &placeName, int width = PickerWidth);
    const QList<TComboBox *> &answerPickers() const { return pickers_; }

    static constexpr int PickerWidth = 50;

private:
    // Shows or hides the log grid. While it is shown the answer pickers
    // step aside, so the log stands clear of them.
    void showGrid(bool shown);
    TQuery *logQuery() const;
    bool reissueLog() const;

    // Zeroes the problem count together with the right answers, so that the
    // results never show more right answers than problems.
    static void ZeroCounts();

    // The pupil's record of a drill run (frame/recording.cpp): a session
    // from "スタート", an answer row written with each log row, the results.
    void recordStart();
    QList<BoundWrite> recordAnswer(bool right, const DrillLogRow &row);
    void recordEnd(int elapsedSeconds);
    SessionCounts recordCounts(bool finished) const;

    TDrill drill_;
    SessionRecorder recorder_;
    QDateTime posedAt_;  // when the problem on screen was posed
    QList<TComboBox *> pickers_;
    bool posed_ = false;         // see ProblemOnScreen
    bool countedRight_ = false;  // the problem on screen has been counted as right
};
