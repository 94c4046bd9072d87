#include "store/logtables.h"

#include <QRegularExpression>
#include <iterator>

namespace {

// One row per answer of the mental, column, multiplication and division
// drills. AMS and AMI hold the remainders of the division drill.
const LogField kDorill[] = {
    {"NB", "INTEGER"},  {"MND", "TEXT"},    {"KAI", "INTEGER"}, {"KOT", "INTEGER"},
    {"HNT", "TEXT"},    {"AMS", "INTEGER"}, {"AMI", "INTEGER"},
};

// One row per answer of the units drill; its answers carry their units, so
// they are texts.
const LogField kDorills[] = {
    {"NB", "INTEGER"}, {"MND", "TEXT"}, {"KAI", "TEXT"}, {"KOT", "TEXT"}, {"HNT", "TEXT"},
};

// The times table: DAN x KAKERU = KOTAE.
const LogField kKuku[] = {
    {"DAN", "INTEGER"},
    {"KAKERU", "INTEGER"},
    {"KOTAE", "INTEGER"},
};

const LogTable kTables[] = {
    {"dorill", kDorill, int(std::size(kDorill))},
    {"dorills", kDorills, int(std::size(kDorills))},
    {"kuku", kKuku, int(std::size(kKuku))},
};

QString joined(const LogTable &t, const char *separator, bool withTypes)
{
    QStringList parts;
    for (int i = 0; i < t.fieldCount; ++i) {
        QString part = QLatin1String(t.fields[i].name);
        if (withTypes)
            part += QLatin1Char(' ') + QLatin1String(t.fields[i].sqlType);
        parts << part;
    }
    return parts.join(QLatin1String(separator));
}

} // namespace

QString LogTable::createStatement() const
{
    return QStringLiteral("create table if not exists %1 (%2)")
        .arg(QLatin1String(name), joined(*this, ", ", true));
}

QString LogTable::insertStatement() const
{
    QStringList marks;
    for (int i = 0; i < fieldCount; ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(QLatin1String(name), joined(*this, ", ", false), marks.join(QLatin1String(", ")));
}

QString LogTable::selectStatement() const
{
    return QStringLiteral("select rowid, %2 from %1 order by rowid limit ? offset ?")
        .arg(QLatin1String(name), joined(*this, ", ", false));
}

QString LogTable::countStatement() const
{
    return QStringLiteral("select count(*) from %1").arg(QLatin1String(name));
}

QString LogTable::deleteRowStatement() const
{
    return QStringLiteral("delete from %1 where rowid = ?").arg(QLatin1String(name));
}

QString LogTable::clearStatement() const
{
    return QStringLiteral("delete from %1").arg(QLatin1String(name));
}

QStringList LogTable::fieldNames() const
{
    QStringList names;
    for (int i = 0; i < fieldCount; ++i)
        names << QLatin1String(fields[i].name);
    return names;
}

namespace LogTables {

const LogTable *all(int *count)
{
    if (count)
        *count = int(std::size(kTables));
    return kTables;
}

const LogTable *byName(const QString &name)
{
    for (const LogTable &t : kTables) {
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

const LogTable *forStatement(const QString &sql)
{
    static const QRegularExpression select(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+([A-Za-z_][A-Za-z0-9_]*)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = select.match(sql);
    return m.hasMatch() ? byName(m.captured(1)) : nullptr;
}

} // namespace LogTables
