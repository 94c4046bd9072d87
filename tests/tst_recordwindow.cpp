// The record as a parent or teacher sees it: the pupils of the "なまえ"
// menu, the きろく window over a few weeks of practice, and the CSV files
// read back.
#include "app/contents.h"
#include "record/chart.h"
#include "record/csv.h"
#include "record/pupils.h"
#include "record/window.h"
#include "recordseed.h"
#include "store/datamodule.h"
#include "store/record.h"
#include "testprogram.h"

#include <QAction>
#include <QComboBox>
#include <QPainter>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTableView>
#include <QTest>

namespace {

RecordWindow *openRecordWindow(TestProgram &t)
{
    t.contents()->RecordWindow1->trigger();
    return t.shower.shown.isEmpty() ? nullptr : qobject_cast<RecordWindow *>(t.shower.shown.last());
}

// One CSV file: its rows of cells as written (quotes kept off), after
// checking the byte-order mark and the CRLF line ends.
QList<QStringList> readCsv(const QString &path, bool *quotedNumbers)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return {};
    const QString text = QString::fromUtf8(bytes.mid(3));
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false, wasQuoted = false;
    *quotedNumbers = false;
    auto endCell = [&] {
        bool isNumber = false;
        cell.toLongLong(&isNumber);
        if (wasQuoted && isNumber)
            *quotedNumbers = true;
        row << cell;
        cell.clear();
        wasQuoted = false;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                cell += c, ++i;
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                cell += c;
        } else if (c == QLatin1Char('"')) {
            quoted = wasQuoted = true;
        } else if (c == QLatin1Char(',')) {
            endCell();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            endCell();
            rows << row;
            row.clear();
            ++i;
        } else {
            cell += c;
        }
    }
    return rows;
}

}  // namespace

class TestRecordWindow : public QObject {
    Q_OBJECT
private slots:
    void namesMenuKeepsThePupilInUse();
    void removingAPupilAsksTwice_data();
    void removingAPupilAsksTwice();
    void windowShowsThePupilsRecord();
    void chartMarksTheBestScore_data();
    void chartMarksTheBestScore();
    void csvReadsBack();
};

void TestRecordWindow::namesMenuKeepsThePupilInUse()
{
    QTemporaryDir dir;
    QString hana;
    {
        TestProgram t(dir.path());
        // One pupil and no settings: nobody is named, the corner is empty.
        QCOMPARE(t.contents()->PupilLabel->text(), QString());
        const QStringList menus = [&] {
            QStringList out;
            for (QAction *a : t.contents()->MainMenu1->actions())
                out << a->text();
            return out;
        }();
        QCOMPARE(menus, (QStringList{QStringLiteral("おおきさ"), QStringLiteral("なまえ"), QStringLiteral("きろく"),
                                     QStringLiteral("まちがいなおし"), QStringLiteral("プリント"), QStringLiteral("ヘルプ")}));
        RecordStore *record = t.program->data()->record();
        hana = record->addPupil({{}, QStringLiteral("はな"), QStringLiteral("３年１組"), 12});
        t.contents()->Names1->choose(record->pupilById(hana));
        QCOMPARE(t.contents()->PupilLabel->text(), QStringLiteral("なまえ：はな（３年１組 12）"));
    }
    // The next start: the same pupil, named at once, recorded as theirs.
    TestProgram t(dir.path());
    QCOMPARE(t.contents()->PupilLabel->text(), QStringLiteral("なまえ：はな"));
    QCOMPARE(t.program->data()->record()->currentPupil().id, hana);
}

void TestRecordWindow::removingAPupilAsksTwice_data()
{
    QTest::addColumn<QList<QuitAnswer>>("answers");
    QTest::addColumn<bool>("removed");
    QTest::newRow("no") << QList<QuitAnswer>{QuitAnswer::No} << false;
    QTest::newRow("yes, then no") << QList<QuitAnswer>{QuitAnswer::Yes, QuitAnswer::No} << false;
    QTest::newRow("yes, yes") << QList<QuitAnswer>{QuitAnswer::Yes, QuitAnswer::Yes} << true;
}

void TestRecordWindow::removingAPupilAsksTwice()
{
    QFETCH(QList<QuitAnswer>, answers);
    QFETCH(bool, removed);
    TestProgram t;
    const QString hana = SeedRecord(t.dataDir.path(), {});
    RecordStore *record = t.program->data()->record();
    t.contents()->Names1->choose(record->pupilById(hana));
    t.dialogs.answers = answers;
    t.contents()->Names1->RemovePupil1->trigger();
    QCOMPARE(t.dialogs.asked.size(), int(answers.size()));
    QCOMPARE(record->pupilById(hana).id.isEmpty(), removed);
    QCOMPARE(record->sessionCount(hana) == 0, removed);
    // Once removed, the default pupil is in use, and nobody is named.
    QCOMPARE(t.contents()->PupilLabel->text().isEmpty(), removed);
}

void TestRecordWindow::windowShowsThePupilsRecord()
{
    TestProgram t;
    RecordSeed seed;
    seed.days = 21;
    seed.firstDay = QDate(2026, 3, 20);
    t.clock.set(QDateTime(QDate(2026, 4, 10), QTime(18, 0)));
    const QString hana = SeedRecord(t.dataDir.path(), seed);
    RecordStore *record = t.program->data()->record();
    t.contents()->Names1->choose(record->pupilById(hana));
    RecordWindow *w = openRecordWindow(t);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    w->resize(1120, 720);
    QApplication::processEvents();

    // 21 days, every fifth skipped, two sessions a day: 34, newest first.
    SessionListModel *sessions = w->sessions();
    QCOMPARE(sessions->rowCount(), 34);
    QCOMPARE(sessions->session(0)->startedLocal, QDateTime(QDate(2026, 4, 9), QTime(16, 30)));
    QVERIFY(sessions->session(0)->startedUtc > sessions->session(1)->startedUtc);
    QCOMPARE(sessions->data(sessions->index(0, SessionListModel::Name), Qt::DisplayRole).toString(),
             ScreenName(sessions->session(0)->screen));

    // A session opens its answers, the wrong ones marked.
    w->SessionList->setCurrentIndex(sessions->index(3, 0));
    AnswerListModel *answers = w->answers();
    QCOMPARE(answers->rowCount(), 10);
    int wrong = 0;
    for (int r = 0; r < answers->rowCount(); ++r) {
        const bool marked = answers->data(answers->index(r, AnswerListModel::Mark), Qt::DisplayRole) ==
                            QStringLiteral("×");
        wrong += marked;
        QCOMPARE(answers->data(answers->index(r, 0), Qt::BackgroundRole).isValid(), marked);
    }
    QCOMPARE(wrong, 10 - sessions->session(3)->right);

    // This week (from Monday 6 April): 6, 7 and 9 April (8 April skipped), two drills each.
    QVERIFY2(w->TotalsLabel->text().contains(QStringLiteral("<td>ドリル</td><td align=right>6</td><td align=right>34</td>")),
             qPrintable(w->TotalsLabel->text()));
    QCOMPARE(record->minutesByDay(hana, CalendarFirstDay(QDate(2026, 4, 10))).size(), 17);
    // The chart opens on the latest drill's item.
    QCOMPARE(w->ChartItemBox->count(), 5);
    QVERIFY(!w->Chart->points().isEmpty());
    TestProgram::shot(w, QStringLiteral("record-window"));
}

void TestRecordWindow::chartMarksTheBestScore_data()
{
    QTest::addColumn<QList<int>>("scores");
    QTest::addColumn<int>("best");
    QTest::newRow("none") << QList<int>{} << -1;
    QTest::newRow("one") << QList<int>{40} << 0;
    QTest::newRow("the first of two equal bests") << QList<int>{50, 90, 70, 90} << 1;
}

void TestRecordWindow::chartMarksTheBestScore()
{
    QFETCH(QList<int>, scores);
    QFETCH(int, best);
    QList<ChartPoint> points;
    for (int i = 0; i < scores.size(); ++i)
        points.append({QDateTime(QDate(2026, 4, 1 + i), QTime(16, 0)), scores[i], 5.0});
    QCOMPARE(BestPoint(points), best);
    // Painted on any device, also with far more sessions than pixels.
    QImage image(400, 200, QImage::Format_ARGB32);
    QPainter painter(&image);
    PaintScoreChart(painter, QRectF(0, 0, 400, 200), points);
}

void TestRecordWindow::csvReadsBack()
{
    TestProgram t;
    RecordStore *record = t.program->data()->record();
    RecordSeed seed;
    seed.days = 3;
    seed.skipEvery = 0;
    const QString hana = SeedRecord(t.dataDir.path(), seed);
    seed.pupilName = QStringLiteral("=1+2, \"けん\"");
    seed.days = 1;
    seed.firstDay = QDate(2026, 4, 1);
    SeedRecord(t.dataDir.path(), seed);
    t.contents()->Names1->choose(record->pupilById(hana));
    RecordWindow *w = openRecordWindow(t);
    const QString path = t.dataDir.filePath(QStringLiteral("きろく.csv"));

    struct Case {
        bool everyPupil;
        int sessions;
    };
    for (const Case c : {Case{false, 6}, Case{true, 8}}) {
        QVERIFY(w->exportCsv(path, c.everyPupil));
        bool quotedNumbers = true;
        const QList<QStringList> s = readCsv(path, &quotedNumbers);
        QCOMPARE(s.size(), c.sessions + 1);
        QVERIFY(!quotedNumbers);
        QCOMPARE(s[0][0], QStringLiteral("なまえ"));
        QCOMPARE(s[1][0], QStringLiteral("はな"));
        QCOMPARE(s[1][1], QStringLiteral("３年１組"));
        QCOMPARE(s[1][2], QStringLiteral("12"));
        QCOMPARE(s[1][3], QStringLiteral("2026-03-01"));
        QCOMPARE(s[1][4], QStringLiteral("16:00:00"));
        QCOMPARE(s[1][6], QStringLiteral("5"));
        QCOMPARE(s[1][7], ScreenName(5));
        if (c.everyPupil)  // a name typed as a formula stays text
            QCOMPARE(s.last()[0], QStringLiteral("'=1+2, \"けん\""));

        const QList<QStringList> a = readCsv(AnswersCsvPath(path), &quotedNumbers);
        QCOMPARE(a.size(), c.sessions * 10 + 1);
        QVERIFY(!quotedNumbers);
        // Each answer names its session, which the sessions file holds.
        QCOMPARE(a[1].last(), s[1].last());
        QCOMPARE(a[1][6], QStringLiteral("1"));
        QCOMPARE(a[1][9].toInt() + a[1][10].toInt(), a[1][13].toInt());
    }
    QVERIFY(!w->exportCsv(t.dataDir.filePath(QStringLiteral("no/such/folder/きろく.csv")), false));
    QVERIFY(t.dialogs.asked.last().text.startsWith(QStringLiteral("かきだせませんでした")));
}

QTEST_MAIN(TestRecordWindow)
#include "tst_recordwindow.moc"
