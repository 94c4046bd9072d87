#include "lessons/division/timestable.h"

#include "frame/lessonstate.h"

DivisionStory TimesTableStory()
{
    DivisionStory s;
    s.subtitle = QStringLiteral("わり算と九九");
    s.menuItems = {QStringLiteral("わり算のしき"), QStringLiteral("九九をつかう")};
    s.rowApples = 12;
    s.leftOver = 0;
    s.storyStart = {
        QStringLiteral("リンゴが １２コ あるよ。"),
        QStringLiteral("４コずつ はこに いれると、はこは "),
        QStringLiteral("いくつ あればいい？"),
    };
    s.step1 = {
        QStringLiteral("【ステップ１】"),
        QStringLiteral(""),
        QStringLiteral("　はこは ３つ あればいいよ。"),
    };
    s.step2 = {
        QStringLiteral("【ステップ２】"),
        QStringLiteral(""),
        QStringLiteral("　このように、１２コの リンゴを ４コずつ"),
        QStringLiteral("　はこに いれる時、はこが いくつ あれば"),
        QStringLiteral("　いいかを もとめるような 計算を わり算"),
        QStringLiteral("　というよ。"),
        QStringLiteral(""),
        QStringLiteral("　わり算の しきは つぎのように かいて、"),
        QStringLiteral("　「12 わる 4 は 3 」と よむよ。"),
        QStringLiteral(""),
        QStringLiteral("　　12 ÷ 4 = 3"),
    };
    s.method = {
        QStringLiteral("前のメニューから： 12 ÷ 4 = 3"),
        QStringLiteral("また、かけ算から： 4 x 3 = 12"),
        QStringLiteral(""),
        QStringLiteral("そこで、12 ÷ 4 の 答えは、"),
        QStringLiteral("4 x ? = 12 の ？ に なるので、"),
        QStringLiteral("九九の「４のだん」で １２に なる数を"),
        QStringLiteral("みつければ いいよ。"),
        QStringLiteral("「しさん じゅうに」から、答えは ３。"),
    };
    s.memo = {
        QStringLiteral(""),
        QStringLiteral("　【０のわり算】"),
        QStringLiteral(""),
        QStringLiteral("　0 ÷ 3 の 計算は、"),
        QStringLiteral("　3 ｘ ? = 0 の ？ を もとめればよく、"),
        QStringLiteral("　答えは ０ だよ。"),
    };
    s.memoDesignedTop = 360;
    s.memoClears = false;  // the memo stands beside what the screen shows
    s.posedPrompt = QStringLiteral("答えを えらんでね！");
    // The memo opens at the right of the pictures and texts, and the mark
    // stands under it, so the memo hides nothing of a problem.
    s.textWidth = 440;
    s.markPlace = QRect(490, 316, 120, 120);
    s.memoLeft = 484;
    return s;
}

TForm21::TForm21(const Services &services) : TDivisionLesson(services, TimesTableStory())
{
    ComboBox2 = places_.add({"ComboBox2", 0, QStringLiteral("答え"), 1, nullptr, Keeps::Digit, DivisionPickerItems(2, true)});
}

void TForm21::DrawProblem()
{
    const DivisionProblem p = DrawExactDivision(*services().random);
    LessonState.OperandA = p.divisor;
    LessonState.OperandB = p.quotient;
    LessonState.Answer = p.quotient;
    Label5->setCaption(DivisionQuestion(p));
}

void TForm21::ComboBox2Change()
{
    LessonState.GivenAnswer = places_.value();
    const DivisionProblem p{LessonState.OperandA, LessonState.OperandB, 0};
    Label4->setCaption(TimesTableFact(p));
    Label5->setCaption(DivisionEquation(p));
    Mark({2, {p.dividend(), p.divisor}, LessonState.Answer, LessonState.GivenAnswer});
}
