#include "lessons/column/sheet.h"

#include "frame/lessonstate.h"
#include "frame/look.h"

TWorksheetLesson ColumnLessonOf(const QString &title, const QString &subtitle, const QStringList &memo)
{
    TWorksheetLesson l;
    l.title = title;
    l.subtitle = subtitle;
    l.menuText = QStringLiteral("メニュー");
    l.menuItems = {QStringLiteral(" ３けた"), QStringLiteral(" ４けた")};
    l.memoLines = memo;
    return l;
}

TColumnLesson::TColumnLesson(const Services &services, const TWorksheetLesson &lesson, const Ways &ways, bool subtract)
    : TWorksheetScreen(services, lesson), ways_(ways), subtract_(subtract)
{
}

void TColumnLesson::buildColumnSheet(const SheetNames &names)
{
    buildSheet(names, Look::Red);
    ComboBox5 = places_.add({"ComboBox5", 3, QStringLiteral("千")});
    ComboBox4 = places_.add({"ComboBox4", 2, QStringLiteral("百")});
    ComboBox3 = places_.add({"ComboBox3", 1, QStringLiteral("十")});
    ComboBox2 = places_.add({"ComboBox2", 0, QStringLiteral("一")});
}

ColumnProblem TColumnLesson::onSheet() const
{
    ColumnProblem p;
    p.a = LessonState.OperandA;
    p.b = LessonState.OperandB;
    p.subtract = subtract_;
    return p;
}

void TColumnLesson::DrawExample()
{
    const Example e = ways_.example(MenuPicked(), LessonState.StepNo);
    LessonState.OperandA = e.a;
    LessonState.OperandB = e.b;
    sheet().heading->setCaption(QString::fromUtf8(e.heading));
    LessonState.Answer = onSheet().answer();
    Label4->setCaption(onSheet().line());
}

void TColumnLesson::DrawProblem()
{
    const int menu = MenuPicked();
    if (menu != 1 && menu != 2)
        return;
    const ColumnProblem p = ways_.draw(menu + 2, *services().random);
    LessonState.OperandA = p.a;
    LessonState.OperandB = p.b;
    LessonState.Answer = p.answer();
    Label4->setCaption(p.line());
}

WorkedStep TColumnLesson::exampleStep(int step) const
{
    return ways_.exampleStep(MenuPicked(), LessonState.StepNo, step);
}

QString TColumnLesson::sign() const
{
    return subtract_ ? QStringLiteral("-") : QStringLiteral("+");
}

QString TColumnLesson::equation() const
{
    return onSheet().text() + QStringLiteral(" = %1").arg(LessonState.Answer);
}

void TColumnLesson::setOutProblem()
{
    const Sheet &s = sheet();
    s.rows[0]->setCaption(QString::number(LessonState.OperandA));
    s.rows[1]->setCaption(QString::number(LessonState.OperandB));
    s.rows[2]->setCaption(QString());
    s.sign->setCaption(sign());
    Shape1->show();
    ShowPickers();
    ComboBox2->setEnabled(true);
    CuteButton4->setEnabled(false);
    setPosed();
}
