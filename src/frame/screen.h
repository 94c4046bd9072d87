#pragma once
#include "frame/controls.h"
#include "frame/cue.h"
#include "frame/platform.h"
#include "record/recorder.h"

#include <QDialog>

class QTimer;

// The frame every lesson and drill screen stands in: a 955 × 716 window in
// the program's colours with the clock (Timer1, StatusBar1), the prompt blink
// (Timer2), "おわる" (CuteButton1) and "もくじへ" (CuteButton2). A screen adds
// its own controls, names its prompt label and picture, and says what it does
// when it is created and when it is shown.
// A label of `parent` at `geometry` in the program's face, `pixelSize`
// high, written in `color`: the one way every screen and working area makes
// its texts.
TLabel *NewLabel(QWidget *parent, const QString &name, const QRect &geometry, int pixelSize, Qt::Alignment align,
                 const QColor &color);

class TScreen : public QDialog {
    Q_OBJECT
public:
    struct Frame {
        QString quitQuestion;      // asked by "おわる"
        int firstBlinkMs = 500;    // Timer2's interval at creation
        int statusPanel0 = 600;    // width of the empty status panel
    };
    TScreen(const Services &services, const Frame &frame);

    QTimer *Timer1;            // clock, one tick a second
    QTimer *Timer2;            // prompt blink
    TStatusBar *StatusBar1;    // panel 1 shows the clock
    TCuteButton *CuteButton1;  // "おわる"
    TCuteButton *CuteButton2;  // "もくじへ"

    // The label that carries the screen's prompt.
    virtual TLabel *promptLabel() const = 0;
    // Work the screen does once when start-up creates it (after wiring).
    virtual void created() {}

    const Services &services() const { return services_; }

    // The pupil's record of a lesson's test: a lesson calls this once for
    // every answer it marks in test mode. The first mark of a visit begins a
    // test session (and a new menu item a new one); leaving the screen
    // finishes it. `answer.posedAt` gives its time when `answer.ms` is 0.
    void RecordMark(const RecordedAnswer &answer);

public slots:
    void Timer1Timer();
    void Timer2Timer();
    void CuteButton1Click();
    void CuteButton2Click();

protected:
    // The screen's show handler, run each time it is shown.
    virtual void shown() {}
    void showEvent(QShowEvent *event) override;
    // Enter presses "つぎへ" while it can be pressed; a digit typed with no
    // pick list in focus goes to the first list that takes digits.
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    void PlayCue(Cue cue);
    void BlinkPrompt();
    // Sets the prompt's text and starts its blink.
    void Prompt(const QString &text);

    // The study/test toggle: LessonMode 1 is study ("べんきょう"), 2 is test
    // ("テスト"), and the toggle's caption always names the mode. addModeToggle
    // makes the green button in study mode; SetLessonMode sets the mode and
    // the caption together; SwitchLessonMode is a click: the other mode,
    // which it returns. What else a switch resets is each lesson's own.
    TCuteButton *addModeToggle(const QString &name, QPoint at);
    static void SetLessonMode(TCuteButton *toggle, int mode);
    static int SwitchLessonMode(TCuteButton *toggle);

    // Builders for the usual controls, so a screen's constructor reads as a
    // list of its parts.
    TLabel *addLabel(const QString &name, const QRect &geometry, int pixelSize,
                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, const QString &caption = QString(),
                     const QColor &color = QColor(0x00, 0x00, 0x80));
    TCuteButton *addButton(const QString &name, const QString &caption, const QColor &face, QPoint at);
    TComboBox *addPicker(const QString &name, const QStringList &items, QPoint at, int width, int rows,
                         const QString &placeholder);
    // The 64 × 64 picture at the bottom left, and the prompt line beside it.
    TImage *addPicture(const QString &name);
    TLabel *addPromptLabel(const QString &name);

    // Standard places of the frame's parts.
    static constexpr int BottomRowY = 632;
    static constexpr int StatusBarY = 694;

private:
    const Services &services_;
    QString quitQuestion_;
    SessionRecorder testRecord_;  // the lesson test of this visit (frame/recording.cpp)
};
