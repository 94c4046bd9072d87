#pragma once
#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

class QKeyEvent;
class QListWidget;

// A label that keeps its caption exactly as the program set it, carriage
// returns included, and shows each "\r" as a line break.
class TLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    TLabel(const QString &name, QWidget *parent);
    QString caption() const { return caption_; }
    void setCaption(const QString &caption);

private:
    QString caption_;
};

// The coloured push button of every screen: a caption on a face colour, a
// rounded bevel, a grey face when disabled. click() runs its handler.
class TCuteButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor faceColor READ faceColor WRITE setFaceColor)
public:
    TCuteButton(const QString &name, const QString &caption, const QColor &face, QWidget *parent);
    QColor faceColor() const { return face_; }
    void setFaceColor(const QColor &face);
    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor face_;
};

// The always-open pick list: a text field over a list whose items are all in
// view. The field shows the picked item, or a placeholder (a place name such
// as "十") that the program writes. pick(i) is a pupil's click: it selects i,
// shows its text and runs the change handler every time, also for the item
// already selected. Setting the index or the text from code runs nothing.
//
// The keyboard: a digit key (either row, or the keypad) picks that digit in
// the list that has focus, exactly as a click on it does, and the focus goes
// on to the next place; Tab and the arrow keys move between the lists of a
// screen in reading order, the highest place first. Nothing else is typed.
//
// The look is the list's own, the same on every screen: a soft rounded
// frame, the field a heading over the rows, the digits painted as large as
// the rows allow, the picked row a rounded patch in the screen's accent
// colour (its palette's Highlight), a pale row under the mouse and an accent
// ring while the list has focus.
class TComboBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QStringList items READ items WRITE setItems)
public:
    TComboBox(const QString &name, const QStringList &items, QWidget *parent);
    int itemIndex() const { return index_; }
    void setItemIndex(int index);
    QString text() const { return text_; }
    void setText(const QString &text);
    QStringList items() const { return items_; }
    void setItems(const QStringList &items);
    int count() const { return items_.size(); }
    // A pupil's click on item i; false (and nothing happens) when the list is
    // disabled, hidden, or i is not an item.
    bool pick(int index);
    // Geometry: the field's height and the list's row height follow the font.
    void place(int x, int y, int width, int visibleRows);

    static QStringList digits();  // "０" … "９"

    // The item that stands for digit d (0 … 9): "３", "3" or "三"; -1 if none.
    int itemOfDigit(int digit) const;
    // The lists of `screen` a pupil can pick in now (enabled and in view),
    // in reading order: row by row from the top, each row from the left, so
    // the highest place comes first.
    static QList<TComboBox *> pickable(QWidget *screen);
    // Gives the focus to the first list of `screen` that takes digits; false
    // if there is none.
    static bool focusFirstDigitList(QWidget *screen);
    // A digit key that reached the screen with no list to take it: the
    // first list that takes digits gets the focus and the key. True if taken.
    static bool typeDigitOnScreen(QWidget *screen, QKeyEvent *event);

    // The face the rows are painted in: up to a third larger than the
    // list's own, as large as the widest item and the row height allow.
    QFont rowFont() const;

signals:
    void change();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void showIndex();
    int rowHeight() const;
    int fieldHeight() const;
    bool takesDigits() const;
    // Moves the focus to the next (or previous) list in reading order;
    // false at the end of the row of lists.
    bool focusNeighbour(bool next);

    QListWidget *list_;
    QStringList items_;
    QString text_;
    int index_ = -1;
    mutable QFont rowFont_;
    mutable bool rowFontStale_ = true;
};

// Read-only text whose lines are exactly the program's lines.
//
// Worked examples in a memo are typed with spaces, which no proportional face
// lines up. The memo can draw such lines itself, over the text it keeps:
// - a figure row: each character of `cells` stands in a cell of one digit's
//   width (a space is an empty cell), so the digits of a written sum stand in
//   their place columns; a run of "-" is the rule; cells from `redFrom` on
//   are the carries, red as on the worksheet;
// - a chain of "=": a line that starts (after its spaces) with "=" is drawn
//   with that "=" under the first "=" of the line that opens the chain.
// lines() stays the program's text whatever is drawn.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    struct FigureRow {
        int line;        // the memo line drawn as a figure row
        QString cells;   // one character per cell, from the memo's left edge
        int redFrom = -1;
    };

    TMemo(const QString &name, QWidget *parent);
    QStringList lines() const { return lines_; }
    void setLines(const QStringList &lines);
    void setFigureRows(const QList<FigureRow> &rows);
    void setAlignedChains(bool aligned);

    // Where the characters of `line` stand on screen, one box for each that
    // draws something (a figure's rule is one box), left to right, in the
    // memo's viewport coordinates. Empty for a line out of range.
    QList<QRect> glyphBoxes(int line) const;
    // The width of one figure cell.
    int cellWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // A line the memo draws itself: its pieces and where each stands.
    struct Piece {
        QRect box;
        QString text;  // empty for a rule
        bool red = false;
    };
    QList<Piece> pieces(int line) const;
    int chainColumn(int line) const;  // x of the "=" a continuation stands under; -1 for none
    bool drawnHere(int line) const;
    void restyle();

    QStringList lines_;
    QList<FigureRow> figure_;
    bool chains_ = false;
};

// A filled rectangle with an outline: rules, strokes and frames.
class TShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)
    Q_PROPERTY(QColor penColor READ penColor WRITE setPenColor)
public:
    TShape(const QString &name, const QColor &brush, const QColor &pen, QWidget *parent);
    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor &c);
    QColor penColor() const { return pen_; }
    void setPenColor(const QColor &c);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor brush_, pen_;
};

// A fixed picture.
class TImage : public QLabel {
    Q_OBJECT
public:
    TImage(const QString &name, const QPixmap &pixmap, QWidget *parent);
};

// The bar across the bottom of a screen: indexed panels of text.
class TStatusBar : public QWidget {
    Q_OBJECT
public:
    TStatusBar(const QString &name, const QList<int> &panelWidths, QWidget *parent);
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);
    int panelCount() const { return panels_.size(); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<QLabel *> panels_;
    QList<int> widths_;
};
