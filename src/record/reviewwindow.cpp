#include "record/reviewwindow.h"

#include "frame/controls.h"
#include "frame/frame.h"
#include "frame/look.h"
#include "frame/worksheet.h"
#include "record/stumbles.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
// Where the parts stand, on the lessons' screen size.
constexpr int kPickerTop = 150;
constexpr int kPickerWidth = 56;
constexpr int kPickerGap = 8;
constexpr int kPartWord = 76;  // room for "あまり" or a unit between two numbers
const QRect kWorkArea(16, 130, 440, 400);

TLabel *text(const QString &name, const QRect &at, int pixels, const QColor &color, QWidget *parent,
             Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new TLabel(name, parent);
    l->setFont(Look::face(pixels));
    l->setGeometry(at);
    l->setAlignment(align);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
    return l;
}

QString placeName(int place)
{
    static const char *const names[] = {"一", "十", "百", "千", "万", "十万"};
    return place >= 0 && place < 6 ? QString::fromUtf8(names[place]) : QString();
}

qint64 power10(int n)
{
    qint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}
}  // namespace

ReviewWindow::ReviewWindow(RecordStore *record, const Services &services, QWidget *parent)
    : QDialog(parent), record_(record), services_(services)
{
    setObjectName(QStringLiteral("ReviewWindow"));
    setWindowTitle(ReviewName());
    setFixedSize(Look::ScreenWidth, Look::ScreenHeight);
    QPalette p = palette();
    p.setColor(QPalette::Window, Look::Background);
    p.setColor(QPalette::Highlight, Look::Accent);
    setPalette(p);
    setAutoFillBackground(true);

    TitleLabel = text(QStringLiteral("TitleLabel"), QRect(30, 10, 600, 44), 30, Look::Navy, this);
    CountLabel = text(QStringLiteral("CountLabel"), QRect(Look::RightEdge - 260, 16, 260, 30), 18, Look::Navy, this,
                      Qt::AlignRight | Qt::AlignVCenter);
    ProblemLabel = text(QStringLiteral("ProblemLabel"), QRect(30, 60, 760, 66), 40, Qt::black, this);
    MarkLabel = text(QStringLiteral("MarkLabel"), QRect(800, 52, 130, 96), 90, Look::Red, this, Qt::AlignCenter);
    AnswerLabel = text(QStringLiteral("AnswerLabel"), QRect(480, 470, Look::RightEdge - 480, 40), 26, Look::Teal, this);
    HintLabel = text(QStringLiteral("HintLabel"), QRect(480, 514, Look::RightEdge - 480, 76), 22, Look::Maroon, this,
                     Qt::AlignLeft | Qt::AlignTop);
    HintLabel->setWordWrap(true);
    PromptLabel = text(QStringLiteral("PromptLabel"), QRect(30, 606, 700, 34), 20, Look::Navy, this);
    NextButton = new TCuteButton(QStringLiteral("NextButton"), QStringLiteral("つぎへ"), Look::Next, this);
    NextButton->move(Look::RightEdge - 190, 650);
    CloseButton = new TCuteButton(QStringLiteral("CloseButton"), QStringLiteral("とじる"), Look::Answer, this);
    CloseButton->move(Look::RightEdge - 90, 650);
    connect(NextButton, &QPushButton::clicked, this, &ReviewWindow::NextButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &ReviewWindow::CloseButtonClick);
}

const ReviewEntry *ReviewWindow::current() const
{
    return index_ >= 0 && index_ < entries_.size() ? &entries_[index_] : nullptr;
}

void ReviewWindow::startDue()
{
    QList<ReviewEntry> due;
    if (record_) {
        pupil_ = record_->currentPupil().id;
        due = record_->dueReviews(pupil_, services_.clock->now().date());
    }
    start(due, ReviewName(), 1, true);
}

void ReviewWindow::startFacts(int row, const QList<int> &facts)
{
    QList<ReviewEntry> entries;
    for (int b : facts)
        entries.append(FactEntry(row, b));
    if (record_)
        pupil_ = record_->currentPupil().id;
    start(entries, QStringLiteral("九九の %1のだん").arg(FullWidthNumber(row)), 2, false);
}

void ReviewWindow::start(const QList<ReviewEntry> &entries, const QString &title, int menuItem, bool moveBoxes)
{
    // A review left half done is ended before the next begins.
    recorder_.endTest(record_, services_.clock->now());
    entries_ = entries;
    menuText_ = title;
    menuItem_ = menuItem;
    moveBoxes_ = moveBoxes;
    started_ = true;
    index_ = 0;
    right_ = 0;
    TitleLabel->setCaption(title);
    if (entries_.isEmpty()) {
        clearProblem();
        ProblemLabel->setCaption(QStringLiteral("きょうの まちがいなおしは ありません。"));
        PromptLabel->setCaption(QStringLiteral("「とじる」で もどってね！"));
        CountLabel->setCaption(QString());
        NextButton->setEnabled(false);
        return;
    }
    pose();
}

void ReviewWindow::clearProblem()
{
    qDeleteAll(pickers_);
    pickers_.clear();
    qDeleteAll(partLabels_);
    partLabels_.clear();
    delete ColumnWork;
    ColumnWork = nullptr;
    for (TLabel *l : {ProblemLabel, MarkLabel, AnswerLabel, HintLabel})
        l->setCaption(QString());
    marked_ = false;
}

void ReviewWindow::pose()
{
    clearProblem();
    const ReviewEntry &e = entries_[index_];
    question_ = PoseReview(e);
    CountLabel->setCaption(
        QStringLiteral("%1もんめ／%2もん").arg(FullWidthNumber(index_ + 1), FullWidthNumber(int(entries_.size()))));
    // A problem of two lines (a length or a weight in the units drill) in
    // a smaller face, so both lines stand where one does.
    ProblemLabel->setFont(Look::face(question_.text.contains(QLatin1Char('\n')) ? 26 : 40));
    ProblemLabel->setCaption(question_.text);
    if (question_.column)
        showWorking(e);  // the numbers one under the other, not yet worked

    // The pickers from the right edge leftwards: the last number's ones
    // first, a word between two numbers.
    int right = Look::RightEdge;
    QList<TComboBox *> row;
    for (int part = int(question_.parts.size()) - 1; part >= 0; --part) {
        const AnswerPart &ap = question_.parts[part];
        if (!ap.after.isEmpty()) {
            TLabel *word = text(QStringLiteral("PartWord%1").arg(part + 1), QRect(right - kPartWord, kPickerTop, kPartWord, 40),
                                20, Look::Navy, this, Qt::AlignCenter);
            word->setCaption(ap.after);
            word->show();
            partLabels_.append(word);
            right -= kPartWord;
        }
        for (int place = 0; place < ap.places; ++place) {
            auto *list = new TComboBox(QStringLiteral("Part%1Place%2").arg(part + 1).arg(place), Look::digitItems(), this);
            list->place(right - kPickerWidth, kPickerTop, kPickerWidth, 10);
            list->setText(placeName(place));
            list->setProperty("part", part);
            list->setProperty("place", place);
            list->show();
            connect(list, &TComboBox::change, this, [this, list] { picked(list); });
            row.prepend(list);
            right -= kPickerWidth + kPickerGap;
        }
        right -= kPickerGap;
    }
    pickers_ = row;
    NextButton->setEnabled(false);
    PromptLabel->setCaption(QStringLiteral("こたえは 大きい「くらい」から じゅんに えらんでね！"));
    posedAt_ = services_.clock->now();
    PlayCue(services_, Cue::Pipo);
    if (isVisible())
        TComboBox::focusFirstDigitList(this);
}

void ReviewWindow::picked(TComboBox *picker)
{
    if (marked_ || !current())
        return;
    // The last picker, the ones of the last number, closes the answer.
    if (picker == pickers_.last())
        mark();
    else
        PlayCue(services_, Cue::Bun);
}

void ReviewWindow::mark()
{
    const ReviewEntry e = entries_[index_];
    QList<qint64> given(question_.parts.size(), 0);
    for (TComboBox *list : std::as_const(pickers_))
        if (list->itemIndex() >= 0)
            given[list->property("part").toInt()] += list->itemIndex() * power10(list->property("place").toInt());
    bool right = true;
    for (int i = 0; i < question_.parts.size(); ++i)
        right = right && given[i] == question_.parts[i].value;
    marked_ = true;
    right_ += right;
    for (TComboBox *list : std::as_const(pickers_))
        list->setEnabled(false);  // one answer, one mark: the pickers rest until "つぎへ"

    MarkLabel->setCaption(right ? QStringLiteral("○") : QStringLiteral("×"));
    PlayCue(services_, MarkCue(right));
    AnswerLabel->setCaption(ReviewEquation(e));
    RecordedAnswer answer = ReviewAnswer(e, given, right);
    if (!right) {
        if (question_.column)
            showWorking(e);
        const ArithmeticError error = DiagnoseAnswer(answer);
        HintLabel->setCaption(error == ArithmeticError::None ? QString() : ErrorHint(error));
    }

    // Recorded as a lesson test's answer is; a wrong one goes back to the
    // first box with it.
    const QDateTime now = services_.clock->now();
    answer.problemNo = index_ + 1;
    answer.posedAt = posedAt_;
    answer.answeredAt = now;
    answer.ms = posedAt_.msecsTo(now);
    recorder_.markTest(record_, {ReviewForm, SessionMode::Test, menuItem_, menuText_, 0, now}, answer);
    if (record_ && moveBoxes_ && !pupil_.isEmpty())
        record_->write({ReviewMove(pupil_, e, right, now.date())});
    emit reviewed();

    NextButton->setEnabled(true);
    NextButton->setCaption(index_ + 1 < entries_.size() ? QStringLiteral("つぎへ") : QStringLiteral("おわり"));
    PromptLabel->setCaption(QStringLiteral("「つぎへ」ボタンで すすめてね！"));
    NextButton->setFocus();
}

void ReviewWindow::showWorking(const ReviewEntry &e)
{
    delete ColumnWork;
    ColumnWork = nullptr;
    const auto problem = DiagnosisProblem(e.problem);
    const auto work = problem ? WorkColumn(*problem) : std::nullopt;
    if (!work)
        return;
    TWorksheet::Grid grid;
    grid.right = kWorkArea.width() - 60;
    grid.top = 4;
    grid.cell = 42;
    grid.rowHeight = 48;
    grid.rowGap = 12;
    grid.digitPixels = 40;
    ColumnWork = new TWorksheet(QStringLiteral("ColumnWork"), kWorkArea, grid, this);
    const bool worked = marked_;
    int places = qMax(work->top.size(), work->bottom.size()) ;
    for (const QString &s : work->partials)
        places = qMax(places, int(s.size()) + 1);
    places = qMax(places, int(work->result.size()));

    auto row = [&](const QString &name, int at, const QString &digits, int shift = 0) {
        TDigitRow *r = ColumnWork->addRow(name, at, int(digits.size()));
        r->move(r->x() - shift * grid.cell, r->y());
        r->setCaption(digits);
        return r;
    };
    TDigitRow *top = row(QStringLiteral("WorkTop"), 0, work->top);
    row(QStringLiteral("WorkBottom"), 1, work->bottom);
    ColumnWork->addOperator(QStringLiteral("WorkSign"), 1, places)->setCaption(work->sign);
    ColumnWork->addRule(QStringLiteral("WorkRule"), 1, places)->show();
    if (worked) {
        int next = 2;
        for (int i = 0; i < work->partials.size(); ++i)
            row(QStringLiteral("WorkPartial%1").arg(i + 1), next++, work->partials[i], i);
        if (!work->partials.isEmpty())
            ColumnWork->addRule(QStringLiteral("WorkRule2"), next - 1, places)->show();
        row(QStringLiteral("WorkResult"), next, work->result)->setPalette([&] {
            QPalette p = top->palette();
            p.setColor(QPalette::WindowText, Look::Red);
            return p;
        }());
        for (auto it = work->marks.cbegin(); it != work->marks.cend(); ++it)
            ColumnWork->addMark(QStringLiteral("WorkMark%1").arg(it.key()), it.key(), Look::Red)->setCaption(it.value());
        for (int place : work->struck)
            ColumnWork->addStroke(QStringLiteral("WorkStroke%1").arg(place), top, place)->show();
    }
    ColumnWork->show();
}

void ReviewWindow::NextButtonClick()
{
    if (!marked_ || !current())
        return;
    ++index_;
    if (index_ >= entries_.size()) {
        finish();
        return;
    }
    pose();
}

void ReviewWindow::finish()
{
    const int total = int(entries_.size());
    clearProblem();
    recorder_.endTest(record_, services_.clock->now());
    ProblemLabel->setCaption(QStringLiteral("おわり！　%1もん のうち ○は %2").arg(total).arg(right_));
    CountLabel->setCaption(QString());
    PromptLabel->setCaption(QStringLiteral("「とじる」で もどってね！"));
    NextButton->setCaption(QStringLiteral("つぎへ"));
    NextButton->setEnabled(false);
    PlayCue(services_, Cue::Chararan);
    index_ = total;
    emit reviewed();
}

void ReviewWindow::CloseButtonClick()
{
    hide();
}

void ReviewWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (!started_)
        startDue();
    TComboBox::focusFirstDigitList(this);
}

void ReviewWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    // The next showing reads the box again.
    recorder_.endTest(record_, services_.clock->now());
    started_ = false;
    emit reviewed();
}

void ReviewWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (NextButton->isEnabled())
            NextButton->click();
        TComboBox::focusFirstDigitList(this);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    if (!TComboBox::typeDigitOnScreen(this, event))
        QDialog::keyPressEvent(event);
}

// ---------------------------------------------------------------- in the きろく window

RecordParts::RecordParts(RecordStore *record, const Services &services, QWidget *parent)
    : QTabWidget(parent), record_(record), services_(services)
{
    setObjectName(QStringLiteral("RecordParts"));
    auto *mapPage = new QWidget(this);
    KukuMap = new KukuMapView(mapPage);
    auto *mapHelp = new QLabel(QStringLiteral("わり算と かけ算の 九九の きろく。だんを クリックすると、"
                                              "その だんの まちがいなおしを します。"),
                               mapPage);
    mapHelp->setWordWrap(true);
    auto *mapLayout = new QVBoxLayout(mapPage);
    mapLayout->addWidget(mapHelp);
    mapLayout->addWidget(KukuMap, 1);
    Stumbles = new StumbleView(this);
    addTab(mapPage, QStringLiteral("九九の ひょう"));
    addTab(Stumbles, QStringLiteral("つまずき"));
    connect(this, &QTabWidget::currentChanged, this, &RecordParts::load);
    connect(KukuMap, &KukuMapView::rowPicked, this,
            [this](int row) { emit factsPicked(row, KukuRowFacts(KukuMap->map(), row)); });
}

QWidget *RecordParts::wrap(QLayout *page)
{
    auto *w = new QWidget(this);
    w->setLayout(page);
    insertTab(0, w, QStringLiteral("きろく"));
    setCurrentIndex(0);
    return this;
}

void RecordParts::setPupil(const QString &pupilId)
{
    pupil_ = pupilId;
    mapRead_ = stumblesRead_ = false;
    load(currentIndex());
}

void RecordParts::load(int tab)
{
    if (!record_ || pupil_.isEmpty())
        return;
    QWidget *page = widget(tab);
    if (page && page->isAncestorOf(KukuMap) && !mapRead_) {
        KukuMap->setMap(LoadKukuMap(*record_, pupil_));
        mapRead_ = true;
    } else if (page == Stumbles && !stumblesRead_) {
        const QDate today = services_.clock->now().date();
        int wrong = 0, unexplained = 0;
        const QList<Stumble> list = LoadStumbles(*record_, pupil_, StumblesFrom(today), today, &wrong, &unexplained);
        Stumbles->setList(list, wrong, unexplained);
        stumblesRead_ = true;
    }
}
