#include "lessons/division/remainder.h"

#include "frame/lessonstate.h"

DivisionStory RemainderStory()
{
    DivisionStory s{RemainderTexts()};
    s.rowApples = 13;
    s.leftOver = 1;
    s.memoDesignedTop = 288;
    s.memoClears = true;  // the memo stands alone on a cleared screen
    s.textWidth = 600;
    s.markPlace = QRect(636, 196, 120, 120);
    return s;
}

TForm22::TForm22(const Services &services) : TDivisionLesson(services, RemainderStory())
{
    ComboBox2 = places_.add({"ComboBox2", 0, QStringLiteral("あまり"), 1, nullptr, Keeps::Digit,
                             DivisionPickerItems(3, true)});
    // The quotient waits in Entry4 for the remainder's pick.
    ComboBox3 = places_.add({"ComboBox3", 1, QStringLiteral("答え"), 1, &TLessonState::Entry4, Keeps::Digit,
                             DivisionPickerItems(2, true)});
}

void TForm22::DrawProblem()
{
    const DivisionProblem p = DrawRemainderDivision(*services().random);
    LessonState.OperandA = p.divisor;
    LessonState.OperandB = p.quotient;
    LessonState.OperandC = p.remainder;
    LessonState.Answer = p.dividend();
    LessonState.Entry4 = 0;
    Label5->setCaption(DivisionQuestion(p));
}

void TForm22::ComboBox3Change()
{
    places_.pick(ComboBox3);
    PlayCue(Cue::Bun);
}

void TForm22::ComboBox2Change()
{
    const DivisionProblem p{LessonState.OperandA, LessonState.OperandB, LessonState.OperandC};
    Label4->setCaption(DivisionCheck(p));
    Label5->setCaption(DivisionEquation(p));
    // The quotient and the remainder are marked together.
    Mark({2, {p.dividend(), p.divisor}, p.quotient, LessonState.Entry4, p.remainder, places_.digit(0)});
}
