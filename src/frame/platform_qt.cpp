#include "frame/platform_qt.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdio>

QtClock::QtClock()
{
    since_.start();
}

QDateTime QtClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 QtClock::monotonicMs() const
{
    // QElapsedTimer reads the monotonic clock (CLOCK_MONOTONIC on Linux),
    // which does not count the time the machine is suspended.
    return since_.elapsed();
}

void QtRandom::reseed()
{
    // The dice are thrown anew from the clock before every problem.
    const auto ticks = QDateTime::currentMSecsSinceEpoch();
    std::seed_seq seq{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32),
                      static_cast<unsigned>(engine_())};
    engine_.seed(seq);
}

int QtRandom::below(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

QuitAnswer QtDialogs::confirmQuit(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), question, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == no ? QuitAnswer::No : QuitAnswer::Yes;
}

void QtDialogs::information(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("情報"), text, QMessageBox::Ok, parent);
    box.exec();
}

void QtDialogs::message(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

QtCuePlayer::QtCuePlayer() = default;

QtCuePlayer::~QtCuePlayer()
{
    qDeleteAll(effects_);
}

bool QtCuePlayer::hasDevice()
{
    if (device_ < 0) {
        device_ = QMediaDevices::audioOutputs().isEmpty() ? 0 : 1;
        if (device_ == 0)
            std::fprintf(stderr, "minuka: no audio device, the cues are silent\n");
    }
    return device_ == 1;
}

void QtCuePlayer::open(const QString &path)
{
    if (current_)
        current_->stop();
    current_ = nullptr;
    if (!hasDevice())
        return;
    auto it = effects_.constFind(path);
    if (it != effects_.constEnd()) {
        current_ = *it;
        return;
    }
    if (!QFileInfo::exists(path)) {
        if (!reported_.contains(path)) {
            reported_.insert(path);
            std::fprintf(stderr, "minuka: cue file missing, playing nothing: %s\n", qPrintable(path));
        }
        return;
    }
    auto *effect = new QSoundEffect;
    effect->setSource(QUrl::fromLocalFile(path));
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this, effect, path] {
        if (effect->status() == QSoundEffect::Error && !reported_.contains(path)) {
            reported_.insert(path);
            std::fprintf(stderr, "minuka: cue cannot be played, playing nothing: %s\n", qPrintable(path));
        }
    });
    effects_.insert(path, effect);
    current_ = effect;
}

void QtCuePlayer::play()
{
    if (current_)
        current_->play();
}

void QtQuitter::quit()
{
    QCoreApplication::quit();
}

void QtScreenShower::showModal(QWidget *screen)
{
    screen->setWindowModality(Qt::ApplicationModal);
    screen->show();
    screen->raise();
    screen->activateWindow();
}

QtHelpViewer::~QtHelpViewer()
{
    delete window_;
}

void QtHelpViewer::showContents(const QString &helpFile)
{
    if (!window_) {
        window_ = new QDialog;
        window_->setWindowTitle(QStringLiteral("ミヌカ　使い方"));
        window_->resize(720, 640);
        browser_ = new QTextBrowser(window_);
        browser_->setOpenExternalLinks(false);
        auto *layout = new QVBoxLayout(window_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser_);
    }
    // The file is HTML whatever its name says.
    browser_->setSource(QUrl::fromLocalFile(helpFile), QTextDocument::HtmlResource);
    window_->show();
    window_->raise();
    window_->activateWindow();
}
