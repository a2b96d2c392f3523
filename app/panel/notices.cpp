#include "app/panel/notices.h"

#include <QCoreApplication>

#include "app/language/language.h"
#include "app/panel/side_panel.h"

namespace app {

QString outcomeWords(state::Outcome o, const state::GameFacts& facts) {
    const QString why = endReasonWords(o.reason);
    const std::optional<state::Side> winner = o.winner();
    if (!winner) return QCoreApplication::translate("Outcome", "引き分け（%1）").arg(why);
    const int side = state::sign(*winner);
    if (facts.humanSide != 0)
        return (side == facts.humanSide ? QCoreApplication::translate("Outcome", "あなたの勝ち（%1）")
                                        : QCoreApplication::translate("Outcome", "コンピュータの勝ち（%1）"))
            .arg(why);
    return (side == facts.firstMover ? QCoreApplication::translate("Outcome", "先手の勝ち（%1）")
                                     : QCoreApplication::translate("Outcome", "後手の勝ち（%1）"))
        .arg(why);
}

void PanelNotices::setSaid(const QString& words) {
    said_ = words;
    show();
}

void PanelNotices::setOutcome(state::Outcome o, const state::GameFacts& facts) {
    outcome_ = o;
    facts_ = facts;
    show();
}

void PanelNotices::clearOutcome() {
    outcome_.reset();
    show();
}

void PanelNotices::setSuggestion(const QString& words) {
    suggestion_ = words;
    show();
}

void PanelNotices::setResumed(const char* kind, int moves) {
    resumedKind_ = kind;
    resumedMoves_ = moves;
    show();
}

void PanelNotices::forgetResumed() {
    resumedKind_ = nullptr;
    show();
}

QString PanelNotices::statusLine() const {
    if (!said_.isEmpty()) return said_;
    if (outcome_)
        return QCoreApplication::translate("Outcome", "終局：%1").arg(outcomeWords(*outcome_, facts_));
    return {};
}

void PanelNotices::show() {
    QString text = statusLine();
    if (text.isEmpty() && resumedKind_)
        text = QCoreApplication::translate("Panel", "前回の%1を再開しました（%2手）")
                   .arg(QCoreApplication::translate("Panel", resumedKind_))
                   .arg(resumedMoves_);
    if (text.isEmpty()) text = suggestion_;
    panel_.setNotice(text);
}

}  // namespace app
