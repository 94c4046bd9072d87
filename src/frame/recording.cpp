// The pupil's record of a drill run: "スタート" begins a session, every
// logged answer adds its answer row (written in one transaction with the
// log row) and the session's counts so far, and the results finish it. A
// drill left without "ストップ" or the end of its time stays unfinished, with
// the counts of its last answer.
#include "frame/drill.h"

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
    const QDateTime now = services().clock->now();
    const int elapsed = DrillElapsed(StartSeconds, SecondsOfDay(now.time()));
    return {LessonState.ProblemNo, LessonState.CorrectCount,
            DrillScore(LessonState.CorrectCount, LessonState.ProblemNo), elapsed, now, finished};
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
    const QDateTime now = services().clock->now();
    a.ms = posedAt_.isValid() ? posedAt_.msecsTo(now) : 0;
    a.answeredAt = now;
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

void TScreen::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        testRecord_.endTest(recordOf(services()), services().clock->now());
}
