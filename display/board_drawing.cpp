#include "display/board_drawing.h"

#include <cstdlib>

#include "display/texts.h"
#include "rules/move_check.h"
#include "state/game.h"

namespace display {

using namespace state;

using state::Image;
using state::ImageRef;

bool 駒画像(int code, ImageRef& image) {
    static constexpr Image kUpper[] = {Image::KARA_MASU, Image::UE_HU,  Image::UE_TO,  Image::UE_KYOU,
                                       Image::UE_KYOU,   Image::UE_KEI, Image::UE_KEI, Image::UE_GIN,
                                       Image::UE_GIN,    Image::UE_KIN, Image::UE_SYA, Image::UE_RYUU,
                                       Image::UE_KAKU,   Image::UE_UMA, Image::UE_OU,  Image::UE_OU};
    static constexpr Image kLower[] = {Image::KARA_MASU, Image::SITA_HU,  Image::SITA_TO,  Image::SITA_KYOU,
                                       Image::SITA_KYOU, Image::SITA_KEI, Image::SITA_KEI, Image::SITA_GIN,
                                       Image::SITA_GIN,  Image::SITA_KIN, Image::SITA_SYA, Image::SITA_RYUU,
                                       Image::SITA_KAKU, Image::SITA_UMA, Image::SITA_OU,  Image::SITA_OU};
    if (!state::isPieceCode(code)) return false;
    const int m = state::magnitude(code);
    image.name = code >= 1 ? kUpper[m] : kLower[m];
    image.element = (m == state::成香 || m == state::成桂 || m == state::成銀) ? 1 : 0;
    image.piece = code;
    return true;
}

void 描画_桝輪郭(state::Game& g, int colour, int x, int y) { g.port.outlineCell(colour, x, y); }

void 描画_四角形(state::Game& g, double x, double y, int width, int height, int colour) {
    g.port.fillRect(x, y, width, height, colour);
}

void 描画_桝(state::Game& g, int x, int y) {
    g.port.drawImage(ImageRef{Image::KARA_MASU, 0, 0}, x, y);
    描画_桝輪郭(g, state::kGreen, x, y);
}

void 描画_駒(state::Game& g, int code, int x, int y) {
    ImageRef image;
    if (駒画像(code, image)) g.port.drawImage(image, x, y);
    描画_桝輪郭(g, state::kGreen, x, y);
}

void 描画_盤(state::Game& g) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            描画_桝(g, x, y);
            if (g.board(x, y) != state::空) 描画_駒(g, g.board(x, y), x, y);
            描画_桝輪郭(g, state::kGreen, x, y);
        }
    }
}

void 描画_将棋盤桝(state::Game& g) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) 描画_桝輪郭(g, state::kGreen, x, y);
}

void 描画_移動可能桝色(state::Game& g, int fx, int fy, int colour, int piece) {
    描画_将棋盤桝(g);
    bool secondStepFrom[10][10] = {};
    const bool nue = piece == state::鵺王 || piece == -state::鵺王;
    // The squares the game's move check allows now, a waiting second step included.
    const rules::MoveContext now = rules::着手文脈(g.record, g.state.stepState == 2);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (rules::移動チェック(g.board, now, fx, fy, x, y, piece) != state::有) continue;
            描画_桝輪郭(g, colour, x, y);
            if (nue && std::abs(x - fx) < 2 && std::abs(y - fy) < 2) secondStepFrom[x][y] = true;
        }
    }
    if (colour == state::kGreen) return;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (secondStepFrom[x][y]) 描画_桝輪郭(g, state::kLightRed, x, y);
}

void 画面_再描画(state::Game& g) {
    描画_四角形(g, 11, 2, 3000, 4000, state::kGreen);
    消去_棋譜見出し(g);
    描画_盤(g);
    描画_桝_数値(g);
    g.port.drawImage(ImageRef{Image::TITLE, 0, 0}, 11.2, 1);
}

}  // namespace display
