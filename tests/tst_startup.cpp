// The program as a pupil starts it: the real executable, as separate
// processes. A second start on the same data folder brings the first copy's
// window to the front and ends; another folder (another login) runs beside
// it; a lock left by a killed copy is taken over. Without a Japanese font
// the program says which package to install.
#include "app/oneprogram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

QString programPath()
{
    return QStringLiteral(MINUKA_BIN_DIR "/minuka");
}

// The program started with its per-user data under `dataHome`.
std::unique_ptr<QProcess> startProgram(const QString &dataHome, const QStringList &moreEnv = {})
{
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QString &kv : moreEnv)
        env.insert(kv.section(QLatin1Char('='), 0, 0), kv.section(QLatin1Char('='), 1));
    p->setProcessEnvironment(env);
    p->start(programPath(), {});
    return p;
}

QString dataFolder(const QString &dataHome)
{
    return QDir(dataHome).filePath(QStringLiteral("minuka"));
}

// Until the copy for `dataHome` answers on its socket.
bool listening(const QString &dataHome, QProcess &program)
{
    if (!program.waitForStarted())
        return false;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 30000 && program.state() == QProcess::Running) {
        QLocalSocket probe;
        probe.connectToServer(OneProgram::serverName(dataFolder(dataHome)));
        if (probe.waitForConnected(200))
            return true;
        QTest::qWait(50);
    }
    return false;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void oneCopyPerDataFolder();
    void noJapaneseFontIsSaid();
};

void StartupTest::oneCopyPerDataFolder()
{
    QTemporaryDir pupil, sibling;
    auto first = startProgram(pupil.path());
    QVERIFY(first->waitForStarted());
    QVERIFY(listening(pupil.path(), *first));
    QVERIFY(QFileInfo::exists(QDir(dataFolder(pupil.path())).filePath(QStringLiteral("minuka.lock"))));

    // The icon double-clicked again: no second copy, the first is asked to
    // come to the front (it answers, or the second would end with 1).
    auto second = startProgram(pupil.path());
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);

    // Another login runs its own copy beside it.
    auto other = startProgram(sibling.path());
    QVERIFY(listening(sibling.path(), *other));
    QCOMPARE(other->state(), QProcess::Running);

    // A copy killed outright leaves its lock behind; the next start takes it
    // over, and a start after that finds the new copy.
    first->kill();
    QVERIFY(first->waitForFinished());
    auto third = startProgram(pupil.path());
    QVERIFY(listening(pupil.path(), *third));
    auto fourth = startProgram(pupil.path());
    QVERIFY(fourth->waitForFinished(20000));
    QCOMPARE(fourth->exitCode(), 0);
    QCOMPARE(third->state(), QProcess::Running);

    for (QProcess *p : {other.get(), third.get()}) {
        p->kill();
        p->waitForFinished();
    }
    // With the fonts of this machine nothing is said about fonts.
    QVERIFY(!third->readAllStandardError().contains("No Japanese font"));
}

void StartupTest::noJapaneseFontIsSaid()
{
    // A machine whose only font is a Latin one.
    QTemporaryDir home;
    const QString latin = QStringLiteral("/usr/share/fonts/truetype/dejavu");
    QFile conf(home.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                              "<fontconfig><dir>%1</dir><cachedir>%2</cachedir></fontconfig>\n")
                   .arg(QDir(latin).exists() ? latin : home.filePath(QStringLiteral("none")),
                        home.filePath(QStringLiteral("cache")))
                   .toUtf8());
    conf.close();
    auto program = startProgram(home.path(), {QStringLiteral("FONTCONFIG_FILE=") + conf.fileName()});
    QVERIFY(program->waitForStarted());
    QByteArray said;
    QElapsedTimer waited;
    waited.start();
    while (!said.contains("fonts-noto-cjk") && waited.elapsed() < 30000 && program->state() == QProcess::Running) {
        program->waitForReadyRead(200);
        said += program->readAllStandardError();
    }
    program->kill();
    program->waitForFinished();
    QVERIFY2(said.contains("No Japanese font is installed"), said.constData());
    QVERIFY2(said.contains("sudo apt-get install fonts-noto-cjk"), said.constData());
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
