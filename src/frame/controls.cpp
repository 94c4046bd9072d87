#include "frame/controls.h"

#include "frame/look.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStyledItemDelegate>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

QFont Look::face(int pixelSize, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("MotoyaLMaru"), QStringLiteral("Noto Sans CJK JP"),
                   QStringLiteral("Noto Sans JP")});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// ---------------------------------------------------------------- TLabel

TLabel::TLabel(const QString &name, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setFont(Look::face(16));
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Look::Navy);
    setPalette(p);
}

void TLabel::setCaption(const QString &caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

// ---------------------------------------------------------------- TCuteButton

TCuteButton::TCuteButton(const QString &name, const QString &caption, const QColor &face, QWidget *parent)
    : QPushButton(caption, parent), face_(face)
{
    setObjectName(name);
    setFont(Look::face(15));
    setFixedSize(90, 30);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // Enter is the screen's "つぎへ" wherever the focus stands, never the
    // button that happens to have it (on a fresh screen that is "おわる").
    setAutoDefault(false);
}

void TCuteButton::setFaceColor(const QColor &face)
{
    face_ = face;
    update();
}

void TCuteButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor face = face_;
    if (!isEnabled()) {
        // A disabled button keeps a hint of its colour but reads as asleep.
        const int grey = qGray(face.rgb());
        face = QColor((face.red() + grey * 3) / 4, (face.green() + grey * 3) / 4, (face.blue() + grey * 3) / 4);
        face = face.lighter(125);
    } else if (isDown()) {
        face = face.darker(115);
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, face.lighter(125));
    g.setColorAt(0.45, face);
    g.setColorAt(1.0, face.darker(112));
    QPainterPath path;
    path.addRoundedRect(r, 6, 6);
    p.fillPath(path, g);
    p.setPen(QPen(isEnabled() ? face_.darker(150) : QColor(0xA8, 0xA8, 0xB8), 1));
    p.drawPath(path);

    const bool dark = qGray(face.rgb()) < 140;
    QColor ink = dark ? QColor(Qt::white) : Look::Navy;
    if (!isEnabled())
        ink = QColor(0x90, 0x90, 0x98);
    p.setPen(ink);
    p.setFont(font());
    QRectF textRect = r;
    if (isDown())
        textRect.translate(0, 1);
    p.drawText(textRect, Qt::AlignCenter, text());

    if (hasFocus()) {
        QPen dots(ink, 1, Qt::DotLine);
        p.setPen(dots);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 4, 4);
    }
}

// ---------------------------------------------------------------- TComboBox

namespace {
// The frame round a list, and the focus ring over it, stand in this margin.
constexpr int kFrameMargin = 2;

// The list never takes the keyboard: only a click on an item is a pick.
class PickList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent *e) override { e->ignore(); }
    void mouseMoveEvent(QMouseEvent *e) override { e->ignore(); }
};

// The colour of a picked row while its list rests: the accent, faded.
QColor restingAccent(const QColor &accent)
{
    const QColor grey(0xB8, 0xB8, 0xC4);
    return QColor((accent.red() + grey.red() * 2) / 3, (accent.green() + grey.green() * 2) / 3,
                  (accent.blue() + grey.blue() * 2) / 3);
}

// Paints the rows of a pick list over the list's white body: the item
// centred and large, the picked row a rounded patch of the accent colour
// with white ink, the row under the mouse pale. A painter of its own is far
// cheaper to create than a style sheet per list, and a program has dozens of
// lists, all made at start-up.
class PickRows : public QStyledItemDelegate {
public:
    PickRows(const TComboBox *owner, QObject *parent) : QStyledItemDelegate(parent), owner_(owner) {}

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        const bool enabled = o.state & QStyle::State_Enabled;
        QColor ink = enabled ? Look::Navy : Look::PickAsleepInk;
        const QRectF patch = QRectF(o.rect).adjusted(3, 1, -3, -1);
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        if (index.row() % 2 == 1 && enabled)  // faint bands keep each row its own
            p->fillRect(QRectF(o.rect).adjusted(2, 0, -2, 0), Look::PickBand);
        if (o.state & QStyle::State_Selected) {
            const QColor accent = owner_->palette().color(QPalette::Highlight);
            p->setBrush(enabled ? accent : restingAccent(accent));
            p->drawRoundedRect(patch, Look::PickRadius - 2, Look::PickRadius - 2);
            ink = Qt::white;
        } else if (enabled && (o.state & QStyle::State_MouseOver)) {
            p->setBrush(Look::PickHover);
            p->drawRoundedRect(patch, Look::PickRadius - 2, Look::PickRadius - 2);
        }
        p->setPen(ink);
        p->setFont(owner_->rowFont());
        // Centred as the pupil reads it: spaces an item carries at its ends
        // (a full-width one after "７", say) would pull it off the middle.
        p->drawText(o.rect, Qt::AlignCenter, o.text.trimmed());
        p->restore();
    }

private:
    const TComboBox *owner_;
};

// The digit a key stands for: the digit keys of either row or the keypad, or
// a digit typed through an input method ("３"); -1 for any other key.
int keyDigit(const QKeyEvent *event)
{
    if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9)
        return event->key() - Qt::Key_0;
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isDigit())
        return text.at(0).digitValue();
    return -1;
}

// The places a pupil hears named: "百" is read "百のくらい".
QString spokenName(const QString &placeholder)
{
    static const QStringList places = {QStringLiteral("一"),   QStringLiteral("十"),   QStringLiteral("百"),
                                       QStringLiteral("千"),   QStringLiteral("万"),   QStringLiteral("十万"),
                                       QStringLiteral("百万"), QStringLiteral("千万")};
    const QString name = placeholder.trimmed();
    return places.contains(name) ? name + QStringLiteral("のくらい") : name;
}
}  // namespace

QStringList TComboBox::digits()
{
    return {QStringLiteral("０"), QStringLiteral("１"), QStringLiteral("２"), QStringLiteral("３"),
            QStringLiteral("４"), QStringLiteral("５"), QStringLiteral("６"), QStringLiteral("７"),
            QStringLiteral("８"), QStringLiteral("９")};
}

TComboBox::TComboBox(const QString &name, const QStringList &items, QWidget *parent)
    : QWidget(parent), list_(new PickList(this))
{
    setObjectName(name);
    setFont(Look::face(20));
    setFocusPolicy(Qt::StrongFocus);

    list_->setFocusPolicy(Qt::NoFocus);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setCursor(Qt::PointingHandCursor);
    list_->setItemDelegate(new PickRows(this, list_));
    // The rows stand on the body the list paints itself (white, or grey
    // while it rests), inside its rounded frame.
    list_->setFrameShape(QFrame::NoFrame);
    list_->viewport()->setAutoFillBackground(false);
    list_->viewport()->setAttribute(Qt::WA_Hover);
    list_->setAttribute(Qt::WA_Hover);
    QPalette lp = list_->palette();
    lp.setColor(QPalette::Base, Qt::transparent);
    list_->setPalette(lp);

    // itemClicked also comes for the item already selected: a second click on
    // the same digit is a new pick. The list clicked takes the focus, so the
    // pupil can go on by keyboard from the place they chose.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        setFocus(Qt::MouseFocusReason);
        pick(list_->row(item));
    });
    setItems(items);
}

void TComboBox::setItems(const QStringList &items)
{
    items_ = items;
    list_->clear();
    for (const QString &s : items) {
        auto *item = new QListWidgetItem(s, list_);
        item->setTextAlignment(Qt::AlignCenter);
        item->setSizeHint(QSize(0, rowHeight()));
    }
    index_ = -1;
    rowFontStale_ = true;
    showIndex();
}

void TComboBox::setItemIndex(int index)
{
    index_ = (index >= 0 && index < items_.size()) ? index : -1;
    if (index_ >= 0)
        text_ = items_.at(index_);
    update();
    showIndex();
}

void TComboBox::setText(const QString &text)
{
    text_ = text;
    // A text that is no item is the list's name, the one a screen reader says.
    if (!text.trimmed().isEmpty() && !items_.contains(text))
        setAccessibleName(spokenName(text));
    update();
}

bool TComboBox::pick(int index)
{
    if (!isEnabled() || isHidden() || index < 0 || index >= items_.size())
        return false;
    setItemIndex(index);
    emit change();
    return true;
}

void TComboBox::showIndex()
{
    const QSignalBlocker block(list_);
    if (index_ < 0) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
    } else {
        list_->setCurrentRow(index_);
    }
}

int TComboBox::rowHeight() const
{
    // The drills stack a menu, a time list, three answer lists and their
    // buttons down one side and have no room to spare; every other screen
    // gives its rows air between their characters.
    const bool tight = parentWidget() && parentWidget()->inherits("TDrillScreen");
    return QFontMetrics(font()).height() + (tight ? 2 : Look::PickRowAir);
}

int TComboBox::fieldHeight() const
{
    return QFontMetrics(font()).height() + 6;
}

QFont TComboBox::rowFont() const
{
    if (!rowFontStale_)
        return rowFont_;
    QFont f = font();
    const int base = QFontInfo(f).pixelSize();
    const int room = list_->viewport()->width() - 8;
    const int rowRoom = rowHeight() - 5;  // air between the digits of neighbouring rows
    int px = qRound(base * Look::PickGlyphGrowth);
    for (; px > base; --px) {
        f.setPixelSize(px);
        const QFontMetrics fm(f);
        const bool fits = std::all_of(items_.cbegin(), items_.cend(), [&](const QString &item) {
            const QString s = item.trimmed();
            return fm.horizontalAdvance(s) <= room && fm.tightBoundingRect(s).height() <= rowRoom;
        });
        if (fits)
            break;
    }
    f.setPixelSize(px);
    rowFont_ = f;
    rowFontStale_ = false;
    return rowFont_;
}

void TComboBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // The rows grow with the face.
        list_->setFont(font());
        for (int i = 0; i < list_->count(); ++i)
            list_->item(i)->setSizeHint(QSize(0, rowHeight()));
        rowFontStale_ = true;
        resizeEvent(nullptr);
    }
}

void TComboBox::resizeEvent(QResizeEvent *)
{
    const int top = fieldHeight() + 1;
    list_->setGeometry(kFrameMargin, top, width() - 2 * kFrameMargin, height() - top - kFrameMargin);
    rowFontStale_ = true;
}

void TComboBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool enabled = isEnabled();
    const QColor accent = palette().color(QPalette::Highlight);
    const QRectF body = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath shape;
    shape.addRoundedRect(body, Look::PickRadius, Look::PickRadius);
    p.fillPath(shape, enabled ? QColor(Qt::white) : Look::PickAsleep);

    // The field: a band over the rows naming the place, or showing the pick.
    const QRectF band(body.left(), body.top(), body.width(), fieldHeight() - 1);
    p.save();
    p.setClipPath(shape);
    p.fillRect(band, enabled ? Look::PickHeading : Look::PickAsleep.darker(104));
    p.restore();
    p.setPen(QPen(Look::PickFrame, 1));
    p.drawLine(QPointF(band.left() + 1, band.bottom() + 0.5), QPointF(band.right() - 1, band.bottom() + 0.5));

    const QString shown = text_.trimmed();
    QFont f = font();
    if (index_ >= 0) {
        f = rowFont();  // the pick, as large as in its row
    } else {
        // The place name is a heading: bold, and never cut off.
        f.setBold(true);
        const int room = int(band.width()) - 6;
        for (int px = QFontInfo(f).pixelSize(); px > 9 && QFontMetrics(f).horizontalAdvance(shown) > room; --px)
            f.setPixelSize(px - 1);
    }
    p.setFont(f);
    p.setPen(enabled ? Look::Navy : Look::PickAsleepInk);
    p.drawText(band, Qt::AlignCenter, shown);

    // The soft frame, or the ring of the list that has focus.
    if (hasFocus() && enabled) {
        p.setPen(QPen(accent, 2.5));
        p.drawRoundedRect(QRectF(rect()).adjusted(1.25, 1.25, -1.25, -1.25), Look::PickRadius, Look::PickRadius);
    } else {
        p.setPen(QPen(Look::PickFrame, 1.5));
        p.drawPath(shape);
    }
}

// ------------------------------------------------ TComboBox: the keyboard

int TComboBox::itemOfDigit(int digit) const
{
    if (digit < 0 || digit > 9)
        return -1;
    static const QString kanji = QStringLiteral("〇一二三四五六七八九");
    const QString forms[] = {digits().at(digit), QString::number(digit), QString(kanji.at(digit))};
    for (int i = 0; i < items_.size(); ++i)
        for (const QString &form : forms)
            if (items_.at(i).trimmed() == form)
                return i;
    return -1;
}

bool TComboBox::takesDigits() const
{
    for (int d = 0; d <= 9; ++d)
        if (itemOfDigit(d) >= 0)
            return true;
    return false;
}

QList<TComboBox *> TComboBox::pickable(QWidget *screen)
{
    QList<TComboBox *> lists;
    for (TComboBox *c : screen->findChildren<TComboBox *>())
        if (c->isEnabled() && c->isVisibleTo(screen) && c->count() > 0)
            lists.append(c);
    const auto topLeft = [screen](const TComboBox *c) { return c->mapTo(screen, QPoint(0, 0)); };
    std::sort(lists.begin(), lists.end(),
              [&](const TComboBox *a, const TComboBox *b) { return topLeft(a).y() < topLeft(b).y(); });
    // A row is the lists whose tops lie in the upper half of its first list;
    // each row reads from the left.
    for (qsizetype first = 0; first < lists.size();) {
        const int rowEnd = topLeft(lists[first]).y() + lists[first]->height() / 2;
        qsizetype last = first + 1;
        while (last < lists.size() && topLeft(lists[last]).y() < rowEnd)
            ++last;
        std::sort(lists.begin() + first, lists.begin() + last,
                  [&](const TComboBox *a, const TComboBox *b) { return topLeft(a).x() < topLeft(b).x(); });
        first = last;
    }
    return lists;
}

bool TComboBox::focusNeighbour(bool next)
{
    QList<TComboBox *> lists = pickable(window());
    const qsizetype at = lists.indexOf(this);
    if (at < 0)
        return false;
    const qsizetype to = next ? at + 1 : at - 1;
    if (to < 0 || to >= lists.size())
        return false;
    lists[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool TComboBox::focusFirstDigitList(QWidget *screen)
{
    for (TComboBox *c : pickable(screen))
        if (c->takesDigits()) {
            c->setFocus(Qt::OtherFocusReason);
            return true;
        }
    return false;
}

bool TComboBox::typeDigitOnScreen(QWidget *screen, QKeyEvent *event)
{
    if (keyDigit(event) < 0 || !focusFirstDigitList(screen))
        return false;
    if (auto *list = qobject_cast<TComboBox *>(screen->focusWidget()))
        list->keyPressEvent(event);
    return true;
}

void TComboBox::keyPressEvent(QKeyEvent *event)
{
    const int digit = keyDigit(event);
    if (digit >= 0 && takesDigits()) {
        // Exactly a click on that item; then on to the next place.
        if (pick(itemOfDigit(digit)))
            focusNeighbour(true);
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNeighbour(false);
        event->accept();
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNeighbour(true);
        event->accept();
        return;
    default:
        event->ignore();  // Enter, and digits for a list of words, go to the screen
    }
}

bool TComboBox::focusNextPrevChild(bool next)
{
    return focusNeighbour(next) || QWidget::focusNextPrevChild(next);
}

void TComboBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TComboBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TComboBox::place(int x, int y, int width, int visibleRows)
{
    setGeometry(x, y, width, fieldHeight() + 1 + rowHeight() * visibleRows + 4);
}

// ---------------------------------------------------------------- TMemo

TMemo::TMemo(const QString &name, QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setFont(Look::face(15));
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void TMemo::setLines(const QStringList &lines)
{
    lines_ = lines;
    setPlainText(lines.join(QLatin1Char('\n')));
    restyle();
}

void TMemo::setFigureRows(const QList<FigureRow> &rows)
{
    figure_ = rows;
    restyle();
}

void TMemo::setAlignedChains(bool aligned)
{
    chains_ = aligned;
    restyle();
}

int TMemo::cellWidth() const
{
    // Room for a digit and the air a written sum keeps between columns.
    return qRound(QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')) * 1.6);
}

namespace {
int firstInk(const QString &line)
{
    for (int i = 0; i < line.size(); ++i)
        if (!line.at(i).isSpace())
            return i;
    return -1;
}
}  // namespace

int TMemo::chainColumn(int line) const
{
    if (!chains_ || line <= 0 || line >= lines_.size())
        return -1;
    const int ink = firstInk(lines_.at(line));
    if (ink < 0 || lines_.at(line).at(ink) != QLatin1Char('='))
        return -1;
    // The chain opens on the nearest line above that is no continuation.
    for (int k = line - 1; k >= 0; --k) {
        const QString &head = lines_.at(k);
        const int headInk = firstInk(head);
        if (headInk >= 0 && head.at(headInk) == QLatin1Char('='))
            continue;
        const int eq = head.indexOf(QLatin1Char('='));
        if (eq < 0)
            return -1;
        QTextCursor at(document()->findBlockByNumber(k));
        at.setPosition(at.block().position() + eq);
        return cursorRect(at).x();
    }
    return -1;
}

bool TMemo::drawnHere(int line) const
{
    return std::any_of(figure_.cbegin(), figure_.cend(), [line](const FigureRow &r) { return r.line == line; })
        || chainColumn(line) >= 0;
}

QList<TMemo::Piece> TMemo::pieces(int line) const
{
    QList<Piece> out;
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid())
        return out;
    const QRect row = blockBoundingGeometry(block).translated(contentOffset()).toAlignedRect();
    for (const FigureRow &r : figure_) {
        if (r.line != line)
            continue;
        const int cell = cellWidth();
        const int left = cursorRect(QTextCursor(block)).x();
        for (int i = 0; i < r.cells.size(); ++i) {
            const QChar c = r.cells.at(i);
            if (c.isSpace())
                continue;
            QRect box(left + i * cell, row.top(), cell, row.height());
            if (c == QLatin1Char('-')) {
                int end = i;
                while (end + 1 < r.cells.size() && r.cells.at(end + 1) == QLatin1Char('-'))
                    ++end;
                box.setRight(left + (end + 1) * cell - 1);
                out.append({box, QString(), false});
                i = end;
                continue;
            }
            out.append({box, QString(c), r.redFrom >= 0 && i >= r.redFrom});
        }
        return out;
    }
    const int x = chainColumn(line);
    if (x < 0)
        return out;
    const QString &text = lines_.at(line);
    const QString chain = text.mid(text.indexOf(QLatin1Char('=')));
    const QFontMetrics fm(font());
    for (int i = 0; i < chain.size(); ++i) {
        if (chain.at(i).isSpace())
            continue;
        const int from = x + fm.horizontalAdvance(chain.left(i));
        out.append({QRect(from, row.top(), fm.horizontalAdvance(chain.at(i)), row.height()), QString(chain.at(i)), false});
    }
    return out;
}

QList<QRect> TMemo::glyphBoxes(int line) const
{
    QList<QRect> boxes;
    if (line < 0 || line >= lines_.size())
        return boxes;
    if (drawnHere(line)) {
        for (const Piece &p : pieces(line))
            boxes.append(p.box);
        return boxes;
    }
    const QTextBlock block = document()->findBlockByNumber(line);
    const QRect row = blockBoundingGeometry(block).translated(contentOffset()).toAlignedRect();
    const QString &text = lines_.at(line);
    QTextCursor at(block);
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isSpace())
            continue;
        at.setPosition(block.position() + i);
        const int from = cursorRect(at).x();
        at.setPosition(block.position() + i + 1);
        boxes.append(QRect(from, row.top(), cursorRect(at).x() - from, row.height()));
    }
    return boxes;
}

void TMemo::restyle()
{
    // The lines drawn here keep their text, unseen, so the memo scrolls and
    // copies as before; the drawing stands over it.
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        QTextCursor c(b);
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setForeground(drawnHere(b.blockNumber()) ? QBrush(Qt::transparent) : palette().text());
        c.mergeCharFormat(f);
    }
    viewport()->update();
}

void TMemo::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    if (figure_.isEmpty() && !chains_)
        return;
    QPainter p(viewport());
    p.setFont(font());
    for (QTextBlock b = firstVisibleBlock(); b.isValid(); b = b.next()) {
        if (blockBoundingGeometry(b).translated(contentOffset()).top() > viewport()->height())
            break;
        if (!drawnHere(b.blockNumber()))
            continue;
        for (const Piece &piece : pieces(b.blockNumber())) {
            if (piece.text.isEmpty()) {  // the rule, two pixels through the middle of its cells
                p.fillRect(QRect(piece.box.left() + 2, piece.box.center().y(), piece.box.width() - 4, 2), Look::Navy);
                continue;
            }
            p.setPen(piece.red ? Look::Red : palette().color(QPalette::Text));
            p.drawText(piece.box, Qt::AlignCenter, piece.text);
        }
    }
}

// ---------------------------------------------------------------- TShape

TShape::TShape(const QString &name, const QColor &brush, const QColor &pen, QWidget *parent)
    : QWidget(parent), brush_(brush), pen_(pen)
{
    setObjectName(name);
}

void TShape::setBrushColor(const QColor &c)
{
    brush_ = c;
    update();
}

void TShape::setPenColor(const QColor &c)
{
    pen_ = c;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), brush_);
    p.setPen(pen_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// ---------------------------------------------------------------- TImage

TImage::TImage(const QString &name, const QPixmap &pixmap, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
    setPixmap(pixmap);
    setFixedSize(pixmap.deviceIndependentSize().toSize());
}

// ---------------------------------------------------------------- TStatusBar

TStatusBar::TStatusBar(const QString &name, const QList<int> &panelWidths, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Look::StatusBar);
    setPalette(p);
    widths_ = panelWidths;
    for (int i = 0; i < panelWidths.size(); ++i) {
        auto *panel = new QLabel(this);
        panel->setFont(Look::face(12));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setAlignment(i == 0 ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
        panels_.append(panel);
    }
    setFixedHeight(22);
}

void TStatusBar::resizeEvent(QResizeEvent *)
{
    // Each panel has its width; the last one reaches to the right edge.
    int x = 0;
    for (int i = 0; i < panels_.size(); ++i) {
        const bool last = i == panels_.size() - 1;
        const int w = last ? qMax(widths_[i], width() - x) : widths_[i];
        panels_[i]->setGeometry(x, 2, w, height() - 3);
        x += w + 2;
    }
}

QString TStatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < panels_.size() ? panels_[panel]->text() : QString();
}

void TStatusBar::setPanelText(int panel, const QString &text)
{
    if (panel >= 0 && panel < panels_.size())
        panels_[panel]->setText(text);
}
