#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "state/outcome.h"
#include "state/window_port.h"

namespace app {

class SidePanel;

// The words the window adds beside the game, one line each in the side
// panel's notice and the status line: what was said instead of a box
// (fewer interruptions), how the last game ended and why, and the game
// resumed at start-up. Each is cleared when what it describes is over.
class PanelNotices : public QObject {
public:
    PanelNotices(QObject* owner, SidePanel& panel) : QObject(owner), panel_(panel) {}

    void setSaid(const QString& words);
    // The game ended so (the labels' facts name the players); cleared by clearOutcome.
    void setOutcome(state::Outcome o, const state::GameFacts& facts);
    void clearOutcome();
    // The kept game start-up went on with: its kind (a translatable name) and moves.
    void setResumed(const char* kind, int moves);
    void forgetResumed();
    bool resumed() const { return resumedKind_ != nullptr; }
    // The level suggested for the game that begins; empty for none.
    void setSuggestion(const QString& words);

    // The line the status shows, or empty for the game's own step text.
    QString statusLine() const;
    // Words again in the language chosen now.
    void retranslate() { show(); }

private:
    void show();

    SidePanel& panel_;
    QString said_;
    std::optional<state::Outcome> outcome_;
    state::GameFacts facts_;
    const char* resumedKind_ = nullptr;
    int resumedMoves_ = 0;
    QString suggestion_;
};

// How a game ended, in words: "あなたの勝ち（詰み）", "You win (checkmate)".
QString outcomeWords(state::Outcome o, const state::GameFacts& facts);

}  // namespace app
