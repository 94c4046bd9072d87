#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

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
inline const QColor Teal{0x00, 0x80, 0x80};     // a worked explanation

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
inline constexpr int PickRowAir = 6;                // a row's height over the face's: room between the digits

inline constexpr int ScreenWidth = 955;
inline constexpr int ScreenHeight = 716;
// The right edge the lessons' and drills' pickers and buttons keep, 20 pixels in.
inline constexpr int RightEdge = ScreenWidth - 20;

// A row of answer pickers standing at the right edge (or ending at `right`),
// the highest place on the left: its top, the width of one picker and the
// gap between two.
struct PickerRow {
    int top;
    int width;
    int gap;
    int right = RightEdge;
    // The left edge of the picker for `place` (0 the ones, the rightmost).
    constexpr int x(int place) const { return right - width - place * (width + gap); }
};
// The tops and widths of the lessons' picker rows, one set for all.
namespace Pickers {
inline constexpr PickerRow Mental{130, 64, 10};      // mental addition and subtraction
inline constexpr PickerRow Division{136, 80, 8};     // the quotient and the remainder
inline constexpr PickerRow Sheet{150, 56, 8};        // column sheets, multiplying by 0, 10 and 100
inline constexpr PickerRow Rules{150, 80, 8};        // the one answer of the multiplication rules
inline constexpr PickerRow Product{150, 50, 6};      // column multiplication, five places
inline constexpr PickerRow TensMental{196, 56, 8, 500};  // tens and hundreds: left of the column
inline constexpr PickerRow Units{200, 60, 8};        // units of measure
}  // namespace Pickers

// Where a lesson screen's shared parts stand: the chapter title and the
// lesson title, centred; the problem line and the mark "○"/"×"; "つぎへ".
// The prompt line, the picture and the bottom row ("おわる", "もくじへ",
// the toggle) stand where the frame puts them on every screen.
struct LessonGeometry {
    QRect title;                 // Label1
    int titlePixels = 40;
    QRect subtitle;              // Label2
    int subtitlePixels = 26;
    QRect problem;               // the problem line
    int problemPixels = 48;
    QRect mark;                  // "○" or "×", red
    int markPixels = 96;
    QPoint next;                 // "つぎへ"
    int quitX = RightEdge - 290;   // "おわる", on the bottom row
    int backX = RightEdge - 190;   // "もくじへ"
    int toggleX = RightEdge - 90;  // the study/test toggle

    // The two titles one under the other, `width` wide from `left` (-1:
    // centred on the window): the title at `top`, 52 high, the lesson's
    // title at `subtitleTop`, `subtitleHeight` high.
    void setTitles(int left, int width, int top, int subtitleTop, int subtitleHeight)
    {
        const int x = left < 0 ? (ScreenWidth - width) / 2 : left;
        title = QRect(x, top, width, 52);
        subtitle = QRect(x, subtitleTop, width, subtitleHeight);
    }
};

// The digits "０" … "９" of the lessons' answer pickers: the eighth item
// carries a trailing full-width space, as the lessons have always shown it.
QStringList digitItems();

// The rounded Gothic face at a pixel size; falls back to Noto Sans CJK.
QFont face(int pixelSize, bool bold = false);
}  // namespace Look
