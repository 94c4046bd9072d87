// A second copy of the program, reduced to its drill log: it opens the data
// module on a folder and posts answers one by one, saying "posted k" after
// each, then waits to be killed.
//
//   storechild <folder> <rows>     rows < 0: post without end

#include "store/datamodule.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: storechild <folder> <rows>\n");
        return 2;
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
