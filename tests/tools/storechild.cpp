// A second copy of the program, reduced to its drill log: it opens the data
// module on a folder and posts answers one by one, saying "posted k" after
// each, then waits to be killed.
//
//   storechild <folder> <rows> [start]   rows < 0: post without end; start:
//   the moment (ms since the epoch) to begin, so several children use a
//   fresh folder at once

#include "store/datamodule.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: storechild <folder> <rows>\n");
        return 2;
    }
    if (argc > 3) {
        const qint64 wait = std::atoll(argv[3]) - QDateTime::currentMSecsSinceEpoch();
        if (wait > 0)
            QThread::msleep(static_cast<unsigned long>(wait));
    }
    TDataModule1 data(QString::fromLocal8Bit(argv[1]));
    QObject::connect(&data, &TDataModule1::failed, [](const QString &message) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    });
    const long rows = std::atol(argv[2]);
    for (long k = 1; rows < 0 || k <= rows; ++k) {
        if (!data.OpenDrillLog())
            return 1;
        TQuery *log = data.DrillLogQuery;
        log->append();
        log->setField(0, int(k));
        log->setField(1, QStringLiteral("　%1 + 1").arg(k));
        log->setField(2, int(k + 1));
        log->setField(3, int(k + 1));
        log->setField(4, QStringLiteral(" ○"));
        if (!log->post())
            return 1;
        std::printf("posted %ld\n", k);
        std::fflush(stdout);
    }
    return app.exec();
}
