#include "frame/drill.h"

#include "frame/frame.h"
#include "frame/lessonstate.h"
#include "frame/look.h"
#include "store/datamodule.h"

#include <QApplication>
#include <QTime>
#include <QTimer>

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
const QString kMenuPrompt = QStringLiteral("「メニュー」をえらんでね！");
const QString kStartPrompt = QStringLiteral("「スタート」ボタンをおしてね！");
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");
const QString kStopPrompt = QStringLiteral("おつかれさま！");
const QString kGridPrompt = QStringLiteral("もういちど「けっか」ボタンをおすと、きえるよ！");

// On the 955 × 716 window: the problem and the results at the left, the
// grid in the middle when shown, and at the right a column of the menu, the
// time list, the pickers and the buttons.
constexpr int kRightEdge = Look::ScreenWidth - 20;
constexpr int kListWidth = 150;
constexpr int kListGap = 10;
constexpr int kPickerGap = 8;
constexpr int kButtonGap = 6;
constexpr int kButtonRowGap = 8;
constexpr int kButtonsLeft = kRightEdge - 2 * 90 - kButtonGap;
constexpr int kButtonTop = 632 - 2 * (30 + kButtonRowGap);  // スタート, つぎへ
constexpr int kGridRight = kButtonsLeft - 8;
constexpr int kGridBottom = 630;
constexpr int kLeft = 40;
constexpr int kResultsWidth = 320;
}  // namespace

// ---------------------------------------------------------------- the screen

TDrillScreen::TDrillScreen(const Services &services, const TDrill &drill)
    : TScreen(services, Frame{drill.quitQuestion, 1000, 600}), drill_(drill)
{
    const int titleWidth = 560;
    Label1 = addLabel(QStringLiteral("Label1"), QRect((Look::ScreenWidth - titleWidth) / 2, 16, titleWidth, 60), 40,
                      Qt::AlignCenter, drill.title);
    Label3 = addLabel(QStringLiteral("Label3"), QRect(kLeft, 120, kResultsWidth, 40), 26);
    Label4 = addLabel(QStringLiteral("Label4"), QRect(kLeft, 172, kGridRight - kLeft, 84), 60);
    const QString results[] = {QStringLiteral("Label5"), QStringLiteral("Label6"), QStringLiteral("Label7"),
                               QStringLiteral("Label8")};
    TLabel **resultLabels[] = {&Label5, &Label6, &Label7, &Label8};
    for (int i = 0; i < 4; ++i)
        *resultLabels[i] = addLabel(results[i], QRect(kLeft, 300 + i * 52, kResultsWidth, 44), 22);

    // The menu and the time list at the top right.
    const int listX = kRightEdge - kListWidth;
    ComboBox1 = addPicker(QStringLiteral("ComboBox1"), drill.menuItems, {listX, 20}, kListWidth,
                          qMax(2, int(drill.menuItems.size())), drill.menuPlaceholder);
    ComboBox2 = addPicker(QStringLiteral("ComboBox2"), drill.timeItems, {listX, ComboBox1->geometry().bottom() + kListGap},
                          kListWidth, int(drill.timeItems.size()), drill.timePlaceholder);

    // スタート つぎへ / ストップ けっか / おわる もくじへ
    const int secondColumn = kButtonsLeft + 90 + kButtonGap;
    CuteButton3 = addButton(QStringLiteral("CuteButton3"), QStringLiteral("スタート"), Look::SkyBlue,
                            {kButtonsLeft, kButtonTop});
    CuteButton4 = addButton(QStringLiteral("CuteButton4"), QStringLiteral("つぎへ"), Look::Next,
                            {secondColumn, kButtonTop});
    CuteButton5 = addButton(QStringLiteral("CuteButton5"), QStringLiteral("ストップ"), Look::MoneyGreen,
                            {kButtonsLeft, kButtonTop + 30 + kButtonRowGap});
    CuteButton6 = addButton(QStringLiteral("CuteButton6"), QStringLiteral("けっか"), Look::Results,
                            {secondColumn, kButtonTop + 30 + kButtonRowGap});
    CuteButton1->move(kButtonsLeft, BottomRowY);
    CuteButton2->move(secondColumn, BottomRowY);

    Timer3 = MakeTimer(QStringLiteral("Timer3"), 1000, false, this);

    // The grid stands over the problem, right of the results.
    DBGrid1 = new TDBGrid(QStringLiteral("DBGrid1"), this);
    TQuery *log = logQuery();
    DBGrid1->setSource(log ? log->model() : nullptr, drill.gridColumns);
    const int gridWidth = DBGrid1->neededWidth();
    DBGrid1->setGeometry(qMax(20, kGridRight - gridWidth), GridTop, gridWidth, kGridBottom - GridTop);
    DBGrid1->hide();

    Image1 = addPicture(QStringLiteral("Image1"));
    Label2 = addLabel(QStringLiteral("Label2"), QRect(92, StatusBarY - 56, kGridRight - 92, 44), 18);

    // As the screen stands before the pupil first sees it.
    for (QWidget *w : {static_cast<QWidget *>(CuteButton3), static_cast<QWidget *>(CuteButton4),
                       static_cast<QWidget *>(CuteButton5), static_cast<QWidget *>(CuteButton6),
                       static_cast<QWidget *>(ComboBox2)})
        w->setEnabled(false);
}

TComboBox *TDrillScreen::addAnswerPicker(const QString &name, int place, const QStringList &items,
                                         const QString &placeName, int width)
{
    int x = kRightEdge - width;
    for (int i = 0; i < place; ++i)  // the places to the right stand already
        x -= (pickers_.value(i) ? pickers_.at(i)->width() : width) + kPickerGap;
    const int top = ComboBox2->geometry().bottom() + 16;
    TComboBox *picker = addPicker(name, items, {x, top}, width, int(items.size()), placeName);
    picker->setEnabled(false);
    if (place >= pickers_.size())
        pickers_.resize(place + 1);
    pickers_[place] = picker;
    return picker;
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
    for (TComboBox *c : std::as_const(pickers_))
        if (c)
            c->setVisible(!shown);
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
    for (TCuteButton *b : {CuteButton3, CuteButton4, CuteButton5, CuteButton6})
        b->setEnabled(false);
    for (TComboBox *c : std::as_const(pickers_))
        if (c)
            c->setEnabled(false);
    if (drill_.resetDisablesTimeList)
        ComboBox2->setEnabled(false);
    showGrid(false);
    posed_ = false;
    if (drill_.resetClearsGridShown)
        LessonState.GridShown = 0;
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
    posedAt_ = services().clock->now();
}

void TDrillScreen::ShowResults()
{
    const int now = SecondsOfDay(services().clock->now().time());
    const int elapsed = DrillElapsed(StartSeconds, now);
    Label3->setCaption(QString());
    Label4->setCaption(QString());
    const QStringList lines = DrillResultLines(LessonState.ProblemNo, LessonState.CorrectCount, elapsed);
    Label5->setCaption(lines[0]);
    Label6->setCaption(lines[1]);
    Label7->setCaption(lines[2]);
    Label8->setCaption(lines[3]);
    Timer3->stop();
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
    PlayCue(12);
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
    PlayCue(12);
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
    PlayCue(12);
}

void TDrillScreen::CuteButton3Click()
{
    ResetScreen();
    if (LessonState.GridShown == 1)
        LessonState.GridShown = 0;
    LessonState.ProblemNo = 0;
    StartSeconds = SecondsOfDay(services().clock->now().time());
    LessonState.CorrectCount = 0;
    DrawProblem();
    ShowPickers();
    // Each table holds the log of the latest drill only.
    if (TQuery *log = logQuery(); log && reissueLog()) {
        log->first();
        log->clearTable();
    }
    recordStart();
    PlayCue(12);
    // A clock still running from an earlier drill would end this one.
    Timer3->stop();
    if (TimeLimit > 0) {
        TickCount = 0;
        Timer3->start();
    }
    Prompt(startPrompt());
    PlayCue(11);
}

void TDrillScreen::CuteButton4Click()
{
    DrawProblem();
    ShowPickers();
    PlayCue(11);
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
    PlayCue(19);
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

void TDrillScreen::Timer3Timer()
{
    TickCount += 1;
    if (TickCount < TimeLimit)
        return;
    Timer3->stop();
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
