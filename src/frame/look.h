#pragma once
#include <QColor>
#include <QFont>

// The colours and the rounded face every screen is drawn in.
namespace Look {
inline const QColor Background{0xEA, 0xEA, 0xFF};
inline const QColor StatusBar{0xD0, 0xD0, 0xFF};
inline const QColor Navy{0x00, 0x00, 0x80};
inline const QColor Olive{0x80, 0x80, 0x00};
inline const QColor Green{0x00, 0x80, 0x00};
inline const QColor Maroon{0x80, 0x00, 0x00};
inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor SkyBlue{0xA6, 0xCA, 0xF0};
inline const QColor MoneyGreen{0xC0, 0xDC, 0xC0};
inline const QColor Cream{0xFF, 0xFB, 0xF0};
inline const QColor Answer{0xBD, 0xE8, 0xD7};   // "答え", step buttons, lesson buttons
inline const QColor Next{0xFF, 0xA6, 0xFF};     // "つぎへ"
inline const QColor Results{0xC0, 0xEF, 0xCD};  // "けっか"

// The pick lists. The selection is painted in the screen's accent colour,
// which every screen carries as its palette's Highlight.
inline const QColor Accent{0x4A, 0x63, 0xE7};       // a screen's accent: the picked row, the focus ring
inline const QColor PickFrame{0xB0, 0xB6, 0xE4};    // the soft frame round a list
inline const QColor PickHeading{0xD4, 0xDC, 0xFF};  // the field over the rows: the place name
inline const QColor PickHover{0xDD, 0xE3, 0xFF};    // the row under the mouse
inline const QColor PickBand{0xF6, 0xF7, 0xFF};     // every other row, faintly
inline const QColor PickAsleep{0xF1, 0xF1, 0xF5};   // a list that rests
inline const QColor PickAsleepInk{0xA0, 0xA0, 0xAC};
inline constexpr int PickRadius = 7;                // corners of the frame and the picked row
inline constexpr qreal PickGlyphGrowth = 1.3;       // digits painted up to this much larger than the face

inline constexpr int ScreenWidth = 955;
inline constexpr int ScreenHeight = 716;
// The right edge the lists, pickers and buttons at a screen's right keep.
inline constexpr int RightEdge = ScreenWidth - 20;

// The rounded Gothic face at a pixel size; falls back to Noto Sans CJK.
QFont face(int pixelSize, bool bold = false);
}  // namespace Look
