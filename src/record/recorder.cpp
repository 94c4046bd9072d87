#include "record/recorder.h"

#include "frame/drill.h"
#include "frame/screen.h"

bool SessionRecorder::begin(RecordStore *record, const SessionStart &start)
{
    session_.clear();
    seq_ = 0;
    finished_ = false;
    problems_ = right_ = 0;
    lastProblem_ = -1;
    lastCounted_ = false;
    start_ = start;
    if (record)
        session_ = record->beginSession(start);
    return active();
}

QList<BoundWrite> SessionRecorder::answerWrites(RecordStore *record, const RecordedAnswer &answer,
                                                const SessionCounts &counts)
{
    if (!record || !active() || !record->recording())
        return {};
    SessionCounts c = counts;
    c.finished = c.finished || finished_;  // an answer after the time-up leaves the session finished
    return record->answerWrites(session_, ++seq_, answer, c);
}

void SessionRecorder::finish(RecordStore *record, SessionCounts counts)
{
    if (!record || !active())
        return;
    counts.finished = finished_ = true;
    record->post({record->countsWrite(session_, counts)});
}

void SessionRecorder::markTest(RecordStore *record, const SessionStart &start, RecordedAnswer answer)
{
    if (!record)
        return;
    if (active() && (start_.screen != start.screen || start_.menuItem != start.menuItem))
        endTest(record, start.startedAt);
    if (!active() && !begin(record, start))
        return;
    // A problem counts once, and as right at most once, however often it
    // is marked again.
    if (answer.problemNo != lastProblem_ || answer.problemNo == 0) {
        ++problems_;
        lastProblem_ = answer.problemNo;
        lastCounted_ = false;
    }
    if (answer.right && !lastCounted_) {
        ++right_;
        lastCounted_ = true;
    }
    answer.problemNo = problems_;  // its number in this test
    const QDateTime now = start.startedAt;
    const SessionCounts counts{problems_, right_, DrillScore(right_, problems_),
                               int(qMax<qint64>(0, start_.startedAt.secsTo(now))), now, false};
    record->post(answerWrites(record, answer, counts));
}

void SessionRecorder::endTest(RecordStore *record, const QDateTime &now)
{
    if (!active())
        return;
    finish(record, {problems_, right_, DrillScore(right_, problems_), int(qMax<qint64>(0, start_.startedAt.secsTo(now))), now,
                    true});
    forget();
}

int ScreenForm(const TScreen *screen)
{
    const QString name = screen->objectName();
    return name.startsWith(QLatin1String("Form")) ? name.mid(4).toInt() : 0;
}

QString ShownText(const QString &caption)
{
    QString text = caption;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.trimmed();
}
