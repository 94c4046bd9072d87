#include "app/contents.h"
#include "app/program.h"
#include "frame/look.h"
#include "frame/platform_qt.h"
#include "store/datamodule.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("minuka"));
    QApplication::setFont(Look::face(16));

    QtClock clock;
    QtRandom random;
    QtDialogs dialogs;
    QtCuePlayer cues;
    QtQuitter quitter;
    QtScreenShower shower;
    QtHelpViewer help;
    Services seams{&clock, &random, &dialogs, &cues, &quitter, &shower, &help, nullptr};

    Program program(seams, TDataModule1::defaultFolder());
    program.contents()->show();
    return app.exec();
}
