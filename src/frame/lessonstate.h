#pragma once
#include <QString>

// The one scratch record every screen reads and writes. It lives for the whole
// run, starts zeroed, is never saved, and is not cleared when a screen is left:
// a field keeps what the last screen wrote until a screen sets it again.
struct TLessonState {
    QString AppDir;        // folder of the program, ending with '/'; cues are found under it
    int BlinkCount = 0;    // tick counter of the running prompt blink, shared by all screens
    int LessonMode = 0;    // 1 study ("べんきょう"), 2 test ("テスト")
    int MenuChoice = 0;    // 1-based item picked in a screen's menu list
    int AuxCount = 0;      // lesson-specific counter or choice
    int GridShown = 0;     // 1 while a drill log grid or a hint memo is shown
    int CorrectCount = 0;  // right answers since the running drill started
    int ProblemNo = 0;     // problems posed since the last start; a drill's log row number
    int StepNo = 0;        // step counter of lessons explained in numbered steps
    int SoundOn = 0;       // 1 once cues may be heard (a second after start-up)
    int Answer = 0;        // correct answer of the problem on screen
    int OperandA = 0, OperandB = 0, OperandC = 0, OperandD = 0;
    int Work1 = 0, Work2 = 0, Work3 = 0, Work4 = 0, Work5 = 0, Work6 = 0, Work7 = 0;
    int Entry1 = 0, Entry2 = 0, Entry3 = 0, Entry4 = 0, Entry5 = 0;  // place contributions picked
    int GivenAnswer = 0;   // the pupil's answer assembled from the pickers
    int ColumnStep = 0;    // step counter of the step-by-step lessons
};

extern TLessonState LessonState;

// Back to the zeroed record of a fresh start (tests start every case so).
void ResetLessonState();
