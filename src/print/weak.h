#pragma once
// The problems a "にがて から" sheet puts first: the pupil's review problems
// that are due and their weak 九九 facts, as the record keeps problems (a
// kind and operands). The review box supplies them once it is connected;
// until then there are none and the sheet is drawn as usual.
#include "store/record.h"

#include <functional>

using WeakProblemsSource = std::function<QList<RecordedProblem>(RecordStore *record, const QString &pupilId)>;

// Where the weak problems come from; an empty function gives none.
void SetWeakProblemsSource(WeakProblemsSource source);
// The pupil's weak problems, most urgent first.
QList<RecordedProblem> WeakProblems(RecordStore *record, const QString &pupilId);
