#pragma once
#include "store/boundwrite.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

class QAbstractItemModel;
class LogModel;
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
    bool clearTable();    // empty the table in one statement

    void append();  // start a new empty row; needs the query open
    void setField(int position, int value);  // by position, in the table's field order
    void setField(int position, const QString &value);
    bool post();  // write the new row; committed (and on disk) when it returns true
    // Writes the new row and the statements `alongside` (the pupil's record
    // of the same answer) in one transaction: all of them or none.
    bool post(const QList<BoundWrite> &alongside);

    // Read-only model of the open result: rows in the order appended, one
    // column per field, headers the field names. open() refreshes it.
    QAbstractItemModel *model();
    QString table() const;  // the table the statement names, empty if none
    int rowCount() const;   // rows of the open result, 0 when closed

private:
    void setNewField(int position, const QVariant &value);
    bool fetchRows(int offset, int limit, QList<LogRow> *rows);

    TDataModule1 *m_module;
    QString m_statement;
    const LogTable *m_table = nullptr;  // the table m_statement names
    bool m_open = false;
    int m_position = 0;
    bool m_appending = false;
    QList<QVariant> m_newRow;
    LogModel *m_model;
};

// The data module: the connection to the database "kyozai" and the queries
// of the drill logs. Nothing touches the disk until a query is first used,
// so start-up stays fast. If the database cannot be opened or written, the
// pupil is told once (failed()) and every later operation quietly returns
// false, so a drill goes on without its log.
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
    QString databasePath() const;
    static QString defaultFolder();  // the per-user data folder, created if missing

signals:
    // Emitted once per data module, the first time the database cannot be
    // opened or written; the text is for the pupil and the parents.
    void failed(const QString &pupilMessage);

private:
    friend class TQuery;
    bool ensureOpen();  // opens the connection and creates the tables on first use
    // Marks the store unusable and tells the pupil once. `later`: emit from
    // the event loop (a failure found while a view paints).
    void reportFailure(const QString &detail, bool later = false);
    bool reissue(TQuery *query, const QString &statement);

    QString m_folder;
    QString m_connection;
    QSqlDatabase m_db;
    RecordStore *m_record;
    bool m_opened = false;
    bool m_usable = true;
    bool m_reported = false;
};
