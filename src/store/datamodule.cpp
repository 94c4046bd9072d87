#include "store/datamodule.h"

#include "store/logmodel.h"
#include "store/logtables.h"
#include "store/record.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QMetaObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <atomic>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// SQLite's "busy" and "locked": another connection holds the lock; the
// same statement can succeed a moment later.
bool isBusy(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == 5 || code == 6);
}

// Where the file stands on disk now; false when there is no file.
bool fileIdentity(const QString &path, quint64 *device, quint64 *inode)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    *device = quint64(st.st_dev);
    *inode = quint64(st.st_ino);
    return true;
#else
    *device = *inode = 0;
    return QFileInfo::exists(path);
#endif
}

}  // namespace

// ---------------------------------------------------------------------------
// TQuery

TQuery::TQuery(TDataModule1 *module)
    : QObject(module),
      m_module(module),
      m_model(new LogModel(
          [this](int offset, int limit, QList<LogRow> *rows) {
              return fetchRows(offset, limit, rows);
          },
          this))
{
}

void TQuery::close()
{
    m_appending = false;
    m_position = 0;
    if (!m_open)
        return;
    m_open = false;
    // A drill closes and opens its query again after every answer; the
    // grid is emptied only if the query stays closed, so reissuing never
    // makes a grid read its rows afresh.
    if (m_closeShown)
        return;
    m_closeShown = true;
    QMetaObject::invokeMethod(this, [this] {
        m_closeShown = false;
        if (!m_open)
            m_model->present(nullptr, 0);
    }, Qt::QueuedConnection);
}

void TQuery::setStatement(const QString &sql)
{
    close();
    m_statement = sql;
    m_table = LogTables::forStatement(sql);
}

bool TQuery::open()
{
    close();
    if (!m_table) {
        qWarning("TQuery::open: not a statement on a log table: %s", qUtf8Printable(m_statement));
        return false;
    }
    if (!m_module->ensureOpen())
        return false;
    int rows = 0;
    bool othersWrote = false;
    if (!m_module->countRows(m_table, &rows, &othersWrote))
        return false;
    m_open = true;
    // The model already shows these rows unless another connection wrote
    // meanwhile: then it reads them again.
    if (othersWrote || m_model->table() != m_table || m_model->rowCount() != rows)
        m_model->present(m_table, rows);
    return true;
}

bool TQuery::isOpen() const
{
    return m_open;
}

void TQuery::first()
{
    m_position = 0;
}

bool TQuery::atEnd() const
{
    return !m_open || m_position >= m_model->rowCount();
}

bool TQuery::deleteRow()
{
    if (atEnd() || !m_module->m_usable)
        return false;
    // Rows still waiting go first, so the log keeps its order.
    if (!m_module->m_waiting.isEmpty()) {
        QString detail;
        switch (m_module->writeWaiting(&detail)) {
        case TDataModule1::Trouble::None:
            break;
        case TDataModule1::Trouble::Busy:
            m_module->reportBusy(detail);
            return false;
        case TDataModule1::Trouble::Broken:
            m_module->reportFailure(detail);
            return false;
        }
    }
    const qint64 rowId = m_model->rowIdAt(m_position);
    if (rowId < 0)
        return false;
    QSqlQuery del(m_module->m_db);
    if (!del.prepare(m_table->deleteRowStatement())) {
        m_module->reportFailure(SqlErrorText(del.lastError()));
        return false;
    }
    del.addBindValue(rowId);
    if (!del.exec()) {
        if (isBusy(del.lastError()))
            m_module->reportBusy(SqlErrorText(del.lastError()));
        else
            m_module->reportFailure(SqlErrorText(del.lastError()));
        return false;
    }
    if (auto it = m_module->m_counts.find(m_table); it != m_module->m_counts.end())
        *it -= 1;
    m_model->rowRemoved(m_position);  // the next row now stands at m_position
    return true;
}

bool TQuery::clearTable()
{
    // Open or not: a log about to be emptied need not be counted first.
    if (!m_table || !m_module->m_usable)
        return false;
    m_appending = false;
    m_position = 0;
    // Waits in line with the rows, so a locked file never mixes the rows of
    // two drills: those logged before it are emptied with it.
    return m_module->writeNow({TDataModule1::Write::Clear, m_table, {}, {}, {}});
}

void TQuery::append()
{
    // While the file is locked the query may not open; the answer is kept
    // all the same and written with the next one.
    m_appending = m_open || (m_table && m_module->m_usable && !m_module->m_waiting.isEmpty());
    if (!m_appending) {
        // A broken store has told the pupil already; a drill then goes on quietly.
        if (m_module->m_usable)
            qWarning("TQuery::append: the query on %s is not open", qUtf8Printable(table()));
        return;
    }
    m_newRow = QList<QVariant>(m_table->fieldCount);  // fields left unset are stored as NULL
}

void TQuery::setField(int position, int value)
{
    setNewField(position, QVariant(value));
}

void TQuery::setField(int position, const QString &value)
{
    setNewField(position, QVariant(value));
}

void TQuery::setNewField(int position, const QVariant &value)
{
    if (!m_appending) {
        if (m_module->m_usable)
            qWarning("TQuery::setField: no new row on %s", qUtf8Printable(table()));
        return;
    }
    if (position < 0 || position >= m_newRow.size()) {
        qWarning("TQuery::setField: no field %d in %s", position, qUtf8Printable(table()));
        return;
    }
    m_newRow[position] = value;
}

bool TQuery::post(const QList<BoundWrite> &alongside)
{
    if (!m_appending)
        return false;
    m_appending = false;
    if (!m_module->m_usable)
        return false;
    if (!m_module->writeNow({TDataModule1::Write::Insert, m_table, m_newRow, {}, alongside}))
        return false;
    m_position = m_model->rowCount() - 1;  // on the new row
    return true;
}

bool TQuery::post(const std::function<bool(QSqlDatabase &)> &alongside)
{
    if (!m_appending)
        return false;
    m_appending = false;
    if (!m_module->m_usable)
        return false;
    if (!m_module->writeNow({TDataModule1::Write::Insert, m_table, m_newRow, alongside, {}}))
        return false;
    m_position = m_model->rowCount() - 1;  // on the new row
    return true;
}

QAbstractItemModel *TQuery::model()
{
    return m_model;
}

QString TQuery::table() const
{
    return m_table ? QLatin1String(m_table->name) : QString();
}

int TQuery::rowCount() const
{
    return m_open ? m_model->rowCount() : 0;
}

bool TQuery::fetchRows(int offset, int limit, QList<LogRow> *rows)
{
    if (!m_open || !m_module->m_usable || !m_module->m_db.isOpen())
        return false;
    QSqlQuery select(m_module->m_db);
    select.setForwardOnly(true);
    if (!select.prepare(m_table->selectStatement())) {
        m_module->reportFailure(SqlErrorText(select.lastError()), true);
        return false;
    }
    select.addBindValue(limit);
    select.addBindValue(offset);
    if (!select.exec()) {
        m_module->reportFailure(SqlErrorText(select.lastError()), true);
        return false;
    }
    while (select.next()) {
        LogRow row;
        row.rowId = select.value(0).toLongLong();
        row.values.reserve(m_table->fieldCount);
        for (int i = 0; i < m_table->fieldCount; ++i)
            row.values << select.value(i + 1);
        rows->append(std::move(row));
    }
    if (select.lastError().isValid()) {
        m_module->reportFailure(SqlErrorText(select.lastError()), true);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// TDataModule1

TDataModule1::TDataModule1(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder)
{
    static std::atomic<int> serial{0};
    m_connection = QStringLiteral("kyozai-%1").arg(++serial);

    DrillLogQuery = new TQuery(this);
    DrillLogQuery->setObjectName(QStringLiteral("DrillLogQuery"));
    DrillLogQuery->setStatement(QStringLiteral("select * from dorill"));
    UnitsLogQuery = new TQuery(this);
    UnitsLogQuery->setObjectName(QStringLiteral("UnitsLogQuery"));
    UnitsLogQuery->setStatement(QStringLiteral("select * from dorills"));
    KukuQuery = new TQuery(this);
    KukuQuery->setObjectName(QStringLiteral("KukuQuery"));
    KukuQuery->setStatement(QStringLiteral("select * from kuku"));
    m_record = new RecordStore([this] { return ensureOpen(); }, this);
    m_checkpoint = new QTimer(this);
    m_checkpoint->setSingleShot(true);
    m_checkpoint->setInterval(1500);
    connect(m_checkpoint, &QTimer::timeout, this, [this] {
        if (m_opened && m_db.isOpen())
            QSqlQuery(m_db).exec(QStringLiteral("pragma wal_checkpoint(passive)"));
    });
    m_record->setPoster([this](const QList<BoundWrite> &writes) { return postRecord(writes) != Posted::Failed; });
}

TDataModule1::~TDataModule1()
{
    // Writes still waiting for another program's lock get one last try.
    if (m_usable && m_opened && !m_waiting.isEmpty()) {
        QString detail;
        if (writeWaiting(&detail) != Trouble::None)
            qWarning("kyozai: %d writes not written: %s", int(m_waiting.size()), qUtf8Printable(detail));
    }
    // The queries hold no statements between calls; once the last handle is
    // gone the connection can be removed.
    m_usable = false;
    m_record->detach();
    const bool added = m_db.isValid();
    closeConnection();
    m_db = QSqlDatabase();
    if (added)
        QSqlDatabase::removeDatabase(m_connection);
}

bool TDataModule1::OpenDrillLog()
{
    return reissue(DrillLogQuery, QStringLiteral("select * from dorill"));
}

bool TDataModule1::OpenUnitsDrillLog()
{
    return reissue(UnitsLogQuery, QStringLiteral("select * from dorills"));
}

bool TDataModule1::reissue(TQuery *query, const QString &statement)
{
    query->close();
    query->setStatement(statement);
    return query->open();
}

bool TDataModule1::usable() const
{
    return m_usable;
}

QString TDataModule1::databasePath() const
{
    return QDir(m_folder).filePath(QStringLiteral("kyozai"));
}

QString TDataModule1::defaultFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder;
}

QSqlDatabase TDataModule1::connection()
{
    return ensureOpen() ? m_db : QSqlDatabase();
}

QList<TQuery *> TDataModule1::queriesOn(const LogTable *table) const
{
    QList<TQuery *> out;
    for (TQuery *q : {DrillLogQuery, UnitsLogQuery, KukuQuery})
        if (q->m_table == table)
            out << q;
    return out;
}

bool TDataModule1::ensureOpen()
{
    if (!m_usable)
        return false;
    if (m_opened) {
        if (sameFileAsOpened())
            return true;
        startFreshFile();
    }

    if (!QDir().mkpath(m_folder)) {
        reportFailure(QStringLiteral("フォルダ %1 を作れません").arg(QDir::toNativeSeparators(m_folder)));
        return false;
    }
    if (!m_db.isValid()) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        if (!m_db.isValid()) {
            reportFailure(QStringLiteral("Qt の SQLite ドライバがありません"));
            return false;
        }
        m_db.setDatabaseName(databasePath());
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    }
    if (!m_db.isOpen() && !m_db.open()) {
        reportFailure(SqlErrorText(m_db.lastError()));
        return false;
    }

    // Another process may be setting up the same fresh file at this very
    // moment; the switch to the write-ahead log takes the file for itself
    // without waiting, so the first use tries again for a while.
    QDeadlineTimer deadline(FirstUseWaitMs);
    QString detail;
    Trouble trouble;
    while ((trouble = prepareFile(&detail)) == Trouble::Busy && !deadline.hasExpired())
        QThread::msleep(15);
    if (trouble == Trouble::Busy) {
        closeConnection();  // the next use opens it again
        reportBusy(detail);
        return false;
    }
    if (trouble == Trouble::Broken) {
        reportFailure(detail);
        return false;
    }
    fileIdentity(databasePath(), &m_fileDevice, &m_fileInode);
    m_opened = true;
    m_dataVersion = -1;
    m_counts.clear();
    m_record->attach(&m_db);
    return true;
}

TDataModule1::Trouble TDataModule1::prepareFile(QString *detail)
{
    const auto fail = [detail](const QSqlError &error) {
        *detail = SqlErrorText(error);
        return isBusy(error) ? Trouble::Busy : Trouble::Broken;
    };
    // The write-ahead log, synchronised at checkpoints (synchronous=normal):
    // a commit does not wait for the disk, yet every committed row survives
    // a crash or a kill of the program, and a power cut can only take the
    // last moments, never the file. A reader never blocks a writer. The
    // pragmas are also the first statements to read the file, so a file
    // that is not a database fails here.
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("pragma journal_mode = wal")))
        return fail(q.lastError());
    if (!q.exec(QStringLiteral("pragma synchronous = normal")))
        return fail(q.lastError());
    // The log is copied into the file when the pupil pauses (m_checkpoint),
    // not in the middle of an answer; the automatic copy is left only as a
    // bound for a log that never pauses (40 MB of pages).
    if (!q.exec(QStringLiteral("pragma wal_autocheckpoint = 10000")))
        return fail(q.lastError());
    // "スタート" empties the log of the last drill. Some builds of SQLite
    // zero and write every freed page of it (secure delete), tens of
    // milliseconds for a long log while the pupil waits; "fast" clears
    // what deleted rows leave in the pages still in use, and frees the
    // others without writing them.
    if (!q.exec(QStringLiteral("pragma secure_delete = fast")))
        return fail(q.lastError());
    // "begin immediate" takes the write lock first (waiting its busy
    // timeout for it), rather than failing at once when another
    // connection writes between the reading and the writing of a
    // transaction.
    if (!q.exec(QStringLiteral("begin immediate")))
        return fail(q.lastError());
    int count = 0;
    const LogTable *tables = LogTables::all(&count);
    for (int i = 0; i < count; ++i) {
        if (!q.exec(tables[i].createStatement())) {
            const QSqlError error = q.lastError();
            q.exec(QStringLiteral("rollback"));
            return fail(error);
        }
    }
    if (!q.exec(QStringLiteral("commit"))) {
        const QSqlError error = q.lastError();
        q.exec(QStringLiteral("rollback"));
        return fail(error);
    }
    return Trouble::None;
}

bool TDataModule1::sameFileAsOpened() const
{
    quint64 device = 0, inode = 0;
    return fileIdentity(databasePath(), &device, &inode) && device == m_fileDevice && inode == m_fileInode;
}

void TDataModule1::startFreshFile()
{
    // The file was deleted or replaced while the program ran: whatever the
    // old connection still writes would go nowhere the pupil can find.
    closeConnection();
    // The old file's write-ahead log and its index, if closing left them:
    // SQLite would read them into the fresh file as if they were its own.
    for (const char *suffix : {"-wal", "-shm"})
        QFile::remove(databasePath() + QLatin1String(suffix));
    m_opened = false;
    m_counts.clear();
    tell(QStringLiteral("ドリルの きろくの ファイルが なくなっていたので、あたらしく つくりました。\r\n"
                        "これからの こたえは、あたらしい ファイルに きろくします。\r\n"
                        "\r\n"
                        "おうちの方へ：きろくのファイル\r\n"
                        "%1\r\n"
                        "が、ミヌカを つかっている あいだに けされたか、ほかの ファイルに かわりました。")
             .arg(QDir::toNativeSeparators(databasePath())));
    // The grids show what the fresh file holds once it is open.
    for (TQuery *q : {DrillLogQuery, UnitsLogQuery, KukuQuery})
        if (q->m_open)
            QMetaObject::invokeMethod(q, [q] { if (q->m_open) q->open(); }, Qt::QueuedConnection);
}

bool TDataModule1::countRows(const LogTable *table, int *rows, bool *othersWrote)
{
    // data_version changes only when another connection commits, so the
    // counts kept here stay right without reading the tables.
    QSqlError error;
    QSqlQuery *dataVersion = prepared(QStringLiteral("pragma data_version"), &error);
    if (!dataVersion || !dataVersion->exec() || !dataVersion->next()) {
        reportFailure(SqlErrorText(dataVersion ? dataVersion->lastError() : error));
        return false;
    }
    const qint64 version = dataVersion->value(0).toLongLong();
    dataVersion->finish();
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    *othersWrote = version != m_dataVersion;
    if (*othersWrote) {
        m_dataVersion = version;
        m_counts.clear();
    }
    if (auto it = m_counts.constFind(table); it != m_counts.constEnd()) {
        *rows = *it;
        return true;
    }
    if (!q.exec(table->countStatement()) || !q.next()) {
        reportFailure(SqlErrorText(q.lastError()));
        return false;
    }
    *rows = q.value(0).toInt();
    m_counts.insert(table, *rows);
    return true;
}

QSqlQuery *TDataModule1::prepared(const QString &sql, QSqlError *error)
{
    auto it = m_prepared.find(sql);
    if (it == m_prepared.end()) {
        QSqlQuery statement(m_db);
        statement.setForwardOnly(true);
        if (!statement.prepare(sql)) {
            *error = statement.lastError();
            return nullptr;
        }
        it = m_prepared.insert(sql, statement);
    }
    return &*it;
}

void TDataModule1::closeConnection()
{
    m_prepared.clear();  // a statement outliving its connection would hold it open
    if (m_db.isOpen())
        m_db.close();
}

TDataModule1::Posted TDataModule1::postRecord(const QList<BoundWrite> &writes)
{
    if (!m_usable)
        return Posted::Failed;
    if (writes.isEmpty() || writeNow({Write::Record, nullptr, {}, {}, writes}))
        return Posted::Written;
    // Locked: kept in line; broken: told, and the line emptied.
    return m_usable && !m_waiting.isEmpty() ? Posted::Waiting : Posted::Failed;
}

bool TDataModule1::writeNow(Write write)
{
    m_waiting.append(std::move(write));
    if (!ensureOpen())
        return false;
    QString detail;
    switch (writeWaiting(&detail)) {
    case Trouble::None:
        m_checkpoint->start();
        return true;
    case Trouble::Busy:
        reportBusy(detail);
        return false;
    case Trouble::Broken:
        m_waiting.clear();
        reportFailure(detail);
        return false;
    }
    return false;
}

// The one write path of the log: every write still waiting, in order, in
// one transaction (a savepoint, so a caller may run it inside a
// transaction of its own). All or none of them are on disk afterwards.
TDataModule1::Trouble TDataModule1::writeWaiting(QString *detail)
{
    if (m_waiting.isEmpty())
        return Trouble::None;
    QSqlQuery q(m_db);
    QSqlError error;
    const auto fail = [&](const QSqlError &error) {
        *detail = SqlErrorText(error);
        q.finish();
        for (QSqlQuery &statement : m_prepared)
            statement.finish();
        QSqlQuery undo(m_db);
        undo.exec(QStringLiteral("rollback to drill_log"));
        undo.exec(QStringLiteral("release drill_log"));
        return isBusy(error) ? Trouble::Busy : Trouble::Broken;
    };
    QSqlQuery *begin = prepared(QStringLiteral("savepoint drill_log"), &error);
    if (!begin || !begin->exec()) {
        if (begin)
            error = begin->lastError();
        *detail = SqlErrorText(error);
        return isBusy(error) ? Trouble::Busy : Trouble::Broken;
    }
    for (const Write &w : std::as_const(m_waiting)) {
        if (w.kind == Write::Clear) {
            if (!q.exec(w.table->clearStatement()))
                return fail(q.lastError());
        } else if (w.kind == Write::Insert) {
            QSqlQuery *insert = prepared(w.table->insertStatement(), &error);
            if (!insert)
                return fail(error);
            for (const QVariant &value : w.values)
                insert->addBindValue(value);
            if (!insert->exec())
                return fail(insert->lastError());
        }
        if (w.alongside && !w.alongside(m_db)) {
            QSqlError error = m_db.lastError();
            if (!error.isValid())
                error = QSqlError(QStringLiteral("the rows written with the answer failed"));
            return fail(error);
        }
        for (const BoundWrite &r : w.record) {
            QSqlQuery *statement = prepared(r.sql, &error);
            if (!statement)
                return fail(error);
            for (const QVariant &value : r.values)
                statement->addBindValue(value);
            if (!statement->exec())
                return fail(statement->lastError());  // a lock here waits as the log row's would
        }
    }
    q.finish();
    QSqlQuery *commit = prepared(QStringLiteral("release drill_log"), &error);
    if (!commit)
        return fail(error);
    if (!commit->exec())
        return fail(commit->lastError());

    // On disk: the grids follow.
    const QList<Write> written = std::exchange(m_waiting, {});
    for (const Write &w : written) {
        if (w.kind == Write::Record)
            continue;
        auto count = m_counts.find(w.table);
        if (w.kind == Write::Clear) {
            m_counts.insert(w.table, 0);
            for (TQuery *query : queriesOn(w.table))
                if (query->m_open)
                    query->m_model->present(w.table, 0);
        } else {
            if (count != m_counts.end())
                *count += 1;
            for (TQuery *query : queriesOn(w.table))
                if (query->m_open)
                    query->m_model->rowAppended();
        }
    }
    m_toldBusy = false;  // a later lock is told again
    return Trouble::None;
}

void TDataModule1::reportFailure(const QString &detail, bool later)
{
    m_usable = false;
    m_waiting.clear();
    if (m_reported)
        return;
    m_reported = true;
    tell(QStringLiteral("ドリルの きろくを のこせません。\r\n"
                        "ドリルは このまま つづけられますが、こたえは きろくされません。\r\n"
                        "\r\n"
                        "おうちの方へ：きろくのファイル\r\n"
                        "%1\r\n"
                        "を ひらけないか、かきこめません。"
                        "フォルダに かきこめるか、ファイルが こわれていないか たしかめてください。\r\n"
                        "（%2）")
             .arg(QDir::toNativeSeparators(databasePath()), detail),
         later);
}

void TDataModule1::reportBusy(const QString &detail)
{
    if (m_toldBusy || m_reported)
        return;
    m_toldBusy = true;
    tell(QStringLiteral("ドリルの きろくが いま かきこめません。\r\n"
                        "こたえは おぼえておいて、かきこめるように なったら じゅんばんに きろくします。\r\n"
                        "ドリルは このまま つづけてね。\r\n"
                        "\r\n"
                        "おうちの方へ：きろくのファイル\r\n"
                        "%1\r\n"
                        "を ほかの プログラムが つかっています。（%2）")
             .arg(QDir::toNativeSeparators(databasePath()), detail));
}

void TDataModule1::tell(const QString &message, bool later)
{
    if (later)
        QMetaObject::invokeMethod(this, [this, message] { emit failed(message); }, Qt::QueuedConnection);
    else
        emit failed(message);
}
