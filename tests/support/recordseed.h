#pragma once
// A pupil's record filled as if they had practised for a while, written
// straight into the database file through the record's own statements, in
// one transaction: the record window's tests, its screenshot and the bench
// start from it.
#include <QDate>
#include <QString>

struct RecordSeed {
    QString pupilName = QStringLiteral("はな");
    QDate firstDay = QDate(2026, 3, 1);
    int days = 28;
    int sessionsPerDay = 2;     // every `skipEvery`-th day has none
    int skipEvery = 5;          // 0: no day is skipped
    int answersPerSession = 10;
    int longerOfFive = 0;       // sessions in every five with one answer more
    int minutesApart = 30;      // between a day's sessions, from 16:00
    bool kuku = false;          // a sixth drill too, on the times table's facts
    unsigned seed = 7;
    QString className = QStringLiteral("３年１組");
    int number = 12;  // 出席番号
};

// Opens (and if need be makes) the database in `folder`, adds the pupil and
// their sessions and answers, and counts them into the record's tallies; the
// pupil's id, or empty on failure. Sessions
// go round the drills and their menu items; scores rise slowly with noise.
QString SeedRecord(const QString &folder, const RecordSeed &seed);
