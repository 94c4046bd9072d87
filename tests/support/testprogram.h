#pragma once
// The whole program built as start-up builds it, offscreen, with fakes for
// every seam: a test scripts the clock, the dice and the answers to message
// boxes, drives controls by name and reads what the pupil would see and hear.
#include "app/contents.h"
#include "app/program.h"
#include "frame/controls.h"
#include "frame/lessonstate.h"
#include "frame/platform.h"
#include "frame/screen.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <memory>
#include <random>

// Time passes only when a test says so: advance() lets seconds go by on both
// clocks; set() moves only the wall clock, as a parent setting the time does.
class FakeClock : public Clock {
public:
    QDateTime now() const override { return now_; }
    qint64 monotonicMs() const override { return monotonic_; }
    void set(const QDateTime &t) { now_ = t; }
    void advance(int seconds) { now_ = now_.addSecs(seconds), monotonic_ += qint64(seconds) * 1000; }
    void advanceMs(qint64 ms) { now_ = now_.addMSecs(ms), monotonic_ += ms; }

private:
    QDateTime now_{QDate(2026, 4, 10), QTime(10, 0, 0)};
    qint64 monotonic_ = 0;
};

// Scripted draws in the order the program asks for them; once the script is
// used up, seeded pseudo-random draws.
class FakeRandom : public Random {
public:
    void reseed() override { ++reseeds; }
    int below(int n) override;
    void script(const QList<int> &values) { script_ = values; }
    void seed(unsigned s) { engine_.seed(s); }
    int remaining() const { return script_.size(); }
    int reseeds = 0;
    QList<int> asked;  // the n of every below(n), in order

private:
    QList<int> script_;
    std::mt19937 engine_{12345};
};

class FakeDialogs : public Dialogs {
public:
    struct Asked {
        QString kind;  // "quit", "information" or "message"
        QString text;
    };
    QuitAnswer confirmQuit(QWidget *, const QString &question) override;
    void information(QWidget *, const QString &text) override { asked.append({QStringLiteral("information"), text}); }
    void message(QWidget *, const QString &text) override { asked.append({QStringLiteral("message"), text}); }
    QList<Asked> asked;
    QList<QuitAnswer> answers;  // next answers to the quit question; then defaultAnswer
    QuitAnswer defaultAnswer = QuitAnswer::No;
};

// Records cues by number: what was opened, what was played, and what sounds
// now (a later open cuts the cue that was playing).
class FakeCues : public CuePlayer {
public:
    void open(const QString &path) override;
    void play() override;
    QList<int> opened;
    QList<int> played;
    int sounding = 0;  // cue heard now, 0 for silence
    void clear() { opened.clear(), played.clear(), sounding = 0; }

private:
    int open_ = 0;
};

class FakeQuitter : public Quitter {
public:
    void quit() override { ++quits; }
    int quits = 0;
};

class FakeShower : public ScreenShower {
public:
    void showModal(QWidget *screen) override;
    QList<QWidget *> shown;
};

class FakeHelp : public HelpViewer {
public:
    void showContents(const QString &helpFile) override { asked.append(helpFile); }
    QStringList asked;
};

class TestProgram {
public:
    // A fresh LessonState, and the database in dataFolder or, by default, in
    // a fresh temporary folder.
    explicit TestProgram(const QString &dataFolder = QString());
    ~TestProgram();

    FakeClock clock;
    FakeRandom random;
    FakeDialogs dialogs;
    FakeCues cues;
    FakeQuitter quitter;
    FakeShower shower;
    FakeHelp help;
    QTemporaryDir dataDir;
    std::unique_ptr<Program> program;

    TForm1 *contents() const { return program->contents(); }
    // Clicks the contents button of a form and returns the screen shown.
    TScreen *open(int form);
    // The first tick of the start-up timer: sound on, welcome cue.
    void soundOn();

    template <class T = QObject>
    static T *control(QObject *screen, const QString &name)
    {
        return screen->findChild<T *>(name);
    }
    // A pupil's click; false when the button is missing, disabled or hidden.
    static bool click(QObject *screen, const QString &button);
    static bool pick(QObject *screen, const QString &list, int index);
    static QString caption(QObject *screen, const QString &label);
    static QString prompt(TScreen *screen) { return screen->promptLabel()->caption(); }
    // What a pupil would see wrong on a screen: a part in view outside the
    // window, two parts over each other, a label whose text is cut off.
    // Empty labels draw nothing and are left out. A part with the property
    // "layoutArea" (a working area with parts of its own) is checked inside
    // as well. Empty when all is well.
    static QString layoutFault(QWidget *screen);
    // The rows of a log table as another program reads them from the
    // database file in `folder`, in the order they were appended.
    static QList<QVariantList> storedRows(
        const QString &folder,
        const QString &sql = QStringLiteral("select NB, MND, KAI, KOT, HNT from dorill order by rowid"));
    // Saves what the pupil sees of a screen as <name>.png in the folder
    // MINUKA_SHOTS_DIR names; does nothing when it names none.
    static void shot(QWidget *screen, const QString &name);
};
