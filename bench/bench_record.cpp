// The pupil's record after ten years of daily practice (73,000 sessions,
// about 2,000,000 answers): the きろく window opened and painted, one drill's
// chart over the ten years, the drill's answer step with that history and
// 50,000 rows in "dorill", "スタート" on 50,000 rows, and the file's size.
//
//   QT_QPA_PLATFORM=offscreen bench_record [folder to keep the filled file in] [answers]
//
// A folder given keeps the filled file, so a second run skips the filling.

#include "benchlog.h"
#include "lessons/mental/drill.h"
#include "record/chart.h"
#include "record/kukumap.h"
#include "record/stumbles.h"
#include "record/window.h"
#include "recordseed.h"
#include "store/datamodule.h"
#include "store/record.h"
#include "testprogram.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}


// CPU time of this thread, apart from what other programs took meanwhile.
double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

qint64 fileSize(const QString &folder)
{
    qint64 size = 0;
    for (const char *f : {"/kyozai", "/kyozai-wal"})
        size += QFileInfo(folder + QLatin1String(f)).size();
    return size;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const int answers = argc > 2 ? std::atoi(argv[2]) : 300;
    QDir().mkpath(folder);

    const QDate today(2026, 4, 10);
    if (!QFileInfo::exists(folder + QStringLiteral("/kyozai"))) {
        QElapsedTimer fill;
        fill.start();
        RecordSeed seed;
        seed.firstDay = today.addDays(-3650);
        seed.days = 3650;
        seed.sessionsPerDay = 20;
        seed.skipEvery = 0;
        seed.answersPerSession = 27;
        seed.longerOfFive = 2;  // 27.4 answers a session on average
        seed.minutesApart = 10;
        if (SeedRecord(folder, seed).isEmpty()) {
            std::fprintf(stderr, "could not fill the record\n");
            return 1;
        }
        std::printf("filled in %.1f s\n", double(fill.elapsed()) / 1000);
    }

    TestProgram t(folder);
    t.clock.set(QDateTime(today, QTime(17, 0)));
    RecordStore *record = t.program->data()->record();
    QString pupil;
    for (const Pupil &p : record->pupils())
        if (!p.name.isEmpty())
            pupil = p.id;
    record->setPupil(pupil);
    const auto counts = TestProgram::storedRows(
        folder, QStringLiteral("select (select count(*) from sessions), (select count(*) from answers)"));
    std::printf("record: %lld sessions, %lld answers\n", counts[0][0].toLongLong(), counts[0][1].toLongLong());

    // The きろく window: made, filled and painted, the first time and again.
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer open;
        open.start();
        t.contents()->RecordWindow1->trigger();
        QWidget *w = t.contents()->recordWindow();
        QCoreApplication::processEvents();
        w->repaint();
        std::printf("きろく window open and painted (%s): %.1f ms (goal 150 ms)\n",
                    run == 0 ? "first, file opened" : "again", ms(open));
        w->hide();
        QCoreApplication::processEvents();
    }

    // One drill's chart over ten years.
    std::vector<double> charts;
    size_t points = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer chart;
        chart.start();
        const QList<ChartPoint> p = record->chart(pupil, 5, 1);
        QImage image(600, 300, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        PaintScoreChart(painter, QRectF(0, 0, 600, 300), p);
        painter.end();
        charts.push_back(ms(chart));
        points = size_t(p.size());
    }
    std::printf("one drill's chart over ten years (%zu sessions), read and painted: median %.1f ms, max %.1f ms"
                " (goal 50 ms)\n",
                points, percentile(charts, 0.5), *std::max_element(charts.begin(), charts.end()));

    // The つまずき list: the last 30 days as the window shows it, and every
    // wrong answer of the ten years diagnosed; the 九九 map over ten years.
    for (const int days : {30, 3650}) {
        QElapsedTimer list;
        list.start();
        const double cpu = cpuMs();
        int wrong = 0;
        const QList<Stumble> stumbles = LoadStumbles(*record, pupil, today.addDays(1 - days), today, &wrong);
        std::printf("つまずき list over %d days (%d wrong answers, %lld errors named): %.1f ms, %.1f ms CPU"
                    " (goal 1000 ms)\n",
                    days, wrong, static_cast<long long>(stumbles.size()), ms(list), cpuMs() - cpu);
    }
    {
        QElapsedTimer map;
        map.start();
        const KukuMap kuku = LoadKukuMap(*record, pupil);
        std::printf("九九 map over ten years (%d answers on facts): %.1f ms\n", kuku.answers(), ms(map));
    }

    // The drill on 50,000 logged rows.
    auto *drill = qobject_cast<TForm5 *>(t.open(5));
    drill->ComboBox1->pick(0);
    drill->ComboBox2->pick(0);
    std::vector<double> starts;
    drill->CuteButton3->click();
    for (int run = 0; run < 5; ++run) {
        if (!logRows(folder, false, 50000))
            return 1;
        drill->CuteButton5->click();  // ストップ, so that スタート is open again
        QElapsedTimer start;
        start.start();
        drill->CuteButton3->click();
        starts.push_back(ms(start));
    }
    std::printf("スタート on 50,000 rows: median %.1f ms, max %.1f ms\n", percentile(starts, 0.5),
                *std::max_element(starts.begin(), starts.end()));

    if (!logRows(folder, false, 50000))
        return 1;
    std::vector<double> steps;
    for (int k = 0; k < answers; ++k) {
        const int answer = LessonState.Answer;
        drill->ComboBox5->pick(answer / 100);
        drill->ComboBox4->pick(answer / 10 % 10);
        QCoreApplication::processEvents();
        QElapsedTimer step;
        step.start();
        drill->ComboBox3->pick(answer % 10);  // the log row and the record rows committed
        QCoreApplication::processEvents();
        drill->repaint();
        steps.push_back(ms(step));
        drill->CuteButton4->click();
    }
    if (!t.dialogs.asked.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(t.dialogs.asked.last().text));
        return 1;
    }
    std::printf("answer step, %d answers, ten years of record, 50,000 rows in dorill: median %.2f ms, p99 %.2f ms,"
                " max %.2f ms (goal p99 4 ms)\n",
                answers, percentile(steps, 0.5), percentile(steps, 0.99),
                *std::max_element(steps.begin(), steps.end()));
    std::printf("file size: %.1f MiB\n", double(fileSize(folder)) / (1024 * 1024));
    return 0;
}
