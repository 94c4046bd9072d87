#include "app/oneprogram.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <cstdio>

namespace {
const QByteArray kRaise = "raise\n";
const QByteArray kRaised = "raised\n";
}  // namespace

OneProgram::OneProgram(const QString &dataFolder, QObject *parent) : QObject(parent), folder_(dataFolder)
{
}

OneProgram::~OneProgram()
{
    release();
}

void OneProgram::release()
{
    if (server_)
        server_->close();
    if (lock_)
        lock_->unlock();
}

QString OneProgram::serverName(const QString &dataFolder)
{
    const QString canonical = QFileInfo(dataFolder).canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(QDir(dataFolder).absolutePath()) : canonical;
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("minuka-") + QString::fromLatin1(hash);
}

QString OneProgram::lockPath() const
{
    return QDir(folder_).filePath(QStringLiteral("minuka.lock"));
}

OneProgram::Start OneProgram::start(int waitMs)
{
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(lockPath());
    // Stale only when its holder is gone (a killed copy), never by age: a
    // drill may run for hours.
    lock_->setStaleLockTime(0);
    QDeadlineTimer deadline(waitMs);
    for (;;) {
        if (lock_->tryLock(0)) {
            listen();
            return Start::First;
        }
        if (lock_->error() != QLockFile::LockFailedError) {
            std::fprintf(stderr, "minuka: cannot lock %s; running without the one-copy guard\n",
                         qPrintable(QDir::toNativeSeparators(lockPath())));
            lock_.reset();
            return Start::Unknown;
        }
        // A copy runs: ask it to come to the front. It may be starting
        // still and not listen yet, or be ending and let the lock go.
        QLocalSocket socket;
        socket.connectToServer(serverName(folder_));
        if (socket.waitForConnected(500)) {
            socket.write(kRaise);
            if (socket.waitForBytesWritten(1000)) {
                while (!socket.canReadLine() && socket.waitForReadyRead(2000)) {
                }
                if (socket.canReadLine() && socket.readLine() == kRaised)
                    return Start::Raised;
            }
        }
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "minuka: another copy holds %s but does not answer\n",
                         qPrintable(QDir::toNativeSeparators(lockPath())));
            return Start::NoAnswer;  // two copies on one log would be worse
        }
        QThread::msleep(50);
    }
}

void OneProgram::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = serverName(folder_);
    // A socket left behind by a killed copy: this copy holds the lock now.
    QLocalServer::removeServer(name);
    if (!server_->listen(name)) {
        std::fprintf(stderr, "minuka: cannot listen on %s: %s\n", qPrintable(name),
                     qPrintable(server_->errorString()));
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    if (socket->readLine() == kRaise) {
                        emit raiseRequested();
                        socket->write(kRaised);
                        socket->flush();
                    }
                }
            });
        }
    });
}
