#pragma once
#include <QString>
#include <QStringList>

// The tables of the database "kyozai". Only these names ever reach a
// statement, so no text from outside is pasted into SQL.

struct LogField {
    const char *name;
    const char *sqlType;  // "INTEGER" or "TEXT"
};

struct LogTable {
    const char *name;
    const LogField *fields;
    int fieldCount;

    QString createStatement() const;  // "create table if not exists …"
    QString insertStatement() const;  // "insert into … (fields) values (?, …)"
    QString selectStatement() const;  // rowid and fields, in the order appended, one window
    QString countStatement() const;
    QString deleteRowStatement() const;  // by rowid
    QString clearStatement() const;
    QStringList fieldNames() const;
};

namespace LogTables {
// The three tables: the drill log "dorill", the units drill's log "dorills"
// and the times table "kuku".
const LogTable *all(int *count);
const LogTable *byName(const QString &name);  // case-insensitive; nullptr if unknown
// The table a statement "select * from <table>" reads, or nullptr when the
// statement is anything else.
const LogTable *forStatement(const QString &sql);
}
