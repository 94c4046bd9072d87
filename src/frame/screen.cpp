#include "frame/screen.h"

#include "frame/frame.h"
#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/picture.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <QTimer>

TScreen::TScreen(const Services &services, const Frame &frame)
    : services_(services), quitQuestion_(frame.quitQuestion)
{
    setWindowTitle(QStringLiteral("ミヌカ"));
    setFixedSize(Look::ScreenWidth, Look::ScreenHeight);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Look::Background);
    p.setColor(QPalette::Highlight, Look::Accent);  // the pick lists' picked rows and focus ring
    setPalette(p);
    setFont(Look::face(16));

    Timer1 = MakeTimer(QStringLiteral("Timer1"), 1000, true, this);
    Timer2 = MakeTimer(QStringLiteral("Timer2"), frame.firstBlinkMs, false, this);

    StatusBar1 = new TStatusBar(QStringLiteral("StatusBar1"), {frame.statusPanel0, 50}, this);
    StatusBar1->setGeometry(0, StatusBarY, Look::ScreenWidth, Look::ScreenHeight - StatusBarY);

    CuteButton1 = addButton(QStringLiteral("CuteButton1"), QStringLiteral("おわる"), Look::Navy, {650, BottomRowY});
    CuteButton2 = addButton(QStringLiteral("CuteButton2"), QStringLiteral("もくじへ"), Look::Olive, {750, BottomRowY});
    CentreOnScreen(this);
}

void TScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        shown();
}

void TScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The frame's "つぎへ", whichever button of the screen carries it.
        for (TCuteButton *b : findChildren<TCuteButton *>())
            if (b->caption() == QStringLiteral("つぎへ") && b->isEnabled() && b->isVisibleTo(this)) {
                b->click();
                TComboBox::focusFirstDigitList(this);
                break;
            }
        return;
    }
    if (!TComboBox::typeDigitOnScreen(this, event))
        QDialog::keyPressEvent(event);
}

void TScreen::Timer1Timer()
{
    StatusBar1->setPanelText(1, ClockText(services_.clock->now()));
}

void TScreen::Timer2Timer()
{
    BlinkTick(Timer2, promptLabel());
}

void TScreen::CuteButton1Click()
{
    ConfirmQuit(services_, this, quitQuestion_);
}

void TScreen::CuteButton2Click()
{
    close();
}

void TScreen::PlayCue(Cue cue)
{
    ::PlayCue(services_, cue);
}

void TScreen::BlinkPrompt()
{
    ::BlinkPrompt(Timer2);
}

void TScreen::Prompt(const QString &text)
{
    promptLabel()->setCaption(text);
    BlinkPrompt();
}

TCuteButton *TScreen::addModeToggle(const QString &name, QPoint at)
{
    TCuteButton *toggle = addButton(name, QStringLiteral("べんきょう"), Look::Green, at);
    toggle->setProperty("modeToggle", true);  // the random-click soak checks it
    return toggle;
}

void TScreen::SetLessonMode(TCuteButton *toggle, int mode)
{
    LessonState.LessonMode = mode;
    toggle->setCaption(mode == 1 ? QStringLiteral("べんきょう") : QStringLiteral("テスト"));
}

int TScreen::SwitchLessonMode(TCuteButton *toggle)
{
    SetLessonMode(toggle, LessonState.LessonMode == 1 ? 2 : 1);
    return LessonState.LessonMode;
}

TLabel *NewLabel(QWidget *parent, const QString &name, const QRect &geometry, int pixelSize, Qt::Alignment align,
                 const QColor &color)
{
    auto *l = new TLabel(name, parent);
    l->setFont(Look::face(pixelSize));
    l->setGeometry(geometry);
    l->setAlignment(align);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
    return l;
}

TLabel *TScreen::addLabel(const QString &name, const QRect &geometry, int pixelSize, Qt::Alignment align,
                          const QString &caption, const QColor &color)
{
    TLabel *l = NewLabel(this, name, geometry, pixelSize, align, color);
    l->setCaption(caption);
    return l;
}

TCuteButton *TScreen::addButton(const QString &name, const QString &caption, const QColor &face, QPoint at)
{
    auto *b = new TCuteButton(name, caption, face, this);
    b->move(at);
    return b;
}

TComboBox *TScreen::addPicker(const QString &name, const QStringList &items, QPoint at, int width, int rows,
                              const QString &placeholder)
{
    auto *c = new TComboBox(name, items, this);
    c->place(at.x(), at.y(), width, rows);
    c->setText(placeholder);
    return c;
}

TImage *TScreen::addPicture(const QString &name)
{
    auto *img = new TImage(name, lessonPicture(), this);
    img->move(16, StatusBarY - 64 - 8);
    return img;
}

TLabel *TScreen::addPromptLabel(const QString &name)
{
    return addLabel(name, QRect(92, StatusBarY - 60, 540, 48), 18, Qt::AlignLeft | Qt::AlignVCenter);
}
