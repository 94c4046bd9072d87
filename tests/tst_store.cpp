// The drill log in the database "kyozai": what the drills write must be in the
// file exactly as given, in the order given, and must survive the program
// being killed; a broken store must tell the pupil once and never stop a drill.

#include "store/datamodule.h"

#include <QAbstractItemModel>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

namespace {

// A plain connection of its own to the file, as another program would read it.
class PlainFile {
public:
    explicit PlainFile(const QString &path)
        : m_name(QStringLiteral("plain-%1").arg(++s_serial))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        db.open();
    }
    ~PlainFile()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    // All rows of a statement, each row a list of values.
    QList<QVariantList> rows(const QString &sql) const
    {
        QList<QVariantList> result;
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        if (!q.exec(sql)) {
            qWarning("%s: %s", qUtf8Printable(sql), qUtf8Printable(q.lastError().text()));
            return result;
        }
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i);
            result << row;
        }
        return result;
    }
    QVariant value(const QString &sql) const
    {
        const QList<QVariantList> r = rows(sql);
        return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
    }
    bool exec(const QString &sql) const
    {
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        return q.exec(sql);
    }
    // Writes drill rows numbered `numbers` in one go, quicker than posting each.
    bool fill(const QList<int> &numbers) const
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (!db.transaction())
            return false;
        {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("insert into dorill (NB, MND, KAI, KOT, HNT) values (?, ?, ?, ?, ?)"));
            for (int no : numbers) {
                q.addBindValue(no);
                q.addBindValue(QStringLiteral("　%1 + 1").arg(no));
                q.addBindValue(no + 1);
                q.addBindValue(no + 1);
                q.addBindValue(QStringLiteral(" ○"));
                if (!q.exec())
                    return false;
            }
        }
        return db.commit();
    }

private:
    static inline int s_serial = 0;
    QString m_name;
};

// Posts one drill answer the way a drill's answer handler does.
bool postAnswer(TDataModule1 &data, int no, const QString &problem, int right, int given)
{
    if (!data.OpenDrillLog())
        return false;
    TQuery *log = data.DrillLogQuery;
    log->append();
    log->setField(0, no);
    log->setField(1, QStringLiteral("　") + problem);
    log->setField(2, right);
    log->setField(3, given);
    log->setField(4, right == given ? QStringLiteral(" ○") : QStringLiteral(" ×"));
    return log->post();
}

QString childPath()
{
    return QStringLiteral(MINUKA_BIN_DIR "/storechild");
}

// Waits until the child has said "posted" `lines` more times; false if it stops.
bool waitForPosted(QProcess &child, int lines)
{
    int seen = 0;
    while (seen < lines) {
        while (seen < lines && child.canReadLine()) {
            if (child.readLine().startsWith("posted "))
                ++seen;
        }
        if (seen >= lines)
            break;
        if (!child.waitForReadyRead(10000))
            return false;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(QList<QVariantList>)

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void nothingIsTouchedUntilFirstUse();
    void postedRowsReachTheFile_data();
    void postedRowsReachTheFile();
    void rowsComeBackInTheOrderAppended();
    void clearTableEmptiesTheLog();
    void deletingFromFirstToEndEmptiesTheLog();
    void onlyLogStatementsRun_data();
    void onlyLogStatementsRun();
    void badStoreTellsThePupilOnce_data();
    void badStoreTellsThePupilOnce();
    void writeFailureLaterTellsOnce();
    void killedProgramLosesNoPostedRow_data();
    void killedProgramLosesNoPostedRow();
    void twoCopiesOnOneFolderBothPost();
    void secondRunningCopyWaitsForTheFirst();
    void lockedFileKeepsTheAnswersInOrder();
    void deletedFileStartsAFreshOne_data();
    void deletedFileStartsAFreshOne();
    void firstUseByManyAtOnce();
    void countsWithoutReadingTheTable();
};

void TestStore::nothingIsTouchedUntilFirstUse()
{
    QTemporaryDir tmp;
    const QString folder = tmp.filePath(QStringLiteral("minuka"));
    TDataModule1 data(folder);
    QCOMPARE(data.databasePath(), folder + QStringLiteral("/kyozai"));
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(!data.DrillLogQuery->isOpen());
    QVERIFY(!data.KukuQuery->isOpen());
    QCOMPARE(data.DrillLogQuery->table(), QStringLiteral("dorill"));
    QCOMPARE(data.UnitsLogQuery->table(), QStringLiteral("dorills"));
    QCOMPARE(data.KukuQuery->table(), QStringLiteral("kuku"));

    QVERIFY(data.OpenDrillLog());
    QVERIFY(QFileInfo::exists(data.databasePath()));
    QVERIFY(data.usable());
}

void TestStore::postedRowsReachTheFile_data()
{
    QTest::addColumn<bool>("units");
    QTest::addColumn<QList<QVariantList>>("posted");  // fields by position, per row
    QTest::addColumn<QString>("answerType");          // SQLite type of KAI and KOT

    QTest::newRow("mental drill, right and wrong")
        << false
        << QList<QVariantList>{{3, QStringLiteral("　67 - 48"), 19, 19, QStringLiteral(" ○")},
                               {3, QStringLiteral("　67 - 48"), 19, 29, QStringLiteral(" ×")}}
        << QStringLiteral("integer");
    QTest::newRow("division drill with remainders")
        << false
        << QList<QVariantList>{{1, QStringLiteral("　17 ÷ 5"), 3, 3, QStringLiteral(" ○"), 2, 1}}
        << QStringLiteral("integer");
    QTest::newRow("units drill answers are texts")
        << true
        << QList<QVariantList>{{1, QStringLiteral("　1 l 2 dl = ? dl"), QStringLiteral("12 dl"),
                                QStringLiteral("012 dl"), QStringLiteral(" ×")}}
        << QStringLiteral("text");
}

void TestStore::postedRowsReachTheFile()
{
    QFETCH(bool, units);
    QFETCH(QList<QVariantList>, posted);
    QFETCH(QString, answerType);

    QTemporaryDir tmp;
    TDataModule1 data(tmp.path());
    QSignalSpy failed(&data, &TDataModule1::failed);
    TQuery *log = units ? data.UnitsLogQuery : data.DrillLogQuery;
    for (const QVariantList &row : posted) {
        QVERIFY(units ? data.OpenUnitsDrillLog() : data.OpenDrillLog());
        log->append();
        for (int i = 0; i < row.size(); ++i) {
            if (row[i].typeId() == QMetaType::Int)
                log->setField(i, row[i].toInt());
            else
                log->setField(i, row[i].toString());
        }
        QVERIFY(log->post());
    }
    QCOMPARE(failed.count(), 0);

    const QString table = units ? QStringLiteral("dorills") : QStringLiteral("dorill");
    PlainFile file(data.databasePath());
    const QList<QVariantList> stored =
        file.rows(QStringLiteral("select * from %1 order by rowid").arg(table));
    QCOMPARE(stored.size(), posted.size());
    for (int r = 0; r < posted.size(); ++r) {
        for (int i = 0; i < posted[r].size(); ++i)
            QCOMPARE(stored[r][i].toString(), posted[r][i].toString());
        for (int i = posted[r].size(); i < stored[r].size(); ++i)
            QVERIFY2(stored[r][i].isNull(), "a field the drill left unset is NULL");
    }
    QCOMPARE(file.value(QStringLiteral("select distinct typeof(KAI) || typeof(KOT) from %1").arg(table))
                 .toString(),
             answerType + answerType);
    QCOMPARE(file.value(QStringLiteral("select distinct typeof(NB) from %1").arg(table)).toString(),
             QStringLiteral("integer"));

    // The grid's model shows the same rows, fields as headers, and cannot be edited.
    QVERIFY(units ? data.OpenUnitsDrillLog() : data.OpenDrillLog());
    QAbstractItemModel *model = log->model();
    QCOMPARE(model->rowCount(), posted.size());
    QCOMPARE(log->rowCount(), posted.size());
    QCOMPARE(model->columnCount(), units ? 5 : 7);
    const QStringList fields{"NB", "MND", "KAI", "KOT", "HNT", "AMS", "AMI"};
    for (int c = 0; c < model->columnCount(); ++c)
        QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), fields[c]);
    for (int r = 0; r < posted.size(); ++r) {
        for (int i = 0; i < posted[r].size(); ++i) {
            const QModelIndex index = model->index(r, i);
            QCOMPARE(model->data(index).toString(), posted[r][i].toString());
            QVERIFY(!(model->flags(index) & Qt::ItemIsEditable));
        }
    }
}

void TestStore::rowsComeBackInTheOrderAppended()
{
    // More rows than the model reads at once, numbered out of order, with
    // rows deleted at the start and at the end between appends.
    QTemporaryDir tmp;
    TDataModule1 data(tmp.path());
    QVERIFY(data.OpenDrillLog());
    QList<int> expected;
    for (int i = 0; i < 300; ++i)
        expected << (i * 7919) % 300;
    QVERIFY(PlainFile(data.databasePath()).fill(expected));
    QVERIFY(data.OpenDrillLog());
    TQuery *log = data.DrillLogQuery;
    QAbstractItemModel *model = log->model();
    QCOMPARE(model->data(model->index(250, 0)).toInt(), expected[250]);  // read a window first
    // Delete the first three rows through the query, as the drills do.
    log->first();
    for (int k = 0; k < 3; ++k)
        QVERIFY(log->deleteRow());
    expected.remove(0, 3);
    QCOMPARE(model->rowCount(), expected.size());
    QCOMPARE(model->data(model->index(0, 0)).toInt(), expected[0]);
    QCOMPARE(model->data(model->index(126, 0)).toInt(), expected[126]);
    QCOMPARE(model->data(model->index(127, 0)).toInt(), expected[127]);
    QCOMPARE(model->data(model->index(250, 0)).toInt(), expected[250]);

    for (int no : {1000, 1001})
        QVERIFY(postAnswer(data, no, QStringLiteral("%1 + 0").arg(no), no, no));
    expected << 1000 << 1001;
    // After a post the query stands on the new row: deleting takes it back.
    QVERIFY(postAnswer(data, 1002, QStringLiteral("1002 + 0"), 0, 0));
    QCOMPARE(model->data(model->index(expected.size(), 0)).toInt(), 1002);
    QVERIFY(log->deleteRow());
    QVERIFY(log->atEnd());
    QVERIFY(postAnswer(data, 1003, QStringLiteral("1003 + 0"), 0, 0));
    expected << 1003;
    // Posting again without reopening: a view already showing the last rows
    // gets the new one too.
    QCOMPARE(model->data(model->index(expected.size() - 1, 0)).toInt(), 1003);
    log->append();
    log->setField(0, 1004);
    QVERIFY(log->post());
    expected << 1004;
    QCOMPARE(model->rowCount(), expected.size());
    QCOMPARE(model->data(model->index(expected.size() - 1, 0)).toInt(), 1004);

    // As the grid shows it, and as the file holds it.
    QVERIFY(data.OpenDrillLog());
    QCOMPARE(model->rowCount(), expected.size());
    QList<int> shown;
    for (int r = 0; r < model->rowCount(); ++r)
        shown << model->data(model->index(r, 0)).toInt();
    QCOMPARE(shown, expected);
    PlainFile file(data.databasePath());
    QList<int> stored;
    for (const QVariantList &row : file.rows(QStringLiteral("select NB from dorill order by rowid")))
        stored << row[0].toInt();
    QCOMPARE(stored, expected);
}

void TestStore::clearTableEmptiesTheLog()
{
    QTemporaryDir tmp;
    TDataModule1 data(tmp.path());
    for (int no = 1; no <= 5; ++no)
        QVERIFY(postAnswer(data, no, QStringLiteral("67 - 48"), 19, 19));
    QVERIFY(data.OpenDrillLog());
    QCOMPARE(data.DrillLogQuery->rowCount(), 5);

    QVERIFY(data.DrillLogQuery->clearTable());
    QCOMPARE(data.DrillLogQuery->rowCount(), 0);
    QCOMPARE(data.DrillLogQuery->model()->rowCount(), 0);
    QVERIFY(data.DrillLogQuery->atEnd());
    {
        PlainFile file(data.databasePath());
        QCOMPARE(file.value(QStringLiteral("select count(*) from dorill")).toInt(), 0);
    }

    // The next drill logs from an empty table; the units log was not touched.
    QVERIFY(postAnswer(data, 1, QStringLiteral("12 + 30"), 42, 42));
    QVERIFY(data.OpenDrillLog());
    QCOMPARE(data.DrillLogQuery->rowCount(), 1);
    QVERIFY(data.OpenUnitsDrillLog());
    QCOMPARE(data.UnitsLogQuery->rowCount(), 0);
}

void TestStore::deletingFromFirstToEndEmptiesTheLog()
{
    // "スタート" as designed: reissue the query, go to the first row and
    // delete until past the last. More rows than one window of the model.
    QTemporaryDir tmp;
    TDataModule1 data(tmp.path());
    const int rows = 140;
    QVERIFY(data.OpenDrillLog());
    QList<int> numbers;
    for (int no = 1; no <= rows; ++no)
        numbers << no;
    QVERIFY(PlainFile(data.databasePath()).fill(numbers));

    QVERIFY(data.OpenDrillLog());
    TQuery *log = data.DrillLogQuery;
    log->first();
    int deleted = 0;
    while (!log->atEnd() && deleted <= rows) {
        QVERIFY(log->deleteRow());
        ++deleted;
    }
    QCOMPARE(deleted, rows);
    QVERIFY(!log->deleteRow());  // nothing left to delete
    QCOMPARE(log->rowCount(), 0);
    PlainFile file(data.databasePath());
    QCOMPARE(file.value(QStringLiteral("select count(*) from dorill")).toInt(), 0);
}

void TestStore::onlyLogStatementsRun_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("runs");

    QTest::newRow("as designed") << QStringLiteral("select * from dorill") << true;
    QTest::newRow("capitals, spaces, semicolon")
        << QStringLiteral("  SELECT *  FROM Dorills ;") << true;
    QTest::newRow("times table") << QStringLiteral("select * from kuku") << true;
    QTest::newRow("a second statement")
        << QStringLiteral("select * from dorill; drop table dorill") << false;
    QTest::newRow("a condition") << QStringLiteral("select * from dorill where 1 = 1") << false;
    QTest::newRow("another table") << QStringLiteral("select * from sqlite_master") << false;
    QTest::newRow("not a select") << QStringLiteral("delete from dorill") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestStore::onlyLogStatementsRun()
{
    QFETCH(QString, statement);
    QFETCH(bool, runs);

    QTemporaryDir tmp;
    TDataModule1 data(tmp.path());
    QSignalSpy failed(&data, &TDataModule1::failed);
    QVERIFY(postAnswer(data, 1, QStringLiteral("67 - 48"), 19, 19));

    TQuery *query = data.KukuQuery;
    query->setStatement(statement);
    if (!runs)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not a statement")));
    QCOMPARE(query->open(), runs);
    QCOMPARE(query->isOpen(), runs);
    // A statement the program does not know is its own mistake, not a broken store.
    QCOMPARE(failed.count(), 0);
    QVERIFY(data.usable());
    PlainFile file(data.databasePath());
    QCOMPARE(file.value(QStringLiteral("select count(*) from dorill")).toInt(), 1);
}

void TestStore::badStoreTellsThePupilOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder under a plain file") << QStringLiteral("under-file");
    QTest::newRow("kyozai is not a database") << QStringLiteral("garbage");
    QTest::newRow("kyozai is a folder") << QStringLiteral("folder");
}

void TestStore::badStoreTellsThePupilOnce()
{
    QFETCH(QString, kind);

    QTemporaryDir tmp;
    QString folder = tmp.path();
    QByteArray garbage;
    if (kind == QLatin1String("under-file")) {
        // Even root cannot make a folder inside a plain file.
        QFile plain(tmp.filePath(QStringLiteral("notadir")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("x");
        folder = tmp.filePath(QStringLiteral("notadir/sub"));
    } else if (kind == QLatin1String("garbage")) {
        for (int i = 0; i < 300; ++i)
            garbage += "さんすうの きろく、ではない ";
        QFile file(tmp.filePath(QStringLiteral("kyozai")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    } else {
        QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("kyozai")));
    }

    TDataModule1 data(folder);
    QSignalSpy failed(&data, &TDataModule1::failed);
    QVERIFY(data.usable());

    // Everything a drill does at start and at each answer fails quietly.
    QVERIFY(!data.OpenDrillLog());
    QVERIFY(!data.DrillLogQuery->clearTable());
    TQuery *log = data.DrillLogQuery;
    log->first();
    QVERIFY(log->atEnd());
    QVERIFY(!log->deleteRow());
    log->append();
    log->setField(0, 1);
    QVERIFY(!log->post());
    QCOMPARE(log->rowCount(), 0);
    QCOMPARE(log->model()->rowCount(), 0);
    QVERIFY(!data.OpenUnitsDrillLog());
    QVERIFY(!data.OpenDrillLog());
    QVERIFY(!data.usable());

    QCoreApplication::processEvents();
    QCOMPARE(failed.count(), 1);
    const QString message = failed.first().first().toString();
    QVERIFY2(message.contains(QStringLiteral("ドリルの きろくを のこせません")), qUtf8Printable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(data.databasePath())), qUtf8Printable(message));

    // The pupil's file is left as it was for the parents to look at.
    if (!garbage.isEmpty()) {
        QFile file(data.databasePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), garbage);
    }
}

void TestStore::writeFailureLaterTellsOnce()
{
    // The database opened well but a write fails later (here: the table was
    // taken away behind the program's back). One message, then quiet.
    QTemporaryDir tmp;
    TDataModule1 data(tmp.path());
    QSignalSpy failed(&data, &TDataModule1::failed);
    QVERIFY(postAnswer(data, 1, QStringLiteral("67 - 48"), 19, 19));
    QVERIFY(data.OpenDrillLog());
    {
        PlainFile file(data.databasePath());
        QVERIFY(file.exec(QStringLiteral("drop table dorill")));
    }
    TQuery *log = data.DrillLogQuery;
    log->append();
    log->setField(0, 2);
    QVERIFY(!log->post());
    QCOMPARE(failed.count(), 1);
    QVERIFY(!data.usable());
    QVERIFY(!postAnswer(data, 3, QStringLiteral("67 - 48"), 19, 19));
    QVERIFY(!data.OpenUnitsDrillLog());
    QCoreApplication::processEvents();
    QCOMPARE(failed.count(), 1);
}

void TestStore::killedProgramLosesNoPostedRow_data()
{
    QTest::addColumn<int>("rows");    // rows the child posts; -1 without end
    QTest::addColumn<int>("killAt");  // "posted" lines seen before the kill

    QTest::newRow("killed while waiting") << 25 << 25;
    QTest::newRow("killed while posting") << -1 << 60;
}

void TestStore::killedProgramLosesNoPostedRow()
{
    QFETCH(int, rows);
    QFETCH(int, killAt);

    QTemporaryDir tmp;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(childPath(), {tmp.path(), QString::number(rows)});
    QVERIFY2(child.waitForStarted(), qUtf8Printable(child.errorString()));
    QVERIFY(waitForPosted(child, killAt));
    child.kill();  // SIGKILL: no chance to finish anything
    QVERIFY(child.waitForFinished());

    PlainFile file(tmp.filePath(QStringLiteral("kyozai")));
    QCOMPARE(file.value(QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
    const QList<QVariantList> stored =
        file.rows(QStringLiteral("select NB, MND from dorill order by rowid"));
    if (rows >= 0)
        QCOMPARE(stored.size(), rows);
    else
        QVERIFY2(stored.size() >= killAt, qPrintable(QString::number(stored.size())));
    // Every row the child posted, in order, none missing between.
    for (int i = 0; i < stored.size(); ++i) {
        QCOMPARE(stored[i][0].toInt(), i + 1);
        QCOMPARE(stored[i][1].toString(), QStringLiteral("　%1 + 1").arg(i + 1));
    }
}

void TestStore::twoCopiesOnOneFolderBothPost()
{
    QTemporaryDir tmp;
    TDataModule1 first(tmp.path());
    TDataModule1 second(tmp.path());
    QSignalSpy failedFirst(&first, &TDataModule1::failed);
    QSignalSpy failedSecond(&second, &TDataModule1::failed);
    for (int no = 1; no <= 10; ++no) {
        QVERIFY(postAnswer(first, no, QStringLiteral("first"), 1, 1));
        QVERIFY(postAnswer(second, no, QStringLiteral("second"), 1, 1));
        // Each copy's reissued query sees the other's rows too.
        QVERIFY(first.OpenDrillLog());
        QCOMPARE(first.DrillLogQuery->rowCount(), 2 * no);
    }
    QCOMPARE(failedFirst.count(), 0);
    QCOMPARE(failedSecond.count(), 0);
}

void TestStore::secondRunningCopyWaitsForTheFirst()
{
    // Another copy of the program posts without pause while this one posts:
    // every post here waits its turn instead of failing as "locked".
    QTemporaryDir tmp;
    TDataModule1 data(tmp.path());
    QSignalSpy failed(&data, &TDataModule1::failed);
    QVERIFY(data.OpenDrillLog());  // the file exists before the other copy starts

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(childPath(), {tmp.path(), QStringLiteral("-1")});
    QVERIFY2(child.waitForStarted(), qUtf8Printable(child.errorString()));
    QVERIFY(waitForPosted(child, 1));

    const int mine = 100;
    for (int no = 1; no <= mine; ++no)
        QVERIFY2(postAnswer(data, no, QStringLiteral("here"), 1, 1), qPrintable(QString::number(no)));
    // The other copy goes on posting too (it ends at its first failure).
    QVERIFY(waitForPosted(child, 20));
    child.kill();
    QVERIFY(child.waitForFinished());

    QCOMPARE(failed.count(), 0);
    PlainFile file(data.databasePath());
    QCOMPARE(file.value(QStringLiteral("select count(*) from dorill where MND = '　here'")).toInt(), mine);
    QVERIFY(file.value(QStringLiteral("select count(*) from dorill where MND <> '　here'")).toInt() > 20);
}

void TestStore::lockedFileKeepsTheAnswersInOrder()
{
    // Another program holds the write lock for a while (a database tool left
    // in a transaction). The answers given meanwhile wait, each with its own
    // number, and are written in order with the first answer after the lock
    // is gone; the pupil is told once, and no answer waits long.
    QTemporaryDir tmp;
    TDataModule1 data(tmp.path());
    QSignalSpy told(&data, &TDataModule1::failed);
    QVERIFY(postAnswer(data, 1, QStringLiteral("1 + 1"), 2, 2));
    PlainFile other(data.databasePath());
    QVERIFY(other.exec(QStringLiteral("begin immediate")));

    QElapsedTimer waited;
    for (int no = 2; no <= 4; ++no) {
        waited.start();
        QVERIFY(!postAnswer(data, no, QStringLiteral("%1 + 1").arg(no), no + 1, no + 1));
        QVERIFY2(waited.elapsed() < 4 * TDataModule1::BusyTimeoutMs, qPrintable(QString::number(waited.elapsed())));
    }
    // "スタート" of a new drill waits in line too: what it empties is the
    // log as it stands when the lock is gone.
    QVERIFY(data.OpenDrillLog());
    QVERIFY(!data.DrillLogQuery->clearTable());
    QVERIFY(!postAnswer(data, 1, QStringLiteral("9 + 9"), 18, 18));
    QCOMPARE(told.count(), 1);
    QVERIFY(told.first().first().toString().contains(QStringLiteral("いま かきこめません")));
    QVERIFY(data.usable());
    QCOMPARE(data.waitingWrites(), 5);
    // Nothing is shown as kept that is not on disk.
    QVERIFY(data.OpenDrillLog());
    QCOMPARE(data.DrillLogQuery->rowCount(), 1);

    QVERIFY(other.exec(QStringLiteral("commit")));
    QVERIFY(postAnswer(data, 2, QStringLiteral("8 + 8"), 16, 15));
    QCOMPARE(data.waitingWrites(), 0);
    QCOMPARE(other.rows(QStringLiteral("select NB, MND from dorill order by rowid")),
             (QList<QVariantList>{{1, QStringLiteral("　9 + 9")}, {2, QStringLiteral("　8 + 8")}}));
    QVERIFY(data.OpenDrillLog());
    QCOMPARE(data.DrillLogQuery->rowCount(), 2);

    // Without a "スタート" in the queue, every waiting answer arrives.
    QVERIFY(other.exec(QStringLiteral("begin immediate")));
    QVERIFY(!postAnswer(data, 3, QStringLiteral("7 + 7"), 14, 14));
    QVERIFY(!postAnswer(data, 3, QStringLiteral("7 + 7"), 14, 14));
    QVERIFY(other.exec(QStringLiteral("commit")));
    QVERIFY(postAnswer(data, 4, QStringLiteral("6 + 6"), 12, 12));
    QList<int> numbers;
    for (const QVariantList &row : other.rows(QStringLiteral("select NB from dorill order by rowid")))
        numbers << row[0].toInt();
    QCOMPARE(numbers, (QList<int>{1, 2, 3, 3, 4}));
    QCOMPARE(told.count(), 2);  // the second lock was a second trouble, told once
    QCoreApplication::processEvents();
    QCOMPARE(told.count(), 2);
}

void TestStore::deletedFileStartsAFreshOne_data()
{
    QTest::addColumn<bool>("replaced");  // another database put in its place
    QTest::newRow("deleted") << false;
    QTest::newRow("replaced by another file") << true;
}

void TestStore::deletedFileStartsAFreshOne()
{
    QFETCH(bool, replaced);
    QTemporaryDir tmp;
    TDataModule1 data(tmp.path());
    QSignalSpy told(&data, &TDataModule1::failed);
    for (int no = 1; no <= 3; ++no)
        QVERIFY(postAnswer(data, no, QStringLiteral("%1 + 1").arg(no), no + 1, no + 1));

    const QString path = data.databasePath();
    QVERIFY(QFile::remove(path));
    int before = 0;
    if (replaced) {
        const QString other = tmp.filePath(QStringLiteral("other"));
        {
            TDataModule1 elsewhere(tmp.filePath(QStringLiteral("elsewhere")));
            QVERIFY(postAnswer(elsewhere, 70, QStringLiteral("70 + 1"), 71, 71));
        }
        QVERIFY(QFile::rename(tmp.filePath(QStringLiteral("elsewhere/kyozai")), path));
        before = 1;
    }

    for (int no = 4; no <= 6; ++no)
        QVERIFY(postAnswer(data, no, QStringLiteral("%1 + 1").arg(no), no + 1, no + 1));
    QCOMPARE(told.count(), 1);
    QVERIFY(told.first().first().toString().contains(QStringLiteral("あたらしく つくりました")));
    QVERIFY(data.usable());
    // What the grid shows is what the file on disk holds.
    QVERIFY(data.OpenDrillLog());
    QCOMPARE(data.DrillLogQuery->rowCount(), before + 3);
    QAbstractItemModel *model = data.DrillLogQuery->model();
    QCOMPARE(model->data(model->index(before, 0)).toInt(), 4);
    PlainFile file(path);
    QList<int> numbers;
    for (const QVariantList &row : file.rows(QStringLiteral("select NB from dorill order by rowid")))
        numbers << row[0].toInt();
    QCOMPARE(numbers, replaced ? (QList<int>{70, 4, 5, 6}) : (QList<int>{4, 5, 6}));
    QCOMPARE(file.value(QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
}

void TestStore::firstUseByManyAtOnce()
{
    // Several processes use one fresh folder at the same moment (the setting
    // up of the file takes it for itself for a moment): every one of them
    // waits its turn and writes its answer.
    for (int round = 0; round < 6; ++round) {
        QTemporaryDir tmp;
        const QString start = QString::number(QDateTime::currentMSecsSinceEpoch() + 400);
        std::vector<std::unique_ptr<QProcess>> children;
        for (int c = 0; c < 3; ++c) {
            children.push_back(std::make_unique<QProcess>());
            children.back()->start(childPath(), {tmp.path(), QStringLiteral("1"), start});
        }
        for (auto &child : children) {
            QVERIFY(child->waitForStarted());
            QVERIFY2(waitForPosted(*child, 1), child->readAllStandardError().constData());
            child->kill();
            child->waitForFinished();
        }
        PlainFile file(tmp.filePath(QStringLiteral("kyozai")));
        QCOMPARE(file.value(QStringLiteral("select count(*) from dorill")).toInt(), 3);
    }
}

void TestStore::countsWithoutReadingTheTable()
{
    // Reissuing the query after each answer neither counts the table again
    // nor makes a grid read its rows afresh; a row written by another
    // connection is seen all the same.
    QTemporaryDir tmp;
    TDataModule1 data(tmp.path());
    QVERIFY(data.OpenDrillLog());
    QVERIFY(PlainFile(data.databasePath()).fill({1, 2, 3}));
    QVERIFY(data.OpenDrillLog());
    QAbstractItemModel *model = data.DrillLogQuery->model();
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    for (int no = 4; no <= 6; ++no)
        QVERIFY(postAnswer(data, no, QStringLiteral("%1 + 1").arg(no), no + 1, no + 1));
    QCoreApplication::processEvents();
    QCOMPARE(resets.count(), 0);
    QCOMPARE(inserted.count(), 3);
    QCOMPARE(model->rowCount(), 6);

    QVERIFY(PlainFile(data.databasePath()).fill({7}));
    QVERIFY(data.OpenDrillLog());
    QCOMPARE(model->rowCount(), 7);
    QCOMPARE(model->data(model->index(6, 0)).toInt(), 7);
}

QTEST_MAIN(TestStore)
#include "tst_store.moc"
