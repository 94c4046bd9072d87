#include "lessons/mental/addition.h"

#include "frame/lessonstate.h"

TForm3::TForm3(const Services &services) : TMentalLesson(services, MentalOp::Add)
{
    ComboBox3 = addPlacePicker(QStringLiteral("ComboBox3"), 2, {QStringLiteral("１")}, 1, QStringLiteral("百"));
}

void TForm3::ComboBox3Change()
{
    // The only hundreds a sum of two two-digit numbers can have.
    LessonState.Entry3 = 100;
    PlayCue(17);
}

int TForm3::higherPlaces() const
{
    return LessonState.Entry3 + LessonState.Entry4;
}
