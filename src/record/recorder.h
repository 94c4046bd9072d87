#pragma once
// What a screen keeps of the session it is recording: its id in the record,
// the answers written so far and its counts. Drills count their problems
// themselves (the results show them); a lesson's test counts here, a problem
// once, right at most once.
#include "store/record.h"

class RecordStore;
class TScreen;

class SessionRecorder {
public:
    // Begins a new session (closing nothing: a session left open stays
    // unfinished). False when nothing is recorded.
    bool begin(RecordStore *record, const SessionStart &start);
    bool active() const { return !session_.isEmpty(); }
    const QString &session() const { return session_; }
    const SessionStart &start() const { return start_; }

    // The record rows of one marked answer with the session's counts; empty
    // when no session is being recorded.
    QList<BoundWrite> answerWrites(RecordStore *record, const RecordedAnswer &answer, const SessionCounts &counts);
    // Writes the session's counts as final.
    void finish(RecordStore *record, SessionCounts counts);
    void forget() { session_.clear(); }

    // ---- a lesson's test, which counts here
    // Records one mark of a lesson's test: begins the session of this visit
    // (or a new one when the menu item changed), writes the answer and the
    // counts in one transaction.
    void markTest(RecordStore *record, const SessionStart &start, RecordedAnswer answer);
    // The visit ends (the screen is left): its session is finished.
    void endTest(RecordStore *record, const QDateTime &now);

private:
    QString session_;
    SessionStart start_;
    int seq_ = 0;
    bool finished_ = false;
    // A lesson test's counts.
    int problems_ = 0, right_ = 0, lastProblem_ = -1;
    bool lastCounted_ = false;
};

// The form number of a screen, from the name start-up gives it ("Form5" → 5).
int ScreenForm(const TScreen *screen);
// A caption as the pupil reads it, its carriage returns as line breaks.
QString ShownText(const QString &caption);
