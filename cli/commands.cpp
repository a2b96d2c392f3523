#include "cli/commands.h"
#include "control/computer_turn.h"

#include <charconv>
#include <cstdio>

#include "engine/computer_move.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "engine/pins.h"
#include "record/board_reversal.h"
#include "record/notation.h"
#include "record/record_moves.h"
#include "rules/initial_position.h"
#include "rules/move_check.h"
#include "search/levels.h"

namespace cli {

namespace {

std::string error(std::string_view reason) { return "error " + std::string(reason) + "\n"; }

std::string wrongCount(std::string_view name) { return error(std::string(name) + ": wrong number of words"); }

void appendNumber(std::string& out, int v) {
    out += ' ';
    out += std::to_string(v);
}

std::string boardLine(std::string_view name, const state::Grid<int>& grid) {
    std::string out(name);
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) appendNumber(out, grid(x, y));
    return out;
}

// A square map printed 0 wherever its value map holds 999.
std::string squareLine(std::string_view name, const state::Grid<int>& squares,
                       const state::Grid<int>& values) {
    std::string out(name);
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) appendNumber(out, values(x, y) >= state::kNone ? 0 : squares(x, y));
    return out;
}

// The analysis commands describe the board alone: nothing left over from an
// earlier survey.
void freshSurveys(state::Game& g) {
    state::InfluenceMaps& m = g.maps;
    clearKingSquares(g);
    for (state::Map* map : {&m.manAtkX, &m.manAtkY, &m.comAtkX, &m.comAtkY, &m.comDefX, &m.comDefY})
        map->fillSquares(0);
    engine::勢力調査_MAN(g);
    engine::勢力調査_COM(g);
}

class CandidatePrinter : public engine::SearchListener {
public:
    std::string out;
    int count = 0;
    void evaluated(int x, int y, int tx, int ty, int placed, double score) override {
        char line[96];
        std::snprintf(line, sizeof line, "cand %d %d %d %d %d %s\n", x, y, tx, ty, placed,
                      formatScore(score).c_str());
        out += line;
        ++count;
    }
};

}  // namespace

void clearKingSquares(state::Game& g) {
    g.maps.manKingX = g.maps.manKingY = 0;
    g.maps.comKingX = g.maps.comKingY = 0;
}

bool parseNumber(std::string_view word, int low, int high, int& out) {
    if (word.empty()) return false;
    std::size_t digits = word[0] == '-' ? 1 : 0;
    if (digits == word.size()) return false;
    for (std::size_t i = digits; i < word.size(); ++i)
        if (word[i] < '0' || word[i] > '9') return false;
    long long value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size()) return false;
    if (value < low || value > high) return false;
    out = static_cast<int>(value);
    return true;
}

std::string bestMoveLine(const state::Move& m, double score) {
    char line[160];
    std::snprintf(line, sizeof line, "bestmove %d %d %d %d %d %d %s", m.fromX, m.fromY, m.toX, m.toY, m.moved,
                  m.placed, formatScore(score).c_str());
    return line;
}

std::string formatScore(double score) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", score);
    return text;
}

std::string boardCommand(state::Game& g, const Words& w) {
    if (w.size() != 82) return wrongCount("board");
    state::Board b;
    for (int i = 0; i < 81; ++i) {
        int v = 0;
        if (!parseNumber(w[i + 1], -15, 15, v)) return error("board: value out of range");
        b(i % 9 + 1, i / 9 + 1) = v;
    }
    g.board = b;
    g.record = state::MoveRecord{};
    clearKingSquares(g);
    return "ok\n";
}

std::string startCommand(state::Game& g, const Words& w) {
    if (w.size() != 2) return wrongCount("start");
    if (w[1] == "human")
        rules::初期設定_先手自(g);
    else if (w[1] == "computer")
        rules::初期設定_先手敵(g);
    else
        return error("start: human or computer");
    g.record = state::MoveRecord{};
    g.record.placed[0] = state::歩;  // as every game start leaves entry 0
    clearKingSquares(g);
    return "ok\n";
}

std::string showCommand(state::Game& g, const Words& w) {
    if (w.size() != 1) return wrongCount("show");
    return boardLine("board", g.board) + "\n";
}

std::string levelCommand(state::Game& g, const Words& w) {
    if (w.size() != 2) return wrongCount("level");
    int level = 0;
    if (!parseNumber(w[1], 1, search::kStrongestLevel, level)) return error("level: 1 to 8");
    g.state.level = level;
    return "ok\n";
}

std::string movesCommand(state::Game& g, const Words& w) {
    if (w.size() != 3) return wrongCount("moves");
    int x = 0, y = 0;
    if (!parseNumber(w[1], 1, 9, x) || !parseNumber(w[2], 1, 9, y)) return error("moves: square 1..9");
    const int piece = g.board(x, y);
    std::string out = "moves";
    if (piece == state::空) return out + "\n";
    // Asked as of a move entered normally, with nothing recorded.
    const rules::MoveContext afresh{};
    for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
            if (rules::移動チェック(g.board, afresh, x, y, tx, ty, piece) == state::有) {
                appendNumber(out, tx);
                out += ',';
                out += std::to_string(ty);
            }
    return out + "\n";
}

std::string mapsCommand(state::Game& g, const Words& w) {
    if (w.size() != 1) return wrongCount("maps");
    freshSurveys(g);
    const state::InfluenceMaps& m = g.maps;
    std::string out;
    out += boardLine("man_count", m.manCount) + "\n";
    out += boardLine("man_def", m.manDef) + "\n";
    out += boardLine("man_atk_count", m.manAtkCount) + "\n";
    out += boardLine("man_atk", m.manAtk) + "\n";
    out += squareLine("man_atk_x", m.manAtkX, m.manAtk) + "\n";
    out += squareLine("man_atk_y", m.manAtkY, m.manAtk) + "\n";
    out += boardLine("man_check", m.manCheck) + "\n";
    out += boardLine("com_count", m.comCount) + "\n";
    out += boardLine("com_atk", m.comAtk) + "\n";
    out += squareLine("com_atk_x", m.comAtkX, m.comAtk) + "\n";
    out += squareLine("com_atk_y", m.comAtkY, m.comAtk) + "\n";
    out += boardLine("com_def", m.comDef) + "\n";
    out += squareLine("com_def_x", m.comDefX, m.comDef) + "\n";
    out += squareLine("com_def_y", m.comDefY, m.comDef) + "\n";
    out += boardLine("com_check", m.comCheck) + "\n";
    out += "kings " + std::to_string(m.manKingX) + " " + std::to_string(m.manKingY) + " " +
           std::to_string(m.comKingX) + " " + std::to_string(m.comKingY) + "\n";
    return out;
}

std::string pinsCommand(state::Game& g, const Words& w) {
    if (w.size() != 1) return wrongCount("pins");
    freshSurveys(g);
    engine::調査_移動不可駒(g);
    return boardLine("pins", g.pins.manPinned) + " flag " + std::to_string(g.pins.comHasPinned) + "\n";
}

std::string mateCommand(state::Game& g, const Words& w) {
    if (w.size() != 1) return wrongCount("mate");
    freshSurveys(g);
    const int man = engine::詰めかMAN(g);
    freshSurveys(g);
    const int com = engine::詰めかCOM(g);
    freshSurveys(g);
    g.search.escapeMap.fillSquares(0);
    const int escapes = engine::調査_自王逃道(g);
    return "mate " + std::to_string(man) + " " + std::to_string(com) + " " + std::to_string(escapes) + "\n";
}

std::string candidatesCommand(state::Game& g, const Words& w) {
    if (w.size() != 1) return wrongCount("candidates");
    engine::勢力調査_両軍(g);  // as game control does before the computer's turn
    CandidatePrinter printer;
    engine::指し手探索(g, &printer);
    return printer.out + "end " + std::to_string(printer.count) + "\n";
}

std::string goCommand(state::Game& g, const Words& w) {
    if (w.size() != 1) return wrongCount("go");
    engine::勢力調査_両軍(g);  // as game control does before the computer's turn
    const engine::Choice best = engine::指し手探索(g);
    if (!best.found || g.record.full()) return "nomove\n";
    const state::Move& m = best.move;
    control::指し手実行(g, m);
    std::string out = bestMoveLine(m, best.score);
    if (engine::二手目要求(best) && !g.record.full()) {
        const std::optional<state::Move> second = control::com_ban2手目(g, m.toX, m.toY, state::鵺王);
        if (second) out += " second " + std::to_string(second->toX) + " " + std::to_string(second->toY);
    }
    return out + "\n";
}

std::string reverseCommand(state::Game& g, const Words& w) {
    if (w.size() != 1) return wrongCount("reverse");
    record::盤面半回転(g.board);
    g.record = state::MoveRecord{};
    clearKingSquares(g);
    return "ok\n";
}

// The side that made the record's first entry is ▲: a session has no turns.
// `notation en` writes the same lines in Western notation.
std::string notationCommand(state::Game& g, const Words& w) {
    const bool western = w.size() == 2 && w[1] == "en";
    if (w.size() != 1 && !western) return wrongCount("notation");
    const record::Notation n = western ? record::Notation::Western : record::Notation::Japanese;
    const auto lines = record::棋譜表記(g.record, record::初手の側(g.record), n);
    std::string out = "notation " + std::to_string(lines.size()) + "\n";
    for (const record::NotationLine& line : lines) out += line.text + "\n";
    return out;
}

}  // namespace cli
