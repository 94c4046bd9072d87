#pragma once
#include <QPixmap>

class QPainter;

// The 64 × 64 picture at the bottom left of every screen: a smiling pencil
// holding up a "123" card, on a transparent background. Drawn once, on the
// first call; later calls return the same picture.
QPixmap lessonPicture();

// Paints that picture in a 64 × 64 square of the painter's coordinates, for
// any size or drawing target (the program's icons are drawn with it too).
void paintLessonPicture(QPainter &p);
