#include "lessons/mental/addition.h"

#include "frame/lessonstate.h"

TForm3::TForm3(const Services &services) : TMentalLesson(services, MentalOp::Add)
{
    // The only hundreds a sum of two two-digit numbers can have: "１".
    ComboBox3 = places_.add({"ComboBox3", 2, QStringLiteral("百"), 100, &TLessonState::Entry3, Keeps::Value,
                             {QStringLiteral("１")}, 1});
}

void TForm3::ComboBox3Change()
{
    places_.pick(ComboBox3);
    PlayCue(Cue::Bun);
}
