#include "frame/controls.h"

#include "frame/look.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

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
// The list never takes the keyboard: only a click on an item is a pick.
class PickList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent *e) override { e->ignore(); }
    void mouseMoveEvent(QMouseEvent *e) override { e->ignore(); }
};

// Paints the rows of a pick list: navy on white, the picked row white on
// navy, the row under the mouse pale blue, and grey while the list rests.
// A painter of its own is far cheaper to create than a style sheet per list,
// and a program has dozens of lists, all made at start-up.
class PickRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        const bool enabled = o.state & QStyle::State_Enabled;
        QColor back = enabled ? QColor(Qt::white) : QColor(0xEE, 0xEE, 0xF2);
        QColor ink = enabled ? Look::Navy : QColor(0xA0, 0xA0, 0xA8);
        if (o.state & QStyle::State_Selected) {
            back = Look::Navy;
            ink = Qt::white;
        } else if (enabled && (o.state & QStyle::State_MouseOver)) {
            back = QColor(0xD0, 0xD0, 0xFF);
        }
        p->fillRect(o.rect, back);
        p->setPen(ink);
        p->setFont(o.font);
        // Centred as the pupil reads it: spaces an item carries at its ends
        // (a full-width one after "７", say) would pull it off the middle.
        p->drawText(o.rect, Qt::AlignCenter, o.text.trimmed());
    }
};
}  // namespace

QStringList TComboBox::digits()
{
    return {QStringLiteral("０"), QStringLiteral("１"), QStringLiteral("２"), QStringLiteral("３"),
            QStringLiteral("４"), QStringLiteral("５"), QStringLiteral("６"), QStringLiteral("７"),
            QStringLiteral("８"), QStringLiteral("９")};
}

TComboBox::TComboBox(const QString &name, const QStringList &items, QWidget *parent)
    : QWidget(parent), field_(new QLabel(this)), list_(new PickList(this))
{
    setObjectName(name);
    setFont(Look::face(20));
    field_->setAlignment(Qt::AlignCenter);
    field_->setAutoFillBackground(true);
    field_->setFrameShape(QFrame::Box);
    QPalette fp = field_->palette();
    fp.setColor(QPalette::Window, Qt::white);
    fp.setColor(QPalette::WindowText, Look::Navy);
    field_->setPalette(fp);

    list_->setFocusPolicy(Qt::NoFocus);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setCursor(Qt::PointingHandCursor);
    list_->setItemDelegate(new PickRows(list_));
    list_->setFrameShape(QFrame::Box);
    list_->setFrameShadow(QFrame::Plain);
    list_->setAttribute(Qt::WA_Hover);
    QPalette lp = list_->palette();
    lp.setColor(QPalette::Base, Qt::white);
    lp.setColor(QPalette::Disabled, QPalette::Base, QColor(0xEE, 0xEE, 0xF2));
    lp.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0xB0));
    lp.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0xB0));
    list_->setPalette(lp);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(field_);
    layout->addWidget(list_, 1);

    // itemClicked also comes for the item already selected: a second click on
    // the same digit is a new pick.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { pick(list_->row(item)); });
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
    showIndex();
}

void TComboBox::setItemIndex(int index)
{
    index_ = (index >= 0 && index < items_.size()) ? index : -1;
    if (index_ >= 0)
        text_ = items_.at(index_);
    field_->setText(text_.trimmed());  // centred as read, like the rows
    showIndex();
}

void TComboBox::setText(const QString &text)
{
    text_ = text;
    field_->setText(text.trimmed());
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
    return QFontMetrics(font()).height() + 2;
}

void TComboBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // The face is handed down to the field and the list by hand, and
        // the rows grow with it.
        list_->setFont(font());
        field_->setFont(font());
        for (int i = 0; i < list_->count(); ++i)
            list_->item(i)->setSizeHint(QSize(0, rowHeight()));
    }
}

void TComboBox::place(int x, int y, int width, int visibleRows)
{
    const int fieldHeight = QFontMetrics(font()).height() + 6;
    field_->setFixedHeight(fieldHeight);
    setGeometry(x, y, width, fieldHeight + 1 + rowHeight() * visibleRows + 4);
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
    setFixedSize(pixmap.size());
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
