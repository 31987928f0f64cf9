#!/usr/bin/env bash
# Screenshots of both programs during a live class, for the README: a `make run` class
# (scripts/run-class.sh) on a private Xvfb display, signed in as Ann Lee, one PNG per program.
#   scripts/take-screenshots.sh [BUILD_DIR] [OUT_DIR]    (defaults: build, docs/screenshots)
# Needs Xvfb, xdotool and ImageMagick: scripts/setup-deps.sh --screenshots installs them.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-build}
out=${2:-$root/docs/screenshots}
[[ $build = /* ]] || build=$root/$build
mkdir -p "$out"
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/setup-deps.sh --screenshots" >&2; exit 1; }
done

# A display number nobody uses.
display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do
  display=$((display + 1))
done
export DISPLAY=:$display

xvfb_pid=
class_pid=
pulse_pid=
scratch=$(mktemp -d)
stop() {
  if [[ -n $class_pid ]]; then
    kill -TERM "$class_pid" 2>/dev/null || true
    wait "$class_pid" 2>/dev/null || true
    class_pid=
  fi
  if [[ -n $xvfb_pid ]]; then
    kill -TERM "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  fi
  if [[ -n $pulse_pid ]]; then
    kill -TERM "$pulse_pid" 2>/dev/null || true
    wait "$pulse_pid" 2>/dev/null || true
    pulse_pid=
  fi
  rm -rf "$scratch"
}
trap stop EXIT

Xvfb "$DISPLAY" -screen 0 1600x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool getdisplaygeometry >/dev/null || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }

# A silent sound server of its own, so the console's voice is ready and shows no audio notice.
HOME=$scratch XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch pulseaudio -n --daemonize=no \
  --use-pid-file=no --exit-idle-time=-1 --log-target=stderr --log-level=error \
  --load="module-null-sink sink_name=silent" \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$scratch/native" 2>/dev/null &
pulse_pid=$!
for _ in $(seq 100); do
  [[ -S $scratch/native ]] && break
  sleep 0.1
done
export PULSE_SERVER=unix:$scratch/native

bash "$root/scripts/run-class.sh" "$build" >/dev/null &
class_pid=$!

# The visible window with this exact title and at most this width (a dialog shares its title with
# its main window); waits up to 30 s.
find_window() {
  local title=$1 max_width=$2 id width
  for _ in $(seq 300); do
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
      width=$(xdotool getwindowgeometry --shell "$id" | sed -n 's/^WIDTH=//p')
      if [[ -n $width && $width -le $max_width ]]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  echo "No window \"$title\" appeared; the screen is in $out/failed.png" >&2
  import -window root "$out/failed.png" || true
  return 1
}

# Focus, then plain keys: `key --window` sends synthetic events that can leave a key stuck.
type_into() {
  local window=$1
  shift
  sleep 0.5
  xdotool windowraise "$window" windowfocus --sync "$window"
  sleep 0.3
  xdotool "$@"
}

sign_in() {
  local program=$1 login select
  login=$(find_window "$program Version 3.1" 500)
  type_into "$login" type --delay 30 "Ann"
  type_into "$login" key Tab type --delay 30 "Lee"
  type_into "$login" key Tab type --delay 30 "quillon"
  type_into "$login" key Return
  select=$(find_window "Select:" 500)
  type_into "$select" key Return
}

sign_in Brivane
brivane=$(find_window "Brivane Version 3.1" 2000)
xdotool windowmove --sync "$brivane" 0 0 || true
sign_in Cortelle
cortelle=$(find_window "Cortelle Version 3.1" 2000)
xdotool windowmove --sync "$cortelle" 810 0 || true

# The simulated class comes online and talks over the first seconds.
sleep 12
# The server's occasional notice box would hide part of the console: answered like a teacher would.
for box in $(xdotool search --onlyvisible --name "^Brivane Version 3.1\$" 2>/dev/null); do
  [[ $box == "$brivane" ]] || type_into "$box" key Return
done
# Without a window manager nobody repaints where a closed dialog was: a fresh map redraws all.
for window in "$brivane" "$cortelle"; do
  xdotool windowunmap --sync "$window" windowmap --sync "$window"
done
sleep 1
import -window "$brivane" "$out/brivane.png"
import -window "$cortelle" "$out/cortelle.png"
echo "Screenshots in $out: brivane.png, cortelle.png"
