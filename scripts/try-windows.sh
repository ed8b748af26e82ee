#!/usr/bin/env bash
# Tries plicora.exe as a person on Windows would, under Wine on a virtual X
# server with a window manager: a merge of two PDFs with names outside plain
# ASCII (given as Explorer's "Open with" gives them) and a split of one by typed
# page ranges, each started from the window; the results are checked with qpdf
# on the Linux side, and docs/screenshots/windows-wine.png shows the merge side.
#
# Usage: scripts/try-windows.sh [build-dir]   (default build-win64, with the
# window built: scripts/build-qt-windows.sh, then scripts/test-windows.sh)
# Needs: scripts/install-deps.sh --gui-tools, openbox and Wine.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build-win64}" && pwd)
app=$build/app/plicora.exe
out=$root/docs/screenshots
wine=/usr/lib/wine/wine64

bash "$root/scripts/install-deps.sh" --packages xvfb xdotool imagemagick openbox wine64 ghostscript qpdf >&2
[[ -f $app ]] || { echo "try-windows: $app not found; build the window for Windows first" >&2; exit 1; }

# shellcheck source=scripts/xdesktop.sh
source "$root/scripts/xdesktop.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/plicora-win.XXXXXX")
app_pid=
wm_pid=
cleanup() {
  if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null || true; fi
  WINEPREFIX=$work/wine /usr/lib/wine/wineserver -k 2>/dev/null || true
  if [[ -n $wm_pid ]]; then kill "$wm_pid" 2>/dev/null || true; fi
  xdesktop_stop
  rm -rf "$work"
}
trap cleanup EXIT
xdesktop_start "$work"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
sleep 1

# A prefix of our own whose Documents is a folder of its own (Wine links it to
# the Linux home otherwise); the desktop's "open" of a finished job only noted.
export WINEPREFIX=$work/wine WINEARCH=win64 WINEDEBUG=-all LANG=C.UTF-8 LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
"$wine" wineboot -i >/dev/null 2>&1
/usr/lib/wine/wineserver -w
for link in "$WINEPREFIX/drive_c/users/$(id -un)"/*; do
  if [[ -L $link ]]; then rm "$link" && mkdir "$link"; fi
done
docs=$WINEPREFIX/drive_c/users/$(id -un)/Documents
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$1" >>"%s/opened.txt"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

pdfs=$work/pdfs
mkdir -p "$pdfs"
make_pdf() { # name pages
  gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=pdfwrite -sOutputFile="$pdfs/$1.pdf" \
    -c "/Helvetica findfont 28 scalefont setfont 1 1 $2 { 72 720 moveto ($1 page ) show 10 string cvs show showpage } for"
}
make_pdf "Zürich – 東京" 3
make_pdf Глава-2 12
winpath() { printf 'Z:%s' "${1//\//\\}"; }

failures=0
expect() { # what actual expected
  if [[ $2 == "$3" ]]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: $2, expected $3"
    failures=$((failures + 1))
  fi
}
# The page count of a file qpdf finds sound.
pages() {
  if qpdf --check "$1" >/dev/null 2>&1; then
    qpdf --show-npages "$1"
  else
    echo "not a sound PDF"
  fi
}
# Closes the window as a person would (Alt+F4); ends the program if it stays.
close_app() {
  xdotool windowactivate --sync "$main" 2>/dev/null || true
  key alt+F4
  for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.2
  done
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=
}

# 1. Merge: both files from the command line into the list, Ctrl+Return.
mkdir -p "$out"
"$wine" "$app" "$(winpath "$pdfs/Zürich – 東京.pdf")" "$(winpath "$pdfs/Глава-2.pdf")" >"$work/app.log" 2>&1 &
app_pid=$!
main=$(wait_window '^Plicora$')
settle 3
shot_windows windows-wine.png "$main"
xdotool windowactivate --sync "$main" 2>/dev/null || true
key ctrl+Return
done_box=$(wait_window '^(Success|Failure)$')
settle
expect "merge message" "$(xdotool getwindowname "$done_box")" Success
key Return
settle
# The output name is proposed in Documents from the first file's name.
merged=$(find "$docs" -name '*.pdf' | head -n 1)
expect "merged file under Documents" "$(basename "${merged:-none}")" "Zürich – 東京_me.pdf"
expect "merged pages (3 + 12)" "$(pages "${merged:-/none}")" 15
close_app

# 2. Split: one file opens the split side; ranges typed, Ctrl+Return.
"$wine" "$app" "$(winpath "$pdfs/Глава-2.pdf")" >>"$work/app.log" 2>&1 &
app_pid=$!
main=$(wait_window '^Plicora$')
settle 3
# The "page ranges" choice and its field, from the window's layout.
click "$main" 25 236
click "$main" 295 236
type_text "1,2-5,4,6"
settle
key ctrl+Return
# Same-named pieces would be overwritten: the window asks first.
ask=$(wait_window '^continue\?$')
expect "split asks before it writes" "$(xdotool getwindowname "$ask")" "continue?"
key Return
done_box=$(wait_window '^(Success|Failure)$')
expect "split message" "$(xdotool getwindowname "$done_box")" Success
key Return
settle
for piece in 1:1 2-5:4 4:1 6:1; do
  file=$(find "$docs" "$pdfs" -name "Глава-2${piece%%:*}.pdf" | head -n 1)
  expect "piece ${piece%%:*}" "$(pages "${file:-/none}")" "${piece##*:}"
done
close_app

if ((failures)); then
  echo "try-windows: $failures checks failed"
  exit 1
fi
echo "try-windows: the merge and the split went through"
