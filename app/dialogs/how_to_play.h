#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include "app/board/piece_sets.h"
#include "state/game_state.h"

class QTextBrowser;

namespace app {

class MainWindow;

// The status tips of 先手 and 後手: which army the player gets.
inline constexpr const char* kSenteTip =
    QT_TRANSLATE_NOOP("Tip", "あなたが鵺王ひとつを持って先に指し、コンピュータが将棋の全軍を持ちます");
inline constexpr const char* kGoteTip =
    QT_TRANSLATE_NOOP("Tip", "あなたが将棋の全軍を持ち、コンピュータの鵺王が先に指します");

// What the status line says of the game now: that a Nue King waits for its
// second step, or nothing.
QString stepStatus(const state::GameState& s);

// The pictures of the page, drawn with the game's own pieces and marks.
enum class Diagram { Jump, TwoSteps, Army, GameEnd, Recapture, Marks, Influence };
inline constexpr Diagram kDiagrams[] = {Diagram::Jump,     Diagram::TwoSteps,  Diagram::Army,
                                        Diagram::GameEnd,  Diagram::Recapture, Diagram::Marks,
                                        Diagram::Influence};
// 例: drawDiagram(Diagram::Jump, PieceSet::Kanji2, 1.0) is five squares by five
QImage drawDiagram(Diagram diagram, PieceSet set, double pixelRatio);

// その他 → 遊び方: how the game is played, in the language of the window,
// with the pieces of the set the board shows.
class HowToPlay : public QDialog {
public:
    explicit HowToPlay(MainWindow& window);

    // Writes the page afresh and shows it.
    void showPage();
    QTextBrowser* browser() const { return browser_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void write();

    MainWindow& window_;
    QTextBrowser* browser_ = nullptr;  // owned by the dialog
};

}  // namespace app
