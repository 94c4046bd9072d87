#include "frame/frame.h"

#include "frame/controls.h"
#include "frame/lessonstate.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QScreen>
#include <QTimer>
#include <QWidget>

QString ClockText(const QDateTime &now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    int hour12 = t.hour() % 12;
    if (hour12 == 0)
        hour12 = 12;
    return QStringLiteral("%1/%2  %3:%4 %5")
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

namespace {
// The cue table: what each number sounds like is in its file's name.
const char *const kCueFiles[20] = {
    "oto/1.wav",      "oto/2.wav",      "oto/3.wav",     "oto/4.wav",          "oto/5.wav",
    "oto/6.wav",      "oto/7.wav",      "oto/8.wav",     "oto/9.wav",          "oto/10.wav",
    "oto/pipo.wav",   "oto/poon.wav",   "oto/bubuu.wav", "oto/pinpon.wav",     "oto/sharan.wav",
    "oto/charararan.wav", "oto/bun.wav", "oto/pipon.wav", "oto/chararan.wav", "oto/20.wav",
};
}  // namespace

QString CuePath(int cue)
{
    if (cue < 1 || cue > 20)
        return QString();
    return QString::fromLatin1(kCueFiles[cue - 1]);
}

QString HelpFileName()
{
    return QStringLiteral("ミヌカ.hlp");
}

QStringList MissingFiles(const QString &appDir)
{
    QStringList files;
    for (const char *cue : kCueFiles)
        files.append(QString::fromLatin1(cue));
    files.append(HelpFileName());
    QStringList missing;
    for (const QString &file : files) {
        if (!QFileInfo(appDir + file).isFile())
            missing.append(appDir + file);
    }
    return missing;
}

void PlayCue(const Services &services, int cue)
{
    const QString path = CuePath(cue);
    if (path.isEmpty() || !services.cues)
        return;
    services.cues->open(LessonState.AppDir + path);
    if (LessonState.SoundOn == 1)
        services.cues->play();
}

void BlinkPrompt(QTimer *timer2)
{
    LessonState.BlinkCount = 0;
    timer2->start();
}

void BlinkTick(QTimer *timer2, QWidget *prompt)
{
    LessonState.BlinkCount += 1;
    if (LessonState.BlinkCount > 2) {
        timer2->stop();
        // Another screen's blink may have moved the shared count on while this
        // prompt was hidden; a prompt is never left invisible.
        prompt->show();
        return;
    }
    if (LessonState.BlinkCount % 2 == 1) {
        prompt->hide();
        timer2->setInterval(50);
    } else {
        prompt->show();
        timer2->setInterval(500);
    }
}

void ConfirmQuit(const Services &services, QWidget *parent, const QString &question)
{
    if (services.dialogs->confirmQuit(parent, question) != QuitAnswer::No)
        services.quitter->quit();
}

namespace {
void wireOne(QObject *screen, QObject *control, const char *signalSignature, const char *suffix)
{
    const QString slotName = control->objectName() + QLatin1String(suffix) + QStringLiteral("()");
    const int slotIndex = screen->metaObject()->indexOfSlot(slotName.toLatin1().constData());
    if (slotIndex < 0)
        return;
    const int signalIndex = control->metaObject()->indexOfSignal(signalSignature);
    QObject::connect(control, control->metaObject()->method(signalIndex), screen,
                     screen->metaObject()->method(slotIndex));
}
}  // namespace

void WireHandlers(QObject *screen)
{
    const auto children = screen->findChildren<QObject *>();
    for (QObject *c : children) {
        if (c->objectName().isEmpty())
            continue;
        if (qobject_cast<TCuteButton *>(c))
            wireOne(screen, c, "clicked(bool)", "Click");
        else if (qobject_cast<TComboBox *>(c))
            wireOne(screen, c, "change()", "Change");
        else if (qobject_cast<QTimer *>(c))
            wireOne(screen, c, "timeout()", "Timer");
        else if (qobject_cast<QAction *>(c))
            wireOne(screen, c, "triggered(bool)", "Click");
    }
}

QTimer *MakeTimer(const QString &name, int intervalMs, bool active, QObject *parent)
{
    auto *t = new QTimer(parent);
    t->setObjectName(name);
    t->setInterval(intervalMs);
    if (active)
        t->start();
    return t;
}

void CentreOnScreen(QWidget *window)
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        window->move(avail.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}
