#include "drivers.h"

#include <QTimer>

QList<int> repeated(const QList<int> &values, int times)
{
    QList<int> out;
    for (int i = 0; i < times; ++i)
        out += values;
    return out;
}

// ---------------------------------------------------------------- drills

DrillDriver::DrillDriver(int form, bool soundOn)
{
    if (soundOn)
        t.soundOn();
    s = qobject_cast<TDrillScreen *>(t.open(form));
}

bool DrillDriver::start(int menuItem, const QList<int> &draws, int timeItem)
{
    if (!s)
        return false;
    t.random.script(draws);
    const bool menuPicked = s->ComboBox1->pick(menuItem);
    const bool timePicked = s->ComboBox2->pick(timeItem);
    return TestProgram::click(s, QStringLiteral("CuteButton3")) && menuPicked && timePicked;
}

bool DrillDriver::act(const QString &step)
{
    const QString arg = step.section(QLatin1Char(':'), 1);
    if (step.startsWith(QLatin1String("menu:")))
        return s->ComboBox1->pick(arg.toInt());
    if (step.startsWith(QLatin1String("time:")))
        return s->ComboBox2->pick(arg.toInt());
    if (step.startsWith(QLatin1String("wait:"))) {
        t.clock.advance(arg.toInt());
        return true;
    }
    if (step.startsWith(QLatin1String("ticks:")) || step == QLatin1String("timeup")) {
        // The drill clock, a second a tick, while it runs.
        const int ticks = step == QLatin1String("timeup") ? s->TimeLimit - s->TickCount : arg.toInt();
        for (int n = ticks; n > 0; --n) {
            t.clock.advance(1);
            if (s->Timer3->isActive())
                s->Timer3Timer();
        }
        return true;
    }
    if (step.startsWith(QLatin1String("draws:"))) {
        QList<int> draws;
        for (const QString &n : arg.split(QLatin1Char(',')))
            draws << n.toInt();
        t.random.script(draws);
        return true;
    }
    if (step.startsWith(QLatin1String("ComboBox")))
        return TestProgram::pick(s, step.section(QLatin1Char(':'), 0, 0), arg.toInt());
    if (step == QLatin1String("right"))
        return answer(LessonState.Answer);
    if (step == QLatin1String("wrong"))
        return answer(LessonState.Answer + 1);
    if (step == QLatin1String("back"))
        return TestProgram::click(s, QStringLiteral("CuteButton2")) && s->isHidden();
    if (step == QLatin1String("reopen"))
        return t.open(s->objectName().mid(4).toInt()) == s;
    static const QList<std::pair<QString, QString>> buttons{{QStringLiteral("start"), QStringLiteral("CuteButton3")},
                                                            {QStringLiteral("next"), QStringLiteral("CuteButton4")},
                                                            {QStringLiteral("stop"), QStringLiteral("CuteButton5")},
                                                            {QStringLiteral("results"), QStringLiteral("CuteButton6")}};
    for (const auto &[role, button] : buttons)
        if (step == role)
            return TestProgram::click(s, button);
    qWarning("not a drill step: %s", qPrintable(step));
    return false;
}

bool DrillDriver::actAll(const QStringList &steps)
{
    for (const QString &step : steps)
        if (!act(step)) {
            qWarning("step %s could not be taken", qPrintable(step));
            return false;
        }
    return true;
}

bool DrillDriver::answer(int value)
{
    const QList<PlaceRow> &places = s->drill().places;
    for (int place = int(places.size()) - 1; place >= 1; --place) {
        auto *picker = TestProgram::control<TComboBox>(s, places[place].name);
        if (picker->isEnabled() && value >= places[place].weight && !picker->pick(value / places[place].weight % 10))
            return false;
    }
    return TestProgram::pick(s, places[0].name, value % 10);
}

QString DrillDriver::enabled(const QList<std::pair<QString, QString>> &pickers, bool inView) const
{
    QList<std::pair<QWidget *, QString>> controls{
        {s->ComboBox1, QStringLiteral("menu")},   {s->ComboBox2, QStringLiteral("time")},
        {s->CuteButton3, QStringLiteral("start")}, {s->CuteButton4, QStringLiteral("next")},
        {s->CuteButton5, QStringLiteral("stop")},  {s->CuteButton6, QStringLiteral("results")},
    };
    for (const auto &[name, role] : pickers)
        controls.append({TestProgram::control<QWidget>(s, name), role});
    QStringList out;
    for (const auto &[w, role] : controls)
        if (w->isEnabled() && !(inView && w->isHidden()))
            out << role;
    if (inView && !s->DBGrid1->isHidden())
        out << QStringLiteral("grid");
    return out.join(QLatin1Char(' '));
}

QString DrillDriver::enabled(bool inView) const
{
    QList<std::pair<QString, QString>> pickers;
    const QList<PlaceRow> &places = s->drill().places;
    for (auto p = places.crbegin(); p != places.crend(); ++p)
        pickers.append({p->name, p->placeName});
    return enabled(pickers, inView);
}

QStringList DrillDriver::results() const
{
    return {s->Label5->caption(), s->Label6->caption(), s->Label7->caption(), s->Label8->caption()};
}

QList<QVariantList> DrillDriver::rows() const
{
    if (s->drill().log == TDrill::Log::Units)
        return TestProgram::storedRows(t.dataDir.path(),
                                       QStringLiteral("select NB, MND, KAI, KOT, HNT from dorills order by rowid"));
    return TestProgram::storedRows(t.dataDir.path());
}

// ---------------------------------------------------------------- lessons

LessonDriver::LessonDriver(int form) : s(t.open(form)) {}

TComboBox *LessonDriver::picker(const QString &placeName) const
{
    for (TComboBox *c : s->findChildren<TComboBox *>())
        if (c->text() == placeName && c->isEnabled() && !c->isHidden())
            return c;
    TComboBox *picked = picked_.value(placeName);
    return picked && picked->isEnabled() && !picked->isHidden() ? picked : nullptr;
}

bool LessonDriver::pick(const QString &placeName, int index)
{
    TComboBox *c = picker(placeName);
    if (!c)
        return false;
    picked_.insert(placeName, c);
    return c->pick(index);
}
