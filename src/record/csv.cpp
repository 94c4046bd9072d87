#include "record/csv.h"

#include "record/stumbles.h"
#include "store/record.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringList>
#include <optional>

namespace {

QString number(const QVariant &v)
{
    return v.isValid() && !v.isNull() ? QString::number(v.toLongLong()) : QString();
}

QString row(const QStringList &cells)
{
    return cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QStringList header(std::initializer_list<const char *> names)
{
    QStringList out;
    for (const char *n : names)
        out << CsvText(QString::fromUtf8(n));
    return out;
}

// A file written through QSaveFile: on disk only once all of it is written.
class CsvFile {
public:
    explicit CsvFile(const QString &path) : file_(path)
    {
        ok_ = file_.open(QIODevice::WriteOnly);
        if (ok_)
            ok_ = file_.write("\xEF\xBB\xBF") == 3;
    }
    void write(const QString &line)
    {
        if (ok_)
            ok_ = file_.write(line.toUtf8()) >= 0;
    }
    bool commit(QString *error)
    {
        if (ok_ && file_.commit())
            return true;
        if (error)
            *error = file_.errorString();
        file_.cancelWriting();
        return false;
    }

private:
    QSaveFile file_;
    bool ok_ = false;
};

}  // namespace

QString CsvText(const QString &text)
{
    QString t = text;
    if (!t.isEmpty() && QStringLiteral("=+-@\t\r").contains(t.front()))
        t.prepend(QLatin1Char('\''));
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

QString AnswersCsvPath(const QString &sessionsPath)
{
    const QFileInfo info(sessionsPath);
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("csv") : info.suffix();
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_こたえ.") + suffix);
}

QString StumblesCsvPath(const QString &sessionsPath)
{
    const QFileInfo info(sessionsPath);
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("csv") : info.suffix();
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_つまずき.") + suffix);
}

bool WriteRecordCsv(RecordStore &record, const QString &pupilId, const QString &sessionsPath,
                    const std::function<QString(int)> &screenName, QString *error, const QDate &today)
{
    QHash<QString, Pupil> pupils;
    for (const Pupil &p : record.pupils())
        pupils.insert(p.id, p);
    const QList<SessionRow> sessions = record.allSessions(pupilId);
    QHash<QString, const SessionRow *> byId;

    CsvFile out(sessionsPath);
    out.write(row(header({"なまえ", "クラス", "出席番号", "日づけ", "じこく", "UTC", "画面", "がめんの なまえ",
                          "しゅるい", "メニュー", "メニューの なまえ", "じかんの せいげん（秒）", "もんだい",
                          "○のかず", "せいせき", "じかん（秒）", "さいごまで", "セッション"})));
    for (const SessionRow &s : sessions) {
        byId.insert(s.id, &s);
        const Pupil p = pupils.value(s.pupilId);
        out.write(row({CsvText(p.name), CsvText(p.className), p.number > 0 ? QString::number(p.number) : QString(),
                       s.startedLocal.date().toString(Qt::ISODate), s.startedLocal.time().toString(Qt::ISODate),
                       s.startedUtc, QString::number(s.screen), CsvText(screenName ? screenName(s.screen) : QString()),
                       CsvText(s.mode == SessionMode::Test ? QStringLiteral("テスト") : QStringLiteral("ドリル")),
                       QString::number(s.menuItem), CsvText(s.menuText), QString::number(s.timeLimit),
                       QString::number(s.problems), QString::number(s.right), QString::number(s.score),
                       QString::number(s.seconds), QString::number(s.finished ? 1 : 0), CsvText(s.id)}));
    }

    CsvFile answers(AnswersCsvPath(sessionsPath));
    answers.write(row(header({"なまえ", "日づけ", "じこく", "がめんの なまえ", "メニューの なまえ", "じゅんばん",
                              "もんだいの ばんごう", "もんだい", "しゅるい", "a", "b", "c", "d", "せいかい",
                              "こたえ", "せいかいの あまり", "こたえの あまり", "せいかい（もじ）",
                              "こたえ（もじ）", "○×", "かかった じかん（ミリ秒）", "セッション"})));
    const bool read = record.forEachAnswer(pupilId, [&](const QString &session, const AnswerRow &r) {
        const SessionRow *s = byId.value(session);
        if (!s)
            return;
        const RecordedAnswer &a = r.answer;
        answers.write(row({CsvText(pupils.value(s->pupilId).name), s->startedLocal.date().toString(Qt::ISODate),
                           s->startedLocal.time().toString(Qt::ISODate),
                           CsvText(screenName ? screenName(s->screen) : QString()), CsvText(s->menuText),
                           QString::number(r.seq), QString::number(a.problemNo), CsvText(a.shown), CsvText(a.data.kind),
                           number(a.data.a), number(a.data.b), number(a.data.c), number(a.data.d),
                           number(a.rightAnswer), number(a.givenAnswer), number(a.rightRemainder),
                           number(a.givenRemainder), CsvText(a.rightText), CsvText(a.givenText),
                           QString::number(a.right ? 1 : 0), QString::number(a.ms), CsvText(session)}));
    });
    if (!read) {
        if (error)
            *error = QStringLiteral("きろくを よめません");
        return false;
    }
    // Each pupil's つまずき over the last 30 days, worst first.
    std::optional<CsvFile> stumbles;
    if (today.isValid()) {
        stumbles.emplace(StumblesCsvPath(sessionsPath));
        stumbles->write(row(header({"なまえ", "から", "まで", "つまずき", "かず", "れい", "ヒント"})));
        for (const Pupil &p : record.pupils()) {
            if (!pupilId.isEmpty() && p.id != pupilId)
                continue;
            const QDate from = StumblesFrom(today);
            for (const Stumble &st : LoadStumbles(record, p.id, from, today))
                stumbles->write(row({CsvText(p.name), from.toString(Qt::ISODate), today.toString(Qt::ISODate),
                                     CsvText(ErrorName(st.error)), QString::number(st.count), CsvText(st.example),
                                     CsvText(ErrorHint(st.error))}));
        }
    }
    // The answers first: a sessions file is never left without its answers.
    return answers.commit(error) && (!stumbles || stumbles->commit(error)) && out.commit(error);
}
