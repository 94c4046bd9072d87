#include "app/contents.h"

#include "app/screens.h"
#include "app/windowsize.h"

#include "frame/frame.h"
#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/picture.h"
#include "record/pupils.h"
#include "print/sheetwindow.h"
#include "record/review.h"
#include "record/reviewwindow.h"
#include "record/window.h"
#include "store/datamodule.h"
#include "store/record.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWindow>
#include <QLabel>
#include <QMenu>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <algorithm>

namespace {
struct Chapter {
    int label;            // LabelN of its heading
    const char *heading;  // as designed; Label9 is rewritten at creation
    int column;           // 0 left, 1 right
};
const Chapter kChapters[] = {
    {6, "１．数", 0},      {7, "２．あん算", 0}, {8, "３．ひっ算", 0}, {9, "４．たんい", 0},
    {10, "５．かくれ算", 1}, {11, "６．かけ算", 1}, {12, "７．わり算", 1},
};

// The catalogue's entries of one chapter, in the order of their forms.
std::vector<const ScreenEntry *> entriesOf(int chapter)
{
    std::vector<const ScreenEntry *> out;
    for (const ScreenEntry &e : ScreenRegistry())
        if (e.chapter == chapter)
            out.push_back(&e);
    std::sort(out.begin(), out.end(), [](const ScreenEntry *x, const ScreenEntry *y) { return x->form < y->form; });
    return out;
}

QString buttonName(int form)
{
    return QStringLiteral("CuteButton%1").arg(form + 1);
}

constexpr int kTop = 76;          // first chapter's top, under the title
constexpr int kPitch = 36;        // one button to the next
constexpr int kChapterGap = 18;   // extra space between chapters
constexpr int kHeadingX[2] = {40, 500};
constexpr int kButtonX[2] = {230, 690};
}  // namespace

TForm1::TForm1(const Services &services) : services_(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ミヌカ"));
    setFixedSize(Look::ScreenWidth, Look::ScreenHeight);
    setFont(Look::face(16));

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setFont(Look::face(14));
    setMenuBar(MainMenu1);
    Help1 = MainMenu1->addMenu(QStringLiteral("ヘルプ"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Help1->setFont(Look::face(14));
    utorial1 = Help1->addAction(QStringLiteral("使い方"));
    utorial1->setObjectName(QStringLiteral("utorial1"));
    About1 = Help1->addAction(QStringLiteral("バージョン情報"));
    About1->setObjectName(QStringLiteral("About1"));
    addWindowSizeMenu();

    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page"));
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, Look::Background);
    page->setPalette(pal);
    setCentralWidget(page);
    const int pageHeight = Look::ScreenHeight - MainMenu1->sizeHint().height();
    const int statusY = pageHeight - 22;

    auto label = [page](const QString &name, const QRect &r, int px, Qt::Alignment align) {
        auto *l = new TLabel(name, page);
        l->setFont(Look::face(px));
        l->setGeometry(r);
        l->setAlignment(align);
        return l;
    };
    Label4 = label(QStringLiteral("Label4"), QRect(0, 12, Look::ScreenWidth, 48), 36, Qt::AlignCenter);
    Label4->setCaption(QStringLiteral("もくじ"));

    // The two columns: each chapter's heading at the left, its buttons stacked
    // at its right, one for each screen the catalogue puts in the chapter.
    int y[2] = {kTop, kTop};
    for (int c = 0; c < 7; ++c) {
        const int col = kChapters[c].column;
        const int chapterTop = y[col];
        const std::vector<const ScreenEntry *> entries = entriesOf(c + 1);
        for (const ScreenEntry *e : entries) {
            auto *btn = new TCuteButton(buttonName(e->form), QString::fromUtf8(e->caption),
                                        e->drill ? Look::SkyBlue : Look::Answer, page);
            btn->setFixedSize(215, 30);
            btn->move(kButtonX[col], y[col]);
            y[col] += kPitch;
            // A designed button runs its designed handler (wired below by
            // name); a screen added since needs none: its button opens it.
            const QByteArray handler = (buttonName(e->form) + QStringLiteral("Click()")).toLatin1();
            if (metaObject()->indexOfSlot(handler.constData()) < 0)
                connect(btn, &TCuteButton::clicked, this, [this, form = e->form] { openForm(form); });
        }
        y[col] += kChapterGap;
        auto *heading = label(QStringLiteral("Label%1").arg(kChapters[c].label),
                              QRect(kHeadingX[col], chapterTop, 180, 50), 20, Qt::AlignLeft | Qt::AlignTop);
        heading->setCaption(QString::fromUtf8(kChapters[c].heading));
    }
    Label6 = page->findChild<TLabel *>(QStringLiteral("Label6"));
    Label7 = page->findChild<TLabel *>(QStringLiteral("Label7"));
    Label8 = page->findChild<TLabel *>(QStringLiteral("Label8"));
    Label9 = page->findChild<TLabel *>(QStringLiteral("Label9"));
    Label10 = page->findChild<TLabel *>(QStringLiteral("Label10"));
    Label11 = page->findChild<TLabel *>(QStringLiteral("Label11"));
    Label12 = page->findChild<TLabel *>(QStringLiteral("Label12"));

    CuteButton2 = new TCuteButton(QStringLiteral("CuteButton2"), QStringLiteral("おわる"), Look::Navy, page);
    CuteButton2->move(Look::ScreenWidth - 90 - 40, statusY - 30 - 22);

    Image1 = new TImage(QStringLiteral("Image1"), lessonPicture(), page);
    Image1->move(16, statusY - 64 - 8);
    Label5 = label(QStringLiteral("Label5"), QRect(92, statusY - 58, 560, 44), 20, Qt::AlignLeft | Qt::AlignVCenter);

    StatusBar1 = new TStatusBar(QStringLiteral("StatusBar1"), {680, 50}, page);
    StatusBar1->setGeometry(0, statusY, Look::ScreenWidth, 22);

    MediaPlayer1 = services.cues;
    Timer1 = MakeTimer(QStringLiteral("Timer1"), 1000, true, this);
    Timer2 = MakeTimer(QStringLiteral("Timer2"), 500, false, this);
    Timer3 = MakeTimer(QStringLiteral("Timer3"), 1000, false, this);

    addRecordMenus();
    addReviewMenu();
    addPrintMenu();
    WireHandlers(this);
    CentreOnScreen(this);
    FormCreate();
}

void TForm1::FormCreate()
{
    LessonState.SoundOn = 0;
    // The folder of the program itself, with any link to it (the installed
    // bin/minuka) resolved: its cues and help file lie beside it.
    LessonState.AppDir = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath() + QLatin1Char('/');
    Label9->setCaption(QStringLiteral("４．たんい の\r　　ある 計算"));
    Image1->show();
    Label5->setCaption(QStringLiteral("「ボタン」を えらんで はじめてね！"));
    BlinkPrompt(Timer2);
    Timer3->start();
}

void TForm1::setScreens(const QMap<int, QWidget *> &screens)
{
    screens_ = screens;
    for (const ScreenEntry &e : ScreenRegistry())
        if (auto *btn = findChild<TCuteButton *>(buttonName(e.form)))
            btn->setEnabled(screens_.contains(e.form));
}

void TForm1::openForm(int form)
{
    if (QWidget *screen = screens_.value(form))
        services_.shower->showModal(screen);
}

void TForm1::CuteButton2Click()
{
    ConfirmQuit(services_, this, QStringLiteral("終わっても いいの？"));
}

void TForm1::CuteButton3Click() { openForm(formOfButton(3)); }
void TForm1::CuteButton4Click() { openForm(formOfButton(4)); }
void TForm1::CuteButton5Click() { openForm(formOfButton(5)); }
void TForm1::CuteButton6Click() { openForm(formOfButton(6)); }
void TForm1::CuteButton7Click() { openForm(formOfButton(7)); }
void TForm1::CuteButton8Click() { openForm(formOfButton(8)); }
void TForm1::CuteButton9Click() { openForm(formOfButton(9)); }
void TForm1::CuteButton10Click() { openForm(formOfButton(10)); }
void TForm1::CuteButton11Click() { openForm(formOfButton(11)); }
void TForm1::CuteButton12Click() { openForm(formOfButton(12)); }
void TForm1::CuteButton13Click() { openForm(formOfButton(13)); }
void TForm1::CuteButton14Click() { openForm(formOfButton(14)); }
void TForm1::CuteButton15Click() { openForm(formOfButton(15)); }
void TForm1::CuteButton16Click() { openForm(formOfButton(16)); }
void TForm1::CuteButton17Click() { openForm(formOfButton(17)); }
void TForm1::CuteButton18Click() { openForm(formOfButton(18)); }
void TForm1::CuteButton19Click() { openForm(formOfButton(19)); }
void TForm1::CuteButton20Click() { openForm(formOfButton(20)); }
void TForm1::CuteButton21Click() { openForm(formOfButton(21)); }
void TForm1::CuteButton22Click() { openForm(formOfButton(22)); }
void TForm1::CuteButton23Click() { openForm(formOfButton(23)); }
void TForm1::CuteButton24Click() { openForm(formOfButton(24)); }

void TForm1::utorial1Click()
{
    const QString helpFile = LessonState.AppDir + HelpFileName();
    if (!QFileInfo(helpFile).isFile()) {
        services_.dialogs->message(this, QStringLiteral("つかいかたの ファイルが みつかりません。\r\n%1")
                                             .arg(QDir::toNativeSeparators(helpFile)));
        return;
    }
    services_.help->showContents(helpFile);
}

void TForm1::About1Click()
{
    services_.dialogs->information(
        this, QStringLiteral("ミヌカ\r\nVersion 1.1\r\n\r\n小学３年生の 算数を れんしゅうする プログラムです。"));
}

QString ScreenName(int form)
{
    if (form == ReviewForm)
        return ReviewName();
    for (const ScreenEntry &e : ScreenRegistry())
        if (e.form == form && e.chapter >= 1 && e.chapter <= int(std::size(kChapters))) {
            QString chapter = QString::fromUtf8(kChapters[e.chapter - 1].heading);
            chapter = chapter.mid(chapter.indexOf(QStringLiteral("．")) + 1);
            return chapter + QLatin1Char(' ') + QString::fromUtf8(e.caption);
        }
    return QStringLiteral("画面 %1").arg(form);
}

void TForm1::addRecordMenus()
{
    RecordStore *record = services_.data ? services_.data->record() : nullptr;
    Names1 = nullptr;
    Record1 = nullptr;
    RecordWindow1 = nullptr;
    PupilLabel = new QLabel(MainMenu1);
    PupilLabel->setObjectName(QStringLiteral("PupilLabel"));
    PupilLabel->setFont(Look::face(14));
    PupilLabel->setContentsMargins(0, 0, 12, 0);
    MainMenu1->setCornerWidget(PupilLabel, Qt::TopRightCorner);
    if (!record)
        return;
    // "なまえ" and "きろく" stand before "ヘルプ".
    Names1 = new PupilMenu(record, services_.dialogs, this);
    Names1->setFont(Look::face(14));
    MainMenu1->insertMenu(Help1->menuAction(), Names1);
    Record1 = new QMenu(QStringLiteral("きろく"), this);
    Record1->setObjectName(QStringLiteral("Record1"));
    Record1->setFont(Look::face(14));
    MainMenu1->insertMenu(Help1->menuAction(), Record1);
    RecordWindow1 = Record1->addAction(QStringLiteral("がくしゅうの きろく…"));
    RecordWindow1->setObjectName(QStringLiteral("RecordWindow1"));
    connect(RecordWindow1, &QAction::triggered, this, [this] { services_.shower->showModal(recordWindow()); });

    // The pupil in use by the name the settings keep, so the start reads no
    // database; the default pupil shows nothing.
    const PupilSetting saved = PupilSetting::load();
    PupilLabel->setText(saved.name.isEmpty() ? QString() : QStringLiteral("なまえ：%1").arg(saved.name));
    connect(Names1, &PupilMenu::pupilChanged, this, [this](const QString &title) {
        PupilLabel->setText(title.isEmpty() ? QString() : QStringLiteral("なまえ：%1").arg(title));
        PupilLabel->adjustSize();
    });
    // A record that cannot be kept is told once; the lessons go on.
    connect(record, &RecordStore::refused, this, [this](const QString &message) {
        QWidget *front = QApplication::activeModalWidget();
        services_.dialogs->message(front ? front : this, message);
    });
}

void TForm1::addPrintMenu()
{
    Print1 = new QMenu(QStringLiteral("プリント"), this);
    Print1->setObjectName(QStringLiteral("Print1"));
    Print1->setFont(Look::face(14));
    MainMenu1->insertMenu(Help1->menuAction(), Print1);
    Worksheet1 = Print1->addAction(QStringLiteral("けいさん プリント…"));
    Worksheet1->setObjectName(QStringLiteral("Worksheet1"));
    connect(Worksheet1, &QAction::triggered, this, [this] {
        if (!sheetWindow_)
            sheetWindow_ = new SheetWindow(services_.data ? services_.data->record() : nullptr, services_, this);
        services_.shower->showModal(sheetWindow_);
    });
}

void TForm1::addServerSign(QWidget *sign)
{
    // The sign stands left of the pupil's name, both in the menu bar's corner.
    auto *corner = new QWidget(MainMenu1);
    auto *row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addWidget(sign);
    MainMenu1->setCornerWidget(corner, Qt::TopRightCorner);
    row->addWidget(PupilLabel);
    PupilLabel->show();
}

QWidget *TForm1::recordWindow()
{
    if (!recordWindow_) {
        RecordStore *record = services_.data ? services_.data->record() : nullptr;
        auto *window = new RecordWindow(record, services_, ScreenName, this);
        connect(window, &RecordWindow::pupilChosen, Names1, &PupilMenu::choose);
        connect(window->Parts, &RecordParts::factsPicked, this, [this](int row, const QList<int> &facts) {
            reviewWindow()->startFacts(row, facts);
            services_.shower->showModal(reviewWindow());
        });
        recordWindow_ = window;
    }
    return recordWindow_;
}

void TForm1::Timer1Timer()
{
    StatusBar1->setPanelText(1, ClockText(services_.clock->now()));
}

void TForm1::Timer2Timer()
{
    BlinkTick(Timer2, Label5);
}

void TForm1::Timer3Timer()
{
    LessonState.SoundOn = 1;
    PlayCue(services_, Cue::Charararan);
    Timer3->stop();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Closing the contents window ends the program at once, without a question.
    event->accept();
    services_.quitter->quit();
}

// ---------------------------------------------------------------- window size

void TForm1::addWindowSizeMenu()
{
    QMenu *menu = new QMenu(QStringLiteral("おおきさ"), MainMenu1);
    menu->setObjectName(QStringLiteral("WindowSize"));
    menu->setFont(Look::face(14));
    MainMenu1->insertMenu(Help1->menuAction(), menu);
    auto *group = new QActionGroup(menu);
    const int kept = SavedWindowSize(
        QSettings(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganization(), SettingsApplication()));
    for (const WindowSizeChoice &c : WindowSizeChoices()) {
        QAction *a = menu->addAction(c.caption);
        a->setObjectName(c.percent ? QStringLiteral("WindowSize%1").arg(c.percent) : QStringLiteral("WindowSizeFill"));
        a->setCheckable(true);
        a->setChecked(c.percent == kept);
        group->addAction(a);
        const int percent = c.percent;
        connect(a, &QAction::triggered, this, [this, percent] { chooseWindowSize(percent); });
        if (percent == 0)
            a->setShortcut(QKeySequence(Qt::Key_F11));
    }
}

void TForm1::chooseWindowSize(int percent)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganization(), SettingsApplication());
    const int kept = SavedWindowSize(settings);
    if (percent == 0 && kept == 0)
        percent = settings.value(QStringLiteral("window/before"), 100).toInt();  // F11 again: back
    else if (percent == 0)
        settings.setValue(QStringLiteral("window/before"), kept);
    // The screen's pixels at factor 1: what it shows now times the factor now.
    // The whole screen has no frame and no panel to leave room for.
    const QScreen *screen = this->screen();
    const double now = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1;
    const QSize whole = screen ? screen->geometry().size() * (now > 0 ? now : 1) : QSize();
    SaveWindowSize(settings, percent, FullScreenScaleFactor(size(), whole));
    const QString name = findChild<QAction *>(percent ? QStringLiteral("WindowSize%1").arg(percent)
                                                      : QStringLiteral("WindowSizeFill"))
                             ->text();
    for (QAction *a : findChildren<QAction *>(QRegularExpression(QStringLiteral("^WindowSize"))))
        a->setChecked(a->text() == name);
    if (percent == kept)
        return;
    services_.dialogs->information(this, QStringLiteral("ミヌカを ひらきなおして、「%1」に するよ。").arg(name));
    if (restartForSize)
        restartForSize();
}

void TForm1::addReviewMenu()
{
    Review1 = nullptr;
    RecordStore *record = services_.data ? services_.data->record() : nullptr;
    if (!record)
        return;
    // A menu-bar item of its own that opens the window at once. The count
    // is read once the program has started (the start reads no database).
    Review1 = new QAction(ReviewName(), this);
    Review1->setObjectName(QStringLiteral("Review1"));
    MainMenu1->insertAction(Help1->menuAction(), Review1);
    connect(Review1, &QAction::triggered, this, [this] { services_.shower->showModal(reviewWindow()); });
    connect(Timer3, &QTimer::timeout, this, &TForm1::refreshReviewMenu);
    connect(Names1, &PupilMenu::pupilChanged, this, &TForm1::refreshReviewMenu);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *w) {
        if (w && w == windowHandle())
            refreshReviewMenu();
    });
}

ReviewWindow *TForm1::reviewWindow()
{
    if (!reviewWindow_) {
        reviewWindow_ = new ReviewWindow(services_.data ? services_.data->record() : nullptr, services_, this);
        connect(reviewWindow_, &ReviewWindow::reviewed, this, &TForm1::refreshReviewMenu);
    }
    return reviewWindow_;
}

void TForm1::refreshReviewMenu()
{
    RecordStore *record = services_.data ? services_.data->record() : nullptr;
    if (!Review1 || !record)
        return;
    const QString pupil = record->currentPupil().id;
    Review1->setText(ReviewMenuText(pupil.isEmpty() ? 0 : record->dueReviewCount(pupil, services_.clock->now().date())));
}
