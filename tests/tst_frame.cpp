// The frame every screen stands in: clock, prompt blink, cues, quit, and the
// contents screen that opens the lessons.
#include "frame/drill.h"
#include "frame/frame.h"
#include "frame/look.h"
#include "drivers.h"

#include <QTimer>
#include <QtTest>

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void clockText_data();
    void clockText();
    void clockEmptyUntilFirstTick();
    void blinkSequence();
    void blinkRestartWhileHidden();
    void blinkSharedCountLeavesEveryPromptVisible();
    void cues();
    void quitQuestion_data();
    void quitQuestion();
    void closingContentsEndsAtOnce();
    void contentsButtons();
    void contentsHandlersByName();
    void catalogue();
    void pickByPlaceName();
    void startupIsSilentThenWelcome();
    void helpAndVersion();
    void pickList();
};

void FrameTest::clockText_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("text");
    QTest::newRow("half past midnight") << QDateTime(QDate(2026, 3, 7), QTime(0, 30)) << "03/07  12:30 AM";
    QTest::newRow("morning") << QDateTime(QDate(2026, 11, 23), QTime(9, 5)) << "11/23  09:05 AM";
    QTest::newRow("noon") << QDateTime(QDate(2026, 1, 1), QTime(12, 0)) << "01/01  12:00 PM";
    QTest::newRow("afternoon") << QDateTime(QDate(2026, 3, 7), QTime(13, 5)) << "03/07  01:05 PM";
    QTest::newRow("last minute") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)) << "12/31  11:59 PM";
}

void FrameTest::clockText()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, text);
    QCOMPARE(ClockText(now), text);
}

void FrameTest::clockEmptyUntilFirstTick()
{
    TestProgram t;
    QCOMPARE(t.contents()->StatusBar1->panelText(1), QString());
    QVERIFY(t.contents()->Timer1->isActive());
    QCOMPARE(t.contents()->Timer1->interval(), 1000);
    t.clock.set(QDateTime(QDate(2026, 3, 7), QTime(13, 5)));
    t.contents()->Timer1Timer();
    QCOMPARE(t.contents()->StatusBar1->panelText(1), QStringLiteral("03/07  01:05 PM"));
}

void FrameTest::blinkSequence()
{
    TestProgram t;
    TForm1 *f = t.contents();
    // The start-up blink: on at creation, 500 ms, prompt shown.
    QVERIFY(f->Timer2->isActive());
    QCOMPARE(f->Timer2->interval(), 500);
    QCOMPARE(LessonState.BlinkCount, 0);
    f->Timer2Timer();
    QVERIFY(f->Label5->isHidden());
    QCOMPARE(f->Timer2->interval(), 50);
    f->Timer2Timer();
    QVERIFY(!f->Label5->isHidden());
    QCOMPARE(f->Timer2->interval(), 500);
    QVERIFY(f->Timer2->isActive());
    f->Timer2Timer();
    QVERIFY(!f->Timer2->isActive());
    QVERIFY(!f->Label5->isHidden());
    QCOMPARE(f->Timer2->interval(), 500);
}

void FrameTest::blinkRestartWhileHidden()
{
    TestProgram t;
    TForm1 *f = t.contents();
    f->Timer2Timer();  // hidden
    QVERIFY(f->Label5->isHidden());
    BlinkPrompt(f->Timer2);  // a new prompt while hidden starts again from 0
    QCOMPARE(LessonState.BlinkCount, 0);
    f->Timer2Timer();
    QVERIFY(f->Label5->isHidden());
    f->Timer2Timer();
    QVERIFY(!f->Label5->isHidden());
    f->Timer2Timer();
    QVERIFY(!f->Timer2->isActive());
    QVERIFY(!f->Label5->isHidden());
}

void FrameTest::blinkSharedCountLeavesEveryPromptVisible()
{
    // Two screens blinking within one second count on one BlinkCount; both
    // timers stop once it passes 2, and neither prompt is left hidden.
    TestProgram t;
    TForm1 *f = t.contents();
    QTimer other;
    QLabel otherPrompt;
    otherPrompt.show();
    f->Timer2Timer();            // contents prompt hidden, count 1
    BlinkPrompt(&other);         // the lesson's blink resets the shared count
    BlinkTick(&other, &otherPrompt);  // 1: lesson prompt hidden
    f->Timer2Timer();            // 2: contents prompt shown
    BlinkTick(&other, &otherPrompt);  // 3: stops, lesson prompt shown again
    f->Timer2Timer();            // 4: stops
    QVERIFY(!other.isActive());
    QVERIFY(!f->Timer2->isActive());
    QVERIFY(!otherPrompt.isHidden());
    QVERIFY(!f->Label5->isHidden());
}

void FrameTest::cues()
{
    TestProgram t;
    Services s = t.program->services();
    // Sound off: the file is opened, nothing is heard.
    t.cues.clear();
    PlayCue(s, 14);
    QCOMPARE(t.cues.opened, QList<int>{14});
    QVERIFY(t.cues.played.isEmpty());
    // Sound on: two cues in one handler, only the second still sounds.
    LessonState.SoundOn = 1;
    t.cues.clear();
    PlayCue(s, 14);
    PlayCue(s, 13);
    QCOMPARE(t.cues.opened, (QList<int>{14, 13}));
    QCOMPARE(t.cues.sounding, 13);
    // Numbers outside the table open nothing.
    t.cues.clear();
    PlayCue(s, 0);
    PlayCue(s, 21);
    QVERIFY(t.cues.opened.isEmpty());
    QCOMPARE(CuePath(11), QStringLiteral("oto/pipo.wav"));
    QCOMPARE(CuePath(16), QStringLiteral("oto/charararan.wav"));
}

void FrameTest::quitQuestion_data()
{
    QTest::addColumn<int>("answer");  // 0 yes, 1 no
    QTest::addColumn<int>("quits");
    QTest::newRow("yes") << 0 << 1;
    QTest::newRow("no or Escape") << 1 << 0;
}

void FrameTest::quitQuestion()
{
    QFETCH(int, answer);
    QFETCH(int, quits);
    TestProgram t;
    t.dialogs.answers = {answer == 0 ? QuitAnswer::Yes : QuitAnswer::No};
    const QString before = TestProgram::caption(t.contents(), QStringLiteral("Label5"));
    QVERIFY(TestProgram::click(t.contents(), QStringLiteral("CuteButton2")));
    QCOMPARE(t.dialogs.asked.size(), 1);
    QCOMPARE(t.dialogs.asked[0].kind, QStringLiteral("quit"));
    QCOMPARE(t.dialogs.asked[0].text, QStringLiteral("終わっても いいの？"));
    QCOMPARE(t.quitter.quits, quits);
    QCOMPARE(TestProgram::caption(t.contents(), QStringLiteral("Label5")), before);
}

void FrameTest::closingContentsEndsAtOnce()
{
    TestProgram t;
    t.contents()->show();
    t.contents()->close();
    QCOMPARE(t.quitter.quits, 1);
    QVERIFY(t.dialogs.asked.isEmpty());
}

void FrameTest::contentsButtons()
{
    TestProgram t;
    TForm1 *f = t.contents();
    QCOMPARE(f->Label4->caption(), QStringLiteral("もくじ"));
    QCOMPARE(f->Label9->caption(), QStringLiteral("４．たんい の\r　　ある 計算"));
    QCOMPARE(f->Label5->caption(), QStringLiteral("「ボタン」を えらんで はじめてね！"));
    QCOMPARE(f->size(), QSize(955, 716));
    f->show();
    const QString fault = TestProgram::layoutFault(f->centralWidget());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    const QStringList captions = {
        "何千万まで", "たし算", "ひき算", "ドリル", "たし算", "ひき算", "ドリル", "かさ", "長さ", "時こくと時間", "重さ",
        "ドリル", "たし算とひき算", "かけ算のきまり", "0,10,100のかけ算", "ひっ算１", "ひっ算２", "何十、何百のかけ算",
        "ドリル", "わり算と九九", "わり算とあまり", "ドリル"};
    for (int b = 3; b <= 24; ++b) {
        auto *btn = TestProgram::control<TCuteButton>(f, QStringLiteral("CuteButton%1").arg(b));
        QVERIFY2(btn, qPrintable(QString::number(b)));
        QCOMPARE(btn->caption(), captions[b - 3]);
        QCOMPARE(btn->faceColor(), btn->caption() == QStringLiteral("ドリル") ? Look::SkyBlue : Look::Answer);
        // A button is usable exactly when its screen is in the program, and
        // then it opens that screen and nothing else.
        const int form = b - 1;
        TScreen *target = t.program->screen(form);
        QCOMPARE(btn->isEnabled(), target != nullptr);
        if (target) {
            QCOMPARE(t.open(form), target);
            target->close();
        }
    }
}

// The designed handlers of the contents buttons can be reached by name, as
// their buttons' clicks reach them, and each opens its screen once.
void FrameTest::contentsHandlersByName()
{
    TestProgram t;
    TForm1 *f = t.contents();
    for (int b = 3; b <= 24; ++b) {
        const QByteArray handler = QByteArrayLiteral("CuteButton") + QByteArray::number(b) + "Click";
        const int before = int(t.shower.shown.size());
        QVERIFY2(QMetaObject::invokeMethod(f, handler.constData()), handler.constData());
        QCOMPARE(int(t.shower.shown.size()), before + 1);
        QCOMPARE(t.shower.shown.last(), t.program->screen(TForm1::formOfButton(b)));
        // The click goes through the same handler, once.
        QCOMPARE(t.open(TForm1::formOfButton(b)), t.program->screen(TForm1::formOfButton(b)));
        QCOMPARE(int(t.shower.shown.size()), before + 2);
    }
}

// One catalogue of screens: each form once, made by start-up in the
// catalogue's order, with its button in its chapter's column under its
// heading, in the order of the forms.
void FrameTest::catalogue()
{
    TestProgram t;
    TForm1 *f = t.contents();
    QList<int> forms;
    for (const ScreenEntry &e : ScreenRegistry()) {
        QVERIFY2(!forms.contains(e.form), qPrintable(QString::number(e.form)));
        forms << e.form;
        auto *btn = TestProgram::control<TCuteButton>(f, QStringLiteral("CuteButton%1").arg(e.form + 1));
        QVERIFY(btn);
        QCOMPARE(btn->caption(), QString::fromUtf8(e.caption));
        QCOMPARE(btn->faceColor(), e.drill ? Look::SkyBlue : Look::Answer);
        QCOMPARE(qobject_cast<TDrillScreen *>(t.program->screen(e.form)) != nullptr, e.drill);
        auto *heading = TestProgram::control<TLabel>(f, QStringLiteral("Label%1").arg(e.chapter + 5));
        QVERIFY(heading->x() < btn->x());
        QVERIFY(btn->y() >= heading->y());
        if (auto *before = TestProgram::control<TCuteButton>(f, QStringLiteral("CuteButton%1").arg(e.form));
            before && before->x() == btn->x() && before->y() > heading->y())
            QVERIFY(before->y() < btn->y());
    }
    QCOMPARE(t.program->forms(), forms);
    QCOMPARE(forms.size(), 22);
}

// The lesson driver finds a picker by the place name it shows unpicked, and
// again once it shows its digit; a shut picker is not there to pick.
void FrameTest::pickByPlaceName()
{
    LessonDriver d(5);
    QVERIFY(d.s);
    QVERIFY(!d.pick(QStringLiteral("十"), 4));  // no problem yet: the pickers are shut
    d.t.random.script({0, 0});                  // 11 + 11
    QVERIFY(TestProgram::pick(d.s, QStringLiteral("ComboBox1"), 0));
    QVERIFY(TestProgram::pick(d.s, QStringLiteral("ComboBox2"), 0));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton3")));
    QCOMPARE(d.picker(QStringLiteral("十")), TestProgram::control<TComboBox>(d.s, QStringLiteral("ComboBox4")));
    QVERIFY(d.pick(QStringLiteral("十"), 4));
    QCOMPARE(LessonState.Entry4, 40);
    QVERIFY(d.pick(QStringLiteral("十"), 2));  // picked again, though it shows "２" now
    QCOMPARE(LessonState.Entry4, 20);
    QVERIFY(d.pick(QStringLiteral("一"), 2));
    QCOMPARE(LessonState.GivenAnswer, 22);
    QVERIFY(!d.picker(QStringLiteral("千")));
}

void FrameTest::startupIsSilentThenWelcome()
{
    TestProgram t;
    QCOMPARE(LessonState.SoundOn, 0);
    QVERIFY(t.cues.played.isEmpty());
    QVERIFY(t.contents()->Timer3->isActive());
    QCOMPARE(t.contents()->Timer3->interval(), 1000);
    t.soundOn();
    QCOMPARE(LessonState.SoundOn, 1);
    QCOMPARE(t.cues.played, QList<int>{16});
    QVERIFY(!t.contents()->Timer3->isActive());
    QVERIFY(LessonState.AppDir.endsWith(QLatin1Char('/')));
}

void FrameTest::helpAndVersion()
{
    TestProgram t;
    TForm1 *f = t.contents();
    // The help file is beside the program in the build tree.
    f->utorial1->trigger();
    QCOMPARE(t.help.asked, QStringList{LessonState.AppDir + QStringLiteral("ミヌカ.hlp")});
    // A missing help file is a clear message, not a crash.
    LessonState.AppDir = t.dataDir.path() + QStringLiteral("/nowhere/");
    f->utorial1->trigger();
    QCOMPARE(t.help.asked.size(), 1);
    QCOMPARE(t.dialogs.asked.last().kind, QStringLiteral("message"));
    QVERIFY(t.dialogs.asked.last().text.contains(QStringLiteral("ミヌカ.hlp")));

    f->About1->trigger();
    QCOMPARE(t.dialogs.asked.last().kind, QStringLiteral("information"));
    const QStringList lines = t.dialogs.asked.last().text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("ミヌカ"));
    QCOMPARE(lines[1], QStringLiteral("Version 1.1"));
    QCOMPARE(lines[2], QString());
    QVERIFY(!lines[3].isEmpty());
}

void FrameTest::pickList()
{
    TComboBox c(QStringLiteral("ComboBox1"), TComboBox::digits(), nullptr);
    int changes = 0;
    QObject::connect(&c, &TComboBox::change, [&] { ++changes; });
    c.show();
    c.setText(QStringLiteral("十"));
    QCOMPARE(c.itemIndex(), -1);
    QCOMPARE(c.text(), QStringLiteral("十"));
    // From code: no handler.
    c.setItemIndex(3);
    QCOMPARE(c.text(), QStringLiteral("３"));
    QCOMPARE(changes, 0);
    // A pupil's pick runs the handler every time, the same item too.
    QVERIFY(c.pick(5));
    QVERIFY(c.pick(5));
    QCOMPARE(changes, 2);
    QCOMPARE(c.itemIndex(), 5);
    QCOMPARE(c.text(), QStringLiteral("５"));
    // Not an item, disabled or hidden: nothing happens.
    QVERIFY(!c.pick(10));
    QVERIFY(!c.pick(-1));
    c.setEnabled(false);
    QVERIFY(!c.pick(1));
    c.setEnabled(true);
    c.hide();
    QVERIFY(!c.pick(1));
    QCOMPARE(changes, 2);
}

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
