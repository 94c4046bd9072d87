#pragma once
// The size of every window of the program, for a projector or a large
// screen: 100 %, 125 %, 150 %, 200 %, or as large as the screen allows.
// Qt scales the whole program by one factor (QT_SCALE_FACTOR, read when the
// application object is made): text, digit cells, frames and pictures
// together, each drawn at the device pixels it gets, so all stays crisp.
// The choice is kept in the user's settings and applies from the next start.
#include <QList>
#include <QSize>
#include <QString>

class QSettings;

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

// Before the application object is made: scales the program by the kept
// choice, unless the environment names a factor already. True if it set one.
bool ApplySavedWindowSize();
// After the event loop ended for a new size: starts the program again, in
// the size now kept (a factor this program set is not handed down).
void StartAgain(bool factorSetHere);
