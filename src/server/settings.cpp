#include "server/settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

bool ServerSettings::isSet() const
{
    return !host.isEmpty() && !database.isEmpty() && !className.isEmpty() && !login.isEmpty();
}

QString ServerSettings::connectOptions() const
{
    QString options = QStringLiteral("connect_timeout=3;keepalives=1;keepalives_idle=10;keepalives_interval=3;"
                                     "keepalives_count=3;tcp_user_timeout=15000");
    if (!sslmode.isEmpty())
        options += QStringLiteral(";sslmode=") + sslmode;
    return options;
}

QString ServerSettings::key() const
{
    return QStringLiteral("%1:%2/%3/%4").arg(host).arg(port).arg(database, ClassKey(className));
}

QString SystemServerSettingsFile()
{
    return QStringLiteral("/etc/xdg/minuka/server.conf");
}

QString UserServerSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/minuka/server.conf");
}

namespace {
void readFile(const QString &path, ServerSettings *s)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(QStringLiteral("server"));
    auto text = [&](const char *key, QString *into) {
        const QString value = file.value(QLatin1String(key)).toString().trimmed();
        if (file.contains(QLatin1String(key)))
            *into = value;
    };
    text("host", &s->host);
    text("database", &s->database);
    text("sslmode", &s->sslmode);
    text("class", &s->className);
    text("login", &s->login);
    text("password", &s->password);
    text("teacher", &s->teacherLogin);
    if (file.contains(QStringLiteral("port"))) {
        bool ok = false;
        const int port = file.value(QStringLiteral("port")).toInt(&ok);
        if (ok && port > 0 && port < 65536)
            s->port = port;
    }
    if (file.contains(QStringLiteral("names")))
        s->sendNames = file.value(QStringLiteral("names")).toBool();
}
}  // namespace

ServerSettings ReadServerSettings(const QString &systemFile, const QString &userFile)
{
    ServerSettings s;
    readFile(systemFile, &s);
    readFile(userFile, &s);
    return s;
}

QString ClassKey(const QString &className)
{
    return className.normalized(QString::NormalizationForm_KC).simplified().remove(QLatin1Char(' '));
}
