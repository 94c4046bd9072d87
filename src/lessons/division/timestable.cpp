#include "lessons/division/timestable.h"

#include "frame/lessonstate.h"

DivisionStory TimesTableStory()
{
    DivisionStory s{TimesTableTexts()};
    s.memoDesignedTop = 360;
    // The memo opens at the right of the pictures and texts, and the mark
    // stands under it, so the memo hides nothing of a problem.
    s.markPlace = QRect(490, 316, 120, 120);
    s.memoLeft = 484;
    return s;
}

TForm21::TForm21(const Services &services) : TDivisionLesson(services, TimesTableStory())
{
    ComboBox2 = places_.add({"ComboBox2", 0, QStringLiteral("答え"), 1, nullptr, Keeps::Digit, DivisionPickerItems(2, true)});
}

void TForm21::DrawProblem()
{
    const DivisionProblem p = DrawExactDivision(*services().random);
    LessonState.OperandA = p.divisor;
    LessonState.OperandB = p.quotient;
    LessonState.Answer = p.quotient;
    Label5->setCaption(DivisionQuestion(p));
}

void TForm21::ComboBox2Change()
{
    LessonState.GivenAnswer = places_.value();
    const DivisionProblem p{LessonState.OperandA, LessonState.OperandB, 0};
    Label4->setCaption(TimesTableFact(p));
    Label5->setCaption(DivisionEquation(p));
    Mark({2, {p.dividend(), p.divisor}, LessonState.Answer, LessonState.GivenAnswer});
}
