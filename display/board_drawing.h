#pragma once

#include "state/window_port.h"

namespace state {
struct Game;
}

namespace display {

// The image of a piece code (the king and the Nue King share one per side;
// promoted lance, knight and silver are element 1 of their kind's images).
// Code 0 has no image: answers false.
bool 駒画像(int code, state::ImageRef& image);

void 描画_桝輪郭(state::Game& g, int colour, int x, int y);
void 描画_四角形(state::Game& g, double x, double y, int width, int height, int colour);
void 描画_桝(state::Game& g, int x, int y);
void 描画_駒(state::Game& g, int code, int x, int y);
void 描画_盤(state::Game& g);
void 描画_将棋盤桝(state::Game& g);

// Outlines, in the given colour, every square the piece could move to from
// (移動元X, 移動元Y); with a visible colour a Nue King's adjacent squares are
// outlined again in light red (a second step can follow from them). With
// (0, 0), colour 2 and piece 0 it only removes all outlines.
void 描画_移動可能桝色(state::Game& g, int 移動元X, int 移動元Y, int colour, int piece);

void 画面_再描画(state::Game& g);

}  // namespace display
