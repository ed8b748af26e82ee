# A virtual X server and the means to drive windows on it as a person would
# (mouse clicks, typed text, keys) and to save pictures of them. Sourced by
# scripts/screenshots.sh and scripts/try-windows.sh; needs Xvfb, xdotool,
# xwininfo and ImageMagick (scripts/install-deps.sh --gui-tools).
#
#   xdesktop_start <work-dir>   starts Xvfb on a free display, exports DISPLAY
#   xdesktop_stop               ends it
# The pictures go to $out; fail() ends the calling script with a message.

xdesktop_pid=
xdesktop_work=

fail() {
  echo "$(basename "$0" .sh): $*" >&2
  exit 1
}

xdesktop_start() {
  local n display=
  xdesktop_work=$1
  for n in $(seq 90 140); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
      display=:$n
      break
    fi
  done
  [[ -n $display ]] || fail "no free X display number"
  # The server keeps its screen in a file there: the pictures are cut from it.
  mkdir -p "$xdesktop_work/fb"
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -fbdir "$xdesktop_work/fb" \
    >"$xdesktop_work/xvfb.log" 2>&1 &
  xdesktop_pid=$!
  export DISPLAY=$display
  # A busy machine may take seconds.
  for _ in $(seq 200); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start (see $xdesktop_work/xvfb.log)"
}

xdesktop_stop() {
  if [[ -n $xdesktop_pid ]]; then kill "$xdesktop_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
}

frame_of() { # window -> the window manager's frame around it (itself without one)
  local win=$1 parent root
  root=$(xwininfo -root | awk '/Window id:/ {print $4}')
  for _ in $(seq 10); do
    parent=$(xwininfo -tree -id "$win" | awk '/Parent window id:/ {print $4}')
    [[ -z $parent || $parent == "$root" ]] && break
    win=$parent
  done
  echo "$win"
}
geometry() { # window -> "x y w h" of its frame, title bar included, on the screen
  # xdotool's geometry is the client's, placed as if it had no title bar: under
  # a window manager it cut the top of the frame off.
  xwininfo -id "$(frame_of "$1")" | awk '
    /Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}
# Saves the part of the screen that holds all the given windows. It is read from
# the server's screen memory: asking the server for the screen's picture (xwd
# -root) returns every window but the first one black.
shot_windows() { # file window...
  local file=$1 x0=100000 y0=100000 x1=0 y1=0 x y w h win
  shift
  for win in "$@"; do
    read -r x y w h < <(geometry "$win")
    ((x < x0)) && x0=$x
    ((y < y0)) && y0=$y
    ((x + w > x1)) && x1=$((x + w))
    ((y + h > y1)) && y1=$((y + h))
  done
  # The pointer is drawn into that memory: out of the way with it.
  xdotool mousemove 1023 767
  sleep 0.3
  convert "xwd:$xdesktop_work/fb/Xvfb_screen0" -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$out/$file"
  echo "saved docs/screenshots/$file"
}
wait_window() { # name-regex -> window id of the visible window with that caption
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1) && [[ -n $id ]] && {
      echo "$id"
      return 0
    }
    sleep 0.1
  done
  fail "no window '$1' appeared"
}
wait_gone() { # window
  for _ in $(seq 600); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    xdotool search --onlyvisible --name '.*' 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  fail "window $1 did not close"
}
click() { # window x y (relative to the window)
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}
type_text() {
  xdotool type --delay 5 "$1"
  sleep 0.2
}
key() {
  xdotool key "$@"
  sleep 0.3
}
settle() { sleep "${1:-0.8}"; }
