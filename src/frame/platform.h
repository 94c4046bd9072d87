#pragma once
#include <QDateTime>
#include <QString>

class QWidget;
class TDataModule1;

// Every effect outside the program goes through these small interfaces. Each
// has a real Qt implementation (platform_qt) and a fake for tests, so a test
// can script the clock, the dice and the pupil's answers to message boxes.

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;  // local date and time
    // Milliseconds on a clock that only ever moves forward, from an
    // arbitrary start. Setting the wall clock back or forward does not move
    // it, and it stands still while the machine sleeps, so a drill timed by
    // it counts only the time the pupil had.
    virtual qint64 monotonicMs() const = 0;
};

class Random {
public:
    virtual ~Random() = default;
    virtual void reseed() = 0;     // from the clock, right before each draw
    virtual int below(int n) = 0;  // uniform 0 … n−1; below(0) and below(negative) are 0
};

enum class QuitAnswer { Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // "確認" box with "はい(&Y)" (default) and "いいえ(&N)" (Escape).
    virtual QuitAnswer confirmQuit(QWidget *parent, const QString &question) = 0;
    // "情報" box with one "OK".
    virtual void information(QWidget *parent, const QString &text) = 0;
    // Plain box captioned with the program's title, one "OK".
    virtual void message(QWidget *parent, const QString &text) = 0;
};

class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void open(const QString &path) = 0;  // closes the cue sounding now, then opens path
    virtual void play() = 0;                     // plays the open cue without waiting
};

class Quitter {
public:
    virtual ~Quitter() = default;
    virtual void quit() = 0;  // the event loop ends once the running handler returns
};

class ScreenShower {
public:
    virtual ~ScreenShower() = default;
    virtual void showModal(QWidget *screen) = 0;  // application-modal, returns at once
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showContents(const QString &helpFile) = 0;
};

// What each screen is handed: the seams and the data module of the drill log.
struct Services {
    Clock *clock = nullptr;
    Random *random = nullptr;
    Dialogs *dialogs = nullptr;
    CuePlayer *cues = nullptr;
    Quitter *quitter = nullptr;
    ScreenShower *shower = nullptr;
    HelpViewer *help = nullptr;
    TDataModule1 *data = nullptr;
};
