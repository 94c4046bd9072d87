#include "record/review.h"

#include <QRegularExpression>

// ---------------------------------------------------------------- the schedule

int ReviewGap(int box)
{
    switch (box) {
    case 1: return 1;
    case 2: return 3;
    default: return 7;
    }
}

ReviewPlace NextReviewPlace(int box, bool right, const QDate &day)
{
    if (!right || box < 1)
        return {1, day.addDays(ReviewGap(1))};
    if (box >= ReviewBoxes)
        return {MasteredBox, {}};
    return {box + 1, day.addDays(ReviewGap(box + 1))};
}

BoundWrite ReviewMove(const QString &pupilId, const ReviewEntry &entry, bool right, const QDate &day)
{
    const ReviewPlace next = NextReviewPlace(entry.box, right, day);
    return RecordStore::reviewMoveWrite(pupilId, entry.key, next.box, next.mastered() ? day : next.due);
}

QString FullWidthNumber(int n)
{
    QString text = QString::number(n);
    for (QChar &c : text)
        if (c.isDigit())
            c = QChar(c.unicode() - u'0' + u'０');
    return text;
}

QString ReviewMenuText(int due)
{
    return QStringLiteral("まちがいなおし（%1）").arg(FullWidthNumber(qMax(0, due)));
}

QString ReviewName()
{
    return QStringLiteral("まちがいなおし");
}

// ---------------------------------------------------------------- problems as data

namespace {
bool isSet(const QVariant &v)
{
    return v.isValid() && !v.isNull();
}

int places(qint64 n)
{
    int p = 1;
    for (n = qAbs(n); n >= 10; n /= 10)
        ++p;
    return p;
}
}  // namespace

std::optional<ProblemData> DiagnosisProblem(const RecordedProblem &p)
{
    if (!isSet(p.a) || !isSet(p.b))
        return std::nullopt;
    const int a = p.a.toInt(), b = p.b.toInt();
    if (p.kind == QLatin1String("add"))
        return ProblemData{a < 100 && b < 100 ? ProblemKind::MentalAddition : ProblemKind::ColumnAddition, a, b, 0};
    if (p.kind == QLatin1String("sub"))
        return ProblemData{a < 100 ? ProblemKind::MentalSubtraction : ProblemKind::ColumnSubtraction, a, b, 0};
    if (p.kind == QLatin1String("mul") && b < 100)
        return ProblemData{b < 10 ? ProblemKind::MultiplyOneDigit : ProblemKind::MultiplyTwoDigits, a, b, 0};
    if (p.kind == QLatin1String("div") || p.kind == QLatin1String("divrem"))
        return ProblemData{ProblemKind::Division, a, b, 0};
    return std::nullopt;
}

namespace {
// The ways a units problem of a subject (1 volume, 2 length, 3 time, 4
// weight) and form may have been posed, from its operands as recorded: a
// conversion (the lessons' "へんかん") or a calculation (their "計算" and
// the units drill). Volumes are worked in litres and decilitres and
// recorded in millilitres: `scale` is the millilitres of a decilitre.
struct UnitsReading {
    ProblemData problem;
    qint64 scale = 1;
};

QList<UnitsReading> unitsReadings(int subject, int form, qint64 a, qint64 b, qint64 c, qint64 d, bool conversions)
{
    using K = ProblemKind;
    QList<UnitsReading> out;
    auto add = [&](K kind, qint64 x, qint64 y, int step, qint64 scale = 1) {
        out.append({{kind, int(x), int(y), step}, scale});
    };
    switch (subject) {
    case 1:  // l, dl (and ml)
        if (conversions && form <= 1)
            add(K::UnitsToSmaller, a, b, 10, 100);  // A l B dl → dl
        if (conversions && (form == 2 || form == 3))
            add(K::UnitsToLarger, a, 0, 10, 100);  // A dl → l, dl
        if (form <= 2)
            add(K::UnitsAddition, 10 * a + b, 10 * c + d, 10, 100);
        if (form >= 5 && form <= 7)
            add(K::UnitsSubtraction, 10 * a + b, 10 * c + d, 10, 100);
        break;
    case 2:  // km, m
    case 4:  // kg, g
        if (conversions)
            form <= 4 ? add(K::UnitsToLarger, 1000 * a + 10 * b, 0, 1000) : add(K::UnitsToSmaller, a, 10 * b, 1000);
        if (form <= 2 || (form >= 5 && form <= 7))
            add(form <= 2 ? K::UnitsAddition : K::UnitsSubtraction, 1000 * a + b, 1000 * c + d, 1000);
        else
            add(form <= 4 ? K::UnitsAddition : K::UnitsSubtraction, 1000 * a + b, c, 1000);
        break;
    case 3:  // 時間, 分, 秒
        if (conversions)
            form == 3 || form == 4 || form == 8 ? add(K::UnitsToLarger, a, 0, 60) : add(K::UnitsToSmaller, a, b, 60);
        add(form <= 4 ? K::UnitsAddition : K::UnitsSubtraction, 60 * a + b, c, 60);
        break;
    default:
        break;
    }
    return out;
}

// The answer of a problem in the smaller unit.
std::optional<qint64> inSmallerUnit(const ProblemData &p)
{
    const auto right = RightAnswer(p);
    if (!right)
        return std::nullopt;
    if (p.kind == ProblemKind::UnitsToSmaller)
        return right->value;
    return right->value * p.c + right->remainder;
}

// A units answer: the reading of its problem whose right answer is the one
// recorded, and the pupil's answer read the same way.
ArithmeticError diagnoseUnits(const RecordedAnswer &answer)
{
    const QStringList parts = answer.data.kind.split(QLatin1Char(':'));
    if (parts.size() < 2 || !isSet(answer.rightAnswer))
        return ArithmeticError::None;
    int subject = 0;
    bool conversions = false;
    if (parts[0] == QLatin1String("units") && parts.size() == 3) {
        subject = parts[1].toInt();  // the drill: calculations only
    } else {
        // A units lesson's test: 9 volume, 10 length, 11 time, 12 weight.
        static const int subjects[] = {1, 2, 3, 4};
        const int form = parts[0].startsWith(QLatin1String("form")) ? parts[0].mid(4).toInt() : 0;
        if (form < 9 || form > 12)
            return ArithmeticError::None;
        subject = subjects[form - 9];
        conversions = true;
    }
    const RecordedProblem &p = answer.data;
    const qint64 right = answer.rightAnswer.toLongLong(), given = answer.givenAnswer.toLongLong();
    for (const UnitsReading &r : unitsReadings(subject, parts.last().toInt(), p.a.toLongLong(), p.b.toLongLong(),
                                               p.c.toLongLong(), p.d.toLongLong(), conversions)) {
        const auto expected = inSmallerUnit(r.problem);
        if (expected && *expected * r.scale == right && given % r.scale == 0)
            return DiagnoseInSmallerUnit(r.problem, given / r.scale);
    }
    return ArithmeticError::None;
}

bool isUnitsAnswer(const RecordedAnswer &answer)
{
    const QString &kind = answer.data.kind;
    if (kind.startsWith(QLatin1String("units:")))
        return true;
    const int form = kind.startsWith(QLatin1String("form")) ? kind.mid(4).section(QLatin1Char(':'), 0, 0).toInt() : 0;
    return form >= 9 && form <= 12;
}
}  // namespace

ArithmeticError DiagnoseAnswer(const RecordedAnswer &answer)
{
    if (answer.right || !isSet(answer.givenAnswer))
        return ArithmeticError::None;
    if (isUnitsAnswer(answer))
        return diagnoseUnits(answer);
    const auto problem = DiagnosisProblem(answer.data);
    if (!problem)
        return ArithmeticError::None;
    return Diagnose(*problem, {answer.givenAnswer.toLongLong(),
                               isSet(answer.givenRemainder) ? answer.givenRemainder.toLongLong() : 0});
}

// ---------------------------------------------------------------- posed again

namespace {
bool isUnits(const ReviewEntry &e)
{
    return e.problem.kind.startsWith(QLatin1String("units"));
}

// The numbers of an answer written with its units, and the unit after
// each: "　6 l  3 dl " → 6 "l", 3 "dl".
QList<AnswerPart> unitParts(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("(\\d+)\\s*([^\\d\\s]*)"));
    QList<AnswerPart> out;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const qint64 v = m.captured(1).toLongLong();
        out.append({v, places(v) + 1, m.captured(2)});
    }
    return out;
}

QString answerText(const QList<AnswerPart> &parts)
{
    QStringList words;
    for (const AnswerPart &p : parts) {
        words << QString::number(p.value);
        if (!p.after.isEmpty())
            words << p.after;
    }
    return words.join(QLatin1Char(' '));
}
}  // namespace

ReviewQuestion PoseReview(const ReviewEntry &e)
{
    ReviewQuestion q;
    q.text = e.shown;
    const qint64 right = e.rightAnswer.toLongLong();
    const int a = e.problem.a.toInt(), b = e.problem.b.toInt();
    const QString &kind = e.problem.kind;
    if (isUnits(e)) {
        q.parts = unitParts(e.rightText);
        if (q.parts.isEmpty())
            q.parts = {{right, places(right) + 1, {}}};
        return q;
    }
    // As many pickers as the problem's numbers allow the answer, so their
    // count gives nothing away.
    int n = places(right);
    if (kind == QLatin1String("add"))
        n = places(qMax(a, b)) + 1;
    else if (kind == QLatin1String("sub"))
        n = places(a);
    else if (kind == QLatin1String("mul"))
        n = places(a) + places(b);
    q.parts = {{right, qMax(n, places(right)), {}}};
    if (kind == QLatin1String("divrem") || isSet(e.rightRemainder)) {
        q.parts[0].after = QStringLiteral("あまり");
        const qint64 r = e.rightRemainder.toLongLong();
        q.parts.append({r, qMax(places(r), places(b)), {}});
    }
    q.column = kind == QLatin1String("add") || kind == QLatin1String("sub") || kind == QLatin1String("mul");
    return q;
}

QString ReviewEquation(const ReviewEntry &e)
{
    const QString answer = answerText(PoseReview(e).parts);
    const int mark = e.shown.lastIndexOf(QLatin1Char('?'));
    if (mark < 0)
        return e.shown + QStringLiteral("\nこたえ　") + answer;
    return QString(e.shown).replace(mark, 1, answer);
}

RecordedAnswer ReviewAnswer(const ReviewEntry &e, const QList<qint64> &given, bool right)
{
    const ReviewQuestion q = PoseReview(e);
    RecordedAnswer a;
    a.shown = e.shown;
    a.data = e.problem;
    a.right = right;
    a.rightAnswer = e.rightAnswer;
    a.rightRemainder = e.rightRemainder;
    a.rightText = e.rightText;
    if (isUnits(e)) {
        QList<AnswerPart> parts = q.parts;
        for (int i = 0; i < parts.size() && i < given.size(); ++i)
            parts[i].value = given[i];
        a.givenText = answerText(parts);
        // In the smaller unit, with the step the right answer shows.
        if (q.parts.size() == 2 && q.parts[0].value > 0 && isSet(e.rightAnswer)) {
            const qint64 step = (e.rightAnswer.toLongLong() - q.parts[1].value) / q.parts[0].value;
            a.givenAnswer = given.value(0) * step + given.value(1);
        } else if (q.parts.size() == 1) {
            a.givenAnswer = given.value(0);
        }
        return a;
    }
    a.givenAnswer = given.value(0);
    if (q.parts.size() > 1)
        a.givenRemainder = given.value(1);
    return a;
}

ReviewEntry FactEntry(int a, int b)
{
    ReviewEntry e;
    e.problem = {QStringLiteral("mul"), a, b, {}, {}};
    e.key = RecordStore::reviewKey(e.problem);
    e.shown = QStringLiteral("%1 x %2 = ?").arg(a).arg(b);
    e.rightAnswer = a * b;
    e.box = 0;
    return e;
}

// ---------------------------------------------------------------- the worked column

namespace {
int digitAt(qint64 n, int place)
{
    for (; place > 0; --place)
        n /= 10;
    return int(n % 10);
}
}  // namespace

std::optional<ColumnWork> WorkColumn(const ProblemData &p)
{
    const auto right = RightAnswer(p);
    if (!right)
        return std::nullopt;
    ColumnWork w;
    w.top = QString::number(p.a);
    w.bottom = QString::number(p.b);
    w.result = QString::number(right->value);
    switch (p.kind) {
    case ProblemKind::MentalAddition:
    case ProblemKind::ColumnAddition: {
        w.sign = QStringLiteral("+");
        int carry = 0;
        for (int place = 0; place < places(qMax(p.a, p.b)); ++place) {
            carry = (digitAt(p.a, place) + digitAt(p.b, place) + carry) / 10;
            if (carry)
                w.marks.insert(place + 1, QString::number(carry));
        }
        return w;
    }
    case ProblemKind::MentalSubtraction:
    case ProblemKind::ColumnSubtraction: {
        w.sign = QStringLiteral("-");
        // The top digits as the pupil changes them while borrowing.
        QList<int> top;
        for (int place = 0; place < places(p.a); ++place)
            top.append(digitAt(p.a, place));
        for (int place = 0; place < top.size(); ++place) {
            if (top[place] >= digitAt(p.b, place))
                continue;
            int from = place + 1;
            while (from < top.size() && top[from] == 0)
                ++from;
            if (from >= top.size())
                return std::nullopt;
            for (int k = place + 1; k <= from; ++k) {
                top[k] = k == from ? top[k] - 1 : 9;  // a zero borrowed across becomes 9
                w.marks.insert(k, QString::number(top[k]));
                if (!w.struck.contains(k))
                    w.struck.append(k);
            }
            top[place] += 10;
        }
        return w;
    }
    case ProblemKind::MultiplyOneDigit: {
        w.sign = QStringLiteral("x");
        int carry = 0;
        for (int place = 0; place < places(p.a); ++place) {
            carry = (digitAt(p.a, place) * p.b + carry) / 10;
            if (carry && place + 1 < places(p.a))
                w.marks.insert(place + 1, QString::number(carry));
        }
        return w;
    }
    case ProblemKind::MultiplyTwoDigits:
        w.sign = QStringLiteral("x");
        w.partials = {QString::number(qint64(p.a) * (p.b % 10)), QString::number(qint64(p.a) * (p.b / 10))};
        return w;
    default:
        return std::nullopt;
    }
}
