#pragma once
// The まちがいなおし window: the problems of the pupil's review box that are
// due, each posed as the pupil saw it and answered with the lessons' digit
// pickers (mouse or keys), highest place first, marked "○"/"×" with the
// lessons' cues. After a wrong answer it shows the right answer worked out,
// a column problem on the worksheet with its carries or borrows, and the
// hint the diagnosis gives. Each answer moves the problem in its box and is
// recorded as a session's answer like any lesson test's.
//
// RecordParts is the きろく window's share of it: the 九九 map, whose rows
// start a short review of their facts, and the つまずき list.
#include "frame/platform.h"
#include "record/kukumap.h"
#include "record/recorder.h"
#include "record/review.h"

#include <QDialog>
#include <QTabWidget>

class StumbleView;
class TComboBox;
class TCuteButton;
class TLabel;
class TWorksheet;

class ReviewWindow : public QDialog {
    Q_OBJECT
public:
    ReviewWindow(RecordStore *record, const Services &services, QWidget *parent = nullptr);

    TLabel *TitleLabel;         // "まちがいなおし", or the だん of a 九九 review
    TLabel *CountLabel;         // "２もんめ／５もん"
    TLabel *ProblemLabel;       // the problem as the pupil saw it
    TLabel *MarkLabel;          // "○" or "×"
    TLabel *AnswerLabel;        // the problem with its right answer, once marked
    TLabel *HintLabel;          // what the diagnosis says about a wrong answer
    TLabel *PromptLabel;        // what to do next
    TCuteButton *NextButton;    // "つぎへ"
    TCuteButton *CloseButton;   // "とじる"
    TWorksheet *ColumnWork = nullptr;  // the problem on the worksheet, worked out after a wrong answer

    // The problems due today for the pupil in use (read again).
    void startDue();
    // A short review of the facts `row` x b for each b of `facts`.
    void startFacts(int row, const QList<int> &facts);

    // The pickers of the problem on show, highest place first.
    QList<TComboBox *> pickers() const { return pickers_; }
    const ReviewEntry *current() const;
    int problems() const { return int(entries_.size()); }
    int rightCount() const { return right_; }

signals:
    // An answer was recorded: the count of problems due may have changed.
    void reviewed();

public slots:
    void NextButtonClick();
    void CloseButtonClick();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void start(const QList<ReviewEntry> &entries, const QString &title, int menuItem, bool moveBoxes);
    void pose();
    void picked(TComboBox *picker);
    void mark();
    void showWorking(const ReviewEntry &entry);
    void finish();
    void clearProblem();

    RecordStore *record_;
    const Services &services_;
    SessionRecorder recorder_;
    QList<ReviewEntry> entries_;
    QString pupil_;
    QString menuText_;
    int menuItem_ = 1;
    bool moveBoxes_ = true;  // a review of the box moves problems up; a 九九 review only records
    bool started_ = false;
    int index_ = -1;
    int right_ = 0;
    bool marked_ = false;
    QDateTime posedAt_;
    ReviewQuestion question_;
    QList<TComboBox *> pickers_;
    QList<QWidget *> partLabels_;
};

// The 九九 map and the つまずき list as tabs beside the record; each is read
// when its tab is first shown for a pupil.
class RecordParts : public QTabWidget {
    Q_OBJECT
public:
    RecordParts(RecordStore *record, const Services &services, QWidget *parent = nullptr);

    KukuMapView *KukuMap;
    StumbleView *Stumbles;

    // Puts `page` (the record itself) as the first tab, named "きろく".
    QWidget *wrap(QLayout *page);
    void setPupil(const QString &pupilId);

signals:
    // A row of the map was picked: review the facts of that だん.
    void factsPicked(int row, const QList<int> &facts);

private:
    void load(int tab);

    RecordStore *record_;
    const Services &services_;
    QString pupil_;
    bool mapRead_ = false, stumblesRead_ = false;
};
