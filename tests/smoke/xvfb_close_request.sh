#!/usr/bin/env bash
# The window's close request, sent as a window manager sends it, changes
# nothing, in the intro and in the main menu; SIGTERM then ends the game
# within a second, by the signal (status 143 as the shell reports it).
# Usage: xvfb_close_request.sh GAME_DIR CLOSE_REQUEST_PROGRAM
close_request=$(realpath "$2")
GAME_DIR=$1 source "$(dirname "$0")/xvfb_common.sh"

ask_to_close() {  # where
  "$close_request" "$window" || fail "could not send the close request"
  wait_for_game 15
  [ -z "$status" ] || fail "the game ended (status $status) on a close request in the $1"
  echo "smoke: close request ignored in the $1"
}

sleep 0.5
ask_to_close intro
press Control_L 5          # through the five intro images
sleep 0.5
ask_to_close "main menu"

kill -TERM "$game_pid"
wait_for_game 10
[ -n "$status" ] || fail "the game still runs a second after SIGTERM"
[ "$status" -eq 143 ] || fail "status $status after SIGTERM"
echo "smoke: SIGTERM ended the game with status 143"
