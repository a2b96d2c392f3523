#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "state/side.h"

namespace state {

// Who has won, if anyone.
enum class Result { Continues, UpperWins, LowerWins, Draw };

// Why a game ended, as the one end-of-game decision found it.
enum class EndReason {
    None,         // the game goes on
    Resignation,  // the side to move gave the game up
    OutOfTime,    // a side's time ran out
    RoyalTaken,   // a king or a Nue King was taken
    MateAsked,    // the mate the game asks for after the player's move
    NoLegalMove,  // the side to move cannot move
    RecordFull,   // no room in the record for the next move or step
    Untold,       // over, but its record does not say why (a resignation or a loss on time)
};

// How a game stands after a move, or before one, and why it ended.
// `o == Outcome::Draw` asks the result alone.
struct Outcome {
    static constexpr Result Continues = Result::Continues;
    static constexpr Result UpperWins = Result::UpperWins;
    static constexpr Result LowerWins = Result::LowerWins;
    static constexpr Result Draw = Result::Draw;

    Result result = Result::Continues;
    EndReason reason = EndReason::None;

    constexpr bool over() const { return result != Result::Continues; }
    // The winner, none for a draw or a game that goes on.
    constexpr std::optional<Side> winner() const {
        if (result == Result::UpperWins) return Side::Upper;
        if (result == Result::LowerWins) return Side::Lower;
        return std::nullopt;
    }

    friend constexpr bool operator==(const Outcome&, const Outcome&) = default;
    friend constexpr bool operator==(const Outcome& o, Result r) { return o.result == r; }
};

// The reasons' names in files and on the command line (never shown to a
// player, who reads them in words).
inline constexpr std::array<std::string_view, 8> kEndReasonNames = {"none", "resign",  "time", "royal",
                                                                    "mate", "no-move", "full", "untold"};
constexpr std::string_view endReasonName(EndReason r) { return kEndReasonNames[static_cast<std::size_t>(r)]; }
constexpr std::optional<EndReason> endReasonNamed(std::string_view name) {
    for (std::size_t i = 0; i < kEndReasonNames.size(); ++i)
        if (kEndReasonNames[i] == name) return static_cast<EndReason>(i);
    return std::nullopt;
}

}  // namespace state
