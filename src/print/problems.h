#pragma once
// The problems of a printed worksheet (計算プリント): which kinds of problem a
// sheet can pose, each drawn by the lesson's own draw function with its
// ranges and conditions, and each problem as the paper shows it: a column
// calculation on squared cells, or a numbered row with an answer box.
// A sheet is drawn from a seed, so the seed in its footer makes it again.
#include "frame/platform.h"
#include "store/record.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Every kind of problem the lessons and drills pose, as a sheet's topic.
enum class SheetTopic {
    MentalAddition,
    MentalSubtraction,
    ColumnAddition3,
    ColumnAddition4,
    ColumnSubtraction3,
    ColumnSubtraction4,
    ByOneDigit,
    TwoByTwo,
    TensAndHundreds,
    Rules,
    ZeroTenHundred,
    ExactDivision,
    RemainderDivision,
    VolumeConversion,
    VolumeCalculation,
    LengthConversion,
    LengthCalculation,
    WeightConversion,
    WeightCalculation,
    TimeConversion,
    TimeCalculation,
    TimeWords,
};

// All topics in the order the window lists them.
QList<SheetTopic> SheetTopics();
// The topic as the window lists it and as the sheet's default title: "ひっ算 たし算（３けた）".
QString SheetTopicName(SheetTopic topic);

// A written calculation set out on squared cells. Rows are right-aligned on
// one edge; the sign stands in the leftmost cell of the second row.
struct SheetColumn {
    enum Op { Add, Subtract, Multiply };
    Op op = Add;
    int a = 0, b = 0;
    int answer() const;
    // The rows under the rule on the answer page: one for a sum, a
    // difference or a product by one digit; for two places by two, the two
    // partial products (the second one place further left) and their sum
    // under a second rule.
    QList<int> resultRows() const;
    bool twoRules() const { return op == Multiply && b >= 10; }
    // Small marks above the first number on the answer page, by place (0 the
    // ones): a sum's carry into that place, a product's carry out of the
    // place below, or for a difference the digit that lent one, reduced (its
    // original digit struck through). Empty text: no mark.
    QStringList marksAbove() const;
    // The places of the first number whose digit lent one (a difference).
    QList<int> struckPlaces() const;
};

// One problem on the sheet and its answer.
struct SheetProblem {
    bool column = false;  // on squared cells; else a numbered row
    SheetColumn work;      // a column problem
    // A row problem: the question as printed, each answer box a "□"
    // ("65 + 78 = □", "13 ÷ 4 = □ あまり □", "2300 m = □ km □ m"), and
    // what the answer page writes in each box, in order.
    QString question;
    QStringList fills;
    RecordedProblem data;  // the problem as the record keeps one
};

// How a topic's problems stand on the page.
struct SheetLayout {
    bool column = false;
    int across = 1;        // problems side by side
    int down = 1;          // rows of problems
    double cell = 9;       // the side of a squared cell, in millimetres
    int capacity() const { return across * down; }
};
SheetLayout SheetLayoutOf(SheetTopic topic);

// A random seam whose sequence is fixed by its seed: reseeding (which every
// lesson draw does first) leaves the sequence where it is, so one seed gives
// one sheet.
class SeededRandom : public Random {
public:
    explicit SeededRandom(quint32 seed);
    void reseed() override {}
    int below(int n) override;

private:
    quint64 state_;
};

// One problem of the topic, drawn with the lesson's draw function.
SheetProblem DrawSheetProblem(SheetTopic topic, Random &random);

// The problem a recorded one poses again on a sheet of this topic, when it
// is one of its kind (an addition of three places on a three-place column
// addition sheet, a 九九 fact on a multiplication sheet …); false otherwise.
bool SheetProblemOf(SheetTopic topic, const RecordedProblem &recorded, SheetProblem &problem);

// What a sheet is made from.
struct SheetRequest {
    SheetTopic topic = SheetTopic::MentalAddition;
    int count = 0;        // 0: a full page
    quint32 seed = 1;
    QString title;        // empty: the topic's name
    // The pupil's weak problems to stand first ("にがて から"); those not of
    // the topic's kind are left out.
    QList<RecordedProblem> weakFirst;
};

struct Worksheet {
    SheetTopic topic = SheetTopic::MentalAddition;
    QString title;
    quint32 seed = 1;
    QList<SheetProblem> problems;
};

// The sheet: the weak problems that fit first, then problems drawn from the
// seed up to the count (never more than a page holds).
Worksheet MakeWorksheet(const SheetRequest &request);
