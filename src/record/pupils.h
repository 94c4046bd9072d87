#pragma once
// The "なまえ" menu of the contents screen: the pupils of this machine, the
// one in use ticked; adding, renaming and removing a pupil. The pupil in
// use is kept in the settings for the next start. A machine with one pupil
// never has to name anyone: its pupil is the default pupil, who has no name.
#include "store/record.h"

#include <QMenu>

class Dialogs;
class QAction;
class QActionGroup;

// The pupil in use as the settings keep it: its id, and its name to show at
// start without opening the database.
struct PupilSetting {
    QString id;
    QString name;
    static PupilSetting load();
    void save() const;
};

// How a pupil is named in a list: "はな（３年１組 12）", or "なまえなし".
QString PupilTitle(const Pupil &pupil);

class PupilMenu : public QMenu {
    Q_OBJECT
public:
    PupilMenu(RecordStore *record, Dialogs *dialogs, QWidget *parent);

    QAction *AddPupil1;     // "なまえを ふやす…"
    QAction *RenamePupil1;  // "なまえを かえる…"
    QAction *RemovePupil1;  // "なまえを けす…"

    // Makes `id` the pupil in use, kept for the next start.
    void choose(const Pupil &pupil);
    // Removes the pupil in use after asking twice; the default pupil then
    // comes in. False when either answer was no.
    bool removeCurrent();

signals:
    void pupilChanged(const QString &title);  // the text to show for the pupil in use

private:
    void rebuild();  // the list, read when the menu opens
    void addPupil();
    void renamePupil();

    RecordStore *record_;
    Dialogs *dialogs_;
    QActionGroup *group_ = nullptr;  // the pupils, read when the menu opens
};
