#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace cli_lines {

inline std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// The value of square (x, y) in a line of 81 values after its name.
inline int valueAt(const std::string& line, int x, int y) {
    return std::stoi(words(line).at((y - 1) * 9 + x));
}

// The Nue King on (5, 4) takes the silver on (5, 5) and steps back: the
// computer's own two-step move, with a lower pawn, two lances and a king.
inline std::string twoStepBoard() {
    std::string board = "board";
    for (int i = 1; i <= 81; ++i) {
        const int y = (i - 1) / 9 + 1, x = (i - 1) % 9 + 1;
        int v = 0;
        if (x == 5 && y == 4) v = 14;
        if (x == 5 && y == 5) v = -7;
        if (x == 5 && y == 7) v = -1;
        if ((x == 4 || x == 6) && y == 9) v = -3;
        if (x == 1 && y == 9) v = -15;
        (board += ' ') += std::to_string(v);
    }
    return board;
}

}  // namespace cli_lines
