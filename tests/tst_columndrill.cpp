// The column-arithmetic drill (TForm8): its draws with their fall-backs, the
// screen's texts and pickers, answers through all four places, the log rows,
// and the rule that a problem is answered before the next one comes. The
// frame's rules on it are in tst_drillrules.
#include "lessons/column/drill.h"
#include "drivers.h"

#include <QtTest>

namespace {
const QString kAnswerPrompt = QStringLiteral("こたえは、大きい「くらい」からじゅんにえらんでね！");
const QString kNextPrompt = QStringLiteral("「つぎへ」ボタンですすめてね！");

// The drill opened from the contents, with its menu item and no time limit
// picked and "スタート" pressed on the scripted first problem.
struct ColumnDrill : DrillDriver {
    explicit ColumnDrill(int menuItem = -1, const QList<int> &draws = {}, int timeItem = 0) : DrillDriver(8)
    {
        if (menuItem >= 0)
            start(menuItem, draws, timeItem);
    }
    TForm8 *s = screen<TForm8>();

    // Picks the answer's places from the thousands down; places above the
    // answer's highest digit are left unpicked.
    void answer(int value) { QVERIFY(DrillDriver::answer(value)); }

    QString enabled() const
    {
        return DrillDriver::enabled({{"ComboBox6", "1000"}, {"ComboBox5", "100"}, {"ComboBox4", "10"}, {"ComboBox3", "1"}});
    }
};
}  // namespace

class ColumnDrillTest : public QObject {
    Q_OBJECT
private slots:
    void draws_data();
    void draws();
    void designedScreen();
    void answersAndLogRows_data();
    void answersAndLogRows();
    void noProblemIsSkipped();
};

void ColumnDrillTest::draws_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<int>>("asked");  // the n of each R(n), in order

    QTest::newRow("3+ one place") << 1 << QList<int>{0, 0, 0} << "101 + 1" << 102 << QList<int>{9, 898, 8};
    QTest::newRow("3+ two places") << 1 << QList<int>{3, 897, 87} << "998 + 98" << 1096 << QList<int>{9, 898, 88};
    QTest::newRow("3+ three places") << 1 << QList<int>{4, 10, 20} << "111 + 121" << 232
                                     << QList<int>{9, 898, 898};
    QTest::newRow("3+ 900s, reaches the thousands")
        << 1 << QList<int>{7, 50, 386} << "950 + 487" << 1437 << QList<int>{9, 99, 898};
    QTest::newRow("4+ second draw fits") << 2 << QList<int>{5, 5000, 8000, 2000} << "6001 + 3001" << 9002
                                         << QList<int>{9, 8998, 8998, 8998};
    QTest::newRow("4+ fall-back") << 2 << (QList<int>{0, 8997} + repeated({8997}, 1000)) << "4657 + 2834" << 7491
                                  << QList<int>{9, 8998, 8998};
    QTest::newRow("3- redrawn until a > b") << 3 << QList<int>{0, 0, 500, 400, 5} << "500 - 6" << 494
                                            << QList<int>{9, 899, 997, 899, 997};
    QTest::newRow("3- fall-back") << 3 << (QList<int>{2} + repeated({0, 996}, 1000)) << "843 - 465" << 378
                                  << QList<int>{9, 899, 997};
    QTest::newRow("3- zero tens, 503 - 48") << 3 << QList<int>{4, 4, 3, 47} << "503 - 48" << 455
                                            << QList<int>{9, 8, 9, 98};
    QTest::newRow("3- zero tens fall-back") << 3 << (QList<int>{5} + repeated({0, 8, 0}, 1000)) << "304 - 27" << 277
                                            << QList<int>{9, 8, 9, 98};
    QTest::newRow("3- from the thousands") << 3 << QList<int>{6, 500, 100, 100, 500} << "1200 - 600" << 600
                                           << QList<int>{9, 899, 899, 899, 899};
    QTest::newRow("3- from the thousands fall-back")
        << 3 << (QList<int>{7} + repeated({5, 5}, 1000)) << "1216 - 394" << 822 << QList<int>{9, 899, 899};
    QTest::newRow("3- through two zeros") << 3 << QList<int>{8, 2, 47} << "1002 - 47" << 955 << QList<int>{9, 5, 99};
    QTest::newRow("3- through two zeros fall-back")
        << 3 << (QList<int>{8} + repeated({4, 0}, 1000)) << "1006 - 68" << 938 << QList<int>{9, 5, 99};
    QTest::newRow("4-") << 4 << QList<int>{8, 3000, 8999 - 1, 5000, 1} << "6000 - 1001" << 4999
                        << QList<int>{9, 8999, 8999, 8999, 8999};
    QTest::newRow("4- fall-back") << 4 << (QList<int>{1} + repeated({0, 0}, 1000)) << "5246 - 3427" << 1819
                                  << QList<int>{9, 8999, 8999};
}

// Each item draws as the column lessons do, reseeding once and rolling the
// form first; every loop ends in its fall-back problem.
void ColumnDrillTest::draws()
{
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(QString, problem);
    QFETCH(int, answer);
    QFETCH(QList<int>, asked);
    FakeRandom random;
    random.script(script);
    ColumnProblem p;
    QVERIFY(DrawColumnDrill(menu, random, p));
    QCOMPARE(p.text(), problem);
    QCOMPARE(p.answer(), answer);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(random.asked.mid(0, asked.size()), asked);
    QCOMPARE(p.line(), problem + QStringLiteral(" = ?"));
    QVERIFY(!DrawColumnDrill(5, random, p));
    QVERIFY(!DrawColumnDrill(0, random, p));
}

void ColumnDrillTest::designedScreen()
{
    ColumnDrill d;
    QVERIFY(d.s);
    QCOMPARE(d.s->Label1->caption(), QStringLiteral("ひっ算のドリル"));
    QCOMPARE(d.s->ComboBox1->text(), QStringLiteral("　  メニュー"));
    QCOMPARE(d.s->ComboBox1->items(), (QStringList{"３けたのたし算", "４けたのたし算", "３けたのひき算", "４けたのひき算"}));
    QCOMPARE(d.s->ComboBox2->text(), QStringLiteral("  じかん"));
    QCOMPARE(d.s->ComboBox2->items(), (QStringList{"　　なし", "　５ふん", "１０ぷん", "１５ふん"}));
    const QStringList places{"千", "百", "十", "一"};
    TComboBox *pickers[] = {d.s->ComboBox6, d.s->ComboBox5, d.s->ComboBox4, d.s->ComboBox3};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pickers[i]->text(), places[i]);
        QCOMPARE(pickers[i]->items(), TComboBox::digits());
        if (i > 0)  // side by side, the thousands at the left
            QVERIFY(pickers[i - 1]->geometry().right() < pickers[i]->x());
    }
    QCOMPARE(d.s->StatusBar2->panelCount(), 0);
    QCOMPARE(d.s->StatusBar2->geometry().bottom() + 1, d.s->StatusBar1->y());
    QCOMPARE(d.s->Timer2->interval(), 1000);
    QCOMPARE(d.enabled(), QStringLiteral("menu"));
    QCOMPARE(TestProgram::prompt(d.s), QStringLiteral("「メニュー」をえらんでね！"));
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton1")));
    QCOMPARE(d.t.dialogs.asked.last().text, QStringLiteral("おわってもいいの？"));
}

void ColumnDrillTest::answersAndLogRows_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("given");
    QTest::addColumn<QVariantList>("row");
    QTest::newRow("950 + 487 needs the thousands")
        << 0 << QList<int>{7, 50, 386} << "950 + 487 = ?" << 1437 << QVariantList{1, "　950 + 487", 1437, 1437, " ○"};
    QTest::newRow("503 - 48") << 2 << QList<int>{4, 4, 3, 47} << "503 - 48 = ?" << 455
                              << QVariantList{1, "　503 - 48", 455, 455, " ○"};
    QTest::newRow("503 - 48, a forgotten borrow")
        << 2 << QList<int>{4, 4, 3, 47} << "503 - 48 = ?" << 465 << QVariantList{1, "　503 - 48", 455, 465, " ×"};
    QTest::newRow("an answer of 7 with the ones alone")
        << 3 << QList<int>{0, 3000, 2993} << "4000 - 3993 = ?" << 7 << QVariantList{1, "　4000 - 3993", 7, 7, " ○"};
    QTest::newRow("four-place sum") << 1 << QList<int>{0, 3464, 3677} << "4465 + 4678 = ?" << 9143
                                    << QVariantList{1, "　4465 + 4678", 9143, 9143, " ○"};
}

void ColumnDrillTest::answersAndLogRows()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, script);
    QFETCH(QString, line);
    QFETCH(int, given);
    QFETCH(QVariantList, row);
    ColumnDrill d(menuItem, script);
    QCOMPARE(d.s->Label3->caption(), QStringLiteral("もんだい：1"));
    QCOMPARE(d.s->Label4->caption(), line);
    QCOMPARE(TestProgram::prompt(d.s), kAnswerPrompt);
    d.t.cues.clear();
    d.answer(given);
    QCOMPARE(LessonState.GivenAnswer, given);
    QCOMPARE(d.rows(), QList<QVariantList>{row});
    QCOMPARE(d.s->Label4->caption(), line);  // nothing is marked on screen
    QCOMPARE(d.t.cues.opened.last(), 12);
    QCOMPARE(TestProgram::prompt(d.s), kNextPrompt);
    QCOMPARE(LessonState.CorrectCount, row[4] == QStringLiteral(" ○") ? 1 : 0);
}

// つぎへ poses the next problem with つぎへ and ストップ shut until it is
// answered, so the results count answered problems only.
void ColumnDrillTest::noProblemIsSkipped()
{
    ColumnDrill d(0, {4, 10, 20});
    QCOMPARE(d.enabled(), QStringLiteral("menu 1000 100 10 1"));
    d.answer(232);
    QCOMPARE(d.enabled(), QStringLiteral("menu next stop 1000 100 10 1"));
    d.t.random.script({4, 10, 20});
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton4")));
    QCOMPARE(d.enabled(), QStringLiteral("menu 1000 100 10 1"));
    QCOMPARE(d.s->Label3->caption(), QStringLiteral("もんだい：2"));
    QCOMPARE(d.s->ComboBox6->text(), QStringLiteral("千"));
    QCOMPARE(d.s->ComboBox3->itemIndex(), -1);
    QVERIFY(!TestProgram::click(d.s, QStringLiteral("CuteButton5")));
    // The places picked for the first problem do not add to the second.
    QVERIFY(d.s->ComboBox3->pick(2));
    QCOMPARE(LessonState.GivenAnswer, 2);
    QVERIFY(TestProgram::click(d.s, QStringLiteral("CuteButton5")));
    QCOMPARE(d.s->Label5->caption(), QStringLiteral("もんだい： 2"));
    QCOMPARE(d.s->Label6->caption(), QStringLiteral("○のかず： 1"));
    QCOMPARE(d.s->Label7->caption(), QStringLiteral("せいせき： 50 てん"));
    QCOMPARE(d.enabled(), QStringLiteral("menu start results 1000 100 10 1"));
}

QTEST_MAIN(ColumnDrillTest)
#include "tst_columndrill.moc"
