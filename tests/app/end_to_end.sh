#!/usr/bin/env bash
# The built game as a player starts it, on the X display xvfb-run gives:
#  1. with the dummy sound driver: the main window appears, a screenshot of
#     it is saved, Esc ends the game with status 0 within a few seconds;
#  2. with no usable sound driver: the warning box appears and is answered,
#     then the main window appears and Esc ends the game with status 0;
#  3. a termination signal ends it the normal way, with status 0.
# Usage: end_to_end.sh PATH/TO/nuedori FOLDER-FOR-SCREENSHOTS
set -u
game=$1
shots=$2

# The game must use the X server, whatever the test run chose for Qt.
unset QT_QPA_PLATFORM
export DBUS_SESSION_BUS_ADDRESS=disabled:
XDG_RUNTIME_DIR=$(mktemp -d /tmp/nuedori-e2e.XXXXXX)
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
work=$(mktemp -d /tmp/nuedori-e2e-cwd.XXXXXX)
# The game keeps its games and settings here, never in the player's home.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$XDG_RUNTIME_DIR" "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }

# Waits up to ten seconds for a window whose whole title matches, and prints its id.
window_titled() {
  for _ in $(seq 100); do
    local id
    id=$(xdotool search --name "$1" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Presses a key in a window (without a window manager it must be given the focus first).
press() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.2
  xdotool key "$2"
}

# Waits up to five seconds for the game to end and checks its status.
ends_with_zero() {
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "$1: still running 5 s after Esc"
  wait "$pid"
  local status=$?
  pid=
  [ "$status" -eq 0 ] || fail "$1: ended with status $status"
}

# The virtual server may still be starting when a busy machine runs this:
# wait until it answers before the game is started.
for _ in $(seq 100); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done
if ! xdotool getdisplaygeometry >/dev/null 2>&1; then
  echo "the X display $DISPLAY does not answer"
  exit 3  # the virtual server died at its start: the caller tries another
fi

# 1. A normal start.
cd "$work" || exit 1
SDL_AUDIODRIVER=dummy "$game" &
pid=$!
main=$(window_titled '^ QXぬえどり王$') || fail "the main window did not appear"
sleep 0.5
import -window root "$shots/nuedori-window.png" || fail "no screenshot"
[ -s "$shots/nuedori-window.png" ] || fail "empty screenshot"
# The board is on screen: the picture is not one flat colour.
colours=$(/usr/bin/convert "$shots/nuedori-window.png" -format '%k' info:)
[ "$colours" -gt 20 ] || fail "the screenshot shows only $colours colours"
press "$main" Escape
ends_with_zero "normal start"
[ -s "$XDG_DATA_HOME/nuedori/game-in-progress.txt" ] || fail "Esc left without keeping the game"
echo "normal start: window $main, screenshot $shots/nuedori-window.png, ended with status 0"

# 2. No sound device: the warning box first, then the game.
SDL_AUDIODRIVER=no-such-driver "$game" 2>/dev/null &
pid=$!
box=$(window_titled '^QXぬえどり王\.dll$') || fail "the sound warning box did not appear"
import -window root "$shots/nuedori-sound-warning.png"
press "$box" Return
main=$(window_titled '^ QXぬえどり王$') || fail "no main window after the warning"
sleep 0.3
press "$main" Escape
ends_with_zero "silent start"
echo "silent start: warning box answered, window $main, ended with status 0"

# 3. A termination signal: the normal way out.
SDL_AUDIODRIVER=dummy "$game" &
pid=$!
main=$(window_titled '^ QXぬえどり王$') || fail "the main window did not appear"
kill -TERM "$pid"
ends_with_zero "termination signal"
echo "termination signal: ended with status 0"
