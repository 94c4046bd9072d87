#include "server/teacherview.h"

#include "frame/look.h"
#include "record/window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUuid>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QTableWidget *table(const QString &name, const QStringList &heads, QWidget *parent)
{
    auto *t = new QTableWidget(0, int(heads.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(heads);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

QTableWidgetItem *cell(const QString &text, bool number = false)
{
    auto *item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Look::face(15));
    return label;
}

QString pupilText(const ClassPupil &p)
{
    return p.name.isEmpty() ? QStringLiteral("%1ばん").arg(p.number) : QStringLiteral("%1ばん %2").arg(p.number).arg(p.name);
}

// A pupil's record copied from the server into memory, for as long as its
// window is open.
class PupilCopy : public QObject {
public:
    explicit PupilCopy(QObject *parent)
        : QObject(parent), name_(QStringLiteral("pupil-copy-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
          record_([] { return false; })
    {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db_.setDatabaseName(QStringLiteral(":memory:"));
        db_.open();
        record_.attach(&db_);
    }
    ~PupilCopy() override
    {
        record_.detach();
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
    }
    RecordStore &record() { return record_; }

private:
    QString name_;
    QSqlDatabase db_;
    RecordStore record_;
};

}  // namespace

TeacherView::TeacherView(QSqlDatabase server, const QString &className, const Services &services,
                         std::function<QString(int)> screenName, QWidget *parent)
    : QDialog(parent), server_(server), className_(className), services_(services), screenName_(std::move(screenName))
{
    setObjectName(QStringLiteral("TeacherView"));
    setWindowTitle(QStringLiteral("クラスの きろく"));
    setFont(Look::face(14));
    resize(1100, 720);
    ClassLabel = heading(QString(), this);
    ClassLabel->setObjectName(QStringLiteral("ClassLabel"));
    ClassList = table(QStringLiteral("ClassList"), {}, this);
    StuckList = table(QStringLiteral("StuckList"),
                      {QStringLiteral("なまえ"), QStringLiteral("まちがい（今週）"), QStringLiteral("（先週）"),
                       QStringLiteral("いちばん おおい つまずき")},
                      this);
    StumbleList = table(QStringLiteral("StumbleList"),
                        {QStringLiteral("つまずき"), QStringLiteral("まちがい"), QStringLiteral("人")}, this);
    ClassCsvButton = new QPushButton(QStringLiteral("CSV に書き出す"), this);
    ClassCsvButton->setObjectName(QStringLiteral("ClassCsvButton"));
    connect(ClassCsvButton, &QPushButton::clicked, this, [this] {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("CSV に書き出す"),
                                                          folder + QStringLiteral("/%1.csv").arg(className_),
                                                          QStringLiteral("CSV (*.csv)"));
        if (!path.isEmpty())
            exportCsv(path);
    });
    connect(ClassList, &QTableWidget::cellActivated, this, [this](int row, int) {
        if (QDialog *w = openPupil(row))
            services_.shower->showModal(w);
    });

    auto *top = new QHBoxLayout;
    top->addWidget(ClassLabel, 1);
    top->addWidget(ClassCsvButton);
    auto *lower = new QHBoxLayout;
    auto *stuck = new QVBoxLayout;
    stuck->addWidget(heading(QStringLiteral("つまずいている子"), this));
    stuck->addWidget(StuckList);
    auto *stumbles = new QVBoxLayout;
    stumbles->addWidget(heading(QStringLiteral("クラスの つまずき（今週）"), this));
    stumbles->addWidget(StumbleList);
    lower->addLayout(stuck, 3);
    lower->addLayout(stumbles, 2);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(heading(QStringLiteral("クラスの みんな（ダブルクリックで その子の きろく）"), this));
    all->addWidget(ClassList, 3);
    all->addLayout(lower, 2);
    reload();
}

TeacherView::~TeacherView()
{
    if (!owned_.isEmpty()) {
        server_.close();
        server_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(owned_);
    }
}

void TeacherView::reload()
{
    view_ = ReadClassView(server_, className_, WeekStart(services_.clock->now()));
    ClassLabel->setText(view_.trouble.isEmpty()
                            ? QStringLiteral("%1　%2 からの 1しゅうかん")
                                  .arg(className_, view_.weekStart.date().toString(QStringLiteral("M月d日")))
                            : QStringLiteral("%1：よめませんでした（%2）").arg(className_, view_.trouble));

    QStringList heads{QStringLiteral("ばんごう"), QStringLiteral("なまえ"), QStringLiteral("ドリル（今週）"),
                      QStringLiteral("じかん（今週）")};
    for (int screen : view_.screens)
        heads << QStringLiteral("%1\nさいご／いちばん").arg(screenName_ ? screenName_(screen) : QString::number(screen));
    heads << QStringLiteral("ふくしゅう");
    ClassList->clear();
    ClassList->setColumnCount(int(heads.size()));
    ClassList->setHorizontalHeaderLabels(heads);
    ClassList->setRowCount(int(view_.pupils.size()));
    for (int r = 0; r < view_.pupils.size(); ++r) {
        const ClassPupil &p = view_.pupils[r];
        ClassList->setItem(r, 0, cell(QString::number(p.number), true));
        ClassList->setItem(r, 1, cell(p.name));
        ClassList->setItem(r, 2, cell(QString::number(p.drillsThisWeek), true));
        ClassList->setItem(r, 3, cell(DurationText(p.secondsThisWeek), true));
        for (int c = 0; c < view_.screens.size(); ++c) {
            QString text;
            for (const DrillScores &d : p.drills)
                if (d.screen == view_.screens[c])
                    text = QStringLiteral("%1／%2").arg(d.latest).arg(d.best);
            ClassList->setItem(r, 4 + c, cell(text, true));
        }
        ClassList->setItem(r, 4 + int(view_.screens.size()),
                           cell(p.reviewsDue < 0 ? QString() : QString::number(p.reviewsDue), true));
    }

    const QList<ClassPupil> stuck = view_.stuck();
    StuckList->setRowCount(int(stuck.size()));
    for (int r = 0; r < stuck.size(); ++r) {
        const ClassPupil &p = stuck[r];
        StuckList->setItem(r, 0, cell(pupilText(p)));
        StuckList->setItem(r, 1, cell(QString::number(p.wrongThisWeek), true));
        StuckList->setItem(r, 2, cell(QString::number(p.wrongLastWeek), true));
        StuckList->setItem(r, 3, cell(p.stumble == ArithmeticError::None
                                          ? QString()
                                          : QStringLiteral("%1（%2）").arg(ErrorName(p.stumble)).arg(p.stumbleCount)));
    }
    StumbleList->setRowCount(int(view_.stumbles.size()));
    for (int r = 0; r < view_.stumbles.size(); ++r) {
        const ClassStumble &s = view_.stumbles[r];
        StumbleList->setItem(r, 0, cell(ErrorName(s.error)));
        StumbleList->setItem(r, 1, cell(QString::number(s.count), true));
        StumbleList->setItem(r, 2, cell(QString::number(s.pupils), true));
    }
}

QDialog *TeacherView::openPupil(int row)
{
    if (row < 0 || row >= view_.pupils.size())
        return nullptr;
    const ClassPupil &p = view_.pupils[row];
    auto *copy = new PupilCopy(this);
    QString trouble;
    const QString pupil = CopyPupilRecord(server_, className_, p.number, p.name, copy->record(), &trouble);
    if (pupil.isEmpty()) {
        delete copy;
        services_.dialogs->message(this, QStringLiteral("%1 の きろくを よめませんでした。\r\n（%2）").arg(pupilText(p), trouble));
        return nullptr;
    }
    copy->record().setPupil(pupil);
    auto *window = new RecordWindow(&copy->record(), services_, screenName_, this);
    window->setWindowTitle(QStringLiteral("%1　%2 の きろく").arg(className_, pupilText(p)));
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The copy goes with its window.
    copy->setParent(window);
    return window;
}

bool TeacherView::exportCsv(const QString &path)
{
    QString error;
    const bool ok = WriteClassCsv(view_, path, screenName_, &error);
    services_.dialogs->message(this, ok ? QStringLiteral("かきだしました。\r\n%1").arg(path)
                                        : QStringLiteral("かきだせませんでした。\r\n（%1）").arg(error));
    return ok;
}

void AddClassRecordButton(QWidget *window, QBoxLayout *layout, const Services &services,
                          std::function<QString(int)> screenName)
{
    // A pupil's record opened from the class's has no such button.
    if (qobject_cast<TeacherView *>(window->parentWidget()))
        return;
    const ServerSettings settings = ReadServerSettings();
    if (!settings.isSet())
        return;
    auto *button = new QPushButton(QStringLiteral("クラスの きろく…"), window);
    button->setObjectName(QStringLiteral("ClassRecordButton"));
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, window, [window, settings, &services, screenName] {
        bool ok = false;
        const QString login = QInputDialog::getText(window, QStringLiteral("クラスの きろく"),
                                                    QStringLiteral("先生の ログイン"), QLineEdit::Normal,
                                                    settings.teacherLogin, &ok);
        if (!ok || login.isEmpty())
            return;
        const QString password = QInputDialog::getText(window, QStringLiteral("クラスの きろく"),
                                                       QStringLiteral("パスワード"), QLineEdit::Password, {}, &ok);
        if (!ok)
            return;
        const QString name = QStringLiteral("teacher-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QString trouble;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            db.setHostName(settings.host);
            db.setPort(settings.port);
            db.setDatabaseName(settings.database);
            db.setUserName(login);
            db.setPassword(password);
            db.setConnectOptions(settings.connectOptions());
            if (db.open()) {
                auto *view = new TeacherView(db, settings.className, services, screenName, window);
                view->ownConnection(name);
                view->setAttribute(Qt::WA_DeleteOnClose);
                services.shower->showModal(view);
                return;
            }
            trouble = db.lastError().text();
        }
        QSqlDatabase::removeDatabase(name);
        services.dialogs->message(window, QStringLiteral("クラスの サーバーに つながりませんでした。\r\n（%1）").arg(trouble));
    });
}
