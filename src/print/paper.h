#pragma once
// Drawing on A4 paper: the face (a TrueType rounded Gothic, embedded whole
// in a PDF, so every viewer shows it), the painter set up in tenths of a
// millimetre from the paper's top-left corner, and the worksheet's two
// pages, the problems and "こたえ".
#include "print/problems.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace Paper {
// The page in tenths of a millimetre.
inline constexpr int Width = 2100;
inline constexpr int Height = 2970;
inline constexpr int Margin = 150;
// The face every printed text is set in. Only a TrueType face: a CFF face
// (Noto Sans CJK) shows as blank text in some PDF viewers.
inline constexpr const char *Family = "MotoyaLMaru";
// The face at a height in tenths of a millimetre.
QFont font(int tenths, bool bold = false);
// Starts a painter on the device, scaled so that one unit is a tenth of a
// millimetre from the paper's corner. False when the device cannot be painted.
bool begin(QPainter &painter, QPagedPaintDevice &device);
// Sets a printer (or a PDF writer) to A4 portrait, the whole sheet drawable.
void setUp(QPrinter &printer);
}  // namespace Paper

// Where problem `index` (from 0) stands on its page, in tenths of a millimetre.
QRectF SheetSlot(const SheetLayout &layout, int index);

// The worksheet's pages onto the device: the problems, a new page, then
// "こたえ". False when the device cannot be painted.
bool PaintWorksheet(QPagedPaintDevice &device, const Worksheet &sheet);
// The worksheet as a PDF file at `path`. False, with the reason, when the
// file cannot be written.
bool WriteWorksheetPdf(const QString &path, const Worksheet &sheet, QString *error = nullptr);
// The same with any painting (a report): `paint` draws onto the started
// painter and turns the pages itself.
bool WritePdf(const QString &path, const QString &title,
              const std::function<bool(QPagedPaintDevice &)> &paint, QString *error = nullptr);

// The pages painted by `paint`, shown in the print preview; sent to the
// printer the user picks; or the path of a PDF the user picks to save them
// in (empty when they cancel).
using PagePainter = std::function<bool(QPagedPaintDevice &)>;
void PreviewPages(QWidget *parent, const QString &title, const PagePainter &paint);
void PrintPages(QWidget *parent, const PagePainter &paint);
QString AskPdfPath(QWidget *parent, const QString &fileName);
// What the pupil is told once a PDF is saved, or could not be.
QString SavedText(const QString &path, bool saved, const QString &error);
