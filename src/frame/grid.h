#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTableView>

// One column of a log grid: which field of the log row it shows (its
// position in the table), its title and its width in pixels.
struct TDBGridColumn {
    int field;
    QString title;
    int width;
};

// The columns a grid shows, in their order, over the rows of a log query's
// model. The columns stay the same however often the query is reissued
// (closed and opened after every answer), so the grid keeps its titles and
// widths. Nothing in it can be edited.
//
// A grid out of sight does not follow the rows one by one: an answer logged
// behind it costs it nothing, and it reads the rows afresh when it is shown.
class TDBGridColumns : public QAbstractTableModel {
    Q_OBJECT
public:
    TDBGridColumns(QAbstractItemModel *rows, const QList<TDBGridColumn> &columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Whether the view follows the rows as they change; on following again
    // after a change it missed, the view reads them afresh.
    void follow(bool following);

private:
    QPointer<QAbstractItemModel> rows_;
    bool following_ = true;
    bool missed_ = false;  // the rows changed while the view did not follow
    QList<TDBGridColumn> columns_;
};

// The drill log grid (DBGrid1): a read-only table on a log query's rows with
// the designed columns, centred titles and a cream background.
class TDBGrid : public QTableView {
    Q_OBJECT
public:
    TDBGrid(const QString &name, QWidget *parent);

    // Shows the rows of `rows` (a log query's model) in `columns`.
    void setSource(QAbstractItemModel *rows, const QList<TDBGridColumn> &columns);
    const QList<TDBGridColumn> &columns() const { return columns_; }
    // Width that shows every column whole, with the frame and a scroll bar.
    int neededWidth() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    // At the bottom of a long log the view lines the last row up with its
    // lower edge, which leaves a few pixels of the row above under the
    // titles. The log is read in whole rows: the top row stands whole and
    // any spare pixels go below the last one.
    void showWholeTopRow();

    QList<TDBGridColumn> columns_;
    TDBGridColumns *model_ = nullptr;
};
