#include "record/exchange.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace record {

namespace {

// Letters by kind (the code's magnitude); the promoted kinds are + and the
// letter of their unpromoted kind.
constexpr std::array<char, 16> kLetters{0,   'P', 'P', 'L', 'L', 'N', 'N', 'S',
                                        'S', 'G', 'R', 'R', 'B', 'B', 'U', 'K'};
constexpr std::array<bool, 16> kPromoted{false, false, true,  false, true,  false, true,  false,
                                         true,  false, false, true,  false, true,  false, false};

// The unpromoted kind of an upper-case letter, 0 for none.
int kindOfLetter(char upper) {
    for (int kind = 1; kind <= state::王; ++kind)
        if (!kPromoted[static_cast<std::size_t>(kind)] && kLetters[static_cast<std::size_t>(kind)] == upper)
            return kind;
    return 0;
}

bool isLowerLetter(char c) { return 'a' <= c && c <= 'z'; }
bool isUpperLetter(char c) { return 'A' <= c && c <= 'Z'; }
char upperOf(char c) { return isLowerLetter(c) ? static_cast<char>(c - 'a' + 'A') : c; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The words of a text between spaces and tabs.
std::vector<std::string_view> fieldsOf(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i])) ++i;
        if (i > start) fields.push_back(text.substr(start, i - start));
    }
    return fields;
}

// ---- The board field ----

void appendPiece(std::string& out, int code) {
    const std::size_t kind = static_cast<std::size_t>(state::magnitude(code));
    if (kPromoted[kind]) out += '+';
    const char letter = kLetters[kind];
    out += state::isUpper(code) ? static_cast<char>(letter - 'A' + 'a') : letter;
}

void appendRank(std::string& out, const state::Board& b, int y) {
    int empty = 0;
    for (int x = 1; x <= 9; ++x) {
        const int code = b(x, y);
        if (code == state::空) {
            ++empty;
            continue;
        }
        if (empty > 0) out += static_cast<char>('0' + empty);
        empty = 0;
        appendPiece(out, code);
    }
    if (empty > 0) out += static_cast<char>('0' + empty);
}

PositionError boardError(PositionRefusal r, int rank, int count = 0, char letter = 0) {
    return {PositionField::Board, r, rank, count, letter};
}

// The piece a letter names, with a + before it when `promote`: its code, or
// the refusal. A letter of neither case, or one of no piece, is unknown.
std::variant<int, PositionError> pieceOf(char c, bool promote, int rank) {
    const int kind = kindOfLetter(upperOf(c));
    if (kind == 0 || !(isLowerLetter(c) || isUpperLetter(c)))
        return boardError(promote ? PositionRefusal::CannotPromote : PositionRefusal::UnknownLetter, rank, 0,
                          c);
    int code = kind;
    if (promote) {
        const int promoted = kind + 1;
        if (promoted > state::王 || !kPromoted[static_cast<std::size_t>(promoted)] ||
            kLetters[static_cast<std::size_t>(promoted)] != kLetters[static_cast<std::size_t>(kind)])
            return boardError(PositionRefusal::CannotPromote, rank, 0, c);
        code = promoted;
    }
    return isLowerLetter(c) ? code : -code;
}

// One rank, squares from file 9 (x = 1) to file 1; nothing when it is good.
// The whole rank is read before its length is judged, so the count said is
// the rank's own.
std::optional<PositionError> readRank(std::string_view text, int y, state::Board& b) {
    int squares = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ('1' <= c && c <= '9') {
            squares += c - '0';
            continue;
        }
        const bool promote = c == '+';
        if (promote && ++i == text.size()) return boardError(PositionRefusal::CannotPromote, y, 0, '+');
        const auto piece = pieceOf(text[i], promote, y);
        if (const auto* e = std::get_if<PositionError>(&piece)) return *e;
        if (++squares <= 9) b(squares, y) = std::get<int>(piece);
    }
    if (squares != 9) return boardError(PositionRefusal::RankLength, y, squares);
    return std::nullopt;
}

std::optional<PositionError> readBoard(std::string_view text, state::Board& b) {
    const auto ranks = static_cast<int>(std::count(text.begin(), text.end(), '/')) + 1;
    if (ranks != 9) return boardError(PositionRefusal::RankCount, 0, ranks);
    for (int y = 1; y <= 9; ++y) {
        const std::size_t end = text.find('/');
        if (auto e = readRank(text.substr(0, end), y, b)) return e;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return std::nullopt;
}

// Digits only; leading zeros are allowed, and a number of more than three
// significant digits is out of range without being converted.
std::optional<PositionError> readMoveNumber(std::string_view text, int& number) {
    if (!std::all_of(text.begin(), text.end(), [](char c) { return '0' <= c && c <= '9'; }))
        return PositionError{PositionField::MoveNumber, PositionRefusal::NotANumber};
    text.remove_prefix(std::min(text.find_first_not_of('0'), text.size()));
    number = 0;
    if (text.size() <= 3) std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.size() > 3 || number < 1 || number > kMaxMoveNumber)
        return PositionError{PositionField::MoveNumber, PositionRefusal::NumberOutOfRange};
    return std::nullopt;
}

// ---- Tokens ----

std::string squareText(int x, int y) {
    std::string s(1, static_cast<char>('0' + 10 - x));
    return s += static_cast<char>('a' + y - 1);
}

// A token's square: a file digit and a rank letter.
bool readSquare(std::string_view token, std::size_t at, int& x, int& y) {
    const char file = token[at], rank = token[at + 1];
    if (file < '1' || file > '9' || rank < 'a' || rank > 'i') return false;
    x = 10 - (file - '0');
    y = rank - 'a' + 1;
    return true;
}

bool sameSquares(const state::Move& m, const TokenShape& s) {
    if (m.fromX != s.fromX || m.fromY != s.fromY || m.toX != s.toX || m.toY != s.toY) return false;
    if (m.twoStep != s.twoStep) return false;
    return !m.twoStep || (m.toX2 == s.toX2 && m.toY2 == s.toY2);
}

// Why no legal move matches the shape, looked for among the moves of the
// piece on its first square.
TokenError whyNot(const rules::Position& p, const std::vector<state::Move>& moves, const TokenShape& s) {
    if (!state::onBoard(s.fromX, s.fromY)) return {TokenRefusal::NoPiece};
    const int piece = p.board()(s.fromX, s.fromY);
    if (piece == state::空 || (piece > 0) != (p.side() > 0)) return {TokenRefusal::NoPiece};
    if (s.twoStep && state::magnitude(piece) != state::鵺王) return {TokenRefusal::NotNueKing};
    for (const state::Move& m : moves)
        if (sameSquares(m, s))
            return {m.promotes() ? TokenRefusal::MustPromote : TokenRefusal::CannotPromote};
    return {TokenRefusal::CannotReach};
}

}  // namespace

// ---- Positions ----

std::string positionText(const TextPosition& p) {
    std::string out;
    for (int y = 1; y <= 9; ++y) {
        if (y > 1) out += '/';
        appendRank(out, p.board, y);
    }
    out += p.side > 0 ? " w - " : " b - ";
    return out += std::to_string(p.moveNumber);
}

PositionRead readPosition(std::string_view text) {
    const std::vector<std::string_view> fields = fieldsOf(text);
    constexpr std::array<PositionField, 4> kOrder{PositionField::Board, PositionField::Side,
                                                  PositionField::Hands, PositionField::MoveNumber};
    if (fields.size() < kOrder.size())
        return PositionError{kOrder[fields.size()], PositionRefusal::MissingField};
    if (fields.size() > kOrder.size())
        return PositionError{PositionField::MoveNumber, PositionRefusal::ExtraField};
    TextPosition p;
    if (auto e = readBoard(fields[0], p.board)) return *e;
    if (fields[1] != "b" && fields[1] != "w")
        return PositionError{PositionField::Side, PositionRefusal::UnknownSide};
    p.side = fields[1] == "w" ? 1 : -1;
    if (fields[2] != "-") return PositionError{PositionField::Hands, PositionRefusal::PiecesInHand};
    if (auto e = readMoveNumber(fields[3], p.moveNumber)) return *e;
    return p;
}

// ---- Moves ----

std::string moveToken(const state::Move& m) {
    std::string token = squareText(m.fromX, m.fromY) + squareText(m.toX, m.toY);
    if (m.twoStep) token += squareText(m.toX2, m.toY2);
    if (m.promotes()) token += '+';
    return token;
}

std::variant<TokenShape, TokenError> readTokenShape(std::string_view token) {
    if (token.size() < 4 || token.size() > 6) return TokenError{TokenRefusal::Length};
    if (std::any_of(token.begin(), token.end(), isUpperLetter)) return TokenError{TokenRefusal::UpperCase};
    TokenShape s;
    if (!readSquare(token, 0, s.fromX, s.fromY)) return TokenError{TokenRefusal::Square, 1};
    if (!readSquare(token, 2, s.toX, s.toY)) return TokenError{TokenRefusal::Square, 2};
    if (token.size() == 5) {
        if (token[4] != '+') return TokenError{TokenRefusal::PromotionMark};
        s.promotes = true;
    }
    if (token.size() == 6) {
        if (!readSquare(token, 4, s.toX2, s.toY2)) return TokenError{TokenRefusal::Square, 3};
        s.twoStep = true;
    }
    return s;
}

bool bothRoyalsStand(const state::Board& b) {
    bool upper = false, lower = false;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int kind = state::magnitude(b(x, y));
            if (kind != state::鵺王 && kind != state::王) continue;
            (b(x, y) > 0 ? upper : lower) = true;
        }
    return upper && lower;
}

std::vector<state::Move> legalMoves(const rules::Position& p) {
    if (!bothRoyalsStand(p.board())) return {};
    return p.合法手();
}

std::vector<std::string> legalTokens(const rules::Position& p) {
    std::vector<std::string> tokens;
    for (const state::Move& m : legalMoves(p)) tokens.push_back(moveToken(m));
    std::sort(tokens.begin(), tokens.end());
    return tokens;
}

std::variant<state::Move, TokenError> resolveToken(const rules::Position& p, std::string_view token) {
    const auto shape = readTokenShape(token);
    if (const auto* e = std::get_if<TokenError>(&shape)) return *e;
    return resolveShape(p, std::get<TokenShape>(shape));
}

std::variant<state::Move, TokenError> resolveShape(const rules::Position& p, const TokenShape& s) {
    if (!bothRoyalsStand(p.board())) return TokenError{TokenRefusal::NoLegalMove};
    // Only the moves of the piece on the first square: the whole list is
    // asked only when there is nothing there to tell why.
    const std::vector<state::Move> moves = p.合法手(s.fromX, s.fromY);
    for (const state::Move& m : moves)
        if (sameSquares(m, s) && m.promotes() == s.promotes) return m;
    if (moves.empty() && p.合法手().empty()) return TokenError{TokenRefusal::NoLegalMove};
    return whyNot(p, moves, s);
}

}  // namespace record
