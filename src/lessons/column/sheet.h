#pragma once
// What the two column lessons under "３．ひっ算" ("たし算" and "ひき算")
// share beyond the worksheet screen: the worked examples of their two menu
// items (three places, four places), the problem a + b or a − b on the
// sheet, and the four place pickers "千" "百" "十" "一" the pupil picks the
// answer's digits with in test mode.
#include "frame/worksheet.h"
#include "lessons/column/problems.h"

#include <span>

class Random;

// The worked examples of the two menu items: 1 three places, 2 four places.
template <class Example>
struct ColumnExamples {
    std::span<const Example> threePlaces;
    std::span<const Example> fourPlaces;

    // How many the menu item has; none for any other item.
    int count(int menu) const
    {
        return menu == 1 ? int(threePlaces.size()) : menu == 2 ? int(fourPlaces.size()) : 0;
    }
    // Example `number` (1 …) of the menu item, the nearest one there is.
    const Example &at(int menu, int number) const
    {
        const int n = count(menu);
        const int i = n > 0 ? qBound(1, number, n) - 1 : 0;
        return menu == 2 ? fourPlaces[i] : threePlaces[i];
    }
};

// The opening lines of both column lessons' "ポイント" memos: how the
// numbers are set out one under the other.
QStringList ColumnMemoOpening();

// A column lesson's titles and memo, with the menu both share: " ３けた",
// " ４けた" under "メニュー".
TWorksheetLesson ColumnLessonOf(const QString &title, const QString &subtitle, const QStringList &memo);

class TColumnLesson : public TWorksheetScreen {
    Q_OBJECT
public:
    TComboBox *ComboBox5;  // picker "千"
    TComboBox *ComboBox4;  // picker "百"
    TComboBox *ComboBox3;  // picker "十"
    TComboBox *ComboBox2;  // picker "一"

    void DrawExample() override;  // the worked example numbered StepNo
    void DrawProblem() override;  // a random problem of the menu item's places

    // A worked example as the screen shows it before its first step.
    struct Example {
        int a;
        int b;
        const char *heading;
    };
    // What a column lesson states about its arithmetic: its worked examples
    // and their steps, and its random problems of `places` places.
    struct Ways {
        int (*exampleCount)(int menu);
        Example (*example)(int menu, int number);
        WorkedStep (*exampleStep)(int menu, int number, int step);
        ColumnProblem (*draw)(int places, Random &random);
    };

public slots:
    virtual void CuteButton3Click() = 0;  // the study/test toggle
    // The pickers "一" "十" "百" "千".
    void ComboBox2Change() { picked(0); }
    void ComboBox3Change() { picked(1); }
    void ComboBox4Change() { picked(2); }
    void ComboBox5Change() { picked(3); }

protected:
    TColumnLesson(const Services &services, const TWorksheetLesson &lesson, const Ways &ways, bool subtract);

    // The sheet, its parts kept in the lesson's members, then the pickers.
    void buildColumnSheet(const SheetNames &names);

    // A pick in the picker of `place` (0 the ones).
    virtual void picked(int place) = 0;

    int exampleCount() const override { return ways_.exampleCount(MenuPicked()); }
    WorkedStep exampleStep(int step) const override;
    QString sign() const override;
    QString equation() const override;

    // The problem just drawn, set out for the pupil: its two rows, the sign
    // and the rule, the result row empty, the pickers shown; "つぎへ" waits
    // for the mark.
    void setOutProblem();

private:
    ColumnProblem onSheet() const;
    Ways ways_;
    bool subtract_;
};

// The worked example of `Examples` as the screen shows it first.
template <const auto &Examples>
TColumnLesson::Example ColumnExampleOf(int menu, int number)
{
    const auto &e = Examples.at(menu, number);
    return {e.a, e.b, e.heading};
}
