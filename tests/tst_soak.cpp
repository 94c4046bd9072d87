// A pupil who clicks everywhere: from the contents screen, every screen of the
// program is opened and fed thousands of seeded random clicks, picks and timer
// ticks on its enabled, visible controls. Nothing may crash (the sanitizer
// build runs this too) and the simple rules of every screen must hold after
// each event. A screen joins by being in the program; nothing here names it.
#include "frame/drill.h"
#include "testprogram.h"

#include <QTimer>
#include <QtTest>
#include <random>

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void randomPupil_data();
    void randomPupil();
};

namespace {
int eventsPerScreen()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("MINUKA_SOAK_EVENTS", &ok);
    return ok && n > 0 ? n : 2000;
}

// The rules every screen keeps whatever the pupil did.
QString brokenRule(TScreen *screen)
{
    for (TLabel *l : screen->findChildren<TLabel *>())
        if (l->property("markLabel").toBool()) {
            const QString c = l->caption();
            if (!c.isEmpty() && c != QStringLiteral("○") && c != QStringLiteral("×"))
                return QStringLiteral("%1 marks \"%2\"").arg(l->objectName(), c);
        }
    for (TCuteButton *b : screen->findChildren<TCuteButton *>())
        if (b->property("modeToggle").toBool()) {
            if (LessonState.LessonMode != 1 && LessonState.LessonMode != 2)
                return QStringLiteral("LessonMode is %1").arg(LessonState.LessonMode);
            const QString expected =
                LessonState.LessonMode == 1 ? QStringLiteral("べんきょう") : QStringLiteral("テスト");
            if (b->caption() != expected)
                return QStringLiteral("toggle reads %1 in mode %2").arg(b->caption()).arg(LessonState.LessonMode);
        }
    // A drill's results never show more right answers than problems, nor a
    // score over 100.
    if (auto *drill = qobject_cast<TDrillScreen *>(screen); drill && !drill->Label5->caption().isEmpty()) {
        const auto number = [](TLabel *l) { return l->caption().section(QLatin1Char(' '), 1, 1).toInt(); };
        const int problems = number(drill->Label5), right = number(drill->Label6), score = number(drill->Label7);
        if (right > problems || score > 100)
            return QStringLiteral("results read %1 / %2 / %3")
                .arg(drill->Label5->caption(), drill->Label6->caption(), drill->Label7->caption());
    }
    for (TComboBox *c : screen->findChildren<TComboBox *>())
        if (c->itemIndex() < -1 || c->itemIndex() >= c->count())
            return QStringLiteral("%1 has index %2").arg(c->objectName()).arg(c->itemIndex());
    return QString();
}
// A key a pupil types: a digit, Tab, an arrow or Enter, to the widget that
// has the focus (or the screen).
QString typeKey(TScreen *screen, int roll)
{
    static const int keys[] = {Qt::Key_0, Qt::Key_3, Qt::Key_7, Qt::Key_9, Qt::Key_Tab,
                               Qt::Key_Left, Qt::Key_Right, Qt::Key_Return};
    const int key = keys[roll % int(std::size(keys))];
    QWidget *to = screen->focusWidget() ? screen->focusWidget() : screen;
    QTest::keyClick(to, Qt::Key(key));
    return QStringLiteral(", key %1").arg(key, 0, 16);
}
}  // namespace

void SoakTest::randomPupil_data()
{
    QTest::addColumn<unsigned>("seed");
    const unsigned fromEnv = qEnvironmentVariableIntValue("MINUKA_SOAK_SEED");
    if (fromEnv)
        QTest::newRow("seed from MINUKA_SOAK_SEED") << fromEnv;
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 20261209") << 20261209u;
}

void SoakTest::randomPupil()
{
    QFETCH(unsigned, seed);
    TestProgram t;
    t.soundOn();
    t.random.seed(seed);
    std::mt19937 dice(seed);
    auto roll = [&dice](int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice); };
    const int events = eventsPerScreen();

    QVERIFY(!t.program->forms().isEmpty());
    for (int form : t.program->forms()) {
        TScreen *screen = t.open(form);
        QVERIFY2(screen, qPrintable(QStringLiteral("form %1 does not open").arg(form)));
        for (int e = 0; e < events; ++e) {
            if (screen->isHidden()) {  // the pupil went back to the contents
                QCOMPARE(t.open(form), screen);
            }
            // Now and then answer the quit question with Yes: only the fake
            // quitter hears it, and the pupil goes on clicking.
            t.dialogs.defaultAnswer = roll(10) == 0 ? QuitAnswer::Yes : QuitAnswer::No;

            QList<TCuteButton *> buttons;
            for (TCuteButton *b : screen->findChildren<TCuteButton *>())
                if (b->isEnabled() && b->isVisibleTo(screen))
                    buttons.append(b);
            QList<TComboBox *> lists;
            for (TComboBox *c : screen->findChildren<TComboBox *>())
                if (c->isEnabled() && c->isVisibleTo(screen) && c->count() > 0)
                    lists.append(c);
            QList<QTimer *> timers;
            for (QTimer *tm : screen->findChildren<QTimer *>())
                if (tm->isActive())
                    timers.append(tm);

            const int what = roll(10);
            QString done;
            if (what < 4 && !lists.isEmpty()) {
                TComboBox *c = lists[roll(lists.size())];
                const int i = roll(c->count());
                done = QStringLiteral("pick %1 in %2").arg(i).arg(c->objectName());
                c->pick(i);
            } else if (what < 8 && !buttons.isEmpty()) {
                TCuteButton *b = buttons[roll(buttons.size())];
                // "もくじへ" less often, so a screen gets deep into its states.
                if (b->objectName() == QStringLiteral("CuteButton2") && roll(4) != 0)
                    continue;
                done = QStringLiteral("click %1").arg(b->objectName());
                b->click();
            } else if (!timers.isEmpty()) {
                QTimer *tm = timers[roll(timers.size())];
                t.clock.advance(roll(3) == 0 ? roll(400) : 1);
                done = QStringLiteral("tick %1").arg(tm->objectName());
                QMetaObject::invokeMethod(screen, (tm->objectName() + QStringLiteral("Timer")).toLatin1().constData());
            }
            if (roll(5) == 0 && !screen->isHidden())
                done += typeKey(screen, roll(64));
            // The event loop runs after each event, as it does between a
            // pupil's clicks: what an event queued (repaints, deferred
            // deletes, queued calls, timers due) happens now, and the queue
            // never grows with the length of the soak.
            QCoreApplication::processEvents();
            const QString broken = brokenRule(screen);
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("form %1, event %2 (%3): %4")
                                                      .arg(form).arg(e).arg(done, broken)));
        }
        screen->close();
    }
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
