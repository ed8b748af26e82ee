#!/usr/bin/env bash
# Takes the screenshots shown in README.md: runs Plicora on a virtual X server, drives
# it with mouse clicks and typed text the way a person would, and saves each window
# as a PNG in docs/screenshots/.
#
# Usage: scripts/screenshots.sh [build-dir]   (default: build-run, else build)
# Needs the program built and: scripts/install-deps.sh --gui-tools
#
# Openbox manages the windows on the virtual screen when it is installed, so
# that windows can be moved, resized and focused as on a desktop; the pictures
# then show the windows with their frames and title bars. The last one is taken under
# a dark desktop theme (GTK's Adwaita dark through qt6-gtk-platformtheme).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
default_build=$root/build-run
[[ -x $default_build/app/plicora ]] || default_build=$root/build
build=$(cd "${1:-$default_build}" && pwd)
app=$build/app/plicora
out=$root/docs/screenshots

for tool in Xvfb xdotool xwininfo convert gs; do
  if ! command -v "$tool" >/dev/null; then
    echo "screenshots: '$tool' is missing; run scripts/install-deps.sh --gui-tools" >&2
    exit 1
  fi
done
if [[ ! -x $app ]]; then
  echo "screenshots: $app not found; build the program first" >&2
  exit 1
fi

# shellcheck source=scripts/xdesktop.sh
source "$root/scripts/xdesktop.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/plicora.XXXXXX")
app_pid=
wm_pid=
cleanup() {
  if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null || true; fi
  if [[ -n $wm_pid ]]; then kill "$wm_pid" 2>/dev/null || true; fi
  xdesktop_stop
  rm -rf "$work"
}
trap cleanup EXIT

# --- A private desktop: display, home folder, documents folder, desktop "open" ---
xdesktop_start "$work"
if command -v openbox >/dev/null; then
  openbox >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  sleep 1
fi

export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_RUNTIME_DIR=$work/runtime
docs=$HOME/Documents
mkdir -p "$docs" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$work/bin"
chmod 700 "$XDG_RUNTIME_DIR"
echo "XDG_DOCUMENTS_DIR=\"\$HOME/Documents\"" >"$XDG_CONFIG_HOME/user-dirs.dirs"
# The Ghostscript engine takes long enough over the sample merge for the
# progress window to be caught while it runs; the exact copy is over at once.
mkdir -p "$XDG_CONFIG_HOME/Tarvex"
printf '[General]\nEngine=ghostscript\n' >"$XDG_CONFIG_HOME/Tarvex/Tarvex Plicora.conf"
# The desktop's "open" only notes what it was asked to open.
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
echo "\$1" >>"$work/opened.txt"
EOF
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8

# --- Sample PDFs, made here: numbered pages with a title line ---
pdfs=$docs/samples
mkdir -p "$pdfs"
cat >"$work/pages.ps" <<'EOF'
% Pages "<title> - page n"; DENSE > 0 adds rows of small text, so the
% interpreter has something to chew on and the progress window stays up.
/Helvetica findfont 28 scalefont setfont
1 1 PAGES {
  /n exch def
  72 720 moveto TITLE show ( - page ) show n 10 string cvs show
  DENSE 0 gt {
    /Helvetica findfont 6 scalefont setfont
    0 1 DENSE { /i exch def 0 1 9 { /j exch def
      36 j 55 mul add 36 i 6 mul 650 mod add moveto (sample text) show } for } for
    /Helvetica findfont 28 scalefont setfont
  } if
  showpage
} for
EOF
make_pdf() { # name pages dense
  gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=pdfwrite -dPAGES="$2" -dDENSE="$3" -sTITLE="$1" \
    -sOutputFile="$pdfs/$1.pdf" "$work/pages.ps"
}
make_pdf Chapter-1 3 0
make_pdf Chapter-2 5 0
make_pdf Annual-report 400 100
make_pdf Handbook 12 0

# --- Driving the windows ---
# Answers the file dialog that a click has just opened: goes to the folder, then
# types the name into the file-name field.
choose_files() { # folder name
  local dialog
  dialog=$(wait_window '^Open$')
  settle
  # The file-name field has the focus when the dialog opens.
  key ctrl+a
  type_text "$1/"
  key Return
  key ctrl+a
  type_text "$2"
  key Return
  wait_gone "$dialog"
  settle
}

mkdir -p "$out"
"$app" >"$work/app.log" 2>&1 &
app_pid=$!
main=$(wait_window '^Plicora$')
settle 1.5

# Positions inside the main window, from its layout: the tab row spans y 50..80
# with tabs 140 wide; the tab pages start below it.
merge_tab=(70 65)
split_tab=(210 65)
about_link=(655 14)
sb_add_files=(596 108)
# Rows are as tall as the first pages' pictures beside the names.
list_row2=(150 155)
sb_merge=(627 335)
sb_browse_src=(550 127)
radio_ranges=(25 236)
edt_ranges=(295 236)
# The buttons that show the pages beside the merge list and below the split fields.
sb_merge_pages=(596 237)
sb_split_pages=(561 358)
# The second page in the merge pane, once the window has grown for it.
merge_page2=(747 160)

# 1. The split side: a source chosen, split by typed ranges.
click "$main" "${split_tab[@]}"
click "$main" "${sb_browse_src[@]}"
choose_files "$pdfs" Handbook.pdf
click "$main" "${radio_ranges[@]}"
click "$main" "${edt_ranges[@]}"
type_text "1-4,5,9-12"
settle
shot_windows split.png "$main"

# 2. The merge side with three files, the second one selected.
click "$main" "${merge_tab[@]}"
# One file per dialog: the order of several typed names is the dialog's to choose.
for name in Chapter-1 Annual-report Chapter-2; do
  click "$main" "${sb_add_files[@]}"
  choose_files "$pdfs" "$name.pdf"
done
click "$main" "${list_row2[@]}"
settle
shot_windows merge.png "$main"

# 3. The progress window while the merge runs, and the message at its end.
click "$main" "${sb_merge[@]}"
progress=$(wait_window '^Merging PDF$')
[[ -n $progress ]] || fail "the progress window did not appear"
sleep 0.7
# What shows of the progress window and the message lies inside the main window.
shot_windows progress.png "$main" "$progress"

done_box=$(wait_window '^(Success|Failure)$')
settle
shot_windows merge-done.png "$main"
xdotool windowfocus "$done_box" 2>/dev/null || true
key Return
settle

# 4. The About window.
click "$main" "${about_link[@]}"
about=$(wait_window '^About us$')
settle
shot_windows about.png "$main" "$about"
xdotool windowfocus "$about" 2>/dev/null || true
key Return
settle

# Ends the running program and starts it again with these arguments (and the
# environment given before the call), its output in <log>, and waits for its window.
restart_app() { # log args...
  local log=$1
  shift
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  "$app" "$@" >"$work/$log" 2>&1 &
  app_pid=$!
  main=$(wait_window '^Plicora$')
  settle 2
}
chapters=("$pdfs/Chapter-1.pdf" "$pdfs/Annual-report.pdf" "$pdfs/Chapter-2.pdf")

# 5. The merge side again, under a dark desktop theme, with the files named on
# the command line.
GTK_THEME=Adwaita:dark QT_QPA_PLATFORMTHEME=gtk3 restart_app app-dark.log "${chapters[@]}"
click "$main" "${list_row2[@]}"
settle
shot_windows merge-dark.png "$main"

# 6. The pages: beside the merge list, the selected file's, one left out; on the split side,
# the source's, each marked with its piece (page 3 in two, 5 in none). The
# window grows to make room for them.
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
"$app" "$pdfs/Chapter-1.pdf" "$pdfs/Annual-report.pdf" "$pdfs/Chapter-2.pdf" >"$work/app-pages.log" 2>&1 &
app_pid=$!
main=$(wait_window '^Plicora$')
settle 2
click "$main" "${list_row2[@]}"
click "$main" "${sb_merge_pages[@]}"
settle 2
# Its second page left out with Ctrl and a click: the row's pages chosen follow.
xdotool keydown ctrl
click "$main" "${merge_page2[@]}"
xdotool keyup ctrl
settle
shot_windows merge-pages.png "$main"
# One file named on the command line opens on the split side.
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
"$app" "$pdfs/Handbook.pdf" >"$work/app-split-pages.log" 2>&1 &
app_pid=$!
main=$(wait_window '^Plicora$')
settle 2
click "$main" "${radio_ranges[@]}"
click "$main" "${edt_ranges[@]}"
type_text "1-3,3-4,6-12"
click "$main" "${sb_split_pages[@]}"
settle 2
shot_windows split-pages.png "$main"

# 7. The window in German (the merge side) and in Japanese (the split side),
# as the desktop's language chooses them.
LANGUAGE=de LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 restart_app app-de.log "${chapters[@]}"
click "$main" "${list_row2[@]}"
settle
shot_windows merge-de.png "$main"
LANGUAGE=ja LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 restart_app app-ja.log "$pdfs/Handbook.pdf"
click "$main" "${radio_ranges[@]}"
click "$main" "${edt_ranges[@]}"
type_text "1-4,5,9-12"
settle
shot_windows split-ja.png "$main"

# A merge that failed would have shown "Merging PDF failed." and opened nothing.
[[ -s $work/opened.txt ]] || fail "the merge opened nothing; see docs/screenshots/merge-done.png"
echo "opened on the desktop: $(cat "$work/opened.txt")"
