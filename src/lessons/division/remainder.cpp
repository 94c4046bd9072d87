#include "lessons/division/remainder.h"

#include "frame/lessonstate.h"

DivisionStory RemainderStory()
{
    DivisionStory s;
    s.subtitle = QStringLiteral("わり算とあまり");
    s.menuItems = {QStringLiteral("あまり"), QStringLiteral("九九をつかう")};
    s.rowApples = 13;
    s.leftOver = 1;
    s.storyStart = {
        QStringLiteral("リンゴが １３コ あるよ。"),
        QStringLiteral("４コずつ はこに いれていくと、"),
        QStringLiteral("どうなる？"),
    };
    s.step1 = {
        QStringLiteral("【ステップ１】"),
        QStringLiteral(""),
        QStringLiteral("　４つずつ ３つの はこに いれると、１つ あまるよ。"),
    };
    s.step2 = {
        QStringLiteral("【ステップ２】"),
        QStringLiteral(""),
        QStringLiteral("　このように、わり算では、あまりが でる"),
        QStringLiteral("　ことが あるよ。"),
        QStringLiteral(""),
        QStringLiteral("　あまりのある わり算では つぎのように "),
        QStringLiteral("　かくよ。"),
        QStringLiteral(""),
        QStringLiteral("　　　　　13 ÷ 4 = 3  あまり 1"),
        QStringLiteral("　または、13 ÷ 4 = 3  ・・・ 1"),
    };
    s.method = {
        QStringLiteral("13 ÷ 4 の 答えを もとめるには、"),
        QStringLiteral("九九の「４のだん」で １３に なる数は"),
        QStringLiteral("ないので、１３より 小さく １３に 一ばん  "),
        QStringLiteral("ちかくなる 数を さがすと、"),
        QStringLiteral("「しさん じゅうに」の １２ になるね。"),
        QStringLiteral("そこで、答えは ３で、あまりは、１３から １２を "),
        QStringLiteral("ひいた １ に なるよ。"),
        QStringLiteral(""),
        QStringLiteral("13 ÷ 4 = 3  あまり 1"),
    };
    s.memo = {
        QStringLiteral(""),
        QStringLiteral("　【答えの たしかめ】"),
        QStringLiteral(""),
        QStringLiteral("　13 ÷ 4 = 3  あまり 1"),
        QStringLiteral("　の 答えを たしかめるには、"),
        QStringLiteral("　"),
        QStringLiteral("　わる数(4)に 答え(3)を かけ、これに あまり(1)を "),
        QStringLiteral("　たした数が わられる数(13)に なれば ＯＫだよ。"),
        QStringLiteral(""),
        QStringLiteral("　4 x 3 + 1 = 13"),
    };
    s.memoDesignedTop = 288;
    s.memoClears = true;  // the memo stands alone on a cleared screen
    s.posedPrompt = QStringLiteral("「答え」→「あまり」の じゅんに えらんでね！");
    s.textWidth = 600;
    s.markPlace = QRect(636, 196, 120, 120);
    s.memoLeft = 24;
    return s;
}

TForm22::TForm22(const Services &services) : TDivisionLesson(services, RemainderStory())
{
    ComboBox2 = places_.add({"ComboBox2", 0, QStringLiteral("あまり"), 1, nullptr, Keeps::Digit,
                             DivisionPickerItems(3, true)});
    // The quotient waits in Entry4 for the remainder's pick.
    ComboBox3 = places_.add({"ComboBox3", 1, QStringLiteral("答え"), 1, &TLessonState::Entry4, Keeps::Digit,
                             DivisionPickerItems(2, true)});
}

void TForm22::DrawProblem()
{
    const DivisionProblem p = DrawRemainderDivision(*services().random);
    LessonState.OperandA = p.divisor;
    LessonState.OperandB = p.quotient;
    LessonState.OperandC = p.remainder;
    LessonState.Answer = p.dividend();
    LessonState.Entry4 = 0;
    Label5->setCaption(DivisionQuestion(p));
}

void TForm22::ComboBox3Change()
{
    places_.pick(ComboBox3);
    PlayCue(Cue::Bun);
}

void TForm22::ComboBox2Change()
{
    const DivisionProblem p{LessonState.OperandA, LessonState.OperandB, LessonState.OperandC};
    Label4->setCaption(DivisionCheck(p));
    Label5->setCaption(DivisionEquation(p));
    // The quotient and the remainder are marked together.
    Mark({2, {p.dividend(), p.divisor}, p.quotient, LessonState.Entry4, p.remainder, places_.digit(0)});
}
