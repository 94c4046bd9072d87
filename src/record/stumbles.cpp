#include "record/stumbles.h"

#include "frame/look.h"
#include "record/review.h"
#include "record/tallies.h"
#include "record/window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

QDate StumblesFrom(const QDate &today)
{
    return today.addDays(1 - StumbleDays);
}

QString StumbleExample(const RecordedAnswer &a)
{
    QString problem = QString(a.shown).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
    // "358 + 267 = ?" → "358 + 267"
    const int ask = problem.lastIndexOf(QLatin1Char('='));
    if (ask > 0 && problem.mid(ask + 1).trimmed() == QLatin1String("?"))
        problem = problem.left(ask).trimmed();
    return QStringLiteral("%1 → %2（せいかい %3）")
        .arg(problem, AnswerText(a.givenAnswer, a.givenRemainder, a.givenText).trimmed(),
             AnswerText(a.rightAnswer, a.rightRemainder, a.rightText).trimmed());
}

void StumbleCounter::add(const RecordedAnswer &answer)
{
    if (answer.right)
        return;
    ++wrong_;
    const ArithmeticError e = DiagnoseAnswer(answer);
    if (e == ArithmeticError::None) {
        ++unexplained_;
        return;
    }
    ++counts_[int(e)];
    examples_[int(e)] = answer;  // answers come oldest first: the latest stays
    exampleTexts_[int(e)].clear();
}

void StumbleCounter::add(const StumbleDay &day)
{
    wrong_ += day.wrong;
    if (day.error == ArithmeticError::None) {
        unexplained_ += day.wrong;
        return;
    }
    counts_[int(day.error)] += day.wrong;
    exampleTexts_[int(day.error)] = day.example;  // days come oldest first: the latest stays
}

QList<Stumble> StumbleCounter::list() const
{
    QList<Stumble> out;
    for (int e = 1; e < kArithmeticErrorCount; ++e)
        if (counts_[e] > 0)
            out.append({ArithmeticError(e), counts_[e],
                        exampleTexts_[e].isNull() ? StumbleExample(examples_[e]) : exampleTexts_[e]});
    std::stable_sort(out.begin(), out.end(), [](const Stumble &x, const Stumble &y) { return x.count > y.count; });
    return out;
}

QList<Stumble> LoadStumbles(RecordStore &record, const QString &pupilId, const QDate &from, const QDate &to,
                            int *wrong, int *unexplained)
{
    // Read from the counts kept day by day, not from the answers.
    StumbleCounter counter;
    ForEachStumbleDay(record, pupilId, from, to, [&](const StumbleDay &day) { counter.add(day); });
    if (wrong)
        *wrong = counter.wrong();
    if (unexplained)
        *unexplained = counter.unexplained();
    return counter.list();
}

// ---------------------------------------------------------------- the view

StumbleView::StumbleView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Stumbles"));
    StumbleSummary = new QLabel(this);
    StumbleSummary->setObjectName(QStringLiteral("StumbleSummary"));
    StumbleSummary->setWordWrap(true);
    StumbleList = new QTableWidget(0, 4, this);
    StumbleList->setObjectName(QStringLiteral("StumbleList"));
    StumbleList->setHorizontalHeaderLabels({QStringLiteral("つまずき"), QStringLiteral("かず"),
                                            QStringLiteral("れい（いちばん あたらしい）"),
                                            QStringLiteral("こどもへの ヒント")});
    StumbleList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StumbleList->setSelectionBehavior(QAbstractItemView::SelectRows);
    StumbleList->verticalHeader()->hide();
    StumbleList->horizontalHeader()->setStretchLastSection(true);
    // A long hint wraps onto a second line of its row rather than being cut
    // at the window's width.
    StumbleList->setWordWrap(true);
    StumbleList->setTextElideMode(Qt::ElideNone);
    StumbleList->verticalHeader()->setMinimumSectionSize(26);
    const int widths[] = {300, 50, 230};
    for (int c = 0; c < 3; ++c)
        StumbleList->setColumnWidth(c, widths[c]);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(StumbleSummary);
    layout->addWidget(StumbleList, 1);
}

void StumbleView::setList(const QList<Stumble> &list, int wrong, int unexplained)
{
    StumbleSummary->setText(
        wrong == 0 ? QStringLiteral("この %1日の まちがいは ありません。").arg(StumbleDays)
                   : QStringLiteral("この %1日の まちがい %2こ のうち、%3こ は わけが わかりました（おおい じゅん）。")
                         .arg(StumbleDays)
                         .arg(wrong)
                         .arg(wrong - unexplained));
    StumbleList->setRowCount(int(list.size()));
    for (int r = 0; r < list.size(); ++r) {
        const Stumble &s = list[r];
        auto *count = new QTableWidgetItem(QString::number(s.count));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        StumbleList->setItem(r, 0, new QTableWidgetItem(ErrorName(s.error)));
        StumbleList->setItem(r, 1, count);
        StumbleList->setItem(r, 2, new QTableWidgetItem(s.example));
        StumbleList->setItem(r, 3, new QTableWidgetItem(ErrorHint(s.error)));
    }
    StumbleList->resizeRowsToContents();
}
