#pragma once
// The problems a "にがて から" sheet puts first: the pupil's review problems
// that are due and their weak 九九 facts, as the record keeps problems (a
// kind and operands).
#include "store/record.h"

#include <QDate>

// The pupil's weak problems, most urgent first: the review box's problems due
// by `today` (the box's order), then the 九九 facts they met and got wrong
// more than once in five, the weakest first.
QList<RecordedProblem> WeakProblems(RecordStore *record, const QString &pupilId, const QDate &today);
