// The real seams, on this machine as it is: the dice, the clock, the one cue
// player (with or without an audio device, with a cue file missing) and the
// help window.
#include "frame/frame.h"
#include "frame/platform_qt.h"

#include <QDialog>
#include <QTextBrowser>
#include <QtTest>

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void randomStaysInRange();
    void cuePlayerNeverStops();
    void helpWindowShowsTheHelpFile();
};

void PlatformTest::randomStaysInRange()
{
    QtRandom r;
    r.reseed();
    QCOMPARE(r.below(0), 0);
    QCOMPARE(r.below(-5), 0);
    QCOMPARE(r.below(1), 0);
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        r.reseed();
        const int v = r.below(9);
        QVERIFY(v >= 0 && v < 9);
        seen.insert(v);
    }
    QCOMPARE(seen.size(), 9);  // reseeding before every draw still reaches every value
}

void PlatformTest::cuePlayerNeverStops()
{
    // Real cue files, a missing one, and a number outside the table, opened
    // and played in a row: silence or sound, never a crash or a wait.
    QtCuePlayer player;
    const QString dir = QStringLiteral(MINUKA_BIN_DIR "/");
    QElapsedTimer t;
    t.start();
    for (int round = 0; round < 3; ++round) {
        for (int cue = 1; cue <= 20; ++cue) {
            player.open(dir + CuePath(cue));
            player.play();
        }
        player.open(dir + QStringLiteral("oto/nothing-here.wav"));
        player.play();
    }
    QCoreApplication::processEvents();
    QVERIFY(t.elapsed() < 5000);
    for (int cue = 1; cue <= 20; ++cue)
        QVERIFY2(QFileInfo::exists(dir + CuePath(cue)), qPrintable(CuePath(cue)));
}

void PlatformTest::helpWindowShowsTheHelpFile()
{
    QtHelpViewer help;
    help.showContents(QStringLiteral(MINUKA_BIN_DIR "/ミヌカ.hlp"));
    QDialog *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
            window = d;
    QVERIFY(window);
    auto *browser = window->findChild<QTextBrowser *>();
    QVERIFY(browser);
    QVERIFY(browser->toPlainText().contains(QStringLiteral("ミヌカ")));
    // Asking again reuses the one window.
    help.showContents(QStringLiteral(MINUKA_BIN_DIR "/ミヌカ.hlp"));
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows += qobject_cast<QDialog *>(w) && w->isVisible();
    QCOMPARE(windows, 1);
}

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
