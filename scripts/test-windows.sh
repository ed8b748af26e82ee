#!/usr/bin/env bash
# Cross-builds the core, plicora-cli and their tests for 64-bit Windows (mingw-w64,
# static runtime) and runs the tests under Wine in a private prefix. Fails when
# any test fails. PDFs only Linux tools can make (Ghostscript with pdfmark) are
# made here first: from inside Wine no Linux program can help.
set -euo pipefail
cd "$(dirname "$0")/.."
# File names outside ASCII (in the tests, and under Wine, which takes its code
# page from the locale) need a UTF-8 locale; a bare machine or `env -i` sets none.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
root="$PWD"
build="$root/build-win64"
t0=$SECONDS
step=$SECONDS
timing=()
lap() {
  timing+=("$(printf '%-26s %4ds' "$1" $((SECONDS - step)))")
  step=$SECONDS
}

packages=(cmake make g++-mingw-w64-x86-64-posix wine64 libz-mingw-w64-dev googletest ghostscript
  libcli11-dev libgs-dev)
bash "$(dirname "${BASH_SOURCE[0]}")/install-deps.sh" --packages "${packages[@]}"
lap "packages"

# libqpdf and libjpeg for Windows: built once, then taken from the cache (or
# from PLICORA_QPDF_PREFIX, a prefix made before).
qpdf_prefix="${PLICORA_QPDF_PREFIX:-}"
if [[ -z "$qpdf_prefix" ]]; then
  if [[ ! -f scripts/build-qpdf-windows.sh ]]; then
    echo "scripts/build-qpdf-windows.sh is missing: no libqpdf for Windows" >&2
    exit 1
  fi
  qpdf_prefix="$(bash scripts/build-qpdf-windows.sh | tail -n 1)"
fi
lap "libqpdf for Windows"

export PLICORA_WIN_DEPS="$qpdf_prefix"

# The window (plicora.exe), its tests and the installer need Qt for Windows,
# which takes about an hour to build: only a finished build in the cache is used
# (scripts/build-qt-windows.sh makes it); without one they are skipped, said here.
gui=OFF
gui_options=()
gui_targets=()
gui_suites=()
if qt_prefix="$(bash scripts/build-qt-windows.sh --check 2>/dev/null | tail -n 1)"; then
  gui=ON
  export PLICORA_WIN_DEPS="$PLICORA_WIN_DEPS;$qt_prefix"
  # The host's lrelease makes the window's catalogues; Qt's own come from Debian.
  bash "$(dirname "${BASH_SOURCE[0]}")/install-deps.sh" --packages nsis librsvg2-bin icoutils unzip \
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  gui_options=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
  # The window tests run on Qt's offscreen platform, no X server needed; each has
  # a time limit (ctest's TIMEOUT), so a program that hangs fails.
  gui_suites=(tst_mainwindow tst_mergecommand tst_progress tst_splitcommand tst_about tst_desktop tst_options
    tst_pagepictures tst_translations)
  gui_targets=(plicora "${gui_suites[@]}")
  gui_suites+=(windows_installer)
else
  echo "SKIPPED: the window for Windows (plicora.exe), its tests and the installer:" \
    "no Qt for Windows in ${PLICORA_WIN_CACHE:-$HOME/.cache/plicora-win64}/qt." \
    "scripts/build-qt-windows.sh builds it once (about an hour on two cores); then run this again."
fi
lap "Qt for Windows"

emulator=/usr/lib/wine/wine64
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" \
  -DPLICORA_BUILD_GUI="$gui" -DPLICORA_BUILD_BENCH=OFF -DPLICORA_BUILD_CLI=ON -DPLICORA_FUZZ=OFF \
  -DBUILD_TESTING=ON -DPLICORA_WERROR=ON "${gui_options[@]}" >/dev/null
lap "configure"
suites=(plicora_core_tests plicora_cli_tests plicora_gs_tests plicora_exact_tests plicora_safe_tests)
cmake --build "$build" -j2 --target plicora-cli "${suites[@]}" probe_fuzz_replay engine_fuzz_replay \
  "${gui_targets[@]}"
lap "build"

# Ghostscript's own output with bookmarks, links and named destinations, for the
# exact engine's tests.
fixtures="$build/fixtures"
mkdir -p "$fixtures"
gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile="$fixtures/structured.pdf" \
  tests/exact/structured.ps
lap "fixtures"

# A prefix of our own, so nothing of the user's Wine set-up takes part; no Mono or
# Gecko installers, no windows.
export WINEPREFIX="$build/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  "$emulator" wineboot -i >/dev/null 2>&1
  /usr/lib/wine/wineserver -w # the set-up's server must be gone before ours starts
fi
# One server for the whole run instead of one started for every test program, and
# Wine's own background programs started now, away from ctest's output pipes:
# started by the first test, they would hold its pipe open and ctest would wait.
/usr/lib/wine/wineserver -p
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
"$emulator" wineboot </dev/null >/dev/null 2>&1
# Wine links the prefix's Documents, Desktop and the like to the Linux home: the
# window tests' default output names must not land there.
for link in "$WINEPREFIX/drive_c/users/$(id -un)"/*; do
  if [[ -L $link ]]; then
    rm "$link" && mkdir "$link"
  fi
done
# The window tests' default outputs from the last run would meet this run's.
documents="$WINEPREFIX/drive_c/users/$(id -un)/Documents"
if [[ -d $documents && ! -L $documents ]]; then
  find "$documents" -mindepth 1 -delete
fi
lap "wine prefix"

# Wine shows the Linux root as drive Z:.
export PLICORA_TEST_FIXTURES="Z:$fixtures"
results="$build/results"
rm -rf "$results"
mkdir -p "$results"
export GTEST_OUTPUT="xml:Z:$results/"
status=0
ctest --test-dir "$build" --output-on-failure --no-tests=error -j2 \
  -R "^($(IFS='|'; echo "${suites[*]}${gui_suites[*]:+|${gui_suites[*]}}")|probe_fuzz_corpus_replay|engine_fuzz_corpus_replay)\$" ||
  status=$?
lap "tests under Wine"

# Per program: cases run, skipped (each with its reason) and failed.
for xml in "$results"/*.xml; do
  [[ -f "$xml" ]] || continue
  summary="$(grep -m1 '<testsuites' "$xml")"
  attr() { sed -n "s/.* $1=\"\([0-9]*\)\".*/\1/p" <<<"$summary"; }
  printf '%-22s %4s cases, %3s failed, %3s skipped\n' "$(basename "$xml" .xml)" \
    "$(attr tests)" "$(attr failures)" "$(grep -c '<skipped' "$xml" || true)"
  awk '/<testcase / {
         n = $0; sub(/.*<testcase name="/, "", n); sub(/".*/, "", n)
         c = $0; sub(/.* classname="/, "", c); sub(/".*/, "", c); name = c "." n }
       /<skipped message="/ {
         m = $0; sub(/.*<skipped message="/, "", m); sub(/".*/, "", m); sub(/.*&#x0A;/, "", m)
         gsub(/&apos;/, "\047", m); gsub(/&quot;/, "\"", m); print "  skipped " name ": " m }' "$xml"
done

# The window tests (Qt Test): totals, each failure and each skip with its reason,
# from the reports they wrote.
for report in "$results"/tst_*.txt; do
  [[ -f "$report" ]] || continue
  name=$(basename "$report" .txt)
  tr -d '\r' <"$report" | awk -v name="$name" '
    /^Totals: / { printf "%-22s %s\n", name, $0 }
    /^FAIL!  : / { failing = 1; sub(/^FAIL!  : /, ""); print "  FAILED " $0; next }
    failing && /^ / { print "  " $0; next }
    { failing = 0 }
    /^SKIP   : / { sub(/^SKIP   : /, ""); print "  skipped " $0 }'
done

echo "Timings:"
printf '  %s\n' "${timing[@]}"
printf '  %-26s %4ds\n' "total" $((SECONDS - t0))
exit "$status"
