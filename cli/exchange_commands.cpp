#include "cli/exchange_commands.h"

#include "control/piece_move.h"
#include "record/record_moves.h"
#include "state/game.h"

namespace cli {

namespace {

std::string error(std::string_view command, std::string_view reason) {
    return "error " + std::string(command) + ": " + std::string(reason) + "\n";
}

std::string rankName(int rank) { return std::string("rank ") + static_cast<char>('a' + rank - 1); }

// The moves of entries 1..n, a Nue King's two steps one move.
int movesIn(const state::MoveRecord& r, int n) {
    int moves = 0;
    for (int k = 1; k <= n; ++k) moves += r.secondStep[static_cast<std::size_t>(k)] ? 0 : 1;
    return moves;
}

rules::Position positionNow(const state::Game& g, const TurnAtStart& t) {
    return rules::Position(g.board, g.record, currentPosition(g, t).side);
}

std::string_view fieldName(record::PositionField f) {
    switch (f) {
        case record::PositionField::Board: return "board";
        case record::PositionField::Side: return "side";
        case record::PositionField::Hands: return "hands";
        case record::PositionField::MoveNumber: return "move number";
    }
    return "board";
}

std::string boardReason(const record::PositionError& e) {
    using R = record::PositionRefusal;
    const std::string letter(1, e.letter);
    switch (e.refusal) {
        case R::RankCount: return std::to_string(e.count) + " ranks, not nine";
        case R::RankLength:
            return rankName(e.rank) + " covers " + std::to_string(e.count) + " squares, not nine";
        case R::UnknownLetter: return "unknown letter '" + letter + "' in " + rankName(e.rank);
        case R::CannotPromote:
            if (e.letter == '+') return "'+' with no piece after it in " + rankName(e.rank);
            return "'+" + letter + "' in " + rankName(e.rank) + ": that piece cannot promote";
        default: return "not a board";
    }
}

}  // namespace

record::TextPosition currentPosition(const state::Game& g, const TurnAtStart& t) {
    const state::MoveRecord& r = g.record;
    record::TextPosition p;
    p.board = g.board;
    p.side = r.counter >= 1 ? (r.moved[static_cast<std::size_t>(r.counter)] >= 1 ? -1 : 1) : t.side;
    p.moveNumber = t.moveNumber + movesIn(r, r.counter);
    return p;
}

std::string positionCommand(state::Game& g, TurnAtStart& t, const Words& w) {
    if (w.size() == 1) return "position " + record::positionText(currentPosition(g, t)) + "\n";
    std::string text;
    for (std::size_t i = 1; i < w.size(); ++i) (text += ' ') += w[i];
    const record::PositionRead read = record::readPosition(text);
    if (const auto* e = std::get_if<record::PositionError>(&read))
        return error("position", positionReason(*e));
    const record::TextPosition& p = std::get<record::TextPosition>(read);
    g.board = p.board;
    g.record = state::MoveRecord{};
    g.record.placed[0] = state::歩;  // as every game start leaves entry 0
    clearKingSquares(g);
    t = {p.side, p.moveNumber};
    return "ok\n";
}

std::string legalCommand(state::Game& g, const TurnAtStart& t, const Words& w) {
    if (w.size() != 1) return "error legal: wrong number of words\n";
    const std::vector<std::string> tokens = record::legalTokens(positionNow(g, t));
    std::string out = "legal " + std::to_string(tokens.size());
    for (const std::string& token : tokens) (out += ' ') += token;
    return out + "\n";
}

std::string playCommand(state::Game& g, const TurnAtStart& t, const Words& w) {
    if (w.size() != 2) return "error play: wrong number of words\n";
    const auto read = record::resolveToken(positionNow(g, t), w[1]);
    if (const auto* e = std::get_if<record::TokenError>(&read)) return error("play", tokenReason(*e));
    const state::Move& m = std::get<state::Move>(read);
    if (g.record.counter + (m.twoStep ? 2 : 1) > state::MoveRecord::kCapacity)
        return error("play", "the record has no room for the move");
    if (currentPosition(g, t).moveNumber >= record::kMaxMoveNumber)
        return error("play", "the move number would pass 500");
    control::手を指す(g, m);
    return "ok\n";
}

std::string positionReason(const record::PositionError& e) {
    using R = record::PositionRefusal;
    const std::string field(fieldName(e.field));
    switch (e.refusal) {
        case R::MissingField: return "no " + field + " field";
        case R::ExtraField: return "more than four fields";
        case R::UnknownSide: return "side: b or w";
        case R::PiecesInHand: return "hands: only - (this game has no pieces in hand)";
        case R::NotANumber: return "move number: not a whole number";
        case R::NumberOutOfRange: return "move number: 1 to 500";
        default: return "board: " + boardReason(e);
    }
}

std::string tokenReason(const record::TokenError& e) {
    using R = record::TokenRefusal;
    switch (e.refusal) {
        case R::Length: return "a move token has 4, 5 or 6 characters";
        case R::UpperCase: return "a move token is lower case";
        case R::Square:
            return "square " + std::to_string(e.square) +
                   " of the token is not a file digit and a rank letter";
        case R::PromotionMark: return "only + may follow the two squares";
        case R::NoLegalMove: return "the side to move has no legal move";
        case R::NoPiece: return "no piece of the side to move on the first square";
        case R::NotNueKing: return "only a Nue King makes two steps";
        case R::CannotReach: return "the piece cannot move so";
        case R::MustPromote: return "the piece must promote there: add +";
        case R::CannotPromote: return "the piece cannot promote on this move";
    }
    return "not a legal move";
}

std::string kifReason(const record::KifError& e) {
    using R = record::KifRefusal;
    std::string at = e.line > 0 ? "line " + std::to_string(e.line) + ": " : std::string();
    switch (e.refusal) {
        case R::Unreadable: return "cannot read the file";
        case R::Encoding: return at + "neither UTF-8 nor Shift_JIS text";
        case R::UnknownLine: return at + "not a line of a KIF record";
        case R::UnknownHeader: return at + "a header this game does not know";
        case R::RepeatedHeader: return at + "given a second time";
        case R::Handicap: return at + "手合割 must be その他";
        case R::Variant: return at + "変則 must be 鵺王";
        case R::TimeControl: return at + "not a time control of this game";
        case R::PiecesInHand: return at + "this game has no pieces in hand";
        case R::Board: return at + "not a line of the board diagram";
        case R::NoBoard: return at + "no board diagram before the moves";
        case R::MoveNumber: return at + "not the next move's number";
        case R::MoveText: return at + "not a move written as KIF writes one";
        case R::WrongPiece: return at + "that piece does not stand on the source square";
        case R::IllegalMove: return at + "not a legal move: " + tokenReason({e.move});
        case R::RecordFull: return at + "more moves than the record holds";
        case R::AfterEnd: return at + "a move after the end of the game";
        case R::EndLine: return at + "not how this game ended";
    }
    return at + "not a KIF record";
}

std::string kifuReason(const record::ReadError& e) {
    switch (e.kind) {
        case record::ReadError::Kind::kBadLine: return "bad move line at line " + std::to_string(e.line);
        case record::ReadError::Kind::kNoMoveLine: return "no move line";
        case record::ReadError::Kind::kUnreadable: return "cannot read the file";
    }
    return "cannot read the file";
}

}  // namespace cli
