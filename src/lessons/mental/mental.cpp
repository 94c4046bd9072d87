#include "lessons/mental/mental.h"

#include "frame/lessonstate.h"
#include "frame/look.h"

// ---------------------------------------------------------------- arithmetic

namespace {
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
const MentalWords kWords[] = {
    {"たし算", " + ", " と ", " を たした ", " に", " を たせば いいよ。"},
    {"ひき算", " - ", " から ", " を ひいた ", " から", " を ひけば いいよ。"},
};

const MentalWords &words(MentalOp op)
{
    return kWords[op == MentalOp::Add ? 0 : 1];
}

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

constexpr int kMaxDraws = 1000;

MentalProblem drawAddition(Random &random)
{
    MentalProblem p;
    p.a = random.below(89) + 10;
    // The second number always has ones, so the explanation splits it into
    // two real parts.
    int draws = 0;
    do {
        p.b = random.below(88) + 11;
        ++draws;
    } while (p.b % 10 == 0 && draws < kMaxDraws);
    if (p.b % 10 == 0)
        p.b = 43;
    return p;
}

MentalProblem drawSubtraction(Random &random)
{
    MentalProblem p;
    // The difference is never 0 or below.
    int draws = 0;
    do {
        p.a = random.below(87) + 12;
        p.b = random.below(87) + 11;
        ++draws;
    } while (p.a <= p.b && draws < kMaxDraws);
    if (p.a <= p.b) {
        p.a = 67;
        p.b = 48;
    }
    return p;
}
}  // namespace

int MentalAnswer(MentalOp op, int a, int b)
{
    return op == MentalOp::Add ? a + b : a - b;
}

MentalProblem DrawMental(MentalOp op, Random &random)
{
    random.reseed();
    MentalProblem p = op == MentalOp::Add ? drawAddition(random) : drawSubtraction(random);
    p.answer = MentalAnswer(op, p.a, p.b);
    return p;
}

QString MentalProblemLine(MentalOp op, int a, int b)
{
    return QString::number(a) + u(words(op).sign) + QString::number(b) + QStringLiteral(" = ?");
}

QString MentalEquation(MentalOp op, int a, int b)
{
    return QString::number(a) + u(words(op).sign) + QString::number(b) + QStringLiteral(" = ") +
           QString::number(MentalAnswer(op, a, b));
}

QString MentalWorking(MentalOp op, int a, int b)
{
    const MentalWords &w = words(op);
    const int tens = (b / 10) * 10;
    const int ones = b % 10;
    return QString::number(b) + QStringLiteral(" を ") + QString::number(tens) + QStringLiteral(" と ") +
           QString::number(ones) + QStringLiteral(" に わけ、 ") + QLatin1Char('\r') +
           QString::number(a) + u(w.with) + QString::number(tens) + u(w.did) +
           QString::number(MentalAnswer(op, a, tens)) + u(w.onto) + QLatin1Char('\r') +
           QString::number(ones) + u(w.finish);
}

QString MentalSubtitle(MentalOp op)
{
    return u(words(op).subtitle);
}

// ---------------------------------------------------------------- the screen

namespace {
const QString kReadyPrompt = QStringLiteral("「つぎへ」ボタンで すすめてね！");
const QString kStudyPrompt = QStringLiteral("「こたえ」ボタンを おしてね！");
const QString kTestPrompt = QStringLiteral("こたえは 大きい「くらい」から じゅんに えらんでね！");

// Layout on the 955 × 716 window.
constexpr int kPickerWidth = 64;
constexpr int kPickerGap = 10;
constexpr int kPickerTop = 130;
constexpr int kRightEdge = Look::ScreenWidth - 20;

// The digits of the tens and ones pickers; the eighth item carries a
// trailing full-width space, as the lessons have always shown it.
QStringList pickerDigits()
{
    QStringList items = TComboBox::digits();
    items[7] = QStringLiteral("７　");
    return items;
}
}  // namespace

TMentalLesson::TMentalLesson(const Services &services, MentalOp op)
    : TScreen(services, Frame{QStringLiteral("おわっても いいの？"), 500, 600}), op_(op)
{
    const int w = Look::ScreenWidth;
    Label1 = addLabel(QStringLiteral("Label1"), QRect(0, 14, w, 52), 40, Qt::AlignCenter, QStringLiteral("あん算"));
    Label2 = addLabel(QStringLiteral("Label2"), QRect(0, 70, w, 36), 26, Qt::AlignCenter, MentalSubtitle(op));
    Label4 = addLabel(QStringLiteral("Label4"), QRect(60, 170, 560, 72), 48);
    Label5 = addLabel(QStringLiteral("Label5"), QRect(60, 262, 600, 120), 26, Qt::AlignLeft | Qt::AlignTop);
    Label6 = addLabel(QStringLiteral("Label6"), QRect(690, 470, 140, 140), 96, Qt::AlignCenter, QString(), Look::Red);
    Label6->setProperty("markLabel", true);

    ComboBox2 = addPlacePicker(QStringLiteral("ComboBox2"), 1, pickerDigits(), 10, QStringLiteral("十"));
    ComboBox1 = addPlacePicker(QStringLiteral("ComboBox1"), 0, pickerDigits(), 10, QStringLiteral("一"));

    CuteButton4 = addButton(QStringLiteral("CuteButton4"), QStringLiteral("つぎへ"), Look::Next, {kRightEdge - 90, 470});
    CuteButton5 = addButton(QStringLiteral("CuteButton5"), QStringLiteral("答え"), Look::Answer, {kRightEdge - 90, 514});

    // Bottom row: "おわる", "もくじへ", then the toggle.
    CuteButton1->move(kRightEdge - 290, BottomRowY);
    CuteButton2->move(kRightEdge - 190, BottomRowY);
    CuteButton3 = addModeToggle(QStringLiteral("CuteButton3"), {kRightEdge - 90, BottomRowY});

    Image3 = addPicture(QStringLiteral("Image3"));
    Label3 = addPromptLabel(QStringLiteral("Label3"));
}

TComboBox *TMentalLesson::addPlacePicker(const QString &name, int place, const QStringList &items, int rows,
                                          const QString &placeName)
{
    const int x = kRightEdge - kPickerWidth - place * (kPickerWidth + kPickerGap);
    TComboBox *picker = addPicker(name, items, {x, kPickerTop}, kPickerWidth, rows, placeName);
    picker->hide();
    places_.append({picker, placeName});
    return picker;
}

int TMentalLesson::higherPlaces() const
{
    return LessonState.Entry4;
}

void TMentalLesson::ResetScreen()
{
    LessonState.Entry1 = 0;
    LessonState.Entry2 = 0;
    LessonState.Entry3 = 0;
    LessonState.Entry4 = 0;
    Label4->setCaption(QString());
    Label5->setCaption(QString());
    Label6->setCaption(QString());
    for (const Place &p : places_)
        p.picker->hide();
}

void TMentalLesson::ShowPickers()
{
    for (const Place &p : places_) {
        p.picker->setItemIndex(-1);
        p.picker->setText(p.name);
        p.picker->show();
    }
}

void TMentalLesson::DrawProblem()
{
    const MentalProblem p = DrawMental(op_, *services().random);
    LessonState.OperandA = p.a;
    LessonState.OperandB = p.b;
    LessonState.Answer = p.answer;
    Label4->setCaption(MentalProblemLine(op_, p.a, p.b));
}

void TMentalLesson::ShowWorkedAnswer()
{
    Label4->setCaption(MentalEquation(op_, LessonState.OperandA, LessonState.OperandB));
    Label5->setCaption(MentalWorking(op_, LessonState.OperandA, LessonState.OperandB));
}

void TMentalLesson::FormCreate()
{
    SetLessonMode(CuteButton3, 1);
    ResetScreen();
    CuteButton4->setEnabled(true);
    CuteButton5->setEnabled(false);
    Prompt(kReadyPrompt);
    PlayCue(12);
}

void TMentalLesson::CuteButton3Click()
{
    // Into test mode "つぎへ" is ready at once; back to study, "つぎへ" and
    // "答え" stay as they were.
    if (SwitchLessonMode(CuteButton3) == 2) {
        CuteButton4->setEnabled(true);
        CuteButton5->setEnabled(false);
    }
    ResetScreen();
    PlayCue(12);
}

void TMentalLesson::CuteButton4Click()
{
    ResetScreen();
    CuteButton4->setEnabled(false);
    DrawProblem();
    if (LessonState.LessonMode == 1) {
        CuteButton5->setEnabled(true);
        Prompt(kStudyPrompt);
    } else {
        CuteButton5->setEnabled(false);
        ShowPickers();
        Prompt(kTestPrompt);
    }
    PlayCue(11);
}

void TMentalLesson::CuteButton5Click()
{
    ShowWorkedAnswer();
    CuteButton4->setEnabled(true);
    CuteButton5->setEnabled(false);
    Prompt(kReadyPrompt);
    PlayCue(12);
}

void TMentalLesson::ComboBox2Change()
{
    LessonState.Entry4 = ComboBox2->itemIndex() * 10;
    PlayCue(17);
}

void TMentalLesson::ComboBox1Change()
{
    LessonState.GivenAnswer = ComboBox1->itemIndex() + higherPlaces();
    Label4->setCaption(MentalEquation(op_, LessonState.OperandA, LessonState.OperandB));
    const bool right = LessonState.GivenAnswer == LessonState.Answer;
    Label6->setCaption(right ? QStringLiteral("○") : QStringLiteral("×"));
    PlayCue(right ? 14 : 13);
    CuteButton4->setEnabled(true);
    Prompt(kReadyPrompt);
}
