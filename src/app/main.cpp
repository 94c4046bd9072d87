#include "app/contents.h"
#include "app/program.h"
#include "app/windowsize.h"
#include "frame/frame.h"
#include "frame/lessonstate.h"
#include "frame/picture.h"
#include "frame/look.h"
#include "frame/platform_qt.h"
#include "store/datamodule.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Every window in the size the pupil chose ("おおきさ"), from the start.
    const bool scaled = ApplySavedWindowSize();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("minuka"));
    // The menu entry and the icon a desktop shows for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.minuka.Minuka"));
    QApplication::setFont(Look::face(16));

    QtClock clock;
    QtRandom random;
    QtDialogs dialogs;
    QtCuePlayer cues;
    QtQuitter quitter;
    QtScreenShower shower;
    QtHelpViewer help;
    Services seams{&clock, &random, &dialogs, &cues, &quitter, &shower, &help, nullptr};

    Program program(seams, TDataModule1::defaultFolder(), Program::Screens::Later);
    // A broken installation still starts (silent cues, a message for the
    // help), but says once what it could not find beside the program.
    for (const QString &path : MissingFiles(LessonState.AppDir))
        std::fprintf(stderr, "minuka: missing beside the program: %s\n", qPrintable(path));
    QApplication::setWindowIcon(QIcon(lessonPicture()));
    program.contents()->show();
    // The pupil sees the contents screen at once; the lesson and drill
    // screens are made behind it, in their order, before any click is taken
    // (a click that comes meanwhile waits for them).
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    program.createScreens();
    bool again = false;
    program.contents()->restartForSize = [&again, &quitter] { again = true, quitter.quit(); };
    const int code = app.exec();
    if (again)
        StartAgain(scaled);
    return code;
}
