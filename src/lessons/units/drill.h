#pragma once
// "ドリル" under "４．たんい の ある 計算": timed drills of the sums and
// differences of the four units lessons (volume, length, time, weight),
// drawn exactly as their "計算" menus draw them. The pupil answers through
// four digit pickers, only those the answer uses open; each answer is logged
// with its units, as texts, in the units drill's own log.
#include "frame/drill.h"
#include "lessons/units/flow.h"

#include <array>
#include <optional>

class Random;

// A problem of the drill together with the kind it was drawn as, which
// decides how it is read and logged whatever the menu says meanwhile.
struct UnitsDrillProblem {
    int menu = 0;  // 1 volume, 2 length, 3 time, 4 weight
    UnitsProblem problem;
    // The highest place the answer uses: the thousands, or the hundreds for
    // a time (the hours). The lowest is the problem's marking place: the
    // hundreds for litres and decilitres, else the ones.
    int topPlace = Thousands;

    bool uses(int place) const { return place >= problem.markPlace && place <= topPlace; }
    // The pupil's answer in the smaller unit from the digits picked, ones
    // first; places the answer does not use count nothing.
    int read(const std::array<int, 4> &picks) const;
};

// Reseeds and draws the problem of a menu item with the lesson's own
// calculation draw: 1 volume, 2 length, 3 time, 4 weight. Any other item
// draws nothing (false).
bool DrawUnitsDrill(int menuChoice, Random &random, UnitsDrillProblem &problem);

// The log row of an answer: the problem as far as its " = ?" (on the two
// lines of a length or weight, the terms only), and the correct and given
// answers as texts with their units, each after a full-width space:
// "　6 l  3 dl " correct, "　6 l 3 dl" given.
DrillLogRow UnitsDrillLogRow(const UnitsDrillProblem &problem, int given);

class TForm13 : public TDrillScreen {
    Q_OBJECT
    Q_PROPERTY(int ProblemKind READ problemKind)
public:
    explicit TForm13(const Services &services);

    // The 千, 百, 十 and 一 pickers; the ones close most answers, the
    // hundreds one in litres and decilitres.
    TComboBox *ComboBox6, *ComboBox5, *ComboBox4, *ComboBox3;

    // The problem on screen, if this drill posed one.
    const std::optional<UnitsDrillProblem> &problem() const { return problem_; }
    int problemKind() const { return ProblemKind; }

protected:
    void PoseProblem() override;
    QString startPrompt() const override;
    QString nextPrompt() const override;
    // Only the places the answer on screen uses are open.
    bool placeOpen(int place) const override;
    int closingPlace() const override;
    // Read, logged and counted by the kind the problem was drawn as.
    void AnswerPicked() override;
    // "units:<menu>:<form>" and the form's operands.
    RecordedProblem problemData() const override
    {
        if (!problem_)
            return {};
        const UnitsProblem &p = problem_->problem;
        return {QStringLiteral("units:%1:%2").arg(problem_->menu).arg(p.kind), p.a, p.b, p.c, p.d};
    }

private:
    std::optional<UnitsDrillProblem> problem_;
    int ProblemKind = 0;  // the form of the problem on screen, rolled as its lesson rolls it
};
