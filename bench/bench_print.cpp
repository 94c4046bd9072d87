// How long a 20-problem worksheet with its answer page takes to make: the
// problems drawn, both pages painted and the PDF written (goal 300 ms).
#include "print/paper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    for (SheetTopic topic : {SheetTopic::MentalAddition, SheetTopic::ColumnAddition4, SheetTopic::LengthCalculation}) {
        QList<double> wall, cpu;
        for (int run = 0; run < 11; ++run) {
            QElapsedTimer t;
            t.start();
            const std::clock_t c0 = std::clock();
            SheetRequest request;
            request.topic = topic;
            request.count = 20;
            request.seed = 1000 + run;
            if (!WriteWorksheetPdf(path, MakeWorksheet(request)))
                return 1;
            cpu << double(std::clock() - c0) * 1000.0 / CLOCKS_PER_SEC;
            wall << t.nsecsElapsed() / 1e6;
        }
        // The first run loads the face; the median of the rest is the figure.
        const double first = wall.takeFirst();
        cpu.removeFirst();
        std::sort(wall.begin(), wall.end());
        std::sort(cpu.begin(), cpu.end());
        std::printf("%s, %d problems: first %.1f ms, median %.1f ms wall, %.1f ms CPU (goal 300 ms)\n",
                    qPrintable(SheetTopicName(topic)), std::min(20, SheetLayoutOf(topic).capacity()), first,
                    wall[wall.size() / 2], cpu[cpu.size() / 2]);
    }
    return 0;
}
