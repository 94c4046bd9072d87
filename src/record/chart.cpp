#include "record/chart.h"

#include "frame/look.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace {
const QColor kScoreColour(0x1f, 0x5f, 0xbf);
const QColor kPaceColour(0xe0, 0x80, 0x20);
const QColor kBestColour(0xd0, 0x20, 0x30);
const QColor kGridColour(0xd8, 0xd8, 0xd8);
const QColor kTextColour(0x00, 0x00, 0x80);

// Minutes a day → shade, from nothing practised to more than 40 minutes.
const int kShadeLimits[] = {0, 10, 20, 40};
const QColor kShades[] = {QColor(0xee, 0xee, 0xee), QColor(0xc6, 0xe4, 0xf7), QColor(0x7f, 0xbf, 0xea),
                          QColor(0x34, 0x8c, 0xd0), QColor(0x0b, 0x4f, 0x8f)};

QColor shadeOf(int minutes)
{
    int i = 0;
    for (int limit : kShadeLimits)
        if (minutes > limit)
            ++i;
    return kShades[i];
}
}  // namespace

int BestPoint(const QList<ChartPoint> &points)
{
    int best = -1;
    for (int i = 0; i < points.size(); ++i)
        if (best < 0 || points[i].score > points[best].score)
            best = i;
    return best;
}

void PaintScoreChart(QPainter &painter, const QRectF &area, const QList<ChartPoint> &points)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont font = Look::face(11);
    painter.setFont(font);
    const QFontMetricsF fm(font);
    const qreal left = area.left() + fm.horizontalAdvance(QStringLiteral("100")) + 8;
    const qreal right = area.right() - fm.horizontalAdvance(QStringLiteral("99.9")) - 8;
    const QRectF plot(left, area.top() + fm.height() + 4, right - left, area.height() - 2 * fm.height() - 12);

    // Score lines every 20 points, the scales at both sides.
    double paceTop = 1;
    for (const ChartPoint &p : points)
        paceTop = std::max(paceTop, p.perMinute);
    paceTop = std::ceil(paceTop / 5) * 5;
    for (int s = 0; s <= 100; s += 20) {
        const qreal y = plot.bottom() - plot.height() * s / 100;
        painter.setPen(QPen(kGridColour, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kScoreColour);
        painter.drawText(QRectF(area.left(), y - fm.height() / 2, left - area.left() - 4, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(s));
        painter.setPen(kPaceColour);
        painter.drawText(QRectF(plot.right() + 4, y - fm.height() / 2, area.right() - plot.right() - 4, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(paceTop * s / 100, 'g', 3));
    }
    painter.setPen(kScoreColour);
    painter.drawText(QRectF(area.left(), area.top(), area.width() / 2, fm.height()), Qt::AlignLeft,
                     QStringLiteral("せいせき（てん）"));
    painter.setPen(kPaceColour);
    painter.drawText(QRectF(area.center().x(), area.top(), area.width() / 2, fm.height()), Qt::AlignRight,
                     QStringLiteral("1ぷんの もんだい"));

    if (points.isEmpty()) {
        painter.setPen(kTextColour);
        painter.drawText(plot, Qt::AlignCenter, QStringLiteral("まだ ドリルの きろくが ありません"));
        painter.restore();
        return;
    }

    const qint64 first = points.first().at.toSecsSinceEpoch();
    const qint64 span = std::max<qint64>(1, points.last().at.toSecsSinceEpoch() - first);
    auto xOf = [&](const ChartPoint &p) {
        return points.size() == 1 ? plot.center().x()
                                  : plot.left() + plot.width() * double(p.at.toSecsSinceEpoch() - first) / span;
    };
    auto yOfScore = [&](double s) { return plot.bottom() - plot.height() * s / 100; };
    auto yOfPace = [&](double m) { return plot.bottom() - plot.height() * m / paceTop; };

    // One column per pixel across: the lowest, highest and mean of each
    // line. Ten years of daily drills put dozens of sessions in a column;
    // the spread is filled as a band behind a line through the means, which
    // paints in a few milliseconds where a line up and down every column
    // took hundreds.
    const int columns = std::max(1, int(plot.width()));
    struct Column {
        int count = 0;
        double lowScore = 0, highScore = 0, sumScore = 0, lowPace = 0, highPace = 0, sumPace = 0;
    };
    std::vector<Column> cols(columns);
    bool dense = false;
    for (const ChartPoint &p : points) {
        const int c = std::clamp(int(xOf(p) - plot.left()), 0, columns - 1);
        Column &col = cols[c];
        if (col.count++ == 0) {
            col.lowScore = col.highScore = p.score;
            col.lowPace = col.highPace = p.perMinute;
        } else {
            dense = true;
        }
        col.lowScore = std::min(col.lowScore, double(p.score));
        col.highScore = std::max(col.highScore, double(p.score));
        col.sumScore += p.score;
        col.lowPace = std::min(col.lowPace, p.perMinute);
        col.highPace = std::max(col.highPace, p.perMinute);
        col.sumPace += p.perMinute;
    }
    QPolygonF scoreLine, paceLine, scoreHigh, scoreLow, paceHigh, paceLow;
    for (int c = 0; c < columns; ++c) {
        const Column &col = cols[size_t(c)];
        if (col.count == 0)
            continue;
        const qreal x = points.size() == 1 ? plot.center().x() : plot.left() + c;
        scoreLine << QPointF(x, yOfScore(col.sumScore / col.count));
        paceLine << QPointF(x, yOfPace(col.sumPace / col.count));
        scoreHigh << QPointF(x, yOfScore(col.highScore));
        scoreLow << QPointF(x, yOfScore(col.lowScore));
        paceHigh << QPointF(x, yOfPace(col.highPace));
        paceLow << QPointF(x, yOfPace(col.lowPace));
    }
    if (dense) {
        auto band = [&](const QPolygonF &high, const QPolygonF &low, QColor colour) {
            QPolygonF shape = high;
            for (qsizetype i = low.size() - 1; i >= 0; --i)
                shape << low[i];
            colour.setAlpha(60);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            // Whole pixels across: a band needs no antialiasing.
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.drawPolygon(shape);
            painter.setRenderHint(QPainter::Antialiasing, true);
        };
        band(paceHigh, paceLow, kPaceColour);
        band(scoreHigh, scoreLow, kScoreColour);
        painter.setBrush(Qt::NoBrush);
    }
    painter.setPen(QPen(kPaceColour, 1.5, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    painter.drawPolyline(paceLine);
    painter.setPen(QPen(kScoreColour, 2, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    painter.drawPolyline(scoreLine);
    if (points.size() <= columns / 6) {  // few sessions: each one a dot
        painter.setBrush(kScoreColour);
        for (const ChartPoint &p : points)
            painter.drawEllipse(QPointF(xOf(p), yOfScore(p.score)), 2.5, 2.5);
    }

    // The best score, with its day.
    const ChartPoint &best = points[BestPoint(points)];
    const QPointF at(xOf(best), yOfScore(best.score));
    painter.setPen(QPen(kBestColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, 6, 6);
    const QString label = QStringLiteral("さいこう %1てん（%2）").arg(best.score).arg(best.at.toString(QStringLiteral("yyyy/M/d")));
    const qreal width = fm.horizontalAdvance(label) + 4;
    const qreal lx = std::clamp(at.x() - width / 2, plot.left(), plot.right() - width);
    const qreal ly = at.y() + 10 + fm.height() > plot.bottom() ? at.y() - 10 - fm.height() : at.y() + 10;
    painter.drawText(QRectF(lx, ly, width, fm.height()), Qt::AlignCenter, label);

    // The first and last days under the plot.
    painter.setPen(kTextColour);
    const QRectF dates(plot.left(), plot.bottom() + 4, plot.width(), fm.height());
    painter.drawText(dates, Qt::AlignLeft, points.first().at.toString(QStringLiteral("yyyy/M/d")));
    painter.drawText(dates, Qt::AlignRight, points.last().at.toString(QStringLiteral("yyyy/M/d")));
    painter.restore();
}

QDate CalendarFirstDay(const QDate &today)
{
    return today.addDays(-(today.dayOfWeek() - 1)).addDays(-7 * 11);
}

void PaintPractiseCalendar(QPainter &painter, const QRectF &area, const QMap<QDate, int> &minutes,
                           const QDate &today)
{
    painter.save();
    QFont font = Look::face(11);
    painter.setFont(font);
    const QFontMetricsF fm(font);
    const qreal labelWidth = fm.horizontalAdvance(QStringLiteral("月")) + 6;
    const qreal top = area.top() + fm.height() + 2;
    const qreal cell = std::min((area.width() - labelWidth) / 12, (area.bottom() - top - fm.height() - 4) / 7);
    const QString weekdays[] = {QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("木"),
                                QStringLiteral("金"), QStringLiteral("土"), QStringLiteral("日")};
    painter.setPen(kTextColour);
    for (int d = 0; d < 7; d += 2)
        painter.drawText(QRectF(area.left(), top + d * cell, labelWidth, cell), Qt::AlignCenter, weekdays[d]);
    const QDate first = CalendarFirstDay(today);
    for (int w = 0; w < 12; ++w) {
        const QDate monday = first.addDays(7 * w);
        if (w == 0 || monday.month() != monday.addDays(-7).month())
            painter.drawText(QRectF(area.left() + labelWidth + w * cell, area.top(), cell * 3, fm.height()),
                             Qt::AlignLeft, QStringLiteral("%1月").arg(monday.month()));
        for (int d = 0; d < 7; ++d) {
            const QDate day = monday.addDays(d);
            if (day > today)
                continue;
            const QRectF r(area.left() + labelWidth + w * cell + 1, top + d * cell + 1, cell - 2, cell - 2);
            painter.fillRect(r, shadeOf(minutes.value(day)));
            if (day == today) {
                painter.setPen(QPen(kBestColour, 1.5));
                painter.drawRect(r);
                painter.setPen(kTextColour);
            }
        }
    }
    // The key: the shades from none to much.
    const qreal keyY = top + 7 * cell + 4;
    qreal x = area.left() + labelWidth;
    painter.drawText(QRectF(x, keyY, 60, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("すくない"));
    x += fm.horizontalAdvance(QStringLiteral("すくない")) + 4;
    for (const QColor &c : kShades) {
        painter.fillRect(QRectF(x, keyY + 2, fm.height() - 4, fm.height() - 4), c);
        x += fm.height() - 2;
    }
    painter.drawText(QRectF(x + 2, keyY, 60, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("おおい"));
    painter.restore();
}

ScoreChart::ScoreChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ScoreChart"));
    setMinimumSize(300, 180);
}

void ScoreChart::setPoints(const QList<ChartPoint> &points)
{
    points_ = points;
    update();
}

void ScoreChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PaintScoreChart(painter, QRectF(rect()).adjusted(6, 6, -6, -6), points_);
}

PractiseCalendar::PractiseCalendar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PractiseCalendar"));
    setMinimumSize(300, 170);
}

void PractiseCalendar::setDays(const QMap<QDate, int> &minutes, const QDate &today)
{
    minutes_ = minutes;
    today_ = today;
    update();
}

void PractiseCalendar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (today_.isValid())
        PaintPractiseCalendar(painter, QRectF(rect()).adjusted(6, 6, -6, -6), minutes_, today_);
}
