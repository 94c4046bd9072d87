#include "frame/grid.h"

#include "frame/look.h"

#include <QHeaderView>
#include <QScrollBar>
#include <utility>

// ---------------------------------------------------------------- TDBGridColumns

TDBGridColumns::TDBGridColumns(QAbstractItemModel *rows, const QList<TDBGridColumn> &columns, QObject *parent)
    : QAbstractTableModel(parent), rows_(rows), columns_(columns)
{
    if (!rows)
        return;
    // Rows come and go with the query; the columns never change. While the
    // view does not follow, a change is only noted.
    const auto passOn = [this](auto emitIt) {
        return [this, emitIt](auto &&...) {
            if (following_)
                emitIt();
            else
                missed_ = true;
        };
    };
    connect(rows, &QAbstractItemModel::modelAboutToBeReset, this, passOn([this] { beginResetModel(); }));
    connect(rows, &QAbstractItemModel::modelReset, this, passOn([this] { endResetModel(); }));
    using Begin = void (TDBGridColumns::*)(const QModelIndex &, int, int);
    const auto passOnRows = [this](Begin begin) {
        return [this, begin](const QModelIndex &, int first, int last) {
            if (following_)
                (this->*begin)(QModelIndex(), first, last);
            else
                missed_ = true;
        };
    };
    connect(rows, &QAbstractItemModel::rowsAboutToBeInserted, this, passOnRows(&TDBGridColumns::beginInsertRows));
    connect(rows, &QAbstractItemModel::rowsInserted, this, passOn([this] { endInsertRows(); }));
    connect(rows, &QAbstractItemModel::rowsAboutToBeRemoved, this, passOnRows(&TDBGridColumns::beginRemoveRows));
    connect(rows, &QAbstractItemModel::rowsRemoved, this, passOn([this] { endRemoveRows(); }));
    connect(rows, &QAbstractItemModel::layoutAboutToBeChanged, this, passOn([this] { emit layoutAboutToBeChanged(); }));
    connect(rows, &QAbstractItemModel::layoutChanged, this, passOn([this] { emit layoutChanged(); }));
    connect(rows, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &from, const QModelIndex &to) {
        if (!following_)
            missed_ = true;
        else if (!columns_.isEmpty())
            emit dataChanged(index(from.row(), 0), index(to.row(), int(columns_.size()) - 1));
    });
}

void TDBGridColumns::follow(bool following)
{
    if (following == following_)
        return;
    following_ = following;
    if (following_ && std::exchange(missed_, false)) {
        beginResetModel();
        endResetModel();
    }
}

int TDBGridColumns::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !rows_ ? 0 : rows_->rowCount();
}

int TDBGridColumns::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant TDBGridColumns::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !rows_ || index.column() >= columns_.size())
        return {};
    const int field = columns_.at(index.column()).field;
    if (field < 0 || field >= rows_->columnCount())
        return {};
    return rows_->index(index.row(), field).data(role);
}

QVariant TDBGridColumns::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columns_.at(section).title;
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags TDBGridColumns::flags(const QModelIndex &index) const
{
    // The log is what the pupil answered: it is looked at, never changed.
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

// ---------------------------------------------------------------- TDBGrid

TDBGrid::TDBGrid(const QString &name, QWidget *parent) : QTableView(parent)
{
    setObjectName(name);
    setFont(Look::face(15));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFont(Look::face(14));

    QPalette p = palette();
    p.setColor(QPalette::Base, Look::Cream);
    p.setColor(QPalette::Window, Look::Cream);
    p.setColor(QPalette::Text, Look::Navy);
    setPalette(p);
    setAutoFillBackground(true);
}

void TDBGrid::setSource(QAbstractItemModel *rows, const QList<TDBGridColumn> &columns)
{
    columns_ = columns;
    auto *old = model_;
    model_ = new TDBGridColumns(rows, columns, this);
    setModel(model_);
    model_->follow(isVisible());
    delete old;
    for (int i = 0; i < columns_.size(); ++i)
        setColumnWidth(i, columns_.at(i).width);
}

void TDBGrid::showEvent(QShowEvent *event)
{
    if (model_)
        model_->follow(true);
    QTableView::showEvent(event);
}

void TDBGrid::hideEvent(QHideEvent *event)
{
    QTableView::hideEvent(event);
    if (model_)
        model_->follow(false);
}

int TDBGrid::neededWidth() const
{
    int w = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (const TDBGridColumn &c : columns_)
        w += c.width;
    return w;
}

void TDBGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    showWholeTopRow();
}

void TDBGrid::updateGeometries()
{
    QTableView::updateGeometries();
    showWholeTopRow();
}

void TDBGrid::showWholeTopRow()
{
    const QScrollBar *bar = verticalScrollBar();
    if (verticalScrollMode() != ScrollPerItem || bar->maximum() <= 0 || bar->value() != bar->maximum())
        return;
    const int whole = verticalHeader()->sectionPosition(verticalHeader()->logicalIndex(bar->value()));
    if (verticalHeader()->offset() != whole) {
        verticalHeader()->setOffset(whole);
        viewport()->update();
    }
}
