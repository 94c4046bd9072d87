#include "frame/lesson.h"

#include "frame/lessonstate.h"

TLessonScreen::TLessonScreen(const Services &services, const TLesson &lesson)
    : TScreen(services, Frame{lesson.quitQuestion, lesson.firstBlinkMs, 600}), lesson_(lesson)
{
    static const int registered = qRegisterMetaType<LessonAnswer>();
    Q_UNUSED(registered);
    connect(this, &TLessonScreen::answerMarked, this, &TLessonScreen::recordMarked);
}

TLabel *TLessonScreen::addTitle(const QString &name)
{
    const Look::LessonGeometry &g = lesson_.geometry;
    return addLabel(name, g.title, g.titlePixels, Qt::AlignCenter, lesson_.title);
}

TLabel *TLessonScreen::addSubtitle(const QString &name)
{
    const Look::LessonGeometry &g = lesson_.geometry;
    return addLabel(name, g.subtitle, g.subtitlePixels, Qt::AlignCenter, lesson_.subtitle);
}

TLabel *TLessonScreen::addProblemLine(const QString &name, Qt::Alignment align)
{
    const Look::LessonGeometry &g = lesson_.geometry;
    problem_ = addLabel(name, g.problem, g.problemPixels, align);
    return problem_;
}

TLabel *TLessonScreen::addMark(const QString &name)
{
    const Look::LessonGeometry &g = lesson_.geometry;
    setMarkLabel(addLabel(name, g.mark, g.markPixels, Qt::AlignCenter, QString(), Look::Red));
    return mark_;
}

void TLessonScreen::setMarkLabel(TLabel *mark)
{
    mark_ = mark;
    mark_->setProperty("markLabel", true);  // the random-click soak checks it
}

TCuteButton *TLessonScreen::addNextButton(const QString &name)
{
    setNextButton(addButton(name, QStringLiteral("つぎへ"), Look::Next, lesson_.geometry.next));
    return next_;
}

TCuteButton *TLessonScreen::addToggle(const QString &name)
{
    const Look::LessonGeometry &g = lesson_.geometry;
    CuteButton1->move(g.quitX, BottomRowY);
    CuteButton2->move(g.backX, BottomRowY);
    toggle_ = addModeToggle(name, {g.toggleX, BottomRowY});
    return toggle_;
}

TLabel *TLessonScreen::addPictureAndPrompt(const QString &picture, const QString &prompt, TImage **image)
{
    *image = addPicture(picture);
    prompt_ = addPromptLabel(prompt);
    return prompt_;
}

TMemo *TLessonScreen::addMemo(const QString &name, const QStringList &lines, const QRect &geometry,
                              const MemoStyle &style)
{
    auto *memo = new TMemo(name, this);
    if (style.cream) {
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setFocusPolicy(Qt::NoFocus);
        memo->setFont(Look::face(style.pixels));
        QPalette p = memo->palette();
        p.setColor(QPalette::Base, Look::Cream);
        p.setColor(QPalette::Text, Look::Navy);
        memo->setPalette(p);
        memo->setLines(lines);
        memo->move(geometry.topLeft());
    } else {
        memo->setFont(Look::face(style.pixels));
        memo->setLines(lines);
        memo->setVerticalScrollBarPolicy(style.scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setGeometry(geometry);
    }
    memo->hide();
    return memo;
}

void TLessonScreen::Mark(const LessonAnswer &marked, const QString &prompt)
{
    LessonAnswer answer = marked;
    numberProblem(answer);
    const bool right = answer.correct();
    Q_ASSERT(mark_);  // a lesson that marks names its mark label
    mark_->setCaption(right ? QStringLiteral("○") : QStringLiteral("×"));
    PlayCue(MarkCue(right));
    if (next_)
        next_->setEnabled(true);
    if (!prompt.isEmpty())
        Prompt(prompt);
    else if (!lesson_.markedPrompt.isEmpty())
        Prompt(lesson_.markedPrompt);
    emit answerMarked(answer);
}

void TLessonScreen::ClearMark()
{
    if (mark_)
        mark_->setCaption(QString());
}

bool TLessonScreen::RefuseTest(int menu)
{
    if (!lesson_.noTestMenus.contains(menu))
        return false;
    services().dialogs->message(this, lesson_.refusal);
    return true;
}

void TLessonScreen::keepMenu(int menu)
{
    menu_ = LessonState.MenuChoice = menu;
}

void TLessonScreen::restoreMenu()
{
    LessonState.MenuChoice = menu_;
}
