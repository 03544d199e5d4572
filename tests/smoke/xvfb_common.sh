# Shared by the X server tests: a work directory laid out as the game's,
# an Xvfb server, the windowed program started in it, and its window.
# Sourced with GAME_DIR set; sets work, DISPLAY, game_pid and window.
set -euo pipefail
game=$(cd "$GAME_DIR" && pwd)
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "smoke: $*" >&2; exit 1; }

for entry in img song audio ariblk.ttf; do ln -s "$game/$entry" "$work/$entry"; done
mkdir "$work/data"

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

(cd "$work" && SDL_AUDIODRIVER=dummy exec "$game/quorl_demo_windowed") &
game_pid=$!

# The game's window: the one visible window of 320 x 240.
window=""
for _ in $(seq 100); do
  for id in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
    if xdotool getwindowgeometry "$id" | grep -q 'Geometry: 320x240'; then window=$id; fi
  done
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no 320x240 window appeared"
echo "smoke: window $window is 320x240"

# Without a window manager the keyboard follows the pointer.
xdotool mousemove --window "$window" 160 120
press() {  # key [times]
  for _ in $(seq "${2:-1}"); do xdotool key "$1"; sleep 0.15; done
}

# Waits up to `tenths` tenths of a second for the game to end; sets status
# (empty when it is still running).
wait_for_game() {  # tenths
  status=""
  for _ in $(seq "$1"); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      set +e; wait "$game_pid"; status=$?; set -e
      game_pid=""
      return
    fi
    sleep 0.1
  done
}
