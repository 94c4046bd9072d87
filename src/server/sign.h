#pragma once
// The small sign at the right of the contents window's menu bar, beside the
// pupil's name: whether everything practised on this machine has reached
// the class's server.
#include "server/outbox.h"

#include <QLabel>

// The sign's text and its tooltip for a state.
QString ServerSignText(const OutboxState &state);
QString ServerSignTip(const OutboxState &state);

class ServerSign : public QLabel {
    Q_OBJECT
public:
    explicit ServerSign(QWidget *parent = nullptr);
    void showState(const OutboxState &state);
};
