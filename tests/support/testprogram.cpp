#include "testprogram.h"

#include "frame/frame.h"

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

TestProgram::TestProgram()
{
    ResetLessonState();
    Services seams{&clock, &random, &dialogs, &cues, &quitter, &shower, &help, nullptr};
    program = std::make_unique<Program>(seams, dataDir.path());
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
