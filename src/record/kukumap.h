#pragma once
// The 九九 map: the 81 facts of the times table, one cell each (the row is
// the だん, the column what it is multiplied by), shaded by how often the
// pupil answered the fact right and how long it took them (the median).
// Facts are met as one-digit multiplications and as divisions whose divisor
// and quotient are one digit (12 ÷ 4 = 3 is the fact 4 x 3 of the 4のだん).
// A cell the pupil never met stays blank. The painting draws onto any
// QPainter: the window, a printed report or a PDF.
#include "store/record.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QWidget>
#include <array>

class QPainter;

struct KukuCell {
    int answers = 0;
    int right = 0;
    qint64 medianMs = 0;
    bool met() const { return answers > 0; }
    double rate() const { return answers > 0 ? double(right) / answers : 0.0; }
};

struct KukuMap {
    // cells[a − 1][b − 1] is the fact a x b.
    std::array<std::array<KukuCell, 9>, 9> cells{};
    const KukuCell &at(int a, int b) const { return cells[size_t(a - 1)][size_t(b - 1)]; }
    int answers() const;
};

// The fact an answer practised, as {a, b} of "a x b", or {0, 0} for none.
std::pair<int, int> FactOf(const FactAnswer &answer);
// The map of a list of answers (the tests', the record's).
KukuMap MakeKukuMap(const QList<FactAnswer> &answers);
// The map of the pupil's whole record, from the counts kept as answers are
// recorded: its medians to the tenth of a second the map shows.
KukuMap LoadKukuMap(RecordStore &record, const QString &pupilId);

// A cell's shade: red to yellow to green as more answers are right, paler
// the longer the pupil took; no colour for a fact never met.
QColor KukuShade(const KukuCell &cell);
// Paints the map into `rect`: the numbers 1 … 9 along the top, the だん down
// the left, each cell with its shade, its share right and its median
// seconds, and a line saying what the shades mean.
void PaintKukuMap(QPainter &painter, const QRectF &rect, const KukuMap &map);
// The だん (1 … 9) of the row at `point` in a map painted into `rect`; 0
// outside the rows.
int KukuRowAt(const QRectF &rect, const QPointF &point);

// The facts of one だん to review, the weakest first: those met, by share
// right and then by the longer median; all nine when none was met.
QList<int> KukuRowFacts(const KukuMap &map, int row);

// The map in a window: a click on a row asks for that だん's review.
class KukuMapView : public QWidget {
    Q_OBJECT
public:
    explicit KukuMapView(QWidget *parent = nullptr);
    void setMap(const KukuMap &map);
    const KukuMap &map() const { return map_; }
    // Picks row `row` as a click on it does.
    void pickRow(int row);
    QSize sizeHint() const override { return {460, 460}; }

signals:
    void rowPicked(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    KukuMap map_;
};
