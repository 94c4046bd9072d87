#pragma once
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

// One running copy of the program per data folder: two copies on one drill
// log would empty and number each other's answers. The first start holds a
// lock file in the data folder and listens on a local socket named after
// the folder; a later start for the same folder finds the lock, asks the
// running copy over the socket to bring its window to the front, and ends.
// A lock left by a copy that was killed is taken over. Another pupil's
// login (another data folder) runs a copy of its own beside it.
class OneProgram : public QObject {
    Q_OBJECT
public:
    explicit OneProgram(const QString &dataFolder, QObject *parent = nullptr);
    ~OneProgram() override;

    enum class Start {
        First,    // this copy runs; it holds the lock and listens
        Raised,   // a running copy was found and brought to the front: end now
        NoAnswer, // a copy holds the lock but does not answer: end all the same
        Unknown,  // the folder cannot hold a lock (not writable): run unguarded
    };
    // Takes the lock or reaches the copy that holds it. `waitMs`: how long
    // a later start tries to reach a running copy that is still starting.
    Start start(int waitMs = 5000);

    // The socket name for a data folder (the same folder always gives the
    // same name, two folders two names).
    // Gives up the folder: the lock and the socket are free for the next
    // start (the program starting itself again in a new size).
    void release();

    static QString serverName(const QString &dataFolder);
    QString lockPath() const;

signals:
    // Another start for this folder asked for the window.
    void raiseRequested();

private:
    void listen();

    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer *server_ = nullptr;
};
