#pragma once
// A throwaway PostgreSQL cluster for a test or a bench, through
// tests/tools/pgcluster.sh: started on a free port of 127.0.0.1 with the
// project's schema loaded, removed when this goes.
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QTcpServer>
#include <QUuid>

class PgCluster {
public:
    // `source` is the project's folder (for the script and the schema).
    explicit PgCluster(const QString &source) : script_(source + QStringLiteral("/tests/tools/pgcluster.sh"))
    {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
            trouble_ = QStringLiteral("Qt's PostgreSQL driver is not installed (libqt6sql6-psql)");
            return;
        }
        QTcpServer probe;  // a free port, given back at once
        if (!probe.listen(QHostAddress::LocalHost, 0)) {
            trouble_ = QStringLiteral("no free port");
            return;
        }
        port_ = probe.serverPort();
        probe.close();
        QString out;
        if (run({QStringLiteral("start"), QString::number(port_), source + QStringLiteral("/sql/server/install.sql")},
                &out))
            dir_ = out.trimmed().split(QLatin1Char('\n')).last();
    }
    ~PgCluster()
    {
        closeAdmin();
        if (!dir_.isEmpty())
            run({QStringLiteral("remove"), dir_});
    }

    bool running() const { return !dir_.isEmpty(); }
    QString trouble() const { return trouble_; }
    int port() const { return port_; }

    bool stop()
    {
        closeAdmin();
        return run({QStringLiteral("stop"), dir_});
    }
    bool startAgain() { return run({QStringLiteral("again"), dir_}); }
    // Runs SQL (one or more statements) as the superuser, over the socket;
    // the first column of the last statement's rows, one a line.
    QString psql(const QString &sql)
    {
        if (!admin_.isOpen()) {
            admin_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pg-admin"));
            admin_.setHostName(dir_);  // the folder of the server's socket
            admin_.setPort(port_);
            admin_.setDatabaseName(QStringLiteral("minuka"));
            admin_.setUserName(QStringLiteral("minuka_admin"));
            if (!admin_.open())
                qWarning("pg admin: %s", qPrintable(admin_.lastError().text()));
        }
        QSqlQuery q(admin_);
        if (!q.exec(sql))
            qWarning("pg admin: %s", qPrintable(q.lastError().text()));
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        return out.join(QLatin1Char('\n'));
    }
    // A connection over TCP with a login and its password.
    QSqlDatabase connect(const QString &login, const QString &password)
    {
        const QString name = QStringLiteral("pg-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(QStringLiteral("127.0.0.1"));
        db.setPort(port_);
        db.setDatabaseName(QStringLiteral("minuka"));
        db.setUserName(login);
        db.setPassword(password);
        db.open();
        return db;
    }

private:
    void closeAdmin()
    {
        if (admin_.isValid()) {
            admin_.close();
            admin_ = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("pg-admin"));
        }
    }
    bool run(const QStringList &args, QString *out = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral("bash"), QStringList{script_} + args);
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            trouble_ = QString::fromUtf8(p.readAllStandardError()).trimmed();
            if (trouble_.isEmpty())
                trouble_ = QStringLiteral("pgcluster.sh %1 failed").arg(args.value(0));
            return false;
        }
        if (out)
            *out = QString::fromUtf8(p.readAllStandardOutput());
        return true;
    }

    QSqlDatabase admin_;
    QString script_;
    QString dir_;
    QString trouble_;
    int port_ = 0;
};
