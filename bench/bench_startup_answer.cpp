// How long the pupil waits: the start-up (the data module, the contents
// screen and every lesson and drill screen, created hidden), and one answer
// on the mental-arithmetic drill with a long log already in "dorill" — the
// pick of the ones digit, the row written and committed to the SQLite file,
// and the screen painted again.
//
//   QT_QPA_PLATFORM=offscreen bench_startup_answer [answers] [rows already logged]

#include "lessons/mental/drill.h"
#include "recordseed.h"
#include "store/datamodule.h"
#include "testprogram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double percentile(std::vector<double> sorted, double p)
{
    std::sort(sorted.begin(), sorted.end());
    const size_t i = std::min(sorted.size() - 1, size_t(p * double(sorted.size() - 1) + 0.5));
    return sorted[i];
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int answers = argc > 1 ? std::atoi(argv[1]) : 500;
    const int logged = argc > 2 ? std::atoi(argv[2]) : 5000;

    QTemporaryDir folder;
    QElapsedTimer startup;
    startup.start();
    TestProgram t(folder.path());
    const double startupMs = double(startup.nsecsElapsed()) / 1e6;

    auto *drill = qobject_cast<TForm5 *>(t.open(5));
    if (!drill) {
        std::fprintf(stderr, "the drill screen did not open\n");
        return 1;
    }
    drill->ComboBox1->pick(0);
    drill->ComboBox2->pick(0);
    drill->CuteButton3->click();  // empties the log
    if (!FillDrillLog(folder.path(), logged)) {
        std::fprintf(stderr, "could not fill the log\n");
        return 1;
    }
    QCoreApplication::processEvents();

    std::vector<double> steps, commits;
    steps.reserve(size_t(answers));
    commits.reserve(size_t(answers));
    for (int k = 0; k < answers; ++k) {
        const int answer = LessonState.Answer;
        drill->ComboBox5->pick(answer / 100);
        drill->ComboBox4->pick(answer / 10 % 10);
        QCoreApplication::processEvents();
        QElapsedTimer step;
        step.start();
        drill->ComboBox3->pick(answer % 10);  // the row is committed when this returns
        commits.push_back(double(step.nsecsElapsed()) / 1e6);
        QCoreApplication::processEvents();
        drill->repaint();
        steps.push_back(double(step.nsecsElapsed()) / 1e6);
        drill->CuteButton4->click();
    }
    const int rows = drill->DBGrid1->model()->rowCount();
    if (!t.dialogs.asked.isEmpty() || rows != logged + answers) {
        std::fprintf(stderr, "the log holds %d rows, expected %d\n", rows, logged + answers);
        return 1;
    }

    std::printf("start-up, all screens created:      %8.2f ms (%d screens)\n", startupMs,
                int(t.program->forms().size()));
    std::printf("answer step, %d answers on %d rows: median %.2f ms, p99 %.2f ms, max %.2f ms\n", answers, logged,
                percentile(steps, 0.5), percentile(steps, 0.99), *std::max_element(steps.begin(), steps.end()));
    std::printf("  of which the pick up to the committed row: median %.2f ms, p99 %.2f ms\n", percentile(commits, 0.5),
                percentile(commits, 0.99));
    return 0;
}
