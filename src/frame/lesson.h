#pragma once
// The lesson frame: what every lesson screen shares, as the drill frame is
// for the drills. Titles, the picture and the prompt line, the problem line,
// the mark "○"/"×" with its cue, "つぎへ", the study/test toggle and its
// rules, the screen's own menu choice, the memo. A lesson describes itself
// in a TLesson record, builds its parts with the builders below (each part
// keeps its designed name) and marks every answer through Mark, the one
// place a marked answer of any lesson passes.
#include "frame/look.h"
#include "frame/screen.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// One marked answer, as data: what the problem was and what the pupil gave.
struct LessonAnswer {
    int kind = 0;          // the form of the problem (ProblemKind, the menu item, …)
    QList<int> operands;   // its numbers, in the order the problem shows them
    int right = 0;         // the right answer
    int given = 0;         // the pupil's answer
    int remainder = 0;     // a division's remainder, and the pupil's
    int givenRemainder = 0;
    // Filled in by the frame: the problem's number in this visit (from 1)
    // and when it was posed, in ms of the monotonic clock (-1: not known).
    int problemNo = 0;
    qint64 posedMs = -1;
    bool correct() const { return given == right && givenRemainder == remainder; }
};
Q_DECLARE_METATYPE(LessonAnswer)

// What a lesson states about itself.
struct TLesson {
    QString title;     // Label1, the chapter
    QString subtitle;  // Label2, the lesson
    Look::LessonGeometry geometry;
    QString quitQuestion = QStringLiteral("おわっても いいの？");
    int firstBlinkMs = 500;  // Timer2's interval at creation
    QString markedPrompt;    // the prompt once an answer is marked; none: the prompt stays
    // The toggle's rules: the menu items that have no test, and what the
    // pupil is told when test mode is asked on one of them.
    QList<int> noTestMenus;
    QString refusal;
};

// How a memo looks: its type, its scroll bar, its paper.
struct MemoStyle {
    int pixels = 17;
    bool scrollBar = false;  // always shown, or never
    bool cream = false;      // navy on cream, without focus
};

class TLessonScreen : public TScreen {
    Q_OBJECT
public:
    TLabel *promptLabel() const override { return prompt_; }
    const TLesson &lesson() const { return lesson_; }

    // The menu item picked on this screen (1, 2, …), 0 before its menu is
    // picked. MenuChoice is shared by every screen; this one is the screen's own.
    int MenuPicked() const { return menu_; }

public slots:
    // The handlers every lesson's designed controls are wired to: the screen
    // shown, its menu picked, the study/test toggle, "つぎへ", and the step
    // or answer button. A lesson overrides those its controls have; the
    // others do nothing.
    virtual void FormCreate() {}
    virtual void ComboBox1Change() {}
    virtual void CuteButton3Click() {}
    virtual void CuteButton4Click() {}
    virtual void CuteButton5Click() {}

signals:
    // Every marked answer of the lesson, after its mark is shown.
    void answerMarked(const LessonAnswer &answer);

protected:
    TLessonScreen(const Services &services, const TLesson &lesson);
    // Each time the screen is shown it starts as when it was created.
    void shown() override { FormCreate(); }

    // The parts, each under its designed name, where the geometry puts them.
    TLabel *addTitle(const QString &name);
    TLabel *addSubtitle(const QString &name);
    TLabel *addProblemLine(const QString &name, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    TLabel *addMark(const QString &name);
    TCuteButton *addNextButton(const QString &name);
    // The toggle on the bottom row, and "おわる" and "もくじへ" moved beside it.
    TCuteButton *addToggle(const QString &name);
    // The picture and the prompt line beside it.
    TLabel *addPictureAndPrompt(const QString &picture, const QString &prompt, TImage **image);
    // A memo of `lines` at `geometry`, hidden.
    TMemo *addMemo(const QString &name, const QStringList &lines, const QRect &geometry, const MemoStyle &style);

    // Parts a lesson builds in a place of its own.
    void setProblemLine(TLabel *line) { problem_ = line; }
    void setMarkLabel(TLabel *mark);
    void setNextButton(TCuteButton *next) { next_ = next, watchPosing(next); }
    void setPromptLabel(TLabel *prompt) { prompt_ = prompt; }

    TLabel *problemLine() const { return problem_; }
    TLabel *markLabel() const { return mark_; }
    TCuteButton *nextButton() const { return next_; }
    TCuteButton *toggle() const { return toggle_; }

    // The answer is marked: "○" or "×" with its cue, "つぎへ" ready, the
    // marked prompt (or `prompt`); then answerMarked. Every lesson's mark
    // comes here.
    void Mark(const LessonAnswer &answer, const QString &prompt = QString());
    // The mark taken away.
    void ClearMark();

    // The toggle's rule for the menu item `menu`: true when it has no test,
    // after the pupil has been told so.
    bool RefuseTest(int menu);
    // The menu item picked on this screen, kept as its own and in MenuChoice;
    // and put back into MenuChoice when the screen comes back.
    void keepMenu(int menu);
    void restoreMenu();

private:
    // A marked answer's number and posing time, and its record in a test
    // (frame/recording.cpp).
    void watchPosing(TCuteButton *next);
    void numberProblem(LessonAnswer &answer);
    void recordMarked(const LessonAnswer &answer);
    struct Posing {
        int number = 0;
        qint64 at = -1;
        bool anew = true;  // "つぎへ" since the last mark
        LessonAnswer last;
    } posing_;

    TLesson lesson_;
    TLabel *prompt_ = nullptr;
    TLabel *problem_ = nullptr;
    TLabel *mark_ = nullptr;
    TCuteButton *next_ = nullptr;
    TCuteButton *toggle_ = nullptr;
    int menu_ = 0;
};
