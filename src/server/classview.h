#pragma once
// The class as its teacher sees it, read from the class's server: each
// pupil's week (drills done, time practised), their latest and best score
// on each drill, whose wrong answers rose this week and on what, and the
// class's つまずき. Plain data, so the window, the CSV file and the bench
// read the same thing.
#include "record/diagnosis.h"
#include "record/review.h"
#include "store/record.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>

struct DrillScores {
    int screen = 0;
    int latest = 0;  // the latest finished session's score
    int best = 0;
};

struct ClassPupil {
    int number = 0;  // 出席番号
    QString name;    // empty unless the school sends names
    int drillsThisWeek = 0;
    qint64 secondsThisWeek = 0;
    QList<DrillScores> drills;  // by screen
    int reviewsDue = -1;        // -1: not known on the server (the review box stays on the machine)
    int wrongThisWeek = 0, wrongLastWeek = 0;
    ArithmeticError stumble = ArithmeticError::None;  // this week's most frequent
    int stumbleCount = 0;

    // Wrong answers rose this week: one of "つまずいている子".
    bool stuck() const { return wrongThisWeek > wrongLastWeek; }
};

struct ClassStumble {
    ArithmeticError error = ArithmeticError::None;
    int count = 0;   // wrong answers it explains this week
    int pupils = 0;  // pupils who made it
};

struct ClassView {
    QString className;
    QDateTime weekStart;
    QList<ClassPupil> pupils;    // by number
    QList<int> screens;          // the drills anyone has done, in order
    QList<ClassStumble> stumbles;  // most first
    QString trouble;             // empty when read

    // The pupils whose wrong answers rose this week, the steepest first.
    QList<ClassPupil> stuck() const;
};

// Why a recorded answer is wrong, as the pupil's own つまずき list names it
// (DiagnoseAnswer of the review box).
using AnswerDiagnosis = std::function<ArithmeticError(const RecordedAnswer &)>;

// Monday 0:00 of the week `now` is in (local time).
QDateTime WeekStart(const QDateTime &now);

// Reads the class from the server (a teacher's login) for the week from
// `weekStart`.
ClassView ReadClassView(QSqlDatabase server, const QString &className, const QDateTime &weekStart,
                        const AnswerDiagnosis &diagnose = DiagnoseAnswer);

// Copies one pupil's sessions and answers from the server into `into` (a
// record of its own, such as one in memory), so the きろく window shows them
// as it shows a pupil of this machine. The pupil's id there, empty on failure.
QString CopyPupilRecord(QSqlDatabase server, const QString &className, int number, const QString &name,
                        RecordStore &into, QString *trouble);

// The class as a CSV file a spreadsheet opens as it is (as the record's
// own CSV files are written): one row per pupil.
bool WriteClassCsv(const ClassView &view, const QString &path, const std::function<QString(int)> &screenName,
                   QString *error);
