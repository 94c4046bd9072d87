#pragma once
#include <QPixmap>

// The 64 × 64 picture at the bottom left of every screen: a smiling pencil
// holding up a "123" card, on a transparent background. Drawn once, on the
// first call; later calls return the same picture.
QPixmap lessonPicture();
