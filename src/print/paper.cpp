#include "print/paper.h"

#include "lessons/multiplication/column1.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QSaveFile>
#include <algorithm>

namespace {

const QColor kInk(0x20, 0x20, 0x20);
const QColor kRed(0xd0, 0x10, 0x10);
const QColor kCellLine(0x9c, 0xb4, 0xc8);  // the squared cells, pale blue as on bought paper
const QColor kFaint(0x80, 0x80, 0x80);

// The band of a page where the problems stand, below the heading and above
// the footer.
constexpr int kProblemsTop = 430;
constexpr int kProblemsBottom = 2820;

QPen pen(const QColor &c, double width)
{
    QPen p(c, width);
    p.setCapStyle(Qt::FlatCap);
    return p;
}

// The heading of both pages: the title, then なまえ, the date and the score
// box on one line, a rule under them.
void paintHeading(QPainter &p, const QString &title, bool answers)
{
    const int left = Paper::Margin, right = Paper::Width - Paper::Margin;
    p.setPen(kInk);
    p.setFont(Paper::font(75, true));
    const QString heading = answers ? QStringLiteral("こたえ　") + title : title;
    p.drawText(QRectF(left, 110, right - left, 110), Qt::AlignCenter, heading);

    p.setFont(Paper::font(48));
    const QRectF line(left, 250, right - left, 100);
    p.drawText(QRectF(line.left(), line.top(), 200, line.height()), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("なまえ"));
    p.setPen(pen(kInk, 4));
    p.drawLine(QPointF(line.left() + 170, line.bottom()), QPointF(line.left() + 900, line.bottom()));
    p.setPen(kInk);
    p.drawText(QRectF(line.left() + 960, line.top(), 420, line.height()), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("　月　日"));
    const QRectF score(right - 380, line.top() - 10, 380, line.height() + 20);
    p.setPen(pen(kInk, 6));
    p.drawRoundedRect(score, 20, 20);
    p.setPen(kInk);
    p.drawText(score.adjusted(0, 0, -25, -15), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("　　てん"));
    p.setPen(pen(kInk, 5));
    p.drawLine(QPointF(left, 385), QPointF(right, 385));
}

void paintFooter(QPainter &p, quint32 seed)
{
    p.setPen(kFaint);
    p.setFont(Paper::font(24));
    p.drawText(QRectF(Paper::Margin, 2860, Paper::Width - 2 * Paper::Margin, 40), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("ミヌカ　たね %1").arg(seed));
}

// ---------------------------------------------------------------- rows

// A numbered row: the question's text with its boxes; on the answer page the
// boxes hold the answers in red.
void paintRow(QPainter &p, const QRectF &slot, int number, const SheetProblem &problem, bool answers)
{
    const QStringList parts = problem.question.split(QStringLiteral("□"));
    // The row's pieces at the full size: a text, or a box wide enough for
    // its answer.
    auto widths = [&](int px) {
        const QFontMetricsF fm(Paper::font(px));
        QList<double> w;
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0)
                w << std::max(px * 2.2, QFontMetricsF(Paper::font(px, true)).horizontalAdvance(problem.fills.value(i - 1)) + px) + 30;
            w << (parts[i].trimmed().isEmpty() ? 0.0 : fm.horizontalAdvance(parts[i].trimmed()) + 12);
        }
        return w;
    };
    const double numberWidth = 130;
    int px = 58;
    QList<double> w = widths(px);
    auto total = [](const QList<double> &l) {
        double t = 0;
        for (double x : l)
            t += x;
        return t;
    };
    // A long row is set smaller rather than run into the next column.
    while (px > 36 && numberWidth + total(w) > slot.width()) {
        px -= 2;
        w = widths(px);
    }
    const double boxHeight = px * 1.9;
    const double mid = slot.center().y();

    p.setPen(kInk);
    p.setFont(Paper::font(42));
    p.drawText(QRectF(slot.left(), slot.top(), numberWidth, slot.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("(%1)").arg(number));
    double x = slot.left() + numberWidth;
    int k = 0;
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            const QRectF box(x + 15, mid - boxHeight / 2, w[k] - 30, boxHeight);
            p.setPen(pen(kInk, 5));
            p.drawRect(box);
            if (answers) {
                p.setPen(kRed);
                p.setFont(Paper::font(px, true));
                p.drawText(box, Qt::AlignCenter, problem.fills.value(i - 1));
            }
            x += w[k++];
        }
        const QString part = parts[i].trimmed();
        if (!part.isEmpty()) {
            p.setPen(kInk);
            p.setFont(Paper::font(px));
            p.drawText(QRectF(x, slot.top(), w[k] + 20, slot.height()), Qt::AlignLeft | Qt::AlignVCenter, part);
        }
        x += w[k++];
    }
}

// ---------------------------------------------------------------- columns

// The places across the squared cells a sheet's column problems need, the
// sign's cell not counted.
int columnPlaces(const QList<SheetProblem> &problems)
{
    int places = 3;
    for (const SheetProblem &s : problems) {
        if (!s.column)
            continue;
        const SheetColumn &w = s.work;
        places = std::max({places, Places(w.a), Places(w.b), Places(std::max(w.answer(), 0))});
        if (w.twoRules())
            places = std::max(places, Places(w.resultRows().value(1)) + 1);
    }
    return places;
}

// A column calculation on squared cells: a band for carries and borrows, the
// two numbers (the sign in the leftmost cell), the rule, and the rows of the
// answer; on the answer page the answer, carries and borrows in red.
void paintColumn(QPainter &p, const QRectF &slot, int number, const SheetProblem &problem, int places, double cell,
                 bool answers)
{
    const SheetColumn &w = problem.work;
    const int cells = places + 1;
    const double markBand = cell * 0.6;
    const QList<int> results = w.resultRows();
    const int rows = 2 + results.size();
    const double left = slot.right() - cells * cell - 20;
    const double top = slot.top() + 40;
    const double gridTop = top + markBand;
    auto cellRect = [&](int row, int place) {
        // place 0 the ones, at the right edge; place `places` the sign's cell.
        return QRectF(left + (places - place) * cell, gridTop + row * cell, cell, cell);
    };

    p.setPen(kInk);
    p.setFont(Paper::font(42));
    p.drawText(QRectF(slot.left(), gridTop, left - slot.left(), cell), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("(%1)").arg(number));

    // The cells: a dashed band for the marks above, full squares below.
    QPen dashed = pen(kCellLine, 3);
    dashed.setStyle(Qt::DashLine);
    p.setPen(dashed);
    for (int c = 0; c <= places; ++c)
        p.drawRect(QRectF(left + c * cell, top, cell, markBand));
    p.setPen(pen(kCellLine, 3));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c <= places; ++c)
            p.drawRect(QRectF(left + c * cell, gridTop + r * cell, cell, cell));

    // Digits centred in their cells, one font for a row so they share a
    // baseline.
    const QFont digitFont = Paper::font(int(cell * 0.72));
    auto writeNumber = [&](int row, int n, int shift, const QColor &colour) {
        p.setPen(colour);
        p.setFont(digitFont);
        for (int pl = 0; pl < Places(n); ++pl)
            p.drawText(cellRect(row, pl + shift), Qt::AlignCenter, QString::number(PlaceDigit(n, pl)));
    };
    writeNumber(0, w.a, 0, kInk);
    writeNumber(1, w.b, 0, kInk);
    p.setPen(kInk);
    p.setFont(digitFont);
    const QString sign = w.op == SheetColumn::Add ? QStringLiteral("+")
                         : w.op == SheetColumn::Subtract ? QStringLiteral("-")
                                                        : QStringLiteral("×");
    p.drawText(cellRect(1, places), Qt::AlignCenter, sign);

    // The rule under the two numbers, and for two places by two a second
    // one above the sum.
    p.setPen(pen(kInk, 7));
    const double ruleLeft = left, ruleRight = left + cells * cell;
    p.drawLine(QPointF(ruleLeft, gridTop + 2 * cell), QPointF(ruleRight, gridTop + 2 * cell));
    if (w.twoRules())
        p.drawLine(QPointF(ruleLeft, gridTop + 4 * cell), QPointF(ruleRight, gridTop + 4 * cell));

    if (!answers)
        return;
    for (int i = 0; i < results.size(); ++i)
        writeNumber(2 + i, results[i], w.twoRules() && i == 1 ? 1 : 0, kRed);
    const QStringList marks = w.marksAbove();
    p.setPen(kRed);
    p.setFont(Paper::font(int(markBand * 0.8)));
    for (int pl = 0; pl < marks.size() && pl < places; ++pl)
        if (!marks[pl].isEmpty())
            p.drawText(QRectF(left + (places - pl) * cell, top, cell, markBand), Qt::AlignCenter, marks[pl]);
    p.setPen(pen(kRed, 5));
    for (int pl : w.struckPlaces()) {
        const QRectF r = cellRect(0, pl).adjusted(cell * 0.25, cell * 0.2, -cell * 0.25, -cell * 0.2);
        p.drawLine(r.bottomLeft(), r.topRight());
    }
}

void paintProblems(QPainter &p, const Worksheet &sheet, bool answers)
{
    const SheetLayout layout = SheetLayoutOf(sheet.topic);
    const int places = columnPlaces(sheet.problems);
    for (int i = 0; i < sheet.problems.size(); ++i) {
        const QRectF slot = SheetSlot(layout, i);
        const SheetProblem &problem = sheet.problems[i];
        if (problem.column)
            paintColumn(p, slot, i + 1, problem, places, layout.cell * 10, answers);
        else
            paintRow(p, slot.adjusted(0, 0, -40, 0), i + 1, problem, answers);
    }
}

}  // namespace

namespace Paper {

QFont font(int tenths, bool bold)
{
    QFont f(QString::fromLatin1(Family));
    f.setPixelSize(std::max(1, tenths));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferOutline);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

bool begin(QPainter &painter, QPagedPaintDevice &device)
{
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The device's own units (printer dots) to tenths of a millimetre, from
    // the paper's corner (the margins are set to none).
    const double scale = device.logicalDpiX() / 254.0;
    painter.scale(scale, scale);
    return true;
}

void setUp(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace Paper

QRectF SheetSlot(const SheetLayout &layout, int index)
{
    const double slotWidth = double(Paper::Width - 2 * Paper::Margin) / layout.across;
    const double slotHeight = double(kProblemsBottom - kProblemsTop) / layout.down;
    // Down each column first on a sheet of rows, as a pupil reads it; across
    // first for the column calculations, as a book sets them out.
    const int col = layout.column ? index % layout.across : index / layout.down;
    const int row = layout.column ? index / layout.across : index % layout.down;
    return QRectF(Paper::Margin + col * slotWidth, kProblemsTop + row * slotHeight, slotWidth, slotHeight);
}

bool PaintWorksheet(QPagedPaintDevice &device, const Worksheet &sheet)
{
    QPainter p;
    if (!Paper::begin(p, device))
        return false;
    for (bool answers : {false, true}) {
        if (answers)
            device.newPage();
        paintHeading(p, sheet.title, answers);
        paintProblems(p, sheet, answers);
        paintFooter(p, sheet.seed);
    }
    return p.end();
}

bool WritePdf(const QString &path, const QString &title, const std::function<bool(QPagedPaintDevice &)> &paint,
              QString *error)
{
    // Written beside and put in place once whole: a sheet that fails half
    // way leaves the file that was there before.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bool painted = false;
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("ミヌカ"));
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        painted = paint(pdf);
    }
    if (!painted) {
        file.cancelWriting();
        if (error)
            *error = QStringLiteral("could not draw the pages");
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool WriteWorksheetPdf(const QString &path, const Worksheet &sheet, QString *error)
{
    return WritePdf(path, sheet.title, [&sheet](QPagedPaintDevice &d) { return PaintWorksheet(d, sheet); }, error);
}

void PreviewPages(QWidget *parent, const QString &title, const PagePainter &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    Paper::setUp(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter *p) { paint(*p); });
    dialog.exec();
}

void PrintPages(QWidget *parent, const PagePainter &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    Paper::setUp(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        paint(printer);
}

QString AskPdfPath(QWidget *parent, const QString &fileName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, QStringLiteral("PDF に ほぞん"), folder + QLatin1Char('/') + fileName,
                                        QStringLiteral("PDF (*.pdf)"));
}

QString SavedText(const QString &path, bool saved, const QString &error)
{
    return saved ? QStringLiteral("ほぞんしました。\r\n%1").arg(path)
                 : QStringLiteral("ほぞんできませんでした。\r\n%1\r\n%2").arg(path, error);
}
