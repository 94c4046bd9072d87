// The pupil's record of a drill run: "スタート" begins a session, every
// logged answer adds its answer row (written in one transaction with the
// log row) and the session's counts so far, and the results finish it. A
// drill left without "ストップ" or the end of its time stays unfinished, with
// the counts of its last answer.
#include "frame/drill.h"
#include "frame/lesson.h"

#include "frame/lessonstate.h"
#include "store/datamodule.h"
#include "store/record.h"

#include <QHideEvent>

namespace {
RecordStore *recordOf(const Services &services)
{
    return services.data ? services.data->record() : nullptr;
}
}  // namespace

void TDrillScreen::recordStart()
{
    const int item = ComboBox1->itemIndex();
    recorder_.begin(recordOf(services()),
                    {ScreenForm(this), SessionMode::Drill, item + 1,
                     item >= 0 ? ComboBox1->items().value(item).trimmed() : QString(), TimeLimit,
                     services().clock->now()});
}

SessionCounts TDrillScreen::recordCounts(bool finished) const
{
    // The time taken as the results show it: on the monotonic clock, so a
    // wall clock set back or forward changes nothing.
    return {LessonState.ProblemNo, LessonState.CorrectCount,
            DrillScore(LessonState.CorrectCount, LessonState.ProblemNo), elapsedSeconds(), services().clock->now(),
            finished};
}

QList<BoundWrite> TDrillScreen::recordAnswer(bool right, const DrillLogRow &row)
{
    if (!recorder_.active())
        return {};
    RecordedAnswer a;
    a.problemNo = LessonState.ProblemNo;
    a.shown = ShownText(Label4->caption());
    a.data = problemData();
    // The units drill logs its answers as texts with their units; the
    // record keeps those and the answers as numbers of the smaller unit.
    auto number = [](const QVariant &logged, int fallback, QString *text) {
        if (logged.typeId() == QMetaType::QString) {
            *text = logged.toString().trimmed();
            return QVariant(fallback);
        }
        return logged;
    };
    a.rightAnswer = number(row.correct, LessonState.Answer, &a.rightText);
    a.givenAnswer = number(row.given, LessonState.GivenAnswer, &a.givenText);
    a.rightRemainder = row.correctRemainder;
    a.givenRemainder = row.givenRemainder;
    a.right = right;
    a.ms = posedMs_ >= 0 ? services().clock->monotonicMs() - posedMs_ : 0;
    a.answeredAt = services().clock->now();
    return recorder_.answerWrites(recordOf(services()), a, recordCounts(false));
}

void TDrillScreen::recordEnd(int elapsedSeconds)
{
    SessionCounts counts = recordCounts(true);
    counts.seconds = elapsedSeconds;
    recorder_.finish(recordOf(services()), counts);
}

// ---------------------------------------------------------------- a lesson's test

void TScreen::RecordMark(const RecordedAnswer &answer)
{
    const QDateTime now = services().clock->now();
    auto *menu = findChild<TComboBox *>(QStringLiteral("ComboBox1"));
    RecordedAnswer a = answer;
    if (a.ms == 0 && a.posedAt.isValid())
        a.ms = a.posedAt.msecsTo(now);
    a.answeredAt = now;
    a.shown = ShownText(a.shown);
    testRecord_.markTest(recordOf(services()),
                         {ScreenForm(this), SessionMode::Test, LessonState.MenuChoice,
                          menu && menu->itemIndex() >= 0 ? menu->text().trimmed() : QString(), 0, now},
                         a);
}

// Every lesson's marks pass here: numbered, timed from their posing, and
// recorded when the lesson is in test mode.
void TLessonScreen::watchPosing(TCuteButton *next)
{
    // "つぎへ" poses the next problem on every lesson that has one.
    if (next)
        connect(next, &QAbstractButton::clicked, this, [this] {
            posing_.at = services().clock->monotonicMs();
            posing_.anew = true;
        });
}

void TLessonScreen::numberProblem(LessonAnswer &answer)
{
    // A lesson that poses without "つぎへ" still numbers a problem anew
    // when its data change.
    const LessonAnswer &last = posing_.last;
    if (posing_.anew || posing_.number == 0 || answer.kind != last.kind || answer.operands != last.operands
        || answer.right != last.right || answer.remainder != last.remainder)
        ++posing_.number;
    posing_.anew = false;
    answer.problemNo = posing_.number;
    if (answer.posedMs < 0)
        answer.posedMs = posing_.at;
    posing_.last = answer;
}

void TLessonScreen::recordMarked(const LessonAnswer &answer)
{
    if (LessonState.LessonMode != 2)
        return;  // study marks are practice, not a test
    RecordedAnswer a;
    a.problemNo = answer.problemNo;
    a.shown = problemLine() ? problemLine()->caption() : QString();
    const QList<int> &o = answer.operands;
    auto operand = [&o](int i) { return i < o.size() ? QVariant(o[i]) : QVariant(); };
    a.data = {QStringLiteral("form%1:%2").arg(ScreenForm(this)).arg(answer.kind), operand(0), operand(1), operand(2),
              operand(3)};
    a.rightAnswer = answer.right;
    a.givenAnswer = answer.given;
    if (answer.remainder != 0 || answer.givenRemainder != 0) {
        a.rightRemainder = answer.remainder;
        a.givenRemainder = answer.givenRemainder;
    }
    a.right = answer.correct();
    if (answer.posedMs >= 0)
        a.ms = services().clock->monotonicMs() - answer.posedMs;
    RecordMark(a);
}

void TScreen::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        testRecord_.endTest(recordOf(services()), services().clock->now());
}
