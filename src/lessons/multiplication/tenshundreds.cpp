#include "lessons/multiplication/tenshundreds.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/platform.h"
#include "frame/prompts.h"
#include "frame/worksheet.h"

// ---------------------------------------------------------------- the arithmetic

QString TensProblem::text() const
{
    return QStringLiteral("%1 x %2 = ?").arg(a).arg(b);
}

QString TensProblem::equation() const
{
    return QStringLiteral("%1 x %2 = %3").arg(a).arg(b).arg(answer);
}

TensProblem TensProblemOf(int kind, int a, int b)
{
    return TensProblem{kind, a, b, a * b};
}

namespace {
// The kinds by the roll r = R(9): three ninths 1, two ninths 2, three
// ninths 3, one ninth 4. Each kind draws A, then B, as R(span) + low,
// times a step of 10 or 100 for B (and for A of the mental 20 … 80).
struct TensForm {
    int firstRoll;
    int lastRoll;
    int kind;
    int aLow, aSpan, aStep;
    int bStep;
};
const TensForm kMentalForms[] = {
    {0, 2, 1, 2, 7, 1, 10},
    {3, 4, 2, 2, 7, 1, 100},
    {5, 7, 3, 2, 7, 10, 10},
    {8, 8, 4, 2, 7, 10, 100},
};
const TensForm kColumnForms[] = {
    {0, 2, 1, 11, 88, 1, 10},
    {3, 4, 2, 111, 888, 1, 10},
    {5, 7, 3, 11, 88, 1, 100},
    {8, 8, 4, 111, 888, 1, 100},
};

int digitOf(int n, int place)
{
    for (int i = 0; i < place; ++i)
        n /= 10;
    return n % 10;
}
}  // namespace

TensProblem DrawTensProblem(int menu, Random &random)
{
    random.reseed();
    const int r = random.below(9);
    const auto &forms = menu == 1 ? kMentalForms : kColumnForms;
    for (const TensForm &f : forms)
        if (r >= f.firstRoll && r <= f.lastRoll) {
            const int a = (random.below(f.aSpan) + f.aLow) * f.aStep;
            const int b = (random.below(7) + 2) * f.bStep;
            return TensProblemOf(f.kind, a, b);
        }
    return TensProblemOf(1, 11, 20);
}

int TensZeros(int b)
{
    return b >= 100 ? 2 : 1;
}

int TensLead(int b)
{
    return b >= 100 ? b / 100 : b / 10;
}

int TensPlaces(int a)
{
    return a >= 100 ? 3 : 2;
}

int TensSteps(int a)
{
    return TensPlaces(a) + 2;
}

int TensStages(int a)
{
    return TensPlaces(a);
}

namespace {
// How a step of the walk-through multiplies one digit of A, put into
// words: the end of the line that names the two digits, and the lines
// after it.
struct WalkWords {
    const char *ending;
    const char *lines[4];
};
// The ones (step 3), without and with a carry out.
const WalkWords kOnesPlain = {" をかけ、  ", {"　答えを 線の下に かく。"}};
const WalkWords kOnesCarry = {" をかけ、",
                              {"　答えの 一の位の 数を 線の下に かき、", "　十の位の 数は　くり上げるので",
                               "　ヨコに かいておく。"}};
// The tens of a three-place A (step 4), by carry out and carry in.
const WalkWords kMiddle[2][2] = {
    {{" をかけ、", {"　答えを 線の下に かく。"}},
     {" をかけ、", {"　答えに くりあがりの数を たして", "　線の下に かく。"}}},
    {{" をかけ、",
      {"　答えの 一の位の 数を 線の下に かき、", "　十の位の 数は　くり上げるので", "　ヨコに かいておく。"}},
     {" をかけ、",
      {"　これに くりあがりの数を たして", "　答えの 一の位の 数を 線の下に かき、",
       "　十の位の 数は　くり上げるので", "　ヨコに かいておく。"}}},
};
// The highest digit (the last step), without and with a carry in.
const WalkWords kFinal[2] = {
    {" をかけ、", {"　答えを 線の下に かく。おわり。"}},
    {" をかけ、", {"　答えに くりあがりの数を たして", "　線の下に かく。おわり"}},
};

QString walkText(int step, int lead, int digit, const WalkWords &w)
{
    QStringList lines{QStringLiteral("　赤線で むすんだ %1 と %2").arg(lead).arg(digit) + QString::fromUtf8(w.ending)};
    for (const char *line : w.lines)
        if (line)
            lines << QString::fromUtf8(line);
    return StepText(step, lines);
}
}  // namespace

TensStep TensWalkStep(int a, int b, int step)
{
    const int zeros = TensZeros(b);
    const int lead = TensLead(b);
    const int product = a * b;
    const int steps = TensSteps(a);
    step = qBound(1, step, steps);
    TensStep s;
    s.last = step == steps;
    s.nextCaption = StepCaption(s.last ? 1 : step + 1);
    // The carries as the steps before this one wrote them.
    const int p1 = lead * digitOf(a, 0);
    const int k1 = p1 / 10;
    const int p2 = lead * digitOf(a, 1) + k1;
    const int k2 = TensPlaces(a) == 3 ? p2 / 10 : 0;
    switch (step) {
    case 1:
        s.text = StepText(1, {QStringLiteral("　もんだいを タテに ならべて かき、"),
                              QStringLiteral("　下に 線を ひく。この時、かける数は"),
                              QStringLiteral("　0 のぶんだけ 右に ずらす。")});
        break;
    case 2:
        s.text = StepText(2, {QStringLiteral("　右にずらした 0 を そのまま 線の"), QStringLiteral("　下に かく。")});
        s.row = QString(zeros, QLatin1Char('0'));
        break;
    case 3:
        s.link = 0;
        s.row = LastDigits(product, zeros + 1);
        s.text = walkText(3, lead, digitOf(a, 0), p1 > 9 ? kOnesCarry : kOnesPlain);
        if (p1 > 9)
            s.carry1 = QString::number(k1);
        break;
    case 4:
        s.link = 1;
        if (s.last) {
            s.row = QString::number(product);
            s.text = walkText(4, lead, digitOf(a, 1), kFinal[k1 != 0 ? 1 : 0]);
        } else {
            s.row = LastDigits(product, zeros + 2);
            s.text = walkText(4, lead, digitOf(a, 1), kMiddle[p2 > 9 ? 1 : 0][k1 != 0 ? 1 : 0]);
            if (p2 > 9)
                s.carry2 = QString::number(k2);
            // The first carry is added in now, so it is struck through.
            s.strike = k1 != 0;
            s.strikeLow = s.strike && p2 <= 9;
        }
        break;
    default:
        s.link = 2;
        s.row = QString::number(product);
        s.text = walkText(5, lead, digitOf(a, 2), kFinal[k2 != 0 ? 1 : 0]);
        break;
    }
    return s;
}

TensPair TensStagePair(int b, int stage)
{
    const int right = TensZeros(b) + stage - 1;
    return TensPair{right + 1, right};
}

QString TensStagePrompt(int stage)
{
    switch (stage) {
    case 1: return QStringLiteral("一の位の数にかけた答をえらんでね！");
    case 2: return QStringLiteral("十の位の数にかけた答をえらんでね！\rくり上がりがあればそれもたしてね！");
    default: return QStringLiteral("百の位の数にかけた答をえらんでね！\rくり上がりがあればそれもたしてね！");
    }
}

// ---------------------------------------------------------------- the screen

namespace {
const QString &kMenuPrompt = Prompts::Menu;
const QString &kReadyPrompt = Prompts::Next;
const QString &kStepPosedPrompt = Prompts::Step;
const QString &kMarkedPrompt = Prompts::NextTight;
const QString kMentalPrompt = QStringLiteral("こたえは 大きい「くらい」から じゅんに えらんでね！");

// The column's working area and its grid, in the area's coordinates.
// The multiplicand ends at the grid's right edge; the multiplier and the
// product stand out to the right of it by the multiplier's zeros. The
// carries stand beside the multiplicand, each in its own box, the first
// above the second; the red lines fill the gap under the multiplicand.
const QRect kColumnArea(500, 200, 260, 230);
constexpr int kCell = 31;
constexpr int kRowHeight = 48;
constexpr int kCarryPixels = 24;
constexpr int kMultiplicandTop = 231;  // in the window
constexpr int kMultiplicandRight = TForm19::MultiplicandX + 120;
constexpr int kRowGap = 19;  // room for a red line 17 pixels high
constexpr int kCarryRaise = 8;  // the first carry stands a little above the multiplicand's top

TWorksheet::Grid columnGrid()
{
    TWorksheet::Grid g;
    g.right = kMultiplicandRight - kColumnArea.x();
    g.cell = kCell;
    g.rowHeight = kRowHeight;
    g.rowGap = kRowGap;
    g.digitPixels = 40;
    g.markPixels = kCarryPixels;
    // The first row's top: the line of marks above it holds nothing here.
    g.top = kMultiplicandTop - kColumnArea.y() - kCarryPixels - 2;
    return g;
}

TLesson tensLesson()
{
    TLesson l;
    l.title = QStringLiteral("かけ算");
    l.subtitle = QStringLiteral("何十、何百のかけ算");
    l.markedPrompt = kMarkedPrompt;
    return l;
}

// The six pickers, the ones at the right; each but the ones keeps its
// digit in the slot the lesson's arithmetic reads.
const PlaceRow kPickers[] = {
    {"ComboBox2", 0, QStringLiteral("一"), 1},
    {"ComboBox3", 1, QStringLiteral("十"), 10, &TLessonState::Entry4},
    {"ComboBox4", 2, QStringLiteral("百"), 100, &TLessonState::Entry3},
    {"ComboBox5", 3, QStringLiteral("千"), 1000, &TLessonState::Entry2},
    {"ComboBox6", 4, QStringLiteral("万"), 10000, &TLessonState::Entry1},
    {"ComboBox7", 5, QStringLiteral("十"), 100000, &TLessonState::Work7},
};
}  // namespace

// The column stands right of the explanation, the problem line above both;
// the mental menu's memo covers the explanation and the column. No
// "ポイント": the memo is the mental menu's study mode.
TSheetScreen::SheetFrame TForm19::tensFrame()
{
    TSheetScreen::SheetFrame f;
    f.grid = columnGrid();
    f.problemLine = QRect(24, 118, 620, 66);
    f.problemInWindow = true;
    f.menuItems = {QStringLiteral(" あん算"), QStringLiteral(" ひっ算")};
    f.menuText = QStringLiteral("メニュー");
    f.memoLines = TensMentalStudyText();
    f.memoScrollBar = true;
    f.workArea = kColumnArea;
    f.memoArea = QRect(24, TForm19::MemoTop, 620, StatusBarY - 76 - TForm19::MemoTop);
    f.memoButton = false;
    f.fromRight[0] = 290;
    f.fromRight[1] = 190;
    f.stepCaption = QStringLiteral("ステップ");
    f.promptRight = Look::RightEdge - 300;
    f.stepPromptBlinks = false;
    f.lastStepCloses = true;
    return f;
}

TForm19::TForm19(const Services &services) : TSheetScreen(services, tensLesson(), tensFrame())
{
    ComboBox1 = sheetMenu_;
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Label5 = addLabel(QStringLiteral("Label5"), QRect(24, 196, 470, 330), 18, Qt::AlignLeft | Qt::AlignTop, QString(),
                      Look::Teal);
    Label6 = addLabel(QStringLiteral("Label6"), QRect(770, 300, 150, 150), 100, Qt::AlignCenter, QString(), Look::Red);
    setMarkLabel(Label6);

    // The column.
    Label7 = Worksheet->addRow(QStringLiteral("Label7"), 0, 3);
    Label8 = Worksheet->addRow(QStringLiteral("Label8"), 1, 3);
    Label9 = Worksheet->addRow(QStringLiteral("Label9"), 2, 6);
    Label12 = Worksheet->addOperator(QStringLiteral("Label12"), 1, 3);
    Shape1 = Worksheet->addRule(QStringLiteral("Shape1"), 1, 3);
    // The line reaches under the longest product.
    Shape1->setGeometry(Shape1->x(), Shape1->y(), Worksheet->grid().right + 2 * kCell + 10 - Shape1->x(), 2);
    Image2 = Worksheet->addLink(QStringLiteral("Image2"), 0, 0, 0);
    Image3 = Worksheet->addLink(QStringLiteral("Image3"), 0, 1, 0);
    Image4 = Worksheet->addLink(QStringLiteral("Image4"), 0, 2, 0);
    // The carries as every worksheet writes them: red, each in its own box
    // half a box clear of the multiplicand. The first stands a little high,
    // so the stroke's place (234) runs through the middle of its digit and
    // its lower place (250) under that digit, still in the carry's box,
    // where the second carry would otherwise stand beside it.
    Label10 = Worksheet->addSideCarry(QStringLiteral("Label10"), 0, Look::Red);
    Label11 = Worksheet->addSideCarry(QStringLiteral("Label11"), 1, Look::Red);
    for (TLabel *carry : {Label10, Label11}) {
        carry->setFont(Look::face(kCarryPixels - 2));
        carry->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    Label10->setGeometry(Label10->x(), Label10->y() - kCarryRaise, Label10->width(), Label10->height() + kCarryRaise);
    Shape2 = Worksheet->addCarryStroke(QStringLiteral("Shape2"), Label10, QSize(22, 2));
    placeColumn(1);

    places_ = TPlacePickers(this, Look::Pickers::TensMental);
    TComboBox **members[] = {&ComboBox2, &ComboBox3, &ComboBox4, &ComboBox5, &ComboBox6, &ComboBox7};
    for (const PlaceRow &row : kPickers)
        *members[row.place] = places_.add(row);

    CuteButton4->setEnabled(false);
    CuteButton5->setEnabled(false);
    // Each chain of "=" in the memo keeps its signs one under the other.
    Memo1->setAlignedChains(true);
}

void TForm19::placeColumn(int zeros)
{
    // The multiplicand stays; the multiplier and the product stand out to
    // the right by the multiplier's zeros, so the multiplier's first digit
    // stands under the multiplicand's ones. Window positions: the
    // multiplicand at 558, the multiplier at 588 or 620, the product at 524
    // or, so that its six boxes end under the multiplier's ones, 554.
    const int right = kMultiplicandRight + qBound(1, zeros, 2) * kCell - kColumnArea.x();
    const int multiplierX = (zeros >= 2 ? 620 : 588) - kColumnArea.x();
    const int productX = qMin((zeros >= 2 ? 556 : 524) - kColumnArea.x(), right - 6 * kCell);
    Label7->setGeometry(MultiplicandX - kColumnArea.x(), Label7->y(), 120, Label7->height());
    Label8->setGeometry(multiplierX, Label8->y(), right - multiplierX, Label8->height());
    Label9->setGeometry(productX, Label9->y(), right - productX, Label9->height());
}

void TForm19::setCarry(int which, const QString &digit)
{
    (which == 1 ? Label10 : Label11)->setCaption(digit);
}

void TForm19::showLink(int link)
{
    HideRedLines();
    TImage *lines[] = {Image2, Image3, Image4};
    if (link >= 0 && link < 3)
        lines[link]->show();
}

void TForm19::moveStroke(int windowTop)
{
    Shape2->move(Shape2->x(), windowTop - Label10->mapTo(this, QPoint(0, 0)).y());
}

void TForm19::strikeFirstCarry(bool low)
{
    // Lower on the carry where no second carry is written beside it.
    moveStroke(low ? StrokeLowTop : StrokeTop);
    Shape2->show();
}

void TForm19::ResetScreen()
{
    LessonState.ColumnStep = 0;
    places_.reset();
    showMemo(false);
    CuteButton4->setEnabled(false);
    CuteButton5->setEnabled(false);
    // A problem set up afresh starts at its first step, and the button says so.
    CuteButton5->setCaption(StepCaption(1));
    for (int n = 4; n <= 12; ++n)
        if (auto *l = findChild<TLabel *>(QStringLiteral("Label%1").arg(n)))
            l->setCaption(QString());
    HideRedLines();
    for (TImage *line : {Image2, Image3, Image4})
        line->move(line->x(), LinkTop - Worksheet->y());
    Shape1->hide();
    Shape2->hide();
    // Every problem starts with the stroke in its place.
    moveStroke(StrokeTop);
    problem_.reset();
    test_ = Test::None;
    marked_ = false;
    rowBeforeLast_.clear();
}

void TForm19::ShowPickers()
{
    places_.show();
    places_.enable(0);
}

void TForm19::DrawProblem()
{
    const TensProblem p = DrawTensProblem(LessonState.MenuChoice, *services().random);
    problem_ = p;
    ProblemKind = p.kind;
    LessonState.OperandA = p.a;
    LessonState.OperandB = p.b;
    LessonState.Answer = p.answer;
    Label4->setCaption(p.text());
}

void TForm19::setUpColumn()
{
    Label7->setCaption(QString::number(problem_->a));
    Label8->setCaption(QString::number(problem_->b));
    placeColumn(TensZeros(problem_->b));
    Label12->setCaption(QStringLiteral("x"));
    Shape1->show();
}

void TForm19::ShowColumnStep()
{
    if (!problem_)
        return;
    setUpColumn();
    const TensStep s = TensWalkStep(problem_->a, problem_->b, LessonState.ColumnStep);
    CuteButton5->setCaption(s.nextCaption);
    Label5->setCaption(s.text);
    if (s.row)
        Label9->setCaption(*s.row);
    if (s.link >= 0)
        showLink(s.link);
    if (s.carry1)
        setCarry(1, *s.carry1);
    if (s.carry2)
        setCarry(2, *s.carry2);
    if (s.strike)
        strikeFirstCarry(s.strikeLow);
    if (s.last)
        Label4->setCaption(problem_->equation());
}

void TForm19::HideRedLines()
{
    for (TImage *line : {Image2, Image3, Image4})
        line->hide();
}

void TForm19::MarkAnswer()
{
    Mark({ProblemKind, {LessonState.OperandA, LessonState.OperandB}, LessonState.Answer, LessonState.GivenAnswer});
}

// ---------------------------------------------------------------- handlers

void TForm19::FormCreate()
{
    SetLessonMode(CuteButton3, 1);
    // The shared menu field may hold another screen's item: this screen
    // goes on with the item its own menu shows.
    if (MenuPicked() > 0)
        restoreMenu();
    ResetScreen();
    PlayCue(Cue::Poon);
    Prompt(kMenuPrompt);
}

void TForm19::ComboBox1Change()
{
    ResetScreen();
    keepMenu(ComboBox1->itemIndex() + 1);
    SetLessonMode(CuteButton3, 1);
    if (MenuPicked() == 1) {
        showMemo(true);
        Label3->setCaption(kMenuPrompt);
    } else {
        CuteButton4->setEnabled(true);
        Label3->setCaption(kReadyPrompt);
    }
    PlayCue(Cue::Poon);
    BlinkPrompt();
}

void TForm19::CuteButton3Click()
{
    ResetScreen();
    if (SwitchLessonMode(CuteButton3) == 2) {
        CuteButton4->setEnabled(true);
        Prompt(kReadyPrompt);
    }
    PlayCue(Cue::Poon);
}

void TForm19::CuteButton4Click()
{
    ResetScreen();
    CuteButton4->setEnabled(false);
    DrawProblem();
    if (LessonState.LessonMode == 1) {
        CuteButton5->setEnabled(true);
        Label3->setCaption(kStepPosedPrompt);
    } else if (LessonState.MenuChoice == 1) {
        test_ = Test::Mental;
        LessonState.StepNo = 1;
        ShowPickers();
        HideRedLines();
        Label3->setCaption(kMentalPrompt);
    } else {
        // The column test, whatever the shared menu field held before this
        // screen's menu was picked: the stages it sets up are the ones its
        // picks complete.
        test_ = Test::Column;
        LessonState.StepNo = 1;
        ShowPickers();
        HideRedLines();
        setUpColumn();
        Label9->setCaption(QString(TensZeros(problem_->b), QLatin1Char('0')));
        enableOnly(TensStagePair(problem_->b, 1));
        Label3->setCaption(TensStagePrompt(1));
    }
    BlinkPrompt();
    PlayCue(Cue::Pipo);
}

void TForm19::CuteButton5Click()
{
    if (!problem_ || LessonState.LessonMode != 1)
        return;
    stepPressed(TensSteps(problem_->a));
}

void TForm19::placePicked(TComboBox *picker)
{
    const int place = places_.pick(picker);
    if (place < 0)
        return;
    const int digit = places_.digit(place);
    if (test_ == Test::Mental && place == 0) {
        markMental();
        return;
    }
    if (test_ == Test::Column && problem_) {
        if (marked_) {
            // After the mark either digit of the last partial product may be
            // picked again: that stage is written again in its place.
            const TensPair last = TensStagePair(problem_->b, TensStages(problem_->a));
            if (place == last.left || place == last.right)
                rewriteLastStage();
            return;
        }
        const int stage = LessonState.StepNo;
        const TensPair pair = TensStagePair(problem_->b, stage);
        if (place == pair.right) {
            completeStage(stage, 10 * places_.kept(pair.left) + digit);
            return;
        }
    }
    if (place > 0)
        PlayCue(Cue::Bun);
}

void TForm19::markMental()
{
    LessonState.GivenAnswer = places_.value(0);
    Label4->setCaption(problem_->equation());
    Mark({ProblemKind, {LessonState.OperandA, LessonState.OperandB}, LessonState.Answer, LessonState.GivenAnswer},
         kReadyPrompt);
}

void TForm19::completeStage(int stage, int q)
{
    LessonState.GivenAnswer = q;
    if (stage < TensStages(problem_->a)) {
        Label9->setCaption(QString::number(q % 10) + Label9->caption());
        if (q > 9)
            setCarry(stage, QString::number(q / 10));
        if (stage == 2 && !Label10->caption().isEmpty())
            strikeFirstCarry(false);
        LessonState.StepNo = stage + 1;
        ShowPickers();
        enableOnly(TensStagePair(problem_->b, stage + 1));
        Prompt(TensStagePrompt(stage + 1));
        PlayCue(Cue::Bun);
        return;
    }
    rowBeforeLast_ = Label9->caption();
    marked_ = true;
    LessonState.StepNo = 3;
    rewriteLastStage();
}

void TForm19::rewriteLastStage()
{
    const TensPair pair = TensStagePair(problem_->b, TensStages(problem_->a));
    const int q = 10 * places_.kept(pair.left) + places_.kept(pair.right);
    // The partial product whole in front of what the stages before wrote:
    // the row never holds more than the product's six places.
    Label9->setCaption(QString::number(q) + rowBeforeLast_);
    LessonState.GivenAnswer = Label9->caption().toInt();
    MarkAnswer();
    Label4->setCaption(problem_->equation());
}
