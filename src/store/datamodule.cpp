#include "store/datamodule.h"

#include "store/logmodel.h"
#include "store/logtables.h"
#include "store/record.h"

#include <QDir>
#include <QMetaObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <atomic>

namespace {

// A second running copy of the program waits this long for the other's
// write to finish instead of failing at once.
constexpr int kBusyTimeoutMs = 5000;

QString errorText(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

} // namespace

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
    m_model->present(nullptr, 0);
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
    QSqlQuery count(m_module->m_db);
    count.setForwardOnly(true);
    if (!count.exec(m_table->countStatement()) || !count.next()) {
        m_module->reportFailure(errorText(count.lastError()));
        return false;
    }
    const int rows = count.value(0).toInt();
    count.finish();
    m_open = true;
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
    const qint64 rowId = m_model->rowIdAt(m_position);
    if (rowId < 0)
        return false;
    QSqlQuery del(m_module->m_db);
    if (!del.prepare(m_table->deleteRowStatement())) {
        m_module->reportFailure(errorText(del.lastError()));
        return false;
    }
    del.addBindValue(rowId);
    if (!del.exec()) {
        m_module->reportFailure(errorText(del.lastError()));
        return false;
    }
    m_model->rowRemoved(m_position);  // the next row now stands at m_position
    return true;
}

bool TQuery::clearTable()
{
    if (!m_open || !m_module->m_usable)
        return false;
    m_appending = false;
    QSqlQuery clear(m_module->m_db);
    if (!clear.exec(m_table->clearStatement())) {
        m_module->reportFailure(errorText(clear.lastError()));
        return false;
    }
    m_position = 0;
    m_model->present(m_table, 0);
    return true;
}

void TQuery::append()
{
    m_appending = m_open;
    if (!m_open) {
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

bool TQuery::post()
{
    return post({});
}

bool TQuery::post(const QList<BoundWrite> &alongside)
{
    if (!m_appending)
        return false;
    m_appending = false;
    if (!m_module->m_usable)
        return false;
    // Outside an explicit transaction SQLite commits the insert by itself,
    // so each row is one committed transaction; with record rows alongside,
    // one transaction holds them all.
    QSqlDatabase &db = m_module->m_db;
    if (!alongside.isEmpty() && !db.transaction()) {
        m_module->reportFailure(errorText(db.lastError()));
        return false;
    }
    auto fail = [&](const QSqlError &error) {
        if (!alongside.isEmpty())
            db.rollback();
        m_module->reportFailure(errorText(error));
        return false;
    };
    QSqlQuery insert(db);
    if (!insert.prepare(m_table->insertStatement()))
        return fail(insert.lastError());
    for (const QVariant &value : std::as_const(m_newRow))
        insert.addBindValue(value);
    if (!insert.exec())
        return fail(insert.lastError());
    for (const BoundWrite &write : alongside) {
        if (!insert.prepare(write.sql))
            return fail(insert.lastError());
        for (const QVariant &value : write.values)
            insert.addBindValue(value);
        if (!insert.exec())
            return fail(insert.lastError());
    }
    insert.finish();
    if (!alongside.isEmpty() && !db.commit())
        return fail(db.lastError());
    m_model->rowAppended();
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
        m_module->reportFailure(errorText(select.lastError()), true);
        return false;
    }
    select.addBindValue(limit);
    select.addBindValue(offset);
    if (!select.exec()) {
        m_module->reportFailure(errorText(select.lastError()), true);
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
        m_module->reportFailure(errorText(select.lastError()), true);
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
}

TDataModule1::~TDataModule1()
{
    // The queries hold no statements between calls; once the last handle is
    // gone the connection can be removed.
    m_usable = false;
    m_record->detach();
    const bool added = m_db.isValid();
    if (m_db.isOpen())
        m_db.close();
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

bool TDataModule1::ensureOpen()
{
    if (!m_usable)
        return false;
    if (m_opened)
        return true;

    if (!QDir().mkpath(m_folder)) {
        reportFailure(QStringLiteral("フォルダ %1 を作れません").arg(QDir::toNativeSeparators(m_folder)));
        return false;
    }
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!m_db.isValid()) {
        reportFailure(QStringLiteral("Qt の SQLite ドライバがありません"));
        return false;
    }
    m_db.setDatabaseName(databasePath());
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!m_db.open()) {
        reportFailure(errorText(m_db.lastError()));
        return false;
    }

    // Write-ahead log with a sync at every commit: a posted row is on disk
    // when post() returns, a program killed at any moment leaves a sound
    // file, and a reader never blocks the other copy's writer. The pragmas
    // are also the first statements to read the file, so a file that is not
    // a database fails here.
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("pragma journal_mode = wal"))
        || !q.exec(QStringLiteral("pragma synchronous = full"))) {
        reportFailure(errorText(q.lastError()));
        return false;
    }
    q.finish();
    if (!m_db.transaction()) {
        reportFailure(errorText(m_db.lastError()));
        return false;
    }
    int count = 0;
    const LogTable *tables = LogTables::all(&count);
    for (int i = 0; i < count; ++i) {
        if (!q.exec(tables[i].createStatement())) {
            const QString detail = errorText(q.lastError());
            q.finish();
            m_db.rollback();
            reportFailure(detail);
            return false;
        }
    }
    if (!m_db.commit()) {
        const QString detail = errorText(m_db.lastError());
        m_db.rollback();
        reportFailure(detail);
        return false;
    }
    m_opened = true;
    m_record->attach(&m_db);
    return true;
}

void TDataModule1::reportFailure(const QString &detail, bool later)
{
    m_usable = false;
    if (m_reported)
        return;
    m_reported = true;
    const QString message =
        QStringLiteral("ドリルの きろくを のこせません。\r\n"
                       "ドリルは このまま つづけられますが、こたえは きろくされません。\r\n"
                       "\r\n"
                       "おうちの方へ：きろくのファイル\r\n"
                       "%1\r\n"
                       "を ひらけないか、かきこめません。"
                       "フォルダに かきこめるか、ファイルが こわれていないか たしかめてください。\r\n"
                       "（%2）")
            .arg(QDir::toNativeSeparators(databasePath()), detail);
    if (later)
        QMetaObject::invokeMethod(this, [this, message] { emit failed(message); }, Qt::QueuedConnection);
    else
        emit failed(message);
}
