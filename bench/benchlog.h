#pragma once
// What the benchmarks share: a log filled as a long drill would have left
// it, and percentiles of the times measured.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <algorithm>
#include <vector>

inline double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

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
