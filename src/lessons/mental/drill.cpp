#include "lessons/mental/drill.h"

#include "frame/lessonstate.h"
#include "frame/platform.h"

// ---------------------------------------------------------------- arithmetic

QString MentalDrillProblem::text() const
{
    return QStringLiteral("%1 %2 %3").arg(a).arg(subtract ? QLatin1Char('-') : QLatin1Char('+')).arg(b);
}

QString MentalDrillProblem::line() const
{
    return text() + QStringLiteral(" = ?");
}

MentalDrillProblem DrawMentalDrill(int menuChoice, Random &random)
{
    random.reseed();
    MentalDrillProblem p;
    if (menuChoice != 2) {
        p.a = random.below(88) + 11;
        p.b = random.below(88) + 11;
        return p;
    }
    // A difference is never 0 or below.
    p.subtract = true;
    for (int draws = 0; draws < 1000; ++draws) {
        p.a = random.below(87) + 12;
        p.b = random.below(88) + 11;
        if (p.a > p.b)
            return p;
    }
    p.a = 57;
    p.b = 38;
    return p;
}

// ---------------------------------------------------------------- the screen

namespace {
TDrill mentalDrill()
{
    TDrill d;
    d.title = QStringLiteral("あん算のドリル");
    d.quitQuestion = QStringLiteral("おわってもいいの？");
    d.menuPlaceholder = QStringLiteral("メニュー");
    d.menuItems = {QStringLiteral(" たし算"), QStringLiteral(" ひき算")};
    d.timePlaceholder = QStringLiteral("　じかん");
    // One half-width space more before each item than on the other drills.
    for (const QString &item : DrillTimeItemsKana())
        d.timeItems << QStringLiteral(" ") + item;
    d.gridColumns = DrillGridColumns();
    d.showZeroesProblemNo = true;
    d.resetClearsGridShown = true;
    d.menuZeroesProblemNo = true;
    return d;
}
}  // namespace

TForm5::TForm5(const Services &services) : TDrillScreen(services, mentalDrill())
{
    const QStringList digits = TComboBox::digits();
    ComboBox3 = addAnswerPicker(QStringLiteral("ComboBox3"), 0, digits, QStringLiteral("一"));
    ComboBox4 = addAnswerPicker(QStringLiteral("ComboBox4"), 1, digits, QStringLiteral("十"));
    ComboBox5 = addAnswerPicker(QStringLiteral("ComboBox5"), 2, digits, QStringLiteral("百"));
}

void TForm5::ShowPickers()
{
    LessonState.Entry4 = 0;
    LessonState.Entry3 = 0;
    for (TComboBox *c : {ComboBox3, ComboBox4, ComboBox5})
        c->setEnabled(true);
    // A difference is below 100: subtraction is answered in tens and ones.
    if (LessonState.MenuChoice == 2)
        ComboBox5->setEnabled(false);
    const QString names[] = {QStringLiteral("一"), QStringLiteral("十"), QStringLiteral("百")};
    TComboBox *pickers[] = {ComboBox3, ComboBox4, ComboBox5};
    for (int i = 0; i < 3; ++i) {
        pickers[i]->setItemIndex(-1);
        pickers[i]->setText(names[i]);
    }
}

void TForm5::PoseProblem()
{
    problem_ = DrawMentalDrill(LessonState.MenuChoice, *services().random);
    LessonState.OperandA = problem_.a;
    LessonState.OperandB = problem_.b;
    LessonState.Answer = problem_.answer();
    Label4->setCaption(problem_.line());
}

void TForm5::ComboBox5Change()
{
    LessonState.Entry3 = ComboBox5->itemIndex() * 100;
    PlayCue(Cue::Bun);
}

void TForm5::ComboBox4Change()
{
    LessonState.Entry4 = ComboBox4->itemIndex() * 10;
    PlayCue(Cue::Bun);
}

void TForm5::ComboBox3Change()
{
    if (!ProblemOnScreen())
        return;
    LessonState.GivenAnswer = ComboBox3->itemIndex() + LessonState.Entry3 + LessonState.Entry4;
    const bool right = LessonState.GivenAnswer == LessonState.Answer;
    MentalDrillProblem logged = problem_;
    logged.a = LessonState.OperandA;
    logged.b = LessonState.OperandB;
    AnswerGiven(right, {logged.text(), LessonState.Answer, LessonState.GivenAnswer, {}, {}});
}
