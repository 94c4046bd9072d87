#pragma once
// The answer pickers of a lesson: one pick list per place of the answer, in
// a row at the right edge with the highest place on the left. Each picker
// is a row of data: its designed name, the place it stands for, what one
// step of it counts, and the LessonState slot its pick writes, as that
// lesson has it (Entry4 holds the tens on one screen and the ones on
// another). A screen's change handler is one line: `pick` the picker, then
// mark or wait.
#include "frame/lessonstate.h"
#include "frame/look.h"

#include <QList>
#include <QString>
#include <QStringList>

class TComboBox;
class QWidget;

// What a place's slot keeps: the bare digit picked, or its value (the digit
// times the place's weight).
enum class Keeps { Digit, Value };

struct PlaceRow {
    const char *name;                  // the control, "ComboBox2"
    int place;                         // 0 the ones, the rightmost picker
    QString placeName;                 // shown in the field while nothing is picked: "十"
    int weight = 1;                    // what one step of it counts: 10 for the tens
    int TLessonState::*slot = nullptr; // where its pick goes; none: only the picker holds it
    Keeps keeps = Keeps::Digit;
    QStringList items = {};            // empty: the digits "０" … "９"
    int first = 0;                     // the digit of the first item
    int width = 0;                     // its own width in pixels; 0: the row's
};

class TPlacePickers {
public:
    TPlacePickers() = default;
    TPlacePickers(QWidget *screen, const Look::PickerRow &row) : screen_(screen), row_(row) {}

    // Adds the picker of `place`, hidden; returns it for the screen's member.
    TComboBox *add(const PlaceRow &place);
    TComboBox *picker(int place) const;
    // The row of `place`, or of the picker named `name`; nullptr if none.
    const PlaceRow *row(int place) const;
    const PlaceRow *row(const QString &name) const;
    // The left edge of the highest place's picker.
    int left() const;

    // Every picker hidden; every slot zeroed; both.
    void hide();
    void zero();
    void reset()
    {
        hide();
        zero();
    }
    // ShowPickers: every picker shown, none picked, each with its place name.
    void show();
    // None picked, each with its place name, shown or hidden as it stands.
    void clear();
    // Every picker shown or hidden, as it stands otherwise (a grid over them).
    void setShown(bool shown);
    // Only the places from `from` to `to` take picks; the others are disabled.
    void enable(int from, int to = 99);
    void enableOnly(const QList<int> &places);
    void disable() { enableOnly({}); }

    // A pupil's pick in `picker`: its slot written as designed. Returns the
    // picked place, or -1 when nothing is picked or the list is not one of these.
    int pick(const TComboBox *picker);
    // The digit on show in `place`'s picker (0 while nothing is picked).
    int digit(int place) const;
    // The digit `place`'s slot keeps (its picker's own, where it keeps none):
    // what was picked there, even once the picker has been cleared.
    int kept(int place) const;
    // The answer the pickers give from `from` up: the picker of `from`
    // read directly, the places above it from their slots (or their
    // pickers, where they keep none), each at its weight, or at the weight
    // `weights` gives its place.
    int value(int from = 0, const QList<int> &weights = {}) const;

private:
    struct Entry {
        PlaceRow row;
        TComboBox *list;
    };
    const Entry *entry(int place) const;
    // The left edge of `place`'s picker `width` wide: right of it stand the
    // lower places, each as wide as its row says, a gap between two.
    int leftOf(int place, int width) const;
    int slotDigit(const Entry &e) const;

    QWidget *screen_ = nullptr;
    Look::PickerRow row_{0, 0, 0};
    QList<Entry> entries_;
};
