#pragma once
// A lesson of study and test without a menu: the study text as a memo, and
// in test mode one problem after another, answered with pickers and marked
// with the equation written whole.
#include "frame/lesson.h"
#include "frame/places.h"

#include <QString>
#include <QStringList>

// How a study-and-test lesson differs from the others.
struct StudyTestDesign {
    QString title;          // Label1
    QString subtitle;       // Label2
    QStringList memoLines;  // the study text
    bool memoScrollBar = false;
    int memoFontPixels = 17;
    QString problemPrompt;  // the prompt while a problem waits for its answer
    Look::PickerRow pickers = Look::Pickers::Sheet;
};

// On show: study mode, the memo at 136 pixels from the top. The toggle into
// test mode hides the memo and readies "つぎへ"; out of test mode it leaves
// the screen empty until it is shown again. "つぎへ" poses a problem with
// the pickers; the pick that completes the answer writes the equation whole
// and marks it.
class TStudyTestLesson : public TLessonScreen {
    Q_OBJECT
public:
    TLabel *Label1;            // chapter title
    TLabel *Label2;            // lesson title
    TLabel *Label3;            // prompt line beside the picture
    TLabel *Label4;            // the problem, then the equation whole
    TLabel *Label6;            // mark "○" or "×"
    TCuteButton *CuteButton3;  // study/test toggle, "べんきょう" / "テスト"
    TCuteButton *CuteButton4;  // "つぎへ"
    TMemo *Memo1;              // the study text
    TImage *Image3;            // the 64 × 64 picture

    virtual void ResetScreen();
    virtual void ShowPickers();
    virtual void DrawProblem() = 0;

    // Where the study text stands while it is shown.
    static constexpr int MemoTop = 136;

public slots:
    void FormCreate();
    void CuteButton3Click();
    void CuteButton4Click();

protected:
    TStudyTestLesson(const Services &services, const StudyTestDesign &design);

    // The answer is complete: the equation whole in the problem line, the
    // mark for GivenAnswer against Answer, "つぎへ" ready. Only for a
    // problem this screen posed and has not reset since.
    void MarkAnswer(const QString &equation, int kind, const QList<int> &operands);
    bool posed() const { return posed_; }

    TPlacePickers places_;  // the answer pickers, at the right

private:
    StudyTestDesign design_;
    bool posed_ = false;
};
