#pragma once
// The prompts several lessons share, each defined once in every wording a
// lesson shows it (with and without the space before the verb: a lesson's
// own wording never changes).
#include <QString>

namespace Prompts {
inline const QString Menu = QStringLiteral("「メニュー」を えらんでね！");
inline const QString MenuTight = QStringLiteral("「メニュー」をえらんでね！");
inline const QString Next = QStringLiteral("「つぎへ」ボタンで すすめてね！");
inline const QString NextTight = QStringLiteral("「つぎへ」ボタンですすめてね！");
inline const QString Step = QStringLiteral("「ステップ」ボタンで すすめてね！");
inline const QString StepTight = QStringLiteral("「ステップ」ボタンですすめてね！");
inline const QString AnswerButton = QStringLiteral("「こたえ」ボタンを おしてね！");
inline const QString HighestPlaceFirst = QStringLiteral("答えは 大きい位から じゅんに えらんでね！");
inline const QString QuotientThenRemainder = QStringLiteral("「答え」→「あまり」の じゅんに えらんでね！");
inline const QString MemoShown = QStringLiteral("もういちど「ポイント」ボタンを おせば きえるよ！");
}  // namespace Prompts
