#include "lessons/mental/mental.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/prompts.h"

// ---------------------------------------------------------------- arithmetic

namespace {
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
    return QString::number(a) + u(MentalWordsOf(op).sign) + QString::number(b) + QStringLiteral(" = ?");
}

QString MentalEquation(MentalOp op, int a, int b)
{
    return QString::number(a) + u(MentalWordsOf(op).sign) + QString::number(b) + QStringLiteral(" = ") +
           QString::number(MentalAnswer(op, a, b));
}

QString MentalWorking(MentalOp op, int a, int b)
{
    const MentalWords &w = MentalWordsOf(op);
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
    return u(MentalWordsOf(op).subtitle);
}

// ---------------------------------------------------------------- the screen

namespace {
TLesson mentalLesson(MentalOp op)
{
    TLesson l;
    l.title = QStringLiteral("あん算");
    l.subtitle = MentalSubtitle(op);
    Look::LessonGeometry &g = l.geometry;
    g.setTitles(0, Look::ScreenWidth, 14, 70, 36);
    g.problem = QRect(60, 170, 560, 72);
    g.mark = QRect(690, 470, 140, 140);
    g.next = QPoint(Look::RightEdge - 90, 470);
    l.markedPrompt = Prompts::Next;
    return l;
}

const QString kTestPrompt = QStringLiteral("こたえは 大きい「くらい」から じゅんに えらんでね！");
}  // namespace

TMentalLesson::TMentalLesson(const Services &services, MentalOp op)
    : TLessonScreen(services, mentalLesson(op)), places_(this, Look::Pickers::Mental), op_(op)
{
    Label1 = addTitle(QStringLiteral("Label1"));
    Label2 = addSubtitle(QStringLiteral("Label2"));
    Label4 = addProblemLine(QStringLiteral("Label4"));
    Label5 = addLabel(QStringLiteral("Label5"), QRect(60, 262, 600, 120), 26, Qt::AlignLeft | Qt::AlignTop);
    Label6 = addMark(QStringLiteral("Label6"));

    ComboBox2 = places_.add({"ComboBox2", 1, QStringLiteral("十"), 10, &TLessonState::Entry4, Keeps::Value});
    ComboBox1 = places_.add({"ComboBox1", 0, QStringLiteral("一")});

    CuteButton4 = addNextButton(QStringLiteral("CuteButton4"));
    CuteButton5 = addButton(QStringLiteral("CuteButton5"), QStringLiteral("答え"), Look::Answer,
                            {Look::RightEdge - 90, 514});
    CuteButton3 = addToggle(QStringLiteral("CuteButton3"));
    Label3 = addPictureAndPrompt(QStringLiteral("Image3"), QStringLiteral("Label3"), &Image3);
}

void TMentalLesson::ResetScreen()
{
    LessonState.Entry1 = 0;
    LessonState.Entry2 = 0;
    LessonState.Entry3 = 0;
    LessonState.Entry4 = 0;
    Label4->setCaption(QString());
    Label5->setCaption(QString());
    ClearMark();
    places_.hide();
}

void TMentalLesson::ShowPickers()
{
    places_.show();
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
    Prompt(Prompts::Next);
    PlayCue(Cue::Poon);
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
    PlayCue(Cue::Poon);
}

void TMentalLesson::CuteButton4Click()
{
    ResetScreen();
    CuteButton4->setEnabled(false);
    DrawProblem();
    if (LessonState.LessonMode == 1) {
        CuteButton5->setEnabled(true);
        Prompt(Prompts::AnswerButton);
    } else {
        CuteButton5->setEnabled(false);
        ShowPickers();
        Prompt(kTestPrompt);
    }
    PlayCue(Cue::Pipo);
}

void TMentalLesson::CuteButton5Click()
{
    ShowWorkedAnswer();
    CuteButton4->setEnabled(true);
    CuteButton5->setEnabled(false);
    Prompt(Prompts::Next);
    PlayCue(Cue::Poon);
}

void TMentalLesson::ComboBox2Change()
{
    places_.pick(ComboBox2);
    PlayCue(Cue::Bun);
}

void TMentalLesson::ComboBox1Change()
{
    LessonState.GivenAnswer = places_.value();
    Label4->setCaption(MentalEquation(op_, LessonState.OperandA, LessonState.OperandB));
    Mark({int(op_), {LessonState.OperandA, LessonState.OperandB}, LessonState.Answer, LessonState.GivenAnswer});
}
