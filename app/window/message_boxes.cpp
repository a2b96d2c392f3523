#include "app/window/message_boxes.h"

#include <QCoreApplication>

#include "app/language/language.h"

namespace app {

namespace {

// The caption of the window's own boxes.
constexpr const char* kBoxCaption = " QXぬえどり王";

}  // namespace

state::Answer MessageBoxes::ask(const state::Message& text, state::Text title, state::Buttons buttons,
                                state::Icon icon) {
    const bool question = buttons == state::Buttons::YesNo;
    if (stopped_) return question ? state::Answer::No : state::Answer::Ok;
    // The core names the message; the player reads it in the language chosen.
    const BoxRequest request{messageWords(text), titleWords(title), buttons, icon};
    if (fewer_ && !question) {
        QString words = QString::fromStdString(request.text).trimmed();
        // "詰め ?" alone does not say that the game is lost.
        if (title == state::Text::TitleMate)
            words = QString::fromStdString(request.title) + " " + words + " — " +
                    QCoreApplication::translate("Window", "コンピュータには勝ちまでの手順が見えています");
        say(words);
        return state::Answer::Ok;
    }
    if (!answer_) return question ? state::Answer::Yes : state::Answer::Ok;
    state::Answer a = answer_(&parent_, request);
    if (fewer_ && text.text == state::Text::PlayAgain) {
        if (a == state::Answer::No && !confirmQuit()) a = state::Answer::Yes;
        newGameWanted_ = a == state::Answer::Yes;
    }
    return a;
}

bool MessageBoxes::takeNewGameWanted() { return std::exchange(newGameWanted_, false); }

bool MessageBoxes::confirmQuit() {
    if (stopped_ || !answer_) return true;
    const QString text = QCoreApplication::translate("Window", "終了しますか？");
    return answer_(&parent_, BoxRequest{text.toStdString(), kBoxCaption, state::Buttons::YesNo,
                                        state::Icon::None}) == state::Answer::Yes;
}

void MessageBoxes::tell(const QString& text, state::Icon icon) {
    if (stopped_ || !answer_) return;
    answer_(&parent_, BoxRequest{text.toStdString(), kBoxCaption, state::Buttons::Ok, icon});
}

void MessageBoxes::say(const QString& words) {
    if (words.isEmpty()) return;
    said_ = said_.isEmpty() ? words : said_ + "　" + words;
}

}  // namespace app
