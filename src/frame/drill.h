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
#include "frame/places.h"
#include "frame/screen.h"
#include "record/recorder.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QTime;
class TQuery;
class TTimeLeft;
class THanamaru;

// ---------------------------------------------------------------- arithmetic

// Seconds a time item stands for: "なし" (0) none, then 5, 10 and 15 minutes;
// anything else (nothing picked) is no limit either.
int DrillTimeLimit(int timeIndex);
// The time of day in whole seconds since midnight.
int SecondsOfDay(const QTime &time);
// Seconds from the start to now on the clock of the day: a drill that runs
// across midnight still counts forward.
int DrillElapsed(int startSeconds, int nowSeconds);
// Whole seconds, to the nearest, between two readings of the monotonic
// clock (Clock::monotonicMs): what a drill counts as its time taken and
// against its limit, whatever happens to the clock of the day meanwhile.
int DrillElapsedSeconds(qint64 startMs, qint64 nowMs);
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

struct TLessonState;

// The digit pickers of a whole-number answer, `count` places from the ones,
// as rows of the place pickers (items "０" … "９"): ComboBox3 "一" closes
// the answer; ComboBox4 "十", ComboBox5 "百", ComboBox6 "千", ComboBox7 "万"
// and ComboBox8 "十" (the hundred-thousands) write Entry4, Entry3, Entry2,
// Entry1 and Work7, the digit times its place value, or the digit alone
// where `placeValues` is false (an answer whose places weigh as its units
// do).
QList<PlaceRow> DrillDigitPlaces(int count, bool placeValues = true);

// Where a drill's parts stand when they stand elsewhere than on most drills.
struct TDrillLayout {
    int menuWidth = 150;  // ComboBox1, right-aligned; the title stays clear of it
    int menuTop = 20;
    int menuPixels = 0;  // the menu's type size; 0: the screen's
    int problemTop = 172;  // Label4
    int problemHeight = 84;
    int problemPixels = 60;
    bool problemBesidePickers = false;  // Label4 ends left of the answer pickers
    int resultsLeft = 40;  // Label5 … Label8
    int resultsTop = 300;
    int resultsPitch = 52;
    int resultsWidth = 320;
    int resultsPixels = 22;
    int gridBottom = 630;            // DBGrid1, from GridTop down
    bool gridBesideResults = false;  // the grid stands right of the results, else at the buttons
    bool barOverClock = false;       // an empty StatusBar2 on the clock bar; picture and prompt above it
};

// What one drill screen states about itself; the frame does the rest.
struct TDrill {
    enum class Log { Drill, Units };          // table "dorill" or the units drill's "dorills"
    enum class ShowRuns { WhenShown, OnceAtCreation };

    QString title;            // Label1, such as "あん算のドリル"
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
    QString quitQuestion = QStringLiteral("おわってもいいの？");  // asked by "おわる"
    // The answer pickers, from the right: the place pickers' rows, each 50
    // pixels wide unless its row says, below the time list at the right edge.
    QList<PlaceRow> places;
    TDrillLayout layout;

    // Where the drills differ in the frame's handlers.
    ShowRuns showRuns = ShowRuns::WhenShown;
    bool showZeroesProblemNo = false;    // the show handler also zeroes ProblemNo (and CorrectCount)
    bool showEnablesMenu = false;        // the show handler also enables the menu
    bool showDisablesTimeList = false;   // the show handler also disables the time list
    bool resetDisablesTimeList = true;   // ResetScreen disables the time list
    bool resetClearsGridShown = false;   // ResetScreen also sets GridShown := 0
    bool resetZeroesPlaces = false;      // ResetScreen also zeroes the pickers' slots
    bool picksNeedAProblem = false;      // an answer pick writes nothing without a problem on screen
    bool menuResets = true;              // a menu pick begins with ResetScreen
    bool menuZeroesProblemNo = false;    // a menu pick also zeroes ProblemNo (and CorrectCount)
    Cue menuCue = Cue::Bun;              // cue of a menu pick
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
    // Zeroes the pickers' slots, and enables (where the problem on screen
    // uses them: placeOpen), clears and names the answer pickers.
    virtual void ShowPickers();
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
    // The top of the row of "スタート" and "つぎへ".
    static constexpr int ButtonsTop = 632 - 2 * (30 + 8);

public slots:
    void FormCreate();
    void ComboBox1Change();
    void ComboBox2Change();
    void CuteButton3Click();
    void CuteButton4Click();
    void CuteButton5Click();
    void CuteButton6Click();
    void Timer3Timer();
    // The answer pickers a drill has, by their designed names, from the
    // highest place down; a drill without the picker has the handler too,
    // and it does nothing.
    void ComboBox8Change();
    void ComboBox7Change();
    void ComboBox6Change();
    void ComboBox5Change();
    void ComboBox4Change();
    void ComboBox3Change();

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
    virtual RecordedProblem problemData() const { return {}; }

    // The answer step, once the drill has marked the pupil's answer (only
    // while ProblemOnScreen; the drill's pick handler asks first): counts a
    // right answer (a problem counts as right once, however often its last
    // digit is picked again), writes the log row, and lets the pupil go on
    // or stop.
    void AnswerGiven(bool right, const DrillLogRow &row);
    // Appends one row to the drill's log and commits it. A store that fails
    // has told the pupil once already; the drill goes on without its log.
    void AppendLogRow(const QString &mark, const DrillLogRow &row);

    // The answer pickers, the rows of the drill's places; a drill binds its
    // designed members to them (picker(place)).
    const TPlacePickers &places() const { return places_; }
    // The empty bar of a drill whose layout puts one over the clock bar.
    TStatusBar *barOverClock() const { return bar_; }

    // A pick in the answer picker `name`: the picker writes its slot; if its
    // place closes the answer (closingPlace) and a problem stands on screen,
    // the drill marks it (AnswerPicked), else the pick is heard (cue 17).
    // A list that is no picker of this drill, or holds no pick, does nothing.
    void PlacePicked(const QString &name);
    // The place whose pick closes the answer: the ones unless a drill says.
    virtual int closingPlace() const { return 0; }
    // Whether ShowPickers opens a place for the problem on screen.
    virtual bool placeOpen(int) const { return true; }
    // Marks the answer the pickers now hold and reports it (AnswerGiven).
    virtual void AnswerPicked() = 0;

    // The answer as a whole number: the closing pick times its weight and
    // the slots of the other places.
    int PickedValue() const;
    // A whole-number problem posed: its operands and answer kept in
    // LessonState, its line in Label4.
    void PoseWhole(int a, int b, int answer, const QString &line);
    // A whole-number answer marked against `answer` and logged under
    // `problem` (the problem as the log keeps it).
    void MarkWhole(int answer, const QString &problem);

private:
    // Shows or hides the log grid. While it is shown the answer pickers
    // step aside, so the log stands clear of them.
    void showGrid(bool shown);
    TQuery *logQuery() const;
    bool reissueLog() const;
    // Seconds since "スタート" on the drill's clock.
    int elapsedSeconds() const;
    // The はなまる stands beside results of 100 てん while the log is away.
    void showHanamaru();

    // Zeroes the problem count together with the right answers, so that the
    // results never show more right answers than problems.
    static void ZeroCounts();

    // The parts the drill's layout places.
    void addAnswerPickers();
    void placeParts();

    // The pupil's record of a drill run (frame/recording.cpp): a session
    // from "スタート", an answer row written with each log row, the results.
    void recordStart();
    QList<BoundWrite> recordAnswer(bool right, const DrillLogRow &row);
    void recordEnd(int elapsedSeconds);
    SessionCounts recordCounts(bool finished) const;

    TDrill drill_;
    SessionRecorder recorder_;
    qint64 posedMs_ = -1;  // when the problem on screen was posed, on the monotonic clock
    TPlacePickers places_;
    TStatusBar *bar_ = nullptr;
    bool posed_ = false;         // see ProblemOnScreen
    bool countedRight_ = false;  // the problem on screen has been counted as right
    qint64 startedMs_ = 0;       // "スタート" on the monotonic clock
    TTimeLeft *timeLeft_;        // "のこり ４：３２" while a timed drill runs
    THanamaru *hanamaru_;        // beside the results of a drill all right
};
