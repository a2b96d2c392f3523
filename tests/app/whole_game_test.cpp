// Whole games through the real main window: presses at the squares' pointer
// positions, menu items chosen, message boxes answered by a script, waits of
// no length. Against the computer from either side and between two players,
// each played to its end; the Nue King's two steps, promotion by the right
// button, the forbidden recapture, the end of a game and every refusal a
// press can meet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "play_window.h"
#include "positions.h"
#include "record/kifu_format.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"
#include "state/grid.h"

using state::Answer;
using testing_support::boardText;
using testing_support::computerFirstPosition;
using testing_support::gameProblem;
using testing_support::humanFirstPosition;
using testing_support::legalMoves;
using testing_support::Move;
using testing_support::PlayWindow;
using testing_support::SeenBox;
using testing_support::WorkingFolder;

namespace {

using Strings = std::vector<std::string>;
using Square = std::pair<int, int>;

constexpr int kUpper = 1, kLower = -1;

bool adjacent(int x1, int y1, int x2, int y2) { return std::abs(x1 - x2) <= 1 && std::abs(y1 - y2) <= 1; }
bool adjacent(const Move& m) { return adjacent(m.fromX, m.fromY, m.toX, m.toY); }
bool isNueKing(int code) { return code == 14 || code == -14; }
bool isRoyal(int code) { return code == 14 || code == -14 || code == 15 || code == -15; }
int sideOf(int code) { return code > 0 ? kUpper : kLower; }

// Squares the side's pieces attack once the piece on `lifted` has gone: where
// they could take a piece of the other side if one stood there. Asked
// between events; the board is restored.
std::set<Square> attacked(state::Game& g, int side, Square lifted) {
    std::set<Square> out;
    const int mover = g.board(lifted.first, lifted.second);
    g.board(lifted.first, lifted.second) = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int kept = g.board(x, y);
            g.board(x, y) = -side;  // a pawn of the other side
            for (int i = 1; i <= 9 && !out.count({x, y}); ++i)
                for (int j = 1; j <= 9; ++j) {
                    const int p = g.board(i, j);
                    if (p != 0 && sideOf(p) == side &&
                        testing_support::移動チェック(g, i, j, x, y, p) == state::有) {
                        out.insert({x, y});
                        break;
                    }
                }
            g.board(x, y) = kept;
        }
    g.board(lifted.first, lifted.second) = mover;
    return out;
}

int distance(int x1, int y1, int x2, int y2) { return std::max(std::abs(x1 - x2), std::abs(y1 - y2)); }

// The nearest piece of the side to a square, as a king walks.
int nearest(const state::Game& g, int side, int x, int y) {
    int best = 99;
    for (int i = 1; i <= 9; ++i)
        for (int j = 1; j <= 9; ++j)
            if (g.board(i, j) != 0 && sideOf(g.board(i, j)) == side)
                best = std::min(best, distance(x, y, i, j));
    return best;
}

// The piece could never move again from its destination: it must promote.
bool mustPromote(const state::Game& g, const Move& m) {
    return rules::移動後チェック(m.toY, g.board(m.fromX, m.fromY)) == state::無;
}

// Second steps of a Nue King waiting on (x, y): the king steps the move check allows.
std::vector<Square> secondSteps(state::Game& g, int x, int y) {
    std::vector<Square> out;
    const int step = g.board(x, y) > 0 ? 15 : -15;
    for (int tx = x - 1; tx <= x + 1; ++tx)
        for (int ty = y - 1; ty <= y + 1; ++ty)
            if (testing_support::移動チェック(g, x, y, tx, ty, step) == state::有) out.emplace_back(tx, ty);
    return out;
}

// Plays a whole move by clicks: the piece, its destination (with the right
// button when it must promote) and, for a Nue King's step, its first
// possible second step.
void playByClicks(PlayWindow& w, const Move& m) {
    state::Game& g = w.game();
    const int piece = g.board(m.fromX, m.fromY);
    w.click(m.fromX, m.fromY);
    w.click(m.toX, m.toY, mustPromote(g, m) ? Qt::RightButton : Qt::LeftButton);
    if (isNueKing(piece) && adjacent(m) && g.state.stepState == 2) {
        const Square s = secondSteps(g, m.toX, m.toY).front();
        w.click(s.first, s.second);
    }
}

// How a game ended, seen as the end box opened (before the answer reset it).
struct Ending {
    std::string text;
    state::Board board;
    state::MoveRecord record;
};

void watchTheEnd(PlayWindow& w, std::optional<Ending>& end) {
    w.onBox = [&w, &end](const SeenBox& b) {
        if (b.title == "終了") end = Ending{b.text, w.game().board, w.game().record};
    };
}

// Entries first..last of the record captured one of the side's royal pieces.
bool royalTaken(const state::MoveRecord& r, int first, int last, int side) {
    for (int k = first; k <= last; ++k)
        if (isRoyal(r.captured[k]) && sideOf(r.captured[k]) == side) return true;
    return false;
}

// The upper king stands within the lower Nue King's two squares.
bool nueKingChecksTheKing(const state::Board& b) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            for (int i = 1; i <= 9; ++i)
                for (int j = 1; j <= 9; ++j)
                    if (b(x, y) == -14 && b(i, j) == 15 && distance(x, y, i, j) <= 2) return true;
    return false;
}

// After the end box and Yes: the human-first position, no game running.
void expectFreshAfterYes(PlayWindow& w) {
    state::Game& g = w.game();
    EXPECT_EQ(boardText(g.board), boardText(humanFirstPosition()));
    EXPECT_EQ(g.state.sideToMove, 0);
    EXPECT_EQ(g.record.counter, 0);
    EXPECT_EQ(g.record.last, 0);
    EXPECT_EQ(g.state.moveNumber, 0);
    EXPECT_EQ(w.quits, 0);
    w.forget();
    w.click(5, 9);
    EXPECT_EQ(w.messages(), Strings{"「対局」で始めて下さい|開始|禁止"});
}

// Messages the computer's reply may show besides the end of the game.
bool computerNotice(const SeenBox& b) {
    return (b.text == "   ** 王手 **" && b.title.empty()) || (b.text == "よし！!" && b.title == "詰め ?") ||
           (b.text == "二手目、移動します" && b.title == "二手移動");
}

// The Nue King's choice against the army: take a royal piece, else take a
// piece with the first of two steps, else take a piece with a jump where
// nothing of the army reaches, else go where nothing reaches, nearest to the
// army; as a last resort any move. Among equals the rng chooses.
Move nueKingChoice(state::Game& g, std::mt19937& rng) {
    const std::vector<Move> moves = legalMoves(g, kLower);
    const std::set<Square> danger = attacked(g, kUpper, {moves.front().fromX, moves.front().fromY});
    const auto safe = [&](const Move& m) { return !danger.count({m.toX, m.toY}); };
    const auto safeNeighbour = [&](const Move& m) {
        for (int x = m.toX - 1; x <= m.toX + 1; ++x)
            for (int y = m.toY - 1; y <= m.toY + 1; ++y)
                if (state::onBoard(x, y) && g.board(x, y) == 0 && !danger.count({x, y})) return true;
        return false;
    };
    const auto any = [&](auto wanted) -> std::optional<Move> {
        std::vector<Move> found;
        for (const Move& m : moves)
            if (wanted(m)) found.push_back(m);
        if (found.empty()) return std::nullopt;
        return found[rng() % found.size()];
    };
    if (auto chosen = any([&](const Move& m) { return isRoyal(g.board(m.toX, m.toY)); })) return *chosen;
    if (auto chosen =
            any([&](const Move& m) { return adjacent(m) && g.board(m.toX, m.toY) != 0 && safeNeighbour(m); }))
        return *chosen;
    if (auto chosen =
            any([&](const Move& m) { return !adjacent(m) && g.board(m.toX, m.toY) != 0 && safe(m); }))
        return *chosen;
    int closest = 99;
    for (const Move& m : moves)
        if (safe(m)) closest = std::min(closest, nearest(g, kUpper, m.toX, m.toY));
    if (auto chosen =
            any([&](const Move& m) { return safe(m) && nearest(g, kUpper, m.toX, m.toY) == closest; }))
        return *chosen;
    return moves[rng() % moves.size()];
}

// A second step where nothing of the army reaches when there is one.
Square secondStepChoice(state::Game& g, int x, int y) {
    const std::vector<Square> steps = secondSteps(g, x, y);
    const std::set<Square> danger = attacked(g, kUpper, {x, y});
    for (const Square& s : steps)
        if (isRoyal(g.board(s.first, s.second))) return s;
    for (const Square& s : steps)
        if (!danger.count(s)) return s;
    return steps.front();
}

struct NueKingGame {
    int twoStepMoves = 0;
    int firstStepCaptures = 0;
};

// One game as the Nue King from 先手 to its end, checking every turn: each
// first step tried once more on its own square (refused), then stepped on.
NueKingGame playNueKingGame(PlayWindow& w, std::mt19937& rng) {
    NueKingGame game;
    state::Game& g = w.game();
    w.forget();
    w.choose("SENTE");
    EXPECT_EQ(w.messages(), Strings{"MANの番です| "});
    EXPECT_EQ(boardText(g.board), boardText(humanFirstPosition()));
    std::optional<Ending> end;
    watchTheEnd(w, end);
    int turns = 0;
    for (; turns < 250 && !end && !::testing::Test::HasFatalFailure(); ++turns) {
        SCOPED_TRACE("turn " + std::to_string(turns + 1));
        EXPECT_EQ(g.state.sideToMove, g.state.humanToken);
        const int before = g.record.counter;
        const int number = g.state.moveNumber;
        const Move m = nueKingChoice(g, rng);
        const int taken = g.board(m.toX, m.toY);
        w.forget();
        w.click(m.fromX, m.fromY);
        EXPECT_EQ(g.state.selection, 1);
        w.click(m.toX, m.toY);
        int humanEntries = 1;
        if (adjacent(m)) {
            // The first step: the Nue King stands on the square, the turn stays.
            EXPECT_TRUE(w.boxes.empty());
            EXPECT_EQ(g.state.stepState, 2);
            EXPECT_EQ(g.board(m.toX, m.toY), -14);
            EXPECT_EQ(g.board(m.fromX, m.fromY), 0);
            EXPECT_EQ(g.record.counter, before + 1);
            EXPECT_EQ(g.record.captured[before + 1], taken);
            EXPECT_EQ(g.state.moveNumber, number);
            EXPECT_EQ(g.state.sideToMove, g.state.humanToken);
            game.firstStepCaptures += taken != 0;
            // Staying on the square is no second step: refused, nothing moves.
            const std::string board = boardText(g.board);
            w.click(m.toX, m.toY);
            EXPECT_EQ(w.messages(), Strings{"そこへ移動できません！|2手目移動中|禁止"});
            EXPECT_EQ(boardText(g.board), board);
            EXPECT_EQ(g.record.counter, before + 1);
            EXPECT_EQ(g.state.stepState, 2);
            const Square s = secondStepChoice(g, m.toX, m.toY);
            const int second = g.board(s.first, s.second);
            w.forget();
            w.click(s.first, s.second);
            humanEntries = 2;
            ++game.twoStepMoves;
            EXPECT_EQ(g.record.moved[before + 2], -14);
            EXPECT_EQ(g.record.placed[before + 2], -14);
            EXPECT_EQ(g.record.captured[before + 2], second);
        } else {
            EXPECT_EQ(g.record.captured[before + 1], taken);
        }
        if (end) break;
        // The computer answered at once with one move and handed the turn back.
        EXPECT_EQ(g.record.counter, before + humanEntries + 1);
        EXPECT_GE(g.record.moved[g.record.counter], 1);
        EXPECT_EQ(g.state.moveNumber, number + 2);
        EXPECT_EQ(g.state.stepState, 1);
        EXPECT_EQ(g.state.selection, 0);
        EXPECT_EQ(gameProblem(g, humanFirstPosition()), "");
        for (const SeenBox& b : w.boxes) EXPECT_TRUE(computerNotice(b)) << b.text << "|" << b.title;
    }
    EXPECT_TRUE(end) << "no end after " << turns << " turns";
    if (!end) return game;
    // The winner is the side whose royal piece still stands.
    const state::MoveRecord& r = end->record;
    EXPECT_EQ(boardText(testing_support::replayed(humanFirstPosition(), r, r.counter)),
              boardText(end->board));
    if (end->text == "あなたの勝ちです") {
        // A royal piece taken, or the computer's king in check and mated.
        EXPECT_TRUE(royalTaken(r, std::max(1, r.counter - 1), r.counter, kUpper) ||
                    nueKingChecksTheKing(end->board));
    } else if (end->text == "ｺﾝﾋﾟｭｰﾀの勝ちです") {
        EXPECT_TRUE(royalTaken(r, r.counter, r.counter, kLower));
        EXPECT_GE(r.moved[r.counter], 1);
    } else {
        EXPECT_EQ(end->text, "引き分けです");
        EXPECT_EQ(r.counter, 500);
    }
    EXPECT_EQ(w.messages().back(), "続けますか？|再ゲーム");
    expectFreshAfterYes(w);
    return game;
}

}  // namespace

// The Nue King against the computer, from 先手 to the end, game after game
// until one two-step move took a piece with its first step.
TEST(NueKingAgainstTheComputer, GamesPlayedToTheirEndWithTwoStepsRefusedSecondStepsAndFirstStepCaptures) {
    PlayWindow w;
    w.start();
    std::mt19937 rng(2);
    int games = 0, twoStepMoves = 0, firstStepCaptures = 0;
    while (games < 30 && firstStepCaptures == 0 && !HasFailure()) {
        const NueKingGame game = playNueKingGame(w, rng);
        twoStepMoves += game.twoStepMoves;
        firstStepCaptures += game.firstStepCaptures;
        ++games;
    }
    EXPECT_GE(twoStepMoves, 1) << games << " games";
    EXPECT_GE(firstStepCaptures, 1) << games << " games";
}

namespace {

// The army's choice against the computer's Nue King: take it when it can;
// else the king flees it; else, now and then, push the most advanced pawn
// or knight out of its reach, or a bishop into the zone to promote it; else
// a random move out of its reach. The rng makes each game another.
struct ArmyMove {
    Move move;
    bool promote;  // the right button
};

bool promotes(state::Game& g, const Move& m) {
    int promoted = 0;
    return rules::調査_駒成(m.fromX, m.fromY, m.toX, m.toY, g.board(m.fromX, m.fromY), promoted) == state::有;
}

ArmyMove armyChoice(state::Game& g, std::mt19937& rng) {
    const std::vector<Move> moves = legalMoves(g, kLower);
    for (const Move& m : moves)
        if (isRoyal(g.board(m.toX, m.toY))) return {m, false};
    // The king flees when the Nue King reaches it.
    for (const Move& m : moves)
        if (g.board(m.fromX, m.fromY) == -15 &&
            attacked(g, kUpper, {m.fromX, m.fromY}).count({m.fromX, m.fromY}) &&
            !attacked(g, kUpper, {m.fromX, m.fromY}).count({m.toX, m.toY}))
            return {m, false};
    std::vector<Move> safe, forward;
    for (const Move& m : moves) {
        if (attacked(g, kUpper, {m.fromX, m.fromY}).count({m.toX, m.toY})) continue;
        safe.push_back(m);
        const int p = g.board(m.fromX, m.fromY);
        if ((p == -1 || p == -5 || (p == -12 && promotes(g, m))) && m.toY < m.fromY) forward.push_back(m);
    }
    std::sort(forward.begin(), forward.end(), [](const Move& a, const Move& b) { return a.toY < b.toY; });
    const auto choose = [&](const Move& m) {
        // Into the zone: promote by the right button one time in two.
        return ArmyMove{m, mustPromote(g, m) || (promotes(g, m) && rng() % 2 == 0)};
    };
    if (!forward.empty() && rng() % 4 != 0) return choose(forward.front());
    if (!safe.empty()) return choose(safe[rng() % safe.size()]);
    return choose(moves[rng() % moves.size()]);
}

struct ArmyGame {
    bool promotedByRight = false;
    bool leftRefused = false;
    std::optional<Ending> end;
};

// One game as the army from 後手 to its end, checking every turn.
ArmyGame playArmyGame(PlayWindow& w, std::mt19937& rng) {
    ArmyGame game;
    state::Game& g = w.game();
    w.forget();
    w.choose("GOTE");
    // The computer moved first, at once and without a message.
    EXPECT_EQ(w.messages(), Strings{});
    EXPECT_EQ(g.record.counter, 1);
    EXPECT_EQ(g.record.moved[1], 14);
    EXPECT_EQ(g.state.sideToMove, g.state.humanToken);
    EXPECT_EQ(g.state.moveNumber, 1);
    EXPECT_EQ(gameProblem(g, computerFirstPosition()), "");
    watchTheEnd(w, game.end);
    for (int turn = 1; turn <= 260 && !game.end && !::testing::Test::HasFatalFailure(); ++turn) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        EXPECT_EQ(g.state.sideToMove, g.state.humanToken);
        const int before = g.record.counter;
        const int number = g.state.moveNumber;
        const ArmyMove choice = armyChoice(g, rng);
        const Move& m = choice.move;
        const int piece = g.board(m.fromX, m.fromY);
        const int taken = g.board(m.toX, m.toY);
        const bool compulsory = mustPromote(g, m);
        const bool promoting = choice.promote && promotes(g, m);
        w.forget();
        w.click(m.fromX, m.fromY);
        EXPECT_EQ(g.state.selection, 1);
        if (compulsory) {
            // The left button cannot put it there: nothing moves.
            const std::string board = boardText(g.board);
            w.click(m.toX, m.toY, Qt::LeftButton);
            EXPECT_EQ(w.messages(), Strings{"マウスの右をクリックして下さい|成り"});
            EXPECT_EQ(boardText(g.board), board);
            EXPECT_EQ(g.record.counter, before);
            EXPECT_EQ(g.state.selection, 1);
            game.leftRefused = true;
            w.forget();
        }
        w.click(m.toX, m.toY, choice.promote ? Qt::RightButton : Qt::LeftButton);
        EXPECT_EQ(g.record.fromX[before + 1], m.fromX);
        EXPECT_EQ(g.record.fromY[before + 1], m.fromY);
        EXPECT_EQ(g.record.toX[before + 1], m.toX);
        EXPECT_EQ(g.record.toY[before + 1], m.toY);
        EXPECT_EQ(g.record.moved[before + 1], piece);
        EXPECT_EQ(g.record.placed[before + 1], promoting ? piece - 1 : piece);
        EXPECT_EQ(g.record.captured[before + 1], taken);
        game.promotedByRight |= promoting && !compulsory;
        if (game.end) break;
        // The computer's Nue King answered: one entry, or two for two steps,
        // the second announced.
        const int answered = g.record.counter - before - 1;
        EXPECT_TRUE(answered == 1 || answered == 2) << answered;
        EXPECT_EQ(g.record.moved[g.record.counter], 14);
        EXPECT_EQ(g.state.moveNumber, number + 2);
        EXPECT_EQ(gameProblem(g, computerFirstPosition()), "");
        for (const SeenBox& b : w.boxes) EXPECT_TRUE(computerNotice(b)) << b.text << "|" << b.title;
        const bool told = std::any_of(w.boxes.begin(), w.boxes.end(),
                                      [](const SeenBox& b) { return b.title == "二手移動"; });
        EXPECT_EQ(told, answered == 2);
    }
    EXPECT_TRUE(game.end) << "the game did not end";
    if (!game.end) return game;
    const state::MoveRecord& r = game.end->record;
    EXPECT_EQ(boardText(testing_support::replayed(computerFirstPosition(), r, r.counter)),
              boardText(game.end->board));
    if (game.end->text == "あなたの勝ちです") {
        EXPECT_TRUE(royalTaken(r, r.counter, r.counter, kUpper));
    } else if (game.end->text == "ｺﾝﾋﾟｭｰﾀの勝ちです") {
        EXPECT_TRUE(royalTaken(r, r.counter - 1, r.counter, kLower));
    } else {
        EXPECT_EQ(game.end->text, "引き分けです");
        EXPECT_EQ(r.counter, 500);
    }
    expectFreshAfterYes(w);
    return game;
}

}  // namespace

// The army against the computer's Nue King, from 後手 to the end, game
// after game until one pawn, knight or bishop was promoted by the right
// button and one that had to promote was refused the left.
TEST(ArmyAgainstTheComputer, GamesPlayedToTheirEndWithAPromotionByTheRightButtonAndALeftButtonRefused) {
    PlayWindow w;
    w.start();
    std::mt19937 rng(8);
    bool promotedByRight = false, leftRefused = false;
    int games = 0;
    while (games < 60 && !(promotedByRight && leftRefused) && !HasFailure()) {
        const ArmyGame game = playArmyGame(w, rng);
        promotedByRight |= game.promotedByRight;
        leftRefused |= game.leftRefused;
        ++games;
    }
    EXPECT_TRUE(promotedByRight) << games << " games";
    EXPECT_TRUE(leftRefused) << games << " games";
}

namespace {

// A move of the side to move in a two-player game: a royal piece taken when
// one can be, else a random one.
Move twoPlayerChoice(state::Game& g, int side, std::mt19937& rng) {
    const std::vector<Move> moves = legalMoves(g, side);
    for (const Move& m : moves)
        if (isRoyal(g.board(m.toX, m.toY))) return m;
    return moves[rng() % moves.size()];
}

Square twoPlayerSecondStep(state::Game& g, int x, int y, std::mt19937& rng) {
    const std::vector<Square> steps = secondSteps(g, x, y);
    for (const Square& s : steps)
        if (isRoyal(g.board(s.first, s.second))) return s;
    return steps[rng() % steps.size()];
}

}  // namespace

// Two players at one board from スタート, every move by clicks, each game to
// its end; the lower player, who has the Nue King, moves first.
TEST(TwoPlayers, GamesFromStartPlayedToTheirEndByClicksAlone) {
    PlayWindow w;
    w.start();
    state::Game& g = w.game();
    std::mt19937 rng(3);
    for (int game = 1; game <= 3; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        w.forget();
        w.choose("START");
        EXPECT_EQ(w.messages(), Strings{"先手の番です| "});
        EXPECT_EQ(g.state.gameKind, state::kTwoPlayers);
        EXPECT_EQ(g.state.sideToMove, 1);
        std::optional<Ending> end;
        watchTheEnd(w, end);
        int moves = 0;
        for (; moves < 500 && !end; ++moves) {
            const int side = g.state.sideToMove == g.state.humanToken ? kLower : kUpper;
            const int before = g.record.counter;
            const Move m = twoPlayerChoice(g, side, rng);
            const int piece = g.board(m.fromX, m.fromY);
            const bool promote = mustPromote(g, m) || rng() % 2 == 0;
            w.forget();
            w.click(m.fromX, m.fromY);
            ASSERT_EQ(g.state.selection, 1);
            w.click(m.toX, m.toY, promote ? Qt::RightButton : Qt::LeftButton);
            int entries = 1;
            if (isNueKing(piece) && adjacent(m) && !end) {
                EXPECT_EQ(g.state.stepState, 2);
                EXPECT_EQ(g.state.sideToMove, side == kLower ? g.state.humanToken : g.state.comToken);
                const Square s = twoPlayerSecondStep(g, m.toX, m.toY, rng);
                w.click(s.first, s.second);
                entries = 2;
            }
            EXPECT_EQ(g.record.moved[before + 1], piece);
            if (end) break;
            EXPECT_TRUE(w.boxes.empty());
            EXPECT_EQ(g.record.counter, before + entries);
            EXPECT_EQ(g.state.moveNumber, moves + 1);
            EXPECT_EQ(g.state.sideToMove, side == kLower ? g.state.comToken : g.state.humanToken);
            ASSERT_EQ(gameProblem(g, humanFirstPosition()), "");
        }
        ASSERT_TRUE(end) << "no end after " << moves << " moves";
        const state::MoveRecord& r = end->record;
        EXPECT_EQ(boardText(testing_support::replayed(humanFirstPosition(), r, r.counter)),
                  boardText(end->board));
        // 先手 wins by taking an upper royal piece, 後手 by taking a lower one.
        if (end->text == "先手の勝ちです")
            EXPECT_TRUE(royalTaken(r, r.counter - 1, r.counter, kUpper));
        else if (end->text == "後手の勝ちです")
            EXPECT_TRUE(royalTaken(r, r.counter, r.counter, kLower));
        else
            ADD_FAILURE() << end->text;
        expectFreshAfterYes(w);
    }
}

namespace {

// The board before the record's entries 1..counter: each taken back, the
// last first.
state::Board undone(state::Board b, const state::MoveRecord& r) {
    for (int k = r.counter; k >= 1; --k) {
        b(r.toX[k], r.toY[k]) = r.captured[k];
        b(r.fromX[k], r.fromY[k]) = r.moved[k];
    }
    return b;
}

state::MoveRecord twoEntries(Move first, int firstPiece, int firstTaken, Move second, int secondPiece,
                             int secondTaken) {
    state::MoveRecord r;
    r.placed[0] = 1;
    const auto put = [&r](int k, Move m, int piece, int taken) {
        r.fromX[k] = m.fromX;
        r.fromY[k] = m.fromY;
        r.toX[k] = m.toX;
        r.toY[k] = m.toY;
        r.moved[k] = r.placed[k] = piece;
        r.captured[k] = taken;
    };
    put(1, first, firstPiece, firstTaken);
    put(2, second, secondPiece, secondTaken);
    r.counter = r.last = 2;
    return r;
}

// The upper Nue King has just taken a lower Nue King on (5, 4), above a lower
// pawn; the lower side keeps another Nue King.
constexpr const char* kLowerToTakeBack = R"(
    . . . .  . . . . .
    . . . .  . . . . .
    . . . .  . . . . .
    . . . . 14 . . . .
    . . . . -1 . . . .
    . . . .  . . . . .
    . . . .  . . . . .
    . . . .  . . . . .
    . . . . -14 . . . .)";

// Turned about: the lower Nue King has just taken an upper one on (5, 6),
// below an upper pawn; the upper side keeps another Nue King.
constexpr const char* kUpperToTakeBack = R"(
    . . . . 14 . . . .
    . . . .  . . . . .
    . . . .  . . . . .
    . . . .  . . . . .
    . . . .  1 . . . .
    . . . . -14 . . . .
    . . . .  . . . . .
    . . . .  . . . . .
    . . . .  . . . . .)";

struct RecaptureCase {
    const char* name;
    const char* board;
    int sideToMove;
    state::MoveRecord record;
    Move press;  // the pawn that tries to take back
    Strings expected;
};

}  // namespace

// 先鵺子: a Nue King that has just taken the other side's Nue King cannot be
// taken back at once, unless that capture was the second of its two steps.
// No game reaches two Nue Kings: they are put on the board of a two-player
// game, with the record that the rule reads.
TEST(NueKing, ImmediateRecaptureWithTwoNueKingsIsRefusedUnlessTheCaptureWasASecondStep) {
    const Strings refused{"すぐに鵺子を取り返せません|禁手：先鵺子(せんしし)|禁止"};
    const RecaptureCase cases[] = {
        {"the upper Nue King jumped onto the lower one",
         kLowerToTakeBack,
         1,
         twoEntries({5, 6, 5, 5}, -1, 0, {5, 2, 5, 4}, 14, -14),
         {5, 5, 5, 4},
         refused},
        {"the upper Nue King took with its second step",
         kLowerToTakeBack,
         1,
         twoEntries({5, 2, 5, 3}, 14, 0, {5, 3, 5, 4}, 14, -14),
         {5, 5, 5, 4},
         {"先手の勝ちです|終了", "続けますか？|再ゲーム"}},
        {"the lower Nue King jumped onto the upper one",
         kUpperToTakeBack,
         -1,
         twoEntries({5, 4, 5, 5}, 1, 0, {5, 8, 5, 6}, -14, 14),
         {5, 5, 5, 6},
         refused},
        {"the lower Nue King took with its second step",
         kUpperToTakeBack,
         -1,
         twoEntries({5, 8, 5, 7}, -14, 0, {5, 7, 5, 6}, -14, 14),
         {5, 5, 5, 6},
         {"後手の勝ちです|終了", "続けますか？|再ゲーム"}},
    };
    for (const RecaptureCase& c : cases) {
        SCOPED_TRACE(c.name);
        PlayWindow w;
        w.start();
        w.choose("START");
        state::Game& g = w.game();
        g.board = testing_support::boardFrom(c.board);
        g.record = c.record;
        g.state.sideToMove = c.sideToMove;
        const state::Board start = undone(g.board, g.record);
        ASSERT_EQ(gameProblem(g, start), "");
        const std::string board = boardText(g.board);
        w.click(c.press.fromX, c.press.fromY);
        ASSERT_EQ(g.state.selection, 1);
        w.forget();
        w.click(c.press.toX, c.press.toY);
        EXPECT_EQ(w.messages(), c.expected);
        if (c.expected == refused) {
            // Nothing moved; the pawn stays picked up.
            EXPECT_EQ(boardText(g.board), board);
            EXPECT_EQ(g.record.counter, 2);
            EXPECT_EQ(g.state.sideToMove, c.sideToMove);
            EXPECT_EQ(g.state.selection, 1);
        } else {
            expectFreshAfterYes(w);
        }
    }
}

namespace {

// The computer's king on (5, 2) with a pawn; the human's Nue King two rows
// below it (a jump takes it) or one row below (a first step takes it).
std::string kingWithinReach(int nueKingRow) {
    std::string rows;
    for (int y = 1; y <= 9; ++y) {
        for (int x = 1; x <= 9; ++x) {
            std::string cell = ".";
            if (x == 5 && y == 2) cell = "15";
            if (x == 9 && y == 3) cell = "1";
            if (x == 5 && y == nueKingRow) cell = "-14";
            rows += cell + " ";
        }
        rows += "\n";
    }
    return rows;
}

struct RoyalCaptureCase {
    const char* name;
    int nueKingRow;
    std::vector<Square> steps;  // where the Nue King goes: one jump, or two steps
    Answer again;               // the answer to 続けますか？
};

}  // namespace

// Taking the computer's king ends the game: "あなたの勝ちです", then Yes sets
// up the human-first position with no game running, No ends the program and
// a new window plays on. A king taken by the first of two steps ends the
// game only once the second step is made.
TEST(EndOfGame, ARoyalCaptureIsWonAndYesGivesANewPositionNoEndsTheProgram) {
    const RoyalCaptureCase cases[] = {
        {"a jump onto the king, then Yes", 4, {{5, 2}}, Answer::Yes},
        {"a jump onto the king, then No", 4, {{5, 2}}, Answer::No},
        {"the king taken by the first step, then Yes", 3, {{5, 2}, {4, 1}}, Answer::Yes},
        {"the king taken by the first step, then No", 3, {{5, 2}, {6, 2}}, Answer::No},
    };
    const Strings won{"あなたの勝ちです|終了", "続けますか？|再ゲーム"};
    for (const RoyalCaptureCase& c : cases) {
        SCOPED_TRACE(c.name);
        PlayWindow w;
        w.start();
        w.choose("SENTE");
        state::Game& g = w.game();
        g.board = testing_support::boardFrom(kingWithinReach(c.nueKingRow));
        w.click(5, c.nueKingRow);
        w.forget();
        w.script = {Answer::Ok, c.again};
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            w.click(c.steps[i].first, c.steps[i].second);
            if (i + 1 < c.steps.size()) {
                // The king is off the board, but the Nue King must still step on.
                EXPECT_EQ(w.messages(), Strings{});
                EXPECT_EQ(g.board(5, 2), -14);
                EXPECT_EQ(g.state.stepState, 2);
            }
        }
        EXPECT_EQ(w.messages(), won);
        if (c.again == Answer::Yes) {
            expectFreshAfterYes(w);
            continue;
        }
        EXPECT_EQ(w.quits, 1);
        EXPECT_TRUE(g.state.quitRequested);
        EXPECT_FALSE(w.sound.running());
        // Nothing more is handled once the program is ending.
        w.forget();
        const int presses = w.presses;
        w.click(5, 9);
        w.choose("SENTE");
        EXPECT_EQ(w.presses, presses);
        EXPECT_EQ(w.messages(), Strings{});
        EXPECT_EQ(w.quits, 1);
    }
    // The program was ended: a new window starts a new game and plays.
    PlayWindow again;
    again.start();
    again.choose("SENTE");
    EXPECT_EQ(again.messages(), Strings{"MANの番です| "});
    again.click(5, 9);
    again.click(5, 7);
    EXPECT_EQ(again.game().record.counter, 2);
    EXPECT_EQ(again.game().state.sideToMove, again.game().state.humanToken);
    EXPECT_EQ(gameProblem(again.game(), humanFirstPosition()), "");
}

// スタート after 最初: a fresh two-player game, the lower player first; each
// side then moves by clicks and nobody answers for the upper side.
TEST(StartCommand, AfterTheFirstPositionIsAFreshTwoPlayerGame) {
    PlayWindow w;
    w.start();
    state::Game& g = w.game();
    w.choose("SENTE");
    w.click(5, 9);
    w.click(5, 7);
    ASSERT_EQ(g.record.counter, 2);
    w.choose("CANCEL");
    EXPECT_EQ(boardText(g.board), boardText(humanFirstPosition()));
    EXPECT_EQ(g.state.sideToMove, 0);
    w.forget();
    w.choose("START");
    EXPECT_EQ(w.messages(), Strings{"先手の番です| "});
    EXPECT_EQ(g.state.gameKind, state::kTwoPlayers);
    EXPECT_EQ(g.state.humanToken, 1);
    EXPECT_EQ(g.state.sideToMove, 1);
    EXPECT_EQ(g.record.counter, 0);
    w.click(5, 9);
    w.click(5, 7);  // a jump: the whole move
    EXPECT_EQ(g.record.counter, 1);
    EXPECT_EQ(g.state.sideToMove, -1);
    w.click(3, 3);
    w.click(3, 4);  // the upper player's pawn
    EXPECT_EQ(g.record.counter, 2);
    EXPECT_EQ(g.record.moved[2], 1);
    EXPECT_EQ(g.state.sideToMove, 1);
    EXPECT_EQ(g.state.moveNumber, 2);
    EXPECT_EQ(gameProblem(g, humanFirstPosition()), "");
    EXPECT_EQ(w.messages(), Strings{"先手の番です| "});
}

// スタート in the middle of a game against the computer keeps the position
// and the record and hands both sides to people: whoever is to move is told.
TEST(StartCommand, InTheMiddleOfAGameAgainstTheComputerKeepsThePosition) {
    struct Case {
        const char* game;
        Move human;  // the human's move before スタート
        const char* told;
        state::Board (*start)();
    };
    const Case cases[] = {
        {"SENTE", {5, 9, 5, 7}, "先手の番です| ", humanFirstPosition},
        {"GOTE", {1, 7, 1, 6}, "後手の番です| ", computerFirstPosition},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.game);
        PlayWindow w;
        w.start();
        state::Game& g = w.game();
        w.choose(c.game);
        w.click(c.human.fromX, c.human.fromY);
        w.click(c.human.toX, c.human.toY);
        const int recorded = g.record.counter;
        ASSERT_GE(recorded, 2);  // the computer has answered
        const std::string board = boardText(g.board);
        const int side = g.state.sideToMove;
        w.forget();
        w.choose("START");
        EXPECT_EQ(w.messages(), Strings{c.told});
        EXPECT_EQ(g.state.gameKind, state::kTwoPlayers);
        EXPECT_EQ(boardText(g.board), board);
        EXPECT_EQ(g.record.counter, recorded);
        EXPECT_EQ(g.state.sideToMove, side);
        // The human's side moves and nobody answers; then the other side moves.
        const std::vector<Move> lower = legalMoves(g, kLower);
        ASSERT_FALSE(lower.empty());
        playByClicks(w, lower.front());
        EXPECT_EQ(g.state.sideToMove, -side);
        const int recordedLower = g.record.counter;
        EXPECT_GT(recordedLower, recorded);
        EXPECT_LE(g.record.moved[recordedLower], -1);
        const std::vector<Move> upper = legalMoves(g, kUpper);
        ASSERT_FALSE(upper.empty());
        playByClicks(w, upper.front());
        EXPECT_GT(g.record.counter, recordedLower);
        EXPECT_GE(g.record.moved[g.record.counter], 1);
        EXPECT_EQ(g.state.sideToMove, side);
        EXPECT_EQ(gameProblem(g, c.start()), "");
        EXPECT_EQ(w.messages(), Strings{c.told});
    }
}

namespace {

constexpr const char* kRecordName = "二手.棋譜";

// A record of two moves from the human-first position: the Nue King's jump
// and an upper pawn's step.
std::string twoMoveRecord() {
    return record::kifuText({{"2024/01/01 10:00:00", "先手：MAN", "後手：MAN"},
                             {record::記録行(5, 9, 5, 7, -14, -14, 0), record::記録行(5, 3, 5, 4, 1, 1, 0)}});
}

// Loads the record of the working folder through 読込 and the file list.
void loadRecord(PlayWindow& w) {
    w.choose("KIFU_READ");
    ASSERT_TRUE(w.clickFile(kRecordName)) << "not listed";
    ASSERT_EQ(w.game().state.kifuMode, 1);
}

void clickMoves(PlayWindow& w, std::initializer_list<Square> squares) {
    for (const Square& s : squares) w.click(s.first, s.second);
}

struct RefusalCase {
    const char* name;
    void (*setUp)(PlayWindow&);
    Square press;
    Qt::MouseButton button;
    std::deque<Answer> answers;
    Strings expected;
    bool unchanged;              // board, record and turn as before
    void (*after)(PlayWindow&);  // what else holds afterwards
};

}  // namespace

// Every message a press on the board can meet, each with the refusal sound
// where it has one: refusals change nothing; notices let the press go on.
TEST(Refusals, EveryMessageOfAPressWithItsSound) {
    WorkingFolder folder;
    folder.write(kRecordName, twoMoveRecord());
    const RefusalCase cases[] = {
        {"no game",
         [](PlayWindow&) {},
         {5, 9},
         Qt::LeftButton,
         {},
         {"「対局」で始めて下さい|開始|禁止"},
         true,
         [](PlayWindow&) {}},
        {"kifu mode, Yes",
         loadRecord,
         {5, 9},
         Qt::RightButton,
         {Answer::Yes},
         {"棋譜を '進 'で進めて下さい|棋譜"},
         true,
         [](PlayWindow& w) { EXPECT_EQ(w.game().state.kifuMode, 1); }},
        {"kifu mode, No",
         loadRecord,
         {5, 9},
         Qt::LeftButton,
         {Answer::No},
         {"棋譜を '進 'で進めて下さい|棋譜"},
         false,
         [](PlayWindow& w) {
             // The refusal sound after the answer, and no game any more.
             EXPECT_TRUE(w.sound.playing(w.game().state.sounds.forbidden));
             EXPECT_EQ(w.game().state.kifuMode, 0);
             EXPECT_EQ(w.game().state.sideToMove, 0);
             EXPECT_EQ(w.game().record.last, 0);
             EXPECT_EQ(boardText(w.game().board), boardText(humanFirstPosition()));
         }},
        {"two players, 先手 to move after 戻",
         [](PlayWindow& w) {
             w.choose("START");
             clickMoves(w, {{5, 9}, {5, 7}});
             w.choose("REPLAY");
         },
         {5, 9},
         Qt::LeftButton,
         {},
         {"先手の番です|対局"},
         true,
         [](PlayWindow& w) { EXPECT_EQ(w.game().state.selection, 1); }},
        {"two players, 後手 to move after 進",
         [](PlayWindow& w) {
             w.choose("START");
             clickMoves(w, {{5, 9}, {5, 7}});
             w.choose("AFTER");  // the end of the record: refused, but the notice is due
         },
         {3, 3},
         Qt::LeftButton,
         {},
         {"後手の番です|対局"},
         true,
         [](PlayWindow& w) { EXPECT_EQ(w.game().state.selection, 1); }},
        {"the computer to move after 戻",
         [](PlayWindow& w) {
             w.choose("SENTE");
             clickMoves(w, {{5, 9}, {5, 7}});
             w.choose("REPLAY");
         },
         {5, 7},
         Qt::LeftButton,
         {},
         {"OKですか？|再開(COM)"},
         false,
         [](PlayWindow& w) {
             // The computer moved again, then the press picked up the Nue King.
             const state::Game& g = w.game();
             EXPECT_EQ(g.record.counter, 2);
             EXPECT_GE(g.record.moved[2], 1);
             EXPECT_EQ(g.state.sideToMove, g.state.humanToken);
             EXPECT_EQ(g.state.selection, 1);
             EXPECT_EQ(gameProblem(g, humanFirstPosition()), "");
         }},
        {"the human to move after 戻 twice",
         [](PlayWindow& w) {
             w.choose("SENTE");
             clickMoves(w, {{5, 9}, {5, 7}});
             w.choose("REPLAY");
             w.choose("REPLAY");
         },
         {5, 9},
         Qt::LeftButton,
         {},
         {"MANの番です|対局"},
         true,
         [](PlayWindow& w) { EXPECT_EQ(w.game().state.selection, 1); }},
        {"a second step two squares on",
         [](PlayWindow& w) {
             w.choose("START");
             clickMoves(w, {{5, 9}, {5, 8}});
         },
         {5, 6},
         Qt::LeftButton,
         {},
         {"そこへ移動できません！|2手目移動中|禁止"},
         true,
         [](PlayWindow& w) { EXPECT_EQ(w.game().state.stepState, 2); }},
        {"a pawn onto the last row with the left button",
         [](PlayWindow& w) {
             w.choose("START");
             w.game().board = testing_support::boardFrom(R"(
                 . . . . 15 . . . .
                 -1 . . . . . . . .
                 . . . . . . . . .
                 . . . . . . . . .
                 . . . . . . . . .
                 . . . . . . . . .
                 . . . . . . . . .
                 . . . . . . . . .
                 . . . . -14 . . . .)");
             w.click(1, 2);
         },
         {1, 1},
         Qt::LeftButton,
         {},
         {"マウスの右をクリックして下さい|成り"},
         true,
         [](PlayWindow& w) { EXPECT_EQ(w.game().state.selection, 1); }},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        PlayWindow w;
        w.start();
        c.setUp(w);
        const state::Game& g = w.game();
        const std::string board = boardText(g.board);
        const state::MoveRecord record = g.record;
        const int side = g.state.sideToMove;
        w.forget();
        w.script = c.answers;
        w.click(c.press.first, c.press.second, c.button);
        EXPECT_EQ(w.messages(), c.expected);
        if (c.unchanged) {
            EXPECT_EQ(boardText(g.board), board);
            EXPECT_EQ(g.record.counter, record.counter);
            EXPECT_EQ(g.record.last, record.last);
            EXPECT_EQ(g.state.sideToMove, side);
        }
        c.after(w);
    }
}

namespace {

// One state a press can find the game in, how to reach it from any other,
// the position its record replays from, and what a press on a square must do.
struct ClickState {
    const char* name;
    void (*enter)(PlayWindow&);
    state::Board (*start)();
    // Checks the outcome of one press on (x, y) with the button, given the
    // game as it stood just before (a copy of its board and record).
    void (*expect)(PlayWindow& w, int x, int y, Qt::MouseButton button, const state::Board& before);
};

bool onBoard(int x, int y) { return state::onBoard(x, y); }

// What a press can change: the board, the record, whose turn, what is
// picked up, the Nue King's step and kifu mode.
std::string stateSignature(const state::Game& g) {
    const state::GameState& s = g.state;
    return boardText(g.board) + std::to_string(g.record.counter) + "/" + std::to_string(g.record.last) + " " +
           std::to_string(s.sideToMove) + " " + std::to_string(s.selection) + " " +
           std::to_string(s.selectedX()) + "," + std::to_string(s.selectedY()) + " " +
           std::to_string(s.stepState) + " " + std::to_string(s.kifuMode);
}

void enterStart(PlayWindow& w) {
    w.choose("CANCEL");
    w.choose("START");
}

// An idle game: a press on one's own piece picks it up, nothing else happens.
void expectIdle(PlayWindow& w, int x, int y, Qt::MouseButton, const state::Board& before) {
    const state::Game& g = w.game();
    const bool own = onBoard(x, y) && before(x, y) != 0 &&
                     (g.state.sideToMove == g.state.humanToken ? before(x, y) < 0 : before(x, y) > 0);
    EXPECT_EQ(w.messages(), Strings{});
    EXPECT_EQ(g.state.selection, own ? 1 : 0);
    EXPECT_EQ(boardText(g.board), boardText(before));
}

}  // namespace

// Every square, and one square beyond each edge, pressed with both buttons
// in every state a press can find: no game, kifu mode, 先手, 後手 and
// スタート waiting for a first press, a piece picked up, and a Nue King
// waiting for its second step. Each press starts from the state afresh; the
// board stays sound, its record replays to it, and the press does what the
// rules say for that square.
TEST(Clicks, EverySquareWithBothButtonsInEveryState) {
    WorkingFolder folder;
    folder.write(kRecordName, twoMoveRecord());
    const ClickState states[] = {
        {"no game", [](PlayWindow& w) { w.choose("CANCEL"); }, humanFirstPosition,
         [](PlayWindow& w, int, int, Qt::MouseButton, const state::Board& before) {
             EXPECT_EQ(w.messages(), Strings{"「対局」で始めて下さい|開始|禁止"});
             EXPECT_EQ(boardText(w.game().board), boardText(before));
         }},
        {"kifu mode", loadRecord, humanFirstPosition,
         [](PlayWindow& w, int, int, Qt::MouseButton button, const state::Board& before) {
             // Answered Yes to the left button, No to the right.
             EXPECT_EQ(w.messages(), Strings{"棋譜を '進 'で進めて下さい|棋譜"});
             EXPECT_EQ(w.game().state.kifuMode, button == Qt::LeftButton ? 1 : 0);
             EXPECT_EQ(boardText(w.game().board), boardText(before));
         }},
        {"先手", [](PlayWindow& w) { w.choose("SENTE"); }, humanFirstPosition, expectIdle},
        {"後手", [](PlayWindow& w) { w.choose("GOTE"); }, computerFirstPosition, expectIdle},
        {"スタート", enterStart, humanFirstPosition, expectIdle},
        {"the Nue King picked up",
         [](PlayWindow& w) {
             enterStart(w);
             w.click(5, 9);
         },
         humanFirstPosition,
         [](PlayWindow& w, int x, int y, Qt::MouseButton, const state::Board& before) {
             const state::Game& g = w.game();
             EXPECT_EQ(w.messages(), Strings{});
             const bool reached = onBoard(x, y) && g.record.counter == 1;
             if (!reached) {
                 // Out of reach: nothing moves; pressing an upper piece drops the selection.
                 EXPECT_EQ(boardText(g.board), boardText(before));
                 EXPECT_EQ(g.state.selection, onBoard(x, y) && before(x, y) > 0 ? 0 : 1);
                 return;
             }
             EXPECT_LE(distance(5, 9, x, y), 2);
             EXPECT_EQ(g.board(x, y), -14);
             EXPECT_EQ(g.record.captured[1], before(x, y));
             // A step waits for the second; a jump is the whole move.
             EXPECT_EQ(g.state.stepState, distance(5, 9, x, y) == 1 ? 2 : 1);
             EXPECT_EQ(g.state.sideToMove, distance(5, 9, x, y) == 1 ? 1 : -1);
         }},
        {"the Nue King's second step",
         [](PlayWindow& w) {
             enterStart(w);
             clickMoves(w, {{5, 9}, {5, 8}});
         },
         humanFirstPosition,
         [](PlayWindow& w, int x, int y, Qt::MouseButton, const state::Board& before) {
             const state::Game& g = w.game();
             const bool step = onBoard(x, y) && distance(5, 8, x, y) == 1;
             if (step) {
                 EXPECT_EQ(w.messages(), Strings{});
                 EXPECT_EQ(g.record.counter, 2);
                 EXPECT_EQ(g.board(x, y), -14);
                 EXPECT_EQ(g.state.sideToMove, -1);
                 return;
             }
             EXPECT_EQ(w.messages(),
                       onBoard(x, y) ? Strings{"そこへ移動できません！|2手目移動中|禁止"} : Strings{});
             EXPECT_EQ(boardText(g.board), boardText(before));
             EXPECT_EQ(g.state.stepState, 2);
         }},
    };
    for (const ClickState& s : states) {
        // A window of its own for each state, entered again only after a
        // press has changed it: each full redraw leaves another copy of the
        // coordinate numbers on the window's drawing surface, and thousands
        // of redraws in one window grow slow.
        PlayWindow w;
        w.start();
        bool entered = false;
        std::string signature;
        for (int x = 0; x <= 10; ++x)
            for (int y = 0; y <= 10; ++y)
                for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
                    SCOPED_TRACE(std::string(s.name) + ", " + std::to_string(x) + "," + std::to_string(y) +
                                 (button == Qt::LeftButton ? " left" : " right"));
                    if (!entered || stateSignature(w.game()) != signature) {
                        s.enter(w);
                        signature = stateSignature(w.game());
                        entered = true;
                    }
                    const state::Board before = w.game().board;
                    w.forget();
                    if (std::string(s.name) == "kifu mode")
                        w.script = {button == Qt::LeftButton ? Answer::Yes : Answer::No};
                    w.click(x, y, button);
                    const state::Game& g = w.game();
                    const bool reset = g.state.sideToMove == 0 && std::string(s.name) == "kifu mode";
                    ASSERT_EQ(gameProblem(g, reset ? humanFirstPosition() : s.start()), "");
                    s.expect(w, x, y, button, before);
                    if (HasFailure()) return;
                }
    }
}

// A double click is two presses: the second press of it comes once, the
// double click after it is no further press.
TEST(Clicks, ADoubleClickIsTwoPresses) {
    PlayWindow w;
    w.start();
    w.choose("START");
    w.click(5, 9);
    w.forget();
    const int presses = w.presses;
    // The first click makes the Nue King's first step, the second tries to
    // stay there: one refusal, not two.
    w.doubleClick(5, 8);
    EXPECT_EQ(w.presses, presses + 2);
    EXPECT_EQ(w.messages(), Strings{"そこへ移動できません！|2手目移動中|禁止"});
    EXPECT_EQ(w.game().state.stepState, 2);
    EXPECT_EQ(w.game().record.counter, 1);
}
