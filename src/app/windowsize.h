#pragma once
// The size of every window of the program, for a projector or a large
// screen: 100 %, 125 %, 150 %, 200 %, or as large as the screen allows.
// Qt scales the whole program by one factor (QT_SCALE_FACTOR, read when the
// application object is made): text, digit cells, frames and pictures
// together, each drawn at the device pixels it gets, so all stays crisp.
// The choice is kept in the user's settings and applies from the next start;
// the whole screen is a true full screen, without a window frame.
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <functional>

class QSettings;
class QWidget;

struct WindowSizeChoice {
    int percent;  // 0: as large as the screen allows
    QString caption;
};
// The sizes in the order the menu offers them.
const QList<WindowSizeChoice> &WindowSizeChoices();

// The settings the program keeps for the user.
QString SettingsOrganization();
QString SettingsApplication();

// The kept choice: a percent of WindowSizeChoices(), 100 when none is kept
// or the kept one is no choice.
int SavedWindowSize(const QSettings &settings);
// Keeps a choice; on the whole screen also the factor that fills it.
void SaveWindowSize(QSettings &settings, int percent, double fillFactor = 0);
// The factor a start scales the program by: the kept percent, or the kept
// factor that fills the screen (1 when none is kept).
double StartScaleFactor(const QSettings &settings);
// The largest factor, in steps of 0.05 and at least 1, at which a window
// of `window` pixels with its frame fits `available` pixels of a screen.
double FillingScaleFactor(QSize window, QSize available);

// The factor at which a window of `window` pixels fills a whole screen of
// `screen` pixels, no frame round it: in steps of 0.05, at least 1.
double FullScreenScaleFactor(QSize window, QSize screen);
// The factor this start should scale by on a screen of `screen` pixels
// (`available` of them free of panels), both at factor 1: the kept choice
// where it fits, else the largest size that fits (a choice made at a
// projector or a large screen, now on a laptop's); the whole screen is
// filled anew, whatever screen it was kept on.
double ScreenScaleFactor(const QSettings &settings, QSize window, QSize screen, QSize available);
// True when the kept choice is the whole screen.
bool KeptFullScreen(const QSettings &settings);

// The whole screen ("がめんいっぱい", F11). A backdrop in the screens'
// colour covers the screen (showFullScreen, no frame); every window of the
// program stands on it without a frame, centred, kept in front of it, and
// scaled (from the start) to fill the screen's width or height.
// After the application object is made: puts up the backdrop when the kept
// choice is the whole screen. True if it did.
bool StartFullScreenStage();
// Puts a window made before it is shown onto the backdrop; nothing when the
// program runs in windows.
void PutOnStage(QWidget *window);
// The keys of the whole screen, for every window of the program: F11 asks
// for the whole screen or back (where no menu shortcut took it), and on the
// whole screen Esc asks to go back. `toggle` does the asking.
class FullScreenKeys : public QObject {
public:
    FullScreenKeys(bool fullScreen, std::function<void()> toggle, QObject *parent = nullptr);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool fullScreen_;
    std::function<void()> toggle_;
};

// Before the application object is made: scales the program by the kept
// choice, unless the environment names a factor already. True if it set one.
bool ApplySavedWindowSize();
// After the event loop ended for a new size: starts the program again, in
// the size now kept (a factor this program set is not handed down).
void StartAgain(bool factorSetHere);
// Right after the application object is made: when the kept size does not
// suit the screen the program starts on (too large for it, or the whole
// screen of another screen), keeps the whole screen's new factor and
// returns the factor to start again at; 0 when this start is right. Once
// per start: a copy started again for the screen never asks again.
double RefitForScreen(bool factorSetHere);
// Starts the program again at `factor`, for that one run.
void StartAgainAt(bool factorSetHere, double factor);
