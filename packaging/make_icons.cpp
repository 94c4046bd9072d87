// Draws the program's application icon, the smiling pencil with its "123"
// card on a rounded tile, as PNG files at the sizes desktops ask for and as
// one scalable SVG, from the same drawing the lesson screens show.
//
//   make_icons <folder>   writes <folder>/<n>x<n>/apps/<id>.png and
//                         <folder>/scalable/apps/<id>.svg
#include "frame/picture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

const char *const kIconName = "jp.minuka.Minuka";

// The icon in a 64 × 64 square: a warm tile with a soft edge, the picture on it.
void paintIcon(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(1.5, 1.5, 61, 61);
    QLinearGradient wash(tile.topLeft(), tile.bottomLeft());
    wash.setColorAt(0, QColor(0xff, 0xf8, 0xe4));
    wash.setColorAt(1, QColor(0xdc, 0xee, 0xff));
    p.setPen(QPen(QColor(0x3a, 0x50, 0x90), 2));
    p.setBrush(wash);
    p.drawRoundedRect(tile, 12, 12);
    paintLessonPicture(p);
}

bool writePng(const QString &folder, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / 64.0, size / 64.0);
    paintIcon(p);
    p.end();
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    return QDir().mkpath(dir) && image.save(QStringLiteral("%1/%2.png").arg(dir, QLatin1String(kIconName)));
}

bool writeSvg(const QString &folder)
{
    const QString dir = folder + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(dir))
        return false;
    QSvgGenerator svg;
    svg.setFileName(QStringLiteral("%1/%2.svg").arg(dir, QLatin1String(kIconName)));
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRect(0, 0, 64, 64));
    svg.setTitle(QStringLiteral("ミヌカ"));
    svg.setDescription(QStringLiteral("A smiling pencil holding up a 123 card"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    paintIcon(p);
    return p.end();
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = writeSvg(folder);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok = writePng(folder, size) && ok;
    if (!ok)
        std::fprintf(stderr, "make_icons: could not write the icons into %s\n", argv[1]);
    return ok ? 0 : 1;
}
