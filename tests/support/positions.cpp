#include "positions.h"

#include "rules/move_execution.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace testing_support {

void setBoard(state::Game& g, std::string_view diagram) {
    std::istringstream in{std::string(diagram)};
    std::string token;
    int i = 0;
    while (in >> token) {
        if (i >= 81) throw std::invalid_argument("more than 81 squares in diagram");
        const int x = i % 9 + 1;
        const int y = i / 9 + 1;
        g.board(x, y) = token == "." ? 0 : std::stoi(token);
        ++i;
    }
    if (i != 81) throw std::invalid_argument("diagram needs 81 squares");
}

std::string boardText(const state::Board& b) {
    std::string out;
    for (int y = 1; y <= 9; ++y) {
        for (int x = 1; x <= 9; ++x) {
            char cell[8];
            if (b(x, y) == 0)
                std::snprintf(cell, sizeof cell, "%4s", ".");
            else
                std::snprintf(cell, sizeof cell, "%4d", b(x, y));
            out += cell;
        }
        out += '\n';
    }
    return out;
}

std::string mapText(const state::Grid<int>& m) {
    std::string out;
    for (int y = 1; y <= 9; ++y) {
        for (int x = 1; x <= 9; ++x) {
            char cell[8];
            std::snprintf(cell, sizeof cell, "%4d", m(x, y));
            out += cell;
        }
        out += '\n';
    }
    return out;
}

int 移動チェック(state::GameData& g, int fx, int fy, int tx, int ty, int piece) {
    return rules::移動チェック(g.board, rules::着手文脈(g.record, g.state.stepState == 2), fx, fy, tx, ty,
                               piece);
}

int 調査_鵺守(state::GameData& g, state::Side side, int fx, int fy, int nx, int ny) {
    return rules::調査_鵺守(g.board, rules::着手文脈(g.record, g.state.stepState == 2), side, fx, fy, nx, ny);
}

std::vector<Square> destinations(state::Game& g, int x, int y, int piece) {
    std::vector<Square> out;
    for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
            if (移動チェック(g, x, y, tx, ty, piece) == state::有) out.emplace_back(tx, ty);
    return out;
}

}  // namespace testing_support
