// The window size a pupil chooses in "おおきさ": the factor a start scales
// the program by, the factor that fills a screen, and the choice kept from
// the contents screen's menu for the next start.
#include "app/windowsize.h"
#include "testprogram.h"

#include <QAction>
#include <QKeyEvent>
#include <QSettings>
#include <QWidget>
#include <QtTest>

class WindowSizeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startFactor_data();
    void startFactor();
    void fillingFactor_data();
    void fillingFactor();
    void fullScreenFactor_data();
    void fullScreenFactor();
    void screenFactor_data();
    void screenFactor();
    void fullScreenKeys_data();
    void fullScreenKeys();
    void menuKeepsTheChoice();

private:
    QTemporaryDir settingsDir_;
};

namespace {
QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganization(), SettingsApplication());
}
// Settings holding only a kept size and whole-screen factor (none where invalid).
void keep(QSettings &s, const QVariant &size, const QVariant &fill)
{
    s.clear();
    if (size.isValid())
        s.setValue(QStringLiteral("window/size"), size);
    if (fill.isValid())
        s.setValue(QStringLiteral("window/fillFactor"), fill);
}
}  // namespace

void WindowSizeTest::initTestCase()
{
    // The user's own settings stay untouched.
    QVERIFY(settingsDir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
}

void WindowSizeTest::startFactor_data()
{
    QTest::addColumn<QVariant>("size");
    QTest::addColumn<QVariant>("fill");
    QTest::addColumn<double>("factor");
    QTest::newRow("nothing kept") << QVariant() << QVariant() << 1.0;
    QTest::newRow("125 %") << QVariant(125) << QVariant() << 1.25;
    QTest::newRow("200 %") << QVariant(200) << QVariant(1.4) << 2.0;
    QTest::newRow("whole screen") << QVariant(0) << QVariant(1.4) << 1.4;
    QTest::newRow("whole screen, no factor kept") << QVariant(0) << QVariant() << 1.0;
    QTest::newRow("whole screen, a factor out of reason") << QVariant(0) << QVariant(40) << 1.0;
    QTest::newRow("no choice of the menu") << QVariant(300) << QVariant() << 1.0;
    QTest::newRow("not a number") << QVariant(QStringLiteral("big")) << QVariant() << 1.0;
}

void WindowSizeTest::startFactor()
{
    QFETCH(QVariant, size);
    QFETCH(QVariant, fill);
    QFETCH(double, factor);
    QSettings s = userSettings();
    keep(s, size, fill);
    QCOMPARE(StartScaleFactor(s), factor);
}

void WindowSizeTest::fillingFactor_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<double>("factor");
    QTest::newRow("full HD") << QSize(1920, 1040) << 1.35;
    QTest::newRow("4K") << QSize(3840, 2120) << 2.75;
    QTest::newRow("a projector's 1280 x 800") << QSize(1280, 770) << 1.0;
    QTest::newRow("smaller than the window") << QSize(800, 600) << 1.0;
}

void WindowSizeTest::fillingFactor()
{
    QFETCH(QSize, available);
    QFETCH(double, factor);
    QCOMPARE(FillingScaleFactor(QSize(955, 716), available), factor);
}

// The whole screen has no frame: the program fills its height (or width).
void WindowSizeTest::fullScreenFactor_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("factor");
    QTest::newRow("full HD") << QSize(1920, 1080) << 1.5;
    QTest::newRow("4K") << QSize(3840, 2160) << 3.0;
    QTest::newRow("a projector's 1024 x 768") << QSize(1024, 768) << 1.05;
    QTest::newRow("a tall screen: the width decides") << QSize(1200, 1920) << 1.25;
    QTest::newRow("smaller than the window") << QSize(800, 600) << 1.0;
}

void WindowSizeTest::fullScreenFactor()
{
    QFETCH(QSize, screen);
    QFETCH(double, factor);
    QCOMPARE(FullScreenScaleFactor(QSize(955, 716), screen), factor);
}

// F11 from any window asks for the whole screen or back; Esc asks to go
// back only on the whole screen, and elsewhere stays the window's own key.
// A start on another screen than the choice was made on: too large a
// size is made as large as fits, the whole screen fills the screen it is on.
void WindowSizeTest::screenFactor_data()
{
    QTest::addColumn<QVariant>("size");
    QTest::addColumn<QVariant>("fill");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("factor");
    QTest::newRow("200 % on full HD: as large as fits") << QVariant(200) << QVariant() << QSize(1920, 1080) << 1.35;
    QTest::newRow("150 % on 4K: kept") << QVariant(150) << QVariant() << QSize(3840, 2160) << 1.5;
    QTest::newRow("125 % on a small laptop") << QVariant(125) << QVariant() << QSize(1366, 768) << 1.0;
    QTest::newRow("nothing kept") << QVariant() << QVariant() << QSize(1366, 768) << 1.0;
    QTest::newRow("whole screen kept on 4K, now full HD") << QVariant(0) << QVariant(3.0) << QSize(1920, 1080) << 1.5;
    QTest::newRow("whole screen kept on a laptop, now 4K") << QVariant(0) << QVariant(1.05) << QSize(3840, 2160) << 3.0;
}

void WindowSizeTest::screenFactor()
{
    QFETCH(QVariant, size);
    QFETCH(QVariant, fill);
    QFETCH(QSize, screen);
    QFETCH(double, factor);
    QSettings settings = userSettings();
    keep(settings, size, fill);
    // A desktop's panel takes 40 pixels of the screen's height.
    const QSize available(screen.width(), screen.height() - 40);
    QCOMPARE(ScreenScaleFactor(settings, QSize(955, 716), screen, available), factor);
}

void WindowSizeTest::fullScreenKeys_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("asks");
    QTest::newRow("F11 in a window") << false << int(Qt::Key_F11) << true;
    QTest::newRow("F11 on the whole screen") << true << int(Qt::Key_F11) << true;
    QTest::newRow("Esc on the whole screen") << true << int(Qt::Key_Escape) << true;
    QTest::newRow("Esc in a window") << false << int(Qt::Key_Escape) << false;
    QTest::newRow("a digit on the whole screen") << true << int(Qt::Key_5) << false;
}

void WindowSizeTest::fullScreenKeys()
{
    QFETCH(bool, fullScreen);
    QFETCH(int, key);
    QFETCH(bool, asks);
    int asked = 0;
    FullScreenKeys keys(fullScreen, [&asked] { ++asked; });
    QWidget w;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCOMPARE(keys.eventFilter(&w, &press), asks);
    QCOMPARE(asked, asks ? 1 : 0);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QVERIFY(!keys.eventFilter(&w, &release));
    QCOMPARE(asked, asks ? 1 : 0);
}

// A choice is kept at once and checked in the menu of the next start; the
// pupil hears that the program opens again in it. F11 goes to the whole
// screen, and F11 again back to the size before.
void WindowSizeTest::menuKeepsTheChoice()
{
    userSettings().clear();
    // Both starts share one data folder, and so one settings folder.
    QTemporaryDir folder;
    {
        TestProgram t(folder.path());
        auto *size150 = t.contents()->findChild<QAction *>(QStringLiteral("WindowSize150"));
        QVERIFY(size150);
        QVERIFY(t.contents()->findChild<QAction *>(QStringLiteral("WindowSize100"))->isChecked());
        int restarts = 0;
        t.contents()->restartForSize = [&restarts] { ++restarts; };
        size150->trigger();
        QCOMPARE(SavedWindowSize(userSettings()), 150);
        QCOMPARE(StartScaleFactor(userSettings()), 1.5);
        QCOMPARE(t.dialogs.asked.size(), 1);
        QCOMPARE(restarts, 1);
        size150->trigger();  // the size already kept: nothing to do
        QCOMPARE(restarts, 1);
    }
    TestProgram t(folder.path());
    QVERIFY(t.contents()->findChild<QAction *>(QStringLiteral("WindowSize150"))->isChecked());
    auto *fill = t.contents()->findChild<QAction *>(QStringLiteral("WindowSizeFill"));
    QCOMPARE(fill->shortcut(), QKeySequence(Qt::Key_F11));
    fill->trigger();
    QCOMPARE(SavedWindowSize(userSettings()), 0);
    QVERIFY(KeptFullScreen(userSettings()));
    QVERIFY(StartScaleFactor(userSettings()) >= 1);
    fill->trigger();
    QCOMPARE(SavedWindowSize(userSettings()), 150);
    QVERIFY(t.contents()->findChild<QAction *>(QStringLiteral("WindowSize150"))->isChecked());
}

QTEST_MAIN(WindowSizeTest)
#include "tst_windowsize.moc"
