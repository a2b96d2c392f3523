#include "record/notation.h"

#include "record/record_moves.h"
#include "rules/promotion_zone.h"
#include "state/pieces.h"

namespace record {

namespace {

constexpr std::string_view kFullWidthDigits[] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
constexpr std::string_view kKanjiNumerals[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
// The board's move texts leave the promoted lance, knight and silver unnamed.
constexpr std::string_view kPieceNames[] = {"", "歩", "と", "香", "",   "桂", "",     "銀",
                                            "", "金", "飛", "龍", "角", "馬", "鵺王", "王"};
constexpr std::string_view kSpokenNames[] = {"",     "歩", "と", "香", "成香", "桂", "成桂", "銀",
                                             "成銀", "金", "飛", "龍", "角",   "馬", "鵺王", "王"};
constexpr std::string_view kLetters[] = {"",   "P", "+P", "L",  "+L", "N",  "+N", "S",
                                         "+S", "G", "R",  "+R", "B",  "+B", "U",  "K"};
constexpr std::string_view kEnglishNames[] = {"",
                                              "Pawn",
                                              "Tokin",
                                              "Lance",
                                              "Promoted lance",
                                              "Knight",
                                              "Promoted knight",
                                              "Silver",
                                              "Promoted silver",
                                              "Gold",
                                              "Rook",
                                              "Dragon",
                                              "Bishop",
                                              "Horse",
                                              "Nue King",
                                              "King"};

std::size_t kindOf(int code) { return static_cast<std::size_t>(code < 0 ? -code : code); }
bool named(int code) { return code >= -15 && code <= 15; }

// Where a move's last step starts and ends: promotion is decided there.
int lastFromY(const state::Move& m) { return m.twoStep ? m.toY : m.fromY; }

bool promotionDeclined(const state::Move& m) {
    return !m.promotes() && rules::成れる(lastFromY(m), m.lastY(), m.moved);
}

std::string japaneseSquare(int x, int y, Square previous) {
    if (Square{x, y} == previous) return "同";
    return 升目名(x, y);
}

std::string japanese(const state::Move& m, Square previous) {
    std::string text = japaneseSquare(m.toX, m.toY, previous);
    if (m.twoStep) (text += "・") += japaneseSquare(m.toX2, m.toY2, previous);
    text += 駒名(m.moved);
    if (m.promotes())
        text += "成";
    else if (promotionDeclined(m))
        text += "不成";
    return text;
}

std::string western(const state::Move& m) {
    std::string text(西洋駒(m.moved));
    text += m.captured != 0 ? "x" : "-";
    text += 西洋升目(m.toX, m.toY);
    if (m.twoStep) {
        text += m.captured2 != 0 ? "x" : "-";
        text += 西洋升目(m.toX2, m.toY2);
    }
    if (m.promotes())
        text += "+";
    else if (promotionDeclined(m))
        text += "=";
    return text;
}

std::string spokenJapanese(const state::Move& m, int firstMover) {
    std::string text = m.side() == firstMover ? "先手 " : "後手 ";
    text += 升目名(m.toX, m.toY);
    if (m.twoStep) (text += " ") += 升目名(m.toX2, m.toY2);
    (text += " ") += 駒の呼び名(m.moved);
    if (m.promotes())
        text += " 成り";
    else if (promotionDeclined(m))
        text += " 不成";
    return text;
}

std::string spokenStep(int captured, int x, int y) {
    return (captured != 0 ? " takes " : " to ") + 西洋升目(x, y);
}

std::string spokenEnglish(const state::Move& m, int firstMover) {
    std::string text = m.side() == firstMover ? "First: " : "Second: ";
    text += 英語駒名(m.moved);
    text += spokenStep(m.captured, m.toX, m.toY);
    if (m.twoStep) (text += ", then") += spokenStep(m.captured2, m.toX2, m.toY2);
    if (m.promotes())
        text += ", promotes";
    else if (promotionDeclined(m))
        text += ", does not promote";
    return text;
}

}  // namespace

std::string_view 全角数字(int v) { return v >= 1 && v <= 9 ? kFullWidthDigits[v] : std::string_view{}; }
std::string_view 漢数字(int v) { return v >= 1 && v <= 9 ? kKanjiNumerals[v] : std::string_view{}; }
std::string_view 駒名(int code) { return named(code) ? kPieceNames[kindOf(code)] : std::string_view{}; }
std::string_view 駒の呼び名(int code) {
    return named(code) ? kSpokenNames[kindOf(code)] : std::string_view{};
}
std::string 升目名(int x, int y) { return std::string(全角数字(10 - x)) + std::string(漢数字(y)); }

std::string 西洋升目(int x, int y) {
    std::string text(1, static_cast<char>('0' + 10 - x));
    return text += static_cast<char>('a' + y - 1);
}
std::string_view 西洋駒(int code) { return named(code) ? kLetters[kindOf(code)] : std::string_view{}; }
std::string_view 英語駒名(int code) { return named(code) ? kEnglishNames[kindOf(code)] : std::string_view{}; }

std::string_view 手番記号(int side, int firstMover) { return (side >= 1) == (firstMover >= 1) ? "▲" : "△"; }

std::string 指し手表記(const state::Move& m, Notation n, Square previous) {
    return n == Notation::Japanese ? japanese(m, previous) : western(m);
}

std::string 指しかけ表記(const state::Move& firstStep, Notation n, Square previous) {
    if (n == Notation::Japanese) return japaneseSquare(firstStep.toX, firstStep.toY, previous) + "・…";
    std::string text(西洋駒(firstStep.moved));
    text += firstStep.captured != 0 ? "x" : "-";
    return text += 西洋升目(firstStep.toX, firstStep.toY) + "-…";
}

std::string ヒント表記(const state::Move& m, Notation n) {
    if (n == Notation::Western) return western(m);
    std::string text = 升目名(m.fromX, m.fromY) + "→" + 升目名(m.toX, m.toY);
    text += 駒名(m.placed);
    if (m.twoStep) text += "→" + 升目名(m.toX2, m.toY2);
    return text;
}

std::string 読み上げ(const state::Move& m, int firstMover, Notation n) {
    return n == Notation::Japanese ? spokenJapanese(m, firstMover) : spokenEnglish(m, firstMover);
}

std::string 升目の読み上げ(int x, int y, int code, Notation n) {
    if (n == Notation::Western) {
        const std::string square = 西洋升目(x, y);
        if (code == 0 || !named(code)) return square + " empty";
        return square + " " + std::string(英語駒名(code)) + (code < 0 ? ", lower" : ", upper");
    }
    const std::string square = 升目名(x, y);
    if (code == 0) return square + " 空き";
    if (!named(code)) return square;
    return square + " " + std::string(駒の呼び名(code)) + (code < 0 ? " 手前" : " 奥");
}

std::vector<NotationLine> 棋譜表記(const state::MoveRecord& r, int firstMover, Notation n, bool pending) {
    std::vector<NotationLine> lines;
    Square previous;
    for (int k = 1; k <= r.last && k <= state::MoveRecord::kCapacity;) {
        const int last = 手の最後(r, k);
        const state::Move m = 記録の手(r, k);
        std::string text(手番記号(m.side(), firstMover));
        text += pending && k == r.counter ? 指しかけ表記(m, n, previous) : 指し手表記(m, n, previous);
        lines.push_back({k, last, std::move(text)});
        previous = {m.lastX(), m.lastY()};
        k = last + 1;
    }
    return lines;
}

int 先手の側(const state::GameState& s) { return s.humanToken == 1 ? -1 : 1; }

int 表記行(const std::vector<NotationLine>& lines, int counter) {
    int line = 0;
    while (line < static_cast<int>(lines.size()) && lines[static_cast<std::size_t>(line)].last <= counter)
        ++line;
    return line;
}

}  // namespace record
