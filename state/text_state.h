#pragma once

namespace state {

// The window's current font: procedures set size and colour before they
// print, and the coordinate numbers turn bold on for good.
struct TextState {
    int size = 9;
    int colour = 15;
    bool bold = false;
};

}  // namespace state
