#pragma once
#include "frame/platform.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <random>

class QSoundEffect;
class QDialog;
class QTextBrowser;

class QtClock : public Clock {
public:
    QtClock();
    QDateTime now() const override;
    qint64 monotonicMs() const override;

private:
    QElapsedTimer since_;
};

class QtRandom : public Random {
public:
    void reseed() override;
    int below(int n) override;

private:
    std::mt19937 engine_{std::random_device{}()};
};

class QtDialogs : public Dialogs {
public:
    QuitAnswer confirmQuit(QWidget *parent, const QString &question) override;
    void information(QWidget *parent, const QString &text) override;
    void message(QWidget *parent, const QString &text) override;
};

// The program's one player. Each cue file is loaded once and kept; opening a
// cue stops the one sounding, so a new cue cuts the last. A missing file or
// no audio device means silence and one line on stderr, never a stop.
class QtCuePlayer : public CuePlayer {
public:
    QtCuePlayer();
    ~QtCuePlayer() override;
    void open(const QString &path) override;
    void play() override;

private:
    bool hasDevice();

    QHash<QString, QSoundEffect *> effects_;
    QSoundEffect *current_ = nullptr;
    QSet<QString> reported_;
    int device_ = -1;  // -1 not asked yet, 0 none, 1 present
};

class QtQuitter : public Quitter {
public:
    void quit() override;
};

class QtScreenShower : public ScreenShower {
public:
    void showModal(QWidget *screen) override;
};

// The help window: an HTML browser on the help file, opened at its top.
class QtHelpViewer : public HelpViewer {
public:
    ~QtHelpViewer() override;
    void showContents(const QString &helpFile) override;

private:
    QPointer<QDialog> window_;
    QTextBrowser *browser_ = nullptr;
};
