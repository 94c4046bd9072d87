#include "frame/timeleft.h"

#include "frame/look.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

int DrillSecondsLeft(int limit, int elapsed)
{
    return qMax(0, limit - qMax(0, elapsed));
}

QString TimeLeftText(int secondsLeft)
{
    const QString ascii = QStringLiteral("%1:%2").arg(secondsLeft / 60).arg(secondsLeft % 60, 2, 10, QLatin1Char('0'));
    QString wide;
    for (QChar c : ascii)
        wide += c == QLatin1Char(':') ? QChar(0xFF1A) : QChar(0xFF10 + c.digitValue());
    return QStringLiteral("のこり ") + wide;
}

// ---------------------------------------------------------------- TTimeLeft

TTimeLeft::TTimeLeft(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TimeLeft"));
    setFont(Look::face(22));
    setAccessibleName(QStringLiteral("のこりじかん"));
    hide();
}

void TTimeLeft::start(int limitSeconds)
{
    limit_ = limitSeconds;
    left_ = limitSeconds;
    running_ = limitSeconds > 0;
    setVisible(running_);
    setAccessibleDescription(text());
    update();
}

void TTimeLeft::setElapsed(int elapsed)
{
    if (!running_)
        return;
    const int left = DrillSecondsLeft(limit_, elapsed);
    if (left == left_)
        return;
    left_ = left;
    setAccessibleDescription(text());
    update();
}

void TTimeLeft::stop()
{
    running_ = false;
}

void TTimeLeft::clear()
{
    running_ = false;
    limit_ = left_ = 0;
    hide();
}

void TTimeLeft::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool lastMinute = left_ < 60;
    const QColor ink = lastMinute ? QColor(0xD0, 0x50, 0x10) : Look::Navy;
    const int barHeight = 8;
    p.setFont(font());
    p.setPen(ink);
    p.drawText(QRect(0, 0, width(), height() - barHeight - 4), Qt::AlignLeft | Qt::AlignVCenter, text());

    const QRectF track(1, height() - barHeight - 1, width() - 2, barHeight);
    p.setPen(Qt::NoPen);
    p.setBrush(Look::PickAsleep.darker(106));
    p.drawRoundedRect(track, barHeight / 2.0, barHeight / 2.0);
    if (limit_ > 0 && left_ > 0) {
        QRectF rest = track;
        rest.setWidth(qMax(qreal(barHeight), track.width() * left_ / limit_));
        p.setBrush(lastMinute ? QColor(0xFF, 0x9A, 0x3C) : palette().color(QPalette::Highlight));
        p.drawRoundedRect(rest, barHeight / 2.0, barHeight / 2.0);
    }
}

// ---------------------------------------------------------------- THanamaru

THanamaru::THanamaru(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Hanamaru"));
    setAccessibleName(QStringLiteral("はなまる"));
    hide();
}

void THanamaru::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() / 2.0, height() / 2.0);
    const qreal outer = qMin(width(), height()) / 2.0 - 3;
    const QPen red(QColor(0xE8, 0x20, 0x30), qMax(2.0, outer / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(red);
    p.setBrush(Qt::NoBrush);

    // Nine round petals: the rim swells between sharp notches.
    const int petals = 9;
    QPainterPath flower;
    for (int i = 0; i <= 360; ++i) {
        const qreal t = qDegreesToRadians(qreal(i));
        const qreal r = outer * (0.80 + 0.20 * qAbs(qSin(petals * t / 2)));
        const QPointF at = centre + QPointF(r * qCos(t), r * qSin(t));
        i == 0 ? flower.moveTo(at) : flower.lineTo(at);
    }
    p.drawPath(flower);

    // The spiral inside, drawn in one stroke from the middle outwards.
    QPainterPath spiral;
    const qreal turns = 3.2;
    const qreal inner = outer * 0.66;
    for (int i = 0; i <= 360 * turns; i += 4) {
        const qreal t = qDegreesToRadians(qreal(i));
        const qreal r = inner * i / (360 * turns);
        const QPointF at = centre + QPointF(r * qCos(t - M_PI / 2), r * qSin(t - M_PI / 2));
        i == 0 ? spiral.moveTo(at) : spiral.lineTo(at);
    }
    p.drawPath(spiral);
}
