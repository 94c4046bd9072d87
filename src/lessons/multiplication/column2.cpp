#include "lessons/multiplication/column2.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/platform.h"

// ---------------------------------------------------------------- arithmetic

ColumnProduct DrawTwoDigitPair(Random &random)
{
    constexpr int kMaxDraws = 1000;
    for (int n = 0; n < kMaxDraws; ++n) {
        ColumnProduct p;
        p.a = random.below(88) + 11;
        p.b = random.below(88) + 11;
        if (p.answer() % 10 != 0)
            return p;
    }
    return ColumnProduct{23, 45};
}

ColumnProduct DrawByTwoDigits(Random &random)
{
    random.reseed();
    return DrawTwoDigitPair(random);
}

namespace {
// The words of each step, after its heading and the empty line; they name
// no numbers, the numbers stand on the worksheet.
const char *const kStepLines[ByTwoDigitsSteps][6] = {
    {"　もんだいを タテに ならべて ", "　書き、下に 線を ひく。"},
    {"　赤線で むすんだ数をかけ、答を", "　線の下に書く。", "　答えが２けたであれば、一の位の", "　数を線の下に書き、十の位の数は ",
     "　くり上げるので、ヨコに書いておく。"},
    {"　赤線で むすんだ数をかけ、答を", "　線の下に書く。", "　くり上がりがあれば、それをたして", "　書く。"},
    {"　赤線で むすんだ数をかけ、答を", "　線の下の２行目の十の位に書く。", "　答えが２けたであれば、一の位の",
     "　数を線の下の同じところに書き、", "　十の位の数は くり上げるので、", "　ヨコに書いておく。"},
    {"　赤線で むすんだ数をかけ、答を", "　線の下の２行目に書く。", "　くり上がりがあれば、それをたして", "　書く。"},
    {"　２行目の下に線をひき、１行目と", "　２行目の数を そのままタテにたし、", "　答を線の下に 書く。終わり。"},
};

// Sheet rows, red lines and carries by number (see ByTwoDigitsStep).
enum { ByOnes = 2, ByTens = 3, Product = 4 };

const char *const kProductPrompt = "赤線で むすんだ数を かけた 答えを\r大きい位から じゅんに えらんでね！";
const char *const kCarryPrompt = "赤線で むすんだ 数を かけ、くり上がりも合わせた\r答えを 大きい位から じゅんに えらんでね！";
const char *const kSumPrompt = "２行をたした 答えを 大きい位から \rじゅんに えらんでね！";
}  // namespace

ProductStep ByTwoDigitsStep(const ColumnProduct &p, int step)
{
    ProductStep out;
    step = qBound(1, step, ByTwoDigitsSteps);
    QStringList lines;
    for (const char *line : kStepLines[step - 1])
        if (line)
            lines << QString::fromUtf8(line);
    out.text = StepText(step, lines);
    const int a1 = p.a % 10;
    const int b1 = p.b % 10, b10 = p.b / 10 % 10;
    const int onesCarry = a1 * b1 / 10;
    switch (step) {
    case 2:
        out.redLine = 0;
        out.rows.append({ByOnes, QString::number(a1 * b1 % 10)});
        if (onesCarry > 0)
            out.carries.append({0, onesCarry});
        break;
    case 3:
        out.redLine = 1;
        out.rows.append({ByOnes, QString::number(p.a * b1)});
        break;
    case 4:
        out.redLine = 2;
        out.rows.append({ByTens, QString::number(a1 * b10 % 10)});
        if (onesCarry > 0)
            out.struck.append(0);
        if (a1 * b10 > 9)
            out.carries.append({1, a1 * b10 / 10});
        break;
    case 5:
        out.redLine = 3;
        out.rows.append({ByTens, QString::number(p.a * b10)});
        break;
    case 6:
        out.rules.append(1);
        out.rows.append({Product, QString::number(p.answer())});
        out.last = true;
        break;
    default: break;
    }
    return out;
}

QString ByTwoDigitsPrompt(int stage)
{
    switch (stage) {
    case 1:
    case 3: return QString::fromUtf8(kCarryPrompt);
    case 4: return QString::fromUtf8(kSumPrompt);
    default: return QString::fromUtf8(kProductPrompt);
    }
}

// ---------------------------------------------------------------- TForm18

namespace {
TProductSheet byTwoDigitsSheet()
{
    TProductSheet s;
    s.title = QStringLiteral("かけ算");
    s.subtitle = QStringLiteral("ひっ算２");
    s.quitQuestion = QStringLiteral("終わってもいいの？");
    s.shownPrompt = QStringLiteral("「次へ」ボタンで進めてね！");
    s.readyWhenShown = true;  // no menu: a problem may be posed at once
    s.stageInStepNo = true;
    s.markedPrompt = QStringLiteral("「次へ」ボタンで進めてね！");
    s.memoDesignTop = 344;
    s.lastLabel = 14;
    s.lastShape = 3;
    s.memoLines = ByTwoDigitsMemo();
    // Five rows of up to four places, a little closer than the product
    // sheet's usual three.
    s.grid.rowHeight = 44;
    s.grid.rowGap = 18;
    s.grid.digitPixels = 40;
    return s;
}

}  // namespace

TForm18::TForm18(const Services &services) : TProductSheetScreen(services, byTwoDigitsSheet())
{
    TWorksheet *w = Worksheet;
    addFactors({"Label6", "Label7", "Label11", "Shape1"}, Label6, Label7, Label11, Shape1, 2, 3);
    Label8 = w->addRow(QStringLiteral("Label8"), 2, 3);
    Label9 = w->addRow(QStringLiteral("Label9"), 3, 3);
    Label9->move(Label9->x() - w->grid().cell, Label9->y());  // one place further left
    Shape2 = w->addRule(QStringLiteral("Shape2"), 3, 3);
    Label10 = w->addRow(QStringLiteral("Label10"), 4, 4);
    Label12 = w->addSideCarry(QStringLiteral("Label12"), 0, Look::Red);
    Label13 = w->addSideCarry(QStringLiteral("Label13"), 1, Look::Red);
    Shape3 = w->addCarryStroke(QStringLiteral("Shape3"), Label12);
    Image2 = w->addLink(QStringLiteral("Image2"), 0, 0, 0);
    Image3 = w->addLink(QStringLiteral("Image3"), 0, 1, 0);
    Image4 = w->addLink(QStringLiteral("Image4"), 0, 0, 1);
    Image5 = w->addLink(QStringLiteral("Image5"), 0, 1, 1);
    // The explanation at the left of the rows, the mark under it, beside the product.
    const int left = w->cell(4, 4).x() - 8;
    Label5 = w->addText(QStringLiteral("Label5"), QRect(8, 64, left - 8, 220), 18, Look::Teal, Qt::AlignLeft | Qt::AlignTop);
    const QRect product = w->cell(4, 0);
    Label14 = w->addText(QStringLiteral("Label14"), QRect(left - 190, product.center().y() - 73, 180, 146), 96,
                         Look::Red, Qt::AlignCenter);
    setMarkLabel(Label14);

    Sheet &s = sheet();
    s.rows = {Label6, Label7, Label8, Label9, Label10};
    s.sign = Label11;
    s.rules = {Shape1, Shape2};
    s.redLines = {Image2, Image3, Image4, Image5};
    s.carries = {Label12, Label13};
    s.strokes = {Shape3};
    s.mark = Label14;

    ComboBox4 = places_.add({"ComboBox4", 3, QStringLiteral("千")});
    ComboBox3 = places_.add({"ComboBox3", 2, QStringLiteral("百")});
    ComboBox2 = places_.add({"ComboBox2", 1, QStringLiteral("十")});
    ComboBox1 = places_.add({"ComboBox1", 0, QStringLiteral("一")});
}

void TForm18::DrawProblem()
{
    setProblem(DrawByTwoDigits(*services().random));
}

void TForm18::PoseTestProblem()
{
    DrawProblem();
    setOutProblem();
    Prompt(ByTwoDigitsPrompt(0));
}

namespace {
// The slot of each picker: "一" Entry4, "十" Entry3, "百" Entry2, "千" Entry1.
int &entryOf(int place)
{
    switch (place) {
    case 0: return LessonState.Entry4;
    case 1: return LessonState.Entry3;
    case 2: return LessonState.Entry2;
    default: return LessonState.Entry1;
    }
}

// The picker whose pick completes each of stages 0 … 3 (its left neighbour
// takes the tens digit), and the pickers each stage takes picks in.
constexpr int kCompleting[] = {0, 1, 1, 2};
const QList<int> kStagePickers[] = {{0, 1}, {1, 2}, {1, 2}, {2, 3}, {0, 1, 2, 3}};
}  // namespace

void TForm18::picked(int place)
{
    const int pick = places_.picker(place)->itemIndex();
    if (pick < 0)
        return;  // nothing picked
    entryOf(place) = pick;
    const int stage = LessonState.StepNo;
    if (!posed() || stage < 0 || stage > 4)
        return;
    if (stage == 4 && place == 0) {
        // The product, read from the four places picked in this stage.
        LessonState.GivenAnswer =
            1000 * LessonState.Entry1 + 100 * LessonState.Entry2 + 10 * LessonState.Entry3 + LessonState.Entry4;
        Label10->setCaption(QString::number(LessonState.GivenAnswer));
        setMarked();
        MarkAnswer();
        return;
    }
    if (stage < 4 && place == kCompleting[stage]) {
        completeStage(stage, pick + 10 * entryOf(place + 1));
        return;
    }
    PlayCue(Cue::Bun);
    if (place == 1)
        BlinkPrompt();
}

void TForm18::completeStage(int stage, int product)
{
    LessonState.GivenAnswer = product;
    Sheet &s = sheet();
    switch (stage) {
    case 0:
        Label8->setCaption(QString::number(product % 10));
        if (product > 9)
            Label12->setCaption(QString::number(product / 10));
        break;
    case 1: Label8->setCaption(QString::number(product) + Label8->caption()); break;
    case 2:
        Label9->setCaption(QString::number(product % 10));
        if (!Label12->caption().isEmpty())
            Shape3->show();
        if (product > 9)
            Label13->setCaption(QString::number(product / 10));
        break;
    default:
        Label9->setCaption(QString::number(product) + Label9->caption());
        Shape2->show();
        break;
    }
    if (stage < 3) {
        HideRedLines();
        s.redLines[stage + 1]->show();
    }
    LessonState.StepNo = stage + 1;
    ShowPickers();
    LessonState.Entry1 = 0;
    LessonState.Entry2 = 0;
    LessonState.Entry3 = 0;
    LessonState.Entry4 = 0;
    places_.enableOnly(kStagePickers[stage + 1]);
    // The sum's prompt comes without a blink.
    if (stage < 3)
        Prompt(ByTwoDigitsPrompt(stage + 1));
    else
        Label3->setCaption(ByTwoDigitsPrompt(stage + 1));
    PlayCue(Cue::Bun);
}
