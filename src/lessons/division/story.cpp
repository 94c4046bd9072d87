#include "lessons/division/story.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/prompts.h"
#include "frame/platform.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScrollBar>

// ---------------------------------------------------------------- arithmetic

DivisionProblem DrawExactDivision(Random &random)
{
    random.reseed();
    DivisionProblem p;
    p.divisor = random.below(8) + 1;
    p.quotient = random.below(9);
    return p;
}

DivisionProblem DrawRemainderDivision(Random &random)
{
    random.reseed();
    DivisionProblem p;
    p.divisor = random.below(7) + 2;
    p.quotient = random.below(8) + 1;
    p.remainder = random.below(p.divisor - 2) + 1;
    return p;
}

QString DivisionText(const DivisionProblem &p)
{
    return QStringLiteral("%1 ÷ %2").arg(p.dividend()).arg(p.divisor);
}

QString DivisionQuestion(const DivisionProblem &p)
{
    return DivisionText(p) + QStringLiteral(" = ?");
}

QString DivisionEquation(const DivisionProblem &p)
{
    const QString exact = DivisionText(p) + QStringLiteral(" = ") + QString::number(p.quotient);
    if (p.remainder == 0)
        return exact;
    return exact + QStringLiteral("  あまり ") + QString::number(p.remainder);
}

QString TimesTableFact(const DivisionProblem &p)
{
    return QStringLiteral("%1 x %2 = %3").arg(p.divisor).arg(p.quotient).arg(p.dividend());
}

QString DivisionCheck(const DivisionProblem &p)
{
    return QStringLiteral("答えの たしかめ： %1 x %2 + %3 = %4")
        .arg(p.divisor)
        .arg(p.quotient)
        .arg(p.remainder)
        .arg(p.dividend());
}

QStringList DivisionPickerItems(int spaces, bool trailingSpaceOnSeven)
{
    QStringList items;
    const QString lead(spaces, QLatin1Char(' '));
    for (const QString &digit : TComboBox::digits())
        items << lead + digit;
    if (trailingSpaceOnSeven)
        items[7] += QStringLiteral("　");
    return items;
}

// ---------------------------------------------------------------- pictures

namespace {
constexpr int kApple = 32;

// A red apple with a shine, a brown stalk and a green leaf, in a 32 × 32
// square.
void drawApple(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.moveTo(16, 10);
    body.cubicTo(11, 6.5, 3.5, 8, 3.5, 16.5);
    body.cubicTo(3.5, 24.5, 9, 30, 12.5, 30);
    body.cubicTo(14.2, 30, 15, 29.2, 16, 29.2);
    body.cubicTo(17, 29.2, 17.8, 30, 19.5, 30);
    body.cubicTo(23, 30, 28.5, 24.5, 28.5, 16.5);
    body.cubicTo(28.5, 8, 21, 6.5, 16, 10);
    QRadialGradient red(QPointF(11.5, 14), 19);
    red.setColorAt(0.0, QColor(0xFF, 0x8A, 0x80));
    red.setColorAt(0.45, QColor(0xE5, 0x39, 0x35));
    red.setColorAt(1.0, QColor(0xA3, 0x17, 0x17));
    p.setPen(QPen(QColor(0x8E, 0x12, 0x12), 1.0));
    p.setBrush(red);
    p.drawPath(body);

    p.setPen(QPen(QColor(0x6D, 0x45, 0x22), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 10), QPointF(17.2, 3.5));

    QPainterPath leaf;
    leaf.moveTo(17.6, 6.2);
    leaf.quadTo(20.5, 1.2, 26.5, 3.6);
    leaf.quadTo(22.5, 8.8, 17.6, 6.2);
    p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), 0.8));
    p.setBrush(QColor(0x5C, 0xB8, 0x4A));
    p.drawPath(leaf);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.save();
    p.translate(9.5, 15);
    p.rotate(20);
    p.drawEllipse(QPointF(0, 0), 1.8, 3.4);
    p.restore();
}
}  // namespace

QImage ApplePicture(qreal devicePixelRatio)
{
    // One image per pixel ratio, drawn on first use. An image rather than a
    // pixmap, since a static pixmap would outlive the application object.
    static QHash<int, QImage> drawn;
    const int key = qRound(qMax<qreal>(devicePixelRatio, 1.0) * 100);
    auto found = drawn.constFind(key);
    if (found != drawn.constEnd())
        return *found;
    const qreal ratio = key / 100.0;
    const int side = qCeil(kApple * ratio);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawApple(p);
    p.end();
    drawn.insert(key, image);
    return image;
}

TApple::TApple(const QString &name, QWidget *parent) : TImage(name, QPixmap(), parent)
{
    setFixedSize(kApple, kApple);
}

void TApple::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(QRectF(0, 0, kApple, kApple), ApplePicture(devicePixelRatioF()));
}

TStoryBox::TStoryBox(const QString &name, bool box, QWidget *parent)
    : TShape(name, box ? QColor(0xEE, 0xCB, 0x8F) : QColor(0xFF, 0xFB, 0xF0),
             box ? QColor(0x8B, 0x5A, 0x2B) : QColor(0xB0, 0x98, 0x70), parent),
      box_(box)
{
}

void TStoryBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
    p.setPen(QPen(penColor(), 1.5));
    p.setBrush(brushColor());
    p.drawRoundedRect(r, 6, 6);
    if (box_) {
        // The rim of the box along its top edge.
        p.setPen(QPen(penColor().lighter(130), 1.0));
        p.drawLine(QPointF(r.left() + 5, r.top() + 4.5), QPointF(r.right() - 5, r.top() + 4.5));
    }
}

// ---------------------------------------------------------------- layout

namespace {
// On the 955 × 716 window: the pictures and texts at the left, the menu,
// the pickers and the buttons at the right.
constexpr int kRightEdge = Look::RightEdge;
constexpr int kLeft = 24;
constexpr int kAppleGap = 2;
constexpr int kFramePad = 4;
constexpr int kFrameHeight = kApple + 2 * kFramePad + 4;
constexpr int kTrayTop = 146;
constexpr int kBoxTop = kTrayTop + kFrameHeight + 12;
constexpr int kBoxGap = 8;
constexpr int kPerBox = 4;
constexpr int kBoxes = 3;
constexpr int kTextTop = 296;
constexpr int kTextBottom = 600;
constexpr int kMenuWidth = 170;
constexpr int kStepRowY = 588;

int frameWidth(int apples)
{
    return apples * (kApple + kAppleGap) - kAppleGap + 2 * kFramePad;
}

const QString kStep1Caption = QStringLiteral("ステップ１");
const QString kStep2Caption = QStringLiteral("ステップ２");
const QString kShowPrompt = QStringLiteral("メニューを えらんでね！");

TLesson divisionLesson(const DivisionStory &story)
{
    TLesson l;
    l.title = QStringLiteral("わり算");
    l.subtitle = story.subtitle;
    Look::LessonGeometry &g = l.geometry;
    // The titles stand centred on the window, clear of the menu at the right.
    g.setTitles(193, 570, 10, 64, 36);
    g.problem = QRect(kLeft, 120, story.textWidth, 72);
    g.problemPixels = 44;
    g.mark = story.markPlace;
    g.next = QPoint(kRightEdge - 90, kStepRowY);
    l.markedPrompt = Prompts::Next;
    l.noTestMenus = {1};  // the story has no test
    l.refusal = QStringLiteral("このメニューには テストは ないよ。");
    return l;
}

QString lines(const QStringList &text)
{
    return text.join(QLatin1Char('\r'));
}
}  // namespace

// ---------------------------------------------------------------- the screen

TDivisionLesson::TDivisionLesson(const Services &services, const DivisionStory &story)
    : TLessonScreen(services, divisionLesson(story)), places_(this, Look::Pickers::Division), story_(story)
{
    Label1 = addTitle(QStringLiteral("Label1"));
    Label2 = addSubtitle(QStringLiteral("Label2"));

    // The pictures: the heap in its long tray, the three boxes under it and
    // what is left over beside the last one. The apples in a frame are its
    // children, so they move and show with it.
    Shape1 = new TStoryBox(QStringLiteral("Shape1"), false, this);
    Shape1->setGeometry(kLeft, kTrayTop, frameWidth(story.rowApples), kFrameHeight);
    TShape **boxes[] = {&Shape2, &Shape3, &Shape4};
    for (int b = 0; b < kBoxes; ++b) {
        *boxes[b] = new TStoryBox(QStringLiteral("Shape%1").arg(b + 2), true, this);
        (*boxes[b])->setGeometry(kLeft + b * (frameWidth(kPerBox) + kBoxGap), kBoxTop, frameWidth(kPerBox),
                                 kFrameHeight);
    }
    int image = 2;
    auto addApple = [&](QWidget *in, int x, int y) {
        auto *apple = new TApple(QStringLiteral("Image%1").arg(image++), in);
        apple->move(x, y);
        apples_.append(apple);
    };
    const int inY = (kFrameHeight - kApple) / 2;
    for (int i = 0; i < story.rowApples; ++i)
        addApple(Shape1, kFramePad + i * (kApple + kAppleGap), inY);
    for (TShape **box : boxes)
        for (int i = 0; i < kPerBox; ++i)
            addApple(*box, kFramePad + i * (kApple + kAppleGap), inY);
    for (int i = 0; i < story.leftOver; ++i)
        addApple(this, Shape4->geometry().right() + 1 + kBoxGap + i * (kApple + kAppleGap), kBoxTop + inY);
    Shape1->hide();
    for (TShape **box : boxes)
        (*box)->hide();
    for (TApple *apple : std::as_const(apples_))
        apple->hide();

    Label4 = addLabel(QStringLiteral("Label4"), QRect(kLeft, kTextTop, story.textWidth, kTextBottom - kTextTop), 20,
                      Qt::AlignLeft | Qt::AlignTop);
    Label5 = addProblemLine(QStringLiteral("Label5"));
    Label6 = addMark(QStringLiteral("Label6"));

    ComboBox1 = addPicker(QStringLiteral("ComboBox1"), story.menuItems, {kRightEdge - kMenuWidth, 20}, kMenuWidth,
                          int(story.menuItems.size()), QStringLiteral("   メニュー"));

    CuteButton5 = addButton(QStringLiteral("CuteButton5"), kStep1Caption, Look::Answer, {kRightEdge - 290, kStepRowY});
    CuteButton6 = addButton(QStringLiteral("CuteButton6"), QStringLiteral("ポイント"), Look::SkyBlue,
                            {kRightEdge - 190, kStepRowY});
    CuteButton4 = addNextButton(QStringLiteral("CuteButton4"));
    CuteButton3 = addToggle(QStringLiteral("CuteButton3"));

    // The memo fits its lines; "ポイント" brings it up from where it waits.
    Memo1 = addMemo(QStringLiteral("Memo1"), story.memo, QRect(story.memoLeft, story.memoDesignedTop, 0, 0),
                    MemoStyle{18, false, true});
    Label3 = addPictureAndPrompt(QStringLiteral("Image1"), QStringLiteral("Label3"), &Image1);
}

void TDivisionLesson::showApples(int from, int to)
{
    for (int i = from; i < to && i < apples_.size(); ++i)
        apples_[i]->show();
}

void TDivisionLesson::showBoxes()
{
    for (TShape *box : {Shape2, Shape3, Shape4})
        box->show();
    showApples(story_.rowApples, int(apples_.size()));
}

void TDivisionLesson::fitMemo()
{
    // Measured when it is first shown rather than at start-up.
    if (memoFitted_)
        return;
    memoFitted_ = true;
    const QFontMetrics fm(Memo1->font());
    int widest = 0;
    for (const QString &line : story_.memo)
        widest = qMax(widest, fm.horizontalAdvance(line));
    const int margins = 2 * (Memo1->frameWidth() + int(Memo1->document()->documentMargin())) + 8;
    Memo1->resize(widest + margins, int(story_.memo.size()) * fm.lineSpacing() + margins);
}

void TDivisionLesson::showMemo(bool shown)
{
    // The memo flag follows the memo, so that "ポイント" shows it whenever
    // it is hidden.
    if (shown)
        fitMemo();
    Memo1->setVisible(shown);
    if (shown)
        Memo1->raise();
    LessonState.GridShown = shown ? 1 : 0;
}

// ---------------------------------------------------------------- procedures

void TDivisionLesson::ResetScreen()
{
    LessonState.ColumnStep = 0;
    // The step button names the step its next press shows.
    CuteButton5->setCaption(kStep1Caption);
    for (int n = 4; n <= 6; ++n)
        findChild<TLabel *>(QStringLiteral("Label%1").arg(n))->setCaption(QString());
    for (TShape *shape : {Shape1, Shape2, Shape3, Shape4})
        shape->hide();
    for (TApple *apple : std::as_const(apples_))
        apple->hide();
    places_.hide();
    CuteButton4->setEnabled(false);
    CuteButton5->setEnabled(false);
    if (!Memo1->isHidden())
        showMemo(false);
}

void TDivisionLesson::ShowPickers()
{
    places_.show();
}

// ---------------------------------------------------------------- handlers

void TDivisionLesson::FormCreate()
{
    SetLessonMode(CuteButton3, 1);
    ResetScreen();
    PlayCue(Cue::Poon);
    Prompt(kShowPrompt);
}

void TDivisionLesson::ComboBox1Change()
{
    ResetScreen();
    LessonState.MenuChoice = ComboBox1->itemIndex() + 1;
    SetLessonMode(CuteButton3, 1);
    if (LessonState.MenuChoice == 1) {
        Shape1->show();
        showApples(0, story_.rowApples);
        Label4->setCaption(lines(story_.storyStart));
        CuteButton5->setEnabled(true);
        Prompt(Prompts::Step);
    } else if (LessonState.MenuChoice == 2) {
        Shape1->show();
        showApples(0, story_.rowApples);
        showBoxes();
        Label4->setCaption(lines(story_.method));
        Prompt(Prompts::Menu);
    }
    PlayCue(Cue::Poon);
}

void TDivisionLesson::CuteButton3Click()
{
    ResetScreen();
    if (LessonState.LessonMode != 1) {
        SetLessonMode(CuteButton3, 1);
    } else if (RefuseTest(LessonState.MenuChoice)) {
        // The screen stays cleared, in study mode.
    } else {
        SetLessonMode(CuteButton3, 2);
        CuteButton4->setEnabled(true);
        showMemo(false);
        Label5->move(Label5->x(), TestProblemTop);
        Prompt(Prompts::Next);
    }
    PlayCue(Cue::Poon);
}

void TDivisionLesson::CuteButton4Click()
{
    ResetScreen();
    CuteButton4->setEnabled(false);
    DrawProblem();
    ShowPickers();
    Prompt(story_.posedPrompt);
    PlayCue(Cue::Pipo);
}

void TDivisionLesson::CuteButton5Click()
{
    LessonState.ColumnStep += 1;
    if (LessonState.ColumnStep == 1) {
        showBoxes();
        CuteButton5->setCaption(kStep2Caption);
        Label4->setCaption(lines(story_.step1));
        promptLabel()->setCaption(Prompts::Step);
        PlayCue(Cue::Bun);
    } else {
        LessonState.ColumnStep = 0;
        CuteButton5->setCaption(kStep1Caption);
        Label4->setCaption(lines(story_.step2));
        promptLabel()->setCaption(Prompts::Menu);
        PlayCue(Cue::Poon);
    }
    BlinkPrompt();
}

void TDivisionLesson::CuteButton6Click()
{
    if (Memo1->isHidden()) {
        if (story_.memoClears)
            ResetScreen();
        Memo1->move(Memo1->x(), MemoShownTop);
        showMemo(true);
        Prompt(Prompts::MemoShown);
        PlayCue(Cue::Sharan);
    } else {
        showMemo(false);
        if (story_.memoClears && LessonState.LessonMode == 2) {
            // The memo cleared the problem: "つぎへ" poses the next one.
            CuteButton4->setEnabled(true);
            Prompt(Prompts::Next);
        } else {
            Prompt(Prompts::Menu);
        }
        PlayCue(Cue::Pipo);
    }
}
