#include "frame/places.h"

#include "frame/controls.h"

#include <QtGlobal>

QStringList Look::digitItems()
{
    QStringList items = TComboBox::digits();
    items[7] = QStringLiteral("７　");
    return items;
}

TComboBox *TPlacePickers::add(const PlaceRow &place)
{
    const QStringList items = place.items.isEmpty() ? Look::digitItems() : place.items;
    const int width = place.width > 0 ? place.width : row_.width;
    auto *list = new TComboBox(QString::fromLatin1(place.name), items, screen_);
    list->place(leftOf(place.place, width), row_.top, width, int(items.size()));
    list->setText(place.placeName);
    list->hide();
    entries_.append({place, list});
    return list;
}

const TPlacePickers::Entry *TPlacePickers::entry(int place) const
{
    for (const Entry &e : entries_)
        if (e.row.place == place)
            return &e;
    return nullptr;
}

int TPlacePickers::leftOf(int place, int width) const
{
    int x = row_.right - width;
    for (int lower = 0; lower < place; ++lower) {
        const Entry *e = entry(lower);
        x -= (e && e->row.width > 0 ? e->row.width : row_.width) + row_.gap;
    }
    return x;
}

const PlaceRow *TPlacePickers::row(int place) const
{
    const Entry *e = entry(place);
    return e ? &e->row : nullptr;
}

const PlaceRow *TPlacePickers::row(const QString &name) const
{
    for (const Entry &e : entries_)
        if (name == QLatin1String(e.row.name))
            return &e.row;
    return nullptr;
}

TComboBox *TPlacePickers::picker(int place) const
{
    const Entry *e = entry(place);
    return e ? e->list : nullptr;
}

int TPlacePickers::left() const
{
    int x = row_.right;
    for (const Entry &e : entries_)
        x = qMin(x, e.list->x());
    return x;
}

void TPlacePickers::hide()
{
    for (const Entry &e : entries_)
        e.list->hide();
}

void TPlacePickers::zero()
{
    for (const Entry &e : entries_)
        if (e.row.slot)
            LessonState.*e.row.slot = 0;
}

void TPlacePickers::show()
{
    clear();
    setShown(true);
}

void TPlacePickers::clear()
{
    for (const Entry &e : entries_) {
        e.list->setItemIndex(-1);
        e.list->setText(e.row.placeName);
    }
}

void TPlacePickers::setShown(bool shown)
{
    for (const Entry &e : entries_)
        e.list->setVisible(shown);
}

void TPlacePickers::enable(int from, int to)
{
    for (const Entry &e : entries_)
        e.list->setEnabled(e.row.place >= from && e.row.place <= to);
}

void TPlacePickers::enableOnly(const QList<int> &places)
{
    for (const Entry &e : entries_)
        e.list->setEnabled(places.contains(e.row.place));
}

int TPlacePickers::pick(const TComboBox *picker)
{
    for (const Entry &e : entries_) {
        if (e.list != picker)
            continue;
        if (picker->itemIndex() < 0)
            return -1;
        if (e.row.slot)
            LessonState.*e.row.slot = e.row.keeps == Keeps::Value ? digit(e.row.place) * e.row.weight
                                                                  : digit(e.row.place);
        return e.row.place;
    }
    return -1;
}

int TPlacePickers::digit(int place) const
{
    const Entry *e = entry(place);
    if (!e || e->list->itemIndex() < 0)
        return 0;
    return e->list->itemIndex() + e->row.first;
}

int TPlacePickers::kept(int place) const
{
    const Entry *e = entry(place);
    return e ? slotDigit(*e) : 0;
}

int TPlacePickers::slotDigit(const Entry &e) const
{
    if (!e.row.slot)
        return digit(e.row.place);
    const int kept = LessonState.*e.row.slot;
    return e.row.keeps == Keeps::Value && e.row.weight ? kept / e.row.weight : kept;
}

int TPlacePickers::value(int from, const QList<int> &weights) const
{
    int sum = 0;
    for (const Entry &e : entries_) {
        const int place = e.row.place;
        if (place < from)
            continue;
        const int weight = place < weights.size() ? weights[place] : e.row.weight;
        if (place == from)
            sum += weight * digit(place);
        else if (e.row.slot && e.row.keeps == Keeps::Value && place >= weights.size())
            sum += LessonState.*e.row.slot;  // the value as the slot keeps it
        else
            sum += weight * slotDigit(e);
    }
    return sum;
}
