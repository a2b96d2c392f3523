#include "display/texts.h"

#include <string>

#include "display/board_drawing.h"
#include "record/kifu_format.h"
#include "record/notation.h"
#include "state/game.h"
#include "state/geometry.h"

namespace display {

using namespace state;

namespace {

// The place of the level number and its shadow, in twips.
constexpr int kLevelNumberWidth = 300;
constexpr int kLevelNumberHeight = 360;

// From row 0.6 down to the board's top edge, in twips.
constexpr int kColumnNumberBand = 240;

using state::SurfaceText;
using Kind = state::SurfaceText::Kind;

void print(state::Game& g, double x, double y, const SurfaceText& text) {
    g.port.printText(x, y, text, state::TextStyle{g.text.size, g.text.colour, g.text.bold});
}

SurfaceText numbered(Kind kind, int value) {
    SurfaceText t;
    t.kind = kind;
    t.value = value;
    return t;
}

SurfaceText movePart(Kind kind, const state::Move& shown) {
    SurfaceText t;
    t.kind = kind;
    t.move = shown;
    return t;
}

void setFont(state::Game& g, int size, int colour) {
    g.text.size = size;
    g.text.colour = colour;
}

}  // namespace

SurfaceText ラベル(state::Text text) {
    SurfaceText t;
    t.text = text;
    return t;
}

void 描画_数値(state::Game& g, double x, double y, int value, int colour, int mode, int size) {
    setFont(g, size, colour);
    if (mode == 0)
        print(g, x, y, numbered(Kind::Number, value));
    else if (value >= 1 && value <= 9)
        print(g, x, y, numbered(Kind::RowNumeral, value));
}

void 描画_数値(state::Game& g, double x, double y, const SurfaceText& text, int colour, int mode, int size) {
    setFont(g, size, colour);
    if (mode == 0) print(g, x, y, text);
}

void 描画_文字列(state::Game& g, double x, double y, int code, int colour, int size, int count) {
    setFont(g, size, colour);
    if (code == 99)
        print(g, x + 120.0 / state::kCellWidth, y + 160.0 / state::kCellHeight,
              numbered(Kind::MoveCountUnit, count));
}

void 描画_移動数値(state::Game& g, double x, double y, int value, int colour, const state::Move& shown) {
    setFont(g, 12, colour);
    if (value >= 1 && value <= 9)
        print(g, x, y, movePart(Kind::MoveColumn, shown));
    else if (value >= 1001 && value <= 1009)
        print(g, x, y, movePart(Kind::MoveRow, shown));
}

void 描画_移動駒種類(state::Game& g, double x, double y, int colour, const state::Move& shown) {
    setFont(g, 12, colour);
    // Promoted lance, knight and silver have no name on the board: nothing prints.
    if (!record::駒名(shown.placed).empty()) print(g, x, y, movePart(Kind::MovePiece, shown));
}

void 描画_移動結果(state::Game& g, double x, double y, const state::Move& shown, int colour) {
    const int tx = shown.lastX(), ty = shown.lastY();
    消去_移動結果(g, x, y);
    描画_移動数値(g, x + 0.1, y + 0.1, 10 - tx, state::kBlack, shown);
    描画_移動数値(g, x, y, 10 - tx, colour, shown);
    描画_移動数値(g, x + 0.5, y + 0.1, 1000 + ty, state::kBlack, shown);
    描画_移動数値(g, x + 0.4, y, 1000 + ty, colour, shown);
    描画_移動駒種類(g, x + 1.1, y + 0.1, state::kBlack, shown);
    描画_移動駒種類(g, x + 1, y, colour, shown);
}

void 消去_移動結果(state::Game& g, double x, double y) {
    描画_四角形(g, x - 0.3, y, 1250, 400, state::kGreen);
}

void 描画_桝_数値(state::Game& g) {
    g.text.bold = true;
    for (int i = 1; i <= 9; ++i) {
        // The band above the board only: a taller one would erase the top of
        // the pieces on the first row, which are drawn before the numbers.
        描画_四角形(g, i + 0.1, 0.6, 210, kColumnNumberBand, state::kGreen);
        描画_数値(g, i + 0.2, 0.7, 10 - i, state::kBlack, 0, 10);
        描画_数値(g, i + 0.1, 0.6, 10 - i, state::kWhite, 0, 10);
        描画_四角形(g, 10.1, i + 0.3, 210, 400, state::kGreen);
        描画_数値(g, 10.2, i + 0.4, i, state::kBlack, 1, 10);
        描画_数値(g, 10.1, i + 0.3, i, state::kWhite, 1, 10);
    }
}

void 描画_手数(state::Game& g, int n, int colour) {
    (void)colour;  // the number is always white on its black shadow
    描画_四角形(g, 11.8, 3.3, 1250, 300, state::kGreen);
    const double x = n < 10 ? 11.9 : (n < 100 ? 11.8 : 11.7);
    描画_数値(g, x + 0.1, 3.4, numbered(Kind::MoveCount, n), state::kBlack, 0, 12);
    描画_数値(g, x, 3.3, numbered(Kind::MoveCount, n), state::kWhite, 0, 12);
    描画_四角形(g, 12.8, 3.1, 2200, 560, state::kGreen);
    描画_文字列(g, 12.9, 3.2, 99, state::kBlack, 10, n);
    描画_文字列(g, 12.8, 3.1, 99, state::kWhite, 10, n);
}

void 描画_レベル(state::Game& g, int level) {
    描画_数値(g, -1.4, 0.2, ラベル(state::Text::LabelLevel), state::kBlack, 0, 10);
    描画_数値(g, -1.5, 0.1, ラベル(state::Text::LabelLevel), state::kWhite, 0, 10);
    // A new level's number would stand on top of the old one's: clear its place.
    描画_四角形(g, 0, 0, kLevelNumberWidth, kLevelNumberHeight, state::kGreen);
    描画_数値(g, 0.1, 0.1, level, state::kBlack, 0, 12);
    描画_数値(g, 0, 0, level, state::kWhite, 0, 12);
}

void 描画_影付き文字(state::Game& g, double x, double y, const SurfaceText& text, int size) {
    描画_数値(g, x + 0.1, y + 0.1, text, state::kBlack, 0, size);
    描画_数値(g, x, y, text, state::kWhite, 0, size);
}

void 描画_対局者(state::Game& g, double areaY, state::Text upper, double upperY, state::Text lower,
                 double lowerY, int size) {
    描画_四角形(g, 11, areaY, 595, 800, state::kGreen);
    描画_影付き文字(g, 11, upperY, ラベル(upper), size);
    描画_影付き文字(g, 11, lowerY, ラベル(lower), size);
}

namespace {

using state::cellX;
using state::cellY;

constexpr int kBelowBoardTop = 5760;    // the header lines below the board
constexpr int kAboveNumbersTop = -360;  // the top of the surface
constexpr int kSecondLineX = 3700;

// A header line as the file has it, with the player it names when the game wrote it.
SurfaceText headerLine(const std::string& line) {
    SurfaceText t;
    t.kind = Kind::HeaderLine;
    t.literal = line;
    if (const std::optional<record::HeaderPlayer> p = record::見出しの対局者(line)) {
        t.namesPlayer = true;
        t.value = p->first ? 1 : 2;
        t.computerLevel = p->computerLevel;
    }
    return t;
}

}  // namespace

void 描画_棋譜見出し(state::Game& g, const std::array<std::string, 3>& lines) {
    // An empty line prints nothing, as a header line never read would not.
    const auto printLine = [&g](double x, double y, const std::string& line) {
        if (!line.empty()) 描画_数値(g, x, y, headerLine(line), state::kWhite, 0, 12);
    };
    printLine(cellX(800), cellY(6350), lines[0]);
    printLine(cellX(kSecondLineX), cellY(-340), lines[1]);
    printLine(cellX(kSecondLineX), cellY(6350), lines[2]);
}

void 消去_棋譜見出し(state::Game& g) {
    描画_四角形(g, cellX(690), cellY(kBelowBoardTop), 8800 - 690, 6700 - kBelowBoardTop, state::kGreen);
    描画_四角形(g, cellX(kSecondLineX - 50), cellY(kAboveNumbersTop), 8800 - kSecondLineX + 50, 400,
                state::kGreen);
}

void 描画_思考中(state::Game& g) {
    消去_移動結果(g, kUpperMoveX, kUpperMoveY);
    描画_影付き文字(g, kUpperMoveX, kUpperMoveY, ラベル(state::Text::Thinking), 12);
}

}  // namespace display
