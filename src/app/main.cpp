#include "app/contents.h"
#include "app/fontcheck.h"
#include "app/oneprogram.h"
#include "app/program.h"
#include "app/windowsize.h"
#include "frame/frame.h"
#include "frame/lessonstate.h"
#include "frame/picture.h"
#include "frame/look.h"
#include "frame/platform_qt.h"
#include "server/start.h"
#include "store/datamodule.h"

#include <QAction>
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

    // One copy per data folder: a second start brings the running copy's
    // window to the front and ends here.
    const QString dataFolder = TDataModule1::defaultFolder();
    OneProgram one(dataFolder);
    switch (one.start()) {
    case OneProgram::Start::Raised:
        return 0;
    case OneProgram::Start::NoAnswer:
        return 1;
    case OneProgram::Start::First:
    case OneProgram::Start::Unknown:
        break;
    }
    // A size kept on another screen (a projector's, a larger monitor's) that
    // this screen cannot hold, or cannot fill: once, start again fitted.
    if (const double fit = RefitForScreen(scaled)) {
        one.release();
        StartAgainAt(scaled, fit);
        return 0;
    }

    QtClock clock;
    QtRandom random;
    QtDialogs dialogs;
    QtCuePlayer cues;
    QtQuitter quitter;
    QtScreenShower shower;
    QtHelpViewer help;
    Services seams{&clock, &random, &dialogs, &cues, &quitter, &shower, &help, nullptr};

    Program program(seams, dataFolder, Program::Screens::Later);
    QObject::connect(&one, &OneProgram::raiseRequested, program.contents(), [&program] {
        TForm1 *contents = program.contents();
        contents->setWindowState((contents->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        contents->show();
        contents->raise();
        contents->activateWindow();
        // A lesson or drill open over the contents stays in front of it.
        if (QWidget *front = QApplication::activeModalWidget()) {
            front->raise();
            front->activateWindow();
        }
    });
    // A broken installation still starts (silent cues, a message for the
    // help), but says once what it could not find beside the program.
    for (const QString &path : MissingFiles(LessonState.AppDir))
        std::fprintf(stderr, "minuka: missing beside the program: %s\n", qPrintable(path));
    // On the whole screen the windows stand on a backdrop, without frames.
    const bool fullScreen = StartFullScreenStage();
    PutOnStage(program.contents());
    program.contents()->show();
    // The pupil sees the contents screen at once; the lesson and drill
    // screens are made behind it, in their order, before any click is taken
    // (a click that comes meanwhile waits for them).
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // What the first window does not need waits until it is up.
    QApplication::setWindowIcon(QIcon(lessonPicture()));
    // Without a Japanese font every text would be boxes: say which package
    // is missing, on stderr and once on screen.
    const QString undrawable = UndrawableCharacters(QApplication::font(), ShownTexts(program.contents()));
    const QString fontMessage = undrawable.isEmpty() ? QString() : MissingFontMessage(undrawable);
    if (!fontMessage.isEmpty())
        std::fprintf(stderr, "minuka: %s\n", qPrintable(fontMessage));
    program.createScreens();
    for (QWidget *w : QApplication::topLevelWidgets())
        PutOnStage(w);
    // F11 (and Esc on the whole screen) from any window: the menu's choice.
    app.installEventFilter(new FullScreenKeys(fullScreen, [&program] {
        if (auto *fill = program.contents()->findChild<QAction *>(QStringLiteral("WindowSizeFill")))
            fill->trigger();
    }, &app));
    if (!fontMessage.isEmpty()) {
        QMetaObject::invokeMethod(program.contents(), [&dialogs, &program, fontMessage] {
            dialogs.message(program.contents(), fontMessage);
        }, Qt::QueuedConnection);
    }
    // A class's server, when the settings name one: the record goes to it
    // from a thread of its own, and a sign beside the pupil's name says
    // whether it all got there. No settings, nothing started.
    const std::unique_ptr<ServerSender> sender = StartSending(ReadServerSettings(), program.data(), program.contents());
    bool again = false;
    program.contents()->restartForSize = [&again, &quitter] { again = true, quitter.quit(); };
    const int code = app.exec();
    if (again) {
        // The new copy must find the folder free, not this one still in it.
        one.release();
        StartAgain(scaled);
    }
    return code;
}
