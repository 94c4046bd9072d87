#include "frame/drill.h"

#include "frame/frame.h"
#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/timeleft.h"
#include "store/datamodule.h"

#include <QApplication>
#include <QTime>
#include <QTimer>
#include <limits>

// ---------------------------------------------------------------- arithmetic

namespace {
constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr int kTimeLimits[] = {0, 300, 600, 900};
}  // namespace

int DrillTimeLimit(int timeIndex)
{
    if (timeIndex < 0 || timeIndex >= int(std::size(kTimeLimits)))
        return 0;
    return kTimeLimits[timeIndex];
}

int SecondsOfDay(const QTime &time)
{
    return time.hour() * 3600 + time.minute() * 60 + time.second();
}

int DrillElapsed(int startSeconds, int nowSeconds)
{
    return ((nowSeconds - startSeconds) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
}

int DrillElapsedSeconds(qint64 startMs, qint64 nowMs)
{
    // To the nearest second: the drill clock's ticks come a few
    // milliseconds early or late, and a five-minute drill reads 5 ふん 0 びょう.
    const qint64 ms = qMax<qint64>(0, nowMs - startMs);
    return int(qMin<qint64>((ms + 500) / 1000, std::numeric_limits<int>::max()));
}

int DrillScore(int correct, int problems)
{
    return problems > 0 ? correct * 100 / problems : 0;
}

QStringList DrillResultLines(int problems, int correct, int elapsedSeconds)
{
    return {
        QStringLiteral("もんだい： %1").arg(problems),
        QStringLiteral("○のかず： %1").arg(correct),
        QStringLiteral("せいせき： %1 てん").arg(DrillScore(correct, problems)),
        QStringLiteral("じかん　： %1 ふん %2 びょう").arg(elapsedSeconds / 60).arg(elapsedSeconds % 60),
    };
}

QStringList DrillTimeItemsKana()
{
    return {QStringLiteral("　　なし"), QStringLiteral("　５ふん"), QStringLiteral("１０ぷん"),
            QStringLiteral("１５ふん")};
}

QStringList DrillTimeItemsKanji()
{
    return {QStringLiteral("　なし"), QStringLiteral("　５分"), QStringLiteral("１０分"), QStringLiteral("１５分")};
}

QList<TDBGridColumn> DrillGridColumns(int problemWidth, int answerWidth)
{
    return {
        {0, QStringLiteral("Ｎｏ"), 40},
        {1, QStringLiteral("もんだい"), problemWidth},
        {2, QStringLiteral("せいかい"), answerWidth},
        {3, QStringLiteral("こたえ"), answerWidth},
        {4, QStringLiteral("○×"), 40},
    };
}

// ---------------------------------------------------------------- layout

namespace {
// On the 955 × 716 window: the problem and the results at the left, the
// grid in the middle when shown, and at the right a column of the menu, the
// time list, the pickers and two columns of buttons (90 wide, 6 apart) at
// the right edge. What a drill places otherwise is in its TDrillLayout.
constexpr int kButtonsLeft = Look::RightEdge - 2 * 90 - 6;
constexpr int kGridRight = kButtonsLeft - 8;
constexpr int kLeft = 40;  // the problem and the results
constexpr int kLabelWidth = 320;
constexpr int kTitleWidth = 560;

// What the frame says as the pupil goes on: after the show, the time, an
// answer and the end, and over the log grid.
const QString kMenuPrompt = QStringLiteral("「メニュー」をえらんでね！");
const QString kStartPrompt = QStringLiteral("「スタート」ボタンをおしてね！");
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");
const QString kStopPrompt = QStringLiteral("おつかれさま！");
const QString kGridPrompt = QStringLiteral("もういちど「けっか」ボタンをおすと、きえるよ！");

// The digit places of a whole-number answer, from the ones up.
struct DigitPlace {
    const char *name;
    const char *placeName;
    int value;
    int TLessonState::*slot;
};
const DigitPlace kDigitPlaces[] = {
    {"ComboBox3", "一", 1, nullptr},
    {"ComboBox4", "十", 10, &TLessonState::Entry4},
    {"ComboBox5", "百", 100, &TLessonState::Entry3},
    {"ComboBox6", "千", 1000, &TLessonState::Entry2},
    {"ComboBox7", "万", 10000, &TLessonState::Entry1},
    {"ComboBox8", "十", 100000, &TLessonState::Work7},
};
}  // namespace

QList<PlaceRow> DrillDigitPlaces(int count, bool placeValues)
{
    QList<PlaceRow> places;
    for (int i = 0; i < count && i < int(std::size(kDigitPlaces)); ++i) {
        const DigitPlace &p = kDigitPlaces[i];
        places.append({p.name, i, QString::fromUtf8(p.placeName), placeValues ? p.value : 1, p.slot, Keeps::Value,
                       TComboBox::digits()});
    }
    return places;
}

// ---------------------------------------------------------------- the screen

TDrillScreen::TDrillScreen(const Services &services, const TDrill &drill)
    : TScreen(services, Frame{drill.quitQuestion, 1000, 600}), drill_(drill)
{
    const TDrillLayout &look = drill.layout;
    Label1 = addLabel(QStringLiteral("Label1"), QRect((Look::ScreenWidth - kTitleWidth) / 2, 16, kTitleWidth, 60), 40,
                      Qt::AlignCenter, drill.title);
    Label3 = addLabel(QStringLiteral("Label3"), QRect(kLeft, 120, kLabelWidth, 40), 26);
    Label4 = addLabel(QStringLiteral("Label4"), QRect(kLeft, look.problemTop, kGridRight - kLeft, look.problemHeight),
                      look.problemPixels);
    TLabel **results[] = {&Label5, &Label6, &Label7, &Label8};
    for (int i = 0; i < 4; ++i)
        *results[i] = addLabel(QStringLiteral("Label%1").arg(5 + i),
                               QRect(look.resultsLeft, look.resultsTop + i * look.resultsPitch, look.resultsWidth, 44),
                               look.resultsPixels);

    // The menu and the time list at the top right.
    const int listX = Look::RightEdge - 150;
    ComboBox1 = addPicker(QStringLiteral("ComboBox1"), drill.menuItems, {listX, 20}, 150,
                          qMax(2, int(drill.menuItems.size())), drill.menuPlaceholder);
    ComboBox2 = addPicker(QStringLiteral("ComboBox2"), drill.timeItems, {listX, ComboBox1->geometry().bottom() + 10},
                          150, int(drill.timeItems.size()), drill.timePlaceholder);

    // スタート つぎへ / ストップ けっか / おわる もくじへ
    const int secondColumn = Look::RightEdge - 90;
    const int secondRow = ButtonsTop + 30 + 8;
    CuteButton3 = addButton(QStringLiteral("CuteButton3"), QStringLiteral("スタート"), Look::SkyBlue,
                            {kButtonsLeft, ButtonsTop});
    CuteButton4 = addButton(QStringLiteral("CuteButton4"), QStringLiteral("つぎへ"), Look::Next,
                            {secondColumn, ButtonsTop});
    CuteButton5 = addButton(QStringLiteral("CuteButton5"), QStringLiteral("ストップ"), Look::MoneyGreen,
                            {kButtonsLeft, secondRow});
    CuteButton6 = addButton(QStringLiteral("CuteButton6"), QStringLiteral("けっか"), Look::Results,
                            {secondColumn, secondRow});
    CuteButton1->move(kButtonsLeft, BottomRowY);
    CuteButton2->move(secondColumn, BottomRowY);

    Timer3 = MakeTimer(QStringLiteral("Timer3"), 1000, false, this);

    // The grid stands over the problem, right of the results.
    DBGrid1 = new TDBGrid(QStringLiteral("DBGrid1"), this);
    TQuery *log = logQuery();
    DBGrid1->setSource(log ? log->model() : nullptr, drill.gridColumns);
    DBGrid1->hide();

    // The time left under the title, left of the grid's top; the はなまる
    // takes its place beside the results when they are shown.
    timeLeft_ = new TTimeLeft(this);
    timeLeft_->setGeometry(kLeft, 77, kLabelWidth, 34);
    hanamaru_ = new THanamaru(this);

    Image1 = addPicture(QStringLiteral("Image1"));
    Label2 = addLabel(QStringLiteral("Label2"), QRect(92, StatusBarY - 56, kGridRight - 92, 44), 18);

    // As the screen stands before the pupil first sees it.
    for (QWidget *w : {static_cast<QWidget *>(CuteButton3), static_cast<QWidget *>(CuteButton4),
                       static_cast<QWidget *>(CuteButton5), static_cast<QWidget *>(CuteButton6),
                       static_cast<QWidget *>(ComboBox2)})
        w->setEnabled(false);

    addAnswerPickers();
    placeParts();
}

void TDrillScreen::addAnswerPickers()
{
    // Under the time list, at the right edge; shown, and shut until a
    // problem stands on screen.
    places_ = TPlacePickers(this, {ComboBox2->geometry().bottom() + 16, 50, 8});
    for (const PlaceRow &place : std::as_const(drill_.places))
        places_.add(place)->setEnabled(false);
    places_.setShown(true);
}

// Where the drill's layout puts a part elsewhere than most drills do.
void TDrillScreen::placeParts()
{
    const TDrillLayout &look = drill_.layout;
    // The menu, and the title centred on the window clear of it. The time
    // list stays where the usual menu ends.
    if (look.menuPixels > 0)
        ComboBox1->setFont(Look::face(look.menuPixels));
    ComboBox1->place(Look::RightEdge - look.menuWidth, look.menuTop, look.menuWidth, int(ComboBox1->count()));
    const int titleWidth = qMin(kTitleWidth, 2 * (ComboBox1->x() - 8) - Look::ScreenWidth);
    Label1->setGeometry((Look::ScreenWidth - titleWidth) / 2, Label1->y(), titleWidth, Label1->height());

    if (look.problemBesidePickers && places_.picker(0))
        Label4->resize(places_.left() - 8 - Label4->x(), Label4->height());

    const int gridWidth = DBGrid1->neededWidth();
    const int gridLeft = look.gridBesideResults ? look.resultsLeft + look.resultsWidth + 4
                                                : qMax(20, kGridRight - gridWidth);
    DBGrid1->setGeometry(gridLeft, GridTop, gridWidth, look.gridBottom - GridTop);

    // The empty bar stands on the clock bar; the picture and the prompt
    // move up to stand clear of it, the prompt still below the log grid.
    if (look.barOverClock) {
        bar_ = new TStatusBar(QStringLiteral("StatusBar2"), {}, this);
        const int barTop = StatusBarY - bar_->height();
        bar_->setGeometry(0, barTop, Look::ScreenWidth, bar_->height());
        Image1->move(Image1->x(), barTop - Image1->height() - 4);
        const int promptTop = DBGrid1->geometry().bottom() + 4;
        Label2->setGeometry(Label2->x(), promptTop, Label2->width(), barTop - 2 - promptTop);
    }
}

void TDrillScreen::created()
{
    if (drill_.showRuns == TDrill::ShowRuns::OnceAtCreation)
        FormCreate();
}

void TDrillScreen::shown()
{
    if (drill_.showRuns == TDrill::ShowRuns::WhenShown)
        FormCreate();
}

void TDrillScreen::showGrid(bool shown)
{
    DBGrid1->setVisible(shown);
    if (shown)
        DBGrid1->raise();
    places_.setShown(!shown);
    showHanamaru();
}

int TDrillScreen::elapsedSeconds() const
{
    // Timed on the monotonic clock: a wall clock set back or forward during
    // the drill changes nothing.
    return DrillElapsedSeconds(startedMs_, services().clock->monotonicMs());
}

void TDrillScreen::showHanamaru()
{
    const bool earned = !Label7->caption().isEmpty() && DrillScore(LessonState.CorrectCount, LessonState.ProblemNo) == 100;
    const int size = 2 * (Label7->y() - Label6->y()) + Label7->height() / 2;
    hanamaru_->setGeometry(Label7->geometry().right() + 12, Label7->geometry().center().y() - size / 2, size, size);
    hanamaru_->setVisible(earned && DBGrid1->isHidden());
}

TQuery *TDrillScreen::logQuery() const
{
    TDataModule1 *data = services().data;
    if (!data)
        return nullptr;
    return drill_.log == TDrill::Log::Units ? data->UnitsLogQuery : data->DrillLogQuery;
}

bool TDrillScreen::reissueLog() const
{
    TDataModule1 *data = services().data;
    if (!data)
        return false;
    return drill_.log == TDrill::Log::Units ? data->OpenUnitsDrillLog() : data->OpenDrillLog();
}

// ---------------------------------------------------------------- procedures

void TDrillScreen::ResetScreen()
{
    for (TLabel *l : {Label3, Label4, Label5, Label6, Label7, Label8})
        l->setCaption(QString());
    timeLeft_->clear();
    for (TCuteButton *b : {CuteButton3, CuteButton4, CuteButton5, CuteButton6})
        b->setEnabled(false);
    places_.disable();
    if (drill_.resetZeroesPlaces)
        places_.zero();
    if (drill_.resetDisablesTimeList)
        ComboBox2->setEnabled(false);
    showGrid(false);
    posed_ = false;
    if (drill_.resetClearsGridShown)
        LessonState.GridShown = 0;
}

void TDrillScreen::ShowPickers()
{
    places_.zero();
    QList<int> open;
    for (const PlaceRow &place : std::as_const(drill_.places))
        if (placeOpen(place.place))
            open << place.place;
    places_.enableOnly(open);
    places_.clear();
}

int TDrillScreen::PickedValue() const
{
    return places_.value(closingPlace());
}

void TDrillScreen::PoseWhole(int a, int b, int answer, const QString &line)
{
    LessonState.OperandA = a;
    LessonState.OperandB = b;
    LessonState.Answer = answer;
    Label4->setCaption(line);
}

void TDrillScreen::MarkWhole(int answer, const QString &problem)
{
    const int given = PickedValue();
    LessonState.GivenAnswer = given;
    AnswerGiven(given == answer, {problem, answer, given, {}, {}});
}

void TDrillScreen::DrawProblem()
{
    if (drill_.drawResets)
        ResetScreen();
    LessonState.ProblemNo += 1;
    countedRight_ = false;
    if (drill_.showsProblemNo)
        Label3->setCaption(QStringLiteral("もんだい：%1").arg(LessonState.ProblemNo));
    PoseProblem();
    posed_ = true;
    posedMs_ = services().clock->monotonicMs();
}

void TDrillScreen::ShowResults()
{
    const int elapsed = elapsedSeconds();
    Label3->setCaption(QString());
    Label4->setCaption(QString());
    const QStringList lines = DrillResultLines(LessonState.ProblemNo, LessonState.CorrectCount, elapsed);
    Label5->setCaption(lines[0]);
    Label6->setCaption(lines[1]);
    Label7->setCaption(lines[2]);
    Label8->setCaption(lines[3]);
    Timer3->stop();
    timeLeft_->stop();
    showHanamaru();
    recordEnd(elapsed);
}

void TDrillScreen::AnswerGiven(bool right, const DrillLogRow &row)
{
    if (right && !countedRight_) {
        LessonState.CorrectCount += 1;
        countedRight_ = true;
    }
    AppendLogRow(right ? QStringLiteral("○") : QStringLiteral("×"), row);
    CuteButton4->setEnabled(true);
    CuteButton5->setEnabled(true);
    Prompt(kNextPrompt);
    PlayCue(Cue::Poon);
}

namespace {
void setLogField(TQuery *log, int position, const QVariant &value)
{
    if (!value.isValid())
        return;  // left empty
    if (value.typeId() == QMetaType::QString)
        log->setField(position, value.toString());
    else
        log->setField(position, value.toInt());
}
}  // namespace

void TDrillScreen::AppendLogRow(const QString &mark, const DrillLogRow &row)
{
    TQuery *log = logQuery();
    if (!log || !reissueLog())
        return;
    log->append();
    log->setField(0, LessonState.ProblemNo);
    log->setField(1, QStringLiteral("　") + row.problem);
    setLogField(log, 2, row.correct);
    setLogField(log, 3, row.given);
    log->setField(4, QStringLiteral(" ") + mark);
    setLogField(log, 5, row.correctRemainder);
    setLogField(log, 6, row.givenRemainder);
    log->post(recordAnswer(mark == QStringLiteral("○"), row));
}

void TDrillScreen::ZeroCounts()
{
    LessonState.ProblemNo = 0;
    LessonState.CorrectCount = 0;
}

// ---------------------------------------------------------------- handlers

void TDrillScreen::FormCreate()
{
    ResetScreen();
    if (drill_.showZeroesProblemNo)
        ZeroCounts();
    if (drill_.showEnablesMenu)
        ComboBox1->setEnabled(true);
    if (drill_.showDisablesTimeList)
        ComboBox2->setEnabled(false);
    Prompt(kMenuPrompt);
    PlayCue(Cue::Poon);
}

void TDrillScreen::ComboBox1Change()
{
    if (drill_.menuResets)
        ResetScreen();
    if (drill_.menuZeroesProblemNo)
        ZeroCounts();
    LessonState.MenuChoice = ComboBox1->itemIndex() + 1;
    ComboBox2->setEnabled(true);
    Prompt(drill_.timePrompt);
    PlayCue(drill_.menuCue);
}

void TDrillScreen::ComboBox2Change()
{
    ResetScreen();
    TimeLimit = DrillTimeLimit(ComboBox2->itemIndex());
    CuteButton3->setEnabled(true);
    Prompt(kStartPrompt);
    PlayCue(Cue::Poon);
}

void TDrillScreen::CuteButton3Click()
{
    ResetScreen();
    if (LessonState.GridShown == 1)
        LessonState.GridShown = 0;
    LessonState.ProblemNo = 0;
    StartSeconds = SecondsOfDay(services().clock->now().time());
    startedMs_ = services().clock->monotonicMs();
    LessonState.CorrectCount = 0;
    DrawProblem();
    ShowPickers();
    // Each table holds the log of the latest drill only: emptied before it
    // is opened again, so a long log is never counted only to be thrown away.
    if (TQuery *log = logQuery()) {
        log->clearTable();
        reissueLog();
    }
    recordStart();
    PlayCue(Cue::Poon);
    // A clock still running from an earlier drill would end this one.
    Timer3->stop();
    if (TimeLimit > 0) {
        TickCount = 0;
        Timer3->start();
    }
    timeLeft_->start(TimeLimit);
    Prompt(startPrompt());
    PlayCue(Cue::Pipo);
}

void TDrillScreen::CuteButton4Click()
{
    DrawProblem();
    ShowPickers();
    PlayCue(Cue::Pipo);
    if (drill_.nextBlinks)
        Prompt(nextPrompt());
    else
        Label2->setCaption(nextPrompt());
}

void TDrillScreen::CuteButton5Click()
{
    ShowResults();
    CuteButton3->setEnabled(true);
    CuteButton4->setEnabled(false);
    CuteButton5->setEnabled(false);
    CuteButton6->setEnabled(true);
    Prompt(kStopPrompt);
    PlayCue(Cue::Chararan);
}

void TDrillScreen::CuteButton6Click()
{
    // Decided by the grid itself: the shared GridShown is also the flag of
    // the lessons' memos, and a pupil's one press always shows a hidden log.
    if (!DBGrid1->isHidden()) {
        LessonState.GridShown = 0;
        showGrid(false);
        Prompt(kStopPrompt);
    } else {
        LessonState.GridShown = 1;
        DBGrid1->move(DBGrid1->x(), GridTop);
        showGrid(true);
        Timer3->stop();
        Prompt(kGridPrompt);
    }
}

void TDrillScreen::PlacePicked(const QString &name)
{
    const PlaceRow *row = places_.row(name);
    if (!row || (drill_.picksNeedAProblem && !posed_))
        return;  // no such picker on this drill, or nothing to answer
    if (places_.pick(places_.picker(row->place)) < 0)
        return;  // nothing picked
    if (row->place == closingPlace() && posed_)
        AnswerPicked();
    else if (row->slot)
        PlayCue(Cue::Bun);
}

void TDrillScreen::ComboBox8Change() { PlacePicked(QStringLiteral("ComboBox8")); }
void TDrillScreen::ComboBox7Change() { PlacePicked(QStringLiteral("ComboBox7")); }
void TDrillScreen::ComboBox6Change() { PlacePicked(QStringLiteral("ComboBox6")); }
void TDrillScreen::ComboBox5Change() { PlacePicked(QStringLiteral("ComboBox5")); }
void TDrillScreen::ComboBox4Change() { PlacePicked(QStringLiteral("ComboBox4")); }
void TDrillScreen::ComboBox3Change() { PlacePicked(QStringLiteral("ComboBox3")); }

void TDrillScreen::Timer3Timer()
{
    // The limit is read on the same monotonic clock as the time taken; a
    // tick that comes late (a busy machine) does not lengthen the drill.
    TickCount = qMax(TickCount + 1, elapsedSeconds());
    timeLeft_->setElapsed(elapsedSeconds());
    if (TickCount < TimeLimit)
        return;
    Timer3->stop();
    timeLeft_->setElapsed(TimeLimit);
    // The last picker opens again for the problem on screen; after a menu
    // pick or a new show there is none, and it stays shut.
    if (auto *last = findChild<TComboBox *>(drill_.timeUpPicker); last && posed_)
        last->setEnabled(true);
    // The clock may run out while another screen is in front: the message
    // stands over that one.
    QWidget *front = isVisible() ? this : QApplication::activeModalWidget();
    services().dialogs->message(front ? front : this, drill_.timeUpText);
    ShowResults();
}
