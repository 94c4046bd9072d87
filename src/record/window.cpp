#include "record/window.h"

#include "print/report.h"

#include "frame/look.h"
#include "record/chart.h"
#include "record/csv.h"
#include "record/pupils.h"
#include "record/reviewwindow.h"
#include "server/teacherview.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

QString DurationText(qint64 seconds)
{
    const qint64 h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    return h > 0 ? QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'))
                 : QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

QString AnswerText(const QVariant &number, const QVariant &remainder, const QString &text)
{
    if (!text.isEmpty())
        return text;
    QString out = number.isNull() || !number.isValid() ? QString() : QString::number(number.toLongLong());
    if (remainder.isValid() && !remainder.isNull())
        out += QStringLiteral(" あまり %1").arg(remainder.toLongLong());
    return out;
}

// ---------------------------------------------------------------- the sessions

SessionListModel::SessionListModel(RecordStore *record, std::function<QString(int)> screenName, QObject *parent)
    : QAbstractTableModel(parent), record_(record), screenName_(std::move(screenName))
{
}

void SessionListModel::setPupil(const QString &pupilId)
{
    beginResetModel();
    pupil_ = pupilId;
    rows_.clear();
    more_ = true;
    endResetModel();
    fetchMore({});
}

const SessionRow *SessionListModel::session(int row) const
{
    return row >= 0 && row < rows_.size() ? &rows_[row] : nullptr;
}

int SessionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int SessionListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool SessionListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && more_;
}

void SessionListModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || !more_ || !record_ || pupil_.isEmpty()) {
        more_ = false;
        return;
    }
    const QList<SessionRow> page = record_->sessions(pupil_, PageSize, rows_.isEmpty() ? nullptr : &rows_.last());
    more_ = page.size() == PageSize;
    if (page.isEmpty())
        return;
    beginInsertRows({}, int(rows_.size()), int(rows_.size() + page.size() - 1));
    rows_ += page;
    endInsertRows();
}

QVariant SessionListModel::data(const QModelIndex &index, int role) const
{
    const SessionRow *s = session(index.row());
    if (!s)
        return {};
    if (role == Qt::ForegroundRole && !s->finished)
        return QColor(0x70, 0x70, 0x70);
    if (role == Qt::ToolTipRole && !s->finished)
        return QStringLiteral("とちゅうで おわりました");
    if (role == Qt::TextAlignmentRole)
        return int(index.column() >= Problems ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Date: return s->startedLocal.toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    case Name: {
        const QString name = screenName_ ? screenName_(s->screen) : QString::number(s->screen);
        return s->mode == SessionMode::Test ? name + QStringLiteral("（テスト）") : name;
    }
    case Menu: return s->menuText;
    case Problems: return s->problems;
    case Right: return s->right;
    case Score: return s->score;
    case Time: return DurationText(s->seconds);
    default: return {};
    }
}

QVariant SessionListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QString titles[] = {QStringLiteral("日づけ"), QStringLiteral("ドリル・べんきょう"), QStringLiteral("メニュー"),
                              QStringLiteral("もんだい"), QStringLiteral("○"), QStringLiteral("せいせき"),
                              QStringLiteral("じかん")};
    return section >= 0 && section < ColumnCount ? titles[section] : QString();
}

// ---------------------------------------------------------------- the answers

AnswerListModel::AnswerListModel(RecordStore *record, QObject *parent) : QAbstractTableModel(parent), record_(record) {}

void AnswerListModel::setSession(const QString &sessionId)
{
    beginResetModel();
    rows_ = record_ && !sessionId.isEmpty() ? record_->answers(sessionId) : QList<AnswerRow>();
    endResetModel();
}

int AnswerListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int AnswerListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AnswerListModel::data(const QModelIndex &index, int role) const
{
    if (index.row() < 0 || index.row() >= rows_.size())
        return {};
    const RecordedAnswer &a = rows_[index.row()].answer;
    if (role == Qt::BackgroundRole && !a.right)
        return QColor(0xff, 0xe0, 0xe0);
    if (role == Qt::ForegroundRole && !a.right && index.column() == Mark)
        return QColor(0xd0, 0x20, 0x30);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case No: return a.problemNo;
    case Problem: return QString(a.shown).replace(QLatin1Char('\n'), QLatin1Char(' '));
    case RightAnswer: return AnswerText(a.rightAnswer, a.rightRemainder, a.rightText);
    case Given: return AnswerText(a.givenAnswer, a.givenRemainder, a.givenText);
    case Mark: return a.right ? QStringLiteral("○") : QStringLiteral("×");
    case Seconds: return QString::number(a.ms / 1000.0, 'f', 1);
    default: return {};
    }
}

QVariant AnswerListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QString titles[] = {QStringLiteral("Ｎｏ"), QStringLiteral("もんだい"), QStringLiteral("せいかい"),
                              QStringLiteral("こたえ"), QStringLiteral("○×"), QStringLiteral("びょう")};
    return section >= 0 && section < ColumnCount ? titles[section] : QString();
}

// ---------------------------------------------------------------- the window

namespace {
QTableView *makeList(QAbstractItemModel *model, QWidget *parent, const QString &name)
{
    auto *view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(22);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setFont(Look::face(15));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    l->setPalette(p);
    return l;
}

QString totalsTable(const Totals &week, const Totals &all)
{
    auto line = [](const QString &what, const QString &w, const QString &a) {
        return QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td align=right>%3</td></tr>").arg(what, w, a);
    };
    return QStringLiteral("<table cellspacing=0 cellpadding=3>"
                          "<tr><th></th><th align=right>こんしゅう</th><th align=right>ぜんぶ</th></tr>") +
           line(QStringLiteral("ドリル"), QString::number(week.drills), QString::number(all.drills)) +
           line(QStringLiteral("もんだい"), QString::number(week.problems), QString::number(all.problems)) +
           line(QStringLiteral("○のかず"), QString::number(week.right), QString::number(all.right)) +
           line(QStringLiteral("れんしゅうした じかん"), DurationText(week.seconds), DurationText(all.seconds)) +
           QStringLiteral("</table>");
}
}  // namespace

RecordWindow::RecordWindow(RecordStore *record, const Services &services, std::function<QString(int)> screenName,
                           QWidget *parent)
    : QDialog(parent), record_(record), services_(services), screenName_(std::move(screenName))
{
    setObjectName(QStringLiteral("RecordWindow"));
    setWindowTitle(QStringLiteral("がくしゅうの きろく"));
    setFont(Look::face(13));
    resize(1120, 720);
    sessions_ = new SessionListModel(record, screenName_, this);
    answers_ = new AnswerListModel(record, this);

    PupilBox = new QComboBox(this);
    PupilBox->setObjectName(QStringLiteral("PupilBox"));
    PupilBox->setMinimumWidth(220);
    CsvButton = new QPushButton(QStringLiteral("CSV に書き出す"), this);
    CsvButton->setObjectName(QStringLiteral("CsvButton"));
    auto *csvMenu = new QMenu(CsvButton);
    csvMenu->addAction(QStringLiteral("この人の きろく…"), this, [this] { askCsv(false); });
    csvMenu->addAction(QStringLiteral("みんなの きろく…"), this, [this] { askCsv(true); });
    CsvButton->setMenu(csvMenu);

    SessionList = makeList(sessions_, this, QStringLiteral("SessionList"));
    const int sessionWidths[] = {124, 150, 130, 60, 36, 60, 56};
    for (int c = 0; c < SessionListModel::ColumnCount; ++c)
        SessionList->setColumnWidth(c, sessionWidths[c]);
    SessionList->horizontalHeader()->setStretchLastSection(true);
    AnswerList = makeList(answers_, this, QStringLiteral("AnswerList"));
    const int answerWidths[] = {44, 250, 100, 100, 40, 60};
    AnswerList->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < AnswerListModel::ColumnCount; ++c)
        AnswerList->setColumnWidth(c, answerWidths[c]);

    TotalsLabel = new QLabel(this);
    TotalsLabel->setObjectName(QStringLiteral("TotalsLabel"));
    TotalsLabel->setTextFormat(Qt::RichText);
    Calendar = new PractiseCalendar(this);
    ChartItemBox = new QComboBox(this);
    ChartItemBox->setObjectName(QStringLiteral("ChartItemBox"));
    Chart = new ScoreChart(this);

    auto *top = new QHBoxLayout;
    top->addWidget(heading(QStringLiteral("なまえ"), this));
    top->addWidget(PupilBox);
    top->addStretch(1);
    top->addWidget(CsvButton);
    ReportButton = new QPushButton(QStringLiteral("プリント…"), this);
    ReportButton->setObjectName(QStringLiteral("ReportButton"));
    top->addWidget(ReportButton);
    connect(ReportButton, &QPushButton::clicked, this, [this] {
        auto *w = findChild<ReportWindow *>();
        if (!w)
            w = new ReportWindow(record_, services_, screenName_, this);
        w->setPupil(pupil_);
        services_.shower->showModal(w);
    });
    AddClassRecordButton(this, top, services_, screenName_);  // when a class's server is set

    auto *left = new QVBoxLayout;
    left->addWidget(heading(QStringLiteral("れんしゅうの きろく（あたらしい じゅん）"), this));
    left->addWidget(SessionList, 3);
    left->addWidget(heading(QStringLiteral("こたえ（× は まちがい）"), this));
    left->addWidget(AnswerList, 2);

    auto *right = new QVBoxLayout;
    right->addWidget(heading(QStringLiteral("ごうけい"), this));
    right->addWidget(TotalsLabel);
    right->addWidget(heading(QStringLiteral("れんしゅうした 日（12しゅう）"), this));
    right->addWidget(Calendar);
    right->addWidget(heading(QStringLiteral("せいせきの グラフ"), this));
    right->addWidget(ChartItemBox);
    right->addWidget(Chart, 1);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    // The 九九 map and the つまずき list: tabs beside the record itself.
    Parts = new RecordParts(record, services, this);
    all->addWidget(Parts->wrap(columns), 1);

    connect(SessionList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                const SessionRow *s = sessions_->session(current.row());
                answers_->setSession(s ? s->id : QString());
            });
    connect(PupilBox, &QComboBox::activated, this, [this](int i) {
        const QString id = PupilBox->itemData(i).toString();
        if (!record_ || id == pupil_)
            return;
        const Pupil p = record_->pupilById(id);
        emit pupilChosen(p);  // the pupil in use from now on
        showPupil(id);
    });
    connect(ChartItemBox, &QComboBox::currentIndexChanged, this, &RecordWindow::showChart);
}

void RecordWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        reload();
}

void RecordWindow::reload()
{
    if (!record_)
        return;
    const QString current = record_->currentPupil().id;
    PupilBox->clear();
    for (const Pupil &p : record_->pupils())
        PupilBox->addItem(PupilTitle(p), p.id);
    PupilBox->setCurrentIndex(PupilBox->findData(current));
    showPupil(current);
}

void RecordWindow::showPupil(const QString &pupilId)
{
    pupil_ = pupilId;
    sessions_->setPupil(pupilId);
    answers_->setSession(QString());

    const QDateTime now = services_.clock->now();
    const QDate today = now.date();
    const QDateTime weekStart = today.addDays(1 - today.dayOfWeek()).startOfDay();
    TotalsLabel->setText(totalsTable(record_->totals(pupilId, weekStart), record_->totals(pupilId)));
    Calendar->setDays(record_->minutesByDay(pupilId, CalendarFirstDay(today)), today);

    // The chart opens on the drill and menu item of the latest drill.
    items_ = record_->practisedItems(pupilId);
    int latest = 0;
    for (int r = 0; r < sessions_->rowCount(); ++r) {
        const SessionRow *s = sessions_->session(r);
        if (s->mode != SessionMode::Drill)
            continue;
        for (int i = 0; i < items_.size(); ++i)
            if (items_[i].screen == s->screen && items_[i].menuItem == s->menuItem)
                latest = i;
        break;
    }
    const QSignalBlocker block(ChartItemBox);
    ChartItemBox->clear();
    for (const PractisedItem &item : std::as_const(items_))
        ChartItemBox->addItem(QStringLiteral("%1　%2").arg(screenName_ ? screenName_(item.screen) : QString(),
                                                           item.menuText));
    ChartItemBox->setCurrentIndex(items_.isEmpty() ? -1 : latest);
    showChart(ChartItemBox->currentIndex());
    Parts->setPupil(pupilId);
}

void RecordWindow::showChart(int item)
{
    if (item < 0 || item >= items_.size()) {
        Chart->setPoints({});
        return;
    }
    Chart->setPoints(record_->chart(pupil_, items_[item].screen, items_[item].menuItem));
}

bool RecordWindow::exportCsv(const QString &path, bool everyPupil)
{
    QString error;
    const bool ok = record_ && WriteRecordCsv(*record_, everyPupil ? QString() : pupil_, path, screenName_, &error,
                                              services_.clock->now().date());
    services_.dialogs->message(this, ok ? QStringLiteral("かきだしました。\r\n%1\r\n%2\r\n%3")
                                              .arg(path, AnswersCsvPath(path), StumblesCsvPath(path))
                                        : QStringLiteral("かきだせませんでした。\r\n%1\r\n（%2）").arg(path, error));
    return ok;
}

void RecordWindow::askCsv(bool everyPupil)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("CSV に書き出す"),
                                                      folder + QStringLiteral("/きろく.csv"),
                                                      QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty())
        exportCsv(path, everyPupil);
}
