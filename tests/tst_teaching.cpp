// What a parent reads first on the lesson screens: worked examples in the
// memos whose digits stand in their place columns, headings that describe
// the example under them, lists with room, labelled answer columns, a memo
// that never leaves a pupil without a way on, and the memo's place.
#include "lessons/column/subtraction.h"
#include "lessons/division/remainder.h"
#include "lessons/numbers/numbers.h"
#include "testprogram.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QtTest>

namespace {
const QString kGoOn = QStringLiteral("「つぎへ」ボタンで すすめてね！");

// The memo of a screen, shown as the pupil shows it.
TMemo *shownMemo(TestProgram &t, int form)
{
    TScreen *s = t.open(form);
    if (form == 19)
        TestProgram::pick(s, QStringLiteral("ComboBox1"), 0);  // " あん算" shows its memo in study mode
    else
        TestProgram::click(s, QStringLiteral("CuteButton6"));
    QCoreApplication::processEvents();
    auto *memo = TestProgram::control<TMemo>(s, QStringLiteral("Memo1"));
    return memo && memo->isVisible() ? memo : nullptr;
}

int centre(const QRect &r)
{
    return r.left() + r.width() / 2;
}

// Digits of a whole number, full-width, as the headings write them.
QString fullWidthDigitCount(int n)
{
    return QString(QChar(0xFF10 + int(QString::number(n).size())));
}
}  // namespace

class TeachingTest : public QObject {
    Q_OBJECT
private slots:
    void memoColumnsLineUp_data();
    void memoColumnsLineUp();
    void memoRulesSpanTheColumns();
    void fourPlaceHeadings_data();
    void fourPlaceHeadings();
    void memoClosedLeavesAWayOn_data();
    void memoClosedLeavesAWayOn();
    void productMemoTop_data();
    void productMemoTop();
    void numberListsHaveRoom_data();
    void numberListsHaveRoom();
    void answerColumnsLabelled();
};

// Two glyphs of a memo's worked example that must stand in one column: a
// glyph is its line and its place among the line's drawn glyphs.
void TeachingTest::memoColumnsLineUp_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("lineA");
    QTest::addColumn<int>("glyphA");
    QTest::addColumn<int>("lineB");
    QTest::addColumn<int>("glyphB");
    // 234 x 5: the 4 over the 5, over the 0, over the 0 of 70; the 3 over
    // the 7; the carries one under the other.
    QTest::newRow("17 first picture: 4 over 5") << 17 << 5 << 8 << 6 << 1;
    QTest::newRow("17 ones: 4 over 5") << 17 << 13 << 2 << 14 << 1;
    QTest::newRow("17 ones: 4 over the 0") << 17 << 13 << 2 << 16 << 0;
    QTest::newRow("17 ones: 5 over the 0 of 70") << 17 << 25 << 1 << 27 << 1;
    QTest::newRow("17 tens: 3 over the 7 of 70") << 17 << 24 << 1 << 27 << 0;
    QTest::newRow("17 the same column in both pictures") << 17 << 13 << 0 << 24 << 0;
    QTest::newRow("17 carry 1 under carry 2") << 17 << 24 << 3 << 25 << 2;
    // The chains of "=": every "=" under the first of its chain.
    QTest::newRow("19 4 x 20, second =") << 19 << 4 << 4 << 5 << 0;
    QTest::newRow("19 4 x 20, third =") << 19 << 4 << 4 << 6 << 0;
    QTest::newRow("19 40 x 20, second =") << 19 << 11 << 5 << 12 << 0;
    QTest::newRow("19 40 x 20, last =") << 19 << 11 << 5 << 14 << 0;
    QTest::newRow("19 4 x 200, last =") << 19 << 19 << 5 << 21 << 0;
    QTest::newRow("19 40 x 200, second =") << 19 << 26 << 6 << 27 << 0;
    QTest::newRow("19 40 x 200, last =") << 19 << 26 << 6 << 29 << 0;
}

void TeachingTest::memoColumnsLineUp()
{
    QFETCH(int, form);
    QFETCH(int, lineA);
    QFETCH(int, glyphA);
    QFETCH(int, lineB);
    QFETCH(int, glyphB);
    TestProgram t;
    TMemo *memo = shownMemo(t, form);
    QVERIFY(memo);
    TestProgram::shot(memo->window(), QStringLiteral("teaching-memo-%1").arg(form));
    const QList<QRect> a = memo->glyphBoxes(lineA);
    const QList<QRect> b = memo->glyphBoxes(lineB);
    QVERIFY2(glyphA < a.size() && glyphB < b.size(), qPrintable(memo->lines().value(lineA)));
    QVERIFY2(qAbs(centre(a[glyphA]) - centre(b[glyphB])) <= 1,
             qPrintable(QStringLiteral("%1 at %2, %3 at %4")
                            .arg(memo->lines().value(lineA)).arg(centre(a[glyphA]))
                            .arg(memo->lines().value(lineB)).arg(centre(b[glyphB]))));
    QVERIFY(a[glyphA].top() < b[glyphB].top());
    // Nothing of the example is cut off at the memo's right.
    for (const QList<QRect> &line : {a, b})
        QVERIFY(line.last().right() < memo->viewport()->width());
}

// Each rule of 234 x 5 runs from the "x" to the ones, under both numbers.
void TeachingTest::memoRulesSpanTheColumns()
{
    TestProgram t;
    TMemo *memo = shownMemo(t, 17);
    QVERIFY(memo);
    for (int rule : {7, 15, 26}) {
        const QList<QRect> line = memo->glyphBoxes(rule);
        const QList<QRect> by = memo->glyphBoxes(rule - 1);  // "x   5" above it
        QCOMPARE(line.size(), 1);
        QVERIFY(line[0].left() <= by[0].left());
        QVERIFY(line[0].right() >= by[1].right());
    }
}

// In study mode, a heading of the form "【Nけた - Mけた ： …】" names the
// places of the example's two numbers.
void TeachingTest::fourPlaceHeadings_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("examples");
    QTest::newRow("３けた") << 0 << 6;
    QTest::newRow("４けた") << 1 << 4;
}

void TeachingTest::fourPlaceHeadings()
{
    QFETCH(int, menu);
    QFETCH(int, examples);
    TestProgram t;
    auto *s = qobject_cast<TForm7 *>(t.open(7));
    QVERIFY(s->ComboBox1->pick(menu));
    const QRegularExpression form(QStringLiteral("^【(.)けた - (.)けた ： "));
    for (int i = 0; i < examples; ++i) {
        QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton4")));
        while (s->Label6->caption().isEmpty() && TestProgram::click(s, QStringLiteral("CuteButton5"))) {
        }
        const QString heading = s->Label6->caption();
        QVERIFY2(!heading.isEmpty(), qPrintable(s->Label4->caption()));
        if (i == 0 && menu == 1)
            TestProgram::shot(s, QStringLiteral("teaching-four-places-heading"));
        const QRegularExpressionMatch m = form.match(heading);
        if (menu == 1)
            QVERIFY2(m.hasMatch(), qPrintable(heading));  // every four-place example has one
        if (m.hasMatch()) {
            QCOMPARE(m.captured(1), fullWidthDigitCount(LessonState.OperandA));
            QCOMPARE(m.captured(2), fullWidthDigitCount(LessonState.OperandB));
        }
        while (!s->CuteButton4->isEnabled() && TestProgram::click(s, QStringLiteral("CuteButton5"))) {
        }
    }
}

// "ポイント" opened and closed in test mode: "つぎへ" is open and says so,
// and it poses a problem the pickers take.
void TeachingTest::memoClosedLeavesAWayOn_data()
{
    QTest::addColumn<QStringList>("before");  // what the pupil did before "ポイント"
    QTest::newRow("waiting for つぎへ") << QStringList{};
    QTest::newRow("mid-problem") << QStringList{"next"};
    QTest::newRow("quotient picked") << QStringList{"next", "3:3"};
    QTest::newRow("marked") << QStringList{"next", "3:3", "2:1"};
}

void TeachingTest::memoClosedLeavesAWayOn()
{
    QFETCH(QStringList, before);
    TestProgram t;
    auto *s = qobject_cast<TForm22 *>(t.open(22));
    QVERIFY(s->ComboBox1->pick(1));
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton3")));
    t.random.script({2, 2, 0, 2, 2, 0});
    for (const QString &step : before) {
        if (step == QLatin1String("next"))
            QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton4")));
        else
            QVERIFY(TestProgram::pick(s, QStringLiteral("ComboBox") + step.section(':', 0, 0),
                                      step.section(':', 1).toInt()));
    }
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton6")));
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton6")));
    QVERIFY(s->Memo1->isHidden());
    TestProgram::shot(s, QStringLiteral("teaching-remainder-memo-closed"));
    QVERIFY(s->CuteButton4->isEnabled());
    QCOMPARE(TestProgram::prompt(s), kGoOn);
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton4")));
    QVERIFY(s->ComboBox3->isVisible() && s->ComboBox3->isEnabled());
    QVERIFY(TestProgram::pick(s, QStringLiteral("ComboBox3"), 3));
    QVERIFY(TestProgram::pick(s, QStringLiteral("ComboBox2"), 1));
    QVERIFY(!s->Label6->caption().isEmpty());  // marked
}

// The column products open their memo at 136 from the top, clear of the
// menu and the pickers.
void TeachingTest::productMemoTop_data()
{
    QTest::addColumn<int>("form");
    QTest::newRow("ひっ算１") << 17;
    QTest::newRow("ひっ算２") << 18;
}

void TeachingTest::productMemoTop()
{
    QFETCH(int, form);
    TestProgram t;
    TMemo *memo = shownMemo(t, form);
    QVERIFY(memo);
    QCOMPARE(memo->y(), 136);
    QCOMPARE(TestProgram::layoutFault(memo->window()), QString());
    // Shown again after a close, it stands there again.
    QVERIFY(TestProgram::click(memo->window(), QStringLiteral("CuteButton6")));
    QVERIFY(TestProgram::click(memo->window(), QStringLiteral("CuteButton6")));
    QCOMPARE(memo->y(), 136);
}

// The lists of "何千万まで": rows with air between their characters, apart
// from the window's edge and from each other.
void TeachingTest::numberListsHaveRoom_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QStringList>("lists");
    QTest::newRow("あわせた数") << 0 << QStringList{"ComboBox10", "ComboBox2"};
    QTest::newRow("漢字→数字") << 1 << QStringList{"ComboBox9", "ComboBox2"};
    QTest::newRow("数字→漢字") << 2 << QStringList{"ComboBox11"};
}

void TeachingTest::numberListsHaveRoom()
{
    QFETCH(int, menu);
    QFETCH(QStringList, lists);
    TestProgram t;
    auto *s = qobject_cast<TForm2 *>(t.open(2));
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton3")));
    QVERIFY(s->ComboBox1->pick(menu));
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton4")));
    QCoreApplication::processEvents();
    TestProgram::shot(s, QStringLiteral("teaching-numbers-lists-%1").arg(menu));
    QRect previous;
    for (const QString &name : lists) {
        auto *c = TestProgram::control<TComboBox>(s, name);
        QVERIFY(c && c->isVisible());
        QVERIFY2(s->width() - c->geometry().right() - 1 >= 12, qPrintable(name));
        if (previous.isValid())
            QVERIFY2(c->geometry().left() - previous.right() - 1 >= 8, qPrintable(name));
        previous = c->geometry();
        // Between the ink of two neighbouring rows stands at least a fifth of
        // a row of air: 一, 二 and 三 never run together.
        auto *rows = c->findChild<QListWidget *>();
        const QFontMetrics fm(c->rowFont());
        for (int i = 0; i < c->count(); ++i) {
            const int ink = fm.tightBoundingRect(c->items().at(i).trimmed()).height();
            const int row = rows->visualItemRect(rows->item(i)).height();
            QVERIFY2(row - ink >= row / 5, qPrintable(c->items().at(i)));
        }
    }
    QCOMPARE(TestProgram::layoutFault(s), QString());
}

// "あわせた数" after the mark: the red column is the answer, the navy one
// the pupil's, each titled in its colour right over it; a new problem puts
// the answer's title away.
void TeachingTest::answerColumnsLabelled()
{
    TestProgram t;
    auto *s = qobject_cast<TForm2 *>(t.open(2));
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton3")));
    QVERIFY(s->ComboBox1->pick(0));
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton4")));
    auto *answer = TestProgram::control<TLabel>(s, QStringLiteral("AnswerColumnTitle"));
    auto *pupil = TestProgram::control<TLabel>(s, QStringLiteral("PupilColumnTitle"));
    QVERIFY(answer && pupil);
    QCOMPARE(answer->caption(), QString());
    QCOMPARE(pupil->caption(), QStringLiteral("きみ"));
    QVERIFY(s->ComboBox10->pick(0));
    QVERIFY(s->ComboBox2->pick(3));
    QVERIFY(s->ComboBox10->pick(8));  // "◆" marks
    QCOMPARE(answer->caption(), QStringLiteral("こたえ"));
    TestProgram::shot(s, QStringLiteral("teaching-numbers-columns-marked"));
    QCOMPARE(answer->palette().color(QPalette::WindowText), s->Label6->palette().color(QPalette::WindowText));
    QCOMPARE(pupil->palette().color(QPalette::WindowText), s->Label14->palette().color(QPalette::WindowText));
    QCOMPARE(centre(answer->geometry()), centre(s->Label6->geometry()));
    QCOMPARE(centre(pupil->geometry()), centre(s->Label14->geometry()));
    QVERIFY(answer->geometry().bottom() < s->Label6->geometry().top());
    QCOMPARE(TestProgram::layoutFault(s), QString());
    QVERIFY(TestProgram::click(s, QStringLiteral("CuteButton4")));
    QCOMPARE(answer->caption(), QString());
}

QTEST_MAIN(TeachingTest)
#include "tst_teaching.moc"
