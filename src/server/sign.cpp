#include "server/sign.h"

#include "frame/look.h"

QString ServerSignText(const OutboxState &state)
{
    if (state.allSent())
        return QStringLiteral("● おくりました");
    if (state.unsent < 0)
        return QStringLiteral("○ サーバー");
    if (!state.reached && !state.trouble.isEmpty())
        return QStringLiteral("○ まだ おくれません");
    return QStringLiteral("◐ おくっています");
}

QString ServerSignTip(const OutboxState &state)
{
    QString tip = state.allSent() ? QStringLiteral("きろくは ぜんぶ クラスの サーバーに とどいています。")
                                  : QStringLiteral("サーバーに まだ とどいていない きろく：%1").arg(qMax(0, state.unsent));
    if (!state.trouble.isEmpty())
        tip += QStringLiteral("\n（%1）").arg(state.trouble);
    return tip;
}

ServerSign::ServerSign(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("ServerSign"));
    setFont(Look::face(12));
    showState({});
}

void ServerSign::showState(const OutboxState &state)
{
    setText(ServerSignText(state));
    setToolTip(ServerSignTip(state));
    // Green when everything is there, grey while it is not.
    setStyleSheet(state.allSent() ? QStringLiteral("color: #1b7f3b;") : QStringLiteral("color: #8a6d00;"));
}
