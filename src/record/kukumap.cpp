#include "record/kukumap.h"

#include "frame/look.h"
#include "record/tallies.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

int KukuMap::answers() const
{
    int n = 0;
    for (const auto &row : cells)
        for (const KukuCell &c : row)
            n += c.answers;
    return n;
}

std::pair<int, int> FactOf(const FactAnswer &a)
{
    auto digit = [](int n) { return n >= 1 && n <= 9; };
    if (a.kind == QLatin1String("mul") && digit(a.a) && digit(a.b))
        return {a.a, a.b};
    // a ÷ b = c is found in the table as b x c.
    if ((a.kind == QLatin1String("div") || a.kind == QLatin1String("divrem")) && digit(a.b) && digit(a.c))
        return {a.b, a.c};
    return {0, 0};
}

namespace {
// Collects answers fact by fact, then makes the map.
class MapMaker {
public:
    void add(const FactAnswer &answer)
    {
        const auto [a, b] = FactOf(answer);
        if (a == 0)
            return;
        const size_t i = size_t((a - 1) * 9 + (b - 1));
        ++answers_[i];
        right_[i] += answer.right;
        ms_[i].push_back(answer.ms);
    }
    KukuMap map()
    {
        KukuMap m;
        for (size_t i = 0; i < 81; ++i) {
            KukuCell &c = m.cells[i / 9][i % 9];
            c.answers = answers_[i];
            c.right = right_[i];
            std::vector<qint64> &ms = ms_[i];
            if (ms.empty())
                continue;
            // The median: the middle one, or the mean of the middle two.
            const size_t mid = ms.size() / 2;
            std::nth_element(ms.begin(), ms.begin() + std::ptrdiff_t(mid), ms.end());
            c.medianMs = ms[mid];
            if (ms.size() % 2 == 0)
                c.medianMs = (*std::max_element(ms.begin(), ms.begin() + std::ptrdiff_t(mid)) + c.medianMs) / 2;
        }
        return m;
    }

private:
    std::array<int, 81> answers_{}, right_{};
    std::array<std::vector<qint64>, 81> ms_;
};
}  // namespace

KukuMap MakeKukuMap(const QList<FactAnswer> &answers)
{
    MapMaker maker;
    for (const FactAnswer &a : answers)
        maker.add(a);
    return maker.map();
}

KukuMap LoadKukuMap(RecordStore &record, const QString &pupilId)
{
    // Read from the counts kept fact by fact, each fact's times from the
    // quickest up: the median is the middle of the counts.
    std::array<std::vector<FactTime>, 81> facts;
    ForEachFactTime(record, pupilId, [&](const FactTime &t) {
        if (t.a >= 1 && t.a <= 9 && t.b >= 1 && t.b <= 9 && t.answers > 0)
            facts[size_t((t.a - 1) * 9 + (t.b - 1))].push_back(t);
    });
    KukuMap m;
    for (size_t i = 0; i < 81; ++i) {
        KukuCell &c = m.cells[i / 9][i % 9];
        for (const FactTime &t : facts[i]) {
            c.answers += t.answers;
            c.right += t.right;
        }
        // The time of the k-th answer (from 0) in order of time.
        auto nth = [&](int k) {
            for (const FactTime &t : facts[i]) {
                if (k < t.answers)
                    return t.ms;
                k -= t.answers;
            }
            return qint64(0);
        };
        if (c.answers > 0) {
            const int mid = c.answers / 2;
            c.medianMs = c.answers % 2 ? nth(mid) : (nth(mid - 1) + nth(mid)) / 2;
        }
    }
    return m;
}

QColor KukuShade(const KukuCell &cell)
{
    if (!cell.met())
        return {};
    // Hue from red (none right) through yellow to green (all right); a
    // fact answered in 2 seconds or less is full colour, one taking 8 or
    // more is pale.
    const double hue = 120.0 * cell.rate();
    const double slow = std::clamp((double(cell.medianMs) - 2000.0) / 6000.0, 0.0, 1.0);
    const double saturation = 0.75 - 0.5 * slow;
    return QColor::fromHsvF(float(hue / 360.0), float(saturation), 0.97f);
}

namespace {
struct MapGeometry {
    QRectF grid;  // the 9 × 9 cells
    double cell;
    QRectF legend;
};

MapGeometry geometryOf(const QRectF &rect)
{
    const double legendHeight = std::max(18.0, rect.height() * 0.07);
    const double side = std::min(rect.width(), rect.height() - legendHeight);
    const double cell = side / 10.0;  // one for the headings
    const QRectF grid(rect.left() + cell, rect.top() + cell, cell * 9, cell * 9);
    return {grid, cell, QRectF(rect.left(), grid.bottom() + 4, rect.width(), legendHeight)};
}
}  // namespace

void PaintKukuMap(QPainter &p, const QRectF &rect, const KukuMap &map)
{
    const MapGeometry g = geometryOf(rect);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont head = Look::face(int(std::max(8.0, g.cell * 0.42)));
    QFont big = Look::face(int(std::max(7.0, g.cell * 0.30)));
    QFont small = Look::face(int(std::max(6.0, g.cell * 0.22)));

    // The headings: what is multiplied along the top, the だん down the left.
    p.setPen(QColor(0x00, 0x00, 0x80));
    p.setFont(head);
    p.drawText(QRectF(rect.left(), rect.top(), g.cell, g.cell), Qt::AlignCenter, QStringLiteral("x"));
    for (int i = 1; i <= 9; ++i) {
        p.drawText(QRectF(g.grid.left() + (i - 1) * g.cell, rect.top(), g.cell, g.cell), Qt::AlignCenter,
                   QString::number(i));
        p.drawText(QRectF(rect.left(), g.grid.top() + (i - 1) * g.cell, g.cell, g.cell), Qt::AlignCenter,
                   QString::number(i));
    }

    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) {
            const KukuCell &c = map.at(a, b);
            const QRectF box(g.grid.left() + (b - 1) * g.cell, g.grid.top() + (a - 1) * g.cell, g.cell, g.cell);
            p.fillRect(box, c.met() ? KukuShade(c) : QColor(Qt::white));
            if (!c.met())
                continue;
            p.setPen(Qt::black);
            p.setFont(big);
            p.drawText(box.adjusted(0, 1, 0, -box.height() / 2), Qt::AlignHCenter | Qt::AlignBottom,
                       QStringLiteral("%1%").arg(qRound(c.rate() * 100)));
            p.setFont(small);
            p.drawText(box.adjusted(0, box.height() / 2, 0, -1), Qt::AlignHCenter | Qt::AlignTop,
                       QStringLiteral("%1秒").arg(c.medianMs / 1000.0, 0, 'f', 1));
        }
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
    for (int i = 0; i <= 9; ++i) {
        p.drawLine(QPointF(g.grid.left() + i * g.cell, g.grid.top()), QPointF(g.grid.left() + i * g.cell, g.grid.bottom()));
        p.drawLine(QPointF(g.grid.left(), g.grid.top() + i * g.cell), QPointF(g.grid.right(), g.grid.top() + i * g.cell));
    }

    // What the shades mean.
    p.setFont(small);
    p.setPen(Qt::black);
    const double swatch = std::min(g.legend.height() * 0.7, 14.0);
    double x = g.legend.left();
    const struct {
        KukuCell cell;
        const char *text;
    } keys[] = {{{10, 10, 1500}, "よく できた"}, {{10, 6, 1500}, "ときどき まちがい"},
                {{10, 2, 1500}, "まちがいが おおい"}, {{10, 10, 9000}, "うすい 色：じかんが かかった"}};
    for (const auto &k : keys) {
        const QRectF sw(x, g.legend.top() + (g.legend.height() - swatch) / 2, swatch, swatch);
        p.fillRect(sw, KukuShade(k.cell));
        p.drawRect(sw);
        const QString text = QString::fromUtf8(k.text);
        const QRectF label(sw.right() + 3, g.legend.top(), p.fontMetrics().horizontalAdvance(text) + 2, g.legend.height());
        p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, text);
        x = label.right() + swatch;
    }
    p.restore();
}

int KukuRowAt(const QRectF &rect, const QPointF &point)
{
    const MapGeometry g = geometryOf(rect);
    const QRectF rows(rect.left(), g.grid.top(), g.grid.right() - rect.left(), g.grid.height());
    if (!rows.contains(point))
        return 0;
    return std::clamp(int((point.y() - g.grid.top()) / g.cell) + 1, 1, 9);
}

QList<int> KukuRowFacts(const KukuMap &map, int row)
{
    QList<int> facts;
    if (row < 1 || row > 9)
        return facts;
    for (int b = 1; b <= 9; ++b)
        if (map.at(row, b).met())
            facts.append(b);
    if (facts.isEmpty())
        return {1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::stable_sort(facts.begin(), facts.end(), [&](int x, int y) {
        const KukuCell &cx = map.at(row, x), &cy = map.at(row, y);
        if (cx.rate() != cy.rate())
            return cx.rate() < cy.rate();
        return cx.medianMs > cy.medianMs;
    });
    return facts;
}

// ---------------------------------------------------------------- the view

KukuMapView::KukuMapView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("KukuMap"));
    setMinimumSize(300, 300);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("だんを クリックすると、その だんの まちがいなおしを します"));
}

void KukuMapView::setMap(const KukuMap &map)
{
    map_ = map;
    update();
}

void KukuMapView::pickRow(int row)
{
    if (row >= 1 && row <= 9)
        emit rowPicked(row);
}

void KukuMapView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    PaintKukuMap(p, QRectF(rect()).adjusted(4, 4, -4, -4), map_);
}

void KukuMapView::mousePressEvent(QMouseEvent *event)
{
    pickRow(KukuRowAt(QRectF(rect()).adjusted(4, 4, -4, -4), event->position()));
}
