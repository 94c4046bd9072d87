// The whole program with fakes on a given data folder, running a real drill
// on the mental-arithmetic drill screen: it answers problems one by one,
// saying "answered k" once the k-th answer is logged, then waits to be killed.
//
//   drillchild <folder> <answers>

#include "lessons/mental/drill.h"
#include "testprogram.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: drillchild <folder> <answers>\n");
        return 2;
    }
    TestProgram t(QString::fromLocal8Bit(argv[1]));
    const long answers = std::atol(argv[2]);

    QWidget *drill = t.open(5);
    if (!drill) {
        std::fprintf(stderr, "the drill screen did not open\n");
        return 1;
    }
    TestProgram::pick(drill, QStringLiteral("ComboBox1"), 0);  // " たし算"
    TestProgram::pick(drill, QStringLiteral("ComboBox2"), 0);  // no time limit
    TestProgram::click(drill, QStringLiteral("CuteButton3"));
    for (long k = 1; k <= answers; ++k) {
        const int answer = LessonState.Answer;
        TestProgram::pick(drill, QStringLiteral("ComboBox5"), answer / 100);
        TestProgram::pick(drill, QStringLiteral("ComboBox4"), answer / 10 % 10);
        TestProgram::pick(drill, QStringLiteral("ComboBox3"), answer % 10);
        if (!t.dialogs.asked.isEmpty()) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(t.dialogs.asked.last().text));
            return 1;
        }
        std::printf("answered %ld\n", k);
        std::fflush(stdout);
        TestProgram::click(drill, QStringLiteral("CuteButton4"));
    }
    return app.exec();
}
