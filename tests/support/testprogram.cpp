#include "testprogram.h"

#include "frame/frame.h"
#include "frame/look.h"

#include <QDir>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

int FakeRandom::below(int n)
{
    asked.append(n);
    if (!script_.isEmpty()) {
        const int v = script_.takeFirst();
        if (n > 0 && (v < 0 || v >= n))
            qWarning("scripted draw %d is outside below(%d)", v, n);
        return v;
    }
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

QuitAnswer FakeDialogs::confirmQuit(QWidget *, const QString &question)
{
    asked.append({QStringLiteral("quit"), question});
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

namespace {
int cueOfPath(const QString &path)
{
    for (int n = 1; n <= 20; ++n)
        if (path.endsWith(QLatin1Char('/') + CuePath(n)) || path == CuePath(n))
            return n;
    return -1;
}
}  // namespace

void FakeCues::open(const QString &path)
{
    open_ = cueOfPath(path);
    opened.append(open_);
    sounding = 0;  // opening closes whatever was sounding
}

void FakeCues::play()
{
    played.append(open_);
    sounding = open_;
}

void FakeShower::showModal(QWidget *screen)
{
    shown.append(screen);
    screen->show();
}

TestProgram::TestProgram(const QString &dataFolder)
{
    ResetLessonState();
    Services seams{&clock, &random, &dialogs, &cues, &quitter, &shower, &help, nullptr};
    const QString folder = dataFolder.isEmpty() ? dataDir.path() : dataFolder;
    // The settings (the pupil in use) live beside the database, never in the
    // settings of the one running the tests.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    program = std::make_unique<Program>(seams, folder);
}

TestProgram::~TestProgram()
{
    program.reset();
    ResetLessonState();
}

TScreen *TestProgram::open(int form)
{
    const int before = shower.shown.size();
    if (!click(contents(), QStringLiteral("CuteButton%1").arg(form + 1)))
        return nullptr;
    if (shower.shown.size() == before)
        return nullptr;
    return qobject_cast<TScreen *>(shower.shown.last());
}

void TestProgram::soundOn()
{
    contents()->Timer3Timer();
}

bool TestProgram::click(QObject *screen, const QString &button)
{
    auto *b = screen->findChild<TCuteButton *>(button);
    if (!b || !b->isEnabled() || b->isHidden())
        return false;
    b->click();
    return true;
}

bool TestProgram::pick(QObject *screen, const QString &list, int index)
{
    auto *c = screen->findChild<TComboBox *>(list);
    return c && c->pick(index);
}

QString TestProgram::caption(QObject *screen, const QString &label)
{
    auto *l = screen->findChild<TLabel *>(label);
    return l ? l->caption() : QStringLiteral("<no %1>").arg(label);
}

QString TestProgram::layoutFault(QWidget *screen)
{
    QList<QWidget *> parts;
    for (QWidget *w : screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        auto *l = qobject_cast<TLabel *>(w);
        if (!w->isHidden() && !(l && l->caption().isEmpty()))
            parts << w;
    }
    const QRect window(0, 0, screen->width(), screen->height());
    for (int i = 0; i < parts.size(); ++i) {
        const QWidget *w = parts[i];
        if (!window.contains(w->geometry()))
            return w->objectName() + QStringLiteral(" reaches outside the window");
        for (int j = i + 1; j < parts.size(); ++j)
            if (w->geometry().intersects(parts[j]->geometry()))
                return w->objectName() + QStringLiteral(" overlaps ") + parts[j]->objectName();
        if (auto *l = qobject_cast<const TLabel *>(w)) {
            const QSize need = l->sizeHint();
            if (need.width() > l->width() || need.height() > l->height())
                return QStringLiteral("%1 needs %2 x %3 and has %4 x %5")
                    .arg(l->objectName())
                    .arg(need.width())
                    .arg(need.height())
                    .arg(l->width())
                    .arg(l->height());
        }
        // A working area that holds parts of its own is checked inside too.
        if (w->property("layoutArea").toBool()) {
            const QString inner = layoutFault(const_cast<QWidget *>(w));
            if (!inner.isEmpty())
                return w->objectName() + QStringLiteral(": ") + inner;
        }
    }
    return QString();
}

void TestProgram::shot(QWidget *screen, const QString &name)
{
    const QString folder = qEnvironmentVariable("MINUKA_SHOTS_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    screen->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

QList<QVariantList> TestProgram::storedRows(const QString &folder, const QString &sql)
{
    QList<QVariantList> rows;
    const QString name = QStringLiteral("test-log-reader");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(folder + QStringLiteral("/kyozai"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql)) {
                while (q.next()) {
                    QVariantList row;
                    for (int i = 0; i < q.record().count(); ++i)
                        row << q.value(i);
                    rows << row;
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}
