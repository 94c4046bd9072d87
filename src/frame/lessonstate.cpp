#include "frame/lessonstate.h"

TLessonState LessonState;

void ResetLessonState()
{
    LessonState = TLessonState{};
}
