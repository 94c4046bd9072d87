#include "print/report.h"

#include "frame/look.h"
#include "print/paper.h"
#include "record/chart.h"
#include "record/diagnosis.h"
#include "record/kukumap.h"
#include "record/stumbles.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

const QColor kInk(0x20, 0x20, 0x20);
const QColor kRed(0xd0, 0x10, 0x10);
const QColor kFaint(0x80, 0x80, 0x80);
const QColor kBand(0xee, 0xf3, 0xf8);

QString dayText(const QDate &d)
{
    static const char *const kDays[] = {"月", "火", "水", "木", "金", "土", "日"};
    return QStringLiteral("%1月%2日（%3）").arg(d.month()).arg(d.day()).arg(QString::fromUtf8(kDays[d.dayOfWeek() - 1]));
}

// A はなまる: a red spiral of petals round a small circle, as a teacher draws it.
void paintHanamaru(QPainter &p, const QPointF &centre, double radius)
{
    p.save();
    p.setPen(QPen(kRed, radius * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.35, radius * 0.35);
    QPainterPath petals;
    const int n = 7;
    for (int i = 0; i <= 360; i += 3) {
        const double a = qDegreesToRadians(double(i));
        const double r = radius * (0.75 + 0.2 * std::cos(n * a));
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            petals.moveTo(pt);
        else
            petals.lineTo(pt);
    }
    p.drawPath(petals);
    p.restore();
}

void paintFrame(QPainter &p, const QRectF &area, const QString &heading)
{
    p.setPen(QPen(kInk, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area, 25, 25);
    p.setFont(Paper::font(42, true));
    p.drawText(area.adjusted(30, 20, -30, 0), Qt::AlignLeft | Qt::AlignTop, heading);
}

}  // namespace

ReportRange ReportRangeOf(ReportPeriod period, const QDate &today)
{
    ReportRange r;
    switch (period) {
    case ReportPeriod::Week:
        r.from = today.addDays(1 - today.dayOfWeek());
        r.to = r.from.addDays(6);
        r.name = dayText(r.from) + QStringLiteral("〜") + dayText(r.to);
        break;
    case ReportPeriod::Month:
        r.from = QDate(today.year(), today.month(), 1);
        r.to = r.from.addMonths(1).addDays(-1);
        r.name = QStringLiteral("%1年%2月").arg(today.year()).arg(today.month());
        break;
    case ReportPeriod::Term:
        if (today.month() >= 4 && today.month() <= 8) {
            r.from = QDate(today.year(), 4, 1);
            r.to = QDate(today.year(), 8, 31);
            r.name = QStringLiteral("%1年度 1学期").arg(today.year());
        } else if (today.month() >= 9) {
            r.from = QDate(today.year(), 9, 1);
            r.to = QDate(today.year(), 12, 31);
            r.name = QStringLiteral("%1年度 2学期").arg(today.year());
        } else {
            r.from = QDate(today.year(), 1, 1);
            r.to = QDate(today.year(), 3, 31);
            r.name = QStringLiteral("%1年度 3学期").arg(today.year() - 1);
        }
        break;
    }
    return r;
}

QString PractisedText(qint64 seconds)
{
    const qint64 minutes = seconds / 60;
    if (minutes >= 60)
        return QStringLiteral("%1時間 %2分").arg(minutes / 60).arg(minutes % 60);
    return QStringLiteral("%1分").arg(minutes);
}

PupilReport MakeReport(RecordStore &record, const QString &pupilId, const ReportRange &range,
                       const std::function<QString(int)> &screenName)
{
    PupilReport report;
    report.pupilId = pupilId;
    report.pupilName = record.pupilById(pupilId).name;
    report.range = range;
    QMap<QPair<int, int>, int> index;
    QMap<QPair<int, int>, QList<ChartPoint>> points;
    for (const SessionRow &s : record.allSessions(pupilId)) {
        const QDate day = s.startedLocal.date();
        if (day < range.from || day > range.to)
            continue;
        ++report.sessions;
        report.seconds += s.seconds;
        if (s.mode != SessionMode::Drill || s.problems == 0)
            continue;
        const QPair<int, int> key(s.screen, s.menuItem);
        if (!index.contains(key)) {
            index.insert(key, report.drills.size());
            ReportDrill d;
            d.screen = s.screen;
            d.menuItem = s.menuItem;
            d.name = screenName(s.screen) + QStringLiteral("　") + s.menuText.trimmed();
            report.drills << d;
        }
        ReportDrill &d = report.drills[index.value(key)];
        ++d.sessions;
        d.best = std::max(d.best, s.score);
        d.latest = s.score;  // the sessions come oldest first
        points[key] << ChartPoint{s.startedLocal, s.score, s.seconds > 0 ? s.problems * 60.0 / s.seconds : 0.0};
    }
    std::stable_sort(report.drills.begin(), report.drills.end(),
                     [](const ReportDrill &a, const ReportDrill &b) { return a.sessions > b.sessions; });
    if (!report.drills.isEmpty()) {
        const ReportDrill &most = report.drills.first();
        report.chartName = most.name;
        report.chart = points.value({most.screen, most.menuItem});
    }
    return report;
}

void PaintKukuMapAndStumbles(QPainter &p, const QRectF &area, RecordStore *record, const PupilReport &report)
{
    const QRectF mapArea(area.left(), area.top(), area.width() * 0.48, area.height());
    const QRectF stumbleArea(mapArea.right() + area.width() * 0.04, area.top(), area.width() * 0.48, area.height());
    paintFrame(p, mapArea, QStringLiteral("九九の ちず"));
    paintFrame(p, stumbleArea, QStringLiteral("よく ある つまずき"));
    if (!record || report.pupilId.isEmpty())
        return;

    // The map of every fact the pupil met, square under its heading.
    const QRectF inside = mapArea.adjusted(30, 90, -30, -30);
    const double side = std::min(inside.width(), inside.height());
    p.save();
    PaintKukuMap(p, QRectF(inside.left() + (inside.width() - side) / 2, inside.top(), side, side),
                 LoadKukuMap(*record, report.pupilId));
    p.restore();

    // The three errors that explain most of the period's wrong answers,
    // each with its latest example and the hint the pupil was given.
    const QList<Stumble> stumbles = LoadStumbles(*record, report.pupilId, report.range.from, report.range.to);
    p.setPen(kInk);
    double y = stumbleArea.top() + 100;
    const double x = stumbleArea.left() + 30, w = stumbleArea.width() - 60;
    if (stumbles.isEmpty()) {
        p.setFont(Paper::font(34));
        p.drawText(QRectF(x, y, w, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("この きかんには ありません"));
        return;
    }
    for (int i = 0; i < std::min<qsizetype>(3, stumbles.size()); ++i) {
        const Stumble &s = stumbles.at(i);
        p.setFont(Paper::font(34, true));
        p.drawText(QRectF(x, y, w, 55), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1. %2（%3 かい）").arg(i + 1).arg(ErrorName(s.error)).arg(s.count));
        p.setFont(Paper::font(30));
        p.drawText(QRectF(x + 40, y + 60, w - 40, 50), Qt::AlignLeft | Qt::AlignVCenter, s.example);
        p.drawText(QRectF(x + 40, y + 115, w - 40, 95), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   ErrorHint(s.error));
        y += 215;
    }
}

bool PaintReport(QPagedPaintDevice &device, const PupilReport &report, RecordStore *record)
{
    QPainter p;
    if (!Paper::begin(p, device))
        return false;
    const double left = Paper::Margin, right = Paper::Width - Paper::Margin, width = right - left;
    p.setPen(kInk);
    p.setFont(Paper::font(75, true));
    p.drawText(QRectF(left, 110, width, 110), Qt::AlignCenter, QStringLiteral("がくしゅうの きろく"));
    p.setFont(Paper::font(48));
    const QString name = report.pupilName.isEmpty() ? QStringLiteral("　　　　") : report.pupilName;
    p.drawText(QRectF(left, 250, width, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("なまえ　%1").arg(name));
    p.drawText(QRectF(left, 250, width, 70), Qt::AlignRight | Qt::AlignVCenter, report.range.name);
    p.setFont(Paper::font(42));
    p.drawText(QRectF(left, 340, width, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("れんしゅう %1 かい　　れんしゅうした 時間 %2")
                   .arg(report.sessions)
                   .arg(PractisedText(report.seconds)));
    p.setPen(QPen(kInk, 5));
    p.drawLine(QPointF(left, 420), QPointF(right, 420));

    // The drills: name, times, best, latest, a はなまる for 100 てん.
    const double cols[] = {left, left + 1100, left + 1300, left + 1500, left + 1700};
    const double rowHeight = 70;
    double y = 450;
    p.setFont(Paper::font(36, true));
    p.setPen(kInk);
    const QStringList heads = {QStringLiteral("ドリル"), QStringLiteral("かい"), QStringLiteral("いちばん"),
                               QStringLiteral("さいご"), QString()};
    for (int c = 0; c < 4; ++c)
        p.drawText(QRectF(cols[c], y, (c < 4 ? cols[c + 1] : right) - cols[c] - 20, rowHeight),
                   (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, heads[c]);
    y += rowHeight;
    const int shown = std::min<int>(report.drills.size(), 10);
    for (int i = 0; i < shown; ++i, y += rowHeight) {
        const ReportDrill &d = report.drills[i];
        if (i % 2 == 0)
            p.fillRect(QRectF(left, y, width, rowHeight), kBand);
        p.setPen(kInk);
        p.setFont(Paper::font(38));
        p.drawText(QRectF(cols[0] + 15, y, cols[1] - cols[0] - 20, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, d.name);
        const QString figures[] = {QString::number(d.sessions), QStringLiteral("%1 てん").arg(d.best),
                                   QStringLiteral("%1 てん").arg(d.latest)};
        for (int c = 1; c < 4; ++c)
            p.drawText(QRectF(cols[c], y, cols[c + 1] - cols[c] - 20, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                       figures[c - 1]);
        if (d.hanamaru())
            paintHanamaru(p, QPointF(cols[4] + 60, y + rowHeight / 2), rowHeight * 0.45);
    }
    if (report.drills.isEmpty()) {
        p.setFont(Paper::font(38));
        p.drawText(QRectF(left, y, width, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("この きかんの ドリルは ありません"));
    }

    // The chart of the drill practised most, drawn at a screen's scale.
    const QRectF chartArea(left, 1300, width, 680);
    p.setPen(kInk);
    p.setFont(Paper::font(42, true));
    p.drawText(QRectF(left, 1230, width, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("せいせきの グラフ　%1").arg(report.chartName));
    p.save();
    p.translate(chartArea.topLeft());
    p.scale(3, 3);
    PaintScoreChart(p, QRectF(0, 0, chartArea.width() / 3, chartArea.height() / 3), report.chart);
    p.restore();

    PaintKukuMapAndStumbles(p, QRectF(left, 2050, width, 760), record, report);

    p.setPen(kFaint);
    p.setFont(Paper::font(24));
    p.drawText(QRectF(left, 2860, width, 40), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("ミヌカ"));
    return p.end();
}

bool WriteReportPdf(const QString &path, const PupilReport &report, RecordStore *record, QString *error)
{
    return WritePdf(path, QStringLiteral("がくしゅうの きろく"),
                    [&](QPagedPaintDevice &d) { return PaintReport(d, report, record); }, error);
}

// ---------------------------------------------------------------- the window

ReportWindow::ReportWindow(RecordStore *record, const Services &services, std::function<QString(int)> screenName,
                           QWidget *parent)
    : QDialog(parent), record_(record), services_(services), screenName_(std::move(screenName))
{
    setObjectName(QStringLiteral("ReportWindow"));
    setWindowTitle(QStringLiteral("きろくを プリント"));
    setFont(Look::face(14));
    PeriodBox = new QComboBox(this);
    PeriodBox->setObjectName(QStringLiteral("PeriodBox"));
    PeriodBox->addItem(QStringLiteral("こんしゅう"), int(ReportPeriod::Week));
    PeriodBox->addItem(QStringLiteral("こんげつ"), int(ReportPeriod::Month));
    PeriodBox->addItem(QStringLiteral("この 学期"), int(ReportPeriod::Term));
    PreviewButton = new QPushButton(QStringLiteral("みる…"), this);
    PrintButton = new QPushButton(QStringLiteral("いんさつ…"), this);
    PdfButton = new QPushButton(QStringLiteral("PDF に ほぞん…"), this);
    auto *row = new QHBoxLayout(this);
    row->addWidget(PeriodBox);
    row->addWidget(PreviewButton);
    row->addWidget(PrintButton);
    row->addWidget(PdfButton);

    connect(PreviewButton, &QPushButton::clicked, this, [this] {
        const PupilReport r = report();
        PreviewPages(this, windowTitle(), [&](QPagedPaintDevice &d) { return PaintReport(d, r, record_); });
    });
    connect(PrintButton, &QPushButton::clicked, this, [this] {
        const PupilReport r = report();
        PrintPages(this, [&](QPagedPaintDevice &d) { return PaintReport(d, r, record_); });
    });
    connect(PdfButton, &QPushButton::clicked, this, [this] {
        const QString path = AskPdfPath(this, QStringLiteral("きろく.pdf"));
        if (!path.isEmpty())
            savePdf(path);
    });
}

PupilReport ReportWindow::report()
{
    const ReportRange range =
        ReportRangeOf(ReportPeriod(PeriodBox->currentData().toInt()), services_.clock->now().date());
    if (!record_)
        return {};
    return MakeReport(*record_, pupil_, range, screenName_);
}

bool ReportWindow::savePdf(const QString &path)
{
    QString error;
    const bool ok = WriteReportPdf(path, report(), record_, &error);
    services_.dialogs->message(this, SavedText(path, ok, error));
    return ok;
}
