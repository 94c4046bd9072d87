// How long the pupil waits: the start-up (the data module, the contents
// screen and every lesson and drill screen, created hidden), and one answer
// on the mental-arithmetic drill with a long log already in "dorill" — the
// pick that closes the answer, the row written and committed to the SQLite
// file, and the screen painted again.
//
//   QT_QPA_PLATFORM=offscreen bench_startup_answer [answers] [rows already logged]

#include "lessons/mental/drill.h"
#include "store/datamodule.h"
#include "testprogram.h"
#include "benchlog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <random>

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
    if (!logRows(folder.path(), false, logged)) {
        std::fprintf(stderr, "could not fill the log\n");
        return 1;
    }
    QCoreApplication::processEvents();

    std::mt19937 dice(7);
    StepTimes steps;
    if (!answerSteps(drill, t.program->data(), answers, dice, &steps)) {
        std::fprintf(stderr, "no answer was logged\n");
        return 1;
    }
    const int rows = drill->DBGrid1->model()->rowCount();
    if (!t.dialogs.asked.isEmpty() || rows != logged + answers) {
        std::fprintf(stderr, "the log holds %d rows, expected %d\n", rows, logged + answers);
        return 1;
    }

    std::printf("start-up, all screens created:      %8.2f ms (%d screens)\n", startupMs,
                int(t.program->forms().size()));
    steps.print(qPrintable(QStringLiteral("answer step, %1 answers on %2 rows").arg(answers).arg(logged)));
    return 0;
}
