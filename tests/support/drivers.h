#pragma once
// Drivers that take the steps a pupil takes on a drill or a lesson screen,
// over the whole program TestProgram builds, and read back what the pupil
// sees; a suite states only its screen's own draws, picks and rows.
#include "frame/drill.h"
#include "testprogram.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <utility>

// `values` `times` times over: a script of draws that a loop rejects again
// and again.
QList<int> repeated(const QList<int> &values, int times);

// A drill screen opened from the contents, as a pupil finds it.
class DrillDriver {
public:
    // Opens the drill of `form`; with `soundOn` the welcome cue has played
    // first, so the cues after it are heard.
    explicit DrillDriver(int form, bool soundOn = false);

    TestProgram t;
    TDrillScreen *s = nullptr;
    template <class Form>
    Form *screen() const
    {
        return qobject_cast<Form *>(s);
    }

    // Scripts the draws of the first problem, picks the menu item and the
    // time, and presses "スタート".
    bool start(int menuItem, const QList<int> &draws = {}, int timeItem = 0);
    // One pupil step: "menu:i", "time:i", "start", "next", "stop", "results",
    // "back" (もくじへ), "reopen" (from the contents), "wait:s" (s seconds
    // pass), "ticks:n" (n seconds with the drill clock ticking while it
    // runs), "timeup" (ticks to the end of the time), "right" and "wrong"
    // (a whole-number answer, LessonState.Answer or one more, through the
    // pickers), a pick "ComboBoxN:d", or "draws:a,b,c" (the draws of the next
    // problem).
    bool act(const QString &step);
    bool actAll(const QStringList &steps);
    // Picks the digits of a whole-number answer, from the highest open place
    // down; places above the value's highest digit stay unpicked.
    bool answer(int value);

    // The roles of the controls open now, in this order: "menu", "time",
    // "start", "next", "stop", "results", then the answer pickers in the
    // roles the suite names (by picker name, the highest place first). With
    // `inView`, a control hidden behind the grid is not open, and a shown
    // grid reads "grid".
    QString enabled(const QList<std::pair<QString, QString>> &pickers, bool inView = false) const;
    // The same with the answer pickers named by their place names ("百 十 一").
    QString enabled(bool inView = false) const;
    QStringList results() const;  // Label5 … Label8
    // The drill's log table ("dorill" or "dorills") as another program reads
    // it from the file, in the order appended.
    QList<QVariantList> rows() const;
    int rowCount() const { return int(rows().size()); }
};

// A lesson screen opened from the contents; its pickers reached by the
// place names they show while nothing is picked.
class LessonDriver {
public:
    explicit LessonDriver(int form);

    TestProgram t;
    TScreen *s = nullptr;

    // The open picker that shows `placeName` ("十", "答え") unpicked, or,
    // once picked, was made with that place name.
    TComboBox *picker(const QString &placeName) const;
    // Picks digit `index` in the picker of `placeName`; false when there is
    // none or it is shut.
    bool pick(const QString &placeName, int index);

private:
    QHash<QString, TComboBox *> picked_;  // a picker shows its digit once picked
};
