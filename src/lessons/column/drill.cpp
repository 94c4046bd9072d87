#include "lessons/column/drill.h"

#include "frame/lessonstate.h"
#include "frame/look.h"

bool DrawColumnDrill(int menuChoice, Random &random, ColumnProblem &problem)
{
    switch (menuChoice) {
    case 1: problem = DrawColumnAddition(3, random); return true;
    case 2: problem = DrawColumnAddition(4, random); return true;
    case 3: problem = DrawColumnSubtraction(3, random); return true;
    case 4: problem = DrawColumnSubtraction(4, random); return true;
    default: return false;
    }
}

namespace {
TDrill columnDrill()
{
    TDrill d;
    d.title = QStringLiteral("ひっ算のドリル");
    d.quitQuestion = QStringLiteral("おわってもいいの？");
    d.menuPlaceholder = QStringLiteral("　  メニュー");
    d.menuItems = {QStringLiteral("３けたのたし算"), QStringLiteral("４けたのたし算"), QStringLiteral("３けたのひき算"),
                   QStringLiteral("４けたのひき算")};
    d.timePlaceholder = QStringLiteral("  じかん");
    d.timeItems = DrillTimeItemsKana();
    d.gridColumns = DrillGridColumns();
    d.drawResets = true;  // no problem can be skipped
    return d;
}
}  // namespace

TForm8::TForm8(const Services &services) : TDrillScreen(services, columnDrill())
{
    const QStringList digits = TComboBox::digits();
    ComboBox3 = addAnswerPicker(QStringLiteral("ComboBox3"), 0, digits, QStringLiteral("一"));
    ComboBox4 = addAnswerPicker(QStringLiteral("ComboBox4"), 1, digits, QStringLiteral("十"));
    ComboBox5 = addAnswerPicker(QStringLiteral("ComboBox5"), 2, digits, QStringLiteral("百"));
    ComboBox6 = addAnswerPicker(QStringLiteral("ComboBox6"), 3, digits, QStringLiteral("千"));

    // The empty bar stands on the clock bar; the picture and the prompt
    // move up to stand clear of it, the prompt still below the log grid.
    StatusBar2 = new TStatusBar(QStringLiteral("StatusBar2"), {}, this);
    const int barTop = StatusBarY - StatusBar2->height();
    StatusBar2->setGeometry(0, barTop, Look::ScreenWidth, StatusBar2->height());
    Image1->move(Image1->x(), barTop - Image1->height() - 4);
    const int promptTop = DBGrid1->geometry().bottom() + 4;
    Label2->setGeometry(Label2->x(), promptTop, Label2->width(), barTop - 2 - promptTop);
}

void TForm8::ResetScreen()
{
    LessonState.Entry4 = 0;
    LessonState.Entry3 = 0;
    LessonState.Entry2 = 0;
    TDrillScreen::ResetScreen();
}

void TForm8::ShowPickers()
{
    LessonState.Entry4 = 0;
    // All four places are open whatever the problem: those it does not
    // need are left unpicked and count as 0.
    const std::pair<TComboBox *, QString> places[] = {
        {ComboBox3, QStringLiteral("一")},
        {ComboBox4, QStringLiteral("十")},
        {ComboBox5, QStringLiteral("百")},
        {ComboBox6, QStringLiteral("千")},
    };
    for (const auto &[picker, name] : places) {
        picker->setEnabled(true);
        picker->setItemIndex(-1);
        picker->setText(name);
    }
}

void TForm8::PoseProblem()
{
    if (!DrawColumnDrill(LessonState.MenuChoice, *services().random, problem_))
        return;  // no item of this menu: the problem on screen stays
    LessonState.OperandA = problem_.a;
    LessonState.OperandB = problem_.b;
    LessonState.Answer = problem_.answer();
    Label4->setCaption(problem_.line());
}

void TForm8::ComboBox6Change()
{
    LessonState.Entry2 = ComboBox6->itemIndex() * 1000;
    PlayCue(Cue::Bun);
}

void TForm8::ComboBox5Change()
{
    LessonState.Entry3 = ComboBox5->itemIndex() * 100;
    PlayCue(Cue::Bun);
}

void TForm8::ComboBox4Change()
{
    LessonState.Entry4 = ComboBox4->itemIndex() * 10;
    PlayCue(Cue::Bun);
}

void TForm8::ComboBox3Change()
{
    if (!ProblemOnScreen())
        return;
    LessonState.GivenAnswer =
        ComboBox3->itemIndex() + LessonState.Entry2 + LessonState.Entry3 + LessonState.Entry4;
    const bool right = LessonState.GivenAnswer == LessonState.Answer;
    // Logged as the problem was drawn, an addition or a subtraction.
    ColumnProblem logged = problem_;
    logged.a = LessonState.OperandA;
    logged.b = LessonState.OperandB;
    AnswerGiven(right, {logged.text(), LessonState.Answer, LessonState.GivenAnswer, {}, {}});
}
