#include "app/fontcheck.h"

#include "frame/controls.h"

#include <QFontMetrics>
#include <QSet>

QString UndrawableCharacters(const QFont &face, const QString &texts)
{
    // inFontUcs4 asks the face together with its fallback fonts.
    const QFontMetrics metrics(face);
    QSet<char32_t> seen;
    QString out;
    for (char32_t c : texts.toUcs4()) {
        if (c <= 0x20 || c == 0x3000 || seen.contains(c))  // spaces draw nothing anyway
            continue;
        seen.insert(c);
        if (!metrics.inFontUcs4(c))
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

QString ShownTexts(const QWidget *window)
{
    QString texts = window->windowTitle();
    for (const TLabel *l : window->findChildren<TLabel *>())
        texts += l->caption();
    for (const TCuteButton *b : window->findChildren<TCuteButton *>())
        texts += b->caption();
    return texts;
}

QString MissingFontMessage(const QString &undrawable)
{
    return QStringLiteral(
               "No Japanese font is installed, so the program's texts cannot be drawn "
               "(%1 characters, such as U+%2).\n"
               "Install the package fonts-noto-cjk (and, for the program's own rounded face, "
               "fonts-motoya-l-maruberi), for example:\n"
               "    sudo apt-get install fonts-noto-cjk fonts-motoya-l-maruberi\n"
               "then start the program again.")
        .arg(undrawable.toUcs4().size())
        .arg(QString::number(undrawable.toUcs4().value(0), 16).toUpper(), 4, QLatin1Char('0'));
}
