#pragma once
#include "frame/controls.h"
#include "frame/platform.h"

#include <QMainWindow>
#include <QMap>
#include <functional>

// The Japanese name of a lesson or drill by its form number, from the
// contents screen's chapters and buttons: "あん算 ドリル".
QString ScreenName(int form);

class PupilMenu;
class ReviewWindow;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QTimer;

// The contents screen "もくじ": seven chapters, one button for each lesson or
// drill of the screen catalogue (ScreenRegistry), in its chapter. A button
// opens its screen application-modally; a button whose screen is not made
// yet stays disabled.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const Services &services);

    TLabel *Label4, *Label5;  // the title "もくじ", and the prompt line beside the picture
    TLabel *Label6, *Label7, *Label8, *Label9, *Label10, *Label11, *Label12;  // chapter headings
    TCuteButton *CuteButton2;  // "おわる"
    // CuteButton3 … CuteButton24: the 22 lesson and drill buttons, reached by name.
    TImage *Image1;            // the 64 × 64 picture
    TStatusBar *StatusBar1;    // panel 1 shows the clock
    CuePlayer *MediaPlayer1;   // the program's one player; every screen's cues go through it
    QTimer *Timer1;            // clock
    QTimer *Timer2;            // prompt blink
    QTimer *Timer3;            // switches sound on a second after start
    QMenuBar *MainMenu1;
    QMenu *Help1;              // "ヘルプ"
    QAction *utorial1;         // "使い方"
    QAction *About1;           // "バージョン情報"
    PupilMenu *Names1;         // "なまえ": the pupils, the one in use ticked (record/pupils.h)
    QMenu *Record1;            // "きろく"
    QAction *RecordWindow1;    // "がくしゅうの きろく…": the record window
    QLabel *PupilLabel;        // the pupil in use, at the right of the menu bar
    QMenu *Print1;             // "プリント"
    QAction *Worksheet1;       // "けいさん プリント…": the worksheet window
    QAction *Review1;          // "まちがいなおし（５）": the review window, with the count due

    // The screen each contents button opens (form number → screen); buttons of
    // absent screens are disabled.
    void setScreens(const QMap<int, QWidget *> &screens);
    // The form a contents button opens (CuteButton3 → 2 … CuteButton24 → 23).
    static int formOfButton(int button) { return button - 1; }

    void FormCreate();
    // The record window, made when first asked for.
    QWidget *recordWindow();
    // The review window, made when first asked for, and the count due on
    // its menu read again (after start, whenever the contents screen
    // comes to the front, after each review answer, for a new pupil).
    ReviewWindow *reviewWindow();
    void refreshReviewMenu();

    // Runs after the pupil chose a window size in "おおきさ": the program
    // starts again in that size. Unset (in tests) the choice is only kept.
    std::function<void()> restartForSize;
    // The class server's sign, put beside the pupil's name (only when the
    // settings name a server).
    void addServerSign(QWidget *sign);

public slots:
    void CuteButton2Click();
    // The designed handlers of the 22 lesson and drill buttons, each opening
    // its button's screen. A screen added to the catalogue later needs no
    // handler: its button opens it all the same.
    void CuteButton3Click();
    void CuteButton4Click();
    void CuteButton5Click();
    void CuteButton6Click();
    void CuteButton7Click();
    void CuteButton8Click();
    void CuteButton9Click();
    void CuteButton10Click();
    void CuteButton11Click();
    void CuteButton12Click();
    void CuteButton13Click();
    void CuteButton14Click();
    void CuteButton15Click();
    void CuteButton16Click();
    void CuteButton17Click();
    void CuteButton18Click();
    void CuteButton19Click();
    void CuteButton20Click();
    void CuteButton21Click();
    void CuteButton22Click();
    void CuteButton23Click();
    void CuteButton24Click();
    void utorial1Click();
    void About1Click();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void openForm(int form);
    // The menu "おおきさ": the sizes of app/windowsize.h, the kept one
    // checked; F11 goes to the whole screen and back.
    void addWindowSizeMenu();
    void chooseWindowSize(int percent);
    // The record's menus, its window and the pupil in use (beside the
    // designed menu and controls).
    void addRecordMenus();
    QWidget *recordWindow_ = nullptr;
    // The menu "プリント" and its worksheet window, made when first asked for.
    void addPrintMenu();
    QWidget *sheetWindow_ = nullptr;
    // "まちがいなおし" after "きろく", opening the review window.
    void addReviewMenu();
    ReviewWindow *reviewWindow_ = nullptr;

    const Services &services_;
    QMap<int, QWidget *> screens_;
};
