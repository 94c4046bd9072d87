#pragma once
#include "store/boundwrite.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>

class QAbstractItemModel;
class LogModel;
class QTimer;
class RecordStore;
class TDataModule1;
struct LogRow;
struct LogTable;

// One query on the database "kyozai": it reads one log table, and appending,
// deleting and posting act on that table itself. A drill reissues it before
// each answer (close, new statement, open), so opening only counts the rows;
// the rows are read when a grid shows them.
class TQuery : public QObject {
    Q_OBJECT
public:
    explicit TQuery(TDataModule1 *module);

    void close();
    // Only "select * from <table>" of one of the log tables is accepted; any
    // other statement makes open() fail. Setting the statement closes the query.
    void setStatement(const QString &sql);
    bool open();  // run the statement; false on failure
    bool isOpen() const;

    void first();
    bool atEnd() const;   // past the last row (also when closed)
    bool deleteRow();     // delete the current row; the position moves to the next
    bool clearTable();    // empty the table in one statement; the query may be closed

    void append();  // start a new empty row; needs the query open
    void setField(int position, int value);  // by position, in the table's field order
    void setField(int position, const QString &value);
    // Writes the new row, after any rows still waiting to be written, and
    // commits it together with what `alongside` writes on the same
    // connection (a caller's own rows that belong with this answer), in
    // one transaction. True when it is committed: the row is then kept
    // through a crash or a kill of the program. False when it could not be
    // written now: the row (and its `alongside`) waits and is written, in
    // order, by the next write that succeeds.
    bool post(const std::function<bool(QSqlDatabase &)> &alongside = {});
    // The same, with the statements `alongside` (the pupil's record of the
    // same answer) written in that transaction: all of them or none.
    bool post(const QList<BoundWrite> &alongside);

    // Read-only model of the open result: rows in the order appended, one
    // column per field, headers the field names. open() refreshes it.
    QAbstractItemModel *model();
    QString table() const;  // the table the statement names, empty if none
    int rowCount() const;   // rows of the open result, 0 when closed

private:
    friend class TDataModule1;
    void setNewField(int position, const QVariant &value);
    bool fetchRows(int offset, int limit, QList<LogRow> *rows);

    TDataModule1 *m_module;
    QString m_statement;
    const LogTable *m_table = nullptr;  // the table m_statement names
    bool m_open = false;
    bool m_closeShown = false;  // a close is waiting to empty the grid
    int m_position = 0;
    bool m_appending = false;
    QList<QVariant> m_newRow;
    LogModel *m_model;
};

// The data module: the connection to the database "kyozai" and the queries
// of the drill logs. Nothing touches the disk until a query is first used,
// so start-up stays fast.
//
// Every write of the log goes through one path (writeNow): the writes not
// yet on disk, in the order the drills made them, in one transaction. A
// write that finds the file locked by another program is kept and tried
// again with the next one; the pupil is told once while it lasts. A file
// deleted or replaced behind the program's back is noticed before the next
// write and a fresh one is started, told once. A database that cannot be
// opened or written at all is told once (failed()) and every later
// operation quietly returns false, so a drill goes on without its log.
class TDataModule1 : public QObject {
    Q_OBJECT
public:
    // `folder` holds (or will hold) the file "kyozai".
    explicit TDataModule1(const QString &folder, QObject *parent = nullptr);
    ~TDataModule1() override;

    TQuery *DrillLogQuery;  // "select * from dorill": the mental, column, multiplication and division drills
    TQuery *UnitsLogQuery;  // "select * from dorills": the units drill
    TQuery *KukuQuery;      // "select * from kuku": nothing opens it

    bool OpenDrillLog();       // close DrillLogQuery, set its statement, open it
    bool OpenUnitsDrillLog();  // the same for UnitsLogQuery

    // The pupil's record in the same file; its tables are brought up to date
    // when the file is opened.
    RecordStore *record() const { return m_record; }

    bool usable() const;  // false once the database proved unopenable or unwritable
    int waitingWrites() const { return int(m_waiting.size()); }  // not yet on disk
    QString databasePath() const;
    static QString defaultFolder();  // the per-user data folder, created if missing
    // The open connection (opened on first use), for tables of the program's
    // own kept beside the log in the same file; invalid when it cannot open.
    QSqlDatabase connection();

    // Statements of the pupil's record that go with no log row (a session
    // begun or finished, a lesson test's answer): written in one
    // transaction behind the log's waiting writes, and kept and retried
    // with the next write as a log row is while another program holds the
    // file.
    enum class Posted { Written, Waiting, Failed };
    Posted postRecord(const QList<BoundWrite> &writes);

    // How long one statement waits for another program's write before it
    // gives up (and the write waits for the next answer): short, so the
    // screen never stands still for long.
    static constexpr int BusyTimeoutMs = 300;
    // How long the first use of the file waits for another process that
    // is setting up the same file at the same moment.
    static constexpr int FirstUseWaitMs = 1000;

signals:
    // A text for the pupil and the parents, emitted once per trouble: the
    // database cannot be used at all; or it is locked and the answers wait
    // (once while that lasts); or its file went missing and a fresh one was
    // started.
    void failed(const QString &pupilMessage);

private:
    friend class TQuery;
    using Alongside = std::function<bool(QSqlDatabase &)>;
    struct Write {
        enum Kind { Insert, Clear, Record } kind;
        const LogTable *table;   // none for Record
        QList<QVariant> values;  // Insert: the fields by position
        Alongside alongside;
        QList<BoundWrite> record;  // the record's statements, after the row if any
    };
    enum class Trouble { None, Busy, Broken };

    bool ensureOpen();  // opens the connection and creates the tables on first use
    Trouble prepareFile(QString *detail);
    bool sameFileAsOpened() const;
    void startFreshFile();
    // Queues `write` behind those waiting and writes them all now if it
    // can; true when `write` is on disk.
    bool writeNow(Write write);
    Trouble writeWaiting(QString *detail);
    // Rows of a table as this copy knows them; counted once, and again only
    // when another connection has written to the file meanwhile.
    bool countRows(const LogTable *table, int *rows, bool *othersWrote);
    // Marks the store unusable and tells the pupil once. `later`: emit from
    // the event loop (a failure found while a view paints).
    void reportFailure(const QString &detail, bool later = false);
    void reportBusy(const QString &detail);
    void tell(const QString &message, bool later = false);
    bool reissue(TQuery *query, const QString &statement);
    // A statement every answer runs (its row, the record's rows, the
    // savepoint), prepared once on the open connection and run again with
    // new values; nullptr (and the error) when it cannot be prepared.
    QSqlQuery *prepared(const QString &sql, QSqlError *error);
    void closeConnection();
    QList<TQuery *> queriesOn(const LogTable *table) const;

    QString m_folder;
    QString m_connection;
    QSqlDatabase m_db;
    RecordStore *m_record;
    bool m_opened = false;
    // Copies the write-ahead log into the file (the one step that waits for
    // the disk) once the pupil has stopped answering for a moment.
    QTimer *m_checkpoint = nullptr;
    bool m_usable = true;
    bool m_reported = false;
    bool m_toldBusy = false;
    QList<Write> m_waiting;
    QHash<QString, QSqlQuery> m_prepared;
    QHash<const LogTable *, int> m_counts;
    qint64 m_dataVersion = -1;
    quint64 m_fileDevice = 0, m_fileInode = 0;
};
