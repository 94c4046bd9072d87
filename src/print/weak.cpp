#include "print/weak.h"

#include "record/kukumap.h"

#include <algorithm>

QList<RecordedProblem> WeakProblems(RecordStore *record, const QString &pupilId, const QDate &today)
{
    QList<RecordedProblem> out;
    if (!record || pupilId.isEmpty())
        return out;
    for (const ReviewEntry &due : record->dueReviews(pupilId, today))
        out << due.problem;

    struct Fact {
        int a, b;
        KukuCell cell;
    };
    QList<Fact> weak;
    const KukuMap map = LoadKukuMap(*record, pupilId);
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b)
            if (const KukuCell &c = map.at(a, b); c.met() && c.rate() < 0.8)
                weak.append({a, b, c});
    std::stable_sort(weak.begin(), weak.end(), [](const Fact &x, const Fact &y) {
        if (x.cell.rate() != y.cell.rate())
            return x.cell.rate() < y.cell.rate();
        return x.cell.medianMs > y.cell.medianMs;
    });
    for (const Fact &f : weak)
        out << RecordedProblem{QStringLiteral("mul"), f.a, f.b, {}, {}};
    return out;
}
