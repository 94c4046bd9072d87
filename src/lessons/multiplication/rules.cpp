#include "lessons/multiplication/rules.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/platform.h"
#include "frame/worksheet.h"

// ---------------------------------------------------------------- the rules' arithmetic

namespace {
enum Hidden { FactorA, FactorB, FactorC };

// Each kind of equation: the equation with "?" in place of one number, the
// same equation whole, and which factor "?" stands for. {B-1} and {B+1} are
// the multiplier one less and one more.
struct RulesForm {
    int firstKind;
    int lastKind;
    const char *problem;
    const char *equation;
    Hidden hidden;
};
const RulesForm kRulesForms[] = {
    // The factors swapped.
    {0, 1, "{A} x {B} = ? x {A}", "{A} x {B} = {B} x {A}", FactorB},
    {2, 2, "{A} x {B} = {B} x ?", "{A} x {B} = {B} x {A}", FactorA},
    // The factors of three grouped the other way.
    {3, 4, "({A} x {B}) x {C} = {A} x ({B} x ?)", "({A} x {B}) x {C} = {A} x ({B} x {C})", FactorC},
    {5, 5, "({A} x {B}) x {C} = {A} x (? x {C})", "({A} x {B}) x {C} = {A} x ({B} x {C})", FactorB},
    // One more in the multiplier adds the multiplicand, one less takes it away.
    {6, 7, "{A} x {B} = {A} x {B-1} + ?", "{A} x {B} = {A} x {B-1} + {A}", FactorA},
    {8, 8, "{A} x {B} = {A} x {B+1} - ?", "{A} x {B} = {A} x {B+1} - {A}", FactorA},
};

const RulesForm &rulesForm(int kind)
{
    for (const RulesForm &f : kRulesForms)
        if (kind >= f.firstKind && kind <= f.lastKind)
            return f;
    return kRulesForms[0];
}

bool isGrouping(int kind)
{
    return kind >= 3 && kind <= 5;
}
}  // namespace

RulesProblem RulesProblemOf(int kind, int a, int b, int c)
{
    RulesProblem p;
    p.kind = kind;
    p.a = a;
    p.b = b;
    p.c = c;
    const RulesForm &f = rulesForm(kind);
    const QList<std::pair<const char *, int>> numbers{{"A", a}, {"B", b}, {"C", c}, {"B-1", b - 1}, {"B+1", b + 1}};
    p.text = FillIn(f.problem, numbers);
    p.equation = FillIn(f.equation, numbers);
    p.answer = f.hidden == FactorA ? a : f.hidden == FactorB ? b : c;
    return p;
}

RulesProblem DrawRulesProblem(Random &random)
{
    random.reseed();
    const int kind = random.below(9);
    const int a = random.below(8) + 1;
    const int b = random.below(6) + 2;
    const int c = isGrouping(kind) ? random.below(8) + 1 : 0;
    return RulesProblemOf(kind, a, b, c);
}

QStringList RulesStudyText()
{
    return {
        QStringLiteral(""),
        QStringLiteral("　１．かけ算のじゅんじょ"),
        QStringLiteral(""),
        QStringLiteral("　　１）かけ算では、かけられる数 と かける数 を 入れかえても "),
        QStringLiteral("　　　　答えは 同じだよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　2 x 3 = 3 x 2"),
        QStringLiteral(""),
        QStringLiteral("　　２）３つの かけ算では、計算の じゅんじょを かえても 答えは "),
        QStringLiteral("　　　　同じだよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　(2 x 3) x 4 = 2 x (3 x 4)"),
        QStringLiteral(""),
        QStringLiteral("　　３）かけ算では、かける数が １ ふえる ごとに、答えは "),
        QStringLiteral("　　　　かけられる数だけ ふえていき、かける数が １ へる"),
        QStringLiteral("　　　　ごとに、答えは かけられる数だけ へっていくよ。"),
        QStringLiteral("　　　　九九のひょうで たしかめてね。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　5 x 4 = 5 x 3 + 5　（かける数が ３から １ ふえる）"),
        QStringLiteral("　　　　　5 x 2 = 5 x 3 - 5　（かける数が ３から １ へる）"),
        QStringLiteral(""),
    };
}

// ---------------------------------------------------------------- the shared flow

namespace {
const QString kReadyPrompt = QStringLiteral("「つぎへ」ボタンで すすめてね！");
constexpr int kLeft = 40;
}  // namespace

TStudyTestLesson::TStudyTestLesson(const Services &services, const StudyTestDesign &design)
    : TScreen(services, Frame{QStringLiteral("おわっても いいの？"), 500, 600}), design_(design)
{
    const int titleWidth = 560;
    const int titleX = (Look::ScreenWidth - titleWidth) / 2;
    Label1 = addLabel(QStringLiteral("Label1"), QRect(titleX, 14, titleWidth, 52), 40, Qt::AlignCenter,
                      QStringLiteral("かけ算"));
    Label2 = addLabel(QStringLiteral("Label2"), QRect(titleX, 70, titleWidth, 40), 26, Qt::AlignCenter,
                      design.subtitle);

    // The problem line across the left, the mark under it.
    Label4 = addLabel(QStringLiteral("Label4"), QRect(kLeft, 190, 580, 80), 40);
    Label6 = addLabel(QStringLiteral("Label6"), QRect(kLeft + 200, 330, 160, 150), 110, Qt::AlignCenter, QString(),
                      Look::Red);
    Label6->setProperty("markLabel", true);

    CuteButton4 = addButton(QStringLiteral("CuteButton4"), QStringLiteral("つぎへ"), Look::Next,
                            {RightEdge - 90, NextButtonY});
    // Bottom row: "おわる", "もくじへ", then the toggle.
    CuteButton1->move(RightEdge - 290, BottomRowY);
    CuteButton2->move(RightEdge - 190, BottomRowY);
    CuteButton3 = addModeToggle(QStringLiteral("CuteButton3"), {RightEdge - 90, BottomRowY});
    CuteButton4->setEnabled(false);

    // The study text waits hidden; the show puts it in its place.
    Memo1 = new TMemo(QStringLiteral("Memo1"), this);
    Memo1->setFont(Look::face(design.memoFontPixels));
    Memo1->setLines(design.memoLines);
    Memo1->setVerticalScrollBarPolicy(design.memoScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setGeometry(kLeft, MemoTop, 620, StatusBarY - 76 - MemoTop);
    Memo1->hide();

    Image3 = addPicture(QStringLiteral("Image3"));
    Label3 = addPromptLabel(QStringLiteral("Label3"));
}

void TStudyTestLesson::ResetScreen()
{
    Label4->setCaption(QString());
    Label6->setCaption(QString());
    CuteButton4->setEnabled(false);
    posed_ = false;
}

void TStudyTestLesson::FormCreate()
{
    SetLessonMode(CuteButton3, 1);
    ResetScreen();
    Memo1->move(Memo1->x(), MemoTop);
    Memo1->show();
    PlayCue(12);
}

void TStudyTestLesson::CuteButton3Click()
{
    ResetScreen();
    if (SwitchLessonMode(CuteButton3) == 2) {
        CuteButton4->setEnabled(true);
        Memo1->hide();
        Prompt(kReadyPrompt);
    }
    PlayCue(12);
}

void TStudyTestLesson::CuteButton4Click()
{
    ResetScreen();
    CuteButton4->setEnabled(false);
    DrawProblem();
    ShowPickers();
    posed_ = true;
    Prompt(design_.problemPrompt);
    PlayCue(11);
}

void TStudyTestLesson::MarkAnswer(const QString &equation)
{
    if (!posed_)
        return;
    Label4->setCaption(equation);
    const bool right = LessonState.GivenAnswer == LessonState.Answer;
    Label6->setCaption(right ? QStringLiteral("○") : QStringLiteral("×"));
    PlayCue(right ? 14 : 13);
    CuteButton4->setEnabled(true);
    Prompt(kReadyPrompt);
}

// ---------------------------------------------------------------- the rules screen

namespace {
StudyTestDesign rulesDesign()
{
    StudyTestDesign d;
    d.subtitle = QStringLiteral("かけ算のきまり");
    d.memoLines = RulesStudyText();
    d.problemPrompt = QStringLiteral("答えを えらんでね！");
    return d;
}

// " ０" … " ９": a half-width space before each digit, and the eighth item
// ends with a full-width space, as this picker has always shown them.
QStringList answerItems()
{
    QStringList items;
    for (const QString &digit : TComboBox::digits())
        items << QLatin1Char(' ') + digit;
    items[7] += QStringLiteral("　");
    return items;
}
}  // namespace

TForm15::TForm15(const Services &services) : TStudyTestLesson(services, rulesDesign())
{
    const int width = 80;
    ComboBox1 = addPicker(QStringLiteral("ComboBox1"), answerItems(), {RightEdge - width, PickerTop}, width, 10,
                          QStringLiteral("答え"));
    ComboBox1->hide();
}

void TForm15::ResetScreen()
{
    TStudyTestLesson::ResetScreen();
    ComboBox1->hide();
    problem_.reset();
}

void TForm15::ShowPickers()
{
    ComboBox1->show();
    ComboBox1->setItemIndex(-1);
    ComboBox1->setText(QStringLiteral("答え"));
}

void TForm15::DrawProblem()
{
    const RulesProblem p = DrawRulesProblem(*services().random);
    problem_ = p;
    ProblemKind = p.kind;
    LessonState.OperandA = p.a;
    LessonState.OperandB = p.b;
    if (isGrouping(p.kind))
        LessonState.OperandC = p.c;
    LessonState.Answer = p.answer;
    Label4->setCaption(p.text);
}

void TForm15::ComboBox1Change()
{
    if (!problem_ || !posed())
        return;
    LessonState.GivenAnswer = ComboBox1->itemIndex();
    MarkAnswer(problem_->equation);
}
