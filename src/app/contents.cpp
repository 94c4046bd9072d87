#include "app/contents.h"

#include "frame/frame.h"
#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/picture.h"
#include "record/pupils.h"
#include "record/window.h"
#include "store/datamodule.h"
#include "store/record.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

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

struct LessonButton {
    int button;           // CuteButtonN
    int chapter;          // index into kChapters
    const char *caption;
    bool drill;           // drills are sky blue
};
const LessonButton kButtons[] = {
    {3, 0, "何千万まで", false},
    {4, 1, "たし算", false},         {5, 1, "ひき算", false},        {6, 1, "ドリル", true},
    {7, 2, "たし算", false},         {8, 2, "ひき算", false},        {9, 2, "ドリル", true},
    {10, 3, "かさ", false},          {11, 3, "長さ", false},         {12, 3, "時こくと時間", false},
    {13, 3, "重さ", false},          {14, 3, "ドリル", true},
    {15, 4, "たし算とひき算", false},
    {16, 5, "かけ算のきまり", false}, {17, 5, "0,10,100のかけ算", false}, {18, 5, "ひっ算１", false},
    {19, 5, "ひっ算２", false},       {20, 5, "何十、何百のかけ算", false}, {21, 5, "ドリル", true},
    {22, 6, "わり算と九九", false},   {23, 6, "わり算とあまり", false}, {24, 6, "ドリル", true},
};

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
    // at its right.
    int y[2] = {kTop, kTop};
    int chapterTop[7];
    for (int c = 0; c < 7; ++c) {
        const int col = kChapters[c].column;
        chapterTop[c] = y[col];
        int count = 0;
        for (const LessonButton &b : kButtons)
            if (b.chapter == c) {
                auto *btn = new TCuteButton(QStringLiteral("CuteButton%1").arg(b.button),
                                            QString::fromUtf8(b.caption), b.drill ? Look::SkyBlue : Look::Answer, page);
                btn->setFixedSize(215, 30);
                btn->move(kButtonX[col], y[col] + count * kPitch);
                ++count;
            }
        y[col] += count * kPitch + kChapterGap;
        auto *heading = label(QStringLiteral("Label%1").arg(kChapters[c].label),
                              QRect(kHeadingX[col], chapterTop[c], 180, 50), 20, Qt::AlignLeft | Qt::AlignTop);
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
    for (const LessonButton &b : kButtons) {
        auto *btn = findChild<TCuteButton *>(QStringLiteral("CuteButton%1").arg(b.button));
        btn->setEnabled(screens_.contains(formOfButton(b.button)));
    }
}

void TForm1::openForm(int button)
{
    if (QWidget *screen = screens_.value(formOfButton(button)))
        services_.shower->showModal(screen);
}

void TForm1::CuteButton2Click()
{
    ConfirmQuit(services_, this, QStringLiteral("終わっても いいの？"));
}

void TForm1::CuteButton3Click() { openForm(3); }
void TForm1::CuteButton4Click() { openForm(4); }
void TForm1::CuteButton5Click() { openForm(5); }
void TForm1::CuteButton6Click() { openForm(6); }
void TForm1::CuteButton7Click() { openForm(7); }
void TForm1::CuteButton8Click() { openForm(8); }
void TForm1::CuteButton9Click() { openForm(9); }
void TForm1::CuteButton10Click() { openForm(10); }
void TForm1::CuteButton11Click() { openForm(11); }
void TForm1::CuteButton12Click() { openForm(12); }
void TForm1::CuteButton13Click() { openForm(13); }
void TForm1::CuteButton14Click() { openForm(14); }
void TForm1::CuteButton15Click() { openForm(15); }
void TForm1::CuteButton16Click() { openForm(16); }
void TForm1::CuteButton17Click() { openForm(17); }
void TForm1::CuteButton18Click() { openForm(18); }
void TForm1::CuteButton19Click() { openForm(19); }
void TForm1::CuteButton20Click() { openForm(20); }
void TForm1::CuteButton21Click() { openForm(21); }
void TForm1::CuteButton22Click() { openForm(22); }
void TForm1::CuteButton23Click() { openForm(23); }
void TForm1::CuteButton24Click() { openForm(24); }

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
    for (const LessonButton &b : kButtons)
        if (TForm1::formOfButton(b.button) == form) {
            QString chapter = QString::fromUtf8(kChapters[b.chapter].heading);
            chapter = chapter.mid(chapter.indexOf(QStringLiteral("．")) + 1);
            return chapter + QLatin1Char(' ') + QString::fromUtf8(b.caption);
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

QWidget *TForm1::recordWindow()
{
    if (!recordWindow_) {
        RecordStore *record = services_.data ? services_.data->record() : nullptr;
        auto *window = new RecordWindow(record, services_, ScreenName, this);
        connect(window, &RecordWindow::pupilChosen, Names1, &PupilMenu::choose);
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
    PlayCue(services_, 16);
    Timer3->stop();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Closing the contents window ends the program at once, without a question.
    event->accept();
    services_.quitter->quit();
}
