#include "lessons/units/flow.h"

#include "frame/lessonstate.h"
#include "frame/look.h"

// ---------------------------------------------------------------- texts of a form

UnitsValues::UnitsValues(std::initializer_list<std::pair<const char *, int>> values)
{
    for (const auto &[name, value] : values)
        values_.append({QString::fromUtf8(name), value});
}

int UnitsValues::operator[](const char *name) const
{
    const QString key = QString::fromUtf8(name);
    for (const auto &[n, v] : values_)
        if (n == key)
            return v;
    qWarning("units text names no value %s", name);
    return 0;
}

QString UnitsValues::fill(const char *text) const
{
    const QString t = QString::fromUtf8(text);
    QString out;
    out.reserve(t.size() + 16);
    qsizetype i = 0;
    while (i < t.size()) {
        const qsizetype open = t.indexOf(QLatin1Char('{'), i);
        const qsizetype close = open < 0 ? -1 : t.indexOf(QLatin1Char('}'), open);
        if (close < 0) {
            out += t.mid(i);
            break;
        }
        out += t.mid(i, open - i);
        out += QString::number((*this)[t.mid(open + 1, close - open - 1).toUtf8().constData()]);
        i = close + 1;
    }
    return out;
}

// ---------------------------------------------------------------- the screen

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」を えらんでね！");
const QString kOtherMenuPrompt = QStringLiteral("ほかの「メニュー」を えらんでね！");
const QString kRefusedPrompt = QStringLiteral("ほかの メニューを えらんでね！");
const QString kReadyPrompt = QStringLiteral("「つぎへ」ボタンで すすめてね！");
const QString kStudyPrompt = QStringLiteral("「こたえ」ボタンを おしてね！");
const QString kNoTest = QStringLiteral("ごめんね！このメニューには、テストは ないよ。");

const QColor kTeal{0x00, 0x80, 0x80};

// On the 955 × 716 window: the question and its working at the left, the
// mark beside the pickers, and at the right a column of the menu, the
// pickers and the buttons.
constexpr int kRightEdge = Look::ScreenWidth - 20;
constexpr int kLeft = 40;
constexpr int kMenuWidth = 150;
constexpr int kPickerWidth = 60;
constexpr int kPickerGap = 8;
constexpr int kPickerTop = 200;
constexpr int kThousandsX = kRightEdge - 4 * kPickerWidth - 3 * kPickerGap;
constexpr int kButtonsY = 560;
constexpr int kStudyTextTop = 176;  // where the study text stands when shown
}  // namespace

TUnitsLesson::TUnitsLesson(const Services &services, const UnitsDesign &design)
    : TScreen(services, Frame{QStringLiteral("おわっても いいの？"), 500, 600}), design_(design)
{
    const int titleWidth = 560;
    const int titleX = (Look::ScreenWidth - titleWidth) / 2;
    Label1 = addLabel(QStringLiteral("Label1"), QRect(titleX, 14, titleWidth, 52), 40, Qt::AlignCenter,
                      QStringLiteral("たんい の ある 計算"));
    Label2 = addLabel(QStringLiteral("Label2"), QRect(titleX, 70, titleWidth, 36), 26, Qt::AlignCenter, design.title);

    // The question and its working leave room for the mark beside four
    // pickers, the most a units screen has.
    const int markWidth = 120;
    const int markX = kThousandsX - 6 - markWidth;
    Label4 = addLabel(QStringLiteral("Label4"), QRect(kLeft, 176, markX + markWidth - kLeft, 104), 32,
                      Qt::AlignLeft | Qt::AlignVCenter);
    Label5 = addLabel(QStringLiteral("Label5"), QRect(kLeft, 292, markX - 8 - kLeft, 324), 22,
                      Qt::AlignLeft | Qt::AlignTop, QString(), kTeal);
    Label6 = addLabel(QStringLiteral("Label6"), QRect(markX, 400, markWidth, 120), 84, Qt::AlignCenter, QString(),
                      Look::Red);
    Label6->setProperty("markLabel", true);

    Memo1 = new TMemo(QStringLiteral("Memo1"), this);
    Memo1->setFont(Look::face(22));
    Memo1->setLines(design.studyText);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int memoHeight = QFontMetrics(Memo1->font()).lineSpacing() * int(design.studyText.size()) + 24;
    Memo1->setGeometry(kLeft, design.memoTop, 600, memoHeight);
    Memo1->hide();

    ComboBox1 = addPicker(QStringLiteral("ComboBox1"), design.menuItems, {kRightEdge - kMenuWidth, 20}, kMenuWidth,
                          int(design.menuItems.size()), design.menuText);

    ComboBox4 = addPlacePicker(QStringLiteral("ComboBox4"), Hundreds, QStringLiteral("百"));
    ComboBox3 = addPlacePicker(QStringLiteral("ComboBox3"), Tens, QStringLiteral("十"));
    ComboBox2 = addPlacePicker(QStringLiteral("ComboBox2"), Ones, QStringLiteral("一"));

    CuteButton4 = addButton(QStringLiteral("CuteButton4"), QStringLiteral("つぎへ"), Look::Next,
                            {kRightEdge - 190, kButtonsY});
    CuteButton5 = addButton(QStringLiteral("CuteButton5"), QStringLiteral("答え"), Look::Answer,
                            {kRightEdge - 90, kButtonsY});
    // Bottom row: "おわる", "もくじへ", then the toggle.
    CuteButton1->move(kRightEdge - 290, BottomRowY);
    CuteButton2->move(kRightEdge - 190, BottomRowY);
    CuteButton3 = addModeToggle(QStringLiteral("CuteButton3"), {kRightEdge - 90, BottomRowY});
    CuteButton4->setEnabled(false);
    CuteButton5->setEnabled(false);

    Image1 = addPicture(QStringLiteral("Image1"));
    Label3 = addPromptLabel(QStringLiteral("Label3"));
}

TComboBox *TUnitsLesson::addPlacePicker(const QString &name, int place, const QString &placeName)
{
    const int x = kRightEdge - kPickerWidth - place * (kPickerWidth + kPickerGap);
    TComboBox *picker = addPicker(name, TComboBox::digits(), {x, kPickerTop}, kPickerWidth, 10, placeName);
    picker->hide();
    places_[place] = picker;
    placeNames_[place] = placeName;
    // The mark stands just left of the highest place.
    int left = x;
    for (TComboBox *c : places_)
        if (c)
            left = qMin(left, c->x());
    Label6->move(left - 6 - Label6->width(), Label6->y());
    return picker;
}

int *TUnitsLesson::slot(int place)
{
    switch (place) {
    case Tens: return &LessonState.Entry4;
    case Hundreds: return &LessonState.Entry3;
    case Thousands: return &LessonState.Entry2;
    default: return nullptr;
    }
}

void TUnitsLesson::ResetScreen()
{
    LessonState.GridShown = 0;
    LessonState.GivenAnswer = 0;
    for (int place = Tens; place <= Thousands; ++place)
        if (places_[place])
            *slot(place) = 0;
    for (TLabel *l : {Label3, Label4, Label5, Label6})
        l->setCaption(QString());
    for (TComboBox *c : places_)
        if (c)
            c->hide();
    CuteButton4->setEnabled(false);
    CuteButton5->setEnabled(false);
    Memo1->hide();
    problem_.reset();
}

void TUnitsLesson::ShowPickers()
{
    for (int place = Ones; place <= Thousands; ++place)
        if (TComboBox *c = places_[place]) {
            c->setItemIndex(-1);
            c->setText(placeNames_[place]);
            c->show();
        }
}

void TUnitsLesson::Pose(const UnitsProblem &p)
{
    problem_ = p;
    ProblemKind = p.kind;
    Label4->setCaption(p.text);
    if (!p.answerable)
        return;
    LessonState.OperandA = p.a;
    LessonState.OperandB = p.b;
    LessonState.OperandC = p.c;
    LessonState.OperandD = p.d;
    LessonState.Answer = p.answer;
    if (LessonState.LessonMode == 2) {
        Label3->setCaption(p.testPrompt);
        // The places below the marking one are not part of this answer.
        for (int place = Ones; place <= Thousands; ++place)
            if (places_[place])
                places_[place]->setEnabled(place >= p.markPlace);
    }
}

void TUnitsLesson::ShowWorkedAnswer()
{
    if (!problem_)
        return;
    if (!problem_->answerable) {
        Label5->setCaption(problem_->hint);
        return;
    }
    Label4->setCaption(problem_->equation);
    if (LessonState.LessonMode == 1)
        Label5->setCaption(problem_->hint);
}

void TUnitsLesson::FormCreate()
{
    ResetScreen();
    LessonState.AuxCount = 0;
    ComboBox2->hide();
    // The menu this screen goes on with is its own, whatever another screen
    // picked meanwhile; the toggle names the mode as it stands now.
    LessonState.MenuChoice = menu_;
    SetLessonMode(CuteButton3, LessonState.LessonMode == 2 ? 2 : 1);
    Prompt(kMenuPrompt);
    PlayCue(12);
}

void TUnitsLesson::ComboBox1Change()
{
    ResetScreen();
    menu_ = LessonState.MenuChoice = ComboBox1->itemIndex() + 1;
    SetLessonMode(CuteButton3, 1);
    if (menu_ == 1) {
        Memo1->move(Memo1->x(), kStudyTextTop);
        Memo1->show();
        Prompt(kOtherMenuPrompt);
    } else {
        CuteButton4->setEnabled(true);
        Prompt(kReadyPrompt);
    }
    menuPicked(menu_);
    PlayCue(12);
}

void TUnitsLesson::CuteButton3Click()
{
    ResetScreen();
    const int menu = LessonState.MenuChoice;
    if (LessonState.LessonMode == 1 && menu == 1) {
        services().dialogs->message(this, kNoTest);
        if (design_.promptAfterRefusal) {
            Prompt(kRefusedPrompt);
            PlayCue(12);
        }
        return;
    }
    if (LessonState.LessonMode == 1 && design_.studyOnlyMenus.contains(menu))
        services().dialogs->message(this, kNoTest);  // stays in study, and goes on where it was
    else
        SwitchLessonMode(CuteButton3);
    CuteButton4->setEnabled(true);
    Prompt(kReadyPrompt);
    PlayCue(12);
}

void TUnitsLesson::CuteButton4Click()
{
    ResetScreen();
    if (!DrawProblem()) {
        // A menu that poses nothing: no question, no pickers, nothing to mark.
        Prompt(kMenuPrompt);
        PlayCue(11);
        return;
    }
    if (LessonState.LessonMode == 2 && problem_->answerable) {
        ShowPickers();
        BlinkPrompt();  // the problem's own prompt, set as it was posed
    } else {
        CuteButton5->setEnabled(true);
        Prompt(kStudyPrompt);
    }
    PlayCue(11);
}

void TUnitsLesson::CuteButton5Click()
{
    ShowWorkedAnswer();
    CuteButton4->setEnabled(true);
    CuteButton5->setEnabled(false);
    Prompt(kReadyPrompt);
    PlayCue(11);
}

void TUnitsLesson::ComboBox4Change() { PlacePicked(Hundreds); }
void TUnitsLesson::ComboBox3Change() { PlacePicked(Tens); }
void TUnitsLesson::ComboBox2Change() { PlacePicked(Ones); }

void TUnitsLesson::PlacePicked(int place)
{
    // Only an answer to a problem this screen posed is read, and only in the
    // places its form uses.
    if (!problem_ || !problem_->answerable || place < problem_->markPlace || !places_[place])
        return;
    if (int *s = slot(place))
        *s = places_[place]->itemIndex();
    if (place > problem_->markPlace) {
        PlayCue(11);
        return;
    }
    Mark(*problem_, place);
}

void TUnitsLesson::Mark(const UnitsProblem &p, int place)
{
    int given = p.weights[place] * places_[place]->itemIndex();
    for (int higher = place + 1; higher <= Thousands; ++higher)
        if (places_[higher])
            given += p.weights[higher] * *slot(higher);
    LessonState.GivenAnswer = given;
    ShowWorkedAnswer();
    const bool right = given == p.answer;
    Label6->setCaption(right ? QStringLiteral("○") : QStringLiteral("×"));
    PlayCue(right ? 14 : 13);
    CuteButton4->setEnabled(true);
    Prompt(kReadyPrompt);
}

// ---------------------------------------------------------------- four places

TMetricUnitsLesson::TMetricUnitsLesson(const Services &services, const UnitsDesign &design)
    : TUnitsLesson(services, design)
{
    ComboBox5 = addPlacePicker(QStringLiteral("ComboBox5"), Thousands, QStringLiteral("千"));
}

void TMetricUnitsLesson::ComboBox5Change()
{
    PlacePicked(Thousands);
}
