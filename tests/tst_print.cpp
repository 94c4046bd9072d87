// Worksheets and the pupil's report on paper, read back from the PDF with
// poppler's tools: each problem's place on the page holds the problem drawn,
// the answer page the right answer worked out here from the printed
// question (not taken from the program), every font is embedded, and the
// report of a seeded record names its figures.
#include "print/paper.h"
#include "print/problems.h"
#include "print/report.h"
#include "record/stumbles.h"
#include "print/sheetwindow.h"
#include "app/contents.h"
#include "record/pupils.h"
#include "record/window.h"
#include "store/datamodule.h"
#include "recordseed.h"
#include "store/record.h"
#include "testprogram.h"

#include <QAction>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The words of each page of a PDF with their boxes, read once.
struct Word {
    QRectF box;  // in tenths of a millimetre
    QString text;
};
QList<QList<Word>> wordsOf(const QString &pdf)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QList<QList<Word>> pages;
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const double tenths = 254.0 / 72.0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            pages.append(QList<Word>());
            continue;
        }
        if (pages.isEmpty())
            continue;
        const QRectF box(QPointF(m.captured(1).toDouble() * tenths, m.captured(2).toDouble() * tenths),
                         QPointF(m.captured(3).toDouble() * tenths, m.captured(4).toDouble() * tenths));
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        pages.last().append({box, text});
    }
    return pages;
}

// The words whose centre lies in a rectangle, line by line from the top,
// each line from the left.
QString textIn(const QList<Word> &words, const QRectF &r)
{
    QList<Word> in;
    for (const Word &w : words)
        if (r.contains(w.box.center()))
            in << w;
    std::sort(in.begin(), in.end(), [](const Word &a, const Word &b) { return a.box.center().y() < b.box.center().y(); });
    QList<QList<Word>> lines;
    for (const Word &w : in) {
        if (lines.isEmpty() || w.box.center().y() - lines.last().first().box.center().y() > 15)
            lines.append(QList<Word>());
        lines.last() << w;
    }
    QString text;
    for (QList<Word> &line : lines) {
        std::sort(line.begin(), line.end(), [](const Word &a, const Word &b) { return a.box.left() < b.box.left(); });
        for (const Word &w : line)
            text += w.text + QLatin1Char(' ');
        text += QLatin1Char('\n');
    }
    return text;
}

QString squeezed(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

int pageCount(const QString &pdf)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Every font row of pdffonts says "yes" in its embedded column; the names.
QStringList fontsNotEmbedded(const QString &pdf, int *fonts)
{
    const QStringList lines = run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList bad;
    *fonts = 0;
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        // name, type words …, encoding, emb, sub, uni, object, id
        if (cells.size() < 7)
            continue;
        ++*fonts;
        if (cells[cells.size() - 5] != QLatin1String("yes"))
            bad << cells[0];
    }
    return bad;
}

// ---------------------------------------------------------------- the answers, worked here

// A small evaluator of the printed arithmetic: + - × ÷ and brackets.
struct Expr {
    QString s;
    int i = 0;
    bool ok = true;
    QChar peek()
    {
        while (i < s.size() && s[i].isSpace())
            ++i;
        return i < s.size() ? s[i] : QChar();
    }
    long long number()
    {
        if (peek() == QLatin1Char('(')) {
            ++i;
            const long long v = sum();
            if (peek() != QLatin1Char(')'))
                ok = false;
            ++i;
            return v;
        }
        long long v = 0;
        bool any = false;
        while (i < s.size() && s[i].isDigit()) {
            v = v * 10 + s[i++].digitValue();
            any = true;
        }
        ok = ok && any;
        return v;
    }
    long long product()
    {
        long long v = number();
        for (QChar c = peek(); c == QChar(0xD7) || c == QChar(0xF7); c = peek()) {
            ++i;
            const long long w = number();
            if (c == QChar(0xD7))
                v *= w;
            else if (w != 0)
                v /= w;
        }
        return v;
    }
    long long sum()
    {
        long long v = product();
        for (QChar c = peek(); c == QLatin1Char('+') || c == QLatin1Char('-'); c = peek()) {
            ++i;
            v = c == QLatin1Char('+') ? v + product() : v - product();
        }
        return v;
    }
};

std::optional<long long> eval(const QString &text)
{
    Expr e{text};
    const long long v = e.sum();
    if (!e.ok || e.peek() != QChar())
        return std::nullopt;
    return v;
}

// The units of a question and what each is worth in the smallest.
int unitWorth(const QString &unit, const QString &question)
{
    static const QMap<QString, int> worth{{QStringLiteral("l"), 1000}, {QStringLiteral("dl"), 100},
                                          {QStringLiteral("ml"), 1},   {QStringLiteral("km"), 1000},
                                          {QStringLiteral("m"), 1},    {QStringLiteral("kg"), 1000},
                                          {QStringLiteral("g"), 1},    {QStringLiteral("時間"), 60},
                                          {QStringLiteral("時"), 60}};
    if (unit == QStringLiteral("秒"))
        return 1;
    if (unit == QStringLiteral("分"))
        return question.contains(QStringLiteral("秒")) ? 60 : 1;
    return worth.value(unit, 0);
}

// Minutes from midnight of "午後 ２時３０分" (digits full-width or not).
int minutesOfDay(const QString &half, int h, int m)
{
    return (half == QStringLiteral("午後") ? 12 * 60 : 0) + 60 * h + m;
}

// A word problem on times of day: the time after or before a time, or the
// time between two.
QString workedTimeWords(QString question)
{
    for (QChar &c : question)
        if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
            c = QChar(c.unicode() - 0xFF10 + '0');
    question.remove(QRegularExpression(QStringLiteral("\\s")));
    static const QRegularExpression shift(
        QStringLiteral("(午前|午後)(\\d+)時(\\d+)分から(\\d+)時間(\\d+)分(後|前)の時こく"));
    static const QRegularExpression between(
        QStringLiteral("(午前|午後)(\\d+)時(\\d+)分から(午前|午後)(\\d+)時(\\d+)分までの時間"));
    QRegularExpressionMatch m = shift.match(question);
    if (m.hasMatch()) {
        const int d = 60 * m.captured(4).toInt() + m.captured(5).toInt();
        const int t = minutesOfDay(m.captured(1), m.captured(2).toInt(), m.captured(3).toInt()) +
                      (m.captured(6) == QStringLiteral("後") ? d : -d);
        return QStringLiteral("%1 %2 時 %3 分").arg(t >= 12 * 60 ? QStringLiteral("午後") : QStringLiteral("午前"))
            .arg(t / 60 % 12)
            .arg(t % 60);
    }
    m = between.match(question);
    if (m.hasMatch()) {
        const int d = minutesOfDay(m.captured(4), m.captured(5).toInt(), m.captured(6).toInt()) -
                      minutesOfDay(m.captured(1), m.captured(2).toInt(), m.captured(3).toInt());
        return QStringLiteral("%1 時間 %2 分").arg(d / 60).arg(d % 60);
    }
    return {};
}

// The numbers that fill the boxes of a printed question, worked out here.
QStringList workedFills(const QString &question)
{
    const QString box = QStringLiteral("□");
    if (question.contains(QStringLiteral("時こく")) || question.contains(QStringLiteral("までの")))
        return {workedTimeWords(question)};
    const QStringList sides = question.split(QLatin1Char('='));
    if (sides.size() != 2)
        return {};
    if (question.contains(QStringLiteral("あまり"))) {
        const QStringList n = sides[0].split(QChar(0xF7));
        const int a = n[0].trimmed().toInt(), b = n[1].trimmed().toInt();
        return {QString::number(a / b), QString::number(a % b)};
    }
    static const QRegularExpression quantity(QStringLiteral("(\\d+)\\s*(ml|dl|l|km|kg|m|g|時間|時|分|秒)"));
    if (quantity.match(sides[0]).hasMatch()) {
        // Quantities: the left side in the smallest unit, shared out over
        // the units of the boxes from the largest.
        long long total = 0;
        int sign = 1;
        static const QRegularExpression term(QStringLiteral("([+-])|(\\d+)\\s*(ml|dl|l|km|kg|m|g|時間|時|分|秒)"));
        for (auto it = term.globalMatch(sides[0]); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (!m.captured(1).isEmpty())
                sign = m.captured(1) == QLatin1String("+") ? 1 : -1;
            else
                total += sign * m.captured(2).toLongLong() * unitWorth(m.captured(3), question);
        }
        QStringList fills;
        static const QRegularExpression boxUnit(QStringLiteral("□\\s*(ml|dl|l|km|kg|m|g|時間|時|分|秒)"));
        for (auto it = boxUnit.globalMatch(sides[1]); it.hasNext();) {
            const int w = unitWorth(it.next().captured(1), question);
            fills << QString::number(total / w);
            total %= w;
        }
        return fills;
    }
    if (sides[1].trimmed() == box) {
        const auto v = eval(sides[0]);
        return v ? QStringList{QString::number(*v)} : QStringList{};
    }
    // One number hidden inside an equation of the rules: the one that makes
    // both sides equal.
    for (int v = 0; v <= 1000; ++v) {
        QString q = question;
        q.replace(box, QString::number(v));
        const QStringList s = q.split(QLatin1Char('='));
        const auto l = eval(s[0]), r = eval(s[1]);
        if (l && r && *l == *r)
            return {QString::number(v)};
    }
    return {};
}

int digit(int n, int place)
{
    while (place-- > 0)
        n /= 10;
    return n % 10;
}

// The marks a pupil writes above a column calculation, highest place first:
// the carries of a sum or of a product by one digit, the reduced digits of a
// difference's borrows.
QString workedMarks(const SheetColumn &w)
{
    QString marks;
    const int places = QString::number(std::max(w.a, w.b)).size() + 1;
    if (w.op == SheetColumn::Add) {
        for (int p = 1, carry = 0; p <= places; ++p) {
            carry = (digit(w.a, p - 1) + digit(w.b, p - 1) + carry) >= 10 ? 1 : 0;
            if (carry)
                marks.prepend(QLatin1Char('1'));
        }
    } else if (w.op == SheetColumn::Subtract) {
        // Worked as on paper: a place too small takes ten from the next,
        // which is written one less (a 0 going to -1 borrows in turn, as 9).
        const int n = QString::number(w.a).size();
        QList<int> top(n + 1);
        QList<bool> lent(n + 1);
        for (int p = 0; p < n; ++p)
            top[p] = digit(w.a, p);
        for (int p = 0; p < n; ++p)
            if (top[p] < digit(w.b, p)) {
                top[p] += 10;
                top[p + 1] -= 1;
                lent[p + 1] = true;
            }
        for (int p = n - 1; p >= 1; --p)
            if (lent[p])
                marks += QString::number((digit(w.a, p) + 9) % 10);
    } else if (w.b < 10) {
        int carry = 0;
        for (int p = 0; p + 1 < QString::number(w.a).size(); ++p) {
            carry = (digit(w.a, p) * w.b + carry) / 10;
            if (carry)
                marks.prepend(QString::number(carry));
        }
    }
    return marks;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void eachTopicOnPaper_data();
    void eachTopicOnPaper();
    void countsAndWeakProblems();
    void sameSeedSameSheet();
    void unwritableFileIsReported();
    void sheetWindowSavesAPdf();
    void reportNamesTheFigures();
    void periods_data();
    void periods();

private:
    QTemporaryDir dir_;
};

void PrintTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext is missing: scripts/deps.sh installs poppler-utils");
}

void PrintTest::eachTopicOnPaper_data()
{
    QTest::addColumn<SheetTopic>("topic");
    QTest::addColumn<quint32>("seed");
    quint32 seed = 20260410;
    for (SheetTopic t : SheetTopics())
        QTest::newRow(qPrintable(SheetTopicName(t))) << t << seed++;
}

// A full page of each topic: each problem's place holds exactly its problem
// (number, question, nothing of the answer), the answer page the answers
// worked out here in red boxes or worked columns; two pages; every font
// embedded; the seed in the footer.
void PrintTest::eachTopicOnPaper()
{
    QFETCH(SheetTopic, topic);
    QFETCH(quint32, seed);
    SheetRequest request;
    request.topic = topic;
    request.seed = seed;
    const Worksheet sheet = MakeWorksheet(request);
    const SheetLayout layout = SheetLayoutOf(topic);
    QCOMPARE(sheet.problems.size(), layout.capacity());

    const QString pdf = dir_.filePath(QStringLiteral("sheet%1.pdf").arg(int(topic)));
    QString error;
    QVERIFY2(WriteWorksheetPdf(pdf, sheet, &error), qPrintable(error));
    QCOMPARE(pageCount(pdf), 2);
    int fonts = 0;
    QCOMPARE(fontsNotEmbedded(pdf, &fonts), QStringList());
    QVERIFY(fonts > 0);

    const QString whole = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(whole.contains(sheet.title));
    QVERIFY(whole.contains(QStringLiteral("たね %1").arg(seed)));
    QVERIFY(whole.contains(QStringLiteral("こたえ")));

    const QList<QList<Word>> pages = wordsOf(pdf);
    QCOMPARE(pages.size(), 2);
    for (int i = 0; i < sheet.problems.size(); ++i) {
        const SheetProblem &p = sheet.problems[i];
        const QString label = QStringLiteral("(%1)").arg(i + 1);
        const QRectF slot = SheetSlot(layout, i);
        QString asked = squeezed(textIn(pages[0], slot));
        QString answered = squeezed(textIn(pages[1], slot));
        QVERIFY2(asked.contains(label) && answered.contains(label), qPrintable(label));
        asked.remove(label);
        answered.remove(label);
        if (p.column) {
            const SheetColumn &w = p.work;
            const QString sign = w.op == SheetColumn::Add ? QStringLiteral("+")
                                 : w.op == SheetColumn::Subtract ? QStringLiteral("-")
                                                                : QStringLiteral("×");
            const QString problem = QString::number(w.a) + sign + QString::number(w.b);
            QCOMPARE(asked, problem);
            QString worked;
            if (w.op == SheetColumn::Multiply && w.b >= 10)
                worked = QString::number(w.a * (w.b % 10)) + QString::number(w.a * (w.b / 10)) +
                         QString::number(w.a * w.b);
            else
                worked = QString::number(w.op == SheetColumn::Add        ? w.a + w.b
                                         : w.op == SheetColumn::Subtract ? w.a - w.b
                                                                        : w.a * w.b);
            QCOMPARE(answered, workedMarks(w) + problem + worked);
        } else {
            QString question = p.question;
            QCOMPARE(asked, squeezed(question.remove(QStringLiteral("□"))));
            const QStringList fills = workedFills(p.question);
            QVERIFY2(fills.size() == p.question.count(QStringLiteral("□")), qPrintable(p.question));
            QString filled = p.question;
            for (const QString &f : fills)
                filled.replace(filled.indexOf(QStringLiteral("□")), 1, f);
            QCOMPARE(answered, squeezed(filled));
        }
    }
}

// A count below a page prints that many; above, a page; the pupil's weak
// problems of the topic's kind come first, the others are left out.
void PrintTest::countsAndWeakProblems()
{
    SheetRequest request;
    request.topic = SheetTopic::ColumnAddition3;
    request.count = 4;
    request.weakFirst = {{QStringLiteral("sub"), 503, 48, {}, {}},
                         {QStringLiteral("add"), 358, 267, {}, {}},
                         {QStringLiteral("add"), 4657, 2834, {}, {}},
                         {QStringLiteral("add"), 47, 38, {}, {}},
                         {QStringLiteral("add"), 950, 487, {}, {}}};
    Worksheet sheet = MakeWorksheet(request);
    QCOMPARE(sheet.problems.size(), 4);
    QCOMPARE(sheet.problems[0].work.a, 358);
    QCOMPARE(sheet.problems[0].work.b, 267);
    QCOMPARE(sheet.problems[1].work.a, 950);
    QVERIFY(!sheet.problems[2].data.kind.isEmpty());

    request.count = 1000;
    QCOMPARE(MakeWorksheet(request).problems.size(), SheetLayoutOf(request.topic).capacity());

    // A weak 九九 fact comes back as its division.
    request = {};
    request.topic = SheetTopic::ExactDivision;
    request.count = 2;
    request.weakFirst = {{QStringLiteral("mul"), 7, 8, {}, {}}};
    sheet = MakeWorksheet(request);
    QCOMPARE(sheet.problems[0].question, QStringLiteral("56 ÷ 7 = □"));
    QCOMPARE(sheet.problems[0].fills, QStringList{QStringLiteral("8")});
}

// One seed makes one sheet (the number in its footer makes it again);
// another seed another.
void PrintTest::sameSeedSameSheet()
{
    for (SheetTopic topic : {SheetTopic::MentalAddition, SheetTopic::ByOneDigit, SheetTopic::TimeCalculation}) {
        SheetRequest request;
        request.topic = topic;
        request.seed = 777;
        const Worksheet a = MakeWorksheet(request), b = MakeWorksheet(request);
        request.seed = 778;
        const Worksheet c = MakeWorksheet(request);
        QStringList qa, qb, qc;
        for (int i = 0; i < a.problems.size(); ++i) {
            qa << a.problems[i].question + QString::number(a.problems[i].work.a * 100000 + a.problems[i].work.b);
            qb << b.problems[i].question + QString::number(b.problems[i].work.a * 100000 + b.problems[i].work.b);
            qc << c.problems[i].question + QString::number(c.problems[i].work.a * 100000 + c.problems[i].work.b);
        }
        QCOMPARE(qa, qb);
        QVERIFY(qa != qc);
    }
}

// A folder that cannot be written is told, and no file is left behind.
void PrintTest::unwritableFileIsReported()
{
    SheetRequest request;
    const QString path = dir_.filePath(QStringLiteral("no such folder/sheet.pdf"));
    QString error;
    QVERIFY(!WriteWorksheetPdf(path, MakeWorksheet(request), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
}

// The contents screen's "プリント" opens the sheet window; its PDF holds the
// count asked for on two pages.
void PrintTest::sheetWindowSavesAPdf()
{
    TestProgram t;
    t.contents()->Worksheet1->trigger();
    auto *w = t.shower.shown.isEmpty() ? nullptr : qobject_cast<SheetWindow *>(t.shower.shown.last());
    QVERIFY(w);
    w->TopicBox->setCurrentIndex(SheetTopics().indexOf(SheetTopic::RemainderDivision));
    QCOMPARE(w->CountBox->value(), SheetLayoutOf(SheetTopic::RemainderDivision).capacity());
    w->CountBox->setValue(7);
    const QString pdf = dir_.filePath(QStringLiteral("window.pdf"));
    QVERIFY(w->savePdf(pdf));
    QCOMPARE(pageCount(pdf), 2);
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.contains(QStringLiteral("(7)")));
    QVERIFY(!text.contains(QStringLiteral("(8)")));
    QVERIFY(text.contains(QStringLiteral("わり算（あまり あり）")));
}

// The report of a month, from the きろく window: the pupil, the month, each
// drill with its best and latest score of that month only, the time
// practised, every font embedded, one page.
void PrintTest::reportNamesTheFigures()
{
    TestProgram t;
    RecordSeed seed;
    seed.firstDay = QDate(2026, 3, 20);
    seed.days = 21;
    t.clock.set(QDateTime(QDate(2026, 3, 31), QTime(19, 0)));
    const QString hana = SeedRecord(t.dataDir.path(), seed);
    QVERIFY(!hana.isEmpty());
    RecordStore *record = t.program->data()->record();
    t.contents()->Names1->choose(record->pupilById(hana));
    t.contents()->RecordWindow1->trigger();
    auto *rw = qobject_cast<RecordWindow *>(t.shower.shown.last());
    QVERIFY(rw);
    rw->ReportButton->click();
    auto *w = qobject_cast<ReportWindow *>(t.shower.shown.last());
    QVERIFY(w);
    w->PeriodBox->setCurrentIndex(1);  // this month
    const QString pdf = dir_.filePath(QStringLiteral("report.pdf"));
    QVERIFY(w->savePdf(pdf));
    QCOMPARE(pageCount(pdf), 1);
    int fonts = 0;
    QCOMPARE(fontsNotEmbedded(pdf, &fonts), QStringList());

    // The figures worked out from the sessions of March.
    QMap<QString, QPair<int, int>> bestAndLatest;  // by menu text
    qint64 seconds = 0;
    int sessions = 0;
    for (const SessionRow &s : record->allSessions(hana)) {
        if (s.startedLocal.date().month() != 3)
            continue;
        ++sessions;
        seconds += s.seconds;
        auto &f = bestAndLatest[ScreenName(s.screen) + s.menuText.trimmed()];
        f.first = std::max(f.first, s.score);
        f.second = s.score;
    }
    QVERIFY(sessions > 0 && sessions < record->sessionCount(hana));
    const QString text = squeezed(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    QVERIFY(text.contains(QStringLiteral("なまえはな")));
    QVERIFY(text.contains(QStringLiteral("2026年3月")));
    QVERIFY(text.contains(squeezed(QStringLiteral("れんしゅう %1 かい").arg(sessions))));
    const QString time = seconds >= 3600 ? QStringLiteral("%1時間%2分").arg(seconds / 3600).arg(seconds / 60 % 60)
                                         : QStringLiteral("%1分").arg(seconds / 60);
    QVERIFY2(text.contains(time), qPrintable(time));
    for (auto it = bestAndLatest.cbegin(); it != bestAndLatest.cend(); ++it) {
        // One table row: the drill, its sessions, best and latest.
        const QRegularExpression row(QRegularExpression::escape(squeezed(it.key())) +
                                     QStringLiteral("\\d+%1てん%2てん").arg(it.value().first).arg(it.value().second));
        QVERIFY2(row.match(text).hasMatch(), qPrintable(it.key()));
    }
    // The month's most frequent つまずき, by the names the pupil's list gives.
    const QList<Stumble> stumbles = LoadStumbles(*record, hana, QDate(2026, 3, 1), QDate(2026, 3, 31));
    if (stumbles.isEmpty())
        QVERIFY(text.contains(squeezed(QStringLiteral("この きかんには ありません"))));
    for (qsizetype i = 0; i < std::min<qsizetype>(3, stumbles.size()); ++i)
        QVERIFY2(text.contains(squeezed(ErrorName(stumbles.at(i).error))), qPrintable(ErrorName(stumbles.at(i).error)));
    if (const QString keep = qEnvironmentVariable("MINUKA_KEEP_REPORT"); !keep.isEmpty())
        QFile::copy(pdf, keep);  // for a look at the page
}

// Week, month and term, both ends included.
void PrintTest::periods_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("week, a Sunday") << int(ReportPeriod::Week) << QDate(2026, 4, 12) << QDate(2026, 4, 6) << QDate(2026, 4, 12);
    QTest::newRow("month, February") << int(ReportPeriod::Month) << QDate(2028, 2, 10) << QDate(2028, 2, 1) << QDate(2028, 2, 29);
    QTest::newRow("1学期") << int(ReportPeriod::Term) << QDate(2026, 7, 20) << QDate(2026, 4, 1) << QDate(2026, 8, 31);
    QTest::newRow("2学期") << int(ReportPeriod::Term) << QDate(2026, 12, 31) << QDate(2026, 9, 1) << QDate(2026, 12, 31);
    QTest::newRow("3学期") << int(ReportPeriod::Term) << QDate(2027, 3, 25) << QDate(2027, 1, 1) << QDate(2027, 3, 31);
}

void PrintTest::periods()
{
    QFETCH(int, period);
    QFETCH(QDate, today);
    const ReportRange r = ReportRangeOf(ReportPeriod(period), today);
    QTEST(r.from, "from");
    QTEST(r.to, "to");
}

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
