#include "lessons/numbers/numbers.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/prompts.h"
#include "lessons/numbers/places.h"

#include <QPainter>

namespace {
const QString kPlacesPrompt =
    QStringLiteral("大きな位から じゅんに「位」と「数」を えらんで、\rさいごに「◆」を えらんでね！");
const QString kDigitsPrompt = QStringLiteral("こたえを おおきな「くらい」から じゅんに えらんでね！");

// Items of the "位" list: the eight places, then "◆" that closes the answer.
constexpr int kPlaceDiamond = 9;
// Items of the "字" list: thirteen kanji, then "◆".
constexpr int kKanjiDiamond = 13;

// Layout on the 955 × 716 window. The menu stands top right, the lists of
// each kind of exercise under it, "つぎへ" over the bottom row at the right
// (clear of the memo in study mode); the question stands at the left, the
// answer lines under it and the mark right of them.
constexpr int kRightEdge = Look::ScreenWidth - 20;
constexpr int kMenuTop = 14;
constexpr int kNextTop = 588;
constexpr int kListTop = 134;  // clear of the menu above
constexpr int kQuestionX = 40;
constexpr int kQuestionTop = 96;
constexpr int kQuestionWidth = 410;
constexpr int kQuestionPx = 26;
constexpr int kAnswerColumnX = 462;  // answer column; the pupil's right of it
constexpr int kColumnWidth = 40;
constexpr int kColumnGap = 12;
constexpr int kColumnTitlePx = 16;
const QString kAnswerTitle = QStringLiteral("こたえ");
const QString kPupilTitle = QStringLiteral("きみ");
constexpr int kDigitPickerWidth = 52;
constexpr int kDigitPickerGap = 6;
// The lists keep the right edge of the other lists and buttons, and a gap
// between "位" and "数".
constexpr int kListGap = 10;
constexpr int kCountListWidth = 46;
constexpr int kCountListX = kRightEdge - kCountListWidth;
constexpr int kPlaceListWidth = 54;
constexpr int kPlaceListX = kCountListX - kListGap - kPlaceListWidth;  // "位", with "数" at its right
constexpr int kKanjiListWidth = 50;
constexpr int kKanjiListX = kRightEdge - kKanjiListWidth;  // "字"

// Where the ones picker of menu 2 stands; the others follow to its left.
QPoint digitPickerAt(int place)
{
    const int fromRight = PlaceCount - 1 - place;
    return {kRightEdge - kDigitPickerWidth - fromRight * (kDigitPickerWidth + kDigitPickerGap), kListTop};
}

const QStringList kPickerPlaceholders{QStringLiteral("千"), QStringLiteral("百"), QStringLiteral("十"),
                                      QStringLiteral("万"), QStringLiteral("千"), QStringLiteral("百"),
                                      QStringLiteral("十"), QStringLiteral("一")};
}  // namespace

TForm2::TForm2(const Services &services)
    : TLessonScreen(services, [] {
          TLesson l;
          l.title = QStringLiteral("何千万まで");
          l.firstBlinkMs = 1000;
          return l;
      }())
{
    const int w = Look::ScreenWidth;
    Label1 = addLabel(QStringLiteral("Label1"), QRect(160, 14, w - 320, 52), 40, Qt::AlignCenter,
                      QStringLiteral("何千万まで"));

    // The question has twelve lines in menu 1; its place names stand on
    // lines 2 to 9, and each column label is one line high, level with its
    // place.
    const QFont questionFont = Look::face(kQuestionPx);
    const int pitch = QFontMetrics(questionFont).lineSpacing();
    Label3 = addLabel(QStringLiteral("Label3"), QRect(kQuestionX, kQuestionTop, kQuestionWidth, pitch * PlacesQuestionLines + 8),
                      kQuestionPx, Qt::AlignLeft | Qt::AlignTop);
    for (int place = 0; place < PlaceCount; ++place) {
        const int y = kQuestionTop + (PlacesFirstLine + place) * pitch;
        answerColumn_[place] = addLabel(QStringLiteral("Label%1").arg(6 + place),
                                        QRect(kAnswerColumnX, y, kColumnWidth, pitch), kQuestionPx, Qt::AlignCenter,
                                        QString(), Look::Red);
        pupilColumn_[place] = addLabel(QStringLiteral("Label%1").arg(14 + place),
                                       QRect(kAnswerColumnX + kColumnWidth + kColumnGap, y, kColumnWidth, pitch),
                                       kQuestionPx, Qt::AlignCenter);
    }
    // Over the two columns, in their colours: the right answer and the
    // pupil's own, so a pupil can tell after the mark which digits are theirs.
    const int titleY = kQuestionTop + (PlacesFirstLine - 1) * pitch;
    answerTitle_ = addLabel(QStringLiteral("AnswerColumnTitle"),
                            QRect(kAnswerColumnX - kColumnGap / 2, titleY, kColumnWidth + kColumnGap, pitch),
                            kColumnTitlePx, Qt::AlignHCenter | Qt::AlignBottom, QString(), Look::Red);
    pupilTitle_ = addLabel(QStringLiteral("PupilColumnTitle"),
                           QRect(kAnswerColumnX + kColumnWidth + kColumnGap / 2, titleY, kColumnWidth + kColumnGap, pitch),
                           kColumnTitlePx, Qt::AlignHCenter | Qt::AlignBottom);
    Label6 = answerColumn_[0], Label7 = answerColumn_[1], Label8 = answerColumn_[2], Label9 = answerColumn_[3];
    Label10 = answerColumn_[4], Label11 = answerColumn_[5], Label12 = answerColumn_[6], Label13 = answerColumn_[7];
    Label14 = pupilColumn_[0], Label15 = pupilColumn_[1], Label16 = pupilColumn_[2], Label17 = pupilColumn_[3];
    Label18 = pupilColumn_[4], Label19 = pupilColumn_[5], Label20 = pupilColumn_[6], Label21 = pupilColumn_[7];

    Label4 = addLabel(QStringLiteral("Label4"), QRect(kQuestionX, 0, 0, 0), kQuestionPx);
    Label5 = addLabel(QStringLiteral("Label5"), QRect(kQuestionX, 0, 0, 0), kQuestionPx);
    Label4->hide();
    Label5->hide();

    Label22 = addLabel(QStringLiteral("Label22"), QRect(700, 450, 140, 140), 96, Qt::AlignCenter, QString(), Look::Red);
    setMarkLabel(Label22);
    Label23 = addLabel(QStringLiteral("Label23"), QRect(kQuestionX, 500, 600, 40), 26);
    Label24 = addLabel(QStringLiteral("Label24"), QRect(kQuestionX, 548, 600, 40), 26);

    // The memo's designed place lies below the window; the show handler
    // brings it up.
    Memo1 = new TMemo(QStringLiteral("Memo1"), this);
    Memo1->setFont(Look::face(18));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setGeometry((w - 817) / 2, Look::ScreenHeight, 817, 481);
    Memo1->setLines(NumbersMemo());
    Memo1->hide();

    ComboBox1 = addPicker(QStringLiteral("ComboBox1"),
                          {QStringLiteral("あわせた数"), QStringLiteral("漢字→数字"), QStringLiteral("数字→漢字")},
                          {kRightEdge - 140, kMenuTop}, 140, 3, QStringLiteral("  メニュー"));

    const QString pickerNames[PlaceCount] = {QStringLiteral("ComboBox9"), QStringLiteral("ComboBox8"),
                                             QStringLiteral("ComboBox7"), QStringLiteral("ComboBox6"),
                                             QStringLiteral("ComboBox5"), QStringLiteral("ComboBox4"),
                                             QStringLiteral("ComboBox3"), QStringLiteral("ComboBox2")};
    for (int place = 0; place < PlaceCount; ++place)
        digitPickers_[place] = addPicker(pickerNames[place], TComboBox::digits(), digitPickerAt(place),
                                         kDigitPickerWidth, 10, kPickerPlaceholders[place]);
    ComboBox9 = digitPickers_[0], ComboBox8 = digitPickers_[1], ComboBox7 = digitPickers_[2];
    ComboBox6 = digitPickers_[3], ComboBox5 = digitPickers_[4], ComboBox4 = digitPickers_[5];
    ComboBox3 = digitPickers_[6], ComboBox2 = digitPickers_[7];

    ComboBox10 = addPicker(QStringLiteral("ComboBox10"),
                           {QStringLiteral("千万"), QStringLiteral("百万"), QStringLiteral("十万"), QStringLiteral("  万"),
                            QStringLiteral("  千"), QStringLiteral("  百"), QStringLiteral("  十"), QStringLiteral("  一"),
                            QStringLiteral("  ◆")},
                           {kPlaceListX, kListTop}, kPlaceListWidth, 9, QStringLiteral("  位"));
    ComboBox11 = addPicker(QStringLiteral("ComboBox11"),
                           {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"), QStringLiteral("四"),
                            QStringLiteral("五"), QStringLiteral("六"), QStringLiteral("七"), QStringLiteral("八"),
                            QStringLiteral("九"), QStringLiteral("十"), QStringLiteral("百"), QStringLiteral("千"),
                            QStringLiteral("万"), QStringLiteral("◆")},
                           {kKanjiListX, kListTop}, kKanjiListWidth, 14, QStringLiteral("字"));
    for (TComboBox *c : findChildren<TComboBox *>())
        c->hide();

    CuteButton4 = addButton(QStringLiteral("CuteButton4"), QStringLiteral("つぎへ"), Look::Next,
                            {kRightEdge - 90, kNextTop});
    CuteButton4->setEnabled(false);

    // Bottom row: "おわる", "もくじへ", then the toggle.
    CuteButton1->move(kRightEdge - 290, BottomRowY);
    CuteButton2->move(kRightEdge - 190, BottomRowY);
    CuteButton3 = addModeToggle(QStringLiteral("CuteButton3"), {kRightEdge - 90, BottomRowY});

    Image1 = addPicture(QStringLiteral("Image1"));
    Label2 = addPromptLabel(QStringLiteral("Label2"));
    // Two lines of prompt in menu 1, left of the bottom row.
    Label2->setGeometry(92, StatusBarY - 66, kRightEdge - 290 - 92 - 10, 60);
}

// ---------------------------------------------------------------- procedures

int &TForm2::Contribution(int place)
{
    int *const cells[PlaceCount] = {&LessonState.Work5,  &LessonState.Work6,  &LessonState.Work7,
                                    &LessonState.Entry1, &LessonState.Entry2, &LessonState.Entry3,
                                    &LessonState.Entry4, &LessonState.Entry5};
    return *cells[place];
}

int TForm2::ContributionSum()
{
    int sum = 0;
    for (int place = 0; place < PlaceCount; ++place)
        sum += Contribution(place);
    return sum;
}

void TForm2::ResetScreen()
{
    LessonState.GridShown = 0;
    for (int place = 0; place < PlaceCount; ++place)
        Contribution(place) = 0;
    LessonState.GivenAnswer = 0;
    for (TLabel *l : {Label2, Label3, Label4, Label5, Label22, Label23, Label24, answerTitle_, pupilTitle_})
        l->setCaption(QString());
    for (int place = 0; place < PlaceCount; ++place) {
        answerColumn_[place]->setCaption(QString());
        pupilColumn_[place]->setCaption(QString());
    }
    for (TComboBox *c : findChildren<TComboBox *>())
        c->hide();
    CuteButton4->setEnabled(false);
    Memo1->hide();
    update();  // the guide lines of menu 1 go with its question
}

void TForm2::ShowPickers()
{
    const QStringList names{QStringLiteral("一"), QStringLiteral("十"), QStringLiteral("百"), QStringLiteral("千"),
                            QStringLiteral("万"), QStringLiteral("十"), QStringLiteral("百"), QStringLiteral("千")};
    for (int n = 2; n <= 9; ++n) {
        TComboBox *c = findChild<TComboBox *>(QStringLiteral("ComboBox%1").arg(n));
        c->setItemIndex(-1);
        c->setText(names[n - 2]);
        c->show();
    }
    // The "数" list of menu 1 is the ones picker back in its place.
    const QPoint ones = digitPickerAt(PlaceCount - 1);
    ComboBox2->place(ones.x(), ones.y(), kDigitPickerWidth, 10);
}

void TForm2::DrawNumber()
{
    LessonState.Answer = ::DrawNumber(*services().random);
    const std::array<int, PlaceCount> d = NumberDigits(LessonState.Answer);
    int *const digits[PlaceCount] = {&LessonState.OperandA, &LessonState.OperandB, &LessonState.OperandC,
                                     &LessonState.OperandD, &LessonState.Work1,    &LessonState.Work2,
                                     &LessonState.Work3,    &LessonState.Work4};
    for (int place = 0; place < PlaceCount; ++place)
        *digits[place] = d[place];
}

void TForm2::SpellKanji()
{
    TextA = NumberKanji(LessonState.Answer);
}

void TForm2::DrawProblem()
{
    switch (LessonState.AuxCount) {
    case 1:
        DrawNumber();
        Label3->setCaption(PlacesQuestion(LessonState.Answer));
        pupilTitle_->setCaption(kPupilTitle);
        break;
    case 2:
        DrawNumber();
        SpellKanji();
        Label3->setCaption(KanjiQuestion(TextA));
        break;
    case 3:
        TextB.clear();
        DrawNumber();
        SpellKanji();
        Label3->setCaption(DigitsQuestion(LessonState.Answer));
        break;
    default:
        break;
    }
}

void TForm2::MarkNumber(bool right)
{
    // The kanji questions are marked by their texts; the number stands for them.
    LessonAnswer a{LessonState.AuxCount, {LessonState.Answer}, LessonState.Answer, LessonState.GivenAnswer};
    if (LessonState.AuxCount == 3)
        a.given = right ? a.right : -1;
    Mark(a);
}

void TForm2::AskToGoOn()
{
    CuteButton4->setEnabled(true);
    Prompt(Prompts::Next);
}

// ---------------------------------------------------------------- handlers

void TForm2::FormCreate()
{
    ResetScreen();
    SetLessonMode(CuteButton3, 1);
    Memo1->move(Memo1->x(), 88);
    Memo1->show();
    PlayCue(Cue::Poon);
}

void TForm2::CuteButton3Click()
{
    ResetScreen();
    if (SwitchLessonMode(CuteButton3) == 2) {
        ComboBox1->show();
        Prompt(Prompts::Menu);
        PlayCue(Cue::Poon);
    } else {
        Memo1->show();
    }
}

void TForm2::ComboBox1Change()
{
    LessonState.AuxCount = ComboBox1->itemIndex() + 1;
    ResetScreen();
    ComboBox1->show();
    CuteButton4->setEnabled(true);
    Prompt(Prompts::Next);
    PlayCue(Cue::Poon);
}

void TForm2::CuteButton4Click()
{
    ResetScreen();
    ComboBox1->show();
    kanjiMarked_ = false;
    switch (LessonState.AuxCount) {
    case 1:
        ComboBox2->setItemIndex(-1);
        ComboBox2->setText(QStringLiteral("数"));
        ComboBox10->move(kPlaceListX, kListTop);
        ComboBox2->place(kCountListX, kListTop, kCountListWidth, 10);
        ComboBox10->show();
        ComboBox2->show();
        DrawProblem();
        Prompt(kPlacesPrompt);
        break;
    case 2:
        ShowPickers();
        DrawProblem();
        Prompt(kDigitsPrompt);
        break;
    case 3:
        ComboBox11->setItemIndex(-1);
        ComboBox11->setText(QStringLiteral("字"));
        ComboBox11->move(kKanjiListX, kListTop);
        ComboBox11->show();
        TextA.clear();
        TextB.clear();
        DrawProblem();
        Prompt(kDigitsPrompt);
        break;
    default:
        return;
    }
    PlayCue(Cue::Bun);
}

void TForm2::ComboBox10Change()
{
    PlaceChoice = ComboBox10->itemIndex() + 1;
    if (PlaceChoice != kPlaceDiamond) {
        PlayCue(Cue::Pipo);
        return;
    }
    const std::array<int, PlaceCount> d = NumberDigits(LessonState.Answer);
    for (int place = 0; place < PlaceCount; ++place)
        answerColumn_[place]->setCaption(d[place] > 0 ? QString::number(d[place]) : QString());
    answerTitle_->setCaption(kAnswerTitle);
    LessonState.GivenAnswer = ContributionSum();
    MarkNumber(LessonState.GivenAnswer == LessonState.Answer);
    AskToGoOn();
}

void TForm2::ComboBox2Change()
{
    const int pick = ComboBox2->itemIndex();
    switch (LessonState.AuxCount) {
    case 1:
        if (PlaceChoice >= 1 && PlaceChoice <= PlaceCount) {
            const int place = PlaceChoice - 1;
            pupilColumn_[place]->setCaption(QString::number(pick));
            Contribution(place) = pick * PlaceValues[place];
        }
        PlayCue(Cue::Pipo);
        break;
    case 2:
        LessonState.Entry5 = pick;
        Label23->setCaption(DigitsAnswerLine(LessonState.Answer));
        LessonState.GivenAnswer = ContributionSum();
        MarkNumber(LessonState.GivenAnswer == LessonState.Answer);
        AskToGoOn();
        break;
    case 3:
        LessonState.Entry5 = pick;
        PlayCue(Cue::Pipo);
        break;
    default:
        break;
    }
}

void TForm2::DigitPicked(int place, TComboBox *picker)
{
    Contribution(place) = picker->itemIndex() * PlaceValues[place];
    PlayCue(Cue::Pipo);
}

void TForm2::ComboBox3Change() { DigitPicked(6, ComboBox3); }
void TForm2::ComboBox4Change() { DigitPicked(5, ComboBox4); }
void TForm2::ComboBox5Change() { DigitPicked(4, ComboBox5); }
void TForm2::ComboBox6Change() { DigitPicked(3, ComboBox6); }
void TForm2::ComboBox7Change() { DigitPicked(2, ComboBox7); }
void TForm2::ComboBox8Change() { DigitPicked(1, ComboBox8); }
void TForm2::ComboBox9Change() { DigitPicked(0, ComboBox9); }

void TForm2::ComboBox11Change()
{
    const int pick = ComboBox11->itemIndex();
    if (pick != kKanjiDiamond) {
        // A kanji once clicked stays. Once the answer is marked, or when it
        // is as long as the longest number's kanji, further kanji rest.
        if (kanjiMarked_ || TextB.size() >= LongestKanji)
            return;
        TextB += ComboBox11->items().at(pick);
        Label24->setCaption(ClickedLine(TextB));
        PlayCue(Cue::Pipo);
        return;
    }
    kanjiMarked_ = true;
    MarkNumber(TextB == TextA);
    Label23->setCaption(KanjiAnswerLine(TextA));
    AskToGoOn();
}

// Faint dotted guides lead from each place name of menu 1 to its row of the
// answer columns.
void TForm2::paintEvent(QPaintEvent *event)
{
    TScreen::paintEvent(event);
    if (ComboBox10->isHidden() || Label3->caption().isEmpty())
        return;
    QPainter p(this);
    p.setPen(QPen(QColor(0xA0, 0xA0, 0xD0), 1, Qt::DotLine));
    const QFontMetrics fm(Label3->font());
    const QStringList lines = Label3->caption().split(QLatin1Char('\r'));
    for (int place = 0; place < PlaceCount && PlacesFirstLine + place < lines.size(); ++place) {
        const QRect row = answerColumn_[place]->geometry();
        const int from = Label3->x() + fm.horizontalAdvance(lines[PlacesFirstLine + place]) + 10;
        const int y = row.center().y();
        p.drawLine(from, y, row.left() - 6, y);
    }
}
