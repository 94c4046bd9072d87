#pragma once
// What the benchmarks share: a log filled as a long drill would have left
// it, the pupil's steps on a drill with their times (wall and CPU), and
// percentiles of the times measured.
#include "frame/drill.h"
#include "store/datamodule.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

inline double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

inline double maxOf(const std::vector<double> &v)
{
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

inline double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// CPU time of this thread: what a step costs without the time other
// programs took the processor meanwhile (the machine may be shared).
inline double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Times of a step taken many times, on the wall clock and in CPU time: up
// to the event loop having painted what the step changed (what the pupil
// waits for), and, where measured, with the whole screen painted again on
// top (a bound: every control redrawn, changed or not).
struct StepTimes {
    std::vector<double> wall, cpu, wallWhole, cpuWhole;

    void add(double wallMs, double cpuMsTaken)
    {
        wall.push_back(wallMs);
        cpu.push_back(cpuMsTaken);
    }
    void addWhole(double wallMs, double cpuMsTaken)
    {
        wallWhole.push_back(wallMs);
        cpuWhole.push_back(cpuMsTaken);
    }
    void add(const StepTimes &other)
    {
        wall.insert(wall.end(), other.wall.begin(), other.wall.end());
        cpu.insert(cpu.end(), other.cpu.begin(), other.cpu.end());
        wallWhole.insert(wallWhole.end(), other.wallWhole.begin(), other.wallWhole.end());
        cpuWhole.insert(cpuWhole.end(), other.cpuWhole.begin(), other.cpuWhole.end());
    }
    // "median 1.20 ms, p99 2.40 ms, max 3.10 ms; CPU median 0.90 ms, p99 1.50 ms"
    void print(const char *what) const
    {
        std::printf("%s: median %.2f ms, p99 %.2f ms, max %.2f ms; CPU median %.2f ms, p99 %.2f ms\n", what,
                    percentile(wall, 0.5), percentile(wall, 0.99), maxOf(wall), percentile(cpu, 0.5),
                    percentile(cpu, 0.99));
        if (!wallWhole.empty())
            std::printf("    with the whole screen repainted too: median %.2f ms, p99 %.2f ms; CPU median %.2f ms,"
                        " p99 %.2f ms\n",
                        percentile(wallWhole, 0.5), percentile(wallWhole, 0.99), percentile(cpuWhole, 0.5),
                        percentile(cpuWhole, 0.99));
    }
};

// Fills a log table ("dorill", or the units drill's "dorills") as a long
// drill would have, through a second connection in one transaction, so that
// preparing a bench does not take minutes.
inline bool logRows(const QString &folder, bool units, int rows)
{
    const QString name = QStringLiteral("bench-filler");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(folder + QStringLiteral("/kyozai"));
        if (db.open() && db.transaction()) {
            QSqlQuery q(db);
            ok = q.prepare(units ? QStringLiteral("insert into dorills (NB, MND, KAI, KOT, HNT) values (?, ?, ?, ?, ?)")
                                 : QStringLiteral("insert into dorill (NB, MND, KAI, KOT, HNT) values (?, ?, ?, ?, ?)"));
            for (int i = 1; ok && i <= rows; ++i) {
                q.addBindValue(i);
                if (units) {
                    q.addBindValue(QStringLiteral("　%1 km  %2 m + %3 m").arg(i % 9).arg(i % 1000).arg(i % 7000));
                    q.addBindValue(QStringLiteral("　%1 km %2 m").arg(i % 9 + 1).arg(i % 1000));
                    q.addBindValue(QStringLiteral("　%1 km %2 m").arg(i % 9 + 1).arg(i % 1000));
                } else {
                    q.addBindValue(QStringLiteral("　%1 + %2").arg(10 + i % 89).arg(11 + i % 88));
                    q.addBindValue(21 + i % 89 + i % 88);
                    q.addBindValue(21 + i % 89 + i % 88);
                }
                q.addBindValue(QStringLiteral(" ○"));
                ok = q.exec();
            }
            q.finish();
            ok = db.commit() && ok;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

inline void settle(QWidget *w)
{
    QCoreApplication::processEvents();
    w->repaint();
}

// The drill's log query, "dorill" or the units drill's "dorills".
inline TQuery *logOf(TDrillScreen *s, TDataModule1 *data)
{
    return s->drill().log == TDrill::Log::Units ? data->UnitsLogQuery : data->DrillLogQuery;
}

// The answer pickers open now, from the left (the highest place) on.
inline QList<TComboBox *> openPickers(TDrillScreen *s)
{
    QList<TComboBox *> out;
    for (TComboBox *c : s->findChildren<TComboBox *>())
        if (c != s->ComboBox1 && c != s->ComboBox2 && c->isEnabled() && c->isVisibleTo(s) && c->count() > 0)
            out << c;
    std::sort(out.begin(), out.end(), [](TComboBox *a, TComboBox *b) { return a->x() < b->x(); });
    return out;
}

// One answer on any drill: its open pickers picked from the highest place
// down, each with what the dice say, until the answer is logged. The pick
// that logs it is timed, from the pick to the event loop having painted the
// screen's changes (and again after a repaint of the whole screen); false
// when no pick logged an answer.
inline bool answerOnce(TDrillScreen *s, TDataModule1 *data, std::mt19937 &dice, StepTimes *times = nullptr)
{
    TQuery *log = logOf(s, data);
    QList<TComboBox *> picked;
    for (int pass = 0; pass < 3; ++pass) {
        for (TComboBox *c : openPickers(s)) {
            if (picked.contains(c))
                continue;
            picked << c;
            const int before = log->model()->rowCount();
            QElapsedTimer step;
            step.start();
            const double cpu0 = cpuMs();
            c->pick(int(dice() % unsigned(c->count())));
            if (log->model()->rowCount() != before) {
                QCoreApplication::processEvents();  // what changed is painted
                if (times)
                    times->add(msSince(step), cpuMs() - cpu0);
                s->repaint();
                if (times)
                    times->addWhole(msSince(step), cpuMs() - cpu0);
                return true;
            }
            QCoreApplication::processEvents();
        }
    }
    return false;
}

// `answers` answers in a row on a started drill, each followed by "つぎへ".
inline bool answerSteps(TDrillScreen *s, TDataModule1 *data, int answers, std::mt19937 &dice, StepTimes *times)
{
    for (int a = 0; a < answers; ++a) {
        if (!answerOnce(s, data, dice, times))
            return false;
        s->CuteButton4->click();
    }
    return true;
}

// "スタート" on a drill whose log holds `rows` rows: answered once and
// stopped first, as a pupil's second drill is (スタート is shut while a
// drill runs), then timed from the click to the screen painted. False when
// the click started nothing (the log was not emptied).
inline bool timedStart(TDrillScreen *s, TDataModule1 *data, const QString &folder, int rows, std::mt19937 &dice,
                       StepTimes *times)
{
    if (!s->CuteButton3->isEnabled()) {
        if (!answerOnce(s, data, dice))
            return false;
        s->CuteButton5->click();  // ストップ
    }
    if (!logRows(folder, s->drill().log == TDrill::Log::Units, rows))
        return false;
    settle(s);
    if (!s->CuteButton3->isEnabled())
        return false;
    QElapsedTimer start;
    start.start();
    const double cpu0 = cpuMs();
    s->CuteButton3->click();
    QCoreApplication::processEvents();
    times->add(msSince(start), cpuMs() - cpu0);
    s->repaint();
    times->addWhole(msSince(start), cpuMs() - cpu0);
    return logOf(s, data)->model()->rowCount() == 0;
}
