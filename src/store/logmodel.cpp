#include "store/logmodel.h"

#include "store/logtables.h"

LogModel::LogModel(Fetcher fetcher, QObject *parent)
    : QAbstractTableModel(parent), m_fetch(std::move(fetcher))
{
}

void LogModel::present(const LogTable *table, int rows)
{
    beginResetModel();
    m_table = table;
    m_rows = table ? qMax(0, rows) : 0;
    m_windows.clear();
    endResetModel();
}

void LogModel::rowAppended()
{
    if (!m_table)
        return;
    beginInsertRows(QModelIndex(), m_rows, m_rows);
    m_windows.remove(m_rows / kWindow);  // the last window, if read, lacks the new row
    ++m_rows;
    endInsertRows();
}

void LogModel::rowRemoved(int row)
{
    if (!m_table || row < 0 || row >= m_rows)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    // Every row after the deleted one moves up by one.
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (it.key() >= row / kWindow)
            it = m_windows.erase(it);
        else
            ++it;
    }
    --m_rows;
    endRemoveRows();
}

qint64 LogModel::rowIdAt(int row)
{
    const LogRow *r = rowAt(row);
    return r ? r->rowId : -1;
}

const LogRow *LogModel::rowAt(int row) const
{
    if (!m_table || row < 0 || row >= m_rows)
        return nullptr;
    const int window = row / kWindow;
    auto it = m_windows.constFind(window);
    if (it == m_windows.constEnd()) {
        QList<LogRow> rows;
        if (!m_fetch || !m_fetch(window * kWindow, kWindow, &rows))
            return nullptr;
        it = m_windows.insert(window, rows);
    }
    const int inWindow = row - window * kWindow;
    return inWindow < it->size() ? &it->at(inWindow) : nullptr;
}

int LogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int LogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_table ? 0 : m_table->fieldCount;
}

QVariant LogModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const LogRow *r = rowAt(index.row());
    if (!r || index.column() >= r->values.size())
        return {};
    return r->values.at(index.column());
}

QVariant LogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && m_table && section >= 0
        && section < m_table->fieldCount)
        return QLatin1String(m_table->fields[section].name);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags LogModel::flags(const QModelIndex &index) const
{
    // The log is a record of what the pupil answered: it is shown, never edited.
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}
