#pragma once
#include <QFont>
#include <QString>
#include <QWidget>

// Whether the face the program draws with, with the fonts the system falls
// back on, can draw the program's texts. On a bare system without a
// Japanese font every character would be a box and nobody would know why.

// The characters of `texts` that no installed font can draw in `face`,
// each once, in their order; empty when all is well.
QString UndrawableCharacters(const QFont &face, const QString &texts);
// The texts a window shows: its title and the captions of its labels and
// buttons.
QString ShownTexts(const QWidget *window);
// What to tell the parents when Japanese cannot be drawn: in plain letters,
// since the Japanese of any other message would be boxes too.
QString MissingFontMessage(const QString &undrawable);
