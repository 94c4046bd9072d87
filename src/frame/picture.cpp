#include "frame/picture.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QtMath>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int kSize = 64;

// The pencil friend, standing a little tilted to the left so that it seems
// to be waving its card.
void drawPencil(QPainter &p)
{
    p.save();
    p.translate(20, 33);
    p.rotate(-10);

    const QColor outline(0x5a, 0x3a, 0x1a);
    const QPen edge(outline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // body: yellow with one lighter and one darker facet
    const qreal w = 10.5;   // half width
    const qreal top = -17, bottom = 13;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xc9, 0x2e));
    p.drawRect(QRectF(-w, top, 2 * w, bottom - top));
    p.setBrush(QColor(0xff, 0xe2, 0x7a));
    p.drawRect(QRectF(-w, top, 6, bottom - top));
    p.setBrush(QColor(0xf0, 0xa8, 0x10));
    p.drawRect(QRectF(w - 5, top, 5, bottom - top));
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-w, top, 2 * w, bottom - top));

    // sharpened wood and the lead tip
    QPolygonF wood;
    wood << QPointF(-w, bottom) << QPointF(w, bottom) << QPointF(0, bottom + 15);
    p.setBrush(QColor(0xf6, 0xd3, 0xa0));
    p.drawPolygon(wood);
    QPolygonF lead;
    lead << QPointF(-3.7, bottom + 10) << QPointF(3.7, bottom + 10) << QPointF(0, bottom + 15);
    p.setBrush(QColor(0x44, 0x44, 0x55));
    p.drawPolygon(lead);

    // metal band and the pink eraser
    p.setBrush(QColor(0xc8, 0xcf, 0xd8));
    p.drawRect(QRectF(-w, top - 5, 2 * w, 5));
    QPainterPath eraser;
    eraser.moveTo(-w, top - 5);
    eraser.lineTo(-w, top - 9);
    eraser.quadTo(-w, top - 14, -w + 5, top - 14);
    eraser.lineTo(w - 5, top - 14);
    eraser.quadTo(w, top - 14, w, top - 9);
    eraser.lineTo(w, top - 5);
    eraser.closeSubpath();
    p.setBrush(QColor(0xff, 0x8f, 0xab));
    p.drawPath(eraser);

    // face: eyes with a shine, rosy cheeks and a wide smile
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2b, 0x1d, 0x12));
    p.drawEllipse(QPointF(-4.2, -7), 2.1, 2.7);
    p.drawEllipse(QPointF(4.2, -7), 2.1, 2.7);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-3.6, -7.9), 0.8, 0.8);
    p.drawEllipse(QPointF(4.8, -7.9), 0.8, 0.8);
    p.setBrush(QColor(255, 110, 120, 150));
    p.drawEllipse(QPointF(-7.3, -2.5), 2.4, 1.6);
    p.drawEllipse(QPointF(7.3, -2.5), 2.4, 1.6);
    QPainterPath smile;
    smile.moveTo(-4.2, -3.2);
    smile.cubicTo(-3.5, 2.2, 3.5, 2.2, 4.2, -3.2);
    smile.closeSubpath();
    p.setBrush(QColor(0xc0, 0x30, 0x30));
    p.setPen(QPen(QColor(0x2b, 0x1d, 0x12), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(smile);

    p.restore();
}

// The card the pencil holds up, with "123" in three cheerful colours, and
// the little arm that holds it.
void drawCard(QPainter &p)
{
    const QColor outline(0x5a, 0x3a, 0x1a);

    // arm from the pencil's side to the card
    p.setPen(QPen(outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath arm;
    arm.moveTo(29.5, 36);
    arm.quadTo(34, 36, 35.5, 31.5);
    p.drawPath(arm);

    const QRectF card(33, 11, 29, 20);
    p.setPen(QPen(QColor(0x3a, 0x50, 0x90), 1.3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 3.5, 3.5);

    QFont font;
    font.setFamilies({QStringLiteral("MotoyaLMaru"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(14);
    font.setBold(true);
    const QColor colours[] = {QColor(0xe5, 0x39, 0x35), QColor(0x2e, 0x9d, 0x3a),
                              QColor(0x1e, 0x6f, 0xe0)};
    const QString digits = QStringLiteral("123");
    const qreal step = card.width() / 3.0;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        // Each digit as an outline centred in its third of the card, so the
        // picture looks the same at any size and in any drawing target.
        QPainterPath glyph;
        glyph.addText(0, 0, font, digits.mid(i, 1));
        const QRectF box = glyph.boundingRect();
        const QPointF centre(card.left() + (i + 0.5) * step, card.center().y());
        p.fillPath(glyph.translated(centre - box.center()), colours[i]);
    }

    // the hand on the card's lower left corner
    p.setPen(QPen(outline, 1.1));
    p.setBrush(QColor(0xff, 0xe2, 0x7a));
    p.drawEllipse(QPointF(35.5, 31.5), 2.6, 2.6);
}

QImage drawPicture(qreal ratio)
{
    QImage image(qCeil(kSize * ratio), qCeil(kSize * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintLessonPicture(p);
    p.end();
    return image;
}

}  // namespace

void paintLessonPicture(QPainter &p)
{
    drawPencil(p);
    drawCard(p);
}

QPixmap lessonPicture()
{
    // Drawn for the device pixels of the screen, so it stays crisp in a
    // larger window size, and kept as an image (a static QPixmap would
    // outlive the application object).
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    static QImage picture;
    if (picture.isNull() || picture.devicePixelRatio() != ratio)
        picture = drawPicture(ratio);
    return QPixmap::fromImage(picture);
}
