#pragma once

namespace state {
struct Game;
}

namespace control {

// The clock in play. The window owns the clock (it reads the steady clock)
// and gives it to the game as Game::clock when a game begins; game control
// runs it here. Without a clock every procedure here does nothing, and the
// game is as it always was.
//
// Whose time runs: a person's from the end of the event that gave them the
// turn until their move is complete (both steps of a Nue King's); the
// computer's only while it searches for its move, so the game's own
// half-second pauses never count against it.

// Starts the time of the side to move, or stops the clock where nobody's
// time runs: no game, a record stepped through, or the computer to move
// between its turns. Answers whether a game is in play for the clock. The
// window asks after every event.
bool 時計_手番(state::Game& g);

// The computer begins to search: its time (the upper side's) runs.
void 時計_思考開始(state::Game& g);

// The side that moved has completed its move: its time stops, its increment
// added or its byoyomi renewed. Answers that side when its time ran out
// before the move was made, else 0 (always 0 without a clock).
int 時計_着手完了(state::Game& g);

// A side's time has run out while it had the move: the game ends through
// the one end of game, the other side the winner. Answers whether it ended.
// The window asks between events as the clock runs.
// 例: sudden death of 1 min for the lower side, 60 s pass: 時間切れ(g) ends
// the game as UpperWins.
bool 時間切れ(state::Game& g);

// P: a two-player game's clock holds still, or runs again. Answers whether
// it is held now; a game against the computer, or one without a clock, is
// never held.
bool 時計_一時停止(state::Game& g);

}  // namespace control
