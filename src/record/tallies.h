#pragma once
// What the つまずき list and the 九九 map read, kept as the answers are
// recorded, so that ten years of answers are never read again to show them:
//
//   stumble_days  for each pupil, local day (of the session) and error, how
//                 many wrong answers the error explains and the latest of
//                 them as the list's example; wrong answers no error
//                 explains are counted under the empty key.
//   fact_times    for each pupil and times-table fact, how many answers were
//                 given on it in each tenth of a second they took and how
//                 many of those were right: the map's counts, and its median
//                 time to the tenth of a second it shows.
//
// Their rows are written with the answer's own rows, in its transaction, and
// filled from the answers already recorded when a file gains the tables.
#include "record/diagnosis.h"
#include "store/boundwrite.h"
#include "store/record.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

class QSqlDatabase;

// The time an answer's fact is kept at: to the nearest tenth of a second.
qint64 FactTimeMs(qint64 ms);

// The tally rows of one recorded answer of `session`: one more wrong answer
// for its error on the session's day, one more answer on its fact. Empty
// for a right answer on no fact.
QList<BoundWrite> TallyWrites(const QString &session, const RecordedAnswer &answer);

// Empties the tallies and counts every answer of `record` into them again,
// written through `db` inside the caller's transaction. Empty on success,
// else what failed.
QString RecountTallies(RecordStore &record, QSqlDatabase &db);

// One day's count of an error, as kept.
struct StumbleDay {
    QDate day;
    ArithmeticError error = ArithmeticError::None;  // None: explained by no error
    int wrong = 0;
    QString example;
};
// The pupil's counts from `from` to `to` (local days, both included),
// oldest day first.
bool ForEachStumbleDay(RecordStore &record, const QString &pupilId, const QDate &from, const QDate &to,
                       const std::function<void(const StumbleDay &)> &each);

// One fact's answers in one tenth of a second, as kept.
struct FactTime {
    int a = 0, b = 0;  // the fact a x b
    qint64 ms = 0;
    int answers = 0, right = 0;
};
// The pupil's facts, each fact's times from the quickest up.
bool ForEachFactTime(RecordStore &record, const QString &pupilId, const std::function<void(const FactTime &)> &each);
