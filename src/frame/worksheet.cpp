#include "frame/worksheet.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/prompts.h"

#include <QPainter>
#include <QPixmap>

// ---------------------------------------------------------------- the step button

QString StepCaption(int step)
{
    // The step's number in a full-width digit, as the button has always read.
    return QStringLiteral("ステップ") + QChar(0xFF10 + qBound(0, step, 9));
}

int NextStep(int shown, int steps)
{
    return shown >= 0 && shown < steps ? shown + 1 : 1;
}

QString StepText(int step, const QStringList &lines)
{
    return QStringLiteral("【ステップ") + QChar(0xFF10 + qBound(0, step, 9)) + QStringLiteral("】\r\r") +
           lines.join(QLatin1Char('\r'));
}

QString FirstStepText()
{
    return StepText(1, {QStringLiteral("　もんだいを タテに ならべて、"), QStringLiteral("　下に 線を ひく。")});
}

QString FillIn(const char *line, const QList<std::pair<const char *, int>> &numbers)
{
    QString text = QString::fromUtf8(line);
    for (const auto &[name, value] : numbers)
        text.replace(QLatin1Char('{') + QLatin1String(name) + QLatin1Char('}'), QString::number(value));
    return text;
}

QStringList FillIn(std::span<const char *const> lines, const QList<std::pair<const char *, int>> &numbers)
{
    QStringList out;
    for (const char *line : lines)
        if (line)
            out << FillIn(line, numbers);
    return out;
}

WorkedStep WorkedColumn(int step, int steps, int answer, const QStringList &lines)
{
    WorkedStep out;
    const int column = qMin(step, steps) - 2;  // 0 the ones
    out.text = StepText(step, lines);
    out.last = column + 2 == steps;
    out.row = out.last ? QString::number(answer) : LastDigits(answer, column + 1);
    return out;
}

int PlaceDigit(int n, int place)
{
    for (int i = 0; i < place; ++i)
        n /= 10;
    return n % 10;
}

int Places(int n)
{
    int places = 1;
    for (; n >= 10; n /= 10)
        ++places;
    return places;
}

QString LastDigits(int n, int places)
{
    QString digits = QString::number(n);
    if (digits.size() < places)
        digits = QString(places - digits.size(), QLatin1Char('0')) + digits;
    return digits.right(places);
}

// ---------------------------------------------------------------- TDigitRow

TDigitRow::TDigitRow(const QString &name, int cellWidth, QWidget *parent) : TLabel(name, parent), cell_(cellWidth)
{
}

QRect TDigitRow::cellRect(int place) const
{
    return QRect(width() - (place + 1) * cell_, 0, cell_, height());
}

QSize TDigitRow::sizeHint() const
{
    const QFontMetrics fm(font());
    const int digitHeight = fm.tightBoundingRect(QStringLiteral("0123456789")).height();
    return QSize(int(text().size()) * cell_, digitHeight + 4);
}

void TDigitRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(font());
    // The digits sit on one baseline, centred in the row's height.
    const QRect digit = fm.tightBoundingRect(QStringLiteral("0123456789"));
    const int baseline = height() / 2 - digit.center().y();
    const QString t = text();
    for (int i = 0; i < t.size(); ++i) {
        const QString ch = t.mid(t.size() - 1 - i, 1);
        const QRect box = cellRect(i);
        p.drawText(box.x() + (box.width() - fm.horizontalAdvance(ch)) / 2, baseline, ch);
    }
}

// ---------------------------------------------------------------- TWorksheet

TWorksheet::TWorksheet(const QString &name, const QRect &area, const Grid &grid, QWidget *screen)
    : QWidget(screen), grid_(grid)
{
    setObjectName(name);
    setGeometry(area);
    setProperty("layoutArea", true);
    markHeight_ = QFontMetrics(Look::face(grid.markPixels)).height();
}

int TWorksheet::rowTop(int row) const
{
    return grid_.top + markHeight_ + 2 + row * (grid_.rowHeight + grid_.rowGap);
}

QRect TWorksheet::cell(int row, int place) const
{
    return QRect(grid_.right - (place + 1) * grid_.cell, rowTop(row), grid_.cell, grid_.rowHeight);
}

QRect TWorksheet::markCell(int place) const
{
    return QRect(grid_.right - (place + 1) * grid_.cell, grid_.top, grid_.cell, markHeight_);
}

QRect TWorksheet::gapBelow(int row, int places) const
{
    const int left = grid_.right - (places + 1) * grid_.cell;
    return QRect(left, rowTop(row) + grid_.rowHeight, grid_.right - left, grid_.rowGap);
}

QRect TWorksheet::sideCell(int index) const
{
    return QRect(grid_.right + grid_.cell / 2, rowTop(0) + index * markHeight_, grid_.cell, markHeight_);
}

TDigitRow *TWorksheet::addRow(const QString &name, int row, int places)
{
    auto *r = new TDigitRow(name, grid_.cell, this);
    r->setFont(Look::face(grid_.digitPixels));
    r->setGeometry(grid_.right - places * grid_.cell, rowTop(row), places * grid_.cell, grid_.rowHeight);
    return r;
}

TLabel *TWorksheet::addOperator(const QString &name, int row, int places)
{
    return addText(name, cell(row, places), grid_.digitPixels, Look::Navy, Qt::AlignCenter);
}

TShape *TWorksheet::addRule(const QString &name, int belowRow, int places)
{
    auto *rule = new TShape(name, Look::Red, Look::Navy, this);
    const QRect gap = gapBelow(belowRow, places);
    rule->setGeometry(gap.x(), gap.center().y(), gap.width() + 8, 2);
    rule->hide();
    return rule;
}

TLabel *TWorksheet::addMark(const QString &name, int place, const QColor &color)
{
    return addText(name, markCell(place), grid_.markPixels, color, Qt::AlignCenter);
}

TShape *TWorksheet::addStroke(const QString &name, TDigitRow *row, int place, QSize size)
{
    return addStroke(name, row, row->cellRect(place), size);
}

TShape *TWorksheet::addStroke(const QString &name, QWidget *over, const QRect &box, QSize size)
{
    // A child of the part it strikes, so it lies on it.
    auto *stroke = new TShape(name, Qt::black, Qt::black, over);
    stroke->setGeometry(box.center().x() - size.width() / 2 + 1, box.center().y() - size.height() / 2 + 1,
                        size.width(), size.height());
    stroke->hide();
    return stroke;
}

TLabel *TWorksheet::addText(const QString &name, const QRect &geometry, int pixelSize, const QColor &color,
                            Qt::Alignment align)
{
    return NewLabel(this, name, geometry, pixelSize, align, color);
}

// ---------------------------------------------------------------- TWorksheetScreen

namespace {
const QString &kMenuPrompt = Prompts::MenuTight;
const QString &kNextPrompt = Prompts::NextTight;
const QString &kStepPrompt = Prompts::StepTight;
const QString &kMemoShownPrompt = Prompts::MemoShown;
const QString &kMemoHiddenPrompt = Prompts::Menu;

constexpr int kButtonRowY = 540;

}  // namespace

TLesson TSheetLesson::lesson() const
{
    TLesson l;
    l.title = title;
    l.subtitle = subtitle;
    l.quitQuestion = quitQuestion;
    l.markedPrompt = markedPrompt;
    return l;
}

TSheetScreen::SheetFrame TSheetScreen::frameOf(const TSheetLesson &lesson, const TWorksheet::Grid &grid,
                                               const QRect &problemLine)
{
    SheetFrame f;
    f.grid = grid;
    f.problemLine = problemLine;
    f.memoLines = lesson.memoLines;
    f.memoScrollBar = lesson.memoScrollBar;
    f.memoDesignTop = lesson.memoDesignTop;
    return f;
}

void TSheetScreen::clearSheet(int lastLabel, int lastShape)
{
    LessonState.GridShown = 0;
    LessonState.ColumnStep = 0;
    for (int n = 4; n <= lastLabel; ++n)
        if (auto *l = findChild<TLabel *>(QStringLiteral("Label%1").arg(n)))
            l->setCaption(QString());
    places_.hide();
    for (int n = 1; n <= lastShape; ++n)
        if (auto *s = findChild<TShape *>(QStringLiteral("Shape%1").arg(n)))
            s->hide();
    CuteButton5->setEnabled(false);
    // A problem set up afresh starts at its first step, and the button says so.
    CuteButton5->setCaption(StepCaption(1));
    showMemo(false);
}

TSheetScreen::TSheetScreen(const Services &services, const TLesson &lesson, const SheetFrame &frame)
    : TLessonScreen(services, lesson), stepPromptBlinks_(frame.stepPromptBlinks), lastStepCloses_(frame.lastStepCloses)
{
    Label1 = addLabel(QStringLiteral("Label1"), QRect(200, 10, 555, 56), 40, Qt::AlignCenter, lesson.title);
    Label2 = addLabel(QStringLiteral("Label2"), QRect(200, 70, 555, 40), 26, Qt::AlignCenter, lesson.subtitle);
    if (!frame.menuItems.isEmpty())
        sheetMenu_ = addPicker(QStringLiteral("ComboBox1"), frame.menuItems, {20, 14}, 130,
                               int(frame.menuItems.size()), frame.menuText);

    const QRect area = frame.workArea;
    if (frame.problemInWindow)
        Label4 = addLabel(QStringLiteral("Label4"), frame.problemLine, 40);
    Worksheet = new TWorksheet(QStringLiteral("Worksheet"), area, frame.grid, this);
    if (!frame.problemInWindow)
        Label4 = Worksheet->addText(QStringLiteral("Label4"), frame.problemLine, 40, Look::Navy);

    constexpr int right = Look::RightEdge;
    const int *column = frame.fromRight;
    if (frame.memoButton)
        CuteButton6 = addButton(QStringLiteral("CuteButton6"), QStringLiteral("ポイント"),
                                              Look::SkyBlue, {right - column[0], kButtonRowY});
    else
        CuteButton6 = nullptr;
    CuteButton5 = addButton(QStringLiteral("CuteButton5"),
                            frame.stepCaption.isEmpty() ? StepCaption(1) : frame.stepCaption, Look::Answer,
                            {right - column[1], kButtonRowY});
    CuteButton4 = addButton(QStringLiteral("CuteButton4"), QStringLiteral("つぎへ"), Look::Next,
                            {right - column[2], kButtonRowY});
    setNextButton(CuteButton4);
    CuteButton1->move(right - column[0], BottomRowY);
    CuteButton2->move(right - column[1], BottomRowY);
    CuteButton3 = addModeToggle(QStringLiteral("CuteButton3"), {right - column[2], BottomRowY});

    const QRect memo = frame.memoArea.isEmpty() ? area : frame.memoArea;
    memoHome_ = memo.topLeft();
    Memo1 = new TMemo(QStringLiteral("Memo1"), this);
    Memo1->setGeometry(memo.x(), frame.memoDesignTop < 0 ? memo.y() : frame.memoDesignTop, memo.width(),
                       memo.height());
    Memo1->setFont(Look::face(17));
    Memo1->setLines(frame.memoLines);
    Memo1->setVerticalScrollBarPolicy(frame.memoScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    Memo1->hide();

    Image1 = addPicture(QStringLiteral("Image1"));
    Label3 = addPromptLabel(QStringLiteral("Label3"));
    setPromptLabel(Label3);
    // Room for the two-line prompts of the columns.
    const int promptRight = frame.promptRight < 0 ? area.right() + 1 : frame.promptRight;
    Label3->setGeometry(Label3->x(), StatusBarY - 72, promptRight - Label3->x(), 70);
}

namespace {
TSheetScreen::SheetFrame worksheetFrame(const TWorksheetLesson &lesson)
{
    TSheetScreen::SheetFrame f = TWorksheetScreen::frameOf(lesson, {}, QRect(8, 34, 608, 62));
    f.menuItems = lesson.menuItems;
    f.menuText = lesson.menuText;
    return f;
}
}  // namespace

TWorksheetScreen::TWorksheetScreen(const Services &services, const TWorksheetLesson &lesson)
    : TSheetScreen(services, lesson.lesson(), worksheetFrame(lesson)), lesson_(lesson)
{
    places_ = TPlacePickers(this, Look::Pickers::Sheet);
    ComboBox1 = sheetMenu_;
    Label5 = Worksheet->addText(QStringLiteral("Label5"), QRect(8, 104, 388, 364), 18, Look::Teal,
                                Qt::AlignLeft | Qt::AlignTop);
}

namespace {
// The part made, kept in its member too.
template <class Part, class T>
T *keep(const Part &part, T *made)
{
    if (part.member)
        *part.member = made;
    return made;
}
QString nameOf(const char *name)
{
    return QString::fromLatin1(name);
}
}  // namespace

const TWorksheetScreen::Sheet &TWorksheetScreen::buildSheet(const SheetNames &names, const QColor &markColor)
{
    constexpr int places = 4;
    sheet_.heading = keep(names.heading, Worksheet->addText(nameOf(names.heading.name), QRect(8, 0, 608, 32), 20, Look::Navy));
    for (int place = 1; place < 4; ++place)
        if (names.marks[place].name)
            sheet_.marks[place] = keep(names.marks[place], Worksheet->addMark(nameOf(names.marks[place].name), place, markColor));
    for (int row = 0; row < 3; ++row)
        sheet_.rows[row] = keep(names.rows[row], Worksheet->addRow(nameOf(names.rows[row].name), row, places));
    sheet_.sign = keep(names.sign, Worksheet->addOperator(nameOf(names.sign.name), 1, places));
    Shape1 = Worksheet->addRule(QStringLiteral("Shape1"), 1, places);
    for (int place = 1; place < 4; ++place)
        if (names.strokes[place].name)
            sheet_.strokes[place] =
                keep(names.strokes[place], Worksheet->addStroke(nameOf(names.strokes[place].name), sheet_.rows[0], place));
    const QRect below = Worksheet->cell(2, 3);
    sheet_.mark = keep(names.mark, Worksheet->addText(nameOf(names.mark.name), QRect(460, below.bottom() + 14, 150, 146),
                                                      96, Look::Red, Qt::AlignCenter));
    setMarkLabel(sheet_.mark);
    return sheet_;
}

void TWorksheetScreen::ResetScreen()
{
    LessonState.Entry4 = 0;
    LessonState.Entry3 = 0;
    LessonState.Entry2 = 0;
    posed_ = false;
    clearSheet(lesson_.lastLabel, lesson_.lastShape);
    for (TShape *stroke : sheet_.strokes)  // a mark and its stroke go together
        if (stroke)
            stroke->hide();
}

void TWorksheetScreen::ShowColumnStep()
{
    const Sheet &s = sheet_;
    s.rows[0]->setCaption(QString::number(LessonState.OperandA));
    s.rows[1]->setCaption(QString::number(LessonState.OperandB));
    s.sign->setCaption(sign());
    Shape1->show();
    const WorkedStep step = exampleStep(LessonState.ColumnStep);
    Label5->setCaption(step.text);
    if (step.row)
        s.rows[2]->setCaption(*step.row);
    for (const ColumnMark &m : step.marks)
        if (m.place > 0 && m.place < 4 && s.marks[m.place])
            s.marks[m.place]->setCaption(m.text);
    for (int place : step.strokes)
        if (place > 0 && place < 4 && s.strokes[place])
            s.strokes[place]->show();
    if (step.last)
        Label4->setCaption(equation());
}

void TWorksheetScreen::MarkAnswer()
{
    Label4->setCaption(equation());
    Mark({MenuPicked(), {LessonState.OperandA, LessonState.OperandB}, LessonState.Answer, LessonState.GivenAnswer});
}

void TWorksheetScreen::FormCreate()
{
    SetLessonMode(CuteButton3, 1);
    // The shared menu field may hold another screen's item: this screen
    // goes on with its own menu's.
    if (MenuPicked() > 0)
        restoreMenu();
    ResetScreen();
    CuteButton4->setEnabled(false);
    CuteButton5->setEnabled(false);
    Prompt(kMenuPrompt);
    PlayCue(Cue::Poon);
}

void TWorksheetScreen::ComboBox1Change()
{
    ResetScreen();
    LessonState.StepNo = 0;
    keepMenu(ComboBox1->itemIndex() + 1);
    SetLessonMode(CuteButton3, 1);
    CuteButton4->setEnabled(true);
    Prompt(kNextPrompt);
    PlayCue(Cue::Poon);
}

void TWorksheetScreen::CuteButton4Click()
{
    if (MenuPicked() <= 0)
        return;  // nothing to pose before this screen's menu is picked
    ResetScreen();
    if (LessonState.LessonMode == 1) {
        LessonState.StepNo = NextStep(LessonState.StepNo, exampleCount());
        DrawExample();
        CuteButton4->setEnabled(false);
        CuteButton5->setEnabled(true);
        Prompt(kStepPrompt);
    } else {
        PoseTestProblem();
    }
    PlayCue(Cue::Pipo);
}

void TWorksheetScreen::CuteButton5Click()
{
    if (MenuPicked() <= 0 || LessonState.LessonMode != 1)
        return;
    stepPressed(exampleSteps());
}

void TWorksheetScreen::CuteButton6Click()
{
    memoPressed();
}

// ---------------------------------------------------------------- the sheet's step button and memo

void TSheetScreen::stepPressed(int steps)
{
    LessonState.ColumnStep = NextStep(LessonState.ColumnStep, steps);
    ShowColumnStep();
    const bool last = LessonState.ColumnStep == steps;
    CuteButton5->setCaption(StepCaption(last ? 1 : LessonState.ColumnStep + 1));
    if (last) {
        if (lastStepCloses_) {
            LessonState.ColumnStep = 0;
            CuteButton5->setEnabled(false);
        }
        CuteButton4->setEnabled(true);
        PlayCue(Cue::Poon);
    } else {
        PlayCue(Cue::Bun);
    }
    const QString &prompt = last ? kNextPrompt : kStepPrompt;
    if (stepPromptBlinks_)
        Prompt(prompt);
    else
        Label3->setCaption(prompt);
}

void TSheetScreen::memoPressed()
{
    if (!Memo1->isHidden()) {
        LessonState.GridShown = 0;
        showMemo(false);
        Prompt(kMemoHiddenPrompt);
        PlayCue(Cue::Pipo);
    } else {
        showMemo(true);
        Prompt(kMemoShownPrompt);
        LessonState.GridShown = 1;
        PlayCue(Cue::Sharan);
    }
}

void TSheetScreen::showMemo(bool shown)
{
    if (shown) {
        Memo1->move(memoHome_);
        Memo1->show();
        Memo1->raise();
    } else {
        Memo1->hide();
    }
    // The memo covers the working area; what is written there stays as it is.
    Worksheet->setVisible(!shown);
}

// ---------------------------------------------------------------- column multiplication

namespace {
// A red line on a clear ground, from (fromX, top) to (toX, bottom) of a
// picture `size` big.
QPixmap linkPicture(QSize size, qreal fromX, qreal toX)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Look::Red, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(fromX, 1.5), QPointF(toX, size.height() - 1.5));
    return picture;
}
}  // namespace

TImage *TWorksheet::addLink(const QString &name, int row, int fromPlace, int toPlace)
{
    // The line stays inside the gap, clear of the digits' boxes.
    constexpr int margin = 3;  // room for the line's width and its round ends
    const QRect gap = gapBelow(row, qMax(fromPlace, toPlace));
    const int fromX = cell(row, fromPlace).center().x();
    const int toX = cell(row + 1, toPlace).center().x();
    const int left = qMin(fromX, toX) - margin;
    const QSize size(qAbs(fromX - toX) + 2 * margin + 1, qMax(4, gap.height() - 2));
    auto *link = new TImage(name, linkPicture(size, fromX - left, toX - left), this);
    link->move(left, gap.y() + 1);
    link->hide();
    return link;
}

TLabel *TWorksheet::addSideCarry(const QString &name, int index, const QColor &color)
{
    return addText(name, sideCell(index), grid_.markPixels, color, Qt::AlignCenter);
}

TShape *TWorksheet::addCarryStroke(const QString &name, TLabel *carry, QSize size)
{
    // A child of the carry, so it lies on the digit it strikes.
    auto *stroke = new TShape(name, Qt::black, Qt::black, carry);
    stroke->setGeometry((carry->width() - size.width()) / 2, (carry->height() - size.height()) / 2 + 1,
                        size.width(), size.height());
    stroke->hide();
    return stroke;
}
