#include "lessons/units/flow.h"

#include "frame/lessonstate.h"
#include "frame/look.h"
#include "frame/prompts.h"

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
const QString kOtherMenuPrompt = QStringLiteral("ほかの「メニュー」を えらんでね！");
const QString kRefusedPrompt = QStringLiteral("ほかの メニューを えらんでね！");

// On the 955 × 716 window: the question and its working at the left, the
// mark beside the pickers, and at the right a column of the menu, the
// pickers and the buttons.
constexpr int kLeft = 40;
constexpr int kMenuWidth = 150;
constexpr Look::PickerRow kPickers = Look::Pickers::Units;
constexpr int kButtonsY = 560;
constexpr int kStudyTextTop = 176;  // where the study text stands when shown
// The question and its working leave room for the mark beside four
// pickers, the most a units screen has.
constexpr int kMarkWidth = 120;
constexpr int kMarkX = kPickers.x(Thousands) - 6 - kMarkWidth;

TLesson unitsLesson(const UnitsDesign &design)
{
    TLesson l;
    l.title = QStringLiteral("たんい の ある 計算");
    l.subtitle = design.title;
    Look::LessonGeometry &g = l.geometry;
    g.setTitles(-1, 560, 14, 70, 36);
    g.problem = QRect(kLeft, 176, kMarkX + kMarkWidth - kLeft, 104);
    g.problemPixels = 32;
    g.mark = QRect(kMarkX, 400, kMarkWidth, 120);
    g.markPixels = 84;
    g.next = QPoint(Look::RightEdge - 190, kButtonsY);
    l.markedPrompt = Prompts::Next;
    // The study text has no test, nor the menus the lesson names.
    l.noTestMenus = QList<int>{1} + design.studyOnlyMenus;
    l.refusal = QStringLiteral("ごめんね！このメニューには、テストは ないよ。");
    return l;
}
}  // namespace

TUnitsLesson::TUnitsLesson(const Services &services, const UnitsDesign &design)
    : TLessonScreen(services, unitsLesson(design)), design_(design), places_(this, kPickers)
{
    Label1 = addTitle(QStringLiteral("Label1"));
    Label2 = addSubtitle(QStringLiteral("Label2"));
    Label4 = addProblemLine(QStringLiteral("Label4"));
    Label5 = addLabel(QStringLiteral("Label5"), QRect(kLeft, 292, kMarkX - 8 - kLeft, 324), 22,
                      Qt::AlignLeft | Qt::AlignTop, QString(), Look::Teal);
    Label6 = addMark(QStringLiteral("Label6"));

    const int memoHeight = QFontMetrics(Look::face(22)).lineSpacing() * int(design.studyText.size()) + 24;
    Memo1 = addMemo(QStringLiteral("Memo1"), design.studyText, QRect(kLeft, design.memoTop, 600, memoHeight),
                    MemoStyle{22, false, false});

    ComboBox1 = addPicker(QStringLiteral("ComboBox1"), design.menuItems, {Look::RightEdge - kMenuWidth, 20},
                          kMenuWidth, int(design.menuItems.size()), design.menuText);

    ComboBox4 = addPlacePicker({"ComboBox4", Hundreds, QStringLiteral("百"), 100, &TLessonState::Entry3});
    ComboBox3 = addPlacePicker({"ComboBox3", Tens, QStringLiteral("十"), 10, &TLessonState::Entry4});
    ComboBox2 = addPlacePicker({"ComboBox2", Ones, QStringLiteral("一"), 1});

    CuteButton4 = addNextButton(QStringLiteral("CuteButton4"));
    CuteButton5 = addButton(QStringLiteral("CuteButton5"), QStringLiteral("答え"), Look::Answer,
                            {Look::RightEdge - 90, kButtonsY});
    CuteButton3 = addToggle(QStringLiteral("CuteButton3"));
    CuteButton4->setEnabled(false);
    CuteButton5->setEnabled(false);

    Label3 = addPictureAndPrompt(QStringLiteral("Image1"), QStringLiteral("Label3"), &Image1);
}

TComboBox *TUnitsLesson::addPlacePicker(PlaceRow row)
{
    row.items = TComboBox::digits();
    TComboBox *picker = places_.add(row);
    // The mark stands just left of the highest place.
    Label6->move(places_.left() - 6 - Label6->width(), Label6->y());
    return picker;
}

void TUnitsLesson::ResetScreen()
{
    LessonState.GridShown = 0;
    LessonState.GivenAnswer = 0;
    places_.zero();
    for (TLabel *l : {Label3, Label4, Label5, Label6})
        l->setCaption(QString());
    places_.hide();
    CuteButton4->setEnabled(false);
    CuteButton5->setEnabled(false);
    Memo1->hide();
    problem_.reset();
}

void TUnitsLesson::ShowPickers()
{
    places_.show();
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
        places_.enable(p.markPlace);
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
    restoreMenu();
    SetLessonMode(CuteButton3, LessonState.LessonMode == 2 ? 2 : 1);
    Prompt(Prompts::Menu);
    PlayCue(Cue::Poon);
}

void TUnitsLesson::ComboBox1Change()
{
    ResetScreen();
    keepMenu(ComboBox1->itemIndex() + 1);
    SetLessonMode(CuteButton3, 1);
    if (MenuPicked() == 1) {
        Memo1->move(Memo1->x(), kStudyTextTop);
        Memo1->show();
        Prompt(kOtherMenuPrompt);
    } else {
        CuteButton4->setEnabled(true);
        Prompt(Prompts::Next);
    }
    menuPicked(MenuPicked());
    PlayCue(Cue::Poon);
}

void TUnitsLesson::CuteButton3Click()
{
    ResetScreen();
    const int menu = LessonState.MenuChoice;
    if (LessonState.LessonMode == 1 && RefuseTest(menu)) {
        // Refused on the study text, the screen waits for another menu;
        // refused on an exercise, it stays in study and goes on where it was.
        if (menu == 1) {
            if (design_.promptAfterRefusal) {
                Prompt(kRefusedPrompt);
                PlayCue(Cue::Poon);
            }
            return;
        }
    } else {
        SwitchLessonMode(CuteButton3);
    }
    CuteButton4->setEnabled(true);
    Prompt(Prompts::Next);
    PlayCue(Cue::Poon);
}

void TUnitsLesson::CuteButton4Click()
{
    ResetScreen();
    if (!DrawProblem()) {
        // A menu that poses nothing: no question, no pickers, nothing to mark.
        Prompt(Prompts::Menu);
        PlayCue(Cue::Pipo);
        return;
    }
    if (LessonState.LessonMode == 2 && problem_->answerable) {
        ShowPickers();
        BlinkPrompt();  // the problem's own prompt, set as it was posed
    } else {
        CuteButton5->setEnabled(true);
        Prompt(Prompts::AnswerButton);
    }
    PlayCue(Cue::Pipo);
}

void TUnitsLesson::CuteButton5Click()
{
    ShowWorkedAnswer();
    CuteButton4->setEnabled(true);
    CuteButton5->setEnabled(false);
    Prompt(Prompts::Next);
    PlayCue(Cue::Pipo);
}

void TUnitsLesson::ComboBox4Change() { PlacePicked(Hundreds); }
void TUnitsLesson::ComboBox3Change() { PlacePicked(Tens); }
void TUnitsLesson::ComboBox2Change() { PlacePicked(Ones); }

void TUnitsLesson::PlacePicked(int place)
{
    // Only an answer to a problem this screen posed is read, and only in the
    // places its form uses.
    if (!problem_ || !problem_->answerable || place < problem_->markPlace || !places_.picker(place))
        return;
    places_.pick(places_.picker(place));
    if (place > problem_->markPlace) {
        PlayCue(Cue::Pipo);
        return;
    }
    const UnitsProblem &p = *problem_;
    LessonState.GivenAnswer = places_.value(place, QList<int>(p.weights.begin(), p.weights.end()));
    ShowWorkedAnswer();
    Mark({p.kind, {p.a, p.b, p.c, p.d}, p.answer, LessonState.GivenAnswer});
}

// ---------------------------------------------------------------- four places

TMetricUnitsLesson::TMetricUnitsLesson(const Services &services, const UnitsDesign &design)
    : TUnitsLesson(services, design)
{
    ComboBox5 = addPlacePicker({"ComboBox5", Thousands, QStringLiteral("千"), 1000, &TLessonState::Entry2});
}

void TMetricUnitsLesson::ComboBox5Change()
{
    PlacePicked(Thousands);
}
