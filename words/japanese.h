#pragma once

#include <string>
#include <string_view>

#include "state/texts.h"

namespace words {

// The game's Japanese, byte for byte, in one table: what the window (and
// every test of the game's surface) shows for a text the core names.

// A fixed text as a template: %1 and %2 stand for a message's name or
// number (the winner's name for %1の勝ちです).
// 例: 原文(control::Text::CannotRead) == "%1：読み込めません"
std::string_view 原文(state::Text t);

// A message box's text with its arguments put in, the bytes of a file's
// name kept as they are.
// 例: 日本語({Text::Won, Text::You}) == "あなたの勝ちです"
std::string 日本語(const state::Message& m);

// A text of the surface: the move texts by the game's notation (the column
// as a full-width digit, the row in kanji, the piece's name), the board's
// row numerals in kanji, numbers in figures, a header line as the file has it.
// 例: a MoveColumn of a move ending on column 3 gives "７"
std::string 日本語(const state::SurfaceText& t);

// Puts the arguments into a template: %1 becomes `first`, %2 `second`.
std::string 差し込み(std::string_view text, std::string_view first, std::string_view second = {});

}  // namespace words
