#pragma once
// What a timed drill shows of its time, and the はなまる of a full score.
#include <QString>
#include <QWidget>

// Seconds left of a drill of `limit` seconds after `elapsed` seconds; never
// below 0.
int DrillSecondsLeft(int limit, int elapsed);
// The time left as the pupil reads it, in full-width digits: "のこり ４：３２".
QString TimeLeftText(int secondsLeft);

// The time left of a running drill: "のこり ４：３２" over a thin bar that
// shrinks as the time runs out (orange in the last minute). A drill without
// a limit shows nothing. Once stopped (at the time-up, or by "ストップ") it
// keeps what it showed until it is cleared.
class TTimeLeft : public QWidget {
    Q_OBJECT
public:
    explicit TTimeLeft(QWidget *parent);
    // A drill of `limitSeconds` begins: shown whole, running.
    void start(int limitSeconds);
    // The drill has run `elapsed` seconds; nothing once stopped.
    void setElapsed(int elapsed);
    // Stops where it stands; at the time-up the drill passes its whole limit.
    void stop();
    // Hidden until the next timed drill starts.
    void clear();

    QString text() const { return TimeLeftText(left_); }
    int secondsLeft() const { return left_; }
    bool running() const { return running_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int limit_ = 0;
    int left_ = 0;
    bool running_ = false;
};

// The teacher's red flower spiral, drawn beside the results of a drill
// answered all right.
class THanamaru : public QWidget {
    Q_OBJECT
public:
    explicit THanamaru(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
