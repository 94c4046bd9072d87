#include "lessons/hidden/hidden.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/prompts.h"
#include "frame/worksheet.h"

namespace {

// The grid on the 955 × 716 window: four columns of digit cells, the sign
// left of the second number, the marks above the first.
constexpr int kCell = 50;        // a digit cell, square
constexpr int kBox = 41;         // the box inside it
constexpr int kPitch = 58;       // one column or row to the next
constexpr int kThousandsX = 330; // left edge of the thousands column
constexpr int kMarksY = 84;      // the marks' row
constexpr int kMarkHeight = 28;
constexpr int kFirstRowY = kMarksY + kMarkHeight + 4;
constexpr int kLineGap = 10;     // the line's room between the second number and the result
constexpr int kDigitSize = 34;   // the digits' pixel size

int columnX(int place)
{
    return kThousandsX + (HiddenPlaces - 1 - place) * kPitch;
}

int rowY(int row)
{
    return kFirstRowY + row * kPitch + (row == 2 ? kLineGap : 0);
}
}  // namespace

TForm14::TForm14(const Services &services)
    : TLessonScreen(services, [] {
          TLesson l;
          l.quitQuestion = QStringLiteral("おわってもいいの？");
          return l;
      }())
{
    const int w = Look::ScreenWidth;
    Label1 = addLabel(QStringLiteral("Label1"), QRect(0, 14, w, 52), 40, Qt::AlignCenter, QStringLiteral("かくれ算"));

    // Each digit stands in a cell with its box behind it, so a found digit
    // is written inside its box and never hidden by it.
    for (int place = 0; place < HiddenPlaces; ++place) {
        for (int row = 0; row < HiddenRows; ++row) {
            const int n = place * HiddenRows + row;
            auto *cell = new QWidget(this);
            cell->setObjectName(QStringLiteral("Cell%1").arg(n + 5));
            cell->setGeometry(columnX(place), rowY(row), kCell, kCell);
            auto *box = new TShape(QStringLiteral("Shape%1").arg(n + 1), Look::Background, Qt::black, cell);
            box->setGeometry((kCell - kBox) / 2, (kCell - kBox) / 2, kBox, kBox);
            box->hide();
            auto *digit = new TLabel(QStringLiteral("Label%1").arg(n + 5), cell);
            digit->setFont(Look::face(kDigitSize));
            digit->setAlignment(Qt::AlignCenter);
            digit->setGeometry(0, 0, kCell, kCell);
            digit->raise();
            digits_[row][place] = digit;
            boxes_[row][place] = box;
        }
    }
    marks_[0] = nullptr;
    for (int place = 1; place < HiddenPlaces; ++place)
        marks_[place] = addLabel(QStringLiteral("Label%1").arg(16 + place),
                                 QRect(columnX(place), kMarksY, kCell, kMarkHeight), 22, Qt::AlignCenter, QString(),
                                 Look::Red);

    Label5 = digits_[0][0], Label6 = digits_[1][0], Label7 = digits_[2][0];
    Label8 = digits_[0][1], Label9 = digits_[1][1], Label10 = digits_[2][1];
    Label11 = digits_[0][2], Label12 = digits_[1][2], Label13 = digits_[2][2];
    Label14 = digits_[0][3], Label15 = digits_[1][3], Label16 = digits_[2][3];
    Shape1 = boxes_[0][0], Shape2 = boxes_[1][0], Shape3 = boxes_[2][0];
    Shape4 = boxes_[0][1], Shape5 = boxes_[1][1], Shape6 = boxes_[2][1];
    Shape7 = boxes_[0][2], Shape8 = boxes_[1][2], Shape9 = boxes_[2][2];
    Shape10 = boxes_[0][3], Shape11 = boxes_[1][3], Shape12 = boxes_[2][3];
    Label17 = marks_[1], Label18 = marks_[2], Label19 = marks_[3];

    const int signX = columnX(HiddenPlaces - 1) - kPitch;
    Label4 = addLabel(QStringLiteral("Label4"), QRect(signX, rowY(1), kCell, kCell), kDigitSize, Qt::AlignCenter);
    Shape13 = new TShape(QStringLiteral("Shape13"), Look::Navy, Look::Navy, this);
    const int lineY = rowY(1) + kCell + (rowY(2) - rowY(1) - kCell) / 2 - 1;
    Shape13->setGeometry(signX, lineY, columnX(0) + kCell - signX, 3);
    Shape13->hide();

    Label2 = addLabel(QStringLiteral("Label2"), QRect(150, rowY(2) + kCell + 24, 660, 300), 26,
                      Qt::AlignLeft | Qt::AlignTop);

    ComboBox1 = addPicker(QStringLiteral("ComboBox1"), {QStringLiteral(" たし算"), QStringLiteral(" ひき算")},
                          {700, kFirstRowY}, 170, 2, QStringLiteral("メニュー"));
    CuteButton5 = addButton(QStringLiteral("CuteButton5"), StepCaption(1), Look::Answer, {740, rowY(2)});
    CuteButton6 = addButton(QStringLiteral("CuteButton6"), QStringLiteral("ポイント"), Look::SkyBlue,
                            {740, rowY(2) + 44});
    CuteButton5->setEnabled(false);
    CuteButton6->setEnabled(false);

    Image1 = addPicture(QStringLiteral("Image1"));
    Label3 = addPromptLabel(QStringLiteral("Label3"));
}

void TForm14::ResetScreen()
{
    LessonState.ColumnStep = 0;
    for (int n = 2; n <= 19; ++n)
        findChild<TLabel *>(QStringLiteral("Label%1").arg(n))->setCaption(QString());
    for (int n = 1; n <= 13; ++n)
        findChild<TShape *>(QStringLiteral("Shape%1").arg(n))->hide();
    CuteButton5->setEnabled(false);
    CuteButton6->setEnabled(false);
    // Whatever step was shown last, the next example starts at step 1.
    CuteButton5->setCaption(StepCaption(1));
}

void TForm14::DrawProblem()
{
    const HiddenExample *example = HiddenExampleOf(LessonState.MenuChoice);
    if (!example)
        return;
    Label4->setCaption(QString::fromUtf8(example->sign));
    Shape13->show();
    for (int row = 0; row < HiddenRows; ++row) {
        for (int place = 0; place < HiddenPlaces; ++place) {
            const HiddenCell cell{row, place};
            if (example->hidden(cell))
                box(cell)->show();
            else
                digitLabel(cell)->setCaption(QString::number(example->digitAt(cell)));
        }
    }
}

void TForm14::ShowStep()
{
    const HiddenExample *example = HiddenExampleOf(LessonState.MenuChoice);
    const int step = LessonState.ColumnStep;
    if (!example || step < 1 || step > HiddenSteps)
        return;
    const HiddenStep &s = example->steps[step - 1];
    digitLabel(s.box)->setCaption(QString::number(example->digitAt(s.box)));
    if (s.markPlace > 0)
        markLabel(s.markPlace)->setCaption(QString::fromUtf8(s.mark));
    // The step button names the step its next press shows.
    CuteButton5->setCaption(StepCaption(NextStep(step, HiddenSteps)));
    Label2->setCaption(StepText(step, {QString::fromUtf8((*example->explanations)[step - 1])}));
}

void TForm14::SetUpExample()
{
    ResetScreen();
    DrawProblem();
    CuteButton5->setEnabled(true);
    Prompt(Prompts::StepTight);
    PlayCue(Cue::Poon);
}

void TForm14::FormCreate()
{
    ResetScreen();
    Prompt(Prompts::MenuTight);
    PlayCue(Cue::Poon);
}

void TForm14::ComboBox1Change()
{
    LessonState.MenuChoice = ComboBox1->itemIndex() + 1;
    SetUpExample();
}

void TForm14::CuteButton5Click()
{
    LessonState.ColumnStep = LessonState.ColumnStep + 1;
    // The press after the last step shows the example afresh.
    if (LessonState.ColumnStep < 1 || LessonState.ColumnStep > HiddenSteps) {
        SetUpExample();
        return;
    }
    ShowStep();
    if (LessonState.ColumnStep < HiddenSteps) {
        PlayCue(Cue::Bun);
        Prompt(Prompts::Step);
    } else {
        PlayCue(Cue::Poon);
        Prompt(Prompts::Menu);
    }
}
