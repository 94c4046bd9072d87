#pragma once
// The きろく window: for one pupil (switchable at its top), the sessions
// newest first, the answers of the session picked with the wrong ones
// marked, the totals of this week and of all time, the calendar of the
// last twelve weeks, and the score chart of one drill and menu item. The
// lists read their rows a page at a time as they are scrolled.
#include "frame/platform.h"
#include "store/record.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <functional>

class PractiseCalendar;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class RecordParts;
class ScoreChart;

// A duration as the window shows it: "1:05" (minutes and seconds), "1:02:05".
QString DurationText(qint64 seconds);

// The sessions of one pupil, newest first, read a page at a time.
class SessionListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Date, Name, Menu, Problems, Right, Score, Time, ColumnCount };
    static constexpr int PageSize = 100;

    SessionListModel(RecordStore *record, std::function<QString(int)> screenName, QObject *parent = nullptr);
    void setPupil(const QString &pupilId);
    const SessionRow *session(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    RecordStore *record_;
    std::function<QString(int)> screenName_;
    QString pupil_;
    QList<SessionRow> rows_;
    bool more_ = false;
};

// The answers of one session, the wrong ones marked.
class AnswerListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { No, Problem, RightAnswer, Given, Mark, Seconds, ColumnCount };

    explicit AnswerListModel(RecordStore *record, QObject *parent = nullptr);
    void setSession(const QString &sessionId);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    RecordStore *record_;
    QList<AnswerRow> rows_;
};

// An answer as the list shows it: "7", "6 あまり 2", "6 l 3 dl".
QString AnswerText(const QVariant &number, const QVariant &remainder, const QString &text);

class RecordWindow : public QDialog {
    Q_OBJECT
public:
    RecordWindow(RecordStore *record, const Services &services, std::function<QString(int)> screenName,
                 QWidget *parent = nullptr);

    QComboBox *PupilBox;       // whose record is shown
    QTableView *SessionList;   // the sessions, newest first
    QTableView *AnswerList;    // the answers of the session picked
    QLabel *TotalsLabel;       // this week and all time
    PractiseCalendar *Calendar;
    QComboBox *ChartItemBox;   // the drill and menu item of the chart
    ScoreChart *Chart;
    QPushButton *CsvButton;    // "CSV に書き出す"
    QPushButton *ReportButton; // "プリント…": the report on paper (print/report.h)
    RecordParts *Parts;        // tabs beside the record: the 九九 map and the つまずき list

    // Shows the record of the pupil in use (read again).
    void reload();
    // Writes the CSV files of the pupil shown, or of every pupil; the
    // result is told in a message.
    bool exportCsv(const QString &path, bool everyPupil);

    SessionListModel *sessions() const { return sessions_; }
    AnswerListModel *answers() const { return answers_; }

signals:
    void pupilChosen(const Pupil &pupil);  // switched at the top of the window

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showPupil(const QString &pupilId);
    void showChart(int item);
    void askCsv(bool everyPupil);

    RecordStore *record_;
    const Services &services_;
    std::function<QString(int)> screenName_;
    SessionListModel *sessions_;
    AnswerListModel *answers_;
    QList<PractisedItem> items_;
    QString pupil_;
};
