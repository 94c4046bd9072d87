// The rules the drill frame keeps on every drill, one table row a drill (or
// a kind of its problems): the end of the time, a problem counted once
// however often it is answered, no mark and no row without a problem on
// screen, and every state laid out whole. Each drill's own draws, texts
// and log rows are in its own suite.
#include "drivers.h"

#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

Q_DECLARE_METATYPE(QList<QVariantList>)

namespace {
enum Form { Mental = 5, Column = 8, Units = 13, Multiplication = 20, Division = 23 };

const QString kTimeUp = QStringLiteral("じかんだから、ドリルをおわるよ！");
const QString kUnitsTimeUp = QStringLiteral("時間だから、ドリルをおわるよ！");

QString minutes(int m)
{
    return QStringLiteral("じかん　： %1 ふん 0 びょう").arg(m);
}
}  // namespace

class DrillRulesTest : public QObject {
    Q_OBJECT
private slots:
    void timeUp_data();
    void timeUp();
    void oneCountPerProblem_data();
    void oneCountPerProblem();
    void noMarkWithoutAProblem_data();
    void noMarkWithoutAProblem();
    void layout_data();
    void layout();
    void answerPickersStandInARow_data();
    void answerPickersStandInARow();
};

void DrillRulesTest::timeUp_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<int>("time");             // the time item
    QTest::addColumn<QStringList>("before");   // steps before the clock runs out
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("text");         // the message
    QTest::addColumn<QStringList>("results");  // Label5 … Label8 at the time-up
    QTest::addColumn<QString>("enabled");      // open at the time-up
    QTest::addColumn<QString>("shut");         // a picker that stays shut at the time-up
    QTest::addColumn<QStringList>("after");    // the pupil's steps after it
    QTest::addColumn<QList<QVariantList>>("rows");
    QTest::addColumn<QStringList>("stopped");  // Label5 … Label7 after "ストップ"; none: not pressed

    // "なし" never starts the clock; every limit ends the drill after exactly
    // its ticks. The buttons keep their state: the pupil stops the drill
    // with ストップ.
    const QList<std::pair<int, int>> limits{{0, 0}, {1, 300}, {2, 600}, {3, 900}};
    for (const auto &[item, limit] : limits)
        QTest::addRow("mental, limit %d", limit)
            << int(Mental) << 0 << QList<int>{} << item << QStringList{"right"} << limit << kTimeUp
            << QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん", minutes(limit / 60)}
            << "menu next stop 百 十 一" << "" << QStringList{} << QList<QVariantList>{} << QStringList{};
    // The time running out while a problem is open counts it as posed, with
    // no row.
    QTest::newRow("column, a problem open") << int(Column) << 0 << QList<int>{4, 10, 20} << 1
                                            << QStringList{"right", "next"} << 300 << kTimeUp
                                            << QStringList{"もんだい： 2", "○のかず： 1", "せいせき： 50 てん", minutes(5)}
                                            << "menu 千 百 十 一" << "" << QStringList{}
                                            << QList<QVariantList>{{1, "　111 + 121", 232, 232, " ○"}} << QStringList{};
    // The pupil still answers the problem that waits, which logs it and
    // opens "ストップ"; the results then count that answer.
    QTest::newRow("multiplication, a problem open")
        << int(Multiplication) << 0 << QList<int>{0, 0, 0} << 1 << QStringList{"right", "draws:5,0,0", "next"} << 300
        << kTimeUp << QStringList{"もんだい： 2", "○のかず： 1", "せいせき： 50 てん", minutes(5)}
        << "menu time 十 万 千 百 十 一" << "" << QStringList{"right"}
        << QList<QVariantList>{{1, "　2 x 20", 40, 40, " ○"}, {2, "　20 x 20", 400, 400, " ○"}}
        << QStringList{"もんだい： 2", "○のかず： 2", "せいせき： 100 てん"};
    // The pickers of the problem on screen stay usable.
    QTest::newRow("division, exact: the remainder picker stays shut")
        << int(Division) << 0 << QList<int>{5, 4} << 1 << QStringList{} << 300 << kTimeUp
        << QStringList{"もんだい： 1", "○のかず： 0", "せいせき： 0 てん", minutes(5)} << "menu time 答え"
        << "ComboBox3" << QStringList{"ComboBox4:4"} << QList<QVariantList>{{1, "　24 ÷ 6", 4, 4, " ○"}}
        << QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん"};
    QTest::newRow("division, remainder: both open")
        << int(Division) << 1 << QList<int>{2, 2, 0} << 1 << QStringList{} << 300 << kTimeUp
        << QStringList{"もんだい： 1", "○のかず： 0", "せいせき： 0 てん", minutes(5)} << "menu time 答え あまり" << ""
        << QStringList{"ComboBox4:3", "ComboBox3:1"} << QList<QVariantList>{{1, "　13 ÷ 4", 3, 3, " ○"}}
        << QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん"};
    // In the units drill's words; the ones picker opens again, and every
    // row logged after it agrees with its mark.
    const QStringList unitsResults{"もんだい： 1", "○のかず： 0", "せいせき： 0 てん", minutes(5)};
    QTest::newRow("units, litres: the ones opened again close nothing")
        << int(Units) << 0 << QList<int>{0, 2, 1, 7, 4} << 1 << QStringList{} << 300 << kUnitsTimeUp << unitsResults
        << "menu 千 百 一" << "" << QStringList{"ComboBox3:3", "ComboBox3:0"} << QList<QVariantList>{}
        << QStringList{};
    QTest::newRow("units, litres: the hundreds still close the answer")
        << int(Units) << 0 << QList<int>{0, 2, 1, 7, 4} << 1 << QStringList{} << 300 << kUnitsTimeUp << unitsResults
        << "menu 千 百 一" << "" << QStringList{"ComboBox3:3", "ComboBox6:6", "ComboBox5:3"}
        << QList<QVariantList>{{1, "　3 l  8 dl + 2 l  5 dl", "　6 l  3 dl ", "　6 l 3 dl", " ○"}} << QStringList{};
    QTest::newRow("units, length: the ones close as before")
        << int(Units) << 1 << QList<int>{8, 0, 0, 97} << 1 << QStringList{} << 300 << kUnitsTimeUp << unitsResults
        << "menu 千 百 十 一" << "" << QStringList{"ComboBox6:1", "ComboBox4:3", "ComboBox3:0"}
        << QList<QVariantList>{{1, "　2 km  10 m - 980 m", "　1 km  30 m ", "　1 km 30 m", " ○"}} << QStringList{};
}

// A drill left alone ends after exactly TimeLimit ticks of its own clock: the
// message, the results, the clock stopped, and the picker the time-up names
// open again for the problem on screen.
void DrillRulesTest::timeUp()
{
    QFETCH(int, form);
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(int, time);
    QFETCH(QStringList, before);
    QFETCH(int, limit);
    QFETCH(QString, text);
    QFETCH(QStringList, results);
    QFETCH(QString, enabled);
    QFETCH(QString, shut);
    QFETCH(QStringList, after);
    QFETCH(QList<QVariantList>, rows);
    QFETCH(QStringList, stopped);
    DrillDriver d(form);
    QVERIFY(d.start(menu, script, time));
    QVERIFY(d.actAll(before));
    QCOMPARE(d.s->TimeLimit, limit);
    QCOMPARE(d.s->Timer3->isActive(), limit > 0);
    if (limit == 0)
        return;
    QCOMPARE(d.s->Timer3->interval(), 1000);
    auto *reopened = TestProgram::control<TComboBox>(d.s, d.s->drill().timeUpPicker);
    reopened->setEnabled(false);
    while (d.s->TickCount < limit - 1)
        QVERIFY(d.act(QStringLiteral("ticks:1")));
    QVERIFY(d.t.dialogs.asked.isEmpty());
    QVERIFY(d.s->Label5->caption().isEmpty());
    QVERIFY(d.act(QStringLiteral("ticks:1")));
    QCOMPARE(d.t.dialogs.asked.size(), 1);
    QCOMPARE(d.t.dialogs.asked.first().kind, QStringLiteral("message"));
    QCOMPARE(d.t.dialogs.asked.first().text, text);
    QVERIFY(!d.s->Timer3->isActive());
    QVERIFY(reopened->isEnabled());
    QCOMPARE(d.s->Label4->caption(), QString());
    QCOMPARE(d.results(), results);
    QCOMPARE(d.enabled(), enabled);
    if (!shut.isEmpty())
        QVERIFY(!TestProgram::pick(d.s, shut, 0));
    QVERIFY(d.actAll(after));
    if (!after.isEmpty())
        QCOMPARE(d.rows(), rows);
    else
        QCOMPARE(d.rowCount(), before.count(QStringLiteral("right")));
    if (!stopped.isEmpty()) {
        QVERIFY(d.act(QStringLiteral("stop")));
        QCOMPARE(d.results().mid(0, 3), stopped);
    }
    QCOMPARE(d.t.dialogs.asked.size(), 1);
}

void DrillRulesTest::oneCountPerProblem_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QVariantList>("last");  // the last row, where the row says

    QTest::newRow("mental: right, wrong, right") << int(Mental) << 0 << QList<int>{} << QStringList{"right", "wrong", "right"}
                                                 << QStringList{" ○", " ×", " ○"} << QVariantList{};
    QTest::newRow("column: the ones picked twice") << int(Column) << 2 << QList<int>{4, 4, 3, 47}
                                                   << QStringList{"right", "ComboBox3:5"} << QStringList{" ○", " ○"}
                                                   << QVariantList{1, "　503 - 48", 455, 455, " ○"};
    QTest::newRow("multiplication: the ones picked twice more")
        << int(Multiplication) << 2 << QList<int>{0, 12, 54} << QStringList{"right", "ComboBox3:5", "ComboBox3:4"}
        << QStringList{" ○", " ○", " ×"} << QVariantList{1, "　23 x 65", 1495, 1494, " ×"};
    QTest::newRow("division: the remainder picked again")
        << int(Division) << 1 << QList<int>{2, 2, 0} << QStringList{"ComboBox4:3", "ComboBox3:2", "ComboBox3:1", "ComboBox3:1"}
        << QStringList{" ×", " ○", " ○"} << QVariantList{1, "　13 ÷ 4", 3, 3, " ○"};
    QTest::newRow("units: the ones picked twice")
        << int(Units) << 1 << QList<int>{0, 1, 2, 44, 31}
        << QStringList{"ComboBox6:5", "ComboBox5:7", "ComboBox4:7", "ComboBox3:0", "ComboBox3:0"}
        << QStringList{" ○", " ○"} << QVariantList{1, "　2 km  450 m + 3 km  320 m", "　5 km  770 m ", "　5 km 770 m", " ○"};
}

// Every pick that closes an answer is logged under the problem's number,
// right or wrong, but the problem counts as right once: the results never
// show more right answers than problems, nor a score over 100.
void DrillRulesTest::oneCountPerProblem()
{
    QFETCH(int, form);
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, marks);
    QFETCH(QVariantList, last);
    DrillDriver d(form);
    QVERIFY(d.start(menu, script));
    QVERIFY(d.actAll(steps));
    QCOMPARE(LessonState.CorrectCount, 1);
    const QList<QVariantList> rows = d.rows();
    QCOMPARE(rows.size(), marks.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i][0].toInt(), 1);
        QCOMPARE(rows[i][4].toString(), marks[i]);
    }
    if (!last.isEmpty())
        QCOMPARE(rows.last(), last);
    QVERIFY(d.act(QStringLiteral("stop")));
    QCOMPARE(d.results().mid(0, 3), (QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん"}));
}

void DrillRulesTest::noMarkWithoutAProblem_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("picks");  // picked before the problem is cleared
    QTest::addColumn<QStringList>("clear");  // the steps that clear it
    QTest::addColumn<bool>("slotsZeroed");   // they zero the pickers' slots too

    const QStringList menu{"menu:0"};
    QTest::newRow("mental") << int(Mental) << 1 << QList<int>{55, 37} << QStringList{"ComboBox4:1"} << menu << false;
    QTest::newRow("column") << int(Column) << 2 << QList<int>{4, 4, 3, 47} << QStringList{} << menu << true;
    QTest::newRow("multiplication") << int(Multiplication) << 1 << QList<int>{8, 887, 6}
                                    << QStringList{"ComboBox5:4"} << menu << true;
    QTest::newRow("division") << int(Division) << 1 << QList<int>{2, 2, 0} << QStringList{"ComboBox4:3"} << menu
                              << true;
    // A menu pick leaves the units drill's problem on screen; a new time
    // clears it.
    QTest::newRow("units") << int(Units) << 0 << QList<int>{0, 2, 1, 7, 4} << QStringList{"ComboBox6:6"}
                           << QStringList{"menu:0", "time:1"} << false;
}

// A new menu item (or time) clears the problem on screen: no picker marks or
// logs anything for it, also when its handler is reached some other way,
// and the time-up of the clock still running opens no picker for it.
void DrillRulesTest::noMarkWithoutAProblem()
{
    QFETCH(int, form);
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, clear);
    QFETCH(bool, slotsZeroed);
    DrillDriver d(form);
    QVERIFY(d.start(menu, script, 1));
    QVERIFY(d.actAll(picks));
    QVERIFY(d.actAll(clear));
    QVERIFY(d.s->Label4->caption().isEmpty());
    QVERIFY(!d.s->ProblemOnScreen());
    const QList<PlaceRow> &places = d.s->drill().places;
    for (const PlaceRow &place : places)
        if (slotsZeroed && place.slot)
            QCOMPARE(LessonState.*place.slot, 0);
    for (const PlaceRow &place : places) {
        QVERIFY(!TestProgram::pick(d.s, place.name, 5));
        QVERIFY(QMetaObject::invokeMethod(d.s, qPrintable(place.name + QStringLiteral("Change"))));
    }
    QVERIFY(d.act(QStringLiteral("timeup")));
    QCOMPARE(d.t.dialogs.asked.size(), 1);
    for (const PlaceRow &place : places)
        QVERIFY(!TestProgram::pick(d.s, place.name, 5));
    QVERIFY(d.rows().isEmpty());
    QCOMPARE(LessonState.CorrectCount, 0);
}

void DrillRulesTest::layout_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("script");  // the widest problem
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<QString>("shot");

    QTest::newRow("mental") << int(Mental) << 0 << QList<int>{87, 87} << "98 + 98 = ?" << QStringList{"right"}
                            << "mental-drill";
    QTest::newRow("column") << int(Column) << 3 << QList<int>{0, 8998, 0} << "9998 - 1000 = ?" << QStringList{"right"}
                            << "column-drill";
    QTest::newRow("multiplication") << int(Multiplication) << 1 << QList<int>{8, 887, 6} << "998 x 800 = ?"
                                    << QStringList{"right"} << "multiplication-drill";
    QTest::newRow("division") << int(Division) << 1 << QList<int>{6, 7, 5} << "70 ÷ 8 = ?"
                              << QStringList{"ComboBox4:8", "ComboBox3:6"} << "division-drill";
    QTest::newRow("units, volume") << int(Units) << 0 << QList<int>{5, 5, 5, 7, 7} << "*"
                                   << QStringList{"ComboBox6:2", "ComboBox5:0"} << "units-drill-volume";
    QTest::newRow("units, millilitres") << int(Units) << 0 << QList<int>{3, 7, 7} << "*"
                                        << QStringList{"ComboBox6:1", "ComboBox5:6", "ComboBox4:0", "ComboBox3:0"}
                                        << "units-drill-millilitres";
    QTest::newRow("units, length") << int(Units) << 1 << QList<int>{0, 3, 3, 97, 97} << "*"
                                   << QStringList{"ComboBox6:9", "ComboBox5:9", "ComboBox4:6", "ComboBox3:0"}
                                   << "units-drill-length";
    QTest::newRow("units, time") << int(Units) << 2 << QList<int>{4, 7, 3, 3} << "*"
                                 << QStringList{"ComboBox5:9", "ComboBox4:2", "ComboBox3:0"} << "units-drill-time";
    QTest::newRow("units, weight") << int(Units) << 3 << QList<int>{5, 5, 0, 0, 97} << "*"
                                   << QStringList{"ComboBox6:6", "ComboBox5:0", "ComboBox4:3", "ComboBox3:0"}
                                   << "units-drill-weight";
}

// Every part in view lies inside the window, clear of the others, and shows
// its whole text, in every state: as shown, the widest problem posed and
// answered, the results of a long drill (three-place minutes), and the log
// grid with every column whole. The menu's items show whole, and the title
// stands clear of the menu.
void DrillRulesTest::layout()
{
    QFETCH(int, form);
    QFETCH(int, menu);
    QFETCH(QList<int>, script);
    QFETCH(QString, line);
    QFETCH(QStringList, answer);
    QFETCH(QString, shot);
    DrillDriver d(form);
    QCoreApplication::processEvents();
    QCOMPARE(TestProgram::layoutFault(d.s), QString());
    auto *items = d.s->ComboBox1->findChild<QListWidget *>();
    QVERIFY(items);
    for (int i = 0; i < items->count(); ++i)
        QVERIFY(items->fontMetrics().horizontalAdvance(items->item(i)->text()) < items->viewport()->width());
    QVERIFY(d.s->ComboBox1->geometry().x() > d.s->Label1->geometry().right());

    QVERIFY(d.start(menu, script, 3));
    if (line != QLatin1String("*"))
        QCOMPARE(d.s->Label4->caption(), line);
    QCoreApplication::processEvents();
    QCOMPARE(TestProgram::layoutFault(d.s), QString());
    TestProgram::shot(d.s, shot + QStringLiteral("-answering"));
    QVERIFY(d.actAll(answer));
    QCOMPARE(d.rows().value(0).value(4).toString(), QStringLiteral(" ○"));
    QCOMPARE(TestProgram::layoutFault(d.s), QString());
    TestProgram::shot(d.s, shot + QStringLiteral("-answered"));

    d.t.clock.advance(100 * 60 + 59);  // a long drill: three-place minutes
    QVERIFY(d.act(QStringLiteral("stop")));
    QCOMPARE(d.s->Label8->caption(), QStringLiteral("じかん　： 100 ふん 59 びょう"));
    QCOMPARE(TestProgram::layoutFault(d.s), QString());
    TestProgram::shot(d.s, shot + QStringLiteral("-results"));

    QVERIFY(d.act(QStringLiteral("results")));
    QVERIFY(d.s->DBGrid1->isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(TestProgram::layoutFault(d.s), QString());
    QCOMPARE(d.s->DBGrid1->horizontalScrollBar()->maximum(), 0);  // the log's columns show whole
    TestProgram::shot(d.s, shot + QStringLiteral("-grid"));
}

void DrillRulesTest::answerPickersStandInARow_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("names");  // from the ones up
    QTest::addColumn<int>("width");

    const QStringList digits{"ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6", "ComboBox7", "ComboBox8"};
    QTest::newRow("mental") << int(Mental) << digits.mid(0, 3) << 50;
    QTest::newRow("column") << int(Column) << digits.mid(0, 4) << 50;
    QTest::newRow("units") << int(Units) << digits.mid(0, 4) << 50;
    QTest::newRow("multiplication") << int(Multiplication) << digits << 50;
    QTest::newRow("division") << int(Division) << digits.mid(0, 2) << 64;
}

// A drill's answer pickers stand in one row under the time list, the ones
// at the right edge and each higher place 8 pixels left of the one below.
void DrillRulesTest::answerPickersStandInARow()
{
    QFETCH(int, form);
    QFETCH(QStringList, names);
    QFETCH(int, width);
    DrillDriver d(form);
    const int top = d.s->ComboBox2->geometry().bottom() + 16;
    int right = Look::RightEdge;
    for (const QString &name : names) {
        auto *picker = TestProgram::control<TComboBox>(d.s, name);
        QCOMPARE(picker->geometry().topLeft(), QPoint(right - width, top));
        QCOMPARE(picker->width(), width);
        QVERIFY(picker->isVisibleTo(d.s));
        QVERIFY(!picker->isEnabled());
        QVERIFY(picker->items().value(7).endsWith(QStringLiteral("７")));  // the bare digit, no space after it
        right -= width + 8;
    }
    QCOMPARE(d.s->drill().places.size(), names.size());
}

QTEST_MAIN(DrillRulesTest)
#include "tst_drillrules.moc"
