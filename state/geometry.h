#pragma once

#include <cmath>

namespace state {

// The one mapping between the board's squares, the places of the texts and
// the pointer: the surface is measured in twips, and cell (X, Y) of the board
// grid has its top-left corner at (200 + 490 X, -300 + 600 Y) and is 490 wide,
// 600 high. Texts stand at cell positions with fractions; squares are cells
// 1..9, so cell (1, 1) starts at twip (690, 300).
inline constexpr double kGridLeft = 200, kGridTop = -300;
inline constexpr double kCellWidth = 490, kCellHeight = 600;

// A cell position in twips and back (fractions allowed).
constexpr double twipX(double cellX) { return kGridLeft + kCellWidth * cellX; }
constexpr double twipY(double cellY) { return kGridTop + kCellHeight * cellY; }
constexpr double cellX(double twipX) { return (twipX - kGridLeft) / kCellWidth; }
constexpr double cellY(double twipY) { return (twipY - kGridTop) / kCellHeight; }

// The column and row under a pointer position in twips; a point off the
// board gives a number outside 1..9.
inline int columnAt(double twipX) { return static_cast<int>(std::floor(cellX(twipX))); }
inline int rowAt(double twipY) { return static_cast<int>(std::floor(cellY(twipY))); }

// The middle of a square in twips.
constexpr double middleX(int column) { return twipX(column + 0.5); }
constexpr double middleY(int row) { return twipY(row + 0.5); }

}  // namespace state
