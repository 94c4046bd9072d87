#pragma once
#include "frame/cue.h"
#include "frame/platform.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class QObject;
class QTimer;
class QWidget;

// The clock panel's text: "mm/dd  hh:mm AM/PM" on the 12-hour clock, with 12
// for midnight and noon.
QString ClockText(const QDateTime &now);

// The cue files under the program's folder, by cue number 1 … 20; empty for
// any other number.
QString CuePath(int cue);

// The help file's name, beside the program.
QString HelpFileName();

// The files the program looks for beside itself, its cues and its help file,
// that are not in appDir (which ends in a slash); empty when all are there.
QStringList MissingFiles(const QString &appDir);

// Plays cue n through the one player: the file is opened anew every time
// (which cuts the cue sounding now) and heard only once sound is on.
void PlayCue(const Services &services, int cue);
inline void PlayCue(const Services &services, Cue cue)
{
    PlayCue(services, int(cue));
}

// Starts the one-flicker blink of a prompt line on its screen's Timer2.
void BlinkPrompt(QTimer *timer2);

// One tick of that blink: hidden one interval after the new text, shown 50 ms
// later, stopped 500 ms after that. One BlinkCount serves every screen.
void BlinkTick(QTimer *timer2, QWidget *prompt);

// Asks the quit question; anything but No ends the program.
void ConfirmQuit(const Services &services, QWidget *parent, const QString &question);

// Connects every named control of a screen to the handler slot of the same
// name: buttons and menu items to "<name>Click", pick lists to "<name>Change",
// timers to "<name>Timer". A control without such a slot stays unconnected.
void WireHandlers(QObject *screen);

// A one-second QTimer (or any interval) named for the tests and the handlers.
QTimer *MakeTimer(const QString &name, int intervalMs, bool active, QObject *parent);

// Places a window of the designed size in the middle of the screen.
void CentreOnScreen(QWidget *window);
