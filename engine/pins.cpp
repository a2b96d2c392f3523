#include "engine/pins.h"

#include <array>

#include "engine/move_context.h"
#include "state/board_trial.h"
#include "state/game_data.h"

namespace engine {

namespace {

struct Sliders {
    std::array<int, 81> x{}, y{}, code{};
    int count = 0;
};

// The sliders of one side in scan order. Lifting a piece of the other side
// never changes this list, so it is gathered once.
Sliders slidersOf(const state::Board& b, int sign) {
    Sliders s;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int m = b(x, y) * sign;
            if (m == state::香 || m == state::角 || m == state::馬 || m == state::飛 || m == state::龍) {
                s.x[s.count] = x;
                s.y[s.count] = y;
                s.code[s.count] = b(x, y);
                ++s.count;
            }
        }
    }
    return s;
}

bool someSliderReaches(state::GameData& g, const Sliders& s, int kx, int ky) {
    bool reached = false;
    for (int i = 0; i < s.count; ++i)
        if (移動チェック(g, s.x[i], s.y[i], kx, ky, s.code[i]) == state::有) reached = true;
    return reached;
}

}  // namespace

void 調査_移動不可駒(state::GameData& g) {
    const Sliders comSliders = slidersOf(g.board, +1);
    const Sliders manSliders = slidersOf(g.board, -1);
    g.pins.comHasPinned = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            g.pins.manPinned(x, y) = 0;
            const int c = g.board(x, y);
            if (c == state::空) continue;
            state::BoardTrial lifted(g.board);
            lifted.set(x, y, state::空);
            if (c <= -1 && someSliderReaches(g, comSliders, g.maps.manKingX, g.maps.manKingY))
                g.pins.manPinned(x, y) = 1;
            if (c >= 1 && someSliderReaches(g, manSliders, g.maps.comKingX, g.maps.comKingY))
                g.pins.comHasPinned = 1;
        }
    }
}

}  // namespace engine
