#pragma once
// A pupil's report on one A4 page, for a parent's fridge or a teacher's
// folder: the drills done in a week, a month or a term with their best and
// latest scores (a はなまる beside every 100 てん), the chart of scores over
// the period, the time practised, and the 九九 map and the most frequent
// つまずき.
#include "frame/platform.h"
#include "store/record.h"

#include <QDate>
#include <QDialog>
#include <QRectF>
#include <functional>

class QComboBox;
class QPagedPaintDevice;
class QPainter;
class QPushButton;

enum class ReportPeriod { Week, Month, Term };

// The days a report covers, both ends included, and its name:
// "4月6日（月）〜4月12日（日）", "2026年4月", "1学期".
struct ReportRange {
    QDate from, to;
    QString name;
};
// The week (from Monday), the month, or the school term (1学期 April to
// August, 2学期 September to December, 3学期 January to March) of `today`.
ReportRange ReportRangeOf(ReportPeriod period, const QDate &today);

// One drill and menu item practised in the period.
struct ReportDrill {
    int screen = 0;
    int menuItem = 0;
    QString name;      // the drill by its name on the contents screen, and the menu item
    int sessions = 0;
    int best = 0;      // the best score
    int latest = 0;    // the score of the last session
    bool hanamaru() const { return best == 100; }
};

struct PupilReport {
    QString pupilId;
    QString pupilName;
    ReportRange range;
    QList<ReportDrill> drills;  // most practised first
    int sessions = 0;           // drills and lesson tests
    qint64 seconds = 0;         // time practised
    QString chartName;          // the drill the chart shows: the one practised most
    QList<ChartPoint> chart;
};

PupilReport MakeReport(RecordStore &record, const QString &pupilId, const ReportRange &range,
                       const std::function<QString(int)> &screenName);
// Time practised as the report says it: "2時間 5分", "45分".
QString PractisedText(qint64 seconds);

// The 九九 map and the three most frequent つまずき of the period, each with
// an example and its hint, in their place on the page.
void PaintKukuMapAndStumbles(QPainter &painter, const QRectF &area, RecordStore *record, const PupilReport &report);

// The report onto one page of the device; `record` feeds the 九九 map.
bool PaintReport(QPagedPaintDevice &device, const PupilReport &report, RecordStore *record);
bool WriteReportPdf(const QString &path, const PupilReport &report, RecordStore *record, QString *error = nullptr);

// The report's window, opened from the きろく window: the period, then the
// report shown, printed or saved as a PDF.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(RecordStore *record, const Services &services, std::function<QString(int)> screenName,
                 QWidget *parent = nullptr);
    void setPupil(const QString &pupilId) { pupil_ = pupilId; }

    QComboBox *PeriodBox;  // "こんしゅう", "こんげつ", "この 学期"
    QPushButton *PreviewButton;
    QPushButton *PrintButton;
    QPushButton *PdfButton;

    PupilReport report();
    bool savePdf(const QString &path);

private:
    RecordStore *record_;
    const Services &services_;
    std::function<QString(int)> screenName_;
    QString pupil_;
};
