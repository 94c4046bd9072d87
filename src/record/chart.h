#pragma once
// The record's two pictures, drawn with QPainter onto any paint device: the
// score chart of one drill and menu item over time, and the calendar of the
// last twelve weeks shaded by minutes practised. The window shows them in
// small widgets; a printed report draws the same pictures on paper.
#include "store/record.h"

#include <QDate>
#include <QMap>
#include <QRectF>
#include <QWidget>

class QPainter;

// Where the best score stands among the points: the first session that
// reached the highest score; -1 when there are none.
int BestPoint(const QList<ChartPoint> &points);

// The score (0 … 100, left axis) of every session as a line over time,
// problems a minute as a second line (right axis), the best score marked.
// With more sessions than the chart has pixels across, each pixel column
// draws the lowest and the highest score that fall on it.
void PaintScoreChart(QPainter &painter, const QRectF &area, const QList<ChartPoint> &points);

// Twelve weeks as columns, Monday to Sunday as rows, the last column the
// week of `today`; a day is shaded darker the more minutes were practised
// (none, up to 10, 20, 40, more). Days after today are left blank.
void PaintPractiseCalendar(QPainter &painter, const QRectF &area, const QMap<QDate, int> &minutes,
                           const QDate &today);
// The first day the calendar shows: the Monday eleven weeks before today's week.
QDate CalendarFirstDay(const QDate &today);

class ScoreChart : public QWidget {
    Q_OBJECT
public:
    explicit ScoreChart(QWidget *parent = nullptr);
    void setPoints(const QList<ChartPoint> &points);
    const QList<ChartPoint> &points() const { return points_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<ChartPoint> points_;
};

class PractiseCalendar : public QWidget {
    Q_OBJECT
public:
    explicit PractiseCalendar(QWidget *parent = nullptr);
    void setDays(const QMap<QDate, int> &minutes, const QDate &today);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QMap<QDate, int> minutes_;
    QDate today_;
};
