// The keyboard of every screen: a digit key picks in the list that has focus
// exactly as a click does, the focus goes through the lists from the highest
// place, Enter presses "つぎへ" and nothing else; and the names a screen
// reader says for the lists and buttons.
#include "lessons/column/drill.h"
#include "testprogram.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

namespace {
// The column drill with "4けたのたし算" (all four places open) started; the
// dice are seeded alike in every run, so every run poses the same problem.
struct Drill {
    TestProgram t;
    TForm8 *s = nullptr;

    Drill()
    {
        s = qobject_cast<TForm8 *>(t.open(8));
        s->ComboBox1->pick(1);
        s->ComboBox2->pick(0);
        TestProgram::click(s, QStringLiteral("CuteButton3"));
    }

    // A key as the pupil types it: to the widget that has the focus.
    void type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = QString())
    {
        QWidget *to = s->focusWidget() ? s->focusWidget() : s;
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(to, &press);
        QApplication::sendEvent(to, &release);
    }

    QString focused() const { return s->focusWidget() ? s->focusWidget()->objectName() : QString(); }

    // What the pupil sees and what the log holds.
    QStringList seen() const
    {
        QStringList out;
        for (TLabel *l : s->findChildren<TLabel *>())
            out << l->objectName() + QLatin1Char('=') + l->caption();
        for (TComboBox *c : s->findChildren<TComboBox *>())
            out << QStringLiteral("%1=%2:%3").arg(c->objectName()).arg(c->itemIndex()).arg(c->text());
        for (const QVariantList &row : TestProgram::storedRows(t.dataDir.path()))
            for (const QVariant &v : row)
                out << v.toString();
        for (int cue : t.cues.played)
            out << QString::number(cue);
        return out;
    }
};
}  // namespace

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void digitKeysPickAsClicks_data();
    void digitKeysPickAsClicks();
    void focusGoesFromTheHighestPlace();
    void enterPressesNextOnly_data();
    void enterPressesNextOnly();
    void accessibleNames_data();
    void accessibleNames();
};

// The answer typed with the focus nowhere in particular lands place by place
// from the thousands, and leaves the screen, the log and the cues exactly as
// the same picks by mouse do. A digit typed again at the ones is a second
// pick of that place, as a second click would be.
void KeysTest::digitKeysPickAsClicks_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");  // what an input method delivers instead of a key code
    QTest::addColumn<QStringList>("picks");

    const QList<int> answer{Qt::Key_7, Qt::Key_8, Qt::Key_7, Qt::Key_3};
    const QStringList right{"ComboBox6:7", "ComboBox5:8", "ComboBox4:7", "ComboBox3:3"};
    QTest::newRow("digit row") << answer << Qt::KeyboardModifiers() << QString() << right;
    QTest::newRow("keypad") << answer << Qt::KeyboardModifiers(Qt::KeypadModifier) << QString() << right;
    QTest::newRow("full-width through an input method")
        << QList<int>{0} << Qt::KeyboardModifiers() << QStringLiteral("７") << QStringList{"ComboBox6:7"};
    QTest::newRow("the ones picked again")
        << QList<int>{Qt::Key_7, Qt::Key_8, Qt::Key_7, Qt::Key_3, Qt::Key_4} << Qt::KeyboardModifiers() << QString()
        << QStringList{"ComboBox6:7", "ComboBox5:8", "ComboBox4:7", "ComboBox3:3", "ComboBox3:4"};
}

void KeysTest::digitKeysPickAsClicks()
{
    QFETCH(QList<int>, keys);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(QStringList, picks);

    QStringList clicked;
    {
        Drill d;
        for (const QString &p : picks)
            QVERIFY(TestProgram::pick(d.s, p.section(QLatin1Char(':'), 0, 0), p.section(QLatin1Char(':'), 1).toInt()));
        clicked = d.seen();
    }
    Drill d;
    for (int key : keys)
        d.type(key, modifiers, text);
    QCOMPARE(d.seen(), clicked);
}

// Tab, Backtab and the arrows walk the open lists in reading order: the
// answer row from the thousands to the ones, and back up to the menu above.
void KeysTest::focusGoesFromTheHighestPlace()
{
    Drill d;
    QVERIFY(TComboBox::focusFirstDigitList(d.s));
    QCOMPARE(d.focused(), QStringLiteral("ComboBox6"));
    const std::pair<int, const char *> steps[] = {
        {Qt::Key_Tab, "ComboBox5"},   {Qt::Key_Right, "ComboBox4"}, {Qt::Key_Down, "ComboBox3"},
        {Qt::Key_Right, "ComboBox3"}, {Qt::Key_Left, "ComboBox4"},  {Qt::Key_Backtab, "ComboBox5"},
        {Qt::Key_Up, "ComboBox6"},    {Qt::Key_Left, "ComboBox1"},  // the time list rests while a drill runs
    };
    for (const auto &[key, expected] : steps) {
        d.type(key);
        QCOMPARE(d.focused(), QLatin1String(expected));
    }
    // The menu takes no digits: a digit typed there goes to the highest place.
    d.type(Qt::Key_4);
    QCOMPARE(d.s->ComboBox6->itemIndex(), 4);
    QCOMPARE(d.s->ComboBox1->itemIndex(), 1);
}

// Enter is "つぎへ" while it can be pressed, wherever the focus stands, and
// then the highest place takes the focus for the next answer. Otherwise
// Enter does nothing: it never presses the button that happens to have the
// focus (on a fresh screen that is "おわる").
void KeysTest::enterPressesNextOnly_data()
{
    QTest::addColumn<bool>("answered");  // "つぎへ" is on once the answer is in
    QTest::addColumn<QString>("focus");
    QTest::newRow("answered, focus in a list") << true << QStringLiteral("ComboBox3");
    QTest::newRow("answered, focus on おわる") << true << QStringLiteral("CuteButton1");
    QTest::newRow("not answered, focus on おわる") << false << QStringLiteral("CuteButton1");
    QTest::newRow("not answered, focus in a list") << false << QStringLiteral("ComboBox6");
}

void KeysTest::enterPressesNextOnly()
{
    QFETCH(bool, answered);
    QFETCH(QString, focus);
    Drill d;
    if (answered)
        for (int key : {Qt::Key_7, Qt::Key_8, Qt::Key_7, Qt::Key_3})
            d.type(key);
    QCOMPARE(d.s->CuteButton4->isEnabled(), answered);
    TestProgram::control<QWidget>(d.s, focus)->setFocus();
    QSignalSpy next(d.s->CuteButton4, &QAbstractButton::clicked);
    d.type(Qt::Key_Return);
    d.type(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(next.size(), answered ? 1 : 0);
    QVERIFY(d.t.dialogs.asked.isEmpty());  // no quit question
    QVERIFY(d.s->isVisible());
    if (answered) {
        QCOMPARE(LessonState.ProblemNo, 2);
        QCOMPARE(d.focused(), QStringLiteral("ComboBox6"));
    }
}

void KeysTest::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("thousands") << "ComboBox6" << "千のくらい";
    QTest::newRow("hundreds") << "ComboBox5" << "百のくらい";
    QTest::newRow("ones") << "ComboBox3" << "一のくらい";
    QTest::newRow("menu") << "ComboBox1" << "メニュー";
    QTest::newRow("next") << "CuteButton4" << "つぎへ";
    QTest::newRow("start") << "CuteButton3" << "スタート";
}

void KeysTest::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    Drill d;
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(TestProgram::control<QWidget>(d.s, control));
    QVERIFY(a);
    QCOMPARE(a->text(QAccessible::Name), name);
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
