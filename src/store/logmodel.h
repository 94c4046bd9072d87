#pragma once
#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QVariant>
#include <functional>

struct LogTable;

// One row of a log table as read back: its rowid and its fields.
struct LogRow {
    qint64 rowId = -1;
    QList<QVariant> values;
};

// The read-only model a log grid shows: the rows of one log table in the
// order they were appended, one column per field. It knows only how many
// rows there are; the rows themselves are read in windows when a view asks
// for them, so reissuing the query after every answer stays cheap however
// long the log has grown.
class LogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Reads `limit` rows from position `offset`; false when the store fails.
    using Fetcher = std::function<bool(int offset, int limit, QList<LogRow> *rows)>;

    explicit LogModel(Fetcher fetcher, QObject *parent = nullptr);

    // Shows `rows` rows of `table` (nullptr: nothing, the query is closed).
    void present(const LogTable *table, int rows);
    const LogTable *table() const { return m_table; }
    void rowAppended();         // one row was posted at the end
    void rowRemoved(int row);   // the row at `row` was deleted
    qint64 rowIdAt(int row);    // -1 when it cannot be read

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    static constexpr int kWindow = 128;
    const LogRow *rowAt(int row) const;

    Fetcher m_fetch;
    const LogTable *m_table = nullptr;
    int m_rows = 0;
    mutable QHash<int, QList<LogRow>> m_windows;  // window number → its rows
};
