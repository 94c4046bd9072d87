#include "frame/studytest.h"

#include "frame/lessonstate.h"
#include "frame/prompts.h"

namespace {
constexpr int kLeft = 40;

TLesson studyTestLesson(const StudyTestDesign &design)
{
    TLesson l;
    l.title = design.title;
    l.subtitle = design.subtitle;
    Look::LessonGeometry &g = l.geometry;
    g.setTitles(-1, 560, 14, 70, 40);
    // The problem line across the left, the mark under it.
    g.problem = QRect(kLeft, 190, 580, 80);
    g.problemPixels = 40;
    g.mark = QRect(kLeft + 200, 330, 160, 150);
    g.markPixels = 110;
    g.next = QPoint(Look::RightEdge - 90, 540);
    l.markedPrompt = Prompts::Next;
    return l;
}
}  // namespace

TStudyTestLesson::TStudyTestLesson(const Services &services, const StudyTestDesign &design)
    : TLessonScreen(services, studyTestLesson(design)), places_(this, design.pickers), design_(design)
{
    Label1 = addTitle(QStringLiteral("Label1"));
    Label2 = addSubtitle(QStringLiteral("Label2"));
    Label4 = addProblemLine(QStringLiteral("Label4"));
    Label6 = addMark(QStringLiteral("Label6"));
    CuteButton4 = addNextButton(QStringLiteral("CuteButton4"));
    CuteButton3 = addToggle(QStringLiteral("CuteButton3"));
    CuteButton4->setEnabled(false);

    // The study text waits hidden; the show puts it in its place.
    Memo1 = addMemo(QStringLiteral("Memo1"), design.memoLines,
                    QRect(kLeft, MemoTop, 620, StatusBarY - 76 - MemoTop),
                    MemoStyle{design.memoFontPixels, design.memoScrollBar, false});
    Label3 = addPictureAndPrompt(QStringLiteral("Image3"), QStringLiteral("Label3"), &Image3);
}

void TStudyTestLesson::ResetScreen()
{
    Label4->setCaption(QString());
    ClearMark();
    CuteButton4->setEnabled(false);
    places_.hide();
    posed_ = false;
}

void TStudyTestLesson::ShowPickers()
{
    places_.show();
}

void TStudyTestLesson::FormCreate()
{
    SetLessonMode(CuteButton3, 1);
    ResetScreen();
    Memo1->move(Memo1->x(), MemoTop);
    Memo1->show();
    PlayCue(Cue::Poon);
}

void TStudyTestLesson::CuteButton3Click()
{
    ResetScreen();
    if (SwitchLessonMode(CuteButton3) == 2) {
        CuteButton4->setEnabled(true);
        Memo1->hide();
        Prompt(Prompts::Next);
    }
    PlayCue(Cue::Poon);
}

void TStudyTestLesson::CuteButton4Click()
{
    ResetScreen();
    CuteButton4->setEnabled(false);
    DrawProblem();
    ShowPickers();
    posed_ = true;
    Prompt(design_.problemPrompt);
    PlayCue(Cue::Pipo);
}

void TStudyTestLesson::MarkAnswer(const QString &equation, int kind, const QList<int> &operands)
{
    if (!posed_)
        return;
    Label4->setCaption(equation);
    Mark({kind, operands, LessonState.Answer, LessonState.GivenAnswer});
}
