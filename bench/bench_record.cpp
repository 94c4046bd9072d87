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
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

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
        seed.kuku = true;  // a sixth of the drills on the times table's facts
        if (SeedRecord(folder, seed).isEmpty()) {
            std::fprintf(stderr, "could not fill the record\n");
            return 1;
        }
        std::printf("filled in %.1f s\n", double(fill.elapsed()) / 1000);
    }

    const int version = TestProgram::storedRows(folder, QStringLiteral("pragma user_version")).value(0).value(0).toInt();
    QElapsedTimer opening;
    opening.start();
    const double openCpu = cpuMs();
    TestProgram t(folder);
    t.clock.set(QDateTime(today, QTime(17, 0)));
    RecordStore *record = t.program->data()->record();
    if (!record->recording())
        return std::fprintf(stderr, "the record could not be opened\n"), 1;
    std::printf("record opened, version %d to %d: %.1f ms, %.1f ms CPU\n", version, record->fileVersion(),
                msSince(opening), cpuMs() - openCpu);
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
        const double cpu0 = cpuMs();
        t.contents()->RecordWindow1->trigger();
        QWidget *w = t.contents()->recordWindow();
        QCoreApplication::processEvents();
        w->repaint();
        std::printf("きろく window open and painted (%s): %.1f ms, CPU %.1f ms (goal 150 ms)\n",
                    run == 0 ? "first, file opened" : "again", msSince(open), cpuMs() - cpu0);
        w->hide();
        QCoreApplication::processEvents();
    }

    // One drill's chart over ten years.
    StepTimes charts, reads;
    size_t points = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer chart;
        chart.start();
        const double cpu0 = cpuMs();
        const QList<ChartPoint> p = record->chart(pupil, 5, 1);
        reads.add(msSince(chart), cpuMs() - cpu0);
        QImage image(600, 300, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        PaintScoreChart(painter, QRectF(0, 0, 600, 300), p);
        painter.end();
        charts.add(msSince(chart), cpuMs() - cpu0);
        points = size_t(p.size());
    }
    charts.print(qPrintable(
        QStringLiteral("one drill's chart over ten years (%1 sessions), read and painted (goal 50 ms)").arg(points)));

    reads.print("  of which read");

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
                    days, wrong, static_cast<long long>(stumbles.size()), msSince(list), cpuMs() - cpu);
    }
    {
        // The same, read from every answer as the list and the map were
        // before their counts were kept: the figures to compare with.
        QElapsedTimer list;
        list.start();
        const double cpu = cpuMs();
        StumbleCounter counter;
        record->forEachWrongAnswer(pupil, today.addDays(-3649), today, [&](const WrongAnswer &w) { counter.add(w.answer); });
        std::printf("  the same from every answer (%d wrong answers): %.1f ms, %.1f ms CPU\n", counter.wrong(),
                    msSince(list), cpuMs() - cpu);
        QElapsedTimer map;
        map.start();
        const double cpu2 = cpuMs();
        QList<FactAnswer> facts;
        record->forEachFactAnswer(pupil, [&](const FactAnswer &a) { facts << a; });
        const KukuMap kuku = MakeKukuMap(facts);
        std::printf("九九 map from every answer (%d answers on facts): %.1f ms, %.1f ms CPU\n", kuku.answers(),
                    msSince(map), cpuMs() - cpu2);
    }
    {
        QElapsedTimer map;
        map.start();
        const double cpu = cpuMs();
        const KukuMap kuku = LoadKukuMap(*record, pupil);
        std::printf("九九 map over ten years (%d answers on facts): %.1f ms, %.1f ms CPU\n", kuku.answers(),
                    msSince(map), cpuMs() - cpu);
    }

    // The drill with that history and 50,000 logged rows.
    auto *drill = qobject_cast<TForm5 *>(t.open(5));
    TDataModule1 *data = t.program->data();
    drill->ComboBox1->pick(0);
    drill->ComboBox2->pick(0);
    std::mt19937 dice(7);
    StepTimes starts;
    for (int run = 0; run < 5; ++run)
        if (!timedStart(drill, data, folder, 50000, dice, &starts))
            return std::fprintf(stderr, "スタート did not start\n"), 1;
    starts.print("スタート on 50,000 rows (goal 10 ms)");

    if (!logRows(folder, false, 50000))
        return 1;
    settle(drill);
    StepTimes steps;
    if (!answerSteps(drill, data, answers, dice, &steps))
        return std::fprintf(stderr, "no answer was logged\n"), 1;
    if (!t.dialogs.asked.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(t.dialogs.asked.last().text));
        return 1;
    }
    steps.print(qPrintable(QStringLiteral("answer step, %1 answers, ten years of record, 50,000 rows in dorill"
                                          " (goal p99 4 ms)")
                               .arg(answers)));
    std::printf("file size: %.1f MiB\n", double(fileSize(folder)) / (1024 * 1024));
    return 0;
}
