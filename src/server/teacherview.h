#pragma once
// The class's record, for its teacher: the きろく window's own look, read
// from the class's server with the teacher's login. One row per pupil (the
// week's drills and time, the latest and best score on each drill, reviews
// due), "つまずいている子" and the class's つまずき; a pupil's row opens
// that pupil's record in the きろく window.
#include "frame/platform.h"
#include "server/classview.h"
#include "server/settings.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;
class QBoxLayout;

class TeacherView : public QDialog {
    Q_OBJECT
public:
    // `server` is open with a teacher's login.
    TeacherView(QSqlDatabase server, const QString &className, const Services &services,
                std::function<QString(int)> screenName, QWidget *parent = nullptr);
    ~TeacherView() override;

    QLabel *ClassLabel;          // the class and the week
    QTableWidget *ClassList;     // one row per pupil
    QTableWidget *StuckList;     // "つまずいている子"
    QTableWidget *StumbleList;   // the class's つまずき
    QPushButton *ClassCsvButton; // "CSV に書き出す"

    // Reads the class again for the week the clock is in.
    void reload();
    const ClassView &view() const { return view_; }
    // Opens the record of the pupil on the row (of ClassList); the window.
    QDialog *openPupil(int row);
    bool exportCsv(const QString &path);
    // The connection is this window's: closed and removed with it.
    void ownConnection(const QString &name) { owned_ = name; }

private:
    QString owned_;
    QSqlDatabase server_;
    QString className_;
    const Services &services_;
    std::function<QString(int)> screenName_;
    ClassView view_;
};

// The button of the きろく window that opens the class's record, when the
// settings name a server; nothing otherwise.
void AddClassRecordButton(QWidget *window, QBoxLayout *layout, const Services &services,
                          std::function<QString(int)> screenName);
