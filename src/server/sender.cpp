#include "server/sender.h"

#include <QDir>
#include <QTimer>
#include <memory>

class SendWorker : public QObject {
    Q_OBJECT
public:
    SendWorker(const ServerSettings &settings, const QString &record, const QString &marks,
               ServerSender::Pace pace, std::atomic_bool *stopping)
        : settings_(settings), record_(record), marks_(marks), pace_(pace), stopping_(stopping)
    {
    }

public slots:
    void begin()
    {
        outbox_ = std::make_unique<Outbox>(settings_, record_, marks_);
        timer_ = new QTimer(this);
        timer_->setSingleShot(true);
        connect(timer_, &QTimer::timeout, this, [this] { look(false); });
        look(true);
    }
    void look(bool now)
    {
        if (!outbox_ || stopping_->load())
            return;
        if (now)
            retryMs_ = 0;
        if (now || outbox_->worthSending()) {
            const OutboxState s = outbox_->send([this] { return stopping_->load(); });
            // A try that did not get through waits longer each time.
            if (!s.trouble.isEmpty() && s.unsent != 0)
                retryMs_ = retryMs_ ? qMin(retryMs_ * 2, pace_.longestRetryMs) : pace_.firstRetryMs;
            else
                retryMs_ = 0;
            emit stateChanged(s);
        }
        timer_->start(retryMs_ ? retryMs_ : pace_.lookMs);
    }
    void end()
    {
        delete timer_;
        timer_ = nullptr;
        outbox_.reset();  // its connections close in this thread
    }

signals:
    void stateChanged(const OutboxState &state);

private:
    ServerSettings settings_;
    QString record_, marks_;
    ServerSender::Pace pace_;
    std::atomic_bool *stopping_;
    std::unique_ptr<Outbox> outbox_;
    QTimer *timer_ = nullptr;
    int retryMs_ = 0;
};

ServerSender::ServerSender(const ServerSettings &settings, const QString &record, const QString &marks, Pace pace,
                           QObject *parent)
    : QObject(parent), worker_(new SendWorker(settings, record, marks, pace, &stopping_))
{
    qRegisterMetaType<OutboxState>();
    thread_.setObjectName(QStringLiteral("server sender"));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SendWorker::stateChanged, this, [this](const OutboxState &s) {
        state_ = s;
        emit stateChanged(s);
    });
}

ServerSender::~ServerSender()
{
    stopping_ = true;
    if (thread_.isRunning()) {
        QMetaObject::invokeMethod(worker_, &SendWorker::end, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    } else {
        delete worker_;
    }
}

void ServerSender::start()
{
    if (thread_.isRunning())
        return;
    thread_.start(QThread::LowPriority);
    QMetaObject::invokeMethod(worker_, &SendWorker::begin, Qt::QueuedConnection);
}

void ServerSender::sendNow()
{
    QMetaObject::invokeMethod(worker_, [w = worker_] { w->look(true); }, Qt::QueuedConnection);
}

QString ServerSender::marksFile(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("server-sent"));
}

#include "sender.moc"
