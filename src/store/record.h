#pragma once
// The pupil's record: who practised (pupils), each drill run or visit to a
// lesson's test (sessions) and every marked answer with its problem as data
// (answers). It lives in the drill log's database file, in tables of its
// own, versioned with the file's user_version and migrated in one
// transaction when the file is opened. This class owns every statement on
// those tables; they are plain SQL that a class's PostgreSQL server runs as
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

struct Totals {
    int sessions = 0;  // drills done (and lesson tests)
    int drills = 0;
    qint64 problems = 0, right = 0, seconds = 0;
};

class RecordStore : public QObject {
    Q_OBJECT
public:
    // The version of the record's tables this program knows.
    static constexpr int SchemaVersion = 1;

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

signals:
    // Once: the file is of a newer version, or the record could not be
    // written; the text is for the pupil and the parents.
    void refused(const QString &message);

private:
    QSqlDatabase *db();
    // Runs a select with bound values, calling `row` for each row read.
    bool read(const QString &sql, const QList<QVariant> &values, const std::function<void(const QSqlQuery &)> &row);
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
