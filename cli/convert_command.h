#pragma once

namespace cli {

// `nuedori-cli convert IN OUT`: a game record from one file format to
// another, each known by its name's ending: .棋譜 the game's own record file,
// .kifu KIF in UTF-8, .kif KIF in Shift_JIS. Every move is checked by the
// rules first. Writes OUT whole or not at all; silent with status 0 when
// done, one line `error <reason>` and status 1 when it cannot (OUT then left
// as it was), status 2 for a wrong command line.
int convertMain(int argc, char** argv);

}  // namespace cli
