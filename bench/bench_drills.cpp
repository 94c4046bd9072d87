// What a pupil waits for and what the program holds, over all five drills,
// with the drill log on the real disk:
//
// - every screen opened from the contents screen once and again (from the
//   click to the screen painted), and the resident memory once every screen
//   has been opened and closed;
// - "スタート" with a long log already in the drill's table (the log emptied,
//   the first problem posed, the screen painted);
// - one answer step on each drill with a long log: the pick that closes the
//   answer, the row committed to the file, events processed and the screen
//   painted. The pickers are picked from the highest place down; a wrong
//   answer is logged as a right one is, so the digits are whatever comes.
//
//   QT_QPA_PLATFORM=offscreen bench_drills [answers] [rows,rows,...] [folder]
//
// The folder (default: a fresh one in the current directory, so on the disk
// the build lives on, not in a memory file system) holds the database.

#include "frame/drill.h"
#include "store/datamodule.h"
#include "testprogram.h"
#include "benchlog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>
#include <random>
#include <vector>

namespace {

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int answers = argc > 1 ? std::atoi(argv[1]) : 500;
    QList<int> sizes{5000, 50000};
    if (argc > 2) {
        sizes.clear();
        for (const QByteArray &n : QByteArray(argv[2]).split(','))
            sizes << n.toInt();
    }
    QTemporaryDir here(QDir::current().filePath(QStringLiteral("bench-drills-XXXXXX")));
    const QString folder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : here.path();
    QDir().mkpath(folder);
    QFile::remove(folder + QStringLiteral("/kyozai"));

    QElapsedTimer startup;
    startup.start();
    TestProgram t(folder);
    const double startupMs = msSince(startup);
    TDataModule1 *data = t.program->data();
    QCoreApplication::processEvents();
    const double rssAtStart = residentMiB();
    if (!data->OpenDrillLog())  // the file and its tables, for the filler
        return std::fprintf(stderr, "the log cannot be opened\n"), 1;

    // Every screen, opened from the contents and closed again, twice.
    std::vector<double> firstOpens, reopens;
    double worstReopen = 0;
    int worstForm = 0;
    for (int round = 0; round < 2; ++round) {
        for (int form : t.program->forms()) {
            QElapsedTimer open;
            open.start();
            TScreen *s = t.open(form);
            if (!s) {
                std::fprintf(stderr, "form %d did not open\n", form);
                return 1;
            }
            settle(s);
            const double took = msSince(open);
            (round == 0 ? firstOpens : reopens).push_back(took);
            if (round == 1 && took > worstReopen)
                worstReopen = took, worstForm = form;
            TestProgram::click(s, QStringLiteral("CuteButton2"));
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();  // a hidden screen gives its window back
        }
    }
    const double rss = residentMiB();

    std::printf("start-up, all screens created: %.1f ms (%d screens)\n", startupMs, int(t.program->forms().size()));
    std::printf("opening a screen: first time median %.1f ms, max %.1f ms; again median %.1f ms, max %.1f ms (form %d)\n",
                percentile(firstOpens, 0.5), *std::max_element(firstOpens.begin(), firstOpens.end()),
                percentile(reopens, 0.5), worstReopen, worstForm);
    std::printf("resident memory: %.1f MiB after start-up, %.1f MiB after every screen was opened and closed\n",
                rssAtStart, rss);

    std::mt19937 dice(7);
    const QList<int> drills{5, 8, 13, 20, 23};
    for (int rows : sizes) {
        StepTimes all, starts;
        for (int form : drills) {
            auto *s = qobject_cast<TDrillScreen *>(t.open(form));
            if (!s) {
                std::fprintf(stderr, "drill %d did not open\n", form);
                return 1;
            }
            s->ComboBox1->pick(0);
            s->ComboBox2->pick(0);
            for (int k = 0; k < 3; ++k)  // "スタート" on a long log
                if (!timedStart(s, data, folder, rows, dice, &starts))
                    return std::fprintf(stderr, "drill %d: スタート did not start\n", form), 1;
            if (!logRows(folder, s->drill().log == TDrill::Log::Units, rows))
                return std::fprintf(stderr, "could not fill the log\n"), 1;
            settle(s);
            StepTimes steps;
            if (!answerSteps(s, data, answers, dice, &steps)) {
                std::fprintf(stderr, "drill %d: no answer was logged\n", form);
                return 1;
            }
            if (!t.dialogs.asked.isEmpty()) {
                std::fprintf(stderr, "drill %d: %s\n", form, qPrintable(t.dialogs.asked.last().text));
                return 1;
            }
            steps.print(qPrintable(QStringLiteral("  drill %1 on %2 rows, answer step").arg(form, 2).arg(rows)));
            all.add(steps);
            s->close();
            QCoreApplication::processEvents();
        }
        all.print(qPrintable(QStringLiteral("all five drills on %1 rows, answer step").arg(rows)));
        starts.print(qPrintable(QStringLiteral("\"スタート\" on %1 rows").arg(rows)));
    }
    return 0;
}
