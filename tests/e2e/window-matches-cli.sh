#!/usr/bin/env bash
# Drives the real window on a private X display: types a bay area, presses
# calculate and the completion message's OK, exits; then checks that the
# report it wrote is byte-identical to the command-line tool's for that input.
set -euo pipefail
window_app=$1
cli_app=$2
bay_area=500
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "needs Xvfb and xdotool"; exit 77; }

scratch=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Waits up to 20 s for a command to succeed.
wait_for() {
  for _ in $(seq 400); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done
  echo "timed out waiting for: $*"
  [ -f "$scratch/window.log" ] && cat "$scratch/window.log"
  exit 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
wait_for test -s "$scratch/display"
export DISPLAY=":$(cat "$scratch/display")"

mkdir "$scratch/window" "$scratch/cli"
(cd "$scratch/window" && exec "$window_app" 2>"$scratch/window.log") &
app=$!
wait_for xdotool search --onlyvisible --name '^Tidewell Ver110$'
main=$(xdotool search --onlyvisible --name '^Tidewell Ver110$' | head -1)

# Control centres in pixels at 96 dpi: (panel offset + left + width / 2) / 15,
# below the menu bar: whatever the window has above its 445-pixel client area.
eval "$(xdotool getwindowgeometry --shell "$main")"
menu_bar=$((HEIGHT - 445))
click() { xdotool mousemove --window "$main" "$1" $(($2 + menu_bar)) click 1; }
click 156 57                        # Text1, the bay area
xdotool key --window "$main" ctrl+a
xdotool type --window "$main" --delay 20 "$bay_area"
click 472 288                       # 計算開始
wait_for xdotool search --onlyvisible --name '計算終了です'
box=$(xdotool search --onlyvisible --name '計算終了です' | head -1)
xdotool windowfocus --sync "$box" key Return
click 340 32                        # デフォルトに戻す, which asks first: the typed area would be lost
wait_for xdotool search --onlyvisible --name '^デフォルトに戻す$'
question=$(xdotool search --onlyvisible --name '^デフォルトに戻す$' | head -1)
xdotool windowfocus --sync "$question" key y   # はい: nothing typed is left to lose
wait_for bash -c "! xdotool search --onlyvisible --name '^デフォルトに戻す$'"
click 472 328                       # 終了（閉じる）, which asks only when typed work would be lost
wait_for bash -c "! kill -0 $app"
wait "$app" || { echo "the window did not exit cleanly"; exit 1; }
app=

(cd "$scratch/cli" && "$cli_app" --bay-area "$bay_area" >/dev/null 2>&1)
cmp "$scratch/window/Tidewell_OUT.txt" "$scratch/cli/Tidewell_OUT.txt"
echo "window and command line wrote the same report"
