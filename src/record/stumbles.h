#pragma once
// The つまずき list: for one pupil, how many of their wrong answers each
// systematic error explains over a span of days (the last 30 in the
// きろく window and the CSV export), the error explaining most first, each
// with its latest example. Plain data, so the window, the CSV file and a
// printed report show the same list.
#include "record/diagnosis.h"
#include "record/tallies.h"
#include "store/record.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QWidget>

struct Stumble {
    ArithmeticError error = ArithmeticError::None;
    int count = 0;
    QString example;  // the latest: "358 + 267 → 515（せいかい 625）"
};

// The days the list covers up to `today`: the last 30, today included.
inline constexpr int StumbleDays = 30;
QDate StumblesFrom(const QDate &today);

// Counts wrong answers error by error; answers no error explains are
// counted apart.
class StumbleCounter {
public:
    void add(const RecordedAnswer &answer);
    // A day's count as kept (record/tallies.h).
    void add(const StumbleDay &day);
    // Worst first; errors of equal count in the diagnosis's order.
    QList<Stumble> list() const;
    int wrong() const { return wrong_; }
    int unexplained() const { return unexplained_; }

private:
    int counts_[kArithmeticErrorCount] = {};
    RecordedAnswer examples_[kArithmeticErrorCount];  // the latest of each; its text made for the list
    QString exampleTexts_[kArithmeticErrorCount];     // or its text, as a day's count keeps it
    int wrong_ = 0;
    int unexplained_ = 0;
};

// An answer as the list's example shows it.
QString StumbleExample(const RecordedAnswer &answer);

// The pupil's list over the sessions begun from `from` to `to` (local days,
// both included). `wrong` and `unexplained`, when given, receive the number
// of wrong answers read and of those no error explains.
QList<Stumble> LoadStumbles(RecordStore &record, const QString &pupilId, const QDate &from, const QDate &to,
                            int *wrong = nullptr, int *unexplained = nullptr);

class QTableWidget;
class QLabel;

// The list in a window: the error's name, the count, the example and the
// hint the pupil is given.
class StumbleView : public QWidget {
    Q_OBJECT
public:
    explicit StumbleView(QWidget *parent = nullptr);
    void setList(const QList<Stumble> &list, int wrong, int unexplained);

    QTableWidget *StumbleList;  // one row per error, worst first
    QLabel *StumbleSummary;     // how many wrong answers, how many explained
};
