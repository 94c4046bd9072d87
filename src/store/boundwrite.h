#pragma once
#include <QList>
#include <QString>
#include <QVariant>

// One statement with its bound values, to be written later: the pupil's
// record hands its rows to the drill log this way, so a log row and the
// record rows that go with it are written (or retried) together, in one
// transaction.
struct BoundWrite {
    QString sql;
    QList<QVariant> values;
};
