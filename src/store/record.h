#pragma once
// The pupil's record: who practised (pupils), each drill run or visit to a
// lesson's test (sessions) and every marked answer with its problem as data
// (answers). It lives in the drill log's database file, in tables of its
// own, versioned with the file's user_version and migrated in one
// transaction when the file is opened. This class owns every statement on
// those tables but the tallies (record/tallies.h); they are plain SQL that a class's PostgreSQL server runs as
// well (text keys holding UUIDs, integers, no SQLite-only syntax), except
// for the version, read and written in schemaVersion()/setSchemaVersion().
#include "store/boundwrite.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>

class QSqlError;
// What a failed statement says, for a message: the database's own words
// where it gave any.
QString SqlErrorText(const QSqlError &error);

class QSqlDatabase;
class QSqlQuery;

struct Pupil {
    QString id;         // a UUID
    QString name;       // empty for the default pupil of a machine with one pupil
    QString className;  // optional, such as "３年２組"
    int number = 0;     // 出席番号, 0 when not given
};

// A problem as data: its kind and operands, enough to pose it again and to
// see which kind of problem a pupil gets wrong. Operands left null are unused.
struct RecordedProblem {
    QString kind;  // such as "add", "sub", "mul", "div", "divrem", "units:volume"
    QVariant a, b, c, d;
};

// One marked answer.
struct RecordedAnswer {
    int problemNo = 0;
    QString shown;  // the problem as the pupil saw it
    RecordedProblem data;
    QVariant rightAnswer, givenAnswer;        // integers (the smaller unit on a units problem)
    QVariant rightRemainder, givenRemainder;  // a division's remainders, else null
    QString rightText, givenText;             // the answers as texts where they carry units
    bool right = false;
    qint64 ms = 0;  // from the problem being posed to this answer
    QDateTime posedAt;
    QDateTime answeredAt;
};

enum class SessionMode { Drill, Test };

struct SessionStart {
    int screen = 0;  // the form number of the drill or lesson
    SessionMode mode = SessionMode::Drill;
    int menuItem = 0;
    QString menuText;   // the menu item as the pupil read it
    int timeLimit = 0;  // seconds, 0 for none
    QDateTime startedAt;
};

// The results of a session as its screen shows them.
struct SessionCounts {
    int problems = 0;
    int right = 0;
    int score = 0;  // out of 100, as the results show it
    int seconds = 0;
    QDateTime at;  // when these counts were taken: the session's end so far
    bool finished = false;
};

// A session as the きろく window lists it.
struct SessionRow {
    QString id;
    QString pupilId;
    int screen = 0;
    SessionMode mode = SessionMode::Drill;
    int menuItem = 0;
    QString menuText;
    int timeLimit = 0;
    QDateTime startedLocal;
    QString startedUtc;  // ISO text with "Z", the order of sessions
    QDateTime endedLocal;
    int problems = 0, right = 0, score = 0, seconds = 0;
    bool finished = false;
};

struct AnswerRow {
    int seq = 0;
    RecordedAnswer answer;
};

// One point of a drill's chart: a session's score and pace.
struct ChartPoint {
    QDateTime at;  // the local wall-clock time the session began, as it reads
    int score = 0;
    double perMinute = 0;  // problems a minute
};

// A drill and menu item a pupil has practised, for the chart's choice.
struct PractisedItem {
    int screen = 0;
    int menuItem = 0;
    QString menuText;
};

// A problem in the pupil's review box: answered wrongly once, posed again
// on its due day until it is mastered. `key` names the problem (its kind and
// operands), so the same problem answered wrongly again is the same entry.
struct ReviewEntry {
    QString key;
    RecordedProblem problem;
    QString shown;                  // as the pupil last saw it
    QVariant rightAnswer, rightRemainder;
    QString rightText;
    QVariant givenAnswer, givenRemainder;  // the last wrong answer
    QString givenText;
    int box = 1;    // 1 … 3; past the last box it is mastered
    QDate due;      // the local day it is due
    int wrongCount = 0;
};

// A wrong answer as the つまずき list reads it: the answer, and the day of
// its session.
struct WrongAnswer {
    QDate day;
    int screen = 0;
    RecordedAnswer answer;
};

// One answer on a times-table fact, as the 九九 map reads it.
struct FactAnswer {
    QString kind;
    int a = 0, b = 0, c = 0;
    bool right = false;
    qint64 ms = 0;
};

struct Totals {
    int sessions = 0;  // drills done (and lesson tests)
    int drills = 0;
    qint64 problems = 0, right = 0, seconds = 0;
};

class RecordStore : public QObject {
    Q_OBJECT
public:
    // The version of the record's tables this program knows.
    static constexpr int SchemaVersion = 3;

    // `open` opens the database file (and calls attach()) if it is not open
    // yet; false when it cannot.
    explicit RecordStore(std::function<bool()> open, QObject *parent = nullptr);

    // Called once the file is open: reads its version and brings the record's
    // tables up to SchemaVersion in one transaction. A file of a newer
    // version is left as it is and nothing is recorded (refused() once).
    void attach(QSqlDatabase *db);
    void detach();
    // The file is open, of a version this program knows, and writable so far.
    bool recording();
    // The version the file carries (0 before any record), -1 when unopened.
    int fileVersion() const { return version_; }

    // ---- pupils
    // The pupil in use; empty means the default pupil, made when first needed.
    void setPupil(const QString &id) { pupil_ = id; }
    // The pupil in use as stored, the default pupil if the one set is gone.
    Pupil currentPupil();
    QList<Pupil> pupils();  // by class, number, name
    Pupil pupilById(const QString &id);
    QString addPupil(const Pupil &pupil);  // the new id, empty on failure
    bool updatePupil(const Pupil &pupil);
    // Removes the pupil with every session and answer of theirs, in one
    // transaction.
    bool removePupil(const QString &id);

    // ---- writing a session
    // A new session of the pupil in use; its id, or empty when not recording.
    QString beginSession(const SessionStart &start);
    // The rows of one marked answer: the answer itself and the session's
    // counts. They are handed to the drill log (written with its row) or to
    // write().
    static QList<BoundWrite> answerWrites(const QString &session, int seq, const RecordedAnswer &answer,
                                          const SessionCounts &counts);
    // The answer's own rows: the answer and its tallies, without the
    // session's counts (a record copied from elsewhere brings those).
    static QList<BoundWrite> answerRowWrites(const QString &session, int seq, const RecordedAnswer &answer);
    static BoundWrite countsWrite(const QString &session, const SessionCounts &counts);
    static BoundWrite sessionWrite(const QString &id, const QString &pupil, const SessionStart &start);
    // Writes the statements in one transaction; all or nothing.
    bool write(const QList<BoundWrite> &writes);
    // The same for the rows of a drill or a test being recorded: handed to
    // the drill log's line of writes, so that while another program holds
    // the file they wait and are written, in order, with the next write.
    // True when written or waiting; false when they cannot be kept.
    using Poster = std::function<bool(const QList<BoundWrite> &)>;
    void setPoster(Poster poster) { poster_ = std::move(poster); }
    bool post(const QList<BoundWrite> &writes);

    // ---- reading
    int sessionCount(const QString &pupilId);
    // Newest first; `after` continues a list below the row last read.
    QList<SessionRow> sessions(const QString &pupilId, int limit, const SessionRow *after = nullptr);
    QList<SessionRow> allSessions(const QString &pupilId);  // oldest first; empty id: every pupil's
    QList<AnswerRow> answers(const QString &sessionId);
    // Calls `each` for every answer of the pupil's (or every pupil's) sessions,
    // in the sessions' order, without holding them all.
    bool forEachAnswer(const QString &pupilId,
                       const std::function<void(const QString &session, const AnswerRow &)> &each);
    QList<PractisedItem> practisedItems(const QString &pupilId);
    QList<ChartPoint> chart(const QString &pupilId, int screen, int menuItem);
    // Minutes practised on each local day from `from` on.
    QMap<QDate, int> minutesByDay(const QString &pupilId, const QDate &from);
    // Totals of sessions started at or after `since` (local); null: all time.
    Totals totals(const QString &pupilId, const QDateTime &since = {});

    // Texts and times as the record keeps them.
    static QString localText(const QDateTime &t);  // "2026-04-10T10:00:00"
    static QString utcText(const QDateTime &t);    // "2026-04-10T01:00:00Z"
    static QString modeText(SessionMode mode);     // "drill", "test"

    // ---- the review box (record/review.h keeps its schedule)
    // The key of a problem in the review box: "add:38:27::".
    static QString reviewKey(const RecordedProblem &problem);
    // A wrong answer into the box of the session's pupil: a new problem,
    // or one already there (mastered or not), goes to the first box, due
    // the day after `at`. Written with the answer (answerWrites adds it for
    // every wrong answer of a problem with a kind, at its answeredAt).
    static BoundWrite reviewWrite(const QString &session, const RecordedAnswer &answer, const QDateTime &at);
    // Moves a problem of the pupil's box to `box`, due on `due`.
    static BoundWrite reviewMoveWrite(const QString &pupilId, const QString &key, int box, const QDate &due);
    // The problems due on `day` or before, not yet mastered, the longest
    // due first (then the oldest in the box); `limit` 0 for all.
    QList<ReviewEntry> dueReviews(const QString &pupilId, const QDate &day, int limit = 0);
    int dueReviewCount(const QString &pupilId, const QDate &day);
    // Every problem of the pupil's box, mastered ones too, by key.
    QList<ReviewEntry> reviewBox(const QString &pupilId);

    // ---- the つまずき list and the 九九 map
    // The wrong answers of the pupil's sessions started from `from` (local
    // day, inclusive) to `to` (inclusive), in the sessions' order.
    bool forEachWrongAnswer(const QString &pupilId, const QDate &from, const QDate &to,
                            const std::function<void(const WrongAnswer &)> &each);
    // The pupil's answers on one-digit facts: multiplications of two digits
    // 1 … 9 ("mul") and divisions whose divisor and quotient are 1 … 9
    // ("div", "divrem"), in no particular order.
    bool forEachFactAnswer(const QString &pupilId, const std::function<void(const FactAnswer &)> &each);
    // Every pupil's wrong answers and answers that may be on a fact, with the
    // pupil and the local day of their session, in the sessions' order: what
    // the tallies count.
    bool forEachTallyAnswer(
        const std::function<void(const QString &pupil, const QDate &day, const RecordedAnswer &)> &each);

    // Runs a select with bound values, calling `row` for each row read.
    bool read(const QString &sql, const QList<QVariant> &values, const std::function<void(const QSqlQuery &)> &row);

signals:
    // Once: the file is of a newer version, or the record could not be
    // written; the text is for the pupil and the parents.
    void refused(const QString &message);

private:
    QSqlDatabase *db();
    bool migrate();
    int schemaVersion();
    bool setSchemaVersion(int version);
    void fail(const QString &detail);
    QString defaultPupil();

    std::function<bool()> open_;
    Poster poster_;
    QSqlDatabase *db_ = nullptr;
    int version_ = -1;
    bool usable_ = true;
    bool told_ = false;
    QString pupil_;
};
